// SPDX-FileCopyrightText: 2026 The Ombrix <ombrix@ombrix.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "chatconnection.h"

#include <QObject>
#include <QString>
#include <QStringView>

class ReceivedSpeech;
class Transcript;
class TranscriptPacer;

// One chat session, with no window: the connection, the wire's characters
// both ways, the flow from the socket into the transcript, and what a screen
// reader is told of it. What arrives is read only while the transcript has
// room for it, so a flood waits at the socket and TCP holds the server back.
// The window forwards its buttons and the connection's events here, and
// shows and says what the signals tell.
class ChatSession : public QObject
{
    Q_OBJECT
public:
    explicit ChatSession(Transcript *transcript, QObject *parent = nullptr);

    // What whoever watches the session may ask: how the connection stands,
    // how many bytes it has brought so far, and whether all of them are in
    // the transcript and its views show them.
    ChatConnection::State state() const;
    quint64 bytesReceived() const;
    bool isShowingAll() const;

    void connectTo(const QString &host, quint16 port,
                   int timeoutMilliseconds = ChatConnection::connectTimeoutMilliseconds);
    void logIn();
    // A line to the server. Everything received before it is shown first, so
    // that its echo stands after it; the echo, what went on the wire, is put
    // in `echo`. False where the connection refused it.
    bool sendLine(const QString &text, QString *echo);
    // The connection closes; what was received and not shown or said yet goes,
    // and the transcript holds only the notice.
    void logOff(QStringView notice);
    // Brings in what waits at the socket, while the transcript has room.
    void receive();
    // After a failure: what arrived before it is shown, then the notice on a
    // line of its own, said after it in one breath.
    void showFailure(QStringView notice);

Q_SIGNALS:
    // The connection's own events, for the window's handlers.
    void dataArrival(qint64 bytesWaiting);
    void failed(ChatConnection::Failure failure, const QString &errorText);
    void refused(ChatConnection::Refusal reason, const QString &errorText);
    // The received text is in the transcript: time for the view to follow it.
    void shown();
    // For a screen reader, without moving the focus.
    void speak(const QString &text);

private:
    bool take(); // what waits at the socket, whether the transcript has room or not

    Transcript *m_transcript;
    ChatConnection *m_connection;
    TranscriptPacer *m_pacer;
    ReceivedSpeech *m_speech;
};
