#include "seams.h"

#include "version.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QMessageBox>

Seams Seams::production()
{
    Seams seams;
    seams.endpoints = Endpoints::production();
    seams.reportError = [](QWidget *parent, const QString &sentence) {
        QMessageBox::warning(parent, QStringLiteral(VANTOR_CAPTION), sentence);
    };
    seams.openUrl = [](const QUrl &url) { QDesktopServices::openUrl(url); };
    seams.showNotice = [](QWidget *parent, const ContactNotice &notice) {
        const auto icon = notice.icon == ContactNotice::Icon::Warning ? QMessageBox::Warning
                                                                      : QMessageBox::Information;
        QMessageBox box(icon, notice.title, QString(notice.text).replace(QStringLiteral("\r\n"), QStringLiteral("\n")),
                        QMessageBox::Ok, parent);
        box.setTextFormat(Qt::PlainText);
        box.exec();
    };
    // exit(), not quit(): quit() would first ask every window to close.
    seams.endProgram = [] { QCoreApplication::exit(0); };
    return seams;
}
