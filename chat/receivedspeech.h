// SPDX-FileCopyrightText: 2026 The Ombrix <ombrix@ombrix.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QObject>
#include <QString>
#include <QStringView>
#include <QTimer>

// What a screen reader says of received text, so that a blind person hears
// the chat while typing: each received text once, a burst of lines together
// once it pauses, and, where lines come faster than they can be spoken, how
// many came and the newest of them. Control characters are not spoken.
class ReceivedSpeech : public QObject
{
    Q_OBJECT
public:
    // A burst is said once nothing more has come for a moment...
    static constexpr int quietMilliseconds = 300;
    // ... or, in a channel that never pauses, at least this often.
    static constexpr int longestWaitMilliseconds = 2000;
    // Up to this many lines are said whole; of more, the count and the newest.
    static constexpr int mostLines = 3;

    explicit ReceivedSpeech(QObject *parent = nullptr);

    void receive(QStringView text);
    // What has not been said yet goes unsaid (a new connection).
    void clear();
    // Says what waits now (before a notice of the program's own).
    void flush();

Q_SIGNALS:
    void speak(const QString &text);

private:
    QString m_waiting;          // received since the last time, its newest lines only
    qsizetype m_droppedLines = 0; // lines received since then that m_waiting no longer holds
    QTimer m_quiet;
    QTimer m_longest;
};
