// Drives the built kovran-sim through its pseudo-terminals the way KOVRAN does: literal Modbus RTU frames
// in, answers checked byte by byte.

#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QProcess>
#include <QSerialPort>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>
#include <cstring>
#include <memory>

namespace {

constexpr int AnswerWaitMs = 1000;

quint16 crc16(const QByteArray &bytes)
{
    quint16 crc = 0xFFFF;
    for (char byte : bytes) {
        crc ^= quint8(byte);
        for (int bit = 0; bit < 8; ++bit)
            crc = (crc & 1) ? quint16((crc >> 1) ^ 0xA001) : quint16(crc >> 1);
    }
    return crc;
}

QByteArray withCrc(QByteArray frame)
{
    const quint16 crc = crc16(frame);
    frame.append(char(crc & 0xFF));
    frame.append(char(crc >> 8));
    return frame;
}

bool crcOk(const QByteArray &frame)
{
    return frame.size() >= 4 && withCrc(frame.left(frame.size() - 2)) == frame;
}

QByteArray request(quint8 address, quint8 function, quint16 first, quint16 second)
{
    QByteArray frame;
    frame.append(char(address));
    frame.append(char(function));
    frame.append(char(first >> 8));
    frame.append(char(first & 0xFF));
    frame.append(char(second >> 8));
    frame.append(char(second & 0xFF));
    return withCrc(frame);
}

QByteArray readRequest(quint8 address, quint16 start, quint16 count)
{
    return request(address, 0x03, start, count);
}

QByteArray writeRequest(quint8 address, quint16 reg, quint16 value)
{
    return request(address, 0x06, reg, value);
}

QByteArray exceptionFrame(quint8 address, quint8 function, quint8 code)
{
    QByteArray frame;
    frame.append(char(address));
    frame.append(char(function | 0x80));
    frame.append(char(code));
    return withCrc(frame);
}

// Register `index` of a read answer; 0xFFFF when the answer is too short to hold it.
quint16 word(const QByteArray &answer, int index)
{
    if (answer.size() < 5 + 2 * index)
        return 0xFFFF;
    return quint16(quint8(answer[3 + 2 * index]) << 8 | quint8(answer[4 + 2 * index]));
}

QString linkTarget(const QString &path)
{
    return QFileInfo(path).symLinkTarget();
}

// A running simulator started with --print-env.
class Simulator
{
public:
    bool start(const QStringList &arguments)
    {
        process.setProgram(QStringLiteral(KOVRAN_SIM_EXECUTABLE));
        process.setArguments(arguments);
        process.setProcessChannelMode(QProcess::SeparateChannels);
        process.start();
        if (!process.waitForStarted())
            return false;
        while (!process.canReadLine()) {
            if (!process.waitForReadyRead(5000))
                return false;
        }
        const QString line = QString::fromLocal8Bit(process.readLine()).trimmed();
        const QString prefix = QStringLiteral("KOVRAN_VIRTUAL_PORTS=");
        if (!line.startsWith(prefix))
            return false;
        ports = line.mid(prefix.size()).split(u';');
        return true;
    }

    bool stop(int signalNumber)
    {
        ::kill(pid_t(process.processId()), signalNumber);
        return process.waitForFinished(5000);
    }

    QProcess process;
    QStringList ports;
};

std::unique_ptr<QSerialPort> openPort(const QString &path)
{
    auto port = std::make_unique<QSerialPort>(path);
    port->setBaudRate(9600);
    port->setDataBits(QSerialPort::Data8);
    port->setParity(QSerialPort::NoParity);
    port->setStopBits(QSerialPort::OneStop);
    if (!port->open(QIODevice::ReadWrite))
        return nullptr;
    return port;
}

// Sends `bytes` and collects the answer until `expected` bytes are in (or the wait runs out). Whatever is
// already there beyond that stays in the result, so a stray byte shows as a wrong length.
QByteArray transact(QSerialPort &port, const QByteArray &bytes, int expected)
{
    port.write(bytes);
    port.waitForBytesWritten(AnswerWaitMs);
    QByteArray answer = port.readAll();
    QElapsedTimer clock;
    clock.start();
    while (answer.size() < expected && clock.elapsed() < AnswerWaitMs) {
        if (port.waitForReadyRead(50))
            answer += port.readAll();
    }
    return answer;
}

QByteArray readAnswer(QSerialPort &port, quint8 address, quint16 start, quint16 count)
{
    return transact(port, readRequest(address, start, count), 5 + 2 * count);
}

} // namespace

