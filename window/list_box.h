// SPDX-FileCopyrightText: 2026 The acronym authors
// SPDX-License-Identifier: MIT

#pragma once

#include "list_column.h"

#include <QHash>
#include <QIcon>
#include <QListWidget>

/// A list box that is also a board column: single selection, never sorted. Its ListIndex is the row
/// the learner sees selected; the current row alone (after a Ctrl+click deselects) is no selection.
class ListBox : public QListWidget, public board::ListColumn
{
    Q_OBJECT

public:
    explicit ListBox(QWidget *parent = nullptr);

    /// Icons beside the rows that read these texts, wherever the board puts them; none for
    /// others.
    void setIcons(const QHash<QString, QIcon> &icons) { m_icons = icons; }

    void Clear() override;
    void AddItem(const std::string &text) override;
    std::string List(int position) const override;
    void List(int position, const std::string &text) override;
    void RemoveItem(int position) override;
    int ListIndex() const override;
    void ListIndex(int position) override;
    int ListCount() const override;

private:
    QHash<QString, QIcon> m_icons;
};
