// SPDX-FileCopyrightText: 2026 The acronym authors
// SPDX-License-Identifier: MIT

#include "flat_button.h"

#include <QKeyEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFocusRect>

FlatButton::FlatButton(const QString &caption, const QColor &face, QWidget *parent)
    : QPushButton(caption, parent), m_face(face)
{}

void FlatButton::paintEvent(QPaintEvent * /*event*/)
{
    QPainter painter(this);
    const QRect edge = rect().adjusted(0, 0, -1, -1);
    painter.fillRect(rect(), m_face);
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawRect(edge);
    if (isDown()) {
        // Pressed: a second edge inside, and the caption one pixel down and right.
        painter.drawRect(edge.adjusted(1, 1, -1, -1));
    }
    const int shift = isDown() ? 1 : 0;
    painter.drawText(rect().translated(shift, shift), Qt::AlignCenter, text());

    if (hasFocus()) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        focus.rect = rect().adjusted(3, 2, -3, -2);
        focus.backgroundColor = m_face;
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &painter, this);
    }
}

void FlatButton::keyPressEvent(QKeyEvent *event)
{
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) &&
        (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
        if (!event->isAutoRepeat()) {
            click();
        }
        return;
    }
    QPushButton::keyPressEvent(event);
}
