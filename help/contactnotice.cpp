// SPDX-FileCopyrightText: 2026 The Ombrix <ombrix@ombrix.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "contactnotice.h"

#include "contacts.h"
#include "look.h"

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
    return Look::messageBox(boxIcon, title, QString(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n")), parent);
}
