// SPDX-FileCopyrightText: 2026 The Ombrix <ombrix@ombrix.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "inputline.h"

#include <QFocusEvent>

#include <limits>

InputLine::InputLine(QWidget *parent)
    : QLineEdit(parent)
{
    setMaxLength(std::numeric_limits<int>::max()); // no limit of its own
}

void InputLine::focusInEvent(QFocusEvent *event)
{
    const bool hadSelection = hasSelectedText();
    const int caret = cursorPosition();
    QLineEdit::focusInEvent(event);
    if (!hadSelection && hasSelectedText())
        setCursorPosition(caret);
}
