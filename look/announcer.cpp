// SPDX-FileCopyrightText: 2026 The Ombrix <ombrix@ombrix.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "announcer.h"

#include <QAccessibleWidget>

QAccessibleInterface *Announcer::accessibleInterface(const QString &className, QObject *object)
{
    if (className == QLatin1String("Announcer") && object && object->isWidgetType())
        return new QAccessibleWidget(static_cast<QWidget *>(object), QAccessible::Notification);
    return nullptr;
}

Announcer::Announcer(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("announcer"));
    // Nothing to see, click or reach with Tab.
    setGeometry(0, 0, 0, 0);
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    hide();
}

void Announcer::announce(const QString &text)
{
    if (text.isEmpty())
        return;
    hide();
    setAccessibleName(text);
    // Appearing is what a screen reader hears of: the name is said then.
    show();
}
