// SPDX-FileCopyrightText: 2026 The acronym authors
// SPDX-License-Identifier: MIT

#include "draft.h"

#include "board.h"
#include "pictures.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QImageReader>
#include <QImageWriter>
#include <QPainter>
#include <algorithm>
#include <climits>
#include <utility>

namespace editor {

namespace {

// A row without a letter carries this comment line before it in its file.
const QString noLetter = QStringLiteral("#~ без буква");

// The answer's letters, blanks aside.
QStringList lettersOf(const QString &answer)
{
    QStringList letters;
    for (const QChar character : answer) {
        if (!character.isSpace()) {
            letters << QString(character);
        }
    }
    return letters;
}

QList<int> letteredRows(const Draft &draft)
{
    QList<int> rows;
    for (int row = 0; row < draft.rows.size(); ++row) {
        if (draft.rows[row].lettered) {
            rows << row;
        }
    }
    return rows;
}

QString firstLetter(const QString &word)
{
    return QString::fromStdString(board::FirstCharacter(word.trimmed().toStdString()));
}

// Where each line of DraftText comes from: a row's index, or one of these.
enum Place
{
    Elsewhere = -1,
    Title = -2,
    Answer = -3,
    Instructions = -4,
    Picture = -5 // a picture line's key; the line's place is its row's
};

struct Written
{
    QStringList lines;
    QList<int> places;

