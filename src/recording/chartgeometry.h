#pragma once

#include <QLineF>
#include <QList>
#include <QPointF>
#include <QRectF>
#include <QString>

#include <vector>

// One device's recorded values as the chart plots them.
struct ChartSeries
{
    QString name;
    QList<double> values; // recording order
    int precision = 2;    // decimals shown
    QString unit;
};

struct AxisRange
{
    double min = 0.0;
    double max = 1.0;
};

// Both axes with their automatic-scaling flags.
struct PlotRanges
{
    double xMin = 0.0;
    double xMax = 1.0;
    double yMin = 0.0;
    double yMax = 1.0;
    bool autoX = true;
    bool autoY = true;
};

// lo - 1 .. hi + 1 when lo and hi are (fuzzily) equal, otherwise 8 % of the span added at each end.
AxisRange paddedRange(double lo, double hi);

// A 1-2-5 step giving about `target` ticks over `span`; 1 for an empty or negative span.
double niceStep(double span, int target);

// Multiples of step from the first one at or above min up to max. Bounded so that a hostile
// range cannot ask for millions of grid lines.
QList<double> axisTicks(double min, double max, double step);

// Ticks of the X axis, about eight. All-on-Y counts measurements, so its step is at least one and every
// tick a whole measurement number; X-Y keeps finer steps.
QList<double> xAxisTicks(const PlotRanges &ranges, bool xyMode);

// The automatic parts of `current` recomputed from the data; the fixed parts are kept. All-on-Y mode
// reads `series`; X-Y mode reads `xSeries` and `ySeries`. Without data the ranges stay as they were.
PlotRanges recomputedRanges(const PlotRanges &current, bool xyMode, const QList<ChartSeries> &series,
                            const ChartSeries &xSeries, const ChartSeries &ySeries);

// Limits a user may set on an axis: the minimum strictly below the maximum.
bool acceptableAxisLimits(double min, double max);

// X-Y pairing by measurement order: the first min(nX, nY) values of each device are compared, the rest
// of the longer one are extra measurements.
struct XyPairing
{
    int pairs = 0;
    int extra = 0;
};
XyPairing pairByOrder(int xCount, int yCount);

// Linear value <-> pixel mapping of the plot area.
struct PlotMapping
{
    QRectF area;
    PlotRanges ranges;

    double toX(double value) const
    {
        return area.left() + (value - ranges.xMin) / (ranges.xMax - ranges.xMin) * area.width();
    }
    double toY(double value) const
    {
        return area.bottom() - (value - ranges.yMin) / (ranges.yMax - ranges.yMin) * area.height();
    }
    double fromX(double pixel) const
    {
        return ranges.xMin + (pixel - area.left()) / area.width() * (ranges.xMax - ranges.xMin);
    }
};

// The measurement indexes (0-based, j -> measurement number j + 1) of a series of `count` values whose
// x lies within [fromPixel, toPixel], widened by one on each side so a line reaches the area's edges.
struct IndexSpan
{
    int first = 0;
    int last = -1; // inclusive; last < first when empty
    int size() const { return last >= first ? last - first + 1 : 0; }
};
IndexSpan measurementSpan(const PlotMapping &map, int count, double fromPixel, double toPixel);

// What the all-on-Y line of a series with more values than the area has pixel columns covers in each
// column: from the highest to the lowest value that falls into it, stretched to the previous column's
// last value where the line comes in from, so every spike stays visible and the bars join up. A
// column's values are a run of consecutive measurements; only its extremes are mapped to pixels.
struct ColumnBar
{
    int column = 0;   // pixel column, x from column to column + 1
    double top = 0.0; // pixel rows, top <= bottom
    double bottom = 0.0;
};
QList<ColumnBar> columnBars(const QList<double> &values, const PlotMapping &map);

// The same idea for an X-Y cloud: per pixel column one vertical stroke from the lowest to the highest
// point that falls into it.
QList<QLineF> xyColumnEnvelope(const QList<double> &xs, const QList<double> &ys, const PlotMapping &map);

struct NearestPoint
{
    int series = -1; // all-on-Y: series index; X-Y: 0
    int index = -1;  // value / pair index, -1 when nothing is close enough
    double distanceSquared = 0.0;
};

// Points within 20 pixels (squared distance below 400) count as hit.
constexpr double kHitDistanceSquared = 400.0;

// The nearest point inside the area to `pos` among all series of all-on-Y mode. Only the
// measurements whose x lies within the hit radius are looked at.
NearestPoint nearestOnY(const QList<ChartSeries> &series, const PlotMapping &map, QPointF pos);

// Pair indexes bucketed by pixel column, so the nearest X-Y point is found by looking at the columns
// around the pointer instead of every pair.
class XyColumnIndex
{
public:
    void build(const QList<double> &xs, const QList<double> &ys, int pairs, const PlotMapping &map);
    void clear();
    bool isEmpty() const { return m_offsets.empty(); }
    NearestPoint nearest(const QList<double> &xs, const QList<double> &ys, QPointF pos) const;

private:
    PlotMapping m_map;
    int m_left = 0;
    std::vector<int> m_offsets; // column c holds m_pairs[m_offsets[c] .. m_offsets[c + 1])
    std::vector<int> m_pairs;
};
