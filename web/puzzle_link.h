// SPDX-FileCopyrightText: 2026 The acronym authors
// SPDX-License-Identifier: MIT

#pragma once

#include "content.h"

#include <QByteArray>
#include <QString>

/// Links that carry a puzzle in their fragment, the part after '#', which a browser never sends
/// to the server: the player's page reads the puzzle from there and plays it.
namespace web {

/// What a link's fragment starts with: the version of its format, then a '.'.
inline constexpr char linkVersion[] = "1";

/// The text that a link carries for an exercise: its puzzle as the editors write it (title,
/// answer, instructions, then one pair a line in the answer's order), without comments and without
/// pictures, which would make a link too long for a chat or a QR code.
QByteArray LinkText(const board::Exercise &exercise);

/// The link to `player` that carries `text`: "PLAYER#1." and the text packed with raw DEFLATE and
/// written in base64url, without padding.
QString PuzzleLink(const QString &player, const QByteArray &text);

/// Whether any explanation of the exercise has a picture, which its link leaves out.
bool HasPictures(const board::Exercise &exercise);

} // namespace web
