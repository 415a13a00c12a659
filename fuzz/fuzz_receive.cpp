// libFuzzer target for the receive path: bytes from the server, cut into
// reads wherever the fuzzer likes, through the 8-bit conversion into the
// transcript. It checks what the transcript keeps against its rules written
// out plainly, and that every byte survives the conversion both ways.
#include "transcript.h"
#include "transcriptrules.h"
#include "wiretext.h"

#include <QGuiApplication>
#include <QTextCursor>
#include <QTextDocument>

#include <fuzzer/FuzzedDataProvider.h>

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
    const bool echoFirst = input.ConsumeBool();
    QList<QByteArray> reads;
    QByteArray stream;
    while (input.remaining_bytes() > 0) {
        const size_t n = input.ConsumeIntegralInRange<size_t>(1, 64);
        const std::string piece = input.ConsumeBytesAsString(n);
        reads << QByteArray(piece.data(), qsizetype(piece.size()));
        stream += reads.last();
    }

    // The conversion keeps every byte.
    const QString text = WireText::fromWire(stream);
    check(text.size() == stream.size());
    check(WireText::toWire(text) == stream);
    // Any UTF-16 goes out as one byte per character at most.
    const QString utf16(reinterpret_cast<const QChar *>(stream.constData()), stream.size() / 2);
    check(WireText::toWire(utf16).size() <= utf16.size());

    QTextDocument document;
    document.setDocumentLayout(new NoLayout(&document));
    Transcript transcript(&document);
    QString prefix;
    if (echoFirst) {
        // A line sent before anything arrived stands in front of what arrives.
        QTextCursor caret(&document);
        transcript.insert(caret, u"sent\r\n");
        prefix = QStringLiteral("sent\n");
    }
    for (const QByteArray &read : std::as_const(reads))
        transcript.append(WireText::fromWire(read));
    check(transcript.text() == prefix + expectedText(stream));
    return 0;
}
