// The simulated SoftDevice as a link meets it: its limits, events on a thread of its own, discovery in pages,
// notifications and indications.

#include "links/dongle/nrfsimulation/nrfsimulateddriver.h"

#include <QElapsedTimer>
#include <QMutex>
#include <QTest>
#include <QThread>

#include <memory>

namespace {

const QString kCaliper = QStringLiteral("C7:2A:10:00:00:01");
const QString kSylvac = QStringLiteral("54:6C:0E:00:00:11");
const std::array<quint8, 16> kVelkorBase{0, 0, 0, 0, 0, 0, 0, 0xB0, 0, 0x40, 0x51, 0x04, 0x10, 0xAA, 0, 0xF0};
const std::array<quint8, 16> kSylvacBase{0x40, 0x28, 0x05, 0x30, 0xAE, 0x7D, 0x33, 0x4C,
                                         0x0E, 0x6D, 0xAF, 0xCA, 0x00, 0x00, 0xB2, 0xC1};

Nrf::Address address(const QString &text)
{
    Nrf::Address peer;
    const QStringList fields = text.split(u':');
    for (int i = 0; i < 6; ++i)
        peer.bytes[5 - i] = quint8(fields[i].toUInt(nullptr, 16));
    peer.randomStatic = (peer.bytes[5] & 0xC0) == 0xC0;
    return peer;
}

} // namespace

class TestNrfSimulatedDriver : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        m_events.clear();
        m_driver = std::make_unique<NrfSimulatedDriver>();
        m_driver->removeAll();
        m_adapter = m_driver->createAdapter(QStringLiteral("COM7"), 1000000, 250, 1500);
        const auto collect = [this](NrfDriver::Adapter, const Nrf::Event &e) {
            QMutexLocker locker(&m_mutex);
            m_events.append({e, QThread::currentThread()});
        };
        QCOMPARE(m_driver->open(m_adapter, {}, collect, {}), Nrf::Success);
    }

    void cleanup() { m_driver.reset(); }

    void rolesAndVendorTypes()
    {
        m_driver->setMaxCentralRoles(6);
        QCOMPARE(m_driver->configureCentralRoles(m_adapter, 7), 0x04u);
        QCOMPARE(m_driver->configureCentralRoles(m_adapter, 6), Nrf::Success);
        QCOMPARE(m_driver->enable(m_adapter), Nrf::Success);
        QCOMPARE(m_driver->enable(m_adapter), Nrf::InvalidState);
        quint8 velkor = 0, sylvac = 0;
        QCOMPARE(m_driver->addVendorUuid(m_adapter, kVelkorBase, velkor), Nrf::Success);
        QCOMPARE(m_driver->addVendorUuid(m_adapter, kSylvacBase, sylvac), Nrf::Success);
        QCOMPARE(velkor, 2);
        QCOMPARE(sylvac, 3);

        NrfSimulatedDriver restarted;
        restarted.setAlreadyEnabled(true, 3);
        NrfDriver::Adapter adapter = restarted.createAdapter(QStringLiteral("COM8"), 1000000, 250, 1500);
        QCOMPARE(restarted.open(adapter, {}, {}, {}), Nrf::Success);
        QCOMPARE(restarted.configureCentralRoles(adapter, 12), Nrf::Success);
        QCOMPARE(restarted.enable(adapter), Nrf::InvalidState);
    }

    void connectsOnItsOwnThreadWithinTheRoleCount()
    {
        QCOMPARE(m_driver->configureCentralRoles(m_adapter, 1), Nrf::Success);
        enable();
        Nrf::ScanParameters scan;
        scan.timeoutSeconds = 1;
        QCOMPARE(m_driver->connect(m_adapter, address(kCaliper), scan, {}), Nrf::Success);
        QCOMPARE(next(Nrf::EventId::GapTimeout).timeoutSource, Nrf::TimeoutSource::Connection);

        QVERIFY(m_driver->addInstrument(kCaliper, QStringLiteral("VELKOR CAL-150"),
                                        NrfSimulatedDriver::Kind::Velkor));
        QVERIFY(m_driver->addInstrument(kSylvac, QStringLiteral("SY289"), NrfSimulatedDriver::Kind::Sylvac));
        QCOMPARE(connectTo(kCaliper), quint16(0));
        QVERIFY(m_lastThread != QThread::currentThread());
        QCOMPARE(m_driver->connectionCount(m_adapter), 1);
        QCOMPARE(m_driver->connect(m_adapter, address(kSylvac), {}, {}), 0x12u);
    }

    // 16-bit characteristics three to a response, 128-bit ones alone, each continued after the last handle.
    void characteristicsComeInPages()
    {
        enable();
        m_driver->addInstrument(kCaliper, QStringLiteral("VELKOR CAL-150"), NrfSimulatedDriver::Kind::Velkor);
        const quint16 conn = connectTo(kCaliper);
        QCOMPARE(m_driver->discoverPrimaryServices(m_adapter, conn, 1, {0xAA10, 2}), Nrf::Success);
        const Nrf::Event service = next(Nrf::EventId::PrimaryServiceDiscoveryResponse);
        QCOMPARE(service.services.size(), 1);
        QCOMPARE(service.services[0].startHandle, quint16(10));

        QList<int> pages;
        QList<Nrf::Characteristic> found;
        for (quint16 start = 1;;) {
            QCOMPARE(m_driver->discoverCharacteristics(m_adapter, conn, start, 20), Nrf::Success);
            const Nrf::Event page = next(Nrf::EventId::CharacteristicDiscoveryResponse);
            if (page.gattStatus == 0x010A)
                break;
            pages.append(int(page.characteristics.size()));
            found += page.characteristics;
            start = page.characteristics.last().valueHandle + 1;
        }
        QCOMPARE(pages, (QList<int>{3, 1, 1, 1}));
        QCOMPARE(found[3].uuid, (Nrf::Uuid{0xAA11, 2}));
        QCOMPARE(found[3].valueHandle, quint16(12));
    }

    void cccdStartsVelkorPackets()
    {
        enable();
        m_driver->addInstrument(kCaliper, QStringLiteral("VELKOR CAL-150"), NrfSimulatedDriver::Kind::Velkor);
        m_driver->setValue(kCaliper, 12.5);
        const quint16 conn = connectTo(kCaliper);
        QCOMPARE(m_driver->write(m_adapter, conn, true, 13, QByteArray("\x01\x00", 2)), Nrf::Success);
        const Nrf::Event response = next(Nrf::EventId::WriteResponse);
        QCOMPARE(response.handle, quint16(13));
        QCOMPARE(response.gattStatus, quint16(0));
        QVERIFY(m_driver->isSubscribed(kCaliper));

        const QByteArray packet = next(Nrf::EventId::HandleValue).data;
        QCOMPARE(packet.left(2), QByteArray("\x1E\x2C"));
        QCOMPARE(packet.mid(8), QByteArray("12.500"));
        quint8 checksum = 0;
        for (int i = 0; i < packet.size(); ++i)
            checksum ^= i == 6 ? 0 : quint8(packet[i]);
        QCOMPARE(checksum, quint8(packet[6]));
    }

    void sylvacIndicationWaitsForConfirmation()
    {
        enable();
        m_driver->addInstrument(kSylvac, QStringLiteral("SY289"), NrfSimulatedDriver::Kind::Sylvac);
        m_driver->setValue(kSylvac, 1.5);
        const quint16 conn = connectTo(kSylvac);
        QCOMPARE(m_driver->write(m_adapter, conn, true, 13, QByteArray("\x02\x00", 2)), Nrf::Success);
        QCOMPARE(next(Nrf::EventId::WriteResponse).gattStatus, quint16(0));
        m_driver->pressButton(kSylvac);
        m_driver->pressButton(kSylvac);
        const Nrf::Event first = next(Nrf::EventId::HandleValue);
        QCOMPARE(first.handleValueType, Nrf::HandleValueType::Indication);
        QCOMPARE(first.data, QByteArray("+001.500\r"));
        QCOMPARE(next(Nrf::EventId::HandleValue, 300).id, quint16(0));
        QCOMPARE(m_driver->confirmHandleValue(m_adapter, conn, 12), Nrf::Success);
        QCOMPARE(next(Nrf::EventId::HandleValue).data, QByteArray("+001.500\r"));
        QCOMPARE(m_driver->confirmHandleValue(m_adapter, conn, 13), 0x3003u);
    }

