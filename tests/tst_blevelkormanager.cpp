#include "links/ble/blegattbackend.h"
#include "links/ble/bleprotocol.h"
#include "links/ble/blevelkormanager.h"
#include "links/ble/qtgattbackend.h"
#include "scriptedgattbackend.h"

#include <QPointer>
#include <QSignalSpy>
#include <QTest>

namespace {

QStringList g_log;
QtMessageHandler g_previousHandler = nullptr;

void catchLog(QtMsgType type, const QMessageLogContext &context, const QString &text)
{
    if (text.startsWith(QLatin1String("[BLE]")))
        g_log << text;
    else if (g_previousHandler)
        g_previousHandler(type, context, text);
}

bool logged(const QString &line)
{
    return g_log.contains(line);
}

const QBluetoothUuid kBatteryService(quint16(0x180F));
const QBluetoothUuid kBatteryLevel(quint16(0x2A19));

const BleProtocolProfile &velkor = bleProfile(BleProtocol::Velkor);
const BleProtocolProfile &sylvac = bleProfile(BleProtocol::Sylvac);

ScriptedOffer velkorOffer(bool readableData = false)
{
    return {{velkor.serviceUuid, {{velkor.dataCharUuid, readableData}, {velkor.commandCharUuid, true}}},
            {kBatteryService, {{kBatteryLevel, true}}}};
}

ScriptedOffer sylvacOffer(bool withStream)
{
    ScriptedOffer offer{
        {sylvac.serviceUuid, {{sylvac.dataCharUuid}, {sylvac.commandCharUuid}, {sylvac.unitCharUuid}}}};
    if (withStream)
        offer.insert(sylvac.streamServiceUuid, {{sylvac.streamCharUuid}});
    return offer;
}

QBluetoothDeviceInfo infoFor(const QString &address)
{
    QBluetoothDeviceInfo info(QBluetoothAddress(address), QStringLiteral("VELKOR-1"), 0);
    info.setCoreConfigurations(QBluetoothDeviceInfo::LowEnergyCoreConfiguration);
    return info;
}

// 1E 2C flags b3 b4 b5 xor len text
QByteArray velkorPacket(quint8 flags, const QByteArray &text)
{
    QByteArray p = QByteArray::fromHex("1e2c") + char(flags) + QByteArray::fromHex("0102030000") + text;
    p[7] = char(text.size());
    char x = 0;
    for (int i = 0; i < p.size(); ++i)
        if (i != 6)
            x ^= p[i];
    p[6] = x;
    return p;
}

const QString A = QStringLiteral("00:11:22:33:44:01");
const QString B = QStringLiteral("00:11:22:33:44:02");
const QString C = QStringLiteral("00:11:22:33:44:03");

} // namespace

class TestBleVelkorManager : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { g_previousHandler = qInstallMessageHandler(catchLog); }
    void init()
    {
        g_log.clear();
        auto backend = std::make_unique<ScriptedGattBackend>();
        fake = backend.get();
        // The poll is driven by hand; the other intervals are shrunk so waits stay short.
        manager =
            std::make_unique<BleVelkorManager>(std::move(backend), BleVelkorIntervals{3600000, 10, 80, 60});
    }
    void cleanup() { manager.reset(); }

    void queryAnswersAreHandledAndAcknowledged();
    void silentFirmwareIsAskedTwiceThenOnlyBattery();
    void earlierQueryTimeoutLeavesLaterQueryAlone();
    void connectingTwiceAndReconnectingReuseTheController();
    void pollServesDevicesInTurn();
    void velkorPacketsAndButtonEdge();
    void sylvacLinesUnitsAndStream();
    void missingServicesAreReported();
    void lostConnectionIsRetriedOnlyWhileWanted();
    void realBackendWithoutAdapterDoesNotHang();

private:
    ScriptedGattLink *bringUp(const QString &address, int protocol, const ScriptedOffer &offer)
    {
        fake->offers.insert(address, offer);
        manager->connectDevice(infoFor(address), protocol);
        ScriptedGattLink *link = fake->links.value(address);
        link->bringUp();
        return link;
    }
    ScriptedGattService *mainOf(const QString &address, int protocol = BleProtocol::Velkor)
    {
        return fake->links.value(address)->service(bleProfile(protocol).serviceUuid);
    }

    ScriptedGattBackend *fake = nullptr;
    std::unique_ptr<BleVelkorManager> manager;
};

