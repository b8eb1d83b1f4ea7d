#pragma once

#include <QList>
#include <QString>

#include <cmath>
#include <limits>

class RecordingStore;
struct DeviceRecord;

// What the statistics dialog knows of one device: a copy taken when the dialog opens.
struct DeviceStats
{
    QString name;
    QString unit;
    int precision = 3;     // decimals
    int measuringType = 0; // tolerance mode 0-7
    double limitMin = 0.0;
    double limitMax = 0.0;
    QList<double> allValues;      // every value of the device in the source table, in recording order
    QList<double> selectedValues; // the values on the selected rows, in row order
};

// Builds one entry per device, in device order, from the recorded data.
// Mono mode: every device gets its own records; only `shownDevice` (the device on the mono page) gets
// the values at `selectedRows` of the mono table. Multi mode: every snapshot that holds a value of a
// device adds it, and `selectedRows` are rows of the shared table. Row numbers may come in any order
// and may repeat; rows that do not exist are ignored.
QList<DeviceStats> buildDeviceStats(const RecordingStore &store, const QList<DeviceRecord> &devices,
                                    bool multiMode, int shownDevice, const QList<int> &selectedRows);

namespace Statistics {

// Palette shared by the histogram and the run chart.
namespace Colour {
constexpr const char *Background = "#ffffff";
constexpr const char *Grid = "#ececec";
constexpr const char *Axis = "#c8c8c8";
constexpr const char *Series = "#4a7ba7";
constexpr const char *Secondary = "#888888";
constexpr const char *Trend = "#b06a2c";
constexpr const char *Limit = "#cc0000";
constexpr const char *Within = "#006400";
} // namespace Colour

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

// Fixed notation with a point; a value that rounds to zero never shows as "-0.000".
QString fixed(double value, int decimals);

// Equal in the relative sense of qFuzzyCompare; two zeros are equal.
bool fuzzyEqual(double a, double b);

struct Summary
{
    int count = 0;
    double mean = kNaN;
    double min = kNaN;
    double max = kNaN;
    double range = kNaN;
    double stdDev = kNaN; // sample standard deviation; NaN below two values
};

// Two passes, so a large common offset (1000.0001 +- 0.0001) costs no precision.
Summary summarize(const QList<double> &values);

// Whether the mode judges values against limits (modes 5-7), and how many values pass.
bool hasTolerance(int measuringType);
int countWithinTolerance(const QList<double> &values, int measuringType, double limitMin, double limitMax);

// Least-squares trend per measurement with x = 0..n-1; NaN below two values.
double trendSlope(const QList<double> &values);
double trendSlope(const QList<double> &values, double mean);

struct Histogram
{
    double min = 0.0;
    double max = 0.0;
    QList<int> counts; // empty: too little data
    int largest() const;
    double lowerBound(int bin) const { return min + bin * (max - min) / counts.size(); }
    double upperBound(int bin) const { return min + (bin + 1) * (max - min) / counts.size(); }
};

// ceil(sqrt(n)) bins, at least 5 and at most 20, over [min, max]; none below two values or when every
// value is (fuzzily) the same. Value x falls into bin floor((x - min) / (max - min) * k), the maximum
// into the last bin. One pass over the values.
Histogram histogram(const QList<double> &values);
int binCountFor(int n);

// The bin under a horizontal pointer offset `x` from the plot's left edge, for a plot `width` wide.
int binAt(double x, double width, int bins);

struct Range
{
    double lo = 0.0;
    double hi = 0.0;
};

// Vertical span of the run chart: the data, for modes 5 and above both limits too, opened to +-1 when
// it collapses to one value, then widened by 10 % at each end.
Range trendRange(double min, double max, int measuringType, double limitMin, double limitMax);

// The measurement under a horizontal pointer offset `x` from the plot's left edge.
int nearestPoint(double x, double width, int n);

struct Envelope
{
    double min;
    double max;
};

// Min and max of the values that fall into each of `columns` pixel columns when n points are spread
// evenly from column 0 to column columns-1. Used when a series has more points than the plot pixels.
QList<Envelope> columnEnvelope(const QList<double> &values, int columns);

} // namespace Statistics
