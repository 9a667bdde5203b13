// SPDX-FileCopyrightText: 2026 The acronym authors
// SPDX-License-Identifier: MIT

#include "main_form.h"

#include "build_settings.h"
#include "flat_button.h"
#include "hamburger.xpm"
#include "list_box.h"

#include <QCoreApplication>
#include <QLabel>
#include <QMessageBox>
#include <QPixmap>
#include <QPlainTextEdit>
#include <cstdlib>
#include <exception>

namespace {

// The texts as authored; CR LF ends each line.
const QString title = QStringLiteral("История - съставяне на акроним");
const QString heading = QStringLiteral("История - акроним\r\n");
const QString instructions = QStringLiteral(
    "Акронимът е вид абревиатура, която е образувана само от началните букви и се чете слято като "
    "една дума, а не буква по буква.\r\n"
    "Да се състави проект, представящ междупредметни връзки История и Информатика.\r\n"
    "Тема на проекта: История - акроним.\r\n"
    "Целта на проекта е да се формира акроним - име на прабългарски хан, което е формирано от "
    "началните букви на различни личности, групи или предмети с историческо значение. Буквите в "
    "акронима могат да се повтарят, но не и думите от които са образувани. В две отделни списъчни "
    "полета с еднакъв брой редове да се запишат:\r\n"
    "названията, чиито първи букви формират търсения акроним;\r\n"
    "техните определения.\r\n"
    "Редовете във всяко от списъчните полета са азбучно подредени. При правилно посочване на "
    "съответен ред и от двете полета в трето списъчно поле да се изписва първата буква на търсения "
    "акроним, а посочените редове да се изтриват.\r\n");
const QString quotation =
    QStringLiteral("Неприятното в това да си първият, направил нещо по \r\n"
                   "правилния начин, е, че никой не оценява колко трудно е \r\n"
                   "било. \r\n");

// The layout is authored in twips, 15 to a logical pixel.
QRect twips(int left, int top, int width, int height)
{
    constexpr int perPixel = 15;
    return {left / perPixel, top / perPixel, width / perPixel, height / perPixel};
}

// Controls show CR LF as one line break.
QString shown(QString text)
{
    return text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

template <typename Control>
Control *place(Control *control, const QString &name, const QRect &geometry, bool visible = true)
{
    control->setObjectName(name);
    control->setGeometry(geometry);
    if (!visible) {
        control->setVisible(false);
    }
    return control;
}

QLabel *makeLabel(QWidget *form, const QString &text, const QColor &background)
{
    auto *label = new QLabel(shown(text), form);
    label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    label->setAutoFillBackground(true);
    QPalette palette = label->palette();
    palette.setColor(QPalette::Window, background);
    label->setPalette(palette);
    return label;
}

QPlainTextEdit *makeText(QWidget *form, const QString &text)
{
    auto *box = new QPlainTextEdit(shown(text), form);
    box->setReadOnly(true);
    box->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    box->setTabChangesFocus(true);
    box->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    box->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    return box;
}

} // namespace

QString WindowCaption(const QString &publisherAddress)
{
    return publisherAddress.isEmpty() ? title : publisherAddress + u' ' + title;
}

void ShowFileError(const QString &message)
{
    QMessageBox::critical(nullptr, WindowCaption(QString::fromUtf8(build::publisherAddress)),
                          message);
}

QFont FormFont()
{
    QFont font(QStringLiteral("Times New Roman"));
    font.setPixelSize(16);
    return font;
}

MainForm::MainForm(QWidget *parent) : MainForm(board::BuiltInPuzzle(), parent) {}

MainForm::MainForm(const board::MasterRows &puzzle, QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                          Qt::MSWindowsFixedSizeDialogHint)
{
    setObjectName(QStringLiteral("MainForm"));
    setWindowTitle(WindowCaption(QString::fromUtf8(build::publisherAddress)));
    setWindowIcon(QPixmap(hamburger_xpm));
    setFixedSize(twips(0, 0, 9120, 5400).size());
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, QColor(192, 192, 255));
    setPalette(palette);
    setAutoFillBackground(true);
    setFont(FormFont());

    const QColor labelColour(255, 192, 128);
    place(makeLabel(this, heading, labelColour), QStringLiteral("Label1_0"),
          twips(960, 0, 6615, 375));
    place(makeLabel(this, QStringLiteral("Дума"), labelColour), QStringLiteral("Label1_1"),
          twips(120, 480, 1575, 375));
    place(makeLabel(this, QStringLiteral("Пояснение"), labelColour), QStringLiteral("Label1_2"),
          twips(1800, 480, 6015, 375));
    place(makeLabel(this, QStringLiteral("Анаграма"), labelColour), QStringLiteral("Label1_3"),
          twips(7920, 480, 1095, 375));

    m_list1[0] = place(new ListBox(this), QStringLiteral("List1_0"), twips(120, 840, 1575, 2055));
    m_list1[1] = place(new ListBox(this), QStringLiteral("List1_1"), twips(1800, 840, 6015, 2055));
    m_list3 = place(new ListBox(this), QStringLiteral("List3"), twips(7920, 840, 1095, 2055));
    m_list1[0]->setAccessibleName(QStringLiteral("Дума"));
    m_list1[1]->setAccessibleName(QStringLiteral("Пояснение"));
    m_list3->setAccessibleName(QStringLiteral("Анаграма"));

    const std::array<FlatButton *, 2> command1{
        place(new FlatButton(QStringLiteral("Избрах"), QColor(128, 255, 128), this),
              QStringLiteral("Command1_0"), twips(720, 3000, 1815, 285)),
        place(new FlatButton(QStringLiteral("Чисти"), QColor(255, 128, 128), this),
              QStringLiteral("Command1_1"), twips(5640, 3000, 1815, 285))};

    QPlainTextEdit *instructionsBox = place(makeText(this, instructions), QStringLiteral("Text1_0"),
                                            twips(120, 3480, 8775, 1815));
    place(makeText(this, quotation), QStringLiteral("Text1_1"), twips(600, 3240, 6735, 1815),
          false);

    setTabOrder(instructionsBox, m_list1[0]);
    setTabOrder(m_list1[0], m_list1[1]);
    setTabOrder(m_list1[1], command1[0]);
    setTabOrder(command1[0], m_list3);
    setTabOrder(m_list3, command1[1]);
    instructionsBox->setFocus();

    for (int index = 0; index < 2; ++index) {
        connect(command1[index], &QPushButton::clicked, this,
                [this, index] { Command1Click(index); });
    }

    board::FillMasters(columns(), puzzle);
    board::ResetBoard(columns());
}

board::Board MainForm::columns()
{
    return {{*m_list1[0], *m_list1[1], m_keys[0], m_keys[1]},
            {m_list2[0], m_list2[1], m_list2[2], m_list2[3]},
            *m_list3};
}

void MainForm::Command1Click(int index)
{
    // Nothing may leave an event handler by exception: Qt's event loop cannot carry it.
    try {
        if (index == 0) {
            board::CheckChoice(columns());
        } else if (index == 1) {
            board::ResetBoard(columns());
        }
    } catch (const std::exception &error) {
        QMessageBox::critical(this, windowTitle(),
                              QStringLiteral("Програмата спира поради грешка:\n") +
                                  QString::fromUtf8(error.what()));
        QCoreApplication::exit(EXIT_FAILURE);
    }
}
