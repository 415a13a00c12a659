// SPDX-FileCopyrightText: 2026 The Ombrix <ombrix@ombrix.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "aboutwindow.h"

#include "contacts.h"
#include "look.h"

#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QStyle>

QString AboutWindow::aboutText()
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

AboutWindow::AboutWindow(HyperlinkLabel::UrlOpener openUrl, Look::ErrorReporter reportError)
{
    setObjectName(QStringLiteral("Form2"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("ABOUT VANTOR CHAT"));
    setFont(Look::dialogFont());
    Look::setBackground(this, Look::lightGrey);

    m_link = new HyperlinkLabel(Contacts::makerWebAddress(), QUrl(Contacts::makerWebAddress()),
                            std::move(openUrl), std::move(reportError), this);
    m_link->setObjectName(QStringLiteral("csHyperlink1"));
    m_link->setGeometry(Look::twips(0, 2520, 5535, 255));
    m_link->setAccessibleDescription(tr("Opens the maker's web site"));
    QFont linkFont = Look::verdana();
    linkFont.setUnderline(true);
    m_link->setFont(linkFont);
    Look::setColours(m_link, QColor(64, 160, 255), Qt::black);

    m_frame = new QGroupBox(QStringLiteral("ABOUT"), this);
    m_frame->setObjectName(QStringLiteral("Frame1"));
    m_frame->setGeometry(Look::twips(0, 0, 5535, 2535));
    Look::setColours(m_frame, QColor(255, 0, 0), Qt::black);
    m_frame->setFocusPolicy(Qt::NoFocus);

    m_aboutLabel = new QLabel(aboutText(), m_frame);
    m_aboutLabel->setObjectName(QStringLiteral("Label1"));
    m_aboutLabel->setGeometry(Look::twips(120, 240, 5295, 2175));
    m_aboutLabel->setTextFormat(Qt::PlainText);
    m_aboutLabel->setWordWrap(true);
    m_aboutLabel->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Look::setColours(m_aboutLabel, QColor(0, 255, 0), Qt::black);
    Look::shrinkToFit(m_aboutLabel, m_aboutLabel->text(), Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap);

    m_closeButton = new QPushButton(tr("Close"), this);
    m_closeButton->setObjectName(QStringLiteral("Command1"));
    m_closeButton->setGeometry(Look::twips(2280, 2880, 975, 375));
    m_closeButton->setAutoDefault(true); // Enter on it presses it; it is no default button
    connect(m_closeButton, &QPushButton::clicked, this, &AboutWindow::Command1_Click);

    // The link stands under the frame and overlaps its last line of pixels.
    m_link->raise();
    setTabOrder(m_link, m_closeButton);

    const QSize client = Look::twips(0, 0, 5550, 3285).size();
    Look::makeToolWindow(this, client);
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        setGeometry(QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, client, screen->availableGeometry()));
}

void AboutWindow::Command1_Click()
{
    close();
}
