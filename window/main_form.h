// SPDX-FileCopyrightText: 2026 The acronym authors
// SPDX-License-Identifier: MIT

#pragma once

#include "board.h"
#include "content.h"
#include "results.h"
#include "sheets.h"

#include <QDateTime>
#include <QElapsedTimer>
#include <QFont>
#include <QHash>
#include <QMessageBox>
#include <QPixmap>
#include <QWidget>
#include <array>
#include <exception>
#include <functional>

class Announcer;
class FlatButton;
class ListBox;
class QLabel;
class QMenu;
class QPlainTextEdit;

// The controls keep the names the program's design gives them (List1, List2, List3, Command1,
// Label1, Text1, Command1Click), against Qt's camelCase; each object name is the control's name
// with its index after an underscore, as "List1_0".

/// The window's caption: the publisher's web address, a blank, then the
/// exercise's caption; the caption alone when there is no address.
QString WindowCaption(const QString &publisherAddress, const QString &caption);

/// The message that ends a game: the answer and the wrong tries. Its «Изпрати резултата» asks the
/// learner's name, which may not be blank and is kept for the next game, and copies `result`'s line
/// under it for the learner to send; `announcer` tells screen readers that it is copied.
void ShowGameEnd(QWidget *parent, Announcer *announcer, const QString &answer,
                 results::Result result);

/// Prints the exercise's sheet on A4 through the system's print dialog over `parent`; the
/// worksheet ends with the link's QR code when the teacher asked for it.
void PrintSheet(QWidget *parent, const board::Exercise &exercise, sheets::Sheet sheet);

/// The font of every control: Times New Roman, 12 points at the 96 dots per inch for which the
/// layout's twips were authored.
QFont FormFont();

/// Tells the learner, in a message box of its own, why a puzzle file cannot be played.
void ShowFileError(const QString &message, QWidget *parent = nullptr);

/// A modal message box that shows `text` as it is: a teacher's text is never read as markup.
void ShowMessage(QWidget *parent, QMessageBox::Icon icon, const QString &caption,
                 const QString &text);

/// The program's only window. It lays out its controls; play() puts an exercise on the board, and
/// from then on "Избрах" runs the pair check and "Чисти" the reset. Ctrl+P prints its worksheet,
/// Ctrl+Shift+P its answer key, and the menu its crossword with or without the words, through the
/// system's print dialog. Each judged pair is told to screen readers, a filled slot is scrolled
/// into sight, and the last one brings a message that spells the answer and counts the wrong tries,
/// and offers the result as a line of text to send the teacher, under a name that may not be blank;
/// until «Чисти», «Резултат» beside the slots brings that message back. «Резултати…» reads such
/// lines into a table. Ctrl+O, or a file dropped on the window, replaces the exercise with one from
/// a puzzle file; a file that cannot be played is explained in a message box and the game goes on
/// as it was. Ctrl+S saves the exercise as a web page, and the menu also saves it as a SCORM
/// package for Moodle. A right click on the form, the Menu key or Shift+F10 opens a menu of these
/// commands. Every teacher's text is shown as plain text. A board error ends the program: a message
/// box says what failed, and the event loop exits with EXIT_FAILURE.
class MainForm : public QWidget
{
    Q_OBJECT

public:
    explicit MainForm(QWidget *parent = nullptr);

    /// Shows the exercise's caption, title and instructions, fills the master columns with its rows
    /// and resets the board. After a board error, shown in a message box, it returns false and the
    /// caller ends the program.
    bool play(const board::Exercise &exercise);

    /// The board's nine columns: the three shown lists, and the key and master columns, which are
    /// kept in memory and never shown.
    board::Board columns();

    /// The menu of the window's commands, each with its shortcut.
    QMenu *commands() const { return m_commands; }

signals:
    /// «Нов пъзел…» (Ctrl+N): the teacher wants to make a puzzle.
    void newPuzzleAsked();
    /// «Промени пъзела…» (Ctrl+E): the teacher wants to edit the puzzle on the board.
    void editAsked(const board::Exercise &exercise);

protected:
    void contextMenuEvent(QContextMenuEvent *event) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dropEvent(QDropEvent *event) override;

private:
    void Command1Click(int index);
    void tell(const board::Choice &choice);
    void chooseFile();
    using Writer = QString (*)(const board::Exercise &, const QString &);
    void saveAs(const QString &title, const QString &suffix, const QString &filter, Writer write);
    void addCommand(const QString &text, const QKeySequence &shortcut,
                    const std::function<void()> &command);
    void open(const QString &path);
    void report(const std::exception &error);
    void showPictures(const board::Exercise &exercise);
    void showChosenPicture();
    void showResult();

    QLabel *m_heading = nullptr;
    std::array<FlatButton *, 2> m_command1{};
    FlatButton *m_result = nullptr;   // «Резултат», on a finished board
    Announcer *m_announcer = nullptr; // tells screen readers how a press came out
    QPlainTextEdit *m_instructions = nullptr;
    std::array<ListBox *, 2> m_list1{};        // List1(0) and List1(1), the words and explanations
    std::array<board::MemoryColumn, 2> m_keys; // List1(2) and List1(3), their keys
    std::array<board::MemoryColumn, 4> m_list2;
    ListBox *m_list3 = nullptr;
    QLabel *m_pictureHeading = nullptr; // only for an exercise with pictures
    QLabel *m_picture = nullptr;        // the chosen explanation's
    QHash<QString, QPixmap> m_pictures; // large, by explanation, as each was first chosen
    board::Exercise m_exercise;         // on the board
    int m_wrongTries = 0;               // in this game, since the last reset
    QElapsedTimer m_clock;              // since then
    int m_seconds = 0;                  // how long the finished game took
    QDateTime m_finished;               // when it ended
    QString m_folder;                   // where the last puzzle file came from
    QMenu *m_commands = nullptr;
};
