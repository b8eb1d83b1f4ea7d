#include "bleprotocol.h"

#include <QtEndian>

#include <cmath>
#include <limits>

namespace {

// Locale-independent decimal conversion with a dot; no group separators, no nan or infinity.
bool toFiniteNumber(const QString &text, double &out)
{
    bool ok = false;
    const double number = text.toDouble(&ok);
    if (!ok || !std::isfinite(number))
        return false;
    out = number;
    return true;
}

QBluetoothUuid sylvacVendorUuid(quint16 id)
{
    return QBluetoothUuid(
        QStringLiteral("C1B2%1-CAAF-6D0E-4C33-7DAE30052840").arg(id, 4, 16, QLatin1Char('0')).toUpper());
}

std::array<quint8, 16> leastSignificantFirst(const QUuid &uuid)
{
    const QByteArray bigEndian = uuid.toRfc4122();
    std::array<quint8, 16> bytes{};
    for (int i = 0; i < 16; ++i)
        bytes[i] = quint8(bigEndian[15 - i]);
    return bytes;
}

BleProtocolProfile makeVelkorProfile()
{
    BleProtocolProfile p;
    p.protocol = BleProtocol::Velkor;
    p.serviceUuid = QBluetoothUuid(QStringLiteral("f000aa10-0451-4000-b000-000000000000"));
    p.dataCharUuid = QBluetoothUuid(QStringLiteral("f000aa11-0451-4000-b000-000000000000"));
    p.commandCharUuid = QBluetoothUuid(QStringLiteral("f000aa12-0451-4000-b000-000000000000"));
    p.shortIds = {0xAA10, 0xAA11, 0xAA12, 0, 0, 0};
    // The base as the instrument's firmware declares it keeps the service id in it.
    p.baseUuid128 = leastSignificantFirst(p.serviceUuid);
    p.useIndications = false;
    return p;
}

BleProtocolProfile makeSylvacProfile()
{
    BleProtocolProfile p;
    p.protocol = BleProtocol::Sylvac;
    p.serviceUuid = sylvacVendorUuid(0x5000);
    p.dataCharUuid = sylvacVendorUuid(0x5010);
    p.commandCharUuid = sylvacVendorUuid(0x5012);
    p.unitCharUuid = sylvacVendorUuid(0x5013);
    p.streamServiceUuid = QBluetoothUuid(quint16(0x5000));
    p.streamCharUuid = QBluetoothUuid(quint16(0x5020));
    p.shortIds = {0x5000, 0x5010, 0x5012, 0x5013, 0x5000, 0x5020};
    p.baseUuid128 = leastSignificantFirst(sylvacVendorUuid(0x0000));
    p.useIndications = true;
    return p;
}

} // namespace

void registerBleReadingMetaType()
{
    // qRegisterMetaType is itself idempotent; the static only saves the repeated lookups.
    static const int id = qRegisterMetaType<BleReading>("BleReading");
    Q_UNUSED(id);
}

const BleProtocolProfile &bleProfile(int protocol)
{
    static const BleProtocolProfile velkor = makeVelkorProfile();
    static const BleProtocolProfile sylvac = makeSylvacProfile();
    return protocol == BleProtocol::Sylvac ? sylvac : velkor;
}

QString bleProtocolDisplayName(int protocol)
{
    return protocol == BleProtocol::Sylvac ? QStringLiteral("Sylvac") : QStringLiteral("VELKOR");
}

QString bleProtocolName(int protocol)
{
    return bleProtocolDisplayName(protocol);
}

bool isVelkorName(const QString &name)
{
    return name.startsWith(QLatin1String("VELKOR"), Qt::CaseInsensitive);
}

bool isSylvacName(const QString &name)
{
    static const char *const prefixes[] = {"SY", "Sylvac", "S_Dial", "S_Cal", "S_Mike"};
    for (const char *prefix : prefixes) {
        if (name.startsWith(QLatin1String(prefix), Qt::CaseInsensitive))
            return true;
    }
    return false;
}

bool isSupportedBleName(const QString &name)
{
    return isVelkorName(name) || isSylvacName(name);
}

int bleProtocolFromName(const QString &name)
{
    return isSylvacName(name) ? BleProtocol::Sylvac : BleProtocol::Velkor;
}

bool isVelkorPacket(const QByteArray &bytes)
{
    return bytes.size() >= 2 && quint8(bytes[0]) == 0x1E && quint8(bytes[1]) == 0x2C;
}

