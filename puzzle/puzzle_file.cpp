// SPDX-FileCopyrightText: 2026 The acronym authors
// SPDX-License-Identifier: MIT

#include "puzzle_file.h"

#include "board.h"
#include "pictures.h"

#include <QCollator>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QLocale>
#include <QStringList>
#include <algorithm>
#include <numeric>
#include <optional>
#include <utility>
#include <vector>

namespace puzzle {

namespace {

struct Pair
{
    QString word;
    QString explanation;
    int line = 0;
    int position = 0; // among the file's pair lines, refused ones included
    board::Picture picture;
};

[[noreturn]] void fail(const QString &fileName, int line, const QString &what)
{
    throw PuzzleError(fileName, line, what);
}

QString located(const QString &fileName, int line, const QString &reason)
{
    const QString where = line > 0 ? QStringLiteral("%1:%2").arg(fileName).arg(line) : fileName;
    return where + QStringLiteral(": ") + reason;
}

// The text's control characters, tabs aside, have no place in a row.
bool hasControlCharacter(const QString &text)
{
    return std::any_of(text.begin(), text.end(), [](QChar character) {
        return character != u'\t' && (character.unicode() < 0x20 || character.unicode() == 0x7F);
    });
}

QString firstLetters(const std::vector<Pair> &pairs)
{
    QString letters;
    for (const Pair &pair : pairs) {
        letters += QString::fromStdString(board::FirstCharacter(pair.word.toStdString()));
    }
    return letters;
}

QString withoutBlanks(QString text)
{
    text.remove(u' ');
    text.remove(u'\t');
    return text;
}

// Positions 0 to N-1 of `texts`, in Bulgarian alphabetical order of their texts, case aside; equal
// texts keep their order.
std::vector<std::size_t> alphabetical(const QStringList &texts)
{
    QCollator collator{QLocale(QLocale::Bulgarian, QLocale::Bulgaria)};
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    std::vector<std::size_t> order(static_cast<std::size_t>(texts.size()));
    std::iota(order.begin(), order.end(), std::size_t{0});
    std::stable_sort(order.begin(), order.end(), [&](std::size_t left, std::size_t right) {
        return collator.compare(texts[static_cast<qsizetype>(left)],
                                texts[static_cast<qsizetype>(right)]) < 0;
    });
    return order;
}

// The keys that a line may start with, before a colon.
enum class Key
{
    None,
    Answer,
    Title,
    Instructions,
    Picture
};

Key keyNamed(const QString &name)
{
    static const QHash<QString, Key> keys{
        {QStringLiteral("answer"), Key::Answer},
        {QStringLiteral("отговор"), Key::Answer},
        {QStringLiteral("title"), Key::Title},
        {QStringLiteral("заглавие"), Key::Title},
        {QStringLiteral("instructions"), Key::Instructions},
        {QStringLiteral("указания"), Key::Instructions},
        {QStringLiteral("picture"), Key::Picture},
        {QStringLiteral("картина"), Key::Picture},
    };
    return keys.value(name.toCaseFolded(), Key::None);
}

// The key of a line's text, trimmed and normalised, and the value after its colon.
std::pair<Key, QString> lineKeyOf(const QString &content)
{
    const qsizetype colon = content.indexOf(u':');
    const Key key = colon > 0 ? keyNamed(content.first(colon).trimmed()) : Key::None;
    return {key, key == Key::None ? QString() : content.sliced(colon + 1).trimmed()};
}

QString contentOf(const QString &line)
{
    return line.trimmed().normalized(QString::NormalizationForm_C);
}

// A file of over 1 MiB is taken only for its pictures.
bool tooLarge(QByteArrayView bytes, const QStringList &lines)
{
    return bytes.size() > maxFileBytes &&
           std::none_of(lines.begin(), lines.end(), [](const QString &line) {
               return lineKeyOf(contentOf(line)).first == Key::Picture;
           });
}

// Reads a file line by line; each read either takes the line or throws PuzzleError.
class Parser
{
public:
    Parser(QString fileName, const PictureFiles &files, CheckedPictures checked = {})
        : m_fileName(std::move(fileName)), m_files(files), m_checked(std::move(checked))
    {}

