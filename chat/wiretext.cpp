// SPDX-FileCopyrightText: 2026 The Ombrix <ombrix@ombrix.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "wiretext.h"

namespace WireText {

namespace {

// Bytes 0x80 to 0x9F; the rest of the set is ISO 8859-1.
constexpr char16_t high[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, // 0x80
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F, // 0x88
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, // 0x90
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178, // 0x98
};

int byteOf(char16_t c)
{
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF))
        return c;
    for (int i = 0; i < 32; ++i) {
        if (high[i] == c)
            return 0x80 + i;
    }
    return -1;
}

} // namespace

QString fromWire(const QByteArray &bytes)
{
    QString text = QString::fromLatin1(bytes);
    // Most text has no byte from 0x80 to 0x9F; a quick look says so.
    bool any = false;
    for (const char b : bytes)
        any |= uchar(b) - 0x80u < 0x20u;
    if (!any)
        return text;
    for (QChar &c : text) {
        if (c.unicode() >= 0x80 && c.unicode() < 0xA0)
            c = QChar(high[c.unicode() - 0x80]);
    }
    return text;
}

QByteArray toWire(const QString &text)
{
    QByteArray bytes;
    bytes.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (const int byte = byteOf(c.unicode()); byte >= 0) {
            bytes.append(char(byte));
            continue;
        }
        // A whole surrogate pair is one character: one '?' for it, not two.
        if (c.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate())
            ++i;
        bytes.append('?');
    }
    return bytes;
}

} // namespace WireText
