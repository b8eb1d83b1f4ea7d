#pragma once

#include <QByteArray>
#include <QString>
#include <QtGlobal>

class QBluetoothUuid;

// The BLED112 dongle's binary serial protocol: four header bytes (event flag and the top three length
// bits, length, class, id) and a payload of little-endian integers and length-prefixed byte arrays.
// Pure code: framing, the commands the link sends, and the responses and events it reads. Every parser
// refuses a payload shorter than it needs and leaves its output alone then.
namespace Bgapi {

enum Class : quint8 { System = 0, Connection = 3, AttClient = 4, Gap = 6 };

namespace Id {
enum : quint8 {
    // commands and their responses
    Hello = 1,             // system
    GetConnections = 6,    // system
    Disconnect = 0,        // connection
    FindInformation = 3,   // attclient
    ReadByHandle = 4,      // attclient
    AttributeWrite = 5,    // attclient
    WriteCommand = 6,      // attclient
    IndicateConfirm = 7,   // attclient
    Discover = 2,          // gap
    ConnectDirect = 3,     // gap
    EndProcedure = 4,      // gap
    SetScanParameters = 7, // gap
    // events
    ConnectionStatus = 0,   // connection
    Disconnected = 4,       // connection
    ProcedureCompleted = 1, // attclient
    InformationFound = 4,   // attclient
    AttributeValue = 5,     // attclient
    ScanResponse = 0,       // gap
};
} // namespace Id

// attribute_value types the link tells apart.
namespace ValueType {
enum : quint8 { Read = 0, Notification = 1, Indication = 2, IndicationToConfirm = 5 };
}

constexpr int kHeaderSize = 4;
constexpr int kMaxPayload = 0x7FF;

struct Packet
{
    bool event = false;
    quint8 cls = 0;
    quint8 id = 0;
    QByteArray payload;

    bool is(bool isEvent, quint8 packetClass, quint8 packetId) const
    {
        return event == isEvent && cls == packetClass && id == packetId;
    }
};

// Cuts a byte stream into packets. The stream is taken to start at a packet boundary; nothing in the
// protocol marks one. What is left holds at most one unfinished packet.
class Framer
{
public:
    void append(const QByteArray &bytes);
    // The next complete packet, false when none is complete yet.
    bool next(Packet &packet);
    void clear();
    int pending() const { return int(m_buffer.size() - m_offset); }

private:
    QByteArray m_buffer;
    qsizetype m_offset = 0;
};

// A command packet (payloads above kMaxPayload are cut, as no command needs one).
QByteArray command(quint8 cls, quint8 id, const QByteArray &payload = {});

QByteArray hello();
QByteArray getConnections();
QByteArray disconnect(quint8 connection);
QByteArray findInformation(quint8 connection, quint16 first = 0x0001, quint16 last = 0xFFFF);
QByteArray readByHandle(quint8 connection, quint16 handle);
QByteArray attributeWrite(quint8 connection, quint16 handle, const QByteArray &data);
QByteArray writeCommand(quint8 connection, quint16 handle, const QByteArray &data);
QByteArray indicateConfirm(quint8 connection);
// Intervals 15-60 ms, supervision time-out 5 s, no latency.
QByteArray connectDirect(const QByteArray &address, quint8 addressType);
QByteArray endProcedure();
// Interval 46.875 ms, window 31.25 ms, active.
QByteArray setScanParameters();
// Observation mode.
QByteArray discover();

struct ConnectionStatus
{
    quint8 connection = 0;
    quint8 flags = 0;
    QByteArray address; // six bytes, least significant first
    quint8 addressType = 0;
    bool isUp() const { return (flags & 0x01) && (flags & 0x04); } // connected and completed
};
struct Disconnected
{
    quint8 connection = 0;
    quint16 reason = 0;
};
struct ProcedureCompleted
{
    quint8 connection = 0;
    quint16 result = 0;
    quint16 handle = 0;
};
struct InformationFound
{
    quint8 connection = 0;
    quint16 handle = 0;
    QByteArray uuid;
};
struct AttributeValue
{
    quint8 connection = 0;
    quint16 handle = 0;
    quint8 type = 0;
    QByteArray value;
};
struct ScanResponse
{
    qint8 rssi = 0;
    quint8 packetType = 0;
    QByteArray address; // six bytes, least significant first
    quint8 addressType = 0;
    QByteArray data; // advertising data
};

bool parse(const QByteArray &payload, ConnectionStatus &out);
bool parse(const QByteArray &payload, Disconnected &out);
bool parse(const QByteArray &payload, ProcedureCompleted &out);
bool parse(const QByteArray &payload, InformationFound &out);
bool parse(const QByteArray &payload, AttributeValue &out);
bool parse(const QByteArray &payload, ScanResponse &out);
// The result word every response starts with (connect direct: followed by the connection handle).
bool parseResult(const QByteArray &payload, quint16 &result);

// "AA:BB:CC:DD:EE:FF", most significant byte first, from six bytes least significant first.
QString addressText(const QByteArray &address);
// The reverse; the type is random (1) when the top two bits of the first field are set. False for
// anything but six colon-separated fields of at most 0xFF.
bool parseAddress(const QString &text, QByteArray &address, quint8 &addressType);

// The name in the first complete (0x09) or shortened (0x08) name structure, as Latin-1; empty when none.
QString advertisedName(const QByteArray &data);

// A UUID as the attribute table reports it: two bytes little-endian for a 16-bit one, sixteen in reversed
// byte order for a 128-bit one.
bool uuidMatches(const QByteArray &reported, const QBluetoothUuid &uuid);
bool isCccd(const QByteArray &reported);

} // namespace Bgapi
