// SPDX-FileCopyrightText: 2026 The acronym authors
// SPDX-License-Identifier: MIT

#pragma once

#include "content.h"
#include "text_encoding.h"

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

/// Reads a puzzle from the bytes of a file; `fileName` only names it in messages. The text is
/// decoded as DecodeText decides. Blank lines and lines whose first non-blank character is '#' are
/// ignored. A line that starts with a key and a colon sets a fact of the exercise; keys are English
/// or Bulgarian, case aside: "answer:"/"отговор:" and "title:"/"заглавие:" at most once each,
/// "instructions:"/"указания:" once for each paragraph. Every other line is one pair,
/// "word = explanation", split at the first '=', in the order of the answer's letters. Texts are
/// trimmed and normalised to NFC. Words and explanations are each sorted in Bulgarian alphabetical
/// order, case aside, and every key is the position of its pair in the file.
/// Throws PuzzleError for anything else, and for fewer than 2 or more than 40 pairs, a word or an
/// explanation given twice, an empty value, or an answer that the words' first letters do not
/// spell.
Puzzle ParsePuzzle(QByteArrayView bytes, const QString &fileName);

/// Reads and parses the file at `path`; a file that cannot be read, or is larger than 1 MiB, is a
/// PuzzleError too.
Puzzle LoadPuzzle(const QString &path);

} // namespace puzzle
