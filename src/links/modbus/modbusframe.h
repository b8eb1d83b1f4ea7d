#pragma once

#include <QByteArray>
#include <QList>
#include <QtGlobal>

// Modbus RTU frames as the instruments speak them: read holding registers (3) and write single
// register (6). Multi-byte fields are big-endian, the CRC-16/MODBUS is sent low byte first.
namespace ModbusFunction {
enum : quint8 {
    ReadHoldingRegisters = 0x03,
    WriteSingleRegister = 0x06,
    ExceptionFlag = 0x80,
};
} // namespace ModbusFunction

// Registers of the instruments.
namespace ModbusRegister {
enum : quint16 {
    SlaveAddress = 0x0000,
    SpeedCode = 0x0001,
    Identification = 0x2000, // ten registers read at first contact
    Unit = 0x2002,
    SensorKind = 0x2007,
    Zero = 0x200A,
    ValueInt = 0x200D,   // signed 32 bit in 1/10000, high word first
    ValueFloat = 0x200F, // IEEE-754 single, high word first
    CalibrationDayMonth = 0x201B,
    CalibrationYear = 0x201C,
    SerialNumber = 0x201D,
};
} // namespace ModbusRegister

// One request: whom, what, and the ready frame.
struct ComCommand
{
    quint8 deviceAddress = 0;
    quint8 function = 0;
    quint16 startReg = 0;
    quint16 countOrValue = 0; // register count for reads, the value for writes
    QByteArray frame;
};

quint16 modbusCrc16(const QByteArray &bytes);
quint16 modbusCrc16(const char *data, qsizetype size);

// Whether the last two bytes are the CRC of everything before them.
bool hasValidCrc(const QByteArray &frame);

ComCommand buildReadCommand(quint8 deviceAddress, quint16 startReg, quint16 numRegs);
ComCommand buildWriteCommand(quint8 deviceAddress, quint16 startReg, quint16 value);

// Length of a complete normal answer to the command: 5 + 2 x count for a read, 8 for a write echo,
// 0 for anything else.
int expectedResponseLength(const ComCommand &command);

// Whether the buffer starts with a CRC-correct exception answer to the command's function.
bool isExceptionResponse(const QByteArray &buffer, const ComCommand &command);

// The baud rates the instruments support, in speed-code order (code = index).
const QList<int> &modbusBaudRates();
// Speed code of a baud rate; any rate the instruments do not know is sent as code 3 (9600).
quint16 speedCodeForBaud(int baudRate);

// Register words of a read answer (after the byte count), or empty when the byte count disagrees.
QList<quint16> responseWords(const QByteArray &frame);

// The value registers as the instruments encode them.
double decodeValueInt(quint16 high, quint16 low);
float decodeValueFloat(quint16 high, quint16 low);

// "01 03 20 00" for logs.
QByteArray toHexLine(const QByteArray &bytes);
