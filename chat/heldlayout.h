// SPDX-FileCopyrightText: 2026 The Ombrix <ombrix@ombrix.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QSignalBlocker>

class QTextDocument;

// Keeps a document's views from hearing of its edits until release(), and
// then tells them once: a flood is laid out once a frame, not once an edit.
//
// What it relies on in Qt: a plain text box (QPlainTextEdit) and its
// layout (QPlainTextDocumentLayout) learn of edits only through the
// layout's signals documentSizeChanged() and update(); the layout itself
// lays a block out only when asked for it. With those signals blocked
// during an edit, no view lays anything out or repaints; emitting each once
// afterwards brings every view up to date as if it had heard of every edit.
// A test (tst_transcript, "the views hear of held edits once") fails if a
// Qt release changes that.
class HeldLayout
{
public:
    explicit HeldLayout(QTextDocument *document)
        : m_document(document)
    {
    }

    // For the time of one edit: a guard that blocks the layout's signals.
    [[nodiscard]] QSignalBlocker hold();
    // The views catch up with what was held: one new size, one repaint.
    void release();
    bool isHeld() const { return m_held; }

private:
    QTextDocument *m_document;
    bool m_held = false; // edited since the views were last told
};
