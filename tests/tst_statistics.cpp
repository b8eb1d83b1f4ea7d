#include "devices/devicerecord.h"
#include "recording/histogramwidget.h"
#include "recording/recordingstore.h"
#include "recording/statistics.h"
#include "recording/statisticsdialog.h"
#include "recording/trendwidget.h"

#include <QComboBox>
#include <QImage>
#include <QLabel>
#include <QListWidget>
#include <QStandardItemModel>
#include <QTest>

#include <cmath>

using namespace Statistics;
Q_DECLARE_METATYPE(DeviceStats)

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
    return DeviceStats{name, QStringLiteral("mm"), 3, type, lo, hi, values, {}};
}

// Pixels of `colour` in the widget drawn at 600 x 260.
int pixelsOf(QWidget &widget, const char *colour)
{
    widget.resize(600, 260);
    const QImage image = widget.grab().toImage();
    int hits = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            hits += image.pixelColor(x, y) == QColor(colour) ? 1 : 0;
    return hits;
}

} // namespace

class TestStatistics : public QObject
{
    Q_OBJECT

private slots:
    void bins_data()
    {
        QTest::addColumn<QList<double>>("values");
        QTest::addColumn<QList<int>>("counts"); // empty: no histogram
        QTest::newRow("one value") << QList<double>{5.0} << QList<int>();
        QTest::newRow("ten equal values") << QList<double>(10, 12.345) << QList<int>();
        QTest::newRow("equal but for rounding")
            << QList<double>{1000.0001, 1000.0001 + 1e-13} << QList<int>();
        QTest::newRow("two zeros") << QList<double>{0.0, 0.0} << QList<int>();
        QTest::newRow("zero and tiny") << QList<double>{0.0, 1e-20} << QList<int>{1, 0, 0, 0, 1};
        QTest::newRow("3 values, maximum in the last bin") << ramp(3) << QList<int>{1, 0, 1, 0, 1};
        QTest::newRow("30 values in 6 bins") << ramp(30) << QList<int>(6, 5);
        QTest::newRow("1000 values in 20 bins") << ramp(1000) << QList<int>(20, 50);
        QTest::newRow("large offset") << ramp(50, 1000.0, 1e-4) << QList<int>{7, 6, 6, 6, 6, 6, 6, 7};
        // The bin is floor((x - min) / (max - min) * k) in exactly that order; other orders round
        // these boundary values into the neighbouring bin.
        QTest::newRow("1.41 of 0..2.35 in bin 3")
            << QList<double>{0.0, 1.41, 2.35} << QList<int>{1, 0, 0, 1, 1};
        QTest::newRow("0.01 of 0..0.05 in bin 0")
            << QList<double>{0.0, 0.01, 0.05} << QList<int>{2, 0, 0, 0, 1};
    }
    void bins()
    {
        QFETCH(QList<double>, values);
        QTEST(histogram(values).counts, "counts");
    }

    void summaryAndSlope_data()
    {
        QTest::addColumn<QList<double>>("values");
        QTest::addColumn<double>("mean");
        QTest::addColumn<double>("stdDev"); // NaN: not defined
        QTest::addColumn<double>("slope");
        QTest::newRow("one value") << QList<double>{2.5} << 2.5 << kNaN << kNaN;
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
        QVERIFY2(std::isnan(stdDev) ? std::isnan(s.stdDev) : std::abs(s.stdDev - stdDev) <= 1e-6 * stdDev,
                 qPrintable(QString::number(s.stdDev, 'g', 17)));
        const double got = trendSlope(values);
        QVERIFY2(std::isnan(slope) ? std::isnan(got)
                                   : std::abs(got - slope) <= 1e-15 + 1e-8 * std::abs(slope),
                 qPrintable(QString::number(got, 'g', 17)));
    }

    void runChartRange()
    {
        // One value spans value -1 .. value +1, then 10 % more each side.
        const auto span = [](Range r) { return QList<double>{r.lo, r.hi}; };
        QCOMPARE(span(trendRange(5.0, 5.0, 0, 0, 0)), (QList<double>{3.8, 6.2}));
        // Modes with limits take in both limits whatever they judge; a peak mode takes in none.
        QCOMPARE(span(trendRange(1.0, 2.0, 5, 0.0, 4.0)), (QList<double>{-0.4, 4.4}));
        QCOMPARE(span(trendRange(1.0, 2.0, 3, 0.0, 4.0)), (QList<double>{0.9, 2.1}));
    }

