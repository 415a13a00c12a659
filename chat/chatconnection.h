// SPDX-FileCopyrightText: 2026 The Ombrix <ombrix@ombrix.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>

class QTcpSocket;

// The one TCP client connection of the program. It decides from its own state
// what it accepts: QTcpSocket would happily buffer a write while it is still
// connecting, and that must not reach the server later. A refused operation
// changes nothing, returns false and emits refused() with one sentence saying
// what happened and what to do.
class ChatConnection : public QObject
{
    Q_OBJECT
public:
    enum class State {
        Closed,     // at start and after close()
        Connecting, // host lookup and TCP handshake
        Connected,
        Closing,    // the server closed the connection; only close() leaves it
        Error,      // the connection failed or broke; only close() leaves it
    };
    Q_ENUM(State)

    // The most one arrival holds.
    static constexpr qint64 readBufferSize = 256 * 1024;

    explicit ChatConnection(QObject *parent = nullptr);
    ~ChatConnection() override;

    State state() const { return m_state; }
    // Why the connection failed, while in the Error state.
    QString errorString() const { return m_errorString; }
    // Where the last connect went.
    QString remoteHost() const { return m_remoteHost; }
    quint16 remotePort() const { return m_remotePort; }
    // Every byte taken with getData() so far, for tests and benchmarks.
    quint64 bytesReceived() const { return m_bytesReceived; }

    bool connectToHost(const QString &host, quint16 port);
    bool sendData(const QByteArray &bytes);
    QByteArray getData();
    // Bytes waiting for getData().
    qint64 bytesAvailable() const;
    // Never refused: closing a closed connection is no error.
    void close();

Q_SIGNALS:
    // Bytes are waiting; getData() takes them.
    void dataArrival(qint64 bytesWaiting);
    void stateChanged(ChatConnection::State state);
    void refused(const QString &sentence);

private:
    void setState(State state);
    void onConnected();
    void onReadyRead();
    void onEnded(); // the server closed the connection, or it broke
    bool refuse(const QString &sentence);
    QString notOpenSentence() const;
    QString endedSentence() const;

    QTcpSocket *m_socket;
    State m_state = State::Closed;
    QString m_errorString;
    QString m_remoteHost;
    quint16 m_remotePort = 0;
    quint64 m_bytesReceived = 0;
    bool m_closing = false;
};
