#include "openwindows.h"

#include <QWidget>

void OpenWindows::track(QWidget *window)
{
    if (m_windows.contains(window))
        return;
    m_windows.insert(window);
    connect(window, &QObject::destroyed, this, [this](QObject *gone) {
        if (m_windows.remove(gone) && m_windows.isEmpty())
            Q_EMIT lastClosed();
    });
}
