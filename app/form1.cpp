#include "form1.h"

#include "contacts.h"
#include "editcommands.h"
#include "form2.h"
#include "hyperlinklabel.h"
#include "inputline.h"
#include "look.h"
#include "lookupwindow.h"
#include "menutree.h"
#include "openwindows.h"
#include "transcript.h"
#include "transcriptview.h"
#include "version.h"
#include "winsock.h"
#include "wiretext.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QMenuBar>
#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextCursor>

namespace {

// Selects the gateway's line-based chat protocol (0x03), then 0x04 and two
// empty lines.
const QByteArray loginPreamble("\x03\x04\r\n\r\n", 6);

QPushButton *makeButton(const QString &caption, const QRect &geometry, QWidget *parent)
{
    auto *button = new QPushButton(caption, parent);
    button->setGeometry(geometry);
    button->setFont(Look::verdana());
    button->setAutoDefault(false);
    return button;
}

} // namespace

Form1::Form1(Seams seams, QWidget *parent)
    : QMainWindow(parent)
    , howWindow([this] { return opened(new LookupWindow(LookupWindow::frmHow())); })
    , chatComWindow([this] { return opened(new LookupWindow(LookupWindow::frmChatCom())); })
    , aboutWindow([this] { return opened(new Form2(m_seams.openUrl)); })
    , m_seams(std::move(seams))
{
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral(VANTOR_CAPTION));

    auto *client = new QWidget(this);
    Look::setBackground(client, Look::lightGrey);
    setCentralWidget(client);

    Text1 = new InputLine(client);
    Text1->setGeometry(Look::twips(1200, 6000, 8175, 285));
    Text1->setFont(Look::verdana());
    Look::setColours(Text1, Qt::white, Qt::black);
    Text1->setText(QStringLiteral("Type what you want here :)"));
    Text1->setCursorPosition(0);
    Text1->setAccessibleName(tr("Message"));

    cmdSend = makeButton(QStringLiteral("SEND"), Look::twips(50, 5160, 1095, 615), client);

    Text2 = new TranscriptView(client);
    Text2->setGeometry(Look::twips(1200, 0, 8175, 5925));
    Text2->setFont(Look::verdana());
    Look::setColours(Text2, QColor(128, 255, 128), Qt::black);
    Text2->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Text2->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Text2->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    Text2->setTabChangesFocus(true);
    Text2->installEventFilter(this);
    Text2->setAccessibleName(tr("Transcript"));
    m_transcript = new Transcript(Text2->document(), this);
    Text2->setTranscript(m_transcript);
    m_transcript->replace(u"\t\t****WELCOME TO VANTOR CHAT****\r\n");
    Text2->moveCursor(QTextCursor::Start);

    cmdConnect = makeButton(QStringLiteral("CONNECT"), Look::twips(50, 360, 1095, 615), client);
    cmdLogin = makeButton(QStringLiteral("LOGIN"), Look::twips(50, 1560, 1095, 615), client);
    Disconnect = makeButton(QStringLiteral("LOG OFF"), Look::twips(50, 2760, 1095, 615), client);
    cmdExit = makeButton(QStringLiteral("EXIT"), Look::twips(50, 3960, 1095, 615), client);

    csHyperlink1 = new HyperlinkLabel(Contacts::makerDomain(), QUrl(Contacts::makerWebAddress()),
                                      m_seams.openUrl, client);
    csHyperlink1->setGeometry(Look::twips(120, 6000, 975, 255));
    csHyperlink1->setAccessibleDescription(Contacts::makerWebAddress());
    QFont linkFont = Look::dialogFont();
    linkFont.setUnderline(true);
    csHyperlink1->setFont(linkFont);
    Look::setColours(csHyperlink1, QColor(0, 0, 255), Look::lightGrey);

    setTabOrder(Text1, cmdSend);
    setTabOrder(cmdSend, Text2);
    setTabOrder(Text2, cmdConnect);
    setTabOrder(cmdConnect, cmdLogin);
    setTabOrder(cmdLogin, Disconnect);
    setTabOrder(Disconnect, cmdExit);
    setTabOrder(cmdExit, csHyperlink1);
    Text1->setFocus();

    Winsock1 = new Winsock(this);
    connect(Winsock1, &Winsock::dataArrival, this, &Form1::Winsock1_DataArrival);
    connect(Winsock1, &Winsock::refused, this,
            [this](const QString &sentence) { m_seams.reportError(this, sentence); });

    // The window has no default button outside a dialog: Enter in the input
    // line presses SEND here, and in the transcript through eventFilter().
    connect(Text1, &QLineEdit::returnPressed, cmdSend, &QPushButton::click);
    connect(cmdSend, &QPushButton::clicked, this, &Form1::cmdSend_Click);
    connect(cmdConnect, &QPushButton::clicked, this, &Form1::cmdConnect_Click);
    connect(cmdLogin, &QPushButton::clicked, this, &Form1::cmdLogin_Click);
    connect(Disconnect, &QPushButton::clicked, this, &Form1::Disconnect_Click);
    connect(cmdExit, &QPushButton::clicked, this, &Form1::cmdExit_Click);

    m_edit = std::make_unique<EditCommands>(Text2, m_transcript, QGuiApplication::clipboard());
    buildMenus();
    Look::makeToolWindow(this, Look::twips(0, 0, 9390, 6330).size());
    opened(this);
    Form_Load();
}

