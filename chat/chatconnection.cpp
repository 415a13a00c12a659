// SPDX-FileCopyrightText: 2026 The Ombrix <ombrix@ombrix.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "chatconnection.h"

#include "wiretext.h"

#include <QCoreApplication>
#include <QTcpSocket>
#include <QTimer>

namespace {

// 0x03 selects the gateway's line-based chat protocol; 0x04 and two empty
// lines follow.
const QByteArray loginPreamble("\x03\x04\r\n\r\n", 6);

// How long a closed connection may take to send what was sent before.
constexpr int closingMilliseconds = 10'000;

} // namespace

ChatConnection::ChatConnection(QObject *parent, SocketMaker makeSocket)
    : QObject(parent)
    , m_makeSocket(std::move(makeSocket))
    , m_closed(new QObject(this))
    , m_socket(newSocket())
{
    m_connectTimer.setSingleShot(true);
    connect(&m_connectTimer, &QTimer::timeout, this, &ChatConnection::onConnectTimeout);
}

ChatConnection::~ChatConnection()
{
    // Ending the program sends nothing more: drop what is still unsent.
    disconnect(m_socket, nullptr, this, nullptr);
    m_liveness.release();
    m_socket->abort();
}

QTcpSocket *ChatConnection::newSocket()
{
    auto *socket = m_makeSocket ? m_makeSocket(this) : new QTcpSocket(this);
    // A flood waits in the kernel and, through TCP, at the server, rather than
    // in our memory; and each arrival stays small enough to show at once.
    socket->setReadBufferSize(readBufferSize);
    connect(socket, &QTcpSocket::connected, this, &ChatConnection::onConnected);
    connect(socket, &QTcpSocket::readyRead, this, &ChatConnection::onReadyRead);
    connect(socket, &QTcpSocket::disconnected, this, &ChatConnection::onEnded);
    connect(socket, &QTcpSocket::errorOccurred, this, &ChatConnection::onEnded);
    return socket;
}

bool ChatConnection::connectToHost(const QString &host, quint16 port, int timeoutMilliseconds)
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
    m_connectTimer.start(timeoutMilliseconds);
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
    if (m_socket->write(bytes) != bytes.size()) {
        // The socket is gone though it has not said so yet: the line did not
        // go, and the connection is over.
        m_liveness.release();
        fail(Failure::Lost, socketError());
        return refuseEnded();
    }
    return true;
}

bool ChatConnection::logIn()
{
    return sendData(loginPreamble);
}

bool ChatConnection::sendLine(const QString &text, QString *sent)
{
    const QByteArray line = WireText::toWire(text) + "\r\n";
    if (!sendData(line))
        return false;
    if (sent)
        *sent = WireText::fromWire(line);
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
    // A graceful close, as a socket's own close is: what was sent before LOG
    // OFF still goes out, then the server sees the end. The old socket does
    // that on its own, for at most ten seconds, reading and dropping what
    // still arrives (data left unread at the end would make the kernel reset
    // the connection and drop the rest); a new CONNECT gets a fresh socket at
    // once.
    m_connectTimer.stop();
    m_liveness.release();
    QTcpSocket *old = m_socket;
    m_socket = newSocket();
    disconnect(old, nullptr, this, nullptr);
    old->setParent(m_closed);
    old->setReadBufferSize(0);
    connect(old, &QTcpSocket::readyRead, old, [old] { old->readAll(); });
    connect(old, &QTcpSocket::disconnected, old, &QObject::deleteLater);
    QTimer::singleShot(closingMilliseconds, old, [old] {
        old->abort();
        old->deleteLater();
    });
    if (old->isOpen())
        old->readAll();
    old->disconnectFromHost();
    if (old->state() == QAbstractSocket::UnconnectedState)
        old->deleteLater();
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
    if (m_state != State::Connecting)
        return;
    m_connectTimer.stop();
    m_liveness.watch(m_socket);
    setState(State::Connected);
}

void ChatConnection::onConnectTimeout()
{
    if (m_state != State::Connecting)
        return;
    // Gives up on the lookup or the handshake; abort() emits no error.
    m_socket->abort();
    fail(Failure::NoAnswer, QCoreApplication::translate("QNativeSocketEngine", "Connection timed out"));
}

void ChatConnection::fail(Failure failure, const QString &errorText)
{
    m_connectTimer.stop();
    m_errorString = errorText;
    setState(State::Error);
    Q_EMIT failed(failure, errorText);
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
    if (!open())
        return;
    const bool wasOpen = m_state == State::Connected;
    const QAbstractSocket::SocketError error = m_socket->error();
    const bool closedByServer = wasOpen && error == QAbstractSocket::RemoteHostClosedError
                                && !m_liveness.endedByReset();
    m_liveness.release();
    const QString errorText = socketError();
    // Whatever the server sent before it went away is still shown.
    onReadyRead();
    if (!open()) // a reader may have closed it
        return;
    if (closedByServer) {
        setState(State::ClosedByServer);
        return;
    }
    if (wasOpen) {
        if (error == QAbstractSocket::RemoteHostClosedError)
            fail(Failure::Reset, QCoreApplication::translate("QNativeSocketEngine", "Connection reset"));
        else if (error == QAbstractSocket::SocketTimeoutError)
            fail(Failure::StoppedAnswering, errorText);
        else
            fail(Failure::Lost, errorText);
        return;
    }
    switch (error) {
    case QAbstractSocket::ConnectionRefusedError:
        return fail(Failure::Refused, errorText);
    case QAbstractSocket::HostNotFoundError:
        return fail(Failure::HostNotFound, errorText);
    case QAbstractSocket::SocketTimeoutError:
        return fail(Failure::NoAnswer, errorText);
    default:
        return fail(Failure::Unreachable, errorText);
    }
}

QString ChatConnection::socketError() const
{
    // A socket that fails with no error of its own would say "Unknown error".
    return m_socket->error() == QAbstractSocket::UnknownSocketError ? tr("the system gave no reason")
                                                                    : m_socket->errorString();
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
