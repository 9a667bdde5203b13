// SPDX-FileCopyrightText: 2026 The acronym authors
// SPDX-License-Identifier: MIT

// How long a keystroke takes in the desktop editor: the time from a key's press to the window
// painted anew after it, for each of 20 letters typed into the fifth row's explanation of a
// puzzle file, offscreen. Prints the median and the slowest.
//
//     editor_keystroke PUZZLE
//
// bench/pictured_puzzle FOLDER --format jpeg --grain writes a puzzle with nine photos' worth of
// pictures.

#include "editor_window.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QLineEdit>
#include <algorithm>
#include <cstdio>
#include <vector>

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("LANG", "C.UTF-8");
    QApplication application(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: editor_keystroke PUZZLE\n");
        return 1;
    }
    auto *window = new EditorWindow;
    if (!window->openFile(QString::fromLocal8Bit(argv[1]))) {
        return 1;
    }
    window->show();
    QApplication::processEvents();
    const auto fields = window->findChildren<QLineEdit *>();
    const auto field = std::find_if(fields.begin(), fields.end(), [](const QLineEdit *edit) {
        return edit->accessibleName() == QStringLiteral("Explanation 5");
    });
    if (field == fields.end()) {
        std::fprintf(stderr, "the puzzle has no fifth row\n");
        return 1;
    }
    (*field)->setFocus();
    (*field)->end(false);
    std::vector<double> times;
    for (const char letter : QByteArrayLiteral("abcdefghijklmnopqrst")) {
        const auto key = static_cast<Qt::Key>(Qt::Key_A + (letter - 'a'));
        QElapsedTimer clock;
        clock.start();
        for (const QEvent::Type type : {QEvent::KeyPress, QEvent::KeyRelease}) {
            QKeyEvent event(type, key, Qt::NoModifier, QString(QChar::fromLatin1(letter)));
            QApplication::sendEvent(*field, &event);
        }
        window->repaint();
        times.push_back(static_cast<double>(clock.nsecsElapsed()) / 1e6);
    }
    std::sort(times.begin(), times.end());
    std::printf(
        "keystroke in the fifth explanation, %zu letters: median %.1f ms, slowest %.1f ms\n",
        times.size(), (times[times.size() / 2 - 1] + times[times.size() / 2]) / 2, times.back());
    delete window;
    return 0;
}
