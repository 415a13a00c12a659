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

#ifdef Q_OS_WIN
#include "look.h"

#include <QMessageBox>

#include <windows.h>
#endif

int main(int argc, char *argv[])
{
    // Refused, it costs only speed under a flood: the program goes on.
    [[maybe_unused]] const bool reused = Allocator::keepLargeBuffersForReuse();
    // Before the application object, which needs a display: --help and
    // --version work in any terminal.
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    const CommandLine::Answer answer = CommandLine::parse(arguments);
    if (answer.outcome != CommandLine::Outcome::Run) {
#ifdef Q_OS_WIN
        // A window program has no console on Windows: what a terminal would
        // print is shown in a box, and the exit waits for it.
        QApplication app(argc, argv);
        Look::messageBox(answer.outcome == CommandLine::Outcome::Wrong ? QMessageBox::Warning
                                                                      : QMessageBox::Information,
                         QStringLiteral("Vantor"), answer.text.trimmed(), nullptr)
            ->exec();
#else
        CommandLine::print(answer);
#endif
        return answer.outcome == CommandLine::Outcome::Done ? 0 : 2;
    }

#ifdef Q_OS_WIN
    // Held until the program ends: how its installer and uninstaller know
    // that it runs, before they replace or remove it.
    CreateMutexW(nullptr, FALSE, L"Global\\" VANTOR_APP_ID);
#endif
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
