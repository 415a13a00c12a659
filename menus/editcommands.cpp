// SPDX-FileCopyrightText: 2026 The Ombrix <ombrix@ombrix.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "editcommands.h"

#include "transcript.h"

#include <QClipboard>
#include <QPlainTextEdit>
#include <QTextCursor>

EditCommands::EditCommands(QPlainTextEdit *view, Transcript *transcript, QClipboard *clipboard)
    : m_view(view)
    , m_transcript(transcript)
    , m_clipboard(clipboard)
{
}

void EditCommands::copy()
{
    // The transcript's own text, not the cursor's: that would carry U+2029
    // for line breaks and split long lines where they are shown split.
    const QTextCursor cursor = m_view->textCursor();
    m_clipboard->clear();
    m_clipboard->setText(m_transcript->text(cursor.selectionStart(), cursor.selectionEnd()));
}

void EditCommands::cut()
{
    copy();
    QTextCursor cursor = m_view->textCursor();
    cursor.removeSelectedText();
    m_view->setTextCursor(cursor);
}

void EditCommands::selectAll()
{
    QTextCursor cursor = m_view->textCursor();
    cursor.select(QTextCursor::Document);
    m_view->setTextCursor(cursor);
}

void EditCommands::clearClipboard()
{
    m_clipboard->clear();
}

void EditCommands::clearScreen()
{
    m_transcript->clear();
}
