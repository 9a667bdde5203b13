// SPDX-FileCopyrightText: 2026 The acronym authors
// SPDX-License-Identifier: MIT

#include "board.h"

#include <charconv>
#include <cstddef>

namespace board {

Board::Board(Group list1, Group list2, ListColumn &list3)
    : m_list1(list1), m_list2(list2), m_list3(list3)
{}

ListColumn &Board::List1(int index) const
{
    return m_list1.at(static_cast<std::size_t>(index));
}

ListColumn &Board::List2(int index) const
{
    return m_list2.at(static_cast<std::size_t>(index));
}

ListColumn &Board::List3() const
{
    return m_list3;
}

Board MemoryBoard::board()
{
    return Board({list1[0], list1[1], list1[2], list1[3]}, {list2[0], list2[1], list2[2], list2[3]},
                 list3);
}

void ResetBoard(const Board &board)
{
    for (int column = 0; column < 4; ++column) {
        board.List1(column).Clear();
    }
    board.List3().Clear();

    // One count governs every column, so row p of each working column is made in the same pass.
    const int count = board.List2(0).ListCount();
    for (int p = 0; p < count; ++p) {
        board.List1(0).AddItem(board.List2(0).List(p));
        board.List1(1).AddItem(board.List2(1).List(p));
        board.List3().AddItem(" ");
        board.List1(2).AddItem(board.List2(2).List(p));
        board.List1(3).AddItem(board.List2(3).List(p));
    }
}

Choice CheckChoice(const Board &board)
{
    const int word = board.List1(0).ListIndex();
    const int explanation = board.List1(1).ListIndex();
    if (word < 0 || explanation < 0) {
        return {};
    }

    Choice choice;
    choice.outcome = Choice::Outcome::Wrong;
    choice.word = board.List1(0).List(word);
    const int wordKey = KeyValue(board.List1(2).List(word));
    const int explanationKey = KeyValue(board.List1(3).List(explanation));
    if (wordKey == explanationKey) {
        choice.outcome = Choice::Outcome::Right;
        choice.slot = wordKey;
        choice.letter = FirstCharacter(choice.word);
        board.List3().List(wordKey, choice.letter);
        board.List1(0).RemoveItem(word);
        board.List1(1).RemoveItem(explanation);
        board.List1(2).RemoveItem(word);
        board.List1(3).RemoveItem(explanation);
    }
    board.List1(0).ListIndex(-1);
    board.List1(1).ListIndex(-1);
    return choice;
}

int KeyValue(std::string_view text)
{
    const auto start = text.find_first_not_of(" \t");
    if (start == std::string_view::npos) {
        return 0;
    }
    const std::string_view rest = text.substr(start);
    // Only digits make a numeral; a sign does not.
    if (rest.front() < '0' || rest.front() > '9') {
        return 0;
    }
    int value = 0;
    const auto result = std::from_chars(rest.data(), rest.data() + rest.size(), value);
    if (result.ec == std::errc::result_out_of_range) {
        throw BoardError("key \"" + std::string(text) + "\" is too large for a number");
    }
    return value;
}

std::string FirstCharacter(std::string_view text)
{
    if (text.empty()) {
        return {};
    }
    const auto lead = static_cast<unsigned char>(text.front());
    std::size_t length = 1;
    if ((lead & 0xE0U) == 0xC0U) {
        length = 2;
    } else if ((lead & 0xF0U) == 0xE0U) {
        length = 3;
    } else if ((lead & 0xF8U) == 0xF0U) {
        length = 4;
    }
    return std::string(text.substr(0, length));
}

} // namespace board
