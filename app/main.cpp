// SPDX-FileCopyrightText: 2026 The acronym authors
// SPDX-License-Identifier: MIT

#include "build_settings.h"
#include "editor_window.h"
#include "main_form.h"
#include "puzzle_file.h"
#include "scorm_package.h"
#include "sheets.h"
#include "translations.h"
#include "web_page.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QImageWriter>
#include <QPixmap>
#include <QPointer>
#include <QScreen>
#include <QTextDocument>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <optional>
#include <utility>

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

// The options, described in the language of the translations installed when it is made.
struct CommandLine
{
    QCommandLineParser parser;
    QCommandLineOption help = parser.addHelpOption();
    QCommandLineOption version = parser.addVersionOption();
    QCommandLineOption screenshot{
        QStringLiteral("screenshot"),
        QCoreApplication::translate(
            "acronym", "Render the window as it first appears into FILE (PNG), then exit. "
                       "Needs no display."),
        QCoreApplication::translate("acronym", "FILE")};
    QCommandLineOption worksheet{
        QStringLiteral("worksheet"),
        QCoreApplication::translate(
            "acronym", "Write the puzzle as an A4 worksheet to solve on paper into PDF, then exit. "
                       "Needs no display."),
        QCoreApplication::translate("acronym", "PDF")};
    QCommandLineOption answers{
        QStringLiteral("answers"),
        QCoreApplication::translate(
            "acronym", "Write the puzzle's answer key into PDF, then exit. Needs no display."),
        QCoreApplication::translate("acronym", "PDF")};
    QCommandLineOption html{
        QStringLiteral("html"),
        QCoreApplication::translate(
            "acronym", "Write the puzzle as one web page that plays in any browser, offline, into "
                       "PAGE, then exit. Needs no display."),
        QCoreApplication::translate("acronym", "PAGE")};
    QCommandLineOption scorm{
        QStringLiteral("scorm"),
        QCoreApplication::translate(
            "acronym", "Write the puzzle as a SCORM 1.2 package for Moodle and other learning "
                       "platforms into ZIP, then exit. Needs no display."),
        QCoreApplication::translate("acronym", "ZIP")};
    QCommandLineOption htmlEditor{
        QStringLiteral("html-editor"),
        QCoreApplication::translate(
            "acronym", "Write the puzzle editor as one web page that makes puzzles in any browser, "
                       "offline, into PAGE, then exit. Needs no display."),
        QCoreApplication::translate("acronym", "PAGE")};
    QCommandLineOption edit{
        QStringLiteral("edit"),
        QCoreApplication::translate("acronym",
                                    "Open the puzzle editor, with a new puzzle or with FILE's.")};
    QCommandLineOption check{
        QStringLiteral("check"),
        QCoreApplication::translate(
            "acronym",
            "Check the puzzle FILE, and any further FILEs, without opening a window: print "
            "each one's answer, number of pairs and encoding, or what is wrong. Exit status "
            "2 when any file cannot be played, 0 otherwise."),
        QCoreApplication::translate("acronym", "FILE")};

    CommandLine()
    {
        parser.setApplicationDescription(QString::fromStdString(board::BuiltInExercise().caption));
        parser.addOption(screenshot);
        parser.addOption(worksheet);
        parser.addOption(answers);
        parser.addOption(html);
        parser.addOption(scorm);
        parser.addOption(htmlEditor);
        parser.addOption(edit);
        parser.addOption(check);
        parser.addPositionalArgument(
            QCoreApplication::translate("acronym", "FILE"),
            QCoreApplication::translate("acronym", "A puzzle file to play instead of the built-in "
                                                   "puzzle; the README describes the format."),
            QCoreApplication::translate("acronym", "[FILE]"));
    }

    // Help, version and mistakes are for the terminal: answered here, they end the program.
    bool answersAtOnce() const
    {
        return parser.isSet(help) || parser.isSet(version) ||
               parser.isSet(QStringLiteral("help-all"));
    }

