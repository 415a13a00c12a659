// SPDX-FileCopyrightText: 2026 The Ombrix <ombrix@ombrix.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "mainwindow.h"

#include "contacts.h"
#include "editcommands.h"
#include "aboutwindow.h"
#include "announcer.h"
#include "hyperlinklabel.h"
#include "inputline.h"
#include "look.h"
#include "lookupwindow.h"
#include "menutree.h"
#include "openwindows.h"
#include "chatsession.h"
#include "transcript.h"
#include "transcriptview.h"
#include "version.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextCursor>

namespace {

QPushButton *makeButton(const char *name, const QString &caption, const QRect &geometry,
                        QWidget *parent)
{
    auto *button = new QPushButton(caption, parent);
    button->setObjectName(QLatin1String(name));
    button->setGeometry(geometry);
    button->setFont(Look::verdana());
    // Enter on a focused button presses it, as Space does.
    button->setAutoDefault(true);
    return button;
}

} // namespace

MainWindow::MainWindow(Seams seams, QWidget *parent)
    : QMainWindow(parent)
    , m_seams(std::move(seams))
    , m_howWindow([this] { return opened(new LookupWindow(LookupWindow::frmHow())); })
    , m_chatCommandsWindow([this] { return opened(new LookupWindow(LookupWindow::frmChatCom())); })
    , m_aboutWindow([this] { return opened(new AboutWindow(m_seams.openUrl, m_seams.reportError)); })
{
    setObjectName(QStringLiteral("Form1"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral(VANTOR_CAPTION));

    auto *client = new QWidget(this);
    Look::setBackground(client, Look::lightGrey);
    setCentralWidget(client);

    m_inputLine = new InputLine(client);
    m_inputLine->setObjectName(QStringLiteral("Text1"));
    m_inputLine->setGeometry(Look::twips(1200, 6000, 8175, 285));
    m_inputLine->setFont(Look::verdana());
    Look::setColours(m_inputLine, Qt::white, Qt::black);
    m_inputLine->setText(QStringLiteral("Type what you want here :)"));
    m_inputLine->setCursorPosition(0);
    m_inputLine->setAccessibleName(tr("Message"));

    m_sendButton = makeButton("cmdSend", QStringLiteral("SEND"), Look::twips(50, 5160, 1095, 615), client);
    // The default button; not an auto-default one, which would stop being the
    // default once it lost the focus.
    m_sendButton->setAutoDefault(false);
    m_sendButton->setDefault(true);

    m_transcriptView = new TranscriptView(client);
    m_transcriptView->setObjectName(QStringLiteral("Text2"));
    m_transcriptView->setGeometry(Look::twips(1200, 0, 8175, 5925));
    m_transcriptView->setFont(Look::verdana());
    Look::setColours(m_transcriptView, QColor(128, 255, 128), Qt::black);
    m_transcriptView->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_transcriptView->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_transcriptView->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    m_transcriptView->setTabChangesFocus(true);
    m_transcriptView->setAccessibleName(tr("Transcript"));
    m_transcriptView->transcript()->replace(u"\t\t****WELCOME TO VANTOR CHAT****\r\n");
    m_transcriptView->moveCursor(QTextCursor::Start);

    m_connectButton = makeButton("cmdConnect", QStringLiteral("CONNECT"), Look::twips(50, 360, 1095, 615), client);
    m_loginButton = makeButton("cmdLogin", QStringLiteral("LOGIN"), Look::twips(50, 1560, 1095, 615), client);
    m_logOffButton = makeButton("Disconnect", QStringLiteral("LOG OFF"), Look::twips(50, 2760, 1095, 615), client);
    m_exitButton = makeButton("cmdExit", QStringLiteral("EXIT"), Look::twips(50, 3960, 1095, 615), client);

    m_link = new HyperlinkLabel(Contacts::makerDomain(), QUrl(Contacts::makerWebAddress()),
                                m_seams.openUrl, m_seams.reportError, client);
    m_link->setObjectName(QStringLiteral("csHyperlink1"));
    m_link->setGeometry(Look::twips(120, 6000, 975, 255));
    m_link->setAccessibleDescription(Contacts::makerWebAddress());
    QFont linkFont = Look::dialogFont();
    linkFont.setUnderline(true);
    m_link->setFont(linkFont);
    Look::setColours(m_link, QColor(0, 0, 255), Look::lightGrey);

    setTabOrder(m_inputLine, m_sendButton);
    setTabOrder(m_sendButton, m_transcriptView);
    setTabOrder(m_transcriptView, m_connectButton);
    setTabOrder(m_connectButton, m_loginButton);
    setTabOrder(m_loginButton, m_logOffButton);
    setTabOrder(m_logOffButton, m_exitButton);
    setTabOrder(m_exitButton, m_link);
    m_inputLine->setFocus();

    // The session brings what arrives into the transcript; the view follows
    // the newest text, and the announcer says it.
    m_session = new ChatSession(m_transcriptView->transcript(), this);
    m_announcer = new Announcer(client);
    connect(m_session, &ChatSession::dataArrival, this, &MainWindow::Winsock1_DataArrival);
    connect(m_session, &ChatSession::failed, this, &MainWindow::Winsock1_Error);
    connect(m_session, &ChatSession::shown, m_transcriptView, &TranscriptView::followReceived);
    connect(m_session, &ChatSession::speak, m_announcer, &Announcer::announce);
    connect(m_session, &ChatSession::refused, this,
            [this](ChatConnection::Refusal reason, const QString &errorText) {
                m_seams.reportError(this, refusalSentence(reason, errorText));
            });

    // SEND is the default button; Qt routes Enter to a default button only in
    // dialogs, so Enter in the input line and in the transcript press it here.
    // A focused button takes Enter itself.
    connect(m_inputLine, &QLineEdit::returnPressed, m_sendButton, &QPushButton::click);
    connect(m_transcriptView, &TranscriptView::enterPressed, m_sendButton, &QPushButton::click);
    connect(m_sendButton, &QPushButton::clicked, this, &MainWindow::cmdSend_Click);
    connect(m_connectButton, &QPushButton::clicked, this, &MainWindow::cmdConnect_Click);
    connect(m_loginButton, &QPushButton::clicked, this, &MainWindow::cmdLogin_Click);
    connect(m_logOffButton, &QPushButton::clicked, this, &MainWindow::Disconnect_Click);
    connect(m_exitButton, &QPushButton::clicked, this, &MainWindow::cmdExit_Click);

    m_edit = std::make_unique<EditCommands>(m_transcriptView, m_transcriptView->transcript(), QGuiApplication::clipboard());
    buildMenus();
    Look::makeToolWindow(this, Look::twips(0, 0, 9390, 6330).size());
    opened(this);
    Form_Load();
}

QWidget *MainWindow::opened(QWidget *window)
{
    if (m_seams.openWindows)
        m_seams.openWindows->track(window);
    return window;
}

MainWindow::~MainWindow() = default;

void MainWindow::Form_Load()
{
    // The program keeps its own last-window rule (OpenWindows): Qt's does not
    // count tool windows.
    QGuiApplication::setQuitOnLastWindowClosed(false);
}

void MainWindow::buildMenus()
{
    const QHash<QString, QAction *> actions = MenuTree::build(menuBar());
    auto on = [this, &actions](const char *name, auto handler) {
        connect(actions.value(QLatin1String(name)), &QAction::triggered, this, handler);
    };
    // The File items run the very operations of the buttons; File > Connect
    // goes to the service's host name where CONNECT goes to one server.
    on("mnuConnect", &MainWindow::mnuConnect_Click);
    on("mnuLogIn", &MainWindow::cmdLogin_Click);
    on("mnuDis", &MainWindow::Disconnect_Click);
    on("mnuExit", &MainWindow::cmdExit_Click);
    on("mnuCopy", [this] { m_edit->copy(); });
    on("mnuCut", [this] { m_edit->cut(); });
    on("mnuSelect", [this] { m_edit->selectAll(); });
    on("mnuClip", [this] { m_edit->clearClipboard(); });
    on("mnuClear", [this] { m_edit->clearScreen(); });
    on("mnuHow", [this] { m_howWindow.show(); });
    on("mnuChat", [this] { m_chatCommandsWindow.show(); });
    on("mnuAbout", [this] { m_aboutWindow.show(); });
    for (const char *item : {"mnuContact", "mnuOmbrix", "mnuZORVA", "mnuGloam"}) {
        on(item, [this, notice = ContactNotice::forItem(QLatin1String(item))] {
            m_seams.showNotice(this, notice);
        });
    }
    for (const MenuTree::Menu &menu : MenuTree::menus()) {
        // A screen reader names an open menu by the parent it has in the tree,
        // and Qt's tree gives a menu of the menu bar none that it would say.
        connect(actions.value(menu.name)->menu(), &QMenu::aboutToShow, this,
                [this, title = QString(menu.caption).remove(u'&')] { m_announcer->announceMenu(title); });
        for (const MenuTree::Item &item : menu.items) {
            if (!item.prefill.isEmpty())
                connect(actions.value(item.name), &QAction::triggered, this,
                        [this, text = item.prefill] { prefill(text); });
        }
    }
}

void MainWindow::prefill(const QString &command)
{
    // Whatever was typed goes; the caret stands before the "/" and the focus stays.
    m_inputLine->setText(command);
    m_inputLine->setCursorPosition(0);
}

QString MainWindow::refusalSentence(ChatConnection::Refusal reason, const QString &errorText)
{
    using Refusal = ChatConnection::Refusal;
    switch (reason) {
    case Refusal::NotConnected:
        return tr("Not connected: press CONNECT first, then try again.");
    case Refusal::StillConnecting:
        return tr("Still connecting to the server: wait a moment, then try again.");
    case Refusal::AlreadyConnecting:
        return tr("Already connecting to the server: wait for it, or press LOG OFF to stop.");
    case Refusal::AlreadyConnected:
        return tr("Already connected: press LOG OFF before you connect again.");
    case Refusal::ClosedByServer:
        return tr("The server has closed the connection: press LOG OFF, then connect again.");
    case Refusal::Failed:
        return tr("The connection failed (%1): press LOG OFF, then connect again.").arg(errorText);
    }
    return {};
}

QString MainWindow::failureNotice(ChatConnection::Failure failure, const QString &errorText)
{
    using Failure = ChatConnection::Failure;
    switch (failure) {
    case Failure::Refused:
        return tr("[Could not connect: the server refused the connection. Press LOG OFF, then try again.]");
    case Failure::HostNotFound:
        return tr("[Could not connect: the server's name was not found. Check that you are online, press LOG OFF, then try again.]");
    case Failure::NoAnswer:
        return tr("[Could not connect: the server did not answer within %1 seconds. Press LOG OFF, then try again.]")
            .arg(ChatConnection::connectTimeoutMilliseconds / 1000);
    case Failure::Unreachable:
        return tr("[Could not connect: %1. Press LOG OFF, then try again.]").arg(errorText);
    case Failure::Reset:
        return tr("[The connection was lost: it was reset by the server or the network. Press LOG OFF, then connect again.]");
    case Failure::StoppedAnswering:
        return tr("[The connection was lost: the server stopped answering. Press LOG OFF, then connect again.]");
    case Failure::Lost:
        return tr("[The connection was lost: %1. Press LOG OFF, then connect again.]").arg(errorText);
    }
    return {};
}

void MainWindow::connectTo(const QString &host)
{
    m_session->connectTo(host, m_seams.endpoints.port, m_seams.endpoints.connectTimeoutMilliseconds);
}

void MainWindow::cmdConnect_Click()
{
    connectTo(m_seams.endpoints.serverAddress);
}

void MainWindow::mnuConnect_Click()
{
    connectTo(m_seams.endpoints.serviceHost);
}

void MainWindow::cmdLogin_Click()
{
    m_session->logIn();
}

void MainWindow::cmdSend_Click()
{
    // The echo shows what went on the wire, which may differ from what was
    // typed where a character has no byte of its own.
    QString sent;
    if (!m_session->sendLine(m_inputLine->text(), &sent))
        return;
    m_transcriptView->insertAtCaret(sent);
    m_inputLine->clear();
}

void MainWindow::Disconnect_Click()
{
    m_session->logOff(u"[YOUR CONNECTION HAS BEEN TERMINATED BY THE BUTTON ON THE LEFT, hehehe]");
    m_transcriptView->moveCursor(QTextCursor::Start);
}

void MainWindow::cmdExit_Click()
{
    m_seams.endProgram();
}

void MainWindow::Winsock1_Error(ChatConnection::Failure failure, const QString &errorText)
{
    // Told where the person reads on, and no box that would take the keys
    // being typed: what arrived before the failure, then the notice after it.
    m_session->showFailure(failureNotice(failure, errorText));
}

void MainWindow::Winsock1_DataArrival(qint64)
{
    m_session->receive();
}
