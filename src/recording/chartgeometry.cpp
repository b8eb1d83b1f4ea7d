#include "recording/chartgeometry.h"

#include <QtMath>

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

// Ticks beyond this are not drawn: a span the nice step cannot cover sensibly.
constexpr int kMaxTicks = 1000;

// Keeps far-off values at a size the painter handles; the area clips them anyway.
double clampPixel(double pixel, double low, double high)
{
    return std::clamp(pixel, low - 10.0, high + 10.0);
}

int clampToInt(double value)
{
    constexpr double limit = std::numeric_limits<int>::max() / 2;
    if (std::isnan(value))
        return 0;
    return static_cast<int>(std::clamp(value, -limit, limit));
}

void minMax(const QList<double> &values, double &lo, double &hi)
{
    for (double value : values) {
        lo = std::min(lo, value);
        hi = std::max(hi, value);
    }
}

} // namespace

AxisRange paddedRange(double lo, double hi)
{
    if (std::abs(hi - lo) * 1e12 <= std::min(std::abs(lo), std::abs(hi)) || lo == hi)
        return {lo - 1.0, hi + 1.0};
    const double pad = (hi - lo) * 0.08;
    return {lo - pad, hi + pad};
}

double niceStep(double span, int target)
{
    if (!(span > 0.0) || target <= 0)
        return 1.0;
    const double raw = span / target;
    const double power = std::pow(10.0, std::floor(std::log10(raw)));
    const double ratio = raw / power;
    if (ratio <= 1.5)
        return power;
    if (ratio <= 3.0)
        return 2.0 * power;
    if (ratio <= 7.0)
        return 5.0 * power;
    return 10.0 * power;
}

QList<double> axisTicks(double min, double max, double step)
{
    QList<double> ticks;
    if (!(step > 0.0) || !(max >= min))
        return ticks;
    const double first = std::ceil(min / step) * step;
    for (int i = 0; i < kMaxTicks; ++i) {
        const double tick = first + i * step;
        if (tick > max)
            break;
        // Without this a tick at zero would read "-0".
        ticks.append(std::abs(tick) < step * 1e-9 ? 0.0 : tick);
    }
    return ticks;
}

QList<double> xAxisTicks(const PlotRanges &ranges, bool xyMode)
{
    const double step = niceStep(ranges.xMax - ranges.xMin, 8);
    // 1-2-5 steps of one or more are whole, and so are their multiples.
    return axisTicks(ranges.xMin, ranges.xMax, xyMode ? step : std::max(step, 1.0));
}

PlotRanges recomputedRanges(const PlotRanges &current, bool xyMode, const QList<ChartSeries> &series,
                            const ChartSeries &xSeries, const ChartSeries &ySeries)
{
    PlotRanges ranges = current;
    if (xyMode) {
        if (xSeries.values.isEmpty() || ySeries.values.isEmpty())
            return ranges;
        if (ranges.autoX) {
            double lo = xSeries.values.first(), hi = lo;
            minMax(xSeries.values, lo, hi);
            const AxisRange x = paddedRange(lo, hi);
            ranges.xMin = x.min;
            ranges.xMax = x.max;
        }
        if (ranges.autoY) {
            double lo = ySeries.values.first(), hi = lo;
            minMax(ySeries.values, lo, hi);
            const AxisRange y = paddedRange(lo, hi);
            ranges.yMin = y.min;
            ranges.yMax = y.max;
        }
        return ranges;
    }

    double lo = std::numeric_limits<double>::infinity();
    double hi = -lo;
    qsizetype longest = 0;
    for (const ChartSeries &one : series) {
        minMax(one.values, lo, hi);
        longest = std::max(longest, one.values.size());
    }
    if (longest == 0)
        return ranges;
    if (ranges.autoX) {
        ranges.xMin = 1.0;
        ranges.xMax = static_cast<double>(std::max<qsizetype>(longest, 2));
    }
    if (ranges.autoY) {
        const AxisRange y = paddedRange(lo, hi);
        ranges.yMin = y.min;
        ranges.yMax = y.max;
    }
    return ranges;
}

bool acceptableAxisLimits(double min, double max)
{
    return min < max;
}

