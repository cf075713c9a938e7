#include "online/WebIdentity.h"

QByteArray UserAgent()
{
    return QByteArrayLiteral("Fichoscope/" FICHOSCOPE_VERSION " (") + kWebAddress + "; " + kMailAddress + ')';
}
