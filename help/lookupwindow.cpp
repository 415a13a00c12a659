#include "lookupwindow.h"

#include "look.h"
#include "lookuptable.h"

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

    Combo1 = new QComboBox(this);
    Combo1->setEditable(true);
    // Enter in the text field must not add what was typed to the list.
    Combo1->setInsertPolicy(QComboBox::NoInsert);
    Combo1->setGeometry(design.combo);
    Look::setColours(Combo1, QColor(255, 0, 0), Qt::black);
    Combo1->setEditText(design.prompt);
    Combo1->setAccessibleName(design.entryName);
    Combo1->lineEdit()->setAccessibleName(design.entryName);

    Command1 = new QPushButton(tr("Answer!"), this);
    Command1->setGeometry(design.button);
    Command1->setAutoDefault(false);

    Label1 = new QLabel(this);
    Label1->setGeometry(design.label);
    Label1->setTextFormat(Qt::PlainText); // "<NAME: IS GOD>" is text, not markup
    Label1->setWordWrap(true);
    Label1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Label1->setAccessibleName(design.answerName);
    Look::setColours(Label1, QColor(0, 192, 0), Qt::black);

    setTabOrder(Combo1, Command1);
    Combo1->setFocus();
    connect(Command1, &QPushButton::clicked, this, &LookupWindow::Command1_Click);

    Look::makeToolWindow(this, design.client);
    Form_Load();
}

void LookupWindow::Form_Load()
{
    const QString prompt = Combo1->currentText();
    Combo1->addItems(m_table.keys());
    // Filling the list picks its first item; the prompt stays instead.
    Combo1->setCurrentIndex(-1);
    Combo1->setEditText(prompt);
}

void LookupWindow::Command1_Click()
{
    const QString text = m_table.lookup(Combo1->currentText());
    if (!text.isNull())
        Label1->setText(text);
}
