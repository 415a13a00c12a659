#include "transcriptview.h"

#include "transcript.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMimeData>
#include <QMouseEvent>

TranscriptView::TranscriptView(QWidget *parent)
    : QPlainTextEdit(parent)
    , m_transcript(new Transcript(document(), this))
{
}

void TranscriptView::receive(QStringView text)
{
    m_transcript->append(text);
    moveCursor(QTextCursor::End);
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
    data->setText(m_transcript->text(cursor.selectionStart(), cursor.selectionEnd()));
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
