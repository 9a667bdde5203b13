// SPDX-FileCopyrightText: 2026 The acronym authors
// SPDX-License-Identifier: MIT

#include "announcer.h"
#include "answering_dialogs.h"
#include "drawn_pictures.h"
#include "flat_button.h"
#include "invariants.h"
#include "link_dialog.h"
#include "list_box.h"
#include "main_form.h"
#include "puzzle_file.h"
#include "results.h"
#include "results_dialog.h"
#include "scorm_package.h"
#include "web_page.h"

#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QInputDialog>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPrintDialog>
#include <QProcess>
#include <QPushButton>
#include <QScrollBar>
#include <QSettings>
#include <QStandardPaths>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <memory>

namespace {

const QStringList words{"Аспарух", "византийци", "Евридика ", "Елена", "Лакедемон",
                        "нобили",  "рицар",      "таран",     "хазари"};
const QStringList explanations{"български владетел, основател на Дунавска България",
                               "гръкоезичните поданици на Римската империя",
                               "древна стенобойна машина",
                               "другото име на Спарта",
                               "любимата на Орфей",
                               "полуномадска народност, севернокавказки произход",
                               "римски родове, които са имали поне един консул",
                               "съпруга на Меналай, причина за Троянската война",
                               "тежковъоръжен конник, благородническа титла"};
// Word i belongs with explanation partner[i].
constexpr int partner[] = {0, 1, 4, 7, 3, 6, 8, 2, 5};
const QStringList blankSlots(9, QStringLiteral(" "));
const QStringList khan{"х", "А", "н", "т", "Е", "р", "в", "Е", "Л"};

QStringList rows(const QListWidget *list)
{
    QStringList texts;
    for (int row = 0; row < list->count(); ++row) {
        texts << list->item(row)->text();
    }
    return texts;
}

} // namespace

class MainFormTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void startsInTheStartingPosition();
    void judgesAChoice_data();
    void judgesAChoice();
    void resetsMidGame();
    void playsAWholeGameByMouse();
    void playsAWholeGameByKeyboard();
    void clickingTheAcronymOnlyMovesItsSelection();
    void placesEveryControl_data();
    void placesEveryControl();
    void keepsTheHiddenControlsHidden();
    void isAFixedWindow();
    void paintsTheColours_data();
    void paintsTheColours();
    void centresTheHeadings();
    void startsFocusInTheInstructions();
    void tabsInOrder();
    void showsTheTexts_data();
    void showsTheTexts();
    void usesTheFont();
    void captionsWithTheAddress_data();
    void captionsWithTheAddress();
    void keepsTheInstructionsReadOnly();
    void namesTheListsForScreenReaders();
    void hasAHamburgerIcon();
    void playsAPuzzleFromAFile();
    void playsAGameWithPictures();
    void scrollsWideRows();
    void endsOnABoardError();
    void endsOnABoardErrorWhileBuilt();
    void showsAFileError();
    void opensAnotherPuzzle_data();
    void opensAnotherPuzzle();
    void tellsScreenReaders_data();
    void tellsScreenReaders();
    void scrollsTheFilledSlotIntoSight();
    void endsTheGameWithAMessage();
    void sendsTheResultLine();
    void sharesTheLink();
    void printsFromTheWindow_data();
    void printsFromTheWindow();
    void playsTheSharedGames_data();
    void playsTheSharedGames();
    void opensTheMenu_data();
    void opensTheMenu();
    void asksForTheEditor();

private:
    ListBox *list(const char *name) const { return m_form->findChild<ListBox *>(name); }
    FlatButton *button(int index) const
    {
        return m_form->findChild<FlatButton *>(QStringLiteral("Command1_%1").arg(index));
    }
    board::Board columns() const { return m_form->columns(); }
    void clickRow(QListWidget *list, const QString &text,
                  Qt::KeyboardModifiers modifiers = Qt::NoModifier);
    void choose(const QString &word, const QString &explanation);
    void verifyStartingPosition();
    QString openFile(const QString &how, const QString &path);

    std::unique_ptr<MainForm> m_form;
    QTimer m_closer;    // closes a finished game's message, as Return would
    QStringList m_told; // what those messages said
};

void MainFormTest::init()
{
    m_told.clear();
    connect(&m_closer, &QTimer::timeout, this, [this] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (box != nullptr && box->icon() == QMessageBox::Information) {
            m_told << (box->textFormat() == Qt::PlainText ? box->text() : "markup: " + box->text());
            QTest::keyClick(box, Qt::Key_Return);
        }
    });
    m_closer.start(10);
    m_form = std::make_unique<MainForm>();
    QVERIFY(m_form->play(board::BuiltInExercise()));
    m_form->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_form.get()));
}

void MainFormTest::cleanup()
{
    m_closer.stop();
    m_closer.disconnect();
    m_form.reset();
}

void MainFormTest::clickRow(QListWidget *list, const QString &text, Qt::KeyboardModifiers modifiers)
{
    const QList<QListWidgetItem *> found = list->findItems(text, Qt::MatchExactly);
    QVERIFY2(found.size() == 1, qPrintable(text));
    list->scrollToItem(found.first());
    QTest::mouseClick(list->viewport(), Qt::LeftButton, modifiers,
                      list->visualItemRect(found.first()).center());
}

void MainFormTest::choose(const QString &word, const QString &explanation)
{
    if (!word.isEmpty()) {
        clickRow(list("List1_0"), word);
    }
    if (!explanation.isEmpty()) {
        clickRow(list("List1_1"), explanation);
    }
    QTest::mouseClick(button(0), Qt::LeftButton);
}

void MainFormTest::verifyStartingPosition()
{
    QCOMPARE(rows(list("List1_0")), words);
    QCOMPARE(rows(list("List1_1")), explanations);
    QCOMPARE(rows(list("List3")), blankSlots);
    QCOMPARE(list("List1_0")->ListIndex(), -1);
    QCOMPARE(list("List1_1")->ListIndex(), -1);
    QCOMPARE(board::checks::BrokenRule(columns(), board::BuiltInPuzzle()), "");
}

void MainFormTest::startsInTheStartingPosition()
{
    verifyStartingPosition();
    using Texts = std::vector<std::string>;
    QCOMPARE(board::checks::Rows(columns().List1(2)),
             Texts({"1", "6", "4", "7", "8", "2", "5", "3", "0"}));
    QCOMPARE(board::checks::Rows(columns().List1(3)),
             Texts({"1", "6", "3", "8", "4", "0", "2", "7", "5"}));
    QCOMPARE(board::checks::Rows(columns().List2(0)), board::BuiltInPuzzle().words);
}

