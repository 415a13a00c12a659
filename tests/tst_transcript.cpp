// SPDX-FileCopyrightText: 2026 The Ombrix <ombrix@ombrix.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "transcript.h"
#include "transcriptpacer.h"
#include "transcriptrules.h"
#include "transcriptview.h"
#include "warnings.h"

#include <QApplication>
#include <QClipboard>
#include <QRandomGenerator>
#include <QTest>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QPlainTextDocumentLayout>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QSignalSpy>

namespace {

// A document laid out as the window lays out its transcript.
struct Document : QTextDocument
{
    Document() { setDocumentLayout(new QPlainTextDocumentLayout(this)); }
};

// The transcript box with received text paced into it, as the window wires them.
struct PacedView : TranscriptView
{
    TranscriptPacer pacer{transcript()};
    PacedView()
    {
        resize(500, 300);
        show();
        QObject::connect(&pacer, &TranscriptPacer::shown, this, &TranscriptView::followReceived);
    }
};

// What the reader sees: the document's lines, "\n" between them.
QString shown(const QTextDocument &document)
{
    return document.toRawText()
        .replace(QChar::ParagraphSeparator, u'\n')
        .replace(QChar::LineSeparator, u'\n');
}

} // namespace

class tst_Transcript : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init() { failOnWarnings(); }
    void lineBreaks_data();
    void lineBreaks();
    void textIsNeverInterpreted();
    void longLineIsShownOnMoreLinesButKeptWhole_data();
    void longLineIsShownOnMoreLinesButKeptWhole();
    void longLineByteByByte();
    void chatLinesAreGroupedAndBounded();
    void oldestLinesGoPastTheCharacterBound();
    void editsKeepEveryLine();
    void tripleClickTakesOneLine_data();
    void tripleClickTakesOneLine();
    void viewsHearOfHeldEditsOnce();
};

void tst_Transcript::lineBreaks_data()
{
    QTest::addColumn<QString>("received");
    QTest::addColumn<QString>("expected");
    QTest::newRow("CR LF") << QStringLiteral("a\r\nb") << QStringLiteral("a\nb");
    QTest::newRow("lone LF") << QStringLiteral("a\nb") << QStringLiteral("a\nb");
    QTest::newRow("lone CR") << QStringLiteral("a\rb") << QStringLiteral("a\nb");
    QTest::newRow("LF CR is two") << QStringLiteral("a\n\rb") << QStringLiteral("a\n\nb");
    QTest::newRow("CR CR LF is two") << QStringLiteral("a\r\r\nb") << QStringLiteral("a\n\nb");
    QTest::newRow("empty lines") << QStringLiteral("\r\n\r\n\r\n") << QStringLiteral("\n\n\n");
    QTest::newRow("mixed breaks") << QStringLiteral("\n\r\r\n\n\r") << QStringLiteral("\n\n\n\n\n");
    QTest::newRow("prompt without break") << QStringLiteral("Username: ") << QStringLiteral("Username: ");
    QTest::newRow("chat") << QStringLiteral("1018 INFO \"Welcome\"\r\nEnter your name: \r\n\r\nok\rfine\nend")
                          << QStringLiteral("1018 INFO \"Welcome\"\nEnter your name: \n\nok\nfine\nend");
}

// However the server's bytes are cut into reads, the reader sees the same:
// each stream is received in three reads, cut at any two places.
void tst_Transcript::lineBreaks()
{
    QFETCH(QString, received);
    QFETCH(QString, expected);
    for (qsizetype a = 0; a <= received.size(); ++a) {
        for (qsizetype b = a; b <= received.size(); ++b) {
            Document document;
            Transcript transcript(&document);
            transcript.append(QStringView(received).left(a));
            transcript.append(QStringView(received).mid(a, b - a));
            transcript.append(QStringView(received).mid(b));
            QVERIFY2(shown(document) == expected && transcript.text() == expected,
                     qPrintable(QStringLiteral("split at %1, %2").arg(a).arg(b)));
        }
    }
}

void tst_Transcript::textIsNeverInterpreted()
{
    Document document;
    Transcript transcript(&document);
    QString raw = QStringLiteral("<b>bold</b> &amp; \t\u00a0\u0007\u001b[31m\u007f\u00ff");
    raw.insert(3, QChar(0)); // NUL in the middle does not cut the text
    transcript.append(raw);
    QCOMPARE(transcript.text(), raw);
    QCOMPARE(shown(document), raw);
}

