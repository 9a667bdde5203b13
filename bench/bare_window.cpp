// SPDX-FileCopyrightText: 2026 The acronym authors
// SPDX-License-Identifier: MIT

// The yardstick for start-up: a window of acronym's size with one list and one button, rendered
// into a PNG the way `acronym --screenshot FILE` renders its own.
//
//   bare_window --screenshot FILE

#include <QApplication>
#include <QImageWriter>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>
#include <cstdio>
#include <cstring>

int main(int argc, char *argv[])
{
    if (argc != 3 || std::strcmp(argv[1], "--screenshot") != 0) {
        std::fprintf(stderr, "usage: bare_window --screenshot FILE\n");
        return 1;
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    const QApplication app(argc, argv);
    QWidget window;
    window.setFixedSize(608, 360);
    auto *list = new QListWidget(&window);
    list->setGeometry(8, 56, 105, 137);
    list->addItems({QStringLiteral("Аспарух"), QStringLiteral("хазари")});
    auto *button = new QPushButton(QStringLiteral("Избрах"), &window);
    button->setGeometry(48, 200, 121, 19);
    window.show();
    QApplication::processEvents();
    const QPixmap picture = QGuiApplication::platformName() == QLatin1String("offscreen")
                                ? window.screen()->grabWindow(window.winId())
                                : window.grab();
    QImageWriter writer(QString::fromLocal8Bit(argv[2]), "png");
    return writer.write(picture.toImage()) ? 0 : 1;
}
