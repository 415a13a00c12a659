// SPDX-FileCopyrightText: 2026 The Ombrix <ombrix@ombrix.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "look.h"

#include <QAccessibleWidget>
#include <QApplication>
#include <QComboBox>
#include <QEvent>
#include <QFontMetrics>
#include <QLabel>
#include <QLayout>
#include <QMainWindow>
#include <QPushButton>
#include <QScrollBar>
#include <QTimer>
#include <QWidget>

#ifdef VANTOR_HAVE_XCB
#include <QtGui/qguiapplication_platform.h>
#include <xcb/xcb.h>
#endif

namespace Look {

QRect twips(int left, int top, int width, int height)
{
    auto px = [](int t) { return (t + twipsPerPixel / 2) / twipsPerPixel; };
    return {px(left), px(top), px(width), px(height)};
}

namespace {

QFont font(const QStringList &families)
{
    QFont f;
    f.setFamilies(families);
    f.setPointSizeF(8.25);
    f.setWeight(QFont::Normal);
    return f;
}

// On X11 a utility window still gets a task-bar button from some panels;
// the EWMH state asks every one of them to leave it out. Qt merges the state
// we set here with its own when it maps the window.
void skipTaskbar(QWidget *window)
{
#ifdef VANTOR_HAVE_XCB
    if (QGuiApplication::platformName() != QLatin1String("xcb"))
        return;
    auto *x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    if (!x11)
        return;
    xcb_connection_t *connection = x11->connection();
    auto intern = [connection](const char *name) {
        const auto cookie = xcb_intern_atom(connection, 0, uint16_t(qstrlen(name)), name);
        xcb_intern_atom_reply_t *reply = xcb_intern_atom_reply(connection, cookie, nullptr);
        const xcb_atom_t atom = reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
        free(reply);
        return atom;
    };
    const xcb_atom_t state = intern("_NET_WM_STATE");
    const xcb_atom_t skip[] = {intern("_NET_WM_STATE_SKIP_TASKBAR"), intern("_NET_WM_STATE_SKIP_PAGER")};
    if (state == XCB_ATOM_NONE || skip[0] == XCB_ATOM_NONE || skip[1] == XCB_ATOM_NONE)
        return;
    xcb_change_property(connection, XCB_PROP_MODE_APPEND, xcb_window_t(window->winId()), state,
                        XCB_ATOM_ATOM, 32, 2, skip);
    xcb_flush(connection);
#else
    Q_UNUSED(window);
#endif
}

// A window with no minimise button that a window manager minimises anyway
// would be lost: it has no task-bar entry to bring it back. It comes back at
// once instead.
class StayRestored : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        auto *window = static_cast<QWidget *>(watched);
        if (event->type() == QEvent::WindowStateChange && window->isMinimized())
            QTimer::singleShot(0, window, [window] { bringForward(window); });
        return false;
    }
};

} // namespace

QAccessibleInterface *accessibleToolWindow(const QString &className, QObject *object)
{
    if (!object || !object->isWidgetType()
        || className != QLatin1String(object->metaObject()->className())) // the most derived class only
        return nullptr;
    auto *widget = static_cast<QWidget *>(object);
    if (!widget->isWindow() || widget->windowType() != Qt::Tool
        || object->metaObject()->superClass() != &QWidget::staticMetaObject)
        return nullptr;
    return new QAccessibleWidget(widget, QAccessible::Window);
}

namespace {

QString iconName(QMessageBox::Icon icon)
{
    switch (icon) {
    case QMessageBox::Warning:
        return QCoreApplication::translate("Look", "Warning");
    case QMessageBox::Information:
        return QCoreApplication::translate("Look", "Information");
    case QMessageBox::Critical:
        return QCoreApplication::translate("Look", "Error");
    case QMessageBox::Question:
        return QCoreApplication::translate("Look", "Question");
    case QMessageBox::NoIcon:
        break;
    }
    return {};
}

} // namespace

