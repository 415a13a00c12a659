// SPDX-FileCopyrightText: 2026 The Ombrix <ombrix@ombrix.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "inputline.h"

#include "transcript.h"

#include <QFocusEvent>
#include <QValidator>

#include <limits>

namespace {

// Every change to a line edit's text, typed, pasted, dropped or set, passes
// its validator, which may rewrite it: the one place to keep it one line.
class OneLine : public QValidator
{
public:
    using QValidator::QValidator;

    State validate(QString &text, int &caret) const override
    {
        qsizetype at = 0;
        for (qsizetype i = 0; i < text.size(); ++i, ++at) {
            QChar c = text[i];
            if (Transcript::isLineBreak(c)) {
                if (c == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n') {
                    if (i + 1 < caret)
                        --caret;
                    ++i;
                }
                c = u' ';
            }
            text[at] = c;
        }
        text.truncate(at);
        return Acceptable;
    }
};

} // namespace

InputLine::InputLine(QWidget *parent)
    : QLineEdit(parent)
{
    setMaxLength(std::numeric_limits<int>::max()); // no limit of its own
    setValidator(new OneLine(this));
}

void InputLine::focusInEvent(QFocusEvent *event)
{
    const bool hadSelection = hasSelectedText();
    const int caret = cursorPosition();
    QLineEdit::focusInEvent(event);
    if (!hadSelection && hasSelectedText())
        setCursorPosition(caret);
}
