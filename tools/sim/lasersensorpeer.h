#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>

#include <memory>

// The two laser distance sensors of the laser bore gauge, for the simulated bench and for the tests of the
// program's laser module: Modbus RTU slaves at addresses 1 and 2 on one RS-485 line (a ModbusPeer, so
// libmodbus cuts the frames and checks and builds the CRC-16/MODBUS). The program opens slavePath() (or
// link()) at any baud rate, which a pty accepts and ignores.
//
// Each sensor keeps its distance in holding registers 0x003B-0x003C as an unsigned 32-bit number of
// micrometres, the LOW word in 0x003B: the program's request 01 03 00 3B 00 02 <crc> is answered with
// 01 03 04 b0 b1 b2 b3 <crc>, the distance being b2 b3 b0 b1 (12.345 mm: 30 39 00 00). Reads elsewhere get
// "illegal data address", writes too; functions other than 3 and 6 get "illegal function". A sensor answers
// only requests with its own address, ReplyDelayMs after the request.
//
// The sensors face each other across the bore of a part in a fixture of base length B: with the bore D and
// the part's centre off the sensors' middle by o (towards sensor 2), sensor 1 reads (B - D) / 2 + o and
// sensor 2 reads (B - D) / 2 - o, never less than 0. Unless steady, each reading also drifts slowly by up to
// DriftAmplitude and carries noise of up to Noise.
//
// Same link()/unlink() contract as ModbusPeer: unlinked, the line is unplugged and the sensors hear and
// answer nothing. The line runs on threads of its own; every public method is thread-safe, exchanged() comes
// from the line's thread.
class LaserSensorPeer : public QObject
{
    Q_OBJECT

public:
    static constexpr int FirstAddress = 1;
    static constexpr int SecondAddress = 2;
    static constexpr int DistanceRegister = 0x003B;
    static constexpr int ReplyDelayMs = 2;
    static constexpr double DefaultBaseLength = 50.0;
    static constexpr double DefaultBore = 30.0;
    static constexpr double Noise = 0.001;
    static constexpr double DriftAmplitude = 0.002;

    explicit LaserSensorPeer(QObject *parent = nullptr);
    ~LaserSensorPeer() override;

    bool isOpen() const;
    QString slavePath() const;

    // Same contract as ModbusPeer::link(): an older symlink there is replaced, any other file is left alone
    // (and an empty name returned).
    QString link(const QString &linkPath);
    void unlink();
    QString linkPath() const;

    // The fixture and the part, in mm; they apply to the next answer.
    void setBaseLength(double mm);
    double baseLength() const;
    void setBore(double mm);
    double bore() const;
    void setOffset(double mm);
    double offset() const;
    // Without drift and noise: every answer carries distance() rounded to the micrometre.
    void setSteady(bool steady);
    bool isSteady() const;
    // What sensor 1 or 2 sees of the part, without drift and noise.
    double distance(int address) const;

    // A silent sensor hears its requests but never answers.
    void setSilent(int address, bool silent);
    bool isSilent(int address) const;

    // Requests with that address heard while plugged in with a good CRC, since the start or clearLog().
    int requestCount(int address) const;
    void clearLog();
    // "Laser sensors 1 and 2, base 50.000 mm, bore 30.000 mm, centred: 10.000 and 10.000 mm"
    QString description() const;

signals:
    // Every request heard and the answer sent to it, empty when none.
    void exchanged(const QByteArray &request, const QByteArray &reply);
    // Something a person watching wants to know: "bore 30.010 mm", "sensor 2 silent", ...
    void changed(const QString &what);

private:
    struct Private;
    std::unique_ptr<Private> d;
};
