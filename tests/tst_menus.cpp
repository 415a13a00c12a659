// SPDX-FileCopyrightText: 2026 The Ombrix <ombrix@ombrix.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "harness.h"
#include "inputline.h"

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QSignalSpy>

class tst_Menus : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init() { failOnWarnings(); }
    void tree_data();
    void tree();
    void accessKeysOpenMenusAndItems();
    void prefills_data();
    void prefills();
    void fileItemsRunTheButtonsOperations();
};

void tst_Menus::tree_data()
{
    QTest::addColumn<QString>("menu");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QStringList>("items"); // "name caption", a separator's caption "-"
    QTest::newRow("File") << "mnuFile" << "&File"
        << QStringList{"mnuConnect &Connect", "mnuLogIn &LogIn", "mnuDis &Disconnect", "mnuLine4 -",
                       "mnuOmbrix &OMBRIX", "mnuZORVA &ZORVA", "mnuGloam &GloamRiders", "mnuLine1 -",
                       "mnuExit &Exit"};
    QTest::newRow("Edit") << "mnuEdit" << "&Edit"
        << QStringList{"mnuCopy &Copy", "mnuCut C&ut", "mnuSelect &Select All", "mnuLine2 -",
                       "mnuClip Clea&r Clipboard", "mnuClear Cl&ear Screen"};
    QTest::newRow("Options") << "mnuChatComm" << "&Options"
        << QStringList{"mnuAway &Mark as Away", "mnuDND Mark as &DND", "mnuSquelch &Squelch User",
                       "mnuUnsquelch &UnSquelch User", "mnuJoin &Join Channel", "mnuFind &Find User",
                       "mnuList &View Channel List", "mnuLine3 -", "mnuKick &Kick User",
                       "mnuBan &Ban User", "mnuUnban U&nBan", "mnuDesignate &Designate User"};
    QTest::newRow("Help") << "mnuHelp" << "&Help"
        << QStringList{"mnuAbout &About", "mnuHow &How do I...", "mnuContact &Contact Us",
                       "mnuChat &Battle.net Chat Commands"};
}

void tst_Menus::tree()
{
    QFETCH(QString, menu);
    QFETCH(QString, caption);
    QFETCH(QStringList, items);
    Harness h;
    const QList<QAction *> bar = h.form->menuBar()->actions();
    QCOMPARE(bar.size(), 4);
    const QStringList order = {"mnuFile", "mnuEdit", "mnuChatComm", "mnuHelp"};
    QAction *top = bar.value(order.indexOf(menu));
    QVERIFY(top && top->menu());
    QCOMPARE(top->menu()->objectName(), menu);
    QCOMPARE(top->text(), caption);

    QStringList built;
    for (QAction *action : top->menu()->actions()) {
        built << action->objectName() + u' ' + (action->isSeparator() ? QStringLiteral("-") : action->text());
        QVERIFY(action->shortcut().isEmpty());
        QVERIFY(action->isEnabled() && action->isVisible() && !action->isCheckable());
        QVERIFY(!action->menu());
        QCOMPARE(h.item(action->objectName()), action);
    }
    QCOMPARE(built, items);
}

// Alt and the letter open a menu, the letter alone picks its item.
void tst_Menus::accessKeysOpenMenusAndItems()
{
    Harness h;
    QVERIFY(QTest::qWaitForWindowActive(h.form));
    QTest::keyClick(h.form, Qt::Key_O, Qt::AltModifier);
    QVERIFY(QTest::qWaitFor([] { return QApplication::activePopupWidget() != nullptr; }));
    QCOMPARE(QApplication::activePopupWidget()->objectName(), QStringLiteral("mnuChatComm"));
    QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_M); // &Mark as Away
    QVERIFY(QTest::qWaitFor([] { return QApplication::activePopupWidget() == nullptr; }));
    QCOMPARE(h.Text1->text(), QStringLiteral("/away "));

    QTest::keyClick(h.form, Qt::Key_F, Qt::AltModifier);
    QVERIFY(QTest::qWaitFor([] { return QApplication::activePopupWidget() != nullptr; }));
    QCOMPARE(QApplication::activePopupWidget()->objectName(), QStringLiteral("mnuFile"));
    QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_C); // &Connect
    QVERIFY(h.gateway.waitForConnections(1));
}

