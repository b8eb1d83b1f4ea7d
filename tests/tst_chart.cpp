#include "devices/devicerecord.h"
#include "recording/chartgeometry.h"
#include "recording/chartwidget.h"
#include "recording/plotcanvas.h"
#include "recording/recordingstore.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QInputDialog>
#include <QMenu>
#include <QRandomGenerator>
#include <QTest>
#include <QTimer>

#include <functional>

namespace {

ChartSeries series(const QString &name, const QList<double> &values, int precision = 3)
{
    return ChartSeries{name, values, precision, QStringLiteral("mm")};
}

QList<double> ramp(int count, double start = 0.0, double step = 1.0)
{
    QList<double> values;
    for (int i = 0; i < count; ++i)
        values.append(start + i * step);
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

// Hands each popup or modal window that comes up to `answer` until it returns false.
void answerWindows(std::function<bool(QWidget *)> answer)
{
    auto *timer = new QTimer;
    QObject::connect(timer, &QTimer::timeout, [timer, answer] {
        QWidget *window = QApplication::activePopupWidget();
        if (!window)
            window = QApplication::activeModalWidget();
        if (window && !answer(window))
            timer->deleteLater();
    });
    timer->start(10);
}

// Types the given numbers into the next input dialogs, one per dialog; NaN cancels.
void answerInputDialogs(QList<double> answers)
{
    answerWindows([answers](QWidget *window) mutable {
        auto *dialog = qobject_cast<QInputDialog *>(window);
        if (!dialog)
            return true;
        const double value = answers.takeFirst();
        dialog->setDoubleValue(value);
        std::isnan(value) ? dialog->reject() : dialog->accept();
        return !answers.isEmpty();
    });
}

// Opens the chart menu over the plot and picks its grid entry, the one checkable entry.
void pickGridInMenu(PlotCanvas *canvas)
{
    answerWindows([](QWidget *window) {
        auto *menu = qobject_cast<QMenu *>(window);
        for (QAction *action : menu ? menu->actions() : QList<QAction *>()) {
            if (action->isCheckable()) {
                menu->setActiveAction(action);
                QTest::keyClick(menu, Qt::Key_Return);
                return false;
            }
        }
        return true;
    });
    const QPoint inside = canvas->plotArea().center().toPoint();
    QContextMenuEvent event(QContextMenuEvent::Mouse, inside, canvas->mapToGlobal(inside));
    QApplication::sendEvent(canvas, &event);
}

} // namespace

class TestChart : public QObject
{
    Q_OBJECT

private slots:
    // All-on-Y counts measurements, so its ticks are whole numbers and no label repeats its neighbour.
    // X-Y ticks follow the 1-2-5 steps from the first multiple at or above the minimum.
    void xAxisTicks_data()
    {
        QTest::addColumn<bool>("xy");
        QTest::addColumn<double>("min");
        QTest::addColumn<double>("max");
        QTest::addColumn<QList<double>>("ticks");
        QTest::newRow("two measurements") << false << 1.0 << 2.0 << ramp(2, 1);
        QTest::newRow("three measurements") << false << 1.0 << 3.0 << ramp(3, 1);
        QTest::newRow("five measurements") << false << 1.0 << 5.0 << ramp(5, 1);
        QTest::newRow("fixed limits between measurements") << false << 2.5 << 4.75 << ramp(2, 3);
        QTest::newRow("fifteen measurements") << false << 1.0 << 15.0 << ramp(7, 2, 2);
        QTest::newRow("a million measurements") << false << 1.0 << 1e6 << ramp(10, 1e5, 1e5);
        QTest::newRow("X-Y empty span") << true << 3.0 << 3.0 << QList<double>{3};
        QTest::newRow("X-Y ratio 1.5 keeps the power") << true << 0.0 << 12.0 << ramp(13);
        QTest::newRow("X-Y ratio 2 doubles") << true << 0.0 << 16.0 << ramp(9, 0, 2);
        QTest::newRow("X-Y ratio 4 gives 5") << true << 0.0 << 32.0 << ramp(7, 0, 5);
        QTest::newRow("X-Y ratio 8 gives 10") << true << 0.0 << 64.0 << ramp(7, 0, 10);
        QTest::newRow("X-Y fractions") << true << 0.0 << 4.0 << ramp(9, 0, 0.5);
        QTest::newRow("X-Y from the first multiple") << true << -0.64 << 8.64 << ramp(9);
    }
    void xAxisTicks()
    {
        QFETCH(bool, xy);
        QFETCH(double, min);
        QFETCH(double, max);
        QTEST(::xAxisTicks(PlotRanges{min, max, 0.0, 1.0, true, true}, xy), "ticks");
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
        QVERIFY(!xBox->isVisible() && !chart.canvas()->xyMode());
        type->setCurrentIndex(1);
        QVERIFY(xBox->isVisible() && yBox->isVisible() && chart.canvas()->xyMode());
        QCOMPARE(xBox->currentText() + yBox->currentText(), QStringLiteral("AB"));
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
        devices[0].precision = 4;
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

    // Either switch hides and shows the grid lines, and the other one follows.
    void gridSwitches_data()
    {
        QTest::addColumn<bool>("fromMenu");
        QTest::newRow("check box") << false;
        QTest::newRow("chart menu") << true;
    }
    void gridSwitches()
    {
        QFETCH(bool, fromMenu);
        ChartWidget chart;
        chart.resize(800, 500);
        chart.show();
        chart.setSeries({series("A", {0.0, 10.0})});
        auto *box = chart.findChild<QCheckBox *>();
        for (bool on : {false, true}) {
            fromMenu ? pickGridInMenu(chart.canvas()) : box->click();
            QCOMPARE(box->isChecked(), on);
            // The rows of the grid lines at 4, 6, 8 and 10, left of the data; the grid columns of
            // measurements 1 and 2 are the area's edges, so no grey crosses the row of 3 inside.
            const PlotMapping map = mappingOf(*chart.canvas());
            const QImage image = chart.canvas()->grab().toImage();
            int rows = 0, columns = 0;
            for (int y = int(map.area.top()) + 1; y < int(map.toY(3)); ++y)
                rows += image.pixelColor(85, y).red() < 250 ? 1 : 0;
            for (int x = int(map.area.left()) + 2; x < int(map.area.right()) - 2; ++x) {
                const QColor pixel = image.pixelColor(x, int(map.toY(3)));
                columns += pixel.red() < 250 && pixel.red() == pixel.blue() ? 1 : 0;
            }
            QCOMPARE(rows >= 4, on);
            QCOMPARE(columns, 0);
        }
    }

    void drawing()
    {
        PlotCanvas canvas;
        canvas.resize(1000, 500);
        QList<ChartSeries> nine;
        for (int i = 0; i < 9; ++i)
            nine.append(series(QStringLiteral("S%1").arg(i), {double(i), double(i)}));
        canvas.setSeriesList(nine);
        canvas.recomputeRanges();
        QImage image = canvas.grab().toImage();
        PlotMapping map = mappingOf(canvas);
        const int x0 = int(map.toX(1)) + 10, x1 = int(map.area.center().x());
        // The first and the ninth line share a colour; the ninth is dashed.
        QCOMPARE(coverage(image, x0, x1, map.toY(0), PlotCanvas::seriesColor(0)), 1.0);
        QCOMPARE(coverage(image, x0, x1, map.toY(1), PlotCanvas::seriesColor(1)), 1.0);
        const double dashed = coverage(image, x0, x1, map.toY(8), PlotCanvas::seriesColor(0));
        QVERIFY2(dashed > 0.4 && dashed < 0.9, qPrintable(QString::number(dashed)));

        // A million values: the line is there, the single spike too.
        QList<double> values(1000000, 1.0);
        values[500000] = 2.0;
        canvas.setSeriesList({series("A", values)});
        canvas.recomputeRanges();
        image = canvas.grab().toImage();
        map = mappingOf(canvas);
        QCOMPARE(coverage(image, 100, 400, map.toY(1.0), PlotCanvas::seriesColor(0)), 1.0);
        const int spike = int(map.toX(500001));
        QVERIFY(coverage(image, spike - 1, spike + 2, map.toY(1.9), PlotCanvas::seriesColor(0)) > 0);
        // X-Y: a million pairs on one spot still show as a dot.
        canvas.setXySeries(series("X", values), series("Y", values));
        canvas.setXyMode(true);
        canvas.recomputeRanges();
        image = canvas.grab().toImage();
        map = mappingOf(canvas);
        const int dot = int(map.toX(1.0));
        QCOMPARE(coverage(image, dot, dot + 1, map.toY(1.0), PlotCanvas::seriesColor(0)), 1.0);
        QVERIFY(!canvas.toolTipAt(QPointF(map.toX(2.0), map.toY(2.0))).isEmpty());
    }
};

QTEST_MAIN(TestChart)
#include "tst_chart.moc"
