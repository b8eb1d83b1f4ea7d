#include "bleinstrument.h"

#include <QLocale>
#include <QUuid>
#include <QtEndian>

#include <cmath>
#include <limits>

namespace {

constexpr double DriftPeriodSeconds = 20.0;
constexpr int CommandLineLimit = 64;
constexpr quint8 BatteryPercent = 87;

// Characteristic properties as the declarations carry them.
constexpr quint8 Read = 0x02;
constexpr quint8 WriteWithoutResponse = 0x04;
constexpr quint8 Write = 0x08;
constexpr quint8 Notify = 0x10;
constexpr quint8 Indicate = 0x20;

QByteArray uuid16(quint16 id)
{
    QByteArray bytes;
    bytes += char(id & 0xFF);
    bytes += char(id >> 8);
    return bytes;
}

// 128-bit identifiers go on air least significant byte first.
QByteArray uuid128(const char *text)
{
    QByteArray bytes = QUuid::fromString(QLatin1String(text)).toRfc4122();
    std::reverse(bytes.begin(), bytes.end());
    return bytes;
}

QByteArray sylvacUuid(quint16 id)
{
    const QString text =
        QStringLiteral("C1B2%1-CAAF-6D0E-4C33-7DAE30052840").arg(id, 4, 16, QLatin1Char('0')).toUpper();
    return uuid128(text.toLatin1().constData());
}

QByteArray adStructure(quint8 type, const QByteArray &data)
{
    return char(data.size() + 1) + (char(type) + data);
}

QString millimetres(double value)
{
    return QLocale::c().toString(value, 'f', 3) + QStringLiteral(" mm");
}

} // namespace

BleInstrument::BleInstrument(const QString &address, const QString &name, BleKind kind, int rssi)
    : m_address(address.toUpper())
    , m_name(name)
    , m_kind(kind)
    , m_rssi(rssi)
{
    const quint8 last = quint8(addressBytes().at(0));
    // Indicators sit near the start of their short range, calipers somewhere along their jaws.
    if (m_name.contains(QLatin1String("IND")))
        m_drift.emplace(2.5 + 0.5 * (last % 4), 0.02, 0.001, DriftPeriodSeconds, 0xB1E0u + last);
    else if (isSylvac())
        m_drift.emplace(12.0, 0.03, 0.001, DriftPeriodSeconds, 0xB1E0u + last);
    else
        m_drift.emplace(25.0 + 5.0 * (last % 4), 0.05, 0.002, DriftPeriodSeconds, 0xB1E0u + last);
    buildTable();
}

bool BleInstrument::isValidAddress(const QString &address)
{
    const QStringList fields = address.split(u':');
    if (fields.size() != 6)
        return false;
    for (const QString &field : fields) {
        bool ok = false;
        if (field.size() != 2 || field.toUInt(&ok, 16) > 0xFF || !ok)
            return false;
    }
    return true;
}

QByteArray BleInstrument::addressBytes() const
{
    QByteArray bytes = QByteArray::fromHex(m_address.toLatin1().replace(':', ""));
    std::reverse(bytes.begin(), bytes.end());
    return bytes;
}

quint8 BleInstrument::addressType() const
{
    return (quint8(addressBytes().at(5)) & 0xC0) == 0xC0 ? 1 : 0;
}

QString BleInstrument::description()
{
    static const char *const kinds[] = {"VELKOR", "Sylvac", "Sylvac without stream",
                                        "no data characteristic"};
    QString text = QStringLiteral("%1 [%2] %3")
                       .arg(m_name.isEmpty() ? QStringLiteral("(no name)") : m_name, m_address,
                            QLatin1String(kinds[int(m_kind)]));
    if (m_kind != BleKind::NoDataCharacteristic)
        text += QStringLiteral(", reading ") + millimetres(reading());
    return text;
}

QByteArray BleInstrument::advertisingData() const
{
    return adStructure(0x01, QByteArray(1, char(0x06))); // LE general discoverable, no BR/EDR
}