class TestKovranSim : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();

    void identificationBlock_data();
    void identificationBlock();
    void exceptions_data();
    void exceptions();
    void staysSilent_data();
    void staysSilent();
    void framing_data();
    void framing();

    void valueRegistersAgree();
    void valueMoves();
    void zeroCommand();
    void unitChangeConvertsValue();
    void addressChange();
    void speedCodeAndBroadcast();

    void settingsFiles();
    void spreadsKindsOverAdapters();
    void defaultRunPrintsSummary();
    void rejectsBadCommandLines_data();
    void rejectsBadCommandLines();

    void sigtermEndsCleanly();

private:
    // Reads the value registers of `address` in one request: the integer copy and the float copy.
    bool readValue(quint8 address, double *integerValue, float *floatValue = nullptr);
    double value(quint8 address);

    QTemporaryDir m_dir;
    Simulator m_sim;
    std::unique_ptr<QSerialPort> m_port;
};

void TestKovranSim::initTestCase()
{
    QVERIFY(QFileInfo::exists(QStringLiteral(KOVRAN_SIM_EXECUTABLE)));
    QDir().mkpath(QDir::tempPath());
    QVERIFY(m_dir.isValid());
    QVERIFY(m_sim.start({QStringLiteral("--modbus"), QStringLiteral("2"), QStringLiteral("--link-dir"),
                         m_dir.path(), QStringLiteral("--print-env"), QStringLiteral("--write-config"),
                         m_dir.path()}));
    QCOMPARE(m_sim.ports, QStringList{m_dir.filePath(QStringLiteral("ttyKOVRAN0"))});
    QVERIFY(linkTarget(m_sim.ports.first()).startsWith(QLatin1String("/dev/")));
    m_port = openPort(m_sim.ports.first());
    QVERIFY(m_port);
}

bool TestKovranSim::readValue(quint8 address, double *integerValue, float *floatValue)
{
    const QByteArray answer = readAnswer(*m_port, address, 0x200D, 4);
    if (answer.size() != 13 || !crcOk(answer))
        return false;
    *integerValue = qint32(quint32(word(answer, 0)) << 16 | word(answer, 1)) / 10000.0;
    if (floatValue) {
        const quint32 bits = quint32(word(answer, 2)) << 16 | word(answer, 3);
        std::memcpy(floatValue, &bits, sizeof bits);
    }
    return true;
}

double TestKovranSim::value(quint8 address)
{
    double v = qQNaN();
    readValue(address, &v);
    return v;
}

void TestKovranSim::identificationBlock_data()
{
    QTest::addColumn<QByteArray>("request");
    QTest::addColumn<int>("address");

    QTest::newRow("address 1, literal frame") << QByteArray::fromHex("01032000000ACE0D") << 1;
    QTest::newRow("address 2") << readRequest(2, 0x2000, 10) << 2;
}

