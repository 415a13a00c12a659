// SPDX-FileCopyrightText: 2026 The Ombrix <ombrix@ombrix.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "transcriptview.h"

#include "transcript.h"

#include <QAccessibleWidget>
#include <QApplication>
#include <QKeyEvent>
#include <QMimeData>
#include <QMouseEvent>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextLayout>

namespace {

// The transcript as a screen reader reads it: its lines as shown, "\n"
// between them, where the document keeps U+2028 between the short lines of
// one block and a paragraph break between blocks. One character stands for
// one, so every offset is a caret position, and the text-changed events Qt
// sends for the document agree with it. For a screen reader's line commands
// a line runs from its first character to the next line's first, its break
// included; a line longer than the transcript's limit reads as the lines it
// is shown on.
class AccessibleTranscript : public QAccessibleWidget,
                             public QAccessibleTextInterface,
                             public QAccessibleEditableTextInterface
{
public:
    explicit AccessibleTranscript(TranscriptView *view)
        : QAccessibleWidget(view, QAccessible::EditableText)
    {
    }

    void *interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::TextInterface)
            return static_cast<QAccessibleTextInterface *>(this);
        if (type == QAccessible::EditableTextInterface)
            return static_cast<QAccessibleEditableTextInterface *>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.multiLine = true;
        state.editable = !view()->isReadOnly();
        state.selectableText = true;
        return state;
    }

    // The scroll bars are parts of the box; its viewport is not: the viewport
    // would report the box's keyboard focus as its own.
    int childCount() const override { return int(parts().size()); }
    QAccessibleInterface *child(int index) const override
    {
        const QList<QWidget *> all = parts();
        return index >= 0 && index < all.size() ? QAccessible::queryAccessibleInterface(all[index]) : nullptr;
    }
    int indexOfChild(const QAccessibleInterface *child) const override
    {
        return child ? int(parts().indexOf(qobject_cast<QWidget *>(child->object()))) : -1;
    }

    QString text(int start, int end) const override
    {
        start = qBound(0, start, characterCount());
        end = qBound(start, end, characterCount());
        QTextCursor cursor(document());
        cursor.setPosition(start);
        cursor.setPosition(end, QTextCursor::KeepAnchor);
        return cursor.selectedText()
            .replace(QChar::LineSeparator, u'\n')
            .replace(QChar::ParagraphSeparator, u'\n');
    }
    using QAccessibleWidget::text;

    int characterCount() const override { return document()->characterCount() - 1; }

    QString textAtOffset(int offset, QAccessible::TextBoundaryType boundary, int *start, int *end) const override
    {
        offset = atCaret(offset);
        if (!byLine(boundary))
            return QAccessibleTextInterface::textAtOffset(offset, boundary, start, end);
        return line(lineAround(offset), start, end);
    }
    QString textBeforeOffset(int offset, QAccessible::TextBoundaryType boundary, int *start, int *end) const override
    {
        offset = atCaret(offset);
        if (!byLine(boundary))
            return QAccessibleTextInterface::textBeforeOffset(offset, boundary, start, end);
        const auto around = lineAround(offset);
        return line(around.first > 0 ? lineAround(around.first - 1) : qMakePair(0, 0), start, end);
    }
    QString textAfterOffset(int offset, QAccessible::TextBoundaryType boundary, int *start, int *end) const override
    {
        offset = atCaret(offset);
        if (!byLine(boundary))
            return QAccessibleTextInterface::textAfterOffset(offset, boundary, start, end);
        const auto around = lineAround(offset);
        const int count = characterCount();
        return line(around.second < count ? lineAround(around.second) : qMakePair(count, count), start, end);
    }

    int cursorPosition() const override { return view()->textCursor().position(); }
    void setCursorPosition(int position) override { select(position, position); }
    int selectionCount() const override { return view()->textCursor().hasSelection() ? 1 : 0; }
    void selection(int index, int *start, int *end) const override
    {
        const QTextCursor cursor = view()->textCursor();
        const bool any = index == 0 && cursor.hasSelection();
        *start = any ? cursor.selectionStart() : 0;
        *end = any ? cursor.selectionEnd() : 0;
    }
    void addSelection(int start, int end) override { select(start, end); }
    void setSelection(int index, int start, int end) override
    {
        if (index == 0)
            select(start, end);
    }
    void removeSelection(int index) override
    {
        if (index == 0)
            setCursorPosition(cursorPosition());
    }

    QRect characterRect(int offset) const override
    {
        QTextCursor cursor(document());
        cursor.setPosition(qBound(0, offset, characterCount()));
        QRect rect = view()->cursorRect(cursor);
        rect.setWidth(qMax(1, view()->fontMetrics().horizontalAdvance(document()->characterAt(cursor.position()))));
        return QRect(view()->viewport()->mapToGlobal(rect.topLeft()), rect.size());
    }
    int offsetAtPoint(const QPoint &point) const override
    {
        const QPoint at = view()->viewport()->mapFromGlobal(point);
        return view()->viewport()->rect().contains(at) ? view()->cursorForPosition(at).position() : -1;
    }
    void scrollToSubstring(int start, int) override
    {
        // The view scrolls by shown lines; the line of `start` comes to the top.
        const QTextBlock block = document()->findBlock(qBound(0, start, characterCount()));
        int line = block.firstLineNumber();
        if (const QTextLayout *layout = block.layout(); layout && layout->lineCount() > 0)
            line += layout->lineForTextPosition(start - block.position()).lineNumber();
        view()->verticalScrollBar()->setValue(line);
    }
    QString attributes(int, int *start, int *end) const override
    {
        *start = 0;
        *end = characterCount();
        return {};
    }

    // Editing from a screen reader keeps the transcript's lines as typing does.
    void deleteText(int start, int end) override { replaceText(start, end, {}); }
    void insertText(int offset, const QString &text) override { replaceText(offset, offset, text); }
    void replaceText(int start, int end, const QString &text) override
    {
        if (view()->isReadOnly())
            return;
        QTextCursor cursor(document());
        cursor.setPosition(qBound(0, start, characterCount()));
        cursor.setPosition(qBound(0, end, characterCount()), QTextCursor::KeepAnchor);
        view()->transcript()->insert(cursor, text);
    }

