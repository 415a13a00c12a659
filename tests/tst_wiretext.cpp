// SPDX-FileCopyrightText: 2026 The Ombrix <ombrix@ombrix.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "warnings.h"
#include "wiretext.h"

#include <QTest>

class tst_WireText : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init() { failOnWarnings(); }
    void everyByteRoundTrips();
    void toWire_data();
    void toWire();
};

void tst_WireText::everyByteRoundTrips()
{
    QByteArray all;
    for (int b = 0; b < 256; ++b)
        all.append(char(b));
    const QString text = WireText::fromWire(all);
    QCOMPARE(text.size(), 256); // NUL does not end the text
    // Windows-1252: ISO 8859-1 but for 0x80-0x9F, where the five bytes it
    // leaves undefined keep their codes.
    static const char16_t upper[32] = {
        u'\u20AC' /* euro sign */, 0x81, u'\u201A' /* single low-9 quotation mark */,
        u'\u0192' /* f with hook */, u'\u201E' /* double low-9 quotation mark */,
        u'\u2026' /* horizontal ellipsis */, u'\u2020' /* dagger */, u'\u2021' /* double dagger */,
        u'\u02C6' /* modifier circumflex */, u'\u2030' /* per mille sign */, u'\u0160' /* S with caron */,
        u'\u2039' /* single left-pointing angle quotation mark */, u'\u0152' /* ligature OE */, 0x8D,
        u'\u017D' /* Z with caron */, 0x8F, 0x90, u'\u2018' /* left single quotation mark */,
        u'\u2019' /* right single quotation mark */, u'\u201C' /* left double quotation mark */,
        u'\u201D' /* right double quotation mark */, u'\u2022' /* bullet */, u'\u2013' /* en dash */,
        u'\u2014' /* em dash */, u'\u02DC' /* small tilde */, u'\u2122' /* trade mark sign */,
        u'\u0161' /* s with caron */, u'\u203A' /* single right-pointing angle quotation mark */,
        u'\u0153' /* ligature oe */, 0x9D, u'\u017E' /* z with caron */, u'\u0178' /* Y with diaeresis */,
    };
    for (int b = 0; b < 256; ++b) {
        const char16_t expected = b >= 0x80 && b < 0xA0 ? upper[b - 0x80] : char16_t(b);
        QVERIFY2(text.at(b).unicode() == expected, qPrintable(QString::number(b, 16)));
    }
    QCOMPARE(WireText::toWire(text), all);
}

void tst_WireText::toWire_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("ascii") << QStringLiteral("/whois BILLY") << QByteArray("/whois BILLY");
    QTest::newRow("latin-1 letters") << QStringLiteral("caf\u00e9 \u00ff") << QByteArray("caf\xe9 \xff");
    QTest::newRow("typographic marks") << QStringLiteral("5\u20ac \u2026 \u2018\u2019 \u201c\u201d \u0153\u2122")
                                       << QByteArray("5\x80 \x85 \x91\x92 \x93\x94 \x9c\x99");
    QTest::newRow("undefined bytes keep their codes") << QStringLiteral("\u0081\u008d\u008f\u0090\u009d")
                                                      << QByteArray("\x81\x8d\x8f\x90\x9d");
    QTest::newRow("C1 controls the set lacks") << QStringLiteral("\u0080\u0085\u0099") << QByteArray("???");
    QTest::newRow("outside the set") << QStringLiteral("\u0100\u03a9\u4e2d") << QByteArray("???");
    QTest::newRow("surrogate pair is one character")
        << QStringLiteral("a\U0001F600b") << QByteArray("a?b");
    QTest::newRow("lone surrogate") << QString(QChar(0xD800)) << QByteArray("?");
    QTest::newRow("empty") << QString() << QByteArray();
}

void tst_WireText::toWire()
{
    QFETCH(QString, text);
    QFETCH(QByteArray, bytes);
    QCOMPARE(WireText::toWire(text), bytes);
}

QTEST_GUILESS_MAIN(tst_WireText)
#include "tst_wiretext.moc"
