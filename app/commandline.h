// SPDX-FileCopyrightText: 2026 The Ombrix <ombrix@ombrix.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QStringList>

// The program's command line: --help and --version, and nothing else of its
// own; Qt's own options (-platform, -style, ...) are left for Qt.
namespace CommandLine {

enum class Outcome {
    Run,   // start the window
    Done,  // help or version printed: exit 0
    Wrong, // an unknown option or an argument: exit 2
};

// Reads the arguments (argv, the program's name first); prints help, the
// version or a one-line error as they ask. Needs no display, and no
// application object.
Outcome parse(const QStringList &arguments);

} // namespace CommandLine
