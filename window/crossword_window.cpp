// SPDX-FileCopyrightText: 2026 The acronym authors
// SPDX-License-Identifier: MIT

#include "crossword_window.h"

#include "announcer.h"
#include "flat_button.h"
#include "main_form.h"
#include "pictures.h"
#include "scorm_package.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QScrollArea>
#include <QVBoxLayout>
#include <algorithm>

namespace {

const QColor formColour(192, 192, 255);
const QColor labelColour(255, 192, 128);
const QColor rightColour(128, 255, 128);
const QColor resetColour(255, 128, 128);
const QColor wrongColour(160, 0, 0);
const QColor currentColour(0, 0, 128);

QString letterCount(qsizetype letters)
{
    return QStringLiteral("%1 %2").arg(letters).arg(letters == 1 ? QStringLiteral("буква")
                                                                 : QStringLiteral("букви"));
}

} // namespace

BoxField::BoxField(const crossword::Game &game, int row, int lead, int columns, QWidget *parent)
    : QLineEdit(parent), m_game(game), m_row(row), m_lead(lead), m_columns(columns)
{
    setFrame(false);
    connect(this, &QLineEdit::cursorPositionChanged, this, [this] { update(); });
}

void BoxField::setWrong(bool wrong)
{
    m_wrong = wrong;
    update();
}

QSize BoxField::sizeHint() const
{
    return {m_columns * side + 6, side + 6};
}

int BoxField::currentBox() const
{
    return static_cast<int>(crossword::LettersOf(text().left(cursorPosition())).size());
}

void BoxField::setCurrentBox(qsizetype box)
{
    setCursorPosition(
        static_cast<int>(crossword::LettersOf(text()).mid(0, box).join(QString()).size()));
}

void BoxField::paintEvent(QPaintEvent * /*event*/)
{
    QPainter painter(this);
    painter.fillRect(rect(), formColour);
    const crossword::Row &row = m_game.rows()[static_cast<std::size_t>(m_row)];
    const QStringList &entered = m_game.entered(m_row);
    const bool solved = m_game.solved(m_row);
    const int current =
        hasFocus() && !solved ? std::min(currentBox(), static_cast<int>(entered.size()) - 1) : -1;
    int box = 0;
    for (std::size_t cell = 0; cell < row.cells.size(); ++cell) {
        const QRect place((m_lead + static_cast<int>(cell)) * side + 3, 3, side, side);
        if (!row.cells[cell].box) {
            painter.setPen(Qt::black);
            painter.drawText(place, Qt::AlignCenter, row.cells[cell].text);
            continue;
        }
        const bool key = static_cast<int>(cell) == row.lead();
        painter.fillRect(place, key ? labelColour : solved ? rightColour : Qt::white);
        painter.setPen(m_wrong ? wrongColour : Qt::black);
        painter.drawRect(place.adjusted(0, 0, -1, -1));
        painter.drawText(place, Qt::AlignCenter, entered[box]);
        if (box == current) {
            painter.setPen(QPen(currentColour, 3));
            painter.drawRect(place.adjusted(2, 2, -3, -3));
        }
        ++box;
    }
    if (hasFocus()) {
        painter.setPen(QPen(Qt::black, 1, Qt::DashLine));
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    }
}

void BoxField::keyPressEvent(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Up:
        emit moveAsked(-1);
        break;
    case Qt::Key_Down:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        emit moveAsked(1);
        break;
    default:
        QLineEdit::keyPressEvent(event);
    }
}

void BoxField::mousePressEvent(QMouseEvent *event)
{
    QLineEdit::mousePressEvent(event);
    const crossword::Row &row = m_game.rows()[static_cast<std::size_t>(m_row)];
    const auto cell = static_cast<std::size_t>(
        std::clamp((static_cast<int>(event->position().x()) - 3) / side - m_lead, 0,
                   static_cast<int>(row.cells.size())));
    const auto boxes = std::count_if(row.cells.begin(), row.cells.begin() + static_cast<long>(cell),
                                     [](const crossword::Cell &each) { return each.box; });
    if (!m_game.solved(m_row)) {
        setCurrentBox(boxes);
    }
    update();
}

void BoxField::focusInEvent(QFocusEvent *event)
{
    QLineEdit::focusInEvent(event);
    emit focusTaken();
    update();
}

