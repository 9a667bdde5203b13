// SPDX-FileCopyrightText: 2026 The acronym authors
// SPDX-License-Identifier: MIT

#pragma once

#include <QByteArrayView>
#include <QString>
#include <QStringList>

namespace puzzle {

/// The encodings a teacher's editor may save a puzzle in.
enum class Encoding
{
    Utf8,
    Utf16LE,
    Utf16BE,
    Windows1251
};

/// The encoding's usual name: "UTF-8", "UTF-16LE", "UTF-16BE", "windows-1251".
QString EncodingName(Encoding encoding);

/// A text file's lines, decoded, without their line ends (LF, or CR LF). When a line cannot be
/// decoded, `badLine` is its number (from 1) and `problem` says why; `lines` then holds nothing.
struct DecodedText
{
    Encoding encoding = Encoding::Utf8;
    QStringList lines;
    int badLine = 0;
    QString problem;
};

/// Decodes a file, deciding its encoding in this order: a UTF-8 byte-order mark; a UTF-16 LE or BE
/// byte-order mark; valid UTF-8; otherwise windows-1251. A file that is mostly UTF-8 but has broken
/// lines (a line pasted from another editor) is UTF-8, and its first broken line is the bad one:
/// it is taken as UTF-8 when one of its lines is valid UTF-8 beyond ASCII, or when its well-formed
/// multi-byte sequences are at least as many as its stray bytes.
DecodedText DecodeText(QByteArrayView bytes);

} // namespace puzzle