void TestKovranSim::identificationBlock()
{
    QFETCH(QByteArray, request);
    QFETCH(int, address);

    const QByteArray answer = transact(*m_port, request, 25);
    QCOMPARE(answer.size(), 25);
    QVERIFY(crcOk(answer));
    QCOMPARE(quint8(answer[0]), quint8(address));
    QCOMPARE(quint8(answer[1]), quint8(0x03));
    QCOMPARE(quint8(answer[2]), quint8(20));
    QCOMPARE(word(answer, 2), quint16(0)); // unit: mm
    QCOMPARE(word(answer, 7), quint16(0)); // linear sensor

    // Calibration date and serial number, as the program asks for them after first contact.
    const QByteArray info = readAnswer(*m_port, quint8(address), 0x201B, 4);
    QCOMPARE(info.size(), 13);
    QVERIFY(crcOk(info));
    const int day = word(info, 0) >> 8;
    const int month = word(info, 0) & 0xFF;
    QVERIFY(day >= 1 && day <= 31);
    QVERIFY(month >= 1 && month <= 12);
    QVERIFY(word(info, 1) >= 2000);
    QVERIFY((quint32(word(info, 2)) << 16 | word(info, 3)) != 0);
}

void TestKovranSim::exceptions_data()
{
    QTest::addColumn<QByteArray>("request");
    QTest::addColumn<QByteArray>("answer");

    QTest::newRow("unsupported function") << request(1, 0x04, 0x2000, 1) << exceptionFrame(1, 0x04, 1);
    QTest::newRow("unsupported function of unknown layout")
        << withCrc(QByteArray::fromHex("012B0E0100")) << exceptionFrame(1, 0x2B, 1);
    QTest::newRow("register outside the map") << readRequest(1, 0x3000, 1) << exceptionFrame(1, 0x03, 2);
    QTest::newRow("read running past the map") << readRequest(2, 0x201E, 2) << exceptionFrame(2, 0x03, 2);
    QTest::newRow("read across the gap") << readRequest(1, 0x0001, 2) << exceptionFrame(1, 0x03, 2);
    QTest::newRow("read of no registers") << readRequest(1, 0x2000, 0) << exceptionFrame(1, 0x03, 3);
    QTest::newRow("write to a read-only register")
        << writeRequest(1, 0x2007, 9) << exceptionFrame(1, 0x06, 2);
    QTest::newRow("write outside the map") << writeRequest(1, 0x1234, 1) << exceptionFrame(1, 0x06, 2);
    QTest::newRow("unknown unit code") << writeRequest(1, 0x2002, 6) << exceptionFrame(1, 0x06, 3);
    QTest::newRow("force unit on a linear sensor")
        << writeRequest(2, 0x2002, 2) << exceptionFrame(2, 0x06, 3);
    QTest::newRow("address 0") << writeRequest(1, 0x0000, 0) << exceptionFrame(1, 0x06, 3);
    QTest::newRow("address 248") << writeRequest(1, 0x0000, 248) << exceptionFrame(1, 0x06, 3);
    QTest::newRow("speed code 14") << writeRequest(1, 0x0001, 14) << exceptionFrame(1, 0x06, 3);
    QTest::newRow("zero command 2") << writeRequest(1, 0x200A, 2) << exceptionFrame(1, 0x06, 3);
}

void TestKovranSim::exceptions()
{
    QFETCH(QByteArray, request);
    QFETCH(QByteArray, answer);

    QCOMPARE(transact(*m_port, request, 5).toHex(' '), answer.toHex(' '));
}

void TestKovranSim::staysSilent_data()
{
    QTest::addColumn<QByteArray>("request");

    QTest::newRow("absent address 3") << readRequest(3, 0x2000, 10);
    QByteArray corrupted = readRequest(1, 0x2000, 10);
    corrupted[7] = char(corrupted[7] ^ 0x01);
    QTest::newRow("corrupted CRC") << corrupted;
    QTest::newRow("line noise") << QByteArray::fromHex("FF00FF");
}

void TestKovranSim::staysSilent()
{
    QFETCH(QByteArray, request);

    // Silence is proven by the next answer arriving alone: anything answered to the first frame would
    // come before it and spoil the comparison.
    m_port->write(request);
    const QByteArray probe = readRequest(2, 0x0000, 1);
    const QByteArray answer = transact(*m_port, probe, 7);
    QCOMPARE(answer.size(), 7);
    QCOMPARE(quint8(answer[0]), quint8(2));
    QVERIFY(crcOk(answer));
    QCOMPARE(word(answer, 0), quint16(2));
}

