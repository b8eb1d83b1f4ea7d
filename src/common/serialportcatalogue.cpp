#include "serialportcatalogue.h"

#include <QDateTime>
#include <QDebug>
#include <QFileInfo>
#include <QSerialPortInfo>
#include <QSet>

#include <algorithm>

namespace {

bool parseUsbId(const QString &text, quint16 *id)
{
    if (text.size() != 4)
        return false;
    bool ok = false;
    const uint value = text.toUInt(&ok, 16);
    if (ok)
        *id = quint16(value);
    return ok;
}

} // namespace

namespace SerialPortCatalogue {

QList<SerialPortEntry> virtualPorts(const QString &list)
{
    QList<SerialPortEntry> ports;
    const QStringList items = list.split(QLatin1Char(';'), Qt::SkipEmptyParts);
    for (const QString &rawItem : items) {
        const QString item = rawItem.trimmed();
        const qsizetype at = item.lastIndexOf(QLatin1Char('@'));
        SerialPortEntry entry;
        entry.isVirtual = true;
        entry.portName = at < 0 ? item : item.left(at);
        if (at >= 0) {
            const QStringList ids = item.mid(at + 1).split(QLatin1Char(':'));
            quint16 vendor = 0;
            quint16 product = 0;
            if (ids.size() == 2 && parseUsbId(ids.at(0), &vendor) && parseUsbId(ids.at(1), &product)) {
                entry.hasVendorId = entry.hasProductId = true;
                entry.vendorId = vendor;
                entry.productId = product;
            } else {
                // The catalogue is asked every second; say it once.
                static QSet<QString> reported;
                if (!reported.contains(item)) {
                    reported.insert(item);
                    qWarning().noquote() << "[INFO] virtual port with unreadable USB ids ignored:" << item;
                }
                continue;
            }
        }
        if (entry.portName.isEmpty() || !QFileInfo::exists(entry.portName))
            continue;
        entry.systemLocation = entry.portName;
        ports.append(entry);
    }
    return ports;
}

namespace {

QList<SerialPortEntry> scanSystemPorts()
{
    QList<SerialPortEntry> ports;
    const QList<QSerialPortInfo> system = QSerialPortInfo::availablePorts();
    for (const QSerialPortInfo &info : system) {
        SerialPortEntry entry;
        entry.portName = info.portName();
        entry.systemLocation = info.systemLocation();
        entry.description = info.description();
        entry.manufacturer = info.manufacturer();
        entry.serialNumber = info.serialNumber();
        entry.hasVendorId = info.hasVendorIdentifier();
        entry.vendorId = info.vendorIdentifier();
        entry.hasProductId = info.hasProductIdentifier();
        entry.productId = info.productIdentifier();
        ports.append(entry);
    }
    return ports;
}

// Scanning the system's ports walks sysfs and takes milliseconds, while the adapter watchdog asks every
// second. On Linux a port appears or vanishes together with its node in /dev, so the last scan stays
// good while /dev is unchanged.
QList<SerialPortEntry> systemPorts()
{
#ifdef Q_OS_LINUX
    static QList<SerialPortEntry> cached;
    static QDateTime cachedFor;
    const QDateTime devChanged = QFileInfo(QStringLiteral("/dev")).lastModified();
    if (devChanged.isValid() && devChanged == cachedFor)
        return cached;
    cached = scanSystemPorts();
    cachedFor = devChanged;
    return cached;
#else
    return scanSystemPorts();
#endif
}

} // namespace

QList<SerialPortEntry> availablePorts()
{
    QList<SerialPortEntry> ports = systemPorts();
    const QList<SerialPortEntry> extra = virtualPorts(qEnvironmentVariable("KOVRAN_VIRTUAL_PORTS"));
    for (const SerialPortEntry &entry : extra) {
        const bool known = std::any_of(ports.cbegin(), ports.cend(), [&entry](const SerialPortEntry &p) {
            return p.systemLocation == entry.systemLocation;
        });
        if (!known)
            ports.append(entry);
    }
    return ports;
}

} // namespace SerialPortCatalogue
