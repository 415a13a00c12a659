// SPDX-FileCopyrightText: 2026 The Ombrix <ombrix@ombrix.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "heldlayout.h"

#include <QObject>
#include <QString>
#include <QStringView>

class QTextCursor;
class QTextDocument;

// Keeps the transcript's text in the window's document: received text is
// appended at the end, typed, pasted and sent text is inserted at a caret.
// These rules hold:
//  - CR LF, a lone CR and a lone LF are each one line break, also when a CR
//    ends one read and its LF starts the next, whatever was done to the text
//    in between: the pairing belongs to the received stream;
//  - nothing else is converted: markup and control characters stay as sent;
//  - a line longer than maxLineLength is shown on further lines, broken after
//    its last space before the limit where it has one, so that one endless
//    line does not cost layout time quadratic in its length; text() still
//    gives it whole;
//  - past maxCharacters the oldest lines go, down to keptCharacters.
//
// The document's costs are per block (one paragraph), so line breaks inside a
// group of short lines are U+2028 line separators, and a group becomes a new
// block once it holds groupCharacters characters or groupLines lines.
//
// Every block says of its own end whether that break is a line break or one
// made only for display (the line goes on in the next block). The mark
// belongs to the block's end, so no edit can lose it: removing text across
// blocks keeps the last block's end, and Qt keeps the last block's state with
// it; every text that splits a block comes through insert(), which marks each
// new end.
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

    // CR, LF, and the Unicode line and paragraph separators; CR LF is one.
    static bool isLineBreak(QChar c)
    {
        // Ordered for the common case, a character that is none of them.
        const char16_t u = c.unicode();
        return u <= u'\r' ? (u == u'\r' || u == u'\n') : (u == QChar::LineSeparator || u == QChar::ParagraphSeparator);
    }

    // Received text, at the end of the transcript. The document's views are
    // not told of it, so they neither lay it out nor repaint, until release():
    // while a flood comes in they catch up once a frame, and text that
    // scrolls away before that is never laid out at all. (Qt's own plain
    // text box holds its views back the same way while it appends.)
    void append(QStringView text);
    // A notice of the program's own about the received stream, held like
    // append(): at the end, on a line of its own, ended by a line break.
    void appendNotice(QStringView text);
    // Past maxCharacters, the oldest lines go, down to keptCharacters. Held
    // from the views like append(). Removing text compacts the document's
    // whole buffer now and then, so this is a step of its own.
    bool isOverBound() const;
    // Three quarters of the way there: time to make ready for what comes past it.
    bool isNearBound() const;
    void trim();
    // The views catch up with what append() and trim() did: one new size and
    // one repaint.
    void release();
    // Text at the cursor, replacing its selection; the cursor ends after it.
    // CR LF, CR, LF and the Unicode line and paragraph separators are each a
    // line break.
    void insert(QTextCursor &cursor, QStringView text);
    // Empties the transcript; the received stream goes on.
    void clear();
    // The whole transcript becomes the text, and the received stream starts
    // afresh, as on a new connection.
    void replace(QStringView text);

    // The transcript as its lines were received or typed, "\n" between lines.
    QString text() const;
    // The same for the characters between two document positions.
    QString text(int from, int to) const;
    // The same for a cursor's selection: what copying it gives, never the
    // document's own text, which carries U+2029 for line breaks and splits
    // long lines where they are shown split.
    QString selectedText(const QTextCursor &cursor) const;
    // The document positions where the line around a position starts and ends
    // (before its line break), across breaks made only for display.
    int lineStart(int position) const;
    int lineEnd(int position) const;

private:

    QTextDocument *m_document;
    bool m_crPending = false; // the received stream's last character is a CR
    HeldLayout m_layout;      // the views hear of appends and trims at release()
};
