// SPDX-FileCopyrightText: 2026 The Ombrix <ombrix@ombrix.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "receivedspeech.h"

#include "transcript.h"

#include <QStringList>

namespace {

// Enough for mostLines long chat lines; a flood keeps only its newest.
constexpr qsizetype keptCharacters = 4096;

// The line breaks in a text (CR LF is one), `next` being the character after
// it, or none: a CR at the end is a break of its own. Written without a
// branch, so that a compiler counts many characters at a time.
qsizetype lineBreaks(QStringView text, QChar next)
{
    const char16_t *c = text.utf16();
    const qsizetype last = text.size() - 1;
    quint32 breaks = 0; // one read holds far fewer characters than this counts
    for (qsizetype i = 0; i < last; ++i)
        breaks += (c[i] == u'\n') | ((c[i] == u'\r') & (c[i + 1] != u'\n'));
    if (last >= 0)
        breaks += c[last] == u'\n' || (c[last] == u'\r' && next != u'\n');
    return breaks;
}

} // namespace

ReceivedSpeech::ReceivedSpeech(QObject *parent)
    : QObject(parent)
{
    m_quiet.setSingleShot(true);
    m_quiet.setInterval(quietMilliseconds);
    m_longest.setSingleShot(true);
    m_longest.setInterval(longestWaitMilliseconds);
    connect(&m_quiet, &QTimer::timeout, this, &ReceivedSpeech::flush);
    connect(&m_longest, &QTimer::timeout, this, &ReceivedSpeech::flush);
}

void ReceivedSpeech::receive(QStringView text)
{
    if (text.isEmpty())
        return;
    // A flood keeps only its newest lines, whole: where what waits grows past
    // twice what is kept, the oldest lines go, counted. They are counted where
    // they stand, in what waited and in the text, rather than copied first:
    // this runs on every read of a flood.
    if (m_waiting.size() + text.size() > 2 * keptCharacters) {
        qsizetype cut = m_waiting.size() + text.size() - keptCharacters; // in what waited and the text, as one
        auto at = [&](qsizetype i) { return i < m_waiting.size() ? m_waiting.at(i) : text[i - m_waiting.size()]; };
        while (cut < m_waiting.size() + text.size() && !Transcript::isLineBreak(at(cut - 1)))
            ++cut;
        const qsizetype fromText = qMax(qsizetype(0), cut - m_waiting.size());
        const QStringView waited = QStringView(m_waiting).left(cut - fromText);
        m_droppedLines += lineBreaks(waited, fromText > 0 ? text.front() : QChar()) + lineBreaks(text.left(fromText), QChar());
        m_waiting = fromText > 0 ? text.mid(fromText).toString() : m_waiting.mid(cut).append(text);
    } else {
        m_waiting.append(text);
    }
    m_quiet.start();
    if (!m_longest.isActive())
        m_longest.start();
}

void ReceivedSpeech::clear()
{
    m_waiting.clear();
    m_droppedLines = 0;
    m_quiet.stop();
    m_longest.stop();
}

void ReceivedSpeech::flush()
{
    m_quiet.stop();
    m_longest.stop();
    QStringList lines;
    QString line;
    for (const QChar c : std::as_const(m_waiting)) {
        if (Transcript::isLineBreak(c)) {
            if (!line.trimmed().isEmpty())
                lines << line.trimmed();
            line.clear();
        } else {
            line.append(c.isPrint() || c == u'\t' ? c : QChar(u' '));
        }
    }
    if (!line.trimmed().isEmpty())
        lines << line.trimmed();
    const qsizetype count = lines.size() + m_droppedLines;
    m_waiting.clear();
    m_droppedLines = 0;
    if (lines.isEmpty())
        return;
    if (count <= mostLines)
        Q_EMIT speak(lines.join(u'\n'));
    else
        Q_EMIT speak(tr("%1 new lines, the newest: %2").arg(count).arg(lines.last()));
}
