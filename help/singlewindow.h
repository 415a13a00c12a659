// SPDX-FileCopyrightText: 2026 The Ombrix <ombrix@ombrix.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "look.h"

#include <QPointer>
#include <QWidget>

#include <functional>

// One window of a kind for the whole run: made when it is first shown, brought
// to the front (restored, raised and activated) when shown again while open,
// and made afresh after it was closed (the window deletes itself on close).
class SingleWindow
{
public:
    using Factory = std::function<QWidget *()>;

    explicit SingleWindow(Factory factory)
        : m_factory(std::move(factory))
    {
    }

    void show()
    {
        if (!m_window)
            m_window = m_factory();
        Look::bringForward(m_window);
    }

private:
    Factory m_factory;
    QPointer<QWidget> m_window;
};
