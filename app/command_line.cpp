// SPDX-FileCopyrightText: 2026 The acronym authors
// SPDX-License-Identifier: MIT

#include "command_line.h"

#include "build_settings.h"
#include "content.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <cstdio>

namespace app {

namespace {

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
    QCommandLineOption crossword{
        QStringLiteral("crossword"),
        QCoreApplication::translate(
            "acronym", "Write the puzzle as an A4 crossword to fill in on paper into PDF, its "
                       "shaded column spelling the answer, then exit. Needs no display."),
        QCoreApplication::translate("acronym", "PDF")};
    QCommandLineOption crosswordAnswers{
        QStringLiteral("crossword-answers"),
        QCoreApplication::translate(
            "acronym", "Write the crossword filled in, for the teacher, into PDF, then exit. Needs "
                       "no display."),
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
    QCommandLineOption htmlPlayer{
        QStringLiteral("html-player"),
        QCoreApplication::translate(
            "acronym", "Write the player as one web page into PAGE, then exit: it plays the puzzle "
                       "that a link carries after its '#', or the built-in one. Needs no "
                       "display."),
        QCoreApplication::translate("acronym", "PAGE")};
    QCommandLineOption link{
        QStringLiteral("link"),
        QCoreApplication::translate(
            "acronym", "Print the link that plays the puzzle on any phone or computer: the "
                       "player's address with the puzzle packed after its '#'. Pictures stay "
                       "out of links.")};
    QCommandLineOption qr{
        QStringLiteral("qr"),
        QCoreApplication::translate(
            "acronym", "Write the link's QR code into OUT: an SVG drawing when OUT ends in .svg, "
                       "otherwise a PNG picture."),
        QCoreApplication::translate("acronym", "OUT")};
    QCommandLineOption worksheetQr{
        QStringLiteral("worksheet-qr"),
        QCoreApplication::translate(
            "acronym", "With --worksheet, end the worksheet with the QR code of the puzzle's "
                       "link, to play it on a phone.")};
    QCommandLineOption player{
        QStringLiteral("player"),
        QCoreApplication::translate(
            "acronym", "With --link or --qr, the address of the player's page that the link "
                       "leads to, instead of %1.")
            .arg(QString::fromUtf8(build::playerAddress)),
        QCoreApplication::translate("acronym", "URL")};
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

    QCommandLineOption results{
        QStringLiteral("results"),
        QCoreApplication::translate(
            "acronym", "Read the result lines that learners sent from the text FILE, and any "
                       "further FILEs (a chat, a mail), and print the table of them."),
        QCoreApplication::translate("acronym", "FILE")};
    QCommandLineOption csv{
        QStringLiteral("csv"),
        QCoreApplication::translate(
            "acronym", "With --results, also write the table into OUT as CSV for a spreadsheet."),
        QCoreApplication::translate("acronym", "OUT")};

    CommandLine()
    {
        parser.setApplicationDescription(QString::fromStdString(board::BuiltInExercise().caption));
        parser.addOption(screenshot);
        parser.addOption(worksheet);
        parser.addOption(answers);
        parser.addOption(crossword);
        parser.addOption(crosswordAnswers);
        parser.addOption(html);
        parser.addOption(scorm);
        parser.addOption(htmlEditor);
        parser.addOption(htmlPlayer);
        parser.addOption(link);
        parser.addOption(qr);
        parser.addOption(worksheetQr);
        parser.addOption(player);
        parser.addOption(edit);
        parser.addOption(check);
        parser.addOption(results);
        parser.addOption(csv);
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

    // The sheets and the web pages are written without a window.
    bool writesFiles() const
    {
        return writesSheets() || parser.isSet(html) || parser.isSet(scorm) || writesEditor() ||
               parser.isSet(link) || parser.isSet(qr);
    }
    // The sheets need fonts, and a QR code's picture a GUI application; the pages are text.
    bool writesSheets() const
    {
        return parser.isSet(worksheet) || parser.isSet(answers) || parser.isSet(crossword) ||
               parser.isSet(crosswordAnswers) || parser.isSet(qr);
    }
    bool writesEditor() const { return parser.isSet(htmlEditor) || parser.isSet(htmlPlayer); }
};

Mode modeOf(const CommandLine &line, bool understood)
{
    if (!understood || line.answersAtOnce() || line.parser.isSet(line.check) ||
        line.parser.isSet(line.results) || line.parser.isSet(line.csv)) {
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

// The option's value when it is given.
std::optional<QString> valueOf(const QCommandLineParser &parser, const QCommandLineOption &option)
{
    return parser.isSet(option) ? std::optional(parser.value(option)) : std::nullopt;
}

} // namespace

int Fail(const QString &message, int status)
{
    std::fprintf(stderr, "acronym: %s\n", qUtf8Printable(message));
    return status;
}

Mode ModeOf(const QStringList &arguments)
{
    CommandLine line;
    const bool understood = line.parser.parse(arguments);
    return modeOf(line, understood);
}

Request ReadRequest(const QStringList &arguments, Mode mode)
{
    CommandLine line;
    QCommandLineParser &parser = line.parser;
    if (!parser.parse(arguments) || line.answersAtOnce()) {
        parser.process(*QCoreApplication::instance());
    }
    Request request;
    request.mode = mode;
    request.files = parser.positionalArguments();
    request.check = parser.isSet(line.check);
    if (request.check) {
        request.checked = parser.values(line.check) + request.files;
    }
    request.results = parser.isSet(line.results);
    if (request.results) {
        request.resulted = parser.values(line.results) + request.files;
    }
    request.csv = valueOf(parser, line.csv);
    request.edit = parser.isSet(line.edit);
    request.screenshot = valueOf(parser, line.screenshot);
    request.worksheet = valueOf(parser, line.worksheet);
    request.answers = valueOf(parser, line.answers);
    request.crossword = valueOf(parser, line.crossword);
    request.crosswordAnswers = valueOf(parser, line.crosswordAnswers);
    request.html = valueOf(parser, line.html);
    request.scorm = valueOf(parser, line.scorm);
    request.htmlEditor = valueOf(parser, line.htmlEditor);
    request.htmlPlayer = valueOf(parser, line.htmlPlayer);
    request.link = parser.isSet(line.link);
    request.qr = valueOf(parser, line.qr);
    request.player = valueOf(parser, line.player);
    request.sheetCode = parser.isSet(line.worksheetQr);
    return request;
}

} // namespace app
