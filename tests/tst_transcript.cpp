#include "transcript.h"

#include <QTest>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QPlainTextDocumentLayout>

namespace {

// A document laid out as the window lays out its transcript.
struct Document : QTextDocument
{
    Document() { setDocumentLayout(new QPlainTextDocumentLayout(this)); }
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
    void lineBreaks_data();
    void lineBreaks();
    void splitAnywhereShowsTheSame_data();
    void splitAnywhereShowsTheSame();
    void crSwallowsOnlyTheLfThatFollowsIt();
    void textIsNeverInterpreted();
    void longLineIsShownOnMoreLinesButKeptWhole();
    void longLineByteByByte();
    void textOfARangeJoinsContinuations();
    void insertAtCaretReplacesSelection();
    void insertIntoAContinuationKeepsTheLine();
    void chatLinesAreGroupedAndBounded();
    void oldestLinesGoPastTheCharacterBound();
    void replaceStartsAfresh();
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
    QTest::newRow("empty lines") << QStringLiteral("\r\n\r\n") << QStringLiteral("\n\n");
    QTest::newRow("prompt without break") << QStringLiteral("Username: ") << QStringLiteral("Username: ");
}

void tst_Transcript::lineBreaks()
{
    QFETCH(QString, received);
    QFETCH(QString, expected);
    Document document;
    Transcript transcript(&document);
    transcript.append(received);
    QCOMPARE(shown(document), expected);
    QCOMPARE(transcript.text(), expected);
}

void tst_Transcript::splitAnywhereShowsTheSame_data()
{
    QTest::addColumn<QString>("stream");
    QTest::newRow("chat") << QStringLiteral("1018 INFO \"Welcome\"\r\nEnter your name: \r\n\r\nok\rfine\nend");
    QTest::newRow("CR LF pairs only") << QStringLiteral("\r\n\r\n\r\n");
    QTest::newRow("mixed breaks") << QStringLiteral("\n\r\r\n\n\r");
}

// However the server's bytes are cut into reads, the reader sees the same.
void tst_Transcript::splitAnywhereShowsTheSame()
{
    QFETCH(QString, stream);
    Document whole;
    Transcript(&whole).append(stream);
    const QString expected = shown(whole);
    for (qsizetype a = 0; a <= stream.size(); ++a) {
        for (qsizetype b = a; b <= stream.size(); ++b) {
            Document document;
            Transcript transcript(&document);
            transcript.append(QStringView(stream).left(a));
            transcript.append(QStringView(stream).mid(a, b - a));
            transcript.append(QStringView(stream).mid(b));
            QVERIFY2(shown(document) == expected, qPrintable(QStringLiteral("split at %1, %2").arg(a).arg(b)));
        }
    }
}

// A CR ending one read and an LF starting the next are one break, but only
// if nothing was written in between.
void tst_Transcript::crSwallowsOnlyTheLfThatFollowsIt()
{
    Document document;
    Transcript transcript(&document);
    transcript.append(u"a\r");
    QTextCursor end(&document);
    end.movePosition(QTextCursor::End);
    transcript.insert(end, u"me\r\n");
    transcript.append(u"\nb");
    QCOMPARE(shown(document), QStringLiteral("a\nme\n\nb"));

    // Typing by the user between the two reads counts as well.
    transcript.append(u"c\r");
    QTextCursor typing(&document);
    typing.movePosition(QTextCursor::End);
    typing.insertText(QStringLiteral("x"));
    transcript.append(u"\nd");
    QCOMPARE(shown(document), QStringLiteral("a\nme\n\nbc\nx\nd"));
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

void tst_Transcript::longLineIsShownOnMoreLinesButKeptWhole()
{
    Document document;
    Transcript transcript(&document);
    const QString line(Transcript::maxLineLength * 5 + 7, u'x');
    transcript.append(QStringLiteral("before\r\n") + line + QStringLiteral("\r\nafter"));
    QCOMPARE(transcript.text(), QStringLiteral("before\n") + line + QStringLiteral("\nafter"));
    QVERIFY(document.blockCount() >= 6);
    for (QTextBlock block = document.firstBlock(); block.isValid(); block = block.next()) {
        for (const QString &shownLine : block.text().split(QChar::LineSeparator))
            QVERIFY(shownLine.size() <= Transcript::maxLineLength);
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

void tst_Transcript::textOfARangeJoinsContinuations()
{
    Document document;
    Transcript transcript(&document);
    const QString line(Transcript::maxLineLength + 10, u'y');
    transcript.append(QStringLiteral("ab\r\n") + line + QStringLiteral("\r\ncd"));
    // From "b" through the long line's break to "c".
    const int from = 1;
    const int to = document.characterCount() - 2;
    QCOMPARE(transcript.text(from, to), QStringLiteral("b\n") + line + QStringLiteral("\nc"));
    QCOMPARE(transcript.text(2, 3), QStringLiteral("\n"));
    QCOMPARE(transcript.text(3, 3), QString());
}

void tst_Transcript::insertAtCaretReplacesSelection()
{
    Document document;
    Transcript transcript(&document);
    transcript.append(u"hello world\r\n");
    QTextCursor caret(&document);
    caret.setPosition(6);
    caret.setPosition(11, QTextCursor::KeepAnchor);
    transcript.insert(caret, u"there\r\n");
    QCOMPARE(shown(document), QStringLiteral("hello there\n\n"));
    QCOMPARE(caret.position(), 12); // after "hello there" and its line break
    QVERIFY(!caret.hasSelection());
}

void tst_Transcript::insertIntoAContinuationKeepsTheLine()
{
    Document document;
    Transcript transcript(&document);
    const QString line(Transcript::maxLineLength * 2, u'z');
    transcript.append(line);
    // Into the middle of the second (continuation) block.
    QTextCursor caret(&document);
    caret.setPosition(Transcript::maxLineLength + 1 + 5);
    transcript.insert(caret, u"!");
    QString expected = line;
    expected.insert(Transcript::maxLineLength + 5, u'!');
    QCOMPARE(transcript.text(), expected);
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
    QVERIFY(document.characterCount() <= Transcript::maxCharacters);
    const QString kept = transcript.text();
    QVERIFY(kept.count(u'\n') >= 50'000);
    QVERIFY(kept.startsWith(QStringLiteral("<Player")));
    QVERIFY(kept.endsWith(QStringLiteral("<Player%1> an ordinary line of chat, about as long as most of them\n").arg(lines - 1, 6, 10, QChar(u'0'))));
    QVERIFY(document.blockCount() < lines / 10);
    for (QTextBlock block = document.firstBlock(); block.isValid(); block = block.next())
        QVERIFY(block.text().count(QChar::LineSeparator) < Transcript::groupLines);

    transcript.append(QString(Transcript::maxCharacters, u'\n'));
    QVERIFY(document.characterCount() <= Transcript::maxCharacters);
    QVERIFY(transcript.text().endsWith(QStringLiteral("\n\n\n")));
}

void tst_Transcript::oldestLinesGoPastTheCharacterBound()
{
    Document document;
    Transcript transcript(&document);
    const QString line(Transcript::maxLineLength - 1, u'w');
    const int lines = Transcript::maxCharacters / Transcript::maxLineLength + 100;
    for (int i = 0; i < lines; ++i)
        transcript.append(QString::number(i) + line.left(line.size() - 8) + QStringLiteral("\r\n"));
    QVERIFY(document.characterCount() <= Transcript::maxCharacters);
    QVERIFY(document.characterCount() >= Transcript::keptCharacters - 2 * Transcript::maxLineLength);
    // Whole lines went: the first one shown starts with its number.
    QVERIFY(document.firstBlock().text().at(0).isDigit());
    QVERIFY(document.lastBlock().previous().text().startsWith(QString::number(lines - 1)));
}

void tst_Transcript::replaceStartsAfresh()
{
    Document document;
    Transcript transcript(&document);
    transcript.append(QString(Transcript::maxLineLength * 2, u'q') + u'\r');
    transcript.replace(u"[notice]");
    transcript.append(u"\nnext");
    QCOMPARE(transcript.text(), QStringLiteral("[notice]\nnext"));
}

QTEST_MAIN(tst_Transcript)
#include "tst_transcript.moc"
