// SPDX-FileCopyrightText: 2026 The Ombrix <ombrix@ombrix.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "lookuptable.h"

#include "contacts.h"

LookupTable::LookupTable(QList<Row> rows)
    : m_rows(std::move(rows))
{
}

QStringList LookupTable::keys() const
{
    QStringList keys;
    for (const Row &row : m_rows)
        keys << row.key;
    return keys;
}

QString LookupTable::lookup(const QString &key) const
{
    for (const Row &row : m_rows) {
        if (row.key == key)
            return row.text;
    }
    return {};
}

const LookupTable &LookupTable::questions()
{
    static const LookupTable table({
        {QStringLiteral("How do I connect?"),
         QStringLiteral("You must first have a valid connection to the internet. Then you can choose the 'connect' button on the left, or use the one on the top in the menu...")},
        {QStringLiteral("How do I log in?"),
         QStringLiteral("You have to push 'connect'. Then you should see a screen asking for your username, type it in, then your password, then your in! Just mke sure you connect first...")},
        {QStringLiteral("How do I chat?"),
         QStringLiteral("You have to connect, then login, then type! It's not to hard... If you do not know any of the battle.net commands, there are a list of them under 'Help'. I put some of the important ones under the 'Options' Menu")},
        {QStringLiteral("What's my Username and Pass?"),
         QStringLiteral("It's what you use to sign onto the server. You have to first open up a battle.net supported game, like: Diablo, Starcraft, Warcraft2 platnium, and register an account. You can then sign in with your bot.")},
        {QStringLiteral("What are the chat commands?"),
         QStringLiteral("Chat commands are what you can use to enhance your battle.net experience. You can see a list of them under our help file, or goto: ")
             + Contacts::chatServiceWebAddress() + QStringLiteral(" for the official list...")},
        {QStringLiteral("I have a question, Where can I send it?"),
         QStringLiteral("You can send all questions, comments, bug reports, or whatever to: ")
             + Contacts::makerEmail() + QStringLiteral(".")},
    });
    return table;
}

const LookupTable &LookupTable::chatCommands()
{
    static const LookupTable table({
        {QStringLiteral("/whois <NAME>"), QStringLiteral("This will enable you to see where a person is on battle.net EX: /whois BILLY")},
        {QStringLiteral("/whoami"), QStringLiteral("This will tell you your battle.net account information, including your current location.")},
        {QStringLiteral("/whisper <NAME>"), QStringLiteral("This will let you send a personal message to the user specified. Ex: /msg BILLY")},
        {QStringLiteral("/squelch <NAME>"), QStringLiteral("This is for all the lamers who plague battle.net. If you are tired of hearing some bot spam, you can filter out messages from him. EX: /squelch LAMEBOT")},
        {QStringLiteral("/unsquelch <NAME>"), QStringLiteral("This will make it so you can see the lame messages from the specified name. EX: /unsquelch LAMEBOT")},
        {QStringLiteral("/away <TEXT>"), QStringLiteral("This will tell user's you are away. So if they message you, they get an error EX: /away TAKEN A POOOPPP")},
        {QStringLiteral("/dnd <TEXT>"), QStringLiteral("This will do the same as away... Kinda dumb")},
        {QStringLiteral("/who <CHANNEL>"), QStringLiteral("This will tell you who's in th channel. EX: /who CHEATERS")},
        {QStringLiteral("/users"), QStringLiteral("This will display how many users are logged on battle.net")},
        {QStringLiteral("/time"), QStringLiteral("This will tell you the current battle.net time, and your current time. In Military time...")},
        {QStringLiteral("/join <CHANNEL>"), QStringLiteral("This will let you join other channels.")},
        {QStringLiteral("/me <TEXT>"), QStringLiteral("This will display yellow text, EX: if you typed '/me IS GOD' It would look like this: <NAME: IS GOD>")},
        {QStringLiteral("/rejoin"), QStringLiteral("You can rejoin the channel, you will get put on the bottom of the list")},
        {QStringLiteral("/designate <USER>"), QStringLiteral("This will designate a user, so if you leave he will get ops for the channel")},
        {QStringLiteral("/resign"), QStringLiteral("This will step you down from ops, and hand it to the person below you...")},
        {QStringLiteral("/kick <USER>"), QStringLiteral("This will kick a person from the channel if you have ops. EX: /kick SCAMP")},
        {QStringLiteral("/ban <USER>"), QStringLiteral("This will kick a user out FOR GOOD! Unless you hand down the ops, then he will be allowed back in :)")},
        {QStringLiteral("/unban <USER>"), QStringLiteral("You know what this is DAMNIT!")},
    });
    return table;
}
