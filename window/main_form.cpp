// SPDX-FileCopyrightText: 2026 The acronym authors
// SPDX-License-Identifier: MIT

#include "main_form.h"

#include "announcer.h"
#include "build_settings.h"
#include "crossword_window.h"
#include "flat_button.h"
#include "hamburger.xpm"
#include "link_dialog.h"
#include "list_box.h"
#include "pictures.h"
#include "puzzle_file.h"
#include "results.h"
#include "results_dialog.h"
#include "scorm_package.h"
#include "sheets.h"
#include "web_page.h"

#include <QAction>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QInputDialog>
#include <QLabel>
#include <QMenu>
#include <QMimeData>
#include <QPainter>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QRegularExpression>
#include <QSettings>
#include <QShortcut>
#include <QTextDocument>
#include <QUrl>
#include <cstdlib>
#include <map>
#include <string>
#include <vector>

namespace {

// The hidden quotation box's text as authored; CR LF ends each line.
const QString quotation =
    QStringLiteral("Неприятното в това да си първият, направил нещо по \r\n"
                   "правилния начин, е, че никой не оценява колко трудно е \r\n"
                   "било. \r\n");

// How to play, for an exercise that brings no instructions of its own.
std::vector<std::string> playInstructions(std::size_t letters)
{
    std::vector<std::string> paragraphs = board::PlayInstructions(letters);
    paragraphs.emplace_back("«Чисти» започва отначало. С Ctrl+O се отваря друга задача.");
    return paragraphs;
}

// The layout is authored in twips, 15 to a logical pixel.
QRect twips(int left, int top, int width, int height)
{
    constexpr int perPixel = 15;
    return {left / perPixel, top / perPixel, width / perPixel, height / perPixel};
}

// The window as authored; an exercise with pictures widens it by a column for the chosen one.
const QRect formTwips = twips(0, 0, 9120, 5400);
const QRect pictureTwips = twips(9120, 840, 3480, 3480);
constexpr int pictureColumn = 3600 / 15;

// A picture as its row shows it: what the reader decoded, or decoded now when the reader kept
// nothing, in the middle of a place of rowPictureSize, so that every text starts where the
// others do.
QPixmap rowPicture(const board::Picture &picture)
{
    QImage small = puzzle::SmallPicture(picture);
    if (small.isNull() && !picture.bytes.empty()) {
        small = puzzle::DecodedPicture(QByteArray::fromStdString(picture.bytes),
                                       puzzle::rowPictureSize);
    }
    QPixmap place(puzzle::rowPictureSize);
    place.fill(Qt::transparent);
    QPainter(&place).drawImage((puzzle::rowPictureSize.width() - small.width()) / 2,
                               (puzzle::rowPictureSize.height() - small.height()) / 2, small);
    return place;
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
    label->setTextFormat(Qt::PlainText);
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

// Asks the learner's name and class for the result line. A blank name is not taken: the question
// says why, and the field keeps the focus.
class NameDialog : public QInputDialog
{
public:
    explicit NameDialog(QWidget *parent) : QInputDialog(parent), m_announcer(new Announcer(this))
    {
        setWindowTitle(QStringLiteral("Изпрати резултата"));
        setLabelText(QStringLiteral("Име и клас:"));
    }

    void done(int result) override
    {
        if (result == Accepted && textValue().trimmed().isEmpty()) {
            const QString needed = QStringLiteral("Напиши името и класа си, за да знае учителят "
                                                  "чий е резултатът.");
            setLabelText(needed);
            m_announcer->say(needed);
            if (auto *field = findChild<QLineEdit *>()) {
                field->setFocus();
            }
            return;
        }
        QInputDialog::done(result);
    }

private:
    Announcer *m_announcer;
};

} // namespace

QString WindowCaption(const QString &publisherAddress, const QString &caption)
{
    return publisherAddress.isEmpty() ? caption : publisherAddress + u' ' + caption;
}

void ShowFileError(const QString &message, QWidget *parent)
{
    const QString caption =
        parent != nullptr ? parent->windowTitle()
                          : WindowCaption(QString::fromUtf8(build::publisherAddress),
                                          QString::fromStdString(board::BuiltInExercise().caption));
    ShowMessage(parent, QMessageBox::Critical, caption, message);
}

void ShowMessage(QWidget *parent, QMessageBox::Icon icon, const QString &caption,
                 const QString &text)
{
    QMessageBox box(icon, caption, text, QMessageBox::Ok, parent);
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

void PrintSheet(QWidget *parent, const board::Exercise &exercise, sheets::Sheet sheet)
{
    static const std::map<sheets::Sheet, const char *> titles{
        {sheets::Sheet::Worksheet, QT_TRANSLATE_NOOP("MainForm", "Print the worksheet")},
        {sheets::Sheet::AnswerKey, QT_TRANSLATE_NOOP("MainForm", "Print the answer key")},
        {sheets::Sheet::Crossword, QT_TRANSLATE_NOOP("MainForm", "Print the crossword")},
        {sheets::Sheet::CrosswordAnswers,
         QT_TRANSLATE_NOOP("MainForm", "Print the crossword's answers")}};
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setDocName(QString::fromStdString(exercise.title));
    QPrintDialog dialog(&printer, parent);
    dialog.setWindowTitle(QCoreApplication::translate("MainForm", titles.at(sheet)));
    if (dialog.exec() == QDialog::Accepted) {
        const QImage code =
            sheet == sheets::Sheet::Worksheet ? LinkDialog::SheetCode(exercise) : QImage();
        sheets::Print(*sheets::SheetOf(sheet, exercise, code), printer);
    }
}

void ShowGameEnd(QWidget *parent, Announcer *announcer, const QString &answer,
                 results::Result result)
{
    QMessageBox box(QMessageBox::Information, parent->windowTitle(),
                    QStringLiteral("Браво! Акронимът е готов: «%1».\nГрешни опити: %2.")
                        .arg(answer)
                        .arg(result.wrongTries),
                    QMessageBox::Ok, parent);
    box.setTextFormat(Qt::PlainText);
    const QPushButton *send =
        box.addButton(QStringLiteral("Изпрати резултата"), QMessageBox::ActionRole);
    box.setDefaultButton(QMessageBox::Ok);
    box.setEscapeButton(QMessageBox::Ok);
    box.exec();
    if (box.clickedButton() != send) {
        return;
    }
    // The line goes where the class talks to the teacher; the name is kept for the next game.
    QSettings settings;
    NameDialog asked(parent);
    asked.setTextValue(settings.value(QStringLiteral("results/name")).toString());
    if (asked.exec() != QDialog::Accepted) {
        return;
    }
    result.name = asked.textValue();
    settings.setValue(QStringLiteral("results/name"), result.name);
    const QString line = results::ResultLine(result);
    QGuiApplication::clipboard()->setText(line);
    announcer->say(QStringLiteral("Копирано"));
    ShowMessage(parent, QMessageBox::Information, parent->windowTitle(),
                QStringLiteral("Копирано. Постави реда там, където класът пише на учителя:\n\n") +
                    line);
}

QFont FormFont()
{
    QFont font(QStringLiteral("Times New Roman"));
    font.setPixelSize(16);
    return font;
}

MainForm::MainForm(QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                          Qt::MSWindowsFixedSizeDialogHint)
{
    setObjectName(QStringLiteral("MainForm"));
    setWindowIcon(QPixmap(hamburger_xpm));
    setFixedSize(formTwips.size());
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, QColor(192, 192, 255));
    setPalette(palette);
    setAutoFillBackground(true);
    setFont(FormFont());

    const QColor labelColour(255, 192, 128);
    m_heading = place(makeLabel(this, QString(), labelColour), QStringLiteral("Label1_0"),
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
    m_pictureHeading = place(makeLabel(this, QStringLiteral("Картина"), labelColour),
                             QStringLiteral("Label1_4"), twips(9120, 480, 3480, 375), false);
    // The picture repeats what its explanation says: a screen reader has it from the list.
    m_picture = place(new QLabel(this), QStringLiteral("Picture1"), pictureTwips, false);
    m_picture->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    connect(m_list1[1], &QListWidget::itemSelectionChanged, this, &MainForm::showChosenPicture);

    m_command1 = {place(new FlatButton(QStringLiteral("Избрах"), QColor(128, 255, 128), this),
                        QStringLiteral("Command1_0"), twips(720, 3000, 1815, 285)),
                  place(new FlatButton(QStringLiteral("Чисти"), QColor(255, 128, 128), this),
                        QStringLiteral("Command1_1"), twips(5640, 3000, 1815, 285))};

    // A finished game's result, offered again until «Чисти»; hidden while a game goes on.
    m_result = place(new FlatButton(QStringLiteral("Резултат"), labelColour, this),
                     QStringLiteral("Command2"), twips(7920, 3000, 1095, 285), false);
    connect(m_result, &QPushButton::clicked, this, &MainForm::showResult);

    m_instructions =
        place(makeText(this, QString()), QStringLiteral("Text1_0"), twips(120, 3480, 8775, 1815));
    place(makeText(this, quotation), QStringLiteral("Text1_1"), twips(600, 3240, 6735, 1815),
          false);

    setTabOrder(m_instructions, m_list1[0]);
    setTabOrder(m_list1[0], m_list1[1]);
    setTabOrder(m_list1[1], m_command1[0]);
    setTabOrder(m_command1[0], m_list3);
    setTabOrder(m_list3, m_result);
    setTabOrder(m_result, m_command1[1]);
    m_instructions->setFocus();

    for (int index = 0; index < 2; ++index) {
        connect(m_command1[static_cast<std::size_t>(index)], &QPushButton::clicked, this,
                [this, index] { Command1Click(index); });
    }

    m_announcer = new Announcer(this);

    // The authored layout has no menu bar: the commands are a context menu, and their shortcuts
    // work wherever the focus is. Puzzle files also come by a drop.
    m_commands = new QMenu(this);
    m_commands->setFont(font());
    addCommand(QStringLiteral("Нов пъзел…"), QKeySequence::New, [this] { emit newPuzzleAsked(); });
    addCommand(QStringLiteral("Отвори…"), QKeySequence::Open, [this] { chooseFile(); });
    addCommand(QStringLiteral("Промени пъзела…"), QKeySequence(Qt::CTRL | Qt::Key_E),
               [this] { emit editAsked(m_exercise); });
    addCommand(QStringLiteral("Запази като уеб страница…"), QKeySequence(Qt::CTRL | Qt::Key_S),
               [this] {
                   saveAs(tr("Save as a web page"), QStringLiteral("html"),
                          tr("Web pages (*.html)"), &web::WriteWebPage);
               });
    addCommand(QStringLiteral("Запази за Moodle (SCORM)…"), QKeySequence(), [this] {
        saveAs(tr("Save for Moodle (SCORM)"), QStringLiteral("zip"), tr("SCORM packages (*.zip)"),
               &web::WriteScormPackage);
    });
    addCommand(QStringLiteral("Печатай работния лист…"), QKeySequence::Print,
               [this] { PrintSheet(this, m_exercise, sheets::Sheet::Worksheet); });
    addCommand(QStringLiteral("Печатай отговорите…"),
               QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_P),
               [this] { PrintSheet(this, m_exercise, sheets::Sheet::AnswerKey); });
    addCommand(QStringLiteral("Печатай кръстословицата…"), QKeySequence(),
               [this] { PrintSheet(this, m_exercise, sheets::Sheet::Crossword); });
    addCommand(QStringLiteral("Печатай отговорите на кръстословицата…"), QKeySequence(),
               [this] { PrintSheet(this, m_exercise, sheets::Sheet::CrosswordAnswers); });
    addCommand(QStringLiteral("Кръстословица…"), QKeySequence(Qt::CTRL | Qt::Key_K), [this] {
        auto *crossword = new CrosswordWindow(m_exercise, this);
        crossword->setAttribute(Qt::WA_DeleteOnClose);
        crossword->show();
    });
    addCommand(QStringLiteral("Връзка и QR код…"), QKeySequence(Qt::CTRL | Qt::Key_L), [this] {
        LinkDialog dialog(m_exercise, this);
        dialog.exec();
    });
    addCommand(QStringLiteral("Резултати…"), QKeySequence(Qt::CTRL | Qt::Key_R), [this] {
        ResultsDialog dialog(this);
        dialog.exec();
    });
    setAcceptDrops(true);
    for (const QKeySequence &key :
         {QKeySequence(Qt::Key_Menu), QKeySequence(Qt::SHIFT | Qt::Key_F10)}) {
        connect(new QShortcut(key, this), &QShortcut::activated, this, [this] {
            const QWidget *focus = focusWidget() != nullptr ? focusWidget() : this;
            m_commands->popup(focus->mapToGlobal(focus->rect().center()));
        });
    }
}

void MainForm::addCommand(const QString &text, const QKeySequence &shortcut,
                          const std::function<void()> &command)
{
    auto *action = new QAction(text, this);
    action->setShortcut(shortcut);
    connect(action, &QAction::triggered, this, command);
    addAction(action);
    m_commands->addAction(action);
}

void MainForm::contextMenuEvent(QContextMenuEvent *event)
{
    m_commands->popup(event->globalPos());
}

bool MainForm::play(const board::Exercise &exercise)
{
    setWindowTitle(WindowCaption(QString::fromUtf8(build::publisherAddress),
                                 QString::fromStdString(exercise.caption)));
    // The heading is the title followed by a line break, as authored.
    m_heading->setText(QString::fromStdString(exercise.title) + u'\n');
    QString paragraphs;
    for (const std::string &paragraph : exercise.instructions.empty()
                                            ? playInstructions(exercise.rows.words.size())
                                            : exercise.instructions) {
        paragraphs += QString::fromStdString(paragraph) + u'\n';
    }
    m_instructions->setPlainText(paragraphs);
    m_exercise = exercise;
    showPictures(exercise);
    if (!exercise.path.empty()) {
        m_folder = QFileInfo(QString::fromStdString(exercise.path)).absolutePath();
    }
    m_wrongTries = 0;
    m_clock.start();
    m_result->hide();
    try {
        for (board::MemoryColumn &master : m_list2) {
            master.Clear();
        }
        board::FillMasters(columns(), exercise.rows);
        board::ResetBoard(columns());
    } catch (const std::exception &error) {
        report(error);
        return false;
    }
    return true;
}

// Each picture as its row shows it, decoded when the reader checked it; the large one is decoded
// when it is first chosen. A window without pictures stays as authored.
void MainForm::showPictures(const board::Exercise &exercise)
{
    QHash<QString, QIcon> icons;
    m_pictures.clear();
    for (std::size_t row = 0; row < exercise.pictures.size(); ++row) {
        icons.insert(QString::fromStdString(exercise.rows.explanations[row]),
                     rowPicture(exercise.pictures[row]));
    }
    const bool pictured = !icons.isEmpty();
    m_list1[1]->setIcons(icons);
    m_list1[1]->setIconSize(pictured ? puzzle::rowPictureSize : QSize());
    m_pictureHeading->setVisible(pictured);
    m_picture->setVisible(pictured);
    m_picture->clear();
    setFixedSize(formTwips.size() + QSize(pictured ? pictureColumn : 0, 0));
}

void MainForm::showChosenPicture()
{
    const int chosen = m_list1[1]->ListIndex();
    if (chosen < 0) {
        m_picture->clear();
        return;
    }
    const QString explanation = m_list1[1]->item(chosen)->text();
    if (!m_pictures.contains(explanation)) {
        const std::vector<std::string> &explanations = m_exercise.rows.explanations;
        const auto row = static_cast<std::size_t>(
            std::find(explanations.begin(), explanations.end(), explanation.toStdString()) -
            explanations.begin());
        m_pictures.insert(explanation,
                          row < m_exercise.pictures.size()
                              ? QPixmap::fromImage(puzzle::DecodedPicture(
                                    QByteArray::fromStdString(m_exercise.pictures[row].bytes),
                                    pictureTwips.size()))
                              : QPixmap());
    }
    m_picture->setPixmap(m_pictures.value(explanation));
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
            tell(board::CheckChoice(columns()));
        } else if (index == 1) {
            board::ResetBoard(columns());
            m_wrongTries = 0;
            m_clock.restart();
            m_result->hide();
        }
    } catch (const std::exception &error) {
        report(error);
        QCoreApplication::exit(EXIT_FAILURE);
    }
}