QByteArray BleInstrument::scanResponseData() const
{
    QByteArray data;
    if (!m_name.isEmpty())
        data += adStructure(0x09, m_name.toLatin1());
    data += adStructure(0x0A, QByteArray(1, char(0))); // transmit power 0 dBm
    return data;
}

void BleInstrument::addService(const QByteArray &uuid)
{
    m_attributes.append({quint16(m_attributes.size() + 1), uuid16(0x2800), Role::Other, uuid});
}

void BleInstrument::addCharacteristic(quint8 properties, const QByteArray &uuid, Role role,
                                      const QByteArray &value, Role cccdRole)
{
    const quint16 declaration = quint16(m_attributes.size() + 1);
    QByteArray declared(1, char(properties));
    declared += uuid16(declaration + 1) + uuid;
    m_attributes.append({declaration, uuid16(0x2803), Role::Other, declared});
    m_attributes.append({quint16(declaration + 1), uuid, role, value});
    if (properties & (Notify | Indicate))
        m_attributes.append({quint16(declaration + 2), uuid16(0x2902), cccdRole, {}});
}

// Laid out as such instruments have it: generic access and generic attribute first, then the main service,
// then the extra ones.
void BleInstrument::buildTable()
{
    addService(uuid16(0x1800));
    addCharacteristic(Read, uuid16(0x2A00), Role::Other, m_name.toLatin1(), Role::Cccd);
    addCharacteristic(Read, uuid16(0x2A01), Role::Other, uuid16(0), Role::Cccd);
    addService(uuid16(0x1801));
    addCharacteristic(Indicate, uuid16(0x2A05), Role::Other, {}, Role::Cccd);

    if (isSylvac()) {
        addService(sylvacUuid(0x5000));
        addCharacteristic(Read | Indicate, sylvacUuid(0x5010), Role::Data, {}, Role::DataCccd);
        addCharacteristic(Write | WriteWithoutResponse, sylvacUuid(0x5012), Role::Command, {}, Role::Cccd);
        addCharacteristic(Read | Notify, sylvacUuid(0x5013), Role::Unit, {}, Role::UnitCccd);
        if (m_kind == BleKind::Sylvac) {
            // The stream service has the vendor's 16-bit numbers on the SIG base: 2-byte UUIDs.
            addService(uuid16(0x5000));
            addCharacteristic(Read | Notify, uuid16(0x5020), Role::Stream, {}, Role::StreamCccd);
        }
    } else {
        addService(uuid128("f000aa10-0451-4000-b000-000000000000"));
        if (m_kind != BleKind::NoDataCharacteristic)
            addCharacteristic(Read | Notify, uuid128("f000aa11-0451-4000-b000-000000000000"), Role::Data, {},
                              Role::DataCccd);
        addCharacteristic(Read | Write, uuid128("f000aa12-0451-4000-b000-000000000000"), Role::Command, {},
                          Role::Cccd);
    }

    addService(uuid16(0x180F));
    addCharacteristic(Read | Notify, uuid16(0x2A19), Role::Battery, QByteArray(1, char(BatteryPercent)),
                      Role::Cccd);
}

const BleInstrument::Attribute *BleInstrument::attribute(quint16 handle) const
{
    return handle >= 1 && handle <= m_attributes.size() ? &m_attributes.at(handle - 1) : nullptr;
}

quint16 BleInstrument::handleOf(Role role) const
{
    for (const Attribute &attribute : m_attributes) {
        if (attribute.role == role)
            return attribute.handle;
    }
    return 0;
}

QByteArray BleInstrument::readValue(const Attribute &attribute) const
{
    switch (attribute.role) {
    case Role::Data:
        return m_lastData;
    case Role::Command:
        return m_commandValue;
    case Role::Unit:
        return m_unitValue;
    case Role::Stream:
        return m_lastStream;
    default:
        return attribute.value;
    }
}

