#pragma once

#include "rtuframe.h"

#include <QObject>
#include <QString>
#include <QVector>

// A device that answers on a simulated RS-485 bus. The bus does the framing and the addressing; a slave
// only knows its registers. Gauges, and later the laser distance sensors, are slaves.
class ModbusSlave : public QObject
{
    Q_OBJECT

public:
    using QObject::QObject;

    virtual quint8 address() const = 0;
    // Appends `count` registers from `start` to `words`, or returns the exception code to answer with.
    virtual RtuFrame::Exception readHoldingRegisters(quint16 start, quint16 count,
                                                     QVector<quint16> *words) = 0;
    virtual RtuFrame::Exception writeSingleRegister(quint16 reg, quint16 value) = 0;
    // One line for the start-up summary: kind, unit, serial number.
    virtual QString description() const = 0;

signals:
    // Something a person watching the simulator wants to know: a new address, unit, zero.
    void changed(const QString &what);
};
