// SPDX-FileCopyrightText: 2026 The acronym authors
// SPDX-License-Identifier: MIT

#pragma once

#include <QWidget>

/// Tells screen readers a short text without moving the focus. It is a widget of no size that
/// assistive technology sees as a notification; each say() shows it anew with the text as its
/// name, and screen readers speak a notification when it appears. (Qt has no call to announce a
/// text, and its accessibility bridge sends a changed name or description without the new text,
/// which screen readers then cannot speak.)
class Announcer : public QWidget
{
    Q_OBJECT

public:
    explicit Announcer(QWidget *parent = nullptr);

    void say(const QString &message);
};
