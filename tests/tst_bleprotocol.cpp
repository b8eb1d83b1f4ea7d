#include "links/ble/bleprotocol.h"

#include <QRandomGenerator>
#include <QSignalSpy>
#include <QTest>
#include <QThread>

#include <cmath>

// Carries readings across threads the way the dongle links do.
class ReadingSource : public QObject
{
    Q_OBJECT
signals:
    void readingReceived(const QString &address, const BleReading &reading);
};

class TestBleProtocol : public QObject
{
    Q_OBJECT

private slots:
    void profileTable();
    void nameRecognition();
    void velkorPackets();
    void buttonEdgeAcrossPackets();
    void streamValues();
    void sylvacLineSplitting();
    void sylvacValueAndUnitLines();
    void queryAnswersAndCommands();
    void readingCrossesThreads();
    void randomInputNeverHurts();
};

namespace {

// A reading with every field set, to show that a failed parse leaves it alone.
BleReading sentinel()
{
    return BleReading{777.25, true, true, true, true, 0x5A, 0xA5};
}

bool sameReading(const BleReading &a, const BleReading &b)
{
    return a.value == b.value && a.isInch == b.isInch && a.sentByButton == b.sentByButton &&
           a.flagBit3 == b.flagBit3 && a.buttonFlag == b.buttonFlag && a.packetByte3 == b.packetByte3 &&
           a.packetByte4 == b.packetByte4;
}

// One row of a parser table: input, whether it parses, what it gives.
struct Row
{
    const char *input;
    bool ok;
    double value;
};

// A packet with a correct checksum, built independently of the parser.
QByteArray velkorPacket(quint8 flags, const QByteArray &text)
{
    QByteArray p = QByteArray::fromHex("1E2C00000000");
    p[2] = char(flags);
    p.append(char(0)).append(char(text.size())).append(text);
    quint8 x = 0;
    for (char c : p)
        x ^= quint8(c);
    p[6] = char(x);
    return p;
}

} // namespace

void TestBleProtocol::profileTable()
{
    const BleProtocolProfile &v = bleProfile(BleProtocol::Velkor);
    QCOMPARE(v.protocol, 0);
    QCOMPARE(v.serviceUuid, QBluetoothUuid(QStringLiteral("f000aa10-0451-4000-b000-000000000000")));
    QCOMPARE(v.dataCharUuid, QBluetoothUuid(QStringLiteral("f000aa11-0451-4000-b000-000000000000")));
    QCOMPARE(v.commandCharUuid, QBluetoothUuid(QStringLiteral("f000aa12-0451-4000-b000-000000000000")));
    QVERIFY(v.unitCharUuid.isNull() && v.streamServiceUuid.isNull() && v.streamCharUuid.isNull());
    QCOMPARE(v.shortIds, (std::array<quint16, 6>{0xAA10, 0xAA11, 0xAA12, 0, 0, 0}));
    QCOMPARE(QByteArray(reinterpret_cast<const char *>(v.baseUuid128.data()), 16),
             QByteArray::fromHex("00000000000000B00040510410AA00F0"));
    QVERIFY(!v.useIndications);

    const BleProtocolProfile &s = bleProfile(BleProtocol::Sylvac);
    QCOMPARE(s.protocol, 1);
    QCOMPARE(s.serviceUuid, QBluetoothUuid(QStringLiteral("C1B25000-CAAF-6D0E-4C33-7DAE30052840")));
    QCOMPARE(s.dataCharUuid, QBluetoothUuid(QStringLiteral("C1B25010-CAAF-6D0E-4C33-7DAE30052840")));
    QCOMPARE(s.commandCharUuid, QBluetoothUuid(QStringLiteral("C1B25012-CAAF-6D0E-4C33-7DAE30052840")));
    QCOMPARE(s.unitCharUuid, QBluetoothUuid(QStringLiteral("C1B25013-CAAF-6D0E-4C33-7DAE30052840")));
    QCOMPARE(s.streamServiceUuid, QBluetoothUuid(QStringLiteral("00005000-0000-1000-8000-00805f9b34fb")));
    QCOMPARE(s.streamCharUuid, QBluetoothUuid(QStringLiteral("00005020-0000-1000-8000-00805f9b34fb")));
    // Same 16-bit number as the vendor service, yet a different service.
    QVERIFY(s.streamServiceUuid != s.serviceUuid);
    QCOMPARE(s.shortIds, (std::array<quint16, 6>{0x5000, 0x5010, 0x5012, 0x5013, 0x5000, 0x5020}));
    QCOMPARE(QByteArray(reinterpret_cast<const char *>(s.baseUuid128.data()), 16),
             QByteArray::fromHex("40280530AE7D334C0E6DAFCA0000B2C1"));
    QVERIFY(s.useIndications);

    // Unknown kinds fall back to VELKOR; the table is built once.
    QCOMPARE(&bleProfile(7), &v);
    QCOMPARE(&bleProfile(-1), &v);
    QCOMPARE(&bleProfile(1), &s);
    QCOMPARE(bleProtocolName(1), QStringLiteral("Sylvac"));
    QCOMPARE(bleProtocolName(0), QStringLiteral("VELKOR"));
    QCOMPARE(bleProtocolName(5), QStringLiteral("VELKOR"));
    QCOMPARE(bleProtocolDisplayName(1), QStringLiteral("Sylvac"));
}

