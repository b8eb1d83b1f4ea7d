#pragma once

#include "driftingvalue.h"
#include "modbusslave.h"

#include <optional>

// A Modbus RTU gauge of the kind KOVRAN polls: linear sensor, angle meter or dynamometer.
//
// Register map (holding registers; reads elsewhere get "illegal data address"):
//   0x0000        slave address 1-247 (a write is echoed from the old address, then the new one applies)
//   0x0001        speed code 0-13 (stored; a pseudo-terminal has no baud rate to change)
//   0x2000-0x2009 identification: 0x2000 maker 0x4B56, 0x2001 firmware, 0x2002 unit code, 0x2003 display
//                 decimals, 0x2004 measuring range in whole base units, 0x2007 sensor kind,
//                 0x2008 address, 0x2009 speed code; the rest read 0
//   0x200A        zero command: 1 makes the current reading the zero, 0 returns to absolute readings
//   0x200D-0x200E reading, signed 32-bit in 1/10000 of the unit, high word first
//   0x200F-0x2010 the same reading as an IEEE-754 single, high word first
//   0x201B        calibration day (high byte) and month (low byte); 0x201C calibration year
//   0x201D-0x201E serial number, 32-bit, high word first
//   0x200B-0x200C, 0x2011-0x201A reserved, read 0
// Only 0x0000, 0x0001, 0x2002 and 0x200A can be written. Unit codes: 0 mm, 1 inch, 2 N, 3 lbf, 4 degree,
// 5 radian; an instrument accepts only the two units of its own quantity.
class MeasuringInstrument : public ModbusSlave
{
public:
    // Sensor kinds as register 0x2007 reports them; any other code is a linear sensor.
    enum Kind : quint16 {
        Linear = 0,
        AngleMeter = 9,
        Dynamometer = 10,
    };

    enum Register : quint16 {
        AddressRegister = 0x0000,
        SpeedCodeRegister = 0x0001,
        IdentificationRegister = 0x2000,
        UnitRegister = 0x2002,
        SensorKindRegister = 0x2007,
        ZeroRegister = 0x200A,
        IntegerValueRegister = 0x200D,
        FloatValueRegister = 0x200F,
        CalibrationDateRegister = 0x201B,
        CalibrationYearRegister = 0x201C,
        SerialNumberRegister = 0x201D,
        LastRegister = 0x201E,
    };

    // Shows a steady reading of 0 in the base unit of its quantity (mm, N, degree). Serial number and
    // calibration date follow from the address it starts with.
    MeasuringInstrument(int address, quint16 kind);

    // The mix a bench usually has: two linear sensors, then a dynamometer, then an angle meter, repeated.
    static quint16 kindForPosition(int position);

    // From now on the reading wanders around a nominal of its kind, as on a real part.
    void drift();
    // A steady reading at the probe, in the base unit.
    void setReading(double reading);
    void setUnit(int unit);
    // Unit writes are still echoed, but the unit stays, as with some firmware.
    void setIgnoreUnitWrites(bool ignore) { m_ignoreUnitWrites = ignore; }

    int address() const override { return m_address; }
    int read(int start, int count, quint16 *words) override;
    int write(int reg, quint16 value, QString *change) override;
    QString description() const override;

private:
    struct Snapshot
    {
        qint32 tenThousandths;
        quint32 floatBits;
    };

    double reading();
    Snapshot snapshot();
    quint16 registerValue(int reg, const Snapshot &now) const;
    bool unitFits(int unit) const;

    int m_address;
    quint16 m_kind;
    int m_unit;
    quint16 m_speedCode = 3; // 9600 baud
    double m_zero = 0.0;     // base unit
    double m_reading = 0.0;  // base unit, while not drifting
    std::optional<DriftingValue> m_drift;
    bool m_ignoreUnitWrites = false;
    quint32 m_serialNumber;
    quint8 m_calibrationDay;
    quint8 m_calibrationMonth;
    quint16 m_calibrationYear = 2024;
};
