// SPDX-FileCopyrightText: 2026 The acronym authors
// SPDX-License-Identifier: MIT

#include "results.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTest>

namespace {

QJsonObject table()
{
    QFile file(QStringLiteral(SOURCE_FOLDER "/tests/results/result_lines.json"));
    return file.open(QIODevice::ReadOnly) ? QJsonDocument::fromJson(file.readAll()).object()
                                          : QJsonObject();
}

} // namespace

// The shared table of result lines, which the pages' tests read too.
class ResultsTest : public QObject
{
    Q_OBJECT

private slots:
    void writesTheSharedLines_data();
    void writesTheSharedLines();
    void readsTheSharedPastes_data();
    void readsTheSharedPastes();
};

void ResultsTest::writesTheSharedLines_data()
{
    QTest::addColumn<QJsonObject>("game");
    for (const QJsonValue game : table()["lines"].toArray()) {
        QTest::newRow(qPrintable(game["name"].toString())) << game.toObject();
    }
}

void ResultsTest::writesTheSharedLines()
{
    QFETCH(QJsonObject, game);
    const QJsonObject result = game["result"].toObject();
    QCOMPARE(results::ResultLine({result["name"].toString(), result["puzzle"].toString(),
                                  result["pairs"].toInt(), result["total"].toInt(),
                                  result["wrongTries"].toInt(), result["seconds"].toInt(),
                                  result["when"].toString(), result["id"].toString(),
                                  result["game"].toString() == QLatin1String("crossword")}),
             game["line"].toString());
}

void ResultsTest::readsTheSharedPastes_data()
{
    QTest::addColumn<QJsonObject>("paste");
    for (const QJsonValue paste : table()["pastes"].toArray()) {
        QTest::newRow(qPrintable(paste["name"].toString())) << paste.toObject();
    }
}

void ResultsTest::readsTheSharedPastes()
{
    QFETCH(QJsonObject, paste);
    const results::Table table = results::ResultTable(paste["text"].toString());
    QStringList seen;
    for (const results::Row &row : table.rows) {
        seen << results::CellsOf(row).join(u'|');
    }
    QStringList expected;
    for (const QJsonValue row : paste["rows"].toArray()) {
        expected << row.toVariant().toStringList().join(u'|');
    }
    QCOMPARE(seen, expected);
    QCOMPARE(table.unreadable, paste["unreadable"].toInt());
    if (paste.contains("csv")) {
        QCOMPARE(results::ResultCsv(table.rows), paste["csv"].toString().toUtf8());
    }
}

QTEST_GUILESS_MAIN(ResultsTest)
#include "results_test.moc"