void tst_Menus::prefills_data()
{
    QTest::addColumn<QString>("item");
    QTest::addColumn<QString>("text");
    QTest::newRow("away") << "mnuAway" << "/away ";
    QTest::newRow("DND, in capitals") << "mnuDND" << "/DND ";
    QTest::newRow("squelch") << "mnuSquelch" << "/squelch ";
    QTest::newRow("Unsquelch, capital U") << "mnuUnsquelch" << "/Unsquelch ";
    QTest::newRow("join") << "mnuJoin" << "/join ";
    QTest::newRow("find user is whois") << "mnuFind" << "/whois ";
    QTest::newRow("channel list is who") << "mnuList" << "/who ";
    QTest::newRow("kick") << "mnuKick" << "/kick ";
    QTest::newRow("ban") << "mnuBan" << "/ban ";
    QTest::newRow("unban") << "mnuUnban" << "/unban ";
    QTest::newRow("designate") << "mnuDesignate" << "/designate ";
}

void tst_Menus::prefills()
{
    QFETCH(QString, item);
    QFETCH(QString, text);
    Harness h;
    QVERIFY(QTest::qWaitForWindowActive(h.form));
    h.Text1->setText(QStringLiteral("typed but not sent"));
    h.Text1->setSelection(2, 4);
    h.cmdConnect->setFocus();
    const QString before = h.shown();

    h.item(QStringLiteral("mnuKick"))->trigger(); // a first prefill is replaced whole
    h.item(item)->trigger();
    QCOMPARE(h.Text1->text(), text);
    QCOMPARE(h.Text1->cursorPosition(), 0);
    QVERIFY(!h.Text1->hasSelectedText());
    QCOMPARE(QApplication::focusWidget(), h.cmdConnect);
    QCOMPARE(h.shown(), before);
    QVERIFY(h.errors.isEmpty()); // nothing was sent, so nothing was refused

    // Typed at once, text lands in front of the prefix.
    h.Text1->setFocus(Qt::TabFocusReason);
    QTest::keyClicks(h.Text1, QStringLiteral("x"));
    QCOMPARE(h.Text1->text(), u'x' + text);
}

void tst_Menus::fileItemsRunTheButtonsOperations()
{
    Harness h;
    auto item = [&](const char *name) { return h.item(QLatin1String(name)); };
    // LogIn with no connection is refused just as LOGIN is.
    item("mnuLogIn")->trigger();
    QCOMPARE(h.errors.size(), 1);

    item("mnuConnect")->trigger(); // to "localhost", the gateway
    QVERIFY(h.gateway.waitForConnections(1));
    QVERIFY(reach(*h.session, ChatConnection::State::Connected));
    item("mnuLogIn")->trigger();
    QVERIFY(h.gateway.waitForReceived(6));
    QCOMPARE(h.gateway.received(), QByteArray("\x03\x04\r\n\r\n", 6));

    item("mnuDis")->trigger();
    QCOMPARE(h.Text2->toPlainText(), notice);
    QVERIFY(h.gateway.waitForClientGone());

    item("mnuExit")->trigger();
    QCOMPARE(h.ended, 1);

    // The group items show their notices, and touch nothing else.
    for (const char *name : {"mnuOmbrix", "mnuZORVA", "mnuGloam"})
        item(name)->trigger();
    QCOMPARE(h.notices.size(), 3);
    QCOMPARE(h.Text2->toPlainText(), notice);
    QCOMPARE(h.errors.size(), 1);
}

QTEST_MAIN(tst_Menus)
#include "tst_menus.moc"
