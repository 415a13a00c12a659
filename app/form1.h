#pragma once

#include "seams.h"

#include <QMainWindow>

class HyperlinkLabel;
class InputLine;
class QPlainTextEdit;
class QPushButton;
class Transcript;
class Winsock;

// The main window: transcript, input line, the five buttons and the connection.
// Closing it deletes it, and the connection with it.
class Form1 : public QMainWindow
{
    Q_OBJECT
public:
    explicit Form1(Seams seams, QWidget *parent = nullptr);

    // The controls, named as the design names them; tests drive them directly.
    InputLine *Text1;
    QPlainTextEdit *Text2;
    QPushButton *cmdSend;
    QPushButton *cmdConnect;
    QPushButton *cmdLogin;
    QPushButton *Disconnect;
    QPushButton *cmdExit;
    HyperlinkLabel *csHyperlink1;
    Winsock *Winsock1;

    Transcript *transcript() const { return m_transcript; }

    void cmdConnect_Click();
    void mnuConnect_Click();
    void cmdLogin_Click();
    void cmdSend_Click();
    void Disconnect_Click();
    void cmdExit_Click();
    void Winsock1_DataArrival(qint64 bytesWaiting);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void Form_Load();
    void connectTo(const QString &host);

    Seams m_seams;
    Transcript *m_transcript;
};
