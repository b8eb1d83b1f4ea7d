#pragma once

#include "linkadapter.h"

class BleVelkorManager;
class QBluetoothDeviceInfo;
class ReadingDispatcher;

// Instruments on the computer's own Bluetooth, reached through the direct link by their address.
class BleLinkAdapter : public LinkAdapter
{
    Q_OBJECT

public:
    BleLinkAdapter(BleVelkorManager *link, ReadingDispatcher *dispatcher);

    bool serves(int kind) const override;
    void start(const DeviceRecord &record) override;
    void forget(const DeviceRecord &record) override;
    bool zero(const DeviceRecord &record) override;
    bool downloadMemory(const DeviceRecord &record) override;
    bool runAddDialog(QWidget *parent) override;

    // Instruments picked in the scan: one record each, named and numbered, with the protocol their
    // advertised name tells.
    void addDevices(const QList<QBluetoothDeviceInfo> &found);

private:
    BleVelkorManager *m_link;
    ReadingDispatcher *m_dispatcher;
};
