#pragma once

#include "links/ble/blegattbackend.h"

#include <QHash>
#include <QPointer>
#include <QtBluetooth/QBluetoothAddress>

// A scripted GATT peer: the test plays the instrument, the code under test talks to it through the same
// seam as to the radio, and whatever it writes or reads is recorded.

// What one device offers: service -> characteristic -> whether it can be read. Every characteristic has
// its configuration descriptor.
using ScriptedOffer = QHash<QBluetoothUuid, QHash<QBluetoothUuid, bool>>;

class ScriptedGattService : public BleGattService
{
public:
    using BleGattService::BleGattService;

    QBluetoothUuid serviceUuid() const override { return id; }
    void discoverDetails() override { detailsRequested = true; }
    // Until the details the code asked for are discovered it sees no characteristics.
    bool hasCharacteristic(const QBluetoothUuid &c) const override
    {
        return detailsKnown && characteristics.contains(c);
    }
    bool canRead(const QBluetoothUuid &c) const override { return detailsKnown && characteristics.value(c); }
    bool hasDescriptor(const QBluetoothUuid &c, const QBluetoothUuid &descriptor) const override
    {
        return hasCharacteristic(c) && descriptor == QBluetoothUuid(quint16(0x2902));
    }
    bool readCharacteristic(const QBluetoothUuid &c) override
    {
        if (hasCharacteristic(c))
            reads << c;
        return hasCharacteristic(c);
    }
    bool writeCharacteristic(const QBluetoothUuid &c, const QByteArray &value, bool withResponse) override
    {
        if (hasCharacteristic(c)) {
            written[c] << value;
            lastWithResponse = withResponse;
        }
        return hasCharacteristic(c);
    }
    bool writeDescriptor(const QBluetoothUuid &c, const QBluetoothUuid &descriptor,
                         const QByteArray &value) override
    {
        if (hasDescriptor(c, descriptor))
            config.insert(c, value);
        return hasDescriptor(c, descriptor);
    }

    // Peer side.
    void notify(const QBluetoothUuid &c, const QByteArray &value) { emit characteristicChanged(c, value); }
    void answerRead(const QBluetoothUuid &c, const QByteArray &value) { emit characteristicRead(c, value); }

    QBluetoothUuid id;
    QHash<QBluetoothUuid, bool> characteristics;
    bool detailsRequested = false;
    bool detailsKnown = false;
    // What the code did: values written to each characteristic and to its configuration descriptor.
    QHash<QBluetoothUuid, QList<QByteArray>> written;
    bool lastWithResponse = false;
    QHash<QBluetoothUuid, QByteArray> config;
    QList<QBluetoothUuid> reads;
};

class ScriptedGattLink : public BleGattLink
{
public:
    using BleGattLink::BleGattLink;

    State state() const override { return m_state; }
    QString stateName() const override { return QString::number(int(m_state)); }
    void connectToDevice() override
    {
        ++connectCalls;
        m_state = State::Connecting;
    }
    void disconnectFromDevice() override { m_state = State::Closing; }
    void discoverServices() override { m_discoveryRequested = true; }
    QList<QBluetoothUuid> services() const override { return offer.keys(); }
    BleGattService *createService(const QBluetoothUuid &id) override
    {
        if (!offer.contains(id))
            return nullptr;
        auto *service = new ScriptedGattService(this);
        service->id = id;
        service->characteristics = offer.value(id);
        m_services.insert(id, service);
        return service;
    }

    // Peer side. bringUp connects and finishes every discovery the code asks for along the way.
    void bringUp()
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
    void drop()
    {
        m_state = State::Unconnected;
        emit disconnected();
    }
    // An error that leaves the controller where it is, as when the device does not answer.
    void fail()
    {
        emit errorOccurred(QStringLiteral("UnknownRemoteDeviceError"), QStringLiteral("no answer"));
    }
    ScriptedGattService *service(const QBluetoothUuid &id) const { return m_services.value(id); }

    ScriptedOffer offer;
    int connectCalls = 0;

private:
    State m_state = State::Unconnected;
    bool m_discoveryRequested = false;
    QHash<QBluetoothUuid, QPointer<ScriptedGattService>> m_services;
};

class ScriptedGattBackend : public BleGattBackend
{
public:
    BleGattLink *createLink(const QBluetoothDeviceInfo &info, QObject *parent) override
    {
        auto *link = new ScriptedGattLink(parent);
        link->offer = offers.value(info.address().toString());
        links.insert(info.address().toString(), link);
        return link;
    }

    QHash<QString, ScriptedOffer> offers; // by address; a device not listed offers nothing
    QHash<QString, QPointer<ScriptedGattLink>> links;
};
