// SPDX-FileCopyrightText: 2026 The acronym authors
// SPDX-License-Identifier: MIT

#include "content.h"

#include <cstddef>

namespace board {

const MasterRows &BuiltInPuzzle()
{
    // "Евридика " keeps its trailing blank, and "Меналай" is spelt as authored.
    static const MasterRows rows{
        .words = {"Аспарух", "византийци", "Евридика ", "Елена", "Лакедемон", "нобили", "рицар",
                  "таран", "хазари"},
        .explanations = {"български владетел, основател на Дунавска България",
                         "гръкоезичните поданици на Римската империя", "древна стенобойна машина",
                         "другото име на Спарта", "любимата на Орфей",
                         "полуномадска народност, севернокавказки произход",
                         "римски родове, които са имали поне един консул",
                         "съпруга на Меналай, причина за Троянската война",
                         "тежковъоръжен конник, благородническа титла"},
        .wordKeys = {"1", "6", "4", "7", "8", "2", "5", "3", "0"},
        .explanationKeys = {"1", "6", "3", "8", "4", "0", "2", "7", "5"},
    };
    return rows;
}

void FillMasters(const Board &board, const MasterRows &rows)
{
    const std::vector<std::string> *columns[] = {&rows.words, &rows.explanations, &rows.wordKeys,
                                                 &rows.explanationKeys};
    for (std::size_t index = 0; index < 4; ++index) {
        for (const std::string &text : *columns[index]) {
            board.List2(static_cast<int>(index)).AddItem(text);
        }
    }
}

} // namespace board
