#pragma once

#include <QPlainTextEdit>

class Transcript;

// The transcript's text box. What it copies or drags (Ctrl+C, its context
// menu) is the transcript's own text, as Edit > Copy gives it: long lines
// whole and every character kept, where the box itself would break long lines
// where they are shown broken and turn no-break spaces into spaces.
class TranscriptView : public QPlainTextEdit
{
    Q_OBJECT
public:
    using QPlainTextEdit::QPlainTextEdit;

    void setTranscript(Transcript *transcript) { m_transcript = transcript; }

protected:
    QMimeData *createMimeDataFromSelection() const override;

private:
    Transcript *m_transcript = nullptr;
};
