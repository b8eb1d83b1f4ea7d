#pragma once

#include "links/dongle/donglelink.h"
#include "links/dongle/nrfdriver.h"

#include <QHash>
#include <QMutex>
#include <QSet>
#include <QTimer>

#include <memory>

// Instruments reached through Nordic nRF USB dongles, whose Bluetooth stack the program drives remotely
// through the vendor's driver library (behind NrfDriver). Every dongle present is opened with as many
// connections as its firmware gives; wanted instruments are kept connected, their GATT database walked by
// handles, their readings subscribed to and decoded. The driver reports on its own thread: all state is
// behind one mutex, never held during a driver call or a signal (but for the confirmation of an
// indication), and the signals reach the GUI thread queued.
class NrfDongleManager : public DongleLink
{
    Q_OBJECT

public:
    static constexpr quint16 kVendorId = 0x1915;
    static constexpr int kWatchMs = 3000;
    static constexpr quint8 kMostConnections = 12;
    static constexpr quint8 kFewestConnections = 3;

    static NrfDongleManager *instance();

    explicit NrfDongleManager(std::unique_ptr<NrfDriver> driver, QObject *parent = nullptr);
    ~NrfDongleManager() override;

    NrfDriver *driver() const { return m_driver.get(); }

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
    QString missingLibrary() const override;

    int protocolOf(const QString &address) const;
    // Subscribed and delivering readings.
    bool isConnected(const QString &address) const;
    QString devicePort(const QString &address) const;

public slots:
    void watchTick();

private:
    struct AdapterRecord
    {
        NrfDriver::Adapter handle = nullptr;
        quint8 velkorType = 0; // the vendor UUID types the firmware gave the two bases
        quint8 sylvacType = 0;
        quint8 maxConnections = 0;
    };

    struct Device
    {
        QString name;
        QString port;
        int protocol = 0;
        quint16 connHandle = Nrf::NoConnection;
        quint16 dataCccdHandle = 0;
        quint16 unitCccdHandle = 0;
        quint16 streamCccdHandle = 0;
        quint16 dataHandle = 0;
        quint16 commandHandle = 0;
        quint16 unitHandle = 0;
        quint16 streamHandle = 0;
        quint16 mainEndHandle = 0;
        quint16 streamEndHandle = 0;
        quint8 discoveryPhase = 0;
        quint16 cccdSearchHandle = 0;
        bool wanted = false;
        bool connecting = false;
        bool subscribed = false;
        bool lastButtonFlag = false;
        QByteArray dataLineBuffer;
        QByteArray unitLineBuffer;
        bool isInch = false;
    };

    void onEvent(NrfDriver::Adapter adapter, const Nrf::Event &event);
    // The port of an adapter events come from; empty for one that is not open.
    QString portOf(NrfDriver::Adapter adapter);
    QString findByConnection(const QString &port, quint16 connHandle) const;
    void resetConnection(Device &device);
    void closeDongle(const QString &port);
    void attemptConnection(const QString &address);
    QString choosePort() const;
    quint8 vendorType(const AdapterRecord &adapter, int protocol) const;

    void onConnected(const QString &port, const Nrf::Event &event);
    void onDisconnected(const QString &port, const Nrf::Event &event);
    void onServices(const QString &port, const Nrf::Event &event);
    void onCharacteristics(const QString &port, const Nrf::Event &event);
    void onDescriptors(const QString &port, const Nrf::Event &event);
    void onWriteResponse(const QString &port, const Nrf::Event &event);
    void onHandleValue(NrfDriver::Adapter adapter, const QString &port, const Nrf::Event &event);
    void onAdvertisingReport(const QString &port, const Nrf::Event &event);
    bool writeToInstrument(const QString &address, const QByteArray &bytes);

    std::unique_ptr<NrfDriver> m_driver;
    mutable QMutex m_mutex;
    QHash<QString, AdapterRecord> m_adapters; // by port
    QHash<QString, Device> m_devices;         // by address text
    QSet<NrfDriver::Adapter> m_closed;        // adapters whose late events are dropped
    QString m_scanningPort;
    bool m_fallbackLogged = false;
    bool m_unavailableLogged = false;
    QTimer m_watch;
};
