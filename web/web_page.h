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

/// Writes WebPage(exercise) as UTF-8 to `path`, whole or not at all. Returns what went wrong, or an
/// empty string.
QString WriteWebPage(const board::Exercise &exercise, const QString &path);

} // namespace web
