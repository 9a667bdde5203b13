// SPDX-FileCopyrightText: 2026 The acronym authors
// SPDX-License-Identifier: MIT

#pragma once

#include "content.h"

#include <QString>

namespace web {

/// The name of the game's page inside a package.
inline constexpr char scormPage[] = "index.html";

/// The SCORM 1.2 manifest of an exercise's package: one organization with one item, titled as
/// the exercise, whose one SCO resource is the game's page. Its identifier is the same for the
/// same puzzle.
QString ScormManifest(const board::Exercise &exercise);

/// Writes the exercise as a SCORM 1.2 content package to `path`: a zip with imsmanifest.xml at
/// its root and the very page that WebPage writes, which reports to the LMS that plays it. The
/// file is written whole or not at all. Returns what went wrong, or an empty string.
QString WriteScormPackage(const board::Exercise &exercise, const QString &path);

} // namespace web