void BoxField::focusOutEvent(QFocusEvent *event)
{
    QLineEdit::focusOutEvent(event);
    update();
}

CrosswordWindow::CrosswordWindow(const board::Exercise &exercise, QWidget *parent)
    : QWidget(parent, Qt::Window), m_exercise(exercise), m_game(crossword::Rows(exercise))
{
    setObjectName(QStringLiteral("Crossword"));
    const QString title = QString::fromStdString(exercise.title);
    setWindowTitle(QStringLiteral("Кръстословица: %1").arg(title));
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, formColour);
    setPalette(palette);
    setAutoFillBackground(true);
    setFont(FormFont());

    auto *layout = new QVBoxLayout(this);
    auto *heading = new QLabel(title, this);
    heading->setTextFormat(Qt::PlainText);
    heading->setAlignment(Qt::AlignCenter);
    heading->setAutoFillBackground(true);
    QPalette headed = heading->palette();
    headed.setColor(QPalette::Window, labelColour);
    heading->setPalette(headed);
    layout->addWidget(heading);
    auto *how = new QLabel(QStringLiteral("Прочети пояснението и напиши думата в квадратчетата. "
                                          "Първите букви в оцветената колона дават отговора."),
                           this);
    how->setWordWrap(true);
    layout->addWidget(how);

    // Every row's first box in one column.
    const std::vector<crossword::Row> &rows = m_game.rows();
    const crossword::Columns columns = crossword::ColumnsOf(rows);
    auto *board = new QWidget;
    auto *grid = new QGridLayout(board);
    grid->setColumnStretch(1, 1);
    for (std::size_t at = 0; at < rows.size(); ++at) {
        const crossword::Row &row = rows[at];
        const int index = static_cast<int>(at);
        auto *number = new QLabel(QStringLiteral("%1.").arg(row.number), board);
        auto *clue = new QHBoxLayout;
        if (row.picture >= 0) {
            auto *picture = new QLabel(board);
            picture->setPixmap(QPixmap::fromImage(
                puzzle::SmallPicture(m_exercise.pictures[static_cast<std::size_t>(row.picture)])));
            clue->addWidget(picture);
        }
        auto *explanation = new QLabel(row.explanation, board);
        explanation->setTextFormat(Qt::PlainText);
        explanation->setWordWrap(true);
        clue->addWidget(explanation, 1);
        auto *field = new BoxField(m_game, index, columns.lead - row.lead(), columns.count, board);
        field->setAccessibleName(QStringLiteral("Дума %1: %2, %3")
                                     .arg(row.number)
                                     .arg(row.explanation, letterCount(row.letters().size())));
        grid->addWidget(number, 2 * index, 0, Qt::AlignTop);
        grid->addLayout(clue, 2 * index, 1);
        grid->addWidget(field, 2 * index + 1, 1, Qt::AlignLeft);
        m_fields.push_back(field);
        connect(field, &QLineEdit::textEdited, this, [this, index] { typed(index); });
        connect(field, &BoxField::focusTaken, this, [this, index] { m_focused = index; });
        connect(field, &BoxField::moveAsked, this, [this, field, index](int step) {
            const int to = index + step;
            if (to >= 0 && to < static_cast<int>(m_fields.size())) {
                BoxField *next = m_fields[static_cast<std::size_t>(to)];
                next->setFocus();
                next->setCurrentBox(field->currentBox());
            }
        });
    }
    auto *scroll = new QScrollArea(this);
    scroll->setWidget(board);
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    layout->addWidget(scroll, 1);

    m_key = new QLabel(this);
    layout->addWidget(m_key);
    auto *buttons = new QHBoxLayout;
    auto *hinting = new FlatButton(QStringLiteral("Подскажи буква"), rightColour, this);
    m_result = new FlatButton(QStringLiteral("Резултат"), labelColour, this);
    m_result->hide();
    auto *reset = new FlatButton(QStringLiteral("Чисти"), resetColour, this);
    for (FlatButton *button : {hinting, m_result, reset}) {
        button->setMinimumSize(button->sizeHint() + QSize(24, 8));
    }
    buttons->addWidget(hinting);
    buttons->addWidget(m_result);
    buttons->addStretch(1);
    buttons->addWidget(reset);
    layout->addLayout(buttons);
    connect(hinting, &QPushButton::clicked, this, &CrosswordWindow::hint);
    connect(m_result, &QPushButton::clicked, this, &CrosswordWindow::showResult);
    connect(reset, &QPushButton::clicked, this, &CrosswordWindow::restart);
    m_announcer = new Announcer(this);

    showKey();
    m_clock.start();
    resize(std::max(480, columns.count * BoxField::side + 80),
           std::min(720, board->sizeHint().height() + 200));
}

