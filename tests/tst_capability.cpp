#include "devices/tolerance.h"
#include "recording/capability.h"

#include <QTest>

using namespace Capability;

namespace {

// NaN compares equal to NaN here: "undefined" is an answer.
bool same(double actual, double expected)
{
    if (std::isnan(expected))
        return std::isnan(actual);
    return std::abs(actual - expected) <= 1e-9 * std::max(1.0, std::abs(expected));
}

} // namespace

class TestCapability : public QObject
{
    Q_OBJECT

private slots:
    void indices_data();
    void indices();
    void stableAtLargeOffsets();
    void westernElectricRules_data();
    void westernElectricRules();
};

void TestCapability::indices_data()
{
    QTest::addColumn<QList<double>>("values");
    QTest::addColumn<int>("mode");
    QTest::addColumn<double>("lsl");
    QTest::addColumn<double>("usl");
    QTest::addColumn<QList<double>>("expected"); // Cp, Cpk, Cpu, Cpl, Pp, Ppk

    // 1, 3, 1, 3: mean 2, MR̄ 2, sigma within 2 / 1.128, sigma overall sqrt(4 / 3).
    const QList<double> values = {1.0, 3.0, 1.0, 3.0};
    const double within = 3.0 * 2.0 / kD2;
    const double overall = 3.0 * std::sqrt(4.0 / 3.0);
    const double nan = kNaN;
    QTest::newRow("centred") << values << int(MeasuringMode::RangeLimits) << 0.0 << 4.0
                             << QList<double>{4 / (2 * within), 2 / within, 2 / within, 2 / within,
                                              4 / (2 * overall), 2 / overall};
    QTest::newRow("off centre") << values << int(MeasuringMode::RangeLimits) << 0.0 << 6.0
                                << QList<double>{6 / (2 * within), 2 / within, 4 / within, 2 / within,
                                                 6 / (2 * overall), 2 / overall};
    QTest::newRow("lower limit only") << values << int(MeasuringMode::MinLimits) << 0.0 << 99.0
                                      << QList<double>{nan, 2 / within, nan, 2 / within, nan, 2 / overall};
    QTest::newRow("upper limit only") << values << int(MeasuringMode::MaxLimits) << -99.0 << 6.0
                                      << QList<double>{nan, 4 / within, 4 / within, nan, nan, 4 / overall};
    QTest::newRow("no limits") << values << int(MeasuringMode::MaxPeek) << 0.0 << 4.0
                               << QList<double>{nan, nan, nan, nan, nan, nan};
    QTest::newRow("limits reversed") << values << int(MeasuringMode::RangeLimits) << 4.0 << 0.0
                                     << QList<double>{nan, nan, nan, nan, nan, nan};
    QTest::newRow("one value") << QList<double>{2.0} << int(MeasuringMode::RangeLimits) << 0.0 << 4.0
                               << QList<double>{nan, nan, nan, nan, nan, nan};
    QTest::newRow("no spread") << QList<double>{2.0, 2.0, 2.0} << int(MeasuringMode::RangeLimits) << 0.0
                               << 4.0 << QList<double>{nan, nan, nan, nan, nan, nan};
}

void TestCapability::indices()
{
    QFETCH(QList<double>, values);
    QFETCH(int, mode);
    QFETCH(double, lsl);
    QFETCH(double, usl);
    QFETCH(QList<double>, expected);
    const Indices got = compute(values, mode, lsl, usl);
    const double actual[] = {got.cp, got.cpk, got.cpu, got.cpl, got.pp, got.ppk};
    const char *names[] = {"Cp", "Cpk", "Cpu", "Cpl", "Pp", "Ppk"};
    for (int i = 0; i < 6; ++i)
        QVERIFY2(same(actual[i], expected.at(i)),
                 qPrintable(QStringLiteral("%1 = %2, expected %3").arg(names[i]).arg(actual[i]).arg(expected.at(i))));
}

