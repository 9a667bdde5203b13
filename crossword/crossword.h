// SPDX-FileCopyrightText: 2026 The acronym authors
// SPDX-License-Identifier: MIT

#pragma once

#include "content.h"

#include <QString>
#include <QStringList>
#include <vector>

/// The second game of a puzzle: a crossword with a row for each letter of the answer, in the
/// answer's order. The learner writes each row's word from its explanation, a letter a box; the
/// first box of every row stands in one column, the key column, which spells the answer as the
/// rows are solved.
namespace crossword {

/// One character of a word as its row shows it: a box for a letter (with the marks that go on
/// it), or anything else (a blank, a hyphen, a digit) shown as it is.
struct Cell
{
    QString text;
    bool box = false;
};

/// A row of the crossword: its number (its letter's place in the answer, from 1), the word to
/// write and its explanation, the explanation's picture (an index into the exercise's pictures,
/// or -1), and the word's cells.
struct Row
{
    int number = 0;
    QString word;
    QString explanation;
    int picture = -1;
    std::vector<Cell> cells;

    /// The letters of the word's boxes, in order.
    QStringList letters() const;
    /// How many cells come before the first box: the key column's place in the row.
    int lead() const;
};

/// The cells of a word: in NFC, blanks at its ends left out.
std::vector<Cell> CellsOf(const QString &word);

/// The letters of typed text, one for each box that they fill: in NFC, anything but a letter left
/// out.
QStringList LettersOf(const QString &typed);

/// The crossword's rows, in the order of the answer's letters.
std::vector<Row> Rows(const board::Exercise &exercise);

/// The columns that the rows take with every first box in the key column: `lead` before it, as
/// many as the most that a row has before its first box, and `count` in all, at least one.
struct Columns
{
    int lead = 0;
    int count = 1;
};
Columns ColumnsOf(const std::vector<Row> &rows);

/// A game of the crossword: what the learner has written in each row, which rows are solved, and
/// the wrong tries. A row is checked whenever its boxes are all filled anew: case aside, a right
/// word solves it, a wrong one counts a wrong try and stays to be mended.
class Game
{
public:
    explicit Game(std::vector<Row> rows);

    enum class Verdict
    {
        None, // nothing to check: a box is empty, the row is solved, or nothing changed
        Wrong,
        Right
    };
    /// What a step came to, and what a screen reader says of it (empty for nothing).
    struct Outcome
    {
        Verdict verdict = Verdict::None;
        QString said;
    };

    /// The learner's text in `row`'s field, as typed: its letters fill the boxes from the first.
    Outcome type(int row, const QString &typed);
    /// Writes the row's first missing or wrong letter, at the cost of a wrong try.
    Outcome hint(int row);
    /// Starts anew with the rows of these numbers solved, for a game that comes back where it was
    /// left.
    void resume(const std::vector<int> &numbers, int wrongTries);

    const std::vector<Row> &rows() const { return m_rows; }
    /// What is written in `row`'s boxes: a letter or an empty text for each.
    const QStringList &entered(int row) const { return m_entered[index(row)]; }
    bool solved(int row) const { return m_solved[index(row)]; }
    /// The key column: for each row, its first letter once solved, or an empty text.
    QStringList keyColumn() const;
    /// The numbers of the solved rows, in order.
    std::vector<int> solvedNumbers() const;
    int wrongTries() const { return m_wrongTries; }
    bool finished() const;

private:
    std::size_t index(int row) const;
    Outcome check(int row);

    std::vector<Row> m_rows;
    std::vector<QStringList> m_entered;
    std::vector<QStringList> m_checked; // what was last checked in each row
    std::vector<bool> m_solved;
    int m_wrongTries = 0;
};

} // namespace crossword
