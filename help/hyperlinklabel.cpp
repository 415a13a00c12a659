// SPDX-FileCopyrightText: 2026 The Ombrix <ombrix@ombrix.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "hyperlinklabel.h"

#include "look.h"

#include <QAccessibleWidget>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QStyleOptionFocusRect>
#include <QStylePainter>

namespace {

// A label is static text to a screen reader; this one is a link it can follow.
class AccessibleLink : public QAccessibleWidget
{
public:
    explicit AccessibleLink(HyperlinkLabel *link)
        : QAccessibleWidget(link, QAccessible::Link)
    {
    }

    QString text(QAccessible::Text t) const override
    {
        auto *link = static_cast<HyperlinkLabel *>(widget());
        switch (t) {
        case QAccessible::Name:
            return link->accessibleName().isEmpty() ? link->text() : link->accessibleName();
        case QAccessible::Value:
            return link->target().toString();
        default:
            return QAccessibleWidget::text(t);
        }
    }

    QStringList actionNames() const override { return {pressAction()}; }

    void doAction(const QString &action) override
    {
        if (action == pressAction())
            static_cast<HyperlinkLabel *>(widget())->open();
    }
};

} // namespace

QAccessibleInterface *HyperlinkLabel::accessibleInterface(const QString &className, QObject *object)
{
    if (className == QLatin1String("HyperlinkLabel") && object && object->isWidgetType())
        return new AccessibleLink(static_cast<HyperlinkLabel *>(object));
    return nullptr;
}

HyperlinkLabel::HyperlinkLabel(const QString &caption, const QUrl &target, UrlOpener opener,
                               Look::ErrorReporter reportError, QWidget *parent)
    : QLabel(caption, parent)
    , m_target(target)
    , m_opener(std::move(opener))
    , m_reportError(std::move(reportError))
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

void HyperlinkLabel::changeEvent(QEvent *event)
{
    QLabel::changeEvent(event);
    // A font set after the size must fit as well (shrinking sets the font
    // again, which then fits and changes nothing).
    if (event->type() == QEvent::FontChange)
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
    if (!m_opener || m_opener(m_target) || !m_reportError)
        return;
    m_reportError(this, tr("No web browser could be started for this address. You can copy it from here:")
                            + u'\n' + m_target.toString());
}
