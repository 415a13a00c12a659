#include "form1.h"
#include "openwindows.h"

#include <QApplication>
#include <QPointer>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    OpenWindows windows;
    QObject::connect(&windows, &OpenWindows::lastClosed, &app, [] { QCoreApplication::exit(0); });

    QPointer<Form1> form = new Form1(Seams::production());
    windows.track(form);
    form->show();
    const int status = app.exec();
    delete form; // still open when EXIT ended the program
    return status;
}
