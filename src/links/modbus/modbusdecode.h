#pragma once

#include "modbusframe.h"

#include <QList>

struct DeviceRecord;

// What the poll engine decides and learns per instrument, as pure functions over its record.
namespace ModbusDecode {

constexpr int kMaxInfoAttempts = 3;
constexpr int kMaxUnitRetries = 5;
constexpr int kOfflineAfterMisses = 6;

// The next poll for an instrument: the identification block at first contact, the calibration block
// until it is known (three tries at most, counted here), the value otherwise.
ComCommand nextPollRequest(DeviceRecord &record);

struct ReadResult
{
    bool unitSeen = false;
    bool valueUpdated = false;
    bool infoCompleted = false;
};

// Takes the registers of a read answer (starting at startReg) into the record.
ReadResult applyReadResponse(DeviceRecord &record, quint16 startReg, const QList<quint16> &words);

// A new value with the peak hold of the record's measuring mode.
void applyValue(DeviceRecord &record, double value);

enum class UnitAction { InStep, Retry, GiveUp };

// After the instrument reported its unit: keep it, write the wanted one again, or stop trying.
// A retry counts itself in the record.
UnitAction unitSync(DeviceRecord &record, int wantedUnit);

} // namespace ModbusDecode
