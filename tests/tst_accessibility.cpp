// SPDX-FileCopyrightText: 2026 The Ombrix <ombrix@ombrix.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "harness.h"

#include <QAccessible>
#include <QAction>
#include <QComboBox>
#include <QMenuBar>

class tst_Accessibility : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init() { failOnWarnings(); }
    void everyControlHasAName_data();
    void everyControlHasAName();
};

namespace {

// Roles a screen reader speaks as controls; containers and parts of a
// control (its viewport, the frames of its scroll bars) take their name from
// around them.
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
    case QAccessible::ScrollBar:
    case QAccessible::Window:
    case QAccessible::Dialog:
        return true;
    default:
        return false;
    }
}

struct Walk
{
    QStringList faults;
    int controls = 0;
    QStringList focused;
};

void walk(QAccessibleInterface *node, const QString &path, Walk &w)
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
            w.faults << where + QStringLiteral(" (not a link with a press action)");
    }
    // A label is read by its name: what it shows, not a name set over it.
    if (auto *label = qobject_cast<QLabel *>(node->object()); label && node->role() == QAccessible::StaticText
        && name != label->text())
        w.faults << where + QStringLiteral(" reads %1, shows %2").arg(name, label->text());
    if (isControl(node->role())) {
        ++w.controls;
        if (name.trimmed().isEmpty())
            w.faults << where + QStringLiteral(" (nameless)");
    }
    // An editable combo box and its text field are one control.
    const QAccessibleInterface *parent = node->parent();
    if (node->state().focused && !(parent && parent->role() == QAccessible::ComboBox && parent->state().focused))
        w.focused << where;
    for (int i = 0; i < node->childCount(); ++i)
        walk(node->child(i), where, w);
}

} // namespace

void tst_Accessibility::everyControlHasAName_data()
{
    QTest::addColumn<QString>("item"); // the menu item that opens the window; none for the main window
    QTest::addColumn<int>("minimum"); // controls the walk must at least meet
    QTest::newRow("main window") << QString() << 8 + 4 + 1;
    QTest::newRow("How do I") << "mnuHow" << 4;
    QTest::newRow("chat commands") << "mnuChat" << 4;
    QTest::newRow("About") << "mnuAbout" << 4;
}

// Every window as a screen reader meets it: a window named by its title,
// every control named, one object with the keyboard focus.
void tst_Accessibility::everyControlHasAName()
{
    QFETCH(QString, item);
    QFETCH(int, minimum);
    Harness h;
    QWidget *window = h.form;
    if (!item.isEmpty()) {
        h.form->findChild<QAction *>(item)->trigger();
        for (const char *name : {"frmHow", "frmChatCom", "Form2"}) {
            if (QWidget *w = openWindow(name); w && w->isVisible())
                window = w;
        }
        if (auto *answer = window->findChild<QPushButton *>(QStringLiteral("Command1")); answer && answer->text() == u"Answer!") {
            // An answer shown is what the label reads.
            window->findChild<QComboBox *>()->setCurrentIndex(1);
            answer->click();
        }
    }
    QVERIFY(QTest::qWaitForWindowActive(window));
    if (item.isEmpty()) {
        // The keyboard in the transcript, whose viewport must not claim it too.
        QTest::keyClick(window->windowHandle(), Qt::Key_Tab);
        QTest::keyClick(window->windowHandle(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), h.Text2);
    }
    QAccessibleInterface *top = QAccessible::queryAccessibleInterface(window);
    QVERIFY(top->role() == QAccessible::Window || top->role() == QAccessible::Dialog);
    QCOMPARE(top->text(QAccessible::Name), window->windowTitle());
    Walk w;
    walk(top, QString(), w);
    QVERIFY2(w.faults.isEmpty(), qPrintable(w.faults.join(u'\n')));
    QVERIFY2(w.controls >= minimum, qPrintable(QString::number(w.controls)));
    QVERIFY2(w.focused.size() == 1, qPrintable(w.focused.join(u'\n')));
    if (item.isEmpty()) {
        // The transcript reads as its lines, "\n" between them, at the
        // caret's offsets, however the document groups them; line after line
        // covers it with no gap, each line with its break.
        QVERIFY(h.connect());
        QByteArray received;
        for (int i = 0; i < 100; ++i)
            received += "<Player" + QByteArray::number(i) + "> hi\r\n";
        QVERIFY(h.serve(received + "Username: "));
        QAccessibleTextInterface *text = QAccessible::queryAccessibleInterface(h.Text2)->textInterface();
        QCOMPARE(text->text(0, text->characterCount()), h.shown());
        QCOMPARE(text->cursorPosition(), h.caret());
        QStringList lines;
        for (int at = 0, start, end, before, after; at < text->characterCount(); at = end) {
            lines << text->textAtOffset(at + int(lines.size() % 3), QAccessible::LineBoundary, &start, &end);
            QCOMPARE(start, at);
            if (end == text->characterCount())
                break; // the prompt, with no break after it
            QCOMPARE(text->textBeforeOffset(end, QAccessible::LineBoundary, &before, &after), lines.last());
            QCOMPARE(before, start);
            QVERIFY(!text->textAfterOffset(start, QAccessible::LineBoundary, &before, &after).isEmpty());
            QCOMPARE(before, end);
        }
        QCOMPARE(lines.size(), 102);
        QCOMPARE(lines.join(QString()), h.shown());
        QCOMPARE(lines.value(1), QStringLiteral("<Player0> hi\n"));

        // Following the link from a screen reader opens it.
        QAccessibleInterface *link = QAccessible::queryAccessibleInterface(h.csHyperlink1);
        link->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        QCOMPARE(h.opened, QList<QUrl>{QUrl(QStringLiteral("http://www.ombrix.example/"))});
    }
}

QTEST_MAIN(tst_Accessibility)
#include "tst_accessibility.moc"
