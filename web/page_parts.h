// SPDX-FileCopyrightText: 2026 The acronym authors
// SPDX-License-Identifier: MIT

#pragma once

#include "content.h"

#include <QHash>
#include <QJsonDocument>
#include <QString>
#include <QStringList>

/// What the library's writers share: the parts built into the program and the templates they fill.
namespace web::parts {

/// The text of the part :/`name`: "web/page.js", "puzzle/puzzle_file.js".
QString resource(const QString &name);
/// Parts one after the other, in the order given.
QString resources(const QStringList &names);

/// A script as a page carries it: its first comment (its licence) as it is, then its code without
/// comments, blank lines and indentation.
QString compactScript(const QString &script);
/// A style sheet as a page carries it: without comments, blank lines and indentation.
QString compactStyle(const QString &style);

/// JSON to go inside a script element, where only "</" could end it early: every '<' is escaped,
/// and JSON reads "\u003c" as '<'.
QString scriptData(const QJsonDocument &json);
/// The exercise as the game's script reads it.
QString exerciseData(const board::Exercise &exercise);

/// A template split at its places, "@NAME@": its texts, with the name of a place between each two.
QStringList piecesOf(const QString &text);
/// The pieces with the places that `parts` names filled in; the other places stay. A part is
/// never read as a template itself, so a teacher's text that looks like a place stays text.
QStringList filled(const QStringList &pieces, const QHash<QString, QString> &parts);

} // namespace web::parts