void MainFormTest::judgesAChoice_data()
{
    QTest::addColumn<QString>("word");
    QTest::addColumn<QString>("explanation");
    QTest::addColumn<bool>("deselectWord"); // with a Ctrl+click before the press
    QTest::addColumn<int>("slot");          // -1: no match
    QTest::addColumn<QString>("wordSelectedAfter");
    QTest::addColumn<QString>("explanationSelectedAfter");

    QTest::addRow("right pair, different rows") << "хазари" << explanations[5] << false << 0 << ""
                                                << "";
    QTest::addRow("right pair, same row") << "Аспарух" << explanations[0] << false << 1 << ""
                                          << "";
    QTest::addRow("right pair, word with trailing blank")
        << "Евридика " << explanations[4] << false << 4 << ""
        << "";
    QTest::addRow("wrong pair") << "Аспарух" << explanations[2] << false << -1 << ""
                                << "";
    QTest::addRow("word only") << "рицар"
                               << "" << false << -1 << "рицар"
                               << "";
    QTest::addRow("explanation only")
        << "" << explanations[3] << false << -1 << "" << explanations[3];
    QTest::addRow("word deselected by Ctrl+click")
        << "хазари" << explanations[5] << true << -1 << "" << explanations[5];
}

void MainFormTest::judgesAChoice()
{
    QFETCH(QString, word);
    QFETCH(QString, explanation);
    QFETCH(bool, deselectWord);
    QFETCH(int, slot);
    QFETCH(QString, wordSelectedAfter);
    QFETCH(QString, explanationSelectedAfter);

    if (deselectWord) {
        clickRow(list("List1_0"), word);
        clickRow(list("List1_0"), word, Qt::ControlModifier);
        word.clear();
    }
    choose(word, explanation);

    QStringList expectedWords = words;
    QStringList expectedExplanations = explanations;
    QStringList expectedSlots = blankSlots;
    if (slot >= 0) {
        expectedWords.removeOne(word);
        expectedExplanations.removeOne(explanation);
        expectedSlots[slot] = word.left(1);
    }
    QCOMPARE(rows(list("List1_0")), expectedWords);
    QCOMPARE(rows(list("List1_1")), expectedExplanations);
    QCOMPARE(rows(list("List3")), expectedSlots);
    const auto selected = [](const ListBox *box) {
        return box->ListIndex() < 0 ? QString() : box->item(box->ListIndex())->text();
    };
    QCOMPARE(selected(list("List1_0")), wordSelectedAfter);
    QCOMPARE(selected(list("List1_1")), explanationSelectedAfter);
    QCOMPARE(board::checks::BrokenRule(columns(), board::BuiltInPuzzle()), "");
}

void MainFormTest::resetsMidGame()
{
    choose(words[8], explanations[5]);
    choose(words[3], explanations[7]);
    clickRow(list("List1_0"), words[0]);
    clickRow(list("List1_1"), explanations[2]);
    QCOMPARE(list("List3")->item(7)->text(), "Е");

    QTest::mouseClick(button(1), Qt::LeftButton);

    verifyStartingPosition();
}

void MainFormTest::playsAWholeGameByMouse()
{
    for (const int word : {4, 0, 8, 2, 6, 1, 3, 5, 7}) {
        choose(words[word], explanations[partner[word]]);
        QCOMPARE(board::checks::BrokenRule(columns(), board::BuiltInPuzzle()), "");
    }
    QCOMPARE(rows(list("List3")), khan);
    QCOMPARE(list("List1_0")->count(), 0);
    QCOMPARE(list("List1_1")->count(), 0);

    QTest::mouseClick(button(0), Qt::LeftButton);
    QCOMPARE(rows(list("List3")), khan);
}

void MainFormTest::playsAWholeGameByKeyboard()
{
    QApplication::setActiveWindow(m_form.get());
    QVERIFY(QTest::qWaitForWindowActive(m_form.get()));
    const auto keys = [](Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QTest::keyClick(QApplication::focusWidget(), key, modifiers);
    };
    // Focus starts in the instructions; from there Tab reaches the words.
    for (int round = 0; round < 9; ++round) {
        const int explanationRow = list("List1_1")->row(
            list("List1_1")->findItems(explanations[partner[round]], Qt::MatchExactly).first());
        // Home makes the first row current, Space selects it, Down moves the selection.
        keys(Qt::Key_Tab);
        keys(Qt::Key_Home);
        keys(Qt::Key_Space);
        keys(Qt::Key_Tab);
        keys(Qt::Key_Home);
        keys(Qt::Key_Space);
        for (int down = 0; down < explanationRow; ++down) {
            keys(Qt::Key_Down);
        }
        keys(Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), button(0));
        keys(Qt::Key_Space);
        QCOMPARE(list("List1_0")->count(), 8 - round);
        if (round == 8) {
            // The finished game's message took the focus; closed, it gives it back.
            QCOMPARE(m_told.size(), 1);
            QApplication::setActiveWindow(m_form.get());
            QTRY_COMPARE(QApplication::focusWidget(), button(0));
        }
        keys(Qt::Key_Tab, Qt::ShiftModifier);
        keys(Qt::Key_Tab, Qt::ShiftModifier);
        keys(Qt::Key_Tab, Qt::ShiftModifier);
    }
    QCOMPARE(rows(list("List3")), khan);

    keys(Qt::Key_Tab, Qt::ShiftModifier);
    QCOMPARE(QApplication::focusWidget(), button(1));
    keys(Qt::Key_Space);
    verifyStartingPosition();
}

void MainFormTest::clickingTheAcronymOnlyMovesItsSelection()
{
    choose(words[8], explanations[5]);
    clickRow(list("List3"), "х");
    QCOMPARE(list("List3")->ListIndex(), 0);
    QCOMPARE(rows(list("List3")), QStringList({"х", " ", " ", " ", " ", " ", " ", " ", " "}));
    QCOMPARE(list("List1_0")->count(), 8);
}

void MainFormTest::placesEveryControl_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("geometry"); // logical pixels: twips / 15

    QTest::addRow("Label1(0)") << "Label1_0" << QRect(64, 0, 441, 25);
    QTest::addRow("Label1(1)") << "Label1_1" << QRect(8, 32, 105, 25);
    QTest::addRow("Label1(2)") << "Label1_2" << QRect(120, 32, 401, 25);
    QTest::addRow("Label1(3)") << "Label1_3" << QRect(528, 32, 73, 25);
    QTest::addRow("List1(0)") << "List1_0" << QRect(8, 56, 105, 137);
    QTest::addRow("List1(1)") << "List1_1" << QRect(120, 56, 401, 137);
    QTest::addRow("List3") << "List3" << QRect(528, 56, 73, 137);
    QTest::addRow("Command1(0)") << "Command1_0" << QRect(48, 200, 121, 19);
    QTest::addRow("Command1(1)") << "Command1_1" << QRect(376, 200, 121, 19);
    QTest::addRow("Text1(0)") << "Text1_0" << QRect(8, 232, 585, 121);
    QTest::addRow("Text1(1)") << "Text1_1" << QRect(40, 216, 449, 121);
}

