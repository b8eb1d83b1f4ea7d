#include "recording/capability.h"

#include "devices/tolerance.h"
#include "recording/statistics.h"

#include <algorithm>

namespace Capability {

double averageMovingRange(const QList<double> &values)
{
    if (values.size() < 2)
        return kNaN;
    // Each difference is taken between neighbours, so a large common offset costs no precision.
    double sum = 0.0;
    for (qsizetype i = 1; i < values.size(); ++i)
        sum += std::abs(values.at(i) - values.at(i - 1));
    return sum / double(values.size() - 1);
}

namespace {

struct Sided
{
    double both = kNaN;
    double upper = kNaN;
    double lower = kNaN;
    double worst = kNaN;
};

// Cp/Cpu/Cpl/Cpk (or the P figures) for one sigma.
Sided indices(double mean, double sigma, bool hasLower, bool hasUpper, double lsl, double usl)
{
    Sided s;
    if (!(sigma > 0.0) || !std::isfinite(sigma))
        return s;
    if (hasUpper)
        s.upper = (usl - mean) / (3.0 * sigma);
    if (hasLower)
        s.lower = (mean - lsl) / (3.0 * sigma);
    if (hasLower && hasUpper) {
        s.both = (usl - lsl) / (6.0 * sigma);
        s.worst = std::min(s.upper, s.lower);
    } else {
        s.worst = hasUpper ? s.upper : s.lower;
    }
    return s;
}

} // namespace

Indices compute(const QList<double> &values, int measuringType, double limitMin, double limitMax)
{
    Indices result;
    if (values.size() < 2)
        return result;
    const Statistics::Summary summary = Statistics::summarize(values);
    result.mean = summary.mean;
    result.sigmaOverall = summary.stdDev;
    result.averageMovingRange = averageMovingRange(values);
    result.sigmaWithin = result.averageMovingRange / kD2;

    const bool hasLower =
        measuringType == MeasuringMode::MinLimits || measuringType == MeasuringMode::RangeLimits;
    const bool hasUpper =
        measuringType == MeasuringMode::MaxLimits || measuringType == MeasuringMode::RangeLimits;
    if (!hasLower && !hasUpper)
        return result;
    if (hasLower && hasUpper && !(limitMax > limitMin))
        return result;

    const Sided within = indices(result.mean, result.sigmaWithin, hasLower, hasUpper, limitMin, limitMax);
    result.cp = within.both;
    result.cpu = within.upper;
    result.cpl = within.lower;
    result.cpk = within.worst;
    const Sided overall = indices(result.mean, result.sigmaOverall, hasLower, hasUpper, limitMin, limitMax);
    result.pp = overall.both;
    result.ppu = overall.upper;
    result.ppl = overall.lower;
    result.ppk = overall.worst;
    return result;
}

Grade grade(double index)
{
    if (std::isnan(index))
        return Grade::Undefined;
    if (index >= 1.33)
        return Grade::Capable;
    return index >= 1.0 ? Grade::Marginal : Grade::NotCapable;
}

QString gradeColour(Grade grade)
{
    switch (grade) {
    case Grade::Capable:
        return QString::fromLatin1(Statistics::Colour::Within);
    case Grade::Marginal:
        return QStringLiteral("#c07800");
    case Grade::NotCapable:
        return QString::fromLatin1(Statistics::Colour::Limit);
    case Grade::Undefined:
        break;
    }
    return QString();
}

ControlLimits controlLimits(const QList<double> &values)
{
    ControlLimits limits;
    if (values.size() < 2)
        return limits;
    limits.centre = Statistics::summarize(values).mean;
    limits.mrCentre = averageMovingRange(values);
    limits.sigma = limits.mrCentre / kD2;
    limits.upper = limits.centre + 3.0 * limits.sigma;
    limits.lower = limits.centre - 3.0 * limits.sigma;
    limits.mrUpper = kD4 * limits.mrCentre;
    return limits;
}

QList<unsigned> westernElectricFlags(const QList<double> &values, const ControlLimits &limits)
{
    if (!(limits.sigma > 0.0))
        return {};
    const qsizetype n = values.size();
    // A point's distance from the centre in sigmas.
    const auto z = [&](qsizetype i) { return (values.at(i) - limits.centre) / limits.sigma; };
    // How many of the `window` points ending at i lie beyond `zone` on the side `sign`.
    const auto beyond = [&z](qsizetype i, int window, double zone, int sign) {
        int count = 0;
        for (qsizetype j = i - window + 1; j <= i; ++j)
            count += sign * z(j) > zone ? 1 : 0;
        return count;
    };

    QList<unsigned> flags(n, 0u);
    int run = 0;  // points in a row on one side of the centre, ending at i
    int side = 0; // +1 above, -1 below, 0 on the centre
    for (qsizetype i = 0; i < n; ++i) {
        const double zi = z(i);
        if (std::abs(zi) > 3.0)
            flags[i] |= BeyondThreeSigma;
        const int sign = zi > 0.0 ? 1 : (zi < 0.0 ? -1 : 0);
        if (sign != 0) {
            if (i >= 2 && sign * zi > 2.0 && beyond(i, 3, 2.0, sign) >= 2)
                flags[i] |= TwoOfThreeBeyondTwo;
            if (i >= 4 && sign * zi > 1.0 && beyond(i, 5, 1.0, sign) >= 4)
                flags[i] |= FourOfFiveBeyondOne;
        }
        run = sign != 0 && sign == side ? run + 1 : (sign != 0 ? 1 : 0);
        side = sign;
        if (run >= 8)
            flags[i] |= EightOnOneSide;
    }
    return flags;
}

} // namespace Capability
