#include "hyperlinklabel.h"

#include <QKeyEvent>
#include <QMouseEvent>

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
    QFont fitted = font();
    const int room = contentsRect().width();
    while (fitted.pointSizeF() > 6 && QFontMetrics(fitted).horizontalAdvance(text()) > room)
        fitted.setPointSizeF(fitted.pointSizeF() - 0.25);
    if (fitted != font())
        setFont(fitted);
}

void HyperlinkLabel::open()
{
    if (m_opener)
        m_opener(m_target);
}
