// SPDX-FileCopyrightText: 2026 The Ombrix <ombrix@ombrix.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "chatconnection.h"

#include <QString>

// Where CONNECT and File > Connect go. The program's are fixed when it is
// built (its main() has them); tests build windows with loopback endpoints.
struct Endpoints
{
    QString serverAddress; // CONNECT: one fixed server, dotted-quad IPv4
    QString serviceHost;   // File > Connect: the service's host name
    quint16 port = 6112;
    // How long a connect may take; tests that wait for it to give up shorten it.
    int connectTimeoutMilliseconds = ChatConnection::connectTimeoutMilliseconds;
};
