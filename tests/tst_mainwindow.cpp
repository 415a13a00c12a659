// SPDX-FileCopyrightText: 2026 The Ombrix <ombrix@ombrix.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "harness.h"
#include "hyperlinklabel.h"
#include "inputline.h"
#include "transcript.h"
#include "chatconnection.h"

#include <QApplication>
#include <QClipboard>
#include <QFontInfo>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QScrollBar>
#include <QWindow>
#include <QSignalSpy>
#include <QTest>


class tst_MainWindow : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init() { failOnWarnings(); }
    void layout_data();
    void layout();
    void startsAsDesigned();
    void focusLaterSelectsNothing();
    void keyboard_data();
    void keyboard();
    void sendSendsEchoesAndClears();
    void echoGoesToTheCaret();
    void receiveAppendsAndMovesTheCaret();
    void refusedOperationsChangeNothing();
    void logOffWithAndWithoutConnection();
    void typedCharacterWithoutAByteEchoesWhatWasSent();
    void connectEndpoints();
    void linkOpensTheMakersSite();
};

void tst_MainWindow::layout_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("pixels"); // the design's twips, 15 to a pixel, rounded
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QColor>("text");
    QTest::addColumn<QColor>("background");
    QTest::addColumn<bool>("verdana");
    const QColor system; // invalid: the style's own colours
    QTest::newRow("Text1") << "Text1" << QRect(80, 400, 545, 19) << initialInput
                           << QColor(Qt::white) << QColor(Qt::black) << true;
    QTest::newRow("cmdSend") << "cmdSend" << QRect(3, 344, 73, 41) << "SEND" << system << system << true;
    QTest::newRow("Text2") << "Text2" << QRect(80, 0, 545, 395) << QString()
                           << QColor(128, 255, 128) << QColor(Qt::black) << true;
    QTest::newRow("cmdConnect") << "cmdConnect" << QRect(3, 24, 73, 41) << "CONNECT" << system << system << true;
    QTest::newRow("cmdLogin") << "cmdLogin" << QRect(3, 104, 73, 41) << "LOGIN" << system << system << true;
    QTest::newRow("Disconnect") << "Disconnect" << QRect(3, 184, 73, 41) << "LOG OFF" << system << system << true;
    QTest::newRow("cmdExit") << "cmdExit" << QRect(3, 264, 73, 41) << "EXIT" << system << system << true;
    QTest::newRow("csHyperlink1") << "csHyperlink1" << QRect(8, 400, 65, 17) << "ombrix.example"
                                  << system << QColor(192, 192, 192) << false;
}

void tst_MainWindow::layout()
{
    QFETCH(QString, name);
    QFETCH(QRect, pixels);
    QFETCH(QString, caption);
    QFETCH(QColor, text);
    QFETCH(QColor, background);
    QFETCH(bool, verdana);
    Harness h;
    QWidget *control = h.form->findChild<QWidget *>(name);
    QVERIFY(control);
    QCOMPARE(control->geometry(), pixels);
    if (auto *button = qobject_cast<QPushButton *>(control)) {
        QCOMPARE(button->text(), caption);
        QCOMPARE(button->isDefault(), name == u"cmdSend"); // drawn as the default button
    } else if (auto *line = qobject_cast<QLineEdit *>(control)) {
        QCOMPARE(line->text(), caption);
    } else if (auto *label = qobject_cast<QLabel *>(control)) {
        QCOMPARE(label->text(), caption);
        QCOMPARE(label->alignment(), Qt::AlignCenter);
        QVERIFY(control->font().underline());
    }
    if (text.isValid())
        QCOMPARE(control->palette().color(QPalette::Text), text);
    if (auto *area = qobject_cast<QAbstractScrollArea *>(control)) {
        // The scroll bar keeps the platform's colours, or its thumb vanishes.
        const QPalette bar = area->verticalScrollBar()->palette();
        for (const auto role : {QPalette::Button, QPalette::Window, QPalette::WindowText})
            QCOMPARE(bar.color(role), QApplication::palette().color(role));
    }
    if (background.isValid()) {
        const auto role = qobject_cast<QLabel *>(control) ? QPalette::Window : QPalette::Base;
        QCOMPARE(control->palette().color(role), background);
    }
    if (verdana) {
        QCOMPARE(control->font().families().value(0), QStringLiteral("Verdana"));
        QCOMPARE(control->font().pointSizeF(), 8.25);
        QVERIFY(!control->font().bold() && !control->font().italic() && !control->font().underline());
    }
}

