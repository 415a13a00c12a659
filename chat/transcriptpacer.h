// SPDX-FileCopyrightText: 2026 The Ombrix <ombrix@ombrix.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "allocator.h"

#include <QElapsedTimer>
#include <QObject>
#include <QString>
#include <QStringView>
#include <QTimer>

class Transcript;

// Shows received text in the transcript so that a flood never holds the
// window for more than a frame, and costs little more than the text itself.
// What arrives is added to the transcript in passes of the event loop of a
// bounded time each, with the views held back (Transcript::append()); at
// most once a frame, and when the flood pauses, shown() lets the views catch
// up: they lay out only what they show, and repaint once. Removing the
// oldest lines is a pass of its own, and so is each step of the memory made
// ready, once, for the document's copies of its text past its bound. A
// little that arrives while nothing waits is shown at once.
//
// Text waiting to be added is bounded (hasRoom()); what the window does not
// take yet waits at the socket and, through TCP, at the server.
class TranscriptPacer : public QObject
{
    Q_OBJECT
public:
    // Most characters waiting to be added.
    static constexpr qsizetype roomCharacters = 256 * 1024;
    // What arrives while nothing waits, up to this, is shown at once.
    static constexpr qsizetype atOnceCharacters = 4 * 1024;
    // One append while a flood comes in: small enough to stop near the end
    // of a pass, large enough that each costs little beside its characters.
    static constexpr qsizetype pieceCharacters = 32 * 1024;
    // Work in one pass of the event loop, and how often the views catch up:
    // once a frame, or when nothing more has come for a moment.
    static constexpr qint64 passNanoseconds = 3'000'000;
    static constexpr int frameMilliseconds = 16;
    static constexpr int pauseMilliseconds = 2;

    explicit TranscriptPacer(Transcript *transcript, QObject *parent = nullptr);

    // Received text, for the end of the transcript.
    void receive(QStringView text);
    // Characters received and not yet added to the transcript.
    qsizetype waiting() const { return m_waiting.size() - m_waitingFrom; }
    bool hasRoom() const { return waiting() < roomCharacters; }
    // Nothing waits, and the views show everything received.
    bool isShowingAll() const;
    // Shows everything at once: before a sent line's echo, so that the echo
    // stands after what arrived before it.
    void showWaiting();
    // A new connection: what the old one sent and was not added yet goes.
    void dropWaiting();

Q_SIGNALS:
    // Time for the views to catch up with the received text (release the
    // transcript) and follow it to the end. Emitted at most once a frame
    // while a flood comes in.
    void shown();
    // hasRoom() again after it was full.
    void roomForMore();

private:
    void step();
    void add(qsizetype characters);
    void show();
    void scheduleStep();

    Transcript *m_transcript;
    QString m_waiting; // received, not added yet from m_waitingFrom on
    qsizetype m_waitingFrom = 0;
    bool m_unshown = false; // added, the views not caught up yet
    QElapsedTimer m_sinceShown;
    QTimer m_stepper;
    Allocator::Warmup m_warmup;
    bool m_warm = false; // no more to make ready
};
