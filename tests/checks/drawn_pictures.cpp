// SPDX-FileCopyrightText: 2026 The acronym authors
// SPDX-License-Identifier: MIT

#include "drawn_pictures.h"

#include <QBuffer>
#include <QImage>
#include <QJsonArray>
#include <QPainter>
#include <QRandomGenerator>
#include <QtEndian>
#include <zlib.h>

namespace checks {

namespace {

// A PNG whose header says it is `side` pixels square, its checksum mended: nothing beyond the
// header need be read to refuse it.
QByteArray claimingSide(quint32 side)
{
    QByteArray bytes = Drawn("png");
    qToBigEndian(side, bytes.data() + 16);
    qToBigEndian(side, bytes.data() + 20);
    const auto *const header = reinterpret_cast<const Bytef *>(bytes.constData() + 12);
    qToBigEndian(static_cast<quint32>(crc32(0, header, 17)), bytes.data() + 29);
    return bytes;
}

// A JPEG whose EXIF data says how the camera was turned, as EXIF numbers it (6: a quarter to the
// right, so that the picture stands upright turned a quarter to the right).
QByteArray turned(QByteArray jpeg, int orientation)
{
    QByteArray exif = QByteArray::fromHex("FFE10022457869660000"         // APP1, its length, "Exif"
                                          "4D4D002A00000008"             // TIFF, big-endian
                                          "0001011200030000000100000000" // one entry: orientation
                                          "00000000");                   // no IFD after it
    exif[29] = static_cast<char>(orientation);
    return jpeg.insert(2, exif);
}

} // namespace

QByteArray Drawn(const char *format, QSize size, bool noise)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::darkYellow);
    QPainter painter(&image);
    painter.fillRect(0, 0, size.width() / 3, size.height(), Qt::darkRed);
    painter.end();
    if (noise) {
        QRandomGenerator random(24);
        for (int y = 0; y < size.height(); ++y) {
            for (int x = 0; x < size.width(); ++x) {
                image.setPixel(x, y, random.generate());
            }
        }
    }
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format);
    return bytes;
}

QHash<QString, QByteArray> FilesOf(const QJsonObject &recipes)
{
    QHash<QString, QByteArray> files;
    for (auto recipe = recipes.begin(); recipe != recipes.end(); ++recipe) {
        const QJsonObject made = recipe.value().toObject();
        const QByteArray format = made["draw"].toString().toLatin1();
        const QJsonArray size = made["size"].toArray();
        const bool noise = made["noise"].toBool();
        const QSize drawnSize = size.isEmpty() ? (noise ? QSize(512, 512) : QSize(320, 200))
                                               : QSize(size[0].toInt(), size[1].toInt());
        QByteArray bytes = made.contains("text")   ? made["text"].toString().toUtf8()
                           : made.contains("side") ? claimingSide(made["side"].toInt())
                                                   : Drawn(format.constData(), drawnSize, noise);
        if (made.contains("turned")) {
            bytes = turned(bytes, made["turned"].toInt());
        }
        files.insert(recipe.key(), made["cut"].toBool() ? bytes.first(bytes.size() / 2) : bytes);
    }
    return files;
}

QString WithDataAddresses(QString text, const QHash<QString, QByteArray> &files)
{
    for (auto file = files.begin(); file != files.end(); ++file) {
        const QString type = file.value().startsWith("\xFF\xD8") ? QStringLiteral("jpeg")
                             : file.value().startsWith("RIFF")   ? QStringLiteral("webp")
                                                                 : QStringLiteral("png");
        text.replace("@data:" + file.key() + "@",
                     QStringLiteral("data:image/%1;base64,%2").arg(type, file.value().toBase64()));
    }
    return text;
}

} // namespace checks
