// SPDX-FileCopyrightText: 2026 The acronym authors
// SPDX-License-Identifier: MIT

#pragma once

#include "content.h"
#include "draft.h"
#include "puzzle_file.h"
#include "sheets.h"

#include <QMainWindow>
#include <QUndoStack>
#include <functional>
#include <vector>

class QLabel;
class QLineEdit;
class QListWidget;
class QToolButton;
class QPlainTextEdit;
class QGridLayout;

/// A window that makes a puzzle: its title, instructions and answer, and one row of a word and
/// its explanation for each letter of the answer. The rows follow the answer as it is typed; each
/// row shows whether its word starts with its letter, and the problems that the puzzle reader
/// finds are listed at every keystroke. Ctrl+Z undoes any change, whichever field has the focus.
/// A draft that breaks a rule can be saved; the file is UTF-8, written whole or not at all.
class EditorWindow : public QMainWindow
{
    Q_OBJECT

public:
    explicit EditorWindow(QWidget *parent = nullptr);

    /// Opens the puzzle file at `path`; false, after a message box, when it cannot be read.
    bool openFile(const QString &path);
    /// Starts from an exercise that has no file of its own, such as the built-in puzzle.
    void editExercise(const board::Exercise &exercise);

    const editor::Draft &draft() const { return m_draft; }

signals:
    /// «Играй»: the puzzle as it stands, which the reader accepts.
    void playAsked(const board::Exercise &exercise);
    /// «Връзка и QR код»: the same puzzle, to share by a link.
    void linkAsked(const board::Exercise &exercise);
    /// A «Печатай …» command: the same puzzle, and the sheet to print of it.
    void printAsked(const board::Exercise &exercise, sheets::Sheet sheet);

protected:
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // The widgets of one row: its number, letter, word, explanation, picture and verdict.
    struct RowWidgets
    {
        QLabel *number;
        QLabel *letter;
        QLineEdit *word;
        QLineEdit *explanation;
        QToolButton *picture; // shows it small; pressed, chooses another
        QToolButton *unpicture;
        QLabel *verdict;
        QString shown; // the picture that `picture` shows

        QList<QWidget *> cells() const;
    };

    void change(const editor::Draft &after, int field);
    void showDraft(const editor::Draft &draft);
    void addRowWidgets();
    void showRow(int row);
    void showPicture(RowWidgets &widgets, const QString &picture);
    void start(const editor::Draft &draft, const QString &path);
    int focusedRow() const;
    void addRow();
    void removeRow();
    void moveRow(int by);
    void choosePicture(int row);
    void setPicture(int row, const QString &picture);
    bool save(bool asNew);
    bool mayDiscard();
    void newPuzzle();
    void chooseFile();
    void play();
    // Runs `use` with the puzzle as the game plays it, or says why there is none yet.
    void withPuzzle(const std::function<void(const board::Exercise &)> &use);
    void step(bool back);
    QAction *command(const QString &text, const QList<QKeySequence> &shortcuts,
                     const std::function<void()> &slot);
    QAction *command(const QString &text, const QList<QKeySequence> &shortcuts,
                     void (EditorWindow::*slot)());

    editor::Draft m_draft;
    QUndoStack m_undo;
    // The field and the kind (typing or deleting) of the last change, and the run it began.
    int m_lastField = 0;
    bool m_lastTyping = false;
    int m_run = 0;
    QString m_path;
    puzzle::PictureFiles m_files; // beside the file, for pictures that it names
    QLineEdit *m_title = nullptr;
    QPlainTextEdit *m_instructions = nullptr;
    QLineEdit *m_answer = nullptr;
    QGridLayout *m_rowGrid = nullptr;
    std::vector<RowWidgets> m_rows;
    QLabel *m_spelled = nullptr;
    QListWidget *m_problems = nullptr;
};