QWidget *Form1::opened(QWidget *window)
{
    if (m_seams.openWindows)
        m_seams.openWindows->track(window);
    return window;
}

Form1::~Form1() = default;

void Form1::Form_Load()
{
    // The program keeps its own last-window rule (OpenWindows): Qt's does not
    // count tool windows.
    QGuiApplication::setQuitOnLastWindowClosed(false);
}

void Form1::buildMenus()
{
    m_menu = MenuTree::build(menuBar());
    auto on = [this](const char *name, auto handler) {
        connect(m_menu.value(QLatin1String(name)), &QAction::triggered, this, handler);
    };
    // The File items run the very operations of the buttons; File > Connect
    // goes to the service's host name where CONNECT goes to one server.
    on("mnuConnect", &Form1::mnuConnect_Click);
    on("mnuLogIn", &Form1::cmdLogin_Click);
    on("mnuDis", &Form1::Disconnect_Click);
    on("mnuExit", &Form1::cmdExit_Click);
    on("mnuCopy", [this] { m_edit->copy(); });
    on("mnuCut", [this] { m_edit->cut(); });
    on("mnuSelect", [this] { m_edit->selectAll(); });
    on("mnuClip", [this] { m_edit->clearClipboard(); });
    on("mnuClear", [this] { m_edit->clearScreen(); });
    on("mnuHow", [this] { howWindow.show(); });
    on("mnuChat", [this] { chatComWindow.show(); });
    on("mnuAbout", [this] { aboutWindow.show(); });
    for (const char *item : {"mnuContact", "mnuOmbrix", "mnuZORVA", "mnuGloam"}) {
        on(item, [this, notice = ContactNotice::forItem(QLatin1String(item))] {
            m_seams.showNotice(this, notice);
        });
    }
    for (const MenuTree::Menu &menu : MenuTree::menus()) {
        for (const MenuTree::Item &item : menu.items) {
            if (!item.prefill.isEmpty())
                connect(m_menu.value(item.name), &QAction::triggered, this,
                        [this, text = item.prefill] { prefill(text); });
        }
    }
}

void Form1::prefill(const QString &command)
{
    // Whatever was typed goes; the caret stands before the "/" and the focus stays.
    Text1->setText(command);
    Text1->setCursorPosition(0);
}

void Form1::connectTo(const QString &host)
{
    Winsock1->connectToHost(host, m_seams.endpoints.port);
}

void Form1::cmdConnect_Click()
{
    connectTo(m_seams.endpoints.serverAddress);
}

void Form1::mnuConnect_Click()
{
    connectTo(m_seams.endpoints.serviceHost);
}

void Form1::cmdLogin_Click()
{
    Winsock1->sendData(loginPreamble);
}

void Form1::cmdSend_Click()
{
    // The echo shows what went on the wire, which may differ from what was
    // typed where a character has no byte of its own.
    const QByteArray line = WireText::toWire(Text1->text()) + "\r\n";
    if (!Winsock1->sendData(line))
        return;
    QTextCursor caret = Text2->textCursor();
    m_transcript->insert(caret, WireText::fromWire(line));
    Text2->setTextCursor(caret);
    Text1->clear();
}

void Form1::Disconnect_Click()
{
    Winsock1->close();
    m_transcript->replace(u"[YOUR CONNECTION HAS BEEN TERMINATED BY THE BUTTON ON THE LEFT, hehehe]");
    Text2->moveCursor(QTextCursor::Start);
}

void Form1::cmdExit_Click()
{
    m_seams.endProgram();
}

void Form1::Winsock1_DataArrival(qint64)
{
    m_transcript->append(WireText::fromWire(Winsock1->getData()));
    Text2->moveCursor(QTextCursor::End);
}

bool Form1::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == Text2 && event->type() == QEvent::KeyPress) {
        const auto *key = static_cast<QKeyEvent *>(event);
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
            if (key->modifiers() & Qt::ControlModifier) {
                QTextCursor caret = Text2->textCursor();
                m_transcript->insert(caret, u"\n");
                Text2->setTextCursor(caret);
            } else {
                cmdSend->click();
            }
            return true;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}
