// SPDX-FileCopyrightText: 2026 The acronym authors
// SPDX-License-Identifier: MIT

#include "content.h"
#include "drawn_pictures.h"
#include "puzzle_file.h"
#include "translations.h"

#include <QHash>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QStringEncoder>
#include <QTemporaryDir>
#include <QTest>

namespace {

// Text in one of the encodings that teachers' editors save. windows-1251 here knows only
// Cyrillic, ASCII and the few signs the tables use.
QByteArray encoded(const QString &text, const QString &encoding)
{
    if (encoding == "UTF-16LE" || encoding == "UTF-16BE") {
        QStringEncoder encoder(encoding == "UTF-16LE" ? QStringEncoder::Utf16LE
                                                      : QStringEncoder::Utf16BE);
        return encoder(text);
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
    return text.toUtf8();
}

// The bytes of a file of the shared table: its text in its encoding, after the byte-order mark
// that editors write, with each "\xHH" as that byte; then its generated pairs and what follows.
QByteArray bytesOf(const QJsonObject &file)
{
    const QString encoding = file["encoding"].toString(QStringLiteral("UTF-8"));
    const QHash<QString, QByteArray> marks{
        {"UTF-8 with BOM", "\xef\xbb\xbf"}, {"UTF-16LE", "\xff\xfe"}, {"UTF-16BE", "\xfe\xff"}};
    QByteArray bytes = marks.value(encoding);
    static const QRegularExpression raw(QStringLiteral(R"(\\x([0-9a-f]{2}))"));
    QString text = file["text"].toString();
    const QHash<QString, QByteArray> files = checks::FilesOf(file["files"].toObject());
    text = checks::WithDataAddresses(text, files);
    qsizetype done = 0;
    for (const QRegularExpressionMatch &match : raw.globalMatch(text)) {
        bytes += encoded(text.sliced(done, match.capturedStart() - done), encoding);
        bytes += static_cast<char>(match.captured(1).toInt(nullptr, 16));
        done = match.capturedEnd();
    }
    bytes += encoded(text.sliced(done), encoding);
    for (int pair = 0; pair < file["pairs"].toInt(); ++pair) {
        bytes += QStringLiteral("дума%1 = обяснение %1\n").arg(pair).toUtf8();
    }
    return bytes + file["then"].toString().toUtf8();
}

QStringList textsOf(const std::vector<std::string> &texts)
{
    QStringList list;
    for (const std::string &text : texts) {
        list << QString::fromStdString(text);
    }
    return list;
}

} // namespace

class PuzzleFileTest : public QObject
{
    Q_OBJECT

private slots:
    // In English first; then the shared table installs the Bulgarian translation.
    void namesTheLetterInEnglish_data();
    void namesTheLetterInEnglish();
    void refusesBadFiles_data();
    void refusesBadFiles();
    void reproducesTheBuiltInPuzzle();
    void readsTheSharedFiles_data();
    void readsTheSharedFiles();
};

void PuzzleFileTest::readsTheSharedFiles_data()
{
    // The reasons as a Bulgarian teacher reads them, as the editor's page gives them.
    static const bool bulgarian = [] {
        InstallTranslations(*QCoreApplication::instance(),
                            QLocale(QLocale::Bulgarian, QLocale::Bulgaria));
        return true;
    }();
    QVERIFY(bulgarian);
    QTest::addColumn<QJsonObject>("file");
    QFile table(QStringLiteral(SOURCE_FOLDER "/tests/puzzle/puzzle_files.json"));
    QVERIFY(table.open(QIODevice::ReadOnly));
    for (const QJsonValue file : QJsonDocument::fromJson(table.readAll())["files"].toArray()) {
        QTest::newRow(qPrintable(file["name"].toString())) << file.toObject();
    }
}

// The editor's page reads the same table; each fact is compared as one line that names it.
void PuzzleFileTest::readsTheSharedFiles()
{
    QFETCH(QJsonObject, file);
    QStringList seen;
    const QTemporaryDir folder;
    const QHash<QString, QByteArray> files = checks::FilesOf(file["files"].toObject());
    for (auto picture = files.begin(); picture != files.end(); ++picture) {
        QFile out(folder.filePath(picture.key()));
        QVERIFY(out.open(QIODevice::WriteOnly) && out.write(picture.value()) == picture->size());
    }
    try {
        const puzzle::Puzzle read = puzzle::ParsePuzzle(
            bytesOf(file), QStringLiteral("t.txt"), puzzle::FilesBeside(folder.filePath("t.txt")));
        const board::Exercise &exercise = read.exercise;
        QStringList pictures;
        for (const board::Picture &picture : exercise.pictures) {
            pictures << (picture.type.empty() ? QStringLiteral("-")
                                              : QString::fromStdString(picture.type).sliced(6));
        }
        const QHash<QString, QStringList> facts{
            {"read", {puzzle::EncodingName(read.encoding)}},
            {"answer", {QString::fromStdString(exercise.answer)}},
            {"title", {QString::fromStdString(exercise.title)}},
            {"instructions", textsOf(exercise.instructions)},
            {"words", textsOf(exercise.rows.words)},
            {"wordKeys", textsOf(exercise.rows.wordKeys)},
            {"explanations", textsOf(exercise.rows.explanations)},
            {"explanationKeys", textsOf(exercise.rows.explanationKeys)},
            {"pictures", pictures}};
        QCOMPARE(exercise.caption, exercise.title);
        for (auto fact = facts.begin(); fact != facts.end(); ++fact) {
            if (file.contains(fact.key())) {
                seen << fact.key() + QStringLiteral(": ") + fact.value().join(" | ");
            }
        }
    } catch (const puzzle::PuzzleError &error) {
        seen << QStringLiteral("refused: %1 | %2").arg(error.line()).arg(error.reason());
    }
    QStringList wanted;
    for (const QString &key : file.keys()) {
        const QJsonValue value = file[key];
        if (key == "refused") {
            wanted << QStringLiteral("refused: %1 | %2")
                          .arg(value[0].toInt())
                          .arg(value[1].toString());
        } else if (!QStringList{"name", "text", "encoding", "pairs", "then", "files"}.contains(
                       key)) {
            const QVariantList values =
                value.isArray() ? value.toArray().toVariantList() : QVariantList{value.toVariant()};
            wanted << key + QStringLiteral(": ") + QVariant(values).toStringList().join(" | ");
        }
    }
    seen.sort();
    wanted.sort();
    QCOMPARE(seen.join(u'\n'), wanted.join(u'\n'));
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

void PuzzleFileTest::namesTheLetterInEnglish_data()
{
    QTest::addColumn<int>("number");
    QTest::addColumn<QString>("place");
    for (const auto &[number, place] : {std::pair{1, "1st"},
                                        {2, "2nd"},
                                        {3, "3rd"},
                                        {4, "4th"},
                                        {11, "11th"},
                                        {12, "12th"},
                                        {13, "13th"},
                                        {21, "21st"},
                                        {22, "22nd"},
                                        {23, "23rd"},
                                        {40, "40th"}}) {
        QTest::addRow("%d", number) << number << place;
    }
}

// English says which letter with an ordinal; the shared table holds the Bulgarian words.
void PuzzleFileTest::namesTheLetterInEnglish()
{
    QFETCH(int, number);
    QFETCH(QString, place);
    QCOMPARE(
        puzzle::WrongLetter("ум", "д", number),
        QStringLiteral("«ум» does not start with «Д», the %1 letter of the answer").arg(place));
}

QTEST_GUILESS_MAIN(PuzzleFileTest)
#include "puzzle_file_test.moc"
