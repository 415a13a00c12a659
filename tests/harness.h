// SPDX-FileCopyrightText: 2026 The Ombrix <ombrix@ombrix.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "applicationwide.h"
#include "fakegateway.h"
#include "mainwindow.h"
#include "openwindows.h"
#include "transcript.h"
#include "transcriptview.h"
#include "waits.h"
#include "warnings.h"
#include "wiretext.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QUrl>

// A control by its design name, as a person who holds the design names it.
template <class T = QWidget>
T *child(const QObject *parent, const QString &name)
{
    T *found = parent ? parent->findChild<T *>(name) : nullptr;
    if (!found)
        qFatal("no %s named %s", T::staticMetaObject.className(), qPrintable(name));
    return found;
}

// A top-level window of the program by its design name ("frmHow", "Form2"); null
// while it is not open.
inline QWidget *openWindow(const char *name)
{
    for (QWidget *window : QApplication::topLevelWidgets()) {
        if (window->objectName() == QLatin1String(name))
            return window;
    }
    return nullptr;
}

inline const QString banner = QStringLiteral("\t\t****WELCOME TO VANTOR CHAT****\n");
inline const QString initialInput = QStringLiteral("Type what you want here :)");
inline const QString notice =
    QStringLiteral("[YOUR CONNECTION HAS BEEN TERMINATED BY THE BUTTON ON THE LEFT, hehehe]");

// A main window on loopback endpoints, with every outside effect recorded.
struct Harness
{
    FakeGateway gateway;
    QStringList errors;
    QStringList errorTitles; // the titles of the windows the errors came from
    QList<QUrl> opened;
    bool browser = true; // whether a link finds a browser
    QList<ContactNotice> notices;
    int ended = 0;
    OpenWindows windows;
    QPointer<MainWindow> form;
    // The main window's controls, found by their design names.
    QLineEdit *Text1;
    TranscriptView *Text2;
    QPushButton *cmdSend;
    QPushButton *cmdConnect;
    QPushButton *cmdLogin;
    QPushButton *Disconnect;
    QPushButton *cmdExit;
    QLabel *csHyperlink1;
    ChatSession *session; // what the window shows of the connection

    explicit Harness(const QString &serviceHost = QStringLiteral("localhost"),
                     int connectTimeoutMilliseconds = ChatConnection::connectTimeoutMilliseconds)
    {
        installApplicationWide(windows);
        Seams seams;
        seams.endpoints = {gateway.address(), serviceHost, gateway.port(), connectTimeoutMilliseconds};
        seams.reportError = [this](QWidget *parent, const QString &sentence) {
            errors << sentence;
            errorTitles << parent->window()->windowTitle();
        };
        seams.openUrl = [this](const QUrl &url) {
            opened << url;
            return browser;
        };
        seams.showNotice = [this](QWidget *, const ContactNotice &notice) { notices << notice; };
        seams.endProgram = [this] { ++ended; };
        seams.openWindows = &windows;
        form = new MainWindow(seams);
        Text1 = child<QLineEdit>(form, "Text1");
        Text2 = child<TranscriptView>(form, "Text2");
        cmdSend = child<QPushButton>(form, "cmdSend");
        cmdConnect = child<QPushButton>(form, "cmdConnect");
        cmdLogin = child<QPushButton>(form, "cmdLogin");
        Disconnect = child<QPushButton>(form, "Disconnect");
        cmdExit = child<QPushButton>(form, "cmdExit");
        csHyperlink1 = child<QLabel>(form, "csHyperlink1");
        session = form->session();
        form->show();
    }
    ~Harness() { windows.deleteAll(); }

    bool connect()
    {
        cmdConnect->click();
        return gateway.waitForConnections(gateway.connections() + 1) && reach(*session, ChatConnection::State::Connected);
    }
    // Connected anew after a LOG OFF: the transcript holds only the notice.
    bool connectAfterLogOff()
    {
        if (!connect())
            return false;
        Disconnect->click();
        return connect();
    }
    // Sends bytes from the server and waits until the window has shown them.
    bool serve(const QByteArray &bytes)
    {
        const quint64 target = session->bytesReceived() + quint64(bytes.size());
        gateway.send(bytes);
        return showsAll(*session, target);
    }
    // Everything the window has sent the gateway so far. No sleep can prove
    // that nothing more is on its way; a marker sent after it, on the same
    // connection, arrives after all of it.
    QByteArray sentSoFar()
    {
        if (!QTest::qWaitFor([&] { return session->state() != ChatConnection::State::Connecting; }))
            return "(still connecting)";
        if (session->state() != ChatConnection::State::Connected)
            return gateway.received();
        static const QByteArray marker("\x7f(marker)\r\n");
        const qsizetype before = gateway.received().size();
        if (!session->sendLine(QString::fromLatin1(marker.chopped(2)), nullptr)
            || !gateway.waitForReceived(before + marker.size()))
            return "(the marker was not received)";
        QByteArray sent = gateway.received();
        if (!sent.endsWith(marker))
            return sent;
        sent.chop(marker.size());
        return sent;
    }
    QString shown() const { return Text2->transcript()->text(); }
    // A menu's or menu item's action, by its design name ("mnuFile", "mnuAway").
    QAction *item(QAnyStringView name) const { return child<QAction>(form, name.toString()); }
    // The program's windows that are open (not yet deleted).
    static qsizetype programWindows()
    {
        qsizetype open = 0;
        for (QWidget *window : QApplication::topLevelWidgets()) {
            static const QStringList names = {"Form1", "frmHow", "frmChatCom", "Form2"};
            open += names.contains(window->objectName());
        }
        return open;
    }
    int caret() const { return Text2->textCursor().position(); }
};

