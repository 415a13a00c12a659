// SPDX-FileCopyrightText: 2026 The Ombrix <ombrix@ombrix.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QElapsedTimer>
#include <QPlainTextEdit>

class QAccessibleInterface;

class Transcript;

// The transcript's text box. Every text that goes into it goes through the
// transcript, which keeps track of its lines: received text at the end,
// echoes at the caret, pastes and drops, and Ctrl+Enter's line break. What it
// copies or drags (Ctrl+C, its context menu) is the transcript's own text, as
// Edit > Copy gives it: long lines whole and every character kept. Selecting
// by line (a triple-click, the line-wise keys) takes one line as it was
// received or typed, however the transcript groups lines into blocks.
class TranscriptView : public QPlainTextEdit
{
    Q_OBJECT
public:
    explicit TranscriptView(QWidget *parent = nullptr);
    // How a screen reader meets it; installed once for the whole program.
    static QAccessibleInterface *accessibleInterface(const QString &className, QObject *object);

    Transcript *transcript() const { return m_transcript; }

    // Text at the caret, replacing the selection; the caret ends after it.
    void insertAtCaret(QStringView text);
    // Catches up with the text received since the last time (the
    // transcript's release()) and follows it: the newest text in view, the
    // caret at the end, one repaint.
    void followReceived();

Q_SIGNALS:
    // Enter without Ctrl, which the window passes to its default button.
    void enterPressed();

protected:
    QMimeData *createMimeDataFromSelection() const override;
    void insertFromMimeData(const QMimeData *source) override;
    void keyPressEvent(QKeyEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;

private:
    bool lineWiseKey(QKeyEvent *event);

    Transcript *m_transcript;
    QElapsedTimer m_sinceDoubleClick;
    QPoint m_doubleClickAt;
};
