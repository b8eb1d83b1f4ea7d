#pragma once

#include <QByteArray>
#include <QDate>
#include <QMetaType>
#include <QString>
#include <QStringList>
#include <QtBluetooth/QBluetoothUuid>

#include "links/ble/blereading.h"

#include <array>

// Protocol families of Bluetooth instruments (the device record's `bleProtocol`).
namespace BleProtocol {
enum : int {
    Velkor = 0,
    Sylvac = 1,
};
} // namespace BleProtocol

// Standard 16-bit identifiers every link uses besides the instrument's own ones.
namespace BleStandardId {
enum : quint16 {
    BatteryService = 0x180F,
    BatteryLevel = 0x2A19, // one byte, percent
    ClientCharacteristicConfiguration = 0x2902,
};
} // namespace BleStandardId


// The fixed GATT identifiers of one protocol family.
struct BleProtocolProfile
{
    int protocol = BleProtocol::Velkor;
    QBluetoothUuid serviceUuid;
    QBluetoothUuid dataCharUuid;
    QBluetoothUuid commandCharUuid;
    QBluetoothUuid unitCharUuid;      // Sylvac only
    QBluetoothUuid streamServiceUuid; // Sylvac only; SIG base, not the vendor base
    QBluetoothUuid streamCharUuid;    // Sylvac only; SIG base, not the vendor base
    // The 16-bit parts of the six identifiers above, in the same order (0 where there is none).
    std::array<quint16, 6> shortIds{};
    // The vendor base UUID, least significant byte first, as the dongles want it.
    std::array<quint8, 16> baseUuid128{};
    bool useIndications = false; // subscribe to the data characteristic with indications
};

// The profile of a protocol kind; the VELKOR one for any unknown kind. Built once, never changed.
const BleProtocolProfile &bleProfile(int protocol);

// "Sylvac" for the Sylvac family, "VELKOR" for every other value.
QString bleProtocolDisplayName(int protocol);
QString bleProtocolName(int protocol);

// Recognition by the advertised name alone.
bool isVelkorName(const QString &name);
bool isSylvacName(const QString &name);
bool isSupportedBleName(const QString &name);
int bleProtocolFromName(const QString &name);

// VELKOR packets: 1E 2C, flags, two carried bytes, one covered byte, XOR checksum, text length N, N bytes
// of Latin-1 text. The parser fills a fresh reading on success (sentByButton stays false) and leaves it
// untouched on failure.
bool isVelkorPacket(const QByteArray &bytes);
bool parseVelkorPacket(const QByteArray &bytes, BleReading &reading);

// Turns the reported button state into a one-shot send: only the rising edge counts, so a held button
// records once. lastButtonFlag is the link's per-device memory, false after every subscription.
void applyButtonEdge(BleReading &reading, bool &lastButtonFlag);

// Sylvac continuous readings: signed 32-bit little-endian in 1/100000 of the unit. The link sets isInch.
bool parseStreamValue(const QByteArray &bytes, BleReading &reading);

// Longest partial line a device may leave in its buffer; beyond that the buffer is dropped.
constexpr int SylvacLineBufferLimit = 64;

// Appends the chunk to the caller's per-device buffer and takes out every line ended by a carriage
// return, trimmed, empty ones skipped. What follows the last carriage return stays in the buffer.
QStringList splitSylvacLines(QByteArray &buffer, const QByteArray &chunk);

// The line trimmed, with trailing tolerance marks (<, =, >) and white space removed.
QString stripSylvacLine(const QString &line);

// A Sylvac data line: every one counts as a button send. The link sets isInch.
bool parseSylvacValueLine(const QString &line, BleReading &reading);

// A Sylvac answer to the unit query; isInch is only written when the line is a unit line.
bool parseSylvacUnitLine(const QString &line, bool &isInch);

// VELKOR query answers: day, month, year little-endian; and the signal level in dBm.
QDate parseCalibDate(const QByteArray &answer);
qint8 firstSignedByte(const QByteArray &answer);

// Commands written to the command characteristic. An empty array means the family has no such command.
QByteArray zeroCommand(int protocol);
QByteArray memoryDownloadCommand(int protocol);
QByteArray unitQueryCommand(int protocol);
QByteArray calibDateQueryCommand();
QByteArray signalQueryCommand();
QByteArray acknowledgeCommand();
// VELKOR commands are written with response, Sylvac ones without.
bool commandWriteWithResponse(int protocol);
