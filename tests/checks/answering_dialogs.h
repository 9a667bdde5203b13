// SPDX-FileCopyrightText: 2026 The acronym authors
// SPDX-License-Identifier: MIT

#pragma once

#include <QApplication>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QTest>
#include <QTimer>
#include <utility>

namespace checks {

/// While it lives, answers the program's dialogs as a teacher would: a file dialog gets `path`
/// typed into its name box and Return, a message box is read and closed.
class AnsweringDialogs
{
public:
    explicit AnsweringDialogs(QString path) : m_path(std::move(path))
    {
        QObject::connect(&m_timer, &QTimer::timeout, [this] {
            QWidget *modal = QApplication::activeModalWidget();
            if (auto *dialog = qobject_cast<QFileDialog *>(modal)) {
                auto *name = dialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"));
                if (name != nullptr && name->text().isEmpty()) {
                    name->setText(m_path);
                    QTest::keyClick(name, Qt::Key_Return);
                }
            } else if (auto *box = qobject_cast<QMessageBox *>(modal)) {
                m_refusal = box->text();
                box->accept();
            }
        });
        m_timer.start(10);
    }

    /// What the last message box said; empty when none came.
    QString refusal() const { return m_refusal; }

private:
    QString m_path;
    QString m_refusal;
    QTimer m_timer;
};

} // namespace checks