void MainFormTest::placesEveryControl()
{
    QFETCH(QString, name);
    QFETCH(QRect, geometry);
    const auto *control = m_form->findChild<QWidget *>(name);
    QVERIFY(control);
    QCOMPARE(control->geometry(), geometry);
}

void MainFormTest::keepsTheHiddenControlsHidden()
{
    // The key and master columns are no controls at all; the quotation is one, never shown. The
    // announcer for screen readers has no size: nothing of it is seen.
    const QStringList shown{"Command1_0", "Command1_1", "Label1_0", "Label1_1", "Label1_2",
                            "Label1_3",   "List1_0",    "List1_1",  "List3",    "Text1_0"};
    const auto verifyShown = [this, &shown] {
        QStringList visible;
        for (const QWidget *control : m_form->findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
            if (control->isVisible() && !control->size().isEmpty()) {
                visible << control->objectName();
            }
        }
        visible.sort();
        QCOMPARE(visible, shown);
        QVERIFY(!m_form->findChild<QWidget *>("Text1_1")->isVisible());
    };
    verifyShown();
    choose(words[8], explanations[5]);
    verifyShown();
    QTest::mouseClick(button(1), Qt::LeftButton);
    verifyShown();
    QCOMPARE(m_form->findChildren<QListWidget *>().size(), 3);
}

void MainFormTest::isAFixedWindow()
{
    QCOMPARE(m_form->size(), QSize(608, 360));
    QCOMPARE(m_form->minimumSize(), m_form->maximumSize());
    const Qt::WindowFlags flags = m_form->windowFlags();
    QVERIFY(!flags.testFlag(Qt::WindowMinimizeButtonHint));
    QVERIFY(!flags.testFlag(Qt::WindowMaximizeButtonHint));
    QVERIFY(flags.testFlag(Qt::WindowCloseButtonHint));
}

void MainFormTest::paintsTheColours_data()
{
    QTest::addColumn<QPoint>("pixel");
    QTest::addColumn<QColor>("colour");

    QTest::addRow("background") << QPoint(2, 2) << QColor(192, 192, 255);
    QTest::addRow("background between buttons") << QPoint(300, 210) << QColor(192, 192, 255);
    QTest::addRow("title") << QPoint(66, 2) << QColor(255, 192, 128);
    QTest::addRow("heading Дума") << QPoint(10, 34) << QColor(255, 192, 128);
    QTest::addRow("heading Пояснение") << QPoint(122, 34) << QColor(255, 192, 128);
    QTest::addRow("heading Анаграма") << QPoint(530, 54) << QColor(255, 192, 128);
    QTest::addRow("face of Избрах") << QPoint(52, 203) << QColor(128, 255, 128);
    QTest::addRow("face of Чисти") << QPoint(492, 215) << QColor(255, 128, 128);
}

void MainFormTest::paintsTheColours()
{
    QFETCH(QPoint, pixel);
    QFETCH(QColor, colour);
    // Pressed or focused, a button keeps its face.
    QTest::mousePress(button(1), Qt::LeftButton);
    const QImage image = m_form->grab().toImage();
    QTest::mouseRelease(button(1), Qt::LeftButton);
    QCOMPARE(image.pixelColor(pixel * image.devicePixelRatio()), colour);
}

void MainFormTest::centresTheHeadings()
{
    const QImage image = m_form->grab().toImage();
    const QColor labelColour(255, 192, 128);
    for (const QLabel *label : m_form->findChildren<QLabel *>()) {
        const QRect area = label->geometry();
        int left = area.right();
        int right = area.left();
        for (int y = area.top(); y <= area.bottom(); ++y) {
            for (int x = area.left(); x <= area.right(); ++x) {
                if (image.pixelColor(x, y) != labelColour) {
                    left = std::min(left, x);
                    right = std::max(right, x);
                }
            }
        }
        QVERIFY2(left < right, qPrintable(label->objectName()));
        QVERIFY2(std::abs((left + right) / 2 - area.center().x()) <= 2,
                 qPrintable(label->objectName()));
    }
}

void MainFormTest::startsFocusInTheInstructions()
{
    QApplication::setActiveWindow(m_form.get());
    QVERIFY(QTest::qWaitForWindowActive(m_form.get()));
    QCOMPARE(QApplication::focusWidget()->objectName(), "Text1_0");
}

void MainFormTest::tabsInOrder()
{
    QApplication::setActiveWindow(m_form.get());
    QVERIFY(QTest::qWaitForWindowActive(m_form.get()));
    const QStringList order{"Text1_0", "List1_0", "List1_1", "Command1_0", "List3", "Command1_1"};
    for (qsizetype step = 1; step <= order.size(); ++step) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget()->objectName(), order[step % order.size()]);
    }
    for (qsizetype step = order.size() - 1; step >= 0; --step) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab, Qt::ShiftModifier);
        QCOMPARE(QApplication::focusWidget()->objectName(), order[step]);
    }
}

void MainFormTest::showsTheTexts_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("text"); // as authored, CR LF line ends included
    QTest::addColumn<int>("length");

    QTest::addRow("title") << "Label1_0"
                           << "История - акроним\r\n"
                           << 19;
    QTest::addRow("words heading") << "Label1_1"
                                   << "Дума" << 4;
    QTest::addRow("explanations heading") << "Label1_2"
                                          << "Пояснение" << 9;
    QTest::addRow("acronym heading") << "Label1_3"
                                     << "Анаграма" << 8;
    QTest::addRow("Избрах") << "Command1_0"
                            << "Избрах" << 6;
    QTest::addRow("Чисти") << "Command1_1"
                           << "Чисти" << 5;
    QTest::addRow("instructions")
        << "Text1_0"
        << "Акронимът е вид абревиатура, която е образувана само от началните букви и се чете "
           "слято като една дума, а не буква по буква.\r\n"
           "Да се състави проект, представящ междупредметни връзки История и Информатика.\r\n"
           "Тема на проекта: История - акроним.\r\n"
           "Целта на проекта е да се формира акроним - име на прабългарски хан, което е формирано "
           "от началните букви на различни личности, групи или предмети с историческо значение. "
           "Буквите в акронима могат да се повтарят, но не и думите от които са образувани. В две "
           "отделни списъчни полета с еднакъв брой редове да се запишат:\r\n"
           "названията, чиито първи букви формират търсения акроним;\r\n"
           "техните определения.\r\n"
           "Редовете във всяко от списъчните полета са азбучно подредени. При правилно посочване "
           "на съответен ред и от двете полета в трето списъчно поле да се изписва първата буква "
           "на търсения акроним, а посочените редове да се изтриват.\r\n"
        << 868;
    QTest::addRow("quotation") << "Text1_1"
                               << "Неприятното в това да си първият, направил нещо по \r\n"
                                  "правилния начин, е, че никой не оценява колко трудно е \r\n"
                                  "било. \r\n"
                               << 118;
}

