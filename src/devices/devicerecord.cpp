#include "devicerecord.h"

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
    return record.modbusHasValue;
}

int precisionDigits(int precision)
{
    return precision >= 0 && precision <= 6 ? precision : 2;
}
