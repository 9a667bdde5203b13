// SPDX-FileCopyrightText: 2026 The acronym authors
// SPDX-License-Identifier: MIT

#pragma once

#include "content.h"
#include "puzzle_file.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <optional>
#include <variant>

namespace editor {

/// One pair as the teacher types it. A lettered row stands for the next letter of the answer; a
/// row without a letter holds text that an answer's letter left behind.
struct Row
{
    QString word;
    QString explanation;
    bool lettered = true;
    QStringList notes; // the comment lines before it in its file
    QString picture;   // its explanation's: a data: address, or a file still to be read
    /// What the reader finds of a data: picture, found once, when it came: empty when the reader
    /// takes it; none until it is checked (WithPicturesChecked).
    std::optional<QString> checked = {};

    /// Rows are the same when their texts are: the picture's check aside.
    bool operator==(const Row &other) const;
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
/// `row` swapped with the row `by` places away (-1 or 1), its picture along; letters stay in
/// their places.
Draft WithRowMoved(Draft draft, int row, int by);

/// The letter that `row` stands for: its letter of the answer, or its word's first letter while
/// there is no answer; empty for a row without a letter.
QString LetterOf(const Draft &draft, int row);
/// Whether the row's word starts with its letter, case aside.
bool StartsRight(const Draft &draft, int row);
/// The answer as the words' first letters spell it so far, a '_' for each letter still missing.
QString Spelled(const Draft &draft);

/// The draft as a puzzle file, in UTF-8: its comments, title, answer and instructions, then one
/// pair a line, each picture on the line after its pair. A row without a letter is marked by a
/// comment line of its own.
QByteArray DraftText(const Draft &draft);
/// A draft from a file's decoded lines; it need not be a puzzle that the reader accepts. Every
/// line is kept: a line that the draft has no place for becomes a comment.
Draft ReadDraft(const QStringList &lines);
/// The draft of an exercise: its rows in the answer's order, with their pictures.
Draft DraftOf(const board::Exercise &exercise);
/// The draft with each picture that names a file that `files` gives, and that FittedPicture
/// takes, as a data: address; the others as they were.
Draft WithPicturesRead(Draft draft, const puzzle::PictureFiles &files);

/// The draft with each data: picture checked that was not yet: what the reader finds of it.
Draft WithPicturesChecked(Draft draft);

/// What the puzzle reader finds wrong with the draft, each problem named by its place: "Row 2:
/// ...", "Answer: ...". None when the game would play it. Pictures named by a file are read from
/// `files`; a data: picture counts as it was checked, and one not yet checked is checked now.
QStringList Problems(const Draft &draft, const puzzle::PictureFiles &files = {});

/// A picture file's bytes as a puzzle keeps them: as they are when the reader takes them and they
/// are at most 1024 pixels a side, otherwise shrunk to 1024 pixels on the longer side and stored
/// as JPEG, so that a phone's photo fits. Why not, for bytes that are no JPEG, PNG or WebP
/// picture.
std::variant<board::Picture, QString> FittedPicture(const QByteArray &bytes);

} // namespace editor