void MainFormTest::showsTheTexts()
{
    QFETCH(QString, name);
    QFETCH(QString, text);
    QFETCH(int, length);
    QCOMPARE(text.size(), length);

    const QObject *control = m_form->findChild<QObject *>(name);
    QString shown;
    if (const auto *label = qobject_cast<const QLabel *>(control)) {
        shown = label->text();
    } else if (const auto *button = qobject_cast<const QPushButton *>(control)) {
        shown = button->text();
    } else if (const auto *box = qobject_cast<const QPlainTextEdit *>(control)) {
        shown = box->toPlainText();
        QVERIFY(!shown.contains(u'\r'));
    }
    QCOMPARE(shown, QString(text).replace("\r\n", "\n"));
}

void MainFormTest::usesTheFont()
{
    for (const QWidget *control : m_form->findChildren<QWidget *>()) {
        const QFontInfo font(control->font());
        QVERIFY2(control->font().family() == "Times New Roman", qPrintable(control->objectName()));
        QCOMPARE(font.pixelSize(), 16);
        QCOMPARE(font.weight(), QFont::Normal);
        QVERIFY(!font.italic() && !font.underline() && !font.strikeOut());
    }
}

void MainFormTest::captionsWithTheAddress_data()
{
    QTest::addColumn<QString>("address");
    QTest::addColumn<QString>("caption");

    QTest::addRow("no address") << ""
                                << "История - съставяне на акроним";
    QTest::addRow("address") << "https://example.org/"
                             << "https://example.org/ История - съставяне на акроним";
}

void MainFormTest::captionsWithTheAddress()
{
    QFETCH(QString, address);
    QFETCH(QString, caption);
    QCOMPARE(WindowCaption(address, "История - съставяне на акроним"), caption);
}

void MainFormTest::keepsTheInstructionsReadOnly()
{
    auto *box = m_form->findChild<QPlainTextEdit *>("Text1_0");
    const QString before = box->toPlainText();
    box->setFocus();
    QTest::keyClicks(box, "abc");
    QTest::keyClick(box, Qt::Key_Delete);
    QTest::keyClick(box, Qt::Key_Backspace);
    QTest::keyClick(box, Qt::Key_Return);
    QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(box->toPlainText(), before);

    QTest::keyClick(box, Qt::Key_End, Qt::ControlModifier);
    QVERIFY(box->verticalScrollBar()->value() > 0);
    QVERIFY(box->viewport()->rect().contains(box->cursorRect()));
    QVERIFY(box->textCursor().atEnd());
    QTest::keyClick(box, Qt::Key_Home, Qt::ControlModifier | Qt::ShiftModifier);
    QVERIFY(box->textCursor().hasSelection());
}

void MainFormTest::namesTheListsForScreenReaders()
{
    const struct
    {
        const char *control;
        const char *name;
    } named[] = {{"List1_0", "Дума"},
                 {"List1_1", "Пояснение"},
                 {"List3", "Анаграма"},
                 {"Command1_0", "Избрах"},
                 {"Command1_1", "Чисти"}};
    for (const auto &[control, name] : named) {
        QAccessibleInterface *accessible =
            QAccessible::queryAccessibleInterface(m_form->findChild<QWidget *>(control));
        QVERIFY(accessible);
        QCOMPARE(accessible->text(QAccessible::Name), name);
    }

    QAccessibleInterface *explanationsList = QAccessible::queryAccessibleInterface(list("List1_1"));
    QStringList read;
    for (int child = 0; child < explanationsList->childCount(); ++child) {
        read << explanationsList->child(child)->text(QAccessible::Name);
    }
    QCOMPARE(read, explanations);
}

void MainFormTest::hasAHamburgerIcon()
{
    const QIcon icon = m_form->windowIcon();
    QVERIFY(!icon.isNull());
    QVERIFY(icon.availableSizes().contains(QSize(32, 32)));
    const QImage image = icon.pixmap(32, 32).toImage();
    QSet<QRgb> colours;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            colours.insert(image.pixel(x, y));
        }
    }
    QVERIFY(colours.size() > 2);
    QVERIFY(colours.size() <= 256);
}

void MainFormTest::playsAPuzzleFromAFile()
{
    // 40 pairs, more than the lists show at once; word k starts with letter k of the answer.
    const QString alphabet = QStringLiteral("абвгдежзийклмнопрстуфхцчшщъьюя");
    QString answer;
    QByteArray text = "# a puzzle of the most pairs\n";
    for (int pair = 0; pair < 40; ++pair) {
        answer += alphabet[pair % alphabet.size()];
        text += QStringLiteral("%1дума%2 = обяснение %2\n").arg(answer.back()).arg(pair).toUtf8();
    }
    text = "answer: " + answer.toUtf8() + "\n" + text;
    const QTemporaryDir folder;
    QFile file(folder.filePath(QStringLiteral("puzzle.txt")));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(text);
    file.close();

    m_form = std::make_unique<MainForm>();
    QVERIFY(m_form->play(puzzle::LoadPuzzle(file.fileName()).exercise));
    m_form->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_form.get()));
    QCOMPARE(list("List3")->count(), 40);
    for (const char *name : {"List1_0", "List1_1", "List3"}) {
        QVERIFY2(list(name)->verticalScrollBar()->maximum() > 0, name);
    }

    for (int pair = 39; pair >= 0; pair -= 3) {
        choose(QStringLiteral("%1дума%2").arg(answer[pair]).arg(pair),
               QStringLiteral("обяснение %1").arg(pair));
    }
    for (int pair = 0; pair < 40; ++pair) {
        if (pair % 3 != 0) {
            choose(QStringLiteral("%1дума%2").arg(answer[pair]).arg(pair),
                   QStringLiteral("обяснение %1").arg(pair));
        }
    }
    QCOMPARE(rows(list("List3")).join(QString()), answer);
    QCOMPARE(list("List1_0")->count(), 0);
}

