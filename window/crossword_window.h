// SPDX-FileCopyrightText: 2026 The acronym authors
// SPDX-License-Identifier: MIT

#pragma once

#include "content.h"
#include "crossword.h"

#include <QDateTime>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QWidget>
#include <vector>

class Announcer;
class FlatButton;
class QLabel;

/// A row's text field, which draws the word's boxes instead of its text: a letter in each box
/// that the learner filled, any other character of the word as it is, the key column's box shaded,
/// and, with the focus, the box where the next letter goes. Up and Down (and Return) ask for the
/// row above or below; a click puts the cursor at the box clicked.
class BoxField : public QLineEdit
{
    Q_OBJECT

public:
    /// `row` of `game`, its first box `lead` boxes from the left, in a crossword `columns` wide.
    BoxField(const crossword::Game &game, int row, int lead, int columns,
             QWidget *parent = nullptr);

    /// A wrong word: its boxes are marked until the next letter.
    void setWrong(bool wrong);

    /// The box that the cursor stands before, counted in letters.
    int currentBox() const;
    /// Puts the cursor before box `box`, as far as the letters go.
    void setCurrentBox(qsizetype box);

    /// A box's side, in pixels.
    static constexpr int side = 28;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

signals:
    /// The learner asks for the row `step` rows away.
    void moveAsked(int step);
    /// The field took the focus.
    void focusTaken();

protected:
    void paintEvent(QPaintEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;

private:
    const crossword::Game &m_game;
    int m_row;
    int m_lead;
    int m_columns;
    bool m_wrong = false;
};

/// The crossword of an exercise, in a window of its own: a row for each letter of the answer, its
/// number, its explanation (with its picture, small) and the boxes of its word; under them the
/// key column as read so far, «Подскажи буква» and «Чисти». Each checked word is told to screen
/// readers; the last one brings the message that ends the game, with its result line to send.
class CrosswordWindow : public QWidget
{
    Q_OBJECT

public:
    explicit CrosswordWindow(const board::Exercise &exercise, QWidget *parent = nullptr);

private:
    void typed(int row);
    void judge(int row, const crossword::Game::Outcome &outcome);
    void hint();
    void restart();
    void showKey();
    void showResult();

    board::Exercise m_exercise;
    crossword::Game m_game;
    std::vector<BoxField *> m_fields;
    QLabel *m_key = nullptr;
    FlatButton *m_result = nullptr; // «Резултат», once solved
    Announcer *m_announcer = nullptr;
    int m_focused = 0;     // the row that last had the focus, which a hint helps
    QElapsedTimer m_clock; // since the game began
    int m_seconds = 0;
    QDateTime m_finished;
};
