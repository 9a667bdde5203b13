// SPDX-FileCopyrightText: 2026 The acronym authors
// SPDX-License-Identifier: MIT

#pragma once

#include <QImage>
#include <QString>
#include <variant>
#include <vector>

/// QR codes of links, as a phone's camera reads them.
namespace web {

/// A QR code: `size` modules a side, row by row, true for a dark one.
struct QrCode
{
    int size = 0;
    std::vector<bool> dark;
};

/// The QR code that holds the whole of `text`, at the highest level of error correction that
/// lets it fit, or why there is none: the text is too long for any QR code.
std::variant<QrCode, QString> QrCodeOf(const QString &text);

/// The code as a picture: each module `module` pixels square, with the quiet zone of four modules
/// around it that a reader needs.
QImage QrImage(const QrCode &code, int module);

/// The code as an SVG drawing, black on white, with its quiet zone.
QByteArray QrSvg(const QrCode &code);

/// Writes the code of `text` to `path`: an SVG drawing when the name ends in ".svg", otherwise a
/// PNG picture. Returns what went wrong, or an empty string.
QString WriteQrCode(const QString &text, const QString &path);

} // namespace web