    // The worksheet, the answer key and the web pages are written without a window.
    bool writesFiles() const
    {
        return writesSheets() || parser.isSet(html) || parser.isSet(scorm) || writesEditor();
    }
    // The sheets need fonts, and so a GUI application; the pages are text.
    bool writesSheets() const { return parser.isSet(worksheet) || parser.isSet(answers); }
    bool writesEditor() const { return parser.isSet(htmlEditor); }
};

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
            std::printf("%s\n%s\n%s\n",
                        qUtf8Printable(QCoreApplication::translate("acronym", "answer: %1")
                                           .arg(QString::fromStdString(puzzle.exercise.answer))),
                        qUtf8Printable(QCoreApplication::translate("acronym", "pairs: %1")
                                           .arg(puzzle.exercise.rows.words.size())),
                        qUtf8Printable(QCoreApplication::translate("acronym", "encoding: %1")
                                           .arg(puzzle::EncodingName(puzzle.encoding))));
        } catch (const puzzle::PuzzleError &error) {
            std::fflush(stdout);
            status = fail(QString::fromUtf8(error.what()), puzzleError);
        }
        std::fflush(stdout);
    }
    return status;
}

// Writes the worksheet, the answer key, the web pages and the package that the command line
// asks for.
int writeFiles(const board::Exercise &exercise, const CommandLine &line)
{
    const std::pair<const QCommandLineOption &, decltype(&sheets::Worksheet)> kinds[] = {
        {line.worksheet, &sheets::Worksheet}, {line.answers, &sheets::AnswerKey}};
    for (const auto &[option, make] : kinds) {
        if (line.parser.isSet(option)) {
            const std::unique_ptr<QTextDocument> sheet = make(exercise);
            if (const QString error = sheets::WritePdf(*sheet, line.parser.value(option));
                !error.isEmpty()) {
                return fail(error);
            }
        }
    }
    const std::pair<const QCommandLineOption &, decltype(&web::WriteWebPage)> pages[] = {
        {line.html, &web::WriteWebPage}, {line.scorm, &web::WriteScormPackage}};
    for (const auto &[option, write] : pages) {
        if (line.parser.isSet(option)) {
            if (const QString error = write(exercise, line.parser.value(option));
                !error.isEmpty()) {
                return fail(error);
            }
        }
    }
    if (line.writesEditor()) {
        if (const QString error = web::WriteEditorPage(line.parser.value(line.htmlEditor));
            !error.isEmpty()) {
            return fail(error);
        }
    }
    return 0;
}

// Renders the window at the screen's device pixel ratio, so that a scaled screen gets a sharp
// picture of the whole window.
int saveScreenshot(QWidget &form, const QString &file)
{
    QApplication::processEvents();
    // The offscreen platform keeps what it painted: take that rather than paint it all again.
    const QPixmap picture = QGuiApplication::platformName() == QLatin1String("offscreen") &&
                                    form.devicePixelRatio() == 1.0
                                ? form.screen()->grabWindow(form.winId())
                                : form.grab();
    QImageWriter writer(file, "png");
    if (!writer.write(picture.toImage())) {
        return fail(
            QCoreApplication::translate("acronym", R"(cannot write the screenshot to "%1": %2)")
                .arg(file, writer.errorString()));
    }
    return 0;
}

// What the program is asked to do, which decides the application object that it needs.
enum class Mode
{
    Terminal,   // help, version, a mistake, --check, or a window without a display to open it on
    Files,      // the worksheet or the answer key, and any pages: fonts, so a GUI application, but
                // no window
    Pages,      // the web pages or the package alone: text, which the core application writes
    Screenshot, // the window, offscreen
    Window,
};

Mode modeOf(const CommandLine &line, bool understood)
{
    if (!understood || line.answersAtOnce() || line.parser.isSet(line.check)) {
        return Mode::Terminal;
    }
    if (line.writesFiles()) {
        return line.writesSheets() ? Mode::Files : Mode::Pages;
    }
    if (line.parser.isSet(line.screenshot)) {
        return Mode::Screenshot;
    }
    return hasDisplay() ? Mode::Window : Mode::Terminal;
}

