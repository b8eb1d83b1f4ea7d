#include "devices/deviceregistry.h"
#include "links/modbus/modbusframe.h"
#include "links/modbus/modbuspoller.h"
#include "modbuspeer.h"
#include "ptypair.h"
#include "settingssandbox.h"
#include "virtualports.h"

#include <QDeadlineTimer>
#include <QRegularExpression>
#include <QSettings>
#include <QSignalSpy>
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
    record.name = QStringLiteral("M%1").arg(address);
    return record;
}

// (address, start register, count) of a request frame as the instrument saw it.
struct Request
{
    int address = -1;
    int function = -1;
    int reg = -1;
    int word = -1;
};

Request parse(const QByteArray &frame)
{
    Request request;
    if (frame.size() >= 6) {
        request.address = quint8(frame.at(0));
        request.function = quint8(frame.at(1));
        request.reg = quint8(frame.at(2)) << 8 | quint8(frame.at(3));
        request.word = quint8(frame.at(4)) << 8 | quint8(frame.at(5));
    }
    return request;
}

} // namespace

// The poll engine against a real Modbus RTU slave (libmodbus) on a pseudo-terminal.
class TestModbusPoller : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void firstContactThenCalibrationThenValues();
    void integerValueRegisters();
    void instrumentsOnOnePortTakeTurns();
    void exceptionIsLoggedAndPollingGoesOn();
    void answerInPiecesIsAssembled();
    void damagedAnswersCountAsMisses();
    void silentInstrumentGoesOffLineAtTheSixthMiss();
    void unitWriteRetriesThenGivesUp();
    void unitWriteIsConfirmed();
    void unitEnforcedAfreshOnceBack_data();
    void unitEnforcedAfreshOnceBack();
    void zeroGoesAheadOfThePolls();
    void adapterUnpluggedAndBack_data();
    void adapterUnpluggedAndBack();
    void peakHoldFollowsMeasuringMode_data();
    void peakHoldFollowsMeasuringMode();

    void badAnswers_data();
    void badAnswers();
    void unusableAdapters();

private:
    void startPolling(const QList<int> &addresses);
    QList<Request> requests() const;

    std::unique_ptr<SettingsSandbox> m_sandbox;
    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<VirtualPorts> m_ports;
    std::unique_ptr<ModbusPeer> m_peer;
    std::unique_ptr<DeviceRegistry> m_registry;
    std::unique_ptr<ModbusPoller> m_poller;
    QString m_port;
};

void TestModbusPoller::init()
{
    g_log.clear();
    g_previousHandler = qInstallMessageHandler(captureLog);
    m_sandbox = std::make_unique<SettingsSandbox>();
    m_dir = std::make_unique<QTemporaryDir>();
    m_peer = std::make_unique<ModbusPeer>();
    QVERIFY(m_peer->isOpen());
    m_port = m_peer->link(m_dir->filePath(QStringLiteral("ttyRS485")));
    QVERIFY(!m_port.isEmpty());
    m_ports = std::make_unique<VirtualPorts>();
    m_ports->add(m_port);
    m_registry = std::make_unique<DeviceRegistry>();
}

void TestModbusPoller::cleanup()
{
    m_poller.reset();
    m_registry.reset();
    m_ports.reset();
    m_peer.reset();
    m_dir.reset();
    m_sandbox.reset();
    qInstallMessageHandler(g_previousHandler);
}

void TestModbusPoller::startPolling(const QList<int> &addresses)
{
    m_registry->adapters() = {{m_port, 9600}};
    for (int address : addresses)
        m_registry->devices().append(modbusDevice(m_port, address));
    m_poller = std::make_unique<ModbusPoller>(*m_registry);
    m_poller->openAdapterPorts();
    QVERIFY(m_poller->isOpen(m_port));
    QCOMPARE(logCount(QStringLiteral("^Port opened successfully: ")), 1);
    m_poller->rebuildPollLists();
    m_poller->sendNextCommand(m_port);
}

QList<Request> TestModbusPoller::requests() const
{
    QList<Request> parsed;
    for (const QByteArray &frame : m_peer->requests())
        parsed.append(parse(frame));
    return parsed;
}

