#include "measuringinstrument.h"

#include <QLocale>

#include <cmath>
#include <cstring>
#include <limits>

using namespace RtuFrame;

namespace {

constexpr double Pi = 3.141592653589793;
constexpr quint16 MaxAddress = 247;
constexpr quint16 MaxSpeedCode = 13;

struct Profile
{
    int baseUnit;
    double nominal;   // base unit
    double amplitude; // base unit
    double noise;     // base unit
    quint16 decimals; // shown on the instrument's own display
    quint16 range;    // whole base units
};

Profile profileFor(MeasuringInstrument::Kind kind, quint8 address)
{
    // Nominals differ a little per address so that cards on one screen are told apart at a glance.
    const int spread = (address - 1) % 4;
    switch (kind) {
    case MeasuringInstrument::Kind::Dynamometer:
        return {2, 50.0 + 12.5 * spread, 0.4, 0.02, 2, 500};
    case MeasuringInstrument::Kind::AngleMeter:
        return {4, 30.0 + 15.0 * spread, 0.05, 0.002, 3, 360};
    case MeasuringInstrument::Kind::Linear:
        break;
    }
    return {0, 12.5 + 2.5 * spread, 0.03, 0.001, 3, 25};
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

} // namespace

MeasuringInstrument::MeasuringInstrument(quint8 address, Kind kind, QObject *parent)
    : ModbusSlave(parent)
    , m_address(address)
    , m_kind(kind)
    , m_unit(profileFor(kind, address).baseUnit)
    , m_value(profileFor(kind, address).nominal, profileFor(kind, address).amplitude,
              profileFor(kind, address).noise, 20.0, 0x4B56u + address)
    , m_serialNumber(24050100u + address)
    , m_calibrationDay(quint8(1 + (address * 7) % 28))
    , m_calibrationMonth(quint8(1 + (address * 5) % 12))
    , m_calibrationYear(2024)
{}

MeasuringInstrument::Kind MeasuringInstrument::kindForPosition(int position)
{
    switch (position % 4) {
    case 2:
        return Kind::Dynamometer;
    case 3:
        return Kind::AngleMeter;
    default:
        return Kind::Linear;
    }
}

QString MeasuringInstrument::kindName(Kind kind)
{
    switch (kind) {
    case Kind::AngleMeter:
        return QStringLiteral("angle meter");
    case Kind::Dynamometer:
        return QStringLiteral("dynamometer");
    case Kind::Linear:
        break;
    }
    return QStringLiteral("linear sensor");
}

QString MeasuringInstrument::unitName(int unit)
{
    static const char *const names[] = {"mm", "inch", "N", "lbf", "degree", "radian"};
    return unit >= 0 && unit < 6 ? QLatin1String(names[unit]) : QStringLiteral("unit %1").arg(unit);
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

MeasuringInstrument::Snapshot MeasuringInstrument::snapshot()
{
    const double reading = (m_value.sample() - m_zero) / unitSize(m_unit);
    const double scaled = std::round(reading * 10000.0);
    const double clamped = qBound(double(std::numeric_limits<qint32>::min()), scaled,
                                  double(std::numeric_limits<qint32>::max()));
    const float single = float(reading);
    Snapshot now{};
    now.tenThousandths = qint32(clamped);
    std::memcpy(&now.floatBits, &single, sizeof single);
    return now;
}

quint16 MeasuringInstrument::registerValue(quint16 reg, const Snapshot &now) const
{
    const quint32 integerBits = quint32(now.tenThousandths);
    switch (reg) {
    case AddressRegister:
    case 0x2008:
        return m_address;
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
        return quint16(m_kind);
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

Exception MeasuringInstrument::readHoldingRegisters(quint16 start, quint16 count, QVector<quint16> *words)
{
    if (count < 1 || count > MaxReadCount)
        return IllegalDataValue;
    const int end = start + count; // one past the last register
    const bool configuration = end <= SpeedCodeRegister + 1;
    const bool data = start >= IdentificationRegister && end <= LastRegister + 1;
    if (!configuration && !data)
        return IllegalDataAddress;
    // One sample per request, so the integer and the float copy of the reading always agree.
    const Snapshot now = snapshot();
    for (int reg = start; reg < end; ++reg)
        words->append(registerValue(quint16(reg), now));
    return NoException;
}

Exception MeasuringInstrument::writeSingleRegister(quint16 reg, quint16 value)
{
    switch (reg) {
    case AddressRegister:
        if (value < 1 || value > MaxAddress)
            return IllegalDataValue;
        if (value != m_address)
            emit changed(QStringLiteral("address %1 -> %2").arg(m_address).arg(value));
        m_address = quint8(value);
        return NoException;
    case SpeedCodeRegister:
        if (value > MaxSpeedCode)
            return IllegalDataValue;
        m_speedCode = value;
        emit changed(QStringLiteral("speed code %1").arg(value));
        return NoException;
    case UnitRegister:
        if (!unitFits(value))
            return IllegalDataValue;
        if (value != m_unit)
            emit changed(QStringLiteral("unit %1 -> %2").arg(unitName(m_unit), unitName(value)));
        m_unit = value;
        return NoException;
    case ZeroRegister:
        if (value == 1) {
            m_zero = m_value.sample();
            emit changed(
                QStringLiteral("zero set at %1 %2")
                    .arg(QLocale::c().toString(m_zero / unitSize(m_unit), 'f', 4), unitName(m_unit)));
        } else if (value == 0) {
            m_zero = 0.0;
            emit changed(QStringLiteral("zero cleared"));
        } else {
            return IllegalDataValue;
        }
        return NoException;
    default:
        // Identification, readings and calibration data are read-only; everything else is not there.
        return IllegalDataAddress;
    }
}