void TestBleProtocol::nameRecognition()
{
    struct Case
    {
        const char *name;
        bool supported;
        int protocol;
    };
    const Case cases[] = {
        {"VELKOR-C150", true, 0}, {"velkor dial", true, 0}, {"sylvac bt", true, 1},  {"SY289", true, 1},
        {"s_dial work", true, 1}, {"S_Cal EVO", true, 1},   {"S_MIKE pro", true, 1}, {"S_Other", false, 0},
        {"My VELKOR", false, 0},  {"VELKO", false, 0},      {"", false, 0},
    };
    for (const Case &c : cases) {
        const QString name = QString::fromLatin1(c.name);
        QVERIFY2(isSupportedBleName(name) == c.supported, c.name);
        QCOMPARE(bleProtocolFromName(name), c.protocol);
        QCOMPARE(isSylvacName(name), c.supported && c.protocol == 1);
        QCOMPARE(isVelkorName(name), c.supported && c.protocol == 0);
    }
}

void TestBleProtocol::velkorPackets()
{
    struct Good
    {
        const char *hex;
        double value;
        int flags; // isInch | buttonFlag << 1 | flagBit3 << 3
        int byte3, byte4;
    };
    // Checksums worked out by hand.
    const Good good[] = {
        {"1E2C001234565B0631322E333435", 12.345, 0, 0x12, 0x34}, // mm, carried bytes
        {"1E2C030000002C06302E35303030", 0.5, 3, 0, 0},          // inch and button
        {"1E2C040000002804312E3530", -1.5, 0, 0, 0},             // negative flag, no sign
        {"1E2C0400000004052D312E3530", -1.5, 0, 0, 0},           // negative flag and sign
        {"1E2C0000000001052D322E3235", -2.25, 0, 0, 0},          // sign without flag
        {"1E2C08ABCD0068072B3030372E3130", 7.1, 8, 0xAB, 0xCD},  // bit 3, plus, leading zeros
        {"1E2C040000002804312E3530FFEE", -1.5, 0, 0, 0},         // tail ignored
    };
    for (const Good &g : good) {
        const QByteArray packet = QByteArray::fromHex(g.hex);
        QVERIFY(isVelkorPacket(packet));
        BleReading r = sentinel();
        QVERIFY2(parseVelkorPacket(packet, r), g.hex);
        QCOMPARE(r.value, g.value);
        QCOMPARE(int(r.isInch) | int(r.buttonFlag) << 1 | int(r.flagBit3) << 3, g.flags);
        QCOMPARE(int(r.packetByte3), g.byte3);
        QCOMPARE(int(r.packetByte4), g.byte4);
        QVERIFY(!r.sentByButton);
    }
    BleReading r;
    QVERIFY(parseVelkorPacket(velkorPacket(0, " 3.5 "), r));
    QCOMPARE(r.value, 3.5);
    QVERIFY(parseVelkorPacket(velkorPacket(4, "0.000"), r));
    QVERIFY(!std::signbit(r.value)); // never shown as "-0"

    const QByteArray bad[] = {
        QByteArray::fromHex("1E2C000000003200"),             // empty text passes the checksum only
        QByteArray::fromHex("1E2C001234565A0631322E333435"), // checksum off by one bit
        QByteArray::fromHex("1E2C001234575B0631322E333435"), // covered byte 5 changed
        QByteArray::fromHex("1E2C001234565B0631322E3334"),   // text shorter than its length
        QByteArray::fromHex("1E2C0000000032"),               // seven bytes
        velkorPacket(0, "1,500"),
        velkorPacket(0, "nan"),
        velkorPacket(0, "-inf"),
        velkorPacket(0, "1e999"),
    };
    for (const QByteArray &packet : bad) {
        BleReading untouched = sentinel();
        QVERIFY2(!parseVelkorPacket(packet, untouched), packet.toHex().constData());
        QVERIFY(sameReading(untouched, sentinel()));
    }
    QVERIFY(!isVelkorPacket(QByteArray::fromHex("1E")));
    QVERIFY(!isVelkorPacket(QByteArray::fromHex("2C1E0000")));
}

