// SPDX-FileCopyrightText: 2026 The Ombrix <ombrix@ombrix.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "wiretext.h"

#include <QAbstractTextDocumentLayout>
#include <QByteArray>
#include <QString>

// The transcript's rules written out plainly, for the property tests and the
// fuzzer: a plain string that takes the same operations as the transcript.
// Received text keeps every character, and CR LF, a lone CR and a lone LF are
// each one line break, also when the CR and its LF come in different reads
// with anything done to the text in between. Inserted text keeps every
// character but its line breaks: CR LF, CR, LF, U+2028 and U+2029 are each one.
// U+FDD0 and U+FDD1, which a document cannot hold, are U+FFFD wherever they come from.
struct TranscriptModel
{
    QString text;
    bool crPending = false; // the received stream's last character is a CR

    void receive(QStringView received)
    {
        for (const QChar c : received) {
            const bool swallowed = crPending && c == u'\n';
            crPending = c == u'\r';
            if (!swallowed)
                text += c == u'\r' ? QChar(u'\n') : held(c);
        }
    }
    static QChar held(QChar c) { return c == QChar(0xFDD0) || c == QChar(0xFDD1) ? QChar::ReplacementCharacter : c; }
    static QString inserted(QStringView typed)
    {
        QString out;
        for (qsizetype i = 0; i < typed.size(); ++i) {
            const QChar c = typed[i];
            if (c == u'\r' && i + 1 < typed.size() && typed[i + 1] == u'\n')
                continue; // the LF makes the break
            const bool lineBreak = c == u'\r' || c == u'\n' || c == QChar::LineSeparator
                || c == QChar::ParagraphSeparator;
            out += lineBreak ? QChar(u'\n') : held(c);
        }
        return out;
    }
    // Characters from..to replaced by a typed, pasted or sent text.
    void insert(qsizetype from, qsizetype to, QStringView typed)
    {
        text.replace(from, to - from, inserted(typed));
    }
    void clear() { text.clear(); }
    // A new connection: the stream starts afresh.
    void replace(QStringView notice)
    {
        text = inserted(notice);
        crPending = false;
    }
};

// What a received stream of bytes shows.
inline QString expectedText(const QByteArray &bytes)
{
    TranscriptModel model;
    model.receive(WireText::fromWire(bytes));
    return model.text;
}

// A layout that lays out nothing, for checks of the text alone: the real
// layout's cost on endless streams of control characters is the fonts'.
class NoLayout : public QAbstractTextDocumentLayout
{
public:
    using QAbstractTextDocumentLayout::QAbstractTextDocumentLayout;
    void draw(QPainter *, const PaintContext &) override {}
    int hitTest(const QPointF &, Qt::HitTestAccuracy) const override { return -1; }
    int pageCount() const override { return 1; }
    QSizeF documentSize() const override { return {}; }
    QRectF frameBoundingRect(QTextFrame *) const override { return {}; }
    QRectF blockBoundingRect(const QTextBlock &) const override { return {}; }

protected:
    void documentChanged(int, int, int) override {}
};