bool parseVelkorPacket(const QByteArray &bytes, BleReading &reading)
{
    constexpr int headerSize = 8;
    if (bytes.size() < headerSize)
        return false;
    const int textLength = quint8(bytes[7]);
    if (bytes.size() < headerSize + textLength)
        return false; // a longer packet is fine, its tail is ignored

    quint8 sum = 0;
    for (int i = 0; i < headerSize + textLength; ++i) {
        if (i != 6)
            sum ^= quint8(bytes[i]);
    }
    if (sum != quint8(bytes[6]))
        return false;

    double number = 0.0;
    if (!toFiniteNumber(QString::fromLatin1(bytes.constData() + headerSize, textLength).trimmed(), number))
        return false;

    const quint8 flags = quint8(bytes[2]);
    if (flags & 0x04)
        number = -std::abs(number);
    if (number == 0.0)
        number = 0.0; // a negative flag on a zero reading must not show as "-0"

    BleReading parsed;
    parsed.value = number;
    parsed.isInch = flags & 0x01;
    parsed.buttonFlag = flags & 0x02;
    parsed.flagBit3 = flags & 0x08;
    parsed.packetByte3 = quint8(bytes[3]);
    parsed.packetByte4 = quint8(bytes[4]);
    reading = parsed;
    return true;
}

void applyButtonEdge(BleReading &reading, bool &lastButtonFlag)
{
    reading.sentByButton = reading.buttonFlag && !lastButtonFlag;
    lastButtonFlag = reading.buttonFlag;
}

bool parseStreamValue(const QByteArray &bytes, BleReading &reading)
{
    if (bytes.size() < 4)
        return false;
    const qint32 raw = qFromLittleEndian<qint32>(bytes.constData());
    // The two extremes are the instrument's "no value".
    if (raw == std::numeric_limits<qint32>::max() || raw == std::numeric_limits<qint32>::min())
        return false;
    BleReading parsed;
    parsed.value = raw / 100000.0;
    reading = parsed;
    return true;
}

QStringList splitSylvacLines(QByteArray &buffer, const QByteArray &chunk)
{
    buffer.append(chunk);
    QStringList lines;
    qsizetype start = 0;
    for (qsizetype end = buffer.indexOf('\r'); end >= 0; end = buffer.indexOf('\r', start)) {
        // Line feeds and other white space go in the trim; a bare line end yields nothing.
        const QString line = QString::fromLatin1(buffer.constData() + start, end - start).trimmed();
        if (!line.isEmpty())
            lines.append(line);
        start = end + 1;
    }
    buffer.remove(0, start);
    // A device that never ends a line must not grow the buffer.
    if (buffer.size() > SylvacLineBufferLimit)
        buffer.clear();
    return lines;
}

QString stripSylvacLine(const QString &line)
{
    QString text = line.trimmed();
    qsizetype end = text.size();
    while (end > 0) {
        const QChar c = text.at(end - 1);
        if (c != QLatin1Char('<') && c != QLatin1Char('=') && c != QLatin1Char('>') && !c.isSpace())
            break;
        --end;
    }
    text.truncate(end);
    return text;
}

bool parseSylvacValueLine(const QString &line, BleReading &reading)
{
    double number = 0.0;
    if (!toFiniteNumber(stripSylvacLine(line), number))
        return false;
    BleReading parsed;
    parsed.value = number;
    parsed.sentByButton = true;
    reading = parsed;
    return true;
}

bool parseSylvacUnitLine(const QString &line, bool &isInch)
{
    QString text = line.trimmed().toUpper();
    if (text.startsWith(QLatin1String("UNI")))
        text = text.mid(3).trimmed();
    if (text.isEmpty())
        return false;
    if (text == QLatin1String("1") || text.startsWith(QLatin1String("IN"))) {
        isInch = true;
        return true;
    }
    if (text == QLatin1String("0") || text.startsWith(QLatin1String("MM"))) {
        isInch = false;
        return true;
    }
    return false;
}

QDate parseCalibDate(const QByteArray &answer)
{
    if (answer.size() < 4)
        return QDate();
    const int day = quint8(answer[0]);
    const int month = quint8(answer[1]);
    const int year = quint8(answer[2]) + 256 * quint8(answer[3]);
    return QDate(year, month, day); // invalid unless the three form a real date
}

qint8 firstSignedByte(const QByteArray &answer)
{
    return answer.isEmpty() ? qint8(0) : qint8(answer[0]);
}

QByteArray zeroCommand(int protocol)
{
    return protocol == BleProtocol::Sylvac ? QByteArrayLiteral("SET\r") : QByteArray(1, char(0x08));
}

QByteArray memoryDownloadCommand(int protocol)
{
    return protocol == BleProtocol::Sylvac ? QByteArray() : QByteArray(1, char(0x28));
}

QByteArray unitQueryCommand(int protocol)
{
    return protocol == BleProtocol::Sylvac ? QByteArrayLiteral("UNI?\r") : QByteArray();
}

QByteArray calibDateQueryCommand()
{
    return QByteArray(1, '0');
}

QByteArray signalQueryCommand()
{
    return QByteArray(1, '1');
}

QByteArray acknowledgeCommand()
{
    return QByteArray(1, char(0x00));
}

bool commandWriteWithResponse(int protocol)
{
    return protocol != BleProtocol::Sylvac;
}
