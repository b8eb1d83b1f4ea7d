#include "devices/deviceregistry.h"
#include "links/modbus/modbusframe.h"
#include "links/modbus/modbuspoller.h"
#include "modbuspeer.h"
#include "ptypair.h"
#include "settingssandbox.h"
#include "virtualports.h"

#include <QDeadlineTimer>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <memory>
#include <thread>

namespace {

QStringList g_log;
QtMessageHandler g_previousHandler = nullptr;

void captureLog(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    g_log.append(message);
    if (type != QtDebugMsg && g_previousHandler)
        g_previousHandler(type, context, message);
}

int logCount(const QString &pattern)
{
    return int(g_log.filter(QRegularExpression(pattern)).size());
}

DeviceRecord modbusDevice(const QString &port, int address)
{
    DeviceRecord record;
    record.type = ConnectionKind::Modbus;
    record.portName = port;
    record.address = quint8(address);
    return record;
}

// What a test needs besides the line and the poller, in the order it is built.
struct Fixture
{
    SettingsSandbox sandbox;
    QTemporaryDir dir;
    VirtualPorts ports;
    DeviceRegistry registry;
};

int registerOf(const QByteArray &request)
{
    return quint8(request.at(2)) << 8 | quint8(request.at(3));
}

} // namespace

// The poll engine against the simulator's instruments (libmodbus) on a pseudo-terminal.
class TestModbusPoller : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void firstContactThenCalibrationThenValues();
    void instrumentsTakeTurnsAndZeroGoesFirst();
    void refusedCalibrationStillLeavesValues();
    void silentInstrumentGoesOffLineAtTheSixthMiss();
    void unitWrites_data();
    void unitWrites();
    void adapterUnpluggedAndBack_data();
    void adapterUnpluggedAndBack();
    void badAnswers_data();
    void badAnswers();

private:
    void startPolling(const QList<int> &addresses);
    void addInstruments(const QList<int> &addresses);

    std::unique_ptr<Fixture> m_f;
    std::unique_ptr<ModbusPeer> m_peer;
    std::unique_ptr<ModbusPoller> m_poller;
    QString m_port;
};

void TestModbusPoller::init()
{
    g_log.clear();
    g_previousHandler = qInstallMessageHandler(captureLog);
    m_f = std::make_unique<Fixture>();
    m_peer = std::make_unique<ModbusPeer>();
    m_port = m_peer->link(m_f->dir.filePath(QStringLiteral("ttyRS485")));
    QVERIFY(!m_port.isEmpty());
    m_f->ports.add(m_port);
}

void TestModbusPoller::cleanup()
{
    m_poller.reset();
    m_peer.reset();
    m_f.reset();
    qInstallMessageHandler(g_previousHandler);
}

void TestModbusPoller::addInstruments(const QList<int> &addresses)
{
    for (int address : addresses)
        m_peer->addInstrument(address);
}

void TestModbusPoller::startPolling(const QList<int> &addresses)
{
    m_f->registry.adapters() = {{m_port, 9600}};
    for (int address : addresses)
        m_f->registry.devices().append(modbusDevice(m_port, address));
    m_poller = std::make_unique<ModbusPoller>(m_f->registry);
    m_poller->openAdapterPorts();
    QVERIFY(m_poller->isOpen(m_port));
    m_poller->rebuildPollLists();
    m_poller->sendNextCommand(m_port);
}

void TestModbusPoller::firstContactThenCalibrationThenValues()
{
    m_peer->addInstrument(1, 2, 10); // a dynamometer in newton, as the global force unit wants
    m_peer->setValue(1, 12.3456);
    m_peer->setSplitReplies(true); // as a slow adapter delivers them
    startPolling({1});
    // The request is on the wire before the event loop turns again: waiting for that turn slows every poll.
    QDeadlineTimer deadline(1000);
    while (m_peer->requestCount() == 0 && !deadline.hasExpired())
        std::this_thread::yield();
    QCOMPARE(m_peer->requestCount(), 1);

    const DeviceRecord &record = m_f->registry.devices().first();
    QTRY_VERIFY(record.connected && record.infoValid);
    QCOMPARE(record.sensorKind, quint16(10));
    QCOMPARE(record.unit, 2);
    QCOMPARE(record.serialNumber, quint32(24050101));
    QCOMPARE(QList<quint16>({record.calibDay, record.calibMonth, record.calibYear}),
             QList<quint16>({8, 6, 2024}));
    QTRY_VERIFY(qAbs(record.value - 12.3456) < 1e-5);
    const QList<QByteArray> seen = m_peer->requests();
    QCOMPARE(seen.at(0).toHex(), QByteArray("01032000000ace0d"));
    QCOMPARE(seen.at(1).toHex(), QByteArray("0103201b00043fce"));
    QCOMPARE(seen.at(2).toHex(), QByteArray("0103200f0002ffc8"));
}

