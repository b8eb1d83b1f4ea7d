#include "measuringinstrument.h"

#include <QLocale>

#include <modbus.h>

#include <cmath>
#include <cstring>
#include <limits>

namespace {

constexpr double Pi = 3.141592653589793;
constexpr int MaxAddress = 247;
constexpr int MaxSpeedCode = 13;
constexpr double DriftPeriodSeconds = 20.0;

struct Profile
{
    int baseUnit;
    double nominal;   // base unit
    double amplitude; // base unit
    double noise;     // base unit
    quint16 decimals; // shown on the instrument's own display
    quint16 range;    // whole base units
};

Profile profileFor(quint16 kind, int address)
{
    // Nominals differ a little per address so that cards on one screen are told apart at a glance.
    const int spread = (address - 1) % 4;
    switch (kind) {
    case MeasuringInstrument::Dynamometer:
        return {2, 50.0 + 12.5 * spread, 0.4, 0.02, 2, 500};
    case MeasuringInstrument::AngleMeter:
        return {4, 30.0 + 15.0 * spread, 0.05, 0.002, 3, 360};
    default:
        return {0, 12.5 + 2.5 * spread, 0.03, 0.001, 3, 25};
    }
}

// Size of one `unit` in the base unit of its quantity.
double unitSize(int unit)
{
    switch (unit) {
    case 1:
        return 25.4;
    case 3:
        return 4.4482216152605;
    case 5:
        return 180.0 / Pi;
    default:
        return 1.0;
    }
}

int quantityOf(int unit)
{
    return unit / 2; // 0 length, 1 force, 2 angle
}

QString kindName(quint16 kind)
{
    switch (kind) {
    case MeasuringInstrument::AngleMeter:
        return QStringLiteral("angle meter");
    case MeasuringInstrument::Dynamometer:
        return QStringLiteral("dynamometer");
    default:
        return QStringLiteral("linear sensor");
    }
}

QString unitName(int unit)
{
    static const char *const names[] = {"mm", "inch", "N", "lbf", "degree", "radian"};
    return unit >= 0 && unit < 6 ? QLatin1String(names[unit]) : QStringLiteral("unit %1").arg(unit);
}

} // namespace

MeasuringInstrument::MeasuringInstrument(int address, quint16 kind)
    : m_address(address)
    , m_kind(kind)
    , m_unit(profileFor(kind, address).baseUnit)
    , m_serialNumber(24050100u + quint32(address))
    , m_calibrationDay(quint8(1 + (address * 7) % 28))
    , m_calibrationMonth(quint8(1 + (address * 5) % 12))
{}

quint16 MeasuringInstrument::kindForPosition(int position)
{
    switch (position % 4) {
    case 2:
        return Dynamometer;
    case 3:
        return AngleMeter;
    default:
        return Linear;
    }
}

void MeasuringInstrument::drift()
{
    const Profile profile = profileFor(m_kind, m_address);
    m_drift.emplace(profile.nominal, profile.amplitude, profile.noise, DriftPeriodSeconds,
                    0x4B56u + quint32(m_address));
}

void MeasuringInstrument::setReading(double reading)
{
    m_drift.reset();
    m_reading = reading;
}

void MeasuringInstrument::setUnit(int unit)
{
    m_unit = unit;
}

QString MeasuringInstrument::description() const
{
    return QStringLiteral("%1, %2, serial %3, calibrated %4/%5/%6")
        .arg(kindName(m_kind), unitName(m_unit))
        .arg(m_serialNumber)
        .arg(m_calibrationDay)
        .arg(m_calibrationMonth)
        .arg(m_calibrationYear);
}

bool MeasuringInstrument::unitFits(int unit) const
{
    return unit >= 0 && unit <= 5 && quantityOf(unit) == quantityOf(profileFor(m_kind, m_address).baseUnit);
}

double MeasuringInstrument::reading()
{
    return m_drift ? m_drift->sample() : m_reading;
}

