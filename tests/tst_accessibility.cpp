// SPDX-FileCopyrightText: 2026 The Ombrix <ombrix@ombrix.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "harness.h"

#include <QAccessible>
#include <QAction>
#include <QMenuBar>

class tst_Accessibility : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void everyControlHasAName_data();
    void everyControlHasAName();
};

namespace {

// Roles a screen reader speaks as controls; containers and parts of a
// control (its scroll bars, its viewport) take their name from around them.
bool isControl(QAccessible::Role role)
{
    switch (role) {
    case QAccessible::PushButton:
    case QAccessible::EditableText:
    case QAccessible::ComboBox:
    case QAccessible::StaticText:
    case QAccessible::Link:
    case QAccessible::MenuItem:
    case QAccessible::Grouping:
    case QAccessible::Window:
    case QAccessible::Dialog:
        return true;
    default:
        return false;
    }
}

void collectNameless(QAccessibleInterface *node, const QString &path, QStringList &nameless, int &controls)
{
    if (!node || node->state().invisible)
        return;
    const QString name = node->text(QAccessible::Name);
    const QString where = path + u'/' + QString::number(node->role(), 16) + u':'
        + (node->object() ? node->object()->objectName() + QLatin1String(node->object()->metaObject()->className()) : QString());
    if (node->object() && node->object()->objectName() == u"csHyperlink1") {
        // A link, followed by its press action.
        if (node->role() != QAccessible::Link || !node->actionInterface()
            || !node->actionInterface()->actionNames().contains(QAccessibleActionInterface::pressAction()))
            nameless << where + QStringLiteral(" (not a link with a press action)");
    }
    if (isControl(node->role())) {
        ++controls;
        if (name.trimmed().isEmpty())
            nameless << where;
    }
    for (int i = 0; i < node->childCount(); ++i)
        collectNameless(node->child(i), where, nameless, controls);
}

} // namespace

void tst_Accessibility::everyControlHasAName_data()
{
    QTest::addColumn<QString>("item"); // the menu item that opens the window; none for the main window
    QTest::addColumn<int>("minimum"); // controls the walk must at least meet
    QTest::newRow("main window") << QString() << 8 + 4;
    QTest::newRow("How do I") << "mnuHow" << 4;
    QTest::newRow("chat commands") << "mnuChat" << 4;
    QTest::newRow("About") << "mnuAbout" << 4;
}

void tst_Accessibility::everyControlHasAName()
{
    QFETCH(QString, item);
    QFETCH(int, minimum);
    Harness h;
    QWidget *window = h.form;
    if (!item.isEmpty()) {
        h.form->menuAction(item)->trigger();
        window = QApplication::activeWindow() ? QApplication::activeWindow() : nullptr;
        for (const char *name : {"frmHow", "frmChatCom", "Form2"}) {
            if (QWidget *w = openWindow(name); w && w->isVisible())
                window = w;
        }
    }
    QVERIFY(QTest::qWaitForWindowExposed(window));
    QStringList nameless;
    int controls = 0;
    collectNameless(QAccessible::queryAccessibleInterface(window), QString(), nameless, controls);
    QVERIFY2(nameless.isEmpty(), qPrintable(nameless.join(u'\n')));
    QVERIFY2(controls >= minimum, qPrintable(QString::number(controls)));
    QVERIFY(!window->windowTitle().isEmpty());
    if (item.isEmpty()) {
        // Following the link from a screen reader opens it.
        QAccessibleInterface *link = QAccessible::queryAccessibleInterface(h.csHyperlink1);
        link->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        QCOMPARE(h.opened, QList<QUrl>{QUrl(QStringLiteral("http://www.ombrix.example/"))});
    }
}

QTEST_MAIN(tst_Accessibility)
#include "tst_accessibility.moc"
