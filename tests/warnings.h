// SPDX-FileCopyrightText: 2026 The Ombrix <ombrix@ombrix.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QRegularExpression>
#include <QTest>

// Every test class calls this from init(): a warning Qt logs (a null connect,
// a misspelt name, a read on a closed socket) fails the test function. Only
// the offscreen platform's notices of what it cannot do (raise a window,
// grab the keyboard) pass.
inline void failOnWarnings()
{
    QTest::failOnWarning(QRegularExpression(QStringLiteral("^(?!This plugin does not support )")));
}
