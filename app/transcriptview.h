// SPDX-FileCopyrightText: 2026 The Ombrix <ombrix@ombrix.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QElapsedTimer>
#include <QPlainTextEdit>
#include <QTimer>

class Transcript;

// The transcript's text box. Every text that goes into it goes through the
// transcript, which keeps track of its lines: received text at the end,
// echoes at the caret, pastes and drops, and Ctrl+Enter's line break. What it
// copies or drags (Ctrl+C, its context menu) is the transcript's own text, as
// Edit > Copy gives it: long lines whole and every character kept. Selecting
// by line (a triple-click, the line-wise keys) takes one line as it was
// received or typed, however the transcript groups lines into blocks.
//
// Received text is shown in steps of a bounded amount of work, one step per
// pass of the event loop, so that a flood never holds the window for more
// than a frame: the box repaints, and keys and clicks are answered, between
// steps. Text waiting to be shown is bounded too (hasRoom()); what the
// window does not take yet waits at the socket and, through TCP, at the
// server.
class TranscriptView : public QPlainTextEdit
{
    Q_OBJECT
public:
    explicit TranscriptView(QWidget *parent = nullptr);

    Transcript *transcript() const { return m_transcript; }

    // Most characters waiting to be shown, and most work in one step.
    static constexpr qsizetype roomCharacters = 256 * 1024;
    static constexpr qsizetype minStepCharacters = 4 * 1024;
    static constexpr double stepMilliseconds = 4;

    // Received text, shown at the end in the next steps; the caret follows
    // it, so the newest text is in view.
    void receive(QStringView text);
    bool hasRoom() const { return waiting() < roomCharacters; }
    bool isShowingAll() const;
    // Shows what waits at once: before a sent line's echo, so that the echo
    // stands after what arrived before it.
    void showWaiting();
    // A new connection: what the old one sent and was not shown yet goes.
    void dropWaiting();
    // Text at the caret, replacing the selection; the caret ends after it.
    void insertAtCaret(QStringView text);

Q_SIGNALS:
    // Enter without Ctrl, which the window passes to its default button.
    void enterPressed();
    // hasRoom() again after it was full.
    void roomForMore();

protected:
    QMimeData *createMimeDataFromSelection() const override;
    void insertFromMimeData(const QMimeData *source) override;
    void keyPressEvent(QKeyEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;

private:
    bool lineWiseKey(QKeyEvent *event);
    qsizetype waiting() const { return m_waiting.size() - m_waitingFrom; }
    void step();
    void showForAStep();
    void showPiece(qsizetype characters);

    Transcript *m_transcript;
    QString m_waiting; // received, not shown yet from m_waitingFrom on
    qsizetype m_waitingFrom = 0;
    qsizetype m_stepCharacters = 64 * 1024; // what one step shows
    QTimer m_stepper;
    QElapsedTimer m_sinceDoubleClick;
    QPoint m_doubleClickAt;
};
