// SPDX-FileCopyrightText: 2026 The Ombrix <ombrix@ombrix.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QLabel>
#include <QStringList>

class QFontMetrics;

// A plain-text label that wraps its text at spaces only, so that a chat
// command such as "/unsquelch" is never torn apart: Qt's own word wrap also
// breaks after a "/". What does not fit in its height is cut off at the bottom.
class WordWrapLabel : public QLabel
{
    Q_OBJECT
public:
    explicit WordWrapLabel(QWidget *parent = nullptr);

    // The text's lines at the given width, broken at spaces only; a word wider
    // than the width stands on a line of its own.
    static QStringList wrap(const QString &text, const QFontMetrics &metrics, int width);

protected:
    void paintEvent(QPaintEvent *event) override;
};
