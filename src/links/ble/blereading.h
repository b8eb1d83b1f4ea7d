#pragma once

#include <QMetaType>

// One reading as every Bluetooth link hands it to the workspace. Fields a parser does not set stay
// zero/false; only value, isInch and sentByButton matter to the workspace.
struct BleReading
{
    double value = 0.0; // inches when isInch, otherwise millimetres
    bool isInch = false;
    bool sentByButton = false; // the instrument's data button produced it: record it
    bool flagBit3 = false;
    bool buttonFlag = false; // the button state as the instrument reports it
    quint8 packetByte3 = 0;
    quint8 packetByte4 = 0;
};
Q_DECLARE_METATYPE(BleReading)

// Registers BleReading under its name for queued connections. Safe to call any number of times, from any
// thread.
void registerBleReadingMetaType();
