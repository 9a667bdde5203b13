// SPDX-FileCopyrightText: 2026 The acronym authors
// SPDX-License-Identifier: MIT

#include "drawn_pictures.h"
#include "puzzle_file.h"
#include "puzzle_link.h"
#include "qr_code.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTest>
#include <zlib.h>

namespace {

QByteArray fileOf(const QString &path)
{
    QFile file(QStringLiteral(SOURCE_FOLDER "/") + path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// What a link's fragment carries, inflated back.
QByteArray carried(const QString &link)
{
    const QByteArray packed = QByteArray::fromBase64(
        link.section(u'#', 1).section(u'.', 1).toLatin1(), QByteArray::Base64UrlEncoding);
    z_stream stream{};
    inflateInit2(&stream, -15);
    QByteArray text(1 << 20, Qt::Uninitialized);
    stream.next_in = reinterpret_cast<Bytef *>(const_cast<char *>(packed.data()));
    stream.avail_in = static_cast<uInt>(packed.size());
    stream.next_out = reinterpret_cast<Bytef *>(text.data());
    stream.avail_out = static_cast<uInt>(text.size());
    const bool whole = inflate(&stream, Z_FINISH) == Z_STREAM_END;
    text.truncate(static_cast<qsizetype>(stream.total_out));
    inflateEnd(&stream);
    return whole ? text : QByteArray();
}

} // namespace

// The program's links carry what the shared table says, which the editor's page writes too.
class LinkTest : public QObject
{
    Q_OBJECT

private slots:
    void carriesTheSharedTexts_data();
    void carriesTheSharedTexts();
    void codesWhatFits();
};

void LinkTest::carriesTheSharedTexts_data()
{
    QTest::addColumn<QJsonObject>("puzzle");
    const QJsonObject table =
        QJsonDocument::fromJson(fileOf("tests/web/puzzle_links.json")).object();
    for (const QJsonValue puzzle : table["links"].toArray()) {
        QTest::newRow(qPrintable(puzzle["name"].toString())) << puzzle.toObject();
    }
}

void LinkTest::carriesTheSharedTexts()
{
    QFETCH(QJsonObject, puzzle);
    const QHash<QString, QByteArray> files = checks::FilesOf(puzzle["files"].toObject());
    const QByteArray bytes = puzzle.contains("file") ? fileOf(puzzle["file"].toString())
                                                     : puzzle["text"].toString().toUtf8();
    const board::Exercise exercise =
        puzzle::ParsePuzzle(bytes, "p.acronym",
                            [&files](const QString &name) -> std::variant<QByteArray, QString> {
                                return files.value(name);
                            })
            .exercise;
    const QByteArray text = web::LinkText(exercise);
    QCOMPARE(QString::fromUtf8(text), puzzle["carries"].toString());
    const QString link = web::PuzzleLink(QStringLiteral("https://example.org/player.html"), text);
    QVERIFY(link.startsWith(QStringLiteral("https://example.org/player.html#1.")));
    QCOMPARE(carried(link), text);
    QCOMPARE(web::HasPictures(exercise), !files.isEmpty());
}

// A QR code holds a link at the highest correction level that fits: 30 bytes at level H take
// version 4, 33 modules a side (at L, version 2 would do). None holds more than 2953 bytes, and
// the teacher is told why.
void LinkTest::codesWhatFits()
{
    const auto made = web::QrCodeOf(QString(30, u'a'));
    QCOMPARE(std::get<web::QrCode>(made).size, 33);
    const auto refused = web::QrCodeOf(QString(2954, u'a'));
    QVERIFY(std::get<QString>(refused).contains(QStringLiteral("2953")));
}

QTEST_GUILESS_MAIN(LinkTest)
#include "link_test.moc"
