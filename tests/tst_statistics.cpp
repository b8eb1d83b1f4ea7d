#include "recording/histogramwidget.h"
#include "recording/recordingstore.h"
#include "recording/statistics.h"
#include "recording/statisticsdialog.h"
#include "recording/trendwidget.h"
#include "devices/devicerecord.h"

#include <QComboBox>
#include <QImage>
#include <QLabel>
#include <QListWidget>
#include <QStandardItemModel>
#include <QTest>

#include <cmath>

using namespace Statistics;

namespace {

QList<double> ramp(int n, double start = 0.0, double step = 1.0)
{
    QList<double> values;
    for (int i = 0; i < n; ++i)
        values.append(start + i * step);
    return values;
}

DeviceStats device(const QString &name, const QList<double> &values, int type = 0, double lo = 0,
                   double hi = 0)
{
    DeviceStats d;
    d.name = name;
    d.unit = QStringLiteral("mm");
    d.precision = 3;
    d.measuringType = type;
    d.limitMin = lo;
    d.limitMax = hi;
    d.allValues = values;
    return d;
}

int countColour(const QImage &image, const QColor &colour)
{
    int hits = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            hits += QColor(image.pixel(x, y)) == colour ? 1 : 0;
    return hits;
}

QImage render(QWidget &widget)
{
    widget.resize(600, 260);
    return widget.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

} // namespace

class TestStatistics : public QObject
{
    Q_OBJECT

private slots:
    void bins_data()
    {
        QTest::addColumn<QList<double>>("values");
        QTest::addColumn<int>("bins");
        QTest::newRow("one value") << QList<double>{5.0} << 0;
        QTest::newRow("ten equal values") << QList<double>(10, 12.345) << 0;
        QTest::newRow("two zeros") << QList<double>{0.0, 0.0} << 0;
        QTest::newRow("zero and tiny") << QList<double>{0.0, 1e-20} << 5;
        QTest::newRow("3 values") << ramp(3) << 5;
        QTest::newRow("30 values") << ramp(30) << 6;
        QTest::newRow("1000 values") << ramp(1000) << 20;
        QTest::newRow("large offset") << ramp(50, 1000.0, 1e-4) << 8;
    }
    void bins()
    {
        QFETCH(QList<double>, values);
        QFETCH(int, bins);
        const Histogram h = histogram(values);
        QCOMPARE(h.counts.size(), bins);
        if (bins == 0)
            return;
        int total = 0;
        for (int c : h.counts)
            total += c;
        QCOMPARE(total, values.size());
        QVERIFY(h.counts.first() >= 1 && h.counts.last() >= 1); // the maximum lands in the last bin
    }

    void summaryAndSlope_data()
    {
        QTest::addColumn<QList<double>>("values");
        QTest::addColumn<double>("mean");
        QTest::addColumn<double>("stdDev"); // NaN: not defined
        QTest::addColumn<double>("slope");
        QTest::newRow("one value") << QList<double>{2.5} << 2.5 << kNaN << kNaN;
        QTest::newRow("two values") << QList<double>{1.0, 3.0} << 2.0 << std::sqrt(2.0) << 2.0;
        QTest::newRow("ramp") << ramp(5, 10.0, 0.5) << 11.0 << std::sqrt(0.625) << 0.5;
        // 1000.0001 +- 0.0001: the naive sum-of-squares formulas lose every significant digit here.
        QList<double> alternating;
        for (int i = 0; i < 100000; ++i)
            alternating.append(i % 2 ? 1000.0002 : 1000.0000);
        QTest::newRow("large offset noise")
            << alternating << 1000.0001 << 1e-4 * std::sqrt(100000.0 / 99999.0) << 6e-4 / (1e10 - 1.0);
        QTest::newRow("large offset drift") << ramp(100000, 1000.0001, 1e-9) << 1000.0001 + 49999.5e-9
                                            << 1e-9 * std::sqrt(100000.0 * 100001.0 / 12.0) << 1e-9;
    }
    void summaryAndSlope()
    {
        QFETCH(QList<double>, values);
        QFETCH(double, mean);
        QFETCH(double, stdDev);
        QFETCH(double, slope);
        const Summary s = summarize(values);
        QCOMPARE(s.count, values.size());
        QVERIFY(std::abs(s.mean - mean) < 1e-10);
        if (std::isnan(stdDev))
            QVERIFY(std::isnan(s.stdDev));
        else
            QVERIFY2(std::abs(s.stdDev - stdDev) <= 1e-6 * stdDev,
                     qPrintable(QString::number(s.stdDev, 'g', 17)));
        const double got = trendSlope(values);
        if (std::isnan(slope))
            QVERIFY(std::isnan(got));
        else
            QVERIFY2(std::abs(got - slope) <= 1e-15 + 1e-8 * std::abs(slope),
                     qPrintable(QString::number(got, 'g', 17)));
    }

