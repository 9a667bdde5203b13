// SPDX-FileCopyrightText: 2026 The acronym authors
// SPDX-License-Identifier: MIT

#include "answering_dialogs.h"
#include "content.h"
#include "drawn_pictures.h"
#include "editor_window.h"
#include "pictures.h"
#include "puzzle_file.h"
#include "sheets.h"
#include "translations.h"

#include <QAbstractButton>
#include <QApplication>
#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QImageReader>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPointer>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#ifdef Q_OS_UNIX
#include <sys/stat.h>
#endif

namespace {

using editor::Draft;

// A row as a test writes it: its word, after a '~' when it has no letter.
QStringList rowsOf(const Draft &draft)
{
    QStringList rows;
    for (const editor::Row &row : draft.rows) {
        rows << (row.lettered ? QString() : QStringLiteral("~")) + row.word;
    }
    return rows;
}

Draft draftOf(const QString &answer, const QStringList &words)
{
    Draft draft = editor::WithAnswer({}, answer);
    for (qsizetype row = 0; row < words.size(); ++row) {
        draft.rows[row].word = words[row];
    }
    return draft;
}

// Types text that need not be ASCII, a key press for each character.
void type(QWidget *field, const QString &text)
{
    for (const QChar character : text) {
        QTest::sendKeyEvent(QTest::Click, field, Qt::Key_unknown, QString(character), {});
    }
}

QWidget *fieldNamed(const QWidget &window, const QString &name)
{
    for (QWidget *field : window.findChildren<QWidget *>()) {
        if (field->accessibleName() == name &&
            (field->inherits("QLineEdit") || field->inherits("QPlainTextEdit") ||
             field->inherits("QAbstractButton"))) {
            return field;
        }
    }
    return nullptr;
}

QString textOf(const QWidget *field)
{
    if (const auto *line = qobject_cast<const QLineEdit *>(field)) {
        return line->text();
    }
    return static_cast<const QPlainTextEdit *>(field)->toPlainText();
}

// A key as a browser names it, with its modifiers: "Ctrl+Shift+Z", "Alt+ArrowUp".
QKeyCombination keyNamed(QString name)
{
    return QKeySequence::fromString(name.remove(QStringLiteral("Arrow")))[0];
}

template <typename Widget> Widget *named(const QWidget &window, const QString &name)
{
    for (Widget *widget : window.findChildren<Widget *>()) {
        if (widget->accessibleName() == name) {
            return widget;
        }
    }
    return nullptr;
}

// Gives the focused picture control the file at `path` as a teacher would, by Space and the
// file dialog; returns what the message box that refused it said, if one did.
QString givePicture(EditorWindow &window, const QString &path)
{
    const checks::AnsweringDialogs answer(path);
    QTest::keyClick(window.windowHandle(), Qt::Key_Space);
    // The window is the teacher's again once the dialogs are gone.
    QApplication::setActiveWindow(&window);
    if (!QTest::qWaitForWindowActive(&window)) {
        qWarning("the editor does not come back after a dialog");
    }
    return answer.refusal();
}

// Does what a step of the shared table says, as a teacher at the keyboard would: keys go to the
// window, so that shortcuts work as they do for a teacher. Pictures come from `folder`.
QString takeStep(EditorWindow &window, const QJsonValue &step, const QDir &folder)
{
    if (QWidget *field = fieldNamed(window, step["in"].toString())) {
        field->setFocus();
        if (auto *line = qobject_cast<QLineEdit *>(field)) {
            line->end(false);
        } else if (auto *text = qobject_cast<QPlainTextEdit *>(field)) {
            text->moveCursor(QTextCursor::End);
        }
    }
    if (step["picture"].isString()) {
        return givePicture(window, folder.filePath(step["picture"].toString()));
    }
    for (const QJsonValue key : step["keys"].toArray()) {
        const QKeyCombination pressed = keyNamed(key.toString());
        QTest::keyClick(window.windowHandle(), pressed.key(), pressed.keyboardModifiers());
    }
    for (const QChar character : step["type"].toString()) {
        QTest::sendKeyEvent(QTest::Click, window.windowHandle(),
                            character == u'\n' ? Qt::Key_Return : Qt::Key_unknown,
                            QString(character), {});
    }
    return {};
}

// Each row's picture as the shared table describes it: "320×200 png", "" for none.
QStringList sizesOf(const Draft &draft)
{
    QStringList sizes;
    for (const editor::Row &row : draft.rows) {
        const auto name = puzzle::ReadPictureName(row.picture);
        QByteArray bytes =
            row.picture.isEmpty() ? QByteArray() : std::get<puzzle::PictureName>(name).bytes;
        QBuffer buffer(&bytes);
        QImageReader reader(&buffer);
        sizes << (bytes.isEmpty() ? QString()
                                  : QStringLiteral("%1×%2 %3")
                                        .arg(reader.size().width())
                                        .arg(reader.size().height())
                                        .arg(QString::fromLatin1(reader.format())));
    }
    return sizes;
}

// The form as the shared table describes it: the texts of the named fields, the rows' letters
// and verdicts, the first letters spelled, and the problems.
QHash<QString, QStringList> formOf(const EditorWindow &window, const QStringList &fields)
{
    QHash<QString, QStringList> form{{"fields", {}}, {"verdicts", {}}, {"problems", {}}};
    for (const QString &name : fields) {
        form["fields"] << textOf(fieldNamed(window, name));
    }
    const editor::Draft &draft = window.draft();
    QString letters;
    for (int row = 0; row < draft.rows.size(); ++row) {
        const QString letter = editor::LetterOf(draft, row).toUpper();
        letters += letter.isEmpty() ? QStringLiteral("—") : letter;
        form["verdicts"]
            << fieldNamed(window, QStringLiteral("Дума %1").arg(row + 1))->accessibleDescription();
    }
    form["letters"] = QStringList{letters};
    form["saved"] = QStringList{QString::fromUtf8(editor::DraftText(draft))};
    form["sizes"] = sizesOf(draft);
    form["spelled"] = QStringList{named<QLabel>(window, "Първите букви образуват")->text()};
    const QListWidget *list = named<QListWidget>(window, "Проблеми");
    for (int item = 0; item < list->count(); ++item) {
        if (const QString text = list->item(item)->text();
            text != "Няма: пъзелът може да се играе.") {
            form["problems"] << text;
        }
    }
    return form;
}

// A value of the shared table as texts: a text, a list of them, or the values of an object.
QStringList textsOf(const QJsonValue &value)
{
    return QVariant(value.isObject()  ? value.toObject().toVariantMap().values()
                    : value.isArray() ? value.toArray().toVariantList()
                                      : QVariantList{value.toVariant()})
        .toStringList();
}

QByteArray bytesOf(const QString &path)
{
    QFile file(QStringLiteral(SOURCE_FOLDER "/") + path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class EditorTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void rowsFollowTheAnswer_data();
    void rowsFollowTheAnswer();
    void savesWhatItOpens_data();
    void savesWhatItOpens();
    void listsTheReadersProblems_data();
    void listsTheReadersProblems();
    void followsTheSharedSteps_data();
    void followsTheSharedSteps();
    void opensPicturesEmbeddedOrBeside();
    void showsEveryCommandWithItsKeys();
    void asksBeforeClosing();
    void refusesANamedPipe();
};

// The editor's words as a Bulgarian teacher sees them, as the web page shows them.
void EditorTest::initTestCase()
{
    InstallTranslations(*qApp, QLocale(QLocale::Bulgarian, QLocale::Bulgaria));
}

void EditorTest::rowsFollowTheAnswer_data()
{
    QTest::addColumn<QString>("answer");
    QTest::addColumn<QStringList>("words");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QStringList>("rows");

    QTest::addRow("the first letter") << "" << QStringList{} << "Т" << QStringList{""};
    QTest::addRow("a letter at the end")
        << "ТО" << QStringList{"Ток", "Ом"} << "ТОК" << QStringList{"Ток", "Ом", ""};
    QTest::addRow("a letter in the middle")
        << "ТК" << QStringList{"Ток", "Кулон"} << "ТОК" << QStringList{"Ток", "", "Кулон"};
    QTest::addRow("an empty row's letter out")
        << "ТОК" << QStringList{"Ток", "", "Кулон"} << "ТК" << QStringList{"Ток", "Кулон"};
    QTest::addRow("a row with text keeps it")
        << "ТОК" << QStringList{"Ток", "Ом", "Кулон"} << "ТК" << QStringList{"Ток", "~Ом", "Кулон"};
    QTest::addRow("a repeated letter out")
        << "ТОО" << QStringList{"Ток", "Ом", "Оса"} << "ТО" << QStringList{"Ток", "Ом", "~Оса"};
    QTest::addRow("a letter replaced") << "ТОК" << QStringList{"Ток", "Ом", "Кулон"} << "ТИК"
                                       << QStringList{"Ток", "", "~Ом", "Кулон"};
    QTest::addRow("a blank is no letter")
        << "хан" << QStringList{"х", "а", "н"} << "ха н" << QStringList{"х", "а", "н"};
    QTest::addRow("the answer cleared")
        << "ТО" << QStringList{"Ток", ""} << "" << QStringList{"~Ток"};
}

void EditorTest::rowsFollowTheAnswer()
{
    QFETCH(QString, answer);
    QFETCH(QStringList, words);
    QFETCH(QString, typed);
    QFETCH(QStringList, rows);
    QCOMPARE(rowsOf(editor::WithAnswer(draftOf(answer, words), typed)), rows);
}

void EditorTest::savesWhatItOpens_data()
{
    QTest::addColumn<QString>("file");
    QTest::addRow("the shipped puzzle") << "puzzles/khan.acronym";
    QTest::addRow("windows-1251 with comments") << "tests/app/windows_1251.txt";
    QTest::addRow("texts like markup") << "tests/games/markup.acronym";
    QTest::addRow("a draft") << "tests/editor/draft.acronym";
    QTest::addRow("a refused file") << "tests/app/bad_puzzle.txt";
}

// Saved and read again, a file is the same draft, keeps its comments, and is the same puzzle to
// the reader, or refused as before; the editor calls it playable exactly when the reader does.
void EditorTest::savesWhatItOpens()
{
    QFETCH(QString, file);
    const puzzle::DecodedText text = puzzle::DecodeText(bytesOf(file));
    const Draft draft = editor::ReadDraft(text.lines);
    const QByteArray saved = editor::DraftText(draft);
    QCOMPARE(editor::ReadDraft(QString::fromUtf8(saved).split(u'\n')), draft);
    for (const QString &line : text.lines) {
        if (line.trimmed().startsWith(u'#')) {
            QVERIFY2(saved.contains(line.trimmed().toUtf8()), qPrintable(line));
        }
    }
    const auto exercise = [](QByteArrayView bytes) {
        try {
            board::Exercise read = puzzle::ParsePuzzle(bytes, QString()).exercise;
            return QStringList{QString::fromStdString(read.answer),
                               QString::fromStdString(read.title),
                               QString::number(read.instructions.size()),
                               QString::fromStdString(read.rows.words.back()),
                               QString::fromStdString(read.rows.explanationKeys.back())};
        } catch (const puzzle::PuzzleError &error) {
            return QStringList{QStringLiteral("refused")};
        }
    };
    QCOMPARE(exercise(saved), exercise(bytesOf(file)));
    QCOMPARE(editor::Problems(draft).isEmpty(), exercise(saved).size() > 1);
}

void EditorTest::listsTheReadersProblems_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("problems");
    QTest::addRow("playable") << "отговор: ТО\nТок = а\nОм = б" << QStringList{};
    QTest::addRow("a wrong first letter")
        << "отговор: ТОК\nХук = а\nОм = б\nКон = в"
        << QStringList{"Ред 1: «Хук» не започва с «Т», буква 1 от отговора"};
    QTest::addRow("a wrong letter in a row without an explanation, a row too many")
        << "отговор: ТОК\nХук =\nОм = б\nКон = в\nАмпер = г"
        << QStringList{"Отговор: първите букви на думите образуват «ОКА», а не «ТОК»",
                       "Ред 1: пояснението след «=» липсва",
                       "Ред 1: «Хук» не започва с «Т», буква 1 от отговора"};
    QTest::addRow("an empty explanation and too few pairs")
        << "Ток =\nОм = б"
        << QStringList{"Ред 1: пояснението след «=» липсва",
                       "задачата трябва да има поне 2 двойки, а тази има 1"};
    QTest::addRow("a cut picture, and an address that holds no picture")
        << checks::WithDataAddresses(
               "Ток = а\nкартина: @data:cut.png@\nОм = б\nкартина: data:image/png,x",
               checks::FilesOf({{"cut.png", QJsonObject{{"draw", "png"}, {"cut", true}}}}))
        << QStringList{"Ред 1: картината не може да се прочете цяла",
                       "Ред 2: адресът «data:» не съдържа байтове в base64"};
}

void EditorTest::listsTheReadersProblems()
{
    QFETCH(QString, text);
    QFETCH(QStringList, problems);
    QCOMPARE(editor::Problems(editor::ReadDraft(text.split(u'\n'))), problems);
}

void EditorTest::followsTheSharedSteps_data()
{
    QTest::addColumn<QJsonObject>("session");
    QFile file(QStringLiteral(SOURCE_FOLDER "/tests/editor/editor_steps.json"));
    QVERIFY(file.open(QIODevice::ReadOnly));
    for (const QJsonValue session : QJsonDocument::fromJson(file.readAll())["sessions"].toArray()) {
        QTest::newRow(qPrintable(session["name"].toString())) << session.toObject();
    }
}

// The web page's editor follows the same table; each expectation is compared as one line that
// names the step and what it checks.
void EditorTest::followsTheSharedSteps()
{
    QFETCH(QJsonObject, session);
    EditorWindow window;
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    const QTemporaryDir folder;
    const QHash<QString, QByteArray> pictures = checks::FilesOf(session["files"].toObject());
    for (auto picture = pictures.begin(); picture != pictures.end(); ++picture) {
        QFile file(folder.filePath(picture.key()));
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(picture.value()) >= 0);
    }
    const QJsonArray steps = session["steps"].toArray();
    for (qsizetype index = 0; index < steps.size(); ++index) {
        QJsonObject step = steps[index].toObject();
        if (step.contains("saved")) {
            step["saved"] = checks::WithDataAddresses(step["saved"].toString(), pictures);
        }
        const QString refusal = takeStep(window, step, QDir(folder.path()));
        QHash<QString, QStringList> seen = formOf(window, step.value("fields").toObject().keys());
        seen["refusal"] = QStringList{refusal};
        for (auto shown = seen.begin(); shown != seen.end(); ++shown) {
            if (step.contains(shown.key())) {
                const QString what =
                    QStringLiteral("step %1, %2: ").arg(index + 1).arg(shown.key());
                QCOMPARE(what + shown.value().join(" | "),
                         what + textsOf(step.value(shown.key())).join(" | "));
            }
        }
    }
}

