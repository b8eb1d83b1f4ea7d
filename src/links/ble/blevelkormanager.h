#pragma once

#include "links/ble/blegattbackend.h"
#include "links/ble/blereading.h"

#include <QDate>
#include <QHash>
#include <QObject>
#include <QPointer>
#include <QStringList>
#include <QTimer>
#include <QtBluetooth/QBluetoothDeviceInfo>

#include <memory>

// The link's timing, in milliseconds.
struct BleVelkorIntervals
{
    int pollMs = 8000;         // one device's signal level / battery per tick, round robin
    int queryReadMs = 300;     // read the command characteristic after a query
    int queryTimeoutMs = 2000; // give up on an unanswered query
    int reconnectMs = 3000;    // retry after a lost connection or a failed attempt
};

// Instruments connected through the operating system's Bluetooth stack, keyed by address text.
class BleVelkorManager : public QObject
{
    Q_OBJECT
public:
    static BleVelkorManager *instance();

    // The radio and the clock are passed in, so the link can be driven without either.
    explicit BleVelkorManager(std::unique_ptr<BleGattBackend> backend,
                              const BleVelkorIntervals &intervals = {}, QObject *parent = nullptr);
    ~BleVelkorManager() override;

    void connectDevice(const QBluetoothDeviceInfo &info, int protocol);
    void disconnectDevice(const QString &address);
    bool zero(const QString &address);
    bool downloadMemory(const QString &address);

    // Query codes of VELKOR instruments.
    enum QueryCode : quint8 { CalibDateQuery = 0x30, SignalLevelQuery = 0x31 };

public slots:
    // One round-robin step: the next device's signal level query and battery read.
    void pollTick();

signals:
    void readingReceived(const QString &address, const BleReading &reading);
    void connectionStateChanged(const QString &address, bool connected);
    void calibDateReceived(const QString &address, const QDate &date);
    void batteryLevelChanged(const QString &address, int percent);
    void signalLevelChanged(const QString &address, int rssiDbm);

private:
    struct Device
    {
        QBluetoothDeviceInfo info;
        int protocol = 0;
        BleGattLink *controller = nullptr;
        QPointer<BleGattService> mainService;
        QPointer<BleGattService> batteryService;
        QPointer<BleGattService> streamService;
        bool lastButtonFlag = false;
        bool queriesSupported = true;
        int unansweredQueries = 0;
        QByteArray dataLineBuffer;
        QByteArray unitLineBuffer;
        bool isInch = false;
    };

    struct PendingQuery
    {
        quint8 code = 0;
        quint64 serial = 0; // tells a later query to the same device from this one
    };

    void startConnection(const QString &address);
    void onServicesDiscovered(const QString &address, BleGattLink *link);
    void onMainServiceReady(const QString &address);
    void setUpBatteryService(const QString &address, Device &device);
    void setUpStreamService(const QString &address, Device &device);
    void onStreamServiceReady(const QString &address);
    void onCharacteristicValue(const QString &address, const QBluetoothUuid &characteristic,
                               const QByteArray &value);
    void handleQueryAnswer(const QString &address, Device &device, const QByteArray &value);
    void onControllerError(const QString &address, BleGattLink *link, const QString &errorName,
                           const QString &errorString);
    void onDisconnected(const QString &address);
    void scheduleReconnect(const QString &address);
    void releaseServices(Device &device);
    bool writeCommand(const QString &address, const QByteArray &bytes);
    bool sendQuery(const QString &address, quint8 code);

    std::unique_ptr<BleGattBackend> m_backend;
    BleVelkorIntervals m_intervals;
    QHash<QString, Device> m_devices;
    QStringList m_order; // the addresses of m_devices in the order they were connected
    QHash<QString, Device> m_closing;
    QHash<QString, PendingQuery> m_pendingQueries;
    quint64 m_querySerial = 0;
    // The one retry each wanted device may have waiting, by serial; letting the device go drops it.
    QHash<QString, quint64> m_pendingReconnects;
    quint64 m_reconnectSerial = 0;
    int m_pollIndex = 0;
    QTimer m_pollTimer;
};
