#pragma once

#include <QByteArray>
#include <QString>

// Names ports in KOVRAN_VIRTUAL_PORTS for as long as the object lives, so the serial-port catalogue lists
// them while their paths exist. An entry is a path, or "path@VVVV:PPPP" with the USB ids a test chooses.
class VirtualPorts
{
public:
    VirtualPorts() { qputenv(kVariable, QByteArray()); }
    ~VirtualPorts() { qputenv(kVariable, m_previous); }
    VirtualPorts(const VirtualPorts &) = delete;
    VirtualPorts &operator=(const VirtualPorts &) = delete;

    void add(const QString &entry)
    {
        m_list += ';' + entry.toLocal8Bit();
        qputenv(kVariable, m_list);
    }

private:
    static constexpr const char *kVariable = "KOVRAN_VIRTUAL_PORTS";
    const QByteArray m_previous = qgetenv(kVariable);
    QByteArray m_list;
};
