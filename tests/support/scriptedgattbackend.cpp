#include "scriptedgattbackend.h"

#include <QtBluetooth/QBluetoothAddress>

BleGattService *ScriptedGattLink::createService(const QBluetoothUuid &id)
{
    if (!offer.contains(id))
        return nullptr;
    auto *service = new ScriptedGattService(this);
    service->id = id;
    service->characteristics = offer.value(id);
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
    for (const QPointer<ScriptedGattService> &service : std::as_const(m_services)) {
        if (service && service->detailsRequested && !service->detailsKnown) {
            service->detailsKnown = true;
            emit service->detailsDiscovered();
        }
    }
}

void ScriptedGattLink::drop()
{
    m_state = State::Unconnected;
    emit disconnected();
}

BleGattLink *ScriptedGattBackend::createLink(const QBluetoothDeviceInfo &info, QObject *parent)
{
    auto *link = new ScriptedGattLink(parent);
    link->offer = offers.value(info.address().toString());
    links.insert(info.address().toString(), link);
    return link;
}