// A file as the editors save it comes back byte for byte; pictures beside a file come in as data:
// addresses; every row has its picture control.
void EditorTest::opensPicturesEmbeddedOrBeside()
{
    const QTemporaryDir folder;
    const QHash<QString, QByteArray> pictures = checks::FilesOf(
        {{"coin.png", QJsonObject{{"draw", "png"}}}, {"ram.jpg", QJsonObject{{"draw", "jpeg"}}}});
    const QString pairs = QStringLiteral("отговор: АБВ\n\nАз = първа\nкартина: %1\nБуки = втора\n"
                                         "Веди = трета\nкартина: %2\n");
    const auto written = [&folder](const QString &name, const QByteArray &bytes) {
        QFile file(folder.filePath(name));
        return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
    };
    const QByteArray embedded =
        checks::WithDataAddresses(pairs.arg("@data:coin.png@", "@data:ram.jpg@"), pictures)
            .toUtf8();
    for (auto picture = pictures.begin(); picture != pictures.end(); ++picture) {
        QVERIFY(written(picture.key(), picture.value()));
    }
    QVERIFY(written("embedded.acronym", embedded));
    QVERIFY(written("beside.acronym", pairs.arg("coin.png", "ram.jpg").toUtf8()));
    for (const QString name : {"embedded.acronym", "beside.acronym"}) {
        EditorWindow window;
        QVERIFY(window.openFile(folder.filePath(name)));
        QCOMPARE(editor::DraftText(window.draft()), embedded);
        for (int row = 1; row <= 3; ++row) {
            QVERIFY(named<QToolButton>(window, QStringLiteral("Картина %1").arg(row)));
        }
    }
}

