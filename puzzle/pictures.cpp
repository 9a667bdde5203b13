// SPDX-FileCopyrightText: 2026 The acronym authors
// SPDX-License-Identifier: MIT

#include "pictures.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QImage>
#include <QImageReader>
#include <QRegularExpression>
#include <QtEndian>

namespace puzzle {

QByteArray PictureFormat(QByteArrayView bytes)
{
    if (bytes.startsWith("\xFF\xD8\xFF")) {
        return "jpeg";
    }
    if (bytes.startsWith("\x89PNG\r\n\x1A\n")) {
        return "png";
    }
    if (bytes.size() >= 12 && bytes.first(4) == "RIFF" && bytes.sliced(8, 4) == "WEBP") {
        return "webp";
    }
    return {};
}

namespace {

// Whether the bytes end where their format says: a JPEG with its end-of-image marker, a PNG with
// its end chunk, a WebP at the length that its header gives. Decoders show a picture that was cut
// short without a word, its missing part grey.
bool endsWhole(QByteArrayView bytes, const QByteArray &format)
{
    if (format == "jpeg") {
        return bytes.endsWith("\xFF\xD9");
    }
    if (format == "png") {
        return bytes.endsWith("IEND\xAE\x42\x60\x82");
    }
    return qFromLittleEndian<quint32>(bytes.data() + 4) + 8 == quint64(bytes.size());
}

} // namespace

std::variant<board::Picture, QString> PictureOf(QByteArrayView bytes)
{
    if (bytes.size() > maxPictureBytes) {
        return QCoreApplication::translate("puzzle", "the picture is larger than 512 KiB");
    }
    const QByteArray format = PictureFormat(bytes);
    if (format.isEmpty()) {
        return QCoreApplication::translate("puzzle", "the picture is not a JPEG, PNG or WebP file");
    }
    QByteArray copy = bytes.toByteArray();
    QBuffer buffer(&copy);
    QImageReader reader(&buffer, format);
    const QSize size = reader.size();
    if (size.width() > maxPictureSide || size.height() > maxPictureSide) {
        return QCoreApplication::translate("puzzle",
                                           "the picture is %1 × %2 pixels, more than %3 a side")
            .arg(size.width())
            .arg(size.height())
            .arg(maxPictureSide);
    }
    // A small copy reads the whole picture as a large one would, at a fraction of the cost.
    if (size.isValid()) {
        reader.setScaledSize(size.scaled(64, 64, Qt::KeepAspectRatio).expandedTo({1, 1}));
    }
    if (!size.isValid() || !endsWhole(bytes, format) || reader.read().isNull()) {
        return QCoreApplication::translate("puzzle", "the picture does not decode whole");
    }
    return board::Picture{bytes.toByteArray().toStdString(), "image/" + format.toStdString()};
}

std::variant<PictureName, QString> ReadPictureName(const QString &value)
{
    if (!value.startsWith(QStringLiteral("data:"), Qt::CaseInsensitive)) {
        return PictureName{value, {}};
    }
    static const QRegularExpression address(QStringLiteral("^data:[^,;]*;base64,(.*)$"),
                                            QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch match = address.match(value);
    QByteArray::FromBase64Result bytes;
    if (match.hasMatch()) {
        bytes = QByteArray::fromBase64Encoding(match.captured(1).toLatin1(),
                                               QByteArray::AbortOnBase64DecodingErrors);
    }
    if (!match.hasMatch() || !bytes) {
        return QCoreApplication::translate("puzzle",
                                           R"(the "data:" address does not hold base64 bytes)");
    }
    return PictureName{{}, *bytes};
}

QString DataAddress(const board::Picture &picture)
{
    return QStringLiteral("data:%1;base64,%2")
        .arg(QString::fromStdString(picture.type),
             QString::fromLatin1(QByteArray::fromStdString(picture.bytes).toBase64()));
}

} // namespace puzzle