// The field keeps the letters alone, one for each box; a letter typed into a full row takes the
// place of the one after the cursor.
void CrosswordWindow::typed(int row)
{
    BoxField *field = m_fields[static_cast<std::size_t>(row)];
    const qsizetype count = m_game.entered(row).size();
    qsizetype caret = field->currentBox();
    QStringList letters = crossword::LettersOf(field->text());
    letters.remove(std::min(caret, letters.size()), std::max<qsizetype>(0, letters.size() - count));
    letters.resize(std::min(letters.size(), count));
    caret = std::min(caret, count);
    field->setText(letters.join(QString()));
    field->setCurrentBox(caret);
    field->setWrong(false);
    judge(row, m_game.type(row, field->text()));
}

void CrosswordWindow::judge(int row, const crossword::Game::Outcome &outcome)
{
    BoxField *field = m_fields[static_cast<std::size_t>(row)];
    field->update();
    if (!outcome.said.isEmpty()) {
        m_announcer->say(outcome.said);
    }
    if (outcome.verdict == crossword::Game::Verdict::None) {
        return;
    }
    const bool right = outcome.verdict == crossword::Game::Verdict::Right;
    field->setWrong(!right);
    if (right) {
        field->setReadOnly(true);
        field->setText(m_game.rows()[static_cast<std::size_t>(row)].word.trimmed());
    }
    showKey();
    if (m_game.finished()) {
        m_seconds = static_cast<int>(m_clock.elapsed() / 1000);
        m_finished = QDateTime::currentDateTime();
        m_result->show();
        showResult();
    }
}

void CrosswordWindow::hint()
{
    // The row last in use, or the first still to solve once that one is solved.
    int row = m_focused;
    for (int next = 0; next < static_cast<int>(m_fields.size()) && m_game.solved(row); ++next) {
        row = next;
    }
    if (m_game.solved(row)) {
        return;
    }
    const crossword::Game::Outcome outcome = m_game.hint(row);
    BoxField *field = m_fields[static_cast<std::size_t>(row)];
    const QStringList &entered = m_game.entered(row);
    field->setText(entered.join(QString()));
    field->setFocus();
    const qsizetype empty = entered.indexOf(QString());
    field->setCurrentBox(empty < 0 ? entered.size() : empty);
    judge(row, outcome);
}

void CrosswordWindow::restart()
{
    m_game = crossword::Game(m_game.rows());
    for (BoxField *field : m_fields) {
        field->clear();
        field->setReadOnly(false);
        field->setWrong(false);
    }
    m_result->hide();
    m_clock.restart();
    showKey();
}

// The key column as read so far: shown letter by letter, and said as the answer so far.
void CrosswordWindow::showKey()
{
    const QStringList keys = m_game.keyColumn();
    QStringList shown;
    QStringList found;
    for (const QString &letter : keys) {
        shown << (letter.isEmpty() ? QStringLiteral("·") : letter);
        if (!letter.isEmpty()) {
            found << letter;
        }
    }
    m_key->setText(QStringLiteral("Отговорът: ") + shown.join(u' '));
    const qsizetype missing = keys.size() - found.size();
    m_key->setAccessibleName(
        QStringLiteral("Отговорът досега: %1%2.")
            .arg(found.join(u' '),
                 missing > 0 ? QStringLiteral(", още ") + letterCount(missing) : QString()));
}

void CrosswordWindow::showResult()
{
    const int words = static_cast<int>(m_game.rows().size());
    ShowGameEnd(this, m_announcer, QString::fromStdString(m_exercise.answer),
                {QString(), QString::fromStdString(m_exercise.title), words, words,
                 m_game.wrongTries(), m_seconds,
                 m_finished.toString(QStringLiteral("dd.MM.yyyy HH:mm")),
                 web::PackageIdentifier(m_exercise), true});
}