void TestKovranSim::framing_data()
{
    QTest::addColumn<QByteArrayList>("pieces");
    QTest::addColumn<QByteArray>("answer");

    const QByteArray readOne = readRequest(1, 0x0000, 1);
    const QByteArray readTwo = readRequest(2, 0x0000, 1);
    const QByteArray answerOne = withCrc(QByteArray::fromHex("0103020001"));
    const QByteArray answerTwo = withCrc(QByteArray::fromHex("0203020002"));

    QTest::newRow("request in two pieces") << QByteArrayList{readOne.left(3), readOne.mid(3)} << answerOne;
    QTest::newRow("two requests in one write") << QByteArrayList{readOne + readTwo} << answerOne + answerTwo;
    QTest::newRow("noise before a request")
        << QByteArrayList{QByteArray::fromHex("FF00FF") + readTwo} << answerTwo;
    QTest::newRow("damaged frame before a request")
        << QByteArrayList{readOne.left(6) + QByteArray::fromHex("0000") + readTwo} << answerTwo;
}

void TestKovranSim::framing()
{
    QFETCH(QByteArrayList, pieces);
    QFETCH(QByteArray, answer);

    for (int i = 0; i + 1 < pieces.size(); ++i) {
        m_port->write(pieces[i]);
        QVERIFY(m_port->waitForBytesWritten(AnswerWaitMs));
    }
    QCOMPARE(transact(*m_port, pieces.last(), int(answer.size())).toHex(' '), answer.toHex(' '));
}

void TestKovranSim::valueRegistersAgree()
{
    double integerValue = 0;
    float floatValue = 0;
    QVERIFY(readValue(1, &integerValue, &floatValue));
    // A linear sensor near its 12.5 mm nominal; the two copies come from one sample.
    QVERIFY2(integerValue > 12.3 && integerValue < 12.7, qPrintable(QString::number(integerValue)));
    QVERIFY2(qAbs(integerValue - double(floatValue)) < 0.0001,
             qPrintable(QStringLiteral("%1 vs %2").arg(integerValue).arg(double(floatValue))));
}

void TestKovranSim::valueMoves()
{
    const double first = value(1);
    QVERIFY(!qIsNaN(first));
    QTRY_VERIFY_WITH_TIMEOUT(value(1) != first, 2000);
}

void TestKovranSim::zeroCommand()
{
    const QByteArray zero = writeRequest(1, 0x200A, 1);
    QCOMPARE(transact(*m_port, zero, 8).toHex(' '), zero.toHex(' '));
    QVERIFY2(qAbs(value(1)) < 0.02, qPrintable(QString::number(value(1))));
    QVERIFY2(value(2) > 12.0, "zeroing one instrument must not touch its neighbour");

    // Zeroing again starts from the raw reading, not from the last zero.
    QCOMPARE(transact(*m_port, zero, 8).toHex(' '), zero.toHex(' '));
    QVERIFY(qAbs(value(1)) < 0.02);

    const QByteArray absolute = writeRequest(1, 0x200A, 0);
    QCOMPARE(transact(*m_port, absolute, 8).toHex(' '), absolute.toHex(' '));
    QVERIFY(value(1) > 12.3);
}

void TestKovranSim::unitChangeConvertsValue()
{
    const double millimetres = value(2);
    const QByteArray toInch = writeRequest(2, 0x2002, 1);
    QCOMPARE(transact(*m_port, toInch, 8).toHex(' '), toInch.toHex(' '));

    const QByteArray identification = readAnswer(*m_port, 2, 0x2000, 10);
    QCOMPARE(identification.size(), 25);
    QCOMPARE(word(identification, 2), quint16(1));
    double inches = 0;
    float inchesFloat = 0;
    QVERIFY(readValue(2, &inches, &inchesFloat));
    QVERIFY2(qAbs(inches * 25.4 - millimetres) < 0.02,
             qPrintable(QStringLiteral("%1 in, %2 mm").arg(inches).arg(millimetres)));
    QVERIFY(qAbs(inches - double(inchesFloat)) < 0.0001);
    QCOMPARE(word(readAnswer(*m_port, 1, 0x2002, 1), 0), quint16(0)); // the neighbour keeps its unit

    const QByteArray toMillimetre = writeRequest(2, 0x2002, 0);
    QCOMPARE(transact(*m_port, toMillimetre, 8).toHex(' '), toMillimetre.toHex(' '));
    QVERIFY(qAbs(value(2) - millimetres) < 0.02);
}

