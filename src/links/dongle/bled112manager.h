#pragma once

#include "links/dongle/bgapi.h"
#include "links/dongle/donglelink.h"

#include <QByteArray>
#include <QList>
#include <QMap>
#include <QPair>
#include <QTimer>

class QSerialPort;

// The link's timing, in milliseconds.
struct Bled112Intervals
{
    int watchMs = 3000;           // reopen dongles, release stuck procedures, reconnect
    int stuckProcedureMs = 5000;  // a GATT procedure without completion is given up after this
    int queryReadMs = 300;        // read the command characteristic after a query
    int queryClearMs = 2300;      // forget an unanswered query
    int responseTimeoutMs = 2000; // a dongle that answers no command within this is started afresh
    int connectTimeoutMs = 4000;  // a connection attempt to an instrument out of reach is given up after this
};

// Instruments reached through BLED112 USB dongles, spoken to in the dongle's binary protocol. Every dongle
// present is opened; one command awaits its response per dongle, one GATT procedure is in flight per
// connection; wanted instruments are kept connected, their attribute tables walked, their readings
// subscribed to and decoded. Everything runs on the GUI thread.
class Bled112Manager : public DongleLink
{
    Q_OBJECT

public:
    static constexpr quint16 kVendorId = 0x2458;
    static constexpr int kBaudRate = 115200;

    static Bled112Manager *instance();

    explicit Bled112Manager(const Bled112Intervals &intervals = {}, QObject *parent = nullptr);
    ~Bled112Manager() override;

    QStringList availableDonglePorts() const override;
    bool openDongle(const QString &port) override;
    bool isOpen(const QString &port) const override;
    int maxConnections(const QString &port) const override;
    int devicesOnPort(const QString &port) const override;
    bool startScan(const QString &port) override;
    void stopScan() override;
    void connectDevice(const QString &address, const QString &name, int protocol,
                       const QString &port) override;
    void disconnectDevice(const QString &address) override;
    bool zero(const QString &address) override;
    bool downloadMemory(const QString &address) override;

    // Subscribed and delivering readings.
    bool isConnected(const QString &address) const;
    QString devicePort(const QString &address) const;

public slots:
    void watchTick();

private:
    struct Dongle
    {
        QSerialPort *port = nullptr;
        QTimer *responseTimer = nullptr;
        Bgapi::Framer rx;
        QList<QByteArray> txQueue;
        bool awaitingResponse = false;
        quint8 maxConnections = 8;
        bool unresponsive = false;
    };

    struct GattOperation
    {
        QByteArray packet;
        bool isProcedure = true;
    };

    struct Device
    {
        QString name;
        QString port;
        int protocol = 0;
        quint8 connection = 0xFF;
        bool wanted = false;
        bool connecting = false;
        qint64 lastAttempt = 0; // when the last connection attempt started, ms since the epoch
        quint16 dataHandle = 0;
        quint16 dataCccdHandle = 0;
        quint16 commandHandle = 0;
        quint16 unitHandle = 0;
        quint16 unitCccdHandle = 0;
        quint16 streamHandle = 0;
        quint16 streamCccdHandle = 0;
        quint8 setupPhase = 0; // 0 idle, 1 reading the attribute table, 2 writing the CCCDs, 3 subscribed
        QList<QPair<quint16, QByteArray>> attributes;
        QList<GattOperation> gattQueue;
        bool gattBusy = false;
        qint64 gattBusySince = 0;
        quint16 busyReadHandle = 0; // the handle a read in flight waits for, 0 for other procedures
        bool lastButtonFlag = false;
        quint8 pendingQuery = 0;
        quint64 querySerial = 0;
        QByteArray dataLineBuffer;
        QByteArray unitLineBuffer;
        bool isInch = false;
    };

    void onReadyRead();
    void onResponseTimeout(const QString &port);
    void send(const QString &port, const QByteArray &packet);
    void sendNext(const QString &port);
    void handlePacket(const QString &port, const Bgapi::Packet &packet);
    void handleResponse(const QString &port, const Bgapi::Packet &packet);
    void onConnectionStatus(const QString &port, const QByteArray &payload);
    void onDisconnected(const QString &port, const QByteArray &payload);
    void onProcedureCompleted(const QString &port, const QByteArray &payload);
    void onInformationFound(const QString &port, const QByteArray &payload);
    void onAttributeValue(const QString &port, const QByteArray &payload);
    void onScanResponse(const QString &port, const QByteArray &payload);

    void closeDongle(const QString &port, const char *why);
    void queueOpeningCommands(const QString &port, bool helloFirst);
    // Forgets everything of the device's connection; returns whether it was connected.
    bool resetConnection(Device &device);
    void attemptConnection(const QString &address);
    // Starts an attempt for every wanted instrument that is not connected, the longest waiting first.
    void connectWaiting();
    QString choosePort() const;
    int connectedOn(const QString &port) const;
    QString findDevice(const QString &port, quint8 connection) const;
    bool isConnecting(const QString &port) const;

    void subscribe(const QString &address, Device &device);
    void gattEnqueue(const QString &address, Device &device, const QByteArray &packet, bool isProcedure);
    void pump(Device &device);
    bool writeToInstrument(const QString &address, const QByteArray &bytes);
    void sendCalibDateQuery(const QString &address);

    Bled112Intervals m_intervals;
    QMap<QString, Dongle> m_dongles; // by port name; ordered, so ties between dongles go the same way
    QMap<QString, Device> m_devices; // by address text
    QString m_scanningPort;
    QTimer m_watch;
};
