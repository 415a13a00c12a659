// SPDX-FileCopyrightText: 2026 The Ombrix <ombrix@ombrix.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "chatconnection.h"
#include "seams.h"
#include "singlewindow.h"

#include <QMainWindow>

#include <memory>

class Announcer;
class ChatSession;
class EditCommands;
class HyperlinkLabel;
class InputLine;
class QPushButton;
class TranscriptView;

// The main window: transcript, input line and the five buttons, over the chat
// session that holds the connection. Closing it deletes it, and the session
// and its connection with it. Each control carries its design name as its
// object name ("Text1", "cmdSend", ...), and each handler is named after its
// control and event.
class MainWindow : public QMainWindow
{
    Q_OBJECT
public:
    explicit MainWindow(Seams seams, QWidget *parent = nullptr);
    ~MainWindow() override;

    // The session this window shows, for whoever watches it (a benchmark, a test).
    ChatSession *session() const { return m_session; }

private:
    void Form_Load();
    void buildMenus();
    QWidget *opened(QWidget *window);
    void connectTo(const QString &host);
    // What the person reads when the connection refuses an operation.
    static QString refusalSentence(ChatConnection::Refusal reason, const QString &errorText);
    // What the person reads at the end of the transcript when the connection
    // fails on its own.
    static QString failureNotice(ChatConnection::Failure failure, const QString &errorText);
    // The Options items: the input line becomes the start of a chat command.
    void prefill(const QString &command);

    void cmdConnect_Click();
    void mnuConnect_Click();
    void cmdLogin_Click();
    void cmdSend_Click();
    void Disconnect_Click();
    void cmdExit_Click();
    void Winsock1_DataArrival(qint64 bytesWaiting);
    void Winsock1_Error(ChatConnection::Failure failure, const QString &errorText);

    Seams m_seams;
    InputLine *m_inputLine;
    TranscriptView *m_transcriptView;
    ChatSession *m_session; // the connection, and what it brings into the transcript
    Announcer *m_announcer; // says what the session tells a screen reader
    QPushButton *m_sendButton;
    QPushButton *m_connectButton;
    QPushButton *m_loginButton;
    QPushButton *m_logOffButton;
    QPushButton *m_exitButton;
    HyperlinkLabel *m_link;
    std::unique_ptr<EditCommands> m_edit;

    // The information windows, one of each for the whole run.
    SingleWindow m_howWindow;
    SingleWindow m_chatCommandsWindow;
    SingleWindow m_aboutWindow;
};
