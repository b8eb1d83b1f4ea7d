#include "modbusdecode.h"

#include "devices/devicerecord.h"

#include <algorithm>
#include <cmath>

namespace ModbusDecode {

ComCommand nextPollRequest(DeviceRecord &record)
{
    if (!record.unitResolved)
        return buildReadCommand(record.address, ModbusRegister::Identification, 10);
    if (record.infoValid)
        return buildReadCommand(record.address, ModbusRegister::ValueFloat, 2);
    if (record.infoAttempts < kMaxInfoAttempts) {
        ++record.infoAttempts;
        return buildReadCommand(record.address, ModbusRegister::CalibrationDayMonth, 4);
    }
    return buildReadCommand(record.address, ModbusRegister::ValueFloat, 2);
}

ReadResult applyReadResponse(DeviceRecord &record, quint16 startReg, const QList<quint16> &words)
{
    ReadResult result;
    const auto word = [&](int reg) { return words.at(reg - startReg); };
    const auto has = [&](int reg) { return reg >= startReg && reg - startReg < words.size(); };

    for (int reg = startReg; reg < startReg + words.size(); ++reg) {
        switch (reg) {
        case ModbusRegister::Unit:
            record.unit = word(reg);
            result.unitSeen = true;
            break;
        case ModbusRegister::SensorKind:
            record.sensorKind = word(reg);
            break;
        case ModbusRegister::ValueInt:
            if (has(reg + 1)) {
                applyValue(record, decodeValueInt(word(reg), word(reg + 1)));
                result.valueUpdated = true;
                ++reg;
            }
            break;
        case ModbusRegister::ValueFloat:
            if (has(reg + 1)) {
                const float value = decodeValueFloat(word(reg), word(reg + 1));
                if (!std::isnan(value)) {
                    applyValue(record, double(value));
                    result.valueUpdated = true;
                }
                ++reg;
            }
            break;
        case ModbusRegister::CalibrationDayMonth:
            record.calibDay = word(reg) >> 8;
            record.calibMonth = word(reg) & 0xFF;
            break;
        case ModbusRegister::CalibrationYear:
            record.calibYear = word(reg);
            break;
        case ModbusRegister::SerialNumber:
            if (has(reg + 1)) {
                record.serialNumber = quint32(word(reg)) << 16 | word(reg + 1);
                ++reg;
            }
            break;
        default:
            break;
        }
    }
    if (startReg == ModbusRegister::CalibrationDayMonth && words.size() >= 4) {
        record.infoValid = true;
        result.infoCompleted = true;
    }
    record.unitResolved = true;
    return result;
}

void applyValue(DeviceRecord &record, double value)
{
    applyHeldValue(record, value);
}

UnitAction unitSync(DeviceRecord &record, int wantedUnit)
{
    if (record.unit == wantedUnit) {
        record.unitRetries = 0;
        return UnitAction::InStep;
    }
    if (record.unitRetries >= kMaxUnitRetries)
        return UnitAction::GiveUp;
    ++record.unitRetries;
    record.unitResolved = false;
    return UnitAction::Retry;
}

} // namespace ModbusDecode
