// SPDX-FileCopyrightText: 2026 The Ombrix <ombrix@ombrix.example>
// SPDX-License-Identifier: GPL-3.0-or-later

// libFuzzer target for the transcript: bytes from the server, cut into reads
// wherever the fuzzer likes, through the 8-bit conversion into the
// transcript, mixed with the user's edits over any selection (typing, pasting
// and sent lines, deleting, Clear Screen, LOG OFF). It checks what the
// transcript keeps against its rules written out plainly after every step,
// and that every byte survives the conversion both ways.
#include "transcript.h"
#include "transcriptrules.h"
#include "wiretext.h"

#include <QGuiApplication>
#include <QTextCursor>
#include <QTextDocument>

#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <cstdlib>

namespace {

void check(bool holds)
{
    if (!holds)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    static int argc = 1;
    static char name[] = "fuzz_receive";
    static char *argv[] = {name, nullptr};
    qputenv("QT_QPA_PLATFORM", "offscreen");
    new QGuiApplication(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    FuzzedDataProvider input(data, size);
    QByteArray stream;
    QTextDocument document;
    document.setDocumentLayout(new NoLayout(&document));
    Transcript transcript(&document);
    TranscriptModel model;
    while (input.remaining_bytes() > 0) {
        const int characters = document.characterCount() - 1;
        const int a = input.ConsumeIntegralInRange<int>(0, characters);
        const int b = input.ConsumeBool() ? a : input.ConsumeIntegralInRange<int>(0, characters);
        const qsizetype from = transcript.text(0, qMin(a, b)).size();
        const qsizetype to = transcript.text(0, qMax(a, b)).size();
        QTextCursor cursor(&document);
        cursor.setPosition(a);
        cursor.setPosition(b, QTextCursor::KeepAnchor);
        switch (input.ConsumeIntegralInRange<int>(0, 7)) {
        default: { // a read from the server
            const std::string piece = input.ConsumeBytesAsString(input.ConsumeIntegralInRange<size_t>(1, 64));
            const QByteArray bytes(piece.data(), qsizetype(piece.size()));
            stream += bytes;
            transcript.append(WireText::fromWire(bytes));
            model.receive(WireText::fromWire(bytes));
            break;
        }
        case 4: { // typed, pasted or sent text over the selection: the wire's
            // characters, any UTF-16, or the characters a document treats apart
            static constexpr char16_t apart[] = u"a \r\n\u2028\u2029\ufdd0\ufdd1\xd83d\xde00";
            const std::string piece = input.ConsumeBytesAsString(input.ConsumeIntegralInRange<size_t>(0, 32));
            QString text = WireText::fromWire(QByteArray(piece.data(), qsizetype(piece.size())));
            if (const int kind = input.ConsumeIntegralInRange<int>(0, 2); kind == 1)
                text = QString(reinterpret_cast<const QChar *>(piece.data()), qsizetype(piece.size() / 2));
            else if (kind == 2)
                std::ranges::for_each(text, [](QChar &c) { c = QChar(apart[c.unicode() % 10]); });
            transcript.insert(cursor, text);
            model.insert(from, to, text);
            break;
        }
        case 5: // Backspace, Delete or Cut: the selection goes
            cursor.removeSelectedText();
            model.insert(from, to, u"");
            break;
        case 6: // Clear Screen
            transcript.clear();
            model.clear();
            break;
        case 7: // LOG OFF
            transcript.replace(u"[notice]");
            model.replace(u"[notice]");
            break;
        }
        check(transcript.text() == model.text);
    }

    // The conversion keeps every byte.
    const QString text = WireText::fromWire(stream);
    check(text.size() == stream.size());
    check(WireText::toWire(text) == stream);
    // Any UTF-16 goes out as one byte per character at most.
    const QString utf16(reinterpret_cast<const QChar *>(stream.constData()), stream.size() / 2);
    check(WireText::toWire(utf16).size() <= utf16.size());
    return 0;
}
