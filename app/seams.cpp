#include "seams.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QMessageBox>

Seams Seams::production()
{
    Seams seams;
    seams.endpoints = Endpoints::production();
    seams.reportError = [](QWidget *parent, const QString &sentence) {
        QMessageBox::warning(parent, QStringLiteral("VANTOR BOT 3.02"), sentence);
    };
    seams.openUrl = [](const QUrl &url) { QDesktopServices::openUrl(url); };
    // exit(), not quit(): quit() would first ask every window to close.
    seams.endProgram = [] { QCoreApplication::exit(0); };
    return seams;
}
