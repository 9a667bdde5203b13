// SPDX-FileCopyrightText: 2026 The acronym authors
// SPDX-License-Identifier: MIT

#include "content.h"

#include <cstddef>
#include <string>

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

const Exercise &BuiltInExercise()
{
    static const Exercise exercise{
        .rows = BuiltInPuzzle(),
        .answer = "хан Тервел",
        .title = "История - акроним",
        .caption = "История - съставяне на акроним",
        // Each paragraph is one literal written over several lines.
        // NOLINTBEGIN(bugprone-suspicious-missing-comma)
        .instructions =
            {"Акронимът е вид абревиатура, която е образувана само от началните букви и се чете "
             "слято като една дума, а не буква по буква.",
             "Да се състави проект, представящ междупредметни връзки История и Информатика.",
             "Тема на проекта: История - акроним.",
             "Целта на проекта е да се формира акроним - име на прабългарски хан, което е "
             "формирано от началните букви на различни личности, групи или предмети с историческо "
             "значение. Буквите в акронима могат да се повтарят, но не и думите от които са "
             "образувани. В две отделни списъчни полета с еднакъв брой редове да се запишат:",
             "названията, чиито първи букви формират търсения акроним;", "техните определения.",
             "Редовете във всяко от списъчните полета са азбучно подредени. При правилно посочване "
             "на съответен ред и от двете полета в трето списъчно поле да се изписва първата буква "
             "на търсения акроним, а посочените редове да се изтриват."},
        // NOLINTEND(bugprone-suspicious-missing-comma)
        .path = {},
        .pictures = {},
    };
    return exercise;
}

std::vector<std::string> PlayInstructions(std::size_t letters)
{
    return {"Избери дума и нейното пояснение и натисни «Избрах».",
            "Ако двете си отговарят, първата буква на думата застава на мястото си в третия "
            "списък, а двата реда изчезват. Ако не си отговарят, опитай отново.",
            "Така буква по буква се подрежда отговорът. Той има " + std::to_string(letters) +
                " букви."};
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
