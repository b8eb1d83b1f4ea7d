#include "blelinkadapter.h"

#include "devices/deviceregistry.h"
#include "links/ble/bledevicescandialog.h"
#include "links/ble/bleprotocol.h"
#include "links/ble/blevelkormanager.h"
#include "readingdispatcher.h"

#include <QBluetoothAddress>
#include <QBluetoothDeviceInfo>
#include <QCoreApplication>

BleLinkAdapter::BleLinkAdapter(BleVelkorManager *link, ReadingDispatcher *dispatcher)
    : LinkAdapter(dispatcher)
    , m_link(link)
    , m_dispatcher(dispatcher)
{
    registerBleReadingMetaType();
    connect(link, &BleVelkorManager::readingReceived, dispatcher, &ReadingDispatcher::bleReading);
    connect(link, &BleVelkorManager::connectionStateChanged, dispatcher,
            &ReadingDispatcher::bleConnectionState);
    connect(link, &BleVelkorManager::calibDateReceived, dispatcher, &ReadingDispatcher::bleCalibDate);
    connect(link, &BleVelkorManager::batteryLevelChanged, dispatcher, &ReadingDispatcher::bleBatteryLevel);
    connect(link, &BleVelkorManager::signalLevelChanged, dispatcher, &ReadingDispatcher::bleSignalLevel);
}

bool BleLinkAdapter::serves(int kind) const
{
    return kind == ConnectionKind::Bluetooth;
}

void BleLinkAdapter::start(const DeviceRecord &record)
{
    if (record.mac.isEmpty())
        return;
    QBluetoothDeviceInfo info(QBluetoothAddress(record.mac), record.name, 0);
    info.setCoreConfigurations(QBluetoothDeviceInfo::LowEnergyCoreConfiguration);
    m_link->connectDevice(info, record.bleProtocol);
}

void BleLinkAdapter::forget(const DeviceRecord &record)
{
    if (m_dispatcher->registry().findBleDevice(record.mac) < 0)
        m_link->disconnectDevice(record.mac);
}

bool BleLinkAdapter::zero(const DeviceRecord &record)
{
    return m_link->zero(record.mac);
}

bool BleLinkAdapter::downloadMemory(const DeviceRecord &record)
{
    return m_link->downloadMemory(record.mac);
}

bool BleLinkAdapter::runAddDialog(QWidget *parent)
{
    BleDeviceScanDialog scan(parent);
    if (scan.exec() == QDialog::Accepted)
        addDevices(scan.selectedDevices());
    return true;
}

void BleLinkAdapter::addDevices(const QList<QBluetoothDeviceInfo> &found)
{
    DeviceRegistry &registry = m_dispatcher->registry();
    for (const QBluetoothDeviceInfo &info : found) {
        DeviceRecord record;
        record.name = info.name().isEmpty() ? QCoreApplication::translate("MeasuringSystem", "DEVICE %1")
                                                  .arg(registry.devices().size() + 1)
                                            : info.name();
        record.type = ConnectionKind::Bluetooth;
        record.portName = QStringLiteral("BLE");
        record.address = quint8(registry.nextFreeAddress(ConnectionKind::Bluetooth));
        record.mac = info.address().toString();
        record.bleProtocol = bleProtocolFromName(info.name());
        record.sensorKind = SensorKind::Linear;
        record.unit = DeviceRegistry::globalUnitFor(record.sensorKind);
        record.unitResolved = true;
        m_dispatcher->addDevice(record);
    }
}
