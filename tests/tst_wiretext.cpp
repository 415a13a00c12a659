#include "wiretext.h"

#include <QTest>

class tst_WireText : public QObject
{
    Q_OBJECT
private Q_SLOTS:
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
    for (int b = 0; b < 256; ++b)
        QCOMPARE(text.at(b).unicode(), ushort(b));
    QCOMPARE(WireText::toWire(text), all);
}

void tst_WireText::toWire_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("ascii") << QStringLiteral("/whois BILLY") << QByteArray("/whois BILLY");
    QTest::newRow("latin-1 letters") << QStringLiteral("caf\u00e9 \u00ff") << QByteArray("caf\xe9 \xff");
    QTest::newRow("euro sign") << QStringLiteral("5\u20ac") << QByteArray("5?");
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
