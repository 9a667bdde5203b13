// SPDX-FileCopyrightText: 2026 The acronym authors
// SPDX-License-Identifier: MIT

// libFuzzer target: every byte is one move on the built-in puzzle, and the board's rules must hold
// after each. The low two bits choose the move, the other six its argument:
//   0  select word row (argument mod (rows + 1)) - 1, so -1 deselects
//   1  the same for the explanations
//   2  press "Избрах"
//   3  argument below 8: press "Чисти"; otherwise select a word and its own explanation
// The whole input is also read as a key and as text whose first character is taken.

#include "board.h"
#include "content.h"
#include "invariants.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

namespace {

[[noreturn]] void fail(const std::string &what)
{
    std::fprintf(stderr, "%s\n", what.c_str());
    std::abort();
}

int pick(int argument, int rows)
{
    return argument % (rows + 1) - 1;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char *>(data), size);
    try {
        (void)board::KeyValue(text);
    } catch (const board::BoardError &) {
        // A numeral too large for an int is refused, as it should be.
    }
    const std::string first = board::FirstCharacter(text);
    if (first.size() > 4 || text.substr(0, first.size()) != first ||
        first.empty() != text.empty()) {
        fail("FirstCharacter took \"" + first + "\"");
    }

    board::MemoryBoard columns;
    const board::Board game = columns.board();
    const board::MasterRows &masters = board::BuiltInPuzzle();
    board::FillMasters(game, masters);
    board::ResetBoard(game);

    for (std::size_t index = 0; index < size; ++index) {
        const int move = data[index] & 3;
        const int argument = data[index] >> 2;
        const int words = game.List1(0).ListCount();
        if (move == 0) {
            game.List1(0).ListIndex(pick(argument, words));
        } else if (move == 1) {
            game.List1(1).ListIndex(pick(argument, game.List1(1).ListCount()));
        } else if (move == 2) {
            board::CheckChoice(game);
        } else if (argument < 8) {
            board::ResetBoard(game);
        } else if (words > 0) {
            const int word = argument % words;
            game.List1(0).ListIndex(word);
            game.List1(1).ListIndex(board::checks::RowOf(game.List1(3), game.List1(2).List(word)));
        }
        const std::string broken = board::checks::BrokenRule(game, masters);
        if (!broken.empty()) {
            fail("move " + std::to_string(index) + ": " + broken);
        }
    }
    return 0;
}
