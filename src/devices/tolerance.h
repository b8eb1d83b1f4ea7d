#pragma once

// `measuringType`: 1-4 hold a peak, 5-7 judge the value against the limits.
namespace MeasuringMode {
enum : int {
    Disable = 0,
    MinPeek = 1,
    MaxPeek = 2,
    RangePeek = 3,
    ModulePeek = 4,
    MinLimits = 5,
    MaxLimits = 6,
    RangeLimits = 7,
};
} // namespace MeasuringMode

// Modes 1-4: the instrument shows and records its held peak instead of the live value.
bool holdsPeak(int measuringType);

enum class ToleranceVerdict { NotJudged, Go, NoGo };

// The one tolerance rule of the program (card colour, table verdict, conformity): modes 5-7 compare the
// value with the lower, the upper or both limits, limits inclusive; every other mode judges nothing.
// A value that is not a number never passes.
ToleranceVerdict judgeTolerance(double value, int measuringType, double limitMin, double limitMax);
