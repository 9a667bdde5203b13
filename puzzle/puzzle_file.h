// SPDX-FileCopyrightText: 2026 The acronym authors
// SPDX-License-Identifier: MIT

#pragma once

#include "content.h"

#include <QByteArrayView>
#include <QString>
#include <stdexcept>

namespace puzzle {

/// A puzzle file that cannot be played. The message names the file, the line where there is one,
/// and what is wrong: "khan.txt:7: the word is empty".
class PuzzleError : public std::runtime_error
{
public:
    using std::runtime_error::runtime_error;
};

constexpr qsizetype maxFileBytes = 1024 * 1024;
constexpr int minPairs = 2;
constexpr int maxPairs = 40;

/// A puzzle read from a file: the master rows as the built-in puzzle has them, and its answer.
struct Puzzle
{
    board::MasterRows rows;
    /// The answer line's name, or the words' first letters where the file has no answer line.
    QString answer;
};

/// Reads a puzzle from the text of a file; `fileName` only names it in messages. The text is UTF-8
/// (a byte-order mark allowed; CR LF or LF line ends). Blank lines and lines whose first non-blank
/// character is '#' are ignored; "answer: NAME" may appear once; every other line is one pair,
/// "word = explanation", split at the first '=', in the order of the answer's letters. Texts are
/// trimmed and normalised to NFC. Words and explanations are each sorted in Bulgarian alphabetical
/// order, case aside, and every key is the position of its pair in the file.
/// Throws PuzzleError for anything else, and for fewer than 2 or more than 40 pairs, a word or an
/// explanation given twice, or an answer that the words' first letters do not spell.
Puzzle ParsePuzzle(QByteArrayView text, const QString &fileName);

/// Reads and parses the file at `path`; a file that cannot be read, or is larger than 1 MiB, is a
/// PuzzleError too.
Puzzle LoadPuzzle(const QString &path);

} // namespace puzzle
