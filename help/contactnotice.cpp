// SPDX-FileCopyrightText: 2026 The Ombrix <ombrix@ombrix.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "contactnotice.h"

#include "contacts.h"

#include <QFontMetrics>
#include <QLabel>
#include <QMessageBox>

ContactNotice ContactNotice::forItem(const QString &item)
{
    using namespace Contacts;
    if (item == u"mnuContact") {
        return {QStringLiteral("CONTACT THE OMBRIX"),
                QStringLiteral("You can contact the ombrix at:\r\n") + makerWebAddress()
                    + QStringLiteral("\r\nAnd by email: ") + makerEmail(),
                Icon::Warning};
    }
    if (item == u"mnuOmbrix") {
        return {QStringLiteral("CONTACT THE OMBRIX"),
                QStringLiteral("You can reach the OMBRIX at: ") + makerWebAddress(), Icon::Information};
    }
    if (item == u"mnuZORVA") {
        return {QStringLiteral("CONTACT ZORVA"),
                QStringLiteral("ZORVA can be reached at: ") + zorvaWebAddress() + QStringLiteral(" or ")
                    + zorvaClanAddress(),
                Icon::Information};
    }
    if (item == u"mnuGloam") {
        return {QStringLiteral("CONTACT THE GLOAMRIDERS"),
                QStringLiteral("The Gloamriders can be reached at: ") + gloamRidersWebAddress(),
                Icon::Information};
    }
    return {};
}

std::unique_ptr<QMessageBox> ContactNotice::makeBox(QWidget *parent) const
{
    const auto boxIcon = icon == Icon::Warning ? QMessageBox::Warning : QMessageBox::Information;
    const QString lines = QString(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    auto box = std::make_unique<QMessageBox>(boxIcon, title, lines, QMessageBox::Ok, parent);
    box->setTextFormat(Qt::PlainText);
    // A message box wraps a text wider than about 500 pixels, and Qt breaks a
    // line after any "/", so an address would be torn in two. Its label is made
    // wide enough for the longest line instead.
    if (auto *label = box->findChild<QLabel *>(QStringLiteral("qt_msgbox_label"))) {
        const QFontMetrics metrics(label->font());
        int widest = 0;
        for (const QString &line : lines.split(u'\n'))
            widest = qMax(widest, metrics.horizontalAdvance(line));
        label->setMinimumWidth(widest + 2 * label->margin() + 2);
    }
    return box;
}