void TestModbusPoller::firstContactThenCalibrationThenValues()
{
    m_peer->addInstrument(1, 2, 10); // a dynamometer in newton, as the global force unit wants
    m_peer->setValue(1, 12.3456);
    startPolling({1});
    // The request is on the wire before the event loop turns again: waiting for that turn slows every poll.
    QDeadlineTimer deadline(1000);
    while (m_peer->requestCount() == 0 && !deadline.hasExpired())
        std::this_thread::yield();
    QCOMPARE(m_peer->requestCount(), 1);
    QSignalSpy values(m_poller.get(), &ModbusPoller::deviceValueChanged);
    const DeviceRecord &record = m_registry->devices().first();

    QTRY_VERIFY(record.infoValid);
    QTRY_VERIFY(values.count() >= 2);
    QVERIFY(record.connected);
    QVERIFY(record.unitResolved);
    QCOMPARE(record.sensorKind, quint16(10));
    QCOMPARE(record.unit, 2); // a dynamometer reports newton
    QCOMPARE(record.serialNumber, quint32(100001));
    QCOMPARE(record.calibDay, quint16(5));
    QCOMPARE(record.calibMonth, quint16(3));
    QCOMPARE(record.calibYear, quint16(2024));
    QVERIFY(qAbs(record.value - 12.3456) < 1e-5);
    QCOMPARE(values.first().first().toInt(), 0);

    const QList<Request> seen = requests();
    QVERIFY(seen.size() >= 3);
    QCOMPARE(seen.at(0).reg, 0x2000);
    QCOMPARE(seen.at(0).word, 10);
    QCOMPARE(seen.at(1).reg, 0x201B);
    QCOMPARE(seen.at(1).word, 4);
    QCOMPARE(seen.at(2).reg, 0x200F);
    QCOMPARE(seen.at(2).word, 2);
    QCOMPARE(logCount(QStringLiteral("^\\[INFO\\] Device 1 serial 100001 calibrated 5/3/2024$")), 1);
    QVERIFY(logCount(QStringLiteral("^\\[UNITS\\] Device 1 reported unit register 0x2002 = 2$")) >= 1);

    // The value follows the instrument.
    m_peer->setValue(1, -3.5);
    QTRY_COMPARE(record.value, -3.5);
}

void TestModbusPoller::integerValueRegisters()
{
    m_peer->addInstrument(1);
    m_peer->setValue(1, -0.001);
    startPolling({1});
    QTRY_VERIFY(m_registry->devices().first().infoValid);
    m_peer->setValue(1, 0.0);
    m_peer->setRegister(1, 0x200D, 0xFFFF);
    m_peer->setRegister(1, 0x200E, 0xFFF6);
    m_peer->setRegister(1, 0x200F, 0x7FC0); // a NaN in the float registers is never stored
    m_peer->setRegister(1, 0x2010, 0x0000);
    m_poller->sendFirst(m_port, buildReadCommand(1, 0x200D, 4));
    QTRY_VERIFY(qAbs(m_registry->devices().first().value + 0.001) < 1e-12);
}

void TestModbusPoller::instrumentsOnOnePortTakeTurns()
{
    for (int address : {1, 2, 3})
        m_peer->addInstrument(address);
    startPolling({1, 2, 3});
    QTRY_VERIFY(m_peer->requestCount() >= 15);
    const QList<Request> seen = requests();
    for (int i = 0; i < 15; ++i)
        QCOMPARE(seen.at(i).address, i % 3 + 1);
    for (const DeviceRecord &record : m_registry->devices())
        QVERIFY(record.connected && record.infoValid);
    QCOMPARE(m_poller->pollList(m_port).size(), 3);
}

void TestModbusPoller::exceptionIsLoggedAndPollingGoesOn()
{
    m_peer->addInstrument(1);
    m_peer->setException(1, 0x201B, 2);
    startPolling({1});
    QTRY_COMPARE(logCount(QStringLiteral(
                     "^\\[MODBUS EXCEPTION\\] Device 1 rejected function 0x03 reg 0x201B code 2$")),
                 3);
    // Three refused calibration reads, then the values are polled regardless.
    QTRY_VERIFY(requests().size() >= 6);
    QCOMPARE(requests().last().reg, 0x200F);
    QVERIFY(!m_registry->devices().first().infoValid);
}

void TestModbusPoller::answerInPiecesIsAssembled()
{
    m_peer->addInstrument(1);
    m_peer->setValue(1, 7.25);
    m_peer->setSplitReplies(true);
    startPolling({1});
    QTRY_COMPARE(m_registry->devices().first().value, 7.25);
    QCOMPARE(logCount(QStringLiteral("CRC Error!")), 0);
    QCOMPARE(logCount(QStringLiteral("TIMEOUT")), 0);
}

