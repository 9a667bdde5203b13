// SPDX-FileCopyrightText: 2026 The acronym authors
// SPDX-License-Identifier: MIT

#include "results.h"

#include <QCollator>
#include <QHash>
#include <QLocale>
#include <QRegularExpression>
#include <algorithm>
#include <optional>

namespace results {

namespace {

const QString marker = QStringLiteral("Резултат:");
const QString crosswordMark = QStringLiteral("кръстословица: ");
constexpr int fieldCount = 8; // name, puzzle, pairs and wrong tries, score, time, when, id, code
constexpr int joinsAtMost = 3;

// The text with every run of blanks, of whatever kind, as one space, trimmed, in NFC.
QString normalized(const QString &text)
{
    static const QRegularExpression blanks(QStringLiteral("\\s+"),
                                           QRegularExpression::UseUnicodePropertiesOption);
    return QString(text)
        .replace(blanks, QStringLiteral(" "))
        .trimmed()
        .normalized(QString::NormalizationForm_C);
}

// A hash of the text's UTF-8 (64-bit FNV-1a), its first 40 bits as eight letters and digits that
// cannot be taken for one another: "7KQ2-M9XA".
QString checkCode(const QString &text)
{
    quint64 hash = 0xcbf29ce484222325ULL;
    for (const char byte : text.toUtf8()) {
        hash = (hash ^ static_cast<unsigned char>(byte)) * 0x100000001b3ULL;
    }
    const char *const digits = "0123456789ABCDEFGHJKMNPQRSTVWXYZ";
    QString code;
    for (int shift = 59; shift >= 24; shift -= 5) {
        code += QLatin1Char(digits[(hash >> shift) & 31]);
        if (shift == 44) {
            code += u'-';
        }
    }
    return code;
}

QString lineOf(const QStringList &fields)
{
    const QString before = marker + u' ' + fields.join(QStringLiteral(" | "));
    return before + QStringLiteral(" | ") + checkCode(before);
}

// A result line's fields and whether it checks.
struct Found
{
    QStringList fields;
    bool checks = false;
};

// The fields of a whole result line, from its marker on; none for other text. What follows the
// check code on its line (a word, an emoji, a messenger's note) is not the line's.
std::optional<Found> read(const QString &text)
{
    static const QRegularExpression code(QStringLiteral("^[0-9A-Z]{4}-[0-9A-Z]{4}(?![0-9A-Z])"));
    QStringList fields = text.sliced(marker.size()).split(u'|');
    if (fields.size() < fieldCount) {
        return std::nullopt;
    }
    fields.resize(fieldCount);
    for (QString &field : fields) {
        field = normalized(field);
    }
    const QRegularExpressionMatch sent = code.match(fields.takeLast());
    if (!sent.hasMatch()) {
        return std::nullopt;
    }
    return Found{fields, lineOf(fields).endsWith(sent.captured())};
}

// What a line after a broken result line may carry of the result: the line without a mail's
// quoting ("> ", "> > "), the line as it is, and the line after a chat's time and sender where a
// message of its own began. A line that is all a chat's (a message's heading) is passed over by
// the joining itself.
QStringList continuations(const QString &line)
{
    static const QRegularExpression quoting(QStringLiteral("^(?:[ \\t]*>)+ ?"));
    static const QRegularExpression heading(QStringLiteral("^[^|]{0,80}?\\d[^|]{0,80}?: "));
    QStringList rests;
    if (const QRegularExpressionMatch quoted = quoting.match(line); quoted.hasMatch()) {
        rests << line.sliced(quoted.capturedLength());
    }
    rests << line;
    if (const QRegularExpressionMatch sent = heading.match(line); sent.hasMatch()) {
        rests << line.sliced(sent.capturedLength());
    }
    return rests;
}

// The result line that starts with `text`, the last one on line `at` of `lines`: as it is, or
// joined to the lines after it where it was broken: with a space where the break was at one,
// without where it broke a word, the continuation as continuations() gives it, or passing a line
// over. A joining that checks is taken; where none does, the first that reads. `at` becomes the
// last line that it took.
std::optional<Found> joined(const QStringList &lines, qsizetype &at, const QString &text)
{
    std::optional<Found> taken = read(text);
    QStringList joinings{text};
    for (qsizetype next = at + 1;
         !taken && next <= at + joinsAtMost && next < lines.size() && !lines[next].contains(marker);
         ++next) {
        QStringList longer;
        for (const QString &joining : std::as_const(joinings)) {
            for (const QString &rest : continuations(lines[next])) {
                longer << joining + u' ' + rest << joining + rest;
            }
            longer << joining;
        }
        joinings = longer;
        for (const QString &joining : std::as_const(joinings)) {
            const std::optional<Found> whole = read(joining);
            if (whole && (!taken || (whole->checks && !taken->checks))) {
                taken = whole;
            }
        }
        if (taken) {
            at = next;
        }
    }
    return taken;
}

// Each result line in the pasted text. A line may hold several, each from its marker on; the last
// one on a line may go on over the lines after it. `unreadable` counts the markers that begin
// nothing readable.
std::vector<Found> found(const QString &pasted, int &unreadable)
{
    static const QRegularExpression breaks(QStringLiteral("\\r\\n|[\\r\\n\\x{2028}\\x{2029}]"));
    const QStringList lines = pasted.split(breaks);
    std::vector<Found> results;
    for (qsizetype at = 0; at < lines.size(); ++at) {
        QStringList starts = lines[at].split(marker);
        starts.removeFirst();
        for (qsizetype each = 0; each < starts.size(); ++each) {
            const QString text = marker + starts[each];
            const std::optional<Found> taken =
                each == starts.size() - 1 ? joined(lines, at, text) : read(text);
            if (taken) {
                results.push_back(*taken);
            } else {
                ++unreadable;
            }
        }
    }
    return results;
}

Row rowOf(const Found &line)
{
    static const QRegularExpression counts(QStringLiteral("^(\\d+ от \\d+), (\\d+) грешк[аи]$"));
    static const QRegularExpression score(QStringLiteral("^(\\d+) от 100$"));
    const QStringList &fields = line.fields;
    const bool crossword = fields[2].startsWith(crosswordMark);
    const QRegularExpressionMatch pairs =
        counts.match(crossword ? fields[2].sliced(crosswordMark.size()) : fields[2]);
    const QRegularExpressionMatch points = score.match(fields[3]);
    return {fields[0],
            fields[1],
            crossword ? QStringLiteral("Кръстословица") : QStringLiteral("Свържи"),
            pairs.hasMatch() ? pairs.captured(1) : fields[2],
            pairs.captured(2),
            points.hasMatch() ? points.captured(1) : fields[3],
            fields[4],
            fields[5],
            fields[6],
            1,
            line.checks,
            false};
}

// "4:12" as seconds.
int secondsOf(const QString &time)
{
    return time.section(u':', 0, 0).toInt() * 60 + time.section(u':', 1).toInt();
}

} // namespace

int Score(int pairs, int wrongTries)
{
    return pairs + wrongTries == 0
               ? 0
               : static_cast<int>(std::lround(100.0 * pairs / (pairs + wrongTries)));
}

QString ResultLine(const Result &result)
{
    const auto field = [](const QString &text) {
        return normalized(QString(text).replace(u'|', u'/'));
    };
    return lineOf(
        {field(result.name), field(result.puzzle),
         QStringLiteral("%1%2 от %3, %4 %5")
             .arg(result.crossword ? crosswordMark : QString())
             .arg(result.pairs)
             .arg(result.total)
             .arg(result.wrongTries)
             .arg(result.wrongTries == 1 ? QStringLiteral("грешка") : QStringLiteral("грешки")),
         QStringLiteral("%1 от 100").arg(Score(result.pairs, result.wrongTries)),
         QStringLiteral("%1:%2")
             .arg(result.seconds / 60)
             .arg(result.seconds % 60, 2, 10, QChar(u'0')),
         field(result.when), field(result.id)});
}

Table ResultTable(const QString &pasted)
{
    Table table;
    std::vector<Row> &rows = table.rows;
    QHash<QString, std::size_t> best; // a learner's row for a puzzle, by name and identifier
    QHash<QString, bool> met;         // lines already counted
    for (const Found &line : found(pasted, table.unreadable)) {
        const QString whole = line.fields.join(u'|');
        if (met.contains(whole)) {
            continue;
        }
        met.insert(whole, true);
        const Row row = rowOf(line);
        const QString learner =
            line.fields[0].toCaseFolded() + u'|' + line.fields[6] + u'|' + row.game;
        if (!line.checks || !best.contains(learner)) {
            if (line.checks) {
                best.insert(learner, rows.size());
            }
            rows.push_back(row);
            continue;
        }
        Row &kept = rows[best[learner]];
        const int tries = kept.tries + 1;
        const int score = row.score.toInt() - kept.score.toInt();
        if (score > 0 || (score == 0 && secondsOf(row.time) < secondsOf(kept.time))) {
            kept = row;
        }
        kept.tries = tries;
    }
    QHash<QString, QString> puzzles; // an identifier by title
    QHash<QString, bool> shared;     // titles that two puzzles have
    for (const Row &row : rows) {
        const QString title = row.puzzle.toCaseFolded();
        if (puzzles.contains(title) && puzzles[title] != row.id) {
            shared.insert(title, true);
        }
        puzzles.insert(title, row.id);
    }
    for (Row &row : rows) {
        row.titleShared = shared.contains(row.puzzle.toCaseFolded());
    }
    QCollator collator{QLocale(QLocale::Bulgarian, QLocale::Bulgaria)};
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    std::stable_sort(rows.begin(), rows.end(), [&collator](const Row &left, const Row &right) {
        for (const auto &[one, other] :
             {std::pair{left.name, right.name}, std::pair{left.puzzle, right.puzzle},
              std::pair{left.id, right.id}, std::pair{left.game, right.game}}) {
            if (const int order = collator.compare(one, other); order != 0) {
                return order < 0;
            }
        }
        return left.checks && !right.checks;
    });
    return table;
}

QStringList Heading()
{
    return {QStringLiteral("Име"),     QStringLiteral("Пъзел"),  QStringLiteral("Игра"),
            QStringLiteral("Двойки"),  QStringLiteral("Грешки"), QStringLiteral("Точки"),
            QStringLiteral("Време"),   QStringLiteral("Кога"),   QStringLiteral("Опити"),
            QStringLiteral("Проверка")};
}

QStringList CellsOf(const Row &row)
{
    return {row.name,
            row.titleShared ? QStringLiteral("%1 (%2)").arg(row.puzzle, row.id) : row.puzzle,
            row.game,
            row.pairs,
            row.wrongTries,
            row.score,
            row.time,
            row.when,
            QString::number(row.tries),
            row.checks ? QStringLiteral("вярна") : QStringLiteral("променена")};
}

QString UnreadableNote(int unreadable)
{
    if (unreadable == 0) {
        return {};
    }
    return unreadable == 1
               ? QStringLiteral("1 ред «Резултат:» не можа да се прочете")
               : QStringLiteral("%1 реда «Резултат:» не можаха да се прочетат").arg(unreadable);
}

QByteArray ResultCsv(const std::vector<Row> &rows)
{
    static const QRegularExpression formula(QStringLiteral("^[=+\\-@]"));
    static const QRegularExpression quoted(QStringLiteral("[;\"\r\n]"));
    // A spreadsheet reads "4:12" as four hours: the time goes with its hours.
    static const QRegularExpression minutes(QStringLiteral("^(\\d+):(\\d\\d)$"));
    const auto line = [](QStringList cells) {
        for (QString &cell : cells) {
            if (formula.match(cell).hasMatch()) {
                cell.prepend(u'\'');
            }
            if (quoted.match(cell).hasMatch()) {
                cell = u'"' + cell.replace(u'"', QStringLiteral("\"\"")) + u'"';
            }
        }
        return cells.join(u';') + QStringLiteral("\r\n");
    };
    QStringList heading = Heading();
    heading.insert(2, QStringLiteral("Идентификатор"));
    QString text = line(heading);
    for (const Row &row : rows) {
        QStringList cells = CellsOf(row);
        cells[1] = row.puzzle;
        cells.insert(2, row.id);
        if (const QRegularExpressionMatch time = minutes.match(row.time); time.hasMatch()) {
            const int all = time.captured(1).toInt();
            cells[7] = QStringLiteral("%1:%2:%3")
                           .arg(all / 60)
                           .arg(all % 60, 2, 10, QChar(u'0'))
                           .arg(time.captured(2));
        }
        text += line(cells);
    }
    return "\xEF\xBB\xBF" + text.toUtf8();
}

} // namespace results
