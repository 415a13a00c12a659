// SPDX-FileCopyrightText: 2026 The Ombrix <ombrix@ombrix.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QWidget>

class QAccessibleInterface;

// Says a text to a screen reader without moving the focus and without
// showing anything, as the platform's readers hear it. Qt 6.4 has no
// announcement of its own. On Windows, its UI Automation bridge raises a
// notification (which NVDA and Narrator speak) for a value change that carries
// text. Elsewhere, it is an empty notification whose name is the text, shown
// anew for each text: Orca speaks a notification as it appears, whatever has
// the focus.
class Announcer : public QWidget
{
    Q_OBJECT
public:
    explicit Announcer(QWidget *parent);
    // How a screen reader meets it; installed once for the whole program.
    static QAccessibleInterface *accessibleInterface(const QString &className, QObject *object);

    void announce(const QString &text);
    // A menu opening, named where the platform's readers do not name it
    // themselves.
    void announceMenu(const QString &title);
};
