// SPDX-FileCopyrightText: 2026 The acronym authors
// SPDX-License-Identifier: MIT

#pragma once

#include <QByteArray>
#include <QHash>
#include <QJsonObject>
#include <QSize>
#include <QString>

/// Pictures that the tests draw for themselves, as the shared tables' recipes say.
namespace checks {

/// A picture of our own in `format`: bands of colour, or noise that no format can make small.
QByteArray Drawn(const char *format, QSize size = {320, 200}, bool noise = false);

/// The picture files that `recipes` name: "draw" a format ("size" [width, height], 320 × 200
/// when absent), "cut" the first half alone, "side" a PNG whose header claims that many pixels a
/// side, "noise" noise of 512 × 512 unless a size is given, "turned" a JPEG whose EXIF data gives
/// that orientation, "text" a file of that text.
QHash<QString, QByteArray> FilesOf(const QJsonObject &recipes);

/// `text` with each @data:NAME@ as that file's data: address.
QString WithDataAddresses(QString text, const QHash<QString, QByteArray> &files);

} // namespace checks
