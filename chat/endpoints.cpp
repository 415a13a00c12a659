#include "endpoints.h"

Endpoints Endpoints::production()
{
    return {QStringLiteral(VANTOR_SERVER_ADDRESS), QStringLiteral(VANTOR_SERVICE_HOST), 6112};
}
