// SPDX-FileCopyrightText: 2026 The acronym authors
// SPDX-License-Identifier: MIT

#include "outputs.h"

#include "puzzle_file.h"
#include "results.h"
#include "scorm_package.h"
#include "sheets.h"
#include "web_page.h"

#include <QCoreApplication>
#include <QSaveFile>
#include <QTextDocument>
#include <algorithm>
#include <cstdio>
#include <memory>
#include <utility>

namespace app {

int CheckPuzzles(const QStringList &paths)
{
    int status = 0;
    for (const QString &path : paths) {
        if (paths.size() > 1) {
            std::printf("%s\n", qUtf8Printable(path));
        }
        try {
            const puzzle::Puzzle puzzle = puzzle::LoadPuzzle(path);
            const board::Exercise &exercise = puzzle.exercise;
            QStringList report{QCoreApplication::translate("acronym", "answer: %1")
                                   .arg(QString::fromStdString(exercise.answer)),
                               QCoreApplication::translate("acronym", "pairs: %1")
                                   .arg(exercise.rows.words.size())};
            // Pictures only for a file that has them.
            if (const auto pictures = std::count_if(
                    exercise.pictures.begin(), exercise.pictures.end(),
                    [](const board::Picture &picture) { return !picture.bytes.empty(); })) {
                report << QCoreApplication::translate("acronym", "pictures: %1").arg(pictures);
            }
            report << QCoreApplication::translate("acronym", "encoding: %1")
                          .arg(puzzle::EncodingName(puzzle.encoding));
            std::printf("%s\n", qUtf8Printable(report.join(u'\n')));
        } catch (const puzzle::PuzzleError &error) {
            std::fflush(stdout);
            status = Fail(QString::fromUtf8(error.what()), puzzleError);
        }
        std::fflush(stdout);
    }
    return status;
}

int ShowResults(const QStringList &paths, const std::optional<QString> &csv)
{
    QString text;
    for (const QString &path : paths) {
        try {
            text += puzzle::DecodeText(puzzle::ReadPuzzleFile(path)).lines.join(u'\n') + u'\n';
        } catch (const puzzle::PuzzleError &error) {
            return Fail(QString::fromUtf8(error.what()), puzzleError);
        }
    }
    const std::vector<results::Row> rows = results::ResultTable(text);
    // Each column as wide as its widest cell, two blanks between.
    QList<QStringList> table{results::Heading()};
    for (const results::Row &row : rows) {
        table << results::CellsOf(row);
    }
    QList<qsizetype> widths(table.first().size(), 0);
    for (const QStringList &cells : table) {
        for (qsizetype column = 0; column < cells.size(); ++column) {
            widths[column] = std::max(widths[column], cells[column].size());
        }
    }
    for (const QStringList &cells : table) {
        QString line;
        for (qsizetype column = 0; column < cells.size(); ++column) {
            line += cells[column].leftJustified(widths[column] + 2);
        }
        std::printf("%s\n", qUtf8Printable(line.trimmed()));
    }
    std::fflush(stdout);
    if (csv) {
        QSaveFile file(*csv);
        if (!file.open(QIODevice::WriteOnly) || file.write(results::ResultCsv(rows)) < 0 ||
            !file.commit()) {
            return Fail(QCoreApplication::translate("acronym", R"(cannot write "%1": %2)")
                            .arg(*csv, file.errorString()));
        }
    }
    return 0;
}

int WriteFiles(const board::Exercise &exercise, const Request &request)
{
    const std::pair<const std::optional<QString> &, decltype(&sheets::Worksheet)> kinds[] = {
        {request.worksheet, &sheets::Worksheet}, {request.answers, &sheets::AnswerKey}};
    for (const auto &[path, make] : kinds) {
        if (path) {
            const std::unique_ptr<QTextDocument> sheet = make(exercise);
            if (const QString error = sheets::WritePdf(*sheet, *path); !error.isEmpty()) {
                return Fail(error);
            }
        }
    }
    const std::pair<const std::optional<QString> &, decltype(&web::WriteWebPage)> pages[] = {
        {request.html, &web::WriteWebPage}, {request.scorm, &web::WriteScormPackage}};
    for (const auto &[path, write] : pages) {
        if (path) {
            if (const QString error = write(exercise, *path); !error.isEmpty()) {
                return Fail(error);
            }
        }
    }
    if (request.htmlEditor) {
        if (const QString error = web::WriteEditorPage(*request.htmlEditor); !error.isEmpty()) {
            return Fail(error);
        }
    }
    return 0;
}

} // namespace app