void TestBleVelkorManager::queryAnswersAreHandledAndAcknowledged()
{
    QSignalSpy state(manager.get(), &BleVelkorManager::connectionStateChanged);
    QSignalSpy dates(manager.get(), &BleVelkorManager::calibDateReceived);
    QSignalSpy levels(manager.get(), &BleVelkorManager::signalLevelChanged);
    QSignalSpy battery(manager.get(), &BleVelkorManager::batteryLevelChanged);
    ScriptedGattLink *link = bringUp(A, BleProtocol::Velkor, velkorOffer());
    ScriptedGattService *main = mainOf(A);
    QCOMPARE(state.count(), 1);
    QCOMPARE(state.at(0).at(1).toBool(), true);
    QCOMPARE(main->configOf(velkor.dataCharUuid), QByteArray::fromHex("0100"));

    // The calibration date is asked right after subscribing, written with response, then read back.
    QCOMPARE(main->writes.size(), 1);
    QCOMPARE(main->writes.at(0).value, QByteArray("0"));
    QVERIFY(main->writes.at(0).withResponse);
    QTRY_COMPARE(main->reads.count(velkor.commandCharUuid), 1);
    main->answerRead(velkor.commandCharUuid, QByteArray::fromHex("0f03e807"));
    QCOMPARE(dates.count(), 1);
    QCOMPARE(dates.at(0).at(1).toDate(), QDate(2024, 3, 15));
    QVERIFY(logged(QStringLiteral("[BLE] %1 дата калібрування: 15.03.2024").arg(A)));
    QCOMPARE(main->writtenTo(velkor.commandCharUuid).last(), QByteArray(1, '\0'));

    // An answer nobody asked for changes nothing.
    main->notify(velkor.commandCharUuid, QByteArray::fromHex("0f03e807"));
    QCOMPARE(dates.count(), 1);
    QCOMPARE(main->writes.size(), 2);

    // Signal level on the poll, answered by notification; the battery is read on the same tick.
    manager->pollTick();
    QCOMPARE(main->writtenTo(velkor.commandCharUuid).last(), QByteArray("1"));
    fake->links.value(A)->service(kBatteryService)->answerRead(kBatteryLevel, QByteArray::fromHex("c8"));
    QCOMPARE(battery.last().at(1).toInt(), 200);
    main->notify(velkor.commandCharUuid, QByteArray::fromHex("c4"));
    QCOMPARE(levels.count(), 1);
    QCOMPARE(levels.at(0).at(1).toInt(), -60);
    QCOMPARE(main->writes.size(), 4);

    // A zero level is acknowledged but not reported; an invalid date is logged and not acknowledged.
    manager->pollTick();
    main->notify(velkor.commandCharUuid, QByteArray(1, '\0'));
    QCOMPARE(levels.count(), 1);
    QCOMPARE(main->writes.size(), 6);

    // After a reconnection the date is asked again; a date that is no date is logged, not acknowledged.
    link->drop();
    link->bringUp();
    main = mainOf(A);
    QCOMPARE(main->writes.size(), 1);
    main->notify(velkor.commandCharUuid, QByteArray::fromHex("00000000"));
    QVERIFY(logged(QStringLiteral("[BLE] %1 некоректна дата калібрування: 00 00 00 00").arg(A)));
    QCOMPARE(dates.count(), 1);
    QCOMPARE(main->writes.size(), 1);
}

void TestBleVelkorManager::silentFirmwareIsAskedTwiceThenOnlyBattery()
{
    bringUp(A, BleProtocol::Velkor, velkorOffer());
    bringUp(B, BleProtocol::Velkor, velkorOffer());
    ScriptedGattService *a = mainOf(A);
    ScriptedGattService *b = mainOf(B);
    ScriptedGattService *batteryA = fake->links.value(A)->service(kBatteryService);
    // Each device has its own outstanding query; B's answer does not settle A's.
    QCOMPARE(a->writtenTo(velkor.commandCharUuid), QList<QByteArray>{"0"});
    QCOMPARE(b->writtenTo(velkor.commandCharUuid), QList<QByteArray>{"0"});
    b->notify(velkor.commandCharUuid, QByteArray::fromHex("0f03e807"));
    QCOMPARE(b->writtenTo(velkor.commandCharUuid).last(), QByteArray(1, '\0'));
    manager->disconnectDevice(B);

    // While the first query is outstanding the poll may not ask again, but it still reads the battery.
    int batteryReads = batteryA->reads.size();
    manager->pollTick();
    QCOMPARE(a->writes.size(), 1);
    QCOMPARE(batteryA->reads.size(), batteryReads + 1);

    // After the time-out the next poll asks for the signal level; that one times out too.
    QTRY_VERIFY((manager->pollTick(), a->writtenTo(velkor.commandCharUuid).contains("1")));
    const QString gaveUp =
        QStringLiteral("[BLE] %1 не відповідає на команди-запити - вважаємо, що прошивка їх "
                       "не має, більше не питаємо")
            .arg(A);
    QTRY_VERIFY(logged(gaveUp));
    QCOMPARE(g_log.count(gaveUp), 1);
    QCOMPARE(a->writtenTo(velkor.commandCharUuid), (QList<QByteArray>{"0", "1"}));
    batteryReads = batteryA->reads.size();
    manager->pollTick();
    manager->pollTick();
    QCOMPARE(a->writes.size(), 2);
    QCOMPARE(batteryA->reads.size(), batteryReads + 2);

    // Forgetting and re-adding the device keeps that knowledge: no query after subscribing again.
    manager->disconnectDevice(A);
    manager->connectDevice(infoFor(A), BleProtocol::Velkor);
    fake->links.value(A)->bringUp();
    QCOMPARE(fake->created, 2);
    QVERIFY(mainOf(A)->writes.isEmpty());
}

