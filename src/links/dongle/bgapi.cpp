#include "bgapi.h"

#include <QBluetoothUuid>
#include <QStringList>

#include <algorithm>

namespace Bgapi {

namespace {

void putU16(QByteArray &bytes, quint16 value)
{
    bytes.append(char(value & 0xFF));
    bytes.append(char(value >> 8));
}

quint16 u16(const QByteArray &bytes, int at)
{
    return quint16(quint8(bytes.at(at)) | quint8(bytes.at(at + 1)) << 8);
}

QByteArray array(const QByteArray &data)
{
    const QByteArray cut = data.left(255);
    return char(cut.size()) + cut;
}

// A length-prefixed byte array at `at`; false when the payload ends before it does.
bool takeArray(const QByteArray &payload, int at, QByteArray &out)
{
    if (payload.size() < at + 1)
        return false;
    const int length = quint8(payload.at(at));
    if (payload.size() < at + 1 + length)
        return false;
    out = payload.mid(at + 1, length);
    return true;
}

} // namespace

void Framer::append(const QByteArray &bytes)
{
    m_buffer.append(bytes);
}

bool Framer::next(Packet &packet)
{
    if (pending() < kHeaderSize)
        return false;
    const char *head = m_buffer.constData() + m_offset;
    const int length = (quint8(head[0]) & 0x07) << 8 | quint8(head[1]);
    if (pending() < kHeaderSize + length)
        return false;
    packet.event = quint8(head[0]) & 0x80;
    packet.cls = quint8(head[2]);
    packet.id = quint8(head[3]);
    packet.payload = m_buffer.mid(m_offset + kHeaderSize, length);
    m_offset += kHeaderSize + length;
    // Consumed bytes go once they are the larger part, so a long chunk is not shifted packet by packet.
    if (m_offset > m_buffer.size() / 2) {
        m_buffer.remove(0, m_offset);
        m_offset = 0;
    }
    return true;
}

void Framer::clear()
{
    m_buffer.clear();
    m_offset = 0;
}

QByteArray command(quint8 cls, quint8 id, const QByteArray &payload)
{
    const QByteArray body = payload.left(kMaxPayload);
    QByteArray packet;
    packet.append(char((body.size() >> 8) & 0x07));
    packet.append(char(body.size() & 0xFF));
    packet.append(char(cls));
    packet.append(char(id));
    return packet + body;
}

QByteArray hello()
{
    return command(System, Id::Hello);
}

QByteArray getConnections()
{
    return command(System, Id::GetConnections);
}

QByteArray disconnect(quint8 connection)
{
    return command(Connection, Id::Disconnect, QByteArray(1, char(connection)));
}

QByteArray findInformation(quint8 connection, quint16 first, quint16 last)
{
    QByteArray payload(1, char(connection));
    putU16(payload, first);
    putU16(payload, last);
    return command(AttClient, Id::FindInformation, payload);
}

QByteArray readByHandle(quint8 connection, quint16 handle)
{
    QByteArray payload(1, char(connection));
    putU16(payload, handle);
    return command(AttClient, Id::ReadByHandle, payload);
}

QByteArray attributeWrite(quint8 connection, quint16 handle, const QByteArray &data)
{
    QByteArray payload(1, char(connection));
    putU16(payload, handle);
    return command(AttClient, Id::AttributeWrite, payload + array(data));
}

QByteArray writeCommand(quint8 connection, quint16 handle, const QByteArray &data)
{
    QByteArray payload(1, char(connection));
    putU16(payload, handle);
    return command(AttClient, Id::WriteCommand, payload + array(data));
}

QByteArray indicateConfirm(quint8 connection)
{
    return command(AttClient, Id::IndicateConfirm, QByteArray(1, char(connection)));
}

QByteArray connectDirect(const QByteArray &address, quint8 addressType)
{
    QByteArray payload = address.left(6).leftJustified(6, '\0');
    payload.append(char(addressType));
    putU16(payload, 12);  // 15 ms in 1.25 ms units
    putU16(payload, 48);  // 60 ms
    putU16(payload, 500); // 5 s in 10 ms units
    putU16(payload, 0);
    return command(Gap, Id::ConnectDirect, payload);
}

QByteArray endProcedure()
{
    return command(Gap, Id::EndProcedure);
}

QByteArray setScanParameters()
{
    QByteArray payload;
    putU16(payload, 75); // 46.875 ms in 0.625 ms units
    putU16(payload, 50); // 31.25 ms
    payload.append(char(1));
    return command(Gap, Id::SetScanParameters, payload);
}

QByteArray discover()
{
    return command(Gap, Id::Discover, QByteArray(1, char(2)));
}

bool parse(const QByteArray &payload, ConnectionStatus &out)
{
    if (payload.size() < 16)
        return false;
    out.connection = quint8(payload.at(0));
    out.flags = quint8(payload.at(1));
    out.address = payload.mid(2, 6);
    out.addressType = quint8(payload.at(8));
    return true;
}

bool parse(const QByteArray &payload, Disconnected &out)
{
    if (payload.size() < 3)
        return false;
    out.connection = quint8(payload.at(0));
    out.reason = u16(payload, 1);
    return true;
}

bool parse(const QByteArray &payload, ProcedureCompleted &out)
{
    if (payload.size() < 5)
        return false;
    out.connection = quint8(payload.at(0));
    out.result = u16(payload, 1);
    out.handle = u16(payload, 3);
    return true;
}

bool parse(const QByteArray &payload, InformationFound &out)
{
    QByteArray uuid;
    if (payload.size() < 3 || !takeArray(payload, 3, uuid))
        return false;
    out.connection = quint8(payload.at(0));
    out.handle = u16(payload, 1);
    out.uuid = uuid;
    return true;
}

bool parse(const QByteArray &payload, AttributeValue &out)
{
    QByteArray value;
    if (payload.size() < 4 || !takeArray(payload, 4, value))
        return false;
    out.connection = quint8(payload.at(0));
    out.handle = u16(payload, 1);
    out.type = quint8(payload.at(3));
    out.value = value;
    return true;
}

bool parse(const QByteArray &payload, ScanResponse &out)
{
    QByteArray data;
    if (payload.size() < 11 || !takeArray(payload, 10, data))
        return false;
    out.rssi = qint8(payload.at(0));
    out.packetType = quint8(payload.at(1));
    out.address = payload.mid(2, 6);
    out.addressType = quint8(payload.at(8));
    out.data = data;
    return true;
}

bool parseResult(const QByteArray &payload, quint16 &result)
{
    if (payload.size() < 2)
        return false;
    result = u16(payload, 0);
    return true;
}

QString addressText(const QByteArray &address)
{
    QStringList fields;
    for (int i = int(address.size()) - 1; i >= 0; --i)
        fields.append(QStringLiteral("%1").arg(quint8(address.at(i)), 2, 16, QLatin1Char('0')).toUpper());
    return fields.join(QLatin1Char(':'));
}

bool parseAddress(const QString &text, QByteArray &address, quint8 &addressType)
{
    const QStringList fields = text.split(QLatin1Char(':'));
    if (fields.size() != 6)
        return false;
    QByteArray bytes(6, '\0');
    for (int i = 0; i < 6; ++i) {
        bool ok = false;
        const uint value = fields.at(i).toUInt(&ok, 16);
        if (!ok || value > 0xFF || fields.at(i).isEmpty())
            return false;
        bytes[5 - i] = char(value);
    }
    address = bytes;
    addressType = (quint8(bytes.at(5)) & 0xC0) == 0xC0 ? 1 : 0;
    return true;
}

QString advertisedName(const QByteArray &data)
{
    int at = 0;
    while (at < data.size()) {
        const int length = quint8(data.at(at));
        if (length == 0 || at + 1 + length > data.size())
            break;
        const quint8 type = quint8(data.at(at + 1));
        if (type == 0x09 || type == 0x08)
            return QString::fromLatin1(data.mid(at + 2, length - 1));
        at += 1 + length;
    }
    return QString();
}

bool uuidMatches(const QByteArray &reported, const QBluetoothUuid &uuid)
{
    if (uuid.isNull())
        return false;
    if (reported.size() == 2) {
        bool ok = false;
        const quint16 shortId = uuid.toUInt16(&ok);
        return ok && u16(reported, 0) == shortId;
    }
    if (reported.size() != 16)
        return false;
    QByteArray reversed = reported;
    std::reverse(reversed.begin(), reversed.end());
    return reversed == uuid.toRfc4122();
}

bool isCccd(const QByteArray &reported)
{
    return reported.size() == 2 && u16(reported, 0) == 0x2902;
}

} // namespace Bgapi