void TestModbusPoller::damagedAnswersCountAsMisses()
{
    m_peer->addInstrument(1);
    m_peer->setCorruptCrc(true);
    startPolling({1});
    QTRY_VERIFY(logCount(QStringLiteral("^CRC Error!$")) >= 6);
    const DeviceRecord &record = m_registry->devices().first();
    QVERIFY(!record.connected);
    QVERIFY(record.missedReplies >= 6);

    m_peer->setCorruptCrc(false);
    QTRY_VERIFY(record.connected);
    QCOMPARE(record.missedReplies, 0);
}

void TestModbusPoller::silentInstrumentGoesOffLineAtTheSixthMiss()
{
    m_peer->addInstrument(1);
    startPolling({1});
    const DeviceRecord &record = m_registry->devices().first();
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
    QCOMPARE(logCount(QStringLiteral("^\\[TIMEOUT\\] No response from device 1 func 0x03 reg 0x")), 7);

    // Back on the bus: first contact again.
    m_peer->clearLog();
    m_peer->setSilent(1, false);
    m_poller->onAnswerTimeout(m_port);
    QTRY_VERIFY(record.connected);
    QCOMPARE(requests().first().reg, 0x2000);
    QCOMPARE(record.missedReplies, 0);
}

void TestModbusPoller::unitWriteRetriesThenGivesUp()
{
    QVERIFY(m_sandbox->writeFile(QStringLiteral("devices_config.ini"), "[GlobalUnits]\nLinear=1\n"));
    m_peer->addInstrument(1, 0, 0);
    m_peer->setIgnoreUnitWrites(1, true);
    startPolling({1});
    QTRY_VERIFY(logCount(QStringLiteral("gave up after")) >= 1);
    QCOMPARE(logCount(QStringLiteral(
                 "^\\[UNITS\\] Device 1 gave up after 5 attempts, still device= 0 expected= 1$")),
             1);
    int unitWrites = 0;
    for (const ModbusPeer::Write &write : m_peer->writes())
        unitWrites += write.reg == 0x2002 && write.value == 1;
    QCOMPARE(unitWrites, 5);
    for (int retry = 1; retry <= 5; ++retry)
        QCOMPARE(logCount(QStringLiteral(
                              "differs: device= 0 expected= 1 -> retry %1/5 sending SetUnits\\(0x2002\\)$")
                              .arg(retry)),
                 1);
    // Polling goes on with the instrument's own unit.
    const int before = m_peer->requestCount();
    QTRY_VERIFY(m_peer->requestCount() > before + 3);
    QTRY_VERIFY(m_registry->devices().first().infoValid);
}

void TestModbusPoller::unitWriteIsConfirmed()
{
    QVERIFY(m_sandbox->writeFile(QStringLiteral("devices_config.ini"), "[GlobalUnits]\nLinear=1\n"));
    m_peer->addInstrument(1, 0, 0);
    startPolling({1});
    const DeviceRecord &record = m_registry->devices().first();
    QTRY_COMPARE(logCount(QStringLiteral("^\\[UNITS\\] Device 1 confirmed unit change, dev.uint now = 1$")),
                 1);
    QTRY_VERIFY(record.infoValid);
    QCOMPARE(record.unit, 1);
    QCOMPARE(record.unitRetries, 0);
    QCOMPARE(m_peer->registerValue(1, 0x2002), quint16(1));
    QCOMPARE(logCount(QStringLiteral("^Success Write! Device: 1 Reg: 0x2002 Val: 1$")), 1);
}

void TestModbusPoller::unitEnforcedAfreshOnceBack_data()
{
    QTest::addColumn<QString>("event");
    QTest::newRow("back from off line") << "silent";
    QTest::newRow("after the port was closed") << "closed";
    QTest::newRow("after the adapter came back") << "unplugged";
}

