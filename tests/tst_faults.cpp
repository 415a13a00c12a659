// SPDX-FileCopyrightText: 2026 The Ombrix <ombrix@ombrix.example>
// SPDX-License-Identifier: GPL-3.0-or-later

// The program under faults of the network and of its user: after each, a
// fresh connection still chats normally.
#include "harness.h"

#include <QAction>
#include <QSignalSpy>

// Makes the connection fail on its own, one way or another.
using Provoke = bool (*)(Harness &);
Q_DECLARE_METATYPE(Provoke)

class tst_Faults : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init() { failOnWarnings(); }
    void failureIsToldWhileTyping_data();
    void failureIsToldWhileTyping();
    void serverClosesRightAfterItsLastBytes();
    void serverClosesDuringLogin();
    void logOffAndConnectAThousandTimes();
    void helpWindowsOpenedAndClosedAThousandTimes();
    void typingAndSendingWhileDataFloodsIn();
};

namespace {

// Log off, connect again, log in and chat a line each way.
bool chatsNormally(Harness &h)
{
    h.Disconnect->click();
    if (!h.connect())
        return false;
    const QByteArray before = h.gateway.received();
    h.cmdLogin->click();
    h.Text1->setText(QStringLiteral("still here"));
    h.cmdSend->click();
    const QByteArray expected = QByteArray("\x03\x04\r\n\r\n", 6) + "still here\r\n";
    if (!h.gateway.waitForReceived(expected.size()) || h.gateway.received() != expected)
        return false;
    if (!h.serve("<Server> welcome back\r\n"))
        return false;
    return h.shown() == QStringLiteral("still here\n") + notice + QStringLiteral("<Server> welcome back\n")
        && h.errors.isEmpty() && before.isEmpty();
}

} // namespace

void tst_Faults::failureIsToldWhileTyping_data()
{
    QTest::addColumn<Provoke>("provoke");
    QTest::addColumn<QString>("skip"); // why the row cannot run here
    QTest::addColumn<QString>("shown");
    QTest::newRow("refused") << Provoke([](Harness &h) {
        h.gateway.stopListening();
        h.cmdConnect->click();
        return true;
    }) << QString() << banner + "[Could not connect: the server refused the connection. Press LOG OFF, then try again.]\n";
    QTest::newRow("host not found") << Provoke([](Harness &h) {
        h.item("mnuConnect")->trigger(); // to "no..such..host", which no lookup leaves the machine for
        return true;
    }) << QString() << banner + "[Could not connect: the server's name was not found. Check that you are online, press LOG OFF, then try again.]\n";
    QTest::newRow("no answer") << Provoke([](Harness &h) {
        if (!h.gateway.stopAnswering())
            return false;
        h.cmdConnect->click();
        return true;
    }) << (QSysInfo::kernelType() == u"linux" ? "" : "only Linux leaves a handshake to a full queue unanswered")
       << banner + "[Could not connect: the server did not answer within 20 seconds. Press LOG OFF, then try again.]\n";
    QTest::newRow("reset in the middle of a line") << Provoke([](Harness &h) {
        if (!h.connect() || !h.serve("half a li"))
            return false;
        h.gateway.resetClient();
        return true;
    }) << (underWine() ? "Wine cannot tell a reset from the server's close" : "")
       << banner + "half a li\n[The connection was lost: it was reset by the server or the network. Press LOG OFF, then connect again.]\n";
}

// A failure nobody asked for is told at the end of the transcript, after all
// that arrived before it, without a box that would take the keys being typed.
void tst_Faults::failureIsToldWhileTyping()
{
    QFETCH(Provoke, provoke);
    QFETCH(QString, skip);
    QFETCH(QString, shown);
    if (!skip.isEmpty())
        QSKIP(qPrintable(skip));
    // A connect that gets no answer gives up after 2 s, not 20.
    Harness h(QStringLiteral("no..such..host"), 2000);
    QApplication::setActiveWindow(h.form);
    h.Text1->setFocus();
    h.Text1->clear();
    QTest::keyClicks(h.Text1, QStringLiteral("half a sen"));
    QVERIFY(provoke(h));
    QVERIFY(reach(*h.session, ChatConnection::State::Error));
    QCOMPARE(h.shown(), shown);
    QCOMPARE(h.caret(), h.Text2->document()->characterCount() - 1);
    QTest::keyClicks(h.Text1, QStringLiteral("tence"));
    QCOMPARE(h.Text1->text(), QStringLiteral("half a sentence"));
    QVERIFY(h.errors.isEmpty());
    // Only LOG OFF leaves a failed connection, as the notice says.
    h.cmdConnect->click();
    QCOMPARE(h.errors.size(), 1);
    QVERIFY2(h.errors[0].startsWith(QStringLiteral("The connection failed ("))
                 && h.errors[0].endsWith(QStringLiteral("): press LOG OFF, then connect again.")),
             qPrintable(h.errors[0]));
    h.errors.clear();
    QVERIFY(h.gateway.listenAgain());
    QVERIFY(chatsNormally(h));
}

