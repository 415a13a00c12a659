// SPDX-FileCopyrightText: 2026 The Ombrix <ombrix@ombrix.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

class QClipboard;
class QPlainTextEdit;
class Transcript;

// The Edit menu's commands. They act on the transcript and the clipboard only,
// whichever control has the keyboard focus, and they never move the focus.
class EditCommands
{
public:
    EditCommands(QPlainTextEdit *view, Transcript *transcript, QClipboard *clipboard);

    // The transcript's selection onto the clipboard as plain text, with the
    // platform's line breaks; with nothing selected, the empty text.
    void copy();
    void cut();
    void selectAll();
    void clearClipboard();
    void clearScreen();

private:
    QPlainTextEdit *m_view;
    Transcript *m_transcript;
    QClipboard *m_clipboard;
};
