// SPDX-FileCopyrightText: 2026 The Ombrix <ombrix@ombrix.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QString>

// Text on the chat connection is Windows-1252, the 8-bit character set of the
// platform the chat service's games and clients come from: one byte per
// character, both ways. The five bytes it leaves undefined (0x81, 0x8D, 0x8F,
// 0x90, 0x9D) become the control characters with their codes, as Windows maps
// them, so every byte the server sends comes back out unchanged. This is the
// only place where wire bytes and text meet.
namespace WireText {

// Each byte becomes its character; never fails.
QString fromWire(const QByteArray &bytes);

// Each character (code point) becomes its byte; a character outside
// Windows-1252 becomes a single '?', whether it is one UTF-16 unit or a
// surrogate pair.
QByteArray toWire(const QString &text);

} // namespace WireText
