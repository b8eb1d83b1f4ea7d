#include "recording/capability.h"

#include "devices/tolerance.h"
#include "recording/statistics.h"

#include <QtAlgorithms>

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
    const double perSigma = 1.0 / limits.sigma;
    QList<unsigned> flags(n, 0u);
    unsigned *out = flags.data();
    const double *x = values.constData();
    // The last few points' zones as bit histories (bit 0 the newest): beyond +2σ, beyond −2σ, beyond +1σ,
    // beyond −1σ. A window's count is the number of bits set in its last 3 or 5 bits.
    unsigned above2 = 0, below2 = 0, above1 = 0, below1 = 0;
    const auto count = [](unsigned bits) { return qPopulationCount(bits); };
    int run = 0;  // points in a row on one side of the centre, ending at i
    int side = 0; // +1 above, -1 below, 0 on the centre
    for (qsizetype i = 0; i < n; ++i) {
        const double z = (x[i] - limits.centre) * perSigma;
        above2 = (above2 << 1 | unsigned(z > 2.0)) & 0x7u;
        below2 = (below2 << 1 | unsigned(z < -2.0)) & 0x7u;
        above1 = (above1 << 1 | unsigned(z > 1.0)) & 0x1fu;
        below1 = (below1 << 1 | unsigned(z < -1.0)) & 0x1fu;
        // Rules 2 and 3 need the point itself in the run: its own (lowest) bit set.
        const bool two = i >= 2 && (((above2 & 1u) && count(above2) >= 2) || ((below2 & 1u) && count(below2) >= 2));
        const bool four = i >= 4 && (((above1 & 1u) && count(above1) >= 4) || ((below1 & 1u) && count(below1) >= 4));
        const int sign = int(z > 0.0) - int(z < 0.0);
        run = sign == 0 ? 0 : (sign == side ? run + 1 : 1);
        side = sign;
        out[i] = (std::abs(z) > 3.0 ? BeyondThreeSigma : 0u) | (two ? TwoOfThreeBeyondTwo : 0u) |
                 (four ? FourOfFiveBeyondOne : 0u) | (run >= 8 ? EightOnOneSide : 0u);
    }
    return flags;
}

} // namespace Capability
