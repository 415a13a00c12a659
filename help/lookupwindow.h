// SPDX-FileCopyrightText: 2026 The Ombrix <ombrix@ombrix.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QRect>
#include <QSize>
#include <QWidget>

class Announcer;
class LookupTable;
class QComboBox;
class QLabel;
class QPushButton;

// A small window that explains the entry picked or typed in its combo box when
// "Answer!" is pressed: the "How do I...." window (frmHow) and the chat command
// reference (frmChatCom). It deletes itself when closed; the next one starts
// from scratch.
class LookupWindow : public QWidget
{
    Q_OBJECT
public:
    struct Design
    {
        QString name;  // frmHow, frmChatCom
        QString title;
        QString prompt;
        QString entryName;  // what a screen reader calls the combo box
        QString answerName; // and the label, whose text it reads as the label's name
        QSize client;  // in pixels, as the other rectangles
        QRect combo;
        QRect button;
        QRect label;
        const LookupTable *table;
    };

    static Design frmHow();
    static Design frmChatCom();

    explicit LookupWindow(const Design &design);

private:
    void Form_Load();
    void Command1_Click();

    const LookupTable &m_table;
    QComboBox *m_questionBox;
    QPushButton *m_answerButton;
    QLabel *m_answerLabel;
    Announcer *m_announcer; // says a new answer to a screen reader
};
