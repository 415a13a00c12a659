// SPDX-FileCopyrightText: 2026 The Ombrix <ombrix@ombrix.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "chatconnection.h"
#include "chatsession.h"

#include <QTest>

// Waits until a connection, or a session's, is in this state.
template <class Connection>
bool reach(const Connection &connection, ChatConnection::State state, int timeoutMs = 5000)
{
    return QTest::qWaitFor([&] { return connection.state() == state; }, timeoutMs);
}

// Waits until the session has taken this many bytes in all, and shown them.
inline bool showsAll(const ChatSession &session, quint64 bytes, int timeoutMs = 5000)
{
    return QTest::qWaitFor([&] { return session.bytesReceived() >= bytes && session.isShowingAll(); }, timeoutMs);
}