    void buildFromRecordings()
    {
        RecordingStore store;
        QList<DeviceRecord> devices(3);
        devices[0].precision = 9; // out of range: two decimals
        devices[1].unit = UnitCode::Newton;
        for (int i = 0; i < 5; ++i) {
            store.appendMono(0, 10 + i, QString(), QString());
            store.appendMono(1, 20 + i, QString(), QString());
        }
        // Mono: only the shown device gets the selected rows, in row order; row 99 does not exist.
        QList<DeviceStats> list = buildDeviceStats(store, devices, false, 1, {4, 0, 2, 99, 2});
        QCOMPARE(list.size(), 3);
        QVERIFY(list[0].precision == 2 && list[1].unit == QStringLiteral("N"));
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
        QCOMPARE(list[0].selectedValues, (QList<double>{3, 4, 9}));
        QVERIFY(list[1].allValues.isEmpty());
        QCOMPARE(list[2].allValues, (QList<double>{100, 103, 106, 109}));
        QCOMPARE(list[2].selectedValues, (QList<double>{103, 109}));
    }

    // Tiles in their order: count, mean, minimum, maximum, range, std. deviation, within, outside, pass %.
    void dialogFigures_data()
    {
        QTest::addColumn<DeviceStats>("stats");
        QTest::addColumn<QString>("tiles");
        QTest::addColumn<QString>("tolerance"); // how the information line starts
        QTest::addColumn<QString>("trend");     // how it ends; empty: no trend at all
        const QString none = QStringLiteral("Для цього приладу допуски не задані");
        QTest::newRow("one value") << device("A", {1.5}) << "1 1.500 1.500 1.500 0.000 — — — —" << none
                                   << QString();
        QTest::newRow("both limits, two of five outside")
            << device("A", {1.0, 1.5, 2.5, 1.2, 0.5}, 7, 1.0, 2.0)
            << "5 1.340 0.500 2.500 2.000 0.744 3 2 60.0"
            << "Допуск: від 1.000 до 2.000 mm"
            << "   •   Тренд: -0.1300 mm за вимір";
        QTest::newRow("upper limit, one of two outside")
            << device("A", {2.0, 3.0}, 6, 0.0, 2.0) << "2 2.500 2.000 3.000 1.000 0.707 1 1 50.0"
            << "Допуск: не більше 2.000 mm"
            << "   •   Тренд: +1.0000 mm за вимір";
        QTest::newRow("lower limit, none outside")
            << device("A", {3.0, 4.0}, 5, 3.0, 0.0) << "2 3.500 3.000 4.000 1.000 0.707 2 0 100.0"
            << "Допуск: не менше 3.000 mm"
            << "   •   Тренд: +1.0000 mm за вимір";
        QTest::newRow("falling trend that rounds to zero")
            << device("A", {1.0000002, 1.0000001, 1.0}) << "3 1.000 1.000 1.000 0.000 0.000 — — —" << none
            << "Тренд: +0.0000 mm за вимір";
    }
    void dialogFigures()
    {
        QFETCH(DeviceStats, stats);
        QFETCH(QString, tiles);
        QFETCH(QString, tolerance);
        QFETCH(QString, trend);
        StatisticsDialog dialog({stats}, 0, QString());
        QStringList shown;
        for (int tile = 0; tile < StatisticsDialog::TileCount; ++tile)
            shown << dialog.tileValue(StatisticsDialog::Tile(tile))->text();
        QCOMPARE(shown.join(u' '), tiles);
        const QString info = dialog.information();
        QVERIFY2(info.startsWith(tolerance) && info.endsWith(trend), qPrintable(info));
        QCOMPARE(info.contains(QStringLiteral("Тренд")), !trend.isEmpty());
    }

