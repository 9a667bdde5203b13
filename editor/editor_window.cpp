// SPDX-FileCopyrightText: 2026 The acronym authors
// SPDX-License-Identifier: MIT

#include "editor_window.h"

#include "pictures.h"

#include <QAction>
#include <QCloseEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QFormLayout>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QSaveFile>
#include <QScrollArea>
#include <QSignalBlocker>
#include <QStatusBar>
#include <QToolBar>
#include <QToolButton>
#include <QUndoCommand>
#include <functional>
#include <utility>

namespace {

// Which field a change was typed into, so that one field's keystrokes undo together.
enum Field
{
    Structure = -1, // rows added, removed, moved or left without a letter: never merged
    TitleField = 1,
    InstructionsField,
    AnswerField,
    RowFields = 100 // then two a row: its word, its explanation
};

// One change of the draft, whole: undoing it brings back the rows with the letters. Changes of
// one run (typing on in one field, or deleting on) merge into one step.
class Change : public QUndoCommand
{
public:
    Change(std::function<void(const editor::Draft &)> show, editor::Draft before,
           editor::Draft after, int field, int run)
        : m_show(std::move(show)), m_before(std::move(before)), m_after(std::move(after)),
          m_field(field), m_run(run)
    {}

    void undo() override { m_show(m_before); }
    void redo() override { m_show(m_after); }
    int id() const override { return m_field; }
    bool mergeWith(const QUndoCommand *other) override
    {
        const auto *next = static_cast<const Change *>(other);
        if (next->m_run != m_run) {
            return false;
        }
        m_after = next->m_after;
        return true;
    }

private:
    std::function<void(const editor::Draft &)> m_show;
    editor::Draft m_before;
    editor::Draft m_after;
    int m_field;
    int m_run;
};

// Ctrl+Shift+Z, and Ctrl+Y as on Windows.
QList<QKeySequence> redoKeys()
{
    return {Qt::CTRL | Qt::SHIFT | Qt::Key_Z, Qt::CTRL | Qt::Key_Y};
}

// The rows as the answer's letters shape them: how many, and which have a letter.
QList<bool> shapeOf(const editor::Draft &draft)
{
    QList<bool> shape;
    for (const editor::Row &row : draft.rows) {
        shape << row.lettered;
    }
    return shape;
}

qsizetype lengthOf(const editor::Draft &draft)
{
    qsizetype length =
        draft.title.size() + draft.instructions.join(u'\n').size() + draft.answer.size();
    for (const editor::Row &row : draft.rows) {
        length += row.word.size() + row.explanation.size();
    }
    return length;
}

void tell(QWidget *parent, QMessageBox::Icon icon, const QString &text)
{
    QMessageBox box(icon, parent->windowTitle(), text, QMessageBox::Ok, parent);
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

} // namespace

EditorWindow::EditorWindow(QWidget *parent) : QMainWindow(parent)
{
    setAttribute(Qt::WA_DeleteOnClose);
    resize(900, 600);

    m_title = new QLineEdit;
    m_instructions = new QPlainTextEdit;
    m_instructions->setTabChangesFocus(true);
    m_instructions->setUndoRedoEnabled(false);
    m_instructions->setFixedHeight(m_instructions->fontMetrics().lineSpacing() * 5);
    m_answer = new QLineEdit;
    auto *fields = new QFormLayout;
    for (const auto &[label, field] : {std::pair<QString, QWidget *>{tr("Title"), m_title},
                                       {tr("Instructions"), m_instructions},
                                       {tr("Answer"), m_answer}}) {
        field->setAccessibleName(label);
        field->installEventFilter(this);
        fields->addRow(label, field);
    }

    auto *rows = new QWidget;
    m_rowGrid = new QGridLayout(rows);
    m_rowGrid->addWidget(new QLabel(tr("Word")), 0, 2);
    m_rowGrid->addWidget(new QLabel(tr("Explanation")), 0, 3);
    m_rowGrid->setColumnStretch(3, 2);
    m_rowGrid->setColumnStretch(2, 1);
    m_rowGrid->setAlignment(Qt::AlignTop);
    auto *scroll = new QScrollArea;
    scroll->setWidget(rows);
    scroll->setWidgetResizable(true);
    scroll->setFocusPolicy(Qt::NoFocus);

    m_spelled = new QLabel;
    m_spelled->setTextFormat(Qt::PlainText);
    m_spelled->setAccessibleName(tr("The first letters spell"));
    // The program's font may be sized in pixels or in points.
    QFont big = m_spelled->font();
    if (big.pixelSize() > 0) {
        big.setPixelSize(big.pixelSize() * 8 / 5);
    } else {
        big.setPointSizeF(big.pointSizeF() * 1.6);
    }
    m_spelled->setFont(big);
    m_problems = new QListWidget;
    m_problems->setAccessibleName(tr("Problems"));
    m_problems->setWordWrap(true);
    auto *side = new QVBoxLayout;
    side->addWidget(new QLabel(tr("The first letters spell")));
    side->addWidget(m_spelled);
    side->addWidget(new QLabel(tr("Problems")));
    side->addWidget(m_problems);

    auto *left = new QVBoxLayout;
    left->addLayout(fields);
    left->addWidget(scroll);
    auto *central = new QWidget;
    auto *layout = new QHBoxLayout(central);
    layout->addLayout(left, 3);
    layout->addLayout(side, 1);
    setCentralWidget(central);

    QMenu *file = menuBar()->addMenu(tr("&File"));
    QAction *newPuzzle = command(tr("&New"), {QKeySequence::New}, &EditorWindow::newPuzzle);
    QAction *open = command(tr("&Open…"), {QKeySequence::Open}, &EditorWindow::chooseFile);
    QAction *save = command(tr("&Save"), {QKeySequence::Save}, [this] { this->save(false); });
    QAction *play = command(tr("&Play"), {Qt::Key_F5}, &EditorWindow::play);
    file->addActions({newPuzzle, open, save});
    file->addAction(
        command(tr("Save &as…"), {Qt::CTRL | Qt::SHIFT | Qt::Key_S}, [this] { this->save(true); }));
    file->addAction(play);
    file->addAction(command(tr("&Link and QR code…"), {Qt::CTRL | Qt::Key_L}, [this] {
        withPuzzle([this](const board::Exercise &exercise) { emit linkAsked(exercise); });
    }));
    file->addSeparator();
    struct Printed
    {
        QString text;
        QKeySequence keys;
        sheets::Sheet sheet;
    };
    const Printed printed[] = {
        {tr("&Print the worksheet…"), QKeySequence::Print, sheets::Sheet::Worksheet},
        {tr("Print the answer &key…"), Qt::CTRL | Qt::SHIFT | Qt::Key_P, sheets::Sheet::AnswerKey},
        {tr("Print the c&rossword…"), {}, sheets::Sheet::Crossword},
        {tr("Print the crossword's a&nswers…"), {}, sheets::Sheet::CrosswordAnswers}};
    for (const Printed &each : printed) {
        file->addAction(command(each.text, {each.keys}, [this, sheet = each.sheet] {
            withPuzzle([this, sheet](const board::Exercise &exercise) {
                emit printAsked(exercise, sheet);
            });
        }));
    }
    file->addSeparator();
    file->addAction(command(tr("&Close"), {Qt::CTRL | Qt::Key_W}, [this] { close(); }));

    QMenu *edit = menuBar()->addMenu(tr("&Edit"));
    QAction *undo = command(tr("&Undo"), {QKeySequence::Undo}, [this] { step(true); });
    QAction *redo = command(tr("&Redo"), redoKeys(), [this] { step(false); });
    edit->addActions({undo, redo});

    QMenu *rowMenu = menuBar()->addMenu(tr("R&ows"));
    QAction *addRow = command(tr("&Add"), {Qt::ALT | Qt::Key_Insert}, &EditorWindow::addRow);
    addRow->setIconText(tr("Add a row"));
    QAction *removeRow =
        command(tr("&Remove"), {Qt::ALT | Qt::Key_Delete}, &EditorWindow::removeRow);
    removeRow->setIconText(tr("Remove the row"));
    rowMenu->addActions({addRow, removeRow});
    rowMenu->addAction(command(tr("&Up"), {Qt::ALT | Qt::Key_Up}, [this] { moveRow(-1); }));
    rowMenu->addAction(command(tr("&Down"), {Qt::ALT | Qt::Key_Down}, [this] { moveRow(1); }));

    // The frequent commands; every command is in the menus.
    QToolBar *tools = addToolBar(tr("Commands"));
    tools->setToolButtonStyle(Qt::ToolButtonTextOnly);
    tools->setMovable(false);
    tools->addActions({newPuzzle, open, save, play});
    tools->addSeparator();
    tools->addActions({addRow, removeRow});
    tools->addSeparator();
    tools->addActions({undo, redo});
    connect(&m_undo, &QUndoStack::cleanChanged, this,
            [this](bool clean) { setWindowModified(!clean); });

    connect(m_title, &QLineEdit::textEdited, this, [this](const QString &text) {
        editor::Draft after = m_draft;
        after.title = text;
        change(after, TitleField);
    });
    connect(m_instructions, &QPlainTextEdit::textChanged, this, [this] {
        editor::Draft after = m_draft;
        after.instructions = m_instructions->toPlainText().split(u'\n');
        if (m_instructions->toPlainText().isEmpty()) {
            after.instructions.clear();
        }
        change(after, InstructionsField);
    });
    connect(m_answer, &QLineEdit::textEdited, this, [this](const QString &text) {
        change(editor::WithAnswer(m_draft, text), AnswerField);
    });
    start({}, {});
}

QAction *EditorWindow::command(const QString &text, const QList<QKeySequence> &shortcuts,
                               const std::function<void()> &slot)
{
    auto *action = new QAction(text, this);
    action->setShortcuts(shortcuts);
    if (!shortcuts.first().isEmpty()) {
        action->setToolTip(action->iconText() + QStringLiteral(" (") +
                           shortcuts.first().toString(QKeySequence::NativeText) + u')');
    }
    connect(action, &QAction::triggered, this, slot);
    addAction(action);
    return action;
}

QAction *EditorWindow::command(const QString &text, const QList<QKeySequence> &shortcuts,
                               void (EditorWindow::*slot)())
{
    return command(text, shortcuts, [this, slot] { (this->*slot)(); });
}

void EditorWindow::change(const editor::Draft &after, int field)
{
    if (after == m_draft) {
        return;
    }
    if (shapeOf(after) != shapeOf(m_draft)) {
        field = Structure;
    }
    const bool typing = lengthOf(after) > lengthOf(m_draft);
    if (field == Structure || field != m_lastField || typing != m_lastTyping) {
        ++m_run;
    }
    m_lastField = field;
    m_lastTyping = typing;
    m_undo.push(new Change([this](const editor::Draft &draft) { showDraft(draft); }, m_draft, after,
                           field, m_run));
}

void EditorWindow::step(bool back)
{
    // What is typed after an undo or a redo is a step of its own.
    m_lastField = Structure;
    back ? m_undo.undo() : m_undo.redo();
}

void EditorWindow::showDraft(const editor::Draft &draft)
{
    m_draft = draft;
    const QSignalBlocker quiet(m_instructions);
    if (m_title->text() != draft.title) {
        m_title->setText(draft.title);
    }
    if (const QString text = draft.instructions.join(u'\n');
        m_instructions->toPlainText() != text) {
        m_instructions->setPlainText(text);
    }
    if (m_answer->text() != draft.answer) {
        m_answer->setText(draft.answer);
    }
    while (m_rows.size() > static_cast<std::size_t>(draft.rows.size())) {
        for (QWidget *widget : m_rows.back().cells()) {
            widget->deleteLater();
        }
        m_rows.pop_back();
    }
    while (m_rows.size() < static_cast<std::size_t>(draft.rows.size())) {
        addRowWidgets();
    }
    for (int row = 0; row < draft.rows.size(); ++row) {
        showRow(row);
    }
    m_spelled->setText(editor::Spelled(draft));
    m_problems->clear();
    const QStringList problems = editor::Problems(draft, m_files);
    m_problems->addItems(problems.isEmpty() ? QStringList{tr("None: the puzzle can be played.")}
                                            : problems);
}

QList<QWidget *> EditorWindow::RowWidgets::cells() const
{
    return {number, letter, word, explanation, picture, unpicture, verdict};
}

void EditorWindow::addRowWidgets()
{
    const int row = static_cast<int>(m_rows.size());
    RowWidgets widgets{new QLabel(QString::number(row + 1)),
                       new QLabel,
                       new QLineEdit,
                       new QLineEdit,
                       new QToolButton,
                       new QToolButton,
                       new QLabel,
                       {}};
    widgets.word->setAccessibleName(tr("Word %1").arg(row + 1));
    widgets.explanation->setAccessibleName(tr("Explanation %1").arg(row + 1));
    widgets.picture->setAccessibleName(tr("Picture %1").arg(row + 1));
    widgets.picture->setIconSize({32, 20});
    widgets.unpicture->setAccessibleName(tr("Remove picture %1").arg(row + 1));
    widgets.unpicture->setText(QStringLiteral("×"));
    widgets.unpicture->setToolTip(widgets.unpicture->accessibleName());
    for (QToolButton *button : {widgets.picture, widgets.unpicture}) {
        button->setFocusPolicy(Qt::StrongFocus);
        button->installEventFilter(this);
    }
    connect(widgets.picture, &QToolButton::clicked, this, [this, row] { choosePicture(row); });
    connect(widgets.unpicture, &QToolButton::clicked, this, [this, row] {
        setPicture(row, {});
        m_rows[static_cast<std::size_t>(row)].picture->setFocus();
    });
    for (QLineEdit *field : {widgets.word, widgets.explanation}) {
        field->installEventFilter(this);
        const bool isWord = field == widgets.word;
        connect(field, &QLineEdit::textEdited, this, [this, row, isWord](const QString &text) {
            editor::Draft after = m_draft;
            (isWord ? after.rows[row].word : after.rows[row].explanation) = text;
            change(after, RowFields + 2 * row + (isWord ? 0 : 1));
        });
    }
    const QList<QWidget *> cells = widgets.cells();
    for (int column = 0; column < cells.size(); ++column) {
        m_rowGrid->addWidget(cells[column], row + 1, column);
    }
    QWidget *before = m_rows.empty() ? static_cast<QWidget *>(m_answer) : m_rows.back().unpicture;
    showPicture(widgets, {});
    setTabOrder(before, widgets.word);
    setTabOrder(widgets.word, widgets.explanation);
    setTabOrder(widgets.explanation, widgets.picture);
    setTabOrder(widgets.picture, widgets.unpicture);
    setTabOrder(widgets.unpicture, m_problems);
    m_rows.push_back(widgets);
}

void EditorWindow::showRow(int row)
{
    const RowWidgets &widgets = m_rows[static_cast<std::size_t>(row)];
    const editor::Row &text = m_draft.rows[row];
    if (widgets.word->text() != text.word) {
        widgets.word->setText(text.word);
    }
    if (widgets.explanation->text() != text.explanation) {
        widgets.explanation->setText(text.explanation);
    }
    const QString letter = editor::LetterOf(m_draft, row);
    widgets.letter->setText(letter.isEmpty() ? QStringLiteral("—") : letter.toUpper());
    // A row without a letter says so; an empty word has nothing to judge yet.
    QString verdict;
    if (letter.isEmpty() && !m_draft.answer.trimmed().isEmpty()) {
        verdict = tr("no letter");
    } else if (!text.word.trimmed().isEmpty()) {
        verdict = editor::StartsRight(m_draft, row) ? QStringLiteral("✓")
                                                    : tr("✗ not «%1»").arg(letter.toUpper());
    }
    widgets.verdict->setText(verdict);
    widgets.word->setAccessibleDescription(verdict);
    if (widgets.shown != text.picture) {
        showPicture(m_rows[static_cast<std::size_t>(row)], text.picture);
    }
}

void EditorWindow::showPicture(RowWidgets &widgets, const QString &picture)
{
    widgets.shown = picture;
    const auto name = puzzle::ReadPictureName(picture);
    const auto *named = std::get_if<puzzle::PictureName>(&name);
    QImage small;
    if (named != nullptr && named->file.isEmpty()) {
        small = puzzle::DecodedPicture(named->bytes, widgets.picture->iconSize());
    }
    widgets.picture->setIcon(QPixmap::fromImage(small));
    widgets.picture->setToolButtonStyle(small.isNull() ? Qt::ToolButtonTextOnly
                                                       : Qt::ToolButtonIconOnly);
    // A file still to be read is named; a picture, shown.
    widgets.picture->setText(picture.isEmpty()                            ? tr("Picture…")
                             : named != nullptr && !named->file.isEmpty() ? named->file
                                                                          : tr("Picture"));
    widgets.picture->setAccessibleDescription(
        picture.isEmpty() ? tr("none") : (small.isNull() ? widgets.picture->text() : QString()));
    widgets.unpicture->setEnabled(!picture.isEmpty());
}

void EditorWindow::choosePicture(int row)
{
    QFileDialog dialog(this, tr("Choose a picture for row %1").arg(row + 1),
                       QFileInfo(m_path).absolutePath());
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setNameFilters({tr("Pictures (*.jpg *.jpeg *.png *.webp)"), tr("All files (*)")});
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return;
    }
    const QString path = dialog.selectedFiles().constFirst();
    // A phone's photo is a few MiB; what is far larger is no photo that a puzzle needs.
    constexpr qint64 maxChosenBytes = qint64{64} * 1024 * 1024;
    QFile file(path);
    QString reason;
    std::variant<board::Picture, QString> picture = reason;
    if (!file.open(QIODevice::ReadOnly)) {
        reason = file.errorString();
    } else if (file.size() > maxChosenBytes) {
        reason = tr("the file is larger than 64 MiB");
    } else {
        picture = editor::FittedPicture(file.readAll());
        if (const auto *refused = std::get_if<QString>(&picture)) {
            reason = *refused;
        }
    }
    if (!reason.isEmpty()) {
        tell(this, QMessageBox::Warning,
             tr(R"("%1" cannot be a picture: %2)").arg(QFileInfo(path).fileName(), reason));
        return;
    }
    setPicture(row, puzzle::DataAddress(std::get<board::Picture>(picture)));
}

