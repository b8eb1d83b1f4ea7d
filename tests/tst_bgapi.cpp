#include "links/ble/bleprotocol.h"
#include "links/dongle/bgapi.h"

#include <QRandomGenerator>
#include <QTest>

using namespace Bgapi;

namespace {

QByteArray bytes(const char *hexText)
{
    return QByteArray::fromHex(hexText);
}

QList<Packet> frame(const QList<QByteArray> &chunks)
{
    Framer framer;
    QList<Packet> packets;
    for (const QByteArray &chunk : chunks) {
        framer.append(chunk);
        Packet packet;
        while (framer.next(packet))
            packets.append(packet);
    }
    return packets;
}

} // namespace

class TestBgapi : public QObject
{
    Q_OBJECT

private slots:
    void framing_data()
    {
        QTest::addColumn<QList<QByteArray>>("chunks");
        QTest::addColumn<int>("packets");
        QTest::addColumn<int>("lastPayload");
        const QByteArray hello = bytes("00000001");
        const QByteArray status = bytes("80100300") + QByteArray(16, '\x05');
        QTest::newRow("two packets in one chunk") << QList<QByteArray>{hello + status} << 2 << 16;
        QTest::newRow("one packet over two chunks")
            << QList<QByteArray>{status.left(7), status.mid(7)} << 1 << 16;
        QTest::newRow("header split") << QList<QByteArray>{status.left(1), status.mid(1)} << 1 << 16;
        QTest::newRow("unfinished packet waits") << QList<QByteArray>{hello + status.left(10)} << 1 << 0;
        // Byte 0 carries the top three bits of the length.
        const QByteArray big = bytes("81040405") + QByteArray(0x104, 'x');
        QTest::newRow("payload above 255 bytes")
            << QList<QByteArray>{big.left(300), big.mid(300)} << 1 << 0x104;
    }

    void framing()
    {
        QFETCH(QList<QByteArray>, chunks);
        QFETCH(int, packets);
        QFETCH(int, lastPayload);
        const QList<Packet> framed = frame(chunks);
        QCOMPARE(framed.size(), packets);
        QCOMPARE(int(framed.last().payload.size()), lastPayload);
    }

    void commandBytes_data()
    {
        QTest::addColumn<QByteArray>("packet");
        QTest::addColumn<QByteArray>("expected");
        QTest::newRow("hello") << hello() << bytes("00000001");
        QTest::newRow("get connections") << getConnections() << bytes("00000006");
        QTest::newRow("disconnect") << Bgapi::disconnect(2) << bytes("0001030002");
        QTest::newRow("find information") << findInformation(1) << bytes("00050403010100ffff");
        QTest::newRow("read by handle") << readByHandle(0, 0x0123) << bytes("000304040023 01");
        QTest::newRow("attribute write")
            << attributeWrite(3, 0x002A, bytes("0200")) << bytes("000604050 32a00020200");
        QTest::newRow("write command")
            << writeCommand(0, 0x0030, "SET\r") << bytes("000804060030000453455 40d");
        QTest::newRow("indicate confirm") << indicateConfirm(4) << bytes("0001040704");
        QTest::newRow("connect direct")
            << connectDirect(bytes("0102030405c6"), 1) << bytes("000f06030102030405c6010c0030 00f4010000");
        QTest::newRow("end procedure") << endProcedure() << bytes("00000604");
        QTest::newRow("scan parameters") << setScanParameters() << bytes("000506074b003200 01");
        QTest::newRow("discover observation") << discover() << bytes("0001060202");
    }

    void commandBytes()
    {
        QFETCH(QByteArray, packet);
        QFETCH(QByteArray, expected);
        QCOMPARE(packet.toHex(), expected.toHex());
    }