XyPairing pairByOrder(int xCount, int yCount)
{
    const int pairs = std::max(0, std::min(xCount, yCount));
    return {pairs, std::max(xCount, yCount) - pairs};
}

IndexSpan measurementSpan(const PlotMapping &map, int count, double fromPixel, double toPixel)
{
    if (count <= 0 || map.area.width() <= 0.0)
        return {};
    // x of measurement j is the measurement number j + 1.
    const double lo = map.fromX(fromPixel) - 1.0;
    const double hi = map.fromX(toPixel) - 1.0;
    const int first = std::max(0, clampToInt(std::ceil(std::min(lo, hi))) - 1);
    const int last = std::min(count - 1, clampToInt(std::floor(std::max(lo, hi))) + 1);
    return {first, last};
}

QList<ColumnBar> columnBars(const QList<double> &values, const PlotMapping &map)
{
    QList<ColumnBar> bars;
    const IndexSpan span = measurementSpan(map, int(values.size()), map.area.left(), map.area.right());
    if (span.size() == 0)
        return bars;
    // Measurement j lies at x0 + j * step. Column c takes the measurements from firstIn(c) on; the
    // columns just outside the area take whatever lies beyond them, which the clip cuts off anyway.
    const double step = map.area.width() / (map.ranges.xMax - map.ranges.xMin);
    const double x0 = map.toX(1.0);
    const auto firstIn = [&](int column) {
        return std::clamp(clampToInt(std::ceil((column - x0) / step)), span.first, span.last + 1);
    };
    const int firstColumn =
        std::max(clampToInt(std::floor(x0 + span.first * step)), clampToInt(std::floor(map.area.left())) - 1);
    const int lastColumn =
        std::min(clampToInt(std::floor(x0 + span.last * step)), clampToInt(std::floor(map.area.right())) + 1);
    bars.reserve(std::max(0, lastColumn - firstColumn + 1));
    int begin = span.first;
    for (int c = firstColumn; c <= lastColumn; ++c) {
        const int end = c == lastColumn ? span.last + 1 : firstIn(c + 1);
        if (end <= begin)
            continue;
        double low = values.at(begin), high = low;
        for (int j = begin + 1; j < end; ++j) {
            low = std::min(low, values.at(j));
            high = std::max(high, values.at(j));
        }
        if (!bars.isEmpty()) {
            low = std::min(low, values.at(begin - 1));
            high = std::max(high, values.at(begin - 1));
        }
        // The Y axis points up: the highest value is the top row.
        bars.append({c, clampPixel(map.toY(high), map.area.top(), map.area.bottom()),
                     clampPixel(map.toY(low), map.area.top(), map.area.bottom())});
        begin = end;
    }
    return bars;
}

QList<QLineF> xyColumnEnvelope(const QList<double> &xs, const QList<double> &ys, const PlotMapping &map)
{
    const int left = clampToInt(std::floor(map.area.left()));
    const int columns = clampToInt(std::ceil(map.area.right())) - left + 1;
    if (columns <= 0)
        return {};
    std::vector<double> low(columns, std::numeric_limits<double>::infinity());
    std::vector<double> high(columns, -std::numeric_limits<double>::infinity());
    const qsizetype pairs = std::min(xs.size(), ys.size());
    for (qsizetype k = 0; k < pairs; ++k) {
        const double x = map.toX(xs.at(k));
        if (!(x >= map.area.left() && x <= map.area.right()))
            continue;
        const int c = std::clamp(clampToInt(std::floor(x)) - left, 0, columns - 1);
        const double y = clampPixel(map.toY(ys.at(k)), map.area.top(), map.area.bottom());
        low[c] = std::min(low[c], y);
        high[c] = std::max(high[c], y);
    }
    QList<QLineF> strokes;
    for (int c = 0; c < columns; ++c) {
        if (low[c] <= high[c])
            strokes.append(QLineF(left + c + 0.5, low[c], left + c + 0.5, high[c]));
    }
    return strokes;
}

