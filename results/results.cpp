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

// A result line's fields, whether it checks, and where it was met.
struct Found
{
    QStringList fields;
    bool checks = false;
    int seen = 0;
};

// The fields of a whole result line, from its marker on; none for other text.
std::optional<Found> read(const QString &text)
{
    static const QRegularExpression code(QStringLiteral("^[0-9A-Z]{4}-[0-9A-Z]{4}$"));
    QStringList fields = text.sliced(marker.size()).split(u'|');
    for (QString &field : fields) {
        field = normalized(field);
    }
    if (fields.size() != fieldCount || !code.match(fields.last()).hasMatch()) {
        return std::nullopt;
    }
    const QString sent = fields.takeLast();
    return Found{fields, lineOf(fields).endsWith(sent), 0};
}

// Each result line in the pasted text, a broken one joined to the lines after it: with a space
// where the messenger broke it at one, without where it broke a word. Where no joining checks,
// the one with spaces stands.
std::vector<Found> found(const QString &pasted)
{
    static const QRegularExpression breaks(QStringLiteral("\r\n|\r|\n"));
    const QStringList lines = pasted.split(breaks);
    std::vector<Found> results;
    for (qsizetype at = 0; at < lines.size(); ++at) {
        const qsizetype start = lines[at].indexOf(marker);
        if (start < 0) {
            continue;
        }
        QStringList joinings{lines[at].sliced(start)};
        std::optional<Found> taken = read(joinings.first());
        for (qsizetype next = at + 1; !taken && next <= at + joinsAtMost && next < lines.size() &&
                                      !lines[next].contains(marker);
             ++next) {
            QStringList longer;
            for (const QString &joined : std::as_const(joinings)) {
                longer << joined + u' ' + lines[next] << joined + lines[next];
            }
            joinings = longer;
            for (const QString &joined : std::as_const(joinings)) {
                const std::optional<Found> whole = read(joined);
                if (whole && (!taken || (whole->checks && !taken->checks))) {
                    taken = whole;
                }
            }
            if (taken) {
                at = next;
            }
        }
        if (taken) {
            taken->seen = static_cast<int>(results.size());
            results.push_back(*taken);
        }
    }
    return results;
}

Row rowOf(const Found &line)
{
    static const QRegularExpression counts(QStringLiteral("^(\\d+ от \\d+), (\\d+) грешк[аи]$"));
    static const QRegularExpression score(QStringLiteral("^(\\d+) от 100$"));
    const QStringList &fields = line.fields;
    const QRegularExpressionMatch pairs = counts.match(fields[2]);
    const QRegularExpressionMatch points = score.match(fields[3]);
    return {fields[0],
            fields[1],
            pairs.hasMatch() ? pairs.captured(1) : fields[2],
            pairs.captured(2),
            points.hasMatch() ? points.captured(1) : fields[3],
            fields[4],
            fields[5],
            1,
            line.checks};
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
         QStringLiteral("%1 от %2, %3 %4")
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

std::vector<Row> ResultTable(const QString &pasted)
{
    std::vector<Row> rows;
    QHash<QString, std::size_t> best; // a learner's row for a puzzle, by name and identifier
    QHash<QString, bool> met;         // lines already counted
    for (const Found &line : found(pasted)) {
        const QString whole = line.fields.join(u'|');
        if (met.contains(whole)) {
            continue;
        }
        met.insert(whole, true);
        const Row row = rowOf(line);
        const QString learner = line.fields[0].toCaseFolded() + u'|' + line.fields[6];
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
    QCollator collator{QLocale(QLocale::Bulgarian, QLocale::Bulgaria)};
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    std::stable_sort(rows.begin(), rows.end(), [&collator](const Row &left, const Row &right) {
        if (const int names = collator.compare(left.name, right.name); names != 0) {
            return names < 0;
        }
        if (const int puzzles = collator.compare(left.puzzle, right.puzzle); puzzles != 0) {
            return puzzles < 0;
        }
        return left.checks && !right.checks;
    });
    return rows;
}

QStringList Heading()
{
    return {QStringLiteral("Име"),    QStringLiteral("Пъзел"), QStringLiteral("Двойки"),
            QStringLiteral("Грешки"), QStringLiteral("Точки"), QStringLiteral("Време"),
            QStringLiteral("Кога"),   QStringLiteral("Опити"), QStringLiteral("Проверка")};
}

QStringList CellsOf(const Row &row)
{
    return {row.name,
            row.puzzle,
            row.pairs,
            row.wrongTries,
            row.score,
            row.time,
            row.when,
            QString::number(row.tries),
            row.checks ? QStringLiteral("вярна") : QStringLiteral("променена")};
}

QByteArray ResultCsv(const std::vector<Row> &rows)
{
    static const QRegularExpression formula(QStringLiteral("^[=+\\-@]"));
    static const QRegularExpression quoted(QStringLiteral("[;\"\r\n]"));
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
    QString text = line(Heading());
    for (const Row &row : rows) {
        text += line(CellsOf(row));
    }
    return "\xEF\xBB\xBF" + text.toUtf8();
}

} // namespace results
