#include "devices/devicerecord.h"
#include "modalanswerer.h"
#include "recording/controlchartwidget.h"
#include "recording/histogramwidget.h"
#include "recording/tableexporter.h"
#include "recording/recordingstore.h"
#include "recording/statistics.h"
#include "recording/statisticsdialog.h"
#include "recording/trendwidget.h"

#include <QComboBox>
#include <QImage>
#include <QLabel>
#include <QListWidget>
#include <QFile>
#include <QStandardItemModel>
#include <QTemporaryDir>
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

DeviceStats device(const QList<double> &values, int type = 0, double lo = 0, double hi = 0,
                   const char *name = "A")
{
    return DeviceStats{name, QStringLiteral("mm"), 3, type, lo, hi, values, {}};
}

// Pixels of `colour` within `region` of the widget drawn at 600 x 260.
int pixelsOf(QWidget &widget, const char *colour, const QRect &region = QRect(0, 0, 600, 260))
{
    widget.resize(600, 260);
    const QImage image = widget.grab().toImage();
    int hits = 0;
    for (int y = region.top(); y <= region.bottom(); ++y)
        for (int x = region.left(); x <= region.right(); ++x)
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
        QTest::addColumn<double>("stdDev");
        QTest::addColumn<double>("slope");
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
        QFETCH(double, stdDev);
        QFETCH(double, slope);
        const Summary s = summarize(values);
        QTEST(s.mean, "mean");
        QVERIFY2(std::abs(s.stdDev - stdDev) <= 1e-6 * stdDev,
                 qPrintable(QString::number(s.stdDev, 'g', 17)));
        const double got = trendSlope(values);
        QVERIFY2(std::abs(got - slope) <= 1e-15 + 1e-8 * slope, qPrintable(QString::number(got, 'g', 17)));
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
        const auto values = [](const QList<DeviceStats> &list) {
            QList<QList<double>> all; // per device: all values, selected values
            for (const DeviceStats &one : list)
                all << one.allValues << one.selectedValues;
            return all;
        };
        // Mono: only the shown device gets the selected rows, in row order; row 99 does not exist.
        const QList<DeviceStats> mono = buildDeviceStats(store, devices, false, 1, {4, 0, 2, 99, 2});
        QVERIFY(mono[0].precision == 2 && mono[1].unit == QStringLiteral("N"));
        QCOMPARE(values(mono), (QList<QList<double>>{ramp(5, 10), {}, ramp(5, 20), {20, 22, 24}, {}, {}}));
        // Multi: a device with a value in 4 of 10 snapshots counts 4.
        for (int row = 0; row < 10; ++row)
            store.appendSnapshot(
                {QString(), row % 3 ? DeviceValues{{0, row}} : DeviceValues{{0, row}, {2, 100 + row}}});
        QCOMPARE(values(buildDeviceStats(store, devices, true, 1, {9, 3, 4})),
                 (QList<QList<double>>{ramp(10), {3, 4, 9}, {}, {}, {100, 103, 106, 109}, {103, 109}}));
    }

    // Tiles in their order: count, mean, minimum, maximum, range, std. deviation, within, outside, pass %.
    void dialogFigures_data()
    {
        QTest::addColumn<DeviceStats>("stats");
        QTest::addColumn<QString>("tiles");
        QTest::addColumn<QString>("information");
        QTest::addColumn<QString>("capability"); // Cp Cpk Cpu Cpl Pp Ppk
        const QString none =
            QStringLiteral("Для цього приладу допуски не задані, тож придатність не оцінюється. "
                           "Задайте режим вимірювання з допусками в налаштуваннях приладу.");
        QTest::newRow("no values") << device({}) << "0 — — — — — — — —" << QString() << "— — — — — —";
        QTest::newRow("one value") << device({1.5}) << "1 1.500 1.500 1.500 0.000 — — — —" << none << "— — — — — —";
        QTest::newRow("both limits, two of five outside")
            << device({1.0, 1.5, 2.5, 1.2, 0.5}, 7, 1.0, 2.0) << "5 1.340 0.500 2.500 2.000 0.744 3 2 60.0"
            << "Допуск: від 1.000 до 2.000 mm   •   Тренд: -0.1300 mm за вимір"
            << "0.21 0.15 0.28 0.15 0.22 0.15";
        QTest::newRow("upper limit, one of two outside")
            << device({2.0, 3.0}, 6, 0.0, 2.0) << "2 2.500 2.000 3.000 1.000 0.707 1 1 50.0"
            << "Допуск: не більше 2.000 mm   •   Тренд: +1.0000 mm за вимір" << "— -0.19 -0.19 — — -0.24";
        QTest::newRow("lower limit, none outside")
            << device({3.0, 4.0}, 5, 3.0, 0.0) << "2 3.500 3.000 4.000 1.000 0.707 2 0 100.0"
            << "Допуск: не менше 3.000 mm   •   Тренд: +1.0000 mm за вимір" << "— 0.19 — 0.19 — 0.24";
        QTest::newRow("falling trend that rounds to zero")
            << device({1.0000002, 1.0000001, 1.0}) << "3 1.000 1.000 1.000 0.000 0.000 — — —"
            << none + "   •   Тренд: +0.0000 mm за вимір" << "— — — — — —";
    }
    void dialogFigures()
    {
        QFETCH(DeviceStats, stats);
        StatisticsDialog dialog({stats}, 0, QString());
        QStringList shown;
        for (int tile = 0; tile < StatisticsDialog::TileCount; ++tile)
            shown << dialog.tileValue(StatisticsDialog::Tile(tile))->text();
        QTEST(shown.join(u' '), "tiles");
        QTEST(dialog.information(), "information");
        shown.clear();
        for (int tile = 0; tile < StatisticsDialog::CapabilityTileCount; ++tile)
            shown << dialog.capabilityValue(StatisticsDialog::CapabilityTile(tile))->text();
        QTEST(shown.join(u' '), "capability");
    }

    // Graded colours, the figures in the export, and a point out of control named in the chart's tooltip.
    void capabilityExportAndControl()
    {
        QList<double> values;
        for (int i = 0; i < 21; ++i)
            values.append(i == 10 ? 3.0 : 1.0 + 0.01 * (i % 2));
        StatisticsDialog dialog({device(values.mid(0, 4), 7, 0.0, 2.0)}, 0, QString());
        QVERIFY(dialog.capabilityValue(StatisticsDialog::Cp)->styleSheet().contains(Colour::Within));

        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("figures.csv"));
        dialog.exporter()->setFileNameProvider([&](const QString &, const QString &) { return path; });
        ModalAnswerer success(QMessageBox::Ok);
        dialog.exporter()->exportCsv(*dialog.figures());
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray csv = file.readAll();
        QVERIFY2(csv.contains("\"Cp\",\"37.60\"") && csv.contains("\"Ppk\",\""), csv.constData());

        StatisticsDialog spiked({device(values, 7, 0.0, 5.0)}, 0, QString());
        ControlChartWidget *chart = spiked.controlChart();
        chart->resize(400, 300);
        QVERIFY(chart->flags().at(10) & Capability::BeyondThreeSigma);
        const QString tip = chart->toolTipAt(chart->individualsArea().center());
        QVERIFY2(tip.contains(QStringLiteral("№11 — правила 1")), qPrintable(tip));
        QVERIFY(spiked.information().contains(QStringLiteral("Поза статистичним контролем")));
    }

    void dialogValueSets()
    {
        DeviceStats chosen = device({1.0, 1.5, 2.5, 1.2, 0.5});
        chosen.selectedValues = {1.0, 1.5, 1.2};
        StatisticsDialog dialog({device({3.0, 4.0}, 0, 0, 0, "B"), chosen}, 7, QString());
        QComboBox *box = dialog.valueSetBox();
        const auto shown = [&] {
            return QStringList{dialog.heading(), box->currentText(),
                               dialog.tileValue(StatisticsDialog::Count)->text()};
        };
        // Opens on the last device, with its selected rows chosen.
        QCOMPARE(shown(), (QStringList{"A", "виділеними рядками (3)", "3"}));
        box->setCurrentIndex(0);
        QCOMPARE(shown(), (QStringList{"A", "усією таблицею (5)", "5"}));
        // A device without a selection cannot choose one.
        dialog.deviceList()->setCurrentRow(0);
        QCOMPARE(shown(), (QStringList{"B", "усією таблицею (2)", "2"}));
        QVERIFY(!qobject_cast<QStandardItemModel *>(box->model())->item(1)->isEnabled());
    }

    void charts()
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

        // Drawn: limits only in tolerance modes, which widen the range to show them; the trend in its own
        // colour.
        histogramWidget.setData(ramp(30), 3, QStringLiteral("mm"));
        QVERIFY(pixelsOf(histogramWidget, Colour::Series) > 1000);
        trendWidget.setData(ramp(20, 1.0, 0.05), 3, QStringLiteral("mm"), 7, 0.5, 2.5);
        QVERIFY(pixelsOf(trendWidget, Colour::Limit) > 100 && pixelsOf(trendWidget, Colour::Trend) > 50);
        trendWidget.setData(ramp(20, 1.0, 0.05), 3, QStringLiteral("mm"), 2, 1.2, 1.8);
        QCOMPARE(pixelsOf(trendWidget, Colour::Limit), 0);
        // Equal values are opened to +-1 before the 10 % each side.
        QCOMPARE(trendRange(5.0, 5.0, 0, 0, 0).lo, 3.8);

        // A series longer than the plot is wide is drawn as an envelope that still reaches its spikes.
        QList<double> many(200000, 1.0);
        many[123456] = 2.0;
        trendWidget.setData(many, 3, QStringLiteral("mm"), 0, 0, 0);
        const QRectF area = trendWidget.plotArea();
        const int top = int(area.bottom() - (2.0 - (1.0 - 0.1)) / 1.2 * area.height());
        QVERIFY(pixelsOf(trendWidget, Colour::Series,
                         QRect(int(area.left()), top - 2, int(area.width()), 5)) > 0);
    }
};

QTEST_MAIN(TestStatistics)
#include "tst_statistics.moc"
