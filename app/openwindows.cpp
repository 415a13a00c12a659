// SPDX-FileCopyrightText: 2026 The Ombrix <ombrix@ombrix.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "openwindows.h"

#include <QWidget>

void OpenWindows::track(QWidget *window)
{
    if (m_windows.contains(window))
        return;
    m_windows.insert(window);
    connect(window, &QObject::destroyed, this, [this](QObject *gone) {
        if (m_windows.remove(gone) && m_windows.isEmpty() && !m_deleting)
            Q_EMIT lastClosed();
    });
}

void OpenWindows::deleteAll()
{
    m_deleting = true;
    const QSet<QObject *> windows = m_windows;
    for (QObject *window : windows)
        delete window;
    m_deleting = false;
}
