// SPDX-FileCopyrightText: 2026 The acronym authors
// SPDX-License-Identifier: MIT

#include "puzzle_file.h"

#include "board.h"

#include <QCollator>
#include <QFile>
#include <QHash>
#include <QLocale>
#include <QStringDecoder>
#include <QStringList>
#include <algorithm>
#include <numeric>
#include <utility>
#include <vector>

namespace puzzle {

namespace {

struct Pair
{
    QString word;
    QString explanation;
};

[[noreturn]] void fail(const QString &fileName, int line, const QString &what)
{
    const QString where = line > 0 ? QStringLiteral("%1:%2").arg(fileName).arg(line) : fileName;
    throw PuzzleError((where + QStringLiteral(": ") + what).toStdString());
}

QString quoted(const QString &text)
{
    return u'"' + text + u'"';
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

// Reads a file line by line; each read either takes the line or throws PuzzleError.
class Parser
{
public:
    explicit Parser(QString fileName) : m_fileName(std::move(fileName)) {}

    void readLine(int line, QByteArrayView bytes)
    {
        if (bytes.endsWith('\r')) {
            bytes.chop(1);
        }
        QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless |
                                                         QStringDecoder::Flag::ConvertInitialBom);
        const QString decoded = decoder(bytes);
        if (decoder.hasError()) {
            fail(m_fileName, line, QStringLiteral("is not UTF-8 text"));
        }
        const QString content = decoded.trimmed().normalized(QString::NormalizationForm_C);
        if (content.isEmpty() || content.startsWith(u'#')) {
            return;
        }
        if (hasControlCharacter(content)) {
            fail(m_fileName, line, QStringLiteral("has a control character"));
        }
        if (content.startsWith(QLatin1String("answer:"))) {
            readAnswer(line, content.sliced(7).trimmed());
        } else {
            readPair(line, content);
        }
    }

    Puzzle finish(int lastLine) const
    {
        if (static_cast<int>(m_pairs.size()) < minPairs) {
            fail(m_fileName, lastLine,
                 QStringLiteral("a puzzle needs at least %1 pairs, and this one has %2")
                     .arg(minPairs)
                     .arg(m_pairs.size()));
        }
        const QString letters = firstLetters(m_pairs);
        if (m_answerLine > 0 &&
            withoutBlanks(m_answer).toCaseFolded() != withoutBlanks(letters).toCaseFolded()) {
            fail(m_fileName, m_answerLine,
                 QStringLiteral("the words' first letters spell %1, not %2")
                     .arg(quoted(letters), quoted(m_answer)));
        }

        QStringList words;
        QStringList explanations;
        for (const Pair &pair : m_pairs) {
            words << pair.word;
            explanations << pair.explanation;
        }
        Puzzle puzzle;
        puzzle.answer = m_answerLine > 0 ? m_answer : letters;
        for (const std::size_t pair : alphabetical(words)) {
            puzzle.rows.words.push_back(m_pairs[pair].word.toStdString());
            puzzle.rows.wordKeys.push_back(std::to_string(pair));
        }
        for (const std::size_t pair : alphabetical(explanations)) {
            puzzle.rows.explanations.push_back(m_pairs[pair].explanation.toStdString());
            puzzle.rows.explanationKeys.push_back(std::to_string(pair));
        }
        return puzzle;
    }

private:
    void readAnswer(int line, const QString &answer)
    {
        if (m_answerLine > 0) {
            fail(m_fileName, line,
                 QStringLiteral("a second answer; the first is on line %1").arg(m_answerLine));
        }
        if (answer.isEmpty()) {
            fail(m_fileName, line, QStringLiteral("the answer is empty"));
        }
        m_answer = answer;
        m_answerLine = line;
    }

    void readPair(int line, const QString &content)
    {
        const qsizetype equals = content.indexOf(u'=');
        if (equals < 0) {
            fail(m_fileName, line,
                 QStringLiteral(R"(expected "word = explanation" or "answer: NAME")"));
        }
        Pair pair{content.first(equals).trimmed(), content.sliced(equals + 1).trimmed()};
        if (pair.word.isEmpty()) {
            fail(m_fileName, line, QStringLiteral(R"(the word before "=" is empty)"));
        }
        if (pair.explanation.isEmpty()) {
            fail(m_fileName, line, QStringLiteral(R"(the explanation after "=" is empty)"));
        }
        if (static_cast<int>(m_pairs.size()) == maxPairs) {
            fail(m_fileName, line, QStringLiteral("more than %1 pairs").arg(maxPairs));
        }
        remember(m_wordLines, line, pair.word, QStringLiteral("word"));
        remember(m_explanationLines, line, pair.explanation, QStringLiteral("explanation"));
        m_pairs.push_back(std::move(pair));
    }

    // Texts count as the same when they differ in case alone.
    void remember(QHash<QString, int> &lines, int line, const QString &text,
                  const QString &what) const
    {
        const QString folded = text.toCaseFolded();
        if (const int first = lines.value(folded); first > 0) {
            fail(m_fileName, line,
                 QStringLiteral("the %1 %2 is already on line %3")
                     .arg(what, quoted(text))
                     .arg(first));
        }
        lines.insert(folded, line);
    }

    QString m_fileName;
    std::vector<Pair> m_pairs;
    QHash<QString, int> m_wordLines;
    QHash<QString, int> m_explanationLines;
    QString m_answer;
    int m_answerLine = 0; // 0 while there is no answer line
};

} // namespace

Puzzle ParsePuzzle(QByteArrayView text, const QString &fileName)
{
    const QByteArrayView bom("\xEF\xBB\xBF");
    if (text.startsWith(bom)) {
        text = text.sliced(bom.size());
    }
    Parser parser(fileName);
    int line = 0;
    qsizetype start = 0;
    do {
        qsizetype end = text.indexOf('\n', start);
        if (end < 0) {
            end = text.size();
        }
        parser.readLine(++line, text.sliced(start, end - start));
        start = end + 1;
    } while (start < text.size());
    return parser.finish(line);
}

Puzzle LoadPuzzle(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        fail(path, 0, QStringLiteral("cannot be read: ") + file.errorString());
    }
    const QByteArray text = file.read(maxFileBytes + 1);
    if (file.error() != QFileDevice::NoError) {
        fail(path, 0, QStringLiteral("cannot be read: ") + file.errorString());
    }
    if (text.size() > maxFileBytes) {
        fail(path, 0, QStringLiteral("is larger than 1 MiB"));
    }
    return ParsePuzzle(text, path);
}

} // namespace puzzle
