#include "recording/statistics.h"

#include "devices/devicerecord.h"
#include "recording/recordingstore.h"

#include <QtGlobal>

#include <algorithm>
#include <utility>

QList<DeviceStats> buildDeviceStats(const RecordingStore &store, const QList<DeviceRecord> &devices,
                                    bool multiMode, int shownDevice, const QList<int> &selectedRows)
{
    QList<int> rows = selectedRows;
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());

    QList<DeviceStats> list;
    list.reserve(devices.size());
    for (const DeviceRecord &record : devices) {
        DeviceStats stats;
        stats.name = record.name;
        stats.unit = unitShortText(record.unit);
        stats.precision = precisionDigits(record.precision);
        stats.measuringType = record.measuringType;
        stats.limitMin = record.limitMin;
        stats.limitMax = record.limitMax;
        list.append(stats);
    }

    if (!multiMode) {
        for (int i = 0; i < list.size(); ++i) {
            const QList<double> &values = store.records(i).values;
            list[i].allValues = values;
            if (i != shownDevice)
                continue;
            for (int row : std::as_const(rows)) {
                if (row >= 0 && row < values.size())
                    list[i].selectedValues.append(values.at(row));
            }
        }
        return list;
    }

    // One walk over the snapshots hands each value to its device, so the cost follows the number of
    // recorded values, not snapshots times devices.
    const QList<MultiSnapshot> &snapshots = store.snapshots();
    auto nextSelected = rows.cbegin();
    for (int row = 0; row < snapshots.size(); ++row) {
        while (nextSelected != rows.cend() && *nextSelected < row)
            ++nextSelected;
        const bool selected = nextSelected != rows.cend() && *nextSelected == row;
        const DeviceValues &values = snapshots.at(row).values;
        for (auto it = values.cbegin(); it != values.cend(); ++it) {
            if (it.key() < 0 || it.key() >= list.size())
                continue;
            DeviceStats &stats = list[it.key()];
            stats.allValues.append(it.value());
            if (selected)
                stats.selectedValues.append(it.value());
        }
    }
    return list;
}

