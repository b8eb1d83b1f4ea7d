// Modbus RTU answers from the RS-485 instruments, through the same pure functions the poll engine uses:
// the frame checks, the register words and what a read answer writes into a device record.
#include "fuzzsupport.h"

#include "devices/devicerecord.h"
#include "links/modbus/modbusdecode.h"
#include "links/modbus/modbusframe.h"

#include <cmath>

using FuzzSupport::Reader;

namespace {

bool sameDouble(double a, double b)
{
    return a == b || (std::isnan(a) && std::isnan(b));
}

bool covers(const ComCommand &command, quint16 reg)
{
    return reg >= command.startReg && reg < command.startReg + command.countOrValue;
}

// The fields a read answer is allowed to write, and only when its registers include theirs.
void checkUntouchedOutsideRange(const DeviceRecord &before, const DeviceRecord &after,
                                const ComCommand &command)
{
    if (!covers(command, ModbusRegister::Unit))
        FUZZ_ASSERT(after.unit == before.unit);
    if (!covers(command, ModbusRegister::SensorKind))
        FUZZ_ASSERT(after.sensorKind == before.sensorKind);
    if (!covers(command, ModbusRegister::CalibrationDayMonth))
        FUZZ_ASSERT(after.calibDay == before.calibDay && after.calibMonth == before.calibMonth);
    if (!covers(command, ModbusRegister::CalibrationYear))
        FUZZ_ASSERT(after.calibYear == before.calibYear);
    if (!covers(command, ModbusRegister::SerialNumber))
        FUZZ_ASSERT(after.serialNumber == before.serialNumber);
    if (!covers(command, ModbusRegister::ValueInt) && !covers(command, ModbusRegister::ValueFloat))
        FUZZ_ASSERT(sameDouble(after.value, before.value));
    if (command.startReg != ModbusRegister::CalibrationDayMonth)
        FUZZ_ASSERT(after.infoValid == before.infoValid);
}

void checkPeakHold(const DeviceRecord &record, double lowest, double highest)
{
    // Whatever the instrument sends, the reading shown and recorded is a number.
    FUZZ_ASSERT(std::isfinite(record.value));
    FUZZ_ASSERT(std::isfinite(displayValue(record)));
    if (!record.heldValid)
        return;
    switch (record.measuringType) {
    case MeasuringMode::MinPeek:
        FUZZ_ASSERT(record.heldValue == lowest);
        break;
    case MeasuringMode::MaxPeek:
        FUZZ_ASSERT(record.heldValue == highest);
        break;
    case MeasuringMode::RangePeek:
        FUZZ_ASSERT(record.peakMin == lowest && record.peakMax == highest);
        FUZZ_ASSERT(record.heldValue >= 0.0);
        break;
    default:
        break;
    }
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    FuzzSupport::silenceQt();
    return 0;
}

// Input: the measuring mode, then answers as [flags][length][bytes]. Flag bit 0 appends the correct CRC
// so the fuzzer gets past it; bit 1 sends the answer to a unit write instead of the next poll.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    Reader in(data, size);
    DeviceRecord record;
    record.address = 1 + in.byte() % 247;
    record.measuringType = in.byte() % 8;
    double lowest = 0.0;
    double highest = 0.0;
    bool anyValue = false;

    while (!in.atEnd()) {
        const uint8_t flags = in.byte();
        QByteArray answer = in.bytes(in.byte());
        if (flags & 1) {
            const quint16 crc = modbusCrc16(answer);
            answer.append(char(crc & 0xFF));
            answer.append(char(crc >> 8));
        }

        const int attemptsBefore = record.infoAttempts;
        const ComCommand command = (flags & 2) ? buildWriteCommand(record.address, ModbusRegister::Unit, 0)
                                               : ModbusDecode::nextPollRequest(record);
        FUZZ_ASSERT(command.frame.size() == 8 && hasValidCrc(command.frame));
        FUZZ_ASSERT(record.infoAttempts <= ModbusDecode::kMaxInfoAttempts);
        FUZZ_ASSERT(record.infoAttempts - attemptsBefore <= 1);
        const int expected = expectedResponseLength(command);
        FUZZ_ASSERT(expected >= 5 && expected <= 5 + 2 * 10);

        if (isExceptionResponse(answer, command)) {
            FUZZ_ASSERT(answer.size() >= 5);
            FUZZ_ASSERT(quint8(answer.at(1)) == (command.function | ModbusFunction::ExceptionFlag));
            continue;
        }

        const bool crcOk = hasValidCrc(answer);
        if (crcOk && answer.size() > 3) {
            // Any one damaged byte must be caught.
            QByteArray damaged = answer;
            const int at = int(flags >> 2) % int(answer.size());
            damaged[at] = char(damaged.at(at) ^ (1 + (flags & 0x7F)));
            FUZZ_ASSERT(!hasValidCrc(damaged));
        }

        const QList<quint16> words = responseWords(answer);
        if (!words.isEmpty()) {
            FUZZ_ASSERT(answer.size() == 5 + 2 * words.size());
            FUZZ_ASSERT(quint8(answer.at(2)) == 2 * words.size());
        }

        // The poll engine's conditions for taking an answer in.
        if (!crcOk || quint8(answer.at(0)) != command.deviceAddress ||
            quint8(answer.at(1)) != command.function)
            continue;
        if (command.function != ModbusFunction::ReadHoldingRegisters || words.size() != command.countOrValue)
            continue;

        const DeviceRecord before = record;
        const ModbusDecode::ReadResult result =
            ModbusDecode::applyReadResponse(record, command.startReg, words);
        checkUntouchedOutsideRange(before, record, command);
        FUZZ_ASSERT(record.unitResolved);
        FUZZ_ASSERT(result.unitSeen == covers(command, ModbusRegister::Unit));
        if (result.valueUpdated) {
            if (!anyValue || record.measuringType == MeasuringMode::Disable || !before.heldValid) {
                lowest = highest = record.value;
                anyValue = true;
            } else {
                lowest = std::min(lowest, record.value);
                highest = std::max(highest, record.value);
            }
        } else {
            FUZZ_ASSERT(sameDouble(record.value, before.value));
        }
        if (anyValue)
            checkPeakHold(record, lowest, highest);

        if (result.unitSeen) {
            const int retriesBefore = record.unitRetries;
            const ModbusDecode::UnitAction action = ModbusDecode::unitSync(record, flags & 1);
            FUZZ_ASSERT(record.unitRetries <= ModbusDecode::kMaxUnitRetries);
            if (action == ModbusDecode::UnitAction::GiveUp)
                FUZZ_ASSERT(retriesBefore == ModbusDecode::kMaxUnitRetries);
        }
    }
    return 0;
}
