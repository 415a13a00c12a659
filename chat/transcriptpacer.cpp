// SPDX-FileCopyrightText: 2026 The Ombrix <ombrix@ombrix.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "transcriptpacer.h"

#include "transcript.h"

TranscriptPacer::TranscriptPacer(Transcript *transcript, QObject *parent)
    : QObject(parent)
    , m_transcript(transcript)
{
    m_stepper.setSingleShot(true);
    m_stepper.setTimerType(Qt::PreciseTimer);
    connect(&m_stepper, &QTimer::timeout, this, &TranscriptPacer::step);
    m_sinceShown.start();
}

void TranscriptPacer::receive(QStringView text)
{
    m_waiting.append(text);
    if (!m_unshown && !m_stepper.isActive() && waiting() <= atOnceCharacters) {
        add(waiting());
        // A steady channel reaches the bound this way, a little at a time:
        // the oldest lines go in a pass of their own, and the views catch up
        // after it.
        if (!m_transcript->isOverBound()) {
            show();
            return;
        }
    }
    scheduleStep();
}

bool TranscriptPacer::isShowingAll() const
{
    return waiting() == 0 && !m_unshown && !m_transcript->isOverBound();
}

void TranscriptPacer::step()
{
    const bool wasFull = !hasRoom();
    if (m_transcript->isOverBound()) {
        m_transcript->trim();
        m_unshown = true;
    } else if (m_unshown && (waiting() == 0 || m_sinceShown.elapsed() >= frameMilliseconds)) {
        show();
    } else if (!m_warm && m_transcript->isNearBound()) {
        m_warm = !m_warmup.step();
    } else {
        // Pieces until the pass's time is spent: the cost of a piece is its
        // characters, so the pass adapts to the machine without guessing.
        QElapsedTimer clock;
        clock.start();
        while (waiting() > 0 && !m_transcript->isOverBound() && clock.nsecsElapsed() < passNanoseconds)
            add(qMin(pieceCharacters, waiting()));
    }
    if (wasFull && hasRoom())
        Q_EMIT roomForMore();
    scheduleStep();
}

void TranscriptPacer::scheduleStep()
{
    // More to add or remove: in the next pass. Only the views to catch up:
    // after a pause in what arrives, or once the frame is over; whatever
    // arrives first restarts this.
    if (waiting() > 0 || m_transcript->isOverBound())
        m_stepper.start(0);
    else if (m_unshown)
        m_stepper.start(int(qBound(qint64(0), frameMilliseconds - m_sinceShown.elapsed(), qint64(pauseMilliseconds))));
}

void TranscriptPacer::add(qsizetype characters)
{
    m_transcript->append(QStringView(m_waiting).mid(m_waitingFrom, characters));
    m_waitingFrom += characters;
    m_unshown = true;
    // What was added goes, once it is the larger part.
    if (m_waitingFrom * 2 >= m_waiting.size()) {
        m_waiting.remove(0, m_waitingFrom);
        m_waitingFrom = 0;
    }
}

void TranscriptPacer::show()
{
    m_unshown = false;
    m_sinceShown.restart();
    Q_EMIT shown();
}

void TranscriptPacer::showWaiting()
{
    const bool wasFull = !hasRoom();
    if (waiting() > 0)
        add(waiting());
    if (m_unshown) {
        m_transcript->trim();
        show();
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
    if (m_unshown)
        show();
    m_stepper.stop();
    if (wasFull)
        Q_EMIT roomForMore();
}
