#include "recording/chartgeometry.h"
#include "recording/chartwidget.h"
#include "recording/plotcanvas.h"
#include "recording/recordingstore.h"
#include "devices/devicerecord.h"

#include <QApplication>
#include <QComboBox>
#include <QInputDialog>
#include <QRandomGenerator>
#include <QTest>
#include <QTimer>

#include <numeric>

namespace {

ChartSeries series(const QString &name, const QList<double> &values, int precision = 3)
{
    return ChartSeries{name, values, precision, QStringLiteral("mm")};
}

QList<double> ramp(int count, double start = 0.0)
{
    QList<double> values(count);
    std::iota(values.begin(), values.end(), start);
    return values;
}

PlotMapping mappingOf(const PlotCanvas &canvas)
{
    return PlotMapping{canvas.plotArea(), canvas.ranges()};
}

// Share of the columns x0..x1 that show about this colour within a row of height y (lines are antialiased).
double coverage(const QImage &image, int x0, int x1, double y, const QColor &c)
{
    int hits = 0;
    for (int x = x0; x < x1; ++x) {
        for (int row = int(y) - 1; row <= int(y) + 1; ++row) {
            const QColor p = image.pixelColor(x, row);
            if (std::abs(p.red() - c.red()) + std::abs(p.green() - c.green()) +
                    std::abs(p.blue() - c.blue()) <
                60) {
                ++hits;
                break;
            }
        }
    }
    return double(hits) / (x1 - x0);
}

// Types the given numbers into the next input dialogs, one per dialog; NaN cancels.
void answerInputDialogs(QList<double> answers)
{
    auto *timer = new QTimer;
    QObject::connect(timer, &QTimer::timeout, [timer, answers]() mutable {
        auto *dialog = qobject_cast<QInputDialog *>(QApplication::activeModalWidget());
        if (!dialog)
            return;
        const double value = answers.takeFirst();
        dialog->setDoubleValue(value);
        std::isnan(value) ? dialog->reject() : dialog->accept();
        if (answers.isEmpty())
            timer->deleteLater();
    });
    timer->start(10);
}

} // namespace

class TestChart : public QObject
{
    Q_OBJECT

private slots:
    void niceSteps_data()
    {
        QTest::addColumn<double>("span");
        QTest::addColumn<int>("target");
        QTest::addColumn<double>("step");
        QTest::newRow("empty span") << 0.0 << 6 << 1.0;
        QTest::newRow("ratio 1.5 keeps the power") << 9.0 << 6 << 1.0;
        QTest::newRow("ratio 2 doubles") << 12.0 << 6 << 2.0;
        QTest::newRow("ratio 4 gives 5") << 24.0 << 6 << 5.0;
        QTest::newRow("ratio 8 gives 10") << 64.0 << 8 << 10.0;
        QTest::newRow("small span") << 0.03 << 6 << 0.005;
    }
    void niceSteps()
    {
        QFETCH(double, span);
        QFETCH(int, target);
        QTEST(niceStep(span, target), "step");
    }

    void ticksStartAtFirstMultiple()
    {
        QCOMPARE(axisTicks(-0.64, 8.64, 2.0), (QList<double>{0, 2, 4, 6, 8}));
        QCOMPARE(axisTicks(-1.0, 1.0, 0.5), (QList<double>{-1, -0.5, 0, 0.5, 1}));
        QVERIFY(axisTicks(-1e9, 1e9, 1e-3).size() <= 1000);
    }

    void rangesFollowTheData()
    {
        auto limits = [](const PlotRanges &r) { return QList<double>{r.xMin, r.xMax, r.yMin, r.yMax}; };
        // A single series of one value.
        PlotRanges ranges = recomputedRanges(PlotRanges{}, false, {series("A", {7.5})}, {}, {});
        QCOMPARE(limits(ranges), (QList<double>{1, 2, 6.5, 8.5}));
        // The longest series sets X; a fixed Y stays.
        ranges.autoY = false;
        ranges = recomputedRanges(ranges, false, {series("A", {1, 2}), series("B", ramp(10))}, {}, {});
        QCOMPARE(limits(ranges), (QList<double>{1, 10, 6.5, 8.5}));
        // No values: nothing changes.
        ranges.autoY = true;
        QCOMPARE(limits(recomputedRanges(ranges, false, {series("A", {})}, {}, {})), limits(ranges));
        // X-Y: each axis from its own device.
        ranges = recomputedRanges(PlotRanges{}, true, {}, series("X", {0, 100}), series("Y", {3, 3}));
        QCOMPARE(limits(ranges), (QList<double>{-8, 108, 2, 4}));
        // Values equal but for rounding count as one value.
        QCOMPARE(paddedRange(10.0, 10.0 + 1e-14).min, 9.0);
    }

