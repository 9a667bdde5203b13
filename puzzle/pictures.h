// SPDX-FileCopyrightText: 2026 The acronym authors
// SPDX-License-Identifier: MIT

#pragma once

#include "content.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <variant>

/// The pictures that a puzzle file gives its explanations: what they may be, and how a picture
/// line names one.
namespace puzzle {

constexpr qsizetype maxPictureBytes = 512 * 1024;
constexpr int maxPictureSide = 4096;

/// The format that a picture's first bytes name, as Qt's image readers call it ("jpeg", "png",
/// "webp"); empty for any other kind of file.
QByteArray PictureFormat(QByteArrayView bytes);

/// The picture that `bytes` hold, or why they are none that a puzzle takes: another kind of file
/// (JPEG, PNG and WebP are known by their bytes, never by a name), more than 512 KiB, more than
/// 4096 pixels a side, or a picture that does not decode whole. Sizes are checked before anything
/// is decoded.
std::variant<board::Picture, QString> PictureOf(QByteArrayView bytes);

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
