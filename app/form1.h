#pragma once

#include "seams.h"
#include "singlewindow.h"

#include <QHash>
#include <QMainWindow>

#include <memory>

class EditCommands;
class HyperlinkLabel;
class InputLine;
class QPushButton;
class Transcript;
class TranscriptView;
class Winsock;

// The main window: transcript, input line, the five buttons and the connection.
// Closing it deletes it, and the connection with it.
class Form1 : public QMainWindow
{
    Q_OBJECT
public:
    explicit Form1(Seams seams, QWidget *parent = nullptr);
    ~Form1() override;

    // The controls, named as the design names them; tests drive them directly.
    InputLine *Text1;
    TranscriptView *Text2;
    QPushButton *cmdSend;
    QPushButton *cmdConnect;
    QPushButton *cmdLogin;
    QPushButton *Disconnect;
    QPushButton *cmdExit;
    HyperlinkLabel *csHyperlink1;
    Winsock *Winsock1;

    // The information windows, one of each for the whole run.
    SingleWindow howWindow;
    SingleWindow chatComWindow;
    SingleWindow aboutWindow;

    Transcript *transcript() const { return m_transcript; }
    // A menu's or menu item's action, by its name ("mnuFile", "mnuAway", ...).
    QAction *menuAction(const QString &name) const { return m_menu.value(name); }

    void cmdConnect_Click();
    void mnuConnect_Click();
    void cmdLogin_Click();
    void cmdSend_Click();
    void Disconnect_Click();
    void cmdExit_Click();
    void Winsock1_DataArrival(qint64 bytesWaiting);
    // The Options items: the input line becomes the start of a chat command.
    void prefill(const QString &command);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void Form_Load();
    void buildMenus();
    QWidget *opened(QWidget *window);
    void connectTo(const QString &host);

    Seams m_seams;
    Transcript *m_transcript;
    std::unique_ptr<EditCommands> m_edit;
    QHash<QString, QAction *> m_menu;
};
