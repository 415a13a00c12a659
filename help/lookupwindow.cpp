// SPDX-FileCopyrightText: 2026 The Ombrix <ombrix@ombrix.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "lookupwindow.h"

#include "announcer.h"
#include "look.h"
#include "lookuptable.h"
#include "wordwraplabel.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

LookupWindow::Design LookupWindow::frmHow()
{
    return {QStringLiteral("frmHow"), QStringLiteral("How do I...."),
            QStringLiteral("Select your Question..."), tr("Question"), tr("Answer"), Look::twips(0, 0, 4815, 1905).size(),
            Look::twips(120, 120, 3495, 315), Look::twips(3720, 120, 975, 315),
            Look::twips(120, 480, 4575, 1335), &LookupTable::questions()};
}

LookupWindow::Design LookupWindow::frmChatCom()
{
    return {QStringLiteral("frmChatCom"), QStringLiteral("CHAT COMMANDS"),
            QStringLiteral("Select the Command"), tr("Command"), tr("Explanation"), Look::twips(0, 0, 3975, 2190).size(),
            Look::twips(120, 120, 2775, 315), Look::twips(3000, 120, 855, 315),
            Look::twips(120, 480, 3735, 1575), &LookupTable::chatCommands()};
}

LookupWindow::LookupWindow(const Design &design)
    : m_table(*design.table)
{
    setObjectName(design.name);
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(design.title);
    setFont(Look::dialogFont());

    m_questionBox = new QComboBox(this);
    m_questionBox->setObjectName(QStringLiteral("Combo1"));
    m_questionBox->setEditable(true);
    // Enter in the text field must not add what was typed to the list, and
    // what was typed stays as typed: Qt's completer would complete it inline,
    // and rewrite it on Enter or on leaving the field to an item that matches
    // but for case. Only a pick from the list changes the field.
    m_questionBox->setInsertPolicy(QComboBox::NoInsert);
    m_questionBox->setCompleter(nullptr);
    m_questionBox->setGeometry(design.combo);
    Look::setColours(m_questionBox, QColor(255, 0, 0), Qt::black);
    m_questionBox->setEditText(design.prompt);
    m_questionBox->setAccessibleName(design.entryName);
    m_questionBox->lineEdit()->setAccessibleName(design.entryName);
    // An editable combo box's name is its text to a screen reader, which then
    // said the text twice and never "Question": a label is what names it.
    // The design shows none, so this one is never shown.
    auto *entryLabel = new QLabel(design.entryName, this);
    entryLabel->setBuddy(m_questionBox);
    entryLabel->hide();

    m_answerButton = new QPushButton(tr("Answer!"), this);
    m_answerButton->setObjectName(QStringLiteral("Command1"));
    m_answerButton->setGeometry(design.button);
    m_answerButton->setAutoDefault(true); // Enter on it presses it; it is no default button

    m_answerLabel = new WordWrapLabel(this);
    m_answerLabel->setObjectName(QStringLiteral("Label1"));
    m_answerLabel->setGeometry(design.label);
    // A screen reader reads a label's text as its name, and hears of a new
    // answer as a change of name; an accessible name would hide both.
    m_answerLabel->setAccessibleDescription(design.answerName);
    Look::setColours(m_answerLabel, QColor(0, 192, 0), Qt::black);

    // A picked question longer than the field shows its start, not its end.
    connect(m_questionBox, &QComboBox::currentIndexChanged, this,
            [this] { m_questionBox->lineEdit()->setCursorPosition(0); });

    m_announcer = new Announcer(this);

    setTabOrder(m_questionBox, m_answerButton);
    m_questionBox->setFocus();
    connect(m_answerButton, &QPushButton::clicked, this, &LookupWindow::Command1_Click);

    Look::makeToolWindow(this, design.client);
    Form_Load();
}

void LookupWindow::Form_Load()
{
    const QString prompt = m_questionBox->currentText();
    m_questionBox->addItems(m_table.keys());
    // Filling the list picks its first item; the prompt stays instead.
    m_questionBox->setCurrentIndex(-1);
    m_questionBox->setEditText(prompt);
}

void LookupWindow::Command1_Click()
{
    const QString text = m_table.lookup(m_questionBox->currentText());
    if (text.isNull())
        return;
    m_answerLabel->setText(text);
    // The focus stays on the button: the answer is said where it appears.
    m_announcer->announce(text);
}
