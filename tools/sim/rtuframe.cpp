#include "rtuframe.h"

namespace RtuFrame {

quint16 crc16(const char *data, int size)
{
    quint16 crc = 0xFFFF;
    for (int i = 0; i < size; ++i) {
        crc ^= quint8(data[i]);
        for (int bit = 0; bit < 8; ++bit)
            crc = (crc & 1) ? quint16((crc >> 1) ^ 0xA001) : quint16(crc >> 1);
    }
    return crc;
}

QByteArray withCrc(QByteArray frame)
{
    const quint16 crc = crc16(frame);
    frame.append(char(crc & 0xFF));
    frame.append(char(crc >> 8));
    return frame;
}

bool hasValidCrc(const QByteArray &frame)
{
    if (frame.size() < 4)
        return false;
    const int body = int(frame.size()) - 2;
    const quint16 crc = crc16(frame.constData(), body);
    return quint8(frame[body]) == (crc & 0xFF) && quint8(frame[body + 1]) == (crc >> 8);
}

int requestLength(const QByteArray &buffer)
{
    if (buffer.size() < 2)
        return 0;
    // Lengths of the standard public function codes, so that an unsupported but well-formed request is
    // still cut out whole and can be answered with an exception.
    switch (quint8(buffer[1])) {
    case 0x01:
    case 0x02:
    case 0x03:
    case 0x04:
    case 0x05:
    case 0x06:
    case 0x08:
        return 8;
    case 0x07:
    case 0x0B:
    case 0x0C:
    case 0x11:
        return 4;
    case 0x0F:
    case 0x10: // address, function, start, count, byte count, data, CRC
        return buffer.size() < 7 ? 0 : 9 + quint8(buffer[6]);
    case 0x14:
    case 0x15: // address, function, byte count, data, CRC
        return buffer.size() < 3 ? 0 : 5 + quint8(buffer[2]);
    case 0x16:
        return 10;
    case 0x17: // address, function, read start, count, write start, count, byte count, data, CRC
        return buffer.size() < 11 ? 0 : 13 + quint8(buffer[10]);
    case 0x18:
        return 6;
    default:
        return -1;
    }
}

quint16 wordAt(const QByteArray &frame, int offset)
{
    return quint16(quint8(frame[offset]) << 8 | quint8(frame[offset + 1]));
}

QByteArray readResponse(quint8 address, const QVector<quint16> &words)
{
    QByteArray frame;
    frame.reserve(5 + 2 * words.size());
    frame.append(char(address));
    frame.append(char(ReadHoldingRegisters));
    frame.append(char(2 * words.size()));
    for (quint16 w : words) {
        frame.append(char(w >> 8));
        frame.append(char(w & 0xFF));
    }
    return withCrc(frame);
}

QByteArray exceptionResponse(quint8 address, quint8 function, quint8 code)
{
    QByteArray frame;
    frame.append(char(address));
    frame.append(char(function | 0x80));
    frame.append(char(code));
    return withCrc(frame);
}

QString hex(const QByteArray &bytes)
{
    return QString::fromLatin1(bytes.toHex(' ')).toUpper();
}

} // namespace RtuFrame
