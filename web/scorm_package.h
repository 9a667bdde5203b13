// SPDX-FileCopyrightText: 2026 The acronym authors
// SPDX-License-Identifier: MIT

#pragma once

#include "content.h"

#include <QString>

namespace web {

/// The name of the game's page inside a package.
inline constexpr char scormPage[] = "index.html";

/// The identifier of the exercise's package, "acronym-84f771fa": the same for the same puzzle. A
/// result line names its puzzle by it too.
QString PackageIdentifier(const board::Exercise &exercise);

/// The SCORM 1.2 manifest of an exercise's package: one organization with one item, titled as
/// the exercise, whose one SCO resource is the game's page.
QString ScormManifest(const board::Exercise &exercise);

/// Writes the exercise as a SCORM 1.2 content package to `path`: a zip with imsmanifest.xml at
/// its root and the very page that WebPage writes, which reports to the LMS that plays it. The
/// file is written whole or not at all. Returns what went wrong, or an empty string.
QString WriteScormPackage(const board::Exercise &exercise, const QString &path);

} // namespace web
