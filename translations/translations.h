// SPDX-FileCopyrightText: 2026 The acronym authors
// SPDX-License-Identifier: MIT

#pragma once

#include <QLocale>

class QCoreApplication;

/// Installs the program's messages, and Qt's own where its translations are installed, in the
/// language of `locale`; English, the messages' own language, needs none.
void InstallTranslations(QCoreApplication &app, const QLocale &locale = QLocale());
