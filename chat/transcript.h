#pragma once

#include <QObject>
#include <QString>
#include <QStringView>

class QTextCursor;
class QTextDocument;

// Keeps the transcript's text in the window's document: received text is
// appended at the end, sent lines are inserted at a caret. These rules hold:
//  - CR LF, a lone CR and a lone LF are each one line break, also when a CR
//    ends one read and its LF starts the next;
//  - nothing else is converted: markup and control characters stay as sent;
//  - a line longer than maxLineLength is shown on further lines, so that one
//    endless line does not cost layout time quadratic in its length; text()
//    still gives it whole;
//  - past maxCharacters the oldest lines go, down to keptCharacters.
//
// The document's costs are per block (one paragraph), so line breaks inside a
// group of short lines are U+2028 line separators, and a group becomes a new
// block once it holds groupCharacters characters or groupLines lines.
class Transcript : public QObject
{
    Q_OBJECT
public:
    // About 65,000 chat lines. The document's buffer grows in powers of two and
    // is compacted when nine tenths full: this bound keeps it well below that.
    static constexpr int maxCharacters = 5'000'000;
    static constexpr int keptCharacters = maxCharacters / 20 * 19;
    static constexpr int maxLineLength = 2'000;
    static constexpr int groupCharacters = 1'000;
    static constexpr int groupLines = 64;

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
