// SPDX-FileCopyrightText: 2026 The acronym authors
// SPDX-License-Identifier: MIT

#pragma once

#include "command_line.h"
#include "content.h"

#include <QStringList>
#include <optional>

/// What the program does without a window: it checks puzzle files and writes the exercise.
namespace app {

/// Reports on each file: its answer, pairs and encoding, or why it cannot be played. With several
/// files, each report starts with the file's name. The exit status: `puzzleError` when any file
/// cannot be played.
int CheckPuzzles(const QStringList &paths);

/// Prints the table of the result lines in the files' text, and writes it as CSV into `csv` when
/// it is given; nothing is written when a file cannot be read. The exit status: `puzzleError`
/// then.
int ShowResults(const QStringList &paths, const std::optional<QString> &csv);

/// Writes the worksheet, the answer key, the web pages and the package that `request` asks for;
/// returns the exit status.
int WriteFiles(const board::Exercise &exercise, const Request &request);

} // namespace app