void tst_MainWindow::startsAsDesigned()
{
    Harness h;
    MainWindow &f = *h.form;
    QCOMPARE(f.windowTitle(), QStringLiteral("VANTOR BOT " VANTOR_VERSION));
    QCOMPARE(f.centralWidget()->size(), QSize(626, 422));
    QCOMPARE(f.centralWidget()->palette().color(QPalette::Window), QColor(192, 192, 192));
    QCOMPARE(f.minimumSize(), f.maximumSize());
    const Qt::WindowFlags flags = f.windowFlags();
    QVERIFY((flags & Qt::WindowType_Mask) == Qt::Tool);
    QVERIFY(flags & Qt::WindowCloseButtonHint);
    QVERIFY(flags & Qt::MSWindowsFixedSizeDialogHint); // no resizing border on Windows
    QVERIFY(!(flags & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));

    QCOMPARE(h.Text2->toPlainText(), banner);
    QCOMPARE(h.caret(), 0);
    QCOMPARE(h.Text1->text(), initialInput);
    QCOMPARE(h.Text1->cursorPosition(), 0);
    QVERIFY(!h.Text1->hasSelectedText());
    QVERIFY(!h.Text2->isReadOnly());
    QCOMPARE(h.Text1->echoMode(), QLineEdit::Normal);
    QVERIFY(h.Text1->maxLength() > 1'000'000);

    QVERIFY(QTest::qWaitForWindowActive(&f));
    QCOMPARE(QApplication::focusWidget(), h.Text1);
    // The tab order of the design, from the input line round to the link.
    const QList<QWidget *> order = {h.Text1, h.cmdSend, h.Text2, h.cmdConnect, h.cmdLogin,
                                    h.Disconnect, h.cmdExit, h.csHyperlink1};
    for (qsizetype i = 0; i + 1 < order.size(); ++i) {
        QTest::keyClick(order[i], Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), order[i + 1]);
    }
    QTest::keyClick(h.csHyperlink1, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), h.Text1);

    // No minimise button, no task-bar entry: a window manager that minimises
    // the window anyway gets it back at once.
    f.showMinimized();
    QVERIFY(QTest::qWaitFor([&] { return !f.isMinimized() && f.isVisible(); }));

    // Typed at once, text goes in front of the initial text.
    QTest::keyClicks(h.Text1, QStringLiteral("hi "));
    QCOMPARE(h.Text1->text(), QStringLiteral("hi ") + initialInput);
}

void tst_MainWindow::focusLaterSelectsNothing()
{
    Harness h;
    QVERIFY(QTest::qWaitForWindowActive(h.form));
    h.Text1->setCursorPosition(4);
    h.cmdExit->setFocus();
    QTest::keyClick(h.cmdExit, Qt::Key_Tab); // to the link
    QTest::keyClick(h.csHyperlink1, Qt::Key_Tab); // round to the input line
    QCOMPARE(QApplication::focusWidget(), h.Text1);
    QVERIFY(!h.Text1->hasSelectedText());
    QCOMPARE(h.Text1->cursorPosition(), 4);
    h.Text2->setFocus(Qt::MouseFocusReason);
    h.Text1->setFocus(Qt::ShortcutFocusReason);
    QVERIFY(!h.Text1->hasSelectedText());
}

