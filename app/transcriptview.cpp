#include "transcriptview.h"

#include "transcript.h"

#include <QMimeData>

QMimeData *TranscriptView::createMimeDataFromSelection() const
{
    if (!m_transcript)
        return QPlainTextEdit::createMimeDataFromSelection();
    const QTextCursor cursor = textCursor();
    auto *data = new QMimeData;
    data->setText(m_transcript->text(cursor.selectionStart(), cursor.selectionEnd()));
    return data;
}
