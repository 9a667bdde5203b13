// SPDX-FileCopyrightText: 2026 The acronym authors
// SPDX-License-Identifier: MIT

#pragma once

#include "content.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QImage>
#include <QSize>
#include <QString>
#include <variant>

/// The pictures that a puzzle file gives its explanations: what they may be, and how a picture
/// line names one.
namespace puzzle {

constexpr qsizetype maxPictureBytes = 512 * 1024;
constexpr int maxPictureSide = 4096;
/// The size within which a picture shows in its row; the reader decodes it at this size to check
/// it whole, and keeps what it decoded with it.
constexpr QSize rowPictureSize(32, 24);

/// The format that a picture's first bytes name, as Qt's image readers call it ("jpeg", "png",
/// "webp"); empty for any other kind of file.
QByteArray PictureFormat(QByteArrayView bytes);

/// The picture that `bytes` hold, or why they are none that a puzzle takes: another kind of file
/// (JPEG, PNG and WebP are known by their bytes, never by a name), more than 512 KiB, more than
/// 4096 pixels a side, or a picture that does not decode whole. Sizes are checked before anything
/// is decoded; it is decoded once, at rowPictureSize, and the picture keeps that.
std::variant<board::Picture, QString> PictureOf(QByteArrayView bytes);

/// The picture's size upright, as a phone's photo is meant to be seen (its EXIF orientation
/// applied), from its header alone; invalid when the header gives none.
QSize UprightSize(QByteArrayView bytes);

/// The picture decoded once, upright, within `box` and never larger than it is; a null image when
/// it does not decode.
QImage DecodedPicture(QByteArrayView bytes, const QSize &box);

/// The picture as PictureOf decoded it, within rowPictureSize; a null image where it was not.
QImage SmallPicture(const board::Picture &picture);

/// What a picture line names: a data: address with the picture's bytes, or a file.
struct PictureName
{
    QString file;     // relative to the puzzle's folder; empty for a data: address
    QByteArray bytes; // a data: address's
};

/// Reads the value of a picture line: "data:image/png;base64,…" or a file's name. A data:
/// address that is not base64 is the reason returned.
std::variant<PictureName, QString> ReadPictureName(const QString &value);

/// A picture as a data: address, as the editors save it.
QString DataAddress(const board::Picture &picture);

} // namespace puzzle
