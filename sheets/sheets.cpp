// SPDX-FileCopyrightText: 2026 The acronym authors
// SPDX-License-Identifier: MIT

#include "sheets.h"

#include "board.h"
#include "crossword.h"
#include "pictures.h"

#include <QAbstractTextDocumentLayout>
#include <QCoreApplication>
#include <QFont>
#include <QFontMetricsF>
#include <QImage>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextLayout>
#include <QTextTable>
#include <QUrl>
#include <algorithm>
#include <cstddef>
#include <limits>
#include <optional>
#include <set>
#include <variant>
#include <vector>

namespace sheets {

namespace {

// How to solve the worksheet, for an exercise that brings no instructions of its own.
const std::vector<std::string> paperInstructions{
    "Прочети всяко пояснение и намери думата, която му отговаря.",
    "Запиши първата буква на думата в кутийката с номера на пояснението.",
    "Буквите в кутийките, прочетени поред, образуват отговора."};

constexpr int boxesPerRow = 10;

// A4 in the sheet's pixels, 96 to the inch, and the margins that the sheet keeps on every side.
const QSizeF a4(210 / 25.4 * 96, 297 / 25.4 * 96);
constexpr double margin = 20 / 25.4 * 96;

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

// A table of rows that never break across pages: a row that would is moved to the next page,
// where the table goes on under its heading again.
struct Table
{
    QString start; // the opening tag and the heading row
    QStringList rows;
    // The section's title and a paragraph under it, which go where the table's first row goes.
    QString title = {};
    QString note = {};
};

// A sheet's text and its tables, in order.
using Part = std::variant<QString, Table>;

// A table whose head row is repeated at the top of every page that it reaches.
Table table(const std::vector<Column> &head, const QStringList &rows, const QString &title = {})
{
    QString start = QStringLiteral("<table border='1' cellspacing='0' cellpadding='4' "
                                   "width='100%' style='border-collapse: collapse'><thead><tr>");
    for (const auto &[heading, width] : head) {
        start += QStringLiteral("<th width='%1%'>%2</th>").arg(width).arg(heading);
    }
    return {start + QStringLiteral("</tr></thead>"), rows, title};
}

// The sheet's HTML with each table cut before the rows in `breaks`: the rest of a cut table, or a
// table cut before its first row, starts a page under its heading.
QString html(const std::vector<Part> &parts, const std::set<std::pair<std::size_t, int>> &breaks)
{
    QString text;
    for (std::size_t part = 0; part < parts.size(); ++part) {
        if (const auto *words = std::get_if<QString>(&parts[part])) {
            text += *words;
            continue;
        }
        const auto &cut = std::get<Table>(parts[part]);
        const QString newPage = QStringLiteral(" style='page-break-before: always'");
        const QString onNewPage = QString(cut.start).replace(QStringLiteral("<table"),
                                                             QStringLiteral("<table") + newPage);
        if (!cut.title.isEmpty()) {
            text += QStringLiteral("<h2%1>%2</h2>")
                        .arg(breaks.contains({part, 0}) ? newPage : QString(), cut.title) +
                    cut.note;
        }
        text += breaks.contains({part, 0}) && cut.title.isEmpty() ? onNewPage : cut.start;
        for (int row = 0; row < cut.rows.size(); ++row) {
            if (row > 0 && breaks.contains({part, row})) {
                text += QStringLiteral("</table>") + onNewPage;
            }
            text += cut.rows[row];
        }
        text += QStringLiteral("</table>");
    }
    return text;
}

// The page that a height of the sheet is on, from 0.
int pageAt(double y)
{
    return static_cast<int>(y / a4.height());
}

// The highest and lowest point of a table row's text, in the sheet. A line that the layout moved
// to the next page counts where it went, which the blocks' rectangles do not say.
std::pair<double, double> extentOf(const QTextTable &table, int row,
                                   const QAbstractTextDocumentLayout &layout)
{
    double top = std::numeric_limits<double>::max();
    double bottom = 0;
    for (int column = 0; column < table.columns(); ++column) {
        const QTextTableCell cell = table.cellAt(row, column);
        const QTextBlock first = cell.firstCursorPosition().block();
        const QTextBlock last = cell.lastCursorPosition().block();
        if (first.layout()->lineCount() == 0 || last.layout()->lineCount() == 0) {
            continue;
        }
        top = std::min(top, layout.blockBoundingRect(first).top() + first.layout()->lineAt(0).y());
        const QTextLine end = last.layout()->lineAt(last.layout()->lineCount() - 1);
        bottom = std::max(bottom, layout.blockBoundingRect(last).top() + end.y() + end.height());
    }
    return {top, bottom};
}

// Where a table of the sheet must start a new page: before its first row (`row` 0), its title
// with it, when its first row is on a later page than its title; or before the first row that
// crosses the end of a page, unless the row is the first on its page, taller than a page. None
// when the table lies well.
std::optional<int> breakIn(const QTextDocument &sheet, QTextTable &table, bool titled)
{
    const QAbstractTextDocumentLayout &layout = *sheet.documentLayout();
    const int heading = table.format().headerRowCount();
    if (table.rows() <= heading) {
        return std::nullopt;
    }
    const QRectF title = layout.blockBoundingRect(sheet.findBlock(table.firstPosition() - 1));
    if (titled && pageAt(title.bottom() - 1) < pageAt(extentOf(table, heading, layout).first)) {
        return 0;
    }
    int pageBefore = pageAt(layout.frameBoundingRect(&table).top());
    for (int row = heading; row < table.rows(); ++row) {
        const auto [top, bottom] = extentOf(table, row, layout);
        if (pageAt(top) != pageAt(bottom) && pageAt(top) == pageBefore) {
            return row - heading;
        }
        pageBefore = pageAt(bottom);
    }
    return std::nullopt;
}

// Each table as the sheet shows it, cut before `breaks`: its part, and the part's first row in it.
std::vector<std::pair<std::size_t, int>>
tablesOf(const std::vector<Part> &parts, const std::set<std::pair<std::size_t, int>> &breaks)
{
    std::vector<std::pair<std::size_t, int>> shown;
    for (std::size_t part = 0; part < parts.size(); ++part) {
        if (std::holds_alternative<Table>(parts[part])) {
            shown.emplace_back(part, 0);
            for (const auto &[cutPart, row] : breaks) {
                if (cutPart == part && row > 0) {
                    shown.emplace_back(part, row);
                }
            }
        }
    }
    return shown;
}

// Lays `parts` out on A4 pages. A table row that would cross the end of a page (a tall picture,
// an explanation of several lines) goes to the next page whole, and its table on under its
// heading; a row that is taller than a page stays where it is.
void paginate(QTextDocument &sheet, const std::vector<Part> &parts)
{
    std::set<std::pair<std::size_t, int>> breaks;
    for (bool moved = true; moved;) {
        sheet.setHtml(html(parts, breaks));
        sheet.setPageSize(a4);
        QTextFrameFormat page = sheet.rootFrame()->frameFormat();
        page.setMargin(margin);
        sheet.rootFrame()->setFrameFormat(page);
        const std::vector<std::pair<std::size_t, int>> shown = tablesOf(parts, breaks);
        moved = false;
        std::size_t each = 0;
        for (QTextFrame *frame : sheet.rootFrame()->childFrames()) {
            auto *cut = qobject_cast<QTextTable *>(frame);
            if (cut == nullptr || each >= shown.size() || moved) {
                continue;
            }
            const auto [part, first] = shown[each++];
            const bool titled = first == 0 && !std::get<Table>(parts[part]).title.isEmpty();
            if (const std::optional<int> row = breakIn(sheet, *cut, titled)) {
                moved = breaks.insert({part, first + *row}).second;
            }
        }
    }
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
// sheet's pixels at 96 to the inch (and at most 6 cm wide), decoded once, upright, at 300 dots to
// the inch.
constexpr int pictureHeight = 113;
constexpr int pictureWidth = 2 * pictureHeight;
constexpr double printScale = 300.0 / 96.0;

// Explanation `row`'s picture as an image of `sheet`, and a blank after it; empty without one.
QString pictureOf(QTextDocument &sheet, const board::Exercise &exercise, std::size_t row)
{
    if (row >= exercise.pictures.size() || exercise.pictures[row].bytes.empty()) {
        return {};
    }
    const QByteArray bytes = QByteArray::fromStdString(exercise.pictures[row].bytes);
    const QSize shown = puzzle::UprightSize(bytes)
                            .scaled(pictureWidth, pictureHeight, Qt::KeepAspectRatio)
                            .expandedTo({1, 1});
    const QUrl name(QStringLiteral("picture:%1").arg(row));
    sheet.addResource(QTextDocument::ImageResource, name,
                      puzzle::DecodedPicture(bytes, shown * printScale));
    return QStringLiteral("<img src='%1' width='%2' height='%3'> ")
        .arg(name.toString())
        .arg(shown.width())
        .arg(shown.height());
}

// How to fill the crossword in on paper.
const QStringList crosswordInstructions{
    QStringLiteral("Прочети всяко пояснение и напиши думата в кутийките на реда му, по една буква "
                   "в кутийка."),
    QStringLiteral("Буквите в сивата колона, прочетени отгоре надолу, дават отговора.")};

// A crossword row's cells as a table of one row: `pad` blank places before them so that its first
// box stands in the key column, and each box `side` pixels a side, the key's shaded. A character
// that is not a letter stands as it is, without a box.
QString boxesOf(const crossword::Row &row, int pad, int side, bool filled)
{
    const auto place = [](int width, const QString &attributes, const QString &text) {
        return QStringLiteral("<td width='%1' align='center' valign='middle'%2>%3</td>")
            .arg(QString::number(width), attributes, text);
    };
    const QString boxed = QStringLiteral(" style='border: 1px solid black; padding: %1px 0'")
                              .arg(std::max(0, (side - 18) / 2));
    QString cells;
    for (int blank = 0; blank < pad; ++blank) {
        cells += place(side, {}, QStringLiteral("&nbsp;"));
    }
    for (std::size_t cell = 0; cell < row.cells.size(); ++cell) {
        const crossword::Cell &character = row.cells[cell];
        if (!character.box) {
            cells += place(side / 2, {}, character.text.toHtmlEscaped());
            continue;
        }
        const bool key = static_cast<int>(cell) == row.lead();
        cells += place(side, key ? boxed + QStringLiteral(" bgcolor='#c0c0c0'") : boxed,
                       filled ? character.text.toHtmlEscaped() : QStringLiteral("&nbsp;"));
    }
    return QStringLiteral("<table cellspacing='0' cellpadding='0'><tr>%1</tr></table>").arg(cells);
}

} // namespace

std::unique_ptr<QTextDocument> Crossword(const board::Exercise &exercise, bool filled)
{
    std::unique_ptr<QTextDocument> sheet = document();
    const std::vector<crossword::Row> rows = crossword::Rows(exercise);
    const crossword::Columns columns = crossword::ColumnsOf(rows);
    // Boxes of 7 mm where the longest row fits the explanations' column, smaller where it must.
    const int side = std::min(26, 560 / columns.count);
    QString start = heading(exercise, filled ? QStringLiteral(" — кръстословица, отговори")
                                             : QStringLiteral(" — кръстословица"));
    if (filled) {
        start += QStringLiteral("<p><b>Отговор:</b> %1</p>").arg(escaped(exercise.answer));
    } else {
        for (const QString &paragraph : crosswordInstructions) {
            start += QStringLiteral("<p>%1</p>").arg(paragraph);
        }
    }
    QStringList lines;
    for (const crossword::Row &row : rows) {
        lines << QStringLiteral("<tr><td align='center'>%1</td><td>%2%3%4</td></tr>")
                     .arg(QString::number(row.number),
                          row.picture < 0
                              ? QString()
                              : pictureOf(*sheet, exercise, static_cast<std::size_t>(row.picture)),
                          row.explanation.trimmed().toHtmlEscaped(),
                          boxesOf(row, columns.lead - row.lead(), side, filled));
    }
    paginate(*sheet, {start, table({{QStringLiteral("Ред"), 8}, {QStringLiteral("Пояснение"), 92}},
                                   lines)});
    return sheet;
}

std::unique_ptr<QTextDocument> Worksheet(const board::Exercise &exercise, const QImage &code)
{
    std::unique_ptr<QTextDocument> sheet = document();
    const board::MasterRows &rows = exercise.rows;
    QString start = heading(exercise);
    for (const std::string &paragraph :
         exercise.instructions.empty() ? paperInstructions : exercise.instructions) {
        start += QStringLiteral("<p>%1</p>").arg(escaped(paragraph));
    }

    QStringList words;
    for (const std::string &word : rows.words) {
        words << QStringLiteral("<tr><td>%1</td></tr>").arg(escaped(word));
    }
    QStringList explanations;
    for (std::size_t row = 0; row < rows.explanations.size(); ++row) {
        explanations << QStringLiteral("<tr><td align='center'>%1</td><td>%2%3</td></tr>")
                            .arg(boxNumber(rows.explanationKeys[row]),
                                 pictureOf(*sheet, exercise, row), escaped(rows.explanations[row]));
    }
    // The boxes, ten to a row, each with its number at its top and room below for a letter.
    QStringList boxes;
    const int letters = static_cast<int>(rows.words.size());
    for (int first = 0; first < letters; first += boxesPerRow) {
        QString row;
        for (int box = first; box < std::min(first + boxesPerRow, letters); ++box) {
            row += QStringLiteral("<td width='40' align='center'><small>%1</small><br>&nbsp;</td>")
                       .arg(box + 1);
        }
        boxes << QStringLiteral("<tr>%1</tr>").arg(row);
    }
    std::vector<Part> parts{
        start, table({{QStringLiteral("Дума"), 100}}, words, QStringLiteral("Думи")),
        table({{QStringLiteral("Кутийка"), 12}, {QStringLiteral("Пояснение"), 88}}, explanations,
              QStringLiteral("Пояснения")),
        Table{QStringLiteral("<table border='1' cellspacing='0' cellpadding='6' "
                             "style='border-collapse: collapse'>"),
              boxes, QStringLiteral("Отговор"),
              QStringLiteral("<p>Първата буква на всяка дума отива в кутийката с номера на "
                             "нейното пояснение.</p>")}};
    if (!code.isNull()) {
        // Half a millimetre a module, which a phone reads from a desk, and 4 to 8 cm a side,
        // each module a square of four pixels, which the printer keeps sharp.
        const int modules = code.width();
        const int side = std::clamp(modules * 96 * 5 / 254, 151, 302);
        sheet->addResource(
            QTextDocument::ImageResource, QUrl(QStringLiteral("qr:link")),
            code.scaled(modules * 4, modules * 4, Qt::IgnoreAspectRatio, Qt::FastTransformation));
        parts.emplace_back(Table{QStringLiteral("<table cellpadding='0'>"),
                                 {QStringLiteral("<tr><td><img src='qr:link' width='%1' "
                                                 "height='%1'></td></tr>")
                                      .arg(side)},
                                 QStringLiteral("Играй на телефон"),
                                 QStringLiteral("<p>Снимай кода с телефона си.</p>")});
    }
    paginate(*sheet, parts);
    return sheet;
}

std::unique_ptr<QTextDocument> AnswerKey(const board::Exercise &exercise)
{
    std::unique_ptr<QTextDocument> sheet = document();
    const board::MasterRows &rows = exercise.rows;
    const QString start = heading(exercise, QStringLiteral(" — отговори")) +
                          QStringLiteral("<p><b>Отговор:</b> %1</p>").arg(escaped(exercise.answer));

    // Box k holds the first letter of the word whose key is k; its explanation has the same key.
    QStringList pairs;
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
        pairs << QStringLiteral("<tr><td align='center'>%1</td><td align='center'>%2</td>"
                                "<td>%3</td><td>%4</td></tr>")
                     .arg(boxNumber(key), escaped(board::FirstCharacter(word)), escaped(word),
                          explanation);
    }
    paginate(*sheet, {start, table({{QStringLiteral("Кутийка"), 12},
                                    {QStringLiteral("Буква"), 10},
                                    {QStringLiteral("Дума"), 23},
                                    {QStringLiteral("Пояснение"), 55}},
                                   pairs)});
    return sheet;
}

std::unique_ptr<QTextDocument> SheetOf(Sheet sheet, const board::Exercise &exercise,
                                       const QImage &code)
{
    switch (sheet) {
    case Sheet::Worksheet:
        return Worksheet(exercise, code);
    case Sheet::AnswerKey:
        return AnswerKey(exercise);
    case Sheet::Crossword:
    case Sheet::CrosswordAnswers:
        break;
    }
    return Crossword(exercise, sheet == Sheet::CrosswordAnswers);
}

void Print(QTextDocument &sheet, QPagedPaintDevice &device)
{
    QPainter painter(&device);
    const QSizeF page = sheet.pageSize();
    const double scale = std::min(device.width() / page.width(), device.height() / page.height());
    // The number in the sheet's pixels, which the painter scales as it scales the sheet.
    QFont font = sheet.defaultFont();
    font.setPixelSize(qRound(font.pointSizeF() * 96 / 72));
    const QFontMetricsF metrics(font);
    for (int number = 1; number <= sheet.pageCount(); ++number) {
        if (number > 1) {
            device.newPage();
        }
        painter.save();
        painter.scale(scale, scale);
        const QRectF view(QPointF(0, (number - 1) * page.height()), page);
        painter.translate(0, -view.top());
        painter.setClipRect(view);
        QAbstractTextDocumentLayout::PaintContext context;
        context.clip = view;
        context.palette.setColor(QPalette::Text, Qt::black);
        sheet.documentLayout()->draw(&painter, context);
        // The page's number under the text, at its right edge.
        painter.setClipping(false);
        painter.setFont(font);
        painter.drawText(
            QPointF(view.right() - margin - metrics.horizontalAdvance(QString::number(number)),
                    view.bottom() - margin + metrics.ascent() + 5 * 96 / 72.0),
            QString::number(number));
        painter.restore();
    }
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
        writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                         QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter));
        Print(document, writer);
    }
    if (!file.commit()) {
        return QCoreApplication::translate("sheets", R"(cannot write "%1": %2)")
            .arg(path, file.errorString());
    }
    return {};
}

} // namespace sheets
