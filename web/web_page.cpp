// SPDX-FileCopyrightText: 2026 The acronym authors
// SPDX-License-Identifier: MIT

#include "web_page.h"

#include "board.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QFile>
#include <QHash>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QSaveFile>

namespace web {

namespace {

QString resource(const QString &name)
{
    QFile file(QStringLiteral(":/web/") + name);
    file.open(QIODevice::ReadOnly);
    return QString::fromUtf8(file.readAll());
}

// The source of a policy's hash for an inline element with this text.
QString hashSource(const QString &text)
{
    return QStringLiteral("'sha256-%1'")
        .arg(QString::fromLatin1(
            QCryptographicHash::hash(text.toUtf8(), QCryptographicHash::Sha256).toBase64()));
}

QJsonArray rowsOf(const std::vector<std::string> &texts, const std::vector<std::string> &keys)
{
    QJsonArray rows;
    for (std::size_t row = 0; row < texts.size(); ++row) {
        rows.append(QJsonObject{{QStringLiteral("text"), QString::fromStdString(texts[row])},
                                {QStringLiteral("key"), board::KeyValue(keys[row])}});
    }
    return rows;
}

// The exercise as the script reads it. Inside a script element, only "</" could end it early, so
// every '<' is escaped; JSON reads "\u003c" as '<'.
QString exerciseData(const board::Exercise &exercise)
{
    QJsonArray instructions;
    std::vector<std::string> paragraphs = exercise.instructions;
    if (paragraphs.empty()) {
        paragraphs = board::PlayInstructions(exercise.rows.words.size());
        paragraphs.emplace_back("«Чисти» започва отначало.");
    }
    for (const std::string &paragraph : paragraphs) {
        instructions.append(QString::fromStdString(paragraph));
    }
    const QJsonObject data{
        {QStringLiteral("title"), QString::fromStdString(exercise.title)},
        {QStringLiteral("answer"), QString::fromStdString(exercise.answer)},
        {QStringLiteral("instructions"), instructions},
        {QStringLiteral("words"), rowsOf(exercise.rows.words, exercise.rows.wordKeys)},
        {QStringLiteral("explanations"),
         rowsOf(exercise.rows.explanations, exercise.rows.explanationKeys)},
        {QStringLiteral("slots"), static_cast<int>(exercise.rows.words.size())},
    };
    return QString::fromUtf8(QJsonDocument(data).toJson(QJsonDocument::Compact))
        .replace(u'<', QStringLiteral("\\u003c"));
}

} // namespace

QString WebPage(const board::Exercise &exercise)
{
    const QString style = resource(QStringLiteral("page.css"));
    const QString script = resource(QStringLiteral("page.js"));
    const QHash<QString, QString> parts{
        {QStringLiteral("POLICY"),
         QStringLiteral("default-src 'none'; script-src %1; style-src %2; base-uri 'none'; "
                        "form-action 'none'")
             .arg(hashSource(script), hashSource(style))},
        {QStringLiteral("TITLE"), QString::fromStdString(exercise.caption).toHtmlEscaped()},
        {QStringLiteral("STYLE"), style},
        {QStringLiteral("SCRIPT"), script},
        {QStringLiteral("EXERCISE"), exerciseData(exercise)},
    };
    // One pass over the template, so that a teacher's text that looks like a place is left alone.
    const QString page = resource(QStringLiteral("page.html"));
    static const QRegularExpression place(QStringLiteral("@([A-Z]+)@"));
    QString written;
    qsizetype done = 0;
    for (const QRegularExpressionMatch &match : place.globalMatch(page)) {
        written += QStringView(page).sliced(done, match.capturedStart() - done);
        written += parts.value(match.captured(1));
        done = match.capturedEnd();
    }
    written += QStringView(page).sliced(done);
    return written;
}

QString WriteWebPage(const board::Exercise &exercise, const QString &path)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(WebPage(exercise).toUtf8()) < 0 ||
        !file.commit()) {
        return QCoreApplication::translate("web", R"(cannot write "%1": %2)")
            .arg(path, file.errorString());
    }
    return {};
}

} // namespace web
