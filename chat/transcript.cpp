// SPDX-FileCopyrightText: 2026 The Ombrix <ombrix@ombrix.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "transcript.h"

#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

#include <vector>

namespace {

// A block's state: how the block ends.
constexpr int EndsInLineBreak = -1; // QTextBlock's own default
constexpr int EndsInDisplayBreak = 1;

bool endsInDisplayBreak(const QTextBlock &block)
{
    return block.userState() == EndsInDisplayBreak;
}

} // namespace

Transcript::Transcript(QTextDocument *document, QObject *parent)
    : QObject(parent)
    , m_document(document)
    , m_layout(document)
{
    // The undo history would otherwise grow without bound. The document's own
    // maximumBlockCount is not used: it lays out every line it removes.
    m_document->setUndoRedoEnabled(false);
}

void Transcript::append(QStringView text)
{
    if (text.isEmpty())
        return;
    const bool crBefore = m_crPending;
    m_crPending = text.endsWith(u'\r');
    if (crBefore && text.startsWith(u'\n'))
        text = text.mid(1);
    if (text.isEmpty())
        return;
    const QSignalBlocker hold = m_layout.hold();
    // A cursor moved inside an edit block does not lay out the block it lands
    // in to find its x; nothing here needs it.
    QTextCursor cursor(m_document);
    cursor.beginEditBlock();
    cursor.movePosition(QTextCursor::End);
    insert(cursor, text);
    cursor.endEditBlock();
}

void Transcript::appendNotice(QStringView text)
{
    // The last character, where there is one; a CR received last is a break
    // already.
    const int last = m_document->characterCount() - 2;
    const bool atLineStart = last < 0 || isLineBreak(m_document->characterAt(last));
    if (!atLineStart)
        append(u"\n");
    append(text);
    append(u"\n");
}

void Transcript::release()
{
    m_layout.release();
}

