#include "links/ble/bleprotocol.h"
#include "links/ble/blevelkormanager.h"
#include "scriptedgattbackend.h"

#include <QSignalSpy>
#include <QTest>

namespace {

const QBluetoothUuid kBatteryService(quint16(0x180F));
const QBluetoothUuid kBatteryLevel(quint16(0x2A19));
const BleProtocolProfile &velkor = bleProfile(BleProtocol::Velkor);
const BleProtocolProfile &sylvac = bleProfile(BleProtocol::Sylvac);
const QBluetoothUuid &kCommand = velkor.commandCharUuid;
const QByteArray kDate = QByteArray::fromHex("0f03e807"); // 15.03.2024
const QByteArray kLevel = QByteArray::fromHex("c4");      // -60 dBm
const QByteArray kAck(1, '\0');
// The poll is driven by hand; the other intervals are short so waits stay short.
const BleVelkorIntervals kIntervals{3600000, 10, 150, 30};

const QString A = QStringLiteral("00:11:22:33:44:01");
const QString B = QStringLiteral("00:11:22:33:44:02");
const QString C = QStringLiteral("00:11:22:33:44:03");

ScriptedOffer velkorOffer(bool readableData = false)
{
    return {{velkor.serviceUuid, {{velkor.dataCharUuid, readableData}, {kCommand, true}}},
            {kBatteryService, {{kBatteryLevel, true}}}};
}

ScriptedOffer sylvacOffer(bool withStream)
{
    ScriptedOffer offer{
        {sylvac.serviceUuid,
         {{sylvac.dataCharUuid, false}, {sylvac.commandCharUuid, false}, {sylvac.unitCharUuid, false}}}};
    if (withStream)
        offer.insert(sylvac.streamServiceUuid, {{sylvac.streamCharUuid, false}});
    return offer;
}

QBluetoothDeviceInfo infoFor(const QString &address)
{
    QBluetoothDeviceInfo info(QBluetoothAddress(address), QStringLiteral("VELKOR-1"), 0);
    info.setCoreConfigurations(QBluetoothDeviceInfo::LowEnergyCoreConfiguration);
    return info;
}

// Each reading as "value unit", with " sent" when it is to be recorded.
QStringList described(const QSignalSpy &readings)
{
    QStringList got;
    for (const QList<QVariant> &signal : readings) {
        const BleReading r = signal.at(1).value<BleReading>();
        got << QStringLiteral("%1 %2%3").arg(r.value).arg(r.isInch ? "in" : "mm",
                                                          r.sentByButton ? " sent" : "");
    }
    return got;
}

using Signals = QList<QVariantList>;

// Runs the event loop until every timer started before with at most this interval has fired.
void passTimers(int ms)
{
    bool due = false;
    QTimer::singleShot(ms, [&due] { due = true; });
    QTRY_VERIFY(due);
}

} // namespace

