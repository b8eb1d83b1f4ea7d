#include "links/hid/instrumentline.h"

#include <QTest>

#include <cmath>

class TestInstrumentLine : public QObject
{
    Q_OBJECT

private slots:
    void parse_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<int>("decimals");
        QTest::addColumn<bool>("ok");
        QTest::addColumn<double>("value");
        QTest::newRow("digits scaled") << "12345" << 2 << true << 123.45;
        QTest::newRow("point wins over decimals") << "123.45" << 3 << true << 123.45;
        QTest::newRow("comma, sign, blanks") << " -0,5\r\n" << 2 << true << -0.5;
        QTest::newRow("leading zeros") << "007" << 0 << true << 7.0;
        QTest::newRow("minus zero is zero") << "-0" << 0 << true << 0.0;
        for (const char *bad : {"1.2.3", "", "   ", "-", ".", "-.", "12a", "+5", "1e3", "--1", "1 2", "١٢"})
            QTest::newRow(qPrintable(QStringLiteral("rejects '%1'").arg(QString::fromUtf8(bad))))
                << QString::fromUtf8(bad) << 2 << false << 99.0;
    }

    void parse()
    {
        QFETCH(QString, line);
        QFETCH(int, decimals);
        QFETCH(bool, ok);
        QFETCH(double, value);
        double parsed = 99.0; // left alone on failure
        QCOMPARE(parseInstrumentLine(line, decimals, parsed), ok);
        QCOMPARE(parsed, value);
        QVERIFY(!std::signbit(parsed) || parsed != 0.0);
    }
};

QTEST_APPLESS_MAIN(TestInstrumentLine)
#include "tst_instrumentline.moc"
