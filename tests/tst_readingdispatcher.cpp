#include "devices/deviceregistry.h"
#include "links/ble/blereading.h"
#include "settingssandbox.h"
#include "workspace/linkadapter.h"
#include "workspace/readingdispatcher.h"

#include <QDate>
#include <QSignalSpy>
#include <QTest>

#include <memory>

namespace {

// A link kind that only notes what the workspace asked of it.
class FakeLink : public LinkAdapter
{
public:
    explicit FakeLink(int kind)
        : m_kind(kind)
    {}
    bool serves(int kind) const override { return kind == m_kind; }
    void start(const DeviceRecord &record) override { calls << QStringLiteral("start ") + record.name; }
    void forget(const DeviceRecord &record) override { calls << QStringLiteral("forget ") + record.name; }
    void devicesChanged() override { calls << QStringLiteral("devices"); }
    void enforceUnit(DeviceRecord &record, int unit) override
    {
        calls << QStringLiteral("unit %1 %2").arg(record.name).arg(unit);
    }
    bool zero(const DeviceRecord &record) override
    {
        calls << QStringLiteral("zero ") + record.name;
        return online;
    }

    QStringList calls;
    bool online = true;

private:
    int m_kind;
};

DeviceRecord device(const char *name, int type, const QString &id)
{
    DeviceRecord record;
    record.name = QString::fromLatin1(name);
    record.type = type;
    if (isBleKind(type))
        record.mac = id;
    else if (type == ConnectionKind::HidKeyboard)
        record.hidPath = id;
    else
        record.portName = id;
    return record;
}

} // namespace

class TestReadingDispatcher : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void bluetoothReadingsInTheGlobalUnit();
    void keyboardLinesAreAlwaysMeasurements();
    void cableUnitsAndPortState();
    void statusFactsOnlyOnChange();
    void modbusAnswerGivesTheDeviceItsValue();
    void commandsGoToTheLinkOfTheKind();
    void globalUnitsConvertOrAsk();

private:
    std::unique_ptr<SettingsSandbox> m_sandbox;
    std::unique_ptr<DeviceRegistry> m_registry;
    std::unique_ptr<ReadingDispatcher> m_dispatch;
    FakeLink *m_bluetooth = nullptr;
    FakeLink *m_modbus = nullptr;
};

void TestReadingDispatcher::init()
{
    m_sandbox = std::make_unique<SettingsSandbox>();
    m_registry = std::make_unique<DeviceRegistry>();
    DeviceRecord peak = device("ble", ConnectionKind::Bluetooth, QStringLiteral("11:22:33:44:55:66"));
    peak.measuringType = MeasuringMode::MaxPeek;
    DeviceRecord keys = device("keys", ConnectionKind::HidKeyboard, QStringLiteral("/dev/input/event5"));
    keys.hidUnit = UnitCode::Inch;
    m_registry->devices() = {
        peak, keys, device("cable", ConnectionKind::SylvacCable, QStringLiteral("ttyUSB0")),
        device("bus", ConnectionKind::Modbus, QStringLiteral("ttyBus")),
        device("dongle", ConnectionKind::NrfDongle, QStringLiteral("77:77:77:77:77:77"))};
    m_dispatch = std::make_unique<ReadingDispatcher>(*m_registry);
    m_bluetooth = new FakeLink(ConnectionKind::Bluetooth);
    m_modbus = new FakeLink(ConnectionKind::Modbus);
    m_dispatch->addAdapter(m_bluetooth);
    m_dispatch->addAdapter(m_modbus);
}

void TestReadingDispatcher::cleanup()
{
    m_dispatch.reset();
    m_sandbox.reset();
}

void TestReadingDispatcher::bluetoothReadingsInTheGlobalUnit()
{
    QSignalSpy changed(m_dispatch.get(), &ReadingDispatcher::valueChanged);
    QSignalSpy record(m_dispatch.get(), &ReadingDispatcher::recordRequested);
    m_dispatch->bleReading(QStringLiteral("00:00:00:00:00:01"), BleReading{1.0, false, true}); // nobody's
    QCOMPARE(changed.count() + record.count(), 0);

    DeviceRecord &ble = m_registry->devices()[0];
    ble.heldValid = true;
    m_dispatch->bleReading(ble.mac, BleReading{1.0, true, false});
    QCOMPARE(ble.value, 25.4);
    QVERIFY(ble.connected && ble.bleHasValue && !ble.heldValid);
    QCOMPARE(changed.takeFirst(), QList<QVariant>{0});
    QCOMPARE(record.count(), 0); // only the instrument's button records

    // A dongle instrument takes the same road, also before it has a card.
    m_dispatch->bleReading(QStringLiteral("77:77:77:77:77:77"), BleReading{3.0, false, true});
    QCOMPARE(m_registry->devices().at(4).value, 3.0);
    QCOMPARE(record.takeFirst(), QList<QVariant>{4});
}

void TestReadingDispatcher::keyboardLinesAreAlwaysMeasurements()
{
    QSignalSpy record(m_dispatch.get(), &ReadingDispatcher::recordRequested);
    m_dispatch->hidLine(QStringLiteral("/dev/input/event5"), QStringLiteral(" 12,5\n"));
    QCOMPARE(m_registry->devices().at(1).value, 317.5); // typed in inch, shown in mm
    QCOMPARE(record.takeFirst(), QList<QVariant>{1});
    QTest::ignoreMessage(QtDebugMsg, "[HID] Device keys sent unparsable text: 12a");
    m_dispatch->hidLine(QStringLiteral("/dev/input/event5"), QStringLiteral("12a"));
    QCOMPARE(record.count(), 0);
    QCOMPARE(m_registry->devices().at(1).value, 317.5);
}

