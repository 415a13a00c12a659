#pragma once

#include <QAbstractTextDocumentLayout>
#include <QByteArray>
#include <QString>

// The transcript's rules for received bytes, written out plainly: every byte
// is the character with its code, and CR LF, a lone CR and a lone LF are each
// one line break. The property test and the fuzzer hold the transcript to it.
inline QString expectedText(const QByteArray &bytes)
{
    QString text = QString::fromLatin1(bytes);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(u'\r', u'\n');
    return text;
}

// A layout that lays out nothing, for checks of the text alone: the real
// layout's cost on endless streams of control characters is the fonts'.
class NoLayout : public QAbstractTextDocumentLayout
{
public:
    using QAbstractTextDocumentLayout::QAbstractTextDocumentLayout;
    void draw(QPainter *, const PaintContext &) override {}
    int hitTest(const QPointF &, Qt::HitTestAccuracy) const override { return -1; }
    int pageCount() const override { return 1; }
    QSizeF documentSize() const override { return {}; }
    QRectF frameBoundingRect(QTextFrame *) const override { return {}; }
    QRectF blockBoundingRect(const QTextBlock &) const override { return {}; }

protected:
    void documentChanged(int, int, int) override {}
};
