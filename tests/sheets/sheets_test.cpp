// SPDX-FileCopyrightText: 2026 The acronym authors
// SPDX-License-Identifier: MIT

#include "board.h"
#include "content.h"
#include "crossword.h"
#include "drawn_pictures.h"
#include "pictures.h"
#include "puzzle_file.h"
#include "sheets.h"

#include <QAbstractTextDocumentLayout>
#include <QDir>
#include <QJsonDocument>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextLayout>
#include <QTextTable>

namespace {

// 40 pairs, the most a puzzle has, with words and explanations in the file's order.
board::Exercise mostPairs()
{
    board::Exercise exercise;
    exercise.title = "Най-дългата задача";
    exercise.answer = "Дълъг отговор";
    const QString letters = QStringLiteral("абвгдежзийклмнопрстуфхцчшщъьюя");
    for (int pair = 0; pair < 40; ++pair) {
        const QString key = QString::number(pair);
        exercise.rows.words.push_back(
            QStringLiteral("%1дума%2").arg(letters[pair % letters.size()]).arg(pair).toStdString());
        exercise.rows.wordKeys.push_back(key.toStdString());
        exercise.rows.explanations.push_back(
            QStringLiteral("обяснение номер %1").arg(pair).toStdString());
        exercise.rows.explanationKeys.push_back(key.toStdString());
    }
    return exercise;
}

// The text of a PDF, or of one page of it, as pdftotext reads it, with every run of blanks and
// line ends made one blank; `layout` keeps each table row on one line instead.
QString pdfText(const QString &path, int page = 0, bool layout = false)
{
    QStringList arguments;
    if (page > 0) {
        arguments << "-f" << QString::number(page) << "-l" << QString::number(page);
    }
    if (layout) {
        arguments << "-layout";
    }
    QProcess reader;
    reader.start("pdftotext", arguments << path << "-");
    if (!reader.waitForFinished() || reader.exitCode() != 0) {
        return {};
    }
    const QString text = QString::fromUtf8(reader.readAllStandardOutput());
    return layout ? text : text.simplified();
}

int pageCount(const QString &path)
{
    int pages = 0;
    while (!pdfText(path, pages + 1).isEmpty()) {
        ++pages;
    }
    return pages;
}

} // namespace

class SheetsTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void worksheetHoldsAllButTheAnswer_data();
    void worksheetHoldsAllButTheAnswer();
    void answerKeyIsComplete_data();
    void answerKeyIsComplete();
    void crosswordHidesTheWords_data();
    void crosswordHidesTheWords();
    void writesWholeOrNothing();
    void showsEachPicture();
    void breaksNoRowAcrossPages_data();
    void breaksNoRowAcrossPages();

private:
    QTemporaryDir m_folder;
};

void SheetsTest::initTestCase()
{
    QVERIFY2(QStandardPaths::findExecutable("pdftotext").size() > 0,
             "pdftotext is missing: scripts/setup installs poppler-utils");
}

void SheetsTest::worksheetHoldsAllButTheAnswer_data()
{
    QTest::addColumn<board::Exercise>("exercise");
    QTest::addColumn<int>("pages");
    QTest::addRow("built-in") << board::BuiltInExercise() << 2;
    QTest::addRow("40 pairs") << mostPairs() << 3;
}

void SheetsTest::worksheetHoldsAllButTheAnswer()
{
    QFETCH(board::Exercise, exercise);
    QFETCH(int, pages);
    const QString path = m_folder.filePath(QTest::currentDataTag() + QStringLiteral(".pdf"));
    QCOMPARE(sheets::WritePdf(*sheets::Worksheet(exercise), path), QString());

    const QString text = pdfText(path);
    QVERIFY(text.startsWith(QString::fromStdString(exercise.title)));
    const board::MasterRows &rows = exercise.rows;
    for (std::size_t row = 0; row < rows.words.size(); ++row) {
        const QString word = QString::fromStdString(rows.words[row]).trimmed();
        QVERIFY2(text.contains(word), qPrintable(word));
        // Each explanation carries the number of the box that its word's letter goes into.
        const QString explanation = QStringLiteral("%1 %2").arg(
            QString::number(board::KeyValue(rows.explanationKeys[row]) + 1),
            QString::fromStdString(rows.explanations[row]));
        QVERIFY2(text.contains(explanation), qPrintable(explanation));
    }
    const QString answer = QString::fromStdString(exercise.answer);
    QVERIFY(!text.contains(answer, Qt::CaseInsensitive));
    QVERIFY(!text.contains(QString(answer).remove(u' '), Qt::CaseInsensitive));

    // Every page that goes on with a list repeats its heading.
    QCOMPARE(pageCount(path), pages);
    for (int page = 2; page <= pages; ++page) {
        const QString pageText = pdfText(path, page);
        const bool words = pageText.contains(QString::fromStdString(rows.words.back()));
        const bool explanations =
            pageText.contains(QString::fromStdString(rows.explanations.back()));
        QVERIFY2(!words || pageText.contains("Дума"), qPrintable(pageText));
        QVERIFY2(!explanations || pageText.contains("Кутийка Пояснение"), qPrintable(pageText));
    }
}

