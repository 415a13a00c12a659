// SPDX-FileCopyrightText: 2026 The Ombrix <ombrix@ombrix.example>
// SPDX-License-Identifier: GPL-3.0-or-later

// The chat session on its own: a document for its transcript, the fake
// gateway, and no widget.
#include "chatsession.h"
#include "fakegateway.h"
#include "receivedspeech.h"
#include "transcript.h"
#include "transcriptpacer.h"
#include "warnings.h"

#include <QTest>
#include <QTextDocument>

using State = ChatConnection::State;

class tst_ChatSession : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init() { failOnWarnings(); }
    void whatIsSaid_data();
    void whatIsSaid();
    void textWaitingToBeShown_data();
    void textWaitingToBeShown();
};

namespace {

// A connected session, with what the window does on its events: it reads at
// each arrival, and shows a failure's notice.
struct Session
{
    FakeGateway gateway;
    QTextDocument document;
    Transcript transcript{&document};
    ChatSession session{&transcript};
    ChatConnection *connection = session.connection();
    TranscriptPacer *pacer = session.pacer();
    QStringList said;

    Session()
    {
        QObject::connect(&session, &ChatSession::dataArrival, &session, &ChatSession::receive);
        QObject::connect(&session, &ChatSession::failed, &session, [this] { session.showFailure(u"[lost]"); });
        QObject::connect(&session, &ChatSession::speak, &session, [this](const QString &text) { said << text; });
        session.connectTo(gateway.address(), gateway.port());
    }
    bool reach(State state) { return QTest::qWaitFor([&] { return connection->state() == state; }); }
    // Waits until the session has taken this many bytes in all, and shown them.
    bool showsAll(quint64 bytes, int timeoutMs = 5000)
    {
        return QTest::qWaitFor([&] { return connection->bytesReceived() >= bytes && pacer->isShowingAll(); }, timeoutMs);
    }
};

} // namespace

void tst_ChatSession::whatIsSaid_data()
{
    QTest::addColumn<QString>("step");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("exactly three lines are said whole")
        << "three" << QStringList{"<A> one\n<B> two\n<C> three"};
    QTest::newRow("a flood is said as a count of all its lines and its newest line")
        << "flood" << QStringList{"2000 new lines, the newest: <Spam> 1999"};
    QTest::newRow("what came before LOG OFF is not said after it") << "log off" << QStringList{};
    QTest::newRow("a failure is said with what came before it") << "reset" << QStringList{"half a line\n[lost]"};
}

void tst_ChatSession::whatIsSaid()
{
    QFETCH(QString, step);
    QFETCH(QStringList, expected);
    Session s;
    QVERIFY(s.reach(State::Connected));
    if (step == u"three" || step == u"log off") {
        s.gateway.send("<A> one\r\n<B> two\r\n<C> three\r\n");
        QVERIFY(s.showsAll(29));
        if (step == u"log off")
            s.session.logOff(u"[bye]");
    } else if (step == u"flood") {
        QByteArray flood;
        for (int i = 0; i < 2000; ++i)
            flood += "<Spam> " + QByteArray::number(i) + "\r\n";
        s.gateway.send(flood);
    } else {
        if (underWine())
            QSKIP("Wine cannot tell a reset from the server's close");
        s.gateway.send("half a line");
        QVERIFY(s.showsAll(11));
        s.gateway.resetClient();
    }
    // Said at the pause after it, well before the 2-second limit.
    QVERIFY(step == u"log off" || QTest::qWaitFor([&] { return !s.said.isEmpty(); }, 1500));
    QTest::qWait(2 * ReceivedSpeech::quietMilliseconds); // nothing more, nothing twice
    QCOMPARE(s.said, expected);
}

void tst_ChatSession::textWaitingToBeShown_data()
{
    QTest::addColumn<QString>("then"); // what the person does while a flood waits to be shown
    QTest::newRow("nothing: reading waits for room") << "nothing";
    QTest::newRow("LOG OFF: what waits is dropped") << "log off";
    QTest::newRow("SEND: all that came before it is shown first") << "send";
    QTest::newRow("a reset: all that came before it, then the notice") << "reset";
}

// A flood far larger than the transcript takes at once: 2 MB in lines of 24
// characters, each ended by a lone LF so that a byte count is a character count.
void tst_ChatSession::textWaitingToBeShown()
{
    QFETCH(QString, then);
    Session s;
    QVERIFY(s.reach(State::Connected));
    QByteArray flood;
    for (int i = 0; flood.size() < 2'000'000; ++i)
        flood += "<Spammer> gold " + QByteArray::number(i % 100'000'000).rightJustified(8, '0') + '\n';
    // The most that ever waits to be shown: reading stops at 256 K waiting
    // characters, and one read takes at most the socket's 256 KB.
    qsizetype mostWaiting = 0;
    QObject::connect(s.connection, &ChatConnection::dataArrival, s.pacer,
                     [&] { mostWaiting = qMax(mostWaiting, s.pacer->waiting()); });
    s.gateway.send(flood);
    QVERIFY(QTest::qWaitFor([&] { return !s.pacer->hasRoom(); }));
    if (then == u"nothing") {
        QVERIFY(s.showsAll(quint64(flood.size()), 60000));
        QCOMPARE(s.transcript.text(), QString::fromLatin1(flood));
    } else if (then == u"log off") {
        s.session.logOff(u"[bye]");
        QVERIFY(QTest::qWaitFor([&] { return s.pacer->isShowingAll(); }));
        QCOMPARE(s.transcript.text(), QStringLiteral("[bye]"));
    } else if (then == u"reset") {
        if (underWine())
            QSKIP("Wine cannot tell a reset from the server's close");
        s.gateway.resetClient();
        QVERIFY(s.reach(State::Error));
        QVERIFY(QTest::qWaitFor([&] { return s.pacer->isShowingAll(); }));
        const QString before = QString::fromLatin1(flood.left(qsizetype(s.connection->bytesReceived())));
        QCOMPARE(s.transcript.text(), before + (before.endsWith(u'\n') ? "" : "\n") + QStringLiteral("[lost]\n"));
    } else {
        const qsizetype before = qsizetype(s.connection->bytesReceived());
        QString echo;
        QVERIFY(s.session.sendLine(QStringLiteral("hello"), &echo));
        QCOMPARE(s.transcript.text(), QString::fromLatin1(flood.left(before)));
        QCOMPARE(echo, QStringLiteral("hello\r\n"));
        QVERIFY(s.gateway.waitForReceived(7));
        QCOMPARE(s.gateway.received(), QByteArray("hello\r\n"));
    }
    QVERIFY2(mostWaiting <= 512 * 1024, qPrintable(QString::number(mostWaiting)));
}

QTEST_MAIN(tst_ChatSession)
#include "tst_chatsession.moc"
