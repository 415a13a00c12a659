// SPDX-FileCopyrightText: 2026 The Ombrix <ombrix@ombrix.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QList>
#include <QObject>
#include <QPointer>
#include <QTimer>

class QWidget;

// Gives the keyboard back when one of the program's windows or boxes closes:
// the window that was active before it becomes active again, and with it the
// control that had the keyboard there. Some window managers (openbox among
// them) pass the keyboard to no window when a utility window closes, and all
// of the program's windows are utility windows; a window manager that does
// pass it on has given it to the same window already, and nothing changes.
class KeyboardReturn : public QObject
{
    Q_OBJECT
public:
    // Watches every window the application shows from now on; once is enough.
    static void install();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    explicit KeyboardReturn(QObject *parent);
    void handBack();

    QList<QPointer<QWidget>> m_open; // the program's open windows, the most recently active first
    QTimer m_handBack;
};