    void xyIndexFindsWhatAFullScanFinds()
    {
        QList<double> xs(5000), ys(5000);
        QRandomGenerator random(7);
        std::generate(xs.begin(), xs.end(), [&] { return random.bounded(100.0); });
        std::generate(ys.begin(), ys.end(), [&] { return random.bounded(10.0); });
        const PlotMapping map{QRectF(76, 16, 706, 442), PlotRanges{-5, 105, -1, 11, true, true}};
        XyColumnIndex index;
        index.build(xs, ys, int(xs.size()), map);
        for (int probe = 0; probe < 300; ++probe) {
            const QPointF pos(76 + random.bounded(706.0), 16 + random.bounded(442.0));
            int expected = -1;
            double best = kHitDistanceSquared;
            for (int k = 0; k < xs.size(); ++k) {
                const double d2 =
                    std::pow(map.toX(xs[k]) - pos.x(), 2) + std::pow(map.toY(ys[k]) - pos.y(), 2);
                if (d2 < best)
                    std::tie(best, expected) = std::make_pair(d2, k);
            }
            QCOMPARE(index.nearest(xs, ys, pos).index, expected);
        }
    }

    void tooltipWithinTwentyPixels()
    {
        PlotCanvas canvas;
        canvas.resize(800, 500);
        canvas.setSeriesList({series("A", {1.0, 2.0, 3.0})});
        canvas.recomputeRanges();
        PlotMapping map = mappingOf(canvas);
        const QPointF point(map.toX(2), map.toY(2.0));
        QCOMPARE(canvas.toolTipAt(point + QPointF(19, 0)), QStringLiteral("A\nвимір №2: 2.000 mm"));
        QVERIFY(canvas.toolTipAt(point + QPointF(20, 0)).isEmpty());
        QVERIFY(canvas.toolTipAt(point + QPointF(12, 16)).isEmpty()); // 20 pixels diagonally
        canvas.setXySeries(series("X", {10, 20}, 1), series("Y", {0.5, 0.25}, 2));
        canvas.setXyMode(true);
        canvas.recomputeRanges();
        map = mappingOf(canvas);
        const QPointF pair(map.toX(20), map.toY(0.25));
        QCOMPARE(canvas.toolTipAt(pair + QPointF(-19, 0)),
                 QStringLiteral("вимір №2\nX: 20.0 mm\nY: 0.25 mm"));
        QVERIFY(canvas.toolTipAt(pair + QPointF(0, -20)).isEmpty());
    }

    void axisLimitsRefusedOrFixed()
    {
        ChartWidget chart;
        chart.setSeries({series("A", ramp(10))});
        PlotCanvas *canvas = chart.canvas();
        QVERIFY(!canvas->setAxisLimits(Qt::Horizontal, 5, 3));
        QVERIFY(!canvas->setAxisLimits(Qt::Horizontal, 4, 4));
        QVERIFY(canvas->ranges().xMax == 10.0 && canvas->ranges().autoX);
        answerInputDialogs({3, 5});
        canvas->askAxisLimits(Qt::Horizontal);
        canvas->recomputeRanges(); // fixed until auto-scaled
        QVERIFY(canvas->ranges().xMin == 3.0 && canvas->ranges().xMax == 5.0 && !canvas->ranges().autoX);
        canvas->autoScaleBoth();
        QCOMPARE(canvas->ranges().xMax, 10.0);
        answerInputDialogs({7, qQNaN()}); // cancelled at the maximum
        canvas->askAxisLimits(Qt::Vertical);
        answerInputDialogs({9, 1}); // minimum above maximum
        canvas->askAxisLimits(Qt::Vertical);
        QVERIFY(canvas->ranges().yMin < 0 && canvas->ranges().autoY);
        answerInputDialogs({-50, 20});
        canvas->askAxisLimits(Qt::Vertical);
        QVERIFY(canvas->ranges().yMin == -50.0 && !canvas->ranges().autoY);
        // A new recording rebuilds the chart and scales both axes again.
        chart.setSeries({series("A", ramp(11))});
        QVERIFY(canvas->ranges().xMax == 11.0 && canvas->ranges().autoY);
    }

    void xyModeComparesPairs()
    {
        ChartWidget chart;
        chart.show();
        auto *type = chart.findChild<QComboBox *>(QStringLiteral("chartTypeBox"));
        auto *xBox = chart.findChild<QComboBox *>(QStringLiteral("chartXBox"));
        auto *yBox = chart.findChild<QComboBox *>(QStringLiteral("chartYBox"));
        QCOMPARE(chart.infoText(), QStringLiteral("Немає приладів"));
        chart.setSeries({series("A", ramp(12)), series("B", ramp(9, 100)), series("C", ramp(12))});
        QVERIFY(chart.infoText().isEmpty());
        QVERIFY(!xBox->isVisible() && !chart.canvas()->xyMode());
        type->setCurrentIndex(1);
        QVERIFY(xBox->isVisible() && yBox->isVisible());
        QCOMPARE(xBox->currentText() + yBox->currentText(), QStringLiteral("AB"));
        QVERIFY(chart.canvas()->xyMode());
        QCOMPARE(chart.infoText(), QStringLiteral("Порівнюється 9 пар; зайвих вимірів: 3"));
        QCOMPARE(chart.canvas()->ranges().xMax, 8.0 + 0.64); // only the first 9 X values
        yBox->setCurrentIndex(2);
        QVERIFY(chart.infoText().isEmpty());
        // A refill keeps the chosen devices.
        chart.setSeries({series("A", ramp(13)), series("B", ramp(9)), series("C", ramp(13))});
        QCOMPARE(yBox->currentText(), QStringLiteral("C"));
        type->setCurrentIndex(0);
        QVERIFY(!yBox->isVisible() && chart.infoText().isEmpty());
        QCOMPARE(chart.canvas()->seriesList().size(), 3);
    }

