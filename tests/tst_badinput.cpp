// SPDX-FileCopyrightText: 2026 The Ombrix <ombrix@ombrix.example>
// SPDX-License-Identifier: GPL-3.0-or-later

// What a hostile or broken server may send: nothing crashes, and nothing it
// sent is lost or changed beyond the transcript's documented rules.
#include "harness.h"
#include "transcriptrules.h"

#include <QRandomGenerator>
#include <QTextDocument>

class tst_BadInput : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init() { failOnWarnings(); }
    void randomBytesSplitAnywhere();
    void megabyteLines();
    void tenMegabytesWithoutALineBreak();
    void oneByteAtATime();
};

namespace {

QByteArray randomBytes(QRandomGenerator &random, int size)
{
    static const char favourites[] = "\r\n\r\n\0<>&\t\x1b\xa0\xff ";
    QByteArray bytes(size, Qt::Uninitialized);
    for (char &b : bytes)
        b = random.bounded(3) == 0 ? favourites[random.bounded(int(sizeof favourites) - 1)]
                                   : char(random.bounded(256));
    return bytes;
}

} // namespace

// A property over 10,000 streams with a fixed seed, each cut into reads at
// random points.
void tst_BadInput::randomBytesSplitAnywhere()
{
    QRandomGenerator random(5112);
    QTextDocument document;
    document.setDocumentLayout(new NoLayout(&document));
    Transcript transcript(&document);
    for (int round = 0; round < 10'000; ++round) {
        // Now and then one with lines longer than a shown line.
        const bool longLine = round % 500 == 0;
        QByteArray bytes = randomBytes(random, longLine ? 4'500 : random.bounded(300));
        if (longLine)
            bytes.replace('\r', 'r').replace('\n', 'n');
        transcript.replace(u"");
        for (qsizetype at = 0; at < bytes.size();) {
            const qsizetype n = random.bounded(1, longLine ? 200 : 9);
            transcript.append(WireText::fromWire(bytes.mid(at, n)));
            at += n;
        }
        const QString want = expectedText(bytes);
        if (transcript.text() != want) {
            QFAIL(qPrintable(QStringLiteral("round %1: %2").arg(round).arg(QString::fromLatin1(bytes.toHex()))));
        }
    }
}

void tst_BadInput::megabyteLines()
{
    Harness h;
    QVERIFY(h.connectAfterLogOff());
    QByteArray sent;
    for (char c : {'a', 'b', 'c'})
        sent += QByteArray(1'000'000, c) + "\r\n";
    h.gateway.send(sent);
    QVERIFY(showsAll(*h.session, quint64(sent.size()), 30000));
    QCOMPARE(h.shown(), notice + expectedText(sent));
}

// Past the transcript's bound, only the oldest part goes: what stays is the
// end of what was sent, unchanged.
void tst_BadInput::tenMegabytesWithoutALineBreak()
{
    Harness h;
    QVERIFY(h.connect());
    QByteArray sent(10'000'000, Qt::Uninitialized);
    for (qsizetype i = 0; i < sent.size(); ++i)
        sent[i] = "abcdefghijklmnopqrstuvwxyz <b>"[i % 30];
    h.gateway.send(sent);
    QVERIFY(showsAll(*h.session, quint64(sent.size()), 60000));
    const QString kept = h.shown();
    // The bound counts the document's characters, the breaks made for display
    // among them; whole blocks go, so at most one block less than the bound stays.
    const int characters = h.Text2->document()->characterCount();
    QVERIFY(characters <= Transcript::maxCharacters);
    QVERIFY(characters >= Transcript::keptCharacters - Transcript::maxLineLength - 1);
    QVERIFY(QString::fromLatin1(sent).endsWith(kept));
}

void tst_BadInput::oneByteAtATime()
{
    Harness h;
    QVERIFY(h.connectAfterLogOff());
    QRandomGenerator random(6112);
    const QByteArray sent = randomBytes(random, 3000);
    for (const char b : sent)
        QVERIFY(h.serve(QByteArray(1, b))); // each byte its own read
    QCOMPARE(h.shown(), notice + expectedText(sent));
}

QTEST_MAIN(tst_BadInput)
#include "tst_badinput.moc"