// The menus hold every command with its shortcut; the toolbar fits the window as it opens.
void EditorTest::showsEveryCommandWithItsKeys()
{
    EditorWindow window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QStringList menus;
    for (const QAction *menu : window.menuBar()->actions()) {
        menus << menu->text() + u':';
        for (const QAction *entry : menu->menu()->actions()) {
            if (!entry->isSeparator()) {
                menus << entry->text().remove(u'&') + u' ' + entry->shortcut().toString();
            }
        }
    }
    QCOMPARE(menus, QStringList({"&Файл:",
                                 "Нов Ctrl+N",
                                 "Отвори… Ctrl+O",
                                 "Запази Ctrl+S",
                                 "Запази като… Ctrl+Shift+S",
                                 "Играй F5",
                                 "Връзка и QR код… Ctrl+L",
                                 "Печатай работния лист… Ctrl+P",
                                 "Печатай отговорите… Ctrl+Shift+P",
                                 "Печатай кръстословицата… ",
                                 "Печатай отговорите на кръстословицата… ",
                                 "Затвори Ctrl+W",
                                 "&Редактиране:",
                                 "Отмени Ctrl+Z",
                                 "Върни Ctrl+Shift+Z",
                                 "Ре&дове:",
                                 "Добави Alt+Ins",
                                 "Премахни Alt+Del",
                                 "Нагоре Alt+Up",
                                 "Надолу Alt+Down"}));
    const auto *more = window.findChild<QToolButton *>(QStringLiteral("qt_toolbar_ext_button"));
    QVERIFY(more == nullptr || !more->isVisible());

    // Each print command asks for its own sheet of the puzzle as it stands.
    window.editExercise(board::BuiltInExercise());
    QList<sheets::Sheet> asked;
    connect(&window, &EditorWindow::printAsked, this,
            [&asked](const board::Exercise &, sheets::Sheet sheet) { asked << sheet; });
    for (QAction *entry : window.menuBar()->actions().constFirst()->menu()->actions()) {
        if (entry->text().remove(u'&').startsWith(QStringLiteral("Печатай"))) {
            entry->trigger();
        }
    }
    QVERIFY(asked == QList({sheets::Sheet::Worksheet, sheets::Sheet::AnswerKey,
                            sheets::Sheet::Crossword, sheets::Sheet::CrosswordAnswers}));
}

void EditorTest::asksBeforeClosing()
{
    QPointer<EditorWindow> window = new EditorWindow;
    window->show();
    type(window->findChildren<QLineEdit *>().at(0), "Физика");
    QStringList asked;
    QTimer answer;
    connect(&answer, &QTimer::timeout, this, [&asked] {
        if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
            asked << box->text();
            box->button(asked.size() == 1 ? QMessageBox::Cancel : QMessageBox::Discard)->click();
        }
    });
    answer.start(10);
    window->close();
    QVERIFY(window && window->isVisible());
    window->close();
    QTRY_VERIFY(window.isNull());
    QCOMPARE(asked.size(), 2);
}

void EditorTest::refusesANamedPipe()
{
#ifdef Q_OS_UNIX
    const QString pipe = QDir::temp().filePath("acronym-test-pipe");
    QFile::remove(pipe);
    QVERIFY(::mkfifo(qPrintable(pipe), 0600) == 0);
    QVERIFY_THROWS_EXCEPTION(puzzle::PuzzleError, puzzle::ReadPuzzleFile(pipe));
    QFile::remove(pipe);
#endif
}

QTEST_MAIN(EditorTest)
#include "editor_test.moc"
