// SPDX-FileCopyrightText: 2026 The acronym authors
// SPDX-License-Identifier: MIT

#include "crossword.h"

#include "board.h"

#include <algorithm>
#include <stdexcept>

namespace crossword {

namespace {

bool isMark(QChar::Category category)
{
    return category == QChar::Mark_NonSpacing || category == QChar::Mark_SpacingCombining ||
           category == QChar::Mark_Enclosing;
}

// The text as characters, each a letter or another character with the marks that follow it.
std::vector<Cell> clusters(const QString &text)
{
    std::vector<Cell> cells;
    for (const char32_t character : text.normalized(QString::NormalizationForm_C).toUcs4()) {
        const QString written = QString::fromUcs4(&character, 1);
        if (isMark(QChar::category(character)) && !cells.empty()) {
            cells.back().text += written;
        } else {
            cells.push_back({written, QChar::isLetter(character)});
        }
    }
    return cells;
}

// The letters of the cells that are boxes.
QStringList boxed(const std::vector<Cell> &cells)
{
    QStringList letters;
    for (const Cell &cell : cells) {
        if (cell.box) {
            letters << cell.text;
        }
    }
    return letters;
}

} // namespace

QStringList Row::letters() const
{
    return boxed(cells);
}

int Row::lead() const
{
    const auto first =
        std::find_if(cells.begin(), cells.end(), [](const Cell &cell) { return cell.box; });
    return static_cast<int>(first - cells.begin());
}

std::vector<Cell> CellsOf(const QString &word)
{
    return clusters(word.trimmed());
}

QStringList LettersOf(const QString &typed)
{
    return boxed(clusters(typed));
}

std::vector<Row> Rows(const board::Exercise &exercise)
{
    const board::MasterRows &rows = exercise.rows;
    std::vector<Row> crossword;
    for (std::size_t word = 0; word < rows.words.size(); ++word) {
        const int key = board::KeyValue(rows.wordKeys[word]);
        Row row{key + 1,
                QString::fromStdString(rows.words[word]),
                {},
                -1,
                CellsOf(QString::fromStdString(rows.words[word]))};
        for (std::size_t explanation = 0; explanation < rows.explanations.size(); ++explanation) {
            if (board::KeyValue(rows.explanationKeys[explanation]) == key) {
                row.explanation = QString::fromStdString(rows.explanations[explanation]);
                if (explanation < exercise.pictures.size() &&
                    !exercise.pictures[explanation].bytes.empty()) {
                    row.picture = static_cast<int>(explanation);
                }
            }
        }
        crossword.push_back(row);
    }
    std::sort(crossword.begin(), crossword.end(),
              [](const Row &one, const Row &other) { return one.number < other.number; });
    return crossword;
}

Columns ColumnsOf(const std::vector<Row> &rows)
{
    int lead = 0;
    int tail = 1;
    for (const Row &row : rows) {
        lead = std::max(lead, row.lead());
        tail = std::max(tail, static_cast<int>(row.cells.size()) - row.lead());
    }
    return {lead, lead + tail};
}

Game::Game(std::vector<Row> rows) : m_rows(std::move(rows))
{
    for (const Row &row : m_rows) {
        const auto boxes = row.letters().size();
        m_entered.emplace_back(boxes, QString());
        m_checked.push_back(m_entered.back());
        // A word without a letter has nothing to write: it stands solved.
        m_solved.push_back(boxes == 0);
    }
}

std::size_t Game::index(int row) const
{
    if (row < 0 || static_cast<std::size_t>(row) >= m_rows.size()) {
        throw std::out_of_range("no such row of the crossword");
    }
    return static_cast<std::size_t>(row);
}

Game::Outcome Game::type(int row, const QString &typed)
{
    if (solved(row)) {
        return {};
    }
    QStringList letters = LettersOf(typed);
    letters.resize(m_rows[index(row)].letters().size());
    m_entered[index(row)] = letters;
    return check(row);
}

Game::Outcome Game::hint(int row)
{
    const QStringList letters = m_rows[index(row)].letters();
    QStringList &entered = m_entered[index(row)];
    qsizetype box = 0;
    while (box < letters.size() && entered[box].toLower() == letters[box].toLower()) {
        ++box;
    }
    if (solved(row) || box == letters.size()) {
        return {};
    }
    ++m_wrongTries;
    entered[box] = letters[box];
    Outcome checked = check(row);
    if (checked.verdict != Verdict::None) {
        return checked;
    }
    return {Verdict::None, QStringLiteral("Ред %1: буква %2 е «%3».")
                               .arg(m_rows[index(row)].number)
                               .arg(box + 1)
                               .arg(letters[box])};
}

Game::Outcome Game::check(int row)
{
    const QStringList &entered = m_entered[index(row)];
    if (entered.contains(QString()) || entered == m_checked[index(row)]) {
        return {};
    }
    m_checked[index(row)] = entered;
    const Row &shown = m_rows[index(row)];
    const QStringList letters = shown.letters();
    for (qsizetype box = 0; box < letters.size(); ++box) {
        if (entered[box].toLower() != letters[box].toLower()) {
            ++m_wrongTries;
            return {Verdict::Wrong, QStringLiteral("Ред %1: думата не е вярна.").arg(shown.number)};
        }
    }
    // A solved row shows its word as it is written.
    m_entered[index(row)] = letters;
    m_solved[index(row)] = true;
    return {Verdict::Right, QStringLiteral("%1: буква %2, %3 от %4")
                                .arg(shown.word.trimmed(), letters.first())
                                .arg(shown.number)
                                .arg(m_rows.size())};
}

void Game::resume(const std::vector<int> &numbers, int wrongTries)
{
    *this = Game(m_rows);
    for (std::size_t row = 0; row < m_rows.size(); ++row) {
        if (std::find(numbers.begin(), numbers.end(), m_rows[row].number) != numbers.end()) {
            m_entered[row] = m_rows[row].letters();
            m_checked[row] = m_entered[row];
            m_solved[row] = true;
        }
    }
    m_wrongTries = wrongTries;
}

QStringList Game::keyColumn() const
{
    QStringList column;
    for (std::size_t row = 0; row < m_rows.size(); ++row) {
        const QStringList letters = m_rows[row].letters();
        column << (m_solved[row] && !letters.isEmpty() ? letters.first() : QString());
    }
    return column;
}

std::vector<int> Game::solvedNumbers() const
{
    std::vector<int> numbers;
    for (std::size_t row = 0; row < m_rows.size(); ++row) {
        if (m_solved[row]) {
            numbers.push_back(m_rows[row].number);
        }
    }
    return numbers;
}

bool Game::finished() const
{
    return std::all_of(m_solved.begin(), m_solved.end(), [](bool solved) { return solved; });
}

} // namespace crossword
