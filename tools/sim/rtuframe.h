#pragma once

#include <QByteArray>
#include <QString>
#include <QVector>

// Modbus RTU framing as the simulated slaves speak it. Kept apart from the program's own Modbus code on
// purpose: the simulator exists to check that code, so it must not share its mistakes.
namespace RtuFrame {

enum Function : quint8 {
    ReadHoldingRegisters = 0x03,
    WriteSingleRegister = 0x06,
};

enum Exception : quint8 {
    NoException = 0,
    IllegalFunction = 1,
    IllegalDataAddress = 2,
    IllegalDataValue = 3,
};

constexpr quint8 BroadcastAddress = 0;
constexpr int MaxReadCount = 125; // the most registers one read answer can carry

// CRC-16/MODBUS: initial 0xFFFF, reflected polynomial 0xA001, no final XOR.
quint16 crc16(const char *data, int size);
inline quint16 crc16(const QByteArray &bytes)
{
    return crc16(bytes.constData(), int(bytes.size()));
}

// Appends the CRC, low byte first.
QByteArray withCrc(QByteArray frame);
// True when the last two bytes are the CRC of the rest.
bool hasValidCrc(const QByteArray &frame);

// Length of the request frame at the start of `buffer`: the total length when the function code tells it,
// 0 when more bytes are needed to tell, -1 for a function whose layout is not known.
int requestLength(const QByteArray &buffer);

quint16 wordAt(const QByteArray &frame, int offset);

QByteArray readResponse(quint8 address, const QVector<quint16> &words);
QByteArray exceptionResponse(quint8 address, quint8 function, quint8 code);

// "01 03 20 00", for logs.
QString hex(const QByteArray &bytes);

} // namespace RtuFrame
