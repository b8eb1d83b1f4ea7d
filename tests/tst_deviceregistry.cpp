#include "devices/deviceregistry.h"
#include "settingssandbox.h"

#include <QDir>
#include <QRegularExpression>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

#include <cmath>
#include <memory>

namespace {

DeviceRecord makeRecord(int type, const QString &name, const QString &port, int address)
{
    DeviceRecord record;
    record.type = type;
    record.name = name;
    record.portName = port;
    record.address = quint8(address);
    return record;
}

QStringList deviceNames(const DeviceRegistry &registry)
{
    QStringList names;
    for (const DeviceRecord &record : registry.devices())
        names.append(record.name);
    return names;
}

} // namespace

class TestDeviceRegistry : public QObject
{
    Q_OBJECT

private slots:
    void init() { m_sandbox = std::make_unique<SettingsSandbox>(); }
    void cleanup() { m_sandbox.reset(); }

    void roundTripKeepsStoredFieldsAndResetsRuntimeOnes();
    void fileHoldsTheDocumentedKeys();
    void duplicatesAreDroppedAndFileRewritten();
    void outOfRangeCodes();
    void unitsFollowGlobalChoiceByKind();
    void garbageFiles_data();
    void garbageFiles();
    void missingFileLoadsEmptyWithoutWriting();
    void unwritableFolderFailsWithoutCrash();
    void findBleDevice();
    void nextFreeAddressPerGroup();
    void adaptersRoundTrip();

private:
    std::unique_ptr<SettingsSandbox> m_sandbox;
};

void TestDeviceRegistry::roundTripKeepsStoredFieldsAndResetsRuntimeOnes()
{
    DeviceRegistry registry;
    DeviceRecord modbus =
        makeRecord(0, QStringLiteral("Індикатор \"A\", <b>;=#"), QStringLiteral("/dev/ttyUSB0"), 17);
    modbus.precision = 4;
    modbus.measuringType = 7;
    modbus.limitMin = -0.1;
    modbus.limitMax = 12.3456789012345;
    modbus.unit = 1;
    modbus.userId = QStringLiteral("u3");
    // Runtime state must not come back from the file.
    modbus.connected = true;
    modbus.value = 5.5;
    modbus.serialNumber = 1234;
    modbus.unitResolved = true;

    DeviceRecord ble = makeRecord(4, QStringLiteral("@Variant(caliper)"), QStringLiteral("DONGLE"), 1);
    ble.mac = QStringLiteral("D4:36:39:AA:01:FE");
    ble.donglePort = QStringLiteral("/dev/ttyACM0");
    ble.bleProtocol = 1;
    ble.unit = 1; // stale: recomputed from the global units at load

    DeviceRecord hid = makeRecord(2, QString(200, QChar(0x0416)), QStringLiteral("HID"), 1);
    hid.hidPath = QStringLiteral("usb-0000:00:14.0-2#VID_0C45&PID_7403#event5");
    hid.hidUnit = 3;
    hid.hidDecimals = 3;

    DeviceRecord sylvac = makeRecord(5, QString(), QStringLiteral("/dev/ttyUSB1"), 1);
    sylvac.serialUnit = 1;

    registry.devices() = {modbus, ble, hid, sylvac};
    QVERIFY(registry.saveDevices());

    DeviceRegistry loaded;
    QCOMPARE(loaded.loadDevices(), 0);
    QCOMPARE(loaded.devices().size(), 4);
    // Everything the file keeps comes back; the unit of kinds that follow the bench is recomputed.
    const auto stored = [](const DeviceRecord &r) {
        return QVariantList{r.name,       r.portName,      r.address,     r.type,
                            r.precision,  r.measuringType, r.limitMin,    r.limitMax,
                            r.hidPath,    r.hidUnit,       r.hidDecimals, r.mac,
                            r.donglePort, r.bleProtocol,   r.serialUnit,  r.userId};
    };
    for (int i = 0; i < 4; ++i)
        QCOMPARE(stored(loaded.devices().at(i)), stored(registry.devices().at(i)));
    const DeviceRecord &m = loaded.devices().at(0);
    QCOMPARE(m.unit, 1); // Modbus keeps the stored unit until the instrument answers
    QVERIFY(!m.unitResolved && !m.connected);
    QCOMPARE(m.value, 0.0); // runtime state does not come back from the file
    QCOMPARE(m.serialNumber, quint32(0));
    QCOMPARE(loaded.devices().at(1).unit, 0);
    QVERIFY(loaded.devices().at(1).unitResolved);
    QCOMPARE(loaded.devices().at(2).sensorKind, quint16(SensorKind::Dynamometer));
    QCOMPARE(loaded.devices().at(2).unit, 2); // global force unit: newton
}