// An instrument that keeps its unit gets five tries, then five more once it comes back.
void TestModbusPoller::unitEnforcedAfreshOnceBack()
{
    QFETCH(QString, event);
    QVERIFY(m_sandbox->writeFile(QStringLiteral("devices_config.ini"), "[GlobalUnits]\nLinear=1\n"));
    m_peer->addInstrument(1, 0, 0);
    m_peer->setIgnoreUnitWrites(1, true);
    startPolling({1});
    const auto unitWrites = [this] {
        const QList<ModbusPeer::Write> all = m_peer->writes();
        return int(std::count(all.cbegin(), all.cend(), ModbusPeer::Write{1, 0x2002, 1}));
    };
    QTRY_COMPARE(unitWrites(), 5);
    QTRY_VERIFY(m_registry->devices().first().infoValid);

    if (event == QLatin1String("silent")) {
        m_peer->setSilent(1, true);
        for (int miss = 0; miss < 6; ++miss) {
            QTRY_VERIFY(m_poller->isBusy(m_port));
            m_poller->onAnswerTimeout(m_port);
        }
        m_peer->setSilent(1, false);
    } else if (event == QLatin1String("closed")) {
        m_poller->closePort(m_port);
        m_poller->onPortWatchdogTick();
    } else {
        m_peer->unlink();
        m_poller->onPortWatchdogTick();
        m_peer->link(m_port);
        m_poller->onPortWatchdogTick();
    }
    QTRY_COMPARE(unitWrites(), 10);
    const int before = m_peer->requestCount();
    QTRY_VERIFY(m_peer->requestCount() > before + 3);
    QCOMPARE(unitWrites(), 10);
}

void TestModbusPoller::zeroGoesAheadOfThePolls()
{
    m_peer->addInstrument(1);
    m_peer->addInstrument(2);
    startPolling({1, 2});
    QTRY_VERIFY(m_registry->devices().at(1).infoValid);
    m_peer->clearLog();
    m_poller->sendFirst(m_port, buildWriteCommand(2, 0x200A, 1));
    QTRY_VERIFY(!m_peer->writes().isEmpty());
    const ModbusPeer::Write write = m_peer->writes().first();
    QCOMPARE(write.address, 2);
    QCOMPARE(write.reg, 0x200A);
    QCOMPARE(write.value, 1);
    // At most the poll already on the wire went before it.
    const QList<Request> seen = requests();
    const auto zero =
        std::find_if(seen.cbegin(), seen.cend(), [](const Request &r) { return r.function == 6; });
    QVERIFY(zero != seen.cend());
    QVERIFY(zero - seen.cbegin() <= 1);
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
    m_peer->addInstrument(1);
    m_peer->addInstrument(2);
    startPolling({1, 2});
    QTRY_VERIFY(m_registry->devices().at(0).infoValid && m_registry->devices().at(1).infoValid);

    m_poller->onPortWatchdogTick(); // nothing changed: no reopen
    QCOMPARE(logCount(QStringLiteral("^Port (disappeared|recovered)")), 0);
    QCOMPARE(logCount(QStringLiteral("^Port opened successfully")), 1);

    if (portFails) {
        m_peer.reset(); // the adapter goes with its line
        QTRY_VERIFY(!m_poller->isOpen(m_port));
    } else {
        m_peer->unlink();
    }
    m_poller->onPortWatchdogTick();
    QCOMPARE(logCount(QStringLiteral("^Port disappeared: ")), 1);
    QVERIFY(!m_poller->isOpen(m_port));
    for (const DeviceRecord &record : m_registry->devices())
        QVERIFY(!record.connected && !record.unitResolved);
    m_poller->onPortWatchdogTick(); // still gone: nothing more
    QCOMPARE(logCount(QStringLiteral("^Port disappeared: ")), 1);

    if (portFails) {
        m_peer = std::make_unique<ModbusPeer>();
        m_peer->addInstrument(1);
        m_peer->addInstrument(2);
    }
    m_peer->clearLog();
    m_peer->link(m_port);
    m_poller->onPortWatchdogTick();
    QCOMPARE(logCount(QStringLiteral("^Port recovered: ")), 1);
    QTRY_VERIFY(m_registry->devices().at(0).connected && m_registry->devices().at(1).connected);
    QCOMPARE(requests().first().reg, 0x2000); // first contact again
    QTRY_VERIFY(m_registry->devices().at(1).infoValid);
}

void TestModbusPoller::peakHoldFollowsMeasuringMode_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<double>("held");
    // Values in order: 2, -5, 3.
    QTest::newRow("0 live") << 0 << 3.0;
    QTest::newRow("1 min") << 1 << -5.0;
    QTest::newRow("2 max") << 2 << 3.0;
    QTest::newRow("3 range") << 3 << 8.0;
    QTest::newRow("4 module") << 4 << -5.0;
    QTest::newRow("7 limits hold nothing") << 7 << 2.0;
}