    void geometry()
    {
        // Ten equal values span value -1 .. value +1, then 10 % more each side.
        Range r = trendRange(5.0, 5.0, 0, 0, 0);
        QCOMPARE(r.lo, 5.0 - 1.0 - 0.2);
        QCOMPARE(r.hi, 5.0 + 1.0 + 0.2);
        // Modes with limits always take in both limits; a peak mode takes in none.
        r = trendRange(1.0, 2.0, 5, 0.0, 4.0);
        QCOMPARE(r.lo, -0.4);
        QCOMPARE(r.hi, 4.4);
        r = trendRange(1.0, 2.0, 3, 0.0, 4.0);
        QCOMPARE(r.lo, 0.9);
        QCOMPARE(r.hi, 2.1);
        QVERIFY(fuzzyEqual(1000.0001, 1000.0001 + 1e-13));
        QVERIFY(!fuzzyEqual(1000.0001, 1000.0002));
        QCOMPARE(fixed(-0.00001, 3), QStringLiteral("0.000")); // never "-0.000"
        QCOMPARE(fixed(-0.01, 3), QStringLiteral("-0.010"));

        // Nearest run-chart point and bin under the pointer, clamped to the ends.
        QCOMPARE(nearestPoint(0, 100, 11), 0);
        QCOMPARE(nearestPoint(14.9, 100, 11), 1);
        QCOMPARE(nearestPoint(15.1, 100, 11), 2);
        QCOMPARE(nearestPoint(100, 100, 11), 10);
        QCOMPARE(binAt(39.9, 100, 5), 1);
        QCOMPARE(binAt(100, 100, 5), 4);

        // The envelope keeps every extreme of a series far longer than the plot is wide.
        QList<double> values = ramp(100000, 0, 0);
        values[31234] = 7.0;
        values[77777] = -3.0;
        const QList<Envelope> env = columnEnvelope(values, 501);
        double lo = 0, hi = 0;
        for (const Envelope &e : env) {
            QVERIFY(!std::isnan(e.min));
            lo = std::min(lo, e.min);
            hi = std::max(hi, e.max);
        }
        QCOMPARE(lo, -3.0);
        QCOMPARE(hi, 7.0);
    }

    void tolerance_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<int>("within");
        QTest::newRow("5 lower limit inclusive") << 5 << 3; // 1, 2, 3 >= 1
        QTest::newRow("6 upper limit inclusive") << 6 << 3; // 0, 1, 2 <= 2
        QTest::newRow("7 both") << 7 << 2;
        QTest::newRow("3 peak mode judges nothing") << 3 << 0;
    }
    void tolerance()
    {
        QFETCH(int, type);
        QFETCH(int, within);
        QCOMPARE(countWithinTolerance({0.0, 1.0, 2.0, 3.0}, type, 1.0, 2.0), within);
    }

    void buildFromRecordings()
    {
        RecordingStore store;
        QList<DeviceRecord> devices(3);
        devices[0].name = QStringLiteral("A");
        devices[0].precision = 9; // out of range: two decimals
        devices[0].measuringType = 7;
        devices[0].limitMin = 1;
        devices[0].limitMax = 2;
        devices[1].name = QStringLiteral("B");
        devices[1].unit = UnitCode::Newton;
        for (int i = 0; i < 5; ++i) {
            store.appendMono(0, 10 + i, QString(), QString());
            store.appendMono(1, 20 + i, QString(), QString());
        }
        // Mono: only the shown device gets the selected rows, in row order; row 99 does not exist.
        QList<DeviceStats> list = buildDeviceStats(store, devices, false, 1, {4, 0, 2, 99, 2});
        QCOMPARE(list.size(), 3);
        QCOMPARE(list[0].precision, 2);
        QCOMPARE(list[1].unit, QStringLiteral("N"));
        QCOMPARE(list[0].allValues, (QList<double>{10, 11, 12, 13, 14}));
        QVERIFY(list[0].selectedValues.isEmpty());
        QCOMPARE(list[1].selectedValues, (QList<double>{20, 22, 24}));

        // Multi: a device with a value in 4 of 10 snapshots counts 4.
        for (int row = 0; row < 10; ++row) {
            DeviceValues values;
            values.insert(0, row);
            if (row % 3 == 0)
                values.insert(2, 100 + row);
            store.appendSnapshot({QString(), values});
        }
        list = buildDeviceStats(store, devices, true, 1, {9, 3, 4});
        QCOMPARE(list[0].allValues.size(), 10);
        QCOMPARE(list[0].selectedValues, (QList<double>{3, 4, 9}));
        QVERIFY(list[1].allValues.isEmpty());
        QCOMPARE(list[2].allValues, (QList<double>{100, 103, 106, 109}));
        QCOMPARE(list[2].selectedValues, (QList<double>{103, 109}));
    }