std::unique_ptr<QCoreApplication> applicationFor(Mode mode, int &argc, char **argv)
{
    if (mode == Mode::Terminal || mode == Mode::Pages) {
        return std::make_unique<QCoreApplication>(argc, argv);
    }
    if (mode != Mode::Window && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    if (mode == Mode::Files) {
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
        fail(message, puzzleError);
        return std::nullopt;
    }
}

EditorWindow *openEditor();

// A game window's menu opens editors: a new puzzle, or the one on its board.
void wireGame(MainForm *form)
{
    QObject::connect(form, &MainForm::newPuzzleAsked, form, [] { openEditor()->show(); });
    QObject::connect(form, &MainForm::editAsked, form, [](const board::Exercise &exercise) {
        EditorWindow *editor = openEditor();
        if (exercise.path.empty()) {
            editor->editExercise(exercise);
        } else if (!editor->openFile(QString::fromStdString(exercise.path))) {
            editor->close();
            return;
        }
        editor->show();
    });
}

// An editor whose «Играй» plays its puzzle in a game window of its own, opened on the first play.
EditorWindow *openEditor()
{
    auto *editor = new EditorWindow;
    auto *game = new QPointer<MainForm>;
    QObject::connect(editor, &QObject::destroyed, editor, [game] { delete game; });
    QObject::connect(editor, &EditorWindow::playAsked, editor,
                     [game](const board::Exercise &exercise) {
                         if (game->isNull()) {
                             *game = new MainForm;
                             (*game)->setAttribute(Qt::WA_DeleteOnClose);
                             wireGame(*game);
                         }
                         if ((*game)->play(exercise)) {
                             (*game)->show();
                             (*game)->activateWindow();
                         }
                     });
    return editor;
}

// Shows the window and runs it, or renders it into `screenshot` when that is not empty.
int showWindow(const board::Exercise &exercise, const QString &screenshot)
{
    // The default font is never looked up when the form's is the application's from the start.
    QApplication::setFont(FormFont());
    MainForm form;
    wireGame(&form);
    if (!form.play(exercise)) {
        return EXIT_FAILURE;
    }
    form.show();
    return screenshot.isEmpty() ? QApplication::exec() : saveScreenshot(form, screenshot);
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
    std::optional<CommandLine> line(std::in_place);
    const Mode mode = modeOf(*line, line->parser.parse(arguments));
    const std::unique_ptr<QCoreApplication> app = applicationFor(mode, argc, argv);
    InstallTranslations(*app);
    line.emplace();
    QCommandLineParser &parser = line->parser;
    if (!parser.parse(arguments) || line->answersAtOnce()) {
        parser.process(*app);
    }

    const QStringList files = parser.positionalArguments();
    if (parser.isSet(line->check)) {
        return checkPuzzles(parser.values(line->check) + files);
    }
    if (parser.isSet(line->edit) && (mode == Mode::Window || mode == Mode::Screenshot) &&
        files.size() <= 1) {
        QApplication::setFont(FormFont());
        EditorWindow *editor = openEditor();
        if (!files.isEmpty() && !editor->openFile(files.first())) {
            return puzzleError;
        }
        editor->show();
        return mode == Mode::Screenshot ? saveScreenshot(*editor, parser.value(line->screenshot))
                                        : QApplication::exec();
    }
    if (files.size() > 1) {
        return fail(
            QCoreApplication::translate("acronym", "one puzzle file at a time, not %1 (see --help)")
                .arg(files.size()));
    }
    const std::optional<board::Exercise> exercise = exerciseFrom(files, mode == Mode::Window);
    if (!exercise) {
        return puzzleError;
    }
    switch (mode) {
    case Mode::Files:
    case Mode::Pages:
        return writeFiles(*exercise, *line);
    case Mode::Terminal:
        return fail(QCoreApplication::translate(
            "acronym", "there is no display to open the window on; "
                       "--screenshot FILE renders it into a picture instead"));
    case Mode::Screenshot:
        return showWindow(*exercise, parser.value(line->screenshot));
    case Mode::Window:
        break;
    }
    return showWindow(*exercise, {});
}
