// SPDX-FileCopyrightText: 2026 The acronym authors
// SPDX-License-Identifier: MIT

#include "puzzle_link.h"

#include "draft.h"

#include <algorithm>
#include <zlib.h>

namespace web {

namespace {

// The bytes packed with raw DEFLATE (no zlib header), as the browsers' CompressionStream
// ("deflate-raw") packs them.
QByteArray deflated(const QByteArray &bytes)
{
    z_stream stream{};
    // -15: a window of 32 KiB and no header.
    deflateInit2(&stream, Z_BEST_COMPRESSION, Z_DEFLATED, -15, 9, Z_DEFAULT_STRATEGY);
    QByteArray packed(
        static_cast<qsizetype>(deflateBound(&stream, static_cast<uLong>(bytes.size()))),
        Qt::Uninitialized);
    stream.next_in = reinterpret_cast<Bytef *>(const_cast<char *>(bytes.data()));
    stream.avail_in = static_cast<uInt>(bytes.size());
    stream.next_out = reinterpret_cast<Bytef *>(packed.data());
    stream.avail_out = static_cast<uInt>(packed.size());
    deflate(&stream, Z_FINISH);
    packed.truncate(static_cast<qsizetype>(stream.total_out));
    deflateEnd(&stream);
    return packed;
}

} // namespace

QByteArray LinkText(const board::Exercise &exercise)
{
    editor::Draft draft = editor::DraftOf(exercise);
    for (editor::Row &row : draft.rows) {
        row.picture.clear();
    }
    return editor::DraftText(draft);
}

QString PuzzleLink(const QString &player, const QByteArray &text)
{
    return player + u'#' + QLatin1String(linkVersion) + u'.' +
           QString::fromLatin1(deflated(text).toBase64(QByteArray::Base64UrlEncoding |
                                                       QByteArray::OmitTrailingEquals));
}

bool HasPictures(const board::Exercise &exercise)
{
    return std::any_of(exercise.pictures.begin(), exercise.pictures.end(),
                       [](const board::Picture &picture) { return !picture.bytes.empty(); });
}

} // namespace web
