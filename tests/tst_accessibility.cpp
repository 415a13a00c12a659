// SPDX-FileCopyrightText: 2026 The Ombrix <ombrix@ombrix.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "harness.h"
#include "announcer.h"
#include "receivedspeech.h"

#include <QAccessible>
#include <QAction>
#include <QComboBox>
#include <QMenu>
#include <QMenuBar>
#include <QSysInfo>

class tst_Accessibility : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init() { failOnWarnings(); }
    void everyControlHasAName_data();
    void everyControlHasAName();
    void whatIsSpoken_data();
    void whatIsSpoken();
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
            received += "<Player" + QByteArray::number(i) + "> hi\r\n" + (i == 49 ? "\r\n" : "");
        QVERIFY(h.serve(received + "Username: "));
        QAccessibleTextInterface *text = QAccessible::queryAccessibleInterface(h.Text2)->textInterface();
        QCOMPARE(text->text(0, text->characterCount()), h.shown());
        QCOMPARE(text->cursorPosition(), h.caret());
        QStringList lines;
        for (int at = 0, start, end, before, after; at < text->characterCount(); at = end) {
            lines << text->textAtOffset(at, QAccessible::LineBoundary, &start, &end);
            QCOMPARE(start, at);
            int from, to; // the same line from its last character, its break
            QCOMPARE(text->textAtOffset(end - 1, QAccessible::LineBoundary, &from, &to), lines.last());
            QCOMPARE(from, start);
            if (end == text->characterCount())
                break; // the prompt, with no break after it
            QCOMPARE(text->textBeforeOffset(end, QAccessible::LineBoundary, &before, &after), lines.last());
            QCOMPARE(before, start);
            QVERIFY(!text->textAfterOffset(start, QAccessible::LineBoundary, &before, &after).isEmpty());
            QCOMPARE(before, end);
        }
        QCOMPARE(lines.size(), 103);
        QCOMPARE(lines.join(QString()), h.shown());
        QCOMPARE(lines.value(1), QStringLiteral("<Player0> hi\n"));
        QCOMPARE(lines.value(51), QStringLiteral("\n")); // an empty line is a line of its own
        QCOMPARE(lines.value(52), QStringLiteral("<Player50> hi\n"));

        // Following the link from a screen reader opens it.
        QAccessibleInterface *link = QAccessible::queryAccessibleInterface(h.csHyperlink1);
        link->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        QCOMPARE(h.opened, QList<QUrl>{QUrl(QStringLiteral("http://www.ombrix.example/"))});
    }
}

namespace {

// What the program tells a screen reader, in order: the input line's focus,
// caret and selection moves, and what appears to be said (the announcer's
// name as it is shown, which a screen reader speaks).
struct Told : QObject
{
    QStringList said;
    bool eventFilter(QObject *object, QEvent *event) override
    {
        if (event->type() == QEvent::Show) {
            if (auto *announcer = qobject_cast<Announcer *>(object))
                said << QStringLiteral("say ") + announcer->accessibleName();
        } else if (event->type() == QEvent::FocusIn && object->objectName() == u"Text1") {
            said << QStringLiteral("focus Message");
        }
        return false;
    }
};

// The main window, shown and active, and what it tells a screen reader.
struct Listening
{
    Harness h;
    Told told;
    Listening()
    {
        QApplication::setActiveWindow(h.form);
        qApp->installEventFilter(&told);
        auto moved = [this] { told.said << QStringLiteral("caret or selection Message"); };
        QObject::connect(h.Text1, &QLineEdit::cursorPositionChanged, &told, moved);
        QObject::connect(h.Text1, &QLineEdit::selectionChanged, &told, moved);
    }
    ~Listening() { qApp->removeEventFilter(&told); }
};

// What a person does, and what the test checks on the way.
using Step = void (*)(Listening &);

} // namespace

Q_DECLARE_METATYPE(Step)

