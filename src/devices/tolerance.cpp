#include "tolerance.h"

bool holdsPeak(int measuringType)
{
    return measuringType >= MeasuringMode::MinPeek && measuringType <= MeasuringMode::ModulePeek;
}

ToleranceVerdict judgeTolerance(double value, int measuringType, double limitMin, double limitMax)
{
    bool within = false;
    switch (measuringType) {
    case MeasuringMode::MinLimits:
        within = value >= limitMin;
        break;
    case MeasuringMode::MaxLimits:
        within = value <= limitMax;
        break;
    case MeasuringMode::RangeLimits:
        within = value >= limitMin && value <= limitMax;
        break;
    default:
        return ToleranceVerdict::NotJudged;
    }
    return within ? ToleranceVerdict::Go : ToleranceVerdict::NoGo;
}