void TestBleVelkorManager::earlierQueryTimeoutLeavesLaterQueryAlone()
{
    auto backend = std::make_unique<ScriptedGattBackend>();
    fake = backend.get();
    manager =
        std::make_unique<BleVelkorManager>(std::move(backend), BleVelkorIntervals{3600000, 10, 1000, 60});
    QSignalSpy levels(manager.get(), &BleVelkorManager::signalLevelChanged);
    bringUp(A, BleProtocol::Velkor, velkorOffer());
    mainOf(A)->notify(velkor.commandCharUuid, QByteArray::fromHex("0f03e807"));
    QTest::qWait(600);
    manager->pollTick();
    // The answered date query's time-out falls due here; the signal query asked later is still open.
    QTest::qWait(600);
    mainOf(A)->notify(velkor.commandCharUuid, QByteArray::fromHex("c4"));
    QCOMPARE(levels.count(), 1);
}

void TestBleVelkorManager::connectingTwiceAndReconnectingReuseTheController()
{
    fake->offers.insert(A, velkorOffer());
    manager->connectDevice(infoFor(A), BleProtocol::Velkor);
    manager->connectDevice(infoFor(A), BleProtocol::Velkor);
    ScriptedGattLink *link = fake->links.value(A);
    QCOMPARE(fake->created, 1);
    QCOMPARE(link->connectCalls, 1);
    QVERIFY(logged(QStringLiteral("[BLE] %1 спроба з'єднання, поточний стан: 0").arg(A)));

    link->bringUp();
    manager->disconnectDevice(A);
    QCOMPARE(link->disconnectCalls, 1);
    QVERIFY(!manager->zero(A));
    manager->connectDevice(infoFor(A), BleProtocol::Velkor);
    QCOMPARE(fake->created, 1);
    QCOMPARE(link->connectCalls, 2);

    // The old session's disconnection completes, then the same controller comes up again.
    link->drop();
    link->bringUp();
    QVERIFY(manager->zero(A));
    QCOMPARE(mainOf(A)->writes.last().value, QByteArray::fromHex("08"));
    QVERIFY(logged(QStringLiteral("[BLE] %1 надіслано команду обнулення").arg(A)));
    QVERIFY(manager->downloadMemory(A));
    QCOMPARE(mainOf(A)->writes.last().value, QByteArray::fromHex("28"));
}

void TestBleVelkorManager::pollServesDevicesInTurn()
{
    for (const QString &address : {A, B, C}) {
        bringUp(address, BleProtocol::Velkor, velkorOffer());
        mainOf(address)->notify(velkor.commandCharUuid, QByteArray::fromHex("0f03e807"));
    }
    auto asked = [this](const QString &address) {
        return int(mainOf(address)->writtenTo(velkor.commandCharUuid).count("1"));
    };
    auto answer = [this](const QString &address) {
        mainOf(address)->notify(velkor.commandCharUuid, QByteArray::fromHex("c4"));
    };
    manager->pollTick();
    QCOMPARE((QList<int>{asked(A), asked(B), asked(C)}), (QList<int>{1, 0, 0}));
    answer(A);
    manager->pollTick();
    QCOMPARE((QList<int>{asked(A), asked(B), asked(C)}), (QList<int>{1, 1, 0}));
    answer(B);

    // The next turn would be C's; C goes away, so the round starts over at A.
    manager->disconnectDevice(C);
    manager->pollTick();
    QCOMPARE((QList<int>{asked(A), asked(B), asked(C)}), (QList<int>{2, 1, 0}));
    answer(A);
    manager->pollTick();
    QCOMPARE((QList<int>{asked(A), asked(B), asked(C)}), (QList<int>{2, 2, 0}));

    // A device that is not connected is skipped for its turn.
    fake->links.value(A)->drop();
    const int before = asked(A);
    manager->pollTick();
    QCOMPARE(asked(A), before);
}