// Each pictured explanation shows its picture small wherever its row goes, every text starting
// where the others do (a landscape picture, a photo taken turned, none), the chosen one large
// beside the lists; a puzzle without pictures gets the window as it was.
void MainFormTest::playsAGameWithPictures()
{
    const QJsonObject recipes{{"ram.jpg", QJsonObject{{"draw", "jpeg"}, {"turned", 6}}},
                              {"coin.png", QJsonObject{{"draw", "png"}}},
                              {"rider.webp", QJsonObject{{"draw", "webp"}}}};
    const QString text = checks::WithDataAddresses(
        "Аспарух = хан\nкартина: @data:ram.jpg@\nБаян = брат\nкартина: @data:coin.png@\n"
        "Велик = ден\nЗлато = метал\nкартина: @data:rider.webp@\n",
        checks::FilesOf(recipes));
    const QSize authored = m_form->size();
    QVERIFY(m_form->play(puzzle::ParsePuzzle(text.toUtf8(), "p.txt").exercise));
    QVERIFY(m_form->width() > authored.width());
    const QStringList pictured{"хан", "брат", "метал"};
    auto *const picture = m_form->findChild<QLabel *>(QStringLiteral("Picture1"));
    QVERIFY(picture->isVisible());
    for (const auto &[word, explanation] :
         {std::pair{"Баян", "брат"}, {"Велик", "ден"}, {"Аспарух", "хан"}, {"Злато", "метал"}}) {
        for (int row = 0; row < list("List1_1")->count(); ++row) {
            const QListWidgetItem *item = list("List1_1")->item(row);
            QCOMPARE(item->icon().pixmap(32, 24).toImage().pixelColor(16, 12).alpha() > 0,
                     pictured.contains(item->text()));
            QCOMPARE(item->icon().actualSize(list("List1_1")->iconSize()),
                     list("List1_1")->iconSize());
        }
        clickRow(list("List1_1"), explanation);
        const QSize large = picture->pixmap().size();
        QCOMPARE(std::max(large.width(), large.height()) >= 200, pictured.contains(explanation));
        choose(word, QString());
    }
    QCOMPARE(m_told.size(), 1);
    QVERIFY(m_form->play(board::BuiltInExercise()));
    QCOMPARE(m_form->size(), authored);
    QVERIFY(!picture->isVisible());
}

void MainFormTest::scrollsWideRows()
{
    m_form = std::make_unique<MainForm>();
    board::Exercise wide;
    wide.rows = {{"Константинополски", "б"},
                 {"много дълго обяснение, " + std::string(20, 'x'), "y"},
                 {"0", "1"},
                 {"0", "1"}};
    QVERIFY(m_form->play(wide));
    m_form->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_form.get()));
    QVERIFY(list("List1_0")->horizontalScrollBar()->maximum() > 0);
    QCOMPARE(list("List1_0")->textElideMode(), Qt::ElideNone);
}

void MainFormTest::endsOnABoardError()
{
    // A key beyond the acronym's slots makes the column refuse the write.
    m_form = std::make_unique<MainForm>();
    board::Exercise beyond;
    beyond.rows = {{"a", "b"}, {"x", "y"}, {"0", "5"}, {"0", "5"}};
    QVERIFY(m_form->play(beyond));
    m_form->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_form.get()));

    QString message;
    QTimer::singleShot(0, m_form.get(), [this] { choose("b", "y"); });
    QTimer::singleShot(50, m_form.get(), [&message] {
        if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
            message = box->text();
            QCOMPARE(box->icon(), QMessageBox::Critical);
            box->accept();
        }
    });
    QTimer::singleShot(10000, m_form.get(), [] { QCoreApplication::exit(99); });
    const int status = QCoreApplication::exec();

    QCOMPARE(status, EXIT_FAILURE);
    QVERIFY2(message.contains("List: position 5 is outside the column of 2 rows"),
             qPrintable(message));
}

void MainFormTest::showsAFileError()
{
    QString shown;
    QTimer::singleShot(0, this, [&shown] {
        if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
            shown = box->icon() == QMessageBox::Critical ? box->text() : QString();
            box->accept();
        }
    });
    ShowFileError(QStringLiteral("t.txt:4: the word before \"=\" is empty"));
    QCOMPARE(shown, QStringLiteral("t.txt:4: the word before \"=\" is empty"));
}

void MainFormTest::endsOnABoardErrorWhileBuilt()
{
    // Fewer explanations than words: the reset reads past the end of a master column.
    board::Exercise short_;
    short_.rows = {{"a", "b"}, {"x"}, {"0", "1"}, {"0"}};
    m_form = std::make_unique<MainForm>();
    QString message;
    QTimer::singleShot(0, m_form.get(), [&message] {
        if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
            message = box->text();
            box->accept();
        }
    });
    QVERIFY(!m_form->play(short_));
    QVERIFY2(message.startsWith("The program stops because of an error:\nList: position 1"),
             qPrintable(message));
}

