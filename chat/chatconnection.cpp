// SPDX-FileCopyrightText: 2026 The Ombrix <ombrix@ombrix.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "chatconnection.h"

#include <QScopedValueRollback>
#include <QTcpSocket>

ChatConnection::ChatConnection(QObject *parent)
    : QObject(parent)
    , m_socket(new QTcpSocket(this))
{
    // A flood waits in the kernel and, through TCP, at the server, rather than
    // in our memory; and each arrival stays small enough to show at once.
    m_socket->setReadBufferSize(readBufferSize);
    connect(m_socket, &QTcpSocket::connected, this, &ChatConnection::onConnected);
    connect(m_socket, &QTcpSocket::readyRead, this, &ChatConnection::onReadyRead);
    connect(m_socket, &QTcpSocket::disconnected, this, &ChatConnection::onEnded);
    connect(m_socket, &QTcpSocket::errorOccurred, this, &ChatConnection::onEnded);
}

ChatConnection::~ChatConnection()
{
    // Ending the program sends nothing more: drop what is still unsent.
    QScopedValueRollback guard(m_closing, true);
    m_socket->abort();
}

bool ChatConnection::connectToHost(const QString &host, quint16 port)
{
    switch (m_state) {
    case State::Closed:
        break;
    case State::Connecting:
        return refuse(Refusal::AlreadyConnecting);
    case State::Connected:
        return refuse(Refusal::AlreadyConnected);
    case State::ClosedByServer:
    case State::Error:
        return refuseEnded();
    }
    m_errorString.clear();
    setState(State::Connecting);
    m_socket->connectToHost(host, port);
    return true;
}

bool ChatConnection::sendData(const QByteArray &bytes)
{
    switch (m_state) {
    case State::Closed:
        return refuse(Refusal::NotConnected);
    case State::Connecting:
        return refuse(Refusal::StillConnecting);
    case State::ClosedByServer:
    case State::Error:
        return refuseEnded();
    case State::Connected:
        break;
    }
    m_socket->write(bytes);
    return true;
}

QByteArray ChatConnection::getData()
{
    QByteArray bytes = m_socket->readAll();
    m_bytesReceived += quint64(bytes.size());
    return bytes;
}

qint64 ChatConnection::bytesAvailable() const
{
    return m_socket->bytesAvailable();
}

void ChatConnection::close()
{
    {
        // abort() reports the end synchronously; that end is ours, not the server's.
        QScopedValueRollback guard(m_closing, true);
        m_socket->flush(); // what was sent before LOG OFF still goes out
        m_socket->abort();
    }
    m_errorString.clear();
    setState(State::Closed);
}

void ChatConnection::setState(State state)
{
    if (m_state == state)
        return;
    m_state = state;
    Q_EMIT stateChanged(state);
}

void ChatConnection::onConnected()
{
    if (m_state == State::Connecting)
        setState(State::Connected);
}

void ChatConnection::onReadyRead()
{
    const qint64 waiting = m_socket->bytesAvailable();
    if (waiting > 0)
        Q_EMIT dataArrival(waiting);
}

void ChatConnection::onEnded()
{
    auto open = [this] { return m_state == State::Connecting || m_state == State::Connected; };
    if (m_closing || !open())
        return;
    // Whatever the server sent before it went away is still shown.
    onReadyRead();
    if (!open()) // a reader may have closed it
        return;
    if (m_socket->error() == QAbstractSocket::RemoteHostClosedError && m_state == State::Connected) {
        setState(State::ClosedByServer);
    } else {
        m_errorString = m_socket->errorString();
        setState(State::Error);
    }
}

bool ChatConnection::refuse(Refusal reason)
{
    Q_EMIT refused(reason, reason == Refusal::Failed ? m_errorString : QString());
    return false;
}

bool ChatConnection::refuseEnded()
{
    return refuse(m_state == State::ClosedByServer ? Refusal::ClosedByServer : Refusal::Failed);
}
