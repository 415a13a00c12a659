// SPDX-FileCopyrightText: 2026 The Ombrix <ombrix@ombrix.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

class OpenWindows;

// What the whole application shares, installed once, after the application
// object and before the first window: how a screen reader meets the
// program's own kinds of control, and the list of open windows (the
// last-window rule and the keyboard's return). Making a window changes
// nothing beyond that window.
void installApplicationWide(OpenWindows &windows);
