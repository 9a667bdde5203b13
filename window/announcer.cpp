// SPDX-FileCopyrightText: 2026 The acronym authors
// SPDX-License-Identifier: MIT

#include "announcer.h"

#include <QAccessibleWidget>

namespace {

QAccessibleInterface *notificationFor(const QString &className, QObject *object)
{
    if (className == QLatin1String("Announcer") && object != nullptr && object->isWidgetType()) {
        return new QAccessibleWidget(static_cast<QWidget *>(object), QAccessible::Notification);
    }
    return nullptr;
}

} // namespace

Announcer::Announcer(QWidget *parent) : QWidget(parent)
{
    static const bool installed = [] {
        QAccessible::installFactory(notificationFor);
        return true;
    }();
    Q_UNUSED(installed);
    setObjectName(QStringLiteral("Announcer"));
    setGeometry(0, 0, 0, 0);
    setFocusPolicy(Qt::NoFocus);
    hide();
}

void Announcer::say(const QString &message)
{
    hide();
    setAccessibleName(message);
    show();
}
