// SPDX-FileCopyrightText: 2026 The acronym authors
// SPDX-License-Identifier: MIT

// libFuzzer target: any bytes as a puzzle file. The reader either refuses them with a PuzzleError
// or returns a puzzle that plays: every word matched with its own explanation, under the board's
// rules, fills the acronym with the words' first letters in the file's order. Its seeds in
// seeds/puzzle_fuzz/ hold pictures, whole and cut, so that picture lines and the image readers
// behind them are fuzzed too.

#include "board.h"
#include "invariants.h"
#include "puzzle_file.h"

#include <QByteArrayView>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

[[noreturn]] void fail(const std::string &what)
{
    std::fprintf(stderr, "%s\n", what.c_str());
    std::abort();
}

// The row that reads `text`; there must be one.
int rowOf(const board::ListColumn &column, const std::string &text)
{
    const int row = board::checks::RowOf(column, text);
    if (row < 0) {
        fail("no row \"" + text + "\"");
    }
    return row;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    puzzle::Puzzle read;
    try {
        read = puzzle::ParsePuzzle(
            QByteArrayView(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size)),
            QStringLiteral("fuzz"));
    } catch (const puzzle::PuzzleError &) {
        return 0;
    }
    const board::MasterRows &rows = read.exercise.rows;
    const std::size_t pairs = rows.words.size();
    if (pairs < puzzle::minPairs || pairs > puzzle::maxPairs || rows.explanations.size() != pairs ||
        rows.wordKeys.size() != pairs || rows.explanationKeys.size() != pairs) {
        fail("a puzzle of " + std::to_string(pairs) + " pairs");
    }
    if (!read.exercise.pictures.empty() && read.exercise.pictures.size() != pairs) {
        fail(std::to_string(read.exercise.pictures.size()) + " pictures beside " +
             std::to_string(pairs) + " explanations");
    }
    for (const board::Picture &picture : read.exercise.pictures) {
        if (picture.bytes.empty() != picture.type.empty()) {
            fail("a picture of type \"" + picture.type + "\" with " +
                 std::to_string(picture.bytes.size()) + " bytes");
        }
    }

    board::MemoryBoard columns;
    const board::Board game = columns.board();
    board::FillMasters(game, rows);
    board::ResetBoard(game);
    std::vector<std::string> letters(pairs);
    for (std::size_t word = 0; word < pairs; ++word) {
        const std::string &key = rows.wordKeys[word];
        letters.at(static_cast<std::size_t>(board::KeyValue(key))) =
            board::FirstCharacter(rows.words[word]);
        game.List1(0).ListIndex(rowOf(game.List1(0), rows.words[word]));
        game.List1(1).ListIndex(rowOf(game.List1(3), key));
        board::CheckChoice(game);
        const std::string broken = board::checks::BrokenRule(game, rows);
        if (!broken.empty()) {
            fail(broken);
        }
    }
    if (game.List1(0).ListCount() != 0 || board::checks::Rows(game.List3()) != letters) {
        fail("the game did not end with the words' first letters");
    }
    return 0;
}
