#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// Names ports in KOVRAN_VIRTUAL_PORTS for as long as the object lives, so the serial-port catalogue
// lists them (while their paths exist) with the USB ids a test chooses.
class VirtualPorts
{
public:
    VirtualPorts();
    ~VirtualPorts();
    VirtualPorts(const VirtualPorts &) = delete;
    VirtualPorts &operator=(const VirtualPorts &) = delete;

    // vendorId/productId below 0: the port has no USB ids.
    void add(const QString &path, int vendorId = -1, int productId = -1);
    void clear();

private:
    void apply() const;

    QStringList m_entries;
    bool m_hadPrevious = false;
    QByteArray m_previous;
};
