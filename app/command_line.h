// SPDX-FileCopyrightText: 2026 The acronym authors
// SPDX-License-Identifier: MIT

#pragma once

#include <QString>
#include <QStringList>
#include <optional>

/// The program's command line: what it asks for, and how the program answers on the terminal.
namespace app {

constexpr int usageError = 1;
constexpr int puzzleError = 2;

/// Writes "acronym: `message`" to standard error; returns `status`.
int Fail(const QString &message, int status = usageError);

/// What the program is asked to do, which decides the application object that it needs.
enum class Mode
{
    Terminal,   // help, version, a mistake, --check, --results, or a window without a display to
                // open it on
    Files,      // the worksheet, the answer key or the crossword, and any pages: fonts, so a GUI
                // application, but no window
    Pages,      // the web pages or the package alone: text, which the core application writes
    Screenshot, // the window, offscreen
    Window,
};

/// What the command line asks for. Each file to write is there when its option is given.
struct Request
{
    Mode mode = Mode::Terminal;
    QStringList files;    // the puzzle files named without an option
    bool check = false;   // --check: `checked` are the files to check
    QStringList checked;  // --check's files, then `files`
    bool results = false; // --results: `resulted` are the files to read
    QStringList resulted; // --results's files, then `files`
    std::optional<QString> csv;
    bool edit = false;
    std::optional<QString> screenshot;
    std::optional<QString> worksheet;
    std::optional<QString> answers;
    std::optional<QString> crossword;        // the crossword to fill in on paper
    std::optional<QString> crosswordAnswers; // and filled in
    std::optional<QString> html;
    std::optional<QString> scorm;
    std::optional<QString> htmlEditor;
    std::optional<QString> htmlPlayer;
    bool link = false;             // --link: print the puzzle's link
    std::optional<QString> qr;     // --qr: write its QR code
    std::optional<QString> player; // --player: the address that the link leads to
    bool sheetCode = false;        // --worksheet-qr: the worksheet with the link's QR code
};

/// The first reading, before the application object exists: only the mode, which decides it.
Mode ModeOf(const QStringList &arguments);

/// The whole reading, in the language of the translations now installed. Help, the version and
/// mistakes on the command line are answered here, and end the program.
Request ReadRequest(const QStringList &arguments, Mode mode);

} // namespace app
