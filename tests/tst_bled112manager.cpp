#include "bled112peer.h"
#include "links/dongle/bgapi.h"
#include "links/dongle/bled112manager.h"
#include "virtualports.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

namespace {

const QString kCaliper = QStringLiteral("F0:5A:11:00:00:01");
const QString kSylvac = QStringLiteral("F0:5A:11:00:00:02");

// The command packets of one class and id the dongle heard.
int heard(const Bled112Peer &peer, quint8 cls, quint8 id)
{
    int count = 0;
    for (const QByteArray &packet : peer.commands())
        count += packet.size() >= 4 && quint8(packet.at(2)) == cls && quint8(packet.at(3)) == id ? 1 : 0;
    return count;
}

} // namespace

// The link against the simulated dongle over a real pseudo-terminal byte stream. The link's intervals are
// short here; the simulator keeps its own pace.
class TestBled112Manager : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        m_peer = std::make_unique<Bled112Peer>();
        m_port = m_peer->link(m_dir->filePath(QStringLiteral("ttyBLED0")));
        m_ports = std::make_unique<VirtualPorts>();
        m_ports->add(m_port + QStringLiteral("@2458:0001"));
        m_peer->addInstrument(kCaliper, QStringLiteral("VELKOR CAL-150"), BleKind::Velkor);
        m_peer->addInstrument(kSylvac, QStringLiteral("SY289"), BleKind::Sylvac);
        Bled112Intervals intervals;
        intervals.watchMs = 100;
        intervals.stuckProcedureMs = 1500;
        intervals.queryReadMs = 50;
        intervals.queryClearMs = 1000;
        intervals.responseTimeoutMs = 300;
        intervals.connectTimeoutMs = 300;
        m_link = std::make_unique<Bled112Manager>(intervals);
    }

    void cleanup()
    {
        m_link.reset();
        m_ports.reset();
        m_peer.reset();
        m_dir.reset();
    }

    void scanHearsNamedInstrumentsOnly()
    {
        m_peer->addInstrument(QStringLiteral("F0:5A:11:00:00:09"), QString(), BleKind::Velkor);
        QCOMPARE(m_link->availableDonglePorts(), QStringList{m_port});
        QSignalSpy heardSpy(m_link.get(), &DongleLink::deviceDiscovered);
        QVERIFY(m_link->startScan(m_port));
        QTRY_VERIFY(heardSpy.count() >= 4); // two rounds of the two named ones
        for (const QList<QVariant> &device : heardSpy)
            QVERIFY(device.at(0).toString() != QStringLiteral("F0:5A:11:00:00:09"));
        QCOMPARE(m_link->maxConnections(m_port), 8);
        m_link->stopScan();
        QTRY_VERIFY(!m_peer->isScanning());
    }

    void velkorReadingsButtonEdgeAndCalibrationDate()
    {
        QSignalSpy readings(m_link.get(), &DongleLink::readingReceived);
        QSignalSpy dates(m_link.get(), &DongleLink::calibDateReceived);
        m_peer->setValue(kCaliper, 12.5);
        m_link->connectDevice(kCaliper, QStringLiteral("VELKOR CAL-150"), 0, QString());
        QTRY_VERIFY(m_link->isConnected(kCaliper));
        QCOMPARE(m_link->devicePort(kCaliper), m_port);
        QTRY_VERIFY(!readings.isEmpty());
        QCOMPARE(readings.last().at(1).value<BleReading>().value, 12.5);

        // The date is read back after the query, and the answer is acknowledged at once: a successful read
        // ends its procedure, nothing waits for the stuck-procedure release.
        QTRY_COMPARE(dates.count(), 1);
        QCOMPARE(dates.first().at(1).toDate(), QDate(2024, 3, 15));
        QTRY_COMPARE_WITH_TIMEOUT(m_peer->instrumentWrites(kCaliper),
                                  (QList<QByteArray>{"\x30", QByteArray(1, '\0')}), 500);

        // One press, one reading sent by the button, however long the flag stays up.
        readings.clear();
        m_peer->pressButton(kCaliper);
        QTRY_VERIFY(readings.size() >= 3);
        int pressed = 0;
        for (const QList<QVariant> &reading : readings)
            pressed += reading.at(1).value<BleReading>().sentByButton ? 1 : 0;
        QCOMPARE(pressed, 1);

        QVERIFY(m_link->zero(kCaliper));
        QTRY_COMPARE(m_peer->instrumentWrites(kCaliper).value(2), QByteArray("\x08"));
        QVERIFY(m_link->downloadMemory(kCaliper));
        QTRY_COMPARE(m_peer->instrumentWrites(kCaliper).last(), QByteArray("\x28"));
    }

    void sylvacIndicationsAreConfirmed()
    {
        QSignalSpy readings(m_link.get(), &DongleLink::readingReceived);
        m_peer->setValue(kSylvac, 7.25);
        m_link->connectDevice(kSylvac, QStringLiteral("SY289"), 1, m_port);
        QTRY_VERIFY(m_link->isConnected(kSylvac));
        QTRY_COMPARE(m_peer->instrumentWrites(kSylvac), QList<QByteArray>{"UNI?\r"});
        // The instrument sends its next indication only once the last one is confirmed.
        for (int press = 1; press <= 2; ++press) {
            m_peer->pressButton(kSylvac);
            QTRY_VERIFY(heard(*m_peer, Bgapi::AttClient, Bgapi::Id::IndicateConfirm) >= press);
        }
        int sent = 0;
        QTRY_VERIFY((sent = 0, [&] {
            for (const QList<QVariant> &reading : readings)
                sent += reading.at(1).value<BleReading>().sentByButton ? 1 : 0;
            return sent == 2;
        }()));
        QVERIFY(m_link->zero(kSylvac));
        QTRY_COMPARE(m_peer->instrumentWrites(kSylvac).last(), QByteArray("SET\r"));
        QVERIFY(!m_link->downloadMemory(kSylvac));
    }

    void stuckProcedureIsReleasedAndTheQueueGoesOn()
    {
        QSignalSpy dates(m_link.get(), &DongleLink::calibDateReceived);
        m_link->connectDevice(kCaliper, QStringLiteral("VELKOR CAL-150"), 0, m_port);
        QTRY_COMPARE(dates.count(), 1);
        QTRY_COMPARE(m_peer->instrumentWrites(kCaliper).size(), 2); // query and acknowledge
        m_peer->setStallNextProcedure(true);
        QVERIFY(m_link->zero(kCaliper));           // never completed
        QVERIFY(m_link->downloadMemory(kCaliper)); // waits behind it
        QTest::qWait(150);
        QCOMPARE(m_peer->instrumentWrites(kCaliper).size(), 3);
        QTRY_COMPARE(m_peer->instrumentWrites(kCaliper).size(), 4);
        QCOMPARE(m_peer->instrumentWrites(kCaliper).last(), QByteArray("\x28"));
    }

    void refusedConnectionTeachesTheLimit()
    {
        m_peer->setConnectionLimit(2);
        const QStringList extra = {QStringLiteral("F0:5A:11:00:00:03"), QStringLiteral("F0:5A:11:00:00:04")};
        for (const QString &address : extra)
            m_peer->addInstrument(address, QStringLiteral("VELKOR IND-10"), BleKind::Velkor);
        for (const QString &address : QStringList{kCaliper, kSylvac} + extra)
            m_link->connectDevice(address, QString(), address == kSylvac ? 1 : 0, m_port);
        QTRY_COMPARE(m_link->maxConnections(m_port), 2);
        QCOMPARE(m_peer->connectionCount(), 2);
        QCOMPARE(m_link->devicesOnPort(m_port), 4);
        // A place freed is taken by one of the others at the next watch tick.
        const QString first = m_peer->connectedAddresses().first();
        m_link->disconnectDevice(first);
        QTRY_VERIFY(!m_peer->connectedAddresses().contains(first) && m_peer->connectionCount() == 2);
        QCOMPARE(m_link->devicesOnPort(m_port), 3);
    }

    void instrumentOutOfReachDoesNotHoldTheDongle()
    {
        // Connected one at a time: the one switched off is given up, the other gets its turn, and the busy
        // dongle's refusals teach no limit.
        m_link->connectDevice(QStringLiteral("F0:5A:11:00:00:0E"), QString(), 0, m_port);
        QTRY_COMPARE(heard(*m_peer, Bgapi::Gap, Bgapi::Id::ConnectDirect), 1);
        m_link->connectDevice(kCaliper, QString(), 0, m_port);
        QTRY_VERIFY(m_link->isConnected(kCaliper));
        QCOMPARE(m_link->maxConnections(m_port), 8);
    }

    void unpluggedDongleComesBack()
    {
        QSignalSpy states(m_link.get(), &DongleLink::connectionStateChanged);
        m_link->connectDevice(kCaliper, QStringLiteral("VELKOR CAL-150"), 0, QString());
        QTRY_VERIFY(m_link->isConnected(kCaliper));
        m_peer->unlink();
        QTRY_VERIFY(!m_link->isOpen(m_port));
        QCOMPARE(states.last(), (QList<QVariant>{kCaliper, false}));
        QCOMPARE(m_link->devicesOnPort(m_port), 1); // still wanted
        m_peer->link(m_port);
        QTRY_VERIFY(m_link->isConnected(kCaliper));
        QCOMPARE(states.last(), (QList<QVariant>{kCaliper, true}));
    }

    void silentDongleStartsAfresh()
    {
        m_link->connectDevice(kCaliper, QStringLiteral("VELKOR CAL-150"), 0, QString());
        QTRY_VERIFY(m_link->isConnected(kCaliper));
        m_peer->setSilent(true);
        QVERIFY(m_link->zero(kCaliper)); // awaits a response that does not come
        QTRY_VERIFY(!m_link->isConnected(kCaliper));
        m_peer->clearLog();
        m_peer->setSilent(false);
        // After the dongle's time-out it is started with a hello, and the instrument connects again.
        QTRY_VERIFY_WITH_TIMEOUT(m_link->isConnected(kCaliper), 8000);
        const QByteArray first = m_peer->commands().value(0);
        QCOMPARE(first.mid(2, 2), QByteArray::fromHex("0001"));
    }

    void garbageAndStrangersAreIgnored()
    {
        QSignalSpy readings(m_link.get(), &DongleLink::readingReceived);
        m_peer->addInstrument(QStringLiteral("F0:5A:11:00:00:05"), QStringLiteral("VELKOR X"),
                              BleKind::NoDataCharacteristic);
        m_link->connectDevice(QStringLiteral("F0:5A:11:00:00:05"), QString(), 0, m_port);
        m_link->connectDevice(QStringLiteral("not an address"), QString(), 0, m_port);
        // Events for a connection and handles nobody has, and a packet of an unknown class.
        m_peer->sendRaw(QByteArray::fromHex("8008040507 2a00 01 03 1e2c00") +
                        QByteArray::fromHex("80000905"));
        m_peer->sendRaw(QByteArray::fromHex("80050401 07 0000 2a00"));
        QTRY_COMPARE(m_peer->connectionCount(), 1);
        QTest::qWait(300);
        QVERIFY(!m_link->isConnected(QStringLiteral("F0:5A:11:00:00:05"))); // no data characteristic
        QVERIFY(readings.isEmpty());
        QVERIFY(m_link->isOpen(m_port));
    }

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<Bled112Peer> m_peer;
    std::unique_ptr<VirtualPorts> m_ports;
    std::unique_ptr<Bled112Manager> m_link;
    QString m_port;
};

QTEST_MAIN(TestBled112Manager)
#include "tst_bled112manager.moc"
