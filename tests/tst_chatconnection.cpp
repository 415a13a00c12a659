// SPDX-FileCopyrightText: 2026 The Ombrix <ombrix@ombrix.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "chatconnection.h"
#include "fakegateway.h"
#include "warnings.h"

#include <QSignalSpy>
#include <QTcpSocket>
#include <QTest>

#ifdef Q_OS_LINUX
#include <netinet/in.h>
#include <netinet/tcp.h>
#endif

using State = ChatConnection::State;
using Refusal = ChatConnection::Refusal;
using Failure = ChatConnection::Failure;

class tst_ChatConnection : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init() { failOnWarnings(); }
    void connectsAndSends();
    void refusesSendUntilConnected();
    void refusesConnectWhileOpen_data();
    void refusesConnectWhileOpen();
    void serverCloseKeepsEveryByte();
    void failuresSayWhy_data();
    void failuresSayWhy();
    void closeIsNeverRefusedAndTheSocketIsReused();
};

namespace {

bool reach(ChatConnection &socket, State state)
{
    return QTest::qWaitFor([&] { return socket.state() == state; }, 5000);
}

QByteArray drain(ChatConnection &socket, qsizetype n)
{
    QByteArray got;
    (void)QTest::qWaitFor([&] {
        got += socket.getData();
        return got.size() >= n;
    }, 5000);
    return got;
}

} // namespace

