// Drives the built kovran-sim through its pseudo-terminal the way KOVRAN does: literal Modbus RTU frames
// in (CRC-16/MODBUS, low byte first), answers checked byte by byte.

#include "devices/deviceregistry.h"
#include "settingssandbox.h"

#include <QElapsedTimer>
#include <QFileInfo>
#include <QProcess>
#include <QSerialPort>
#include <QTemporaryDir>
#include <QtEndian>
#include <QtTest>

#include <cstring>
#include <fcntl.h>
#include <linux/input.h>
#include <memory>
#include <pty.h>
#include <unistd.h>

namespace {

QByteArray hex(const char *text)
{
    return QByteArray::fromHex(text);
}

// What the keyboard's evdev records spell: a character per key, each key a press and a release, each
// followed by SYN_REPORT; '?' where the records break that pattern.
QString typed(const QByteArray &stream)
{
    const auto keyChar = [](int code) -> QChar {
        if (code >= KEY_1 && code <= KEY_9)
            return QChar(u'1' + (code - KEY_1));
        switch (code) {
        case KEY_0:
            return u'0';
        case KEY_DOT:
            return u'.';
        case KEY_ENTER:
            return u'\n';
        default:
            return u'?';
        }
    };
    QList<input_event> events(stream.size() / qsizetype(sizeof(input_event)));
    if (!events.isEmpty())
        std::memcpy(events.data(), stream.constData(), events.size() * sizeof(input_event));
    QString text;
    for (qsizetype i = 0; i + 3 < events.size(); i += 4) {
        const input_event *e = &events[i];
        const bool keystroke = e[0].type == EV_KEY && e[0].value == 1 && e[2].type == EV_KEY &&
                               e[2].code == e[0].code && e[2].value == 0;
        const bool synced =
            e[1].type == EV_SYN && e[1].code == SYN_REPORT && e[3].type == EV_SYN && e[3].code == SYN_REPORT;
        text += keystroke && synced ? keyChar(e[0].code) : QChar(u'?');
    }
    return text;
}

// Sends `bytes` and collects the answer until `expected` bytes are in or a second has passed. Anything
// beyond that already there stays in the result, so a stray byte shows as a wrong length.
QByteArray transact(QSerialPort &port, const QByteArray &bytes, int expected)
{
    port.write(bytes);
    port.waitForBytesWritten(1000);
    QByteArray answer = port.readAll();
    QElapsedTimer clock;
    clock.start();
    while (answer.size() < expected && clock.elapsed() < 1000) {
        if (port.waitForReadyRead(50))
            answer += port.readAll();
    }
    return answer;
}

} // namespace

