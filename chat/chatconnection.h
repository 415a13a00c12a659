// SPDX-FileCopyrightText: 2026 The Ombrix <ombrix@ombrix.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>
#include <QTimer>

#include <functional>

#include "tcpliveness.h"

class QTcpSocket;

// The one TCP client connection of the program. It decides from its own state
// what it accepts: QTcpSocket would happily buffer a write while it is still
// connecting, and that must not reach the server later. A refused operation
// changes nothing, returns false and emits refused() with the reason; the
// window says it to the person.
class ChatConnection : public QObject
{
    Q_OBJECT
public:
    enum class State {
        Closed,         // at start and after close()
        Connecting,     // host lookup and TCP handshake
        Connected,
        ClosedByServer, // the server closed the connection; only close() leaves it
        Error,          // the connection failed or broke; only close() leaves it
    };
    Q_ENUM(State)

    // Why an operation was refused.
    enum class Refusal {
        NotConnected,      // sending while closed
        StillConnecting,   // sending while connecting
        AlreadyConnecting, // connecting while connecting
        AlreadyConnected,  // connecting while connected
        ClosedByServer,    // anything but close() after the server closed
        Failed,            // anything but close() after a failure; the socket's error text comes with it
    };
    Q_ENUM(Refusal)

    // Why the connection failed on its own, not asked to: the connection is
    // then in the Error state.
    enum class Failure {
        Refused,          // connecting: nobody listens there
        HostNotFound,     // connecting: the name does not resolve
        NoAnswer,         // connecting: no answer within the connect timeout
        Unreachable,      // connecting: the network said no; the socket's error text comes with it
        Reset,            // open: the server or a router reset it
        StoppedAnswering, // open: the keep-alive probes or sent data went unanswered
        Lost,             // open: anything else; the socket's error text comes with it
    };
    Q_ENUM(Failure)

    // The most one arrival holds.
    static constexpr qint64 readBufferSize = 256 * 1024;
    // How long a connect may take before it gives up. A host lookup that
    // tries a second name server, and a TCP handshake whose first packets
    // are lost (the system retries after 1, 3 and 7 s), still fit; the
    // system's own limit (over two minutes on Linux) leaves a person
    // wondering.
    static constexpr int connectTimeoutMilliseconds = 20'000;

    // Makes the socket of each new connection, a plain QTcpSocket unless a
    // test hands in its own to watch or to break.
    using SocketMaker = std::function<QTcpSocket *(QObject *parent)>;

    explicit ChatConnection(QObject *parent = nullptr, SocketMaker makeSocket = {});
    ~ChatConnection() override;

    State state() const { return m_state; }
    // Every byte taken with getData() so far, for the benchmark and tests.
    quint64 bytesReceived() const { return m_bytesReceived; }

    bool connectToHost(const QString &host, quint16 port, int timeoutMilliseconds = connectTimeoutMilliseconds);
    bool sendData(const QByteArray &bytes);
    // Selects the gateway's line-based chat protocol: the login preamble.
    bool logIn();
    // A line of text, in the wire's character set, ended by CR LF. What went
    // out, as text (a character with no byte of its own goes as "?"), is put
    // in `sent`: that is what the line shows.
    bool sendLine(const QString &text, QString *sent = nullptr);
    QByteArray getData();
    // Bytes waiting for getData().
    qint64 bytesAvailable() const;
    // Never refused: closing a closed connection is no error. What was sent
    // before still goes out.
    void close();

Q_SIGNALS:
    // Bytes are waiting; getData() takes them.
    void dataArrival(qint64 bytesWaiting);
    void stateChanged(ChatConnection::State state);
    // errorText is the socket's own text for a Failed connection, else empty.
    void refused(ChatConnection::Refusal reason, const QString &errorText);
    // The connection failed on its own; what it received before is waiting
    // for getData() still. errorText is the socket's own text.
    void failed(ChatConnection::Failure failure, const QString &errorText);

private:
    void setState(State state);
    void onConnected();
    void onReadyRead();
    void onEnded(); // the server closed the connection, or it broke
    void onConnectTimeout();
    void fail(Failure failure, const QString &errorText);
    bool refuse(Refusal reason);
    bool refuseEnded(); // after the server closed, or a failure
    QTcpSocket *newSocket();
    QString socketError() const;

    SocketMaker m_makeSocket;
    QObject *m_closed; // holds the closed sockets that still send what was sent before
    QTcpSocket *m_socket; // the one of the current connection
    QTimer m_connectTimer;
    TcpLiveness m_liveness; // of the current connection, while it is open
    State m_state = State::Closed;
    QString m_errorString; // why it failed, in the Error state
    quint64 m_bytesReceived = 0;
};
