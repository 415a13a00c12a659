// SPDX-FileCopyrightText: 2026 The Ombrix <ombrix@ombrix.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "receivedspeech.h"

#include "transcript.h"

#include <QStringList>

namespace {

// Enough for mostLines long chat lines; a flood keeps only its newest.
constexpr qsizetype keptCharacters = 4096;

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
    m_waiting.append(text);
    if (m_waiting.size() > 2 * keptCharacters) {
        // The oldest lines go, counted; the newest stay whole.
        qsizetype cut = m_waiting.size() - keptCharacters;
        while (cut < m_waiting.size() && !Transcript::isLineBreak(m_waiting[cut - 1]))
            ++cut;
        for (qsizetype i = 0; i < cut; ++i) {
            if (m_waiting[i] == u'\n' || (m_waiting[i] == u'\r' && (i + 1 == cut || m_waiting[i + 1] != u'\n')))
                ++m_droppedLines;
        }
        m_waiting.remove(0, cut);
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
