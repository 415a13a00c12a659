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
    m_clipboard->clear();
    m_clipboard->setText(m_transcript->selectedText(m_view->textCursor()));
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
