// SPDX-FileCopyrightText: 2026 The acronym authors
// SPDX-License-Identifier: MIT

#pragma once

#include "board.h"
#include "content.h"

#include <string>
#include <vector>

namespace board::checks {

/// The rows of a column, top to bottom.
std::vector<std::string> Rows(const ListColumn &column);

/// The first row of `column` that reads `text`, or -1 when none does.
int RowOf(const ListColumn &column, const std::string &text);

/// What is wrong with a board that was reset from `masters` and then played, in one sentence; empty
/// when every rule holds: the masters unchanged; each key column as long as its column; the working
/// rows the masters' rows in their order, each with its own key, less the matched ones; List3 one
/// slot a master word; a slot filled exactly when its word has left, with that word's first
/// character; and the words gone matched by the explanations gone, key for key.
std::string BrokenRule(const Board &board, const MasterRows &masters);

} // namespace board::checks
