#pragma once

#include <QList>
#include <QString>

#include <cmath>
#include <limits>

// Process capability and the individuals / moving-range control chart of one instrument's values.
namespace Capability {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
// d2 for moving ranges of two, and the MR chart's D4: the usual control-chart constants.
constexpr double kD2 = 1.128;
constexpr double kD4 = 3.267;

// NaN marks a figure that is undefined: fewer than two values, no spread, or no limit on that side.
struct Indices
{
    double mean = kNaN;
    double averageMovingRange = kNaN; // MR̄
    double sigmaWithin = kNaN;        // short-term: MR̄ / d2
    double sigmaOverall = kNaN;       // sample standard deviation
    double cp = kNaN;
    double cpk = kNaN;
    double cpu = kNaN;
    double cpl = kNaN;
    double pp = kNaN;
    double ppk = kNaN;
    double ppu = kNaN;
    double ppl = kNaN;
};

// The limits a measuring mode sets: modes 5 (lower only), 6 (upper only) and 7 (both). A one-sided mode
// gives Cpk = Cpl or Cpu and leaves Cp and Pp undefined; two limits the wrong way round define nothing.
Indices compute(const QList<double> &values, int measuringType, double limitMin, double limitMax);

// Average of |x[i] - x[i-1]|; NaN below two values.
double averageMovingRange(const QList<double> &values);

enum class Grade { Undefined, Capable, Marginal, NotCapable };
// ≥ 1.33 capable, 1.00 up to 1.33 marginal, below 1.00 not capable.
Grade grade(double index);
// The colour a figure of that grade is shown in (empty for Undefined).
QString gradeColour(Grade grade);

// The first four Western Electric rules, as bits of a point's flags.
enum Rule : unsigned {
    BeyondThreeSigma = 1u << 0,    // one point beyond 3 sigma
    TwoOfThreeBeyondTwo = 1u << 1, // two of three in a row beyond 2 sigma, same side
    FourOfFiveBeyondOne = 1u << 2, // four of five in a row beyond 1 sigma, same side
    EightOnOneSide = 1u << 3,      // eight in a row on one side of the centre line
};
constexpr int kRuleCount = 4;

struct ControlLimits
{
    double centre = kNaN;
    double sigma = kNaN; // MR̄ / d2
    double upper = kNaN; // centre ± 3 sigma
    double lower = kNaN;
    double mrCentre = kNaN; // the moving-range chart: MR̄, D4·MR̄ and 0
    double mrUpper = kNaN;
};

ControlLimits controlLimits(const QList<double> &values);

// The rules each point breaks, for the individuals chart with these limits. A point is flagged when the
// run it completes breaks the rule and the point itself takes part in it (beyond the zone on the run's
// side, or on that side of the centre for rule 4). Empty when sigma is not positive.
QList<unsigned> westernElectricFlags(const QList<double> &values, const ControlLimits &limits);

} // namespace Capability
