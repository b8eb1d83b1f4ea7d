#include "devices/devicerecord.h"
#include "recording/chartwidget.h"
#include "recording/plotcanvas.h"
#include "recording/recordingstore.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QInputDialog>
#include <QMenu>
#include <QTest>
#include <QTimer>

#include <memory>

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

// Share of the columns x0..x1 that show about this colour within a row of height y (lines are antialiased).
double coverage(const QImage &image, int x0, int x1, double y, const QColor &c = PlotCanvas::seriesColor(0))
{
    const auto near = [&](int x, int dy) {
        const QColor p = image.pixelColor(x, int(y) + dy);
        return qAbs(p.red() - c.red()) + qAbs(p.green() - c.green()) + qAbs(p.blue() - c.blue()) < 60;
    };
    int hits = 0;
    for (int x = x0; x < x1; ++x)
        hits += near(x, -1) || near(x, 0) || near(x, 1) ? 1 : 0;
    return double(hits) / (x1 - x0);
}

// Asks for the limits of an axis and types the given numbers into the two input dialogs; NaN cancels.
void askLimits(PlotCanvas *canvas, Qt::Orientation axis, QList<double> answers)
{
    QTimer timer;
    QObject::connect(&timer, &QTimer::timeout, [&answers] {
        if (auto *dialog = qobject_cast<QInputDialog *>(QApplication::activeModalWidget())) {
            dialog->setDoubleValue(answers.first());
            std::isnan(answers.takeFirst()) ? dialog->reject() : dialog->accept();
        }
    });
    timer.start(10);
    canvas->askAxisLimits(axis);
}

// Opens the chart menu over the plot and picks its last entry, the grid.
void pickGridInMenu(PlotCanvas *canvas)
{
    QTimer::singleShot(0, [] {
        auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
        menu->setActiveAction(menu->actions().last());
        QTest::keyClick(menu, Qt::Key_Return);
    });
    const QPoint inside = canvas->plotArea().center().toPoint();
    QContextMenuEvent event(QContextMenuEvent::Mouse, inside, canvas->mapToGlobal(inside));
    QApplication::sendEvent(canvas, &event);
}

} // namespace

class TestChart : public QObject
{
    Q_OBJECT

    std::unique_ptr<ChartWidget> m_chart;
    PlotCanvas *canvas() const { return m_chart->canvas(); }
    PlotMapping map() const { return PlotMapping{canvas()->plotArea(), canvas()->ranges()}; }
    QComboBox *box(const char *name) const { return m_chart->findChild<QComboBox *>(name); }

    // Shows the series, in X-Y mode the first against the second, and returns the plot as drawn.
    QImage show(const QList<ChartSeries> &list, bool xy = false)
    {
        m_chart->setSeries(list);
        box("chartTypeBox")->setCurrentIndex(xy ? 1 : 0);
        return canvas()->grab().toImage();
    }

private slots:
    void init()
    {
        m_chart = std::make_unique<ChartWidget>();
        m_chart->resize(800, 500);
        m_chart->show();
    }

    // All-on-Y counts measurements, so its ticks are whole numbers and no label repeats its neighbour.
    // X-Y ticks follow the 1-2-5 steps from the first multiple at or above the minimum.
    void xAxisTicks_data()
    {
        QTest::addColumn<bool>("xy");
        QTest::addColumn<QList<double>>("span"); // minimum and maximum
        QTest::addColumn<QList<double>>("ticks");
        QTest::newRow("two measurements") << false << QList<double>{1.0, 2.0} << ramp(2, 1);
        QTest::newRow("fixed limits between measurements") << false << QList<double>{2.5, 4.75} << ramp(2, 3);
        QTest::newRow("fifteen measurements") << false << QList<double>{1.0, 15.0} << ramp(7, 2, 2);
        QTest::newRow("a million measurements") << false << QList<double>{1.0, 1e6} << ramp(10, 1e5, 1e5);
        QTest::newRow("X-Y empty span") << true << QList<double>{3.0, 3.0} << QList<double>{3};
        QTest::newRow("X-Y ratio 1.5 keeps the power") << true << QList<double>{0.0, 12.0} << ramp(13);
        QTest::newRow("X-Y ratio 2 doubles") << true << QList<double>{0.0, 16.0} << ramp(9, 0, 2);
        QTest::newRow("X-Y ratio 4 gives 5") << true << QList<double>{0.0, 32.0} << ramp(7, 0, 5);
        QTest::newRow("X-Y ratio 8 gives 10") << true << QList<double>{0.0, 64.0} << ramp(7, 0, 10);
        QTest::newRow("X-Y fractions") << true << QList<double>{0.0, 4.0} << ramp(9, 0, 0.5);
        QTest::newRow("X-Y from the first multiple") << true << QList<double>{-0.64, 8.64} << ramp(9);
    }
    void xAxisTicks()
    {
        QFETCH(bool, xy);
        QFETCH(QList<double>, span);
        QTEST(::xAxisTicks(PlotRanges{span[0], span[1]}, xy), "ticks");
    }

