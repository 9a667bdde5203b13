// SPDX-FileCopyrightText: 2026 The acronym authors
// SPDX-License-Identifier: MIT

#include "text_encoding.h"

#include <QCoreApplication>
#include <QList>
#include <QStringDecoder>
#include <array>

namespace puzzle {

namespace {

// windows-1251 from 0x80 to 0xBF; 0xC0 to 0xFF are А to я in order. 0x98 has no character.
constexpr char16_t unassigned = 0xFFFF;
constexpr std::array<char16_t, 64> windows1251High{
    0x0402, 0x0403, 0x201A,     0x0453, 0x201E, 0x2026, 0x2020, 0x2021, 0x20AC, 0x2030, 0x0409,
    0x2039, 0x040A, 0x040C,     0x040B, 0x040F, 0x0452, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, unassigned, 0x2122, 0x0459, 0x203A, 0x045A, 0x045C, 0x045B, 0x045F, 0x00A0,
    0x040E, 0x045E, 0x0408,     0x00A4, 0x0490, 0x00A6, 0x00A7, 0x0401, 0x00A9, 0x0404, 0x00AB,
    0x00AC, 0x00AD, 0x00AE,     0x0407, 0x00B0, 0x00B1, 0x0406, 0x0456, 0x0491, 0x00B5, 0x00B6,
    0x00B7, 0x0451, 0x2116,     0x0454, 0x00BB, 0x0458, 0x0405, 0x0455, 0x0457};

// How much of a line reads as UTF-8: its well-formed multi-byte sequences, and the bytes that
// belong to no well-formed sequence.
struct Utf8Census
{
    qsizetype sequences = 0;
    qsizetype strays = 0;
};

// The length of the UTF-8 sequence that `lead` starts, or 0 when no sequence starts with it.
qsizetype sequenceLength(unsigned char lead)
{
    if (lead >= 0xC2 && lead <= 0xDF) {
        return 2;
    }
    if (lead >= 0xE0 && lead <= 0xEF) {
        return 3;
    }
    return lead >= 0xF0 && lead <= 0xF4 ? 4 : 0;
}

// Whether a well-formed multi-byte sequence starts at `at`. The second byte's range rules out
// overlong forms, surrogates and code points past U+10FFFF.
bool wellFormedAt(QByteArrayView bytes, qsizetype at)
{
    const auto lead = static_cast<unsigned char>(bytes[at]);
    const qsizetype length = sequenceLength(lead);
    if (length == 0 || at + length > bytes.size()) {
        return false;
    }
    const unsigned char low = lead == 0xE0 ? 0xA0 : lead == 0xF0 ? 0x90 : 0x80;
    const unsigned char high = lead == 0xED ? 0x9F : lead == 0xF4 ? 0x8F : 0xBF;
    for (qsizetype next = 1; next < length; ++next) {
        const auto byte = static_cast<unsigned char>(bytes[at + next]);
        if (byte < (next == 1 ? low : 0x80) || byte > (next == 1 ? high : 0xBF)) {
            return false;
        }
    }
    return true;
}

Utf8Census census(QByteArrayView bytes)
{
    Utf8Census found;
    qsizetype at = 0;
    while (at < bytes.size()) {
        if (static_cast<unsigned char>(bytes[at]) < 0x80) {
            ++at;
        } else if (wellFormedAt(bytes, at)) {
            ++found.sequences;
            at += sequenceLength(static_cast<unsigned char>(bytes[at]));
        } else {
            ++found.strays;
            ++at;
        }
    }
    return found;
}

// The lines of 8-bit text, split at LF, each without its CR LF or LF. A last line end ends the
// last line; it does not start another.
QList<QByteArrayView> byteLines(QByteArrayView text)
{
    QList<QByteArrayView> lines;
    qsizetype start = 0;
    do {
        qsizetype end = text.indexOf('\n', start);
        if (end < 0) {
            end = text.size();
        }
        QByteArrayView line = text.sliced(start, end - start);
        if (line.endsWith('\r')) {
            line.chop(1);
        }
        lines << line;
        start = end + 1;
    } while (start < text.size());
    return lines;
}

// The same for UTF-16, split at the code unit U+000A. An odd last byte stays on the last line.
QList<QByteArrayView> utf16Lines(QByteArrayView text, bool bigEndian)
{
    const auto unitAt = [&](qsizetype at) {
        const auto first = static_cast<unsigned char>(text[at]);
        const auto second = static_cast<unsigned char>(text[at + 1]);
        return bigEndian ? (first << 8 | second) : (second << 8 | first);
    };
    QList<QByteArrayView> lines;
    qsizetype start = 0;
    qsizetype at = 0;
    for (; at + 1 < text.size(); at += 2) {
        if (unitAt(at) == u'\n') {
            qsizetype end = at;
            if (end - start >= 2 && unitAt(end - 2) == u'\r') {
                end -= 2;
            }
            lines << text.sliced(start, end - start);
            start = at + 2;
        }
    }
    if (start < text.size() || lines.isEmpty()) {
        lines << text.sliced(start);
    }
    return lines;
}

DecodedText refused(Encoding encoding, qsizetype index, const QString &problem)
{
    DecodedText decoded;
    decoded.encoding = encoding;
    decoded.badLine = static_cast<int>(index + 1);
    decoded.problem = problem;
    return decoded;
}

// Decodes every line with a fresh decoder, stopping at the first one that fails.
DecodedText decodeLines(Encoding encoding, const QList<QByteArrayView> &lines)
{
    DecodedText decoded;
    decoded.encoding = encoding;
    const QStringDecoder::Encoding codec = encoding == Encoding::Utf16LE   ? QStringDecoder::Utf16LE
                                           : encoding == Encoding::Utf16BE ? QStringDecoder::Utf16BE
                                                                           : QStringDecoder::Utf8;
    for (qsizetype line = 0; line < lines.size(); ++line) {
        QStringDecoder decoder(codec, QStringDecoder::Flag::Stateless);
        QString text = decoder(lines[line]);
        // The UTF-16 decoder passes lone surrogates and a last odd byte through without an error.
        if (decoder.hasError() || !text.isValidUtf16() ||
            (codec != QStringDecoder::Utf8 && lines[line].size() % 2 != 0)) {
            return refused(encoding, line,
                           QCoreApplication::translate("puzzle", "is not %1 text")
                               .arg(EncodingName(encoding)));
        }
        decoded.lines << text;
    }
    return decoded;
}

DecodedText decodeWindows1251(const QList<QByteArrayView> &lines)
{
    DecodedText decoded;
    decoded.encoding = Encoding::Windows1251;
    for (qsizetype line = 0; line < lines.size(); ++line) {
        QString text;
        text.reserve(lines[line].size());
        for (const char byte : lines[line]) {
            const auto code = static_cast<unsigned char>(byte);
            const char16_t character = code < 0x80   ? char16_t{code}
                                       : code < 0xC0 ? windows1251High[code - 0x80]
                                                     : static_cast<char16_t>(0x0410 + code - 0xC0);
            if (character == unassigned) {
                return refused(
                    Encoding::Windows1251, line,
                    QCoreApplication::translate(
                        "puzzle", "has the byte 0x98, which is no character in windows-1251"));
            }
            text += QChar(character);
        }
        decoded.lines << text;
    }
    return decoded;
}

} // namespace

QString EncodingName(Encoding encoding)
{
    switch (encoding) {
    case Encoding::Utf8:
        return QStringLiteral("UTF-8");
    case Encoding::Utf16LE:
        return QStringLiteral("UTF-16LE");
    case Encoding::Utf16BE:
        return QStringLiteral("UTF-16BE");
    case Encoding::Windows1251:
        return QStringLiteral("windows-1251");
    }
    return {};
}

DecodedText DecodeText(QByteArrayView bytes)
{
    if (bytes.startsWith("\xEF\xBB\xBF")) {
        return decodeLines(Encoding::Utf8, byteLines(bytes.sliced(3)));
    }
    if (bytes.startsWith("\xFF\xFE")) {
        return decodeLines(Encoding::Utf16LE, utf16Lines(bytes.sliced(2), false));
    }
    if (bytes.startsWith("\xFE\xFF")) {
        return decodeLines(Encoding::Utf16BE, utf16Lines(bytes.sliced(2), true));
    }

    const QList<QByteArrayView> lines = byteLines(bytes);
    Utf8Census whole;
    bool utf8Line = false; // a line that is valid UTF-8 beyond ASCII
    for (const QByteArrayView line : lines) {
        const Utf8Census found = census(line);
        whole.sequences += found.sequences;
        whole.strays += found.strays;
        utf8Line = utf8Line || (found.strays == 0 && found.sequences > 0);
    }
    if (whole.strays == 0 || utf8Line || whole.sequences >= whole.strays) {
        return decodeLines(Encoding::Utf8, lines);
    }
    return decodeWindows1251(lines);
}

} // namespace puzzle
