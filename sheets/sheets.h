// SPDX-FileCopyrightText: 2026 The acronym authors
// SPDX-License-Identifier: MIT

#pragma once

#include "content.h"

#include <QImage>
#include <QString>
#include <memory>

class QPagedPaintDevice;
class QTextDocument;

namespace sheets {

/// The worksheet, to solve with a pen: the title, the instructions (the exercise's own, or a short
/// text written for paper), the words and the explanations in the window's orders, each
/// explanation with the number of the box that its word's first letter goes into, and an empty
/// box for each letter, numbered at its top. It never shows the answer. With a `code`, the QR code
/// of the puzzle's link (a pixel a module, its quiet zone included), it ends in «Играй на
/// телефон» and the code, half a millimetre a module and 4 to 8 cm a side.
std::unique_ptr<QTextDocument> Worksheet(const board::Exercise &exercise, const QImage &code = {});

/// The answer key for the teacher: the answer, and every pair in box order with its word,
/// explanation, letter and box.
std::unique_ptr<QTextDocument> AnswerKey(const board::Exercise &exercise);

/// The crossword on paper: the title, how to fill it in, and a row for each letter of the answer,
/// in its order, with its number, its explanation and a box for each letter of its word; the first
/// boxes stand in one shaded column, which spells the answer. Characters of a word that are not
/// letters stand as they are, without a box. `filled`, the teacher's copy, has every word written
/// in; otherwise no word shows.
std::unique_ptr<QTextDocument> Crossword(const board::Exercise &exercise, bool filled);

/// The sheets of a puzzle, as a teacher asks for them.
enum class Sheet
{
    Worksheet,
    AnswerKey,
    Crossword,
    CrosswordAnswers
};

/// The sheet of that kind; `code` as for Worksheet(), which alone has it.
std::unique_ptr<QTextDocument> SheetOf(Sheet sheet, const board::Exercise &exercise,
                                       const QImage &code = {});

/// Prints a sheet on `device`, each of its A4 pages scaled to the device's page, numbered at the
/// bottom. A table row never breaks across pages: the sheets move one that would to the next.
void Print(QTextDocument &sheet, QPagedPaintDevice &device);

/// Writes the document as an A4 portrait PDF with margins, its text real and its fonts embedded.
/// The file at `path` is written whole or not at all: a temporary file takes the PDF and is renamed
/// at the end. Returns what went wrong, or an empty string.
QString WritePdf(QTextDocument &document, const QString &path);

} // namespace sheets