class TestKovranSim : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        m_sim.start(QStringLiteral(KOVRAN_SIM_EXECUTABLE),
                    {QStringLiteral("--modbus"), QStringLiteral("2"), QStringLiteral("--link-dir"),
                     m_dir.path(), QStringLiteral("--print-env"), QStringLiteral("--write-config"),
                     m_settings.path()});
        while (!m_sim.canReadLine())
            QVERIFY(m_sim.waitForReadyRead(5000));
        m_link = m_dir.filePath(QStringLiteral("ttyKOVRAN0"));
        QCOMPARE(m_sim.readLine().trimmed(), QByteArray("KOVRAN_VIRTUAL_PORTS=") + m_link.toLocal8Bit());
        m_port = std::make_unique<QSerialPort>(m_link);
        QVERIFY(m_port->open(QIODevice::ReadWrite));
    }

    void cleanupTestCase()
    {
        m_port.reset();
        m_sim.terminate();
        QVERIFY(m_sim.waitForFinished(5000));
        QVERIFY(!QFileInfo(m_link).isSymLink()); // a stopped bench leaves no port behind
    }

    // Every request is followed by a probe of address 2, answered with its own address: that answer must come
    // right after the expected reply, which proves silence, and no stray byte.
    void frames_data()
    {
        QTest::addColumn<QByteArray>("request");
        QTest::addColumn<QByteArray>("reply");

        // mm, 3 decimals, range 25, linear sensor, address 1, speed code 3
        QTest::newRow("identification of address 1")
            << hex("01032000000ACE0D") << hex("0103144B560104000000030019000000000000000100032C35");
        // calibrated 15.11.2024, serial 24050102
        QTest::newRow("calibration of address 2")
            << hex("0203201B00043FFD") << hex("0203080F0B07E8016EF9B6A274");
        QTest::newRow("address 3 is silent") << hex("03032000000ACFEF") << QByteArray();
        QTest::newRow("corrupted CRC is ignored") << hex("01032000000ACE0C") << QByteArray();
        QTest::newRow("unsupported function") << hex("0104200000013A0A") << hex("01840182C0");
        QTest::newRow("read past the registers") << hex("0103202000018E00") << hex("018302C0F1");
        QTest::newRow("write to a read-only register") << hex("010620070009F3CD") << hex("018602C3A1");
        QTest::newRow("address 0 refused") << hex("01060000000089CA") << hex("0186030261");
    }

    void frames()
    {
        QFETCH(QByteArray, request);
        QFETCH(QByteArray, reply);
        m_port->write(request);
        const QByteArray expected = reply + hex("02030200027D85");
        QCOMPARE(transact(*m_port, hex("0203000000018439"), int(expected.size())).toHex(' '),
                 expected.toHex(' '));
    }

    // Registers 0x200D-0x2010 of address 1: one sample as int32 x10000 and as float.
    void valueRegistersAgreeAndMove()
    {
        const auto read = [this] { return transact(*m_port, hex("0103200D0004DE0A"), 13); };
        const QByteArray answer = read();
        QCOMPARE(answer.left(3).toHex(), QByteArray("010308"));
        QCOMPARE(answer.size(), 13);
        const double fixed = qint32(qFromBigEndian<quint32>(answer.constData() + 3)) / 10000.0;
        const double floating = qFromBigEndian<float>(answer.constData() + 7);
        // A linear sensor near its 12.5 mm nominal.
        QVERIFY2(fixed > 12.3 && fixed < 12.7 && qAbs(fixed - floating) < 0.0001,
                 qPrintable(QStringLiteral("%1 vs %2").arg(fixed).arg(floating)));
        QTRY_VERIFY_WITH_TIMEOUT(read().mid(3, 4) != answer.mid(3, 4), 2000);
    }

    // What KOVRAN needs to poll the bench at once, read by its own loader: the adapter and a Modbus card per
    // instrument.
    void settingsFiles()
    {
        DeviceRegistry registry;
        registry.loadAdapters();
        QCOMPARE(registry.adapters(), (QList<ModbusAdapter>{{m_link, 9600}}));
        registry.loadDevices();
        QStringList devices;
        for (const DeviceRecord &record : registry.devices())
            devices
                << QStringLiteral("%1 %2 %3").arg(record.portName).arg(int(record.address)).arg(record.type);
        QCOMPARE(devices, (QStringList{m_link + QStringLiteral(" 1 0"), m_link + QStringLiteral(" 2 0")}));
    }

    // A dongle's port goes out with a BLED112's USB ids, and two of its instruments, a VELKOR and the
    // Sylvac, become program devices reached through it; the nRF port with an nRF dongle's ids and one
    // VELKOR after them.
    void dongle()
    {
        SettingsSandbox settings;
        QTemporaryDir ports;
        QProcess sim;
        sim.start(QStringLiteral(KOVRAN_SIM_EXECUTABLE),
                  {QStringLiteral("--bled112"), QStringLiteral("3"), QStringLiteral("--nrf"),
                   QStringLiteral("--sylvac"), QStringLiteral("1"), QStringLiteral("--link-dir"),
                   ports.path(), QStringLiteral("--print-env"), QStringLiteral("--write-config"),
                   settings.path()});
        while (!sim.canReadLine())
            QVERIFY(sim.waitForReadyRead(5000));
        const QString dongle = ports.filePath(QStringLiteral("ttyBLED0"));
        const QString nrf = ports.filePath(QStringLiteral("ttyNRF0"));
        const QString sylvac = ports.filePath(QStringLiteral("ttySYLVAC0"));
        QCOMPARE(sim.readLine().trimmed(), "KOVRAN_VIRTUAL_PORTS=" + dongle.toLocal8Bit() + "@2458:0001;" +
                                               nrf.toLocal8Bit() + "@1915:521F;" + sylvac.toLocal8Bit());
        DeviceRegistry registry;
        registry.loadDevices();
        QStringList devices;
        for (const DeviceRecord &record : registry.devices())
            devices << QStringLiteral("%1|%2|%3|%4|%5|%6|%7")
                           .arg(record.name, record.portName)
                           .arg(int(record.address))
                           .arg(record.type)
                           .arg(record.mac, record.donglePort)
                           .arg(record.bleProtocol);
        const QString tail = QStringLiteral("|DONGLE|%1|4|%2|") + dongle + QStringLiteral("|%3");
        QCOMPARE(devices,
                 (QStringList{QStringLiteral("VELKOR CAL-150") + tail.arg(1).arg("F0:5A:11:00:00:01").arg(0),
                              QStringLiteral("SY289") + tail.arg(2).arg("54:6C:0E:00:00:03").arg(1),
                              QStringLiteral("VELKOR IND-10|DONGLE|3|3|C7:2A:10:00:00:02|") + nrf +
                                  QStringLiteral("|0"),
                              QStringLiteral("Sylvac S_Cal 1|") + sylvac + QStringLiteral("|1|5|||0")}));
        sim.terminate();
        QVERIFY(sim.waitForFinished(5000));
    }

    // The board's port goes out with its USB ids, and the program finds it in setting_devozor.ini; the
    // board's status frames are flowing on it.
    void heightGauge()
    {
        SettingsSandbox settings;
        QTemporaryDir ports;
        QProcess sim;
        sim.start(QStringLiteral(KOVRAN_SIM_EXECUTABLE),
                  {QStringLiteral("--height-gauge"), QStringLiteral("--link-dir"), ports.path(),
                   QStringLiteral("--print-env"), QStringLiteral("--write-config"), settings.path()});
        while (!sim.canReadLine())
            QVERIFY(sim.waitForReadyRead(5000));
        const QString board = ports.filePath(QStringLiteral("ttyHEIGHT0"));
        QCOMPARE(sim.readLine().trimmed(), "KOVRAN_VIRTUAL_PORTS=" + board.toLocal8Bit() + "@ABCD:1234");
        QSettings file(settings.filePath(QStringLiteral("setting_devozor.ini")), QSettings::IniFormat);
        QCOMPARE(file.value(QStringLiteral("Hardware/ComPort")).toString(), board);
        QCOMPARE(file.value(QStringLiteral("Hardware/BaudRate")).toInt(), 115200);
        QSerialPort port(board);
        QVERIFY(port.open(QIODevice::ReadWrite));
        QVERIFY(port.waitForReadyRead(1000));
        QCOMPARE(quint8(port.readAll().at(0)), quint8(0x0B));
        sim.terminate();
        QVERIFY(sim.waitForFinished(5000));
    }

    // The sensors' port goes out as a plain path, the program finds it in setting_laser.ini, and sensor 1
    // answers there. The stand's board would share the height gauge's USB ids, so the two are refused
    // together.
    void laser()
    {
        QCOMPARE(QProcess::execute(QStringLiteral(KOVRAN_SIM_EXECUTABLE),
                                   {QStringLiteral("--stand"), QStringLiteral("--height-gauge")}),
                 2);
        SettingsSandbox settings;
        QTemporaryDir ports;
        QProcess sim;
        sim.start(QStringLiteral(KOVRAN_SIM_EXECUTABLE),
                  {QStringLiteral("--laser"), QStringLiteral("--link-dir"), ports.path(),
                   QStringLiteral("--print-env"), QStringLiteral("--write-config"), settings.path()});
        while (!sim.canReadLine())
            QVERIFY(sim.waitForReadyRead(5000));
        const QString sensors = ports.filePath(QStringLiteral("ttyLASER0"));
        QCOMPARE(sim.readLine().trimmed(), "KOVRAN_VIRTUAL_PORTS=" + sensors.toLocal8Bit());
        QSettings file(settings.filePath(QStringLiteral("setting_laser.ini")), QSettings::IniFormat);
        QCOMPARE(file.value(QStringLiteral("Hardware/ComPort")).toString(), sensors);
        QCOMPARE(file.value(QStringLiteral("Hardware/BaudRate")).toInt(), 115200);
        QSerialPort port(sensors);
        QVERIFY(port.open(QIODevice::ReadWrite));
        QCOMPARE(transact(port, hex("0103003B0002B5C6"), 9).left(3), hex("010304"));
        sim.terminate();
        QVERIFY(sim.waitForFinished(5000));
    }

    // "k" at the terminal makes the keyboard instrument type a reading into its FIFO, the way an evdev node
    // delivers it; the FIFO is gone after the bench.
    void keyboardFifo()
    {
        QTemporaryDir ports;
        int terminal = -1;
        int slave = -1;
        char name[256] = {};
        QCOMPARE(openpty(&terminal, &slave, name, nullptr, nullptr), 0);
        QProcess sim;
        sim.setStandardInputFile(QString::fromLocal8Bit(name));
        sim.start(QStringLiteral(KOVRAN_SIM_EXECUTABLE),
                  {QStringLiteral("--keyboard-fifo"), QStringLiteral("--link-dir"), ports.path(),
                   QStringLiteral("--print-env")});
        QByteArray env;
        while (env.count('\n') < 2 && sim.waitForReadyRead(5000))
            env += sim.readAll();
        const QString fifo = ports.filePath(QStringLiteral("VELKOR-KBD-Caliper"));
        QCOMPARE(env,
                 "KOVRAN_VIRTUAL_PORTS=\nKOVRAN_VIRTUAL_KEYBOARDS=" + fifo.toLocal8Bit() + "@1209:4B56\n");

        const int fd = ::open(QFile::encodeName(fifo).constData(), O_RDWR | O_NONBLOCK);
        QVERIFY(fd >= 0);
        QCOMPARE(::write(terminal, "k\n", 2), ssize_t(2));
        QByteArray stream;
        const auto read = [fd, &stream] {
            char chunk[4096];
            ssize_t n;
            while ((n = ::read(fd, chunk, sizeof chunk)) > 0)
                stream.append(chunk, n);
            return typed(stream);
        };
        QTRY_VERIFY(read().endsWith(u'\n'));
        QVERIFY2(QRegularExpression(QStringLiteral("^\\d+\\.\\d{3}\n$")).match(typed(stream)).hasMatch(),
                 qPrintable(typed(stream)));
        QCOMPARE(stream.size() % qsizetype(sizeof(input_event)), 0);

        ::close(fd);
        sim.terminate();
        QVERIFY(sim.waitForFinished(5000));
        QVERIFY(!QFileInfo::exists(fifo));
        ::close(terminal);
        ::close(slave);
    }

private:
    QTemporaryDir m_dir;
    SettingsSandbox m_settings;
    QProcess m_sim;
    QString m_link;
    std::unique_ptr<QSerialPort> m_port;
};

QTEST_GUILESS_MAIN(TestKovranSim)
#include "tst_kovransim.moc"
