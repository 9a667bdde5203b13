// SPDX-FileCopyrightText: 2026 The acronym authors
// SPDX-License-Identifier: MIT

#pragma once

#include "board.h"
#include "content.h"

#include <QFont>
#include <QWidget>
#include <array>

class ListBox;

// The controls keep the names the program's design gives them (List1, List2, List3, Command1,
// Label1, Text1, Command1Click), against Qt's camelCase; each object name is the control's name
// with its index after an underscore, as "List1_0".

/// The window's caption: the publisher's web address, a blank, then the
/// title; the title alone when there is no address.
QString WindowCaption(const QString &publisherAddress);

/// The font of every control: Times New Roman, 12 points at the 96 dots per inch for which the
/// layout's twips were authored.
QFont FormFont();

/// Tells the learner, in a message box of its own, why a puzzle file cannot be played.
void ShowFileError(const QString &message);

/// The program's only window. It lays out its controls, fills the master columns from `puzzle`,
/// resets the board, and from then on runs the pair check for "Избрах" and the reset for "Чисти".
/// A board error in either ends the program: a message box says what failed, and the event loop
/// exits with EXIT_FAILURE.
class MainForm : public QWidget
{
    Q_OBJECT

public:
    explicit MainForm(QWidget *parent = nullptr);
    explicit MainForm(const board::MasterRows &puzzle, QWidget *parent = nullptr);

    /// The board's nine columns: the three shown lists, and the key and master columns, which are
    /// kept in memory and never shown.
    board::Board columns();

private:
    void Command1Click(int index);

    std::array<ListBox *, 2> m_list1{};        // List1(0) and List1(1), the words and explanations
    std::array<board::MemoryColumn, 2> m_keys; // List1(2) and List1(3), their keys
    std::array<board::MemoryColumn, 4> m_list2;
    ListBox *m_list3 = nullptr;
};