    void dialogOneValueAndEmpty()
    {
        StatisticsDialog one({device(QStringLiteral("A"), {1.5})}, 7, QStringLiteral("src"));
        QCOMPARE(one.deviceList()->currentRow(), 0); // initial index limited to the last device
        QCOMPARE(one.heading(), QStringLiteral("A"));
        QCOMPARE(one.tileValue(StatisticsDialog::Count)->text(), QStringLiteral("1"));
        QCOMPARE(one.tileValue(StatisticsDialog::Range)->text(), QStringLiteral("0.000"));
        QCOMPARE(one.tileValue(StatisticsDialog::StdDev)->text(), QStringLiteral("—"));
        QVERIFY(!one.information().contains(QStringLiteral("Тренд")));
        QVERIFY(one.information().startsWith(QStringLiteral("Для цього приладу допуски не задані")));
        QVERIFY(one.histogram()->bins().counts.isEmpty());
        QVERIFY(std::isnan(one.trend()->slope()));
        QCOMPARE(countColour(render(*one.histogram()), QColor(Colour::Series)), 0);

        StatisticsDialog none({}, 0, QString());
        QCOMPARE(none.heading(), QStringLiteral("Немає приладів"));
        QCOMPARE(none.tileValue(StatisticsDialog::Count)->text(), QStringLiteral("0"));
        QCOMPARE(none.tileValue(StatisticsDialog::Mean)->text(), QStringLiteral("—"));
    }

    void dialogSelectionAndTolerance()
    {
        DeviceStats shown = device(QStringLiteral("A"), {1.0, 1.5, 2.5, 1.2, 0.5}, 7, 1.0, 2.0);
        shown.selectedValues = {1.0, 1.5, 1.2};
        const DeviceStats other = device(QStringLiteral("B"), {3.0, 4.0}, 5, 3.0, 0.0);
        StatisticsDialog dialog({other, shown}, 1, QStringLiteral("src"));
        QComboBox *box = dialog.valueSetBox();

        // The selected rows are chosen when there are any.
        QCOMPARE(box->currentData().toInt(), 1);
        QCOMPARE(box->itemText(1), QStringLiteral("виділеними рядками (3)"));
        QCOMPARE(dialog.tileValue(StatisticsDialog::Count)->text(), QStringLiteral("3"));
        QCOMPARE(dialog.tileValue(StatisticsDialog::Outside)->text(), QStringLiteral("0"));
        QVERIFY(dialog.tileValue(StatisticsDialog::Outside)->styleSheet().contains(QStringLiteral("#222")));
        QVERIFY(
            dialog.information().startsWith(QStringLiteral("Допуск: від 1.000 до 2.000 mm   •   Тренд: +")));

        // The whole table: two of five outside, shown in red.
        box->setCurrentIndex(0);
        QCOMPARE(dialog.tileValue(StatisticsDialog::Count)->text(), QStringLiteral("5"));
        QCOMPARE(dialog.tileValue(StatisticsDialog::Within)->text(), QStringLiteral("3"));
        QVERIFY(dialog.tileValue(StatisticsDialog::Within)->styleSheet().contains(QStringLiteral("#006400")));
        QCOMPARE(dialog.tileValue(StatisticsDialog::Outside)->text(), QStringLiteral("2"));
        QVERIFY(
            dialog.tileValue(StatisticsDialog::Outside)->styleSheet().contains(QStringLiteral("#cc0000")));
        QCOMPARE(dialog.tileValue(StatisticsDialog::PassRate)->text(), QStringLiteral("60.0"));
        QCOMPARE(dialog.tileValue(StatisticsDialog::StdDev)->text(), QStringLiteral("0.744"));

        // Another device without a selection: item 1 disabled, lower-limit mode all inside.
        dialog.deviceList()->setCurrentRow(0);
        QCOMPARE(dialog.heading(), QStringLiteral("B"));
        const auto *model = qobject_cast<QStandardItemModel *>(box->model());
        QVERIFY(model && !model->item(1)->isEnabled());
        QCOMPARE(dialog.tileValue(StatisticsDialog::Outside)->text(), QStringLiteral("0"));
        QVERIFY(dialog.tileValue(StatisticsDialog::Outside)->styleSheet().contains(QStringLiteral("#222")));
        QCOMPARE(dialog.tileValue(StatisticsDialog::PassRate)->text(), QStringLiteral("100.0"));
        QCOMPARE(dialog.information(),
                 QStringLiteral("Допуск: не менше 3.000 mm   •   Тренд: +1.0000 mm за вимір"));

        // A peak mode judges nothing.
        StatisticsDialog peak({device(QStringLiteral("P"), {3.0, 2.0}, 3, 0, 1)}, 0, QString());
        QCOMPARE(peak.tileValue(StatisticsDialog::Within)->text(), QStringLiteral("—"));
        QCOMPARE(peak.tileValue(StatisticsDialog::PassRate)->text(), QStringLiteral("—"));
        QVERIFY(peak.information().endsWith(QStringLiteral("   •   Тренд: -1.0000 mm за вимір")));
    }