void TestKovranSim::addressChange()
{
    // The echo still comes from the old address; from then on only the new one answers.
    const QByteArray toFive = writeRequest(2, 0x0000, 5);
    QCOMPARE(transact(*m_port, toFive, 8).toHex(' '), toFive.toHex(' '));

    m_port->write(readRequest(2, 0x0000, 1));
    const QByteArray answer = readAnswer(*m_port, 5, 0x0000, 1);
    QCOMPARE(answer.size(), 7);
    QCOMPARE(quint8(answer[0]), quint8(5));
    QCOMPARE(word(answer, 0), quint16(5));
    QCOMPARE(word(readAnswer(*m_port, 5, 0x2008, 1), 0), quint16(5)); // the identification copy follows

    const QByteArray back = writeRequest(5, 0x0000, 2);
    QCOMPARE(transact(*m_port, back, 8).toHex(' '), back.toHex(' '));
    QCOMPARE(readAnswer(*m_port, 2, 0x2000, 10).size(), 25);
}

void TestKovranSim::speedCodeAndBroadcast()
{
    const QByteArray to115200 = writeRequest(1, 0x0001, 9);
    QCOMPARE(transact(*m_port, to115200, 8).toHex(' '), to115200.toHex(' '));
    QCOMPARE(word(readAnswer(*m_port, 1, 0x0000, 2), 1), quint16(9));
    QCOMPARE(word(readAnswer(*m_port, 2, 0x0001, 1), 0), quint16(3));

    // A broadcast reaches every instrument and nobody answers it: the next answer arrives alone.
    m_port->write(writeRequest(0, 0x0001, 4));
    const QByteArray first = readAnswer(*m_port, 1, 0x0001, 1);
    QCOMPARE(first.size(), 7);
    QCOMPARE(word(first, 0), quint16(4));
    QCOMPARE(word(readAnswer(*m_port, 2, 0x0001, 1), 0), quint16(4));

    m_port->write(writeRequest(0, 0x0001, 3));
    QCOMPARE(word(readAnswer(*m_port, 1, 0x0001, 1), 0), quint16(3));
}

void TestKovranSim::settingsFiles()
{
    const QString port = m_sim.ports.first();

    QSettings adapters(m_dir.filePath(QStringLiteral("com_adapters.ini")), QSettings::IniFormat);
    QCOMPARE(adapters.beginReadArray(QStringLiteral("Adapters")), 1);
    adapters.setArrayIndex(0);
    QCOMPARE(adapters.value(QStringLiteral("portName")).toString(), port);
    QCOMPARE(adapters.value(QStringLiteral("baudRate")).toInt(), 9600);
    adapters.endArray();

    QSettings devices(m_dir.filePath(QStringLiteral("devices_config.ini")), QSettings::IniFormat);
    QCOMPARE(devices.beginReadArray(QStringLiteral("Devices")), 2);
    for (int i = 0; i < 2; ++i) {
        devices.setArrayIndex(i);
        QCOMPARE(devices.value(QStringLiteral("name")).toString(), QStringLiteral("Indicator %1").arg(i + 1));
        QCOMPARE(devices.value(QStringLiteral("portName")).toString(), port);
        QCOMPARE(devices.value(QStringLiteral("address")).toInt(), i + 1);
        QCOMPARE(devices.value(QStringLiteral("type"), -1).toInt(), 0);
        QCOMPARE(devices.value(QStringLiteral("precision")).toInt(), 3);
        QCOMPARE(devices.value(QStringLiteral("measuringType"), -1).toInt(), 0);
        QCOMPARE(devices.value(QStringLiteral("limitMin"), -1).toDouble(), 0.0);
        QCOMPARE(devices.value(QStringLiteral("limitMax"), -1).toDouble(), 0.0);
        QCOMPARE(devices.value(QStringLiteral("unit"), -1).toInt(), 0);
        QCOMPARE(devices.value(QStringLiteral("hidUnit"), -1).toInt(), 0);
        QCOMPARE(devices.value(QStringLiteral("hidDecimals")).toInt(), 2);
        QCOMPARE(devices.value(QStringLiteral("bleProtocol"), -1).toInt(), 0);
        QCOMPARE(devices.value(QStringLiteral("serialUnit"), -1).toInt(), 0);
        for (const char *key : {"hidPath", "mac", "donglePort", "userId"}) {
            QVERIFY2(devices.contains(QLatin1String(key)), key);
            QCOMPARE(devices.value(QLatin1String(key)).toString(), QString());
        }
    }
    devices.endArray();
}

