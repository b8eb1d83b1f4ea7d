#include "scriptedgattbackend.h"

#include <QtBluetooth/QBluetoothAddress>

namespace {
const QBluetoothUuid kConfigDescriptor(quint16(0x2902));
}

ScriptedGattService::ScriptedGattService(const QBluetoothUuid &id,
                                         const QList<ScriptedCharacteristic> &characteristics,
                                         QObject *parent)
    : BleGattService(parent)
    , m_id(id)
    , m_characteristics(characteristics)
{}

bool ScriptedGattService::hasDescriptor(const QBluetoothUuid &c, const QBluetoothUuid &descriptor) const
{
    return find(c) && descriptor == kConfigDescriptor;
}

bool ScriptedGattService::readCharacteristic(const QBluetoothUuid &c)
{
    if (!find(c))
        return false;
    reads << c;
    return true;
}

bool ScriptedGattService::writeCharacteristic(const QBluetoothUuid &c, const QByteArray &value,
                                              bool withResponse)
{
    if (!find(c))
        return false;
    writes << ScriptedWrite{c, value, withResponse};
    return true;
}

bool ScriptedGattService::writeDescriptor(const QBluetoothUuid &c, const QBluetoothUuid &descriptor,
                                          const QByteArray &value)
{
    if (!hasDescriptor(c, descriptor))
        return false;
    m_config.insert(c, value);
    return true;
}

void ScriptedGattService::finishDetails()
{
    if (!m_detailsRequested)
        return;
    m_detailsKnown = true;
    emit detailsDiscovered();
}

QList<QByteArray> ScriptedGattService::writtenTo(const QBluetoothUuid &c) const
{
    QList<QByteArray> values;
    for (const ScriptedWrite &write : writes) {
        if (write.characteristic == c)
            values << write.value;
    }
    return values;
}

const ScriptedCharacteristic *ScriptedGattService::find(const QBluetoothUuid &c) const
{
    if (!m_detailsKnown)
        return nullptr;
    for (const ScriptedCharacteristic &characteristic : m_characteristics) {
        if (characteristic.uuid == c)
            return &characteristic;
    }
    return nullptr;
}

ScriptedGattLink::ScriptedGattLink(const ScriptedOffer &offer, QObject *parent)
    : BleGattLink(parent)
    , m_offer(offer)
{}

void ScriptedGattLink::connectToDevice()
{
    ++connectCalls;
    m_state = State::Connecting;
}

void ScriptedGattLink::disconnectFromDevice()
{
    ++disconnectCalls;
    m_state = State::Closing;
}

BleGattService *ScriptedGattLink::createService(const QBluetoothUuid &id)
{
    if (!m_offer.contains(id))
        return nullptr;
    auto *service = new ScriptedGattService(id, m_offer.value(id), this);
    m_services.insert(id, service);
    return service;
}

void ScriptedGattLink::bringUp()
{
    m_discoveryRequested = false;
    m_state = State::Connected;
    emit connected();
    if (!m_discoveryRequested)
        return;
    m_state = State::Discovered;
    emit discoveryFinished();
    // A copy: finishing one service's details may make the code replace others.
    const auto services = m_services;
    for (const QPointer<ScriptedGattService> &service : services) {
        if (service)
            service->finishDetails();
    }
}

void ScriptedGattLink::drop()
{
    m_state = State::Unconnected;
    emit disconnected();
}

BleGattLink *ScriptedGattBackend::createLink(const QBluetoothDeviceInfo &info, QObject *parent)
{
    const QString address = info.address().toString();
    auto *link = new ScriptedGattLink(offers.value(address), parent);
    links.insert(address, link);
    ++created;
    return link;
}
