#include "modbusframe.h"

#include <cstring>

quint16 modbusCrc16(const char *data, qsizetype size)
{
    quint16 crc = 0xFFFF;
    for (qsizetype i = 0; i < size; ++i) {
        crc ^= quint8(data[i]);
        for (int bit = 0; bit < 8; ++bit)
            crc = (crc & 1) ? quint16((crc >> 1) ^ 0xA001) : quint16(crc >> 1);
    }
    return crc;
}

quint16 modbusCrc16(const QByteArray &bytes)
{
    return modbusCrc16(bytes.constData(), bytes.size());
}

bool hasValidCrc(const QByteArray &frame)
{
    if (frame.size() < 3)
        return false;
    const quint16 crc = modbusCrc16(frame.constData(), frame.size() - 2);
    return quint8(frame.at(frame.size() - 2)) == (crc & 0xFF) && quint8(frame.at(frame.size() - 1)) == (crc >> 8);
}

namespace {

ComCommand buildCommand(quint8 deviceAddress, quint8 function, quint16 startReg, quint16 word)
{
    ComCommand command;
    command.deviceAddress = deviceAddress;
    command.function = function;
    command.startReg = startReg;
    command.countOrValue = word;
    QByteArray &frame = command.frame;
    frame.reserve(8);
    frame.append(char(deviceAddress));
    frame.append(char(function));
    frame.append(char(startReg >> 8));
    frame.append(char(startReg & 0xFF));
    frame.append(char(word >> 8));
    frame.append(char(word & 0xFF));
    const quint16 crc = modbusCrc16(frame);
    frame.append(char(crc & 0xFF));
    frame.append(char(crc >> 8));
    return command;
}

} // namespace

ComCommand buildReadCommand(quint8 deviceAddress, quint16 startReg, quint16 numRegs)
{
    return buildCommand(deviceAddress, ModbusFunction::ReadHoldingRegisters, startReg, numRegs);
}

ComCommand buildWriteCommand(quint8 deviceAddress, quint16 startReg, quint16 value)
{
    return buildCommand(deviceAddress, ModbusFunction::WriteSingleRegister, startReg, value);
}

int expectedResponseLength(const ComCommand &command)
{
    switch (command.function) {
    case ModbusFunction::ReadHoldingRegisters:
        return 5 + 2 * command.countOrValue;
    case ModbusFunction::WriteSingleRegister:
        return 8;
    default:
        return 0;
    }
}

bool isExceptionResponse(const QByteArray &buffer, const ComCommand &command)
{
    if (buffer.size() < 5 || quint8(buffer.at(1)) != (command.function | ModbusFunction::ExceptionFlag))
        return false;
    return hasValidCrc(buffer.left(5));
}

const QList<int> &modbusBaudRates()
{
    static const QList<int> rates = {1200,  2400,   4800,   9600,   19200,  38400,  56000,
                                     57600, 76800, 115200, 128000, 187500, 230400, 256000};
    return rates;
}

quint16 speedCodeForBaud(int baudRate)
{
    const qsizetype code = modbusBaudRates().indexOf(baudRate);
    return code < 0 ? 3 : quint16(code);
}

QList<quint16> responseWords(const QByteArray &frame)
{
    QList<quint16> words;
    if (frame.size() < 5)
        return words;
    const int byteCount = quint8(frame.at(2));
    if (byteCount % 2 != 0 || frame.size() != 5 + byteCount)
        return words;
    for (int i = 0; i < byteCount / 2; ++i)
        words.append(quint16(quint8(frame.at(3 + 2 * i)) << 8 | quint8(frame.at(4 + 2 * i))));
    return words;
}

double decodeValueInt(quint16 high, quint16 low)
{
    const auto raw = qint32(quint32(high) << 16 | low);
    return raw / 10000.0;
}

float decodeValueFloat(quint16 high, quint16 low)
{
    const quint32 bits = quint32(high) << 16 | low;
    float value = 0.0f;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

QByteArray toHexLine(const QByteArray &bytes)
{
    return bytes.toHex(' ').toUpper();
}
