// SPDX-FileCopyrightText: 2026 The Ombrix <ombrix@ombrix.example>
// SPDX-License-Identifier: GPL-3.0-or-later

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
    m_stepper.setSingleShot(true);
    m_stepper.setInterval(0);
    connect(&m_stepper, &QTimer::timeout, this, &TranscriptView::step);
}

void TranscriptView::receive(QStringView text)
{
    m_waiting.append(text);
    // A little that arrives while nothing waits is shown at once; more waits
    // for the next step, so that reading the socket stays short.
    if (m_stepper.isActive())
        return;
    if (waiting() <= minStepCharacters)
        showForAStep();
    else
        m_stepper.start();
}

bool TranscriptView::isShowingAll() const
{
    return waiting() == 0 && !m_transcript->isOverBound();
}

void TranscriptView::step()
{
    const bool wasFull = !hasRoom();
    showForAStep();
    if (wasFull && hasRoom())
        Q_EMIT roomForMore();
}

void TranscriptView::showForAStep()
{
    // One piece, sized from how long the last one took: the document's cost
    // is per edit and per character, so one edit a step is the cheapest.
    // The oldest lines go in a step of their own.
    if (m_transcript->isOverBound()) {
        m_transcript->trim();
        m_stepper.start();
        return;
    }
    QElapsedTimer clock;
    clock.start();
    showPiece(qMin(m_stepCharacters, waiting()));
    moveCursor(QTextCursor::End);
    const double taken = qMax<qint64>(clock.nsecsElapsed(), 1) / 1e6;
    const double scale = qMin(stepMilliseconds / taken, 1.5); // grows slowly: costs vary
    m_stepCharacters = qBound<qsizetype>(minStepCharacters, qsizetype(m_stepCharacters * scale), roomCharacters);
    if (waiting() > 0 || m_transcript->isOverBound())
        m_stepper.start();
}

void TranscriptView::showPiece(qsizetype characters)
{
    m_transcript->appendUntrimmed(QStringView(m_waiting).mid(m_waitingFrom, characters));
    m_waitingFrom += characters;
    // What was shown goes, once it is the larger part.
    if (m_waitingFrom * 2 >= m_waiting.size()) {
        m_waiting.remove(0, m_waitingFrom);
        m_waitingFrom = 0;
    }
}

void TranscriptView::showWaiting()
{
    const bool wasFull = !hasRoom();
    if (waiting() > 0) {
        showPiece(waiting());
        m_transcript->trim();
        moveCursor(QTextCursor::End);
    }
    m_stepper.stop();
    if (wasFull)
        Q_EMIT roomForMore();
}

void TranscriptView::dropWaiting()
{
    const bool wasFull = !hasRoom();
    m_waiting.clear();
    m_waitingFrom = 0;
    m_stepper.stop();
    if (wasFull)
        Q_EMIT roomForMore();
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
