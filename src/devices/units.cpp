#include "units.h"

namespace {

constexpr double kMillimetresPerInch = 25.4;
constexpr double kNewtonsPerPoundForce = 4.4482216152605;
constexpr double kPi = 3.14159265358979323846;

enum class Category { None, Length, Force, Angle };

Category categoryOf(int unit)
{
    switch (unit) {
    case UnitCode::Millimetre:
    case UnitCode::Inch:
        return Category::Length;
    case UnitCode::Newton:
    case UnitCode::PoundForce:
        return Category::Force;
    case UnitCode::Degree:
    case UnitCode::Radian:
        return Category::Angle;
    default:
        return Category::None;
    }
}

} // namespace

double convertUnit(double value, int fromUnit, int toUnit)
{
    if (fromUnit == toUnit)
        return value;
    const Category category = categoryOf(fromUnit);
    if (category == Category::None || category != categoryOf(toUnit))
        return value;

    double base = value; // mm, N or degree
    if (fromUnit == UnitCode::Inch)
        base = value * kMillimetresPerInch;
    else if (fromUnit == UnitCode::PoundForce)
        base = value * kNewtonsPerPoundForce;
    else if (fromUnit == UnitCode::Radian)
        base = value * (180.0 / kPi);

    if (toUnit == UnitCode::Inch)
        return base / kMillimetresPerInch;
    if (toUnit == UnitCode::PoundForce)
        return base / kNewtonsPerPoundForce;
    if (toUnit == UnitCode::Radian)
        return base * (kPi / 180.0);
    return base;
}

QString unitShortText(int unit)
{
    switch (unit) {
    case UnitCode::Inch:
        return QStringLiteral("inch");
    case UnitCode::Newton:
        return QStringLiteral("N");
    case UnitCode::PoundForce:
        return QStringLiteral("lbf");
    case UnitCode::Degree:
        return QStringLiteral("°");
    case UnitCode::Radian:
        return QStringLiteral("rad");
    default:
        return QStringLiteral("mm");
    }
}

quint16 sensorKindForHidUnit(int hidUnit)
{
    switch (hidUnit) {
    case UnitCode::Newton:
    case UnitCode::PoundForce:
        return SensorKind::Dynamometer;
    case UnitCode::Degree:
    case UnitCode::Radian:
        return SensorKind::AngleMeter;
    default:
        return SensorKind::Linear;
    }
}