    void readLine(int line, const QString &text)
    {
        const QString content = contentOf(text);
        if (content.isEmpty() || content.startsWith(u'#')) {
            return;
        }
        if (hasControlCharacter(content)) {
            fail(m_fileName, line,
                 QCoreApplication::translate("puzzle", "has a control character"));
        }
        const auto [key, value] = lineKeyOf(content);
        if (key != Key::Picture) {
            m_last = {};
        }
        switch (key) {
        case Key::Answer:
            readOnce(
                m_answer, line, value,
                QCoreApplication::translate("puzzle", "a second answer; the first is on line %1"),
                QCoreApplication::translate("puzzle", "the answer is empty"));
            break;
        case Key::Title:
            readOnce(
                m_title, line, value,
                QCoreApplication::translate("puzzle", "a second title; the first is on line %1"),
                QCoreApplication::translate("puzzle", "the title is empty"));
            break;
        case Key::Instructions:
            if (value.isEmpty()) {
                fail(m_fileName, line,
                     QCoreApplication::translate("puzzle", "the instruction is empty"));
            }
            m_instructions.push_back(value.toStdString());
            break;
        case Key::Picture:
            readPicture(line, value);
            break;
        case Key::None:
            readPair(line, content);
            break;
        }
    }

    // The problems of the puzzle as a whole, once every line has been read.
    std::vector<Problem> wholeProblems(int lastLine) const
    {
        std::vector<Problem> problems;
        if (static_cast<int>(m_pairs.size()) < minPairs) {
            problems.push_back(
                {lastLine, QCoreApplication::translate(
                               "puzzle", "a puzzle needs at least %1 pairs, and this one has %2")
                               .arg(minPairs)
                               .arg(m_pairs.size())});
        }
        if (m_answer.line == 0) {
            return problems;
        }
        if (const QList<uint> letters = withoutBlanks(m_answer.text).toUcs4();
            letters.size() == m_pairLines) {
            // Each pair can be held to its own letter: name the pairs that miss theirs.
            for (const Pair &pair : m_pairWords) {
                const QString letter =
                    QStringView(QChar::fromUcs4(letters[pair.position])).toString();
                if (!pair.word.toCaseFolded().startsWith(letter.toCaseFolded())) {
                    problems.push_back(
                        {pair.line, WrongLetter(pair.word, letter, pair.position + 1)});
                }
            }
        } else if (const QString spelt = firstLetters(m_pairs);
                   withoutBlanks(spelt).toCaseFolded() !=
                   withoutBlanks(m_answer.text).toCaseFolded()) {
            problems.push_back(
                {m_answer.line, QCoreApplication::translate(
                                    "puzzle", R"(the words' first letters spell "%1", not "%2")")
                                    .arg(spelt, m_answer.text)});
        }
        return problems;
    }

    board::Exercise finish(int lastLine) const
    {
        if (const std::vector<Problem> problems = wholeProblems(lastLine); !problems.empty()) {
            fail(m_fileName, problems.front().line, problems.front().reason);
        }
        const QString letters = firstLetters(m_pairs);

        QStringList words;
        QStringList explanations;
        for (const Pair &pair : m_pairs) {
            words << pair.word;
            explanations << pair.explanation;
        }
        board::Exercise exercise;
        exercise.answer = (m_answer.line > 0 ? m_answer.text : letters).toStdString();
        exercise.title = m_title.line > 0 ? m_title.text.toStdString() : defaultTitle;
        exercise.caption = exercise.title;
        exercise.instructions = m_instructions;
        for (const std::size_t pair : alphabetical(words)) {
            exercise.rows.words.push_back(m_pairs[pair].word.toStdString());
            exercise.rows.wordKeys.push_back(std::to_string(pair));
        }
        const bool pictured = std::any_of(m_pairs.begin(), m_pairs.end(), [](const Pair &pair) {
            return !pair.picture.bytes.empty();
        });
        for (const std::size_t pair : alphabetical(explanations)) {
            exercise.rows.explanations.push_back(m_pairs[pair].explanation.toStdString());
            exercise.rows.explanationKeys.push_back(std::to_string(pair));
            if (pictured) {
                exercise.pictures.push_back(m_pairs[pair].picture);
            }
        }
        return exercise;
    }

private:
    // A value that may be given once, and the line that gave it: 0 while none has.
    struct Once
    {
        QString text;
        int line = 0;
    };

    // `second` has a place for the first one's line.
    void readOnce(Once &once, int line, const QString &value, const QString &second,
                  const QString &empty) const
    {
        if (once.line > 0) {
            fail(m_fileName, line, second.arg(once.line));
        }
        if (value.isEmpty()) {
            fail(m_fileName, line, empty);
        }
        once = {value, line};
    }

