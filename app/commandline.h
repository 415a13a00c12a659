// SPDX-FileCopyrightText: 2026 The Ombrix <ombrix@ombrix.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QStringList>

// The program's command line: --help and --version, and nothing else of its
// own; Qt's own options (-platform, -style, ...) are left for Qt.
namespace CommandLine {

enum class Outcome {
    Run,   // start the window
    Done,  // help or version told: exit 0
    Wrong, // an unknown option or an argument: exit 2
};

struct Answer
{
    Outcome outcome;
    QString text; // the help, the version or a one-line error, each ended by a line break
};

// Reads the arguments (argv, the program's name first). Needs no display, and
// no application object.
Answer parse(const QStringList &arguments);
// As a terminal shows it: help and version on standard output, an error on
// standard error.
void print(const Answer &answer);

} // namespace CommandLine
