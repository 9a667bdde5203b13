// SPDX-FileCopyrightText: 2026 The acronym authors
// SPDX-License-Identifier: MIT

#pragma once

#include <QColor>
#include <QPushButton>

/// A push button with a flat face in its own colour, drawn the same under every platform style:
/// the face, a one-pixel edge, the caption centred, a dotted focus frame when it has the focus.
/// Return and Enter press it, as Space does.
class FlatButton : public QPushButton
{
    Q_OBJECT

public:
    FlatButton(const QString &caption, const QColor &face, QWidget *parent = nullptr);

protected:
    void paintEvent(QPaintEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    QColor m_face;
};
