// Paint time of the chart canvas for 10^3, 10^5 and 10^6 values per series, in both chart types,
// plus the cost of one pointer move (the tooltip look-up).
//
//   build/default/bench/bench_chart [--max N] [--width W] [--height H]

#include "recording/plotcanvas.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QElapsedTimer>
#include <QRandomGenerator>
#include <QTextStream>

#include <algorithm>
#include <cmath>

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

// A drifting, noisy reading like a gauge watching a slowly warming part.
ChartSeries makeSeries(const QString &name, int count, double phase)
{
    ChartSeries series{name, {}, 3, QStringLiteral("mm")};
    series.values.reserve(count);
    QRandomGenerator random(quint32(count + phase * 1000));
    for (int i = 0; i < count; ++i)
        series.values.append(10.0 + std::sin(i * 1e-4 + phase) + random.bounded(0.05));
    return series;
}

} // namespace

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QCommandLineParser parser;
    parser.addHelpOption();
    const QCommandLineOption maxOption(QStringLiteral("max"), QStringLiteral("Largest series size."),
                                       QStringLiteral("n"), QStringLiteral("1000000"));
    const QCommandLineOption widthOption(QStringLiteral("width"), QStringLiteral("Canvas width."),
                                         QStringLiteral("px"), QStringLiteral("1000"));
    const QCommandLineOption heightOption(QStringLiteral("height"), QStringLiteral("Canvas height."),
                                          QStringLiteral("px"), QStringLiteral("500"));
    parser.addOptions({maxOption, widthOption, heightOption});
    parser.process(app);

    QTextStream out(stdout);
    out << "values/series  mode           series  paint ms  pointer move us\n";
    for (int count : {1000, 100000, 1000000}) {
        if (count > parser.value(maxOption).toInt())
            break;
        for (int xy = 0; xy <= 1; ++xy) {
            PlotCanvas canvas;
            canvas.resize(parser.value(widthOption).toInt(), parser.value(heightOption).toInt());
            QList<ChartSeries> series;
            const int seriesCount = xy ? 2 : 4;
            for (int i = 0; i < seriesCount; ++i)
                series.append(makeSeries(QStringLiteral("device %1").arg(i + 1), count, i));
            if (xy) {
                canvas.setXySeries(series.at(0), series.at(1));
                canvas.setXyMode(true);
            } else {
                canvas.setSeriesList(series);
            }
            canvas.recomputeRanges();
            const double paint = timeEach(9, [&] { canvas.grab(); });

            // The first move after a change builds the X-Y look-up; count it in.
            const QRectF area = canvas.plotArea();
            QRandomGenerator random(1);
            int moves = 0;
            const double move = timeEach(200, [&] {
                const QPointF pos(area.left() + random.bounded(area.width()),
                                  area.top() + random.bounded(area.height()));
                moves += canvas.toolTipAt(pos).isEmpty() ? 0 : 1;
            });
            out << qSetFieldWidth(13) << count << qSetFieldWidth(0) << "  " << qSetFieldWidth(13) << Qt::left
                << (xy ? "X-Y" : "all on Y") << Qt::right << qSetFieldWidth(0) << "  " << qSetFieldWidth(6)
                << seriesCount << qSetFieldWidth(0) << "  " << qSetFieldWidth(8)
                << QString::number(paint, 'f', 2) << qSetFieldWidth(0) << "  " << qSetFieldWidth(15)
                << QString::number(move * 1000, 'f', 1) << qSetFieldWidth(0) << "\n";
            out.flush();
        }
    }
    return 0;
}
