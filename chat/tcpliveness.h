// SPDX-FileCopyrightText: 2026 The Ombrix <ombrix@ombrix.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QtGlobal>

class QAbstractSocket;

// Finds out that a connection died, where Qt has no words for it. A chat
// connection is mostly quiet, and TCP notices a link that went away only when
// it next sends; the system's keep-alive defaults wait two hours. And Qt takes
// a reset for the server's orderly close (both end the read, and Qt closes
// its handle before it says so), where the person must hear of the one and
// not the other: so a second handle to the connection is kept, to ask the
// system afterwards how it ended.
class TcpLiveness
{
public:
    // An idle connection is probed after keepAliveIdleSeconds, then every
    // keepAliveIntervalSeconds, and given up after keepAliveProbes unanswered
    // probes: a dead link is found within about two minutes (60 + 5 * 10 s),
    // while a server that is only slow, or a link that drops a few packets,
    // has five chances. Data sent and not acknowledged is given up on after
    // the same time (Linux; Windows retransmits for less than that anyway).
    static constexpr int keepAliveIdleSeconds = 60;
    static constexpr int keepAliveIntervalSeconds = 10;
    static constexpr int keepAliveProbes = 5;
    static constexpr int deadAfterSeconds = keepAliveIdleSeconds + keepAliveProbes * keepAliveIntervalSeconds;

    TcpLiveness() = default;
    TcpLiveness(const TcpLiveness &) = delete;
    TcpLiveness &operator=(const TcpLiveness &) = delete;
    ~TcpLiveness() { release(); }

    // On a socket that has just connected: keep-alive with the timings above,
    // and the second handle. False where the system refused a setting.
    bool watch(QAbstractSocket *socket);
    // After the read ended: whether the connection was reset (or timed out)
    // rather than closed by the server. Releases the second handle; false
    // where the system cannot tell.
    bool endedByReset();
    // Lets the connection go: the second handle would keep it open.
    void release();

private:
    qintptr m_handle = -1;
};