void MainForm::tell(const board::Choice &choice)
{
    const QString word = QString::fromStdString(choice.word).trimmed();
    if (choice.outcome == board::Choice::Outcome::Wrong) {
        ++m_wrongTries;
        m_announcer->say(word + QStringLiteral(": двойката не е вярна."));
        return;
    }
    if (choice.outcome != board::Choice::Outcome::Right) {
        return;
    }
    m_list3->scrollToItem(m_list3->item(choice.slot));
    m_announcer->say(QStringLiteral("%1: буква %2, %3 от %4")
                         .arg(word, QString::fromStdString(choice.letter))
                         .arg(choice.slot + 1)
                         .arg(m_list3->ListCount()));
    if (m_list1[0]->ListCount() == 0) {
        m_seconds = static_cast<int>(m_clock.elapsed() / 1000);
        m_finished = QDateTime::currentDateTime();
        m_result->show();
        showResult();
    }
}

// The message that ends a game; «Изпрати резултата» in it sends the result on.
void MainForm::showResult()
{
    const int pairs = m_list3->ListCount();
    ShowGameEnd(this, m_announcer, QString::fromStdString(m_exercise.answer),
                {QString(), QString::fromStdString(m_exercise.title), pairs, pairs, m_wrongTries,
                 m_seconds, m_finished.toString(QStringLiteral("dd.MM.yyyy HH:mm")),
                 web::PackageIdentifier(m_exercise)});
}

