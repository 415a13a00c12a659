#pragma once

#include <QObject>
#include <QString>
#include <QStringView>

class QTextCursor;
class QTextDocument;

// Keeps the transcript's text in the window's document: received text is
// appended at the end, sent lines are inserted at a caret. Whatever the
// document's view does, these rules hold:
//  - CR LF, a lone CR and a lone LF are each one line break, also when a CR
//    ends one read and its LF starts the next;
//  - nothing else is converted: markup and control characters stay as sent;
//  - a line longer than maxLineLength is shown on further lines, marked as
//    continuations so that text() still gives the line whole (one endless
//    line would otherwise cost layout time quadratic in its length);
//  - past maxLines lines or maxCharacters characters the oldest lines go.
class Transcript : public QObject
{
    Q_OBJECT
public:
    static constexpr int maxLines = 100'000;
    static constexpr int maxCharacters = 10'000'000;
    static constexpr int maxLineLength = 2'000;

    explicit Transcript(QTextDocument *document, QObject *parent = nullptr);

    // Received text, at the end of the transcript.
    void append(QStringView text);
    // Text at the cursor, replacing its selection; the cursor ends after it.
    void insert(QTextCursor &cursor, QStringView text);
    // The whole transcript becomes the text.
    void replace(QStringView text);

    // The transcript as its lines were received or typed, "\n" between lines.
    QString text() const;
    // The same for the characters between two document positions.
    QString text(int from, int to) const;

private:
    void trim();

    QTextDocument *m_document;
    bool m_crPending = false; // the last append ended in a CR that made a line break
    bool m_editing = false;
};
