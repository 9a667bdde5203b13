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

// Resources one after the other, in the order given.
QString resources(const QStringList &names)
{
    QString joined;
    for (const QString &name : names) {
        joined += resource(name);
    }
    return joined;
}

// The source of a policy's hash for an inline element with this text.
QString hashSource(const QString &text)
{
    return QStringLiteral("'sha256-%1'")
        .arg(QString::fromLatin1(
            QCryptographicHash::hash(text.toUtf8(), QCryptographicHash::Sha256).toBase64()));
}

// A page that loads nothing from anywhere: only its own style and script run, by their hashes.
QString policy(const QString &script, const QString &style)
{
    return QStringLiteral("default-src 'none'; script-src %1; style-src %2; base-uri 'none'; "
                          "form-action 'none'")
        .arg(hashSource(script), hashSource(style));
}

// JSON inside a script element, where only "</" could end it early: every '<' is escaped, and
// JSON reads "\u003c" as '<'.
QString scriptData(const QJsonDocument &json)
{
    return QString::fromUtf8(json.toJson(QJsonDocument::Compact))
        .replace(u'<', QStringLiteral("\\u003c"));
}

// A template split at its places, "@NAME@": its texts, with the name of a place between each two.
QStringList piecesOf(const QString &page)
{
    static const QRegularExpression place(QStringLiteral("@([A-Z]+)@"));
    QStringList pieces;
    qsizetype done = 0;
    for (const QRegularExpressionMatch &match : place.globalMatch(page)) {
        pieces << page.sliced(done, match.capturedStart() - done) << match.captured(1);
        done = match.capturedEnd();
    }
    return pieces << page.sliced(done);
}

// The pieces with the places that `parts` names filled in; the other places stay. A part is
// never read as a template itself, so a teacher's text that looks like a place stays text.
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

const QStringList gameScripts{QStringLiteral("page.js")};

// The game's page, but for its title and its exercise.
QStringList gamePieces()
{
    const QString style = resource(QStringLiteral("page.css"));
    const QString script = resources(gameScripts);
    return filled(piecesOf(resource(QStringLiteral("page.html"))),
                  {{QStringLiteral("POLICY"), policy(script, style)},
                   {QStringLiteral("STYLE"), style},
                   {QStringLiteral("SCRIPT"), script}});
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

// The exercise as the script reads it.
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
         rowsOf(exercise.rows.explanations, exercise.rows.explanationKeys)},
        {QStringLiteral("slots"), static_cast<int>(exercise.rows.words.size())},
    }));
}

QString written(const QString &text, const QString &path)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(text.toUtf8()) < 0 || !file.commit()) {
        return QCoreApplication::translate("web", R"(cannot write "%1": %2)")
            .arg(path, file.errorString());
    }
    return {};
}

} // namespace

QString WebPage(const board::Exercise &exercise)
{
    return filled(gamePieces(), {{QStringLiteral("TITLE"),
                                  QString::fromStdString(exercise.caption).toHtmlEscaped()},
                                 {QStringLiteral("EXERCISE"), exerciseData(exercise)}})
        .join(QString());
}

QString EditorPage()
{
    const QString game = resource(QStringLiteral("page.html"));
    const qsizetype board = game.indexOf(QStringLiteral("<body>\n")) + 7;
    const QString style = resources({QStringLiteral("page.css"), QStringLiteral("editor.css")});
    const QString script =
        resources(gameScripts +
                  QStringList{QStringLiteral("text_encoding.js"), QStringLiteral("puzzle_file.js"),
                              QStringLiteral("draft.js"), QStringLiteral("web_page.js"),
                              QStringLiteral("sheets.js"), QStringLiteral("editor_window.js")});
    return filled(piecesOf(resource(QStringLiteral("editor.html"))),
                  {{QStringLiteral("POLICY"), policy(script, style)},
                   {QStringLiteral("STYLE"), style},
                   {QStringLiteral("SCRIPT"), script},
                   {QStringLiteral("GAME"),
                    game.sliced(board, game.indexOf(QStringLiteral("<script")) - board)},
                   {QStringLiteral("PIECES"),
                    scriptData(QJsonDocument(QJsonArray::fromStringList(gamePieces())))}})
        .join(QString());
}

QString WriteWebPage(const board::Exercise &exercise, const QString &path)
{
    return written(WebPage(exercise), path);
}

QString WriteEditorPage(const QString &path)
{
    return written(EditorPage(), path);
}

} // namespace web
