#include "devicerecord.h"

#include <algorithm>
#include <cmath>

bool isBleKind(int type)
{
    return type == ConnectionKind::Bluetooth || type == ConnectionKind::NrfDongle ||
           type == ConnectionKind::Bled112Dongle;
}

double displayValue(const DeviceRecord &record)
{
    const bool live =
        record.measuringType == MeasuringMode::Disable || record.measuringType >= MeasuringMode::MinLimits;
    return live ? record.value : record.heldValue;
}

bool hasReading(const DeviceRecord &record)
{
    if (isBleKind(record.type))
        return record.bleHasValue;
    if (record.type == ConnectionKind::HidKeyboard)
        return record.hidHasValue;
    if (record.type == ConnectionKind::SylvacCable)
        return record.sylvacHasValue;
    if (record.type == ConnectionKind::Formula)
        return record.formulaHasValue;
    return record.modbusHasValue;
}

int precisionDigits(int precision)
{
    return precision >= 0 && precision <= 6 ? precision : 2;
}

QString deviceKey(const DeviceRecord &record)
{
    return record.portName + u':' + QString::number(record.address);
}

QString formulaPortName()
{
    return QStringLiteral("formula");
}

void applyHeldValue(DeviceRecord &record, double value)
{
    record.value = value;
    const int mode = record.measuringType;
    if (mode == MeasuringMode::Disable) {
        record.heldValid = false;
        record.heldValue = value;
        return;
    }
    if (!record.heldValid) {
        record.peakMin = record.peakMax = record.heldValue = value;
        // The range of a single reading is nothing, not the reading itself.
        if (mode == MeasuringMode::RangePeek)
            record.heldValue = 0.0;
        record.heldValid = true;
        return;
    }
    switch (mode) {
    case MeasuringMode::MinPeek:
        record.heldValue = std::min(record.heldValue, value);
        break;
    case MeasuringMode::MaxPeek:
        record.heldValue = std::max(record.heldValue, value);
        break;
    case MeasuringMode::ModulePeek:
        if (std::abs(value) > std::abs(record.heldValue))
            record.heldValue = value;
        break;
    case MeasuringMode::RangePeek:
        record.peakMin = std::min(record.peakMin, value);
        record.peakMax = std::max(record.peakMax, value);
        record.heldValue = record.peakMax - record.peakMin;
        break;
    default:
        break; // the limit modes judge the live value and hold nothing
    }
}
