#pragma once

#include "linkadapter.h"

class HidKeyboardManager;
class ReadingDispatcher;
class SylvacSerialManager;

// Sylvac instruments on their data cables, named by their serial port.
class SylvacLinkAdapter : public LinkAdapter
{
    Q_OBJECT

public:
    SylvacLinkAdapter(SylvacSerialManager *link, ReadingDispatcher *dispatcher);

    bool serves(int kind) const override;
    void start(const DeviceRecord &record) override;
    void forget(const DeviceRecord &record) override;
    bool zero(const DeviceRecord &record) override;
    bool runAddDialog(QWidget *parent) override;

    // The ports an added cable may be on: every port no instrument, adapter or dongle uses.
    QStringList freePorts() const;
    void addDevice(const QString &port, int decimals);

private:
    SylvacSerialManager *m_link;
    ReadingDispatcher *m_dispatcher;
};

// Keyboard instruments, named by the device path of their keyboard. They need no start: the manager
// watches the keyboards of every keyboard instrument in the list, which this adapter keeps current.
class HidLinkAdapter : public LinkAdapter
{
    Q_OBJECT

public:
    HidLinkAdapter(HidKeyboardManager *link, ReadingDispatcher *dispatcher);

    bool serves(int kind) const override;
    void devicesChanged() override { refreshWatchList(); }
    // The card's zero button is disabled: a keyboard cannot be told anything.
    bool zero(const DeviceRecord &record) override;
    bool runAddDialog(QWidget *parent) override;

    // Left alone while the add dialog runs: that watches the keyboard it shows too.
    void refreshWatchList();
    void addDevice(const QString &path, int unit, int decimals);

private:
    HidKeyboardManager *m_link;
    ReadingDispatcher *m_dispatcher;
    bool m_dialogRunning = false;
};
