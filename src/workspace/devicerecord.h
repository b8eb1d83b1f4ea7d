#pragma once

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
};
} // namespace ConnectionKind

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
};

// Direct Bluetooth and both dongle kinds share one reading path.
bool isBleKind(int type);

// Converts between units of one category (length, force, angle); across categories the value is returned
// unchanged.
double convertUnit(double value, int fromUnit, int toUnit);

// "mm", "inch", "N", "lbf", "°", "rad"; any unknown code reads "mm".
QString unitShortText(int unit);

// The sensor kind a keyboard instrument gets from the unit it types in.
quint16 sensorKindForHidUnit(int hidUnit);

// The value shown and recorded: the held peak in modes 1-4, the live value otherwise.
double displayValue(const DeviceRecord &record);

// Whether the instrument has delivered a value yet. Modbus values are polled, so they always count.
bool hasReading(const DeviceRecord &record);

// Decimals shown for a precision code: 0-6 as given, anything else 2.
int precisionDigits(int precision);
