// SPDX-FileCopyrightText: 2026 The acronym authors
// SPDX-License-Identifier: MIT

#include "crossword.h"
#include "puzzle_file.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QTest>

namespace {

QJsonObject table()
{
    QFile file(QStringLiteral(GAMES_FOLDER "/crosswords.json"));
    return file.open(QIODevice::ReadOnly) ? QJsonDocument::fromJson(file.readAll()).object()
                                          : QJsonObject();
}

// A row's cells as the table writes them: a box as □, any other character as it is.
QString drawn(const std::vector<crossword::Cell> &cells)
{
    QString text;
    for (const crossword::Cell &cell : cells) {
        text += cell.box ? QStringLiteral("□") : cell.text;
    }
    return text;
}

const char *const verdicts[] = {"none", "wrong", "right"};

} // namespace

// The shared table of crosswords, which the pages' tests play too.
class CrosswordTest : public QObject
{
    Q_OBJECT

private slots:
    void makesTheSharedRows_data();
    void makesTheSharedRows();
    void playsTheSharedGames_data();
    void playsTheSharedGames();
};

void CrosswordTest::makesTheSharedRows_data()
{
    QTest::addColumn<QJsonObject>("row");
    for (const QJsonValue row : table()["rows"].toArray()) {
        QTest::newRow(qPrintable(row["word"].toString())) << row.toObject();
    }
}

void CrosswordTest::makesTheSharedRows()
{
    QFETCH(QJsonObject, row);
    const crossword::Row made{
        1, row["word"].toString(), {}, -1, crossword::CellsOf(row["word"].toString())};
    QCOMPARE(drawn(made.cells), row["cells"].toString());
    QCOMPARE(made.lead(), row["lead"].toInt());
    QCOMPARE(crossword::LettersOf(row["word"].toString()), made.letters());
}

void CrosswordTest::playsTheSharedGames_data()
{
    QTest::addColumn<QJsonObject>("game");
    for (const QJsonValue game : table()["games"].toArray()) {
        QTest::newRow(qPrintable(game["name"].toString())) << game.toObject();
    }
}

void CrosswordTest::playsTheSharedGames()
{
    QFETCH(QJsonObject, game);
    const QString file = game["puzzle"].toString();
    crossword::Game played(crossword::Rows(
        file.isEmpty() ? board::BuiltInExercise()
                       : puzzle::LoadPuzzle(QStringLiteral(GAMES_FOLDER "/") + file).exercise));
    int at = 0;
    for (const QJsonValue step : game["steps"].toArray()) {
        const QString where = QStringLiteral("step %1").arg(++at);
        int row = -1;
        crossword::Game::Outcome outcome;
        if (step["type"].isArray()) {
            row = step["type"][0].toInt() - 1;
            outcome = played.type(row, step["type"][1].toString());
        } else if (step["hint"].isDouble()) {
            row = step["hint"].toInt() - 1;
            outcome = played.hint(row);
        } else {
            std::vector<int> numbers;
            for (const QJsonValue number : step["resume"].toArray()) {
                numbers.push_back(number.toInt());
            }
            played.resume(numbers, step["wrongTries"].toInt());
        }
        QVERIFY2(verdicts[static_cast<int>(outcome.verdict)] == step["verdict"].toString(),
                 qPrintable(where));
        QCOMPARE(outcome.said, step["said"].toString());
        QStringList keys = played.keyColumn();
        keys.replaceInStrings(QRegularExpression(QStringLiteral("^$")), QStringLiteral(" "));
        QCOMPARE(keys.join(QString()), step["keys"].toString());
        QCOMPARE(played.wrongTries(), step["wrongTries"].toInt());
        QCOMPARE(played.finished(), step["finished"].toBool());
        if (step["entered"].isString()) {
            QStringList entered = played.entered(row);
            entered.replaceInStrings(QRegularExpression(QStringLiteral("^$")), QStringLiteral("_"));
            QCOMPARE(entered.join(QString()), step["entered"].toString());
        }
    }
}

QTEST_GUILESS_MAIN(CrosswordTest)
#include "crossword_test.moc"
