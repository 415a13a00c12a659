#include "form2.h"

#include "contacts.h"
#include "look.h"

#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QStyle>

QString Form2::aboutText()
{
    return QStringLiteral(
        "Vantor chat v1.00 is the first ever chatting client by: Vantor. The product design was "
        "thought of for years, and I always wanted to make one but never seemed to get it to "
        "connect... Well by tweeking with the code that I first had, I got it to work. How nice :). "
        "If you want to know about me, you can always click on the link below to my homepage. This "
        "product was left off my desktop virus free. It was scanned with \"The Cleaner2.03\" With "
        "updated virus defanitions, and Nortan Antivirus 5.0 with updated virus defanitions. So if "
        "you have found a virus, it wasn't from me... I am no way responcable for how you use this "
        "program. You can spam, or whatever, but that's why ~Velmora~ or whatever the hell her name "
        "is, stopped making her bot. So don't make me do that :). O well till then, cya later!");
}

Form2::Form2(HyperlinkLabel::UrlOpener openUrl)
{
    setObjectName(QStringLiteral("Form2"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("ABOUT VANTOR CHAT"));
    setFont(Look::dialogFont());
    Look::setBackground(this, Look::lightGrey);

    csHyperlink1 = new HyperlinkLabel(Contacts::makerWebAddress(), QUrl(Contacts::makerWebAddress()),
                                      std::move(openUrl), this);
    csHyperlink1->setGeometry(Look::twips(0, 2520, 5535, 255));
    csHyperlink1->setAccessibleDescription(tr("Opens the maker's web site"));
    QFont linkFont = Look::verdana();
    linkFont.setUnderline(true);
    csHyperlink1->setFont(linkFont);
    Look::setColours(csHyperlink1, QColor(64, 160, 255), Qt::black);

    Frame1 = new QGroupBox(QStringLiteral("ABOUT"), this);
    Frame1->setGeometry(Look::twips(0, 0, 5535, 2535));
    Look::setColours(Frame1, QColor(255, 0, 0), Qt::black);
    Frame1->setFocusPolicy(Qt::NoFocus);

    Label1 = new QLabel(aboutText(), Frame1);
    Label1->setGeometry(Look::twips(120, 240, 5295, 2175));
    Label1->setTextFormat(Qt::PlainText);
    Label1->setWordWrap(true);
    Label1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Look::setColours(Label1, QColor(0, 255, 0), Qt::black);
    Look::shrinkToFit(Label1, Label1->text(), Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap);

    Command1 = new QPushButton(tr("Close"), this);
    Command1->setGeometry(Look::twips(2280, 2880, 975, 375));
    Command1->setAutoDefault(false);
    connect(Command1, &QPushButton::clicked, this, &Form2::Command1_Click);

    // The link stands under the frame and overlaps its last line of pixels.
    csHyperlink1->raise();
    setTabOrder(csHyperlink1, Command1);

    const QSize client = Look::twips(0, 0, 5550, 3285).size();
    Look::makeToolWindow(this, client);
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        setGeometry(QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, client, screen->availableGeometry()));
}

void Form2::Command1_Click()
{
    close();
}
