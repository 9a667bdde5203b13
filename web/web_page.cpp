// SPDX-FileCopyrightText: 2026 The acronym authors
// SPDX-License-Identifier: MIT

#include "web_page.h"

#include "page_parts.h"
#include "puzzle_file.h"
#include "puzzle_link.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QJsonArray>
#include <QJsonObject>
#include <QSaveFile>

namespace web {

namespace {

// The source of a policy's hash for an inline element with this text.
QString hashSource(const QString &text)
{
    return QStringLiteral("'sha256-%1'")
        .arg(QString::fromLatin1(
            QCryptographicHash::hash(text.toUtf8(), QCryptographicHash::Sha256).toBase64()));
}

// A page that loads nothing from anywhere: only its own style and script run, by their hashes, and
// it shows only the pictures inside it.
QString policy(const QString &script, const QString &style)
{
    return QStringLiteral("default-src 'none'; img-src data:; script-src %1; style-src %2; "
                          "base-uri 'none'; form-action 'none'")
        .arg(hashSource(script), hashSource(style));
}

// The game page's script: the games, the result line's rules, then its report of a finished game:
// to a learning platform that plays it, or as a result line.
const QStringList gameScripts{
    QStringLiteral("web/page.js"), QStringLiteral("crossword/crossword.js"),
    QStringLiteral("web/crossword_page.js"), QStringLiteral("results/result_line.js"),
    QStringLiteral("web/lms.js")};

// The game page's script and style, as the page carries them.
QString gameScript()
{
    return parts::compactScript(parts::resources(gameScripts));
}

QString gameStyle()
{
    return parts::compactStyle(parts::resource(QStringLiteral("web/page.css")));
}

// The game's page, but for its title and its exercise; `carried` leaves its style and script as
// places too, for the editor's page, whose own style and script start with them.
QStringList gamePieces(bool carried = false)
{
    const QString style = gameStyle();
    const QString script = gameScript();
    QHash<QString, QString> places{{QStringLiteral("POLICY"), policy(script, style)}};
    if (!carried) {
        places.insert(QStringLiteral("STYLE"), style);
        places.insert(QStringLiteral("SCRIPT"), script);
    }
    return parts::filled(parts::piecesOf(parts::resource(QStringLiteral("web/page.html"))), places);
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
    return parts::filled(
               gamePieces(),
               {{QStringLiteral("TITLE"), QString::fromStdString(exercise.caption).toHtmlEscaped()},
                {QStringLiteral("EXERCISE"), parts::exerciseData(exercise)}})
        .join(QString());
}

QString EditorPage(const QString &player)
{
    const QString game = parts::resource(QStringLiteral("web/page.html"));
    const qsizetype board = game.indexOf(QStringLiteral("<body>\n")) + 7;
    const QString style = gameStyle() + parts::resource(QStringLiteral("web/editor.css"));
    // The game's script first, to play the puzzle being made and to be written into its pages;
    // then the program's rules and writers.
    const QString script =
        gameScript() + parts::compactScript(parts::resource(QStringLiteral("web/qrcode.js"))) +
        parts::compactScript(parts::resources(
            {QStringLiteral("puzzle/text_encoding.js"), QStringLiteral("puzzle/pictures.js"),
             QStringLiteral("puzzle/puzzle_file.js"), QStringLiteral("editor/draft.js"),
             QStringLiteral("web/web_page.js"), QStringLiteral("web/scorm_package.js"),
             QStringLiteral("web/puzzle_link.js"), QStringLiteral("sheets/sheets.js"),
             QStringLiteral("results/result_table.js"),
             QStringLiteral("editor/editor_window.js")}));
    // The game's pieces leave its style and script to the page, which has them at the start of
    // its own, and say how long they are.
    const QJsonObject pieces{
        {QStringLiteral("pieces"), QJsonArray::fromStringList(gamePieces(true))},
        {QStringLiteral("style"), gameStyle().size()},
        {QStringLiteral("script"), gameScript().size()},
        {QStringLiteral("player"), player}};
    return parts::filled(
               parts::piecesOf(parts::resource(QStringLiteral("web/editor.html"))),
               {{QStringLiteral("POLICY"), policy(script, style)},
                {QStringLiteral("STYLE"), style},
                {QStringLiteral("SCRIPT"), script},
                {QStringLiteral("GAME"),
                 game.sliced(board, game.indexOf(QStringLiteral("<script")) - board)},
                {QStringLiteral("PIECES"), parts::scriptData(QJsonDocument(pieces))},
                {QStringLiteral("MANIFEST"),
                 parts::scriptData(QJsonDocument(QJsonArray::fromStringList(
                     parts::piecesOf(parts::resource(QStringLiteral("web/imsmanifest.xml"))))))}})
        .join(QString());
}

QString PlayerPage(const board::Exercise &builtIn)
{
    // The game's page, which carries the built-in puzzle as a link's fragment of its own, and
    // says what is wrong with a link before all else.
    const QString page =
        parts::resource(QStringLiteral("web/page.html"))
            .replace(QStringLiteral("<body>\n"),
                     QStringLiteral("<body>\n<p id=\"link-problem\" class=\"link-problem\" "
                                    "role=\"alert\" hidden></p>\n"))
            .replace(QStringLiteral("id=\"exercise\">@EXERCISE@"),
                     QStringLiteral("id=\"built-in\">@LINK@"));
    const QString style = gameStyle() + parts::resource(QStringLiteral("web/player.css"));
    const QString script =
        gameScript() + parts::compactScript(parts::resource(QStringLiteral("web/qrcode.js"))) +
        parts::compactScript(parts::resources(
            {QStringLiteral("puzzle/text_encoding.js"), QStringLiteral("puzzle/pictures.js"),
             QStringLiteral("puzzle/puzzle_file.js"), QStringLiteral("web/web_page.js"),
             QStringLiteral("web/puzzle_link.js"), QStringLiteral("web/player.js")}));
    const QString link = PuzzleLink({}, LinkText(builtIn));
    return parts::filled(parts::piecesOf(page),
                         {{QStringLiteral("POLICY"), policy(script, style)},
                          {QStringLiteral("STYLE"), style},
                          {QStringLiteral("SCRIPT"), script},
                          {QStringLiteral("TITLE"), QString::fromUtf8(puzzle::defaultTitle)},
                          {QStringLiteral("LINK"), link.sliced(1)}})
        .join(QString());
}

QString WriteWebPage(const board::Exercise &exercise, const QString &path)
{
    return written(WebPage(exercise), path);
}

QString WriteEditorPage(const QString &player, const QString &path)
{
    return written(EditorPage(player), path);
}

QString WritePlayerPage(const board::Exercise &builtIn, const QString &path)
{
    return written(PlayerPage(builtIn), path);
}

} // namespace web