void TestBleVelkorManager::velkorPacketsAndButtonEdge()
{
    QSignalSpy readings(manager.get(), &BleVelkorManager::readingReceived);
    ScriptedGattLink *link = bringUp(A, BleProtocol::Velkor, velkorOffer(true));
    ScriptedGattService *main = mainOf(A);
    QCOMPARE(main->reads.count(velkor.dataCharUuid), 1);

    const QByteArray pressed = velkorPacket(0x06, "1.250"); // button + negative
    main->notify(velkor.dataCharUuid, pressed);
    main->notify(velkor.dataCharUuid, pressed);
    main->answerRead(velkor.dataCharUuid, velkorPacket(0x01, "0.5")); // released, inch
    main->notify(velkor.dataCharUuid, pressed);
    QCOMPARE(readings.count(), 4);
    const auto reading = [&](int i) { return readings.at(i).at(1).value<BleReading>(); };
    QCOMPARE(readings.at(0).at(0).toString(), A);
    QCOMPARE(reading(0).value, -1.25);
    QCOMPARE((QList<bool>{reading(0).sentByButton, reading(1).sentByButton, reading(2).sentByButton,
                          reading(3).sentByButton}),
             (QList<bool>{true, false, false, true}));
    QVERIFY(reading(2).isInch);

    // Garbage without the header is dropped silently, a damaged packet is logged.
    main->notify(velkor.dataCharUuid, QByteArray::fromHex("0102030405060708"));
    QByteArray damaged = velkorPacket(0x00, "3");
    damaged[6] = char(damaged[6] ^ 0x40);
    main->notify(velkor.dataCharUuid, damaged);
    QCOMPARE(readings.count(), 4);
    QCOMPARE(g_log.filter(QStringLiteral("невалідний пакет")),
             QStringList{QStringLiteral("[BLE] %1 невалідний пакет (CRC/довжина): %2")
                             .arg(A, QString::fromLatin1(damaged.toHex(' ')))});

    // A held button seen across a reconnection counts again: the edge memory starts over.
    link->drop();
    link->bringUp();
    mainOf(A)->notify(velkor.dataCharUuid, pressed);
    QVERIFY(reading(4).sentByButton);
}

void TestBleVelkorManager::sylvacLinesUnitsAndStream()
{
    QSignalSpy readings(manager.get(), &BleVelkorManager::readingReceived);
    ScriptedGattLink *link = bringUp(A, BleProtocol::Sylvac, sylvacOffer(true));
    ScriptedGattService *main = mainOf(A, BleProtocol::Sylvac);
    ScriptedGattService *stream = link->service(sylvac.streamServiceUuid);
    QCOMPARE(main->configOf(sylvac.dataCharUuid), QByteArray::fromHex("0200"));
    QCOMPARE(main->configOf(sylvac.unitCharUuid), QByteArray::fromHex("0100"));
    QCOMPARE(stream->configOf(sylvac.streamCharUuid), QByteArray::fromHex("0100"));
    QVERIFY(logged(QStringLiteral("[BLE] %1 підписано на неперервні показання").arg(A)));
    QCOMPARE(main->writes.size(), 1);
    QCOMPARE(main->writes.at(0).value, QByteArray("UNI?\r"));
    QVERIFY(!main->writes.at(0).withResponse);

    main->notify(sylvac.unitCharUuid, "UNI 1\r");
    QVERIFY(logged(QStringLiteral("[BLE] %1 одиниці: дюйми").arg(A)));
    main->notify(sylvac.dataCharUuid, "+012.3");
    main->notify(sylvac.dataCharUuid, "45 <\r\n1");
    QCOMPARE(readings.count(), 1);
    BleReading r = readings.at(0).at(1).value<BleReading>();
    QCOMPARE(r.value, 12.345);
    QVERIFY(r.isInch && r.sentByButton);
    QVERIFY(logged(QStringLiteral("[BLE] %1 показання Sylvac: 12.345 inch").arg(A)));

    main->notify(sylvac.unitCharUuid, "MM\r");
    stream->notify(sylvac.streamCharUuid, QByteArray::fromHex("c0bdf0ff"));
    stream->notify(sylvac.streamCharUuid, QByteArray::fromHex("ffffff7f")); // no value
    QCOMPARE(readings.count(), 2);
    r = readings.at(1).at(1).value<BleReading>();
    QCOMPARE(r.value, -10.0);
    QVERIFY(!r.isInch && !r.sentByButton);

    // Sylvac commands: zero is a text written without response; memory download does not exist.
    QVERIFY(!manager->downloadMemory(A));
    QCOMPARE(main->writes.size(), 1);
    QVERIFY(manager->zero(A));
    QCOMPARE(main->writes.last().value, QByteArray("SET\r"));
    // Sylvac instruments are never queried.
    manager->pollTick();
    QCOMPARE(main->writes.size(), 2);
}

