#include "readingdispatcher.h"

#include "devices/deviceregistry.h"
#include "linkadapter.h"
#include "links/ble/blereading.h"
#include "links/hid/instrumentline.h"

#include <QDate>
#include <QDebug>

namespace {

// The unit a link's raw value arrives in.
int sourceUnit(const DeviceRecord &record)
{
    switch (record.type) {
    case ConnectionKind::HidKeyboard:
        return record.hidUnit;
    case ConnectionKind::SylvacCable:
        return record.serialUnit == 1 ? UnitCode::Inch : UnitCode::Millimetre;
    default:
        return record.bleRawIsInch ? UnitCode::Inch : UnitCode::Millimetre;
    }
}

} // namespace

ReadingDispatcher::ReadingDispatcher(DeviceRegistry &registry, QObject *parent)
    : QObject(parent)
    , m_registry(registry)
{}

void ReadingDispatcher::addAdapter(LinkAdapter *adapter)
{
    adapter->setParent(this);
    m_adapters.append(adapter);
}

LinkAdapter *ReadingDispatcher::adapterFor(int kind) const
{
    for (LinkAdapter *adapter : m_adapters) {
        if (adapter->serves(kind))
            return adapter;
    }
    return nullptr;
}

int ReadingDispatcher::findBle(const QString &address) const
{
    return m_registry.findBleDevice(address);
}

int ReadingDispatcher::find(int kind, const QString &key) const
{
    const QList<DeviceRecord> &devices = m_registry.devices();
    for (int i = 0; i < devices.size(); ++i) {
        const DeviceRecord &record = devices.at(i);
        if (record.type == kind &&
            (kind == ConnectionKind::HidKeyboard ? record.hidPath : record.portName) == key)
            return i;
    }
    return -1;
}

void ReadingDispatcher::applyRawValue(int index, double raw, int unit)
{
    DeviceRecord &record = m_registry.devices()[index];
    record.unit = DeviceRegistry::globalUnitFor(record.sensorKind);
    record.value = record.heldValue = convertUnit(raw, unit, record.unit);
    record.heldValid = false;
    emit valueChanged(index);
}

void ReadingDispatcher::bleReading(const QString &address, const BleReading &reading)
{
    const int index = findBle(address);
    if (index < 0)
        return;
    DeviceRecord &record = m_registry.devices()[index];
    record.bleRawValue = reading.value;
    record.bleRawIsInch = reading.isInch;
    record.bleHasValue = true;
    record.connected = true;
    applyRawValue(index, reading.value, sourceUnit(record));
    if (reading.sentByButton)
        emit recordRequested(index);
}

void ReadingDispatcher::bleConnectionState(const QString &address, bool connected)
{
    const int index = findBle(address);
    if (index >= 0)
        m_registry.devices()[index].connected = connected;
}

void ReadingDispatcher::bleCalibDate(const QString &address, const QDate &date)
{
    const int index = findBle(address);
    if (index < 0)
        return;
    DeviceRecord &record = m_registry.devices()[index];
    record.calibDay = quint16(date.day());
    record.calibMonth = quint16(date.month());
    record.calibYear = quint16(date.year());
    record.infoValid = true;
}

void ReadingDispatcher::bleBatteryLevel(const QString &address, int percent)
{
    const int index = findBle(address);
    if (index < 0 || m_registry.devices().at(index).batteryPercent == percent)
        return;
    qDebug().noquote() << "[BLE]" << address << "заряд батареї:" << percent << "%";
    m_registry.devices()[index].batteryPercent = percent;
    emit statusChanged(index);
}

void ReadingDispatcher::bleSignalLevel(const QString &address, int rssiDbm)
{
    const int index = findBle(address);
    if (index < 0 || m_registry.devices().at(index).rssiDbm == rssiDbm)
        return;
    m_registry.devices()[index].rssiDbm = rssiDbm;
    emit statusChanged(index);
}

void ReadingDispatcher::donglePort(const QString &address, const QString &port)
{
    const int index = findBle(address);
    if (index < 0 || m_registry.devices().at(index).donglePort == port)
        return;
    qDebug().noquote() << "[донгл]" << address << "працює через" << port;
    m_registry.devices()[index].donglePort = port;
    emit statusChanged(index);
    emit saveRequested();
}

