// SPDX-FileCopyrightText: 2026 The Ombrix <ombrix@ombrix.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "inputline.h"

#include "transcript.h"

#include <QAccessibleWidget>
#include <QFocusEvent>
#include <QFontMetrics>
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

// The input line as a screen reader reads it: Qt's own view of a line edit
// gives every offset a text-attribute run of length zero, and Orca, which
// builds the line it speaks from those runs, leaves out the last character.
// Here the whole text is one run; the rest is what a line edit offers.
class AccessibleInputLine : public QAccessibleWidget,
                            public QAccessibleTextInterface,
                            public QAccessibleEditableTextInterface
{
public:
    explicit AccessibleInputLine(InputLine *line)
        : QAccessibleWidget(line, QAccessible::EditableText)
    {
        addControllingSignal(QStringLiteral("returnPressed()"));
    }

    void *interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::TextInterface)
            return static_cast<QAccessibleTextInterface *>(this);
        if (type == QAccessible::EditableTextInterface)
            return static_cast<QAccessibleEditableTextInterface *>(this);
        return QAccessibleWidget::interface_cast(type);
    }
    QString text(QAccessible::Text t) const override
    {
        return t == QAccessible::Value ? line()->text() : QAccessibleWidget::text(t);
    }
    void setText(QAccessible::Text t, const QString &text) override
    {
        if (t == QAccessible::Value)
            line()->setText(text); // through the validator: one line
        else
            QAccessibleWidget::setText(t, text);
    }
    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.editable = true;
        state.selectableText = true;
        return state;
    }

    // QAccessibleTextInterface
    void selection(int index, int *start, int *end) const override
    {
        *start = *end = 0;
        if (index == 0 && line()->hasSelectedText()) {
            *start = line()->selectionStart();
            *end = line()->selectionEnd();
        }
    }
    int selectionCount() const override { return line()->hasSelectedText() ? 1 : 0; }
    void addSelection(int start, int end) override { setSelection(0, start, end); }
    void removeSelection(int index) override
    {
        if (index == 0)
            line()->deselect();
    }
    void setSelection(int index, int start, int end) override
    {
        if (index == 0)
            line()->setSelection(start, end - start);
    }
    int cursorPosition() const override { return line()->cursorPosition(); }
    void setCursorPosition(int position) override { line()->setCursorPosition(position); }
    using QAccessibleWidget::text;
    QString text(int start, int end) const override
    {
        return start > end ? QString() : line()->text().mid(start, end - start);
    }
    int characterCount() const override { return int(line()->text().size()); }
    QRect characterRect(int offset) const override
    {
        const QString all = line()->text();
        if (offset < 0 || offset >= all.size())
            return {};
        // Measured from the text's start; a line scrolled sideways is not
        // accounted for.
        const QFontMetrics metrics(line()->font());
        const QRect contents = line()->contentsRect();
        const int left = contents.left() + metrics.horizontalAdvance(all.left(offset));
        const QRect box(left, contents.top() + (contents.height() - metrics.height()) / 2,
                        metrics.horizontalAdvance(all.at(offset)), metrics.height());
        return QRect(line()->mapToGlobal(box.topLeft()), box.size());
    }
    int offsetAtPoint(const QPoint &point) const override
    {
        return line()->cursorPositionAt(line()->mapFromGlobal(point));
    }
    void scrollToSubstring(int start, int end) override
    {
        line()->setCursorPosition(end);
        line()->setCursorPosition(start);
    }
    QString attributes(int, int *start, int *end) const override
    {
        *start = 0;
        *end = characterCount();
        return {};
    }

    // QAccessibleEditableTextInterface, through the validator as typing is.
    void deleteText(int start, int end) override { replaceText(start, end, {}); }
    void insertText(int offset, const QString &text) override { replaceText(offset, offset, text); }
    void replaceText(int start, int end, const QString &text) override
    {
        line()->setText(line()->text().replace(start, end - start, text));
    }

private:
    InputLine *line() const { return static_cast<InputLine *>(widget()); }
};

} // namespace

QAccessibleInterface *InputLine::accessibleInterface(const QString &className, QObject *object)
{
    if (className == QLatin1String("InputLine") && object && object->isWidgetType())
        return new AccessibleInputLine(static_cast<InputLine *>(object));
    return nullptr;
}

InputLine::InputLine(QWidget *parent)
    : QLineEdit(parent)
{
    setMaxLength(std::numeric_limits<int>::max()); // no limit of its own
    setValidator(new OneLine(this));
}

void InputLine::focusInEvent(QFocusEvent *event)
{
    // QLineEdit selects all on Tab, Shift+Tab and a shortcut. Selecting and
    // putting the caret back would tell a screen reader of a caret move just
    // before the focus moves, and it would take the one for the other and
    // say nothing: so it is given a reason that selects nothing.
    switch (event->reason()) {
    case Qt::TabFocusReason:
    case Qt::BacktabFocusReason:
    case Qt::ShortcutFocusReason: {
        QFocusEvent keepCaret(event->type(), Qt::OtherFocusReason);
        QLineEdit::focusInEvent(&keepCaret);
        event->setAccepted(keepCaret.isAccepted());
        break;
    }
    default:
        QLineEdit::focusInEvent(event);
        break;
    }
}