void TestDeviceRegistry::fileHoldsTheDocumentedKeys()
{
    DeviceRegistry registry;
    registry.devices() = {makeRecord(0, QStringLiteral("one"), QStringLiteral("COM3"), 1),
                          makeRecord(1, QStringLiteral("two"), QStringLiteral("BLE"), 1)};
    QVERIFY(registry.saveDevices());

    QSettings file(m_sandbox->filePath(QStringLiteral("devices_config.ini")), QSettings::IniFormat);
    QCOMPARE(file.value(QStringLiteral("Devices/size")).toInt(), 2);
    file.beginGroup(QStringLiteral("Devices/2"));
    QStringList keys = file.childKeys();
    keys.sort();
    QStringList expected = {
        QStringLiteral("name"),       QStringLiteral("portName"),   QStringLiteral("address"),
        QStringLiteral("type"),       QStringLiteral("precision"),  QStringLiteral("measuringType"),
        QStringLiteral("limitMin"),   QStringLiteral("limitMax"),   QStringLiteral("unit"),
        QStringLiteral("hidPath"),    QStringLiteral("hidUnit"),    QStringLiteral("hidDecimals"),
        QStringLiteral("mac"),        QStringLiteral("donglePort"), QStringLiteral("bleProtocol"),
        QStringLiteral("serialUnit"), QStringLiteral("userId")};
    expected.sort();
    QCOMPARE(keys, expected);
    QCOMPARE(file.value(QStringLiteral("name")).toString(), QStringLiteral("two"));
    file.endGroup();

    // Shrinking the list leaves no stale entries behind.
    registry.devices().removeLast();
    QVERIFY(registry.saveDevices());
    file.sync();
    QCOMPARE(file.value(QStringLiteral("Devices/size")).toInt(), 1);
    QVERIFY(!file.contains(QStringLiteral("Devices/2/name")));
}

void TestDeviceRegistry::duplicatesAreDroppedAndFileRewritten()
{
    QVERIFY(m_sandbox->writeFile(QStringLiteral("devices_config.ini"),
                                 "[Devices]\n"
                                 "size=5\n"
                                 "1\\name=first\n1\\portName=COM3\n1\\address=1\n1\\type=0\n"
                                 "2\\name=copy\n2\\portName=COM3\n2\\address=1\n2\\type=0\n"
                                 "3\\name=caliper 1\n3\\portName=BLE\n3\\address=1\n3\\type=1\n"
                                 "4\\name=caliper 2\n4\\portName=BLE\n4\\address=2\n4\\type=1\n"
                                 "5\\name=same slave, bigger number\n5\\portName=COM3\n5\\address=257\n"
                                 "[GlobalUnits]\nLinear=1\n"));
    DeviceRegistry registry;
    QCOMPARE(registry.loadDevices(), 2);
    const QStringList expected = {QStringLiteral("first"), QStringLiteral("caliper 1"),
                                  QStringLiteral("caliper 2")};
    QCOMPARE(deviceNames(registry), expected);

    QSettings file(m_sandbox->filePath(QStringLiteral("devices_config.ini")), QSettings::IniFormat);
    QCOMPARE(file.value(QStringLiteral("Devices/size")).toInt(), 3);
    QCOMPARE(file.value(QStringLiteral("Devices/3/name")).toString(), QStringLiteral("caliper 2"));
    QVERIFY(!file.contains(QStringLiteral("Devices/4/name")));
    QCOMPARE(file.value(QStringLiteral("GlobalUnits/Linear")).toInt(), 1); // other settings survive

    DeviceRegistry again;
    QCOMPARE(again.loadDevices(), 0);
    QCOMPARE(deviceNames(again), expected);
}

