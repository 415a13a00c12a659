// SPDX-FileCopyrightText: 2026 The Ombrix <ombrix@ombrix.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QList>
#include <QObject>
#include <QPointer>
#include <QTimer>

class QWidget;

// The program's open windows, the most recently active first: every window
// and box it shows, until it is destroyed. The list serves two rules.
//
// The program ends when the last window it tracks is closed (lastClosed()).
// Qt's own rule does not count parentless tool windows, and all of ours are
// tool windows. Each window deletes itself when it is closed.
//
// The keyboard goes back when a window or box closes: the window that was
// active before it becomes active again, and with it the control that had
// the keyboard there. Some window managers (openbox among them) pass the
// keyboard to no window when a utility window closes; one that does pass it
// on has given it to the same window already, and nothing changes.
//
// It learns of windows as an application-wide event filter: install it on
// the application once, before the first window is shown.
class OpenWindows : public QObject
{
    Q_OBJECT
public:
    explicit OpenWindows(QObject *parent = nullptr);

    // Counts the window for the last-window rule until it is destroyed.
    void track(QWidget *window);
    // Ends every tracked window still open, without a lastClosed(): the
    // program is ending.
    void deleteAll();

Q_SIGNALS:
    void lastClosed();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    struct Entry
    {
        QPointer<QWidget> window;
        bool tracked = false;
    };
    qsizetype indexOf(const QWidget *window) const;
    Entry &add(QWidget *window);
    void removeDestroyed(QObject *gone);
    void handBack();

    QList<Entry> m_windows;
    bool m_deleting = false;
    QTimer m_handBack;
};
