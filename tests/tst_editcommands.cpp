// SPDX-FileCopyrightText: 2026 The Ombrix <ombrix@ombrix.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "harness.h"
#include "inputline.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QTextBlock>

class tst_EditCommands : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init();
    void copyTakesTheTranscriptsSelectionOnly();
    void selectAllThenCopyKeepsEveryLineBreak();
    void cutRemovesTheSelection();
    void clearClipboardLeavesTheTranscript();
    void clearScreenThenReceive();

private:
    void pick(Harness &h, const char *item) { h.item(QLatin1String(item))->trigger(); }
    static QString clipboard() { return QGuiApplication::clipboard()->text(); }
};

void tst_EditCommands::init()
{
    failOnWarnings();
    QGuiApplication::clipboard()->setText(QStringLiteral("left over"));
}

void tst_EditCommands::copyTakesTheTranscriptsSelectionOnly()
{
    Harness h;
    QVERIFY(QTest::qWaitForWindowActive(h.form));
    // Text selected in the input line, nothing in the transcript.
    h.Text1->setFocus();
    h.Text1->selectAll();
    pick(h, "mnuCopy");
    QCOMPARE(clipboard(), QString());

    QTextCursor caret = h.Text2->textCursor();
    caret.setPosition(2);
    caret.setPosition(6, QTextCursor::KeepAnchor);
    h.Text2->setTextCursor(caret);
    pick(h, "mnuCopy");
    QCOMPARE(clipboard(), QStringLiteral("****"));
    QCOMPARE(QApplication::focusWidget(), h.Text1);
    QCOMPARE(h.Text1->selectedText(), initialInput);
}

void tst_EditCommands::selectAllThenCopyKeepsEveryLineBreak()
{
    Harness h;
    QVERIFY(h.connect());
    h.Text1->setFocus();
    const QString longLine(Transcript::maxLineLength * 2 + 3, u'z');
    QVERIFY(h.serve("one\r\n\r\ntwo\rthree\n" + longLine.toLatin1() + "\r\nlast"));
    const QString expected = banner + QStringLiteral("one\n\ntwo\nthree\n") + longLine + QStringLiteral("\nlast");

    pick(h, "mnuSelect");
    QCOMPARE(h.Text2->textCursor().selectionStart(), 0);
    QCOMPARE(h.Text2->textCursor().selectionEnd(), h.Text2->document()->characterCount() - 1);
    QCOMPARE(QApplication::focusWidget(), h.Text1); // the focus stays
    pick(h, "mnuCopy");
    QCOMPARE(clipboard(), expected);
    QVERIFY(!clipboard().contains(QChar::ParagraphSeparator));
    QVERIFY(!clipboard().contains(QChar::LineSeparator));

    // The box's own copy (Ctrl+C, its context menu) gives the same text.
    QGuiApplication::clipboard()->clear();
    h.Text2->copy();
    QCOMPARE(clipboard(), expected);
}

void tst_EditCommands::cutRemovesTheSelection()
{
    Harness h;
    QVERIFY(h.connect());
    QVERIFY(h.serve("keep CUT THIS\r\nand this\r\n"));
    QTextCursor caret = h.Text2->textCursor();
    const int start = banner.size() + 5;
    caret.setPosition(start);
    caret.setPosition(start + 13, QTextCursor::KeepAnchor);
    h.Text2->setTextCursor(caret);
    pick(h, "mnuCut");
    QCOMPARE(clipboard(), QStringLiteral("CUT THIS\nand "));
    QCOMPARE(h.shown(), banner + QStringLiteral("keep this\n"));
    QCOMPARE(h.caret(), start);
}

void tst_EditCommands::clearClipboardLeavesTheTranscript()
{
    Harness h;
    pick(h, "mnuSelect");
    pick(h, "mnuClip");
    QCOMPARE(clipboard(), QString());
    QCOMPARE(h.shown(), banner);
}

void tst_EditCommands::clearScreenThenReceive()
{
    Harness h;
    QVERIFY(h.connect());
    QVERIFY(h.serve("before\r\n"));
    pick(h, "mnuClear");
    QCOMPARE(h.Text2->toPlainText(), QString());
    QVERIFY(h.serve("after"));
    QCOMPARE(h.shown(), QStringLiteral("after"));
    QCOMPARE(h.Text2->document()->firstBlock().text(), QStringLiteral("after"));
}

QTEST_MAIN(tst_EditCommands)
#include "tst_editcommands.moc"
