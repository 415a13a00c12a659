#include "transcript.h"

#include <QScopedValueRollback>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

#include <vector>

namespace {

// A block that carries on the line of the block before it.
constexpr int Continuation = 1;
constexpr int Line = -1; // QTextBlock's own default state

bool isContinuation(const QTextBlock &block)
{
    return block.userState() == Continuation;
}

} // namespace

Transcript::Transcript(QTextDocument *document, QObject *parent)
    : QObject(parent)
    , m_document(document)
{
    // The undo history would otherwise grow without bound. The document's own
    // maximumBlockCount is not used: it lays out every line it removes.
    m_document->setUndoRedoEnabled(false);
    // A CR only swallows the LF that follows it if nothing came between them.
    // The document reports changes only once it has a layout.
    m_document->documentLayout();
    connect(m_document, &QTextDocument::contentsChange, this, [this] {
        if (!m_editing)
            m_crPending = false;
    });
}

void Transcript::append(QStringView text)
{
    if (text.isEmpty())
        return;
    if (m_crPending && text.startsWith(u'\n'))
        text = text.mid(1);
    m_crPending = false;
    if (text.isEmpty())
        return;
    QTextCursor cursor(m_document);
    cursor.movePosition(QTextCursor::End);
    insert(cursor, text);
    m_crPending = text.endsWith(u'\r');
    trim();
}

void Transcript::insert(QTextCursor &cursor, QStringView text)
{
    QScopedValueRollback guard(m_editing, true);
    m_crPending = false; // append() sets it again where it still holds
    cursor.beginEditBlock();
    cursor.removeSelectedText();

    // Where the cursor stands: its column in its line, and how full its group is.
    const QString blockText = cursor.block().text();
    const qsizetype inBlock = cursor.positionInBlock();
    qsizetype column =
        inBlock == 0 ? 0 : inBlock - 1 - blockText.lastIndexOf(QChar::LineSeparator, inBlock - 1);
    qsizetype groupLength = blockText.size();
    qsizetype groupLineCount = blockText.count(QChar::LineSeparator) + 1;

    // One string for the whole text, so that the document takes it in one
    // edit; breaks[i] says whether block break i is one made for a long line.
    QString out;
    out.reserve(text.size() + text.size() / maxLineLength + 1);
    std::vector<bool> breaks;
    bool anyContinuation = false;
    auto newBlock = [&](bool continuation) {
        out.append(u'\n');
        breaks.push_back(continuation);
        anyContinuation |= continuation;
        groupLength = 0;
        groupLineCount = 1;
    };
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c == u'\r' || c == u'\n') {
            if (c == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n')
                ++i;
            if (groupLength >= groupCharacters || groupLineCount >= groupLines) {
                newBlock(false);
            } else {
                out.append(QChar::LineSeparator);
                ++groupLength;
                ++groupLineCount;
            }
            column = 0;
            continue;
        }
        if (column >= maxLineLength) {
            newBlock(true);
            column = 0;
        }
        out.append(c);
        ++column;
        ++groupLength;
    }

    const int start = cursor.position();
    const int firstState = cursor.block().userState();
    cursor.insertText(out);
    // Splitting a block may leave its state on either half; put each where it belongs.
    if (anyContinuation || firstState == Continuation) {
        QTextBlock block = m_document->findBlock(start);
        block.setUserState(firstState);
        for (const bool continuation : breaks) {
            block = block.next();
            block.setUserState(continuation ? Continuation : Line);
        }
    }
    cursor.endEditBlock();
}

void Transcript::replace(QStringView text)
{
    QTextCursor cursor(m_document);
    cursor.select(QTextCursor::Document);
    insert(cursor, text);
    m_document->firstBlock().setUserState(Line);
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
    for (QTextBlock block = m_document->findBlock(from); block.isValid() && block.position() <= to;
         block = block.next()) {
        if (block.position() > from && !isContinuation(block))
            out.append(u'\n');
        const int begin = qMax(from, block.position()) - block.position();
        const int end = qMin(to, block.position() + block.length() - 1) - block.position();
        if (end > begin)
            out.append(QStringView(block.text()).mid(begin, end - begin));
    }
    out.replace(QChar::LineSeparator, u'\n');
    return out;
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
    QScopedValueRollback guard(m_editing, true);
    QTextCursor cursor(m_document);
    cursor.setPosition(keep.position(), QTextCursor::KeepAnchor);
    cursor.removeSelectedText();
}
