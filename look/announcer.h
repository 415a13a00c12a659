// SPDX-FileCopyrightText: 2026 The Ombrix <ombrix@ombrix.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QWidget>

class QAccessibleInterface;

// Says a text to a screen reader without moving the focus and without
// showing anything: an empty notification whose name is the text, shown
// anew for each text. Qt 6.4 has no announcement of its own; Orca speaks a
// notification as it appears, whatever has the focus.
class Announcer : public QWidget
{
    Q_OBJECT
public:
    explicit Announcer(QWidget *parent);
    // How a screen reader meets it; installed once for the whole program.
    static QAccessibleInterface *accessibleInterface(const QString &className, QObject *object);

    void announce(const QString &text);
};
