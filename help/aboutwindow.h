// SPDX-FileCopyrightText: 2026 The Ombrix <ombrix@ombrix.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "hyperlinklabel.h"

#include <QWidget>

class QGroupBox;
class QLabel;
class QPushButton;

// The About window (design name "Form2"). It deletes itself when closed, and
// is centred on the screen each time it is made.
class AboutWindow : public QWidget
{
    Q_OBJECT
public:
    AboutWindow(HyperlinkLabel::UrlOpener openUrl, Look::ErrorReporter reportError);

    static QString aboutText();

private:
    void Command1_Click();

    QGroupBox *m_frame;
    QLabel *m_aboutLabel;
    HyperlinkLabel *m_link;
    QPushButton *m_closeButton;
};
