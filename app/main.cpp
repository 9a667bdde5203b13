// SPDX-FileCopyrightText: 2026 The acronym authors
// SPDX-License-Identifier: MIT

#include "build_settings.h"
#include "main_form.h"
#include "puzzle_file.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QImageWriter>
#include <QPixmap>
#include <QScreen>
#include <cstdio>
#include <cstdlib>
#include <optional>

namespace {

constexpr int usageError = 1;
constexpr int puzzleError = 2;

int fail(const QString &message, int status = usageError)
{
    std::fprintf(stderr, "acronym: %s\n", qUtf8Printable(message));
    return status;
}

// Without a platform chosen, Linux opens windows on X11 or Wayland, and Qt aborts without either.
bool hasDisplay()
{
#ifdef Q_OS_LINUX
    return !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") ||
           !qEnvironmentVariableIsEmpty("DISPLAY") ||
           !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
#else
    return true;
#endif
}

// Reports on each file: its answer, pairs and encoding, or why it cannot be played. With several
// files, each report starts with the file's name.
int checkPuzzles(const QStringList &paths)
{
    int status = 0;
    for (const QString &path : paths) {
        if (paths.size() > 1) {
            std::printf("%s\n", qUtf8Printable(path));
        }
        try {
            const puzzle::Puzzle puzzle = puzzle::LoadPuzzle(path);
            std::printf("answer: %s\npairs: %zu\nencoding: %s\n", puzzle.exercise.answer.c_str(),
                        puzzle.exercise.rows.words.size(),
                        qUtf8Printable(puzzle::EncodingName(puzzle.encoding)));
        } catch (const puzzle::PuzzleError &error) {
            std::fflush(stdout);
            status = fail(QString::fromUtf8(error.what()), puzzleError);
        }
        std::fflush(stdout);
    }
    return status;
}

int saveScreenshot(MainForm &form, const QString &file)
{
    QApplication::processEvents();
    // The offscreen platform keeps what it painted: take that rather than paint it all again.
    const QPixmap picture = QGuiApplication::platformName() == QLatin1String("offscreen")
                                ? form.screen()->grabWindow(form.winId())
                                : form.grab();
    QImageWriter writer(file, "png");
    if (!writer.write(picture.toImage())) {
        return fail(QStringLiteral("cannot write the screenshot to \"%1\": %2")
                        .arg(file, writer.errorString()));
    }
    return 0;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication::setApplicationName(QStringLiteral("acronym"));
    QCoreApplication::setApplicationVersion(QString::fromUtf8(build::version));

    QCommandLineParser parser;
    parser.setApplicationDescription(QString::fromStdString(board::BuiltInExercise().caption));
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    const QCommandLineOption screenshot(
        QStringLiteral("screenshot"),
        QStringLiteral("Render the window as it first appears into FILE (PNG), then exit. "
                       "Needs no display."),
        QStringLiteral("FILE"));
    const QCommandLineOption check(
        QStringLiteral("check"),
        QStringLiteral("Check the puzzle FILE, and any further FILEs, without opening a window: "
                       "print each one's answer, number of pairs and encoding, or what is wrong. "
                       "Exit status 2 when any file cannot be played, 0 otherwise."),
        QStringLiteral("FILE"));
    parser.addOption(screenshot);
    parser.addOption(check);
    parser.addPositionalArgument(QStringLiteral("FILE"),
                                 QStringLiteral("A puzzle file to play instead of the built-in "
                                                "puzzle; the README describes the format."),
                                 QStringLiteral("[FILE]"));

    QStringList arguments;
    for (int index = 0; index < argc; ++index) {
        arguments << QString::fromLocal8Bit(argv[index]);
    }
    if (!parser.parse(arguments) || parser.isSet(help) || parser.isSet(version) ||
        parser.isSet(QStringLiteral("help-all"))) {
        // Help, version and mistakes are answered on the terminal, with no display needed.
        const QCoreApplication app(argc, argv);
        parser.process(app);
    }
    const QStringList files = parser.positionalArguments();
    if (parser.isSet(check)) {
        return checkPuzzles(parser.values(check) + files);
    }
    if (files.size() > 1) {
        return fail(
            QStringLiteral("one puzzle file at a time, not %1 (see --help)").arg(files.size()));
    }

    if (parser.isSet(screenshot) && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    std::optional<puzzle::Puzzle> chosen;
    if (!files.isEmpty()) {
        try {
            chosen = puzzle::LoadPuzzle(files.first());
        } catch (const puzzle::PuzzleError &error) {
            const QString message = QString::fromUtf8(error.what());
            if (!parser.isSet(screenshot) && hasDisplay()) {
                const QApplication app(argc, argv);
                ShowFileError(message);
            }
            return fail(message, puzzleError);
        }
    }
    if (!hasDisplay()) {
        return fail(QStringLiteral("there is no display to open the window on; "
                                   "--screenshot FILE renders it into a picture instead"));
    }

    QApplication app(argc, argv);
    // The default font is never looked up when the form's is the application's from the start.
    QApplication::setFont(FormFont());
    MainForm form;
    if (!form.play(chosen ? chosen->exercise : board::BuiltInExercise())) {
        return EXIT_FAILURE;
    }
    form.show();
    if (parser.isSet(screenshot)) {
        return saveScreenshot(form, parser.value(screenshot));
    }
    return QApplication::exec();
}
