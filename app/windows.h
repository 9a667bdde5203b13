// SPDX-FileCopyrightText: 2026 The acronym authors
// SPDX-License-Identifier: MIT

#pragma once

#include "content.h"

#include <QString>
#include <optional>

/// The program's windows: the game and the puzzle editor, wired to each other.
namespace app {

/// Shows the game window with `exercise` and runs it until it closes, or renders it into
/// `screenshot` when one is given; returns the exit status.
int RunGame(const board::Exercise &exercise, const std::optional<QString> &screenshot);

/// Opens the editor with a new puzzle, or with `file`'s when one is given, and runs it, or renders
/// it into `screenshot`; returns the exit status.
int RunEditor(const std::optional<QString> &file, const std::optional<QString> &screenshot);

} // namespace app