void tst_Faults::serverClosesRightAfterItsLastBytes()
{
    Harness h;
    QVERIFY(h.connect());
    QByteArray sent;
    for (int i = 0; sent.size() < 3'000'000; ++i)
        sent += "<Player" + QByteArray::number(i) + "> line\r\n";
    sent += "the very last bytes";
    h.gateway.send(sent);
    h.gateway.closeClient();
    // The window reads no faster than it shows, so it learns of the end after
    // the last bytes.
    QVERIFY(showsAll(*h.session, quint64(sent.size()), 60000));
    QVERIFY(reach(*h.session, ChatConnection::State::ClosedByServer));
    QVERIFY(h.shown().endsWith(QStringLiteral("> line\nthe very last bytes")));
    // The box followed the flood to its end: the caret there, and in view.
    QCOMPARE(h.caret(), h.Text2->document()->characterCount() - 1);
    QVERIFY(h.Text2->viewport()->rect().contains(h.Text2->cursorRect()));
    QVERIFY(h.errors.isEmpty());
    QVERIFY(chatsNormally(h));
}

void tst_Faults::serverClosesDuringLogin()
{
    Harness h;
    QVERIFY(h.connect());
    h.cmdLogin->click();
    QVERIFY(h.gateway.waitForReceived(6));
    h.gateway.send("Username: ");
    h.gateway.closeClient();
    QVERIFY(reach(*h.session, ChatConnection::State::ClosedByServer));
    QVERIFY(QTest::qWaitFor([&] { return h.shown().endsWith(QStringLiteral("Username: ")); }));
    // The answer to the prompt cannot go out; it stays in the input line.
    h.Text1->setText(QStringLiteral("account"));
    h.cmdSend->click();
    QCOMPARE(h.errors, QStringList{"The server has closed the connection: press LOG OFF, then connect again."});
    QCOMPARE(h.Text1->text(), QStringLiteral("account"));
    h.errors.clear();
    QVERIFY(chatsNormally(h));
}

void tst_Faults::logOffAndConnectAThousandTimes()
{
    Harness h;
    for (int round = 1; round <= 1000; ++round) {
        h.cmdConnect->click();
        QVERIFY(QTest::qWaitFor([&] { return h.gateway.connections() == round; }));
        h.Disconnect->click();
    }
    QCOMPARE(h.session->state(), ChatConnection::State::Closed);
    QVERIFY(h.errors.isEmpty());
    QVERIFY(chatsNormally(h));
}

void tst_Faults::helpWindowsOpenedAndClosedAThousandTimes()
{
    Harness h;
    QVERIFY(h.connect());
    for (int round = 0; round < 1000; ++round) {
        for (const char *item : {"mnuHow", "mnuChat", "mnuAbout"})
            h.item(QLatin1String(item))->trigger();
        QCOMPARE(h.programWindows(), 4);
        for (const char *name : {"frmHow", "frmChatCom", "Form2"})
            QVERIFY(openWindow(name)->close());
        QVERIFY(QTest::qWaitFor([&] { return h.programWindows() == 1; }));
    }
    QVERIFY(chatsNormally(h));
}

// Lines sent while the server floods the transcript go out whole and in order.
void tst_Faults::typingAndSendingWhileDataFloodsIn()
{
    Harness h;
    QVERIFY(h.connect());
    QByteArray flood;
    for (int i = 0; flood.size() < 200'000; ++i)
        flood += "<Spammer> buy gold " + QByteArray::number(i) + "\r\n";
    QByteArray expected;
    h.Text1->clear();
    for (int line = 0; line < 100; ++line) {
        h.gateway.send(flood);
        QTest::keyClicks(h.Text1, QStringLiteral("line %1").arg(line));
        QTest::keyClick(h.Text1, Qt::Key_Return);
        expected += "line " + QByteArray::number(line) + "\r\n";
    }
    QVERIFY(h.gateway.waitForReceived(expected.size(), 20000));
    QCOMPARE(h.gateway.received(), expected);
    const quint64 total = quint64(flood.size()) * 100;
    QVERIFY(showsAll(*h.session, total, 60000));
    QVERIFY(h.Text2->document()->characterCount() <= Transcript::maxCharacters);
    QVERIFY(h.shown().endsWith(QStringLiteral("buy gold %1\n").arg(flood.count('\n') - 1)));
    QVERIFY(h.errors.isEmpty());
    QVERIFY(chatsNormally(h));
}

QTEST_MAIN(tst_Faults)
#include "tst_faults.moc"
