#pragma once

#include <QString>
#include <QtGlobal>

// Unit codes of `unit`, `hidUnit` and the global display units.
namespace UnitCode {
enum : int {
    Millimetre = 0,
    Inch = 1,
    Newton = 2,
    PoundForce = 3,
    Degree = 4,
    Radian = 5,
};
} // namespace UnitCode

// `sensorKind`: any value other than these two is a linear instrument.
namespace SensorKind {
enum : quint16 {
    Linear = 0,
    AngleMeter = 9,
    Dynamometer = 10,
};
} // namespace SensorKind

// Converts between units of one category (length, force, angle); across categories the value is returned
// unchanged.
double convertUnit(double value, int fromUnit, int toUnit);

// "mm", "inch", "N", "lbf", "°", "rad"; any unknown code reads "mm".
QString unitShortText(int unit);

// The sensor kind a keyboard instrument gets from the unit it types in.
quint16 sensorKindForHidUnit(int hidUnit);
