#include "nrfsiminstrument.h"

#include <QStringList>
#include <QUuid>
#include <QtEndian>

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

constexpr double TwoPi = 6.283185307179586;
constexpr double DriftPeriodSeconds = 20.0;
constexpr int CommandLineLimit = 64;
constexpr quint8 BatteryPercent = 87;
constexpr int AdvertisingPayload = 31;

// 128-bit identifiers go on air least significant byte first.
QByteArray uuid128(const QString &text)
{
    QByteArray bytes = QUuid::fromString(text).toRfc4122();
    std::reverse(bytes.begin(), bytes.end());
    return bytes;
}

QByteArray velkorUuid(quint16 id)
{
    return uuid128(QStringLiteral("f000%1-0451-4000-b000-000000000000").arg(id, 4, 16, QLatin1Char('0')));
}

QByteArray sylvacUuid(quint16 id)
{
    return uuid128(QStringLiteral("C1B2%1-CAAF-6D0E-4C33-7DAE30052840").arg(id, 4, 16, QLatin1Char('0')));
}

QByteArray adStructure(quint8 type, const QByteArray &data)
{
    return char(data.size() + 1) + (char(type) + data);
}

} // namespace

NrfSimInstrument::NrfSimInstrument(const Address &address, const QString &name, Kind kind, bool shortenedName,
                                   int rssi)
    : m_address(address)
    , m_name(name)
    , m_kind(kind)
    , m_shortenedName(shortenedName)
    , m_rssi(rssi)
    , m_random(0xB1E0u + address[0])
{
    // Indicators sit near the start of their short range, calipers somewhere along their jaws.
    const int last = address[0];
    if (name.contains(QLatin1String("IND"))) {
        m_nominal = 2.5 + 0.5 * (last % 4);
        m_amplitude = 0.02;
        m_noise = 0.001;
    } else if (isSylvac()) {
        m_nominal = 12.0;
        m_amplitude = 0.03;
        m_noise = 0.001;
    } else {
        m_nominal = 25.0 + 5.0 * (last % 4);
        m_amplitude = 0.05;
        m_noise = 0.002;
    }
    m_phase = std::uniform_real_distribution<double>(0.0, TwoPi)(m_random);
    buildTable();
}

bool NrfSimInstrument::parseAddress(const QString &text, Address *address)
{
    const QStringList fields = text.split(u':');
    if (fields.size() != 6)
        return false;
    for (int i = 0; i < 6; ++i) {
        bool ok = false;
        const uint byte = fields[i].toUInt(&ok, 16);
        if (!ok || fields[i].size() != 2 || byte > 0xFF)
            return false;
        (*address)[5 - i] = quint8(byte);
    }
    return true;
}

QString NrfSimInstrument::addressText(const Address &address)
{
    return QString::asprintf("%02X:%02X:%02X:%02X:%02X:%02X", address[5], address[4], address[3], address[2],
                             address[1], address[0]);
}

QByteArray NrfSimInstrument::uuid16(quint16 id)
{
    QByteArray bytes(2, Qt::Uninitialized);
    qToLittleEndian(id, bytes.data());
    return bytes;
}

QByteArray NrfSimInstrument::advertisingData() const
{
    QByteArray data = adStructure(0x01, QByteArray(1, char(0x06))); // LE general discoverable, no BR/EDR
    // The main service (handle 10 in every table), as such instruments announce it.
    const QByteArray &main = attribute(10)->value;
    data += adStructure(main.size() == 2 ? 0x03 : 0x07, main);
    return data;
}

QByteArray NrfSimInstrument::scanResponseData() const
{
    QByteArray data;
    const QByteArray txPower = adStructure(0x0A, QByteArray(1, char(0)));
    QByteArray name = m_name.toLatin1();
    const int room = AdvertisingPayload - int(txPower.size()) - 2;
    if (m_shortenedName || name.size() > room) {
        // A shortened name is the start of the full one: its first word here.
        const qsizetype space = name.indexOf(' ');
        name = name.left(std::min<qsizetype>(space > 0 ? space : name.size(), room));
        data += adStructure(0x08, name);
    } else if (!name.isEmpty()) {
        data += adStructure(0x09, name);
    }
    return data + txPower;
}

void NrfSimInstrument::addService(const QByteArray &uuid)
{
    m_lastService = int(m_attributes.size());
    m_attributes.append({quint16(m_attributes.size() + 1), uuid16(0x2800), uuid, 0, Role::Other, 0});
}

void NrfSimInstrument::addCharacteristic(quint8 properties, const QByteArray &uuid, Role role,
                                         const QByteArray &value)
{
    const quint16 declaration = quint16(m_attributes.size() + 1);
    const QByteArray declared = char(properties) + uuid16(declaration + 1) + uuid;
    m_attributes.append({declaration, uuid16(0x2803), declared, 0, Role::Other, 0});
    m_attributes.append({quint16(declaration + 1), uuid, value, properties, role, 0});
    if (properties & (Notify | Indicate))
        m_attributes.append({quint16(declaration + 2), uuid16(0x2902), QByteArray(), 0, Role::Other, 0});
    m_attributes[m_lastService].groupEnd = quint16(m_attributes.size());
}

