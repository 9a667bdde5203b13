// SPDX-FileCopyrightText: 2026 The acronym authors
// SPDX-License-Identifier: MIT

#include "editor_window.h"
#include "puzzle_file.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QTest>
#include <QTimer>
#ifdef Q_OS_UNIX
#include <sys/stat.h>
#endif

namespace {

using editor::Draft;

// A row as a test writes it: its word, after a '~' when it has no letter.
QStringList rowsOf(const Draft &draft)
{
    QStringList rows;
    for (const editor::Row &row : draft.rows) {
        rows << (row.lettered ? QString() : QStringLiteral("~")) + row.word;
    }
    return rows;
}

Draft draftOf(const QString &answer, const QStringList &words)
{
    Draft draft = editor::WithAnswer({}, answer);
    for (qsizetype row = 0; row < words.size(); ++row) {
        draft.rows[row].word = words[row];
    }
    return draft;
}

// Types text that need not be ASCII, a key press for each character.
void type(QWidget *field, const QString &text)
{
    for (const QChar character : text) {
        QTest::sendKeyEvent(QTest::Click, field, Qt::Key_unknown, QString(character), {});
    }
}

QByteArray bytesOf(const QString &path)
{
    QFile file(QStringLiteral(SOURCE_FOLDER "/") + path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class EditorTest : public QObject
{
    Q_OBJECT

private slots:
    void rowsFollowTheAnswer_data();
    void rowsFollowTheAnswer();
    void savesWhatItOpens_data();
    void savesWhatItOpens();
    void listsTheReadersProblems_data();
    void listsTheReadersProblems();
    void undoesALetterWithItsRow();
    void asksBeforeClosing();
    void refusesANamedPipe();
};

void EditorTest::rowsFollowTheAnswer_data()
{
    QTest::addColumn<QString>("answer");
    QTest::addColumn<QStringList>("words");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QStringList>("rows");

    QTest::addRow("the first letter") << "" << QStringList{} << "Т" << QStringList{""};
    QTest::addRow("a letter at the end")
        << "ТО" << QStringList{"Ток", "Ом"} << "ТОК" << QStringList{"Ток", "Ом", ""};
    QTest::addRow("a letter in the middle")
        << "ТК" << QStringList{"Ток", "Кулон"} << "ТОК" << QStringList{"Ток", "", "Кулон"};
    QTest::addRow("an empty row's letter out")
        << "ТОК" << QStringList{"Ток", "", "Кулон"} << "ТК" << QStringList{"Ток", "Кулон"};
    QTest::addRow("a row with text keeps it")
        << "ТОК" << QStringList{"Ток", "Ом", "Кулон"} << "ТК" << QStringList{"Ток", "~Ом", "Кулон"};
    QTest::addRow("a repeated letter out")
        << "ТОО" << QStringList{"Ток", "Ом", "Оса"} << "ТО" << QStringList{"Ток", "Ом", "~Оса"};
    QTest::addRow("a letter replaced") << "ТОК" << QStringList{"Ток", "Ом", "Кулон"} << "ТИК"
                                       << QStringList{"Ток", "", "~Ом", "Кулон"};
    QTest::addRow("a blank is no letter")
        << "хан" << QStringList{"х", "а", "н"} << "ха н" << QStringList{"х", "а", "н"};
    QTest::addRow("the answer cleared")
        << "ТО" << QStringList{"Ток", ""} << "" << QStringList{"~Ток"};
}

void EditorTest::rowsFollowTheAnswer()
{
    QFETCH(QString, answer);
    QFETCH(QStringList, words);
    QFETCH(QString, typed);
    QFETCH(QStringList, rows);
    QCOMPARE(rowsOf(editor::WithAnswer(draftOf(answer, words), typed)), rows);
}

void EditorTest::savesWhatItOpens_data()
{
    QTest::addColumn<QString>("file");
    QTest::addRow("the shipped puzzle") << "puzzles/khan.acronym";
    QTest::addRow("windows-1251 with comments") << "tests/app/windows_1251.txt";
    QTest::addRow("texts like markup") << "tests/games/markup.acronym";
    QTest::addRow("a draft") << "tests/editor/draft.acronym";
    QTest::addRow("a refused file") << "tests/app/bad_puzzle.txt";
}

// Saved and read again, a file is the same draft, keeps its comments, and is the same puzzle to
// the reader, or refused as before; the editor calls it playable exactly when the reader does.
void EditorTest::savesWhatItOpens()
{
    QFETCH(QString, file);
    const puzzle::DecodedText text = puzzle::DecodeText(bytesOf(file));
    const Draft draft = editor::ReadDraft(text.lines);
    const QByteArray saved = editor::DraftText(draft);
    QCOMPARE(editor::ReadDraft(QString::fromUtf8(saved).split(u'\n')), draft);
    for (const QString &line : text.lines) {
        if (line.trimmed().startsWith(u'#')) {
            QVERIFY2(saved.contains(line.trimmed().toUtf8()), qPrintable(line));
        }
    }
    const auto exercise = [](QByteArrayView bytes) {
        try {
            board::Exercise read = puzzle::ParsePuzzle(bytes, QString()).exercise;
            return QStringList{QString::fromStdString(read.answer),
                               QString::fromStdString(read.title),
                               QString::number(read.instructions.size()),
                               QString::fromStdString(read.rows.words.back()),
                               QString::fromStdString(read.rows.explanationKeys.back())};
        } catch (const puzzle::PuzzleError &error) {
            return QStringList{QStringLiteral("refused")};
        }
    };
    QCOMPARE(exercise(saved), exercise(bytesOf(file)));
    QCOMPARE(editor::Problems(draft).isEmpty(), exercise(saved).size() > 1);
}

void EditorTest::listsTheReadersProblems_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("problems");
    QTest::addRow("playable") << "отговор: ТО\nТок = а\nОм = б" << QStringList{};
    QTest::addRow("a wrong first letter")
        << "отговор: ТОК\nХук = а\nОм = б\nКон = в"
        << QStringList{R"(Answer: the words' first letters spell "ХОК", not "ТОК")",
                       R"(Row 1: the word "Хук" should start with "Т", letter 1)"};
    QTest::addRow("an empty explanation and too few pairs")
        << "Ток =\nОм = б"
        << QStringList{R"(Row 1: the explanation after "=" is empty)",
                       "a puzzle needs at least 2 pairs, and this one has 1"};
}

void EditorTest::listsTheReadersProblems()
{
    QFETCH(QString, text);
    QFETCH(QStringList, problems);
    QCOMPARE(editor::Problems(editor::ReadDraft(text.split(u'\n'))), problems);
}

// The answer loses a letter whose row has text, then one whose row is empty; Ctrl+Z in a row's
// field brings back both letters and their rows.
void EditorTest::undoesALetterWithItsRow()
{
    EditorWindow window;
    window.show();
    auto *answer = window.findChildren<QLineEdit *>().at(1);
    type(answer, "ТОК");
    auto *word = window.findChild<QLineEdit *>(QString(), Qt::FindChildrenRecursively);
    for (QLineEdit *field : window.findChildren<QLineEdit *>()) {
        if (field->accessibleName() == "Word 2") {
            word = field;
        }
    }
    type(word, "Ом");
    const Draft typed = window.draft();
    QTest::keyClick(answer, Qt::Key_Home);
    QTest::keyClick(answer, Qt::Key_Right);
    QTest::keyClick(answer, Qt::Key_Right);
    QTest::keyClick(answer, Qt::Key_Backspace);
    QTest::keyClick(answer, Qt::Key_End);
    QTest::keyClick(answer, Qt::Key_Backspace);
    QCOMPARE(rowsOf(window.draft()), QStringList({"", "~Ом"}));
    QTest::keyClick(window.findChildren<QLineEdit *>().at(2), Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(window.draft(), typed);
    QCOMPARE(answer->text(), "ТОК");
}

void EditorTest::asksBeforeClosing()
{
    QPointer<EditorWindow> window = new EditorWindow;
    window->show();
    type(window->findChildren<QLineEdit *>().at(0), "Физика");
    QStringList asked;
    QTimer answer;
    connect(&answer, &QTimer::timeout, this, [&asked] {
        if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
            asked << box->text();
            box->button(asked.size() == 1 ? QMessageBox::Cancel : QMessageBox::Discard)->click();
        }
    });
    answer.start(10);
    window->close();
    QVERIFY(window && window->isVisible());
    window->close();
    QTRY_VERIFY(window.isNull());
    QCOMPARE(asked.size(), 2);
}

void EditorTest::refusesANamedPipe()
{
#ifdef Q_OS_UNIX
    const QString pipe = QDir::temp().filePath("acronym-test-pipe");
    QFile::remove(pipe);
    QVERIFY(::mkfifo(qPrintable(pipe), 0600) == 0);
    QVERIFY_THROWS_EXCEPTION(puzzle::PuzzleError, puzzle::ReadPuzzleFile(pipe));
    QFile::remove(pipe);
#endif
}

QTEST_MAIN(EditorTest)
#include "editor_test.moc"