void TestBleProtocol::buttonEdgeAcrossPackets()
{
    // Button flags of consecutive packets and whether each is recorded.
    const bool pressed[] = {false, true, true, true, false, true, false, false, true};
    const bool sent[] = {false, true, false, false, false, true, false, false, true};
    bool last = false;
    for (int i = 0; i < 9; ++i) {
        BleReading r;
        QVERIFY(parseVelkorPacket(velkorPacket(pressed[i] ? 0x02 : 0x00, "1.0"), r));
        applyButtonEdge(r, last);
        QCOMPARE(r.sentByButton, sent[i]);
        QCOMPARE(last, pressed[i]);
    }
}

void TestBleProtocol::streamValues()
{
    const Row cases[] = {
        {"40420F00", true, 10.0}, {"C0BDF0FF", true, -10.0},
        {"00000000", true, 0.0},  {"39300000AABB", true, 0.12345}, // trailing bytes ignored
        {"FFFFFF7F", false, 0},   {"00000080", false, 0},
        {"404200", false, 0},     {"", false, 0},
    };
    for (const Row &c : cases) {
        BleReading r = sentinel();
        QCOMPARE(parseStreamValue(QByteArray::fromHex(c.input), r), c.ok);
        if (c.ok) {
            QCOMPARE(r.value, c.value);
            QVERIFY(!r.sentByButton && !r.isInch && !r.buttonFlag && r.packetByte3 == 0);
        } else {
            QVERIFY(sameReading(r, sentinel()));
        }
    }
}

void TestBleProtocol::sylvacLineSplitting()
{
    // A value split over two notifications, the second also starting the next value.
    QByteArray buffer;
    QCOMPARE(splitSylvacLines(buffer, "+012.3"), QStringList());
    QCOMPARE(buffer, QByteArray("+012.3"));
    QCOMPARE(splitSylvacLines(buffer, "45\r\n-0"), QStringList{QStringLiteral("+012.345")});
    QCOMPARE(buffer, QByteArray("\n-0"));
    QCOMPARE(splitSylvacLines(buffer, "1.5\r"), QStringList{QStringLiteral("-01.5")});
    QVERIFY(buffer.isEmpty());

    // Several lines at once; bare line ends give nothing.
    QCOMPARE(splitSylvacLines(buffer, "\r\n\r 1 \r\r\n2\r3"),
             (QStringList{QStringLiteral("1"), QStringLiteral("2")}));
    QCOMPARE(buffer, QByteArray("3"));

    // Up to 64 bytes without a line end are kept; one more and the buffer is dropped.
    buffer.clear();
    splitSylvacLines(buffer, QByteArray(63, 'x'));
    splitSylvacLines(buffer, "y");
    QCOMPARE(buffer.size(), 64);
    QCOMPARE(splitSylvacLines(buffer, "z"), QStringList());
    QVERIFY(buffer.isEmpty());
    // Lines ahead of an overlong tail still come out.
    QCOMPARE(splitSylvacLines(buffer, "7.25\r" + QByteArray(100, '9')), QStringList{QStringLiteral("7.25")});
    QVERIFY(buffer.isEmpty());
    // Latin-1, not UTF-8.
    QCOMPARE(splitSylvacLines(buffer, "\xB5m\r"), QStringList{QStringLiteral(u"\u00B5m")});
}