// Opens the file as a teacher would, by Ctrl+O and the file dialog or by a drop, and returns the
// text of the message box that refused it, if one did.
QString MainFormTest::openFile(const QString &how, const QString &path)
{
    // The path is typed into the dialog's file name box, as a teacher may, and Return accepts.
    const checks::AnsweringDialogs answer(path);
    if (how == "Ctrl+O") {
        QApplication::setActiveWindow(m_form.get());
        [&] { QVERIFY(QTest::qWaitForWindowActive(m_form.get())); }();
        QTest::keyClick(list("List1_0"), Qt::Key_O, Qt::ControlModifier);
    } else {
        QMimeData data;
        data.setUrls({QUrl::fromLocalFile(path)});
        const QPoint centre = m_form->rect().center();
        QDragEnterEvent enter(centre, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(m_form.get(), &enter);
        [&] { QVERIFY(enter.isAccepted()); }();
        QDropEvent drop(centre, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(m_form.get(), &drop);
    }
    return answer.refusal();
}

void MainFormTest::opensAnotherPuzzle_data()
{
    QTest::addColumn<QString>("how");
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("title");        // empty: the file is refused
    QTest::addColumn<QString>("instructions"); // the start of the box's text

    const QByteArray pairs = "кон = животно\nум = разум\n";
    const QByteArray own = "title: Коне\ninstructions: Първо това.\ninstructions: После онова.\n";
    for (const char *how : {"Ctrl+O", "drop"}) {
        QTest::addRow("%s, own title and instructions", how) << how << own + pairs << "Коне"
                                                             << "Първо това.\nПосле онова.\n";
        QTest::addRow("%s, no title nor instructions", how) << how << pairs << "Акроним"
                                                            << "Избери дума и нейното пояснение";
        QTest::addRow("%s, refused", how) << how << own + "кон =\n"
                                          << ""
                                          << "";
    }
}

void MainFormTest::opensAnotherPuzzle()
{
    QFETCH(QString, how);
    QFETCH(QByteArray, content);
    QFETCH(QString, title);
    QFETCH(QString, instructions);

    const QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("коне.txt"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(content);
    file.close();

    // A game in progress: one pair matched, a word selected.
    choose("хазари", explanations[5]);
    clickRow(list("List1_0"), "рицар");
    const QStringList wordsBefore = rows(list("List1_0"));
    const QStringList slotsBefore = rows(list("List3"));
    const QString instructionsBefore =
        m_form->findChild<QPlainTextEdit *>("Text1_0")->toPlainText();
    QCOMPARE(m_form->windowTitle(), "История - съставяне на акроним");

    const QString refusal = openFile(how, path);
    if (QTest::currentTestFailed()) {
        return;
    }
    const QString heading = m_form->findChild<QLabel *>("Label1_0")->text();
    const QString shownInstructions = m_form->findChild<QPlainTextEdit *>("Text1_0")->toPlainText();
    if (title.isEmpty()) {
        QCOMPARE(refusal, path + ":4: the explanation after \"=\" is empty");
        QCOMPARE(rows(list("List1_0")), wordsBefore);
        QCOMPARE(rows(list("List3")), slotsBefore);
        QCOMPARE(list("List1_0")->ListIndex(), wordsBefore.indexOf("рицар"));
        QCOMPARE(list("List1_1")->ListIndex(), -1);
        QCOMPARE(m_form->windowTitle(), "История - съставяне на акроним");
        QCOMPARE(heading, "История - акроним\n");
        QCOMPARE(shownInstructions, instructionsBefore);
        return;
    }
    QCOMPARE(refusal, QString());
    QCOMPARE(m_form->windowTitle(), title);
    QCOMPARE(heading, title + "\n");
    QVERIFY2(shownInstructions.startsWith(instructions), qPrintable(shownInstructions));
    QVERIFY(!shownInstructions.contains("хан"));
    QCOMPARE(rows(list("List1_0")), QStringList({"кон", "ум"}));
    QCOMPARE(rows(list("List1_1")), QStringList({"животно", "разум"}));
    QCOMPARE(rows(list("List3")), QStringList({" ", " "}));
    QCOMPARE(list("List1_0")->ListIndex(), -1);
    choose("ум", "разум");
    QCOMPARE(rows(list("List3")), QStringList({" ", "у"}));
}

void MainFormTest::tellsScreenReaders_data()
{
    QTest::addColumn<QString>("word");
    QTest::addColumn<QString>("explanation");
    QTest::addColumn<int>("key"); // that presses «Избрах», then «Чисти»; 0: a click
    QTest::addColumn<QString>("told");    // empty: nothing
    QTest::addColumn<QString>("letters"); // in the acronym after the press

    QTest::addRow("right pair, clicked")
        << "Аспарух" << explanations[0] << 0 << "Аспарух: буква А, 2 от 9"
        << "А";
    QTest::addRow("right pair, trailing blank, Return")
        << "Евридика " << explanations[4] << int(Qt::Key_Return) << "Евридика: буква Е, 5 от 9"
        << "Е";
    QTest::addRow("wrong pair, Enter")
        << "таран" << explanations[0] << int(Qt::Key_Enter) << "таран: двойката не е вярна."
        << "";
    QTest::addRow("word only, Space") << "таран"
                                      << "" << int(Qt::Key_Space) << ""
                                      << "";
}

void MainFormTest::tellsScreenReaders()
{
    QFETCH(QString, word);
    QFETCH(QString, explanation);
    QFETCH(int, key);
    QFETCH(QString, told);
    QFETCH(QString, letters);
    const auto press = [key](FlatButton *button) {
        if (key == 0) {
            QTest::mouseClick(button, Qt::LeftButton);
            return;
        }
        button->setFocus();
        QTest::keyClick(button, Qt::Key(key),
                        key == Qt::Key_Enter ? Qt::KeypadModifier : Qt::NoModifier);
    };

    clickRow(list("List1_0"), word);
    if (!explanation.isEmpty()) {
        clickRow(list("List1_1"), explanation);
    }
    press(button(0));
    QCOMPARE(rows(list("List3")).join(QString()).remove(u' '), letters);
    auto *announcer = m_form->findChild<QWidget *>("Announcer");
    QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(announcer);
    QCOMPARE(accessible->role(), QAccessible::Notification);
    QCOMPARE(announcer->isVisible(), !told.isEmpty());
    QCOMPARE(accessible->text(QAccessible::Name), told);
    QVERIFY(announcer->size().isEmpty());
    QCOMPARE(QApplication::focusWidget(), button(0));

    press(button(1));
    verifyStartingPosition();
}

void MainFormTest::scrollsTheFilledSlotIntoSight()
{
    // Slot 7 of nine is below the seven rows that the acronym list shows.
    list("List3")->setCurrentRow(0);
    choose("Елена", explanations[7]);
    ListBox *acronym = list("List3");
    QVERIFY(acronym->viewport()->rect().contains(acronym->visualItemRect(acronym->item(7))));
    QCOMPARE(acronym->ListIndex(), 0);
    choose("хазари", explanations[5]);
    QVERIFY(acronym->viewport()->rect().contains(acronym->visualItemRect(acronym->item(0))));
    QCOMPARE(acronym->ListIndex(), 0);
}

void MainFormTest::endsTheGameWithAMessage()
{
    // Two wrong tries, then every pair; the board stays finished behind the message.
    choose("таран", explanations[0]);
    choose("таран", explanations[1]);
    for (int word = 0; word < 9; ++word) {
        QVERIFY(m_told.isEmpty());
        choose(words[word], explanations[partner[word]]);
    }
    QCOMPARE(m_told, QStringList{"Браво! Акронимът е готов: «хан Тервел».\nГрешни опити: 2."});
    QCOMPARE(rows(list("List3")), khan);
    QVERIFY(m_form->isVisible());

    choose("", "");
    QCOMPARE(m_told.size(), 1);

    // «Чисти» starts again, and the count with it; a puzzle's own answer is spelt.
    QTest::mouseClick(button(1), Qt::LeftButton);
    for (int word = 8; word >= 0; --word) {
        choose(words[word], explanations[partner[word]]);
    }
    QCOMPARE(m_told.last(), "Браво! Акронимът е готов: «хан Тервел».\nГрешни опити: 0.");

    board::Exercise own;
    own.rows = {{"а", "б"}, {"x", "y"}, {"0", "1"}, {"0", "1"}};
    own.answer = "Аб";
    QVERIFY(m_form->play(own));
    choose("а", "y");
    choose("а", "x");
    choose("б", "y");
    QCOMPARE(m_told.last(), "Браво! Акронимът е готов: «Аб».\nГрешни опити: 1.");
}

// «Изпрати резултата» at the end copies a line that checks, with the name that the learner gives
// (a blank one is asked again); «Резултат» brings the message back until «Чисти»; «Резултати…»
// reads the line back into its table.
void MainFormTest::sendsTheResultLine()
{
    QStandardPaths::setTestModeEnabled(true);
    m_closer.disconnect();
    QStringList shown;
    QStringList asked;
    bool sending = true;
    connect(&m_closer, &QTimer::timeout, this, [&] {
        QWidget *modal = QApplication::activeModalWidget();
        if (auto *name = qobject_cast<QInputDialog *>(modal)) {
            asked << name->labelText();
            name->setTextValue(asked.size() == 1 ? QStringLiteral(" ")
                                                 : QStringLiteral("Иван Петров, 5 б"));
            name->accept();
        } else if (auto *box = qobject_cast<QMessageBox *>(modal)) {
            shown << box->text();
            const auto buttons = box->findChildren<QPushButton *>();
            const auto send = std::find_if(buttons.begin(), buttons.end(), [](auto *button) {
                return button->text() == QStringLiteral("Изпрати резултата");
            });
            (sending && send != buttons.end() ? *send : box->button(QMessageBox::Ok))->click();
        }
    });
    auto *result = m_form->findChild<QPushButton *>(QStringLiteral("Command2"));
    choose("таран", explanations[0]);
    for (int word = 0; word < 9; ++word) {
        QCOMPARE(result->isVisible(), false);
        choose(words[word], explanations[partner[word]]);
    }
    QTRY_COMPARE(shown.size(), 2);
    QCOMPARE(asked.size(), 2);
    QVERIFY2(asked[1].startsWith(QStringLiteral("Напиши името и класа си")), qPrintable(asked[1]));
    const QString line = QGuiApplication::clipboard()->text();
    QVERIFY2(shown.last().endsWith(line), qPrintable(shown.last()));
    sending = false;
    QVERIFY(result->isVisible());
    QTest::mouseClick(result, Qt::LeftButton);
    QTRY_COMPARE(shown.size(), 3);
    QCOMPARE(shown.last(), shown.first());
    QTest::mouseClick(button(1), Qt::LeftButton);
    QVERIFY(!result->isVisible());

    ResultsDialog results;
    results.findChild<QPlainTextEdit *>()->setPlainText("чат\n" + line +
                                                        "\nоще\nРезултат: 9 от 9\n");
    const QTableWidget *table = results.findChild<QTableWidget *>();
    QStringList cells;
    for (int column = 0; column < table->columnCount(); ++column) {
        cells << table->item(0, column)->text();
    }
    QCOMPARE(table->rowCount(), 1);
    QCOMPARE(cells.mid(0, 6),
             QStringList({"Иван Петров, 5 б", "История - акроним", "Свържи", "9 от 9", "1", "90"}));
    QCOMPARE(cells.last(), "вярна");
    const auto labels = results.findChildren<QLabel *>();
    QVERIFY(std::any_of(labels.begin(), labels.end(), [](const QLabel *label) {
        return label->text() == "Редове в таблицата: 1. 1 ред «Резултат:» не можа да се прочете.";
    }));
}

// «Връзка и QR код…» (Ctrl+L) copies the link to the player's address that it remembers, and
// saves a QR code that reads as the link.
void MainFormTest::sharesTheLink()
{
    QStandardPaths::setTestModeEnabled(true);
    QSettings().setValue(QStringLiteral("link/player"),
                         QStringLiteral("https://example.org/p.html"));
    const QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("code.png"));
    m_closer.disconnect();
    QStringList shown;
    connect(&m_closer, &QTimer::timeout, this, [&] {
        QWidget *modal = QApplication::activeModalWidget();
        if (auto *files = qobject_cast<QFileDialog *>(modal)) {
            auto *name = files->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"));
            name->setText(path);
            QTest::keyClick(name, Qt::Key_Return);
        } else if (auto *dialog = qobject_cast<LinkDialog *>(modal);
                   dialog != nullptr && shown.isEmpty()) {
            shown << dialog->findChild<QPlainTextEdit *>()->toPlainText();
            // Copied now; saved once this answer is over, so that it answers the file dialog too.
            for (QPushButton *button : dialog->findChildren<QPushButton *>()) {
                if (button->text().startsWith(QStringLiteral("Копирай"))) {
                    button->click();
                } else if (button->text().startsWith(QStringLiteral("Запази"))) {
                    QMetaObject::invokeMethod(button, &QPushButton::click, Qt::QueuedConnection);
                }
            }
        } else if (dialog != nullptr && QFile::exists(path)) {
            dialog->reject();
        }
    });
    QTest::keyClick(m_form.get(), Qt::Key_L, Qt::ControlModifier);
    QCOMPARE(shown.size(), 1);
    QVERIFY2(shown[0].startsWith(QStringLiteral("https://example.org/p.html#1.")),
             qPrintable(shown[0]));
    QCOMPARE(QGuiApplication::clipboard()->text(), shown[0]);
    QProcess reader;
    reader.start(QStringLiteral("zbarimg"),
                 {QStringLiteral("--quiet"), QStringLiteral("--raw"), path});
    QVERIFY2(reader.waitForFinished(), "zbarimg is missing: scripts/setup installs zbar-tools");
    QCOMPARE(QString::fromUtf8(reader.readAllStandardOutput()), shown[0] + u'\n');

    // A puzzle with pictures is told that they stay out of the link.
    const QString pictured =
        checks::WithDataAddresses("Аз = а\nкартина: @data:coin.png@\nБуки = б\n",
                                  checks::FilesOf({{"coin.png", QJsonObject{{"draw", "png"}}}}));
    for (const bool withPictures : {false, true}) {
        const LinkDialog dialog(withPictures ? puzzle::ParsePuzzle(pictured.toUtf8(), "p").exercise
                                             : board::BuiltInExercise());
        const auto labels = dialog.findChildren<QLabel *>();
        QCOMPARE(std::any_of(labels.begin(), labels.end(),
                             [](const QLabel *label) {
                                 return label->text().startsWith(
                                     QStringLiteral("Картините не влизат във връзката."));
                             }),
                 withPictures);
    }
}

void MainFormTest::printsFromTheWindow_data()
{
    QTest::addColumn<int>("modifiers"); // with Ctrl+P
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QString>("hidden");
    QTest::addRow("worksheet") << int(Qt::ControlModifier) << "Кутийка Пояснение"
                               << "Тервел";
    QTest::addRow("answer key") << int(Qt::ControlModifier | Qt::ShiftModifier)
                                << "Отговор: хан Тервел"
                                << "Думи";
}

void MainFormTest::printsFromTheWindow()
{
    QFETCH(int, modifiers);
    QFETCH(QString, shown);
    QFETCH(QString, hidden);

    // The system's print dialog, told to print into a PDF file.
    const QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("printed.pdf"));
    QString title;
    QTimer answer;
    connect(&answer, &QTimer::timeout, this, [&] {
        auto *dialog = qobject_cast<QPrintDialog *>(QApplication::activeModalWidget());
        if (dialog == nullptr) {
            return;
        }
        title = dialog->windowTitle();
        auto *printers = dialog->findChild<QComboBox *>(QStringLiteral("printers"));
        auto *name = dialog->findChild<QLineEdit *>(QStringLiteral("filename"));
        if (printers == nullptr || name == nullptr) {
            dialog->reject();
            return;
        }
        printers->setCurrentIndex(printers->findText(QStringLiteral("PDF"), Qt::MatchContains));
        name->setText(path);
        static_cast<QDialog *>(dialog)->accept();
    });
    answer.start(10);
    QApplication::setActiveWindow(m_form.get());
    QVERIFY(QTest::qWaitForWindowActive(m_form.get()));
    QTest::keyClick(list("List1_0"), Qt::Key_P, Qt::KeyboardModifiers(modifiers));
    answer.stop();

    QVERIFY2(QFile::exists(path), qPrintable(title));
    QProcess reader;
    reader.start(QStringLiteral("pdftotext"), {path, QStringLiteral("-")});
    QVERIFY(reader.waitForFinished());
    const QString text = QString::fromUtf8(reader.readAllStandardOutput()).simplified();
    QVERIFY2(text.contains(shown), qPrintable(text));
    QVERIFY2(!text.contains(hidden), qPrintable(text));
}

void MainFormTest::playsTheSharedGames_data()
{
    QTest::addColumn<QJsonObject>("game");
    QFile file(QStringLiteral(GAMES_FOLDER "/games.json"));
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QJsonArray games = QJsonDocument::fromJson(file.readAll())["games"].toArray();
    QVERIFY(!games.isEmpty());
    for (const auto &value : games) {
        const QJsonObject game = value.toObject();
        QTest::newRow(qPrintable(game["name"].toString())) << game;
    }
}

// The web page plays the same table; each step is compared as one list, which names the step.
void MainFormTest::playsTheSharedGames()
{
    QFETCH(QJsonObject, game);
    if (const QString file = game["puzzle"].toString(); !file.isEmpty()) {
        const board::Exercise exercise =
            puzzle::LoadPuzzle(QStringLiteral(GAMES_FOLDER "/") + file).exercise;
        QVERIFY(m_form->play(exercise));
        const auto *heading = m_form->findChild<QLabel *>("Label1_0");
        QCOMPARE(heading->text(), QString::fromStdString(exercise.title) + u'\n');
        QCOMPARE(heading->textFormat(), Qt::PlainText);
    }
    const auto *announcer = m_form->findChild<Announcer *>();
    const QJsonArray steps = game["steps"].toArray();
    for (qsizetype index = 0; index < steps.size(); ++index) {
        const QJsonValue step = steps[index];
        if (step["reset"].toBool()) {
            QTest::mouseClick(button(1), Qt::LeftButton);
        } else {
            choose(step["choose"][0].toString(), step["choose"][1].toString());
        }
        const QString said = step["said"].toString(announcer->accessibleName());
        const QStringList seen{QStringLiteral("step %1").arg(index + 1),
                               rows(list("List3")).join(QString()),
                               QString::number(list("List1_0")->ListCount()),
                               QString::number(list("List1_0")->ListIndex()),
                               QString::number(list("List1_1")->ListIndex()),
                               announcer->accessibleName()};
        const QStringList expected{
            seen[0], step["slots"].toString(), QString::number(step["rows"].toInt()), "-1", "-1",
            said};
        QCOMPARE(seen, expected);
    }
    QCOMPARE(m_told, QStringList{game["end"].toString()});
}

void MainFormTest::opensTheMenu_data()
{
    QTest::addColumn<QString>("how");
    QTest::addColumn<int>("entry"); // the one chosen, from 1
    QTest::addColumn<QString>("offered");
    QTest::newRow("right click on the form") << "right click" << 4 << "История - акроним.html";
    QTest::newRow("Shift+F10 in a list") << "Shift+F10" << 5 << "История - акроним.zip";
    QTest::newRow("Menu key in the instructions") << "Menu" << 4 << "История - акроним.html";
}

// Each way opens the menu of the commands; «Запази като уеб страница…» writes the web page, and
// «Запази за Moodle (SCORM)…» the package, as the command line writes them.
void MainFormTest::opensTheMenu()
{
    QFETCH(QString, how);
    QFETCH(int, entry);
    QFETCH(QString, offered);
    QApplication::setActiveWindow(m_form.get());
    QVERIFY(QTest::qWaitForWindowActive(m_form.get()));
    if (how == "right click") {
        QContextMenuEvent click(QContextMenuEvent::Mouse, QPoint(4, 200),
                                m_form->mapToGlobal(QPoint(4, 200)));
        QApplication::sendEvent(m_form.get(), &click);
    } else if (how == "Shift+F10") {
        list("List1_1")->setFocus();
        QTest::keyClick(list("List1_1"), Qt::Key_F10, Qt::ShiftModifier);
    } else {
        QTest::keyClick(m_form->findChild<QPlainTextEdit *>("Text1_0"), Qt::Key_Menu);
    }
    QMenu *menu = m_form->commands();
    QTRY_VERIFY(menu->isVisible());
    QStringList entries;
    for (const QAction *action : menu->actions()) {
        entries << action->text() + u'\t' + action->shortcut().toString();
    }
    QCOMPARE(
        entries,
        QStringList({"Нов пъзел…\tCtrl+N", "Отвори…\tCtrl+O", "Промени пъзела…\tCtrl+E",
                     "Запази като уеб страница…\tCtrl+S", "Запази за Moodle (SCORM)…\t",
                     "Печатай работния лист…\tCtrl+P", "Печатай отговорите…\tCtrl+Shift+P",
                     "Печатай кръстословицата…\t", "Печатай отговорите на кръстословицата…\t",
                     "Кръстословица…\tCtrl+K", "Връзка и QR код…\tCtrl+L", "Резултати…\tCtrl+R"}));

    const QTemporaryDir folder;
    const QString path = folder.filePath("chosen." + QFileInfo(offered).suffix());
    QString named;
    QTimer answer;
    connect(&answer, &QTimer::timeout, this, [&] {
        if (auto *dialog = qobject_cast<QFileDialog *>(QApplication::activeModalWidget())) {
            auto *name = dialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"));
            named = name->text();
            name->setText(path);
            QTest::keyClick(name, Qt::Key_Return);
        }
    });
    answer.start(10);
    for (int down = 0; down < entry; ++down) {
        QTest::keyClick(menu, Qt::Key_Down);
    }
    QTest::keyClick(menu, Qt::Key_Return);
    QCOMPARE(named, offered);
    const QString expected = folder.filePath("expected");
    QVERIFY((entry == 4 ? web::WriteWebPage : web::WriteScormPackage)(board::BuiltInExercise(),
                                                                      expected)
                .isEmpty());
    QFile written(path);
    QFile wanted(expected);
    QVERIFY(written.open(QIODevice::ReadOnly) && wanted.open(QIODevice::ReadOnly));
    QCOMPARE(written.readAll(), wanted.readAll());
}

// Ctrl+E hands the puzzle on the board to the editor, Ctrl+N asks for a new one.
void MainFormTest::asksForTheEditor()
{
    QStringList asked;
    connect(m_form.get(), &MainForm::editAsked, this, [&asked](const board::Exercise &exercise) {
        asked << QString::fromStdString(exercise.title);
    });
    connect(m_form.get(), &MainForm::newPuzzleAsked, this, [&asked] { asked << "new"; });
    QApplication::setActiveWindow(m_form.get());
    QVERIFY(QTest::qWaitForWindowActive(m_form.get()));
    QTest::keyClick(list("List1_0"), Qt::Key_E, Qt::ControlModifier);
    QTest::keyClick(list("List1_0"), Qt::Key_N, Qt::ControlModifier);
    QCOMPARE(asked, QStringList({"История - акроним", "new"}));
}

QTEST_MAIN(MainFormTest)
#include "main_form_test.moc"
