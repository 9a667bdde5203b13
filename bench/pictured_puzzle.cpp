// SPDX-FileCopyrightText: 2026 The acronym authors
// SPDX-License-Identifier: MIT

// Writes the built-in puzzle as a file with pictures beside its explanations, the first ones in
// the window's order, drawn here: a sky, a sun and hills, numbered, in turn as JPEG, PNG and WebP
// unless one format is asked for. With --grain, each picture has a camera's grain, which makes a
// JPEG as large as a phone's photo of its size.
//
//     pictured_puzzle FOLDER [--count 9] [--size 1024x768] [--format jpeg] [--grain]

#include "board.h"
#include "content.h"

#include <QCommandLineParser>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QList>
#include <QPainter>
#include <QPainterPath>
#include <QRandomGenerator>
#include <algorithm>
#include <cmath>
#include <cstdio>

namespace {

QImage drawn(QSize size, int number, bool grain)
{
    QImage image(size, QImage::Format_RGB32);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    QLinearGradient sky(0, 0, 0, size.height());
    sky.setColorAt(0, QColor::fromHsv((number * 40) % 360, 120, 230));
    sky.setColorAt(1, Qt::white);
    painter.fillRect(image.rect(), sky);
    const qreal unit = size.height() / 12.0;
    painter.setBrush(QColor(255, 200, 60));
    painter.setPen(Qt::NoPen);
    painter.drawEllipse(QPointF(size.width() * 0.75, unit * 3), unit * 1.5, unit * 1.5);
    for (int hill = 0; hill < 3; ++hill) {
        QPainterPath path({0, qreal(size.height())});
        for (int x = 0; x <= size.width(); x += 8) {
            path.lineTo(x, size.height() * (0.6 + 0.1 * hill) +
                               unit * std::sin(x / (unit * (3 + hill)) + number));
        }
        path.lineTo(size.width(), size.height());
        painter.setBrush(QColor(40 + 40 * hill, 120 - 20 * hill, 50));
        painter.drawPath(path);
    }
    painter.setPen(Qt::white);
    QFont font = painter.font();
    font.setPixelSize(static_cast<int>(unit * 3));
    painter.setFont(font);
    painter.drawText(image.rect().adjusted(0, 0, 0, -static_cast<int>(unit)),
                     Qt::AlignHCenter | Qt::AlignBottom, QString::number(number + 1));
    painter.end();
    QRandomGenerator random(static_cast<quint32>(number));
    for (int y = 0; grain && y < size.height(); ++y) {
        auto *pixels = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < size.width(); ++x) {
            const int shade = random.bounded(-24, 25);
            pixels[x] = qRgb(std::clamp(qRed(pixels[x]) + shade, 0, 255),
                             std::clamp(qGreen(pixels[x]) + shade, 0, 255),
                             std::clamp(qBlue(pixels[x]) + shade, 0, 255));
        }
    }
    return image;
}

} // namespace

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    QCommandLineParser parser;
    parser.addOptions({{"count", "pictures", "N", "9"},
                       {"size", "each picture's size", "WxH", "1024x768"},
                       {"format", "one format for all", "FORMAT"},
                       {"grain", "a camera's grain in every picture"}});
    parser.addPositionalArgument("folder", "where to write pictured.acronym and its pictures");
    parser.process(application);
    if (parser.positionalArguments().size() != 1) {
        parser.showHelp(1);
    }
    const QDir folder(parser.positionalArguments().constFirst());
    if (!folder.mkpath(QStringLiteral("."))) {
        std::fprintf(stderr, "cannot make %s\n", qPrintable(folder.path()));
        return 1;
    }
    const QStringList sides = parser.value("size").split(u'x');
    const QSize size(sides.value(0).toInt(), sides.value(1).toInt());
    const int count = parser.value("count").toInt();
    const QStringList formats = parser.isSet("format") ? QStringList{parser.value("format")}
                                                       : QStringList{"jpeg", "png", "webp"};

    const board::Exercise &exercise = board::BuiltInExercise();
    const board::MasterRows &rows = exercise.rows;
    const auto pairs = static_cast<int>(rows.words.size());
    QStringList words(pairs);
    QStringList explanations(pairs);
    QList<int> shownAt(pairs); // each pair's explanation's row in the window
    for (int row = 0; row < pairs; ++row) {
        words[board::KeyValue(rows.wordKeys[row])] = QString::fromStdString(rows.words[row]);
        explanations[board::KeyValue(rows.explanationKeys[row])] =
            QString::fromStdString(rows.explanations[row]);
        shownAt[board::KeyValue(rows.explanationKeys[row])] = row;
    }
    QString text =
        QStringLiteral("заглавие: %1\nотговор: %2\n\n")
            .arg(QString::fromStdString(exercise.title), QString::fromStdString(exercise.answer));
    for (int pair = 0; pair < pairs; ++pair) {
        text += words[pair].trimmed() + QStringLiteral(" = ") + explanations[pair] + u'\n';
        if (shownAt[pair] < count) {
            const QString &format = formats[shownAt[pair] % formats.size()];
            const QString name = QStringLiteral("picture%1.%2").arg(pair + 1).arg(format);
            if (!drawn(size, pair, parser.isSet("grain"))
                     .save(folder.filePath(name), qPrintable(format), 85)) {
                std::fprintf(stderr, "cannot write %s\n", qPrintable(folder.filePath(name)));
                return 1;
            }
            text += QStringLiteral("картина: ") + name + u'\n';
        }
    }
    QFile file(folder.filePath(QStringLiteral("pictured.acronym")));
    if (!file.open(QIODevice::WriteOnly) || file.write(text.toUtf8()) < 0) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(file.fileName()));
        return 1;
    }
    return 0;
}
