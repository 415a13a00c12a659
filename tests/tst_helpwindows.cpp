// SPDX-FileCopyrightText: 2026 The Ombrix <ombrix@ombrix.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "aboutwindow.h"
#include "harness.h"
#include "lookuptable.h"
#include "wordwraplabel.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QScreen>
#include <QScrollBar>
#include <QSignalSpy>
#include <QWindow>

class tst_HelpWindows : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init() { failOnWarnings(); }
    void lookup_data();
    void lookup();
    void pickShowsTheStartAndAnswersNothing();
    void answersWrapAtSpacesOnly();
    void layout_data();
    void layout();
    void oneWindowOfEachKind_data();
    void oneWindowOfEachKind();
    void aboutWindow();
    void contactNotices_data();
    void contactNotices();
    void programEndsWithItsLastWindow();
    void exitEndsEveryWindow();
};

namespace {

const LookupTable &tableOf(const QString &window)
{
    return window == u"frmHow" ? LookupTable::questions() : LookupTable::chatCommands();
}

// The About text, character for character.
const QString aboutParagraph = QStringLiteral(
    "Vantor chat v1.00 is the first ever chatting client by: Vantor. The product design was "
    "thought of for years, and I always wanted to make one but never seemed to get it to "
    "connect... Well by tweeking with the code that I first had, I got it to work. How nice :). "
    "If you want to know about me, you can always click on the link below to my homepage. This "
    "product was left off my desktop virus free. It was scanned with \"The Cleaner2.03\" With "
    "updated virus defanitions, and Nortan Antivirus 5.0 with updated virus defanitions. So if "
    "you have found a virus, it wasn't from me... I am no way responcable for how you use this "
    "program. You can spam, or whatever, but that's why ~Velmora~ or whatever the hell her name "
    "is, stopped making her bot. So don't make me do that :). O well till then, cya later!");

// A lookup window and its controls, found by their design names.
struct Lookup
{
    QWidget *window;
    QComboBox *Combo1;
    QPushButton *Command1;
    QLabel *Label1;
};

// How "Answer!" is pressed: clicked, Tab to it and Enter, or Enter in the
// field first and then clicked.
using Press = void (*)(const Lookup &);

Lookup open(Harness &h, const QString &window)
{
    const bool how = window == u"frmHow";
    h.item(QLatin1String(how ? "mnuHow" : "mnuChat"))->trigger();
    QWidget *w = openWindow(how ? "frmHow" : "frmChatCom");
    return {w, child<QComboBox>(w, "Combo1"), child<QPushButton>(w, "Command1"),
            child<QLabel>(w, "Label1")};
}

} // namespace

Q_DECLARE_METATYPE(Press)

