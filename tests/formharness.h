#pragma once

#include "fakegateway.h"
#include "form1.h"
#include "inputline.h"
#include "openwindows.h"
#include "transcript.h"
#include "transcriptview.h"
#include "winsock.h"
#include "wiretext.h"

#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QUrl>

inline const QString banner = QStringLiteral("\t\t****WELCOME TO VANTOR CHAT****\n");
inline const QString initialInput = QStringLiteral("Type what you want here :)");
inline const QString notice =
    QStringLiteral("[YOUR CONNECTION HAS BEEN TERMINATED BY THE BUTTON ON THE LEFT, hehehe]");

// A main window on loopback endpoints, with every outside effect recorded.
struct Harness
{
    FakeGateway gateway;
    QStringList errors;
    QList<QUrl> opened;
    QList<ContactNotice> notices;
    int ended = 0;
    OpenWindows windows;
    QPointer<Form1> form;

    Harness()
    {
        Seams seams;
        seams.endpoints = {gateway.address(), QStringLiteral("localhost"), gateway.port()};
        seams.reportError = [this](QWidget *, const QString &sentence) { errors << sentence; };
        seams.openUrl = [this](const QUrl &url) { opened << url; };
        seams.showNotice = [this](QWidget *, const ContactNotice &notice) { notices << notice; };
        seams.endProgram = [this] { ++ended; };
        seams.openWindows = &windows;
        form = new Form1(seams);
        form->show();
    }
    ~Harness() { windows.deleteAll(); }

    bool connect()
    {
        form->cmdConnect->click();
        return gateway.waitForConnections(gateway.connections() + 1)
            && QTest::qWaitFor([&] { return form->Winsock1->state() == Winsock::State::Connected; });
    }
    // Sends bytes from the server and waits until the window has taken them.
    bool serve(const QByteArray &bytes)
    {
        const quint64 target = form->Winsock1->bytesReceived() + quint64(bytes.size());
        gateway.send(bytes);
        return QTest::qWaitFor([&] { return form->Winsock1->bytesReceived() >= target; });
    }
    QString shown() const { return form->transcript()->text(); }
    int caret() const { return form->Text2->textCursor().position(); }
};

