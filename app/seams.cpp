// SPDX-FileCopyrightText: 2026 The Ombrix <ombrix@ombrix.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "seams.h"

#include "look.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QMessageBox>

Seams Seams::production(Endpoints endpoints)
{
    Seams seams;
    seams.endpoints = std::move(endpoints);
    seams.reportError = [](QWidget *parent, const QString &sentence) {
        Look::messageBox(QMessageBox::Warning, parent->window()->windowTitle(), sentence, parent)->exec();
    };
    seams.openUrl = [](const QUrl &url) { return QDesktopServices::openUrl(url); };
    seams.showNotice = [](QWidget *parent, const ContactNotice &notice) {
        notice.makeBox(parent)->exec();
    };
    // exit(), not quit(): quit() would first ask every window to close.
    seams.endProgram = [] { QCoreApplication::exit(0); };
    return seams;
}
