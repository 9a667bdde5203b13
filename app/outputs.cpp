// SPDX-FileCopyrightText: 2026 The acronym authors
// SPDX-License-Identifier: MIT

#include "outputs.h"

#include "build_settings.h"
#include "puzzle_file.h"
#include "puzzle_link.h"
#include "qr_code.h"
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
#include <variant>

namespace app {

namespace {

// Whether a character takes two columns of a terminal: the wide scripts of East Asia, and emoji.
bool isWide(char32_t character)
{
    constexpr std::pair<char32_t, char32_t> wide[] = {
        {0x1100, 0x115F},   {0x2E80, 0x303E},   {0x3041, 0x33FF},  {0x3400, 0x4DBF},
        {0x4E00, 0x9FFF},   {0xA000, 0xA4CF},   {0xAC00, 0xD7A3},  {0xF900, 0xFAFF},
        {0xFE30, 0xFE4F},   {0xFF00, 0xFF60},   {0xFFE0, 0xFFE6},  {0x1F300, 0x1F64F},
        {0x1F680, 0x1F6FF}, {0x1F900, 0x1F9FF}, {0x20000, 0x3FFFD}};
    return std::any_of(std::begin(wide), std::end(wide), [character](const auto &range) {
        return character >= range.first && character <= range.second;
    });
}

// How many columns of a terminal a text takes: a character one, a wide one two, a mark that
// combines with the character before it, or a format character, none.
qsizetype columnsOf(const QString &text)
{
    qsizetype columns = 0;
    for (const char32_t character : text.toUcs4()) {
        switch (QChar::category(character)) {
        case QChar::Mark_NonSpacing:
        case QChar::Mark_Enclosing:
        case QChar::Other_Format:
            break;
        default:
            columns += isWide(character) ? 2 : 1;
        }
    }
    return columns;
}

} // namespace

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
    const results::Table table = results::ResultTable(text);
    // Each column as wide as its widest cell, two blanks between.
    QList<QStringList> lines{results::Heading()};
    for (const results::Row &row : table.rows) {
        lines << results::CellsOf(row);
    }
    QList<qsizetype> widths(lines.first().size(), 0);
    for (const QStringList &cells : lines) {
        for (qsizetype column = 0; column < cells.size(); ++column) {
            widths[column] = std::max(widths[column], columnsOf(cells[column]));
        }
    }
    for (const QStringList &cells : lines) {
        QString line;
        for (qsizetype column = 0; column < cells.size(); ++column) {
            line += cells[column] + QString(widths[column] - columnsOf(cells[column]) + 2, u' ');
        }
        // Trailing blanks only: an empty first cell keeps its place.
        while (line.endsWith(u' ')) {
            line.chop(1);
        }
        std::printf("%s\n", qUtf8Printable(line));
    }
    std::fflush(stdout);
    if (table.unreadable > 0) {
        const QString said =
            table.unreadable == 1
                ? QCoreApplication::translate("acronym",
                                              "1 line beginning with «Резултат:» could not be read")
                : QCoreApplication::translate(
                      "acronym", "%1 lines beginning with «Резултат:» could not be read")
                      .arg(table.unreadable);
        std::fprintf(stderr, "acronym: %s\n", qUtf8Printable(said));
    }
    if (csv) {
        QSaveFile file(*csv);
        if (!file.open(QIODevice::WriteOnly) || file.write(results::ResultCsv(table.rows)) < 0 ||
            !file.commit()) {
            return Fail(QCoreApplication::translate("acronym", R"(cannot write "%1": %2)")
                            .arg(*csv, file.errorString()));
        }
    }
    return 0;
}

namespace {

// The worksheet, the answer key and the crossword with its answers; the worksheet ends with the
// link's QR code when asked.
QString writeSheets(const board::Exercise &exercise, const Request &request, const QString &link)
{
    QImage code;
    if (request.sheetCode) {
        const auto made = web::QrCodeOf(link);
        if (const QString *problem = std::get_if<QString>(&made)) {
            return QCoreApplication::translate("web", "no QR code: %1").arg(*problem);
        }
        code = web::QrImage(std::get<web::QrCode>(made), 1);
    }
    for (const auto &[path, sheet] :
         {std::pair{request.worksheet, sheets::Sheet::Worksheet},
          std::pair{request.answers, sheets::Sheet::AnswerKey},
          std::pair{request.crossword, sheets::Sheet::Crossword},
          std::pair{request.crosswordAnswers, sheets::Sheet::CrosswordAnswers}}) {
        if (path) {
            if (QString error = sheets::WritePdf(*sheets::SheetOf(sheet, exercise, code), *path);
                !error.isEmpty()) {
                return error;
            }
        }
    }
    return {};
}

// The game's page, the SCORM package, the editor's page and the player's page.
QString writePages(const board::Exercise &exercise, const Request &request)
{
    const std::pair<const std::optional<QString> &, decltype(&web::WriteWebPage)> pages[] = {
        {request.html, &web::WriteWebPage}, {request.scorm, &web::WriteScormPackage}};
    for (const auto &[path, write] : pages) {
        if (path) {
            if (QString error = write(exercise, *path); !error.isEmpty()) {
                return error;
            }
        }
    }
    if (request.htmlEditor) {
        if (QString error = web::WriteEditorPage(
                request.player.value_or(QString::fromUtf8(build::playerAddress)),
                *request.htmlEditor);
            !error.isEmpty()) {
            return error;
        }
    }
    return request.htmlPlayer ? web::WritePlayerPage(board::BuiltInExercise(), *request.htmlPlayer)
                              : QString();
}

// The link on standard output and its QR code in a file, each when asked.
QString writeLink(const board::Exercise &exercise, const Request &request, const QString &link)
{
    if (!request.link && !request.qr) {
        return {};
    }
    if (web::HasPictures(exercise)) {
        std::fprintf(stderr, "acronym: %s\n",
                     qUtf8Printable(QCoreApplication::translate(
                         "acronym", "Pictures stay out of the link: for them, send the file "
                                    "or the page.")));
    }
    if (request.link) {
        std::printf("%s\n", qUtf8Printable(link));
        std::fflush(stdout);
    }
    return request.qr ? web::WriteQrCode(link, *request.qr) : QString();
}

} // namespace

int WriteFiles(const board::Exercise &exercise, const Request &request)
{
    const QString link = web::PuzzleLink(
        request.player.value_or(QString::fromUtf8(build::playerAddress)), web::LinkText(exercise));
    QString error = writeSheets(exercise, request, link);
    if (error.isEmpty()) {
        error = writePages(exercise, request);
    }
    if (error.isEmpty()) {
        error = writeLink(exercise, request, link);
    }
    return error.isEmpty() ? 0 : Fail(error);
}

} // namespace app
