// SPDX-FileCopyrightText: 2026 The acronym authors
// SPDX-License-Identifier: MIT

// Plays thousands of random actions on the real window: clicks and Ctrl+clicks on rows of the three
// lists, arrow, paging, Space and Tab keys, both buttons, and now and then a right pair, so that
// games also run to their end. After every action the board's rules must hold on the widgets and
// the program must still be running.
//
//   ACRONYM_SOAK_SEED=N     replays the run with that seed (printed at the start and on failure)
//   ACRONYM_SOAK_ACTIONS=N  how many actions (10000 by default)

#include "invariants.h"
#include "list_box.h"
#include "main_form.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QRandomGenerator>
#include <QTest>
#include <QTimer>
#include <array>
#include <functional>

class SoakTest : public QObject
{
    Q_OBJECT

private slots:
    void playsAtRandom();
};

void SoakTest::playsAtRandom()
{
    const quint32 seed = qEnvironmentVariableIsSet("ACRONYM_SOAK_SEED")
                             ? qEnvironmentVariable("ACRONYM_SOAK_SEED").toUInt()
                             : QRandomGenerator::global()->generate();
    const int actions = qEnvironmentVariableIsSet("ACRONYM_SOAK_ACTIONS")
                            ? qEnvironmentVariableIntValue("ACRONYM_SOAK_ACTIONS")
                            : 10000;
    qInfo("seed %u (ACRONYM_SOAK_SEED=%u replays it), %d actions", seed, seed, actions);
    QRandomGenerator random(seed);

    MainForm form;
    QVERIFY(form.play(board::BuiltInExercise()));
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    QApplication::setActiveWindow(&form);
    QVERIFY(QTest::qWaitForWindowActive(&form));
    const board::Board columns = form.columns();
    const std::array<QListWidget *, 3> shown{&static_cast<ListBox &>(columns.List1(0)),
                                             &static_cast<ListBox &>(columns.List1(1)),
                                             &static_cast<ListBox &>(columns.List3())};
    const std::array<QPushButton *, 2> buttons{form.findChild<QPushButton *>("Command1_0"),
                                               form.findChild<QPushButton *>("Command1_1")};

    // A finished game's message is closed as a learner would; an error message would stop the
    // program: close it and report it.
    QString errorShown;
    QTimer watch;
    connect(&watch, &QTimer::timeout, this, [&errorShown] {
        if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
            if (box->icon() == QMessageBox::Information) {
                QTest::keyClick(box, Qt::Key_Escape);
                return;
            }
            errorShown = box->text();
            box->reject();
        }
    });
    watch.start(20);

    const auto clickRow = [](QListWidget *list, int row, Qt::KeyboardModifiers modifiers) {
        list->scrollToItem(list->item(row));
        QTest::mouseClick(list->viewport(), Qt::LeftButton, modifiers,
                          list->visualItemRect(list->item(row)).center());
    };
    const std::array<std::pair<Qt::Key, Qt::KeyboardModifiers>, 11> keys{{
        {Qt::Key_Up, Qt::NoModifier},
        {Qt::Key_Down, Qt::NoModifier},
        {Qt::Key_Home, Qt::NoModifier},
        {Qt::Key_End, Qt::NoModifier},
        {Qt::Key_PageDown, Qt::NoModifier},
        {Qt::Key_Space, Qt::NoModifier},
        {Qt::Key_Space, Qt::ControlModifier},
        {Qt::Key_Return, Qt::NoModifier},
        {Qt::Key_Tab, Qt::NoModifier},
        {Qt::Key_Tab, Qt::ShiftModifier},
        {Qt::Key_Down, Qt::ControlModifier},
    }};

    for (int action = 0; action < actions; ++action) {
        QString done;
        const quint32 kind = random.bounded(20U);
        if (kind < 8) {
            QListWidget *list = shown[random.bounded(3U)];
            if (list->count() > 0) {
                const int row = random.bounded(list->count());
                const bool control = random.bounded(4U) == 0;
                clickRow(list, row, control ? Qt::ControlModifier : Qt::NoModifier);
                done = QStringLiteral("%1click on row %2 of %3")
                           .arg(control ? "Ctrl+" : "")
                           .arg(row)
                           .arg(list->objectName());
            }
        } else if (kind < 14) {
            // After a finished game's message the offscreen platform leaves no window active.
            if (QApplication::focusWidget() == nullptr) {
                QApplication::setActiveWindow(&form);
                QTRY_VERIFY(QApplication::focusWidget() != nullptr);
            }
            const auto &[key, modifiers] = keys[random.bounded(static_cast<quint32>(keys.size()))];
            QWidget *target = QApplication::focusWidget();
            done = QStringLiteral("key %1 (modifiers %2) in %3")
                       .arg(key)
                       .arg(modifiers.toInt())
                       .arg(target->objectName());
            QTest::keyClick(target, key, modifiers);
        } else if (kind < 16) {
            QTest::mouseClick(buttons[0], Qt::LeftButton);
            done = QStringLiteral("Избрах");
        } else if (kind < 17) {
            QTest::mouseClick(buttons[1], Qt::LeftButton);
            done = QStringLiteral("Чисти");
        } else if (columns.List1(0).ListCount() > 0) {
            const int word = random.bounded(columns.List1(0).ListCount());
            const int explanation =
                board::checks::RowOf(columns.List1(3), columns.List1(2).List(word));
            clickRow(shown[0], word, Qt::NoModifier);
            clickRow(shown[1], explanation, Qt::NoModifier);
            QTest::mouseClick(buttons[0], Qt::LeftButton);
            done = QStringLiteral("right pair at rows %1 and %2").arg(word).arg(explanation);
        }

        const QString where =
            QStringLiteral("seed %1, action %2: %3").arg(seed).arg(action).arg(done);
        QVERIFY2(errorShown.isEmpty(), qPrintable(where + " showed " + errorShown));
        QVERIFY2(form.isVisible(), qPrintable(where + " closed the window"));
        const std::string broken = board::checks::BrokenRule(columns, board::BuiltInPuzzle());
        QVERIFY2(broken.empty(), qPrintable(where + ": " + QString::fromStdString(broken)));
    }
}

QTEST_MAIN(SoakTest)
#include "soak_test.moc"