void tst_HelpWindows::lookup_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QStringList>("typed"); // "Answer!" is pressed after each
    QTest::addColumn<Press>("press");
    QTest::addColumn<QString>("answer");    // what the label shows at the end
    const Press click = [](const Lookup &w) { QTest::mouseClick(w.Command1, Qt::LeftButton); };
    const Press tab = [](const Lookup &w) {
        QTest::keyClick(w.window->windowHandle(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), w.Command1);
        QTest::keyClick(w.window->windowHandle(), Qt::Key_Return);
    };
    const Press enter = [](const Lookup &w) {
        QTest::keyClick(w.window->windowHandle(), Qt::Key_Return);
        QTest::mouseClick(w.Command1, Qt::LeftButton);
    };
    const QString chat = QStringLiteral(
        "You have to connect, then login, then type! It's not to hard... If you do not know any of the "
        "battle.net commands, there are a list of them under 'Help'. I put some of the important ones "
        "under the 'Options' Menu");
    QTest::newRow("prompt") << "frmHow" << QStringList{} << click << "";
    QTest::newRow("typed exactly") << "frmHow" << QStringList{"What's my Username and Pass?"} << click
        << "It's what you use to sign onto the server. You have to first open up a battle.net supported "
           "game, like: Diablo, Starcraft, Warcraft2 platnium, and register an account. You can then sign "
           "in with your bot.";
    QTest::newRow("lower case keeps the answer")
        << "frmHow" << QStringList{"How do I chat?", "how do i chat?"} << click << chat;
    QTest::newRow("wrong case alone answers nothing") << "frmHow" << QStringList{"how do i chat?"} << click << "";
    QTest::newRow("trailing space") << "frmHow" << QStringList{"How do I connect? "} << tab << "";
    QTest::newRow("Enter on the focused button")
        << "frmHow" << QStringList{"I have a question, Where can I send it?"} << tab
        << "You can send all questions, comments, bug reports, or whatever to: ombrix@ombrix.example.";
    QTest::newRow("command prompt") << "frmChatCom" << QStringList{} << tab << "";
    QTest::newRow("last command") << "frmChatCom" << QStringList{"/unban <USER>"} << click
                                  << "You know what this is DAMNIT!";
    QTest::newRow("whole string only") << "frmChatCom" << QStringList{"/who <CHANNEL>"} << click
                                       << "This will tell you who's in th channel. EX: /who CHEATERS";
    QTest::newRow("capitals match nothing") << "frmChatCom" << QStringList{"/dnd <TEXT>", "/DND <TEXT>"}
                                            << click << "This will do the same as away... Kinda dumb";
    QTest::newRow("no placeholder, nothing completed") << "frmChatCom" << QStringList{"/whois"} << click << "";
    QTest::newRow("Enter in the field changes nothing")
        << "frmChatCom" << QStringList{"/whoami", "/WHOAMI"} << enter
        << "This will tell you your battle.net account information, including your current location.";
    QTest::newRow("markup stays text") << "frmChatCom" << QStringList{"/me <TEXT>"} << click
        << "This will display yellow text, EX: if you typed '/me IS GOD' It would look like this: <NAME: IS GOD>";
}

