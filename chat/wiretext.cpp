#include "wiretext.h"

namespace WireText {

QString fromWire(const QByteArray &bytes)
{
    return QString::fromLatin1(bytes);
}

QByteArray toWire(const QString &text)
{
    QByteArray bytes;
    bytes.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c.unicode() <= 0xff) {
            bytes.append(char(c.unicode()));
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
