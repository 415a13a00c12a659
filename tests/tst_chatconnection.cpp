// SPDX-FileCopyrightText: 2026 The Ombrix <ombrix@ombrix.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "chatconnection.h"
#include "fakegateway.h"
#include "waits.h"
#include "warnings.h"

#include <QPointer>
#include <QSignalSpy>
#include <QSysInfo>
#include <QTcpSocket>
#include <QTest>

#ifdef Q_OS_LINUX
#include <netinet/in.h>
#include <netinet/tcp.h>
#endif

using State = ChatConnection::State;
using Refusal = ChatConnection::Refusal;
using Failure = ChatConnection::Failure;

namespace {

// A socket that can stop taking writes without a word, as one that is gone
// before it could say so.
class Socket : public QTcpSocket
{
public:
    using QTcpSocket::QTcpSocket;
    bool refusesWrites = false;

protected:
    qint64 writeData(const char *data, qint64 size) override
    {
        return refusesWrites ? -1 : QTcpSocket::writeData(data, size);
    }
};

// A connection beside a gateway, and the socket it made last.
struct Line
{
    FakeGateway gateway;
    QPointer<Socket> made;
    ChatConnection socket{nullptr, [this](QObject *parent) {
        made = new Socket(parent);
        return made.data();
    }};
};

// Makes the connection fail on its own, one way or another.
using Provoke = bool (*)(Line &);

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

Q_DECLARE_METATYPE(Provoke)

class tst_ChatConnection : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init() { failOnWarnings(); }
    void connectsAndSends();
    void serverCloseKeepsEveryByte();
    void failuresSayWhy_data();
    void failuresSayWhy();
    void closeIsNeverRefusedAndTheSocketIsReused();
};

void tst_ChatConnection::connectsAndSends()
{
    Line line;
    auto &[gateway, made, socket] = line;
    QSignalSpy states(&socket, &ChatConnection::stateChanged);
    QVERIFY(socket.connectToHost(gateway.address(), gateway.port()));
    QCOMPARE(socket.state(), State::Connecting);
    QVERIFY(reach(socket, State::Connected));
    QCOMPARE(states.size(), 2);
    QCOMPARE(states.at(1).at(0).value<State>(), State::Connected);
    // A dead link is found while nobody types.
    QCOMPARE(made->socketOption(QAbstractSocket::KeepAliveOption), QVariant(1));
#ifdef TCP_USER_TIMEOUT // and one that swallows what is sent, within the same 110 s
    unsigned timeout = 0;
    socklen_t size = sizeof timeout;
    QVERIFY(getsockopt(int(made->socketDescriptor()), IPPROTO_TCP, TCP_USER_TIMEOUT, &timeout, &size) == 0);
    QCOMPARE(timeout, 110'000u);
#endif
    QVERIFY(socket.sendData("abc\r\n"));
    QVERIFY(gateway.waitForReceived(5));
    QCOMPARE(gateway.received(), QByteArray("abc\r\n"));
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
    QTest::addColumn<Provoke>("provoke");
    QTest::addColumn<Failure>("failure");
    QTest::addColumn<QString>("words"); // the socket's own where empty
    QTest::addColumn<QString>("skip");  // why the row cannot run here
    const QString linuxOnly = QSysInfo::kernelType() == u"linux"
        ? QString() : QStringLiteral("only Linux leaves a handshake to a full queue unanswered");
    const QString tcpState = underWine() ? QStringLiteral("Wine cannot tell a reset from the server's close") : QString();
    QTest::newRow("nobody listens") << Provoke([](Line &l) {
        l.gateway.stopListening();
        return l.socket.connectToHost(l.gateway.address(), l.gateway.port());
    }) << Failure::Refused << QString() << QString();
    QTest::newRow("a name that cannot resolve") << Provoke([](Line &l) {
        return l.socket.connectToHost(QStringLiteral("no..such..host"), l.gateway.port()); // no lookup leaves the machine
    }) << Failure::HostNotFound << QString() << QString();
    QTest::newRow("a handshake never answered") << Provoke([](Line &l) {
        return l.gateway.stopAnswering() && l.socket.connectToHost(l.gateway.address(), l.gateway.port(), 300);
    }) << Failure::NoAnswer << QString() << linuxOnly;
    QTest::newRow("reset while open") << Provoke([](Line &l) {
        if (!l.socket.connectToHost(l.gateway.address(), l.gateway.port()) || !reach(l.socket, State::Connected)
            || !l.gateway.waitForConnections(1))
            return false;
        l.gateway.send("last words");
        l.gateway.resetClient();
        return true;
    }) << Failure::Reset << QString() << tcpState;
    QTest::newRow("a write the socket does not take, with no word of why") << Provoke([](Line &l) {
        if (!l.socket.connectToHost(l.gateway.address(), l.gateway.port()) || !reach(l.socket, State::Connected))
            return false;
        l.made->refusesWrites = true;
        return !l.socket.sendData("x"); // refused as every send after a failure is
    }) << Failure::Lost << "the system gave no reason" << QString();
}

// A failure nobody asked for is told as it happens, once, with why; the
// connection then refuses all but close(), with the same words.
void tst_ChatConnection::failuresSayWhy()
{
    QFETCH(Provoke, provoke);
    QFETCH(Failure, failure);
    QFETCH(QString, words);
    QFETCH(QString, skip);
    if (!skip.isEmpty())
        QSKIP(qPrintable(skip));
    Line line;
    ChatConnection &socket = line.socket;
    QSignalSpy failed(&socket, &ChatConnection::failed);
    QSignalSpy refused(&socket, &ChatConnection::refused);
    QVERIFY(provoke(line));
    QVERIFY(reach(socket, State::Error));
    QCOMPARE(failed.size(), 1);
    QCOMPARE(failed.at(0).at(0).value<Failure>(), failure);
    const QString error = failed.at(0).at(1).toString();
    QVERIFY(!error.isEmpty());
    if (!words.isEmpty())
        QCOMPARE(error, words);
    QTest::qWait(0); // nothing more is said of it
    QCOMPARE(failed.size(), 1);
    const qsizetype before = refused.size();
    QVERIFY(!socket.sendData("x"));
    QVERIFY(!socket.connectToHost(line.gateway.address(), line.gateway.port()));
    QCOMPARE(refused.size(), before + 2);
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
