#include "virtualports.h"
#include "links/ble/bleprotocol.h"
#include "links/dongle/nrfdonglemanager.h"
#include "links/dongle/nrfsimulation/nrfsimulateddriver.h"

#include <QFile>
#include <QRandomGenerator>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <atomic>
#include <thread>

namespace {

// Accepts every call and lets the test play events on a thread of its own, as the library does.
class StormDriver : public NrfDriver
{
public:
    bool isAvailable() const override { return true; }
    QString unavailableReason() const override { return {}; }
    Adapter createAdapter(const QString &, quint32, quint32, quint32) override { return &m_adapter; }
    void setLogSeverityFilter(Adapter, int) override {}
    quint32 open(Adapter, StatusHandler, EventHandler events, LogHandler) override
    {
        handler = events;
        return 0;
    }
    quint32 configureCentralRoles(Adapter, quint8) override { return 0; }
    quint32 enable(Adapter) override { return 0; }
    quint32 addVendorUuid(Adapter, const std::array<quint8, 16> &, quint8 &type) override
    {
        type = nextType++;
        return 0;
    }
    quint32 startScan(Adapter, const Nrf::ScanParameters &) override { return 0; }
    quint32 stopScan(Adapter) override { return 0; }
    quint32 connect(Adapter, const Nrf::Address &, const Nrf::ScanParameters &, const Nrf::ConnectionParameters &) override
    {
        ++calls;
        return 0;
    }
    quint32 cancelConnect(Adapter) override { return 0; }
    quint32 disconnect(Adapter, quint16, quint8) override { return ++calls, 0; }
    quint32 startRssi(Adapter, quint16) override { return ++calls, 0; }
    quint32 updateConnectionParameters(Adapter, quint16, const Nrf::ConnectionParameters &) override { return 0; }
    quint32 updateDataLength(Adapter, quint16) override { return 0; }
    quint32 replyMtu(Adapter, quint16, quint16) override { return 0; }
    quint32 discoverPrimaryServices(Adapter, quint16, quint16, const Nrf::Uuid &) override { return ++calls, 0; }
    quint32 discoverCharacteristics(Adapter, quint16, quint16, quint16) override { return ++calls, 0; }
    quint32 discoverDescriptors(Adapter, quint16, quint16, quint16) override { return ++calls, 0; }
    quint32 write(Adapter, quint16, bool, quint16, const QByteArray &) override { return ++calls, 0; }
    quint32 confirmHandleValue(Adapter, quint16, quint16) override { return ++calls, 0; }
    quint32 close(Adapter) override { return 0; }
    void deleteAdapter(Adapter) override {}

    Adapter adapter() { return &m_adapter; }

    EventHandler handler;
    std::atomic<int> calls{0};
    quint8 nextType = Nrf::UuidType::VendorBegin;

private:
    int m_adapter = 0;
};

Nrf::Address address(int last)
{
    Nrf::Address peer;
    peer.bytes = {quint8(last), 0, 0, 0x10, 0x2A, 0xC7};
    peer.randomStatic = true;
    return peer;
}

} // namespace

class TestNrfDongleManager : public QObject
{
    Q_OBJECT

private slots:
    // Thousands of events, sane and not, from the driver's thread while the GUI thread connects, lets go
    // and deletes: no crash, no deadlock, nothing read from garbage.
    void eventStormWhileDevicesComeAndGo()
    {
        QTemporaryDir dir;
        const QString port = dir.filePath(QStringLiteral("ttyNRF0"));
        QFile(port).open(QIODevice::WriteOnly);
        VirtualPorts ports;
        ports.add(port + QStringLiteral("@1915:521F"));
        auto owned = std::make_unique<StormDriver>();
        StormDriver *driver = owned.get();
        NrfDongleManager link(std::move(owned));
        QVERIFY(link.openDongle(port));
        QSignalSpy readings(&link, &DongleLink::readingReceived);

        std::atomic<bool> stop{false};
        std::thread storm([driver, &stop] {
            QRandomGenerator random(42);
            const quint16 ids[] = {Nrf::EventId::Connected, Nrf::EventId::Disconnected, Nrf::EventId::RssiChanged,
                                   Nrf::EventId::PrimaryServiceDiscoveryResponse,
                                   Nrf::EventId::CharacteristicDiscoveryResponse,
                                   Nrf::EventId::DescriptorDiscoveryResponse, Nrf::EventId::WriteResponse,
                                   Nrf::EventId::HandleValue, Nrf::EventId::GapTimeout, 0x77};
            for (int i = 0; i < 20000 && !stop; ++i) {
                Nrf::Event event;
                event.id = ids[random.bounded(int(std::size(ids)))];
                event.connHandle = quint16(random.bounded(4));
                event.peer = address(random.bounded(4));
                event.handle = quint16(random.bounded(20));
                event.handleValueType = quint8(random.bounded(3));
                event.data = QByteArray(random.bounded(12), char(random.bounded(256)));
                event.services = {{{0xAA10, quint8(random.bounded(4))}, 1, quint16(random.bounded(30))}};
                event.characteristics = {{{quint16(0xAA10 + random.bounded(3)), 2}, 0, quint16(random.bounded(30))}};
                event.descriptors = {{{0x2902, 1}, quint16(random.bounded(30))}};
                // Now and then an adapter nobody opened.
                driver->handler(random.bounded(50) == 0 ? nullptr : driver->adapter(), event);
            }
        });
        for (int round = 0; round < 300; ++round) {
            const QString peer = QStringLiteral("C7:2A:10:00:00:0%1").arg(round % 4);
            link.connectDevice(peer, QStringLiteral("VELKOR"), round % 2, port);
            if (round % 3 == 0)
                link.disconnectDevice(peer);
            link.zero(peer);
            QCoreApplication::processEvents();
        }
        stop = true;
        storm.join();
        QCoreApplication::processEvents();
        // Random bytes never make a VELKOR reading: the checksum and the header see to that.
        for (const QList<QVariant> &reading : readings)
            QVERIFY(qIsFinite(reading.at(1).value<BleReading>().value));
        QVERIFY(driver->calls > 0);
    }
};

QTEST_MAIN(TestNrfDongleManager)
#include "tst_nrfdonglemanager.moc"