QFont verdana()
{
    return font({QStringLiteral("Verdana"), QStringLiteral("DejaVu Sans")});
}

QFont dialogFont()
{
    return font({QStringLiteral("MS Sans Serif"), QStringLiteral("Microsoft Sans Serif"),
                 QStringLiteral("DejaVu Sans")});
}

void shrinkToFit(QWidget *widget, const QString &text, int flags)
{
    const QRect room = widget->contentsRect();
    QFont fitted = widget->font();
    auto fits = [&] {
        const QRect needed = QFontMetrics(fitted).boundingRect(room, flags, text);
        return needed.width() <= room.width() && needed.height() <= room.height();
    };
    while (fitted.pointSizeF() > 6 && !fits())
        fitted.setPointSizeF(fitted.pointSizeF() - 0.25);
    if (fitted != widget->font())
        widget->setFont(fitted);
}

void setBackground(QWidget *widget, const QColor &background)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, background);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

void setColours(QWidget *widget, const QColor &text, const QColor &background)
{
    QPalette palette = widget->palette();
    for (const auto role : {QPalette::Text, QPalette::WindowText, QPalette::ButtonText})
        palette.setColor(role, text);
    for (const auto role : {QPalette::Base, QPalette::Window, QPalette::Button})
        palette.setColor(role, background);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);

    // The scroll bars (the transcript's, a combo box's list) keep the
    // platform's colours: in the text's colours the thumb would vanish.
    if (auto *combo = qobject_cast<QComboBox *>(widget))
        combo->view(); // makes the list, with its scroll bars
    QPalette platform = QApplication::palette();
    platform.setResolveMask(~QPalette::ResolveMask(0));
    for (QScrollBar *bar : widget->findChildren<QScrollBar *>())
        bar->setPalette(platform);
}

void makeToolWindow(QWidget *window, const QSize &clientSize)
{
    // On Windows the frame of a fixed size has no resizing border (other
    // platforms take their frame from the fixed size alone).
    window->setWindowFlags(Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                           | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    if (auto *main = qobject_cast<QMainWindow *>(window); main && main->centralWidget()) {
        // The client area is the central widget; the window keeps the size
        // that its menu bar and client area need.
        main->centralWidget()->setFixedSize(clientSize);
        main->layout()->setSizeConstraint(QLayout::SetFixedSize);
    } else {
        window->setFixedSize(clientSize);
    }
    skipTaskbar(window);
    window->installEventFilter(new StayRestored(window));
}

void bringForward(QWidget *window)
{
    window->setWindowState(window->windowState() & ~Qt::WindowMinimized);
    window->show();
    window->raise();
    window->activateWindow();
}

std::unique_ptr<QMessageBox> messageBox(QMessageBox::Icon icon, const QString &title,
                                        const QString &text, QWidget *parent)
{
    auto box = std::make_unique<QMessageBox>(icon, title, text, QMessageBox::Ok, parent);
    box->setTextFormat(Qt::PlainText);
    box->button(QMessageBox::Ok)->setFocus(); // Enter, Space and Escape dismiss it at once
    box->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    // A message box wraps a text wider than about 500 pixels, and Qt breaks a
    // line after any "/", so an address would be torn in two. Its label is made
    // wide enough for the longest line instead.
    for (QLabel *label : box->findChildren<QLabel *>()) {
        if (!label->pixmap().isNull()) {
            label->setAccessibleName(iconName(icon));
        } else if (label->text() == text) {
            label->setFocusPolicy(Qt::StrongFocus); // Tab reaches the text, to select and copy it
            QWidget::setTabOrder(box->button(QMessageBox::Ok), label);
            const QFontMetrics metrics(label->font());
            int widest = 0;
            for (const QString &line : text.split(u'\n'))
                widest = qMax(widest, metrics.horizontalAdvance(line));
            label->setMinimumWidth(widest + 2 * label->margin() + 2);
        }
    }
    return box;
}

} // namespace Look
