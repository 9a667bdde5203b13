// SPDX-FileCopyrightText: 2026 The acronym authors
// SPDX-License-Identifier: MIT

#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <vector>

/// Results that travel as lines of text: the line that a learner sends at the end of a game, and
/// the table that a teacher makes of the lines that came.
namespace results {

/// One finished game, as its line tells it.
struct Result
{
    QString name;   // the learner's, with the class: "Иван Петров, 5 б"
    QString puzzle; // the puzzle's title
    int pairs = 0;  // made
    int total = 0;  // pairs in all
    int wrongTries = 0;
    int seconds = 0;        // the game's length
    QString when;           // "09.12.2026 10:42", local time
    QString id;             // the puzzle's package identifier: "acronym-84f771fa"
    bool crossword = false; // played as the crossword, not as the matching game
};

/// The score that a learning platform records: 100 × pairs ÷ (pairs + wrong tries), rounded.
int Score(int pairs, int wrongTries);

/// The result as one line, ending in the check code of everything before it:
/// "Резултат: Иван Петров, 5 б | История - акроним | 9 от 9, 1 грешка | 90 от 100 | 4:12 |
/// 09.12.2026 10:42 | acronym-84f771fa | 7KQ2-M9XA"; the crossword's counts begin with
/// "кръстословица: ". A "|" in a name or a title becomes "/", and blanks of any kind are one space.
QString ResultLine(const Result &result);

/// A row of the teacher's table: a learner's best checking line for one puzzle, with the number
/// of checking lines sent for it, or a line that does not check, on a row of its own.
struct Row
{
    QString name;
    QString puzzle;
    QString game;  // "Свържи" or "Кръстословица"
    QString pairs; // "9 от 9"
    QString wrongTries;
    QString score;
    QString time; // "4:12"
    QString when;
    QString id; // the puzzle's package identifier
    int tries = 1;
    bool checks = true;
    bool titleShared = false; // another puzzle of the table has the same title

    bool operator==(const Row &) const = default;
};

/// The teacher's table: its rows, and how many lines that begin with "Резултат:" could not be
/// read, so that no learner's line is passed over in silence.
struct Table
{
    std::vector<Row> rows;
    int unreadable = 0;
};

/// The result lines found in pasted text: a chat, a mail, a file. Other text is passed over, and
/// so is what follows a line's check code. One text line may hold several results. A line that a
/// messenger or a mail broke is joined to the lines after it where a joining checks (a mail's
/// quoting, or a chat's time and sender at the start of a continuation, left out), or else
/// where only one joining reads. Rows are in Bulgarian alphabetical order of the names, then of
/// the puzzles.
Table ResultTable(const QString &pasted);

/// The table's heading and rows as texts, as the table shows them: a puzzle's identifier after
/// its title where another puzzle has the same title.
QStringList Heading();
QStringList CellsOf(const Row &row);

/// What the table says of the lines that it could not read; empty when it read them all.
QString UnreadableNote(int unreadable);

/// The table as a spreadsheet set to Bulgarian reads it: UTF-8 with a byte-order mark, ";"
/// between fields, CR LF after each row; every puzzle's identifier in a column of its own, and
/// times as hours, minutes and seconds ("0:04:12"). A cell that a spreadsheet would take for a
/// formula starts with "'".
QByteArray ResultCsv(const std::vector<Row> &rows);

} // namespace results
