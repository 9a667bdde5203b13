// SPDX-FileCopyrightText: 2026 The acronym authors
// SPDX-License-Identifier: MIT

#include "content.h"
#include "puzzle_file.h"

#include <QTemporaryDir>
#include <QTest>

namespace {

using Texts = std::vector<std::string>;

// N pairs "думаK = обяснение K", one a line.
QByteArray generatedPairs(int count)
{
    QByteArray text;
    for (int pair = 0; pair < count; ++pair) {
        text += QStringLiteral("дума%1 = обяснение %1\n").arg(pair).toUtf8();
    }
    return text;
}

QString refusal(const QByteArray &text)
{
    try {
        puzzle::ParsePuzzle(text, QStringLiteral("t.txt"));
    } catch (const puzzle::PuzzleError &error) {
        return QString::fromUtf8(error.what());
    }
    return {};
}

} // namespace

class PuzzleFileTest : public QObject
{
    Q_OBJECT

private slots:
    void refusesBadText_data();
    void refusesBadText();
    void refusesBadFiles_data();
    void refusesBadFiles();
    void reproducesTheBuiltInPuzzle();
    void readsPairs_data();
    void readsPairs();
    void takesTheAnswer_data();
    void takesTheAnswer();
};

void PuzzleFileTest::refusesBadText_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QString>("message");

    const QByteArray two = "а = б\nв = г\n";
    QTest::addRow("invalid byte") << QByteArray("а = б\n\xff\xfe = x\nв = г\n")
                                  << "t.txt:2: is not UTF-8 text";
    QTest::addRow("overlong sequence")
        << QByteArray("\xc0\xaf = x\n") + two << "t.txt:1: is not UTF-8 text";
    QTest::addRow("cut sequence at the end")
        << two + QByteArray("д = \xd0") << "t.txt:3: is not UTF-8 text";
    QTest::addRow("encoded surrogate")
        << two + QByteArray("\xed\xa0\x80 = x\n") << "t.txt:3: is not UTF-8 text";
    QTest::addRow("Windows-1251 text")
        << QByteArray("\xe0 = \xe1\n") + two << "t.txt:1: is not UTF-8 text";
    QTest::addRow("no equals sign")
        << QByteArray("а = б\nпросто текст\nв = г\n")
        << R"(t.txt:2: expected "word = explanation" or "answer: NAME")";
    QTest::addRow("empty word") << two + " = обяснение\n"
                                << "t.txt:3: the word before \"=\" is empty";
    QTest::addRow("empty explanation") << two + "\n\nдума =  \t\n"
                                       << "t.txt:5: the explanation after \"=\" is empty";
    QTest::addRow("control character")
        << two + QByteArray("ду\x01ма = x\n") << "t.txt:3: has a control character";
    QTest::addRow("no pairs") << QByteArray("# only a comment\n\n")
                              << "t.txt:2: a puzzle needs at least 2 pairs, and this one has 0";
    QTest::addRow("empty file") << QByteArray()
                                << "t.txt:1: a puzzle needs at least 2 pairs, and this one has 0";
    QTest::addRow("one pair") << QByteArray("а = б")
                              << "t.txt:1: a puzzle needs at least 2 pairs, and this one has 1";
    QTest::addRow("41 pairs") << "# many\n" + generatedPairs(41) << "t.txt:42: more than 40 pairs";
    QTest::addRow("same word twice") << QByteArray("Елена = а\nрицар = б\nелена = в\n")
                                     << "t.txt:3: the word \"елена\" is already on line 1";
    QTest::addRow("same explanation twice")
        << QByteArray("а = древна машина\nб = нещо\nв =  Древна машина\n")
        << "t.txt:3: the explanation \"Древна машина\" is already on line 1";
    QTest::addRow("answer not spelt")
        << QByteArray("# x\nanswer: Крум\nкон = а\nрог = б\nум = в\n")
        << "t.txt:2: the words' first letters spell \"кру\", not \"Крум\"";
    QTest::addRow("second answer") << "answer: аб\n" + two + "answer: аб\n"
                                   << "t.txt:4: a second answer; the first is on line 1";
    QTest::addRow("empty answer") << "answer:  \n" + two << "t.txt:1: the answer is empty";
}

void PuzzleFileTest::refusesBadText()
{
    QFETCH(QByteArray, text);
    QFETCH(QString, message);
    QCOMPARE(refusal(text), message);
}

void PuzzleFileTest::refusesBadFiles_data()
{
    QTest::addColumn<QByteArray>("content"); // empty: no file at all
    QTest::addColumn<QString>("message");    // after the file's path

    QTest::addRow("missing") << QByteArray() << ": cannot be read: No such file or directory";
    QTest::addRow("over 1 MiB") << QByteArray(1024 * 1024 + 1, '#') << ": is larger than 1 MiB";
}

