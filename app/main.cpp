// SPDX-FileCopyrightText: 2026 The Ombrix <ombrix@ombrix.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "allocator.h"
#include "applicationwide.h"
#include "commandline.h"
#include "mainwindow.h"
#include "openwindows.h"
#include "version.h"

#include <QApplication>
#include <QIcon>
#include <QTimer>

int main(int argc, char *argv[])
{
    // Refused, it costs only speed under a flood: the program goes on.
    [[maybe_unused]] const bool reused = Allocator::keepLargeBuffersForReuse();
    // Before the application object, which needs a display: --help and
    // --version work in any terminal.
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    switch (CommandLine::parse(arguments)) {
    case CommandLine::Outcome::Done:
        return 0;
    case CommandLine::Outcome::Wrong:
        return 2;
    case CommandLine::Outcome::Run:
        break;
    }

    QApplication app(argc, argv);
    // Its name to the desktop and to screen readers, whatever the file is called.
    QApplication::setApplicationName(QStringLiteral("vantor"));
    QApplication::setApplicationVersion(QStringLiteral(VANTOR_VERSION));
    QGuiApplication::setDesktopFileName(QStringLiteral(VANTOR_APP_ID));
    OpenWindows windows;
    installApplicationWide(windows);
    QObject::connect(&windows, &OpenWindows::lastClosed, &app, [] { QCoreApplication::exit(0); });

    // The chat gateways this program contacts, fixed when it was built.
    Seams seams = Seams::production({QStringLiteral(VANTOR_SERVER_ADDRESS), QStringLiteral(VANTOR_SERVICE_HOST)});
    seams.openWindows = &windows;
    auto *window = new MainWindow(seams);
    window->show();
    window->activateWindow();
    // The icon once the window is up, which need not wait for its pictures
    // to be read. It is the program's own: a lookup in the desktop's icon
    // theme would only find the same picture, and search for it first.
    QTimer::singleShot(0, [] {
        QIcon icon;
        for (const int size : {16, 32, 64, 128, 256})
            icon.addFile(QStringLiteral(":/icons/vantor-%1.png").arg(size), QSize(size, size));
        QApplication::setWindowIcon(icon);
    });
    const int status = app.exec();
    windows.deleteAll(); // EXIT ends the program with every window still open
    return status;
}
