#include "virtualports.h"

namespace {
const char *const kVariable = "KOVRAN_VIRTUAL_PORTS";
}

VirtualPorts::VirtualPorts()
    : m_hadPrevious(qEnvironmentVariableIsSet(kVariable))
    , m_previous(qgetenv(kVariable))
{
    apply();
}

VirtualPorts::~VirtualPorts()
{
    if (m_hadPrevious)
        qputenv(kVariable, m_previous);
    else
        qunsetenv(kVariable);
}

void VirtualPorts::add(const QString &path, int vendorId, int productId)
{
    QString entry = path;
    if (vendorId >= 0 && productId >= 0)
        entry += QStringLiteral("@%1:%2")
                     .arg(vendorId, 4, 16, QLatin1Char('0'))
                     .arg(productId, 4, 16, QLatin1Char('0'))
                     .toUpper();
    m_entries.append(entry);
    apply();
}

void VirtualPorts::clear()
{
    m_entries.clear();
    apply();
}

void VirtualPorts::apply() const
{
    qputenv(kVariable, m_entries.join(QLatin1Char(';')).toLocal8Bit());
}