void ReadingDispatcher::hidLine(const QString &devicePath, const QString &line)
{
    const int index = find(ConnectionKind::HidKeyboard, devicePath);
    if (index < 0)
        return;
    DeviceRecord &record = m_registry.devices()[index];
    double raw = 0.0;
    if (!parseInstrumentLine(line, record.hidDecimals, raw)) {
        qDebug().noquote() << "[HID] Device" << record.name << "sent unparsable text:" << line;
        return;
    }
    record.hidRawValue = raw;
    record.hidHasValue = true;
    record.connected = true;
    applyRawValue(index, raw, sourceUnit(record));
    // A keyboard instrument types only when its button is pressed: every line is a measurement.
    emit recordRequested(index);
}

void ReadingDispatcher::sylvacValue(const QString &portName, double value, bool sentByButton)
{
    const int index = find(ConnectionKind::SylvacCable, portName);
    if (index < 0)
        return;
    DeviceRecord &record = m_registry.devices()[index];
    record.sylvacRawValue = value;
    record.sylvacHasValue = true;
    record.connected = true;
    applyRawValue(index, value, sourceUnit(record));
    if (sentByButton)
        emit recordRequested(index);
}

void ReadingDispatcher::sylvacUnit(const QString &portName, bool isInch)
{
    const int index = find(ConnectionKind::SylvacCable, portName);
    if (index < 0 || m_registry.devices().at(index).serialUnit == (isInch ? 1 : 0))
        return;
    DeviceRecord &record = m_registry.devices()[index];
    record.serialUnit = isInch ? 1 : 0;
    record.sylvacHasValue = false;
    emit statusChanged(index);
    emit saveRequested();
}

void ReadingDispatcher::sylvacPortState(const QString &portName, bool open)
{
    const int index = find(ConnectionKind::SylvacCable, portName);
    if (index < 0)
        return;
    DeviceRecord &record = m_registry.devices()[index];
    record.connected = open;
    if (!open)
        record.sylvacHasValue = false;
}

void ReadingDispatcher::modbusValue(int index)
{
    if (index < 0 || index >= m_registry.devices().size())
        return;
    DeviceRecord &record = m_registry.devices()[index];
    record.modbusHasValue = true;
    emit valueChanged(index);
}

void ReadingDispatcher::startDevices()
{
    for (int i = 0; i < m_registry.devices().size(); ++i)
        startDevice(i);
    devicesChanged();
}

void ReadingDispatcher::startDevice(int index)
{
    if (index < 0 || index >= m_registry.devices().size())
        return;
    const DeviceRecord &record = m_registry.devices().at(index);
    if (LinkAdapter *adapter = adapterFor(record.type))
        adapter->start(record);
}

void ReadingDispatcher::forgetDevice(const DeviceRecord &removed)
{
    if (LinkAdapter *adapter = adapterFor(removed.type))
        adapter->forget(removed);
}

void ReadingDispatcher::devicesChanged()
{
    for (LinkAdapter *adapter : std::as_const(m_adapters))
        adapter->devicesChanged();
}

void ReadingDispatcher::zero(int index)
{
    if (index < 0 || index >= m_registry.devices().size())
        return;
    const DeviceRecord &record = m_registry.devices().at(index);
    LinkAdapter *adapter = adapterFor(record.type);
    if (adapter && adapter->zero(record))
        return;
    if (isBleKind(record.type))
        qDebug().noquote() << "[BLE]" << record.mac << "обнулення не надіслано - прилад не на зв'язку";
    else if (record.type == ConnectionKind::SylvacCable)
        qDebug().noquote() << "[Sylvac-провід]" << record.portName
                           << "обнулення не надіслано - порт не відкритий";
}

bool ReadingDispatcher::downloadMemory(int index)
{
    if (index < 0 || index >= m_registry.devices().size())
        return false;
    const DeviceRecord &record = m_registry.devices().at(index);
    LinkAdapter *adapter = adapterFor(record.type);
    return adapter && adapter->downloadMemory(record);
}

void ReadingDispatcher::applyGlobalUnits()
{
    for (DeviceRecord &record : m_registry.devices()) {
        const int unit = DeviceRegistry::globalUnitFor(record.sensorKind);
        const bool hid = record.type == ConnectionKind::HidKeyboard;
        if (hid || record.type == ConnectionKind::SylvacCable) {
            record.unit = unit;
            if (hid ? record.hidHasValue : record.sylvacHasValue) {
                record.value = record.heldValue =
                    convertUnit(hid ? record.hidRawValue : record.sylvacRawValue, sourceUnit(record), unit);
                record.heldValid = false;
            }
        } else if (LinkAdapter *adapter = adapterFor(record.type)) {
            adapter->enforceUnit(record, unit);
        }
    }
}
