// SPDX-FileCopyrightText: 2026 The acronym authors
// SPDX-License-Identifier: MIT

#include "sheets.h"

#include "board.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QFont>
#include <QImage>
#include <QImageReader>
#include <QPageLayout>
#include <QPdfWriter>
#include <QSaveFile>
#include <QTextDocument>
#include <QUrl>
#include <cstddef>
#include <vector>

namespace sheets {

namespace {

// How to solve the worksheet, for an exercise that brings no instructions of its own.
const std::vector<std::string> paperInstructions{
    "Прочети всяко пояснение и намери думата, която му отговаря.",
    "Запиши първата буква на думата в кутийката с номера на пояснението.",
    "Буквите в кутийките, прочетени поред, образуват отговора."};

constexpr int boxesPerRow = 10;

QString escaped(const std::string &text)
{
    return QString::fromStdString(text).trimmed().toHtmlEscaped();
}

QString heading(const board::Exercise &exercise, const QString &after = {})
{
    return QStringLiteral("<h1>%1%2</h1>").arg(escaped(exercise.title), after);
}

// A column's heading and its share of the page's width, in per cent.
struct Column
{
    QString heading;
    int width;
};

// A table whose head row is repeated at the top of every page that it reaches.
QString table(const std::vector<Column> &head, const QString &rows)
{
    QString html = QStringLiteral("<table border='1' cellspacing='0' cellpadding='4' "
                                  "width='100%' style='border-collapse: collapse'><thead><tr>");
    for (const auto &[heading, width] : head) {
        html += QStringLiteral("<th width='%1%'>%2</th>").arg(width).arg(heading);
    }
    return html + QStringLiteral("</tr></thead>") + rows + QStringLiteral("</table>");
}

// Box k of the acronym is numbered k + 1: the learner counts from one.
QString boxNumber(const std::string &key)
{
    return QString::number(board::KeyValue(key) + 1);
}

std::unique_ptr<QTextDocument> document()
{
    auto sheet = std::make_unique<QTextDocument>();
    QFont font(QStringLiteral("Times New Roman"));
    font.setPointSize(12);
    sheet->setDefaultFont(font);
    return sheet;
}

// A picture about 3 cm high before its explanation, so that the table still reads: 113 of the
// sheet's pixels at 96 to the inch (and at most 6 cm wide), decoded once, at 300 dots to the inch.
constexpr int pictureHeight = 113;
constexpr int pictureWidth = 2 * pictureHeight;
constexpr double printScale = 300.0 / 96.0;

// Explanation `row`'s picture as an image of `sheet`, and a blank after it; empty without one.
QString pictureOf(QTextDocument &sheet, const board::Exercise &exercise, std::size_t row)
{
    if (row >= exercise.pictures.size() || exercise.pictures[row].bytes.empty()) {
        return {};
    }
    QByteArray bytes = QByteArray::fromStdString(exercise.pictures[row].bytes);
    QBuffer buffer(&bytes);
    QImageReader reader(&buffer);
    const QSize shown =
        reader.size().scaled(pictureWidth, pictureHeight, Qt::KeepAspectRatio).expandedTo({1, 1});
    reader.setScaledSize(shown * printScale);
    const QUrl name(QStringLiteral("picture:%1").arg(row));
    sheet.addResource(QTextDocument::ImageResource, name, reader.read());
    return QStringLiteral("<img src='%1' width='%2' height='%3'> ")
        .arg(name.toString())
        .arg(shown.width())
        .arg(shown.height());
}

} // namespace

std::unique_ptr<QTextDocument> Worksheet(const board::Exercise &exercise)
{
    std::unique_ptr<QTextDocument> sheet = document();
    const board::MasterRows &rows = exercise.rows;
    QString html = heading(exercise);
    for (const std::string &paragraph :
         exercise.instructions.empty() ? paperInstructions : exercise.instructions) {
        html += QStringLiteral("<p>%1</p>").arg(escaped(paragraph));
    }

    QString words;
    for (const std::string &word : rows.words) {
        words += QStringLiteral("<tr><td>%1</td></tr>").arg(escaped(word));
    }
    html += QStringLiteral("<h2>Думи</h2>") + table({{QStringLiteral("Дума"), 100}}, words);

    QString explanations;
    for (std::size_t row = 0; row < rows.explanations.size(); ++row) {
        explanations += QStringLiteral("<tr><td align='center'>%1</td><td>%2%3</td></tr>")
                            .arg(boxNumber(rows.explanationKeys[row]),
                                 pictureOf(*sheet, exercise, row), escaped(rows.explanations[row]));
    }
    html +=
        QStringLiteral("<h2>Пояснения</h2>") +
        table({{QStringLiteral("Кутийка"), 12}, {QStringLiteral("Пояснение"), 88}}, explanations);

    // The boxes, ten to a row, each with its number above it.
    html += QStringLiteral("<h2>Отговор</h2><p>Първата буква на всяка дума отива в кутийката с "
                           "номера на нейното пояснение.</p>"
                           "<table border='1' cellspacing='0' cellpadding='6' "
                           "style='border-collapse: collapse'>");
    const int boxes = static_cast<int>(rows.words.size());
    for (int first = 0; first < boxes; first += boxesPerRow) {
        QString numbers;
        QString empty;
        for (int box = first; box < std::min(first + boxesPerRow, boxes); ++box) {
            numbers +=
                QStringLiteral("<td align='center' width='40'><small>%1</small></td>").arg(box + 1);
            empty += QStringLiteral("<td height='40' width='40'>&nbsp;</td>");
        }
        html += QStringLiteral("<tr>%1</tr><tr>%2</tr>").arg(numbers, empty);
    }
    html += QStringLiteral("</table>");
    sheet->setHtml(html);
    return sheet;
}

std::unique_ptr<QTextDocument> AnswerKey(const board::Exercise &exercise)
{
    std::unique_ptr<QTextDocument> sheet = document();
    const board::MasterRows &rows = exercise.rows;
    QString html = heading(exercise, QStringLiteral(" — отговори"));
    html += QStringLiteral("<p><b>Отговор:</b> %1</p>").arg(escaped(exercise.answer));

    // Box k holds the first letter of the word whose key is k; its explanation has the same key.
    QString pairs;
    for (std::size_t box = 0; box < rows.words.size(); ++box) {
        const std::string key = std::to_string(box);
        std::string word;
        QString explanation;
        for (std::size_t row = 0; row < rows.words.size(); ++row) {
            if (board::KeyValue(rows.wordKeys[row]) == static_cast<int>(box)) {
                word = rows.words[row];
            }
            if (board::KeyValue(rows.explanationKeys[row]) == static_cast<int>(box)) {
                explanation = pictureOf(*sheet, exercise, row) + escaped(rows.explanations[row]);
            }
        }
        pairs += QStringLiteral("<tr><td align='center'>%1</td><td align='center'>%2</td>"
                                "<td>%3</td><td>%4</td></tr>")
                     .arg(boxNumber(key), escaped(board::FirstCharacter(word)), escaped(word),
                          explanation);
    }
    html += table({{QStringLiteral("Кутийка"), 12},
                   {QStringLiteral("Буква"), 10},
                   {QStringLiteral("Дума"), 23},
                   {QStringLiteral("Пояснение"), 55}},
                  pairs);
    sheet->setHtml(html);
    return sheet;
}

QString WritePdf(QTextDocument &document, const QString &path)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        return QCoreApplication::translate("sheets", R"(cannot write "%1": %2)")
            .arg(path, file.errorString());
    }
    {
        QPdfWriter writer(&file);
        writer.setCreator(QStringLiteral("acronym"));
        writer.setTitle(document.metaInformation(QTextDocument::DocumentTitle));
        // The document keeps margins of its own, 2 cm, and numbers the pages below them.
        writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                         QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter));
        document.print(&writer);
    }
    if (!file.commit()) {
        return QCoreApplication::translate("sheets", R"(cannot write "%1": %2)")
            .arg(path, file.errorString());
    }
    return {};
}

} // namespace sheets
