// SPDX-FileCopyrightText: 2026 The Ombrix <ombrix@ombrix.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "applicationwide.h"

#include "announcer.h"
#include "hyperlinklabel.h"
#include "inputline.h"
#include "look.h"
#include "openwindows.h"
#include "transcriptview.h"

#include <QAccessible>
#include <QCoreApplication>

void installApplicationWide(OpenWindows &windows)
{
    // Qt keeps each factory once, however often it is installed.
    for (const QAccessible::InterfaceFactory factory :
         {&TranscriptView::accessibleInterface, &InputLine::accessibleInterface,
          &HyperlinkLabel::accessibleInterface, &Announcer::accessibleInterface, &Look::accessibleToolWindow})
        QAccessible::installFactory(factory);
    QCoreApplication::instance()->installEventFilter(&windows);
}
