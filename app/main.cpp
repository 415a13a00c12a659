#include "form1.h"
#include "openwindows.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    OpenWindows windows;
    QObject::connect(&windows, &OpenWindows::lastClosed, &app, [] { QCoreApplication::exit(0); });

    Seams seams = Seams::production();
    seams.openWindows = &windows;
    (new Form1(seams))->show();
    const int status = app.exec();
    windows.deleteAll(); // EXIT ends the program with every window still open
    return status;
}