    // A picture belongs to the pair whose line it follows, with nothing but blank and comment lines
    // between them.
    void readPicture(int line, const QString &value)
    {
        if (m_last.pairLine == 0) {
            fail(m_fileName, line,
                 QCoreApplication::translate("puzzle",
                                             "a picture belongs right after the line of its pair"));
        }
        if (m_last.pictureLine > 0) {
            fail(m_fileName, line,
                 QCoreApplication::translate("puzzle", "a second picture for the pair on line %1")
                     .arg(m_last.pairLine));
        }
        m_last.pictureLine = line;
        if (const auto known = m_checked.constFind(line); known != m_checked.constEnd()) {
            if (!known->isEmpty()) {
                fail(m_fileName, line, *known);
            }
            return;
        }
        if (value.isEmpty()) {
            fail(m_fileName, line,
                 QCoreApplication::translate("puzzle", "the picture line names no picture"));
        }
        const std::variant<PictureName, QString> name = ReadPictureName(value);
        if (const QString *problem = std::get_if<QString>(&name)) {
            fail(m_fileName, line, *problem);
        }
        const auto &named = std::get<PictureName>(name);
        std::variant<QByteArray, QString> bytes = named.bytes;
        if (!named.file.isEmpty()) {
            bytes = m_files ? m_files(named.file)
                            : QCoreApplication::translate("puzzle",
                                                          R"(the picture file "%1" is not given)")
                                  .arg(named.file);
        }
        if (const QString *problem = std::get_if<QString>(&bytes)) {
            fail(m_fileName, line, *problem);
        }
        std::variant<board::Picture, QString> picture = PictureOf(std::get<QByteArray>(bytes));
        if (const QString *problem = std::get_if<QString>(&picture)) {
            fail(m_fileName, line, *problem);
        }
        if (m_last.pair) {
            m_pairs[*m_last.pair].picture = std::move(std::get<board::Picture>(picture));
        }
    }

    void readPair(int line, const QString &content)
    {
        m_last = {line, 0, std::nullopt};
        const int position = m_pairLines++;
        const qsizetype equals = content.indexOf(u'=');
        if (equals < 0) {
            fail(m_fileName, line,
                 QCoreApplication::translate(
                     "puzzle", R"(expected "word = explanation", or a key such as "title:")"));
        }
        Pair pair{content.first(equals).trimmed(),
                  content.sliced(equals + 1).trimmed(),
                  line,
                  position,
                  {}};
        if (!pair.word.isEmpty()) {
            m_pairWords.push_back(pair);
        }
        if (pair.word.isEmpty()) {
            fail(m_fileName, line,
                 QCoreApplication::translate("puzzle", R"(the word before "=" is empty)"));
        }
        if (pair.explanation.isEmpty()) {
            fail(m_fileName, line,
                 QCoreApplication::translate("puzzle", R"(the explanation after "=" is empty)"));
        }
        if (static_cast<int>(m_pairs.size()) == maxPairs) {
            fail(m_fileName, line,
                 QCoreApplication::translate("puzzle", "more than %1 pairs").arg(maxPairs));
        }
        remember(m_wordLines, line, pair.word,
                 QCoreApplication::translate("puzzle", R"(the word "%1" is already on line %2)"));
        remember(
            m_explanationLines, line, pair.explanation,
            QCoreApplication::translate("puzzle", R"(the explanation "%1" is already on line %2)"));
        m_pairs.push_back(std::move(pair));
        m_last.pair = m_pairs.size() - 1;
    }

    // Texts count as the same when they differ in case alone. `again` has places for the text
    // and the line where it first stood.
    void remember(QHash<QString, int> &lines, int line, const QString &text,
                  const QString &again) const
    {
        const QString folded = text.toCaseFolded();
        if (const int first = lines.value(folded); first > 0) {
            // In one pass, so that a text with a "%1" of its own stays as it is.
            fail(m_fileName, line, again.arg(text, QString::number(first)));
        }
        lines.insert(folded, line);
    }