void tst_MainWindow::keyboard_data()
{
    QTest::addColumn<int>("tabs"); // Tab presses from the input line
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<bool>("connected");
    QTest::addColumn<QString>("pasted"); // with Ctrl+V into the input line first, between "li" and "ne", and "q" typed after it
    QTest::addColumn<QString>("line");   // what the input line then holds ("line" where nothing was pasted)
    QTest::addColumn<QByteArray>("sent");
    QTest::addColumn<QString>("input");      // the input line after the key
    QTest::addColumn<QString>("transcript"); // after the key, with the caret after "\t\t"
    QTest::addColumn<QStringList>("outside"); // what else came of it
    const int none = Qt::NoModifier;
    const QString line = QStringLiteral("line");
    const QString echoed = QStringLiteral("\t\tline\n****WELCOME TO VANTOR CHAT****\n");
    const QStringList connected{"connected"};
    QTest::newRow("Enter in the input line") << 0 << int(Qt::Key_Return) << none << true << QString() << line
        << QByteArray("line\r\n") << QString() << echoed << connected;
    QTest::newRow("keypad Enter in the input line") << 0 << int(Qt::Key_Enter) << int(Qt::KeypadModifier) << true << QString() << line
        << QByteArray("line\r\n") << QString() << echoed << connected;
    QTest::newRow("Enter on SEND") << 1 << int(Qt::Key_Return) << none << true << QString() << line
        << QByteArray("line\r\n") << QString() << echoed << connected;
    QTest::newRow("Space on SEND") << 1 << int(Qt::Key_Space) << none << true << QString() << line
        << QByteArray("line\r\n") << QString() << echoed << connected;
    QTest::newRow("Enter in the transcript") << 2 << int(Qt::Key_Return) << none << true << QString() << line
        << QByteArray("line\r\n") << QString() << echoed << connected;
    QTest::newRow("Ctrl+Enter in the transcript") << 2 << int(Qt::Key_Return) << int(Qt::ControlModifier) << true << QString() << line
        << QByteArray() << line << "\t\t\n****WELCOME TO VANTOR CHAT****\n" << connected;
    QTest::newRow("Enter on CONNECT") << 3 << int(Qt::Key_Return) << none << false << QString() << line
        << QByteArray() << line << banner << connected;
    QTest::newRow("Enter on LOGIN") << 4 << int(Qt::Key_Return) << none << true << QString() << line
        << QByteArray("\x03\x04\r\n\r\n", 6) << line << banner << connected;
    QTest::newRow("Enter on LOG OFF") << 5 << int(Qt::Key_Return) << none << true << QString() << line
        << QByteArray() << line << notice << connected;
    QTest::newRow("Enter on EXIT") << 6 << int(Qt::Key_Return) << none << true << QString() << line
        << QByteArray() << line << banner << QStringList{"connected", "ended"};
    QTest::newRow("Enter in the input line after SEND had the focus") << 8 << int(Qt::Key_Return) << none << true << QString() << line
        << QByteArray("line\r\n") << QString() << echoed << connected;
    QTest::newRow("pasted line breaks are spaces, shown and sent") << 0 << int(Qt::Key_Return) << none << true
        << "hi\r\n/ban bob\nx\ry\u2028z\u2029" << "lihi /ban bob x y z qne" << QByteArray("lihi /ban bob x y z qne\r\n")
        << QString() << "\t\tlihi /ban bob x y z qne\n****WELCOME TO VANTOR CHAT****\n" << connected;
    QTest::newRow("Space on the link") << 7 << int(Qt::Key_Space) << none << false << QString() << line
        << QByteArray() << line << banner << QStringList{"opened a link"};
}

// Real key presses on the shown, active window: they go where the focus is.
void tst_MainWindow::keyboard()
{
    QFETCH(int, tabs);
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(bool, connected);
    QFETCH(QString, pasted);
    QFETCH(QString, line);
    QFETCH(QByteArray, sent);
    QFETCH(QString, input);
    QFETCH(QString, transcript);
    QFETCH(QStringList, outside);
    Harness h;
    QVERIFY(!connected || h.connect());
    QVERIFY(QTest::qWaitForWindowActive(h.form));
    QWindow *window = h.form->windowHandle();
    h.Text1->setText(QStringLiteral("line"));
    if (!pasted.isEmpty()) {
        // In the middle of the line, where the caret does not land at the
        // end anyway; typing goes on where the paste ended.
        h.Text1->setCursorPosition(2);
        QGuiApplication::clipboard()->setText(pasted);
        QTest::keyClick(window, Qt::Key_V, Qt::ControlModifier);
        QTest::keyClick(window, Qt::Key_Q);
    }
    QCOMPARE(h.Text1->displayText(), line);
    QCOMPARE(h.Text1->text(), line);
    for (int i = 0; i < tabs; ++i)
        QTest::keyClick(window, Qt::Key_Tab);
    QTextCursor caret = h.Text2->textCursor();
    caret.setPosition(2);
    h.Text2->setTextCursor(caret);
    QTest::keyClick(window, Qt::Key(key), Qt::KeyboardModifiers(modifiers));

    QCOMPARE(h.sentSoFar(), sent);
    QCOMPARE(h.Text1->text(), input);
    QCOMPARE(h.shown(), transcript);
    QStringList happened;
    if (h.gateway.connections() > 0)
        happened << QStringLiteral("connected");
    if (h.ended > 0)
        happened << QStringLiteral("ended");
    if (!h.opened.isEmpty())
        happened << QStringLiteral("opened a link");
    QCOMPARE(happened, outside);
    QVERIFY(h.errors.isEmpty());
    QVERIFY(h.cmdSend->isDefault());
}

