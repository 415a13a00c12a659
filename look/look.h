// SPDX-FileCopyrightText: 2026 The Ombrix <ombrix@ombrix.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QColor>
#include <QFont>
#include <QMessageBox>
#include <QRect>

#include <functional>
#include <memory>

class QAccessibleInterface;
class QWidget;

// The look the windows share: twips, fonts, colours and the tool-window frame.
namespace Look {

// Positions and sizes are designed in twips, 15 to a logical pixel.
constexpr int twipsPerPixel = 15;
QRect twips(int left, int top, int width, int height);

// Verdana 8.25 pt; DejaVu Sans stands in where Verdana is not installed.
QFont verdana();
// MS Sans Serif 8.25 pt, the dialog font; DejaVu Sans stands in likewise.
QFont dialogFont();

const QColor lightGrey(192, 192, 192);

// Shrinks the widget's font, in quarter points down to 6 pt, until the text
// fits in its contents rectangle laid out with the given flags (Qt::AlignmentFlag
// and Qt::TextFlag). A stand-in font is often wider than the designed one.
void shrinkToFit(QWidget *widget, const QString &text, int flags);

// A background of the given colour; the controls on it keep their own colours.
void setBackground(QWidget *widget, const QColor &background);

// Text in the given colour on the given background; scroll bars keep the
// platform's colours.
void setColours(QWidget *widget, const QColor &text, const QColor &background);

// A fixed-size tool window of the given client size: small caption, close box
// only, no task-bar entry. A window manager that minimises it anyway gets it
// back at once, since nothing could bring it back. Call before the window is
// first shown.
void makeToolWindow(QWidget *window, const QSize &clientSize);

// How a screen reader meets a tool window built on a plain widget: as a
// window named by its title, not a nameless "filler" it would not announce.
// Installed once for the whole program.
QAccessibleInterface *accessibleToolWindow(const QString &className, QObject *object);

// Shows a window in front with the keyboard: restored, raised and activated.
void bringForward(QWidget *window);

// Says in a modal box why something did not happen. The program shows a
// messageBox() titled as the parent's window; tests record the sentence.
using ErrorReporter = std::function<void(QWidget *parent, const QString &sentence)>;

// A modal message box with an OK button. Its text is plain, its lines are
// never wrapped (a web address stays whole), it can be selected and copied,
// and a screen reader hears its icon as "Warning" or "Information".
std::unique_ptr<QMessageBox> messageBox(QMessageBox::Icon icon, const QString &title,
                                        const QString &text, QWidget *parent);

} // namespace Look