void TestKovranSim::spreadsKindsOverAdapters()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    // A link left behind by a killed run is replaced.
    const QString stale = dir.filePath(QStringLiteral("ttyKOVRAN1"));
    QVERIFY(QFile::link(QStringLiteral("/nonexistent/pts"), stale));

    Simulator sim;
    QVERIFY(sim.start({QStringLiteral("--modbus"), QStringLiteral("4"), QStringLiteral("--adapters"),
                       QStringLiteral("2"), QStringLiteral("--link-dir"), dir.path(),
                       QStringLiteral("--print-env")}));
    QCOMPARE(sim.ports, (QStringList{dir.filePath(QStringLiteral("ttyKOVRAN0")), stale}));
    QVERIFY(linkTarget(stale).startsWith(QLatin1String("/dev/")));
    QVERIFY(linkTarget(sim.ports[0]) != linkTarget(sim.ports[1]));

    auto first = openPort(sim.ports[0]);
    auto second = openPort(sim.ports[1]);
    QVERIFY(first && second);

    struct Expected
    {
        QSerialPort *port;
        quint8 address;
        quint16 unit;
        quint16 kind;
    };
    const Expected expected[] = {
        {first.get(), 1, 0, 0}, {first.get(), 2, 0, 0}, {second.get(), 3, 2, 10}, {second.get(), 4, 4, 9}};
    for (const Expected &e : expected) {
        const QByteArray answer = readAnswer(*e.port, e.address, 0x2000, 10);
        QCOMPARE(answer.size(), 25);
        QCOMPARE(quint8(answer[0]), e.address);
        QCOMPARE(word(answer, 2), e.unit);
        QCOMPARE(word(answer, 7), e.kind);
    }
    // Each adapter carries only its own instruments.
    second->write(readRequest(1, 0x2000, 10));
    QCOMPARE(readAnswer(*second, 3, 0x0000, 1).size(), 7);

    // A dynamometer switches between newton and pound-force, and refuses length units.
    const QByteArray toPoundForce = writeRequest(3, 0x2002, 3);
    QCOMPARE(transact(*second, toPoundForce, 8).toHex(' '), toPoundForce.toHex(' '));
    QCOMPARE(transact(*second, writeRequest(3, 0x2002, 1), 5).toHex(' '),
             exceptionFrame(3, 0x06, 3).toHex(' '));

    first.reset();
    second.reset();
    QVERIFY(sim.stop(SIGINT));
    QCOMPARE(sim.process.exitStatus(), QProcess::NormalExit);
    QCOMPARE(sim.process.exitCode(), 0);
    QVERIFY(!QFileInfo(sim.ports[0]).isSymLink());
    QVERIFY(!QFileInfo(stale).isSymLink());
}

