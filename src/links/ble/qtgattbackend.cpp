#include "links/ble/qtgattbackend.h"

#include <QMetaEnum>

namespace {

template<typename E> QString enumName(E value)
{
    const char *key = QMetaEnum::fromType<E>().valueToKey(int(value));
    return key ? QString::fromLatin1(key) : QString::number(int(value));
}

} // namespace

QtGattService::QtGattService(QLowEnergyService *service, QObject *parent)
    : BleGattService(parent)
    , m_service(service)
{
    m_service->setParent(this);
    connect(m_service, &QLowEnergyService::stateChanged, this, [this](QLowEnergyService::ServiceState state) {
        if (state == QLowEnergyService::RemoteServiceDiscovered)
            emit detailsDiscovered();
    });
    connect(m_service, &QLowEnergyService::characteristicChanged, this,
            [this](const QLowEnergyCharacteristic &c, const QByteArray &value) {
                emit characteristicChanged(c.uuid(), value);
            });
    connect(m_service, &QLowEnergyService::characteristicRead, this,
            [this](const QLowEnergyCharacteristic &c, const QByteArray &value) {
                emit characteristicRead(c.uuid(), value);
            });
    connect(m_service, &QLowEnergyService::errorOccurred, this,
            [this](QLowEnergyService::ServiceError error) { emit errorOccurred(enumName(error)); });
}

QBluetoothUuid QtGattService::serviceUuid() const
{
    return m_service->serviceUuid();
}

void QtGattService::discoverDetails()
{
    m_service->discoverDetails();
}

QLowEnergyCharacteristic QtGattService::find(const QBluetoothUuid &characteristic) const
{
    return m_service->characteristic(characteristic);
}

bool QtGattService::hasCharacteristic(const QBluetoothUuid &characteristic) const
{
    return find(characteristic).isValid();
}

bool QtGattService::canRead(const QBluetoothUuid &characteristic) const
{
    const QLowEnergyCharacteristic c = find(characteristic);
    return c.isValid() && (c.properties() & QLowEnergyCharacteristic::Read);
}

bool QtGattService::hasDescriptor(const QBluetoothUuid &characteristic,
                                  const QBluetoothUuid &descriptor) const
{
    const QLowEnergyCharacteristic c = find(characteristic);
    return c.isValid() && c.descriptor(descriptor).isValid();
}

bool QtGattService::readCharacteristic(const QBluetoothUuid &characteristic)
{
    const QLowEnergyCharacteristic c = find(characteristic);
    if (!c.isValid())
        return false;
    m_service->readCharacteristic(c);
    return true;
}

bool QtGattService::writeCharacteristic(const QBluetoothUuid &characteristic, const QByteArray &value,
                                        bool withResponse)
{
    const QLowEnergyCharacteristic c = find(characteristic);
    if (!c.isValid())
        return false;
    m_service->writeCharacteristic(c, value,
                                   withResponse ? QLowEnergyService::WriteWithResponse
                                                : QLowEnergyService::WriteWithoutResponse);
    return true;
}

bool QtGattService::writeDescriptor(const QBluetoothUuid &characteristic, const QBluetoothUuid &descriptor,
                                    const QByteArray &value)
{
    const QLowEnergyDescriptor d = find(characteristic).descriptor(descriptor);
    if (!d.isValid())
        return false;
    m_service->writeDescriptor(d, value);
    return true;
}

QtGattLink::QtGattLink(const QBluetoothDeviceInfo &info, QObject *parent)
    : BleGattLink(parent)
    , m_controller(QLowEnergyController::createCentral(info, this))
{
    connect(m_controller, &QLowEnergyController::connected, this, &BleGattLink::connected);
    connect(m_controller, &QLowEnergyController::discoveryFinished, this, &BleGattLink::discoveryFinished);
    connect(m_controller, &QLowEnergyController::disconnected, this, &BleGattLink::disconnected);
    connect(m_controller, &QLowEnergyController::errorOccurred, this,
            [this](QLowEnergyController::Error error) {
                emit errorOccurred(enumName(error), m_controller->errorString());
            });
}

BleGattLink::State QtGattLink::state() const
{
    switch (m_controller->state()) {
    case QLowEnergyController::UnconnectedState:
        return State::Unconnected;
    case QLowEnergyController::ConnectingState:
        return State::Connecting;
    case QLowEnergyController::ConnectedState:
        return State::Connected;
    case QLowEnergyController::DiscoveringState:
        return State::Discovering;
    case QLowEnergyController::DiscoveredState:
        return State::Discovered;
    case QLowEnergyController::ClosingState:
        return State::Closing;
    case QLowEnergyController::AdvertisingState:
        return State::Advertising;
    }
    return State::Unconnected;
}

QString QtGattLink::stateName() const
{
    return enumName(m_controller->state());
}

void QtGattLink::connectToDevice()
{
    m_controller->connectToDevice();
}

void QtGattLink::disconnectFromDevice()
{
    m_controller->disconnectFromDevice();
}

void QtGattLink::discoverServices()
{
    m_controller->discoverServices();
}

QList<QBluetoothUuid> QtGattLink::services() const
{
    return m_controller->services();
}

BleGattService *QtGattLink::createService(const QBluetoothUuid &service)
{
    QLowEnergyService *s = m_controller->createServiceObject(service);
    return s ? new QtGattService(s, this) : nullptr;
}

BleGattLink *QtGattBackend::createLink(const QBluetoothDeviceInfo &info, QObject *parent)
{
    return new QtGattLink(info, parent);
}
