#pragma once

#include "links/ble/blereading.h"

#include <QDate>
#include <QObject>
#include <QString>
#include <QStringList>

// What the workspace and the dongle scan dialog need of a link that reaches Bluetooth instruments through
// USB dongles on serial ports (BLED112, nRF): finding and opening dongles, scanning through one, keeping
// wanted instruments connected, and the commands. Instruments are named by their address text.
class DongleLink : public QObject
{
    Q_OBJECT

public:
    using QObject::QObject;

    // The serial ports of this kind of dongle now present.
    virtual QStringList availableDonglePorts() const = 0;
    virtual bool openDongle(const QString &port) = 0;
    virtual bool isOpen(const QString &port) const = 0;
    // How many instruments the dongle holds at once; 0 when it is not open.
    virtual int maxConnections(const QString &port) const = 0;
    // Wanted instruments assigned to the dongle.
    virtual int devicesOnPort(const QString &port) const = 0;
    virtual bool startScan(const QString &port) = 0;
    virtual void stopScan() = 0;

    // Opens every dongle present that is not open yet.
    void openAllDongles()
    {
        for (const QString &port : availableDonglePorts()) {
            if (!isOpen(port))
                openDongle(port);
        }
    }

    // The file name of a driver library the link needs and cannot find; empty when nothing is missing.
    virtual QString missingLibrary() const { return QString(); }

    // Keeps the instrument connected from now on; an empty name or port keeps what is known.
    virtual void connectDevice(const QString &address, const QString &name, int protocol,
                               const QString &port) = 0;
    virtual void disconnectDevice(const QString &address) = 0;
    // False when the command could not be sent (not on line, not supported).
    virtual bool zero(const QString &address) = 0;
    virtual bool downloadMemory(const QString &address) = 0;

signals:
    void deviceDiscovered(const QString &address, const QString &name, int rssi);
    void readingReceived(const QString &address, const BleReading &reading);
    void connectionStateChanged(const QString &address, bool connected);
    void calibDateReceived(const QString &address, const QDate &date);
    void signalLevelChanged(const QString &address, int rssiDbm);
    void devicePortChanged(const QString &address, const QString &port);
};