void MainForm::report(const std::exception &error)
{
    ShowMessage(this, QMessageBox::Critical, windowTitle(),
                tr("The program stops because of an error:") + u'\n' +
                    QString::fromUtf8(error.what()));
}

void MainForm::chooseFile()
{
    QFileDialog dialog(this, tr("Open a puzzle"), m_folder);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setNameFilters({tr("Puzzles (*.acronym *.txt)"), tr("All files (*)")});
    if (dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty()) {
        open(dialog.selectedFiles().constFirst());
    }
}

// Offers TITLE.SUFFIX in the puzzle's folder; characters that file systems refuse become '-'.
void MainForm::saveAs(const QString &title, const QString &suffix, const QString &filter,
                      Writer write)
{
    static const QRegularExpression refused(QStringLiteral(R"([\\/:*?"<>|\x00-\x1f])"));
    const QString name =
        QString::fromStdString(m_exercise.title).replace(refused, QStringLiteral("-"));
    QFileDialog dialog(this, title, QDir(m_folder).filePath(name + u'.' + suffix));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(suffix);
    dialog.setNameFilters({filter, tr("All files (*)")});
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return;
    }
    if (const QString error = write(m_exercise, dialog.selectedFiles().constFirst());
        !error.isEmpty()) {
        ShowMessage(this, QMessageBox::Critical, windowTitle(), error);
    }
}

void MainForm::open(const QString &path)
{
    m_folder = QFileInfo(path).absolutePath();
    puzzle::Puzzle read;
    try {
        read = puzzle::LoadPuzzle(path);
    } catch (const puzzle::PuzzleError &error) {
        // Nothing has touched the board yet: the game goes on as it was.
        ShowFileError(QString::fromUtf8(error.what()), this);
        return;
    }
    if (!play(read.exercise)) {
        QCoreApplication::exit(EXIT_FAILURE);
    }
}

// Only a local file is taken, and only the first of several.
void MainForm::dragEnterEvent(QDragEnterEvent *event)
{
    const QList<QUrl> urls = event->mimeData()->urls();
    if (!urls.isEmpty() && urls.constFirst().isLocalFile()) {
        event->acceptProposedAction();
    }
}

void MainForm::dropEvent(QDropEvent *event)
{
    const QList<QUrl> urls = event->mimeData()->urls();
    if (urls.isEmpty() || !urls.constFirst().isLocalFile()) {
        return;
    }
    event->acceptProposedAction();
    open(urls.constFirst().toLocalFile());
}