void BleInstrument::setValue(double mm)
{
    m_drift.reset();
    m_steady = mm;
}

double BleInstrument::reading()
{
    return (m_drift ? m_drift->sample() : m_steady) - m_zero;
}

QByteArray BleInstrument::velkorPacket()
{
    const double value = reading();
    const QByteArray text = QByteArray::number(std::abs(value), 'f', 3);
    quint8 flags = 0;
    if (m_buttonPressed)
        flags |= 0x02;
    if (value < 0 && text != "0.000")
        flags |= 0x04;
    m_buttonPressed = false;

    QByteArray packet;
    packet += char(0x1E);
    packet += char(0x2C);
    packet += char(flags);
    packet += char(0);
    packet += char(0);
    packet += char(m_sequence++); // a counter, so that no two packets in a row look alike
    packet += char(0);            // checksum, below
    packet += char(text.size());
    packet += text;
    quint8 checksum = 0;
    for (int i = 0; i < packet.size(); ++i) {
        if (i != 6)
            checksum ^= quint8(packet.at(i));
    }
    packet[6] = char(checksum);
    m_lastData = packet;
    return packet;
}

QByteArray BleInstrument::takeButtonLine()
{
    if (!m_buttonPressed)
        return {};
    m_buttonPressed = false;
    m_lastData = QString::asprintf("%+08.3f\r", reading()).toLatin1();
    return m_lastData;
}

QByteArray BleInstrument::streamValue()
{
    const double scaled = std::round(reading() * 100000.0);
    // The two extremes mean "no value" on the wire; a real reading never gets there.
    const qint32 value = qint32(qBound(double(std::numeric_limits<qint32>::min() + 1), scaled,
                                       double(std::numeric_limits<qint32>::max() - 1)));
    m_lastStream = QByteArray(4, Qt::Uninitialized);
    qToLittleEndian(value, m_lastStream.data());
    return m_lastStream;
}

BleInstrument::CommandEffect BleInstrument::command(const QByteArray &bytes)
{
    CommandEffect effect;
    if (!isSylvac()) {
        if (bytes.isEmpty())
            return effect;
        switch (quint8(bytes.at(0))) {
        case 0x08:
            m_zero += reading();
            effect.change = QStringLiteral("zero set at %1").arg(millimetres(m_zero));
            break;
        case 0x28:
            effect.change = QStringLiteral("memory download asked");
            break;
        case 0x30: {
            const int year = m_calibrationDate.year();
            m_commandValue.clear();
            m_commandValue += char(m_calibrationDate.day());
            m_commandValue += char(m_calibrationDate.month());
            m_commandValue += char(year & 0xFF);
            m_commandValue += char(year >> 8);
            effect.change = QStringLiteral("calibration date asked");
            break;
        }
        case 0x31:
            m_commandValue = QByteArray(1, char(qint8(m_rssi)));
            effect.change = QStringLiteral("signal level asked");
            break;
        case 0x00:
            break; // the acknowledge after an answer
        default:
            effect.change = QStringLiteral("unknown command %1").arg(QString::fromLatin1(bytes.toHex(' ')));
        }
        return effect;
    }

    m_commandLine += bytes;
    qsizetype end;
    while ((end = m_commandLine.indexOf('\r')) >= 0) {
        const QByteArray line = m_commandLine.left(end).trimmed().toUpper();
        m_commandLine.remove(0, end + 1);
        if (line == "SET") {
            m_zero += reading();
            effect.change = QStringLiteral("zero set at %1").arg(millimetres(m_zero));
        } else if (line.startsWith("UNI?")) {
            m_unitValue = "UNI0\r";
            effect.unitLine = m_unitValue;
        } else if (!line.isEmpty()) {
            effect.change = QStringLiteral("unknown command \"%1\"").arg(QString::fromLatin1(line));
        }
    }
    if (m_commandLine.size() > CommandLineLimit)
        m_commandLine.clear();
    return effect;
}
