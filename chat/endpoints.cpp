// SPDX-FileCopyrightText: 2026 The Ombrix <ombrix@ombrix.example>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "endpoints.h"

Endpoints Endpoints::production()
{
    return {QStringLiteral(VANTOR_SERVER_ADDRESS), QStringLiteral(VANTOR_SERVICE_HOST), 6112};
}