void tst_MainWindow::sendSendsEchoesAndClears()
{
    Harness h;
    QVERIFY(h.connect());
    QVERIFY(h.serve("Username: "));

    // Never edited: the initial text goes out as it stands.
    h.cmdSend->click();
    h.Text1->setText(QStringLiteral("hello"));
    h.cmdSend->click();
    // The password is a line like any other, echoed in clear.
    h.Text1->setText(QStringLiteral("s3cret"));
    h.cmdSend->click();
    h.Text1->clear();
    h.cmdSend->click();
    h.Text1->setText(QStringLiteral("/kick "));
    h.cmdSend->click();

    const QByteArray expected = initialInput.toLatin1() + "\r\nhello\r\ns3cret\r\n\r\n/kick \r\n";
    QVERIFY(h.gateway.waitForReceived(expected.size()));
    QCOMPARE(h.gateway.received(), expected);
    QCOMPARE(h.shown(), banner + QStringLiteral("Username: ") + initialInput
                 + QStringLiteral("\nhello\ns3cret\n\n/kick \n"));
    QCOMPARE(h.Text1->text(), QString());
    QVERIFY(h.errors.isEmpty());
}

void tst_MainWindow::echoGoesToTheCaret()
{
    Harness h;
    QVERIFY(h.connect());
    // Nothing received yet: the caret is still at 0, in front of the banner.
    h.Text1->setText(QStringLiteral("first"));
    h.cmdSend->click();
    QCOMPARE(h.shown(), QStringLiteral("first\n") + banner);
    QCOMPARE(h.caret(), 6);

    // A caret the user placed in the middle of a line, with a selection.
    QTextCursor caret = h.Text2->textCursor();
    caret.setPosition(8);
    caret.setPosition(10, QTextCursor::KeepAnchor);
    h.Text2->setTextCursor(caret);
    h.Text1->setText(QStringLiteral("mid"));
    h.cmdSend->click();
    QCOMPARE(h.shown(), QStringLiteral("first\n\t\tmid\n**WELCOME TO VANTOR CHAT****\n"));

    // After LOG OFF and a new CONNECT, in front of the notice.
    h.Disconnect->click();
    QVERIFY(h.connect());
    h.Text1->setText(QStringLiteral("again"));
    h.cmdSend->click();
    QCOMPARE(h.shown(), QStringLiteral("again\n") + notice);
}

void tst_MainWindow::receiveAppendsAndMovesTheCaret()
{
    Harness h;
    QVERIFY(h.connect());
    // Typed into the transcript: kept, and the arrival comes after it.
    QTextCursor caret = h.Text2->textCursor();
    caret.movePosition(QTextCursor::End);
    h.Text2->setTextCursor(caret);
    QTest::keyClicks(h.Text2, QStringLiteral("mine"));
    caret = h.Text2->textCursor();
    caret.setPosition(2);
    caret.setPosition(5, QTextCursor::KeepAnchor);
    h.Text2->setTextCursor(caret);

    // A CR in one read and its LF in the next are one line break.
    QVERIFY(h.serve("Password: \r"));
    QVERIFY(h.serve("\n<b>1018</b> INFO\r\n"));
    QCOMPARE(h.shown(), banner + QStringLiteral("minePassword: \n<b>1018</b> INFO\n"));
    QCOMPARE(h.caret(), h.Text2->document()->characterCount() - 1);
    QVERIFY(!h.Text2->textCursor().hasSelection());
    // The newest text is in view.
    QScrollBar *bar = h.Text2->verticalScrollBar();
    QCOMPARE(bar->value(), bar->maximum());
}

void tst_MainWindow::refusedOperationsChangeNothing()
{
    Harness h;
    h.Text1->setText(QStringLiteral("hello"));
    const QString before = h.shown();

    h.cmdSend->click();
    h.cmdLogin->click();
    QCOMPARE(h.errors.size(), 2);
    QCOMPARE(h.Text1->text(), QStringLiteral("hello"));
    QCOMPARE(h.shown(), before);

    // While connecting, too: nothing may reach the server once it is connected.
    h.cmdConnect->click();
    h.cmdSend->click();
    h.cmdLogin->click();
    h.cmdConnect->click();
    QCOMPARE(h.errors.size(), 5);
    QVERIFY(reach(*h.session, ChatConnection::State::Connected));
    h.cmdConnect->click();
    QCOMPARE(h.errors.size(), 6);
    QCOMPARE(h.sentSoFar(), QByteArray());
    QCOMPARE(h.gateway.connections(), 1);
    QCOMPARE(h.Text1->text(), QStringLiteral("hello"));
    QCOMPARE(h.shown(), before);
    const QString notConnected = QStringLiteral("Not connected: press CONNECT first, then try again.");
    const QString stillConnecting = QStringLiteral("Still connecting to the server: wait a moment, then try again.");
    QCOMPARE(h.errors, QStringList({notConnected, notConnected, stillConnecting, stillConnecting,
                                    "Already connecting to the server: wait for it, or press LOG OFF to stop.",
                                    "Already connected: press LOG OFF before you connect again."}));
}