// Typed, clicked and pressed as a person does, on the shown, active window:
// the field keeps exactly what was typed, and the lookup uses it as typed.
void tst_HelpWindows::lookup()
{
    QFETCH(QString, window);
    QFETCH(QStringList, typed);
    QFETCH(Press, press);
    QFETCH(QString, answer);
    Harness h;
    const Lookup w = open(h, window);
    QVERIFY(QTest::qWaitForWindowActive(w.window));
    QCOMPARE(QApplication::focusWidget(), w.Combo1);
    press(w);
    for (const QString &text : typed) {
        QTest::mouseClick(w.Combo1->lineEdit(), Qt::LeftButton);
        QTest::keyClick(w.window->windowHandle(), Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(QApplication::focusWidget(), text);
        press(w);
        QCOMPARE(w.Combo1->currentText(), text);
    }
    QCOMPARE(w.Label1->text(), answer);
    QCOMPARE(w.Label1->textFormat(), Qt::PlainText);
    QCOMPARE(w.Combo1->count(), window == u"frmHow" ? 6 : 18); // the list is never changed
}

// A pick from the list fills the field, showing its start, and answers nothing.
void tst_HelpWindows::pickShowsTheStartAndAnswersNothing()
{
    Harness h;
    const Lookup w = open(h, QStringLiteral("frmHow"));
    QVERIFY(QTest::qWaitForWindowActive(w.window));
    QTest::keyClick(w.window->windowHandle(), Qt::Key_Down, Qt::AltModifier);
    QVERIFY(QTest::qWaitFor([] { return QApplication::activePopupWidget() != nullptr; }));
    for (int i = 0; i < 6; ++i)
        QTest::keyClick(w.Combo1->view(), Qt::Key_Down);
    QTest::keyClick(w.Combo1->view(), Qt::Key_Return);
    QVERIFY(QTest::qWaitFor([] { return QApplication::activePopupWidget() == nullptr; }));
    QCOMPARE(w.Combo1->currentText(), QStringLiteral("I have a question, Where can I send it?"));
    QCOMPARE(w.Combo1->lineEdit()->cursorPosition(), 0);
    QCOMPARE(w.Label1->text(), QString());
}

// The answers wrap at spaces only: a chat command is never torn apart.
void tst_HelpWindows::answersWrapAtSpacesOnly()
{
    Harness h;
    for (const QString &window : {QStringLiteral("frmHow"), QStringLiteral("frmChatCom")}) {
        const Lookup w = open(h, window);
        QVERIFY(qobject_cast<WordWrapLabel *>(w.Label1));
        const QFontMetrics metrics(w.Label1->font());
        const int width = w.Label1->contentsRect().width();
        const LookupTable &table = tableOf(window);
        for (const QString &key : table.keys()) {
            const QString text = table.lookup(key);
            const QStringList lines = WordWrapLabel::wrap(text, metrics, width);
            QCOMPARE(lines.join(u' '), text);
            for (const QString &line : lines)
                QVERIFY2(metrics.horizontalAdvance(line) <= width || !line.contains(u' '), qPrintable(line));
            QVERIFY(lines.size() * metrics.lineSpacing() <= w.Label1->contentsRect().height());
        }
    }
}

void tst_HelpWindows::layout_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QSize>("client"); // in pixels: the design's twips, 15 to a pixel
    QTest::addColumn<QList<QRect>>("controls"); // combo, button, label; for Form2 frame, label, link, button
    QTest::newRow("frmHow") << "frmHow" << "How do I...." << QSize(321, 127)
        << QList<QRect>{{8, 8, 233, 21}, {248, 8, 65, 21}, {8, 32, 305, 89}};
    QTest::newRow("frmChatCom") << "frmChatCom" << "CHAT COMMANDS" << QSize(265, 146)
        << QList<QRect>{{8, 8, 185, 21}, {200, 8, 57, 21}, {8, 32, 249, 105}};
    QTest::newRow("Form2") << "Form2" << "ABOUT VANTOR CHAT" << QSize(370, 219)
        << QList<QRect>{{0, 0, 369, 169}, {8, 16, 353, 145}, {0, 168, 369, 17}, {152, 192, 65, 25}};
}

void tst_HelpWindows::layout()
{
    QFETCH(QString, window);
    QFETCH(QString, title);
    QFETCH(QSize, client);
    QFETCH(QList<QRect>, controls);
    Harness h;
    QWidget *w = nullptr;
    QList<QWidget *> parts;
    if (window == u"Form2") {
        h.item(QStringLiteral("mnuAbout"))->trigger();
        w = openWindow("Form2");
        for (const char *name : {"Frame1", "Label1", "csHyperlink1", "Command1"})
            parts << child(w, name);
        QCOMPARE(parts[1]->parentWidget(), parts[0]);
    } else {
        const Lookup lookup = open(h, window);
        w = lookup.window;
        parts = {lookup.Combo1, lookup.Command1, lookup.Label1};
        QCOMPARE(lookup.Combo1->palette().color(QPalette::Text), QColor(255, 0, 0));
        QCOMPARE(lookup.Label1->palette().color(QPalette::WindowText), QColor(0, 192, 0));
        // The list's scroll bar keeps the platform's colours, or its thumb vanishes.
        const QPalette bar = lookup.Combo1->view()->verticalScrollBar()->palette();
        QCOMPARE(bar.color(QPalette::Button), QApplication::palette().color(QPalette::Button));
    }
    QVERIFY(w);
    QCOMPARE(w->windowTitle(), title);
    QCOMPARE(w->size(), client);
    QCOMPARE(w->minimumSize(), w->maximumSize());
    QVERIFY((w->windowFlags() & Qt::WindowType_Mask) == Qt::Tool);
    QVERIFY(!(w->windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));
    QVERIFY(!w->parentWidget()); // no owner
    for (qsizetype i = 0; i < parts.size(); ++i)
        QCOMPARE(parts[i]->geometry(), controls[i]);
}

