// SPDX-FileCopyrightText: 2026 The Ombrix <ombrix@ombrix.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "announcer.h"

#include <QAccessible>
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
#ifdef Q_OS_WIN
    // Raised on the window, which a reader knows as the foreground one: the
    // announcer itself is never shown there, and is in no reader's view.
    QAccessibleValueChangeEvent event(window(), text);
    QAccessible::updateAccessibility(&event);
#else
    hide();
    setAccessibleName(text);
    // Appearing is what a screen reader hears of: the name is said then.
    show();
#endif
}

void Announcer::announceMenu(const QString &title)
{
#ifdef Q_OS_WIN
    // NVDA and Narrator name a menu as it opens: said here too, it would be
    // heard twice.
    Q_UNUSED(title);
#else
    announce(tr("%1 menu").arg(title));
#endif
}
