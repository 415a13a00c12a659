#pragma once

#include <QString>

// The web and mail addresses the program shows. They stand under a domain
// reserved for examples, so that no link leads to a stranger's site.
namespace Contacts {

inline QString makerDomain() { return QStringLiteral("ombrix.example"); }
inline QString makerWebAddress() { return QStringLiteral("http://www.ombrix.example/"); }
inline QString makerEmail() { return QStringLiteral("ombrix@ombrix.example"); }

} // namespace Contacts