void PuzzleFileTest::refusesBadFiles()
{
    QFETCH(QByteArray, content);
    QFETCH(QString, message);
    const QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("puzzle.txt"));
    if (!content.isEmpty()) {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(content);
    }
    try {
        puzzle::LoadPuzzle(path);
        QFAIL("no PuzzleError");
    } catch (const puzzle::PuzzleError &error) {
        QCOMPARE(QString::fromUtf8(error.what()), path + message);
    }
}

void PuzzleFileTest::reproducesTheBuiltInPuzzle()
{
    const puzzle::Puzzle shipped = puzzle::LoadPuzzle(QStringLiteral(PUZZLES_DIR "/khan.txt"));
    board::MasterRows builtIn = board::BuiltInPuzzle();
    builtIn.words[2] = "Евридика"; // the file's texts are trimmed
    QCOMPARE(shipped.rows.words, builtIn.words);
    QCOMPARE(shipped.rows.explanations, builtIn.explanations);
    QCOMPARE(shipped.rows.wordKeys, builtIn.wordKeys);
    QCOMPARE(shipped.rows.explanationKeys, builtIn.explanationKeys);
    QCOMPARE(shipped.answer, QStringLiteral("хан Тервел"));
}

void PuzzleFileTest::readsPairs_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<Texts>("words");
    QTest::addColumn<Texts>("wordKeys");
    QTest::addColumn<Texts>("explanations");
    QTest::addColumn<Texts>("explanationKeys");

    QTest::addRow("keys follow the file's order")
        << QByteArray("б = 2\nа = 1\n") << Texts{"а", "б"} << Texts{"1", "0"} << Texts{"1", "2"}
        << Texts{"1", "0"};
    QTest::addRow("Bulgarian order, case aside")
        << QByteArray("Елена = е\nвизантийци = в\nябълка = я\nАспарух = а\nщит = щ\nъгъл = ъ\n"
                      "Юг = ю\nйод = й\n")
        << Texts{"Аспарух", "византийци", "Елена", "йод", "щит", "ъгъл", "Юг", "ябълка"}
        << Texts{"3", "1", "0", "7", "4", "5", "6", "2"}
        << Texts{"а", "в", "е", "й", "щ", "ъ", "ю", "я"}
        << Texts{"3", "1", "0", "7", "4", "5", "6", "2"};
    QTest::addRow("NFC") << QByteArray("и\xcc\x86од = x\nЙ = y\n") << Texts{"Й", "йод"}
                         << Texts{"1", "0"} << Texts{"x", "y"} << Texts{"0", "1"};
    QTest::addRow("BOM and CR LF")
        << QByteArray("\xef\xbb\xbf# бележка\r\nб = 2\r\n\r\nа = 1\r\n") << Texts{"а", "б"}
        << Texts{"1", "0"} << Texts{"1", "2"} << Texts{"1", "0"};
    QTest::addRow("blanks, comments and the first equals sign")
        << QByteArray("  # indented comment\n\t а \t=  x = y \nб=в\n") << Texts{"а", "б"}
        << Texts{"0", "1"} << Texts{"в", "x = y"} << Texts{"1", "0"};
    QTest::addRow("no line end at the end")
        << QByteArray("а = 1\nб = 2") << Texts{"а", "б"} << Texts{"0", "1"} << Texts{"1", "2"}
        << Texts{"0", "1"};
}

void PuzzleFileTest::readsPairs()
{
    QFETCH(QByteArray, text);
    QFETCH(Texts, words);
    QFETCH(Texts, wordKeys);
    QFETCH(Texts, explanations);
    QFETCH(Texts, explanationKeys);

    const puzzle::Puzzle read = puzzle::ParsePuzzle(text, QStringLiteral("t.txt"));
    QCOMPARE(read.rows.words, words);
    QCOMPARE(read.rows.wordKeys, wordKeys);
    QCOMPARE(read.rows.explanations, explanations);
    QCOMPARE(read.rows.explanationKeys, explanationKeys);
}

void PuzzleFileTest::takesTheAnswer_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QString>("answer");

    QTest::addRow("no answer line: the first letters")
        << QByteArray("кон = а\nрог = б\nум = в\nмост = г\n") << "крум";
    QTest::addRow("case and blanks aside")
        << QByteArray("answer:  К Р у м \nкон = а\nРог = б\nум = в\nмост = г\n") << "К Р у м";
    QTest::addRow("40 pairs") << "answer: " + QByteArray("д").repeated(40) + "\n" +
                                     generatedPairs(40)
                              << QString(40, u'д');
}

void PuzzleFileTest::takesTheAnswer()
{
    QFETCH(QByteArray, text);
    QFETCH(QString, answer);
    QCOMPARE(puzzle::ParsePuzzle(text, QStringLiteral("t.txt")).answer, answer);
}

QTEST_APPLESS_MAIN(PuzzleFileTest)
#include "puzzle_file_test.moc"