void EditorWindow::setPicture(int row, const QString &picture)
{
    editor::Draft after = m_draft;
    after.rows[row].picture = picture;
    // A chosen picture was checked when it was fitted.
    after.rows[row].checked = picture.isEmpty() ? std::nullopt : std::optional<QString>(QString());
    change(after, Structure);
}

void EditorWindow::start(const editor::Draft &draft, const QString &path)
{
    m_undo.clear();
    m_path = path;
    m_files = path.isEmpty() ? puzzle::PictureFiles() : puzzle::FilesBeside(path);
    showDraft(draft);
    setWindowTitle((path.isEmpty() ? tr("New puzzle") : QFileInfo(path).fileName()) +
                   QStringLiteral("[*] — ") + tr("Puzzle editor"));
    setWindowModified(false);
    m_title->setFocus();
}

bool EditorWindow::openFile(const QString &path)
{
    try {
        const puzzle::DecodedText text = puzzle::DecodeText(puzzle::ReadPuzzleFile(path));
        if (text.badLine > 0) {
            throw puzzle::PuzzleError(path, text.badLine, text.problem);
        }
        start(editor::WithPicturesChecked(editor::WithPicturesRead(editor::ReadDraft(text.lines),
                                                                   puzzle::FilesBeside(path))),
              path);
        if (text.encoding != puzzle::Encoding::Utf8) {
            statusBar()->showMessage(tr("The file is in %1; saving writes it as UTF-8.")
                                         .arg(puzzle::EncodingName(text.encoding)));
        }
        return true;
    } catch (const puzzle::PuzzleError &error) {
        tell(this, QMessageBox::Critical, QString::fromUtf8(error.what()));
        return false;
    }
}

