#pragma once

#include <QList>
#include <QString>
#include <QtGlobal>

// One serial port as the catalogue lists it. `portName` is what QSerialPort::setPortName() takes; for a
// virtual port it is the full path.
struct SerialPortEntry
{
    QString portName;
    QString systemLocation;
    QString description;
    QString manufacturer;
    QString serialNumber;
    bool hasVendorId = false;
    quint16 vendorId = 0;
    bool hasProductId = false;
    quint16 productId = 0;
    bool isVirtual = false;
};

// The serial ports present: the system's, plus the virtual ones named in KOVRAN_VIRTUAL_PORTS
// ("path" or "path@VVVV:PPPP" with hexadecimal USB ids, separated by ';'). A virtual port is listed only
// while its path exists, so removing the path unplugs it and creating it again plugs it back in.
namespace SerialPortCatalogue {

QList<SerialPortEntry> availablePorts();

// The virtual ports of such a list whose paths exist now.
QList<SerialPortEntry> virtualPorts(const QString &list);

} // namespace SerialPortCatalogue
