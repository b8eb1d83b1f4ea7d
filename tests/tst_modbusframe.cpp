#include "devices/devicerecord.h"
#include "devices/tolerance.h"
#include "links/modbus/modbusdecode.h"
#include "links/modbus/modbusframe.h"

#include <QTest>

class TestModbusFrame : public QObject
{
    Q_OBJECT

private slots:
    void crcCheck()
    {
        const QByteArray good = QByteArray::fromHex("01032000000ACE0D");
        QVERIFY(hasValidCrc(good));
        QByteArray bad = good;
        bad[7] = char(0xCC);
        QVERIFY(!hasValidCrc(bad));
        QVERIFY(!hasValidCrc(QByteArray("\x01\x03", 2)));
        QCOMPARE(modbusCrc16(QByteArray("123456789")), quint16(0x4B37)); // the catalogue check value
    }

    void responseLengthsAndExceptions()
    {
        const ComCommand read = buildReadCommand(3, 0x2000, 10);
        QCOMPARE(expectedResponseLength(read), 25);
        QCOMPARE(expectedResponseLength(buildWriteCommand(3, 0x2002, 1)), 8);

        const QByteArray exception = QByteArray::fromHex("0383026131");
        QVERIFY(isExceptionResponse(exception, read));
        QVERIFY(!isExceptionResponse(exception, buildWriteCommand(3, 0x2002, 1))); // not for function 6
        QByteArray corrupted = exception;
        corrupted[4] = char(corrupted.at(4) ^ 1);
        QVERIFY(!isExceptionResponse(corrupted, read));
        QVERIFY(!isExceptionResponse(exception.left(4), read));
    }

    // A read answer taken into a record that shows 7 so far; NaN means the 7 stays.
    void valueRegisters_data()
    {
        QTest::addColumn<int>("startReg");
        QTest::addColumn<QList<quint16>>("words");
        QTest::addColumn<double>("value");
        using W = QList<quint16>;
        QTest::newRow("int minus a thousandth") << 0x200D << W{0xFFFF, 0xFFF6} << -0.001;
        QTest::newRow("int largest") << 0x200D << W{0x7FFF, 0xFFFF} << 214748.3647;
        QTest::newRow("int smallest") << 0x200D << W{0x8000, 0x0000} << -214748.3648;
        QTest::newRow("float 1.5") << 0x200F << W{0x3FC0, 0x0000} << 1.5;
        QTest::newRow("float NaN is never stored") << 0x200F << W{0x7FC0, 0x0000} << qQNaN();
        QTest::newRow("int, then a NaN float") << 0x200D << W{0xFFFF, 0xFFF6, 0x7FC0, 0x0000} << -0.001;
        QTest::newRow("half a value is none") << 0x200D << W{0xFFFF} << qQNaN();
    }

    void valueRegisters()
    {
        QFETCH(int, startReg);
        QFETCH(QList<quint16>, words);
        QFETCH(double, value);
        DeviceRecord record;
        record.value = 7.0;
        const ModbusDecode::ReadResult result =
            ModbusDecode::applyReadResponse(record, quint16(startReg), words);
        QCOMPARE(result.valueUpdated, !qIsNaN(value));
        QVERIFY2(qAbs(record.value - (qIsNaN(value) ? 7.0 : value)) < 1e-9,
                 qPrintable(QString::number(record.value)));
    }

    void peakHold_data()
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

    void peakHold()
    {
        QFETCH(int, mode);
        QFETCH(double, held);
        DeviceRecord record;
        record.measuringType = mode;
        for (double value : {2.0, -5.0, 3.0})
            ModbusDecode::applyValue(record, value);
        QCOMPARE(record.value, 3.0);
        QCOMPARE(record.heldValue, held);

        // Right after a recording the peak starts again: one reading holds itself, its range is nothing.
        record.heldValid = false;
        ModbusDecode::applyValue(record, 12.345);
        if (holdsPeak(mode))
            QCOMPARE(record.heldValue, mode == MeasuringMode::RangePeek ? 0.0 : 12.345);
    }
};

QTEST_APPLESS_MAIN(TestModbusFrame)
#include "tst_modbusframe.moc"