void EditorWindow::editExercise(const board::Exercise &exercise)
{
    start(editor::DraftOf(exercise), QString());
}

int EditorWindow::focusedRow() const
{
    for (std::size_t row = 0; row < m_rows.size(); ++row) {
        const RowWidgets &widgets = m_rows[row];
        if (widgets.word->hasFocus() || widgets.explanation->hasFocus() ||
            widgets.picture->hasFocus() || widgets.unpicture->hasFocus()) {
            return static_cast<int>(row);
        }
    }
    return -1;
}

void EditorWindow::addRow()
{
    const int row = focusedRow() < 0 ? static_cast<int>(m_draft.rows.size()) : focusedRow() + 1;
    change(editor::WithRowAdded(m_draft, row), Structure);
    m_rows[static_cast<std::size_t>(row)].word->setFocus();
}

void EditorWindow::removeRow()
{
    const int row = focusedRow();
    if (row < 0) {
        return;
    }
    if (!m_draft.rows[row].isEmpty() &&
        QMessageBox::question(this, windowTitle(),
                              tr("Remove row %1 with its word and explanation?").arg(row + 1)) !=
            QMessageBox::Yes) {
        return;
    }
    change(editor::WithRowRemoved(m_draft, row), Structure);
    if (!m_rows.empty()) {
        m_rows[std::min(static_cast<std::size_t>(row), m_rows.size() - 1)].word->setFocus();
    }
}