void tst_HelpWindows::oneWindowOfEachKind_data()
{
    QTest::addColumn<QString>("item");
    QTest::addColumn<int>("items");
    QTest::addColumn<QString>("prompt");
    QTest::newRow("How do I") << "mnuHow" << 6 << "Select your Question...";
    QTest::newRow("Chat commands") << "mnuChat" << 18 << "Select the Command";
}

void tst_HelpWindows::oneWindowOfEachKind()
{
    QFETCH(QString, item);
    QFETCH(int, items);
    QFETCH(QString, prompt);
    Harness h;
    const QString name = item == u"mnuHow" ? QStringLiteral("frmHow") : QStringLiteral("frmChatCom");
    const Lookup first = open(h, name);
    QCOMPARE(first.Combo1->currentText(), prompt);
    QCOMPARE(first.Combo1->currentIndex(), -1);
    first.Combo1->setCurrentIndex(0);
    first.Command1->click();
    const QString answer = first.Label1->text();
    QVERIFY(!answer.isEmpty());

    // Again while open, even minimised by a window manager that offers it: the
    // same window, restored and in front, its content kept.
    first.window->showMinimized();
    h.item(item)->trigger();
    QVERIFY(!first.window->isMinimized());
    QCOMPARE(open(h, name).window, first.window);
    QCOMPARE(first.Label1->text(), answer);
    QCOMPARE(QApplication::topLevelWidgets().count(first.window), 1);
    qsizetype windows = h.programWindows();

    // Closed and opened again, however often: made afresh.
    for (int round = 0; round < 20; ++round) {
        QPointer<QWidget> gone = open(h, name).window;
        QVERIFY(QTest::qWaitFor([&] { return QApplication::activeWindow() == gone; }));
        QVERIFY(gone->close());
        QVERIFY(QTest::qWaitFor([&] { return gone.isNull(); }));
        // The window it was opened from has the keyboard again.
        QVERIFY(QTest::qWaitFor([&] { return QApplication::activeWindow() == h.form; }));
        QCOMPARE(h.programWindows(), windows - 1);
        const Lookup fresh = open(h, name);
        QCOMPARE(fresh.Combo1->count(), items);
        QCOMPARE(fresh.Combo1->currentText(), prompt);
        QCOMPARE(fresh.Label1->text(), QString());
        QCOMPARE(h.programWindows(), windows);
    }
}

