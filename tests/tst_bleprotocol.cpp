#include "links/ble/bleprotocol.h"

#include <QRandomGenerator>
#include <QTest>

#include <cmath>

namespace {

enum Parser { VelkorPacket, StreamValue, SylvacValueLine };
const char *const kParserNames[] = {"packet", "stream value", "value line"};

// A reading with every field set, to show that a failed parse leaves it alone.
const BleReading kSentinel{777.25, true, true, true, true, 0x5A, 0xA5};

// Every field but the value in one number: inch 1, button flag 2, sent by button 4, bit 3 8, bytes 3 and 4.
int fieldsOf(const BleReading &r)
{
    return int(r.isInch) | int(r.buttonFlag) << 1 | int(r.sentByButton) << 2 | int(r.flagBit3) << 3 |
           r.packetByte3 << 8 | r.packetByte4 << 16;
}

bool untouched(const BleReading &r)
{
    return r.value == kSentinel.value && fieldsOf(r) == fieldsOf(kSentinel);
}

using Parse = bool (*)(const QByteArray &, BleReading &);
const Parse kParsers[] = {parseVelkorPacket, parseStreamValue, [](const QByteArray &line, BleReading &r) {
                              return parseSylvacValueLine(QString::fromLatin1(line), r);
                          }};

QByteArray hex(const char *text)
{
    return QByteArray::fromHex(text);
}

void good(Parser parser, const char *name, const QByteArray &input, double value, int fields = 0)
{
    QTest::addRow("%s: %s", kParserNames[parser], name) << int(parser) << input << true << value << fields;
}

void bad(Parser parser, const char *name, const QByteArray &input)
{
    QTest::addRow("%s rejects: %s", kParserNames[parser], name) << int(parser) << input << false << 0.0 << 0;
}

// A packet with a correct checksum, built independently of the parser.
QByteArray velkorPacket(quint8 flags, const QByteArray &text)
{
    QByteArray p = QByteArray::fromHex("1E2C") + char(flags) + QByteArray(4, '\0') + char(text.size()) + text;
    for (int i = 0; i < p.size(); ++i)
        p[6] = char(p[6] ^ (i == 6 ? 0 : p[i]));
    return p;
}

} // namespace

class TestBleProtocol : public QObject
{
    Q_OBJECT

private slots:
    void readings_data()
    {
        QTest::addColumn<int>("parser");
        QTest::addColumn<QByteArray>("input");
        QTest::addColumn<bool>("ok");
        QTest::addColumn<double>("value");
        QTest::addColumn<int>("fields"); // fieldsOf() the result
        // VELKOR packets, checksums worked out by hand.
        good(VelkorPacket, "carried bytes", hex("1E2C001234565B0631322E333435"), 12.345, 0x341200);
        good(VelkorPacket, "inch and button", hex("1E2C030000002C06302E35303030"), 0.5, 3);
        good(VelkorPacket, "negative flag, no sign", hex("1E2C040000002804312E3530"), -1.5);
        good(VelkorPacket, "negative flag and sign", hex("1E2C0400000004052D312E3530"), -1.5);
        good(VelkorPacket, "sign without flag", hex("1E2C0000000001052D322E3235"), -2.25);
        good(VelkorPacket, "bit 3, plus, zeros", hex("1E2C08ABCD0068072B3030372E3130"), 7.1, 0xCDAB08);
        good(VelkorPacket, "tail ignored", hex("1E2C040000002804312E3530FFEE"), -1.5);
        good(VelkorPacket, "negative zero", velkorPacket(4, "0.000"), 0.0);
        bad(VelkorPacket, "empty text", hex("1E2C000000003200"));
        bad(VelkorPacket, "checksum off by one bit", hex("1E2C001234565A0631322E333435"));
        bad(VelkorPacket, "covered byte changed", hex("1E2C001234575B0631322E333435"));
        bad(VelkorPacket, "text shorter than its length", hex("1E2C001234565B0631322E3334"));
        bad(VelkorPacket, "seven bytes", hex("1E2C0000000032"));
        for (const char *text : {"1,500", "nan", "-inf", "1e999"})
            bad(VelkorPacket, text, velkorPacket(0, text));
        // Sylvac continuous values, signed little-endian in 1/100000.
        good(StreamValue, "positive", hex("40420F00"), 10.0);
        good(StreamValue, "negative", hex("C0BDF0FF"), -10.0);
        good(StreamValue, "tail ignored", hex("39300000AABB"), 0.12345);
        for (const char *text : {"FFFFFF7F", "00000080", "404200", ""})
            bad(StreamValue, text, hex(text));
        // Sylvac data lines: every one is a button send.
        good(SylvacValueLine, "tolerance mark", "12.345 <", 12.345, 4);
        good(SylvacValueLine, "negative", "-0.020 >=", -0.02, 4);
        good(SylvacValueLine, "plus and zeros", " +0012.5 ", 12.5, 4);
        for (const char *text : {"12,5", "abc", "< 1", "inf"})
            bad(SylvacValueLine, text, text);
    }
    void readings()
    {
        QFETCH(int, parser);
        QFETCH(QByteArray, input);
        QFETCH(bool, ok);
        QFETCH(double, value);
        QFETCH(int, fields);
        BleReading reading = kSentinel;
        QCOMPARE(kParsers[parser](input, reading), ok);
        if (!ok) {
            QVERIFY(untouched(reading));
            return;
        }
        QCOMPARE(reading.value, value);
        QCOMPARE(std::signbit(reading.value), std::signbit(value));
        QCOMPARE(fieldsOf(reading), fields);
    }

