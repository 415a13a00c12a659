#pragma once

#include "hyperlinklabel.h"

#include <QWidget>

class QGroupBox;
class QLabel;
class QPushButton;

// The About window. It deletes itself when closed, and is centred on the
// screen each time it is made.
class Form2 : public QWidget
{
    Q_OBJECT
public:
    explicit Form2(HyperlinkLabel::UrlOpener openUrl);

    static QString aboutText();

    QGroupBox *Frame1;
    QLabel *Label1;
    HyperlinkLabel *csHyperlink1;
    QPushButton *Command1;

    void Command1_Click();
};
