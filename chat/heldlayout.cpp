// SPDX-FileCopyrightText: 2026 The Ombrix <ombrix@ombrix.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "heldlayout.h"

#include <QAbstractTextDocumentLayout>
#include <QTextDocument>

QSignalBlocker HeldLayout::hold()
{
    m_held = true;
    return QSignalBlocker(m_document->documentLayout());
}

void HeldLayout::release()
{
    if (!m_held)
        return;
    m_held = false;
    // What the layout would have said after each held edit, said once.
    QAbstractTextDocumentLayout *layout = m_document->documentLayout();
    Q_EMIT layout->documentSizeChanged(layout->documentSize());
    Q_EMIT layout->update();
}