    // Pixels: x is the X value, y is 100 minus the Y value. 20 pixels away (12 across, 16 down) is too far.
    void xyIndexFindsTheNearestPair()
    {
        const QList<double> xs{10, 25, 10, 10}, ys{50, 50, 62, 30};
        XyColumnIndex index;
        index.build(xs, ys, 4, PlotMapping{QRectF(0, 0, 100, 100), PlotRanges{0, 100, 0, 100, true, true}});
        const QList<std::pair<QPointF, int>> probes{{{19, 50}, 1}, {{42, 50}, 1}, {{37, 66}, -1},
                                                    {{10, 46}, 0}, {{10, 41}, 2}, {{10, 66}, 3}};
        for (const auto &[probe, expected] : probes)
            QCOMPARE(index.nearest(xs, ys, probe).index, expected);
    }

    void tooltipWithinTwentyPixels()
    {
        show({series("A", {1.0, 2.0, 3.0})});
        const QPointF point(map().toX(2), map().toY(2.0));
        QCOMPARE(canvas()->toolTipAt(point + QPointF(19, 0)), QStringLiteral("A\nвимір №2: 2.000 mm"));
        QVERIFY(canvas()->toolTipAt(point + QPointF(20, 0)).isEmpty());
        QVERIFY(canvas()->toolTipAt(point + QPointF(12, 16)).isEmpty()); // 20 pixels diagonally
        show({series("X", {10, 20}, 1), series("Y", {0.5, 0.25}, 2)}, true);
        const QPointF pair(map().toX(20), map().toY(0.25));
        QCOMPARE(canvas()->toolTipAt(pair + QPointF(-19, 0)),
                 QStringLiteral("вимір №2\nX: 20.0 mm\nY: 0.25 mm"));
        QVERIFY(canvas()->toolTipAt(pair + QPointF(0, -20)).isEmpty());
    }

    void axisLimitsRefusedOrFixed()
    {
        show({series("A", ramp(10))});
        const PlotRanges &r = canvas()->ranges();
        QVERIFY(!canvas()->setAxisLimits(Qt::Horizontal, 4, 4));
        QVERIFY(r.xMax == 10.0 && r.autoX);
        askLimits(canvas(), Qt::Horizontal, {3, 5});
        canvas()->recomputeRanges(); // fixed until auto-scaled
        QVERIFY(r.xMin == 3.0 && r.xMax == 5.0 && !r.autoX);
        canvas()->autoScaleBoth();
        QCOMPARE(r.xMax, 10.0);
        askLimits(canvas(), Qt::Vertical, {7, qQNaN()}); // cancelled at the maximum
        askLimits(canvas(), Qt::Vertical, {9, 1});       // minimum above maximum
        QVERIFY(r.yMin < 0 && r.autoY);
        askLimits(canvas(), Qt::Vertical, {-50, 20});
        QVERIFY(r.yMin == -50.0 && !r.autoY);
        // A new recording rebuilds the chart and scales both axes again.
        show({series("A", ramp(11))});
        QVERIFY(r.xMax == 11.0 && r.autoY);
    }

    void xyModeComparesPairs()
    {
        QComboBox *xBox = box("chartXBox"), *yBox = box("chartYBox");
        QCOMPARE(m_chart->infoText(), QStringLiteral("Немає приладів"));
        show({series("A", ramp(12)), series("B", ramp(9, 100)), series("C", ramp(12))});
        QVERIFY(!xBox->isVisible() && !canvas()->xyMode());
        box("chartTypeBox")->setCurrentIndex(1);
        QVERIFY(xBox->isVisible() && yBox->isVisible() && canvas()->xyMode());
        QCOMPARE(xBox->currentText() + yBox->currentText(), QStringLiteral("AB"));
        QCOMPARE(m_chart->infoText(), QStringLiteral("Порівнюється 9 пар; зайвих вимірів: 3"));
        QCOMPARE(canvas()->ranges().xMax, 8.0 + 0.64); // only the first 9 X values
        yBox->setCurrentIndex(2);
        QVERIFY(m_chart->infoText().isEmpty());
        // A refill keeps the chosen devices.
        m_chart->setSeries({series("A", ramp(9)), series("B", ramp(13)), series("C", ramp(13))});
        QCOMPARE(yBox->currentText(), QStringLiteral("C"));
        box("chartTypeBox")->setCurrentIndex(0);
        QVERIFY(!yBox->isVisible() && m_chart->infoText().isEmpty());
        QVERIFY(canvas()->seriesList().size() == 3 && canvas()->ranges().xMax == 13.0); // the longest
    }