void tst_ChatConnection::connectsAndSends()
{
    FakeGateway gateway;
    ChatConnection socket;
    QSignalSpy states(&socket, &ChatConnection::stateChanged);
    QVERIFY(socket.connectToHost(gateway.address(), gateway.port()));
    QCOMPARE(socket.state(), State::Connecting);
    QVERIFY(reach(socket, State::Connected));
    QCOMPARE(states.size(), 2);
    QCOMPARE(states.at(1).at(0).value<State>(), State::Connected);
    // A dead link is found while nobody types.
    QCOMPARE(socket.findChild<QTcpSocket *>()->socketOption(QAbstractSocket::KeepAliveOption), QVariant(1));
#ifdef TCP_USER_TIMEOUT // and one that swallows what is sent, within the same 110 s
    unsigned timeout = 0;
    socklen_t size = sizeof timeout;
    QVERIFY(getsockopt(int(socket.findChild<QTcpSocket *>()->socketDescriptor()), IPPROTO_TCP, TCP_USER_TIMEOUT, &timeout, &size) == 0);
    QCOMPARE(timeout, 110'000u);
#endif
    QVERIFY(socket.sendData("abc\r\n"));
    QVERIFY(gateway.waitForReceived(5));
    QCOMPARE(gateway.received(), QByteArray("abc\r\n"));
}

// QTcpSocket would buffer a write made while connecting and send it later.
void tst_ChatConnection::refusesSendUntilConnected()
{
    FakeGateway gateway;
    ChatConnection socket;
    QSignalSpy refused(&socket, &ChatConnection::refused);
    QVERIFY(!socket.sendData("closed"));
    QCOMPARE(refused.size(), 1);
    QCOMPARE(refused.at(0).at(0).value<Refusal>(), Refusal::NotConnected);

    QVERIFY(socket.connectToHost(gateway.address(), gateway.port()));
    QVERIFY(!socket.sendData("connecting"));
    QCOMPARE(refused.size(), 2);
    QCOMPARE(refused.at(1).at(0).value<Refusal>(), Refusal::StillConnecting);
    QVERIFY(reach(socket, State::Connected));
    QVERIFY(socket.sendData("ok"));
    QVERIFY(socket.sendData("!")); // after anything a refused send might have left behind
    QVERIFY(gateway.waitForReceived(3));
    QCOMPARE(gateway.received(), QByteArray("ok!"));
}

void tst_ChatConnection::refusesConnectWhileOpen_data()
{
    QTest::addColumn<bool>("waitForConnected");
    QTest::newRow("connecting") << false;
    QTest::newRow("connected") << true;
}

void tst_ChatConnection::refusesConnectWhileOpen()
{
    QFETCH(bool, waitForConnected);
    FakeGateway gateway;
    ChatConnection socket;
    QSignalSpy refused(&socket, &ChatConnection::refused);
    QVERIFY(socket.connectToHost(gateway.address(), gateway.port()));
    if (waitForConnected)
        QVERIFY(reach(socket, State::Connected));
    const State before = socket.state();
    QVERIFY(!socket.connectToHost(QStringLiteral("127.0.0.1"), 1));
    QCOMPARE(refused.size(), 1);
    QCOMPARE(refused.at(0).at(0).value<Refusal>(), waitForConnected ? Refusal::AlreadyConnected : Refusal::AlreadyConnecting);
    QCOMPARE(socket.state(), before);
    QVERIFY(reach(socket, State::Connected));
    QCOMPARE(socket.findChild<QTcpSocket *>()->peerPort(), gateway.port());
    QCOMPARE(gateway.connections(), 1);
}

// What the server sent right before it closed reaches the reader; the
// connection then stays closing until close().
void tst_ChatConnection::serverCloseKeepsEveryByte()
{
    FakeGateway gateway;
    ChatConnection socket;
    QSignalSpy failed(&socket, &ChatConnection::failed);
    QVERIFY(socket.connectToHost(gateway.address(), gateway.port()));
    QVERIFY(reach(socket, State::Connected));
    QVERIFY(gateway.waitForConnections(1));
    QByteArray sent;
    for (int i = 0; i < 2000; ++i)
        sent += "line " + QByteArray::number(i) + "\r\n";
    sent += "last words, no break";
    // Nobody reads until the server is gone.
    gateway.send(sent);
    gateway.closeClient();
    QVERIFY(reach(socket, State::ClosedByServer));
    QCOMPARE(drain(socket, sent.size()), sent);
    QCOMPARE(socket.bytesReceived(), quint64(sent.size()));
    QCOMPARE(failed.size(), 0); // the server's own close is no failure

    QSignalSpy refused(&socket, &ChatConnection::refused);
    QVERIFY(!socket.sendData("x"));
    QVERIFY(!socket.connectToHost(gateway.address(), gateway.port()));
    QCOMPARE(refused.size(), 2);
    QCOMPARE(refused.at(0).at(0).value<Refusal>(), Refusal::ClosedByServer);
    QCOMPARE(refused.at(1).at(0).value<Refusal>(), Refusal::ClosedByServer);
}

void tst_ChatConnection::failuresSayWhy_data()
{
    QTest::addColumn<QString>("how");
    QTest::addColumn<Failure>("failure");
    QTest::newRow("nobody listens") << "refuse" << Failure::Refused;
    QTest::newRow("a name that cannot resolve") << "bad name" << Failure::HostNotFound;
    QTest::newRow("a handshake never answered") << "no answer" << Failure::NoAnswer;
    QTest::newRow("reset while open") << "reset" << Failure::Reset;
    QTest::newRow("a write the socket does not take") << "write" << Failure::Lost;
}

// A failure nobody asked for is told as it happens, once, with why; the
// connection then refuses all but close(), with the same words.
void tst_ChatConnection::failuresSayWhy()
{
    QFETCH(QString, how);
    QFETCH(Failure, failure);
    FakeGateway gateway;
    ChatConnection socket;
    QSignalSpy failed(&socket, &ChatConnection::failed);
    QSignalSpy refused(&socket, &ChatConnection::refused);
    QString host = gateway.address();
    if (how == u"refuse") {
        gateway.stopListening();
    } else if (how == u"bad name") {
        host = QStringLiteral("no..such..host"); // fails before any lookup leaves the machine
    } else if (how == u"no answer") {
#ifndef Q_OS_LINUX
        QSKIP("only Linux leaves a handshake to a full queue unanswered");
#endif
        QVERIFY(gateway.stopAnswering());
        socket.setConnectTimeout(300);
    }
    QVERIFY(socket.connectToHost(host, gateway.port()));
    if (how == u"reset") {
        if (underWine())
            QSKIP("Wine cannot tell a reset from the server's close");
        QVERIFY(reach(socket, State::Connected));
        QVERIFY(gateway.waitForConnections(1));
        gateway.send("last words");
        gateway.resetClient();
    } else if (how == u"write") {
        QVERIFY(reach(socket, State::Connected));
        auto *tcp = socket.findChild<QTcpSocket *>(QString(), Qt::FindDirectChildrenOnly);
        tcp->blockSignals(true); // gone before it could say so
        tcp->abort();
        QTest::ignoreMessage(QtWarningMsg, "QIODevice::write (QTcpSocket): device not open");
        QVERIFY(!socket.sendData("x")); // refused as every send after a failure is
    }
    QVERIFY(reach(socket, State::Error));
    QCOMPARE(failed.size(), 1);
    QCOMPARE(failed.at(0).at(0).value<Failure>(), failure);
    const QString error = failed.at(0).at(1).toString();
    QVERIFY(!error.isEmpty());
    QTest::qWait(0); // nothing more is said of it
    QCOMPARE(failed.size(), 1);
    QVERIFY(!socket.sendData("x"));
    QVERIFY(!socket.connectToHost(gateway.address(), gateway.port()));
    QCOMPARE(refused.size(), how == u"write" ? 3 : 2);
    for (const QList<QVariant> &refusal : std::as_const(refused))
        QCOMPARE(refusal, (QList<QVariant>{QVariant::fromValue(Refusal::Failed), error}));
    socket.close();
    QCOMPARE(socket.state(), State::Closed);
    QCOMPARE(failed.size(), 1);
}

void tst_ChatConnection::closeIsNeverRefusedAndTheSocketIsReused()
{
    FakeGateway gateway;
    ChatConnection socket;
    QSignalSpy refused(&socket, &ChatConnection::refused);
    socket.close();
    socket.close();
    QCOMPARE(socket.state(), State::Closed);
    for (int round = 1; round <= 3; ++round) {
        QVERIFY(socket.connectToHost(gateway.address(), gateway.port()));
        QVERIFY(reach(socket, State::Connected));
        QVERIFY(gateway.waitForConnections(round));
        // Closed at once after a send larger than the kernel takes at once:
        // all of it still goes out, before the end.
        const QByteArray sent(round * 4'000'000, char('0' + round));
        QVERIFY(socket.sendData(sent));
        socket.close();
        QCOMPARE(socket.state(), State::Closed);
        QVERIFY(gateway.waitForClientGone(20000));
        QCOMPARE(gateway.received().size(), sent.size());
    }
    QCOMPARE(refused.size(), 0);
}

QTEST_GUILESS_MAIN(tst_ChatConnection)
#include "tst_chatconnection.moc"
