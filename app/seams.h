// SPDX-FileCopyrightText: 2026 The Ombrix <ombrix@ombrix.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "contactnotice.h"
#include "endpoints.h"
#include "hyperlinklabel.h"

#include <QString>

#include <functional>

class OpenWindows;
class QWidget;

// What the main window reaches outside itself. The program uses production();
// tests put in loopback endpoints and recorders, so that no test contacts a
// real server, opens a browser or blocks on a modal box.
struct Seams
{
    Endpoints endpoints;
    // Says in a modal box why an operation was refused, or why a link could
    // not be opened.
    Look::ErrorReporter reportError;
    HyperlinkLabel::UrlOpener openUrl;
    // Shows a contact notice as a box modal to its window; returns at once.
    std::function<void(QWidget *parent, const ContactNotice &notice)> showNotice;
    // Ends the program at once.
    std::function<void()> endProgram;
    // Counts the program's windows, so that it ends with the last; may be null.
    OpenWindows *openWindows = nullptr;

    // The program's own: message boxes, the desktop's browser, the exit.
    static Seams production(Endpoints endpoints);
};