void tst_Accessibility::whatIsSpoken_data()
{
    QTest::addColumn<Step>("step");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("Shift+Tab into the input line: the focus alone, no caret move before it") << Step([](Listening &l) {
        l.h.Text1->setCursorPosition(3); // not at the end: the caret is not moved on its way in
        QTest::keyClick(l.h.form->windowHandle(), Qt::Key_Tab);
        l.told.said.clear();
        QTest::keyClick(l.h.form->windowHandle(), Qt::Key_Backtab);
        QCOMPARE(l.h.Text1->cursorPosition(), 3);
        QVERIFY(!l.h.Text1->hasSelectedText());
        // The whole line is one run of text: a reader that builds the line
        // from runs says it to its last character.
        QAccessibleTextInterface *text = QAccessible::queryAccessibleInterface(l.h.Text1)->textInterface();
        int start = -1, end = -1;
        text->attributes(25, &start, &end);
        QCOMPARE(start, 0);
        QCOMPARE(end, 26);
    }) << QStringList{"focus Message"};
    QTest::newRow("a menu says its name as it opens, where the reader does not") << Step([](Listening &l) {
        QMenu *menu = l.h.item("mnuHelp")->menu();
        menu->popup(QPoint());
        QCOMPARE(QAccessible::queryAccessibleInterface(menu)->text(QAccessible::Name), QStringLiteral("Help"));
        menu->hide();
        l.told.said.removeIf([](const QString &t) { return t.startsWith(u"focus"); });
    }) << (QSysInfo::productType() == u"windows" ? QStringList() : QStringList{"say Help menu"}); // NVDA and Narrator say it
    QTest::newRow("received lines are said once, together, after a pause") << Step([](Listening &l) {
        QVERIFY(l.h.connect());
        l.told.said.clear();
        l.h.gateway.send("<Player1> hi\r\n");
        l.h.gateway.send("<Player2> there\r\n\x01\r\n");
        QVERIFY(QTest::qWaitFor([&] { return !l.told.said.isEmpty(); }));
        QTest::qWait(2 * ReceivedSpeech::quietMilliseconds); // nothing more, nothing twice
        QCOMPARE(l.h.Text1->text(), initialInput); // nobody took the keyboard
        QCOMPARE(QApplication::focusWidget(), l.h.Text1);
    }) << QStringList{"say <Player1> hi\n<Player2> there"};
    QTest::newRow("an answer is said where it appears") << Step([](Listening &l) {
        l.h.item("mnuHow")->trigger();
        QWidget *how = openWindow("frmHow");
        auto *question = how->findChild<QComboBox *>();
        // Named by a label, not by its text.
        const auto labels = QAccessible::queryAccessibleInterface(question)->relations(QAccessible::Label);
        QCOMPARE(labels.size(), 1);
        QCOMPARE(labels.first().first->text(QAccessible::Name), QStringLiteral("Question"));
        question->setCurrentIndex(1);
        l.told.said.clear();
        how->findChild<QPushButton *>(QStringLiteral("Command1"))->click();
    }) << QStringList{"say You have to push 'connect'. Then you should see a screen asking for your username, type "
                      "it in, then your password, then your in! Just mke sure you connect first..."};
}

void tst_Accessibility::whatIsSpoken()
{
    QFETCH(Step, step);
    QFETCH(QStringList, expected);
#ifdef Q_OS_WIN
    if (expected.join(u"|").contains(u"say "))
        QSKIP("said through UI Automation, which the Windows end-to-end test hears");
#endif
    Listening l;
    QVERIFY(QTest::qWaitForWindowActive(l.h.form));
    step(l);
    if (QTest::currentTestFailed())
        return;
    qApp->removeEventFilter(&l.told);
    QCOMPARE(l.told.said.join(u"|"), expected.join(u"|"));
}

QTEST_MAIN(tst_Accessibility)
#include "tst_accessibility.moc"