void TestDeviceRegistry::outOfRangeCodes()
{
    QVERIFY(m_sandbox->writeFile(
        QStringLiteral("devices_config.ini"),
        "[Devices]\nsize=1\n1\\name=odd\n1\\portName=COM9\n1\\address=300\n1\\precision=9\n"));
    DeviceRegistry registry;
    registry.loadDevices();
    QCOMPARE(registry.devices().first().address, quint8(44)); // only the low 8 bits are a slave address
    QCOMPARE(registry.devices().first().precision, 9);        // kept as stored, shown with 2 decimals
    QVERIFY(registry.saveDevices());
    QSettings file(m_sandbox->filePath(QStringLiteral("devices_config.ini")), QSettings::IniFormat);
    QCOMPARE(file.value(QStringLiteral("Devices/1/address")).toInt(), 44);
}

void TestDeviceRegistry::unitsFollowGlobalChoiceByKind()
{
    QCOMPARE(DeviceRegistry::globalUnitFor(0), 0);
    QCOMPARE(DeviceRegistry::globalUnitFor(9), 4);
    QCOMPARE(DeviceRegistry::globalUnitFor(10), 2);

    {
        QSettings file(m_sandbox->filePath(QStringLiteral("devices_config.ini")), QSettings::IniFormat);
        file.setValue(QStringLiteral("GlobalUnits/Linear"), 1);
        file.setValue(QStringLiteral("GlobalUnits/Angle"), 1);
        file.setValue(QStringLiteral("GlobalUnits/Force"), 1);
    }
    // Read afresh on every call: the change applies at once.
    QCOMPARE(DeviceRegistry::globalUnitFor(0), 1);
    QCOMPARE(DeviceRegistry::globalUnitFor(3), 1); // any other kind is linear
    QCOMPARE(DeviceRegistry::globalUnitFor(9), 5);
    QCOMPARE(DeviceRegistry::globalUnitFor(10), 3);

    // Values the units dialog never writes fall back to the category's first unit.
    {
        QSettings file(m_sandbox->filePath(QStringLiteral("devices_config.ini")), QSettings::IniFormat);
        file.setValue(QStringLiteral("GlobalUnits/Linear"), 5);
        file.setValue(QStringLiteral("GlobalUnits/Force"), QStringLiteral("lbf"));
        file.setValue(QStringLiteral("GlobalUnits/Angle"), -1);
    }
    QCOMPARE(DeviceRegistry::globalUnitFor(0), 0);
    QCOMPARE(DeviceRegistry::globalUnitFor(10), 2);
    QCOMPARE(DeviceRegistry::globalUnitFor(9), 4);
}

void TestDeviceRegistry::garbageFiles_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<int>("devices");
    QTest::newRow("empty file") << QByteArray() << 0;
    QByteArray binary;
    for (int i = 0; i < 4096; ++i)
        binary.append(char((i * 7919) % 256));
    QTest::newRow("binary noise") << binary << 0;
    QTest::newRow("huge size, one entry") << QByteArray("[Devices]\nsize=1000000000\n1\\name=only\n") << 1;
    QTest::newRow("negative size") << QByteArray("[Devices]\nsize=-5\n1\\name=x\n") << 0;
    QTest::newRow("size is text") << QByteArray("[Devices]\nsize=many\n1\\name=x\n") << 0;
    QTest::newRow("values are text")
        << QByteArray("[Devices]\nsize=1\n1\\type=abc\n1\\precision=\n1\\limitMin=1,5\n1\\address=x\n") << 1;
    QTest::newRow("unbalanced brackets") << QByteArray("[Devices\nsize=2\n[[\n=\n\\\\\n") << 0;
}

void TestDeviceRegistry::garbageFiles()
{
    QFETCH(QByteArray, content);
    QFETCH(int, devices);
    QVERIFY(m_sandbox->writeFile(QStringLiteral("devices_config.ini"), content));
    QVERIFY(m_sandbox->writeFile(QStringLiteral("com_adapters.ini"), content));
    DeviceRegistry registry;
    registry.loadDevices();
    registry.loadAdapters();
    QCOMPARE(registry.devices().size(), devices);
    for (const DeviceRecord &record : registry.devices()) {
        QVERIFY(record.type >= 0);
        QCOMPARE(record.limitMin, 0.0);
        QCOMPARE(precisionDigits(record.precision), record.precision == 0 ? 0 : 2);
    }
    QCOMPARE(DeviceRegistry::globalUnitFor(0), 0);
    // Read damaged, the file is still rewritten whole, and saying so is the truth.
    QVERIFY(registry.saveDevices());
    QVERIFY(registry.saveAdapters());
}

