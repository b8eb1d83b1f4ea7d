#pragma once

#include <QObject>

struct DeviceRecord;

// One kind of instrument link as the workspace sees it: the adapter connects its link's signals to the
// reading dispatcher and carries out the commands the workspace sends to that kind's instruments.
// A new kind of link reaches the workspace by adding one adapter.
class LinkAdapter : public QObject
{
    Q_OBJECT

public:
    using QObject::QObject;

    // The connection kinds (DeviceRecord::type) this adapter serves.
    virtual bool serves(int kind) const = 0;

    // A stored instrument after loading, or a new one just added: start talking to it.
    virtual void start(const DeviceRecord &record) { Q_UNUSED(record) }
    // A deleted instrument, already out of the device list: let it go unless another entry still uses it.
    virtual void forget(const DeviceRecord &record) { Q_UNUSED(record) }
    // The device list changed (load, add, delete, reorder): rebuild whatever the link keeps by index.
    virtual void devicesChanged() {}
    // The global unit of the record's kind is now `unit`: make the instrument follow when it must be asked.
    virtual void enforceUnit(DeviceRecord &record, int unit)
    {
        Q_UNUSED(record)
        Q_UNUSED(unit)
    }

    // The add flow of this kind (its own scan or connect dialog), run from the Add button. Every new
    // instrument goes to ReadingDispatcher::addDevice. False when the kind cannot be added here.
    virtual bool runAddDialog(QWidget *parent)
    {
        Q_UNUSED(parent)
        return false;
    }

    // Each returns false when the command could not be sent (instrument not on line, not supported).
    virtual bool zero(const DeviceRecord &record) = 0;
    virtual bool downloadMemory(const DeviceRecord &record)
    {
        Q_UNUSED(record)
        return false;
    }
};
