#pragma once

#include <QString>
#include <QtGlobal>

// A device on a simulated RS-485 line. The line (ModbusPeer) cuts the frames, checks the CRC and builds the
// answers with libmodbus; a slave only knows its registers. Gauges are slaves, and so can be any other
// Modbus device that shares a line with them. A slave is called on the line's own thread, one request at a
// time.
class ModbusSlave
{
public:
    virtual ~ModbusSlave() = default;

    virtual int address() const = 0;
    // Fills `count` words from register `start`, or returns the Modbus exception code to answer with.
    virtual int read(int start, int count, quint16 *words) = 0;
    // Takes a written register, or returns the exception code. `change` gets a line for a person watching
    // the simulator when something worth knowing changed (address, unit, zero).
    virtual int write(int reg, quint16 value, QString *change) = 0;
    // One line for the start-up summary: kind, unit, serial number.
    virtual QString description() const = 0;
};