    void events()
    {
        ConnectionStatus status;
        QVERIFY(!parse(bytes("0005") + QByteArray(13, '\0'), status)); // 15 bytes: one short
        QVERIFY(parse(bytes("0205") + bytes("0102030405c6") + bytes("01") + QByteArray(7, '\0'), status));
        QVERIFY(status.isUp());
        QCOMPARE(addressText(status.address), QStringLiteral("C6:05:04:03:02:01"));
        status.flags = 0x09; // connected, new parameters, not completed
        QVERIFY(!status.isUp());

        AttributeValue value;
        QVERIFY(!parse(bytes("00100005031e2c"), value)); // the array says 3 bytes, 2 follow
        QVERIFY(parse(bytes("0010000503 1e2c00"), value));
        QCOMPARE(value.handle, quint16(0x10));
        QCOMPARE(value.type, quint8(ValueType::IndicationToConfirm));
        QCOMPARE(value.value, bytes("1e2c00"));

        InformationFound found;
        QVERIFY(parse(bytes("00150002 0229"), found));
        QVERIFY(isCccd(found.uuid));

        ScanResponse scan;
        const QByteArray ad = bytes("020106") + QByteArray("\x0F\x09VELKOR CAL-150", 16);
        QVERIFY(parse(bytes("c400") + bytes("0102030405c6") + bytes("01ff") + char(ad.size()) + ad, scan));
        QCOMPARE(scan.rssi, qint8(-60));
        QCOMPARE(advertisedName(scan.data), QStringLiteral("VELKOR CAL-150"));
        QCOMPARE(advertisedName(bytes("020106")), QString());     // no name
        QCOMPARE(advertisedName(bytes("0508414243")), QString()); // structure runs past the end
        QCOMPARE(advertisedName(bytes("03084142") + bytes("020941")),
                 QStringLiteral("AB")); // shortened counts

        ProcedureCompleted done;
        QVERIFY(!parse(bytes("01000002"), done));
        Disconnected lost;
        QVERIFY(parse(bytes("020802"), lost));
        QCOMPARE(lost.reason, quint16(0x0208));
    }

    void addresses()
    {
        QByteArray address;
        quint8 type = 9;
        QVERIFY(parseAddress(QStringLiteral("c6:05:04:03:02:01"), address, type));
        QCOMPARE(address, bytes("0102030405c6"));
        QCOMPARE(type, quint8(1)); // top two bits of the first field: random
        QVERIFY(parseAddress(QStringLiteral("80:05:04:03:02:01"), address, type));
        QCOMPARE(type, quint8(0));
        for (const char *bad :
             {"01:02:03:04:05", "01:02:03:04:05:100", "01:02:03:04:05:zz", "01:02:03:04:05:"})
            QVERIFY2(!parseAddress(QString::fromLatin1(bad), address, type), bad);
    }

    void uuidsFromTheAttributeTable()
    {
        const BleProtocolProfile &sylvac = bleProfile(BleProtocol::Sylvac);
        QByteArray reversed = sylvac.dataCharUuid.toRfc4122();
        std::reverse(reversed.begin(), reversed.end());
        QVERIFY(uuidMatches(reversed, sylvac.dataCharUuid));
        QVERIFY(!uuidMatches(sylvac.dataCharUuid.toRfc4122(), sylvac.dataCharUuid)); // not reversed
        // The stream characteristic shares its 16-bit number with the vendor one; only the SIG base matches
        // a 2-byte entry.
        QVERIFY(uuidMatches(bytes("2050"), sylvac.streamCharUuid));
        QVERIFY(!uuidMatches(bytes("1050"), sylvac.dataCharUuid));
        QVERIFY(!uuidMatches(bytes("2050"), QBluetoothUuid()));
    }

    // Nothing that comes from a dongle can crash the parsers or make them read past a payload.
    void randomInputNeverHurts()
    {
        QRandomGenerator random(20261206);
        Framer framer;
        for (int round = 0; round < 3000; ++round) {
            QByteArray chunk(int(random.bounded(40)), '\0');
            for (char &byte : chunk)
                byte = char(random.bounded(256));
            framer.append(chunk);
            Packet packet;
            while (framer.next(packet)) {
                ConnectionStatus status;
                Disconnected lost;
                ProcedureCompleted done;
                InformationFound found;
                AttributeValue value;
                ScanResponse scan;
                quint16 result = 0;
                for (int cut = 0; cut <= packet.payload.size(); ++cut) {
                    const QByteArray payload = packet.payload.left(cut);
                    parse(payload, status);
                    parse(payload, lost);
                    parse(payload, done);
                    if (parse(payload, found))
                        QVERIFY(found.uuid.size() <= payload.size() - 4);
                    if (parse(payload, value))
                        QVERIFY(value.value.size() <= payload.size() - 5);
                    if (parse(payload, scan))
                        advertisedName(scan.data);
                    parseResult(payload, result);
                }
            }
            QVERIFY(framer.pending() <= kHeaderSize + kMaxPayload);
        }
    }
};

QTEST_APPLESS_MAIN(TestBgapi)
#include "tst_bgapi.moc"
