#include "fakegateway.h"
#include "form1.h"
#include "openwindows.h"
#include "winsock.h"

#include <QApplication>
#include <QPointer>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

class tst_OpenWindows : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void programEndsWithTheLastWindow_data();
    void programEndsWithTheLastWindow();
};

namespace {

QWidget *helpWindow()
{
    // Like the help windows: parentless, a tool window, gone when closed.
    auto *window = new QWidget(nullptr, Qt::Tool);
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->show();
    return window;
}

} // namespace

void tst_OpenWindows::programEndsWithTheLastWindow_data()
{
    QTest::addColumn<bool>("mainWindowFirst");
    QTest::newRow("main window first") << true;
    QTest::newRow("help window first") << false;
}

void tst_OpenWindows::programEndsWithTheLastWindow()
{
    QFETCH(bool, mainWindowFirst);
    FakeGateway gateway;
    Seams seams;
    seams.endpoints = {gateway.address(), gateway.address(), gateway.port()};
    seams.reportError = [](QWidget *, const QString &sentence) { QFAIL(qPrintable(sentence)); };
    seams.endProgram = [] { QFAIL("EXIT was not pressed"); };
    OpenWindows windows;
    QSignalSpy lastClosed(&windows, &OpenWindows::lastClosed);

    QPointer<Form1> form = new Form1(seams);
    // Qt's own rule would end the program while a tool window is still open.
    QVERIFY(!QGuiApplication::quitOnLastWindowClosed());
    windows.track(form);
    form->show();
    QPointer<QWidget> help = helpWindow();
    windows.track(help);
    windows.track(help); // counted once
    QCOMPARE(windows.count(), 2);

    form->cmdConnect->click();
    QVERIFY(gateway.waitForConnections(1));

    QWidget *first = mainWindowFirst ? static_cast<QWidget *>(form) : help.data();
    QVERIFY(first->close());
    QVERIFY(QTest::qWaitFor([&] { return windows.count() == 1; }));
    QCOMPARE(lastClosed.size(), 0);
    if (mainWindowFirst)
        QVERIFY(gateway.waitForClientGone()); // the connection went with its window
    else
        QVERIFY(gateway.clientConnected());

    QWidget *second = mainWindowFirst ? help.data() : static_cast<QWidget *>(form);
    QVERIFY(second->close());
    QVERIFY(QTest::qWaitFor([&] { return lastClosed.size() == 1; }));
    QVERIFY(form.isNull() && help.isNull());
}

QTEST_MAIN(tst_OpenWindows)
#include "tst_openwindows.moc"