void TestDeviceRegistry::missingFileLoadsEmptyWithoutWriting()
{
    DeviceRegistry registry;
    QCOMPARE(registry.loadDevices(), 0);
    registry.loadAdapters();
    QVERIFY(registry.devices().isEmpty());
    QVERIFY(registry.adapters().isEmpty());
    QVERIFY(QDir(m_sandbox->path()).entryList(QDir::Files).isEmpty());
}

void TestDeviceRegistry::unwritableFolderFailsWithoutCrash()
{
    QVERIFY(m_sandbox->writeFile(QStringLiteral("plain-file"), "x"));
    qputenv("KOVRAN_SETTINGS_DIR", m_sandbox->filePath(QStringLiteral("plain-file/KOVRAN")).toLocal8Bit());
    DeviceRegistry registry;
    QCOMPARE(registry.loadDevices(), 0);
    registry.devices().append(makeRecord(0, QStringLiteral("x"), QStringLiteral("COM1"), 1));
    registry.adapters().append({QStringLiteral("COM1"), 9600});
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("не вдалося записати devices")));
    QVERIFY(!registry.saveDevices());
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("не вдалося записати adapters")));
    QVERIFY(!registry.saveAdapters());
}

void TestDeviceRegistry::findBleDevice()
{
    DeviceRegistry registry;
    const QString mac = QStringLiteral("AA:BB:CC:DD:EE:FF");
    DeviceRecord modbus = makeRecord(0, QStringLiteral("modbus"), QStringLiteral("COM1"), 1);
    modbus.mac = mac; // not a Bluetooth kind: never matches
    DeviceRecord nrf = makeRecord(3, QStringLiteral("nrf"), QStringLiteral("DONGLE"), 1);
    nrf.mac = mac;
    DeviceRecord direct = makeRecord(1, QStringLiteral("direct"), QStringLiteral("BLE"), 2);
    direct.mac = mac;
    registry.devices() = {modbus, nrf, direct};
    QCOMPARE(registry.findBleDevice(mac), 1);
    QCOMPARE(registry.findBleDevice(QStringLiteral("11:22:33:44:55:66")), -1);
    QCOMPARE(registry.findBleDevice(QString()), -1);
}

void TestDeviceRegistry::nextFreeAddressPerGroup()
{
    DeviceRegistry registry;
    QCOMPARE(registry.nextFreeAddress(1), 1);
    registry.devices().append(makeRecord(1, QStringLiteral("a"), QStringLiteral("BLE"), 1));
    registry.devices().append(makeRecord(4, QStringLiteral("b"), QStringLiteral("DONGLE"), 2));
    registry.devices().append(makeRecord(2, QStringLiteral("k"), QStringLiteral("HID"), 1));
    registry.devices().append(makeRecord(0, QStringLiteral("m"), QStringLiteral("COM1"), 3));
    QCOMPARE(registry.nextFreeAddress(3), 3); // the dongle kinds count with direct Bluetooth
    QCOMPARE(registry.nextFreeAddress(2), 2);
    QCOMPARE(registry.nextFreeAddress(5), 1);
    registry.devices().removeFirst(); // deleting the first Bluetooth instrument frees its address
    QCOMPARE(registry.nextFreeAddress(1), 1);
}

void TestDeviceRegistry::adaptersRoundTrip()
{
    DeviceRegistry registry;
    registry.adapters() = {{QStringLiteral("/dev/ttyUSB0"), 9600}, {QStringLiteral("COM12"), 115200}};
    QVERIFY(registry.saveAdapters());
    DeviceRegistry loaded;
    loaded.loadAdapters();
    QCOMPARE(loaded.adapters(), registry.adapters());

    QVERIFY(
        m_sandbox->writeFile(QStringLiteral("com_adapters.ini"), "[Adapters]\nsize=1\n1\\portName=COM4\n"));
    loaded.loadAdapters();
    QCOMPARE(loaded.adapters().size(), 1);
    QCOMPARE(loaded.adapters().first().baudRate, 0);
}

QTEST_GUILESS_MAIN(TestDeviceRegistry)
#include "tst_deviceregistry.moc"
