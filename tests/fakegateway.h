// SPDX-FileCopyrightText: 2026 The Ombrix <ombrix@ombrix.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QHostAddress>
#include <QObject>
#include <QPointer>
#include <QTcpServer>
#include <QTcpSocket>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

// Whether the tests run under Wine, which reports no connection's TCP state:
// a reset reads there as the server's close.
inline bool underWine()
{
#ifdef Q_OS_WIN
    const HMODULE ntdll = GetModuleHandleW(L"ntdll.dll");
    return ntdll && GetProcAddress(ntdll, "wine_get_version");
#else
    return false;
#endif
}

// A chat gateway for tests, on 127.0.0.1 only: it records every byte its
// client sends and sends what a test tells it to, piece by piece.
class FakeGateway : public QObject
{
    Q_OBJECT
public:
    explicit FakeGateway(QObject *parent = nullptr);

    QString address() const { return QStringLiteral("127.0.0.1"); }
    quint16 port() const { return m_port; }
    int connections() const { return m_connections; }

    // Wait until n clients have connected since the gateway started.
    bool waitForConnections(int n, int timeoutMs = 5000);
    // Everything the current client sent so far.
    QByteArray received() const { return m_received; }
    // Wait until at least n bytes have been received from the current client.
    bool waitForReceived(qsizetype n, int timeoutMs = 5000);
    // Wait until the client's end of the connection is closed.
    bool waitForClientGone(int timeoutMs = 5000);
    bool clientConnected() const;

    // Send one piece now.
    void send(const QByteArray &bytes);
    // Close our end gracefully, after what was sent.
    void closeClient();
    // Tear the connection down with a reset.
    void resetClient();
    // Stop listening, so that a connect is refused; and listen again on the
    // same port (where it listens already, nothing changes).
    void stopListening() { m_server.close(); }
    bool listenAgain();
    // Listen on the same port but answer no handshake: the system's queue of
    // connections waiting to be taken is full, so Linux drops every new one
    // unanswered (other systems may refuse it instead).
    bool stopAnswering();

private:
    QTcpServer m_server;
    QTcpServer m_silent;
    QTcpSocket m_queueFiller;
    QPointer<QAbstractSocket> m_client; // not QTcpSocket: read while it is being destroyed
    QByteArray m_received;
    quint16 m_port = 0;
    int m_connections = 0;
    bool m_clientGone = false;
};
