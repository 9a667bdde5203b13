// SPDX-FileCopyrightText: 2026 The acronym authors
// SPDX-License-Identifier: MIT

#pragma once

#include "content.h"

#include <QList>
#include <QString>
#include <QStringList>

namespace editor {

/// One pair as the teacher types it. A lettered row stands for the next letter of the answer; a
/// row without a letter holds text that an answer's letter left behind.
struct Row
{
    QString word;
    QString explanation;
    bool lettered = true;
    QStringList notes; // the comment lines before it in its file

    bool operator==(const Row &) const = default;
    bool isEmpty() const;
};

/// A puzzle being made: what its file says, whether or not the reader accepts it yet. While the
/// answer has letters, its lettered rows stand for them in order.
struct Draft
{
    QString title;
    QStringList instructions; // one paragraph each
    QString answer;
    QList<Row> rows;
    QStringList comments; // the file's comment lines that stand before no row

    bool operator==(const Draft &) const = default;
};

/// The draft with another answer. A letter typed in brings an empty row at its place; a letter
/// taken out takes its row along when the row is empty, and leaves it without a letter otherwise.
Draft WithAnswer(Draft draft, const QString &answer);
/// An empty row before `row`; it has no letter while the answer has any.
Draft WithRowAdded(Draft draft, int row);
/// Without `row`; a lettered row takes its letter out of the answer.
Draft WithRowRemoved(Draft draft, int row);
/// `row` swapped with the row `by` places away (-1 or 1); letters stay in their places.
Draft WithRowMoved(Draft draft, int row, int by);

/// The letter that `row` stands for: its letter of the answer, or its word's first letter while
/// there is no answer; empty for a row without a letter.
QString LetterOf(const Draft &draft, int row);
/// Whether the row's word starts with its letter, case aside.
bool StartsRight(const Draft &draft, int row);
/// The answer as the words' first letters spell it so far, a '_' for each letter still missing.
QString Spelled(const Draft &draft);

/// The draft as a puzzle file, in UTF-8: its comments, title, answer and instructions, then one
/// pair a line. A row without a letter is marked by a comment line of its own.
QByteArray DraftText(const Draft &draft);
/// A draft from a file's decoded lines; it need not be a puzzle that the reader accepts. Every
/// line is kept: a line that the draft has no place for becomes a comment.
Draft ReadDraft(const QStringList &lines);
/// The draft of an exercise: its rows in the answer's order.
Draft DraftOf(const board::Exercise &exercise);

/// What the puzzle reader finds wrong with the draft, each problem named by its place: "Row 2:
/// ...", "Answer: ...". None when the game would play it.
QStringList Problems(const Draft &draft);

} // namespace editor
