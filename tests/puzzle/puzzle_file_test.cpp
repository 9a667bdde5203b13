// SPDX-FileCopyrightText: 2026 The acronym authors
// SPDX-License-Identifier: MIT

#include "content.h"
#include "puzzle_file.h"

#include <QHash>
#include <QStringEncoder>
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

// The text in one of the encodings that teachers' editors save, with the byte-order mark that they
// write. windows-1251 here knows only Cyrillic, ASCII and the few signs the tests use.
QByteArray encoded(const QString &text, const QString &encoding)
{
    if (encoding == "UTF-16LE" || encoding == "UTF-16BE") {
        const bool little = encoding == "UTF-16LE";
        QStringEncoder encoder(little ? QStringEncoder::Utf16LE : QStringEncoder::Utf16BE);
        return QByteArray(little ? "\xff\xfe" : "\xfe\xff") + QByteArray(encoder(text));
    }
    if (encoding == "windows-1251") {
        const QHash<QChar, char> signs{{u'«', '\xab'}, {u'»', '\xbb'}, {u'Ё', '\xa8'},
                                       {u'ё', '\xb8'}, {u'№', '\xb9'}, {u'—', '\x97'}};
        QByteArray bytes;
        for (const QChar character : text) {
            const char16_t code = character.unicode();
            bytes += code < 0x80                      ? static_cast<char>(code)
                     : code >= 0x410 && code <= 0x44f ? static_cast<char>(0xc0 + code - 0x410)
                                                      : signs.value(character, '?');
        }
        return bytes;
    }
    return (encoding == "UTF-8 with BOM" ? QByteArray("\xef\xbb\xbf") : QByteArray()) +
           text.toUtf8();
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
    void readsTheExercise_data();
    void readsTheExercise();
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
        << R"(t.txt:2: expected "word = explanation", or a key such as "title:")";
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
    QTest::addRow("a pair without its letter")
        << QByteArray("answer: ТОК\nТок = а\nОм = б\nВолт = в\n")
        << "t.txt:4: «Волт» does not start with «К», the 3rd letter of the answer";
    QTest::addRow("the 12th letter")
        << "answer: " + QByteArray("д").repeated(12) + "\n" + generatedPairs(11) + "ум = x\n"
        << "t.txt:13: «ум» does not start with «Д», the 12th letter of "
           "the answer";
    QTest::addRow("the 22nd letter")
        << "answer: " + QByteArray("д").repeated(22) + "\n" + generatedPairs(21) + "ум = x\n"
        << "t.txt:23: «ум» does not start with «Д», the 22nd letter of "
           "the answer";
    QTest::addRow("second answer") << "answer: аб\n" + two + "answer: аб\n"
                                   << "t.txt:4: a second answer; the first is on line 1";
    QTest::addRow("empty answer") << "answer:  \n" + two << "t.txt:1: the answer is empty";
    QTest::addRow("second answer in Bulgarian")
        << "Answer: аб\n" + two + "ОТГОВОР: аб\n"
        << "t.txt:4: a second answer; the first is on line 1";
    const QString broken = QStringLiteral("а = б\r\nв = г\r\nд =  \r\n");
    for (const char *encoding : {"UTF-8 with BOM", "UTF-16LE", "UTF-16BE", "windows-1251"}) {
        QTest::addRow("%s: a refusal on line 3", encoding)
            << encoded(broken, encoding) << "t.txt:3: the explanation after \"=\" is empty";
    }
    QTest::addRow("UTF-8 with BOM: a broken line") << "\xef\xbb\xbf# x\n" + two + "\xe0 = x\n"
                                                   << "t.txt:4: is not UTF-8 text";
    QTest::addRow("UTF-16LE: a lone surrogate")
        << encoded("а = б\nв = г\n", "UTF-16LE") + QByteArray("\x00\xd8", 2)
        << "t.txt:3: is not UTF-16LE text";
    QTest::addRow("UTF-16BE: half a character at the end")
        << encoded("а = б\nв = г\nд", "UTF-16BE") + "\x04"
        << "t.txt:3: is not UTF-16BE text";
    QTest::addRow("windows-1251: its unassigned byte")
        << encoded("а = б\nв = г\n", "windows-1251") + "\x98 = x\n"
        << "t.txt:3: has the byte 0x98, which is no character in windows-1251";
    QTest::addRow("one UTF-8 word with a broken byte")
        << QByteArray("# x\nкон\xff = a\nb = c\n") << "t.txt:2: is not UTF-8 text";
    QTest::addRow("second title") << "# x\ntitle: Едно\n" + two + "заглавие: Друго\n"
                                  << "t.txt:5: a second title; the first is on line 2";
    QTest::addRow("empty title") << two + "Заглавие:\n"
                                 << "t.txt:3: the title is empty";
    QTest::addRow("empty instruction")
        << "instructions: Прочети.\nуказания:  \t\n" + two << "t.txt:2: the instruction is empty";
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
    const puzzle::Puzzle shipped = puzzle::LoadPuzzle(QStringLiteral(PUZZLES_DIR "/khan.acronym"));
    board::MasterRows builtIn = board::BuiltInPuzzle();
    builtIn.words[2] = "Евридика"; // the file's texts are trimmed
    QCOMPARE(shipped.exercise.rows.words, builtIn.words);
    QCOMPARE(shipped.exercise.rows.explanations, builtIn.explanations);
    QCOMPARE(shipped.exercise.rows.wordKeys, builtIn.wordKeys);
    QCOMPARE(shipped.exercise.rows.explanationKeys, builtIn.explanationKeys);
    QCOMPARE(shipped.exercise.answer, "хан Тервел");
    QCOMPARE(shipped.exercise.title, board::BuiltInExercise().title);
    QCOMPARE(shipped.exercise.instructions, board::BuiltInExercise().instructions);
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

    const board::MasterRows read = puzzle::ParsePuzzle(text, QStringLiteral("t.txt")).exercise.rows;
    QCOMPARE(read.words, words);
    QCOMPARE(read.wordKeys, wordKeys);
    QCOMPARE(read.explanations, explanations);
    QCOMPARE(read.explanationKeys, explanationKeys);
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
    QCOMPARE(
        QString::fromStdString(puzzle::ParsePuzzle(text, QStringLiteral("t.txt")).exercise.answer),
        answer);
}

