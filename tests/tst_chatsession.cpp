// SPDX-FileCopyrightText: 2026 The Ombrix <ombrix@ombrix.example>
// SPDX-License-Identifier: GPL-3.0-or-later

// The chat session on its own: a document for its transcript, the fake
// gateway, and no widget.
#include "chatsession.h"
#include "fakegateway.h"
#include "receivedspeech.h"
#include "transcript.h"
#include "waits.h"
#include "warnings.h"

#include <QTest>
#include <QTextDocument>

using State = ChatConnection::State;

namespace {

// A connected session, with what the window does on its events: it reads at
// each arrival, and shows a failure's notice.
struct Session
{
    FakeGateway gateway;
    QTextDocument document;
    Transcript transcript{&document};
    ChatSession session{&transcript};
    QStringList said;
    qsizetype mostWaiting = 0; // characters received and not yet in the transcript, at most
    bool readingHeld = false;  // an arrival was left at the socket: the transcript had no room

    Session()
    {
        QObject::connect(&session, &ChatSession::dataArrival, &session, [this] {
            const quint64 before = session.bytesReceived();
            session.receive();
            readingHeld = readingHeld || session.bytesReceived() == before;
            // Every line break a lone LF: a byte is a character, and a line one block break or separator.
            mostWaiting = qMax(mostWaiting, qsizetype(session.bytesReceived()) - (document.characterCount() - 1));
        });
        QObject::connect(&session, &ChatSession::failed, &session, [this] { session.showFailure(u"[lost]"); });
        QObject::connect(&session, &ChatSession::speak, &session, [this](const QString &text) { said << text; });
        session.connectTo(gateway.address(), gateway.port());
    }
    bool received(qsizetype bytes)
    {
        return QTest::qWaitFor([&] { return session.bytesReceived() >= quint64(bytes); });
    }
    // Connected, and a flood sent that waits to be shown, some of it at the socket.
    bool flooded(const QByteArray &flood)
    {
        if (!reach(session, ChatConnection::State::Connected))
            return false;
        gateway.send(flood);
        return QTest::qWaitFor([&] { return readingHeld; });
    }
};

// What the person or the network does once what the row sends has gone out.
using Step = bool (*)(Session &);

QByteArray lines(int count, const char *who)
{
    QByteArray text;
    for (int i = 0; i < count; ++i)
        text += who + QByteArray::number(i) + "\r\n";
    return text;
}

// 2 MB in lines of 24 characters, far more than the transcript takes at
// once, each ended by a lone LF so that a byte count is a character count.
const QByteArray flood = [] {
    QByteArray text;
    for (int i = 0; text.size() < 2'000'000; ++i)
        text += "<Spammer> gold " + QByteArray::number(i).rightJustified(8, '0') + '\n';
    return text;
}();

} // namespace

Q_DECLARE_METATYPE(Step)

class tst_ChatSession : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init() { failOnWarnings(); }
    void whatIsSaid_data();
    void whatIsSaid();
    void aFloodWaitsAtTheSocket();
    void logOffDropsWhatWaits();
    void sendShowsWhatCameBeforeIt();
    void failureShowsWhatCameBeforeIt_data();
    void failureShowsWhatCameBeforeIt();
};

void tst_ChatSession::whatIsSaid_data()
{
    QTest::addColumn<QByteArray>("sent");
    QTest::addColumn<Step>("then");
    QTest::addColumn<QString>("skip"); // why the row cannot run here
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("exactly three lines are said whole")
        << QByteArray("<A> one\r\n<B> two\r\n<C> three\r\n") << Step(nullptr) << QString()
        << QStringList{"<A> one\n<B> two\n<C> three"};
    QTest::newRow("a flood is said as a count of all its lines and its newest line")
        << lines(2000, "<Spam> ") << Step(nullptr) << QString() << QStringList{"2000 new lines, the newest: <Spam> 1999"};
    QTest::newRow("after LOG OFF in a flood, only what comes after it is said") << lines(2000, "<Spam> ") << Step([](Session &s) {
        if (!s.received(lines(2000, "<Spam> ").size()))
            return false;
        s.session.logOff(u"[bye]");
        s.session.connectTo(s.gateway.address(), s.gateway.port());
        if (!reach(s.session, State::Connected))
            return false;
        s.gateway.send("<A> one\r\n");
        return true;
    }) << QString() << QStringList{"<A> one"};
    QTest::newRow("a channel that never pauses is said at least every two seconds") << QByteArray() << Step([](Session &s) {
        for (int line = 0; s.said.isEmpty(); ++line) {
            if (line == 25)
                return false; // two and a half seconds, and nothing said
            s.gateway.send("<Busy> " + QByteArray::number(line) + "\r\n");
            QTest::qWait(100);
        }
        QTest::qWait(2 * ReceivedSpeech::quietMilliseconds); // the rest, at the pause
        s.said.clear();
        s.gateway.send("<A> one\r\n");
        return true;
    }) << QString() << QStringList{"<A> one"};
    QTest::newRow("a failure is said with what came before it") << QByteArray("half a line") << Step([](Session &s) {
        if (!showsAll(s.session, 11))
            return false;
        s.gateway.resetClient();
        return true;
    }) << (underWine() ? "Wine cannot tell a reset from the server's close" : "") << QStringList{"half a line\n[lost]"};
}

