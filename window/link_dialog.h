// SPDX-FileCopyrightText: 2026 The acronym authors
// SPDX-License-Identifier: MIT

#pragma once

#include "content.h"

#include <QDialog>

class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

/// «Връзка и QR код»: the link that plays the exercise on any phone or computer, to copy, and its
/// QR code, large enough to be read from the back of a classroom when it is projected, to save
/// as a picture or a drawing. The player's address can be changed, and is remembered, as is
/// whether the worksheet ends in the code. A teacher whose puzzle has pictures is told that they
/// stay out of the link.
class LinkDialog : public QDialog
{
    Q_OBJECT

public:
    explicit LinkDialog(const board::Exercise &exercise, QWidget *parent = nullptr);

    /// The QR code of the exercise's link to the remembered player, a pixel a module, for the
    /// worksheet to end in; none when the teacher did not ask for it or the link is too long.
    static QImage SheetCode(const board::Exercise &exercise);

private:
    void showLink();
    void saveCode();

    QByteArray m_text; // what the link carries
    QString m_link;
    QString m_folder; // where a QR code went last
    QLineEdit *m_player = nullptr;
    QPlainTextEdit *m_shown = nullptr;
    QLabel *m_code = nullptr;
    QPushButton *m_save = nullptr;
};
