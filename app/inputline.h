// SPDX-FileCopyrightText: 2026 The Ombrix <ombrix@ombrix.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QLineEdit>

class QAccessibleInterface;

// The one-line text box whose text SEND sends. It keeps its caret where it
// was when it gets the focus (QLineEdit would select all of its text on Tab),
// and it holds one line, whatever is pasted or dropped into it: each line
// break (CR LF, CR, LF, U+2028, U+2029) becomes one space, which is how the
// box draws a break anyway. So what it shows is what goes out, as one line.
class InputLine : public QLineEdit
{
    Q_OBJECT
public:
    explicit InputLine(QWidget *parent = nullptr);
    // How a screen reader meets it; installed once for the whole program.
    static QAccessibleInterface *accessibleInterface(const QString &className, QObject *object);

protected:
    void focusInEvent(QFocusEvent *event) override;
};
