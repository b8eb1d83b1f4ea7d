#pragma once

#include <QByteArray>
#include <QList>
#include <QObject>
#include <QString>
#include <QtGlobal>

#include <memory>

// A Modbus RTU line with one or more measuring instruments on it, for tests of the program's own Modbus
// code. The instruments are served by libmodbus, an implementation independent of ours, on the master side
// of a pseudo-terminal; the code under test opens slavePath() (or link()) with QSerialPort. Baud rate and
// parity are accepted and ignored by a pty.
//
// Registers of every instrument: 0x0000 (slave address), 0x0001 (speed code) and 0x2000-0x201F
// (identification 0x2000-0x2009 with unit 0x2002 and sensor kind 0x2007, zero command 0x200A, value as
// int32 x10000 at 0x200D and as float at 0x200F, calibration day/month 0x201B and year 0x201C, serial number
// 0x201D). Function 3 reads and function 6 writes them; other addresses get libmodbus' illegal-address
// exception, other functions the illegal-function exception. A request for an address nobody has, or for a
// silent instrument, gets no answer at all.
//
// The line is served by two threads of its own, so it answers even while the GUI thread blocks in
// waitForReadyRead(). Every public method is thread-safe.
class ModbusPeer : public QObject
{
    Q_OBJECT

public:
    struct Write
    {
        int address; // the address the instrument had when it accepted the write
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

    // A symlink to the slave gives the line a stable name. unlink() removes it and unplugs the line: the
    // instruments hear nothing and answer nothing until link() plugs it in again.
    QString link(const QString &linkPath);
    void unlink();

    // New instrument with serial number 100000 + address, calibrated 05.03.2024, speed code 3 (9600),
    // value 0. An instrument already at that address is replaced.
    void addInstrument(int address, int unit = 0, int sensorKind = 0);
    void removeInstrument(int address);
    bool hasInstrument(int address) const;
    QList<int> addresses() const;

    // The reading at the instrument's probe. After a zero command (1 written to 0x200A) the instrument shows
    // it relative to the reading it had then.
    void setValue(int address, double value);
    // Plain register content; writing 0x0000 here does not readdress the instrument (only a Modbus write
    // does).
    void setRegister(int address, int reg, quint16 value);
    quint16 registerValue(int address, int reg) const;

    // Faults of one instrument.
    void setSilent(int address, bool silent);
    void setIgnoreUnitWrites(int address, bool ignore);
    void setException(int address, int reg, int exceptionCode); // 0 clears; codes 1-11

    // Faults of the line, applied to every reply.
    void setSplitReplies(bool split);
    void setCorruptCrc(bool corrupt);
    void setReplyDelayMs(int ms);
    // Bytes on the line as if an instrument sent them, unchanged by the faults above.
    void sendRaw(const QByteArray &bytes);

    // Request frames heard while plugged in that passed the CRC check, whatever their address, in order.
    QList<QByteArray> requests() const;
    QList<Write> writes() const;
    int requestCount() const;
    void clearLog();
    bool waitForRequests(int count, int timeoutMs);

    // Ends both threads; the destructor calls it. Idempotent.
    void stop();

private:
    struct Private;
    std::unique_ptr<Private> d;
};
