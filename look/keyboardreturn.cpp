// SPDX-FileCopyrightText: 2026 The Ombrix <ombrix@ombrix.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "keyboardreturn.h"

#include <QApplication>
#include <QEvent>
#include <QWidget>

KeyboardReturn::KeyboardReturn(QObject *parent)
    : QObject(parent)
{
    // Once the window manager has had its turn.
    m_handBack.setSingleShot(true);
    m_handBack.setInterval(0);
    connect(&m_handBack, &QTimer::timeout, this, &KeyboardReturn::handBack);
}

void KeyboardReturn::install()
{
    static KeyboardReturn *instance = nullptr;
    if (instance || !qApp)
        return;
    instance = new KeyboardReturn(qApp);
    qApp->installEventFilter(instance);
}

bool KeyboardReturn::eventFilter(QObject *watched, QEvent *event)
{
    const QEvent::Type type = event->type();
    if (type != QEvent::Show && type != QEvent::Hide && type != QEvent::WindowActivate)
        return false;
    auto *window = qobject_cast<QWidget *>(watched);
    if (!window || !window->isWindow() || window->windowType() == Qt::Popup
        || window->windowType() == Qt::ToolTip)
        return false;
    m_open.removeAll(nullptr);
    if (type == QEvent::WindowActivate) {
        if (m_open.removeAll(window) > 0)
            m_open.prepend(window);
        else
            m_handBack.start(); // the late activation of a window that has closed
    } else if (!event->spontaneous()) { // shown or hidden by the program, not (un)minimised
        if (type == QEvent::Show) {
            // A window that opens takes the keyboard itself.
            m_handBack.stop();
            if (!m_open.contains(window))
                m_open.append(window);
        } else {
            m_open.removeAll(window);
            connect(window, &QObject::destroyed, &m_handBack, qOverload<>(&QTimer::start), Qt::UniqueConnection);
            m_handBack.start();
        }
    }
    return false;
}

void KeyboardReturn::handBack()
{
    if (QWidget *active = QApplication::activeWindow(); active && m_open.contains(active))
        return; // an open window has it
    for (const QPointer<QWidget> &window : std::as_const(m_open)) {
        if (window && window->isVisible() && !window->isMinimized()) {
            window->raise();
            window->activateWindow();
            return;
        }
    }
}
