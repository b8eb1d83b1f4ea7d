#include "donglelinkadapter.h"

#include "devices/deviceregistry.h"
#include "links/ble/bleprotocol.h"
#include "links/dongle/donglelink.h"
#include "links/dongle/donglescandialog.h"
#include "readingdispatcher.h"

#include <QCoreApplication>

DongleLinkAdapter::DongleLinkAdapter(int kind, DongleLink *link, ReadingDispatcher *dispatcher)
    : LinkAdapter(dispatcher)
    , m_kind(kind)
    , m_link(link)
    , m_dispatcher(dispatcher)
{
    connect(link, &DongleLink::readingReceived, dispatcher, &ReadingDispatcher::bleReading);
    connect(link, &DongleLink::connectionStateChanged, dispatcher, &ReadingDispatcher::bleConnectionState);
    connect(link, &DongleLink::calibDateReceived, dispatcher, &ReadingDispatcher::bleCalibDate);
    connect(link, &DongleLink::signalLevelChanged, dispatcher, &ReadingDispatcher::bleSignalLevel);
    connect(link, &DongleLink::devicePortChanged, dispatcher, &ReadingDispatcher::donglePort);
}

bool DongleLinkAdapter::serves(int kind) const
{
    return kind == m_kind;
}

void DongleLinkAdapter::start(const DeviceRecord &record)
{
    if (record.mac.isEmpty())
        return;
    // The dongles are opened first, so the instrument finds its own (or another with room) at once.
    m_link->openAllDongles();
    m_link->connectDevice(record.mac, record.name, record.bleProtocol, record.donglePort);
}

void DongleLinkAdapter::forget(const DeviceRecord &record)
{
    if (m_dispatcher->registry().findBleDevice(record.mac) < 0)
        m_link->disconnectDevice(record.mac);
}

bool DongleLinkAdapter::zero(const DeviceRecord &record)
{
    return m_link->zero(record.mac);
}

bool DongleLinkAdapter::downloadMemory(const DeviceRecord &record)
{
    return m_link->downloadMemory(record.mac);
}

bool DongleLinkAdapter::runAddDialog(QWidget *parent)
{
    DongleDeviceScanDialog dialog(m_kind, m_link, parent);
    if (dialog.exec() == QDialog::Accepted)
        addDevices(dialog.selectedPort(), dialog.selectedDevices());
    return true;
}

void DongleLinkAdapter::addDevices(const QString &port,
                                   const QList<QPair<QString, QString>> &addressesAndNames)
{
    DeviceRegistry &registry = m_dispatcher->registry();
    for (const auto &found : addressesAndNames) {
        DeviceRecord record;
        record.name = found.second.isEmpty() ? QCoreApplication::translate("MeasuringSystem", "DEVICE %1")
                                                   .arg(registry.devices().size() + 1)
                                             : found.second;
        record.type = m_kind;
        record.portName = QStringLiteral("DONGLE");
        record.address = quint8(registry.nextFreeAddress(m_kind));
        record.mac = found.first;
        record.donglePort = port;
        record.bleProtocol = bleProtocolFromName(found.second);
        record.sensorKind = SensorKind::Linear;
        record.unit = DeviceRegistry::globalUnitFor(record.sensorKind);
        record.unitResolved = true;
        m_dispatcher->addDevice(record);
    }
}