void TestBleVelkorManager::missingServicesAreReported()
{
    QSignalSpy state(manager.get(), &BleVelkorManager::connectionStateChanged);
    bringUp(A, BleProtocol::Velkor, {{kBatteryService, {{kBatteryLevel, true}}}});
    QCOMPARE(state.count(), 1);
    QCOMPARE(state.at(0).at(1).toBool(), false);
    QVERIFY(logged(
        QStringLiteral("[BLE] %1 немає сервісу VELKOR - можливо прилад зараз не в GATT-режимі").arg(A)));
    QVERIFY(logged(QStringLiteral("[BLE] %1 очікували %2, прилад має: %3")
                       .arg(A, velkor.serviceUuid.toString(), kBatteryService.toString())));
    QVERIFY(!manager->zero(A));

    // The main service without its data characteristic: logged, never reported connected.
    bringUp(B, BleProtocol::Velkor, {{velkor.serviceUuid, {{velkor.commandCharUuid}}}});
    QVERIFY(logged(QStringLiteral("[BLE] %1 немає characteristic Data у сервісі").arg(B)));
    QCOMPARE(state.count(), 1);

    // A Sylvac instrument without the stream service still connects.
    bringUp(C, BleProtocol::Sylvac, sylvacOffer(false));
    QCOMPARE(state.count(), 2);
    QCOMPARE(state.at(1).at(1).toBool(), true);
    QVERIFY(
        logged(QStringLiteral("[BLE] %1 прилад не оголосив службу потоку %2 - живе значення буде лише після "
                              "натискання кнопки на приладі")
                   .arg(C, sylvac.streamServiceUuid.toString())));
}

void TestBleVelkorManager::lostConnectionIsRetriedOnlyWhileWanted()
{
    QSignalSpy state(manager.get(), &BleVelkorManager::connectionStateChanged);
    ScriptedGattLink *a = bringUp(A, BleProtocol::Velkor, velkorOffer());
    ScriptedGattLink *b = bringUp(B, BleProtocol::Velkor, velkorOffer());
    a->drop();
    QCOMPARE(state.last().at(1).toBool(), false);
    QVERIFY(!manager->zero(A)); // the old services are gone with the connection
    QCOMPARE(a->connectCalls, 1);
    QTRY_COMPARE(a->connectCalls, 2);

    // A controller error is reported but not retried by itself.
    b->fail();
    QCOMPARE(state.last().at(0).toString(), B);
    QCOMPARE(state.last().at(1).toBool(), false);
    QVERIFY(logged(
        QStringLiteral("[BLE] %1 помилка контролера: UnknownRemoteDeviceError no answer | стан: 4").arg(B)));

    // Forgotten before the retry is due: stays disconnected.
    b->drop();
    manager->disconnectDevice(B);
    QTest::qWait(200); // several reconnection intervals
    QCOMPARE(b->connectCalls, 1);
    QCOMPARE(a->connectCalls, 2);
}

void TestBleVelkorManager::realBackendWithoutAdapterDoesNotHang()
{
    BleVelkorManager real(std::make_unique<QtGattBackend>(), BleVelkorIntervals{3600000, 10, 80, 200});
    QSignalSpy state(&real, &BleVelkorManager::connectionStateChanged);
    real.connectDevice(infoFor(A), BleProtocol::Velkor);
    state.wait(1500);
    for (const QList<QVariant> &change : std::as_const(state))
        QCOMPARE(change.at(1).toBool(), false);
    real.pollTick();
    QVERIFY(!real.zero(A));
    real.disconnectDevice(A);
    QTest::qWait(50);
    QCOMPARE(BleVelkorManager::instance(), BleVelkorManager::instance());
}

QTEST_GUILESS_MAIN(TestBleVelkorManager)
#include "tst_blevelkormanager.moc"
