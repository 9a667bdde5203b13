// SPDX-FileCopyrightText: 2026 The acronym authors
// SPDX-License-Identifier: MIT

#include "announcer.h"
#include "answering_dialogs.h"
#include "crossword_window.h"
#include "main_form.h"

#include <QLabel>
#include <QPushButton>
#include <QStandardPaths>
#include <QTest>

namespace {

// Types text into a widget a key at a time, as a keyboard of its script does.
void type(QWidget *widget, const QString &text)
{
    for (const QChar character : text) {
        QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString(character),
                            Qt::NoModifier);
    }
}

} // namespace

// The crossword window, opened from the game window's shortcut and played by keys.
class CrosswordWindowTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void playsTheBuiltInCrosswordByKeys();
};

void CrosswordWindowTest::playsTheBuiltInCrosswordByKeys()
{
    MainForm form;
    QVERIFY(form.play(board::BuiltInExercise()));
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    QTest::keyClick(&form, Qt::Key_K, Qt::ControlModifier);
    auto *window = form.findChild<CrosswordWindow *>();
    QVERIFY(window != nullptr);
    QVERIFY(QTest::qWaitForWindowExposed(window));
    const QList<BoxField *> fields = window->findChildren<BoxField *>();
    QCOMPARE(fields.size(), 9);
    QCOMPARE(fields[3]->accessibleName(), "Дума 4: древна стенобойна машина, 5 букви");
    const auto *announcer = window->findChild<Announcer *>();
    const auto said = [announcer] { return announcer->accessibleName(); };
    const auto *key = window->findChildren<QLabel *>().last();

    // A wrong word, mended by a letter; a hint; then each word in turn, by Down from the row above.
    fields[0]->setFocus();
    type(fields[0], QStringLiteral("хазарр"));
    QCOMPARE(said(), "Ред 1: думата не е вярна.");
    QTest::keyClick(fields[0], Qt::Key_Backspace);
    type(fields[0], QStringLiteral("и"));
    QCOMPARE(said(), "хазари: буква х, 1 от 9");
    QTest::keyClick(fields[0], Qt::Key_Down);
    QCOMPARE(QApplication::focusWidget(), fields[1]);
    type(fields[1], QStringLiteral("аспарух"));
    QCOMPARE(said(), "Аспарух: буква А, 2 от 9");
    fields[2]->setFocus();
    type(fields[2], QStringLiteral("нобил"));
    auto *hinting = window->findChildren<QPushButton *>().first();
    QCOMPARE(hinting->text(), "Подскажи буква");
    hinting->click();
    QCOMPARE(said(), "нобили: буква н, 3 от 9");
    QCOMPARE(QApplication::focusWidget(), fields[2]);
    QCOMPARE(key->text(), "Отговорът: х А н · · · · · ·");
    QCOMPARE(key->accessibleName(), "Отговорът досега: х А н, още 6 букви.");
    const checks::AnsweringDialogs answering{QString()};
    const QStringList words{"таран", "Евридика", "рицар", "византийци", "Елена", "Лакедемон"};
    for (const QString &word : words) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
        type(QApplication::focusWidget(), word.toUpper());
    }
    QCOMPARE(said(), "Лакедемон: буква Л, 9 от 9");
    QCOMPARE(key->text(), "Отговорът: х А н т Е р в Е Л");
    QCOMPARE(answering.refusal(), "Браво! Акронимът е готов: «хан Тервел».\nГрешни опити: 2.");
    // A solved row takes no more letters.
    type(fields[8], QStringLiteral("я"));
    QCOMPARE(fields[8]->text(), "Лакедемон");
    window->close();
}

QTEST_MAIN(CrosswordWindowTest)
#include "crossword_window_test.moc"