void tst_HelpWindows::aboutWindow()
{
    Harness h;
    QVERIFY(h.connect());
    h.item(QStringLiteral("mnuHow"))->trigger();
    QPointer<QWidget> about;
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    for (int round = 0; round < 3; ++round) {
        h.form->activateWindow();
        QVERIFY(QTest::qWaitFor([&] { return QApplication::activeWindow() == h.form; }));
        h.item(QStringLiteral("mnuAbout"))->trigger();
        h.item(QStringLiteral("mnuAbout"))->trigger();
        about = openWindow("Form2");
        QVERIFY(about);
        QVERIFY(QTest::qWaitFor([&] { return QApplication::activeWindow() == about; }));
        auto *text = child<QLabel>(about, "Label1");
        auto *link = child<QLabel>(about, "csHyperlink1");
        auto *close = child<QPushButton>(about, "Command1");
        QCOMPARE(QApplication::topLevelWidgets().count(about.data()), 1);
        QVERIFY(qAbs(about->geometry().center().x() - screen.center().x()) <= 1);
        QVERIFY(qAbs(about->geometry().center().y() - screen.center().y()) <= 1);
        QCOMPARE(text->text(), aboutParagraph);
        // All of it is shown, even in a stand-in font wider than the designed one.
        const QRect room = text->contentsRect();
        QVERIFY(QFontMetrics(text->font()).boundingRect(room, Qt::TextWordWrap, aboutParagraph).height() <= room.height());
        QVERIFY(text->text().contains(QStringLiteral("with \"The Cleaner2.03\" With")));
        QCOMPARE(child<QGroupBox>(about, "Frame1")->title(), QStringLiteral("ABOUT"));
        QCOMPARE(close->text(), QStringLiteral("Close"));
        QVERIFY(!close->isDefault());

        // Where no browser starts, a box titled as the window shows the address.
        h.browser = round != 1;
        QTest::mouseClick(link, Qt::LeftButton);
        QCOMPARE(h.opened.size(), round + 1);
        QCOMPARE(h.opened.last(), QUrl(QStringLiteral("http://www.ombrix.example/")));
        QCOMPARE(h.errors.size(), round == 0 ? 0 : 1);
        if (round == 1) {
            QVERIFY(h.errors[0].endsWith(QStringLiteral("\nhttp://www.ombrix.example/")));
            QCOMPARE(h.errorTitles[0], QStringLiteral("ABOUT VANTOR CHAT"));
        }
        QCOMPARE(link->text(), QStringLiteral("http://www.ombrix.example/"));
        QVERIFY(about->isVisible());

        // Close shuts the About window only, and the keyboard goes back to the
        // window active before it, to the control that had it: the main window
        // it was opened from, not How do I.... behind it; and, once the main
        // window was clicked and then About again, not the window opened last.
        if (round > 0) {
            for (QWidget *window : {static_cast<QWidget *>(h.form), about.data()}) {
                window->activateWindow();
                QVERIFY(QTest::qWaitFor([&] { return QApplication::activeWindow() == window; }));
            }
        }
        close->click();
        QVERIFY(QTest::qWaitFor([&] { return about.isNull(); }));
        QVERIFY(openWindow("frmHow") && openWindow("frmHow")->isVisible());
        QCOMPARE(h.session->state(), ChatConnection::State::Connected);
        QVERIFY(QTest::qWaitFor([&] { return QApplication::activeWindow() == h.form; }));
        QCOMPARE(QApplication::focusWidget(), h.Text1);
    }
}

void tst_HelpWindows::contactNotices_data()
{
    QTest::addColumn<QString>("item");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("warning");
    QTest::newRow("Contact Us") << "mnuContact" << "CONTACT THE OMBRIX"
        << "You can contact the ombrix at:\r\nhttp://www.ombrix.example/\r\nAnd by email: ombrix@ombrix.example" << true;
    QTest::newRow("OMBRIX") << "mnuOmbrix" << "CONTACT THE OMBRIX"
        << "You can reach the OMBRIX at: http://www.ombrix.example/" << false;
    QTest::newRow("ZORVA, both addresses on one line") << "mnuZORVA" << "CONTACT ZORVA"
        << "ZORVA can be reached at: http://www.zorva.example/ or http://zorva.example/clan/" << false;
    QTest::newRow("GloamRiders") << "mnuGloam" << "CONTACT THE GLOAMRIDERS"
        << "The Gloamriders can be reached at: http://www.gloamriders.example/" << false;
}