void TestBleProtocol::sylvacValueAndUnitLines()
{
    QCOMPARE(stripSylvacLine(QStringLiteral("  12.50 <= >\t")), QStringLiteral("12.50"));
    QCOMPARE(stripSylvacLine(QStringLiteral("<")), QString());

    const Row values[] = {
        {"12.345 <", true, 12.345}, {"12.345 =", true, 12.345},
        {"-0.020 >", true, -0.02},  {"+0012.5", true, 12.5},
        {"  3 ", true, 3.0},        {"12,5", false, 0},
        {"abc", false, 0},          {"", false, 0},
        {"< 1", false, 0},          {"inf", false, 0},
    };
    for (const Row &c : values) {
        BleReading r = sentinel();
        QCOMPARE(parseSylvacValueLine(QString::fromLatin1(c.input), r), c.ok);
        if (c.ok) {
            QCOMPARE(r.value, c.value);
            QVERIFY(r.sentByButton);
            QVERIFY(!r.isInch && !r.buttonFlag && !r.flagBit3 && r.packetByte4 == 0);
        } else {
            QVERIFY(sameReading(r, sentinel()));
        }
    }

    const Row units[] = {
        {"UNI1", true, 1}, {"uni 1", true, 1}, {"inch", true, 1}, {" IN ", true, 1}, {"UNI MM", true, 0},
        {"0", true, 0},    {"mm", true, 0},    {"UNI0", true, 0}, {"UNI", false, 0}, {"", false, 0},
        {"10", false, 0},  {"UNI?", false, 0}, {"cm", false, 0},
    };
    for (const Row &c : units) {
        const bool expectInch = c.value != 0;
        bool inch = !expectInch; // must change on success, stay on failure
        QCOMPARE(parseSylvacUnitLine(QString::fromLatin1(c.input), inch), c.ok);
        QCOMPARE(inch, c.ok ? expectInch : !expectInch);
    }
}

void TestBleProtocol::queryAnswersAndCommands()
{
    QCOMPARE(parseCalibDate(QByteArray::fromHex("0F03E807")), QDate(2024, 3, 15));
    QCOMPARE(parseCalibDate(QByteArray::fromHex("1D02E807FF")), QDate(2024, 2, 29));
    QVERIFY(!parseCalibDate(QByteArray::fromHex("00000000")).isValid());
    QVERIFY(!parseCalibDate(QByteArray::fromHex("1E02E807")).isValid()); // 30 February
    QVERIFY(!parseCalibDate(QByteArray::fromHex("0F0DE807")).isValid()); // month 13
    QVERIFY(!parseCalibDate(QByteArray::fromHex("0F03E8")).isValid());
    QVERIFY(!parseCalibDate(QByteArray()).isValid());

    QCOMPARE(firstSignedByte(QByteArray::fromHex("C4")), qint8(-60));
    QCOMPARE(firstSignedByte(QByteArray::fromHex("7F00")), qint8(127));
    QCOMPARE(firstSignedByte(QByteArray()), qint8(0));

    QCOMPARE(zeroCommand(BleProtocol::Velkor), QByteArray::fromHex("08"));
    QCOMPARE(zeroCommand(BleProtocol::Sylvac), QByteArray("SET\r"));
    QCOMPARE(zeroCommand(9), QByteArray::fromHex("08"));
    QCOMPARE(memoryDownloadCommand(BleProtocol::Velkor), QByteArray::fromHex("28"));
    QVERIFY(memoryDownloadCommand(BleProtocol::Sylvac).isEmpty());
    QCOMPARE(unitQueryCommand(BleProtocol::Sylvac), QByteArray("UNI?\r"));
    QVERIFY(unitQueryCommand(BleProtocol::Velkor).isEmpty());
    QCOMPARE(calibDateQueryCommand(), QByteArray::fromHex("30"));
    QCOMPARE(signalQueryCommand(), QByteArray::fromHex("31"));
    QCOMPARE(acknowledgeCommand(), QByteArray::fromHex("00"));
    QVERIFY(commandWriteWithResponse(BleProtocol::Velkor));
    QVERIFY(!commandWriteWithResponse(BleProtocol::Sylvac));
}

