// SPDX-FileCopyrightText: 2026 The acronym authors
// SPDX-License-Identifier: MIT

#include "content.h"
#include "puzzle_file.h"
#include "translations.h"

#include <QBuffer>
#include <QHash>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QPainter>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QStringEncoder>
#include <QTemporaryDir>
#include <QTest>
#include <QtEndian>
#include <zlib.h>

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
    const QString text = file["text"].toString();
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
    void readsPictures_data();
    void readsPictures();
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
    try {
        const puzzle::Puzzle read = puzzle::ParsePuzzle(bytesOf(file), QStringLiteral("t.txt"));
        const board::Exercise &exercise = read.exercise;
        const QHash<QString, QStringList> facts{
            {"read", {puzzle::EncodingName(read.encoding)}},
            {"answer", {QString::fromStdString(exercise.answer)}},
            {"title", {QString::fromStdString(exercise.title)}},
            {"instructions", textsOf(exercise.instructions)},
            {"words", textsOf(exercise.rows.words)},
            {"wordKeys", textsOf(exercise.rows.wordKeys)},
            {"explanations", textsOf(exercise.rows.explanations)},
            {"explanationKeys", textsOf(exercise.rows.explanationKeys)}};
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
        } else if (!QStringList{"name", "text", "encoding", "pairs", "then"}.contains(key)) {
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

// A picture of our own in `format`: bands of colour, or noise that no format can make small.
QByteArray drawn(const char *format, QSize size = {320, 200}, bool noise = false)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::darkYellow);
    QPainter painter(&image);
    painter.fillRect(0, 0, size.width() / 3, size.height(), Qt::darkRed);
    painter.end();
    if (noise) {
        QRandomGenerator random(24);
        for (int y = 0; y < size.height(); ++y) {
            for (int x = 0; x < size.width(); ++x) {
                image.setPixel(x, y, random.generate());
            }
        }
    }
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format);
    return bytes;
}

// A PNG whose header says it is `side` pixels square, its checksum mended: nothing beyond the
// header need be read to refuse it.
QByteArray claimingSide(quint32 side)
{
    QByteArray bytes = drawn("png");
    qToBigEndian(side, bytes.data() + 16);
    qToBigEndian(side, bytes.data() + 20);
    const auto *const header = reinterpret_cast<const Bytef *>(bytes.constData() + 12);
    qToBigEndian(static_cast<quint32>(crc32(0, header, 17)), bytes.data() + 29);
    return bytes;
}

void PuzzleFileTest::readsPictures_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("read"); // the pictures' types in the explanations' order, or the
                                       // refusal after "t.acronym:"
    const QString three = QStringLiteral("Аспарух = хан\nкартина: ram.jpg\n# x\n\nБаян = брат\n"
                                         "Picture: coin.png\nВелик = ден\nКАРТИНА: rider.webp\n");
    QTest::addRow("JPEG, PNG and WebP") << three << "png webp jpeg";
    QTest::addRow("a data: address")
        << "а = б\nкартина: data:image/png;base64," + QString::fromLatin1(drawn("png").toBase64()) +
               "\nв = г\n"
        << "png -";
    QTest::addRow("after a key") << "а = б\nзаглавие: З\nкартина: coin.png\nв = г\n"
                                 << "3: a picture belongs right after the line of its pair";
    QTest::addRow("before any pair") << "картина: coin.png\nа = б\nв = г\n"
                                     << "1: a picture belongs right after the line of its pair";
    QTest::addRow("a second") << "а = б\nкартина: coin.png\n\nкартина: ram.jpg\nв = г\n"
                              << "4: a second picture for the pair on line 1";
    QTest::addRow("none named") << "а = б\nкартина:\nв = г\n"
                                << "2: the picture line names no picture";
    QTest::addRow("not base64") << "а = б\nкартина: data:image/png,abc\nв = г\n"
                                << R"(2: the "data:" address does not hold base64 bytes)";
    const QHash<QString, QString> refusals{
        {"missing.png", R"(the picture file "missing.png" cannot be read: no such file)"},
        {"text.jpg", "the picture is not a JPEG, PNG or WebP file"},
        {"drawing.svg", "the picture is not a JPEG, PNG or WebP file"},
        {"cut.jpg", "the picture does not decode whole"},
        {"huge.png", "the picture is 20000 × 20000 pixels, more than 4096 a side"},
        {"large.png", "the picture is larger than 512 KiB"},
    };
    for (auto refusal = refusals.begin(); refusal != refusals.end(); ++refusal) {
        QTest::addRow("%s", qPrintable(refusal.key()))
            << "а = б\nв = г\n\nкартина: " + refusal.key() + "\n"
            << "4: " + refusal.value();
    }
}

// Each file sits in a folder with the pictures that it names.
void PuzzleFileTest::readsPictures()
{
    QFETCH(QString, text);
    QFETCH(QString, read);
    const QTemporaryDir folder;
    const QByteArray jpeg = drawn("jpeg");
    const QHash<QString, QByteArray> files{
        {"ram.jpg", jpeg},
        {"coin.png", drawn("png")},
        {"rider.webp", drawn("webp")},
        {"text.jpg", "Аспарух\n"},
        {"drawing.svg", R"(<svg xmlns="http://www.w3.org/2000/svg"/>)"},
        {"cut.jpg", jpeg.first(jpeg.size() / 2)},
        {"huge.png", claimingSide(20000)},
        {"large.png", drawn("png", {512, 512}, true)},
        {"t.acronym", text.toUtf8()},
    };
    for (auto file = files.begin(); file != files.end(); ++file) {
        QFile out(folder.filePath(file.key()));
        QVERIFY(out.open(QIODevice::WriteOnly) && out.write(file.value()) == file.value().size());
    }
    const QString path = folder.filePath(QStringLiteral("t.acronym"));
    try {
        QStringList types;
        for (const board::Picture &picture : puzzle::LoadPuzzle(path).exercise.pictures) {
            types << (picture.type.empty() ? QStringLiteral("-")
                                           : QString::fromStdString(picture.type).sliced(6));
        }
        QCOMPARE(types.join(u' '), read);
    } catch (const puzzle::PuzzleError &error) {
        QCOMPARE(QString::fromUtf8(error.what()), path + ":" + read);
    }
}

QTEST_GUILESS_MAIN(PuzzleFileTest)
#include "puzzle_file_test.moc"