void SheetsTest::answerKeyIsComplete_data()
{
    worksheetHoldsAllButTheAnswer_data();
}

void SheetsTest::answerKeyIsComplete()
{
    QFETCH(board::Exercise, exercise);
    const QString path = m_folder.filePath(QTest::currentDataTag() + QStringLiteral("-key.pdf"));
    QCOMPARE(sheets::WritePdf(*sheets::AnswerKey(exercise), path), QString());

    const QString text = pdfText(path, 0, true);
    QVERIFY(text.contains("Отговор: " + QString::fromStdString(exercise.answer)));
    // One row a pair, in box order: box, letter, word, explanation.
    const board::MasterRows &rows = exercise.rows;
    qsizetype from = 0;
    for (int box = 0; box < static_cast<int>(rows.words.size()); ++box) {
        QString word;
        QString explanation;
        for (std::size_t row = 0; row < rows.words.size(); ++row) {
            if (board::KeyValue(rows.wordKeys[row]) == box) {
                word = QString::fromStdString(rows.words[row]).trimmed();
            }
            if (board::KeyValue(rows.explanationKeys[row]) == box) {
                explanation = QString::fromStdString(rows.explanations[row]);
            }
        }
        // A long explanation wraps in its cell: its first words stand on the row.
        const QString start = explanation.section(u' ', 0, 1);
        const QRegularExpression row(QStringLiteral("^\\s*%1\\s+%2\\s+%3\\s+%4")
                                         .arg(box + 1)
                                         .arg(QRegularExpression::escape(word.left(1)),
                                              QRegularExpression::escape(word),
                                              QRegularExpression::escape(start)),
                                     QRegularExpression::MultilineOption);
        const QRegularExpressionMatch match = row.match(text, from);
        QVERIFY2(match.hasMatch(), qPrintable(QStringLiteral("box %1: %2").arg(box + 1).arg(word)));
        from = match.capturedEnd();
    }
}

void SheetsTest::crosswordHidesTheWords_data()
{
    QTest::addColumn<board::Exercise>("exercise");
    QTest::addColumn<bool>("filled");
    const board::Exercise spaced =
        puzzle::LoadPuzzle(QStringLiteral(GAMES_FOLDER "/crossword.acronym")).exercise;
    for (const bool filled : {false, true}) {
        const char *sheet = filled ? "answers" : "crossword";
        QTest::addRow("built-in %s", sheet) << board::BuiltInExercise() << filled;
        QTest::addRow("blanks and hyphens %s", sheet) << spaced << filled;
    }
}

// The crossword shows each explanation after its row's number, its boxes under it; a word only
// when filled, its letters in its boxes and its other characters between them; and the first
// boxes stand shaded in one column.
void SheetsTest::crosswordHidesTheWords()
{
    QFETCH(board::Exercise, exercise);
    QFETCH(bool, filled);
    const std::unique_ptr<QTextDocument> sheet = sheets::Crossword(exercise, filled);
    const QString path = m_folder.filePath(QStringLiteral("crossword.pdf"));
    QCOMPARE(sheets::WritePdf(*sheet, path), QString());
    QStringList lines = pdfText(path, 0, true).split(u'\n');
    for (QString &line : lines) {
        line.remove(QRegularExpression(QStringLiteral("\\s")));
    }
    const std::vector<crossword::Row> rows = crossword::Rows(exercise);
    for (const crossword::Row &row : rows) {
        const QString explanation = QString::number(row.number) + row.explanation;
        QVERIFY2(lines.contains(explanation.simplified().remove(u' ')), qPrintable(explanation));
        QCOMPARE(lines.contains(row.word.simplified().remove(u' ')), filled);
    }

    QList<double> shaded;
    const QAbstractTextDocumentLayout *layout = sheet->documentLayout();
    for (QTextBlock block = sheet->begin(); block.isValid(); block = block.next()) {
        const QTextTable *boxes = QTextCursor(block).currentTable();
        if (boxes != nullptr && boxes->cellAt(block.position()).format().background().color() ==
                                    QColor(0xc0, 0xc0, 0xc0)) {
            shaded << layout->blockBoundingRect(block).left();
        }
    }
    QCOMPARE(shaded.size(), rows.size());
    QCOMPARE(std::count(shaded.begin(), shaded.end(), shaded.front()), shaded.size());
}

void SheetsTest::writesWholeOrNothing()
{
    // A path under a plain file cannot be written, whoever runs the test: nothing may be left.
    const QTemporaryDir folder;
    QFile blocker(folder.filePath(QStringLiteral("plain")));
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    const QString path = folder.filePath(QStringLiteral("plain/sheet.pdf"));
    const QString error = sheets::WritePdf(*sheets::Worksheet(board::BuiltInExercise()), path);
    QVERIFY2(error.contains(path), qPrintable(error));
    QCOMPARE(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"plain"});
}