void TestReadingDispatcher::cableUnitsAndPortState()
{
    QSignalSpy record(m_dispatch.get(), &ReadingDispatcher::recordRequested);
    QSignalSpy save(m_dispatch.get(), &ReadingDispatcher::saveRequested);
    const QString port = QStringLiteral("ttyUSB0");
    DeviceRecord &cable = m_registry->devices()[2];
    m_dispatch->sylvacValue(port, 2.0, false);
    QCOMPARE(cable.value, 2.0);
    QCOMPARE(record.count(), 0);

    m_dispatch->sylvacUnit(port, false); // the unit it already has: nothing to store
    QCOMPARE(save.count(), 0);
    m_dispatch->sylvacUnit(port, true);
    QCOMPARE(save.count(), 1);
    QVERIFY(!cable.sylvacHasValue); // the old value was in the other unit
    m_dispatch->sylvacValue(port, 1.0, true);
    QCOMPARE(cable.value, 25.4);
    QCOMPARE(record.count(), 1);
    m_dispatch->sylvacPortState(port, false);
    QVERIFY(!cable.connected && !cable.sylvacHasValue);
}

void TestReadingDispatcher::statusFactsOnlyOnChange()
{
    QSignalSpy status(m_dispatch.get(), &ReadingDispatcher::statusChanged);
    QSignalSpy save(m_dispatch.get(), &ReadingDispatcher::saveRequested);
    const QString mac = QStringLiteral("11:22:33:44:55:66");
    m_dispatch->bleBatteryLevel(mac, 80);
    m_dispatch->bleBatteryLevel(mac, 80);
    m_dispatch->bleSignalLevel(mac, -60);
    m_dispatch->bleSignalLevel(mac, -60);
    m_dispatch->donglePort(QStringLiteral("77:77:77:77:77:77"), QStringLiteral("/dev/ttyACM0"));
    m_dispatch->donglePort(QStringLiteral("77:77:77:77:77:77"), QStringLiteral("/dev/ttyACM0"));
    QCOMPARE(status.count(), 3);
    QCOMPARE(save.count(), 1); // the dongle port is stored, battery and signal are not
    m_dispatch->bleCalibDate(mac, QDate(2024, 3, 5));
    const DeviceRecord &ble = m_registry->devices().at(0);
    QVERIFY(ble.infoValid);
    QCOMPARE(QDate(ble.calibYear, ble.calibMonth, ble.calibDay), QDate(2024, 3, 5));
}

void TestReadingDispatcher::modbusAnswerGivesTheDeviceItsValue()
{
    QSignalSpy changed(m_dispatch.get(), &ReadingDispatcher::valueChanged);
    DeviceRecord &bus = m_registry->devices()[3];
    bus.connected = true;
    QVERIFY(!hasReading(bus)); // on line, but no value answered yet
    bus.value = -0.25;
    m_dispatch->modbusValue(3);
    QVERIFY(hasReading(bus));
    QCOMPARE(changed.takeFirst(), QList<QVariant>{3});
}

void TestReadingDispatcher::commandsGoToTheLinkOfTheKind()
{
    m_dispatch->startDevices();
    QCOMPARE(m_bluetooth->calls, (QStringList{QStringLiteral("start ble"), QStringLiteral("devices")}));
    QCOMPARE(m_modbus->calls, (QStringList{QStringLiteral("start bus"), QStringLiteral("devices")}));

    m_dispatch->zero(3);
    m_bluetooth->online = false;
    QTest::ignoreMessage(QtDebugMsg, "[BLE] 11:22:33:44:55:66 обнулення не надіслано - прилад не на зв'язку");
    m_dispatch->zero(0);
    // Kinds whose link is not here cannot be zeroed, and say so.
    QTest::ignoreMessage(QtDebugMsg, "[Sylvac-провід] ttyUSB0 обнулення не надіслано - порт не відкритий");
    m_dispatch->zero(2);
    m_dispatch->zero(9);
    QVERIFY(m_modbus->calls.contains(QStringLiteral("zero bus")));
    QVERIFY(!m_dispatch->downloadMemory(4));

    m_dispatch->forgetDevice(m_registry->devices().at(0));
    QCOMPARE(m_bluetooth->calls.last(), QStringLiteral("forget ble"));
}

void TestReadingDispatcher::globalUnitsConvertOrAsk()
{
    QVERIFY(m_sandbox->writeFile(QStringLiteral("devices_config.ini"), "[GlobalUnits]\nLinear=1\n"));
    DeviceRecord &keys = m_registry->devices()[1];
    keys.hidRawValue = 12.5; // inch
    keys.hidHasValue = true;
    DeviceRecord &cable = m_registry->devices()[2];
    cable.sylvacRawValue = 25.4; // mm
    cable.sylvacHasValue = true;
    m_dispatch->applyGlobalUnits();
    QCOMPARE(keys.unit, int(UnitCode::Inch));
    QCOMPARE(keys.value, 12.5);
    QCOMPARE(cable.value, 1.0);
    // Instruments with their own unit setting are asked through their link.
    QCOMPARE(m_modbus->calls, QStringList{QStringLiteral("unit bus 1")});
}

QTEST_GUILESS_MAIN(TestReadingDispatcher)
#include "tst_readingdispatcher.moc"
