// SPDX-FileCopyrightText: 2026 The Ombrix <ombrix@ombrix.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "openwindows.h"

#include <QApplication>
#include <QEvent>
#include <QWidget>

OpenWindows::OpenWindows(QObject *parent)
    : QObject(parent)
{
    // Once the window manager has had its turn.
    m_handBack.setSingleShot(true);
    m_handBack.setInterval(0);
    connect(&m_handBack, &QTimer::timeout, this, &OpenWindows::handBack);
}

qsizetype OpenWindows::indexOf(const QWidget *window) const
{
    for (qsizetype i = 0; i < m_windows.size(); ++i) {
        if (m_windows.at(i).window == window)
            return i;
    }
    return -1;
}

OpenWindows::Entry &OpenWindows::add(QWidget *window)
{
    if (const qsizetype at = indexOf(window); at >= 0)
        return m_windows[at];
    m_windows.append({window, false});
    // A closed window or box is gone from the list once it is destroyed,
    // and the keyboard goes back then too: a window manager may still have
    // had the window it closed as active until that moment.
    connect(window, &QObject::destroyed, this, &OpenWindows::removeDestroyed);
    connect(window, &QObject::destroyed, &m_handBack, qOverload<>(&QTimer::start));
    return m_windows.last();
}

void OpenWindows::track(QWidget *window)
{
    add(window).tracked = true;
}

void OpenWindows::removeDestroyed(QObject *gone)
{
    // A widget says it is destroyed before its guards are cleared.
    bool trackedLeft = false;
    bool trackedGone = false;
    for (qsizetype i = m_windows.size() - 1; i >= 0; --i) {
        const Entry &entry = m_windows.at(i);
        if (!entry.window || entry.window == gone) {
            trackedGone |= entry.tracked;
            m_windows.removeAt(i);
        } else {
            trackedLeft |= entry.tracked;
        }
    }
    if (trackedGone && !trackedLeft && !m_deleting)
        Q_EMIT lastClosed();
}

void OpenWindows::deleteAll()
{
    m_deleting = true;
    QList<QPointer<QWidget>> tracked;
    for (const Entry &entry : std::as_const(m_windows)) {
        if (entry.tracked)
            tracked << entry.window;
    }
    for (const QPointer<QWidget> &window : std::as_const(tracked))
        delete window.data();
    m_deleting = false;
}

bool OpenWindows::eventFilter(QObject *watched, QEvent *event)
{
    const QEvent::Type type = event->type();
    if (type != QEvent::Show && type != QEvent::Hide && type != QEvent::WindowActivate)
        return false;
    auto *window = qobject_cast<QWidget *>(watched);
    if (!window || !window->isWindow() || window->windowType() == Qt::Popup
        || window->windowType() == Qt::ToolTip)
        return false;
    if (type == QEvent::WindowActivate) {
        if (const qsizetype at = indexOf(window); at >= 0 && window->isVisible())
            m_windows.move(at, 0);
        else
            m_handBack.start(); // the late activation of a window that has closed
    } else if (!event->spontaneous()) { // shown or hidden by the program, not (un)minimised
        if (type == QEvent::Show) {
            m_handBack.stop(); // a window that opens takes the keyboard itself
            add(window);
        } else {
            m_handBack.start();
        }
    }
    return false;
}

void OpenWindows::handBack()
{
    QWidget *active = QApplication::activeWindow();
    if (active && active->isVisible() && indexOf(active) >= 0)
        return; // an open window has it
    for (const Entry &entry : std::as_const(m_windows)) {
        QWidget *window = entry.window;
        if (window && window->isVisible() && !window->isMinimized()) {
            window->raise();
            window->activateWindow();
            return;
        }
    }
}
