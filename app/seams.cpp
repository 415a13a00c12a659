// SPDX-FileCopyrightText: 2026 The Ombrix <ombrix@ombrix.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "seams.h"

#include "look.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QMessageBox>

namespace {

// Modal to its window, with no event loop of its own: a box is often shown
// from inside a socket's signal, where a nested loop would let the socket
// deliver data and close under the caller. The box goes when it is closed.
void showBox(std::unique_ptr<QMessageBox> box)
{
    box->setAttribute(Qt::WA_DeleteOnClose);
    box.release()->open();
}

} // namespace

Seams Seams::production(Endpoints endpoints)
{
    Seams seams;
    seams.endpoints = std::move(endpoints);
    seams.reportError = [](QWidget *parent, const QString &sentence) {
        showBox(Look::messageBox(QMessageBox::Warning, parent->window()->windowTitle(), sentence, parent));
    };
    seams.openUrl = [](const QUrl &url) { return QDesktopServices::openUrl(url); };
    seams.showNotice = [](QWidget *parent, const ContactNotice &notice) { showBox(notice.makeBox(parent)); };
    // exit(), not quit(): quit() would first ask every window to close.
    seams.endProgram = [] { QCoreApplication::exit(0); };
    return seams;
}
