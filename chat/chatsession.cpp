// SPDX-FileCopyrightText: 2026 The Ombrix <ombrix@ombrix.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "chatsession.h"

#include "receivedspeech.h"
#include "transcript.h"
#include "transcriptpacer.h"
#include "wiretext.h"

ChatSession::ChatSession(Transcript *transcript, QObject *parent)
    : QObject(parent)
    , m_transcript(transcript)
    , m_connection(new ChatConnection(this))
    , m_pacer(new TranscriptPacer(transcript, this))
    , m_speech(new ReceivedSpeech(this))
{
    // The design's name for the connection, as a debugger shows it.
    m_connection->setObjectName(QStringLiteral("Winsock1"));
    connect(m_connection, &ChatConnection::dataArrival, this, &ChatSession::dataArrival);
    connect(m_connection, &ChatConnection::failed, this, &ChatSession::failed);
    connect(m_connection, &ChatConnection::refused, this, &ChatSession::refused);
    // What waited at the socket while the transcript was full comes in now.
    connect(m_pacer, &TranscriptPacer::roomForMore, this, &ChatSession::receive);
    connect(m_pacer, &TranscriptPacer::shown, this, &ChatSession::shown);
    connect(m_speech, &ReceivedSpeech::speak, this, &ChatSession::speak);
}

ChatConnection::State ChatSession::state() const
{
    return m_connection->state();
}

quint64 ChatSession::bytesReceived() const
{
    return m_connection->bytesReceived();
}

bool ChatSession::isShowingAll() const
{
    return m_connection->bytesAvailable() == 0 && m_pacer->isShowingAll();
}

void ChatSession::connectTo(const QString &host, quint16 port, int timeoutMilliseconds)
{
    m_connection->connectToHost(host, port, timeoutMilliseconds);
}

void ChatSession::logIn()
{
    m_connection->logIn();
}

bool ChatSession::sendLine(const QString &text, QString *echo)
{
    if (!m_connection->sendLine(text, echo))
        return false;
    m_pacer->showWaiting();
    return true;
}

void ChatSession::logOff(QStringView notice)
{
    m_connection->close();
    m_pacer->dropWaiting();
    m_speech->clear();
    m_transcript->replace(notice);
}

void ChatSession::receive()
{
    // After a failure the socket holds the last of what arrived, and nothing
    // more can come: it is all taken.
    if (m_pacer->hasRoom() || m_connection->state() == ChatConnection::State::Error)
        take();
}

bool ChatSession::take()
{
    if (m_connection->bytesAvailable() <= 0)
        return false;
    const QString text = WireText::fromWire(m_connection->getData());
    m_pacer->receive(text);
    m_speech->receive(text);
    return true;
}

void ChatSession::showFailure(QStringView notice)
{
    while (take()) {
    }
    m_pacer->showWaiting();
    m_transcript->appendNotice(notice);
    Q_EMIT shown();
    m_speech->receive(QChar(u'\n') + notice.toString());
    m_speech->flush();
}