    QString m_fileName;
    const PictureFiles &m_files;
    CheckedPictures m_checked; // pictures found before, by their lines
    std::vector<Pair> m_pairs;
    // The pair line that a picture line may follow: the last line read, unless it was blank or a
    // comment, was that pair's or its picture's.
    struct
    {
        int pairLine = 0;
        int pictureLine = 0;
        std::optional<std::size_t> pair; // in m_pairs; none for a pair line that was refused
    } m_last;
    // Every pair line with a word, refused ones too: each can still be held to its letter.
    std::vector<Pair> m_pairWords;
    int m_pairLines = 0;
    QHash<QString, int> m_wordLines;
    QHash<QString, int> m_explanationLines;
    Once m_answer;
    Once m_title;
    std::vector<std::string> m_instructions;
};

} // namespace

PuzzleError::PuzzleError(const QString &fileName, int line, const QString &reason)
    : std::runtime_error(located(fileName, line, reason).toStdString()), m_line(line),
      m_reason(reason)
{}

QString WrongLetter(const QString &word, const QString &letter, int number)
{
    // English ordinals; a translation may word all four alike.
    const int last = number % 10;
    const char *const places[] = {QT_TRANSLATE_NOOP("puzzle", "the %1th letter of the answer"),
                                  QT_TRANSLATE_NOOP("puzzle", "the %1st letter of the answer"),
                                  QT_TRANSLATE_NOOP("puzzle", "the %1nd letter of the answer"),
                                  QT_TRANSLATE_NOOP("puzzle", "the %1rd letter of the answer")};
    const char *place = places[number % 100 / 10 != 1 && last >= 1 && last <= 3 ? last : 0];
    return QCoreApplication::translate("puzzle", "«%1» does not start with «%2», %3")
        .arg(word, letter.toUpper(), QCoreApplication::translate("puzzle", place).arg(number));
}

Puzzle ParsePuzzle(QByteArrayView bytes, const QString &fileName, const PictureFiles &files)
{
    const DecodedText text = DecodeText(bytes);
    if (text.badLine > 0) {
        fail(fileName, text.badLine, text.problem);
    }
    if (tooLarge(bytes, text.lines)) {
        fail(fileName, 0, QCoreApplication::translate("puzzle", "is larger than 1 MiB"));
    }
    Parser parser(fileName, files);
    for (qsizetype line = 0; line < text.lines.size(); ++line) {
        parser.readLine(static_cast<int>(line + 1), text.lines[line]);
    }
    return {parser.finish(static_cast<int>(text.lines.size())), text.encoding};
}

std::vector<Problem> FindProblems(QByteArrayView bytes, const PictureFiles &files,
                                  const CheckedPictures &checked)
{
    const DecodedText text = DecodeText(bytes);
    if (text.badLine > 0) {
        return {{text.badLine, text.problem}};
    }
    if (tooLarge(bytes, text.lines)) {
        return {{0, QCoreApplication::translate("puzzle", "is larger than 1 MiB")}};
    }
    Parser parser{QString(), files, checked};
    std::vector<Problem> problems;
    for (qsizetype line = 0; line < text.lines.size(); ++line) {
        try {
            parser.readLine(static_cast<int>(line + 1), text.lines[line]);
        } catch (const PuzzleError &error) {
            problems.push_back({error.line(), error.reason()});
        }
    }
    // The puzzle's own problems name no line: the editor shows them apart from its rows.
    for (Problem &problem : parser.wholeProblems(0)) {
        problems.push_back(std::move(problem));
    }
    return problems;
}

QByteArray ReadPuzzleFile(const QString &path)
{
    // Anything but a regular file (a named pipe, a device, a folder) could block or never end.
    const QFileInfo info(path);
    if (info.exists() && !info.isFile()) {
        fail(path, 0, QCoreApplication::translate("puzzle", "is not a regular file"));
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        fail(path, 0,
             QCoreApplication::translate("puzzle", "cannot be read: %1").arg(file.errorString()));
    }
    QByteArray text = file.read(maxPicturedFileBytes + 1);
    if (file.error() != QFileDevice::NoError) {
        fail(path, 0,
             QCoreApplication::translate("puzzle", "cannot be read: %1").arg(file.errorString()));
    }
    if (text.size() > maxPicturedFileBytes) {
        fail(path, 0, QCoreApplication::translate("puzzle", "is larger than 8 MiB"));
    }
    return text;
}

PictureFiles FilesBeside(const QString &path)
{
    return [folder = QFileInfo(path).absoluteDir()](
               const QString &name) -> std::variant<QByteArray, QString> {
        const QString file = folder.absoluteFilePath(name);
        const auto unreadable = [&](const QString &why) {
            return QCoreApplication::translate("puzzle",
                                               R"(the picture file "%1" cannot be read: %2)")
                .arg(name, why);
        };
        if (!QFileInfo(file).isFile()) {
            return unreadable(QFileInfo::exists(file)
                                  ? QCoreApplication::translate("puzzle", "not a regular file")
                                  : QCoreApplication::translate("puzzle", "no such file"));
        }
        QFile picture(file);
        if (!picture.open(QIODevice::ReadOnly)) {
            return unreadable(picture.errorString());
        }
        // One byte more than a picture may have tells that it has too many.
        QByteArray bytes = picture.read(maxPictureBytes + 1);
        if (picture.error() != QFileDevice::NoError) {
            return unreadable(picture.errorString());
        }
        return bytes;
    };
}

Puzzle LoadPuzzle(const QString &path)
{
    Puzzle puzzle = ParsePuzzle(ReadPuzzleFile(path), path, FilesBeside(path));
    puzzle.exercise.path = QFileInfo(path).absoluteFilePath().toStdString();
    return puzzle;
}

} // namespace puzzle