void TestModbusPoller::instrumentsTakeTurnsAndZeroGoesFirst()
{
    addInstruments({1, 2, 3});
    startPolling({1, 2, 3});
    QTRY_VERIFY(m_peer->requestCount() >= 15);
    QList<QByteArray> seen = m_peer->requests();
    for (int i = 0; i < 15; ++i)
        QCOMPARE(int(seen.at(i).at(0)), i % 3 + 1);
    for (const DeviceRecord &record : m_f->registry.devices())
        QVERIFY(record.connected && record.infoValid);

    m_peer->clearLog();
    m_poller->sendFirst(m_port, buildWriteCommand(2, 0x200A, 1));
    QTRY_VERIFY(!m_peer->writes().isEmpty());
    QCOMPARE(m_peer->writes().first(), (ModbusPeer::Write{2, 0x200A, 1}));
    // At most the poll already on the wire went before it.
    seen = m_peer->requests();
    QVERIFY(seen.at(0).at(1) == 6 || seen.at(1).at(1) == 6);
}

void TestModbusPoller::refusedCalibrationStillLeavesValues()
{
    m_peer->addInstrument(1);
    m_peer->setException(1, 0x201B, 2);
    startPolling({1});
    // Three refused calibration reads, each taken as an answer, then the values regardless.
    QTRY_VERIFY(m_peer->requestCount() >= 6);
    QList<int> registers;
    for (const QByteArray &request : m_peer->requests())
        registers.append(registerOf(request));
    QCOMPARE(registers.mid(0, 6), QList<int>({0x2000, 0x201B, 0x201B, 0x201B, 0x200F, 0x200F}));
    QCOMPARE(logCount(QStringLiteral("^\\[MODBUS EXCEPTION\\] Device 1 ")), 3);
    QCOMPARE(logCount(QStringLiteral("TIMEOUT")), 0);
}

void TestModbusPoller::silentInstrumentGoesOffLineAtTheSixthMiss()
{
    m_peer->addInstrument(1);
    startPolling({1});
    const DeviceRecord &record = m_f->registry.devices().first();
    QTRY_VERIFY(record.infoValid);

    m_peer->setSilent(1, true);
    for (int miss = 1; miss <= 7; ++miss) {
        // Wait for the request on the wire, then let its 200 ms run out at once.
        QTRY_VERIFY(m_poller->isBusy(m_port));
        const int before = m_peer->requestCount();
        m_poller->onAnswerTimeout(m_port);
        QCOMPARE(record.missedReplies, miss);
        QCOMPARE(record.connected, miss < 6);
        QTRY_VERIFY(m_peer->requestCount() > before);
    }
    QCOMPARE(logCount(QStringLiteral("^Device went OFFLINE: 1$")), 1);

    // Back on the bus: first contact again.
    m_peer->clearLog();
    m_peer->setSilent(1, false);
    m_poller->onAnswerTimeout(m_port);
    QTRY_VERIFY(record.connected);
    QCOMPARE(registerOf(m_peer->requests().first()), 0x2000);
    QCOMPARE(record.missedReplies, 0);
}

void TestModbusPoller::unitWrites_data()
{
    QTest::addColumn<bool>("ignored"); // the instrument echoes unit writes but keeps its unit
    QTest::addColumn<QString>("then");
    QTest::addColumn<int>("writes");
    QTest::newRow("taken at once") << false << QString() << 1;
    QTest::newRow("refused: five tries, then polling goes on") << true << QString() << 5;
    QTest::newRow("five more tries once back from off line") << true << "silent" << 10;
    QTest::newRow("five more tries after the port was closed") << true << "closed" << 10;
    QTest::newRow("five more tries after the adapter came back") << true << "unplugged" << 10;
}

void TestModbusPoller::unitWrites()
{
    QFETCH(bool, ignored);
    QFETCH(QString, then);
    QFETCH(int, writes);
    QVERIFY(m_f->sandbox.writeFile(QStringLiteral("devices_config.ini"), "[GlobalUnits]\nLinear=1\n"));
    m_peer->addInstrument(1);
    m_peer->setIgnoreUnitWrites(1, ignored);
    startPolling({1});
    const DeviceRecord &record = m_f->registry.devices().first();
    const auto unitWrites = [this] {
        const QList<ModbusPeer::Write> all = m_peer->writes();
        return int(std::count(all.cbegin(), all.cend(), ModbusPeer::Write{1, 0x2002, 1}));
    };
    QTRY_COMPARE(unitWrites(), std::min(writes, 5));
    QTRY_VERIFY(record.infoValid);
    QCOMPARE(record.unit, ignored ? 0 : 1);

    if (then == QLatin1String("silent")) {
        m_peer->setSilent(1, true);
        for (int miss = 0; miss < 6; ++miss) {
            QTRY_VERIFY(m_poller->isBusy(m_port));
            m_poller->onAnswerTimeout(m_port);
        }
        m_peer->setSilent(1, false);
    } else if (then == QLatin1String("closed")) {
        m_poller->closePort(m_port);
        m_poller->onPortWatchdogTick();
    } else if (then == QLatin1String("unplugged")) {
        m_peer->unlink();
        m_poller->onPortWatchdogTick();
        m_peer->link(m_port);
        m_poller->onPortWatchdogTick();
    }
    QTRY_COMPARE(unitWrites(), writes);
    const int before = m_peer->requestCount();
    QTRY_VERIFY(m_peer->requestCount() > before + 3);
    QCOMPARE(unitWrites(), writes);
}

