// SPDX-FileCopyrightText: 2026 The acronym authors
// SPDX-License-Identifier: MIT

#include "list_box.h"

#include <QItemSelectionModel>

ListBox::ListBox(QWidget *parent) : QListWidget(parent)
{
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSortingEnabled(false);
    // A row wider than the list is scrolled to, never cut short.
    setTextElideMode(Qt::ElideNone);
}

void ListBox::Clear()
{
    clear();
}

void ListBox::AddItem(const std::string &text)
{
    const QString shown = QString::fromStdString(text);
    auto *item = new QListWidgetItem(shown);
    if (const auto icon = m_icons.find(shown); icon != m_icons.end()) {
        item->setIcon(*icon);
    }
    addItem(item);
}

std::string ListBox::List(int position) const
{
    checkRow("List", position);
    return item(position)->text().toStdString();
}

void ListBox::List(int position, const std::string &text)
{
    checkRow("List", position);
    const QString shown = QString::fromStdString(text);
    item(position)->setText(shown);
    item(position)->setIcon(m_icons.value(shown));
}

void ListBox::RemoveItem(int position)
{
    checkRow("RemoveItem", position);
    const int selected = ListIndex();
    delete takeItem(position);
    // A single-selection view selects the next row when its current row goes; a column does not.
    const int kept = keptSelection(selected, position);
    if (ListIndex() != kept) {
        ListIndex(kept);
    }
}

int ListBox::ListIndex() const
{
    const QModelIndexList selected = selectionModel()->selectedIndexes();
    return selected.isEmpty() ? -1 : selected.first().row();
}

void ListBox::ListIndex(int position)
{
    checkSelection(position);
    setCurrentRow(position);
}

int ListBox::ListCount() const
{
    return count();
}
