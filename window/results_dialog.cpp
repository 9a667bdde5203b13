// SPDX-FileCopyrightText: 2026 The acronym authors
// SPDX-License-Identifier: MIT

#include "results_dialog.h"

#include "main_form.h"
#include "puzzle_file.h"
#include "results.h"

#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QHeaderView>
#include <QLabel>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSaveFile>
#include <QTableWidget>
#include <QVBoxLayout>

ResultsDialog::ResultsDialog(QWidget *parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Резултати"));
    resize(900, 560);
    m_pasted = new QPlainTextEdit;
    m_pasted->setAccessibleName(QStringLiteral("Поставен текст"));
    m_pasted->setTabChangesFocus(true);
    m_pasted->setPlaceholderText(
        QStringLiteral("Постави тук чат, писмо или текст от файл с редовете «Резултат:»."));
    const QStringList heading = results::Heading();
    m_table = new QTableWidget(0, static_cast<int>(heading.size()));
    m_table->setAccessibleName(QStringLiteral("Резултати"));
    m_table->setHorizontalHeaderLabels(heading);
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->verticalHeader()->hide();
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Close);
    QPushButton *open =
        buttons->addButton(QStringLiteral("Отвори файл…"), QDialogButtonBox::ActionRole);
    QPushButton *save =
        buttons->addButton(QStringLiteral("Запази като CSV…"), QDialogButtonBox::ActionRole);
    auto *layout = new QVBoxLayout(this);
    auto *pastedLabel = new QLabel(QStringLiteral("Поставен текст"));
    pastedLabel->setBuddy(m_pasted);
    layout->addWidget(pastedLabel);
    layout->addWidget(m_pasted, 1);
    layout->addWidget(m_table, 2);
    m_count = new QLabel(QStringLiteral("Няма редове «Резултат:»."));
    m_count->setAccessibleName(QStringLiteral("Редове в таблицата"));
    layout->addWidget(m_count);
    layout->addWidget(buttons);
    connect(m_pasted, &QPlainTextEdit::textChanged, this, &ResultsDialog::showTable);
    connect(open, &QPushButton::clicked, this, &ResultsDialog::openFile);
    connect(save, &QPushButton::clicked, this, &ResultsDialog::saveCsv);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

void ResultsDialog::showTable()
{
    const results::Table table = results::ResultTable(m_pasted->toPlainText());
    const std::vector<results::Row> &rows = table.rows;
    m_table->setRowCount(static_cast<int>(rows.size()));
    for (int row = 0; row < m_table->rowCount(); ++row) {
        const QStringList cells = results::CellsOf(rows[static_cast<std::size_t>(row)]);
        for (int column = 0; column < cells.size(); ++column) {
            m_table->setItem(row, column, new QTableWidgetItem(cells[column]));
        }
    }
    m_table->resizeColumnsToContents();
    QStringList count{!rows.empty() ? QStringLiteral("Редове в таблицата: %1.").arg(rows.size())
                      : table.unreadable > 0 ? QStringLiteral("Таблицата е празна.")
                                             : QStringLiteral("Няма редове «Резултат:».")};
    if (table.unreadable > 0) {
        count << results::UnreadableNote(table.unreadable) + u'.';
    }
    m_count->setText(count.join(u' '));
}

void ResultsDialog::openFile()
{
    const QString path = QFileDialog::getOpenFileName(this, tr("Open results"), m_folder);
    if (path.isEmpty()) {
        return;
    }
    m_folder = QFileInfo(path).absolutePath();
    try {
        m_pasted->setPlainText(puzzle::DecodeText(puzzle::ReadPuzzleFile(path)).lines.join(u'\n'));
    } catch (const puzzle::PuzzleError &error) {
        ShowMessage(this, QMessageBox::Critical, windowTitle(), QString::fromUtf8(error.what()));
    }
}

void ResultsDialog::saveCsv()
{
    const QString path = QFileDialog::getSaveFileName(
        this, tr("Save the results as CSV"),
        QFileInfo(m_folder, QStringLiteral("резултати.csv")).filePath(), tr("CSV tables (*.csv)"));
    if (path.isEmpty()) {
        return;
    }
    m_folder = QFileInfo(path).absolutePath();
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) ||
        file.write(results::ResultCsv(results::ResultTable(m_pasted->toPlainText()).rows)) < 0 ||
        !file.commit()) {
        ShowMessage(this, QMessageBox::Critical, windowTitle(),
                    tr(R"(cannot write "%1": %2)").arg(path, file.errorString()));
    }
}