void TestModbusPoller::adapterUnpluggedAndBack_data()
{
    QTest::addColumn<bool>("portFails");
    QTest::newRow("port stays open") << false;
    QTest::newRow("port fails and closes first") << true;
}

void TestModbusPoller::adapterUnpluggedAndBack()
{
    QFETCH(bool, portFails);
    addInstruments({1, 2});
    startPolling({1, 2});
    const QList<DeviceRecord> &devices = m_f->registry.devices();
    QTRY_VERIFY(devices.at(0).infoValid && devices.at(1).infoValid);
    m_poller->onPortWatchdogTick(); // nothing changed: no reopen
    QCOMPARE(logCount(QStringLiteral("^Port (disappeared|recovered)")), 0);

    if (portFails) {
        m_peer.reset(); // the adapter goes with its line
        QTRY_VERIFY(!m_poller->isOpen(m_port));
    } else {
        m_peer->unlink();
    }
    m_poller->onPortWatchdogTick();
    m_poller->onPortWatchdogTick(); // still gone: nothing more
    QCOMPARE(logCount(QStringLiteral("^Port disappeared: ")), 1);
    QVERIFY(!m_poller->isOpen(m_port));
    for (const DeviceRecord &record : devices)
        QVERIFY(!record.connected && !record.unitResolved);

    if (portFails) {
        m_peer = std::make_unique<ModbusPeer>();
        addInstruments({1, 2});
    }
    m_peer->clearLog();
    QCOMPARE(m_peer->link(m_port), m_port);
    m_poller->onPortWatchdogTick();
    QCOMPARE(logCount(QStringLiteral("^Port recovered: ")), 1);
    QTRY_VERIFY(devices.at(0).connected && devices.at(1).connected);
    QCOMPARE(registerOf(m_peer->requests().first()), 0x2000); // first contact again
}

// Answers no real instrument would send, scripted byte by byte on a plain pseudo-terminal.
void TestModbusPoller::badAnswers_data()
{
    QTest::addColumn<QByteArray>("answer");
    const QByteArray good = QByteArray::fromHex("0103140000000000000000000000000000000000000000A367");
    QTest::newRow("garbage") << QByteArray::fromHex("DEADBEEF00FF");
    QTest::newRow("truncated") << good.left(20);
    QTest::newRow("other address") << QByteArray::fromHex(
        "0203140000000000000000000000000000000000000000F782");
    QTest::newRow("other function") << QByteArray::fromHex(
        "01041400000000000000000000000000000000000000009581");
    QTest::newRow("byte count lies") << QByteArray::fromHex(
        "0103100000000000000000000000000000000000000000E6E3");
    QByteArray damaged = good;
    damaged[24] = char(damaged.at(24) ^ 0x40);
    QTest::newRow("crc") << damaged;
}

void TestModbusPoller::badAnswers()
{
    QFETCH(QByteArray, answer);
    PtyPair line;
    const QString port = line.link(m_f->dir.filePath(QStringLiteral("ttyScripted")));
    m_f->registry.adapters() = {{port, 9600}};
    m_f->registry.devices().append(modbusDevice(port, 1));
    m_poller = std::make_unique<ModbusPoller>(m_f->registry);
    m_poller->openAdapterPorts();
    m_poller->rebuildPollLists();
    m_poller->sendNextCommand(port);
    QVERIFY(line.waitForReceived(8));
    line.takeReceived();

    line.write(answer);
    if (answer.size() < 25)
        m_poller->onAnswerTimeout(port); // an incomplete answer waits for its timeout
    // Either way the cycle goes on, and the answer counted as a miss: the device is not on line.
    QVERIFY(line.waitForReceived(8));
    const DeviceRecord &record = m_f->registry.devices().first();
    QVERIFY(!record.connected);
    QCOMPARE(record.missedReplies, 1);
}

QTEST_GUILESS_MAIN(TestModbusPoller)
#include "tst_modbuspoller.moc"