    void unitLines_data()
    {
        QTest::addColumn<int>("unit"); // 1 inch, 0 millimetre, -1 not a unit line
        for (const char *line : {"UNI1", "uni 1", "inch", " IN "})
            QTest::newRow(line) << 1;
        for (const char *line : {"UNI MM", "0", "mm", "UNI0"})
            QTest::newRow(line) << 0;
        for (const char *line : {"UNI", "10", "UNI?", "cm"})
            QTest::newRow(line) << -1;
    }
    void unitLines()
    {
        QFETCH(int, unit);
        for (const bool before : {false, true}) {
            bool inch = before;
            QCOMPARE(parseSylvacUnitLine(QString::fromLatin1(QTest::currentDataTag()), inch), unit >= 0);
            QCOMPARE(inch, unit >= 0 ? unit == 1 : before);
        }
    }

    void sylvacLineSplitting()
    {
        // Several lines at once; bare line ends give nothing; Latin-1, not UTF-8.
        QByteArray buffer;
        QCOMPARE(splitSylvacLines(buffer, "\r\n\r 1 \r\r\n\xB5m\r3"),
                 (QStringList{"1", QStringLiteral("\u00B5m")}));
        QCOMPARE(buffer, QByteArray("3"));

        // Up to 64 bytes without a line end are kept; one more and the buffer is dropped.
        buffer = QByteArray(63, 'x');
        splitSylvacLines(buffer, "y");
        QCOMPARE(buffer.size(), SylvacLineBufferLimit);
        QCOMPARE(splitSylvacLines(buffer, "z"), QStringList());
        QVERIFY(buffer.isEmpty());
        // Lines ahead of an overlong tail still come out.
        QCOMPARE(splitSylvacLines(buffer, "7.25\r" + QByteArray(100, '9')), QStringList{"7.25"});
        QVERIFY(buffer.isEmpty());
    }

    void calibrationDates()
    {
        QCOMPARE(parseCalibDate(hex("1D02E807FF")), QDate(2024, 2, 29));
        QVERIFY(!parseCalibDate(hex("0F03E8")).isValid()); // too short
    }

    void randomInputNeverHurts()
    {
        QRandomGenerator rng(20240315);
        const QByteArray good = velkorPacket(0x07, "-12.3456");
        QByteArray buffers[2];
        for (int i = 0; i < 4000; ++i) {
            QByteArray bytes;
            switch (i % 3) {
            case 0: // noise, sometimes larger than any packet
                bytes.resize(rng.bounded(i % 30 == 0 ? 600 : 40));
                for (char &c : bytes)
                    c = char(rng.bounded(256));
                break;
            case 1: // a good packet with one byte changed (its length perhaps), perhaps truncated
                bytes = good;
                bytes[rng.bounded(good.size())] = char(rng.bounded(256));
                bytes.truncate(rng.bounded(good.size() + 1));
                break;
            default: // line-ish text with line ends and tolerance marks
                for (int n = rng.bounded(80); n > 0; --n)
                    bytes.append("0123456789.-+ <=>\r\nUNIM"[rng.bounded(24)]);
                break;
            }

            QByteArray &buffer = buffers[i % 2];
            for (const QString &line : splitSylvacLines(buffer, bytes)) {
                QVERIFY(!line.isEmpty() && line == line.trimmed());
                BleReading r = kSentinel;
                QVERIFY(parseSylvacValueLine(line, r) ? std::isfinite(r.value) : untouched(r));
                bool inch = true;
                QVERIFY(parseSylvacUnitLine(line, inch) || inch);
            }
            QVERIFY(buffer.size() <= SylvacLineBufferLimit && !buffer.contains('\r'));
            for (int parser : {VelkorPacket, StreamValue}) {
                BleReading r = kSentinel;
                QVERIFY(kParsers[parser](bytes, r) ? std::isfinite(r.value) : untouched(r));
            }
        }
    }
};

QTEST_GUILESS_MAIN(TestBleProtocol)
#include "tst_bleprotocol.moc"
