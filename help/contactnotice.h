// SPDX-FileCopyrightText: 2026 The Ombrix <ombrix@ombrix.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

#include <memory>

class QMessageBox;
class QWidget;

// The four message boxes that tell where the maker's group and two other
// groups can be reached, each opened by one menu item.
struct ContactNotice
{
    enum class Icon { Information, Warning };

    QString title;
    QString text; // CR LF between lines
    Icon icon;

    // The notice of a menu item (mnuContact, mnuOmbrix, mnuZORVA, mnuGloam).
    static ContactNotice forItem(const QString &item);

    // The notice as the program's message box: an OK button, no line wrapped.
    std::unique_ptr<QMessageBox> makeBox(QWidget *parent) const;
};