void tst_HelpWindows::contactNotices()
{
    QFETCH(QString, item);
    QFETCH(QString, title);
    QFETCH(QString, text);
    QFETCH(bool, warning);
    Harness h;
    h.item(item)->trigger();
    QCOMPARE(h.notices.size(), 1);
    QCOMPARE(h.notices[0].title, title);
    QCOMPARE(h.notices[0].text, text);
    QCOMPARE(h.notices[0].icon == ContactNotice::Icon::Warning, warning);

    // The box the program shows: modal to the window, with no event loop of
    // its own (shown from a handler, it returns at once); plain text, each
    // line whole and unwrapped, and an icon a screen reader can tell apart.
    QVERIFY(QTest::qWaitForWindowActive(h.form));
    Seams::production({}).showNotice(h.form, h.notices[0]);
    const QPointer<QMessageBox> box = h.form->findChild<QMessageBox *>();
    QVERIFY(box && box->isVisible());
    QCOMPARE(box->windowModality(), Qt::WindowModal);
    QVERIFY(QTest::qWaitFor([&] { return QApplication::activeWindow() == box; }));
    QCOMPARE(box->icon(), warning ? QMessageBox::Warning : QMessageBox::Information);
    QCOMPARE(box->textFormat(), Qt::PlainText);
    const QString lines = QString(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    const QList<QLabel *> labels = box->findChildren<QLabel *>();
    const auto label = std::find_if(labels.begin(), labels.end(), [&](QLabel *l) { return l->text() == lines; });
    QVERIFY(label != labels.end());
    for (const QString &line : lines.split(u'\n'))
        QVERIFY2((*label)->fontMetrics().horizontalAdvance(line) <= (*label)->contentsRect().width(), qPrintable(line));
    const auto icon = std::find_if(labels.begin(), labels.end(), [](QLabel *l) { return !l->pixmap().isNull(); });
    QVERIFY(icon != labels.end());
    QCOMPARE(QAccessible::queryAccessibleInterface(*icon)->text(QAccessible::Name),
             warning ? QStringLiteral("Warning") : QStringLiteral("Information"));

    // Dismissed, it gives the keyboard back to the control that had it.
    QTest::keyClick(box->windowHandle(), Qt::Key_Return);
    QVERIFY(QTest::qWaitFor([&] { return QApplication::activeWindow() == h.form; }));
    QCOMPARE(QApplication::focusWidget(), h.Text1);
    QVERIFY(QTest::qWaitFor([&] { return box.isNull(); })); // gone once closed
}

// Closing the main window drops the connection but not the program while a
// help window is open; the program ends with its last window.
void tst_HelpWindows::programEndsWithItsLastWindow()
{
    Harness h;
    QSignalSpy lastClosed(&h.windows, &OpenWindows::lastClosed);
    QVERIFY(h.connect());
    h.item(QStringLiteral("mnuAbout"))->trigger();
    h.item(QStringLiteral("mnuChat"))->trigger();
    QPointer<QWidget> about = openWindow("Form2");
    QPointer<QWidget> commands = openWindow("frmChatCom");
    QCOMPARE(h.programWindows(), 3);

    QVERIFY(h.form->close());
    QVERIFY(QTest::qWaitFor([&] { return h.form.isNull(); }));
    QVERIFY(h.gateway.waitForClientGone());
    QCOMPARE(h.gateway.received(), QByteArray());
    QCOMPARE(h.ended, 0); // closing a window is not EXIT
    QVERIFY(about && about->isVisible() && commands && commands->isVisible());
    QCOMPARE(lastClosed.size(), 0);

    QVERIFY(commands->close());
    QVERIFY(QTest::qWaitFor([&] { return commands.isNull(); }));
    QCOMPARE(lastClosed.size(), 0);
    QVERIFY(about->close());
    QVERIFY(QTest::qWaitFor([&] { return lastClosed.size() == 1; }));
}

void tst_HelpWindows::exitEndsEveryWindow()
{
    Harness h;
    QVERIFY(h.connect());
    for (const char *item : {"mnuAbout", "mnuHow", "mnuChat"})
        h.item(QLatin1String(item))->trigger();
    h.item(QStringLiteral("mnuExit"))->trigger();
    QCOMPARE(h.ended, 1);
    h.windows.deleteAll(); // what the program does once its event loop has ended
    QCOMPARE(h.programWindows(), 0);
    QVERIFY(h.form.isNull());
    QVERIFY(!h.form.data());
    QVERIFY(h.gateway.waitForClientGone());
    QCOMPARE(h.gateway.received(), QByteArray());
}

QTEST_MAIN(tst_HelpWindows)
#include "tst_helpwindows.moc"
