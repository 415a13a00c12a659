// SPDX-FileCopyrightText: 2026 The Ombrix <ombrix@ombrix.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "hyperlinklabel.h"

#include "look.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QStyleOptionFocusRect>
#include <QStylePainter>

HyperlinkLabel::HyperlinkLabel(const QString &caption, const QUrl &target, UrlOpener opener,
                               QWidget *parent)
    : QLabel(caption, parent)
    , m_target(target)
    , m_opener(std::move(opener))
{
    setTextFormat(Qt::PlainText);
    setAlignment(Qt::AlignCenter);
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::TabFocus);
    setToolTip(target.toString());
    QPalette look = palette();
    look.setColor(QPalette::WindowText, QColor(0, 0, 255));
    setPalette(look);
}

void HyperlinkLabel::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        open();
    QLabel::mouseReleaseEvent(event);
}

void HyperlinkLabel::keyPressEvent(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        open();
        return;
    default:
        QLabel::keyPressEvent(event);
    }
}

void HyperlinkLabel::resizeEvent(QResizeEvent *event)
{
    QLabel::resizeEvent(event);
    Look::shrinkToFit(this, text(), Qt::AlignCenter | Qt::TextSingleLine);
}

void HyperlinkLabel::paintEvent(QPaintEvent *event)
{
    QLabel::paintEvent(event);
    if (!hasFocus())
        return;
    QStylePainter painter(this);
    QStyleOptionFocusRect focus;
    focus.initFrom(this);
    focus.backgroundColor = palette().color(backgroundRole());
    const QRect caption = fontMetrics().boundingRect(contentsRect(), int(alignment()), text());
    focus.rect = caption.adjusted(-2, 0, 2, 0).intersected(rect());
    painter.drawPrimitive(QStyle::PE_FrameFocusRect, focus);
}

void HyperlinkLabel::open()
{
    if (m_opener)
        m_opener(m_target);
}
