// SPDX-FileCopyrightText: 2026 The acronym authors
// SPDX-License-Identifier: MIT

#include "pictures.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QImage>
#include <QImageReader>
#include <QRegularExpression>
#include <QtEndian>
#include <algorithm>
#include <cstdint>

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

// A reader of the bytes, which it does not copy: they must outlive it. It is told their format,
// so that no other reader is tried (and loaded) first.
struct Reading
{
    explicit Reading(QByteArrayView bytes)
        : data(QByteArray::fromRawData(bytes.data(), bytes.size())), buffer(&data),
          reader(&buffer, PictureFormat(bytes))
    {
        reader.setAutoTransform(true);
    }

    // The picture's size as it will be read, upright.
    QSize upright() const
    {
        QSize size = reader.size();
        if (turned()) {
            size.transpose();
        }
        return size;
    }

    // Reads the picture upright, within `box` and never larger than it is.
    QImage read(const QSize &box)
    {
        const QSize size = upright();
        if (size.width() > box.width() || size.height() > box.height()) {
            QSize scaled = size.scaled(box, Qt::KeepAspectRatio).expandedTo({1, 1});
            if (turned()) {
                scaled.transpose();
            }
            reader.setScaledSize(scaled);
        }
        return reader.read();
    }

    bool turned() const
    {
        return reader.transformation().testFlag(QImageIOHandler::TransformationRotate90);
    }

    QByteArray data;
    QBuffer buffer;
    QImageReader reader;
};

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
    Reading reading(bytes);
    const QSize size = reading.reader.size();
    if (size.width() > maxPictureSide || size.height() > maxPictureSide) {
        return QCoreApplication::translate("puzzle",
                                           "the picture is %1 × %2 pixels, more than %3 a side")
            .arg(size.width())
            .arg(size.height())
            .arg(maxPictureSide);
    }
    // Decoded small, as its row shows it: the whole picture is read as a large copy would be,
    // at a fraction of the cost.
    const QImage small = size.isValid() && endsWhole(bytes, format)
                             ? reading.read(rowPictureSize).convertToFormat(QImage::Format_ARGB32)
                             : QImage();
    if (small.isNull()) {
        return QCoreApplication::translate("puzzle", "the picture does not decode whole");
    }
    board::Picture picture{bytes.toByteArray().toStdString(), "image/" + format.toStdString()};
    picture.smallWidth = small.width();
    for (int y = 0; y < small.height(); ++y) {
        const auto *row = reinterpret_cast<const std::uint32_t *>(small.constScanLine(y));
        picture.small.insert(picture.small.end(), row, row + small.width());
    }
    return picture;
}

QSize UprightSize(QByteArrayView bytes)
{
    return Reading(bytes).upright();
}

QImage DecodedPicture(QByteArrayView bytes, const QSize &box)
{
    return Reading(bytes).read(box);
}

QImage SmallPicture(const board::Picture &picture)
{
    if (picture.smallWidth <= 0) {
        return {};
    }
    const int height = static_cast<int>(picture.small.size()) / picture.smallWidth;
    QImage small(picture.smallWidth, height, QImage::Format_ARGB32);
    for (int y = 0; y < height; ++y) {
        std::copy_n(picture.small.begin() + static_cast<std::ptrdiff_t>(y) * picture.smallWidth,
                    picture.smallWidth, reinterpret_cast<std::uint32_t *>(small.scanLine(y)));
    }
    return small;
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
