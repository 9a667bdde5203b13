// SPDX-FileCopyrightText: 2026 The acronym authors
// SPDX-License-Identifier: MIT

#pragma once

#include <QDialog>

class QLabel;
class QPlainTextEdit;
class QTableWidget;

/// The teacher's table of the result lines that learners sent: text pasted in, or a file's text,
/// read into a table that can be saved as CSV for a spreadsheet. The text is only read.
class ResultsDialog : public QDialog
{
    Q_OBJECT

public:
    explicit ResultsDialog(QWidget *parent = nullptr);

private:
    void showTable();
    void openFile();
    void saveCsv();

    QPlainTextEdit *m_pasted = nullptr;
    QTableWidget *m_table = nullptr;
    QLabel *m_count = nullptr; // the rows, and the lines that could not be read
    QString m_folder;          // where the last file came from or went
};
