// SPDX-FileCopyrightText: 2026 The Ombrix <ombrix@ombrix.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// A fixed list of texts, each with the text it stands for: the questions of
// the "How do I...." window with their answers, and the chat commands with
// their explanations.
class LookupTable
{
public:
    struct Row
    {
        QString key;
        QString text;
    };

    explicit LookupTable(QList<Row> rows);

    QStringList keys() const;
    // The text of the row whose key equals `key` exactly (case and spaces
    // count, no trimming); a null string where no row does.
    QString lookup(const QString &key) const;

    static const LookupTable &questions();
    static const LookupTable &chatCommands();

private:
    QList<Row> m_rows;
};