MeasuringInstrument::Snapshot MeasuringInstrument::snapshot()
{
    const double shown = (reading() - m_zero) / unitSize(m_unit);
    const double scaled = std::round(shown * 10000.0);
    const double clamped = qBound(double(std::numeric_limits<qint32>::min()), scaled,
                                  double(std::numeric_limits<qint32>::max()));
    const float single = float(shown);
    Snapshot now{};
    now.tenThousandths = qint32(clamped);
    std::memcpy(&now.floatBits, &single, sizeof single);
    return now;
}

quint16 MeasuringInstrument::registerValue(int reg, const Snapshot &now) const
{
    const quint32 integerBits = quint32(now.tenThousandths);
    switch (reg) {
    case AddressRegister:
    case 0x2008:
        return quint16(m_address);
    case SpeedCodeRegister:
    case 0x2009:
        return m_speedCode;
    case IdentificationRegister:
        return 0x4B56;
    case 0x2001:
        return 0x0104;
    case UnitRegister:
        return quint16(m_unit);
    case 0x2003:
        return profileFor(m_kind, m_address).decimals;
    case 0x2004:
        return profileFor(m_kind, m_address).range;
    case SensorKindRegister:
        return m_kind;
    case IntegerValueRegister:
        return quint16(integerBits >> 16);
    case IntegerValueRegister + 1:
        return quint16(integerBits & 0xFFFF);
    case FloatValueRegister:
        return quint16(now.floatBits >> 16);
    case FloatValueRegister + 1:
        return quint16(now.floatBits & 0xFFFF);
    case CalibrationDateRegister:
        return quint16(m_calibrationDay << 8 | m_calibrationMonth);
    case CalibrationYearRegister:
        return m_calibrationYear;
    case SerialNumberRegister:
        return quint16(m_serialNumber >> 16);
    case SerialNumberRegister + 1:
        return quint16(m_serialNumber & 0xFFFF);
    default:
        return 0; // reserved
    }
}

int MeasuringInstrument::read(int start, int count, quint16 *words)
{
    const int end = start + count; // one past the last register
    const bool configuration = start >= AddressRegister && end <= SpeedCodeRegister + 1;
    const bool data = start >= IdentificationRegister && end <= LastRegister + 1;
    if (!configuration && !data)
        return MODBUS_EXCEPTION_ILLEGAL_DATA_ADDRESS;
    // One sample per request, so the integer and the float copy of the reading always agree.
    const Snapshot now = snapshot();
    for (int i = 0; i < count; ++i)
        words[i] = registerValue(start + i, now);
    return 0;
}

int MeasuringInstrument::write(int reg, quint16 value, QString *change)
{
    switch (reg) {
    case AddressRegister:
        if (value < 1 || value > MaxAddress)
            return MODBUS_EXCEPTION_ILLEGAL_DATA_VALUE;
        if (value != m_address)
            *change = QStringLiteral("address %1 -> %2").arg(m_address).arg(value);
        m_address = value;
        return 0;
    case SpeedCodeRegister:
        if (value > MaxSpeedCode)
            return MODBUS_EXCEPTION_ILLEGAL_DATA_VALUE;
        m_speedCode = value;
        *change = QStringLiteral("speed code %1").arg(value);
        return 0;
    case UnitRegister:
        if (!unitFits(value))
            return MODBUS_EXCEPTION_ILLEGAL_DATA_VALUE;
        if (m_ignoreUnitWrites || value == m_unit)
            return 0;
        *change = QStringLiteral("unit %1 -> %2").arg(unitName(m_unit), unitName(value));
        m_unit = value;
        return 0;
    case ZeroRegister:
        if (value == 1) {
            m_zero = reading();
            *change = QStringLiteral("zero set at %1 %2")
                          .arg(QLocale::c().toString(m_zero / unitSize(m_unit), 'f', 4), unitName(m_unit));
        } else if (value == 0) {
            m_zero = 0.0;
            *change = QStringLiteral("zero cleared");
        } else {
            return MODBUS_EXCEPTION_ILLEGAL_DATA_VALUE;
        }
        return 0;
    default:
        // Identification, readings and calibration data are read-only; everything else is not there.
        return MODBUS_EXCEPTION_ILLEGAL_DATA_ADDRESS;
    }
}