void EditorWindow::moveRow(int by)
{
    const int row = focusedRow();
    if (row < 0 || row + by < 0 || row + by >= m_draft.rows.size()) {
        return;
    }
    const bool onWord = m_rows[static_cast<std::size_t>(row)].word->hasFocus();
    change(editor::WithRowMoved(m_draft, row, by), Structure);
    const RowWidgets &moved = m_rows[static_cast<std::size_t>(row) + by];
    (onWord ? moved.word : moved.explanation)->setFocus();
}

bool EditorWindow::save(bool asNew)
{
    QString path = m_path;
    if (path.isEmpty() || asNew) {
        QFileDialog dialog(this, tr("Save the puzzle"),
                           m_path.isEmpty() ? m_draft.title + QStringLiteral(".acronym") : m_path);
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setDefaultSuffix(QStringLiteral("acronym"));
        dialog.setNameFilters({tr("Puzzles (*.acronym *.txt)"), tr("All files (*)")});
        if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
            return false;
        }
        path = dialog.selectedFiles().constFirst();
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(editor::DraftText(m_draft)) < 0 ||
        !file.commit()) {
        tell(this, QMessageBox::Critical,
             tr(R"(cannot write "%1": %2)").arg(path, file.errorString()));
        return false;
    }
    m_path = path;
    m_files = puzzle::FilesBeside(path);
    m_undo.setClean();
    setWindowTitle(QFileInfo(path).fileName() + QStringLiteral("[*] — ") + tr("Puzzle editor"));
    const QStringList problems = editor::Problems(m_draft, m_files);
    statusBar()->showMessage(problems.isEmpty()
                                 ? tr("Saved to %1.").arg(path)
                                 : tr("Saved to %1 as a draft: it cannot be played yet. %2")
                                       .arg(path, problems.first()));
    return true;
}

