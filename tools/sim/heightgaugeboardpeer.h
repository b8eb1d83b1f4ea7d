#pragma once

#include <QByteArray>
#include <QList>
#include <QObject>
#include <QPair>
#include <QString>

#include <memory>

// The controller board of a motorised height gauge, for the simulated bench and for the tests of the
// program's height gauge: a carriage on a column with a laser probe and a touch pin, above a part standing on
// the granite base. The board is on the master side of its own pty; the program opens slavePath() (or
// link()) at any baud rate, which a pty accepts and ignores.
//
// What the board hears, numbers little-endian, each frame closed by a check byte (CRC-8/MAXIM over the bytes
// before it):
// - 3-byte commands: letter, argument, check. 'i' 0x55 zeroes the height, 'i' <p> stores precision code p;
//   'j' 0x55 toggles the board unit mm/inch and reports it (0x01 frame); 'k' 0x55 moves up, 'l' 0x55 down,
//   'm' 0x55 stops; 'n' 0x55 asks for the parameters (0x01 frame); 'o' 0x55 zeroes the laser, 'p' 0xFF
//   switches it on (until then it reads NoLaser); 'r' <s> sets the speed code; 's' 0x55 zeroes height and
//   laser; 't' 0x55 zeroes the height; 'u' 0x01/0x00 display off/on; 'w' 0x01/0x00 touch-pin interrupt
//   off/on; 'x' <t> stores the slow-step type;
// - 'v', a float32 and the check: the base value added to the height;
// - 0x55 alone, between frames: a ping, answered with a 0xCA frame.
// Bytes that cannot start a frame are skipped; a frame with a wrong check byte, or left unfinished for
// BoardLine::FrameTimeoutMs, is dropped (and reported through changed()).
//
// What it sends, header first, check byte last (over header and payload):
// - 0xCA: the height as a double in the board unit;
// - 0x01: the height as a double in the board unit, then the unit (0 mm, 1 inch);
// - 0x0B, every StatusIntervalMs: step counter (uint32, the carriage position in micrometres), laser
//   (double), height (double), a reserved byte, the motor state (MotorState), 7 reserved bytes; always in mm.
//
// The carriage runs between 0 and Travel mm at the speed of its speed code (6: 25 mm/s, 4: 10, 3: 4,
// 5: 2, any other 10), times setTimeScale(). The height is round(position - zero + base value) to 0.001 mm
// (0.00001 in). The probe tip is at the carriage position: while it touches a solid of the part it reads
// 1.000 + the depth past the face it came in through, 0.000 while free, less the laser zero. The touch pin
// meets the base at basePosition(); with its interrupt on (the default) a carriage going down stops there in
// state PinStop. Crossing a face and a stop each send a status at once, with the carriage exactly there,
// whatever the speed.
//
// Unlinked, the board is unplugged: its terminal hangs up, so a port the program holds open fails as with
// a pulled USB cable, and it hears and sends nothing while the carriage still moves; link() plugs it in
// again on a new terminal. It runs on the thread it lives on, from that thread's event loop. Methods are not
// thread-safe.
class HeightGaugeBoardPeer : public QObject
{
    Q_OBJECT

public:
    enum MotorState : quint8 { Idle = 0, MovingUp = 1, MovingDown = 2, PinStop = 3 };

    static constexpr int StatusIntervalMs = 20;
    static constexpr double Travel = 300.0;
    static constexpr double DefaultPosition = 30.0;
    static constexpr double NoLaser = 100000.0;
    static constexpr quint8 StatusHeader = 0x0B;
    static constexpr quint8 ParametersHeader = 0x01;
    static constexpr quint8 HeightHeader = 0xCA;

    explicit HeightGaugeBoardPeer(QObject *parent = nullptr);
    ~HeightGaugeBoardPeer() override;

    // CRC-8/MAXIM (reflected 0x31, initial 0), the check byte of every frame both ways.
    static quint8 checkByte(const QByteArray &bytes);

    bool isOpen() const;
    QString slavePath() const;

    // Same contract as SylvacCablePeer::link(): an older symlink there is replaced, any other file is left
    // alone (and an empty name returned).
    QString link(const QString &linkPath);
    void unlink();
    QString linkPath() const;

    // The carriage, in mm from the bottom end; set directly it is clamped to the travel and keeps moving.
    double position() const;
    void setPosition(double mm);
    bool isMoving() const;
    MotorState motorState() const;
    // What the board reports now: the height in mm, the laser (NoLaser while it is off).
    double height() const;
    double laserValue() const;
    bool isInch() const;

    // The part: solid stretches (from, to) of the column, in mm. Overlapping ones are merged, everything is
    // clipped to the travel. Default {0-25, 40-300}: a lower face at 25 and an upper face at 40.
    void setSolids(const QList<QPair<double, double>> &solids);
    QList<QPair<double, double>> solids() const;
    void setBasePosition(double mm); // where the touch pin meets the base, default 0
    double basePosition() const;
    void setTimeScale(double scale); // multiplies every speed, default 1
    // Every n-th frame sent goes out with its check byte inverted; 0 sends all intact.
    void setCorruptEvery(int n);
    int corruptEvery() const;

    // Settings the program sent.
    int speedCode() const;
    double speed() const; // mm/s at the current speed code, without the time scale
    int precisionCode() const;
    int slowStepType() const;
    double baseValue() const;
    bool isTouchPinEnabled() const;
    bool isLaserEnabled() const;
    bool isDisplayOn() const;

    // Frames heard while plugged in with a good check byte, whole (the ping as its one byte); the latest
    // ones only.
    QList<QByteArray> commands() const;
    void clearLog();
    // "Height gauge board, carriage at 30.000 mm, idle, laser off"
    QString description() const;

signals:
    void commandReceived(const QByteArray &frame);
    void frameSent(const QByteArray &frame);
    // Something a person watching wants to know: "moving up at 10 mm/s", "touch at 25.000", ...
    void changed(const QString &what);

private:
    struct Private;
    std::unique_ptr<Private> d;
};
