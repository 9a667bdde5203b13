// SPDX-FileCopyrightText: 2026 The acronym authors
// SPDX-License-Identifier: MIT

#include "invariants.h"

#include <cstddef>
#include <set>

namespace board::checks {

namespace {

// Checks that `shown` with `keys` beside it is `master` with `masterKeys` less some rows, in
// order. Adds the keys of the rows that are gone to `gone`.
std::string checkWorking(const std::string &what, const std::vector<std::string> &shown,
                         const std::vector<std::string> &keys,
                         const std::vector<std::string> &master,
                         const std::vector<std::string> &masterKeys, std::multiset<int> &gone)
{
    if (shown.size() != keys.size()) {
        return what + ": " + std::to_string(shown.size()) + " rows but " +
               std::to_string(keys.size()) + " keys";
    }
    std::size_t row = 0;
    for (std::size_t m = 0; m < master.size(); ++m) {
        if (row < shown.size() && shown[row] == master[m]) {
            if (keys[row] != masterKeys[m]) {
                return what + ": row " + std::to_string(row) + " \"" + shown[row] + "\" has key " +
                       keys[row] + " instead of " + masterKeys[m];
            }
            ++row;
        } else {
            gone.insert(KeyValue(masterKeys[m]));
        }
    }
    if (row != shown.size()) {
        return what + ": row " + std::to_string(row) + " \"" + shown[row] +
               "\" is not a master row in its order";
    }
    return {};
}

std::string slotFault(int key, const std::string &slot, const std::string &wanted)
{
    return "slot " + std::to_string(key) + " holds \"" + slot + "\" instead of \"" + wanted + "\"";
}

} // namespace

std::vector<std::string> Rows(const ListColumn &column)
{
    std::vector<std::string> rows;
    rows.reserve(static_cast<std::size_t>(column.ListCount()));
    for (int row = 0; row < column.ListCount(); ++row) {
        rows.push_back(column.List(row));
    }
    return rows;
}

int RowOf(const ListColumn &column, const std::string &text)
{
    for (int row = 0; row < column.ListCount(); ++row) {
        if (column.List(row) == text) {
            return row;
        }
    }
    return -1;
}

std::string BrokenRule(const Board &board, const MasterRows &masters)
{
    const std::vector<std::string> *expected[] = {&masters.words, &masters.explanations,
                                                  &masters.wordKeys, &masters.explanationKeys};
    for (int column = 0; column < 4; ++column) {
        if (Rows(board.List2(column)) != *expected[column]) {
            return "master column " + std::to_string(column) + " has changed";
        }
    }

    std::multiset<int> wordsGone;
    std::multiset<int> explanationsGone;
    std::string wordFault = checkWorking("words", Rows(board.List1(0)), Rows(board.List1(2)),
                                         masters.words, masters.wordKeys, wordsGone);
    if (!wordFault.empty()) {
        return wordFault;
    }
    std::string explanationFault =
        checkWorking("explanations", Rows(board.List1(1)), Rows(board.List1(3)),
                     masters.explanations, masters.explanationKeys, explanationsGone);
    if (!explanationFault.empty()) {
        return explanationFault;
    }
    if (wordsGone != explanationsGone) {
        return "the words gone and the explanations gone do not have the same keys";
    }

    const std::vector<std::string> slots = Rows(board.List3());
    if (slots.size() != masters.words.size()) {
        return "List3 has " + std::to_string(slots.size()) + " slots for " +
               std::to_string(masters.words.size()) + " words";
    }
    for (std::size_t m = 0; m < masters.words.size(); ++m) {
        const int key = KeyValue(masters.wordKeys[m]);
        const std::string &slot = slots.at(static_cast<std::size_t>(key));
        const std::string wanted =
            wordsGone.contains(key) ? FirstCharacter(masters.words[m]) : std::string(" ");
        if (slot != wanted) {
            return slotFault(key, slot, wanted);
        }
    }
    return {};
}

} // namespace board::checks
