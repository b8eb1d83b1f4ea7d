#pragma once

#include "devicerecord.h"

#include <QList>
#include <QString>

// One RS-485 adapter: a serial port and the baud rate its Modbus instruments are polled at.
struct ModbusAdapter
{
    QString portName;
    int baudRate = 0;

    bool operator==(const ModbusAdapter &other) const
    {
        return portName == other.portName && baudRate == other.baudRate;
    }
};

// The configured instruments and Modbus adapters, and the files that keep them (devices_config.ini and
// com_adapters.ini in the settings folder); formula instruments follow the instruments in the same list and
// are kept in formulas.ini. The workspace window owns one and builds its cards and links from it; nothing
// here touches a widget.
class DeviceRegistry
{
public:
    QList<DeviceRecord> &devices() { return m_devices; }
    const QList<DeviceRecord> &devices() const { return m_devices; }
    QList<ModbusAdapter> &adapters() { return m_adapters; }
    const QList<ModbusAdapter> &adapters() const { return m_adapters; }

    // Replaces the list with the stored devices. Entries repeating an earlier portName:address pair are
    // dropped, and the file is rewritten without them. Returns how many were dropped.
    int loadDevices();
    // Rewrites the whole device array in list order, formulas left out. False when the file could not be
    // written.
    bool saveDevices() const;

    // Formulas come after every instrument; the letters A, B, C, ... name the instruments before them.
    int instrumentCount() const;
    // deviceKey() of each instrument, in list order.
    QStringList instrumentKeys() const;
    // Appends the formulas of formulas.ini after the instruments (replacing any formulas in the list).
    void loadFormulas();
    bool saveFormulas() const;

    void loadAdapters();
    bool saveAdapters() const;

    // The smallest address from 1 to 255 that no device of the same group uses; 0 when all are taken.
    // Bluetooth kinds share one group (their port name is only a label), keyboard instruments and Sylvac
    // cables have one each; the pair port name + address is what tells stored devices apart.
    int nextFreeAddress(int kind) const;

    // Index of the first Bluetooth-kind device with this address, or -1.
    int findBleDevice(const QString &mac) const;

    // The display unit the user chose for a sensor kind's category. Reads the file on every call, so a
    // change of the global units applies from the next reading on.
    static int globalUnitFor(quint16 sensorKind);

private:
    QList<DeviceRecord> m_devices;
    QList<ModbusAdapter> m_adapters;
};