void tst_ChatSession::whatIsSaid()
{
    QFETCH(QByteArray, sent);
    QFETCH(Step, then);
    QFETCH(QString, skip);
    QFETCH(QStringList, expected);
    if (!skip.isEmpty())
        QSKIP(qPrintable(skip));
    Session s;
    QVERIFY(reach(s.session, State::Connected));
    s.gateway.send(sent);
    QVERIFY(!then || then(s));
    // Said at the pause after it, well before the 2-second limit.
    QVERIFY(QTest::qWaitFor([&] { return !s.said.isEmpty(); }, 1500));
    QTest::qWait(2 * ReceivedSpeech::quietMilliseconds); // nothing more, nothing twice
    QCOMPARE(s.said, expected);
}

// Reading waits while the transcript has no room, and all of it is shown in
// the end, with at most 256 K characters waiting (reading stops there, and one
// read takes at most the socket's 256 KB).
void tst_ChatSession::aFloodWaitsAtTheSocket()
{
    Session s;
    QVERIFY(s.flooded(flood));
    QVERIFY(showsAll(s.session, quint64(flood.size()), 60000));
    QCOMPARE(s.transcript.text(), QString::fromLatin1(flood));
    QVERIFY2(s.mostWaiting <= 512 * 1024, qPrintable(QString::number(s.mostWaiting)));
}

void tst_ChatSession::logOffDropsWhatWaits()
{
    Session s;
    QVERIFY(s.flooded(flood));
    s.session.logOff(u"[bye]");
    QVERIFY(QTest::qWaitFor([&] { return s.session.isShowingAll(); }));
    QCOMPARE(s.transcript.text(), QStringLiteral("[bye]"));
}

// The echo of a line sent while a flood waits stands after all that came before it.
void tst_ChatSession::sendShowsWhatCameBeforeIt()
{
    Session s;
    QVERIFY(s.flooded(flood));
    const qsizetype before = qsizetype(s.session.bytesReceived());
    QString echo;
    QVERIFY(s.session.sendLine(QStringLiteral("hello"), &echo));
    QCOMPARE(s.transcript.text(), QString::fromLatin1(flood.left(before)));
    QCOMPARE(echo, QStringLiteral("hello\r\n"));
    QVERIFY(s.gateway.waitForReceived(7));
    QCOMPARE(s.gateway.received(), QByteArray("hello\r\n"));
}

void tst_ChatSession::failureShowsWhatCameBeforeIt_data()
{
    QTest::addColumn<bool>("reset"); // else the failure is told while the connection is still open
    QTest::addColumn<QString>("skip");
    QTest::newRow("a reset") << true << (underWine() ? "Wine cannot tell a reset from the server's close" : "");
    QTest::newRow("told while the connection is open and the transcript full") << false << QString();
}

// All that arrived before the failure, then its notice on a line of its own;
// whatever still comes follows it.
void tst_ChatSession::failureShowsWhatCameBeforeIt()
{
    QFETCH(bool, reset);
    QFETCH(QString, skip);
    if (!skip.isEmpty())
        QSKIP(qPrintable(skip));
    Session s;
    QVERIFY(s.flooded(flood));
    if (reset) {
        s.gateway.resetClient();
        QVERIFY(reach(s.session, State::Error));
    } else {
        s.session.showFailure(u"[lost]");
    }
    const qsizetype before = qsizetype(s.session.bytesReceived());
    const QByteArray after = reset ? QByteArray() : flood.mid(before);
    QVERIFY(showsAll(s.session, quint64(before + after.size()), 60000));
    QCOMPARE(s.transcript.text(), QString::fromLatin1(flood.left(before) + (flood[before - 1] == '\n' ? "" : "\n")
                                                          + "[lost]\n" + after));
}

QTEST_MAIN(tst_ChatSession)
#include "tst_chatsession.moc"
