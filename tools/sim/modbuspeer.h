#pragma once

#include <QByteArray>
#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QtGlobal>

#include <memory>

class ModbusSlave;

// An RS-485 line with Modbus RTU slaves on it, for the simulated bench and for the tests of the program's
// own Modbus code. libmodbus, an implementation independent of ours, checks the requests and builds the
// answers on the master side of a pseudo-terminal; the program opens slavePath() (or link()) with
// QSerialPort. Baud rate and parity are accepted and ignored by a pty.
//
// The first slave with a request's address answers it; a request for an address nobody has, or for a silent
// slave, gets no answer at all. A broadcast write reaches every slave and nobody answers it. Functions other
// than 3 (read) and 6 (write one register) get the illegal-function exception.
//
// The line is served by two threads of its own, so it answers even while the GUI thread blocks in
// waitForReadyRead(). Every public method is thread-safe; the signals come from the line's own thread.
class ModbusPeer : public QObject
{
    Q_OBJECT

public:
    struct Write
    {
        int address; // the address the slave had when it accepted the write
        int reg;
        int value;
        bool operator==(const Write &other) const
        {
            return address == other.address && reg == other.reg && value == other.value;
        }
    };

    explicit ModbusPeer(QObject *parent = nullptr);
    ~ModbusPeer() override;

    bool isOpen() const;
    QString slavePath() const;

    // A symlink to the slave gives the line a stable name; an older symlink there is replaced, any other
    // file is left alone (and an empty name returned). unlink() removes the link while it still points here
    // and unplugs the line: the slaves hear nothing and answer nothing until link() plugs it in again.
    QString link(const QString &linkPath);
    void unlink();
    QString linkPath() const;

    void addSlave(std::unique_ptr<ModbusSlave> slave);
    QList<int> addresses() const;
    // "address 3: dynamometer, N, ..." for each slave.
    QStringList descriptions() const;

    // A measuring instrument with a steady reading of 0; one already at that address is replaced.
    void addInstrument(int address, int unit = 0, int sensorKind = 0);
    // The reading at the instrument's probe, in the base unit of its quantity (mm, N, degree). After a zero
    // command the instrument shows it relative to the reading it had then.
    void setValue(int address, double value);
    quint16 registerValue(int address, int reg) const;
    void setIgnoreUnitWrites(int address, bool ignore);

    // Faults of one slave.
    void setSilent(int address, bool silent);
    void setException(int address, int reg, int exceptionCode); // 0 clears; codes 1-11

    // Faults of the line, applied to every answer.
    void setSplitReplies(bool split);
    void setCorruptCrc(bool corrupt);
    void setReplyDelayMs(int ms);

    // Request frames heard while plugged in that passed the CRC check, whatever their address, in order;
    // the latest ones only, so that a simulator running for days does not grow.
    QList<QByteArray> requests() const;
    QList<Write> writes() const;
    // Requests heard since the start or clearLog().
    int requestCount() const;
    void clearLog();

signals:
    // A slave changed something a person watching wants to know: its address, unit or zero.
    void changed(int address, const QString &what);
    // Every request heard and the answer sent to it, empty when none.
    void exchanged(const QByteArray &request, const QByteArray &reply);

private:
    void stop();

    struct Private;
    std::unique_ptr<Private> d;
};