void NrfSimInstrument::buildTable()
{
    addService(uuid16(0x1800));
    addCharacteristic(Read, uuid16(0x2A00), Role::Other, m_name.toUtf8());
    addCharacteristic(Read, uuid16(0x2A01), Role::Other, uuid16(0));
    addService(uuid16(0x1801));
    addCharacteristic(Indicate, uuid16(0x2A05), Role::Other);

    switch (m_kind) {
    case Kind::Velkor:
        addService(velkorUuid(0xAA10));
        addCharacteristic(Read | Notify, velkorUuid(0xAA11), Role::Data);
        addCharacteristic(Read | Write | Notify, velkorUuid(0xAA12), Role::Command);
        break;
    case Kind::Sylvac:
    case Kind::SylvacWithoutStream:
        addService(sylvacUuid(0x5000));
        addCharacteristic(Read | Indicate, sylvacUuid(0x5010), Role::Data);
        addCharacteristic(Write | WriteWithoutResponse, sylvacUuid(0x5012), Role::Command);
        addCharacteristic(Read | Notify, sylvacUuid(0x5013), Role::Unit);
        if (m_kind == Kind::Sylvac) {
            // The vendor's 16-bit numbers again, but on the SIG base: 2-byte identifiers.
            addService(uuid16(0x5000));
            addCharacteristic(Read | Notify, uuid16(0x5020), Role::Stream);
        }
        break;
    case Kind::Other:
        addService(uuid16(0x180D));
        addCharacteristic(Notify, uuid16(0x2A37), Role::Other);
        addCharacteristic(Read, uuid16(0x2A38), Role::Other, QByteArray(1, char(1)));
        break;
    }

    addService(uuid16(0x180F));
    addCharacteristic(Read | Notify, uuid16(0x2A19), Role::Other, QByteArray(1, char(BatteryPercent)));
}

const NrfSimInstrument::Attribute *NrfSimInstrument::attribute(quint16 handle) const
{
    return handle >= 1 && handle <= m_attributes.size() ? &m_attributes.at(handle - 1) : nullptr;
}

quint16 NrfSimInstrument::handleOf(Role role) const
{
    for (const Attribute &attribute : m_attributes) {
        if (attribute.role == role && role != Role::Other)
            return attribute.handle;
    }
    return 0;
}

void NrfSimInstrument::setValue(double mm)
{
    m_drifting = false;
    m_nominal = mm;
}

double NrfSimInstrument::reading()
{
    if (!m_drifting)
        return m_nominal - m_zero;
    // Two unrelated periods so the motion does not look like a metronome.
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - m_start).count();
    const double slow = std::sin(TwoPi * seconds / DriftPeriodSeconds + m_phase);
    const double faster = std::sin(TwoPi * seconds / (DriftPeriodSeconds * 0.37) + 2 * m_phase);
    const double noise = std::uniform_real_distribution<double>(-m_noise, m_noise)(m_random);
    return m_nominal + m_amplitude * (0.8 * slow + 0.2 * faster) + noise - m_zero;
}

QByteArray NrfSimInstrument::velkorPacket()
{
    const double value = reading();
    const QByteArray text = QByteArray::number(std::abs(value), 'f', 3);
    quint8 flags = 0;
    if (m_buttonPressed)
        flags |= 0x02;
    if (value < 0 && text != "0.000")
        flags |= 0x04;
    m_buttonPressed = false;

    QByteArray packet("\x1E\x2C", 2);
    packet += char(flags);
    packet += char(0);
    packet += char(0);
    packet += char(m_sequence++); // so that no two packets in a row look alike
    packet += char(0);            // checksum, below
    packet += char(text.size());
    packet += text;
    quint8 checksum = 0;
    for (int i = 0; i < packet.size(); ++i) {
        if (i != 6)
            checksum ^= quint8(packet.at(i));
    }
    packet[6] = char(checksum);
    return packet;
}

QByteArray NrfSimInstrument::sylvacLine()
{
    return QString::asprintf("%+08.3f\r", reading()).toLatin1();
}

QByteArray NrfSimInstrument::streamValue()
{
    // The two extremes mean "no value" on the wire; a real reading never gets there.
    const double scaled = std::round(reading() * 100000.0);
    const qint32 value = qint32(qBound(double(std::numeric_limits<qint32>::min() + 1), scaled,
                                       double(std::numeric_limits<qint32>::max() - 1)));
    QByteArray bytes(4, Qt::Uninitialized);
    qToLittleEndian(value, bytes.data());
    return bytes;
}

QList<NrfSimInstrument::Answer> NrfSimInstrument::command(const QByteArray &bytes)
{
    QList<Answer> answers;
    if (m_kind == Kind::Velkor) {
        if (bytes.isEmpty())
            return answers;
        switch (quint8(bytes.at(0))) {
        case 0x08:
            m_zero += reading();
            break;
        case 0x30: // calibration date: day, month, year little-endian
            answers.append({Role::Command, QByteArray::fromHex("0F03E807")});
            break;
        case 0x31:
            answers.append({Role::Command, QByteArray(1, char(qint8(m_rssi)))});
            break;
        default: // 0x28 memory download and the 0x00 acknowledge need no answer here
            break;
        }
        return answers;
    }
    if (!isSylvac())
        return answers;

    m_commandLine += bytes;
    qsizetype end;
    while ((end = m_commandLine.indexOf('\r')) >= 0) {
        const QByteArray line = m_commandLine.left(end).trimmed().toUpper();
        m_commandLine.remove(0, end + 1);
        if (line == "SET")
            m_zero += reading();
        else if (line.startsWith("UNI?"))
            answers.append({Role::Unit, QByteArrayLiteral("UNI0\r")});
    }
    if (m_commandLine.size() > CommandLineLimit)
        m_commandLine.clear();
    return answers;
}