void Transcript::insert(QTextCursor &cursor, QStringView text)
{
    // A document takes U+FDD0 and U+FDD1 for the edges of a frame and breaks
    // the line there: such a character is kept as U+FFFD instead.
    QString kept;
    if (text.contains(QChar(0xFDD0)) || text.contains(QChar(0xFDD1))) {
        kept = text.toString().replace(QChar(0xFDD0), QChar::ReplacementCharacter).replace(QChar(0xFDD1), QChar::ReplacementCharacter);
        text = kept;
    }
    cursor.beginEditBlock();
    cursor.removeSelectedText();

    // Where the cursor stands: its column in its line, and how full its group is.
    const QTextBlock block = cursor.block();
    const QString blockText = block.text();
    const qsizetype inBlock = cursor.positionInBlock();
    qsizetype column =
        inBlock == 0 ? 0 : inBlock - 1 - blockText.lastIndexOf(QChar::LineSeparator, inBlock - 1);
    qsizetype groupLength = blockText.size();
    qsizetype groupLineCount = blockText.count(QChar::LineSeparator) + 1;

    // One string for the whole text, so that the document takes it in one
    // edit; breaks[i] says whether block break i is one made for display.
    QString out;
    out.reserve(text.size() + text.size() / maxLineLength + 1);
    std::vector<bool> breaks;
    qsizetype lineStart = 0; // where the shown line that is being filled starts in `out`
    auto newBlock = [&](bool forDisplay) {
        out.append(u'\n');
        breaks.push_back(forDisplay);
        groupLength = 0;
        groupLineCount = 1;
    };
    for (qsizetype i = 0; i < text.size();) {
        // The run up to the next line break is copied whole, but where the
        // line grows longer than maxLineLength.
        qsizetype runEnd = i;
        while (runEnd < text.size() && !isLineBreak(text[runEnd]))
            ++runEnd;
        while (i < runEnd) {
            if (column >= maxLineLength) {
                // Break after the line's last space, where wrapping would break it.
                // (Searching forward first is quick where there is none.)
                const QStringView line = QStringView(out).mid(lineStart);
                const qsizetype found = line.contains(u' ') ? line.lastIndexOf(u' ') : -1;
                const qsizetype space = found < 0 ? -1 : lineStart + found;
                if (space >= 0 && space + 1 < out.size()) {
                    out.insert(space + 1, u'\n');
                    breaks.push_back(true);
                    lineStart = space + 2;
                    column = groupLength = out.size() - lineStart;
                    groupLineCount = 1;
                } else {
                    newBlock(true);
                    column = 0;
                    lineStart = out.size();
                }
            }
            qsizetype copied = qMin(runEnd - i, maxLineLength - column);
            // A surrogate pair stays on one shown line: the line breaks before it.
            const bool splitsPair = i + copied < runEnd && text[i + copied - 1].isHighSurrogate()
                && text[i + copied].isLowSurrogate();
            copied -= splitsPair;
            out.append(text.mid(i, copied));
            i += copied;
            column = splitsPair ? maxLineLength : column + copied;
            groupLength += copied;
        }
        if (i == text.size())
            break;
        // A line break: CR LF is one.
        if (text[i] == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n')
            ++i;
        ++i;
        if (groupLength >= groupCharacters || groupLineCount >= groupLines) {
            newBlock(false);
        } else {
            out.append(QChar::LineSeparator);
            ++groupLength;
            ++groupLineCount;
        }
        column = 0;
        lineStart = out.size();
    }

    const int start = cursor.position();
    const int endState = block.userState();
    cursor.insertText(out);
    // Splitting a block leaves its state on the first half; each new end gets
    // its own mark, and the last half keeps the old block's end.
    if (!breaks.empty()) {
        QTextBlock split = m_document->findBlock(start);
        for (const bool forDisplay : breaks) {
            split.setUserState(forDisplay ? EndsInDisplayBreak : EndsInLineBreak);
            split = split.next();
        }
        split.setUserState(endState);
    }
    cursor.endEditBlock();
}

void Transcript::clear()
{
    QTextCursor cursor(m_document);
    cursor.select(QTextCursor::Document);
    cursor.removeSelectedText();
    m_document->firstBlock().setUserState(EndsInLineBreak);
}

void Transcript::replace(QStringView text)
{
    clear();
    QTextCursor cursor(m_document);
    insert(cursor, text);
    m_crPending = false;
}

QString Transcript::text() const
{
    return text(0, m_document->characterCount() - 1);
}

QString Transcript::text(int from, int to) const
{
    QString out;
    if (from >= to)
        return out;
    out.reserve(to - from);
    for (QTextBlock block = m_document->findBlock(from); block.isValid() && block.position() < to;
         block = block.next()) {
        const int end = block.position() + block.length() - 1; // where its break stands
        const int begin = qMax(from, block.position()) - block.position();
        out.append(QStringView(block.text()).mid(begin, qMin(to, end) - block.position() - begin));
        if (end < to && !endsInDisplayBreak(block))
            out.append(u'\n');
    }
    out.replace(QChar::LineSeparator, u'\n');
    return out;
}

QString Transcript::selectedText(const QTextCursor &cursor) const
{
    return text(cursor.selectionStart(), cursor.selectionEnd());
}

int Transcript::lineStart(int position) const
{
    QTextBlock block = m_document->findBlock(position);
    int inBlock = position - block.position();
    while (true) {
        const qsizetype separator = inBlock > 0 ? block.text().lastIndexOf(QChar::LineSeparator, inBlock - 1) : -1;
        if (separator >= 0)
            return block.position() + int(separator) + 1;
        const QTextBlock previous = block.previous();
        if (!previous.isValid() || !endsInDisplayBreak(previous))
            return block.position();
        block = previous;
        inBlock = block.length() - 1;
    }
}

int Transcript::lineEnd(int position) const
{
    QTextBlock block = m_document->findBlock(position);
    int inBlock = position - block.position();
    while (true) {
        const qsizetype separator = block.text().indexOf(QChar::LineSeparator, inBlock);
        if (separator >= 0)
            return block.position() + int(separator);
        const QTextBlock next = block.next();
        if (!next.isValid() || !endsInDisplayBreak(block))
            return block.position() + block.length() - 1;
        block = next;
        inBlock = 0;
    }
}

bool Transcript::isOverBound() const
{
    return m_document->characterCount() > maxCharacters;
}

bool Transcript::isNearBound() const
{
    return m_document->characterCount() > maxCharacters / 4 * 3;
}

void Transcript::trim()
{
    const int characters = m_document->characterCount();
    if (characters <= maxCharacters)
        return;
    // Past the bound, the oldest twentieth goes at once: removing text makes
    // the document compact its whole buffer, which must not happen on every
    // read. Whole blocks go: whole lines, but for a line longer than
    // maxLineLength, whose first part may go before the rest.
    const QTextBlock keep = m_document->findBlock(characters - keptCharacters).next();
    if (!keep.isValid())
        return;
    const QSignalBlocker hold = m_layout.hold();
    QTextCursor cursor(m_document);
    cursor.beginEditBlock();
    cursor.setPosition(keep.position(), QTextCursor::KeepAnchor);
    cursor.removeSelectedText();
    cursor.endEditBlock();
}
