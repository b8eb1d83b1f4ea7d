// Cost of the statistics dialog over 10^3 .. 10^6 recorded values: one repaint of the histogram and of
// the run chart at 800 x 300, and building the per-device data plus opening the dialog.
//
//   build/default/bench/bench_statistics [--max N]

#include "recording/capability.h"
#include "recording/controlchartwidget.h"
#include "recording/histogramwidget.h"
#include "recording/recordingstore.h"
#include "recording/statistics.h"
#include "recording/statisticsdialog.h"
#include "recording/trendwidget.h"
#include "devices/devicerecord.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QElapsedTimer>
#include <QImage>
#include <QPainter>
#include <QPixmap>
#include <QRandomGenerator>
#include <QTextStream>

#include <algorithm>

namespace {

double medianMillis(QList<qint64> nanos)
{
    std::sort(nanos.begin(), nanos.end());
    return nanos.isEmpty() ? 0.0 : nanos.at(nanos.size() / 2) / 1e6;
}

template<typename F> double timeEach(int repeats, F &&step)
{
    QList<qint64> samples;
    QElapsedTimer clock;
    for (int i = 0; i < repeats; ++i) {
        clock.start();
        step();
        samples.append(clock.nsecsElapsed());
    }
    return medianMillis(samples);
}

double paintMillis(QWidget &widget)
{
    widget.resize(800, 300);
    QImage image(widget.size(), QImage::Format_ARGB32_Premultiplied);
    return timeEach(9, [&] {
        QPainter painter(&image);
        widget.render(&painter);
    });
}

} // namespace

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QCommandLineParser parser;
    parser.addHelpOption();
    const QCommandLineOption maxOption(QStringLiteral("max"), QStringLiteral("Largest number of values."),
                                       QStringLiteral("n"), QStringLiteral("1000000"));
    parser.addOption(maxOption);
    const QCommandLineOption shotOption(QStringLiteral("shot"),
                                        QStringLiteral("Save the smallest dialog as an image."),
                                        QStringLiteral("file"));
    parser.addOption(shotOption);
    parser.process(app);

    QTextStream out(stdout);
    // The control chart: its limits and rules, then its paint.
    out << "  values  histogram ms  run chart ms  control chart ms  capability ms  build mono ms  build multi ms"
           "  open+paint dialog ms\n";
    for (int n : {1000, 100000, 1000000}) {
        if (n > parser.value(maxOption).toInt())
            break;
        RecordingStore store;
        QList<DeviceRecord> devices(2);
        devices[0].name = QStringLiteral("A");
        devices[0].measuringType = 7;
        devices[0].precision = 4;
        devices[0].limitMin = 1000.0;
        devices[0].limitMax = 1000.0002;
        devices[1].name = QStringLiteral("B");
        QRandomGenerator random(42);
        store.beginBatch();
        for (int i = 0; i < n; ++i) {
            const double value = 1000.0001 + (random.generateDouble() - 0.5) * 2e-4 + i * 1e-11;
            store.appendMono(0, value, QString(), QString());
            store.appendMono(1, -value, QString(), QString());
            store.appendSnapshot({QString(), {{0, value}, {1, -value}}});
        }
        store.endBatch();

        QList<DeviceStats> list;
        const double buildMono = timeEach(5, [&] {
            list = buildDeviceStats(store, devices, false, 0, {0, 1, 2});
        });
        const double buildMulti = timeEach(5, [&] { list = buildDeviceStats(store, devices, true, 0, {}); });
        const double open = timeEach(3, [&] {
            StatisticsDialog dialog(list, 0, StatisticsDialog::sourceText(true));
            dialog.resize(1100, 800);
            dialog.show();
            const QPixmap shot = dialog.grab();
            if (parser.isSet(shotOption) && n == 1000)
                shot.save(parser.value(shotOption));
        });

        const DeviceStats &stats = list.first();
        HistogramWidget histogram;
        histogram.setData(stats.allValues, 4, stats.unit);
        TrendWidget trend;
        trend.setData(stats.allValues, 4, stats.unit, stats.measuringType, stats.limitMin, stats.limitMax);
        // The control chart's cost is in its limits and rules (setData) as much as in its paint.
        ControlChartWidget control;
        const double controlData = timeEach(5, [&] { control.setData(stats.allValues, 4, stats.unit); });
        const double controlPaint = paintMillis(control);
        const double controlMs = controlData + controlPaint;
        const double capabilityMs = timeEach(5, [&] {
            Capability::compute(stats.allValues, stats.measuringType, stats.limitMin, stats.limitMax);
        });

        out << qSetFieldWidth(8) << n << qSetFieldWidth(14) << paintMillis(histogram) << qSetFieldWidth(14)
            << paintMillis(trend) << qSetFieldWidth(18) << controlMs << qSetFieldWidth(15) << capabilityMs
            << qSetFieldWidth(15) << buildMono << qSetFieldWidth(16) << buildMulti
            << qSetFieldWidth(23) << open << qSetFieldWidth(0) << "\n";
        out.flush();
    }
    return 0;
}
