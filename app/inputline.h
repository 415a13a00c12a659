// SPDX-FileCopyrightText: 2026 The Ombrix <ombrix@ombrix.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QLineEdit>

// A one-line text box that keeps its caret where it was when it gets the focus:
// QLineEdit would select all of its text on Tab.
class InputLine : public QLineEdit
{
    Q_OBJECT
public:
    explicit InputLine(QWidget *parent = nullptr);

protected:
    void focusInEvent(QFocusEvent *event) override;
};
