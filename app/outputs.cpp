// SPDX-FileCopyrightText: 2026 The acronym authors
// SPDX-License-Identifier: MIT

#include "outputs.h"

#include "puzzle_file.h"
#include "scorm_package.h"
#include "sheets.h"
#include "web_page.h"

#include <QCoreApplication>
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