    void seriesFromTheRecords()
    {
        RecordingStore store;
        QList<DeviceRecord> devices(2);
        devices[0].name = QStringLiteral("A");
        devices[0].precision = 4;
        devices[1].name = QStringLiteral("B");
        devices[1].unit = 2;
        store.appendMono(1, 5.0, QStringLiteral("10:00:00"), QString());
        store.appendSnapshot(MultiSnapshot{QStringLiteral("10:00:01"), DeviceValues{{0, 1.0}, {1, 2.0}}});
        store.appendSnapshot(MultiSnapshot{QStringLiteral("10:00:02"), DeviceValues{{1, 3.0}}});
        const QList<ChartSeries> mono = buildChartSeries(store, devices, false);
        QCOMPARE(mono.size(), 2);
        QVERIFY(mono[0].values.isEmpty() && mono[0].precision == 4 && mono[1].unit == QStringLiteral("N"));
        QCOMPARE(mono[1].values, QList<double>{5.0});
        const QList<ChartSeries> multi = buildChartSeries(store, devices, true);
        QCOMPARE(multi[0].values + QList<double>{-1} + multi[1].values, (QList<double>{1.0, -1, 2.0, 3.0}));
    }

    void drawsColoursDashesAndGrid()
    {
        PlotCanvas canvas;
        canvas.resize(800, 500);
        QList<ChartSeries> nine;
        for (int i = 0; i < 9; ++i)
            nine.append(series(QStringLiteral("S%1").arg(i), {double(i), double(i)}));
        canvas.setSeriesList(nine);
        canvas.recomputeRanges();
        QImage image = canvas.grab().toImage();
        const PlotMapping map = mappingOf(canvas);
        const int x0 = int(map.toX(1)) + 10, x1 = int(map.area.center().x());
        // The first and the ninth line share a colour; the ninth is dashed.
        QCOMPARE(coverage(image, x0, x1, map.toY(0), QColor(0x0072B2)), 1.0);
        QCOMPARE(coverage(image, x0, x1, map.toY(1), QColor(0xD55E00)), 1.0);
        const double dashed = coverage(image, x0, x1, map.toY(8), QColor(0x0072B2));
        QVERIFY2(dashed > 0.4 && dashed < 0.9, qPrintable(QString::number(dashed)));
        // Grid lines only while the grid is on.
        canvas.setSeriesList({series("A", {0.0, 10.0})});
        canvas.recomputeRanges();
        const PlotMapping single = mappingOf(canvas);
        auto gridRows = [&] {
            const QImage shot = canvas.grab().toImage();
            int rows = 0;
            for (int y = int(single.area.top()) + 1; y < int(single.toY(3)); ++y)
                rows += shot.pixelColor(85, y).red() < 250 ? 1 : 0;
            return rows;
        };
        QVERIFY(gridRows() >= 4);
        canvas.setGridVisible(false);
        QCOMPARE(gridRows(), 0);
    }

    void drawsAMillionValuesAsEnvelope()
    {
        PlotCanvas canvas;
        canvas.resize(1000, 500);
        QList<double> values(1000000, 1.0);
        values[500000] = 2.0;
        canvas.setSeriesList({series("A", values)});
        canvas.recomputeRanges();
        const QImage image = canvas.grab().toImage();
        const PlotMapping map = mappingOf(canvas);
        // The line is there, the single spike too.
        QCOMPARE(coverage(image, 100, 400, map.toY(1.0), QColor(0x0072B2)), 1.0);
        const int spike = int(map.toX(500001));
        QVERIFY(coverage(image, spike - 1, spike + 2, map.toY(1.9), QColor(0x0072B2)) > 0);
        // X-Y: a million pairs on one spot still show as a dot.
        canvas.setXySeries(series("X", values), series("Y", values));
        canvas.setXyMode(true);
        canvas.recomputeRanges();
        const QImage xy = canvas.grab().toImage();
        const PlotMapping xyMap = mappingOf(canvas);
        const int dot = int(xyMap.toX(1.0));
        QCOMPARE(coverage(xy, dot, dot + 1, xyMap.toY(1.0), QColor(0x0072B2)), 1.0);
        QVERIFY(!canvas.toolTipAt(QPointF(xyMap.toX(2.0), xyMap.toY(2.0))).isEmpty());
    }
};

QTEST_MAIN(TestChart)
#include "tst_chart.moc"
