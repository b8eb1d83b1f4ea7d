#pragma once

#include "links/ble/blegattbackend.h"

#include <QHash>
#include <QPointer>

// A scripted GATT peer: the test plays the instrument, the code under test talks to it through the same
// seam as to the radio, and whatever it writes or reads is recorded.

struct ScriptedCharacteristic
{
    QBluetoothUuid uuid;
    bool readable = false;
};
// What one device offers: services and their characteristics, each with a configuration descriptor.
using ScriptedOffer = QHash<QBluetoothUuid, QList<ScriptedCharacteristic>>;

struct ScriptedWrite
{
    QBluetoothUuid characteristic;
    QByteArray value;
    bool withResponse = false;
};

class ScriptedGattService : public BleGattService
{
public:
    ScriptedGattService(const QBluetoothUuid &id, const QList<ScriptedCharacteristic> &characteristics,
                        QObject *parent);

    QBluetoothUuid serviceUuid() const override { return m_id; }
    void discoverDetails() override { m_detailsRequested = true; }
    bool hasCharacteristic(const QBluetoothUuid &c) const override { return find(c); }
    bool canRead(const QBluetoothUuid &c) const override { return find(c) && find(c)->readable; }
    bool hasDescriptor(const QBluetoothUuid &c, const QBluetoothUuid &descriptor) const override;
    bool readCharacteristic(const QBluetoothUuid &c) override;
    bool writeCharacteristic(const QBluetoothUuid &c, const QByteArray &value, bool withResponse) override;
    bool writeDescriptor(const QBluetoothUuid &c, const QBluetoothUuid &descriptor,
                         const QByteArray &value) override;

    // Peer side. Until the details the code asked for are discovered it sees no characteristics.
    void finishDetails();
    void notify(const QBluetoothUuid &c, const QByteArray &value) { emit characteristicChanged(c, value); }
    void answerRead(const QBluetoothUuid &c, const QByteArray &value) { emit characteristicRead(c, value); }
    QList<QByteArray> writtenTo(const QBluetoothUuid &c) const;
    // The last value written to the characteristic's configuration descriptor.
    QByteArray configOf(const QBluetoothUuid &c) const { return m_config.value(c); }

    QList<ScriptedWrite> writes;
    QList<QBluetoothUuid> reads;

private:
    const ScriptedCharacteristic *find(const QBluetoothUuid &c) const;

    QBluetoothUuid m_id;
    QList<ScriptedCharacteristic> m_characteristics;
    QHash<QBluetoothUuid, QByteArray> m_config;
    bool m_detailsRequested = false;
    bool m_detailsKnown = false;
};

class ScriptedGattLink : public BleGattLink
{
public:
    ScriptedGattLink(const ScriptedOffer &offer, QObject *parent);

    State state() const override { return m_state; }
    QString stateName() const override { return QString::number(int(m_state)); }
    void connectToDevice() override;
    void disconnectFromDevice() override;
    void discoverServices() override { m_discoveryRequested = true; }
    QList<QBluetoothUuid> services() const override { return m_offer.keys(); }
    BleGattService *createService(const QBluetoothUuid &id) override;

    // Peer side. bringUp connects and answers the discoveries the code asks for along the way.
    void bringUp();
    void drop();
    // An error that leaves the controller where it is, as when the device does not answer.
    void fail()
    {
        emit errorOccurred(QStringLiteral("UnknownRemoteDeviceError"), QStringLiteral("no answer"));
    }
    ScriptedGattService *service(const QBluetoothUuid &id) const { return m_services.value(id); }

    int connectCalls = 0;
    int disconnectCalls = 0;

private:
    ScriptedOffer m_offer;
    State m_state = State::Unconnected;
    bool m_discoveryRequested = false;
    QHash<QBluetoothUuid, QPointer<ScriptedGattService>> m_services;
};

class ScriptedGattBackend : public BleGattBackend
{
public:
    BleGattLink *createLink(const QBluetoothDeviceInfo &info, QObject *parent) override;

    QHash<QString, ScriptedOffer> offers; // by address; a device not listed offers nothing
    QHash<QString, QPointer<ScriptedGattLink>> links;
    int created = 0;
};
