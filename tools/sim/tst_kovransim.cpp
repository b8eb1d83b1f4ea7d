// Drives the built kovran-sim through its pseudo-terminal the way KOVRAN does: literal Modbus RTU frames
// in (CRC-16/MODBUS, low byte first), answers checked byte by byte.

#include <QElapsedTimer>
#include <QFileInfo>
#include <QProcess>
#include <QSerialPort>
#include <QSettings>
#include <QTemporaryDir>
#include <QtEndian>
#include <QtTest>

#include <cstring>
#include <memory>

namespace {

QByteArray hex(const char *text)
{
    return QByteArray::fromHex(text);
}

// Address 2, register 0x0000: answered with its own address.
const char *const Probe = "0203000000018439";
const char *const ProbeAnswer = "02030200027D85";

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
    void initTestCase();
    void cleanupTestCase();
    void frames_data();
    void frames();
    void valueRegistersAgreeAndMove();
    void settingsFiles();

private:
    // An instrument's reading from one request: the int32 x10000 copy and the float copy.
    double readValue(quint8 address, float *floatValue = nullptr);

    QTemporaryDir m_dir;
    QProcess m_sim;
    QString m_link;
    std::unique_ptr<QSerialPort> m_port;
};

void TestKovranSim::initTestCase()
{
    QVERIFY(m_dir.isValid());
    m_sim.start(QStringLiteral(KOVRAN_SIM_EXECUTABLE),
                {QStringLiteral("--modbus"), QStringLiteral("2"), QStringLiteral("--link-dir"), m_dir.path(),
                 QStringLiteral("--print-env"), QStringLiteral("--write-config"), m_dir.path()});
    while (!m_sim.canReadLine())
        QVERIFY(m_sim.waitForReadyRead(5000));
    m_link = m_dir.filePath(QStringLiteral("ttyKOVRAN0"));
    QCOMPARE(m_sim.readLine().trimmed(), QByteArray("KOVRAN_VIRTUAL_PORTS=") + m_link.toLocal8Bit());
    m_port = std::make_unique<QSerialPort>(m_link);
    QVERIFY(m_port->open(QIODevice::ReadWrite));
}

void TestKovranSim::cleanupTestCase()
{
    m_port.reset();
    m_sim.terminate();
    QVERIFY(m_sim.waitForFinished(5000));
    QVERIFY(!QFileInfo(m_link).isSymLink()); // a stopped bench leaves no port behind
}

double TestKovranSim::readValue(quint8 address, float *floatValue)
{
    // Registers 0x200D-0x2010 of address 1 or 2.
    const QByteArray request = address == 1 ? hex("0103200D0004DE0A") : hex("0203200D0004DE39");
    const QByteArray answer = transact(*m_port, request, 13);
    if (answer.size() != 13 || !answer.startsWith(QByteArray(request.left(2)).append(char(8))))
        return qQNaN();
    const auto dword = [&answer](int at) { return qFromBigEndian<quint32>(answer.constData() + at); };
    if (floatValue) {
        const quint32 bits = dword(7);
        std::memcpy(floatValue, &bits, sizeof bits);
    }
    return qint32(dword(3)) / 10000.0;
}

// Every request is followed by the probe: its answer must come right after the expected reply, which
// proves silence, and no stray byte.
void TestKovranSim::frames_data()
{
    QTest::addColumn<QByteArray>("request");
    QTest::addColumn<QByteArray>("reply");

    // mm, 3 decimals, range 25, linear sensor, address 1, speed code 3
    QTest::newRow("identification of address 1")
        << hex("01032000000ACE0D") << hex("0103144B560104000000030019000000000000000100032C35");
    // calibrated 15.11.2024, serial 24050102
    QTest::newRow("calibration of address 2") << hex("0203201B00043FFD") << hex("0203080F0B07E8016EF9B6A274");
    QTest::newRow("address 3 is silent") << hex("03032000000ACFEF") << QByteArray();
    QTest::newRow("corrupted CRC is ignored") << hex("01032000000ACE0C") << QByteArray();
    QTest::newRow("unsupported function") << hex("0104200000013A0A") << hex("01840182C0");
    QTest::newRow("read past the registers") << hex("0103202000018E00") << hex("018302C0F1");
    QTest::newRow("write to a read-only register") << hex("010620070009F3CD") << hex("018602C3A1");
    QTest::newRow("address 0 refused") << hex("01060000000089CA") << hex("0186030261");
}

void TestKovranSim::frames()
{
    QFETCH(QByteArray, request);
    QFETCH(QByteArray, reply);

    m_port->write(request);
    const QByteArray expected = reply + hex(ProbeAnswer);
    QCOMPARE(transact(*m_port, hex(Probe), int(expected.size())).toHex(' '), expected.toHex(' '));
}

void TestKovranSim::valueRegistersAgreeAndMove()
{
    float floatValue = 0;
    const double first = readValue(1, &floatValue);
    // A linear sensor near its 12.5 mm nominal; both copies come from one sample.
    QVERIFY2(first > 12.3 && first < 12.7, qPrintable(QString::number(first)));
    QVERIFY2(qAbs(first - double(floatValue)) < 0.0001,
             qPrintable(QStringLiteral("%1 vs %2").arg(first).arg(double(floatValue))));
    QTRY_VERIFY_WITH_TIMEOUT(readValue(1) != first, 2000);
}

// What KOVRAN needs to poll the bench at once: the adapter and a Modbus card per instrument.
void TestKovranSim::settingsFiles()
{
    QSettings adapters(m_dir.filePath(QStringLiteral("com_adapters.ini")), QSettings::IniFormat);
    QCOMPARE(adapters.beginReadArray(QStringLiteral("Adapters")), 1);
    adapters.setArrayIndex(0);
    QCOMPARE(adapters.value(QStringLiteral("portName")).toString(), m_link);

    QSettings devices(m_dir.filePath(QStringLiteral("devices_config.ini")), QSettings::IniFormat);
    QCOMPARE(devices.beginReadArray(QStringLiteral("Devices")), 2);
    for (int i = 0; i < 2; ++i) {
        devices.setArrayIndex(i);
        QCOMPARE(devices.value(QStringLiteral("portName")).toString(), m_link);
        QCOMPARE(devices.value(QStringLiteral("address")).toInt(), i + 1);
        QCOMPARE(devices.value(QStringLiteral("type"), -1).toInt(), 0); // Modbus
    }
}

QTEST_GUILESS_MAIN(TestKovranSim)
#include "tst_kovransim.moc"