void TestBleProtocol::readingCrossesThreads()
{
    registerBleReadingMetaType();
    registerBleReadingMetaType();
    QVERIFY(QMetaType::fromName("BleReading").isValid());
    QCOMPARE(QMetaType::fromName("BleReading"), QMetaType::fromType<BleReading>());

    ReadingSource source;
    QObject receiver;
    BleReading got;
    connect(
        &source, &ReadingSource::readingReceived, &receiver,
        [&got](const QString &, const BleReading &r) { got = r; }, Qt::QueuedConnection);
    QSignalSpy spy(&source, &ReadingSource::readingReceived);
    QThread *driver = QThread::create([&source] {
        BleReading r;
        parseVelkorPacket(QByteArray::fromHex("1E2C08ABCD0068072B3030372E3130"), r);
        emit source.readingReceived(QStringLiteral("AA:BB:CC:DD:EE:FF"), r);
    });
    driver->start();
    QVERIFY(driver->wait(5000));
    delete driver;
    QCOMPARE(spy.count(), 1);
    QTRY_COMPARE(got.value, 7.1);
    QVERIFY(got.flagBit3);
    QCOMPARE(got.packetByte3, quint8(0xAB));
    QCOMPARE(spy.at(0).at(1).value<BleReading>().packetByte4, quint8(0xCD));
}

void TestBleProtocol::randomInputNeverHurts()
{
    QRandomGenerator rng(20240315);
    const QByteArray good = velkorPacket(0x07, "-12.3456");
    QByteArray dataBuffer;
    QByteArray unitBuffer;
    for (int i = 0; i < 4000; ++i) {
        QByteArray bytes;
        switch (i % 4) {
        case 0: // noise, sometimes larger than any packet
            bytes.resize(rng.bounded(i % 40 == 0 ? 600 : 40));
            for (char &c : bytes)
                c = char(rng.bounded(256));
            break;
        case 1: // a good packet, truncated
            bytes = good.left(rng.bounded(good.size() + 1));
            break;
        case 2: // a good packet with one byte changed, or a lying length
            bytes = good;
            bytes[rng.bounded(good.size())] = char(rng.bounded(256));
            break;
        default: // line-ish text with line ends and tolerance marks
            for (int n = rng.bounded(80); n > 0; --n)
                bytes.append("0123456789.-+ <=>\r\nUNIM"[rng.bounded(24)]);
            break;
        }

        BleReading r = sentinel();
        if (!parseVelkorPacket(bytes, r))
            QVERIFY(sameReading(r, sentinel()));
        else
            QVERIFY(std::isfinite(r.value) && bytes.size() >= 8 + quint8(bytes[7]));
        r = sentinel();
        if (!parseStreamValue(bytes, r))
            QVERIFY(sameReading(r, sentinel()));

        for (const QString &line : splitSylvacLines(i % 2 ? dataBuffer : unitBuffer, bytes)) {
            QVERIFY(!line.isEmpty() && line == line.trimmed());
            r = sentinel();
            if (!parseSylvacValueLine(line, r))
                QVERIFY(sameReading(r, sentinel()));
            else
                QVERIFY(std::isfinite(r.value));
            bool inch = true;
            if (!parseSylvacUnitLine(line, inch))
                QVERIFY(inch);
        }
        QVERIFY(dataBuffer.size() <= SylvacLineBufferLimit);
        QVERIFY(unitBuffer.size() <= SylvacLineBufferLimit);
        QVERIFY(!dataBuffer.contains('\r') && !unitBuffer.contains('\r'));
        parseCalibDate(bytes);
        firstSignedByte(bytes);
    }
}

QTEST_GUILESS_MAIN(TestBleProtocol)
#include "tst_bleprotocol.moc"