private:
    void enable()
    {
        quint8 type = 0;
        QCOMPARE(m_driver->enable(m_adapter), Nrf::Success);
        QCOMPARE(m_driver->addVendorUuid(m_adapter, kVelkorBase, type), Nrf::Success);
        QCOMPARE(m_driver->addVendorUuid(m_adapter, kSylvacBase, type), Nrf::Success);
    }

    quint16 connectTo(const QString &peer)
    {
        if (m_driver->connect(m_adapter, address(peer), {}, {}) != Nrf::Success)
            return Nrf::NoConnection;
        const Nrf::Event connected = next(Nrf::EventId::Connected);
        return connected.peer == address(peer) ? connected.connHandle : Nrf::NoConnection;
    }

    // Takes the first event of `id` that came, waiting up to `ms`; an event of id 0 when none did.
    Nrf::Event next(quint16 id, int ms = 2000)
    {
        QElapsedTimer clock;
        clock.start();
        do {
            QMutexLocker locker(&m_mutex);
            for (int i = 0; i < m_events.size(); ++i) {
                if (m_events[i].first.id == id) {
                    m_lastThread = m_events[i].second;
                    return m_events.takeAt(i).first;
                }
            }
            locker.unlock();
            QThread::msleep(5);
        } while (clock.elapsed() < ms);
        return {};
    }

    std::unique_ptr<NrfSimulatedDriver> m_driver;
    NrfDriver::Adapter m_adapter = nullptr;
    QMutex m_mutex;
    QList<std::pair<Nrf::Event, QThread *>> m_events;
    QThread *m_lastThread = nullptr;
};

QTEST_GUILESS_MAIN(TestNrfSimulatedDriver)
#include "tst_nrfsimulateddriver.moc"
