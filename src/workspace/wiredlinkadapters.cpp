#include "wiredlinkadapters.h"

#include "devices/deviceregistry.h"
#include "links/hid/hidkeyboardmanager.h"
#include "links/hid/keyboarddevicedialog.h"
#include "links/sylvac/sylvacserialdialog.h"
#include "links/sylvac/sylvacserialmanager.h"
#include "readingdispatcher.h"

#include <QCoreApplication>

#include <algorithm>

namespace {

QString newDeviceName(const DeviceRegistry &registry)
{
    return QCoreApplication::translate("MeasuringSystem", "DEVICE %1").arg(registry.devices().size() + 1);
}

} // namespace

SylvacLinkAdapter::SylvacLinkAdapter(SylvacSerialManager *link, ReadingDispatcher *dispatcher)
    : LinkAdapter(dispatcher)
    , m_link(link)
    , m_dispatcher(dispatcher)
{
    connect(link, &SylvacSerialManager::valueReceived, dispatcher, &ReadingDispatcher::sylvacValue);
    connect(link, &SylvacSerialManager::unitChanged, dispatcher, &ReadingDispatcher::sylvacUnit);
    connect(link, &SylvacSerialManager::portStateChanged, dispatcher, &ReadingDispatcher::sylvacPortState);
}

bool SylvacLinkAdapter::serves(int kind) const
{
    return kind == ConnectionKind::SylvacCable;
}

void SylvacLinkAdapter::start(const DeviceRecord &record)
{
    m_link->addPort(record.portName);
}

void SylvacLinkAdapter::forget(const DeviceRecord &record)
{
    for (const DeviceRecord &other : m_dispatcher->registry().devices()) {
        if (other.type == ConnectionKind::SylvacCable && other.portName == record.portName)
            return;
    }
    m_link->removePort(record.portName);
}

bool SylvacLinkAdapter::zero(const DeviceRecord &record)
{
    return m_link->zero(record.portName);
}

QStringList SylvacLinkAdapter::freePorts() const
{
    QStringList used;
    const DeviceRegistry &registry = m_dispatcher->registry();
    for (const ModbusAdapter &adapter : registry.adapters())
        used.append(adapter.portName);
    for (const DeviceRecord &record : registry.devices()) {
        used.append(record.portName);
        if (!record.donglePort.isEmpty())
            used.append(record.donglePort);
    }
    QStringList free;
    for (const QString &port : SylvacSerialManager::availablePorts()) {
        if (!used.contains(port))
            free.append(port);
    }
    return free;
}

bool SylvacLinkAdapter::runAddDialog(QWidget *parent)
{
    SylvacSerialDialog dialog(freePorts(), parent);
    if (dialog.exec() == QDialog::Accepted && !dialog.portName().isEmpty()) {
        addDevice(dialog.portName(), dialog.decimals());
    }
    return true;
}

void SylvacLinkAdapter::addDevice(const QString &port, int decimals)
{
    DeviceRegistry &registry = m_dispatcher->registry();
    DeviceRecord record;
    record.name = newDeviceName(registry);
    record.type = ConnectionKind::SylvacCable;
    record.portName = port;
    record.address = quint8(registry.nextFreeAddress(ConnectionKind::SylvacCable));
    record.sensorKind = SensorKind::Linear;
    record.unit = DeviceRegistry::globalUnitFor(record.sensorKind);
    record.unitResolved = true;
    // Shown as finely as the instrument writes its values.
    if (decimals >= 0)
        record.precision = std::min(decimals, 6);
    m_dispatcher->addDevice(record);
}

HidLinkAdapter::HidLinkAdapter(HidKeyboardManager *link, ReadingDispatcher *dispatcher)
    : LinkAdapter(dispatcher)
    , m_link(link)
    , m_dispatcher(dispatcher)
{
    connect(link, &HidKeyboardManager::lineReceived, dispatcher, &ReadingDispatcher::hidLine);
}

bool HidLinkAdapter::serves(int kind) const
{
    return kind == ConnectionKind::HidKeyboard;
}

bool HidLinkAdapter::zero(const DeviceRecord &record)
{
    Q_UNUSED(record)
    return false;
}

void HidLinkAdapter::refreshWatchList()
{
    if (m_dialogRunning)
        return;
    QStringList paths;
    for (const DeviceRecord &record : m_dispatcher->registry().devices()) {
        if (record.type == ConnectionKind::HidKeyboard && !record.hidPath.isEmpty())
            paths.append(record.hidPath);
    }
    m_link->setWatchedDevices(paths);
}

bool HidLinkAdapter::runAddDialog(QWidget *parent)
{
    KeyboardDeviceDialog dialog(m_dispatcher->registry().devices(), parent);
    m_dialogRunning = true;
    const bool accepted = dialog.exec() == QDialog::Accepted;
    m_dialogRunning = false;
    const QString path = dialog.devicePath();
    const int unit = dialog.unitCode();
    const int decimals = dialog.decimals();
    refreshWatchList();
    if (accepted)
        addDevice(path, unit, decimals);
    return true;
}

void HidLinkAdapter::addDevice(const QString &path, int unit, int decimals)
{
    DeviceRegistry &registry = m_dispatcher->registry();
    DeviceRecord record;
    record.name = newDeviceName(registry);
    record.type = ConnectionKind::HidKeyboard;
    record.portName = QStringLiteral("HID");
    record.address = quint8(registry.nextFreeAddress(ConnectionKind::HidKeyboard));
    record.hidPath = path;
    record.hidUnit = unit;
    record.hidDecimals = decimals;
    record.sensorKind = sensorKindForHidUnit(unit);
    record.unit = DeviceRegistry::globalUnitFor(record.sensorKind);
    record.unitResolved = true;
    m_dispatcher->addDevice(record);
}
