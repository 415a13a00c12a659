// SPDX-FileCopyrightText: 2026 The Ombrix <ombrix@ombrix.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "menutree.h"

#include <QMenu>
#include <QMenuBar>

namespace MenuTree {

const QList<Menu> &menus()
{
    static const QList<Menu> tree = {
        {QStringLiteral("mnuFile"), QStringLiteral("&File"), {
            {QStringLiteral("mnuConnect"), QStringLiteral("&Connect"), {}},
            {QStringLiteral("mnuLogIn"), QStringLiteral("&LogIn"), {}},
            {QStringLiteral("mnuDis"), QStringLiteral("&Disconnect"), {}},
            {QStringLiteral("mnuLine4"), QStringLiteral("-"), {}},
            {QStringLiteral("mnuOmbrix"), QStringLiteral("&OMBRIX"), {}},
            {QStringLiteral("mnuZORVA"), QStringLiteral("&ZORVA"), {}},
            {QStringLiteral("mnuGloam"), QStringLiteral("&GloamRiders"), {}},
            {QStringLiteral("mnuLine1"), QStringLiteral("-"), {}},
            {QStringLiteral("mnuExit"), QStringLiteral("&Exit"), {}},
        }},
        {QStringLiteral("mnuEdit"), QStringLiteral("&Edit"), {
            {QStringLiteral("mnuCopy"), QStringLiteral("&Copy"), {}},
            {QStringLiteral("mnuCut"), QStringLiteral("C&ut"), {}},
            {QStringLiteral("mnuSelect"), QStringLiteral("&Select All"), {}},
            {QStringLiteral("mnuLine2"), QStringLiteral("-"), {}},
            {QStringLiteral("mnuClip"), QStringLiteral("Clea&r Clipboard"), {}},
            {QStringLiteral("mnuClear"), QStringLiteral("Cl&ear Screen"), {}},
        }},
        {QStringLiteral("mnuChatComm"), QStringLiteral("&Options"), {
            {QStringLiteral("mnuAway"), QStringLiteral("&Mark as Away"), QStringLiteral("/away ")},
            {QStringLiteral("mnuDND"), QStringLiteral("Mark as &DND"), QStringLiteral("/DND ")},
            {QStringLiteral("mnuSquelch"), QStringLiteral("&Squelch User"), QStringLiteral("/squelch ")},
            {QStringLiteral("mnuUnsquelch"), QStringLiteral("&UnSquelch User"), QStringLiteral("/Unsquelch ")},
            {QStringLiteral("mnuJoin"), QStringLiteral("&Join Channel"), QStringLiteral("/join ")},
            {QStringLiteral("mnuFind"), QStringLiteral("&Find User"), QStringLiteral("/whois ")},
            {QStringLiteral("mnuList"), QStringLiteral("&View Channel List"), QStringLiteral("/who ")},
            {QStringLiteral("mnuLine3"), QStringLiteral("-"), {}},
            {QStringLiteral("mnuKick"), QStringLiteral("&Kick User"), QStringLiteral("/kick ")},
            {QStringLiteral("mnuBan"), QStringLiteral("&Ban User"), QStringLiteral("/ban ")},
            {QStringLiteral("mnuUnban"), QStringLiteral("U&nBan"), QStringLiteral("/unban ")},
            {QStringLiteral("mnuDesignate"), QStringLiteral("&Designate User"), QStringLiteral("/designate ")},
        }},
        {QStringLiteral("mnuHelp"), QStringLiteral("&Help"), {
            {QStringLiteral("mnuAbout"), QStringLiteral("&About"), {}},
            {QStringLiteral("mnuHow"), QStringLiteral("&How do I..."), {}},
            {QStringLiteral("mnuContact"), QStringLiteral("&Contact Us"), {}},
            {QStringLiteral("mnuChat"), QStringLiteral("&Battle.net Chat Commands"), {}},
        }},
    };
    return tree;
}

QHash<QString, QAction *> build(QMenuBar *bar)
{
    QHash<QString, QAction *> actions;
    for (const Menu &menu : menus()) {
        QMenu *popup = bar->addMenu(menu.caption);
        popup->setObjectName(menu.name);
        // A screen reader names the open menu by this ("Help"); a menu has no
        // name of its own, and its title carries the access key's "&".
        popup->setAccessibleName(QString(menu.caption).remove(u'&'));
        popup->menuAction()->setObjectName(menu.name);
        actions.insert(menu.name, popup->menuAction());
        for (const Item &item : menu.items) {
            QAction *action = item.caption == u"-" ? popup->addSeparator() : popup->addAction(item.caption);
            action->setObjectName(item.name);
            actions.insert(item.name, action);
        }
    }
    return actions;
}

} // namespace MenuTree
