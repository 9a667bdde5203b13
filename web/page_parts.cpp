// SPDX-FileCopyrightText: 2026 The acronym authors
// SPDX-License-Identifier: MIT

#include "page_parts.h"

#include "board.h"
#include "pictures.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonObject>
#include <QRegularExpression>

namespace web::parts {

namespace {

// Each row's text and key, and its picture as a data: address where `pictures` give one.
QJsonArray rowsOf(const std::vector<std::string> &texts, const std::vector<std::string> &keys,
                  const std::vector<board::Picture> &pictures = {})
{
    QJsonArray rows;
    for (std::size_t row = 0; row < texts.size(); ++row) {
        QJsonObject object{{QStringLiteral("text"), QString::fromStdString(texts[row])},
                           {QStringLiteral("key"), board::KeyValue(keys[row])}};
        if (row < pictures.size() && !pictures[row].bytes.empty()) {
            object.insert(QStringLiteral("picture"), puzzle::DataAddress(pictures[row]));
        }
        rows.append(object);
    }
    return rows;
}

} // namespace

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
    return scriptData(QJsonDocument(QJsonObject{
        {QStringLiteral("title"), QString::fromStdString(exercise.title)},
        {QStringLiteral("answer"), QString::fromStdString(exercise.answer)},
        {QStringLiteral("instructions"), instructions},
        {QStringLiteral("words"), rowsOf(exercise.rows.words, exercise.rows.wordKeys)},
        {QStringLiteral("explanations"),
         rowsOf(exercise.rows.explanations, exercise.rows.explanationKeys, exercise.pictures)},
        {QStringLiteral("slots"), static_cast<int>(exercise.rows.words.size())},
    }));
}

QString resource(const QString &name)
{
    QFile file(QStringLiteral(":/") + name);
    file.open(QIODevice::ReadOnly);
    return QString::fromUtf8(file.readAll());
}

QString resources(const QStringList &names)
{
    QString joined;
    for (const QString &name : names) {
        joined += resource(name);
    }
    return joined;
}

QString compactScript(const QString &script)
{
    QStringList kept;
    bool licence = true; // the comment lines at the start
    for (const QString &line : script.split(u'\n')) {
        const QString code = line.trimmed();
        licence = licence && code.startsWith(QStringLiteral("//"));
        const bool comment = code.startsWith(QStringLiteral("//")) ||
                             code.startsWith(QStringLiteral("/*")) || code.startsWith(u'*');
        if (licence || (!comment && !code.isEmpty())) {
            kept << (licence ? line : code);
        }
    }
    return kept.join(u'\n') + u'\n';
}

QString compactStyle(const QString &style)
{
    static const QRegularExpression comment(QStringLiteral("/\\*.*?\\*/"),
                                            QRegularExpression::DotMatchesEverythingOption);
    QStringList kept;
    for (const QString &line : QString(style).remove(comment).split(u'\n')) {
        if (const QString rule = line.trimmed(); !rule.isEmpty()) {
            kept << rule;
        }
    }
    return kept.join(u'\n') + u'\n';
}

QString scriptData(const QJsonDocument &json)
{
    return QString::fromUtf8(json.toJson(QJsonDocument::Compact))
        .replace(u'<', QStringLiteral("\\u003c"));
}

QStringList piecesOf(const QString &text)
{
    static const QRegularExpression place(QStringLiteral("@([A-Z]+)@"));
    QStringList pieces;
    qsizetype done = 0;
    for (const QRegularExpressionMatch &match : place.globalMatch(text)) {
        pieces << text.sliced(done, match.capturedStart() - done) << match.captured(1);
        done = match.capturedEnd();
    }
    return pieces << text.sliced(done);
}

QStringList filled(const QStringList &pieces, const QHash<QString, QString> &parts)
{
    QStringList left{pieces.first()};
    for (qsizetype piece = 1; piece < pieces.size(); piece += 2) {
        if (parts.contains(pieces[piece])) {
            left.last() += parts.value(pieces[piece]) + pieces[piece + 1];
        } else {
            left << pieces[piece] << pieces[piece + 1];
        }
    }
    return left;
}

} // namespace web::parts
