// SPDX-FileCopyrightText: 2026 The acronym authors
// SPDX-License-Identifier: MIT

#pragma once

#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

// The board's operations keep the list box names the program's design gives them (Clear, AddItem,
// List, RemoveItem, ListIndex, ListCount), against the camelCase used elsewhere.

namespace board {

/// The board's own run-time error: a column operation given a position that is not in its column,
/// or a key that cannot be read as a number. A failing operation leaves its column unchanged.
class BoardError : public std::runtime_error
{
public:
    using std::runtime_error::runtime_error;
};

/// An ordered list of UTF-8 text rows with at most one selected row. Rows keep the order in which
/// they were added; a column never sorts itself. Positions count from 0.
class ListColumn
{
public:
    virtual ~ListColumn() = default;

    /// Removes every row; afterwards no row is selected.
    virtual void Clear() = 0;
    /// Appends a new last row. The selection stays as it was.
    virtual void AddItem(const std::string &text) = 0;
    /// The text of the row at `position`.
    virtual std::string List(int position) const = 0;
    /// Replaces the text of the row at `position`; row count and selection stay as they were.
    virtual void List(int position, const std::string &text) = 0;
    /// Removes the row at `position`; the rows after it move up by one. A selected row that moves
    /// stays selected; removing the selected row leaves no selection.
    virtual void RemoveItem(int position) = 0;
    /// The selected row, or -1 when none is.
    virtual int ListIndex() const = 0;
    /// Selects the row at `position`, or nothing when `position` is -1.
    virtual void ListIndex(int position) = 0;
    /// The number of rows.
    virtual int ListCount() const = 0;

protected:
    ListColumn() = default;
    ListColumn(const ListColumn &) = default;
    ListColumn &operator=(const ListColumn &) = default;

    /// Throws BoardError unless 0 <= position < ListCount().
    void checkRow(std::string_view operation, int position) const;
    /// Throws BoardError unless position is -1 or a row.
    void checkSelection(int position) const;
    /// The selection after the row at `removed` goes: -1 if it was that row, one up if below it.
    static int keptSelection(int selected, int removed);
};

/// A column held in memory, for the columns that are never shown and for tests.
class MemoryColumn final : public ListColumn
{
public:
    void Clear() override;
    void AddItem(const std::string &text) override;
    std::string List(int position) const override;
    void List(int position, const std::string &text) override;
    void RemoveItem(int position) override;
    int ListIndex() const override;
    void ListIndex(int position) override;
    int ListCount() const override;

private:
    std::vector<std::string> m_rows;
    int m_selected = -1; // -1 <= m_selected < ListCount()
};

} // namespace board