void tst_Transcript::longLineIsShownOnMoreLinesButKeptWhole_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<int>("longestWord");
    QTest::newRow("no space") << QString(Transcript::maxLineLength * 5 + 7, u'x') << 0;
    QString words;
    for (int i = 0; words.size() < Transcript::maxLineLength * 5; ++i)
        words += QString(1 + i % 13, QChar(u'a' + i % 26)) + u' ';
    QTest::newRow("words") << words << 13;
    QTest::newRow("surrogate pairs across the break") << u'x' + QStringLiteral("\U0001F600").repeated(5003) << 0;
}

// Shown on lines of at most maxLineLength characters, broken after the last
// space before the limit where there is one; the transcript keeps it whole.
void tst_Transcript::longLineIsShownOnMoreLinesButKeptWhole()
{
    QFETCH(QString, line);
    QFETCH(int, longestWord);
    Document document;
    Transcript transcript(&document);
    transcript.append(QStringLiteral("before\r\n") + line + QStringLiteral("\r\nafter"));
    QCOMPARE(transcript.text(), QStringLiteral("before\n") + line + QStringLiteral("\nafter"));
    QVERIFY(document.blockCount() >= 6);
    for (QTextBlock block = document.firstBlock(); block.isValid(); block = block.next()) {
        for (const QString &shownLine : block.text().split(QChar::LineSeparator)) {
            QVERIFY(shownLine.size() <= Transcript::maxLineLength);
            QVERIFY(shownLine.isEmpty() || !shownLine.back().isHighSurrogate());
            if (longestWord > 0 && block.next().isValid() && block.next().text() != QStringLiteral("after")
                && shownLine != QStringLiteral("before")) {
                QVERIFY2(shownLine.endsWith(u' '), qPrintable(shownLine.right(20)));
                QVERIFY(shownLine.size() > Transcript::maxLineLength - longestWord - 1);
            }
        }
    }
}

void tst_Transcript::longLineByteByByte()
{
    Document document;
    Transcript transcript(&document);
    QString line;
    for (int i = 0; i < Transcript::maxLineLength * 3; ++i)
        line.append(QChar(u'a' + i % 26));
    for (const QChar c : std::as_const(line))
        transcript.append(QStringView(&c, 1));
    transcript.append(u"\r\n");
    QCOMPARE(transcript.text(), line + u'\n');
    QCOMPARE(document.blockCount(), 3 + 1);
}

