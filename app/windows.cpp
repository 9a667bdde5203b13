// SPDX-FileCopyrightText: 2026 The acronym authors
// SPDX-License-Identifier: MIT

#include "windows.h"

#include "command_line.h"
#include "editor_window.h"
#include "link_dialog.h"
#include "main_form.h"

#include <QApplication>
#include <QImageWriter>
#include <QPixmap>
#include <QPointer>
#include <QScreen>
#include <cstdlib>

namespace app {

namespace {

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
        return Fail(
            QCoreApplication::translate("acronym", R"(cannot write the screenshot to "%1": %2)")
                .arg(file, writer.errorString()));
    }
    return 0;
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

// An editor whose «Играй» plays its puzzle in a game window of its own, opened on the first play,
// and whose sheets print as the game window's do.
EditorWindow *openEditor()
{
    auto *editor = new EditorWindow;
    auto *game = new QPointer<MainForm>;
    QObject::connect(editor, &QObject::destroyed, editor, [game] { delete game; });
    QObject::connect(editor, &EditorWindow::linkAsked, editor,
                     [editor](const board::Exercise &exercise) {
                         LinkDialog dialog(exercise, editor);
                         dialog.exec();
                     });
    QObject::connect(editor, &EditorWindow::printAsked, editor,
                     [editor](const board::Exercise &exercise, sheets::Sheet sheet) {
                         PrintSheet(editor, exercise, sheet);
                     });
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

} // namespace

int RunGame(const board::Exercise &exercise, const std::optional<QString> &screenshot)
{
    // The default font is never looked up when the form's is the application's from the start.
    QApplication::setFont(FormFont());
    MainForm form;
    wireGame(&form);
    if (!form.play(exercise)) {
        return EXIT_FAILURE;
    }
    form.show();
    return screenshot ? saveScreenshot(form, *screenshot) : QApplication::exec();
}

int RunEditor(const std::optional<QString> &file, const std::optional<QString> &screenshot)
{
    QApplication::setFont(FormFont());
    EditorWindow *editor = openEditor();
    if (file && !editor->openFile(*file)) {
        return puzzleError;
    }
    editor->show();
    return screenshot ? saveScreenshot(*editor, *screenshot) : QApplication::exec();
}

} // namespace app
