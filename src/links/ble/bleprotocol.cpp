#include "bleprotocol.h"

QString bleProtocolDisplayName(int protocol)
{
    return protocol == BleProtocol::Sylvac ? QStringLiteral("Sylvac") : QStringLiteral("VELKOR");
}
