#include "devices/deviceregistry.h"
#include "links/modbus/modbusframe.h"
#include "links/modbus/modbuspoller.h"
#include "modbuspeer.h"
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

int registerOf(const QByteArray &request)
{
    return quint8(request.at(2)) << 8 | quint8(request.at(3));
}

// What a test needs besides the line and the poller, in the order it is built.
struct Fixture
{
    SettingsSandbox sandbox;
    QTemporaryDir dir;
    VirtualPorts ports;
    DeviceRegistry registry;
};

} // namespace

// The poll engine against the simulator's instruments (libmodbus) on a pseudo-terminal.
class TestModbusPoller : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        g_log.clear();
        g_previousHandler = qInstallMessageHandler(captureLog);
        m_f = std::make_unique<Fixture>();
        m_peer = std::make_unique<ModbusPeer>();
        m_port = m_peer->link(m_f->dir.filePath(QStringLiteral("ttyRS485")));
        QVERIFY(!m_port.isEmpty());
        m_f->ports.add(m_port);
    }

    void cleanup()
    {
        m_poller.reset();
        m_peer.reset();
        m_f.reset();
        qInstallMessageHandler(g_previousHandler);
    }

    void firstContact_data()
    {
        QTest::addColumn<int>("refusal"); // the exception code calibration reads get, or 0
        QTest::addColumn<QList<QByteArray>>("requests");
        const QByteArray identification = QByteArray::fromHex("01032000000ace0d");
        const QByteArray calibration = QByteArray::fromHex("0103201b00043fce");
        const QByteArray value = QByteArray::fromHex("0103200f0002ffc8");
        QTest::newRow("identification, calibration, then values")
            << 0 << QList<QByteArray>{identification, calibration, value, value};
        // Each refusal is taken as an answer.
        QTest::newRow("calibration refused three times, then values regardless")
            << 2 << QList<QByteArray>{identification, calibration, calibration, calibration, value, value};
    }

    void firstContact()
    {
        QFETCH(int, refusal);
        QFETCH(QList<QByteArray>, requests);
        m_peer->addInstrument(1, 2, 10); // a dynamometer in newton, as the global force unit wants
        m_peer->setValue(1, 12.3456);
        m_peer->setSplitReplies(true); // as a slow adapter delivers them
        m_peer->setException(1, 0x201B, refusal);
        startPolling({1});
        // The request is on the wire before the event loop turns again: waiting for that turn slows every
        // poll.
        QDeadlineTimer deadline(1000);
        while (m_peer->requestCount() == 0 && !deadline.hasExpired())
            std::this_thread::yield();
        QCOMPARE(m_peer->requestCount(), 1);

        QTRY_VERIFY(qAbs(device().value - 12.3456) < 1e-5);
        QVERIFY(device().connected);
        QTRY_COMPARE(m_peer->requests().mid(0, requests.size()), requests);
        QCOMPARE(QList<int>({device().sensorKind, device().unit, device().calibDay, device().calibMonth,
                             device().calibYear, int(device().serialNumber)}),
                 refusal ? QList<int>({10, 2, 0, 0, 0, 0}) : QList<int>({10, 2, 8, 6, 2024, 24050101}));
        QCOMPARE(logCount(QStringLiteral("^\\[MODBUS EXCEPTION\\] Device 1 ")), refusal ? 3 : 0);
        QCOMPARE(logCount(QStringLiteral("TIMEOUT")), 0);
    }

    void instrumentsTakeTurnsAndZeroGoesFirst()
    {
        startPolling({1, 2, 3});
        QTRY_VERIFY(m_peer->requestCount() >= 15);
        QList<QByteArray> seen = m_peer->requests();
        for (int i = 0; i < 15; ++i)
            QCOMPARE(int(seen.at(i).at(0)), i % 3 + 1);

        m_peer->clearLog();
        m_poller->sendFirst(m_port, buildWriteCommand(2, 0x200A, 1));
        QTRY_VERIFY(!m_peer->writes().isEmpty());
        QCOMPARE(m_peer->writes().first(), (ModbusPeer::Write{2, 0x200A, 1}));
        // At most the poll already on the wire went before it.
        seen = m_peer->requests();
        QVERIFY(seen.at(0).at(1) == 6 || seen.at(1).at(1) == 6);
    }

    void unitWrites_data()
    {
        QTest::addColumn<bool>("ignored"); // the instrument echoes unit writes but keeps its unit
        QTest::addColumn<QString>("then");
        QTest::addColumn<int>("writes");
        QTest::newRow("taken at once") << false << QString() << 1;
        QTest::newRow("refused: five tries, then polling goes on") << true << QString() << 5;
        QTest::newRow("off line at the sixth miss, five more tries once back") << true << "silent" << 10;
        QTest::newRow("five more tries after the adapter came back") << true << "unplugged" << 10;
    }

    void unitWrites()
    {
        QFETCH(bool, ignored);
        QFETCH(QString, then);
        QFETCH(int, writes);
        QVERIFY(m_f->sandbox.writeFile(QStringLiteral("devices_config.ini"), "[GlobalUnits]\nLinear=1\n"));
        m_peer->addInstrument(1);
        m_peer->setIgnoreUnitWrites(1, ignored);
        startPolling({1});
        const auto unitWrites = [this] {
            const QList<ModbusPeer::Write> all = m_peer->writes();
            return int(std::count(all.cbegin(), all.cend(), ModbusPeer::Write{1, 0x2002, 1}));
        };
        QTRY_COMPARE(unitWrites(), std::min(writes, 5));
        QTRY_VERIFY(device().infoValid);
        QCOMPARE(device().unit, ignored ? 0 : 1);

        if (then == QLatin1String("silent")) {
            m_peer->setSilent(1, true);
            for (int miss = 1; miss <= 7; ++miss) {
                missReply();
                QCOMPARE(device().missedReplies, miss);
                QCOMPARE(device().connected, miss < 6);
            }
            QCOMPARE(logCount(QStringLiteral("^Device went OFFLINE: 1$")), 1);
            m_peer->setSilent(1, false);
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
        QVERIFY(device().connected);
        QCOMPARE(device().missedReplies, 0);
    }

    void adapterUnpluggedAndBack_data()
    {
        QTest::addColumn<bool>("portFails");
        QTest::newRow("port stays open") << false;
        QTest::newRow("port fails and closes first") << true;
    }

    void adapterUnpluggedAndBack()
    {
        QFETCH(bool, portFails);
        startPolling({1, 2});
        QTRY_VERIFY(device(0).infoValid && device(1).infoValid);
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
        for (const DeviceRecord &record : m_f->registry.devices())
            QVERIFY(!record.connected && !record.unitResolved);

        if (portFails) {
            m_peer = std::make_unique<ModbusPeer>();
            m_peer->addInstrument(1);
            m_peer->addInstrument(2);
        }
        m_peer->clearLog();
        QCOMPARE(m_peer->link(m_port), m_port);
        m_poller->onPortWatchdogTick();
        QCOMPARE(logCount(QStringLiteral("^Port recovered: ")), 1);
        QTRY_VERIFY(device(0).connected && device(1).connected);
        QCOMPARE(registerOf(m_peer->requests().first()), 0x2000); // first contact again
    }

    // Answers no real instrument would send are not taken, and an answer not taken counts as a miss: else an
    // instrument that only ever sends damaged answers would look on line with a stale value forever.
    void badAnswers_data()
    {
        QTest::addColumn<QByteArray>("answer");
        QByteArray damaged = QByteArray::fromHex("0103140000000000000000000000000000000000000000A367");
        damaged[24] = char(damaged.at(24) ^ 0x40);
        QTest::newRow("damaged checksum") << damaged;
        QTest::newRow("other address")
            << QByteArray::fromHex("0203140000000000000000000000000000000000000000F782");
        QTest::newRow("other function")
            << QByteArray::fromHex("01041400000000000000000000000000000000000000009581");
        QTest::newRow("byte count lies")
            << QByteArray::fromHex("0103100000000000000000000000000000000000000000E6E3");
    }

    void badAnswers()
    {
        QFETCH(QByteArray, answer);
        m_peer->addInstrument(1);
        m_peer->setCorruptCrc(true); // no answer is taken, so address 1 is asked for its identification
        startPolling({1});
        QTRY_VERIFY(device().missedReplies >= 6);
        QVERIFY(!m_poller->processResponse(m_port, answer));
        QVERIFY(!device().connected);
    }

private:
    // Polls the instruments at these addresses on m_port; the peer gets an instrument where it has none.
    void startPolling(const QList<int> &addresses)
    {
        m_f->registry.adapters() = {{m_port, 9600}};
        for (int address : addresses) {
            if (!m_peer->addresses().contains(address))
                m_peer->addInstrument(address);
            DeviceRecord &record = m_f->registry.devices().emplace_back();
            record.portName = m_port;
            record.address = quint8(address);
        }
        m_poller = std::make_unique<ModbusPoller>(m_f->registry);
        m_poller->openAdapterPorts();
        QVERIFY(m_poller->isOpen(m_port));
        m_poller->rebuildPollLists();
        m_poller->sendNextCommand(m_port);
    }

    // The request on the wire goes unanswered; its 200 ms run out at once.
    void missReply()
    {
        QTRY_VERIFY(m_poller->isBusy(m_port));
        m_poller->onAnswerTimeout(m_port);
    }

    const DeviceRecord &device(int index = 0) const { return m_f->registry.devices().at(index); }

    std::unique_ptr<Fixture> m_f;
    std::unique_ptr<ModbusPeer> m_peer;
    std::unique_ptr<ModbusPoller> m_poller;
    QString m_port;
};

QTEST_GUILESS_MAIN(TestModbusPoller)
#include "tst_modbuspoller.moc"