    void add(const QString &line, int place)
    {
        lines << line;
        places << place;
    }
};

// The draft's file. With `checked`, a data: picture that was checked is written short, and what
// was found of it is given by the picture line's number.
Written written(const Draft &draft, puzzle::CheckedPictures *checked = nullptr)
{
    Written file;
    for (const QString &comment : draft.comments) {
        file.add(comment, Elsewhere);
    }
    if (!draft.title.trimmed().isEmpty()) {
        file.add(QStringLiteral("заглавие: ") + draft.title.trimmed(), Title);
    }
    if (!draft.answer.trimmed().isEmpty()) {
        file.add(QStringLiteral("отговор: ") + draft.answer.trimmed(), Answer);
    }
    for (const QString &paragraph : draft.instructions) {
        if (!paragraph.trimmed().isEmpty()) {
            file.add(QStringLiteral("указания: ") + paragraph.trimmed(), Instructions);
        }
    }
    file.add(QString(), Elsewhere);
    const bool lettersCount = !lettersOf(draft.answer).isEmpty();
    for (int index = 0; index < draft.rows.size(); ++index) {
        const Row &row = draft.rows[index];
        for (const QString &note : row.notes) {
            file.add(note, index);
        }
        if (lettersCount && !row.lettered) {
            file.add(noLetter, index);
        }
        file.add(row.word.trimmed() + QStringLiteral(" = ") + row.explanation.trimmed(), index);
        if (checked != nullptr && row.checked) {
            file.add(QStringLiteral("картина: data:"), index);
            checked->insert(static_cast<int>(file.lines.size()), *row.checked);
        } else if (!row.picture.isEmpty()) {
            file.add(QStringLiteral("картина: ") + row.picture, index);
        }
    }
    return file;
}

// The key that starts a line, as the puzzle reader knows them, or none.
Place keyOf(const QString &line, QString *value)
{
    const qsizetype colon = line.indexOf(u':');
    const QString key = line.first(std::max<qsizetype>(colon, 0)).trimmed().toCaseFolded();
    const QList<std::pair<QStringList, Place>> keys{
        {{QStringLiteral("title"), QStringLiteral("заглавие")}, Title},
        {{QStringLiteral("answer"), QStringLiteral("отговор")}, Answer},
        {{QStringLiteral("instructions"), QStringLiteral("указания")}, Instructions},
        {{QStringLiteral("picture"), QStringLiteral("картина")}, Picture}};
    for (const auto &[names, place] : keys) {
        if (colon > 0 && names.contains(key)) {
            *value = line.sliced(colon + 1).trimmed();
            return place;
        }
    }
    return Elsewhere;
}

// The draft with as many lettered rows as the answer has letters: the last ones lose their
// letters, or empty rows come at the end.
Draft balanced(Draft draft)
{
    const qsizetype letters = lettersOf(draft.answer).size();
    QList<int> lettered = letteredRows(draft);
    while (letters > 0 && lettered.size() > letters) {
        draft.rows[lettered.takeLast()].lettered = false;
    }
    for (qsizetype missing = lettered.size(); missing < letters; ++missing) {
        draft.rows << Row{};
    }
    return draft;
}

// A problem as the editor lists it, named by its place: "Row 2: ...", "Answer: ...".
QString named(int place, const QString &reason)
{
    if (place >= 0) {
        return QCoreApplication::translate("editor", "Row %1: %2").arg(place + 1).arg(reason);
    }
    const char *const names[] = {QT_TRANSLATE_NOOP("editor", "Title: %1"),
                                 QT_TRANSLATE_NOOP("editor", "Answer: %1"),
                                 QT_TRANSLATE_NOOP("editor", "Instructions: %1")};
    return place <= Title ? QCoreApplication::translate("editor", names[Title - place]).arg(reason)
                          : reason;
}

// What the reader finds of a picture's data: address: empty when it takes it, or why not.
QString checkedPicture(const QString &address)
{
    const auto name = puzzle::ReadPictureName(address);
    if (const QString *problem = std::get_if<QString>(&name)) {
        return *problem;
    }
    const auto picture = puzzle::PictureOf(std::get<puzzle::PictureName>(name).bytes);
    const QString *problem = std::get_if<QString>(&picture);
    return problem != nullptr ? *problem : QString();
}

} // namespace

bool Row::operator==(const Row &other) const
{
    return word == other.word && explanation == other.explanation && lettered == other.lettered &&
           notes == other.notes && picture == other.picture;
}

bool Row::isEmpty() const
{
    return word.trimmed().isEmpty() && explanation.trimmed().isEmpty() && notes.isEmpty() &&
           picture.isEmpty();
}

Draft WithAnswer(Draft draft, const QString &answer)
{
    const QStringList before = lettersOf(draft.answer);
    const QStringList after = lettersOf(answer);
    draft.answer = answer;
    const qsizetype shorter = std::min(before.size(), after.size());
    qsizetype same = 0; // letters alike at the start
    while (same < shorter && before[same] == after[same]) {
        ++same;
    }
    qsizetype sameEnd = 0; // and at the end, after those
    while (sameEnd < shorter - same &&
           before[before.size() - 1 - sameEnd] == after[after.size() - 1 - sameEnd]) {
        ++sameEnd;
    }
    const QList<int> lettered = letteredRows(draft);
    for (qsizetype gone = before.size() - sameEnd - 1; gone >= same; --gone) {
        Row &row = draft.rows[lettered[gone]];
        if (row.isEmpty()) {
            draft.rows.removeAt(lettered[gone]);
        } else {
            row.lettered = false;
        }
    }
    const QList<int> kept = letteredRows(draft);
    qsizetype at = same > 0 ? kept[same - 1] + 1 : (kept.isEmpty() ? draft.rows.size() : kept[0]);
    for (qsizetype added = same; added < after.size() - sameEnd; ++added) {
        draft.rows.insert(at++, Row{});
    }
    return draft;
}

Draft WithRowAdded(Draft draft, int row)
{
    Row added;
    added.lettered = lettersOf(draft.answer).isEmpty();
    draft.rows.insert(row, added);
    return draft;
}

Draft WithRowRemoved(Draft draft, int row)
{
    const QList<int> lettered = letteredRows(draft);
    if (const qsizetype letter = lettered.indexOf(row);
        letter >= 0 && letter < lettersOf(draft.answer).size()) {
        // The answer loses its letter number `letter`, counting letters only.
        qsizetype seen = -1;
        for (qsizetype index = 0; index < draft.answer.size(); ++index) {
            if (!draft.answer[index].isSpace() && ++seen == letter) {
                draft.answer.remove(index, 1);
                break;
            }
        }
    }
    draft.rows.removeAt(row);
    return draft;
}

Draft WithRowMoved(Draft draft, int row, int by)
{
    if (row + by >= 0 && row + by < draft.rows.size()) {
        std::swap(draft.rows[row].word, draft.rows[row + by].word);
        std::swap(draft.rows[row].explanation, draft.rows[row + by].explanation);
        std::swap(draft.rows[row].notes, draft.rows[row + by].notes);
        std::swap(draft.rows[row].picture, draft.rows[row + by].picture);
        std::swap(draft.rows[row].checked, draft.rows[row + by].checked);
    }
    return draft;
}

QString LetterOf(const Draft &draft, int row)
{
    const QStringList letters = lettersOf(draft.answer);
    if (letters.isEmpty()) {
        return firstLetter(draft.rows[row].word);
    }
    const qsizetype letter = letteredRows(draft).indexOf(row);
    return letter >= 0 && letter < letters.size() ? letters[letter] : QString();
}

bool StartsRight(const Draft &draft, int row)
{
    const QString letter = LetterOf(draft, row);
    return !letter.isEmpty() &&
           draft.rows[row].word.trimmed().toCaseFolded().startsWith(letter.toCaseFolded());
}

QString Spelled(const Draft &draft)
{
    QString spelled;
    const bool lettersCount = !lettersOf(draft.answer).isEmpty();
    for (const Row &row : draft.rows) {
        if (!lettersCount || row.lettered) {
            spelled += row.word.trimmed().isEmpty() ? QStringLiteral("_") : firstLetter(row.word);
        }
    }
    return spelled;
}

QByteArray DraftText(const Draft &draft)
{
    return written(draft).lines.join(u'\n').toUtf8() + '\n';
}

// Takes a key's value into the draft where it has a place: the first title and answer, every
// paragraph, and a picture right after its row. False for a key that has none.
bool tookFact(Draft &draft, Place key, const QString &value, bool afterRow)
{
    QString *fact = key == Title                                     ? &draft.title
                    : key == Answer                                  ? &draft.answer
                    : key == Picture && afterRow && !value.isEmpty() ? &draft.rows.last().picture
                                                                     : nullptr;
    if (key == Instructions) {
        draft.instructions << value;
    } else if (fact != nullptr && fact->isEmpty()) {
        *fact = value;
    } else {
        return false;
    }
    return true;
}

Draft ReadDraft(const QStringList &lines)
{
    Draft draft;
    QStringList notes;
    bool letterless = false;
    bool afterRow = false; // nothing but blank and comment lines since the last row's
    for (const QString &line : lines) {
        const QString content = line.trimmed();
        QString value;
        const Place key = keyOf(content, &value);
        if (key != Elsewhere) {
            afterRow = afterRow && key == Picture && draft.rows.last().picture.isEmpty();
        }
        if (content == noLetter) {
            letterless = true;
        } else if (content.startsWith(u'#')) {
            (draft.rows.isEmpty() ? draft.comments : notes) << line;
        } else if (tookFact(draft, key, value, afterRow)) {
            continue;
        } else if (key != Elsewhere) {
            // A second title or answer, or a picture of no row, has no place in a draft: it is
            // kept as a comment.
            (draft.rows.isEmpty() ? draft.comments : notes) << QStringLiteral("# ") + content;
        } else if (!content.isEmpty()) {
            const qsizetype equals = content.indexOf(u'=');
            draft.rows << Row{equals < 0 ? content : content.first(equals).trimmed(),
                              equals < 0 ? QString() : content.sliced(equals + 1).trimmed(),
                              !letterless,
                              notes,
                              {}};
            notes.clear();
            letterless = false;
            afterRow = true;
        }
    }
    draft.comments << notes;
    return balanced(std::move(draft));
}

Draft DraftOf(const board::Exercise &exercise)
{
    Draft draft;
    draft.title = QString::fromStdString(exercise.title);
    draft.answer = QString::fromStdString(exercise.answer);
    for (const std::string &paragraph : exercise.instructions) {
        draft.instructions << QString::fromStdString(paragraph);
    }
    const board::MasterRows &rows = exercise.rows;
    draft.rows.resize(static_cast<qsizetype>(rows.words.size()));
    for (std::size_t row = 0; row < rows.words.size(); ++row) {
        Row &word = draft.rows[board::KeyValue(rows.wordKeys[row])];
        word.word = QString::fromStdString(rows.words[row]).trimmed();
        Row &explanation = draft.rows[board::KeyValue(rows.explanationKeys[row])];
        explanation.explanation = QString::fromStdString(rows.explanations[row]);
        if (row < exercise.pictures.size() && !exercise.pictures[row].bytes.empty()) {
            explanation.picture = puzzle::DataAddress(exercise.pictures[row]);
            explanation.checked = QString();
        }
    }
    return draft;
}

Draft WithPicturesRead(Draft draft, const puzzle::PictureFiles &files)
{
    for (Row &row : draft.rows) {
        const auto name = puzzle::ReadPictureName(row.picture);
        if (row.picture.isEmpty() || !std::holds_alternative<puzzle::PictureName>(name) ||
            std::get<puzzle::PictureName>(name).file.isEmpty()) {
            continue;
        }
        const auto bytes = files(std::get<puzzle::PictureName>(name).file);
        if (const auto *read = std::get_if<QByteArray>(&bytes)) {
            const auto fitted = FittedPicture(*read);
            if (const auto *picture = std::get_if<board::Picture>(&fitted)) {
                row.picture = puzzle::DataAddress(*picture);
                row.checked = QString();
            }
        }
    }
    return draft;
}

Draft WithPicturesChecked(Draft draft)
{
    for (Row &row : draft.rows) {
        if (!row.checked && row.picture.startsWith(QStringLiteral("data:"), Qt::CaseInsensitive)) {
            row.checked = checkedPicture(row.picture);
        }
    }
    return draft;
}

QStringList Problems(const Draft &draft, const puzzle::PictureFiles &files)
{
    puzzle::CheckedPictures checked;
    const Written file = written(WithPicturesChecked(draft), &checked);
    QList<std::pair<int, QString>> found; // each problem with its place
    for (const puzzle::Problem &problem :
         puzzle::FindProblems(file.lines.join(u'\n').toUtf8(), files, checked)) {
        found.append(
            {problem.line > 0 ? file.places[problem.line - 1] : Elsewhere, problem.reason});
    }
    // The reader holds words to their letters only while the rows are as many as the letters;
    // the editor knows each row's letter whatever else the row lacks.
    const QList<int> lettered = letteredRows(draft);
    for (qsizetype letter = 0; letter < lettered.size(); ++letter) {
        const int row = lettered[letter];
        const QString word = draft.rows[row].word.trimmed();
        if (!word.isEmpty() && !LetterOf(draft, row).isEmpty() && !StartsRight(draft, row)) {
            const std::pair problem{
                row, puzzle::WrongLetter(word, LetterOf(draft, row), static_cast<int>(letter) + 1)};
            if (!found.contains(problem)) {
                found.append(problem);
            }
        }
    }
    // As the form reads: the fields, the rows, then the puzzle's as a whole.
    const auto order = [](int place) {
        const QList<int> fields{Title, Instructions, Answer};
        return place >= 0 ? place : place == Elsewhere ? INT_MAX : fields.indexOf(place) - 3;
    };
    std::stable_sort(found.begin(), found.end(), [&order](const auto &left, const auto &right) {
        return order(left.first) < order(right.first);
    });
    QStringList problems;
    for (const auto &[place, reason] : found) {
        problems << named(place, reason);
    }
    return problems;
}

std::variant<board::Picture, QString> FittedPicture(const QByteArray &bytes)
{
    constexpr int side = 1024;
    const QByteArray format = puzzle::PictureFormat(bytes);
    auto taken = puzzle::PictureOf(bytes);
    if (format.isEmpty()) {
        return taken;
    }
    QByteArray copy = bytes;
    QBuffer buffer(&copy);
    QImageReader reader(&buffer, format);
    reader.setAutoTransform(true); // a phone's photo, upright
    const QSize size = reader.size();
    if (std::holds_alternative<board::Picture>(taken) && size.width() <= side &&
        size.height() <= side) {
        return taken;
    }
    if (size.width() > side || size.height() > side) {
        reader.setScaledSize(size.scaled(side, side, Qt::KeepAspectRatio));
    }
    const QImage image = reader.read();
    if (image.isNull()) {
        return QCoreApplication::translate("puzzle", "the picture does not decode whole");
    }
    // JPEG has no transparency: what shows through is white, as on paper.
    QImage flat(image.size(), QImage::Format_RGB32);
    flat.fill(Qt::white);
    QPainter(&flat).drawImage(0, 0, image);
    for (const int quality : {85, 70, 50}) {
        QByteArray jpeg;
        QBuffer out(&jpeg);
        QImageWriter writer(&out, "jpeg");
        writer.setQuality(quality);
        if (writer.write(flat) && jpeg.size() <= puzzle::maxPictureBytes) {
            return puzzle::PictureOf(jpeg);
        }
    }
    return QCoreApplication::translate("puzzle", "the picture is larger than 512 KiB");
}

} // namespace editor
