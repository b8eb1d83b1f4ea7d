#include "links/modbus/modbusframe.h"

#include <QTest>

#include <cmath>

class TestModbusFrame : public QObject
{
    Q_OBJECT

private slots:
    void requestFrames_data();
    void requestFrames();
    void crcCheck();
    void responseLengthsAndExceptions();
    void valueRegisters_data();
    void valueRegisters();
    void responseWordsRejectLyingByteCounts();
    void speedCodes();
};

void TestModbusFrame::requestFrames_data()
{
    QTest::addColumn<QByteArray>("frame");
    QTest::addColumn<QByteArray>("expected");
    // Reference frames as libmodbus sends them.
    QTest::newRow("identification of 1") << buildReadCommand(1, 0x2000, 10).frame
                                         << QByteArray::fromHex("01032000000ACE0D");
    QTest::newRow("float value of 17") << buildReadCommand(17, 0x200F, 2).frame
                                       << QByteArray::fromHex("1103200F0002FD58");
    QTest::newRow("zero of 2") << buildWriteCommand(2, 0x200A, 1).frame << QByteArray::fromHex("0206200A000163FB");
    QTest::newRow("new address 5 for 1") << buildWriteCommand(1, 0x0000, 5).frame
                                         << QByteArray::fromHex("01060000000549C9");
}

void TestModbusFrame::requestFrames()
{
    QFETCH(QByteArray, frame);
    QFETCH(QByteArray, expected);
    QCOMPARE(toHexLine(frame), toHexLine(expected));
}

void TestModbusFrame::crcCheck()
{
    const QByteArray good = QByteArray::fromHex("01032000000ACE0D");
    QVERIFY(hasValidCrc(good));
    QByteArray bad = good;
    bad[7] = char(0xCC);
    QVERIFY(!hasValidCrc(bad));
    QVERIFY(!hasValidCrc(QByteArray("\x01\x03", 2)));
    QCOMPARE(modbusCrc16(QByteArray("123456789")), quint16(0x4B37)); // the catalogue check value
}

void TestModbusFrame::responseLengthsAndExceptions()
{
    const ComCommand read = buildReadCommand(3, 0x2000, 10);
    QCOMPARE(expectedResponseLength(read), 25);
    QCOMPARE(expectedResponseLength(buildWriteCommand(3, 0x2002, 1)), 8);
    ComCommand odd = read;
    odd.function = 0x10;
    QCOMPARE(expectedResponseLength(odd), 0);

    QByteArray exception = QByteArray::fromHex("038302");
    const quint16 crc = modbusCrc16(exception);
    exception.append(char(crc & 0xFF)).append(char(crc >> 8));
    QVERIFY(isExceptionResponse(exception, read));
    QVERIFY(!isExceptionResponse(exception, buildWriteCommand(3, 0x2002, 1))); // not for function 6
    QByteArray corrupted = exception;
    corrupted[4] = char(corrupted.at(4) ^ 1);
    QVERIFY(!isExceptionResponse(corrupted, read));
    QVERIFY(!isExceptionResponse(exception.left(4), read));
}

void TestModbusFrame::valueRegisters_data()
{
    QTest::addColumn<quint16>("high");
    QTest::addColumn<quint16>("low");
    QTest::addColumn<double>("value");
    QTest::newRow("minus a thousandth") << quint16(0xFFFF) << quint16(0xFFF6) << -0.001;
    QTest::newRow("12.5 mm") << quint16(0x0001) << quint16(0xE848) << 12.5;
    QTest::newRow("largest") << quint16(0x7FFF) << quint16(0xFFFF) << 214748.3647;
    QTest::newRow("smallest") << quint16(0x8000) << quint16(0x0000) << -214748.3648;
}

void TestModbusFrame::valueRegisters()
{
    QFETCH(quint16, high);
    QFETCH(quint16, low);
    QFETCH(double, value);
    QVERIFY(std::abs(decodeValueInt(high, low) - value) < 1e-9);
    QCOMPARE(decodeValueFloat(0x3FC0, 0x0000), 1.5f);
    QCOMPARE(decodeValueFloat(0xC120, 0x0000), -10.0f);
    QVERIFY(std::isnan(decodeValueFloat(0x7FC0, 0x0000)));
}

void TestModbusFrame::responseWordsRejectLyingByteCounts()
{
    const QByteArray answer = QByteArray::fromHex("0103040001E848") + QByteArray(2, '\0');
    const QList<quint16> words = responseWords(answer);
    QCOMPARE(words, (QList<quint16>{0x0001, 0xE848}));
    QVERIFY(responseWords(QByteArray::fromHex("0103060001E848") + QByteArray(2, '\0')).isEmpty());
    QVERIFY(responseWords(QByteArray::fromHex("0103030001E8") + QByteArray(2, '\0')).isEmpty());
    QVERIFY(responseWords(QByteArray::fromHex("0103")).isEmpty());
}

void TestModbusFrame::speedCodes()
{
    QCOMPARE(speedCodeForBaud(1200), quint16(0));
    QCOMPARE(speedCodeForBaud(9600), quint16(3));
    QCOMPARE(speedCodeForBaud(115200), quint16(9));
    QCOMPARE(speedCodeForBaud(256000), quint16(13));
    QCOMPARE(speedCodeForBaud(14400), quint16(3));
    QCOMPARE(modbusBaudRates().size(), 14);
}

QTEST_APPLESS_MAIN(TestModbusFrame)
#include "tst_modbusframe.moc"
