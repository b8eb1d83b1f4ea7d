#pragma once

#include "devices/tolerance.h"
#include "devices/units.h"

#include <QString>
#include <QtGlobal>

// How an instrument reaches the program (the record's `type`).
namespace ConnectionKind {
enum : int {
    Modbus = 0,
    Bluetooth = 1,
    HidKeyboard = 2,
    NrfDongle = 3,
    Bled112Dongle = 4,
    SylvacCable = 5,
    // Computed from other instruments; kept in formulas.ini, never in devices_config.ini.
    Formula = 6,
};
} // namespace ConnectionKind

// One configured instrument. A value type: the workspace keeps them in a list whose order is the order of
// the cards and of the multi-table columns. Fields without a file key are runtime state and start at
// these defaults on every load.
struct DeviceRecord
{
    double value = 0.0;
    double limitMax = 0.0;
    double limitMin = 0.0;
    int precision = 2;
    int measuringType = MeasuringMode::Disable;
    int unit = UnitCode::Millimetre;
    int type = ConnectionKind::Modbus;
    bool connected = false;
    QString portName;
    QString name;
    QString mac;
    quint8 address = 0;
    bool unitResolved = false;
    quint16 sensorKind = SensorKind::Linear;
    int timerIntervalMs = 100;
    QString userId;
    int missedReplies = 0;
    bool modbusHasValue = false; // a Modbus answer has carried a value since the record exists
    int unitRetries = 0;
    double heldValue = 0.0;
    double peakMin = 0.0;
    double peakMax = 0.0;
    bool heldValid = false;
    quint32 serialNumber = 0;
    quint16 calibDay = 0;
    quint16 calibMonth = 0;
    quint16 calibYear = 0;
    bool infoValid = false;
    int infoAttempts = 0;
    QString hidPath;
    int hidUnit = UnitCode::Millimetre;
    int hidDecimals = 2;
    double hidRawValue = 0.0;
    bool hidHasValue = false;
    int serialUnit = 0; // 0 mm, 1 inch
    double sylvacRawValue = 0.0;
    bool sylvacHasValue = false;
    int bleProtocol = 0;
    double bleRawValue = 0.0;
    bool bleRawIsInch = false;
    bool bleHasValue = false;
    int batteryPercent = -1; // negative: unknown
    int rssiDbm = 0;         // zero or positive: unknown
    QString donglePort;
    // Formula instruments: the expression over the instruments' letters; why it cannot be computed (empty
    // when it can); whether the last evaluation gave a finite value.
    QString expression;
    QString formulaProblem;
    bool formulaHasValue = false;
};

// Direct Bluetooth and both dongle kinds share one reading path.
bool isBleKind(int type);

// The value shown and recorded: the held peak in modes 1-4, the live value otherwise.
double displayValue(const DeviceRecord &record);

// Whether the instrument's link has delivered a value yet.
bool hasReading(const DeviceRecord &record);

// What tells stored devices apart (and names them in the crash journal): "port:address".
QString deviceKey(const DeviceRecord &record);

// Every formula has the same port name; its number (`address`, 1-255) tells it apart.
QString formulaPortName();

// A new value with the peak hold of the record's measuring mode: modes 1-4 keep their held peak, a record
// whose peak was used starts afresh.
void applyHeldValue(DeviceRecord &record, double value);

// Decimals shown for a precision code: 0-6 as given, anything else 2.
int precisionDigits(int precision);