    void dialogValueSets()
    {
        DeviceStats shown = device("A", {1.0, 1.5, 2.5, 1.2, 0.5});
        shown.selectedValues = {1.0, 1.5, 1.2};
        StatisticsDialog dialog({device("B", {3.0, 4.0}), shown}, 7, QString());
        QLabel *count = dialog.tileValue(StatisticsDialog::Count);
        QComboBox *box = dialog.valueSetBox();
        // Opens on the last device, with its selected rows chosen.
        QCOMPARE(dialog.heading(), QStringLiteral("A"));
        QCOMPARE(box->currentText(), QStringLiteral("виділеними рядками (3)"));
        QCOMPARE(count->text(), QStringLiteral("3"));
        box->setCurrentIndex(0);
        QCOMPARE(count->text(), QStringLiteral("5"));
        // A device without a selection cannot choose one.
        dialog.deviceList()->setCurrentRow(0);
        QCOMPARE(dialog.heading(), QStringLiteral("B"));
        QVERIFY(!qobject_cast<QStandardItemModel *>(box->model())->item(1)->isEnabled());
        QCOMPARE(count->text(), QStringLiteral("2"));

        StatisticsDialog empty({}, 0, QString());
        QCOMPARE(empty.heading(), QStringLiteral("Немає приладів"));
        QCOMPARE(empty.tileValue(StatisticsDialog::Count)->text(), QStringLiteral("0"));
        QCOMPARE(empty.tileValue(StatisticsDialog::Mean)->text(), QStringLiteral("—"));
    }

    void tooltips()
    {
        HistogramWidget histogramWidget;
        histogramWidget.resize(560, 240); // plot area 46..546: 100 px per bin
        histogramWidget.setData(ramp(10), 2, QStringLiteral("mm"));
        QCOMPARE(histogramWidget.toolTipAt(QPointF(46 + 150, 100)),
                 QStringLiteral("1.80 … 3.60 mm\nвимірів: 2"));
        QCOMPARE(histogramWidget.toolTipAt(QPointF(546, 100)), QStringLiteral("7.20 … 9.00 mm\nвимірів: 2"));
        QCOMPARE(histogramWidget.toolTipAt(QPointF(300, 235)), QString());

        TrendWidget trendWidget;
        trendWidget.resize(182, 234); // plot area 68..168, 12..212
        trendWidget.setData({5.0, 6.0, 7.0, 8.0, 9.0}, 1, QStringLiteral("N"), 0, 0, 0);
        QCOMPARE(trendWidget.toolTipAt(QPointF(68 + 60, 100)), QStringLiteral("вимір №3\n7.0 N"));
        QCOMPARE(trendWidget.toolTipAt(QPointF(68 + 63, 100)), QStringLiteral("вимір №4\n8.0 N"));
        QCOMPARE(trendWidget.toolTipAt(QPointF(60, 100)), QString());
        trendWidget.setData({5.0}, 1, QStringLiteral("N"), 0, 0, 0);
        QCOMPARE(trendWidget.toolTipAt(QPointF(100, 100)), QString());
    }

    void rendering()
    {
        HistogramWidget histogramWidget;
        histogramWidget.setData(ramp(30), 3, QStringLiteral("mm"));
        QVERIFY(pixelsOf(histogramWidget, Colour::Series) > 1000);

        // Limits drawn only in tolerance modes; the trend line in its own colour.
        TrendWidget trendWidget;
        trendWidget.setData(ramp(20, 1.0, 0.05), 3, QStringLiteral("mm"), 7, 1.2, 1.8);
        QVERIFY(pixelsOf(trendWidget, Colour::Limit) > 100);
        QVERIFY(pixelsOf(trendWidget, Colour::Trend) > 50);
        trendWidget.setData(ramp(20, 1.0, 0.05), 3, QStringLiteral("mm"), 2, 1.2, 1.8);
        QCOMPARE(pixelsOf(trendWidget, Colour::Limit), 0);

        // A series longer than the plot is wide is drawn as an envelope that still reaches its spikes.
        QList<double> many(200000, 1.0);
        many[123456] = 2.0;
        trendWidget.setData(many, 3, QStringLiteral("mm"), 0, 0, 0);
        const QImage image = trendWidget.grab().toImage();
        const QRectF area = trendWidget.plotArea();
        const int topRow = int(area.bottom() - (2.0 - (1.0 - 0.1)) / 1.2 * area.height());
        int seriesNearTop = 0;
        for (int x = int(area.left()); x < int(area.right()); ++x)
            for (int y = topRow - 2; y <= topRow + 2; ++y)
                seriesNearTop += image.pixelColor(x, y) == QColor(Colour::Series) ? 1 : 0;
        QVERIFY(seriesNearTop > 0);
    }
};

QTEST_MAIN(TestStatistics)
#include "tst_statistics.moc"