    void tooltips()
    {
        HistogramWidget histogramWidget;
        histogramWidget.resize(560, 240); // plot area 46..546: 100 px per bin
        histogramWidget.setData(ramp(10), 2, QStringLiteral("mm"));
        QCOMPARE(histogramWidget.toolTipAt(QPointF(46 + 150, 100)),
                 QStringLiteral("1.80 … 3.60 mm\nвимірів: 2"));
        QCOMPARE(histogramWidget.toolTipAt(QPointF(300, 235)), QString());

        TrendWidget trendWidget;
        trendWidget.resize(182, 234); // plot area 68..168, 12..212
        trendWidget.setData({5.0, 6.0, 7.0, 8.0, 9.0}, 1, QStringLiteral("N"), 0, 0, 0);
        QCOMPARE(trendWidget.toolTipAt(QPointF(68 + 60, 100)), QStringLiteral("вимір №3\n7.0 N"));
        QCOMPARE(trendWidget.toolTipAt(QPointF(68 + 63, 100)), QStringLiteral("вимір №4\n8.0 N"));
        QCOMPARE(trendWidget.toolTipAt(QPointF(168, 212)), QStringLiteral("вимір №5\n9.0 N"));
        QCOMPARE(trendWidget.toolTipAt(QPointF(60, 100)), QString());
        trendWidget.setData({5.0}, 1, QStringLiteral("N"), 0, 0, 0);
        QCOMPARE(trendWidget.toolTipAt(QPointF(100, 100)), QString());
    }

    void rendering()
    {
        HistogramWidget histogramWidget;
        histogramWidget.setData(ramp(30), 3, QStringLiteral("mm"));
        QVERIFY(countColour(render(histogramWidget), QColor(Colour::Series)) > 1000);
        histogramWidget.setData(QList<double>(10, 4.0), 3, QStringLiteral("mm"));
        QCOMPARE(countColour(render(histogramWidget), QColor(Colour::Series)), 0);

        // Limits drawn in red only in tolerance modes; the trend line in its own colour.
        TrendWidget trendWidget;
        trendWidget.setData(ramp(20, 1.0, 0.05), 3, QStringLiteral("mm"), 7, 1.2, 1.8);
        QImage image = render(trendWidget);
        QVERIFY(countColour(image, QColor(Colour::Limit)) > 100);
        QVERIFY(countColour(image, QColor(Colour::Series)) > 100);
        QVERIFY(countColour(image, QColor(Colour::Trend)) > 50);
        trendWidget.setData(ramp(20, 1.0, 0.05), 3, QStringLiteral("mm"), 2, 1.2, 1.8);
        QCOMPARE(countColour(render(trendWidget), QColor(Colour::Limit)), 0);

        // A series longer than the plot is wide is drawn as an envelope that still reaches its spikes.
        QList<double> many(200000, 1.0);
        many[123456] = 2.0;
        trendWidget.setData(many, 3, QStringLiteral("mm"), 0, 0, 0);
        image = render(trendWidget);
        const QRectF area = trendWidget.plotArea();
        const int topRow = int(area.bottom() - (2.0 - (1.0 - 0.1)) / 1.2 * area.height());
        int seriesNearTop = 0;
        for (int x = int(area.left()); x < int(area.right()); ++x)
            for (int y = topRow - 2; y <= topRow + 2; ++y)
                seriesNearTop += QColor(image.pixel(x, y)) == QColor(Colour::Series) ? 1 : 0;
        QVERIFY(seriesNearTop > 0);
    }
};

QTEST_MAIN(TestStatistics)
#include "tst_statistics.moc"