private:
    TranscriptView *view() const { return static_cast<TranscriptView *>(widget()); }
    QTextDocument *document() const { return view()->document(); }

    QList<QWidget *> parts() const
    {
        QList<QWidget *> parts;
        for (QObject *child : view()->children()) {
            auto *part = qobject_cast<QWidget *>(child);
            if (part && part != view()->viewport() && !part->isWindow())
                parts << part;
        }
        return parts;
    }

    // Qt asks with -2 for "at the caret".
    int atCaret(int offset) const { return offset == -2 ? cursorPosition() : offset; }
    static bool byLine(QAccessible::TextBoundaryType boundary)
    {
        return boundary == QAccessible::LineBoundary || boundary == QAccessible::ParagraphBoundary;
    }
    void select(int anchor, int position)
    {
        QTextCursor cursor = view()->textCursor();
        cursor.setPosition(qBound(0, anchor, characterCount()));
        cursor.setPosition(qBound(0, position, characterCount()), QTextCursor::KeepAnchor);
        view()->setTextCursor(cursor);
    }
    // The shown line around an offset: from its first character to the next
    // line's first.
    QPair<int, int> lineAround(int offset) const
    {
        const int count = characterCount();
        offset = qBound(0, offset, count);
        const QTextBlock block = document()->findBlock(offset);
        const QString text = block.text();
        const int inBlock = offset - block.position();
        const qsizetype before = inBlock > 0 ? text.lastIndexOf(QChar::LineSeparator, inBlock - 1) : -1;
        qsizetype after = text.indexOf(QChar::LineSeparator, inBlock);
        if (after < 0)
            after = text.size();
        return {block.position() + int(before + 1), qMin(count, block.position() + int(after) + 1)};
    }
    QString line(QPair<int, int> range, int *start, int *end) const
    {
        *start = range.first;
        *end = range.second;
        return text(range.first, range.second);
    }
};

} // namespace

QAccessibleInterface *TranscriptView::accessibleInterface(const QString &className, QObject *object)
{
    if (className == QLatin1String("TranscriptView") && object && object->isWidgetType())
        return new AccessibleTranscript(static_cast<TranscriptView *>(object));
    return nullptr;
}