void tst_MainWindow::logOffWithAndWithoutConnection()
{
    Harness h;
    h.Disconnect->click();
    QCOMPARE(h.Text2->toPlainText(), notice);
    QCOMPARE(h.caret(), 0);
    QVERIFY(h.errors.isEmpty());

    QVERIFY(h.connect());
    QVERIFY(h.serve("hello\r\n"));
    h.Disconnect->click();
    QCOMPARE(h.Text2->toPlainText(), notice);
    QCOMPARE(h.caret(), 0);
    QVERIFY(h.gateway.waitForClientGone());
    QCOMPARE(h.session->state(), ChatConnection::State::Closed);

    // Reconnect: what arrives follows the notice's closing bracket directly.
    QVERIFY(h.connect());
    QVERIFY(h.serve("back"));
    QCOMPARE(h.shown(), notice + QStringLiteral("back"));
    QVERIFY(h.errors.isEmpty());
}

void tst_MainWindow::typedCharacterWithoutAByteEchoesWhatWasSent()
{
    Harness h;
    QVERIFY(h.connectAfterLogOff());
    h.Text1->setText(QStringLiteral("caf\u00e9 \u20ac\u0100\U0001F600!"));
    h.cmdSend->click();
    QVERIFY(h.gateway.waitForReceived(11));
    QCOMPARE(h.gateway.received(), QByteArray("caf\xe9 \x80?" "?!\r\n"));
    QCOMPARE(h.shown(), QStringLiteral("caf\u00e9 \u20ac?" "?!\n") + notice);
}

// CONNECT goes to the server's address, File > Connect to the service's
// name: with a name that cannot resolve, the one connects and the other fails.
void tst_MainWindow::connectEndpoints()
{
    Harness h(QStringLiteral("no..such..host"));
    QVERIFY(h.connect());
    h.Disconnect->click();
    h.item(QStringLiteral("mnuConnect"))->trigger();
    QVERIFY(reach(*h.session, ChatConnection::State::Error));
    QVERIFY(h.shown().endsWith(QStringLiteral("[Could not connect: the server's name was not found. Check that you are online, press LOG OFF, then try again.]\n")));
    QCOMPARE(h.gateway.connections(), 1);
}

void tst_MainWindow::linkOpensTheMakersSite()
{
    Harness h;
    // Tabbed to, it shows the focus.
    QVERIFY(QTest::qWaitForWindowActive(h.form));
    const QImage unfocused = h.csHyperlink1->grab().toImage();
    h.Text1->setFocus(); // the link is last in the tab order
    QTest::keyClick(h.form->windowHandle(), Qt::Key_Backtab);
    QCOMPARE(QApplication::focusWidget(), h.csHyperlink1);
    QVERIFY(h.csHyperlink1->grab().toImage() != unfocused);

    QTest::mouseClick(h.csHyperlink1, Qt::LeftButton);
    QCOMPARE(h.opened, QList<QUrl>{QUrl(QStringLiteral("http://www.ombrix.example/"))});
    QVERIFY(h.errors.isEmpty());
    // No browser: a box titled as the window says so and shows the address.
    h.browser = false;
    QTest::keyClick(h.form->windowHandle(), Qt::Key_Space);
    QCOMPARE(h.opened.size(), 2);
    QCOMPARE(h.errorTitles, QStringList{QStringLiteral("VANTOR BOT " VANTOR_VERSION)});
    QCOMPARE(h.errors, QStringList{"No web browser could be started for this address. You can copy it from here:\n"
                                   "http://www.ombrix.example/"});
    // The caption is shown whole, even in a stand-in font.
    const QFontMetrics metrics(h.csHyperlink1->font());
    if (underWine())
        QEXPECT_FAIL("", "Wine's offscreen platform measures DejaVu Sans unhinted, wider than it is drawn anywhere", Continue);
    QVERIFY2(metrics.horizontalAdvance(h.csHyperlink1->text()) <= h.csHyperlink1->contentsRect().width(),
             qPrintable(QStringLiteral("%1 > %2 at %3 pt").arg(metrics.horizontalAdvance(h.csHyperlink1->text()))
                            .arg(h.csHyperlink1->contentsRect().width()).arg(h.csHyperlink1->font().pointSizeF())));
}

QTEST_MAIN(tst_MainWindow)
#include "tst_mainwindow.moc"
