#pragma once

#include "linkadapter.h"

class DongleLink;
class ReadingDispatcher;

// Instruments reached through USB dongles of one kind (BLED112 or nRF), named by their address.
class DongleLinkAdapter : public LinkAdapter
{
    Q_OBJECT

public:
    DongleLinkAdapter(int kind, DongleLink *link, ReadingDispatcher *dispatcher);

    bool serves(int kind) const override;
    void start(const DeviceRecord &record) override;
    void forget(const DeviceRecord &record) override;
    bool zero(const DeviceRecord &record) override;
    bool downloadMemory(const DeviceRecord &record) override;
    bool runAddDialog(QWidget *parent) override;

    // Instruments picked in the dongle scan, on the dongle at `port`: one record each.
    void addDevices(const QString &port, const QList<QPair<QString, QString>> &addressesAndNames);

private:
    int m_kind;
    DongleLink *m_link;
    ReadingDispatcher *m_dispatcher;
};
