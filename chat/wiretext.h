#pragma once

#include <QByteArray>
#include <QString>

// Text on the chat connection is ISO 8859-1: one byte per character, both ways,
// so every byte the server sends comes back out unchanged. This is the only
// place where wire bytes and text meet.
namespace WireText {

// Each byte becomes the character with that code; never fails.
QString fromWire(const QByteArray &bytes);

// Each character (code point) becomes one byte; a character outside ISO 8859-1
// becomes a single '?', whether it is one UTF-16 unit or a surrogate pair.
QByteArray toWire(const QString &text);

} // namespace WireText
