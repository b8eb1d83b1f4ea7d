#pragma once

#include <QByteArray>
#include <QList>
#include <QObject>
#include <QString>
#include <QtBluetooth/QBluetoothDeviceInfo>
#include <QtBluetooth/QBluetoothUuid>

// The slice of a GATT client that the direct Bluetooth link needs. The real implementation wraps Qt's
// QLowEnergyController/QLowEnergyService; anything else (a scripted peer) can stand in for the radio.

// One remote service. Characteristics are addressed by UUID; calls on a characteristic the service does
// not have (or does not have yet, before its details are discovered) return false and do nothing.
class BleGattService : public QObject
{
    Q_OBJECT
public:
    using QObject::QObject;

    virtual QBluetoothUuid serviceUuid() const = 0;
    // Asks the peer for the characteristics and descriptors; detailsDiscovered() follows.
    virtual void discoverDetails() = 0;

    virtual bool hasCharacteristic(const QBluetoothUuid &characteristic) const = 0;
    virtual bool canRead(const QBluetoothUuid &characteristic) const = 0;
    virtual bool hasDescriptor(const QBluetoothUuid &characteristic,
                               const QBluetoothUuid &descriptor) const = 0;

    // The result arrives as characteristicRead().
    virtual bool readCharacteristic(const QBluetoothUuid &characteristic) = 0;
    virtual bool writeCharacteristic(const QBluetoothUuid &characteristic, const QByteArray &value,
                                     bool withResponse) = 0;
    virtual bool writeDescriptor(const QBluetoothUuid &characteristic, const QBluetoothUuid &descriptor,
                                 const QByteArray &value) = 0;

signals:
    void detailsDiscovered();
    void characteristicChanged(const QBluetoothUuid &characteristic, const QByteArray &value);
    void characteristicRead(const QBluetoothUuid &characteristic, const QByteArray &value);
    void errorOccurred(const QString &errorName);
};

// The connection to one remote device (a central-role controller).
class BleGattLink : public QObject
{
    Q_OBJECT
public:
    // Mirrors QLowEnergyController::ControllerState.
    enum class State { Unconnected, Connecting, Connected, Discovering, Discovered, Closing, Advertising };

    using QObject::QObject;

    virtual State state() const = 0;
    virtual QString stateName() const = 0;

    virtual void connectToDevice() = 0;
    virtual void disconnectFromDevice() = 0;
    virtual void discoverServices() = 0;

    // Services the device offers (known once discoveryFinished() was emitted).
    virtual QList<QBluetoothUuid> services() const = 0;
    // A service object owned by this link, or null when the device does not offer the service.
    virtual BleGattService *createService(const QBluetoothUuid &service) = 0;

signals:
    void connected();
    void discoveryFinished();
    void errorOccurred(const QString &errorName, const QString &errorString);
    void disconnected();
};

// Makes links; one per remote device, kept for the life of the device record.
class BleGattBackend
{
public:
    virtual ~BleGattBackend() = default;
    virtual BleGattLink *createLink(const QBluetoothDeviceInfo &info, QObject *parent) = 0;
};