void TestKovranSim::defaultRunPrintsSummary()
{
    QProcess process;
    process.start(QStringLiteral(KOVRAN_SIM_EXECUTABLE), QStringList());
    QVERIFY(process.waitForStarted());
    QString output;
    while (!output.contains(QLatin1String("KOVRAN_VIRTUAL_PORTS="))) {
        QVERIFY(process.waitForReadyRead(5000));
        output += QString::fromLocal8Bit(process.readAllStandardOutput());
    }
    // Three instruments by default, the third a dynamometer.
    QVERIFY(output.contains(QLatin1String("address 1: linear sensor")));
    QVERIFY(output.contains(QLatin1String("address 2: linear sensor")));
    QVERIFY(output.contains(QLatin1String("address 3: dynamometer, N")));
    QVERIFY(!output.contains(QLatin1String("address 4")));

    QString port;
    for (const QString &line : output.split(u'\n')) {
        if (line.startsWith(QLatin1String("KOVRAN_VIRTUAL_PORTS=")))
            port = line.mid(21).trimmed();
    }
    // The default folder for the links is a fresh one under the temporary folder, gone after the run.
    QVERIFY2(port.startsWith(QDir::tempPath()), qPrintable(port));
    QVERIFY(QFileInfo(port).isSymLink());

    ::kill(pid_t(process.processId()), SIGTERM);
    QVERIFY(process.waitForFinished(5000));
    QCOMPARE(process.exitCode(), 0);
    QVERIFY(!QFileInfo::exists(QFileInfo(port).path()));
}

void TestKovranSim::rejectsBadCommandLines_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<bool>("occupyLinkName");

    QTest::newRow("address range exceeded")
        << QStringList{QStringLiteral("--modbus"), QStringLiteral("248")} << false;
    QTest::newRow("count not a number")
        << QStringList{QStringLiteral("--modbus"), QStringLiteral("two")} << false;
    QTest::newRow("no adapters") << QStringList{QStringLiteral("--adapters"), QStringLiteral("0")} << false;
    QTest::newRow("nothing to simulate")
        << QStringList{QStringLiteral("--modbus"), QStringLiteral("0")} << false;
    QTest::newRow("stray argument") << QStringList{QStringLiteral("ttyUSB0")} << false;
    QTest::newRow("unknown option") << QStringList{QStringLiteral("--bogus")} << false;
    QTest::newRow("link name taken by a real file") << QStringList{} << true;
}

void TestKovranSim::rejectsBadCommandLines()
{
    QFETCH(QStringList, arguments);
    QFETCH(bool, occupyLinkName);

    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString linkName = dir.filePath(QStringLiteral("ttyKOVRAN0"));
    if (occupyLinkName) {
        QFile file(linkName);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("keep me");
    }

    QProcess process;
    process.start(QStringLiteral(KOVRAN_SIM_EXECUTABLE),
                  arguments +
                      QStringList{QStringLiteral("--link-dir"), dir.path(), QStringLiteral("--print-env")});
    QVERIFY(process.waitForFinished(5000));
    QCOMPARE(process.exitStatus(), QProcess::NormalExit);
    QVERIFY(process.exitCode() != 0);
    QVERIFY(!process.readAllStandardError().isEmpty());
    QVERIFY(!process.readAllStandardOutput().contains("KOVRAN_VIRTUAL_PORTS"));
    if (occupyLinkName) {
        QFile file(linkName);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), QByteArray("keep me"));
    }
}

void TestKovranSim::sigtermEndsCleanly()
{
    m_port.reset();
    QVERIFY(m_sim.stop(SIGTERM));
    QCOMPARE(m_sim.process.exitStatus(), QProcess::NormalExit);
    QCOMPARE(m_sim.process.exitCode(), 0);
    // --print-env promised one line and nothing more.
    QCOMPARE(m_sim.process.readAllStandardOutput(), QByteArray());
    QVERIFY(!QFileInfo(m_sim.ports.first()).isSymLink());
    QVERIFY(QFileInfo::exists(m_dir.filePath(QStringLiteral("devices_config.ini"))));
}

QTEST_GUILESS_MAIN(TestKovranSim)
#include "tst_kovransim.moc"