// Short lines share a block; days of chat stay, and a flood of empty lines
// is bounded like any other text.
void tst_Transcript::chatLinesAreGroupedAndBounded()
{
    Document document;
    Transcript transcript(&document);
    QString stream;
    const int lines = 150'000;
    for (int i = 0; i < lines; ++i)
        stream += QStringLiteral("<Player%1> an ordinary line of chat, about as long as most of them\r\n").arg(i, 6, 10, QChar(u'0'));
    transcript.append(stream);
    transcript.trim();
    QVERIFY(document.characterCount() <= Transcript::maxCharacters);
    const QString kept = transcript.text();
    QVERIFY(kept.count(u'\n') >= 50'000);
    QVERIFY(kept.startsWith(QStringLiteral("<Player")));
    QVERIFY(kept.endsWith(QStringLiteral("<Player%1> an ordinary line of chat, about as long as most of them\n").arg(lines - 1, 6, 10, QChar(u'0'))));
    QVERIFY(document.blockCount() < lines / 10);
    for (QTextBlock block = document.firstBlock(); block.isValid(); block = block.next())
        QVERIFY(block.text().count(QChar::LineSeparator) < Transcript::groupLines);

    transcript.append(QString(Transcript::maxCharacters, u'\n'));
    transcript.trim();
    QVERIFY(document.characterCount() <= Transcript::maxCharacters);
    QVERIFY(transcript.text().endsWith(QStringLiteral("\n\n\n")));
}

void tst_Transcript::oldestLinesGoPastTheCharacterBound()
{
    Document document;
    Transcript transcript(&document);
    const QString line(Transcript::maxLineLength - 1, u'w');
    const int lines = Transcript::maxCharacters / Transcript::maxLineLength + 100;
    for (int i = 0; i < lines; ++i) {
        transcript.append(QString::number(i) + line.left(line.size() - 8) + QStringLiteral("\r\n"));
        transcript.trim();
    }
    QVERIFY(document.characterCount() <= Transcript::maxCharacters);
    QVERIFY(document.characterCount() >= Transcript::keptCharacters - 2 * Transcript::maxLineLength);
    // Whole lines went: the first one shown starts with its number.
    QVERIFY(document.firstBlock().text().at(0).isDigit());
    QVERIFY(document.lastBlock().previous().text().startsWith(QString::number(lines - 1)));
}

// A property over random sequences of what the server and the user do, with
// a fixed seed, each step checked against the same operations on a plain
// string: receives cut anywhere (long lines, a CR and its LF in different
// reads), typing, Backspace and Delete, Cut, Copy and Paste, Ctrl+Enter, a
// sent line's echo, Clear Screen and LOG OFF, over random selections. The
// clipboard gets exactly the lines as received or typed.
void tst_Transcript::editsKeepEveryLine()
{
    QRandomGenerator random(1252);
    PacedView view;
    Transcript &transcript = *view.transcript();
    QClipboard *clipboard = QGuiApplication::clipboard();
    auto someText = [&](int length, bool breaks) {
        static const char16_t pool[] = u"abc xyz\t<>&\u00a0\u20ac\u2019\ufdd0\ufdd1";
        QString text;
        for (int i = 0; i < length; ++i) {
            if (breaks && random.bounded(8) == 0) {
                static const QString kinds[] = {QStringLiteral("\r\n"), QStringLiteral("\r"), QStringLiteral("\n")};
                text += kinds[random.bounded(3)];
            } else {
                text += QChar(pool[random.bounded(int(std::size(pool)) - 1)]);
            }
        }
        return text;
    };
    for (int sequence = 0; sequence < 150; ++sequence) {
        TranscriptModel model;
        transcript.replace(u"");
        for (int step = 0; step < 40; ++step) {
            const int characters = view.document()->characterCount() - 1;
            QTextCursor cursor = view.textCursor();
            const int a = random.bounded(characters + 1);
            const int b = random.bounded(2) ? a : random.bounded(characters + 1);
            cursor.setPosition(a);
            cursor.setPosition(b, QTextCursor::KeepAnchor);
            view.setTextCursor(cursor);
            // Where the selection stands in the lines as received or typed.
            const qsizetype from = transcript.text(0, qMin(a, b)).size();
            const qsizetype to = transcript.text(0, qMax(a, b)).size();
            const int op = random.bounded(12);
            if (op < 4) { // a receive, in one to three reads
                QString received = random.bounded(6) == 0
                    ? someText(Transcript::maxLineLength + random.bounded(5000), false)
                    : someText(random.bounded(120), true);
                if (random.bounded(3) == 0)
                    received.prepend(u'\n');
                if (random.bounded(3) == 0)
                    received.append(u'\r');
                model.receive(received);
                for (qsizetype at = 0; at < received.size();) {
                    const qsizetype n = random.bounded(1, int(received.size() - at) + 1);
                    view.pacer.receive(QStringView(received).mid(at, n));
                    at += n;
                }
                QVERIFY(QTest::qWaitFor([&] { return view.pacer.isShowingAll(); }));
                if (!received.isEmpty())
                    QCOMPARE(view.textCursor().position(), view.document()->characterCount() - 1);
            } else if (op == 4) {
                QString typed = someText(random.bounded(1, 6), false);
                typed.removeIf([](QChar c) { return c.unicode() < 0x20 || c.unicode() > 0x7e; }); // keys
                if (typed.isEmpty())
                    typed = QStringLiteral("k");
                QTest::keyClicks(&view, typed);
                model.insert(from, to, typed);
            } else if (op == 5) {
                QTest::keyClick(&view, Qt::Key_Backspace);
                if (from < to || from > 0) {
                    const qsizetype gone = from < to ? from : transcript.text(0, qMax(0, a - 1)).size();
                    model.insert(gone, to, u"");
                }
            } else if (op == 6) {
                QTest::keyClick(&view, Qt::Key_Delete);
                const qsizetype end = from < to ? to : transcript.text(0, qMin(characters, a + 1)).size();
                model.insert(from, end, u"");
            } else if (op == 7) {
                QTest::keyClick(&view, Qt::Key_X, Qt::ControlModifier);
                if (from < to)
                    QCOMPARE(clipboard->text(), model.text.mid(from, to - from));
                model.insert(from, to, u"");
            } else if (op == 8) {
                const QString pasted = someText(random.bounded(60), true)
                    + (random.bounded(4) == 0 ? QStringLiteral("\u2029z") : QString());
                clipboard->setText(pasted);
                QTest::keyClick(&view, Qt::Key_V, Qt::ControlModifier);
                model.insert(from, to, pasted);
            } else if (op == 9) {
                QTest::keyClick(&view, Qt::Key_Return, Qt::ControlModifier);
                model.insert(from, to, u"\n");
            } else if (op == 10) {
                const QString echo = someText(random.bounded(30), false) + QStringLiteral("\r\n");
                view.insertAtCaret(echo);
                model.insert(from, to, echo);
            } else if (random.bounded(2)) {
                transcript.clear(); // Clear Screen: the stream goes on
                model.clear();
            } else {
                transcript.replace(u"[notice]"); // LOG OFF
                model.replace(u"[notice]");
            }
            if (transcript.text() != model.text)
                QFAIL(qPrintable(QStringLiteral("sequence %1, step %2, operation %3").arg(sequence).arg(step).arg(op)));
            QTest::keyClick(&view, Qt::Key_C, Qt::ControlModifier);
            if (from < to && op != 7 && op < 11 && view.textCursor().hasSelection())
                QCOMPARE(clipboard->text(), transcript.text(view.textCursor().selectionStart(), view.textCursor().selectionEnd()));
        }
    }
}

void tst_Transcript::tripleClickTakesOneLine_data()
{
    QTest::addColumn<QStringList>("lines"); // received, each with CR LF
    QTest::addColumn<int>("line");          // the one acted on
    QTest::addColumn<int>("at");            // where in it the mouse or the caret is
    QTest::addColumn<QString>("expected");  // the selection
    QStringList shortLines;
    for (int i = 0; i < 40; ++i)
        shortLines << QStringLiteral("line %1").arg(i);
    // 3,503 characters: shown broken once past 2,000, still one line.
    const QString longLine = QStringLiteral("word ").repeated(700) + QStringLiteral("end");
    const QStringList withLongLine = {QStringLiteral("before"), longLine, QStringLiteral("after")};
    QTest::newRow("short lines sharing a block")
        << shortLines << 20 << 3 << "line 20\n";
    QTest::newRow("past a long line's display break")
        << withLongLine << 1 << 2500 << longLine + u'\n';
    QTest::newRow("before a long line's display break")
        << withLongLine << 1 << 10 << longLine + u'\n';
}

// A triple-click selects the line under the mouse, however the transcript
// groups lines into blocks or breaks a long one for display.
void tst_Transcript::tripleClickTakesOneLine()
{
    QFETCH(QStringList, lines);
    QFETCH(int, line);
    QFETCH(int, at);
    QFETCH(QString, expected);
    PacedView view;
    QVERIFY(QTest::qWaitForWindowExposed(&view));
    view.pacer.receive(lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n"));
    QVERIFY(QTest::qWaitFor([&] { return view.pacer.isShowingAll(); }));
    qsizetype offset = at;
    for (int i = 0; i < line; ++i)
        offset += lines.at(i).size() + 1;
    QTextCursor caret(view.document());
    caret.setPosition(int(offset));
    view.setTextCursor(caret);
    view.ensureCursorVisible();
    const QPoint point = view.cursorRect().center();
    QTest::mouseDClick(view.viewport(), Qt::LeftButton, {}, point);
    QTest::mouseClick(view.viewport(), Qt::LeftButton, {}, point);
    const QTextCursor selected = view.textCursor();
    QCOMPARE(view.transcript()->text(selected.selectionStart(), selected.selectionEnd()), expected);
}

// Appends and trims are held from a text box until release(), which tells it
// once: the speed of a flood rests on this, and on Qt's text box learning of
// edits only through its layout's signals. Should a Qt release change that,
// the box lays out every edit (the first half fails) or stays behind (the
// second half fails).
void tst_Transcript::viewsHearOfHeldEditsOnce()
{
    QPlainTextEdit view;
    view.resize(300, 200);
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));
    Transcript transcript(view.document());
    QSignalSpy told(view.document()->documentLayout(), &QAbstractTextDocumentLayout::documentSizeChanged);
    QString lines;
    for (int i = 0; i < 500; ++i)
        lines += QStringLiteral("<Player%1> a chat line long enough to wrap in a narrow box\r\n").arg(i);
    transcript.append(lines);
    // The edit itself tells the box nothing: it neither lays out nor scrolls.
    QCOMPARE(told.size(), 0);
    QCOMPARE(view.verticalScrollBar()->maximum(), 0);

    transcript.release();
    QCOMPARE(told.size(), 1);
    // Told once, it knows all of it: it scrolls, and down to the last line.
    QVERIFY(view.verticalScrollBar()->maximum() > 0);
    view.moveCursor(QTextCursor::End);
    view.ensureCursorVisible();
    QVERIFY(view.viewport()->rect().contains(view.cursorRect()));
    QVERIFY(view.verticalScrollBar()->value() > 0);
}

QTEST_MAIN(tst_Transcript)
#include "tst_transcript.moc"