bool EditorWindow::mayDiscard()
{
    if (m_undo.isClean()) {
        return true;
    }
    switch (QMessageBox::question(
        this, windowTitle(), tr("The puzzle has changes that are not saved. Save them?"),
        QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, QMessageBox::Save)) {
    case QMessageBox::Save:
        return save(false);
    case QMessageBox::Discard:
        return true;
    default:
        return false;
    }
}

void EditorWindow::newPuzzle()
{
    if (mayDiscard()) {
        start({}, {});
    }
}

void EditorWindow::chooseFile()
{
    if (!mayDiscard()) {
        return;
    }
    QFileDialog dialog(this, tr("Open a puzzle"), QFileInfo(m_path).absolutePath());
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setNameFilters({tr("Puzzles (*.acronym *.txt)"), tr("All files (*)")});
    if (dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty()) {
        openFile(dialog.selectedFiles().constFirst());
    }
}

void EditorWindow::play()
{
    withPuzzle([this](const board::Exercise &exercise) { emit playAsked(exercise); });
}

void EditorWindow::withPuzzle(const std::function<void(const board::Exercise &)> &use)
{
    board::Exercise exercise;
    try {
        exercise = puzzle::ParsePuzzle(editor::DraftText(m_draft),
                                       m_path.isEmpty() ? tr("New puzzle") : m_path, m_files)
                       .exercise;
    } catch (const puzzle::PuzzleError &) {
        tell(this, QMessageBox::Information,
             tr("The puzzle cannot be played yet:") + u'\n' +
                 editor::Problems(m_draft, m_files).join(u'\n'));
        return;
    }
    exercise.path = m_path.toStdString();
    use(exercise);
}

void EditorWindow::closeEvent(QCloseEvent *event)
{
    if (mayDiscard()) {
        event->accept();
    } else {
        event->ignore();
    }
}

// Ctrl+Z and its redo are the editor's in every field, so that rows come back with the letters.
bool EditorWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress || event->type() == QEvent::ShortcutOverride) {
        const auto *key = static_cast<QKeyEvent *>(event);
        const QKeySequence pressed(key->keyCombination());
        for (const auto &[sequences, back] :
             {std::pair{QKeySequence::keyBindings(QKeySequence::Undo), true},
              std::pair{redoKeys(), false}}) {
            if (sequences.contains(pressed)) {
                if (event->type() == QEvent::KeyPress) {
                    step(back);
                }
                event->accept();
                return true;
            }
        }
    }
    return QMainWindow::eventFilter(watched, event);
}
