#include "modbuslinkadapter.h"

#include "devices/deviceregistry.h"
#include "links/modbus/adddevicedialog.h"
#include "links/modbus/modbusframe.h"
#include "links/modbus/modbuspoller.h"
#include "readingdispatcher.h"

#include <QCoreApplication>
#include <QDebug>
#include <QTimer>

#include <algorithm>

ModbusLinkAdapter::ModbusLinkAdapter(ModbusPoller *poller, QTimer *watchdog, ReadingDispatcher *dispatcher)
    : LinkAdapter(dispatcher)
    , m_poller(poller)
    , m_watchdog(watchdog)
    , m_dispatcher(dispatcher)
{
    connect(poller, &ModbusPoller::deviceValueChanged, dispatcher, &ReadingDispatcher::modbusValue);
}

bool ModbusLinkAdapter::serves(int kind) const
{
    return kind == ConnectionKind::Modbus;
}

void ModbusLinkAdapter::devicesChanged()
{
    m_poller->rebuildPollLists();
}

void ModbusLinkAdapter::enforceUnit(DeviceRecord &record, int unit)
{
    // A new choice deserves fresh attempts, also from an instrument that gave up on the old one.
    record.unitRetries = 0;
    if (!record.unitResolved || record.unit == unit)
        return;
    qDebug().noquote() << "[UNITS] Device" << record.address << "-> sending SetUnits(0x2002) =" << unit
                       << "then re-reading as first connect";
    m_poller->sendFirst(record.portName,
                        buildWriteCommand(record.address, ModbusRegister::Unit, quint16(unit)));
    record.unitResolved = false;
}

bool ModbusLinkAdapter::zero(const DeviceRecord &record)
{
    m_poller->sendFirst(record.portName, buildWriteCommand(record.address, ModbusRegister::Zero, 1));
    return true;
}

bool ModbusLinkAdapter::runAddDialog(QWidget *parent)
{
    // The dialog needs the adapter's port for itself while it is open.
    const bool watching = m_watchdog->isActive();
    m_watchdog->stop();
    m_poller->releaseAllPorts();

    DeviceRegistry &registry = m_dispatcher->registry();
    AddDeviceDialog dialog(registry.adapters(), registry.devices(), parent);
    connect(&dialog, &AddDeviceDialog::deviceReadyToAdd, this, &ModbusLinkAdapter::addDevice);
    dialog.exec();

    m_poller->openAdapterPorts();
    m_poller->rebuildPollLists();
    if (watching)
        m_watchdog->start();
    m_poller->sendNextCommandOnAllPorts();
    return true;
}

void ModbusLinkAdapter::addDevice(const QString &portName, int baudRate, int address)
{
    DeviceRegistry &registry = m_dispatcher->registry();
    QList<ModbusAdapter> &adapters = registry.adapters();
    auto adapter = std::find_if(adapters.begin(), adapters.end(),
                                [&portName](const ModbusAdapter &a) { return a.portName == portName; });
    if (adapter != adapters.end())
        adapter->baudRate = baudRate;
    else
        adapters.append({portName, baudRate});
    registry.saveAdapters();

    DeviceRecord record;
    record.name =
        QCoreApplication::translate("MeasuringSystem", "DEVICE %1").arg(registry.devices().size() + 1);
    record.portName = portName;
    record.address = quint8(address);
    record.type = ConnectionKind::Modbus;
    // The dialog has just heard it answer; its value comes with the first poll, in the bench's unit.
    record.connected = true;
    record.unit = DeviceRegistry::globalUnitFor(record.sensorKind);
    m_dispatcher->addDevice(record);
}
