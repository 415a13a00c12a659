// SPDX-FileCopyrightText: 2026 The Ombrix <ombrix@ombrix.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

// Every web and mail address the program shows, in one place. The groups'
// addresses stand under a domain reserved for examples, so that no link leads
// to a stranger's site.
namespace Contacts {

// The maker's group.
inline QString makerDomain() { return QStringLiteral("ombrix.example"); }
inline QString makerWebAddress() { return QStringLiteral("http://www.ombrix.example/"); }
inline QString makerEmail() { return QStringLiteral("ombrix@ombrix.example"); }

// The two other groups the File menu names.
inline QString zorvaWebAddress() { return QStringLiteral("http://www.zorva.example/"); }
inline QString zorvaClanAddress() { return QStringLiteral("http://zorva.example/clan/"); }
inline QString gloamRidersWebAddress() { return QStringLiteral("http://www.gloamriders.example/"); }

// The chat service's own site, for its official list of chat commands.
inline QString chatServiceWebAddress() { return QStringLiteral("http://www.battle.net"); }

} // namespace Contacts
