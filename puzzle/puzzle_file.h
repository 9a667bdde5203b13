// SPDX-FileCopyrightText: 2026 The acronym authors
// SPDX-License-Identifier: MIT

#pragma once

#include "content.h"
#include "text_encoding.h"

#include <QByteArrayView>
#include <QHash>
#include <QString>
#include <functional>
#include <stdexcept>
#include <variant>
#include <vector>

namespace puzzle {

/// A puzzle file that cannot be played. The message names the file, the line where there is one,
/// and what is wrong: "khan.txt:7: the word is empty".
class PuzzleError : public std::runtime_error
{
public:
    PuzzleError(const QString &fileName, int line, const QString &reason);

    /// The line of the file that is wrong, from 1; 0 for the file as a whole.
    int line() const { return m_line; }
    /// What is wrong, without the file and the line.
    QString reason() const { return m_reason; }

private:
    int m_line;
    QString m_reason;
};

/// One thing that keeps a text from being a puzzle: its line (0 for none) and what is wrong.
struct Problem
{
    int line = 0;
    QString reason;
};

constexpr qsizetype maxFileBytes = 1024 * 1024;
constexpr qsizetype maxPicturedFileBytes = 8 * 1024 * 1024; // for a file with picture lines
constexpr int minPairs = 2;
constexpr int maxPairs = 40;

/// The title of a file that gives none.
inline constexpr char defaultTitle[] = "Акроним";

/// A puzzle read from a file: the exercise, and the encoding its text was read in.
struct Puzzle
{
    /// The answer is the answer line's, or the words' first letters where the file has none; the
    /// title is the file's or defaultTitle, and the caption is the title.
    board::Exercise exercise;
    Encoding encoding = Encoding::Utf8;
};

/// The bytes of a picture file that a picture line names, or why they cannot be read.
using PictureFiles = std::function<std::variant<QByteArray, QString>(const QString &name)>;

/// Reads a puzzle from the bytes of a file; `fileName` only names it in messages. The text is
/// decoded as DecodeText decides. Blank lines and lines whose first non-blank character is '#' are
/// ignored. A line that starts with a key and a colon sets a fact of the exercise; keys are English
/// or Bulgarian, case aside: "answer:"/"отговор:" and "title:"/"заглавие:" at most once each,
/// "instructions:"/"указания:" once for each paragraph; "picture:"/"картина:" gives the pair on
/// the line before it (blank and comment lines aside) a picture, as a data: address or a file that
/// `files` gives, which PictureOf takes. Every other line is one pair,
/// "word = explanation", split at the first '=', in the order of the answer's letters. Texts are
/// trimmed and normalised to NFC. Words and explanations are each sorted in Bulgarian alphabetical
/// order, case aside, and every key is the position of its pair in the file.
/// Throws PuzzleError for anything else, and for fewer than 2 or more than 40 pairs, a word or an
/// explanation given twice, an empty value, or an answer that the words' first letters do not
/// spell, a file of over 1 MiB without picture lines, and a picture line that is not right after
/// its pair's, is the pair's second, or names no picture that PictureOf takes.
Puzzle ParsePuzzle(QByteArrayView bytes, const QString &fileName, const PictureFiles &files = {});

/// Why a pair cannot stand for letter `number` (from 1) of the answer: its word does not start
/// with `letter`.
QString WrongLetter(const QString &word, const QString &letter, int number);

/// What was found of pictures checked before, by the number of the line that names each: empty
/// for a picture that PictureOf takes, or why not.
using CheckedPictures = QHash<int, QString>;

/// Every problem that keeps the bytes from being a puzzle, in the order the reader meets them:
/// each refused line, then the puzzle's as a whole. When there are as many pair lines as the
/// answer has letters, each word that does not start with its letter is a problem of its line;
/// otherwise an answer that the first letters do not spell is a problem of the answer's line.
/// A picture line in `checked` counts as was found there, and is not read again. ParsePuzzle
/// refuses the first of them; none means that it accepts the bytes.
std::vector<Problem> FindProblems(QByteArrayView bytes, const PictureFiles &files = {},
                                  const CheckedPictures &checked = {});

/// Reads the bytes of the file at `path`: only a regular file, of at most 8 MiB. Throws
/// PuzzleError for anything else, or when the file cannot be read.
QByteArray ReadPuzzleFile(const QString &path);

/// The picture files in the folder of the puzzle file at `path`: regular files, read up to one
/// byte more than a picture may have.
PictureFiles FilesBeside(const QString &path);

/// Reads and parses the file at `path`, its picture files beside it; a file that ReadPuzzleFile
/// refuses is a PuzzleError too.
Puzzle LoadPuzzle(const QString &path);

} // namespace puzzle