void PuzzleFileTest::readsTheExercise_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QString>("encoding");
    QTest::addColumn<QString>("title");
    QTest::addColumn<Texts>("instructions");
    QTest::addColumn<QString>("answer");
    QTest::addColumn<Texts>("words");

    const QByteArray pairs = "кон = а\nум = б\n";
    const Texts both{"кон", "ум"};
    QTest::addRow("no keys") << pairs << "UTF-8"
                             << "Акроним" << Texts{} << "ку" << both;
    QTest::addRow("English keys")
        << "title: Ханове\ninstructions: Първо.\ninstructions: Второ.\nanswer: КУ\n" + pairs
        << "UTF-8"
        << "Ханове" << Texts{"Първо.", "Второ."} << "КУ" << both;
    QTest::addRow("Bulgarian keys, any case")
        << "ЗАГЛАВИЕ: Ханове\nУказания: Първо.\nотговоР: ку\n" + pairs << "UTF-8"
        << "Ханове" << Texts{"Първо."} << "ку" << both;
    QTest::addRow("blanks around a key, a colon in its value")
        << "  Title :  Тема: ханове  \n" + pairs << "UTF-8"
        << "Тема: ханове" << Texts{} << "ку" << both;
    QTest::addRow("instructions in order, between pairs")
        << QByteArray("instructions: Първо.\nкон = а\nуказания: Второ.\nум = б\n") << "UTF-8"
        << "Акроним" << Texts{"Първо.", "Второ."} << "ку" << both;
    QTest::addRow("a word with a colon is no key")
        << QByteArray("Рим: град = а\nум = б\n") << "UTF-8"
        << "Акроним" << Texts{} << "Ру" << Texts{"Рим: град", "ум"};

    // In windows-1251 "Н»" is also a well-formed UTF-8 sequence: one among many stray bytes
    // decides nothing.
    const QString text =
        QStringLiteral("заглавие: «ХАН» №1 — Ёлха\r\nЁлха = ела\r\nюг = посока\r\n");
    for (const char *encoding :
         {"UTF-8", "UTF-8 with BOM", "UTF-16LE", "UTF-16BE", "windows-1251"}) {
        QTest::addRow("%s", encoding)
            << encoded(text, encoding) << QString(encoding).remove(" with BOM") << "«ХАН» №1 — Ёлха"
            << Texts{} << "Ёю" << Texts{"Ёлха", "юг"};
    }
}

void PuzzleFileTest::readsTheExercise()
{
    QFETCH(QByteArray, text);
    QFETCH(QString, encoding);
    QFETCH(QString, title);
    QFETCH(Texts, instructions);
    QFETCH(QString, answer);
    QFETCH(Texts, words);

    const puzzle::Puzzle read = puzzle::ParsePuzzle(text, QStringLiteral("t.txt"));
    QCOMPARE(puzzle::EncodingName(read.encoding), encoding);
    QCOMPARE(QString::fromStdString(read.exercise.title), title);
    QCOMPARE(read.exercise.caption, read.exercise.title);
    QCOMPARE(read.exercise.instructions, instructions);
    QCOMPARE(QString::fromStdString(read.exercise.answer), answer);
    QCOMPARE(read.exercise.rows.words, words);
}

QTEST_APPLESS_MAIN(PuzzleFileTest)
#include "puzzle_file_test.moc"
