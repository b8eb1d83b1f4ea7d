#pragma once

#include "links/ble/blegattbackend.h"

#include <QtBluetooth/QLowEnergyController>
#include <QtBluetooth/QLowEnergyService>

// BleGattService over a QLowEnergyService.
class QtGattService : public BleGattService
{
    Q_OBJECT
public:
    QtGattService(QLowEnergyService *service, QObject *parent);

    QBluetoothUuid serviceUuid() const override;
    void discoverDetails() override;
    bool hasCharacteristic(const QBluetoothUuid &characteristic) const override;
    bool canRead(const QBluetoothUuid &characteristic) const override;
    bool hasDescriptor(const QBluetoothUuid &characteristic, const QBluetoothUuid &descriptor) const override;
    bool readCharacteristic(const QBluetoothUuid &characteristic) override;
    bool writeCharacteristic(const QBluetoothUuid &characteristic, const QByteArray &value,
                             bool withResponse) override;
    bool writeDescriptor(const QBluetoothUuid &characteristic, const QBluetoothUuid &descriptor,
                         const QByteArray &value) override;

private:
    QLowEnergyCharacteristic find(const QBluetoothUuid &characteristic) const;

    QLowEnergyService *m_service;
};

// BleGattLink over a central-role QLowEnergyController.
class QtGattLink : public BleGattLink
{
    Q_OBJECT
public:
    QtGattLink(const QBluetoothDeviceInfo &info, QObject *parent);

    State state() const override;
    QString stateName() const override;
    void connectToDevice() override;
    void disconnectFromDevice() override;
    void discoverServices() override;
    QList<QBluetoothUuid> services() const override;
    BleGattService *createService(const QBluetoothUuid &service) override;

private:
    QLowEnergyController *m_controller;
};

class QtGattBackend : public BleGattBackend
{
public:
    BleGattLink *createLink(const QBluetoothDeviceInfo &info, QObject *parent) override;
};
