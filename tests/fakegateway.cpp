// SPDX-FileCopyrightText: 2026 The Ombrix <ombrix@ombrix.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "fakegateway.h"

#include <QTest>

// Qt offers no reset of a connection; the sockets API does, under Windows too.
#ifdef Q_OS_WIN
#include <winsock2.h>
#else
#include <sys/socket.h>
#endif

FakeGateway::FakeGateway(QObject *parent)
    : QObject(parent)
{
    m_server.listen(QHostAddress::LocalHost, 0);
    m_port = m_server.serverPort();
    connect(&m_server, &QTcpServer::newConnection, this, [this] {
        while (QTcpSocket *client = m_server.nextPendingConnection()) {
            if (m_client)
                m_client->deleteLater();
            m_client = client;
            m_received.clear();
            m_clientGone = false;
            ++m_connections;
            client->setSocketOption(QAbstractSocket::LowDelayOption, 1);
            connect(client, &QTcpSocket::readyRead, this, [this, client] {
                if (client == m_client)
                    m_received += client->readAll();
            });
            connect(client, &QTcpSocket::disconnected, this, [this, client] {
                if (client == m_client)
                    m_clientGone = true;
            });
        }
    });
}

bool FakeGateway::listenAgain()
{
    if (m_server.isListening())
        return true;
    m_queueFiller.abort();
    m_silent.close();
    return m_server.listen(QHostAddress::LocalHost, m_port);
}

bool FakeGateway::stopAnswering()
{
    m_server.close();
    m_silent.setListenBacklogSize(0);
    if (!m_silent.listen(QHostAddress::LocalHost, m_port))
        return false;
    m_silent.pauseAccepting();
    m_queueFiller.connectToHost(QHostAddress::LocalHost, m_port);
    return m_queueFiller.waitForConnected(5000);
}

bool FakeGateway::waitForConnections(int n, int timeoutMs)
{
    return QTest::qWaitFor([&] { return m_connections >= n; }, timeoutMs);
}

bool FakeGateway::waitForReceived(qsizetype n, int timeoutMs)
{
    return QTest::qWaitFor([&] { return m_received.size() >= n; }, timeoutMs);
}

bool FakeGateway::waitForClientGone(int timeoutMs)
{
    return QTest::qWaitFor([&] { return m_clientGone || !m_client; }, timeoutMs);
}

bool FakeGateway::clientConnected() const
{
    return m_client && m_client->state() == QAbstractSocket::ConnectedState && !m_clientGone;
}

void FakeGateway::send(const QByteArray &bytes)
{
    if (!m_client)
        return;
    m_client->write(bytes);
    m_client->flush();
}

void FakeGateway::closeClient()
{
    if (m_client)
        m_client->disconnectFromHost();
}

void FakeGateway::resetClient()
{
    if (!m_client)
        return;
    m_client->flush();
    // A zero linger time makes close() send RST instead of FIN.
    const linger hard{1, 0};
#ifdef Q_OS_WIN
    ::setsockopt(SOCKET(m_client->socketDescriptor()), SOL_SOCKET, SO_LINGER,
                 reinterpret_cast<const char *>(&hard), int(sizeof hard));
#else
    ::setsockopt(int(m_client->socketDescriptor()), SOL_SOCKET, SO_LINGER, &hard, sizeof hard);
#endif
    m_client->abort();
}
