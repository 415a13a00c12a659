// SPDX-FileCopyrightText: 2026 The Ombrix <ombrix@ombrix.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QHash>
#include <QList>
#include <QString>

class QAction;
class QMenuBar;

// The main window's menus, in display order. An item's caption marks its
// access key with "&"; a caption of "-" is a separator. An Options item
// carries the beginning of a chat command, which it writes into the input line.
namespace MenuTree {

struct Item
{
    QString name;
    QString caption;
    QString prefill; // empty but for the Options items
};

struct Menu
{
    QString name;
    QString caption;
    QList<Item> items;
};

const QList<Menu> &menus();

// Builds the menus into the bar; returns every menu's and item's action by name.
QHash<QString, QAction *> build(QMenuBar *bar);

} // namespace MenuTree