NearestPoint nearestOnY(const QList<ChartSeries> &series, const PlotMapping &map, QPointF pos)
{
    NearestPoint best;
    const double radius = std::sqrt(kHitDistanceSquared);
    for (int i = 0; i < series.size(); ++i) {
        const QList<double> &values = series.at(i).values;
        const IndexSpan span = measurementSpan(map, int(values.size()), pos.x() - radius, pos.x() + radius);
        for (int j = span.first; j <= span.last; ++j) {
            // Most of a long series' values in reach sideways are out of reach up or down.
            const double y = map.toY(values.at(j));
            const double dy = y - pos.y();
            if (dy * dy >= kHitDistanceSquared)
                continue;
            const QPointF point(map.toX(j + 1), y);
            if (!map.area.contains(point))
                continue;
            const double dx = point.x() - pos.x();
            const double d2 = dx * dx + dy * dy;
            if (d2 < kHitDistanceSquared && (best.index < 0 || d2 < best.distanceSquared))
                best = {i, j, d2};
        }
    }
    return best;
}

void XyColumnIndex::clear()
{
    m_offsets.clear();
    m_pairs.clear();
}

void XyColumnIndex::build(const QList<double> &xs, const QList<double> &ys, int pairs, const PlotMapping &map)
{
    clear();
    m_map = map;
    m_left = clampToInt(std::floor(map.area.left()));
    const int columns = clampToInt(std::ceil(map.area.right())) - m_left + 1;
    if (columns <= 0)
        return;
    pairs = std::min<int>(pairs, int(std::min(xs.size(), ys.size())));

    // Counting sort of the pairs inside the area by pixel column, then each column by height, so a
    // look-up binary-searches the band of the pointer in the few columns around it.
    std::vector<int> columnOf(pairs, -1);
    m_offsets.assign(columns + 1, 0);
    for (int k = 0; k < pairs; ++k) {
        const QPointF point(map.toX(xs.at(k)), map.toY(ys.at(k)));
        if (!map.area.contains(point))
            continue;
        columnOf[k] = std::clamp(clampToInt(std::floor(point.x())) - m_left, 0, columns - 1);
        ++m_offsets[columnOf[k] + 1];
    }
    for (int c = 0; c < columns; ++c)
        m_offsets[c + 1] += m_offsets[c];
    m_pairs.assign(m_offsets[columns], 0);
    std::vector<int> fill(m_offsets.begin(), m_offsets.end() - 1);
    for (int k = 0; k < pairs; ++k) {
        if (columnOf[k] >= 0)
            m_pairs[fill[columnOf[k]]++] = k;
    }
    for (int c = 0; c < columns; ++c) {
        std::stable_sort(m_pairs.begin() + m_offsets[c], m_pairs.begin() + m_offsets[c + 1],
                         [&](int a, int b) { return ys.at(a) > ys.at(b); }); // top of the area first
    }
}

NearestPoint XyColumnIndex::nearest(const QList<double> &xs, const QList<double> &ys, QPointF pos) const
{
    NearestPoint best;
    if (m_offsets.size() < 2)
        return best;
    const double radius = std::sqrt(kHitDistanceSquared);
    const int columns = int(m_offsets.size()) - 1;
    const int from = std::max(0, clampToInt(std::floor(pos.x() - radius)) - m_left);
    const int to = std::min(columns - 1, clampToInt(std::floor(pos.x() + radius)) - m_left);
    for (int c = from; c <= to; ++c) {
        auto begin = m_pairs.begin() + m_offsets[c];
        auto end = m_pairs.begin() + m_offsets[c + 1];
        // Pixel y grows downwards while the column is sorted by falling value, i.e. by growing y.
        auto it = std::lower_bound(begin, end, pos.y() - radius,
                                   [&](int k, double y) { return m_map.toY(ys.at(k)) < y; });
        for (; it != end; ++it) {
            const int k = *it;
            const QPointF point(m_map.toX(xs.at(k)), m_map.toY(ys.at(k)));
            if (point.y() > pos.y() + radius)
                break;
            const double dx = point.x() - pos.x();
            const double dy = point.y() - pos.y();
            const double d2 = dx * dx + dy * dy;
            if (d2 < kHitDistanceSquared && (best.index < 0 || d2 < best.distanceSquared ||
                                             (d2 == best.distanceSquared && k < best.index)))
                best = {0, k, d2};
        }
    }
    return best;
}
