// SPDX-FileCopyrightText: 2026 The Ombrix <ombrix@ombrix.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "look.h"

#include <QLabel>
#include <QUrl>

#include <functional>

class QAccessibleInterface;

// A label that shows a caption and hands its target address to an opener when
// clicked, or when Space or Enter is pressed while it has the focus. The opener
// is a seam: the program opens a browser, tests record the address. Where no
// browser could be started, it says so in a box that shows the address, for
// the person to copy. Where the designed font is wider than the label (a
// stand-in font), the caption is shown smaller rather than cut off. With the
// keyboard focus it draws the style's focus mark around its caption. Screen
// readers meet it as a link with a press action that opens it.
class HyperlinkLabel : public QLabel
{
    Q_OBJECT
public:
    // Returns whether a browser was started for the address.
    using UrlOpener = std::function<bool(const QUrl &)>;

    HyperlinkLabel(const QString &caption, const QUrl &target, UrlOpener opener,
                   Look::ErrorReporter reportError, QWidget *parent = nullptr);
    // How a screen reader meets it; installed once for the whole program.
    static QAccessibleInterface *accessibleInterface(const QString &className, QObject *object);

    QUrl target() const { return m_target; }
    // Opens the target, as a click does.
    void open();

protected:
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void changeEvent(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    QUrl m_target;
    UrlOpener m_opener;
    Look::ErrorReporter m_reportError;
};
