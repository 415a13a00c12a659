// SPDX-FileCopyrightText: 2026 The Ombrix <ombrix@ombrix.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QObject>
#include <QSet>

class QWidget;

// The program ends when the last of its windows is closed. Qt's own rule does
// not count parentless tool windows, and all of ours are tool windows, so the
// program keeps the count itself. A tracked window counts until it is
// destroyed: each window deletes itself when it is closed.
class OpenWindows : public QObject
{
    Q_OBJECT
public:
    using QObject::QObject;

    void track(QWidget *window);
    // Ends every window still open, without a lastClosed(): the program is ending.
    void deleteAll();

Q_SIGNALS:
    void lastClosed();

private:
    QSet<QObject *> m_windows;
    bool m_deleting = false;
};
