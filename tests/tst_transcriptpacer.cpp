// SPDX-FileCopyrightText: 2026 The Ombrix <ombrix@ombrix.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "transcript.h"
#include "transcriptpacer.h"
#include "transcriptrules.h"
#include "warnings.h"

#include <QAbstractTextDocumentLayout>
#include <QSignalSpy>
#include <QTest>
#include <QTextDocument>

class tst_TranscriptPacer : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init() { failOnWarnings(); }
    void pacesReceivedText_data();
    void pacesReceivedText();
};

namespace {

// Chat lines of 50 characters, the last one perhaps cut short.
QString lines(qsizetype characters)
{
    QString text;
    text.reserve(characters);
    for (int line = 0; text.size() < characters; ++line)
        text += QStringLiteral("%1\n").arg(line, 49, 10, QChar(u'.'));
    text.truncate(characters);
    return text;
}

// A layout that tells its views of every change, as a text box's does.
class TellingLayout : public NoLayout
{
public:
    using NoLayout::NoLayout;

protected:
    void documentChanged(int, int, int) override { Q_EMIT documentSizeChanged({}); }
};

// What the window does once the pieces are in: nothing, show what waits (an
// echo), or drop it (LOG OFF).
using Then = void (TranscriptPacer::*)();

} // namespace

Q_DECLARE_METATYPE(Then)

void tst_TranscriptPacer::pacesReceivedText_data()
{
    QTest::addColumn<QList<qsizetype>>("pieces"); // received back to back, in one pass of the event loop
    QTest::addColumn<bool>("steady");             // or each piece once the one before is shown
    QTest::addColumn<Then>("then");
    QTest::addColumn<qsizetype>("shownAtOnce");   // characters in the transcript before the event loop runs; -1: not looked at
    QTest::addColumn<bool>("full");               // no room after the pieces
    QTest::addColumn<int>("roomSignals");         // roomForMore() in the end
    QTest::addColumn<bool>("allShown");           // every piece in the transcript in the end; else none
    const qsizetype room = TranscriptPacer::roomCharacters;
    const qsizetype little = TranscriptPacer::atOnceCharacters;
    const Then wait = nullptr, show = &TranscriptPacer::showWaiting, drop = &TranscriptPacer::dropWaiting;
    QTest::newRow("a little is shown at once") << QList<qsizetype>{100} << false << wait << qsizetype(100) << false << 0 << true;
    QTest::newRow("more waits for the steps") << QList<qsizetype>{little + 1} << false << wait << qsizetype(0) << false << 0 << true;
    QTest::newRow("a little after more waits its turn")
        << QList<qsizetype>{little + 1, 10} << false << wait << qsizetype(0) << false << 0 << true;
    QTest::newRow("full at the bound, room again once") << QList<qsizetype>{room} << false << wait << qsizetype(0) << true << 1 << true;
    QTest::newRow("an echo shows what waits first") << QList<qsizetype>{room - 10, 10} << false << show << qsizetype(0) << true << 1 << true;
    QTest::newRow("a new connection drops what waits") << QList<qsizetype>{little + 1} << false << drop << qsizetype(0) << false << 0 << false;
    QTest::newRow("dropping when full gives room") << QList<qsizetype>{room} << false << drop << qsizetype(0) << true << 1 << false;
    QTest::newRow("past the transcript's bound the oldest lines go")
        << QList<qsizetype>(Transcript::maxCharacters / room + 2, room) << false << wait << qsizetype(-1) << true << 1 << true;
    QTest::newRow("a steady channel keeps to the bound too")
        << QList<qsizetype>(Transcript::maxCharacters / 3800 + 100, 3800) << true << wait << qsizetype(-1) << false << 0 << true;
}

void tst_TranscriptPacer::pacesReceivedText()
{
    QFETCH(QList<qsizetype>, pieces);
    QFETCH(bool, steady);
    QFETCH(Then, then);
    QFETCH(qsizetype, shownAtOnce);
    QFETCH(bool, full);
    QFETCH(int, roomSignals);
    QFETCH(bool, allShown);
    QTextDocument document;
    document.setDocumentLayout(new TellingLayout(&document));
    Transcript transcript(&document);
    TranscriptPacer pacer(&transcript);
    QSignalSpy room(&pacer, &TranscriptPacer::roomForMore);
    QSignalSpy shown(&pacer, &TranscriptPacer::shown);
    // The views hear of received text only when it is shown, as a box
    // showing it catches up: not once an append.
    QObject::connect(&pacer, &TranscriptPacer::shown, &transcript, &Transcript::release);
    QSignalSpy told(document.documentLayout(), &QAbstractTextDocumentLayout::documentSizeChanged);

    // The window takes from the socket only while there is room.
    QString received;
    for (const qsizetype piece : pieces) {
        if (steady)
            QVERIFY(QTest::qWaitFor([&] { return pacer.isShowingAll(); }));
        if (!pacer.hasRoom()) {
            QVERIFY(QTest::qWaitFor([&] { return pacer.hasRoom(); }));
            QCOMPARE(room.size(), 1);
            room.clear();
        }
        const QString text = lines(received.size() + piece).mid(received.size());
        received += text;
        pacer.receive(text);
    }
    if (shownAtOnce >= 0)
        QCOMPARE(transcript.text().size(), shownAtOnce);
    QCOMPARE(!pacer.hasRoom(), full);
    if (then)
        (pacer.*then)();
    QVERIFY(then != &TranscriptPacer::showWaiting || pacer.isShowingAll()); // at once
    QVERIFY(QTest::qWaitFor([&] { return pacer.isShowingAll(); }, 60000));
    QTest::qWait(10);
    QCOMPARE(room.size(), roomSignals);
    const QString kept = transcript.text();
    if (!allShown) {
        QCOMPARE(kept, QString());
        return;
    }
    QVERIFY(document.characterCount() <= Transcript::maxCharacters);
    QVERIFY(received.endsWith(kept)); // whole, in order, or its newest lines
    QVERIFY(kept.size() == received.size() || kept.size() >= Transcript::keptCharacters - 2 * Transcript::groupCharacters);
    QVERIFY(shown.size() >= 1);
    QVERIFY2(told.size() <= shown.size(), qPrintable(QStringLiteral("%1 > %2").arg(told.size()).arg(shown.size())));
}

QTEST_GUILESS_MAIN(tst_TranscriptPacer)
#include "tst_transcriptpacer.moc"
