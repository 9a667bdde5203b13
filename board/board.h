// SPDX-FileCopyrightText: 2026 The acronym authors
// SPDX-License-Identifier: MIT

#pragma once

#include "list_column.h"

#include <array>
#include <functional>
#include <string>
#include <string_view>

namespace board {

/// The nine columns of the puzzle, owned elsewhere (by the window, or by a MemoryBoard):
///   List1(0) working words            List2(0) master words
///   List1(1) working explanations     List2(1) master explanations
///   List1(2) working word keys        List2(2) master word keys
///   List1(3) working explanation keys List2(3) master explanation keys
///   List3    acronym slots: row k holds the letter for position k, or a single blank
/// Row i of a key column is the key of row i of its column; a key is the position of the word's
/// first letter in the acronym. The masters are filled once and never change afterwards.
class Board
{
public:
    using Group = std::array<std::reference_wrapper<ListColumn>, 4>;

    Board(Group list1, Group list2, ListColumn &list3);

    /// Working column `index` (0 to 3).
    ListColumn &List1(int index) const;
    /// Master column `index` (0 to 3).
    ListColumn &List2(int index) const;
    ListColumn &List3() const;

private:
    Group m_list1;
    Group m_list2;
    std::reference_wrapper<ListColumn> m_list3;
};

/// Nine columns in memory, for the board without a window.
struct MemoryBoard
{
    std::array<MemoryColumn, 4> list1;
    std::array<MemoryColumn, 4> list2;
    MemoryColumn list3;

    Board board();
};

/// Puts the puzzle in its starting position: the working columns become copies of the masters,
/// row by row, and List3 holds one blank for each master word. Nothing is selected afterwards.
void ResetBoard(const Board &board);

/// What one judgement came to, for the window to tell the learner.
struct Choice
{
    enum class Outcome
    {
        NoChoice,
        Wrong,
        Right
    };
    Outcome outcome = Outcome::NoChoice;
    /// The selected word, unless nothing was judged.
    std::string word;
    /// For a right pair: the slot that got the word's first character, and that character.
    int slot = -1;
    std::string letter;
};

/// Judges the selected word against the selected explanation. When their keys are equal, the word's
/// first character goes into the List3 slot named by the key and both rows leave the board with
/// their keys. When both lists had a selection, both are cleared; otherwise nothing changes.
Choice CheckChoice(const Board &board);

/// A key read as a number: leading blanks skipped, then the decimal numeral at the start; 0 when
/// the text does not start with one. Throws BoardError when the numeral does not fit an int.
int KeyValue(std::string_view text);

/// The first Unicode character of UTF-8 text (a whole sequence); empty for empty text.
std::string FirstCharacter(std::string_view text);

} // namespace board