// Each sheet holds each explanation's picture once, about 3 cm high, upright as its EXIF data
// says: a photo taken turned stands taller than it is wide.
void SheetsTest::showsEachPicture()
{
    board::Exercise exercise = board::BuiltInExercise();
    exercise.pictures.resize(exercise.rows.explanations.size());
    const QHash<QString, QByteArray> files = checks::FilesOf(QJsonDocument::fromJson(R"({
        "0": {"draw": "jpeg", "size": [800, 600], "turned": 6},
        "4": {"draw": "png"}, "8": {"draw": "webp"}})")
                                                                 .object());
    for (auto file = files.begin(); file != files.end(); ++file) {
        exercise.pictures[file.key().toUInt()] =
            std::get<board::Picture>(puzzle::PictureOf(file.value()));
    }
    const QTemporaryDir folder;
    for (const bool answers : {false, true}) {
        const QString path = folder.filePath(QStringLiteral("sheet.pdf"));
        QCOMPARE(sheets::WritePdf(
                     *(answers ? sheets::AnswerKey(exercise) : sheets::Worksheet(exercise)), path),
                 QString());
        QProcess lister;
        lister.start("pdfimages", {"-list", path});
        QVERIFY(lister.waitForFinished() && lister.exitCode() == 0);
        // After two lines of heading, one line a picture: its page, number, type, width, height,
        // and further on its dots to the inch across and down.
        const QStringList lines = QString::fromUtf8(lister.readAllStandardOutput())
                                      .split(u'\n', Qt::SkipEmptyParts)
                                      .sliced(2);
        QCOMPARE(lines.size(), 3);
        int upright = 0;
        for (const QString &line : lines) {
            const QStringList fields = line.simplified().split(u' ');
            const double centimetres = fields[4].toDouble() / fields[13].toDouble() * 2.54;
            QVERIFY2(centimetres > 2.5 && centimetres < 3.5, qPrintable(line));
            upright += fields[3].toInt() < fields[4].toInt() ? 1 : 0;
        }
        QCOMPARE(upright, 1);
    }
}

// However many rows and pictures a sheet has, none of its table rows crosses the end of a page:
// a row's number, text, picture and boxes are printed together. (With a picture every second or
// fourth row, 40 pairs put a row with a picture, and a row of boxes, across a page's end.)
namespace {

// The pages that the lines of a table's row are laid out on, each line's top and bottom.
QSet<int> pagesOf(const QTextTable &table, int row, const QTextDocument &sheet)
{
    const double page = sheet.pageSize().height();
    const QAbstractTextDocumentLayout *layout = sheet.documentLayout();
    QSet<int> pages;
    for (int column = 0; column < table.columns(); ++column) {
        const QTextTableCell cell = table.cellAt(row, column);
        for (QTextBlock block = cell.firstCursorPosition().block();
             block.isValid() && block.position() <= cell.lastPosition(); block = block.next()) {
            const double top = layout->blockBoundingRect(block).top();
            for (int line = 0; line < block.layout()->lineCount(); ++line) {
                const QTextLine shown = block.layout()->lineAt(line);
                pages << int((top + shown.y()) / page)
                      << int((top + shown.y() + shown.height() - 1) / page);
            }
        }
    }
    return pages;
}

} // namespace

void SheetsTest::breaksNoRowAcrossPages_data()
{
    QTest::addColumn<int>("every");
    QTest::addRow("a picture every second row") << 2;
    QTest::addRow("a picture every fourth row") << 4;
}

void SheetsTest::breaksNoRowAcrossPages()
{
    QFETCH(int, every);
    board::Exercise exercise = mostPairs();
    exercise.pictures.resize(exercise.rows.explanations.size());
    const QByteArray picture = checks::Drawn("png", {160, 120});
    for (std::size_t row = 0; row < exercise.pictures.size(); row += every) {
        exercise.pictures[row] = std::get<board::Picture>(puzzle::PictureOf(picture));
    }
    using Sheet = std::unique_ptr<QTextDocument> (*)(const board::Exercise &);
    for (const Sheet make : std::initializer_list<Sheet>{
             [](const board::Exercise &made) { return sheets::Worksheet(made); }, sheets::AnswerKey,
             [](const board::Exercise &made) { return sheets::Crossword(made, false); },
             [](const board::Exercise &made) { return sheets::Crossword(made, true); }}) {
        const std::unique_ptr<QTextDocument> sheet = make(exercise);
        QVERIFY(sheet->pageCount() > 2);
        for (QTextFrame *frame : sheet->rootFrame()->childFrames()) {
            const auto *table = qobject_cast<QTextTable *>(frame);
            for (int row = 0; table != nullptr && row < table->rows(); ++row) {
                const QSet<int> pages = pagesOf(*table, row, *sheet);
                QVERIFY2(pages.size() == 1,
                         qPrintable(table->cellAt(row, 0).firstCursorPosition().block().text()));
            }
        }
    }
}

QTEST_MAIN(SheetsTest)
#include "sheets_test.moc"
