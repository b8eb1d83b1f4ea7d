#pragma once

#include "linkadapter.h"

class ModbusPoller;
class QTimer;
class ReadingDispatcher;

// Modbus instruments: the poller writes answers straight into the records; the adapter announces new
// values and puts commands ahead of the polls of the instrument's port.
class ModbusLinkAdapter : public LinkAdapter
{
    Q_OBJECT

public:
    // `watchdog` reopens lost adapter ports; it rests while the connect dialog holds a port.
    ModbusLinkAdapter(ModbusPoller *poller, QTimer *watchdog, ReadingDispatcher *dispatcher);

    bool serves(int kind) const override;
    void devicesChanged() override;
    void enforceUnit(DeviceRecord &record, int unit) override;
    bool zero(const DeviceRecord &record) override;
    bool runAddDialog(QWidget *parent) override;

    // An instrument the connect dialog has just set up; the adapter port keeps the speed it answered at.
    void addDevice(const QString &portName, int baudRate, int address);

private:
    ModbusPoller *m_poller;
    QTimer *m_watchdog;
    ReadingDispatcher *m_dispatcher;
};
