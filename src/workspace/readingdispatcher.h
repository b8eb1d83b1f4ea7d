#pragma once

#include <QList>
#include <QObject>

class DeviceRegistry;
class LinkAdapter;
class QDate;
struct BleReading;
struct DeviceRecord;

// The road from what the instrument links report to the device records: finds the device a signal
// names, stores the raw value, converts it to the global unit of its kind and says what the window must
// show or record. Links reach it through one LinkAdapter per kind, which the dispatcher owns; commands to
// an instrument go back through the adapter of its kind. Whatever names no known device is dropped.
class ReadingDispatcher : public QObject
{
    Q_OBJECT

public:
    explicit ReadingDispatcher(DeviceRegistry &registry, QObject *parent = nullptr);

    DeviceRegistry &registry() { return m_registry; }
    // Takes ownership.
    void addAdapter(LinkAdapter *adapter);
    LinkAdapter *adapterFor(int kind) const;

    // Link reports.
    void bleReading(const QString &address, const BleReading &reading);
    void bleConnectionState(const QString &address, bool connected);
    void bleCalibDate(const QString &address, const QDate &date);
    void bleBatteryLevel(const QString &address, int percent);
    void bleSignalLevel(const QString &address, int rssiDbm);
    void donglePort(const QString &address, const QString &port);
    void hidLine(const QString &devicePath, const QString &line);
    void sylvacValue(const QString &portName, double value, bool sentByButton);
    void sylvacUnit(const QString &portName, bool isInch);
    void sylvacPortState(const QString &portName, bool open);
    // A Modbus answer has already updated the record.
    void modbusValue(int index);

    // An adapter's add flow has a new instrument: the window appends it with its card and starts it.
    void addDevice(const DeviceRecord &record) { emit addRequested(record); }

    // Commands and device-list events, handed to the adapter of the device's kind.
    void startDevices();
    void startDevice(int index);
    void forgetDevice(const DeviceRecord &removed);
    void devicesChanged();
    void zero(int index);
    // False when the instrument is not on line or its link cannot download.
    bool downloadMemory(int index);
    // Keyboard and cable values follow the global units at once, instruments that keep their own unit are
    // asked to switch, Bluetooth ones follow with their next reading.
    void applyGlobalUnits();

signals:
    // The record holds a new value. Cards need not follow each one: the window's refresh shows the records
    // ten times a second.
    void valueChanged(int index);
    // The facts on the card's status line changed.
    void statusChanged(int index);
    // The instrument itself asked for its value to be recorded (its button, a keyboard line).
    void recordRequested(int index);
    // A field that the devices file keeps has changed.
    void saveRequested();
    void addRequested(const DeviceRecord &record);

private:
    int findBle(const QString &address) const;
    int find(int kind, const QString &key) const;
    // The common part of every new raw value: global unit and converted value.
    void applyRawValue(int index, double raw, int sourceUnit);

    DeviceRegistry &m_registry;
    QList<LinkAdapter *> m_adapters;
};