    void seriesFromTheRecords()
    {
        RecordingStore store;
        QList<DeviceRecord> devices(2);
        devices[0].precision = 4;
        devices[1].unit = 2;
        store.appendMono(1, 5.0, "10:00:00", QString());
        store.appendSnapshot(MultiSnapshot{"10:00:01", DeviceValues{{0, 1.0}, {1, 2.0}}});
        store.appendSnapshot(MultiSnapshot{"10:00:02", DeviceValues{{1, 3.0}}});
        const QList<ChartSeries> mono = buildChartSeries(store, devices, false);
        QVERIFY(mono.size() == 2 && mono[0].precision == 4 && mono[1].unit == QStringLiteral("N"));
        QCOMPARE(mono[0].values + QList<double>{-1} + mono[1].values, (QList<double>{-1, 5.0}));
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
        const QImage withGrid = show({series("A", {0.0, 10.0})});
        auto *box = m_chart->findChild<QCheckBox *>();
        // A strip left of the data that the grid lines at 4, 6, 8 and 10 cross.
        const QRect strip(int(map().area.left()) + 2, int(map().area.top()), 10,
                          int(map().toY(3) - map().area.top()));
        for (bool on : {false, true}) {
            fromMenu ? pickGridInMenu(canvas()) : box->click();
            QVERIFY(box->isChecked() == on && canvas()->gridVisible() == on);
            QCOMPARE(canvas()->grab().toImage().copy(strip) == withGrid.copy(strip), on);
        }
        // The X grid lines of two measurements are the area's edges: no grey crosses the row of 3 inside.
        const int row = int(map().toY(3));
        for (int x = int(map().area.left()) + 2; x < int(map().area.right()) - 2; ++x) {
            const QColor pixel = withGrid.pixelColor(x, row);
            QVERIFY(pixel.red() == 255 || pixel.red() != pixel.blue());
        }
    }

    // A million values, one bar per pixel column: a spike at the start, one inside a column and a dip at
    // the end all reach their bars, and on a rising line each bar meets the one before it.
    void columnBarsKeepTheExtremes()
    {
        const PlotMapping m{QRectF(0, 0, 500, 100), PlotRanges{1, 1e6, 0, 100}};
        QList<double> values = ramp(1000000, 0.0, 5e-5);
        values[0] = 20;
        values[500500] = 90;
        values.last() = 10;
        const QList<ColumnBar> bars = columnBars(values, m);
        QCOMPARE(bars.first().top, m.toY(20));
        QCOMPARE(bars.last().bottom, m.toY(10));
        QCOMPARE(
            std::min_element(bars.begin(), bars.end(), [](auto a, auto b) { return a.top < b.top; })->top,
            m.toY(90));
        for (int k = 1; k < bars.size(); ++k)
            QVERIFY2(bars[k].bottom >= bars[k - 1].top, qPrintable(QString::number(k)));
    }

    // A million values: the line is there, the single spike too.
    void aMillionValues()
    {
        QList<double> values(1000000, 1.0);
        values[500500] = 2.0; // inside a pixel column, neither its first nor its last value
        QImage image = show({series("A", values)});
        QCOMPARE(coverage(image, 100, 400, map().toY(1.0)), 1.0);
        const int spike = int(map().toX(500501));
        QVERIFY(coverage(image, spike - 1, spike + 2, map().toY(1.9)) > 0);
        // X-Y: a million pairs on one spot still show as a dot, though every Y value is the same.
        image = show({series("X", values), series("Y", QList<double>(values.size(), 1.0))}, true);
        const int dot = int(map().toX(1.0));
        QCOMPARE(coverage(image, dot, dot + 1, map().toY(1.0)), 1.0);
        QVERIFY(!canvas()->toolTipAt(QPointF(map().toX(2.0), map().toY(1.0))).isEmpty());
    }
};

QTEST_MAIN(TestChart)
#include "tst_chart.moc"