void TestCapability::stableAtLargeOffsets()
{
    // 10^6 values 1000.0001 ± 0.0001 in turn: raw sums of squares lose every digit of the spread here.
    QList<double> values;
    values.reserve(1000000);
    for (int i = 0; i < 1000000; ++i)
        values.append(1000.0001 + (i % 2 ? 1e-4 : -1e-4));
    const Indices got = compute(values, MeasuringMode::RangeLimits, 1000.0, 1000.0003);
    const double overall = 1e-4 * std::sqrt(1e6 / (1e6 - 1.0));
    QVERIFY(std::abs(got.sigmaOverall / overall - 1.0) < 1e-6);
    QVERIFY(std::abs(got.averageMovingRange / 2e-4 - 1.0) < 1e-6);
    QVERIFY(std::abs(got.pp / (0.0003 / (6 * overall)) - 1.0) < 1e-5);
    QVERIFY(std::abs(got.cpk / (0.0001 / (3 * 2e-4 / kD2)) - 1.0) < 1e-5);
    // The grades' edges belong to the better grade.
    QVERIFY(grade(1.33) == Grade::Capable && grade(1.0) == Grade::Marginal && grade(0.99) == Grade::NotCapable);
}

void TestCapability::westernElectricRules_data()
{
    QTest::addColumn<QList<double>>("z"); // values with centre 0 and sigma 1
    QTest::addColumn<QList<unsigned>>("flags");
    QTest::newRow("beyond 3 sigma, both sides")
        << QList<double>{0.0, 3.5, 0.0, -3.2, 3.0} << QList<unsigned>{0, BeyondThreeSigma, 0, BeyondThreeSigma, 0};
    QTest::newRow("two of three beyond 2 sigma")
        << QList<double>{0.0, 2.5, 0.5, 2.1, -2.5, 2.2}
        << QList<unsigned>{0, 0, 0, TwoOfThreeBeyondTwo, 0, TwoOfThreeBeyondTwo};
    QTest::newRow("two beyond 2 sigma on opposite sides") << QList<double>{0.0, 2.5, -2.5} << QList<unsigned>{0, 0, 0};
    QTest::newRow("two beyond 2 sigma, then one inside") << QList<double>{2.5, 2.2, 0.0} << QList<unsigned>{0, 0, 0};
    QTest::newRow("eight on the centre line") << QList<double>(8, 0.0) << QList<unsigned>(8, 0u);
    QTest::newRow("four of five beyond 1 sigma")
        << QList<double>{1.5, 1.5, 0.2, 1.5, 1.5, -0.5}
        << QList<unsigned>{0, 0, 0, 0, FourOfFiveBeyondOne, 0};
    QTest::newRow("eight on one side, broken by the centre")
        << QList<double>{0.5, 0.5, 0.5, 0.5, 0.5, 0.5, 0.5, 0.0, 0.5, 0.5, 0.5, 0.5, 0.5, 0.5, 0.5, 0.5, 0.5}
        << QList<unsigned>{0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, EightOnOneSide, EightOnOneSide};
}

void TestCapability::westernElectricRules()
{
    QFETCH(QList<double>, z);
    QFETCH(QList<unsigned>, flags);
    ControlLimits limits;
    limits.centre = 10.0;
    limits.sigma = 0.5;
    QList<double> values;
    for (double v : z)
        values.append(10.0 + 0.5 * v);
    QCOMPARE(westernElectricFlags(values, limits), flags);

    // Limits of the chart from the data: 1, 3, 1, 3 gives centre 2, 3 sigma = 3 · 2 / d2, MR limit D4 · 2.
    const ControlLimits fromData = controlLimits({1.0, 3.0, 1.0, 3.0});
    QVERIFY(same(fromData.upper, 2.0 + 6.0 / kD2) && same(fromData.lower, 2.0 - 6.0 / kD2));
    QVERIFY(same(fromData.mrUpper, 2.0 * kD4));
}

QTEST_MAIN(TestCapability)
#include "tst_capability.moc"
