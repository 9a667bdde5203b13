// SPDX-FileCopyrightText: 2026 The acronym authors
// SPDX-License-Identifier: MIT

#include "list_column.h"

#include <string>

namespace board {

namespace {

std::string rowCount(int count)
{
    return std::to_string(count) + (count == 1 ? " row" : " rows");
}

} // namespace

void ListColumn::checkRow(std::string_view operation, int position) const
{
    const int count = ListCount();
    if (position < 0 || position >= count) {
        throw BoardError(std::string(operation) + ": position " + std::to_string(position) +
                         " is outside the column of " + rowCount(count));
    }
}

void ListColumn::checkSelection(int position) const
{
    const int count = ListCount();
    if (position < -1 || position >= count) {
        throw BoardError("ListIndex: position " + std::to_string(position) +
                         " is neither -1 nor a row of the column of " + rowCount(count));
    }
}

int ListColumn::keptSelection(int selected, int removed)
{
    if (selected == removed) {
        return -1;
    }
    return selected > removed ? selected - 1 : selected;
}

void MemoryColumn::Clear()
{
    m_rows.clear();
    m_selected = -1;
}

void MemoryColumn::AddItem(const std::string &text)
{
    m_rows.push_back(text);
}

std::string MemoryColumn::List(int position) const
{
    checkRow("List", position);
    return m_rows[static_cast<std::size_t>(position)];
}

void MemoryColumn::List(int position, const std::string &text)
{
    checkRow("List", position);
    m_rows[static_cast<std::size_t>(position)] = text;
}

void MemoryColumn::RemoveItem(int position)
{
    checkRow("RemoveItem", position);
    m_rows.erase(m_rows.begin() + position);
    m_selected = keptSelection(m_selected, position);
}

int MemoryColumn::ListIndex() const
{
    return m_selected;
}

void MemoryColumn::ListIndex(int position)
{
    checkSelection(position);
    m_selected = position;
}

int MemoryColumn::ListCount() const
{
    return static_cast<int>(m_rows.size());
}

} // namespace board
