// SPDX-FileCopyrightText: 2026 The Ombrix <ombrix@ombrix.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "transcriptpacer.h"

#include "transcript.h"

TranscriptPacer::TranscriptPacer(Transcript *transcript, QObject *parent)
    : QObject(parent)
    , m_transcript(transcript)
{
    m_stepper.setSingleShot(true);
    m_stepper.setInterval(0);
    connect(&m_stepper, &QTimer::timeout, this, &TranscriptPacer::step);
}

void TranscriptPacer::receive(QStringView text)
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

bool TranscriptPacer::isShowingAll() const
{
    return waiting() == 0 && !m_transcript->isOverBound();
}

void TranscriptPacer::step()
{
    const bool wasFull = !hasRoom();
    showForAStep();
    if (wasFull && hasRoom())
        Q_EMIT roomForMore();
}

void TranscriptPacer::showForAStep()
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
    Q_EMIT shown();
    const double taken = qMax<qint64>(clock.nsecsElapsed(), 1) / 1e6;
    const double scale = qMin(stepMilliseconds / taken, 1.5); // grows slowly: costs vary
    m_stepCharacters = qBound<qsizetype>(minStepCharacters, qsizetype(m_stepCharacters * scale), roomCharacters);
    if (waiting() > 0 || m_transcript->isOverBound())
        m_stepper.start();
}

void TranscriptPacer::showPiece(qsizetype characters)
{
    m_transcript->appendUntrimmed(QStringView(m_waiting).mid(m_waitingFrom, characters));
    m_waitingFrom += characters;
    // What was shown goes, once it is the larger part.
    if (m_waitingFrom * 2 >= m_waiting.size()) {
        m_waiting.remove(0, m_waitingFrom);
        m_waitingFrom = 0;
    }
}

void TranscriptPacer::showWaiting()
{
    const bool wasFull = !hasRoom();
    if (waiting() > 0) {
        showPiece(waiting());
        m_transcript->trim();
        Q_EMIT shown();
    }
    m_stepper.stop();
    if (wasFull)
        Q_EMIT roomForMore();
}

void TranscriptPacer::dropWaiting()
{
    const bool wasFull = !hasRoom();
    m_waiting.clear();
    m_waitingFrom = 0;
    m_stepper.stop();
    if (wasFull)
        Q_EMIT roomForMore();
}
