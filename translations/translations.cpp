// SPDX-FileCopyrightText: 2026 The acronym authors
// SPDX-License-Identifier: MIT

#include "translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>
#include <utility>

void InstallTranslations(QCoreApplication &app, const QLocale &locale)
{
    for (const auto &[name, folder] :
         {std::pair{QStringLiteral("acronym"), QStringLiteral(":/i18n")},
          std::pair{QStringLiteral("qtbase"),
                    QLibraryInfo::path(QLibraryInfo::TranslationsPath)}}) {
        auto *translator = new QTranslator(&app);
        if (translator->load(locale, name, QStringLiteral("_"), folder)) {
            QCoreApplication::installTranslator(translator);
        } else {
            delete translator;
        }
    }
}
