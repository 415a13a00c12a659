// SPDX-FileCopyrightText: 2026 The Ombrix <ombrix@ombrix.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QString>
#include <QStringView>
#include <QTimer>

class Transcript;

// Shows received text in the transcript in steps of a bounded amount of work,
// one step per pass of the event loop, so that a flood never holds the window
// for more than a frame: the window repaints, and keys and clicks are
// answered, between steps. Text waiting to be shown is bounded too
// (hasRoom()); what the window does not take yet waits at the socket and,
// through TCP, at the server.
class TranscriptPacer : public QObject
{
    Q_OBJECT
public:
    // Most characters waiting to be shown, and most work in one step.
    static constexpr qsizetype roomCharacters = 256 * 1024;
    static constexpr qsizetype minStepCharacters = 4 * 1024;
    static constexpr double stepMilliseconds = 4;

    explicit TranscriptPacer(Transcript *transcript, QObject *parent = nullptr);

    // Received text, shown at the end of the transcript in the next steps.
    void receive(QStringView text);
    bool hasRoom() const { return waiting() < roomCharacters; }
    bool isShowingAll() const;
    // Shows what waits at once: before a sent line's echo, so that the echo
    // stands after what arrived before it.
    void showWaiting();
    // A new connection: what the old one sent and was not shown yet goes.
    void dropWaiting();

Q_SIGNALS:
    // Received text has been added at the end; the view follows it there.
    void shown();
    // hasRoom() again after it was full.
    void roomForMore();

private:
    qsizetype waiting() const { return m_waiting.size() - m_waitingFrom; }
    void step();
    void showForAStep();
    void showPiece(qsizetype characters);

    Transcript *m_transcript;
    QString m_waiting; // received, not shown yet from m_waitingFrom on
    qsizetype m_waitingFrom = 0;
    qsizetype m_stepCharacters = 64 * 1024; // what one step shows
    QTimer m_stepper;
};
