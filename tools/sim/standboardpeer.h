#pragma once

#include <QByteArray>
#include <QList>
#include <QObject>
#include <QString>

#include <memory>

// The controller board of the measuring stand, for the simulated bench: the height gauge's board
// (HeightGaugeBoardPeer has the frames and the check byte) with a digital scale instead of a carriage, no
// motor and no laser. It is on the master side of its own pty; the program opens slavePath() (or link()) at
// any baud rate, which a pty accepts and ignores.
//
// Unasked it sends the scale's reading every ValueIntervalMs as a plain value frame (0xCA, a double in the
// board unit, the check byte), enough for a live display. It answers:
// - the ping 0x55 with a 0xCA frame at once;
// - 'j' 0x55 by toggling the board unit mm/inch and reporting it in a 0x01 frame (value, unit byte);
//   'n' 0x55 with a 0x01 frame as well;
// - 'i' 0x55, 't' 0x55 and 's' 0x55 by making the scale's position the zero; 'i' <p> stores precision code p;
// - 'v' <float32> <check> by storing the base value added to the reading.
// The other commands of the height gauge's board (motor, laser, display, touch pin) are heard and ignored.
// Frames are cut and checked as HeightGaugeBoardPeer cuts them.
//
// The reading is round(position - zero + base value) to 0.001 mm (0.00001 in), the position on the scale
// being from 0 to Range mm. The sweep runs the position up and down the whole scale at SweepSpeed.
//
// Unlinked, the board is unplugged as HeightGaugeBoardPeer is. It runs on the thread it lives on, from that
// thread's event loop. Methods are not thread-safe.
class StandBoardPeer : public QObject
{
    Q_OBJECT

public:
    static constexpr int ValueIntervalMs = 50;
    static constexpr double Range = 150.0;
    static constexpr double DefaultPosition = 25.0;
    static constexpr double SweepSpeed = 2.0; // mm/s

    explicit StandBoardPeer(QObject *parent = nullptr);
    ~StandBoardPeer() override;

    bool isOpen() const;
    QString slavePath() const;

    // Same contract as HeightGaugeBoardPeer::link().
    QString link(const QString &linkPath);
    void unlink();
    QString linkPath() const;

    // Where the scale's head is, in mm from its own origin, clamped to the scale; a sweep goes on from there.
    void setValue(double mm);
    double value() const;
    // What the board reports now, in mm.
    double reading() const;
    bool isInch() const;
    void setSweep(bool on);
    bool isSweeping() const;

    // Frames heard while plugged in with a good check byte, whole (the ping as its one byte); the latest
    // ones only.
    QList<QByteArray> commands() const;
    void clearLog();
    // "Stand board, scale at 25.000 mm, reading 25.000 mm"
    QString description() const;

signals:
    void commandReceived(const QByteArray &frame);
    void frameSent(const QByteArray &frame);
    // Something a person watching wants to know: "zeroed at 25.000", "unit inch", ...
    void changed(const QString &what);

private:

    struct Private;
    std::unique_ptr<Private> d;
};