namespace Statistics {

QString fixed(double value, int decimals)
{
    QString text = QString::number(value, 'f', decimals);
    if (text.startsWith(QLatin1Char('-')) && text.count(QLatin1Char('0')) == text.size() - 1 - (decimals > 0))
        text.remove(0, 1);
    return text;
}

bool fuzzyEqual(double a, double b)
{
    return std::abs(a - b) * 1e12 <= std::min(std::abs(a), std::abs(b));
}

Summary summarize(const QList<double> &values)
{
    Summary s;
    s.count = int(values.size());
    if (values.isEmpty())
        return s;
    double sum = 0.0;
    double lo = values.first();
    double hi = lo;
    for (double x : values) {
        sum += x;
        lo = std::min(lo, x);
        hi = std::max(hi, x);
    }
    const double n = double(values.size());
    double mean = sum / n;
    // Second pass: squared deviations, plus the residual that corrects the rounding of the first mean.
    double residual = 0.0;
    double squares = 0.0;
    for (double x : values) {
        const double d = x - mean;
        residual += d;
        squares += d * d;
    }
    mean += residual / n;
    s.mean = mean;
    s.min = lo;
    s.max = hi;
    s.range = hi - lo;
    if (values.size() >= 2)
        s.stdDev = std::sqrt(std::max(0.0, (squares - residual * residual / n) / (n - 1)));
    return s;
}

bool hasTolerance(int measuringType)
{
    return judgeTolerance(0.0, measuringType, 0.0, 0.0) != ToleranceVerdict::NotJudged;
}

int countWithinTolerance(const QList<double> &values, int measuringType, double limitMin, double limitMax)
{
    int within = 0;
    for (double x : values)
        within += judgeTolerance(x, measuringType, limitMin, limitMax) == ToleranceVerdict::Go ? 1 : 0;
    return within;
}

double trendSlope(const QList<double> &values)
{
    return values.size() < 2 ? kNaN : trendSlope(values, summarize(values).mean);
}

double trendSlope(const QList<double> &values, double mean)
{
    const qsizetype count = values.size();
    if (count < 2)
        return kNaN;
    // Centred sums: n*Sxy - Sx*Sy over raw sums loses every digit once the values share a large offset.
    const double n = double(count);
    const double xMean = (n - 1.0) / 2.0;
    double sxy = 0.0;
    for (qsizetype i = 0; i < count; ++i)
        sxy += (double(i) - xMean) * (values.at(i) - mean);
    const double sxx = n * (n * n - 1.0) / 12.0;
    if (std::abs(n * sxx) <= 1e-12)
        return kNaN;
    return sxy / sxx;
}

int Histogram::largest() const
{
    return counts.isEmpty() ? 0 : *std::max_element(counts.cbegin(), counts.cend());
}

int binCountFor(int n)
{
    return std::clamp(int(std::ceil(std::sqrt(double(n)))), 5, 20);
}

Histogram histogram(const QList<double> &values)
{
    Histogram h;
    if (values.size() < 2)
        return h;
    h.min = *std::min_element(values.cbegin(), values.cend());
    h.max = *std::max_element(values.cbegin(), values.cend());
    if (fuzzyEqual(h.min, h.max))
        return h;
    const int k = binCountFor(int(values.size()));
    h.counts.fill(0, k);
    const double span = h.max - h.min;
    for (double x : values) {
        // Divided first, then multiplied: another order rounds some values on a bin boundary (1.41 of
        // 0 .. 2.35 with five bins) into the neighbouring bin.
        const double t = (x - h.min) / span * k;
        // Clamped as a double first: the maximum lands on k, and a NaN must not reach the int cast.
        const int bin = t >= 0.0 ? int(std::min(t, double(k - 1))) : 0;
        ++h.counts[bin];
    }
    return h;
}

int binAt(double x, double width, int bins)
{
    if (bins <= 0 || width <= 0.0)
        return -1;
    const double t = std::floor(x / (width / bins));
    return int(std::clamp(t, 0.0, double(bins - 1)));
}

Range trendRange(double min, double max, int measuringType, double limitMin, double limitMax)
{
    Range r{min, max};
    if (measuringType >= 5) {
        r.lo = std::min(r.lo, limitMin);
        r.hi = std::max(r.hi, limitMax);
    }
    if (fuzzyEqual(r.lo, r.hi)) {
        r.lo -= 1.0;
        r.hi += 1.0;
    }
    const double pad = (r.hi - r.lo) * 0.1;
    r.lo -= pad;
    r.hi += pad;
    return r;
}

int nearestPoint(double x, double width, int n)
{
    if (n <= 0 || width <= 0.0)
        return -1;
    const double t = std::round(x / width * (n - 1));
    return int(std::clamp(t, 0.0, double(n - 1)));
}

QList<Envelope> columnEnvelope(const QList<double> &values, int columns)
{
    QList<Envelope> envelope;
    const qsizetype n = values.size();
    if (columns <= 0 || n == 0)
        return envelope;
    envelope.fill(Envelope{kNaN, kNaN}, columns);
    // Point i sits at column i*(columns-1)/(n-1), the same place the run chart draws it.
    const double step = n > 1 ? double(columns - 1) / double(n - 1) : 0.0;
    for (qsizetype i = 0; i < n; ++i) {
        const int c = std::clamp(int(std::lround(double(i) * step)), 0, columns - 1);
        Envelope &e = envelope[c];
        const double v = values.at(i);
        if (std::isnan(e.min)) {
            e.min = e.max = v;
        } else {
            e.min = std::min(e.min, v);
            e.max = std::max(e.max, v);
        }
    }
    return envelope;
}

} // namespace Statistics
