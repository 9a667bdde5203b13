// SPDX-FileCopyrightText: 2026 The acronym authors
// SPDX-License-Identifier: MIT

#include "build_settings.h"
#include "command_line.h"
#include "main_form.h"
#include "outputs.h"
#include "puzzle_file.h"
#include "translations.h"
#include "windows.h"

#include <QApplication>
#include <memory>
#include <optional>

namespace {

std::unique_ptr<QCoreApplication> applicationFor(app::Mode mode, int &argc, char **argv)
{
    if (mode == app::Mode::Terminal || mode == app::Mode::Pages) {
        return std::make_unique<QCoreApplication>(argc, argv);
    }
    if (mode != app::Mode::Window && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    if (mode == app::Mode::Files) {
        return std::make_unique<QGuiApplication>(argc, argv);
    }
    return std::make_unique<QApplication>(argc, argv);
}

// The file's exercise, or the built-in one without a file. A file that cannot be played is
// reported on standard error, and in a message box too when `inBox`.
std::optional<board::Exercise> exerciseFrom(const QStringList &files, bool inBox)
{
    if (files.isEmpty()) {
        return board::BuiltInExercise();
    }
    try {
        return puzzle::LoadPuzzle(files.first()).exercise;
    } catch (const puzzle::PuzzleError &error) {
        const QString message = QString::fromUtf8(error.what());
        if (inBox) {
            ShowFileError(message);
        }
        app::Fail(message, app::puzzleError);
        return std::nullopt;
    }
}

// Does what the command line asks for, now that the application object exists.
int run(const app::Request &request)
{
    using app::Mode;
    const QStringList &files = request.files;
    if (request.check) {
        return app::CheckPuzzles(request.checked);
    }
    if (request.results || request.csv) {
        return request.results
                   ? app::ShowResults(request.resulted, request.csv)
                   : app::Fail(QCoreApplication::translate(
                         "acronym", "--csv writes the table of --results (see --help)"));
    }
    const bool windowed = request.mode == Mode::Window || request.mode == Mode::Screenshot;
    if (request.edit && windowed && files.size() <= 1) {
        return app::RunEditor(files.isEmpty() ? std::nullopt : std::optional(files.first()),
                              request.screenshot);
    }
    if (files.size() > 1) {
        return app::Fail(
            QCoreApplication::translate("acronym", "one puzzle file at a time, not %1 (see --help)")
                .arg(files.size()));
    }
    const std::optional<board::Exercise> exercise =
        exerciseFrom(files, request.mode == Mode::Window);
    if (!exercise) {
        return app::puzzleError;
    }
    switch (request.mode) {
    case Mode::Files:
    case Mode::Pages:
        return app::WriteFiles(*exercise, request);
    case Mode::Terminal:
        return app::Fail(QCoreApplication::translate(
            "acronym", "there is no display to open the window on; "
                       "--screenshot FILE renders it into a picture instead"));
    case Mode::Screenshot:
    case Mode::Window:
        break;
    }
    return app::RunGame(*exercise, request.screenshot);
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication::setApplicationName(QStringLiteral("acronym"));
    QCoreApplication::setApplicationVersion(QString::fromUtf8(build::version));
    QGuiApplication::setDesktopFileName(QString::fromUtf8(build::appId));

    QStringList arguments;
    for (int index = 0; index < argc; ++index) {
        arguments << QString::fromLocal8Bit(argv[index]);
    }
    // A first reading only decides which application object the program needs; the options are
    // read again once the translations are in place.
    const app::Mode mode = app::ModeOf(arguments);
    const std::unique_ptr<QCoreApplication> application = applicationFor(mode, argc, argv);
    InstallTranslations(*application);
    return run(app::ReadRequest(arguments, mode));
}
