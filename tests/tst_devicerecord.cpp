#include "devices/devicerecord.h"

#include <QTest>

#include <cmath>

class TestDeviceRecord : public QObject
{
    Q_OBJECT

private slots:
    void convertUnit_data();
    void convertUnit();
    void roundTripsWithinEachCategory();
    void unitTextsAndSensorKinds();
    void displayValueFollowsMeasuringMode_data();
    void displayValueFollowsMeasuringMode();
    void precisionDigits();
    void toleranceRule_data();
    void toleranceRule();
};

void TestDeviceRecord::convertUnit_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("to");
    QTest::addColumn<double>("expected");
    QTest::newRow("1 inch is 25.4 mm") << 1.0 << 1 << 0 << 25.4;
    QTest::newRow("25.4 mm is 1 inch") << 25.4 << 0 << 1 << 1.0;
    QTest::newRow("same unit untouched") << 12.345 << 3 << 3 << 12.345;
    QTest::newRow("1 lbf in newton") << 1.0 << 3 << 2 << 4.4482216152605;
    QTest::newRow("4.4482216152605 N is 1 lbf") << 4.4482216152605 << 2 << 3 << 1.0;
    QTest::newRow("180 degree is pi rad") << 180.0 << 4 << 5 << M_PI;
    QTest::newRow("pi/2 rad is 90 degree") << M_PI / 2 << 5 << 4 << 90.0;
    QTest::newRow("newton to degree crosses categories") << 10.0 << 2 << 4 << 10.0;
    QTest::newRow("inch to lbf crosses categories") << 2.0 << 1 << 3 << 2.0;
    QTest::newRow("unknown source code") << 7.5 << 17 << 1 << 7.5;
    QTest::newRow("unknown target code") << 7.5 << 1 << 17 << 7.5;
    QTest::newRow("negative inch") << -0.5 << 1 << 0 << -12.7;
}

void TestDeviceRecord::convertUnit()
{
    QFETCH(double, value);
    QFETCH(int, from);
    QFETCH(int, to);
    QFETCH(double, expected);
    QVERIFY2(std::abs(::convertUnit(value, from, to) - expected) < 1e-12,
             qPrintable(QString::number(::convertUnit(value, from, to), 'g', 17)));
}

void TestDeviceRecord::roundTripsWithinEachCategory()
{
    const int pairs[][2] = {{0, 1}, {2, 3}, {4, 5}};
    for (const auto &pair : pairs) {
        for (double v : {0.0, 0.001, -3.75, 1234.5678}) {
            const double there = ::convertUnit(v, pair[0], pair[1]);
            QVERIFY(std::abs(::convertUnit(there, pair[1], pair[0]) - v) < 1e-9);
        }
    }
}

void TestDeviceRecord::unitTextsAndSensorKinds()
{
    const QStringList texts = {QStringLiteral("mm"),  QStringLiteral("inch"), QStringLiteral("N"),
                               QStringLiteral("lbf"), QStringLiteral("°"),    QStringLiteral("rad")};
    for (int code = 0; code < texts.size(); ++code)
        QCOMPARE(unitShortText(code), texts.at(code));
    QCOMPARE(unitShortText(17), QStringLiteral("mm"));
    QCOMPARE(unitShortText(-1), QStringLiteral("mm"));

    const quint16 kinds[] = {0, 0, 10, 10, 9, 9};
    for (int unit = 0; unit < 6; ++unit)
        QCOMPARE(sensorKindForHidUnit(unit), kinds[unit]);
    QCOMPARE(sensorKindForHidUnit(42), quint16(0));

    QVERIFY(isBleKind(1) && isBleKind(3) && isBleKind(4));
    QVERIFY(!isBleKind(0) && !isBleKind(2) && !isBleKind(5) && !isBleKind(6));
}

void TestDeviceRecord::displayValueFollowsMeasuringMode_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<bool>("held");
    QTest::newRow("0 disable") << 0 << false;
    for (int mode = 1; mode <= 4; ++mode)
        QTest::addRow("%d peak hold", mode) << mode << true;
    for (int mode = 5; mode <= 9; ++mode)
        QTest::addRow("%d live", mode) << mode << false;
}

void TestDeviceRecord::displayValueFollowsMeasuringMode()
{
    QFETCH(int, mode);
    QFETCH(bool, held);
    DeviceRecord record;
    record.value = 1.5;
    record.heldValue = -2.25;
    record.measuringType = mode;
    QCOMPARE(displayValue(record), held ? -2.25 : 1.5);
}

void TestDeviceRecord::precisionDigits()
{
    for (int p = 0; p <= 6; ++p)
        QCOMPARE(::precisionDigits(p), p);
    QCOMPARE(::precisionDigits(9), 2);
    QCOMPARE(::precisionDigits(7), 2);
    QCOMPARE(::precisionDigits(-1), 2);
}

void TestDeviceRecord::toleranceRule_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<double>("value");
    QTest::addColumn<int>("verdict");
    const int none = int(ToleranceVerdict::NotJudged);
    const int go = int(ToleranceVerdict::Go);
    const int noGo = int(ToleranceVerdict::NoGo);
    // Limits 1.0 .. 2.0 throughout.
    QTest::newRow("0 judges nothing") << 0 << 5.0 << none;
    QTest::newRow("4 module peak judges nothing") << 4 << 5.0 << none;
    QTest::newRow("5 at the lower limit") << 5 << 1.0 << go;
    QTest::newRow("5 just below") << 5 << 0.9999 << noGo;
    QTest::newRow("5 ignores the upper limit") << 5 << 100.0 << go;
    QTest::newRow("6 at the upper limit") << 6 << 2.0 << go;
    QTest::newRow("6 just above") << 6 << 2.0005 << noGo;
    QTest::newRow("6 ignores the lower limit") << 6 << -100.0 << go;
    QTest::newRow("7 at the lower limit") << 7 << 1.0 << go;
    QTest::newRow("7 at the upper limit") << 7 << 2.0 << go;
    QTest::newRow("7 below") << 7 << 0.9999 << noGo;
    QTest::newRow("7 above") << 7 << 2.0001 << noGo;
    QTest::newRow("7 not a number") << 7 << std::nan("") << noGo;
    QTest::newRow("8 unknown judges nothing") << 8 << 1.5 << none;
}

void TestDeviceRecord::toleranceRule()
{
    QFETCH(int, mode);
    QFETCH(double, value);
    QFETCH(int, verdict);
    QCOMPARE(int(judgeTolerance(value, mode, 1.0, 2.0)), verdict);
}

QTEST_APPLESS_MAIN(TestDeviceRecord)
#include "tst_devicerecord.moc"