void TestModbusPoller::peakHoldFollowsMeasuringMode()
{
    QFETCH(int, mode);
    QFETCH(double, held);
    m_peer->addInstrument(1);
    m_peer->setValue(1, 2.0);
    m_registry->devices().append(modbusDevice(m_port, 1));
    m_registry->devices().first().measuringType = mode;
    startPolling({});
    const DeviceRecord &record = m_registry->devices().first();
    QTRY_VERIFY(record.infoValid);
    QTRY_COMPARE(record.value, 2.0);
    m_peer->setValue(1, -5.0);
    QTRY_COMPARE(record.value, -5.0);
    m_peer->setValue(1, 3.0);
    QTRY_COMPARE(record.value, 3.0);
    QCOMPARE(record.heldValue, held);
}

// ---------------------------------------------------------------------------------------------------------
// Answers no real instrument would send, scripted byte by byte on a plain pseudo-terminal.

void TestModbusPoller::badAnswers_data()
{
    QTest::addColumn<QByteArray>("answer");
    QTest::addColumn<QString>("logged");
    const QByteArray good = QByteArray::fromHex("0103140000000000000000000000000000000000000000A367");
    QTest::newRow("garbage") << QByteArray::fromHex("DEADBEEF00FF") << QStringLiteral("TIMEOUT");
    QTest::newRow("truncated") << good.left(20) << QStringLiteral("TIMEOUT");
    QTest::newRow("other address") << QByteArray::fromHex(
                                          "0203140000000000000000000000000000000000000000F782")
                                   << QString();
    QTest::newRow("other function") << QByteArray::fromHex(
                                           "01041400000000000000000000000000000000000000009581")
                                    << QString();
    QTest::newRow("byte count lies") << QByteArray::fromHex(
                                            "0103100000000000000000000000000000000000000000E6E3")
                                     << QString();
    QByteArray damaged = good;
    damaged[24] = char(damaged.at(24) ^ 0x40);
    QTest::newRow("crc") << damaged << QStringLiteral("CRC Error!");
}

void TestModbusPoller::badAnswers()
{
    QFETCH(QByteArray, answer);
    QFETCH(QString, logged);
    PtyPair line;
    const QString port = line.link(m_dir->filePath(QStringLiteral("ttyScripted")));
    m_registry->adapters() = {{port, 9600}};
    m_registry->devices().append(modbusDevice(port, 1));
    m_poller = std::make_unique<ModbusPoller>(*m_registry);
    m_poller->openAdapterPorts();
    m_poller->rebuildPollLists();
    m_poller->sendNextCommand(port);
    QVERIFY(line.waitForReceived(8));
    QCOMPARE(line.takeReceived().toHex(), QByteArray("01032000000ace0d"));

    line.write(answer);
    QTest::qWait(50);
    if (line.received().isEmpty())
        m_poller->onAnswerTimeout(port); // an incomplete answer waits for its timeout
    // The engine keeps cycling: the next request comes, the device is not on line, one miss is counted.
    QVERIFY(line.waitForReceived(8));
    const DeviceRecord &record = m_registry->devices().first();
    QVERIFY(!record.connected);
    QCOMPARE(record.missedReplies, 1);
    if (!logged.isEmpty())
        QCOMPARE(logCount(logged), 1);

    // A late answer to a request given up on is dropped without harm.
    line.takeReceived();
    m_poller->onAnswerTimeout(port);
    line.write(QByteArray::fromHex("0103140000000000000000000000000000000000000000A367"));
    QVERIFY(line.waitForReceived(8));
}

void TestModbusPoller::unusableAdapters()
{
    PtyPair line;
    const QString port = line.link(m_dir->filePath(QStringLiteral("ttyZeroBaud")));
    m_ports->add(port);
    m_registry->adapters() = {{m_dir->filePath(QStringLiteral("no-such-tty")), 9600}, {port, 0}};
    m_registry->devices() = {modbusDevice(m_dir->filePath(QStringLiteral("no-such-tty")), 1),
                             modbusDevice(port, 2)};
    m_poller = std::make_unique<ModbusPoller>(*m_registry);
    m_poller->openAdapterPorts();
    QCOMPARE(logCount(QStringLiteral("^Failed to open port .*no-such-tty")), 1);
    m_poller->rebuildPollLists();
    m_poller->sendNextCommandOnAllPorts();
    m_poller->onPortWatchdogTick();
    m_poller->onAnswerTimeout(m_dir->filePath(QStringLiteral("no-such-tty")));
    m_poller->onAnswerTimeout(QStringLiteral("never heard of"));
    QVERIFY(!m_registry->devices().first().connected);
}

QTEST_GUILESS_MAIN(TestModbusPoller)
#include "tst_modbuspoller.moc"
