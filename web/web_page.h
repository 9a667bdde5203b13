// SPDX-FileCopyrightText: 2026 The acronym authors
// SPDX-License-Identifier: MIT

#pragma once

#include "content.h"

#include <QString>

namespace web {

/// The exercise as one self-contained HTML5 page that plays it in a browser by the window's rules
/// and in its words: the title, the instructions (the exercise's own, or how to play), the words
/// and the explanations in the window's orders, and one slot per letter. The page loads nothing
/// from anywhere: its Content-Security-Policy allows only its own style and script, by hash. The
/// teacher's texts travel as JSON data and are shown as text, never read as markup.
QString WebPage(const board::Exercise &exercise);

/// The puzzle editor as one self-contained page, under the game page's rules: it reads and writes
/// the program's puzzle files, and writes the very page that WebPage writes for the same puzzle.
/// It plays the puzzle being made and prints its worksheet and answer key, and gives its link and
/// QR code: to `player`, or, served over HTTP, to the player's page beside it. It keeps what is
/// being made in the browser's storage and sends nothing anywhere.
QString EditorPage(const QString &player);

/// The player's page: the game's page, which plays the puzzle that a link carries after its '#'
/// (PuzzleLink), read by the reader's rules in the page; without one, it plays `builtIn`'s. A
/// link that cannot be played is said, and nothing else is shown. It loads nothing, as the game's
/// page does.
QString PlayerPage(const board::Exercise &builtIn);

/// Writes WebPage(exercise) as UTF-8 to `path`, whole or not at all. Returns what went wrong, or an
/// empty string.
QString WriteWebPage(const board::Exercise &exercise, const QString &path);
/// The same for EditorPage(player).
QString WriteEditorPage(const QString &player, const QString &path);
/// The same for PlayerPage(builtIn).
QString WritePlayerPage(const board::Exercise &builtIn, const QString &path);

} // namespace web