class TestBleVelkorManager : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        auto backend = std::make_unique<ScriptedGattBackend>();
        peer = backend.get();
        manager = std::make_unique<BleVelkorManager>(std::move(backend), kIntervals);
    }
    void cleanup() { manager.reset(); }

    void queryAnswersAreAcknowledged()
    {
        QSignalSpy state(manager.get(), &BleVelkorManager::connectionStateChanged);
        QSignalSpy dates(manager.get(), &BleVelkorManager::calibDateReceived);
        QSignalSpy levels(manager.get(), &BleVelkorManager::signalLevelChanged);
        QSignalSpy battery(manager.get(), &BleVelkorManager::batteryLevelChanged);
        ScriptedGattLink *link = bringUp(A, BleProtocol::Velkor, velkorOffer());
        ScriptedGattService *main = mainOf(A);
        QCOMPARE(Signals(state), (Signals{{A, true}}));
        QCOMPARE(main->config.value(velkor.dataCharUuid), QByteArray::fromHex("0100"));

        // The calibration date is asked once subscribed, with response; the answer is acknowledged.
        QCOMPARE(commands(A), QList<QByteArray>{"0"});
        QVERIFY(main->lastWithResponse);
        main->notify(kCommand, kDate);
        QCOMPARE(dates.count(), 1);
        QCOMPARE(dates.at(0).at(1).toDate(), QDate(2024, 3, 15));
        QCOMPARE(commands(A), (QList<QByteArray>{"0", kAck}));
        // An answer nobody asked for changes nothing.
        main->notify(kCommand, kDate);
        QCOMPARE(dates.count(), 1);
        QCOMPARE(commands(A).size(), 2);

        // The poll asks for the signal level and reads the battery. The answer comes just after the answered
        // date query would have timed out, which must not withdraw the later query.
        QTimer::singleShot(kIntervals.queryTimeoutMs, main, [main] { main->notify(kCommand, kLevel); });
        manager->pollTick();
        QCOMPARE(commands(A).last(), QByteArray("1"));
        link->service(kBatteryService)->answerRead(kBatteryLevel, QByteArray::fromHex("c8"));
        QCOMPARE(battery.last().at(1).toInt(), 200);
        QTRY_COMPARE(levels.count(), 1);
        QCOMPARE(levels.at(0).at(1).toInt(), -60);
        QCOMPARE(commands(A).last(), kAck);
        // A zero level means none: acknowledged, not reported.
        manager->pollTick();
        main->notify(kCommand, QByteArray(1, '\0'));
        QCOMPARE(levels.count(), 1);
        QCOMPARE(commands(A).last(), kAck);
    }

    void silentFirmwareIsAskedTwiceThenOnlyBattery()
    {
        bringUp(A, BleProtocol::Velkor, velkorOffer());
        bringUp(B, BleProtocol::Velkor, velkorOffer());
        ScriptedGattService *a = mainOf(A);
        ScriptedGattService *b = mainOf(B);
        ScriptedGattService *batteryA = peer->links.value(A)->service(kBatteryService);
        // Each device has its own outstanding query; B's answer does not settle A's. B's answer is no
        // date, so it is not acknowledged.
        b->notify(kCommand, QByteArray::fromHex("00000000"));
        QCOMPARE(commands(B), QList<QByteArray>{"0"});
        manager->disconnectDevice(B);

        // An unanswered query is read back; while it is outstanding the poll reads only the battery.
        QTRY_COMPARE(a->reads.count(kCommand), 1);
        manager->pollTick();
        QCOMPARE(commands(A), QList<QByteArray>{"0"});
        QCOMPARE(batteryA->reads.size(), 2); // on discovery and on the poll

        // After the time-out the poll asks for the signal level; that one times out too, and then no more.
        passTimers(kIntervals.queryTimeoutMs);
        manager->pollTick();
        QCOMPARE(commands(A), (QList<QByteArray>{"0", "1"}));
        passTimers(kIntervals.queryTimeoutMs);
        manager->pollTick();
        manager->pollTick();
        QCOMPARE(commands(A).size(), 2);
        QCOMPARE(batteryA->reads.size(), 5);

        // Let go and connected again, the device keeps that knowledge.
        manager->disconnectDevice(A);
        manager->connectDevice(infoFor(A), BleProtocol::Velkor);
        peer->links.value(A)->bringUp();
        QVERIFY(commands(A).isEmpty());
    }

    void oneControllerPerDevice()
    {
        peer->offers.insert(A, velkorOffer());
        manager->connectDevice(infoFor(A), BleProtocol::Velkor);
        manager->connectDevice(infoFor(A), BleProtocol::Velkor);
        QPointer<ScriptedGattLink> link = peer->links.value(A);
        QCOMPARE(manager->findChildren<BleGattLink *>().size(), 1);
        QCOMPARE(link->connectCalls, 1);

        link->bringUp();
        manager->disconnectDevice(A);
        QCOMPARE(link->state(), BleGattLink::State::Closing);
        QVERIFY(!manager->zero(A));
        manager->connectDevice(infoFor(A), BleProtocol::Velkor);
        QCOMPARE(peer->links.value(A), link);
        QCOMPARE(link->connectCalls, 2);
        // Not connected yet, though the old session's services are still there: the poll leaves it alone.
        manager->pollTick();
        QCOMPARE(link->service(kBatteryService)->reads.size(), 1);

        // The old session's disconnection completes, then the same controller comes up again.
        link->drop();
        link->bringUp();
        QVERIFY(manager->zero(A));
        QCOMPARE(commands(A).last(), QByteArray::fromHex("08"));
        QVERIFY(manager->downloadMemory(A));
        QCOMPARE(commands(A).last(), QByteArray::fromHex("28"));
    }

    void pollServesDevicesInTurn()
    {
        for (const QString &address : {A, B, C})
            bringUp(address, BleProtocol::Velkor, velkorOffer());
        // Each tick reads one battery; each was read once on discovery.
        const auto tick = [this] {
            manager->pollTick();
            QList<int> reads;
            for (const QString &address : {A, B, C})
                reads << int(peer->links.value(address)->service(kBatteryService)->reads.size());
            return reads;
        };
        QCOMPARE(tick(), (QList<int>{2, 1, 1}));
        QCOMPARE(tick(), (QList<int>{2, 2, 1}));
        // The next turn would be C's; C goes away, so the round starts over at A.
        manager->disconnectDevice(C);
        QCOMPARE(tick(), (QList<int>{3, 2, 1}));
        QCOMPARE(tick(), (QList<int>{3, 3, 1}));
    }

    void velkorPacketsAndButtonEdge()
    {
        QSignalSpy readings(manager.get(), &BleVelkorManager::readingReceived);
        ScriptedGattLink *link = bringUp(A, BleProtocol::Velkor, velkorOffer(true));
        ScriptedGattService *main = mainOf(A);
        QCOMPARE(main->reads.count(velkor.dataCharUuid), 1);

        const QByteArray pressed =
            QByteArray::fromHex("1E2C060000001905312E323530"); // button, negative, 1.250
        main->notify(velkor.dataCharUuid, pressed);
        main->notify(velkor.dataCharUuid, pressed);
        main->answerRead(velkor.dataCharUuid, QByteArray::fromHex("1E2C010000001B03302E35")); // inch, 0.5
        main->notify(velkor.dataCharUuid, pressed);
        // Garbage without the header and a damaged packet give nothing.
        main->notify(velkor.dataCharUuid, QByteArray::fromHex("0102030405060708"));
        main->notify(velkor.dataCharUuid, pressed.left(pressed.size() - 1));
        // A held button seen across a reconnection counts again: the edge memory starts over.
        link->drop();
        link->bringUp();
        mainOf(A)->notify(velkor.dataCharUuid, pressed);

        QCOMPARE(readings.at(0).at(0).toString(), A);
        QCOMPARE(described(readings),
                 (QStringList{"-1.25 mm sent", "-1.25 mm", "0.5 in", "-1.25 mm sent", "-1.25 mm sent"}));
    }

    void sylvacLinesUnitsAndStream()
    {
        QSignalSpy readings(manager.get(), &BleVelkorManager::readingReceived);
        ScriptedGattLink *link = bringUp(A, BleProtocol::Sylvac, sylvacOffer(true));
        ScriptedGattService *main = mainOf(A, BleProtocol::Sylvac);
        ScriptedGattService *stream = link->service(sylvac.streamServiceUuid);
        QCOMPARE(main->config.value(sylvac.dataCharUuid), QByteArray::fromHex("0200"));
        QCOMPARE(main->config.value(sylvac.unitCharUuid), QByteArray::fromHex("0100"));
        QCOMPARE(stream->config.value(sylvac.streamCharUuid), QByteArray::fromHex("0100"));
        QCOMPARE(commands(A, BleProtocol::Sylvac), QList<QByteArray>{"UNI?\r"});
        QVERIFY(!main->lastWithResponse);

        // Units and values arrive as lines, split anywhere; continuous values take the unit too.
        main->notify(sylvac.unitCharUuid, "UNI 1\r");
        main->notify(sylvac.dataCharUuid, "+012.3");
        main->notify(sylvac.dataCharUuid, "45 <\r\n1");
        stream->notify(sylvac.streamCharUuid, QByteArray::fromHex("c0bdf0ff"));
        stream->notify(sylvac.streamCharUuid, QByteArray::fromHex("ffffff7f")); // no value
        main->notify(sylvac.unitCharUuid, "MM\r");
        main->notify(sylvac.dataCharUuid, "\r");
        QCOMPARE(described(readings), (QStringList{"12.345 in sent", "-10 in", "1 mm sent"}));

        // Zero is a text command; there is no memory download; Sylvac instruments are never queried.
        QVERIFY(!manager->downloadMemory(A));
        QVERIFY(manager->zero(A));
        manager->pollTick();
        QCOMPARE(commands(A, BleProtocol::Sylvac), (QList<QByteArray>{"UNI?\r", "SET\r"}));
    }

    void missingServices()
    {
        QSignalSpy state(manager.get(), &BleVelkorManager::connectionStateChanged);
        bringUp(A, BleProtocol::Velkor, {{kBatteryService, {{kBatteryLevel, true}}}});
        QVERIFY(!manager->zero(A));
        // The main service without its data characteristic is never reported connected.
        bringUp(B, BleProtocol::Velkor, {{velkor.serviceUuid, {{kCommand, true}}}});
        // A Sylvac instrument without the stream service still connects.
        bringUp(C, BleProtocol::Sylvac, sylvacOffer(false));
        QCOMPARE(Signals(state), (Signals{{A, false}, {C, true}}));
    }

    void retriesWhileWanted_data()
    {
        QTest::addColumn<int>("errors");
        QTest::addColumn<bool>("disconnection");
        QTest::newRow("disconnection") << 0 << true;
        QTest::newRow("controller error without disconnection") << 1 << false;
        QTest::newRow("repeated errors, then disconnection") << 3 << true;
    }

    void retriesWhileWanted()
    {
        QFETCH(int, errors);
        QFETCH(bool, disconnection);
        QSignalSpy state(manager.get(), &BleVelkorManager::connectionStateChanged);
        ScriptedGattLink *link = bringUp(A, BleProtocol::Velkor, velkorOffer());
        const auto lose = [&] {
            for (int i = 0; i < errors; ++i)
                link->fail();
            if (disconnection) {
                link->drop();
                QVERIFY(!manager->zero(A)); // the old services are gone with the connection
            }
            QVERIFY(!state.last().at(1).toBool());
        };

        // One retry per loss, one interval later, however the loss was reported.
        lose();
        QCOMPARE(link->connectCalls, 1);
        passTimers(kIntervals.reconnectMs);
        QCOMPARE(link->connectCalls, 2);
        // The attempt fails the same way: tried again.
        lose();
        passTimers(kIntervals.reconnectMs);
        QCOMPARE(link->connectCalls, 3);
        // Let go before the retry is due, its disconnection completes, and wanted again at once: only the
        // new attempt, no retry.
        lose();
        manager->disconnectDevice(A);
        link->drop();
        manager->connectDevice(infoFor(A), BleProtocol::Velkor);
        passTimers(kIntervals.reconnectMs);
        QCOMPARE(link->connectCalls, 4);
    }

private:
    ScriptedGattLink *bringUp(const QString &address, int protocol, const ScriptedOffer &offer)
    {
        peer->offers.insert(address, offer);
        manager->connectDevice(infoFor(address), protocol);
        ScriptedGattLink *link = peer->links.value(address);
        link->bringUp();
        return link;
    }
    ScriptedGattService *mainOf(const QString &address, int protocol = BleProtocol::Velkor)
    {
        return peer->links.value(address)->service(bleProfile(protocol).serviceUuid);
    }

    // Everything written goes to the command characteristic.
    QList<QByteArray> commands(const QString &address, int protocol = BleProtocol::Velkor)
    {
        return mainOf(address, protocol)->written.value(bleProfile(protocol).commandCharUuid);
    }

    ScriptedGattBackend *peer = nullptr;
    std::unique_ptr<BleVelkorManager> manager;
};

QTEST_GUILESS_MAIN(TestBleVelkorManager)
#include "tst_blevelkormanager.moc"
