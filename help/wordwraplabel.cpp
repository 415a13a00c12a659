// SPDX-FileCopyrightText: 2026 The Ombrix <ombrix@ombrix.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "wordwraplabel.h"

#include <QFontMetrics>
#include <QPainter>

WordWrapLabel::WordWrapLabel(QWidget *parent)
    : QLabel(parent)
{
    setTextFormat(Qt::PlainText);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
}

QStringList WordWrapLabel::wrap(const QString &text, const QFontMetrics &metrics, int width)
{
    QStringList lines;
    QString line;
    for (const QString &word : text.split(u' ')) {
        const QString longer = line.isEmpty() ? word : line + u' ' + word;
        if (line.isEmpty() || metrics.horizontalAdvance(longer) <= width) {
            line = longer;
        } else {
            lines << line;
            line = word;
        }
    }
    lines << line;
    return lines;
}

void WordWrapLabel::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    drawFrame(&painter);
    const QRect room = contentsRect().adjusted(margin(), margin(), -margin(), -margin());
    painter.setClipRect(room);
    painter.setPen(palette().color(foregroundRole()));
    const QFontMetrics metrics(font());
    int top = room.top();
    for (const QString &line : wrap(text(), metrics, room.width())) {
        if (top > room.bottom())
            break;
        painter.drawText(QRect(room.left(), top, room.width(), metrics.height()),
                         Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, line);
        top += metrics.lineSpacing();
    }
}
