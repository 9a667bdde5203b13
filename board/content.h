// SPDX-FileCopyrightText: 2026 The acronym authors
// SPDX-License-Identifier: MIT

#pragma once

#include "board.h"

#include <cstdint>
#include <string>
#include <vector>

namespace board {

/// The rows of the four master columns: words and explanations each in alphabetical order, and
/// beside every row its key, the position of the word's first letter in the acronym.
struct MasterRows
{
    std::vector<std::string> words;
    std::vector<std::string> explanations;
    std::vector<std::string> wordKeys;
    std::vector<std::string> explanationKeys;
};

/// A picture as its file holds it: the bytes, and their type: "image/jpeg", "image/png" or
/// "image/webp". Both are empty for none.
struct Picture
{
    std::string bytes;
    std::string type;
    /// The picture small and upright, as its reader decoded it to check it whole: rows of
    /// `smallWidth` pixels, each 0xAARRGGBB; empty where it was not decoded.
    std::vector<std::uint32_t> small = {};
    int smallWidth = 0;
};

/// One exercise, as the window, the worksheet and the answer key take it. Texts are UTF-8.
struct Exercise
{
    MasterRows rows;
    /// What the first letters spell, as written: "хан Тервел".
    std::string answer;
    /// The heading above the lists.
    std::string title;
    /// The window's caption after the publisher's address.
    std::string caption;
    /// Paragraphs, in order; none where the exercise brings no instructions of its own.
    std::vector<std::string> instructions;
    /// The file it was read from, absolute; empty for the built-in puzzle.
    std::string path;
    /// Beside each of rows.explanations, its picture or none; empty when no explanation has one.
    std::vector<Picture> pictures;
};

/// The built-in puzzle: nine pairs whose first letters spell the name of a Proto-Bulgarian khan.
const MasterRows &BuiltInPuzzle();

/// The built-in puzzle with its authored title, caption and instructions.
const Exercise &BuiltInExercise();

/// How to play, for an exercise that brings no instructions of its own: choosing a pair, what a
/// right and a wrong pair do, and how many letters the answer has.
std::vector<std::string> PlayInstructions(std::size_t letters);

/// Appends the rows to the master columns List2(0) to List2(3).
void FillMasters(const Board &board, const MasterRows &rows);

} // namespace board