TranscriptView::TranscriptView(QWidget *parent)
    : QPlainTextEdit(parent)
    , m_transcript(new Transcript(document(), this))
{
    verticalScrollBar()->setAccessibleName(tr("Transcript scroll bar"));
    horizontalScrollBar()->setAccessibleName(tr("Transcript horizontal scroll bar"));
}

void TranscriptView::followReceived()
{
    // With the viewport's updates off, the box jumps to the end rather than
    // working out a smooth scroll from where it was, which would lay out all
    // the text between; turned on again, it repaints once.
    viewport()->setUpdatesEnabled(false);
    m_transcript->release();
    verticalScrollBar()->setValue(verticalScrollBar()->maximum());
    const QTextCursor caret = textCursor();
    if (caret.hasSelection() || caret.position() != document()->characterCount() - 1)
        moveCursor(QTextCursor::End);
    viewport()->setUpdatesEnabled(true);
}

void TranscriptView::insertAtCaret(QStringView text)
{
    QTextCursor caret = textCursor();
    m_transcript->insert(caret, text);
    setTextCursor(caret);
}

QMimeData *TranscriptView::createMimeDataFromSelection() const
{
    const QTextCursor cursor = textCursor();
    auto *data = new QMimeData;
    data->setText(m_transcript->selectedText(cursor));
    return data;
}

void TranscriptView::insertFromMimeData(const QMimeData *source)
{
    if (source->hasText())
        insertAtCaret(source->text());
}

void TranscriptView::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        if (event->modifiers() & Qt::ControlModifier)
            insertAtCaret(u"\n");
        else
            Q_EMIT enterPressed();
        return;
    }
    if (!lineWiseKey(event))
        QPlainTextEdit::keyPressEvent(event);
}

// The keys that act on a whole paragraph of the document act on one line.
bool TranscriptView::lineWiseKey(QKeyEvent *event)
{
    QTextCursor cursor = textCursor();
    const int position = cursor.position();
    if (event == QKeySequence::MoveToStartOfBlock || event == QKeySequence::SelectStartOfBlock) {
        const bool select = event == QKeySequence::SelectStartOfBlock;
        cursor.setPosition(m_transcript->lineStart(position), select ? QTextCursor::KeepAnchor : QTextCursor::MoveAnchor);
    } else if (event == QKeySequence::MoveToEndOfBlock || event == QKeySequence::SelectEndOfBlock) {
        const bool select = event == QKeySequence::SelectEndOfBlock;
        cursor.setPosition(m_transcript->lineEnd(position), select ? QTextCursor::KeepAnchor : QTextCursor::MoveAnchor);
    } else if (event == QKeySequence::DeleteEndOfLine && !isReadOnly()) {
        // At the end of a line, its line break goes.
        const int end = m_transcript->lineEnd(position);
        cursor.setPosition(end > position ? end : qMin(end + 1, document()->characterCount() - 1),
                           QTextCursor::KeepAnchor);
        cursor.removeSelectedText();
    } else {
        return false;
    }
    setTextCursor(cursor);
    return true;
}

void TranscriptView::mouseDoubleClickEvent(QMouseEvent *event)
{
    QPlainTextEdit::mouseDoubleClickEvent(event);
    m_sinceDoubleClick.start();
    m_doubleClickAt = event->position().toPoint();
}

void TranscriptView::mousePressEvent(QMouseEvent *event)
{
    const bool tripleClick = event->button() == Qt::LeftButton && m_sinceDoubleClick.isValid()
        && m_sinceDoubleClick.elapsed() < QApplication::doubleClickInterval()
        && (event->position().toPoint() - m_doubleClickAt).manhattanLength() < QApplication::startDragDistance();
    m_sinceDoubleClick.invalidate();
    if (!tripleClick) {
        QPlainTextEdit::mousePressEvent(event);
        return;
    }
    // The line under the mouse, with its line break.
    const int position = cursorForPosition(event->position().toPoint()).position();
    QTextCursor line = textCursor();
    line.setPosition(m_transcript->lineStart(position));
    line.setPosition(qMin(m_transcript->lineEnd(position) + 1, document()->characterCount() - 1),
                     QTextCursor::KeepAnchor);
    setTextCursor(line);
    event->accept();
}
