#pragma once

#include "bleinstrument.h"

#include <QByteArray>
#include <QDate>
#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>

#include <memory>

// A BLED112 USB dongle with Bluetooth LE instruments within reach, for the simulated bench and for the tests
// of the program's own dongle link. It speaks BGAPI (binary packets: a 4-byte header with an 11-bit payload
// length, class and id, little-endian payload) on the master side of a pseudo-terminal; the program opens
// slavePath() (or link()) with QSerialPort. Baud rate and flow control are accepted and ignored by a pty.
//
// It runs on the thread it lives on, from that thread's event loop: a test that blocks in
// waitForReadyRead() on the same thread hears nothing meanwhile. Methods are not thread-safe.
//
// Like the real dongle:
// - every command gets exactly one response (same class and id); what follows comes as events;
// - a command it does not know, or with a payload of the wrong size, gets a system protocol-error event
//   (reason 0x0184 or 0x0180) instead, and so does a packet left half-sent for a second (0x0185);
// - one GATT procedure at a time per connection: another one meanwhile is answered 0x0181 (wrong state).
//   A read by handle that succeeds ends with the attribute value (type 0) and no procedure completed;
// - scanning and a pending connection exclude each other; end procedure with nothing running answers 0x0181;
// - connected instruments stop advertising; a connection to an address nobody has (or with the wrong
//   address type) stays pending until end procedure;
// - subscriptions (CCCD values) belong to the connection and are gone with it.
class Bled112Peer : public QObject
{
    Q_OBJECT

public:
    // Results the dongle answers with.
    enum Result : quint16 {
        Success = 0,
        InvalidParameter = 0x0180,
        WrongState = 0x0181,
        CommandNotRecognized = 0x0184,
        CommandTimeout = 0x0185,
        NotConnected = 0x0186,
        ConnectionLimitExceeded = 0x0209, // connect direct refused: setConnectionLimit() reached
        ConnectionExists = 0x020B,        // connect direct to an instrument already connected
        InvalidHandle = 0x0401,
        WriteNotPermitted = 0x0403,
        AttributeNotFound = 0x040A, // find information over a range without attributes
        InvalidValueLength = 0x040D,
    };
    // Disconnection reasons.
    enum Reason : quint16 {
        SupervisionTimeout = 0x0208,  // dropConnection(): the instrument went away
        LocalHostTerminated = 0x0216, // the program asked for it
    };

    // Timings, in ms.
    static constexpr int ConnectDelayMs = 60;     // connect direct -> connection status
    static constexpr int ProcedureDelayMs = 20;   // GATT request -> its events
    static constexpr int DisconnectDelayMs = 30;  // connection disconnect -> disconnected
    static constexpr int ReadingIntervalMs = 200; // notifications of subscribed instruments
    static constexpr int ScanRoundMinMs = 100;    // every instrument advertises once a round,
    static constexpr int ScanRoundMaxMs = 300;    // rounds of random length in between
    static constexpr int PartialPacketTimeoutMs = 1000;

    explicit Bled112Peer(QObject *parent = nullptr);
    ~Bled112Peer() override;

    bool isOpen() const;
    QString slavePath() const;

    // A symlink to the slave gives the dongle a stable name; an older symlink there is replaced, any other
    // file is left alone (and an empty name returned). unlink() removes the link while it still points here
    // and unplugs the dongle: it hears nothing and answers nothing, and its connections and scan are gone.
    // link() plugs it in again, freshly started.
    QString link(const QString &linkPath);
    void unlink();
    QString linkPath() const;

    // An instrument within reach; one already at that address is replaced (and its connection dropped).
    // An empty name advertises no name at all. The reading drifts around a nominal until setValue().
    void addInstrument(const QString &address, const QString &name, BleKind kind, int rssi = -60);
    QStringList addresses() const;
    // "VELKOR CAL-150 [F0:5A:11:00:00:01] VELKOR, reading 25.012 mm" for each instrument.
    QStringList descriptions() const;

    // A steady reading at the probe, in mm; after a zero command the instrument sends it relative to the
    // reading it had then.
    void setValue(const QString &address, double mm);
    // The next reading goes out with the button flag (VELKOR) or as a data line (Sylvac), then released.
    void pressButton(const QString &address);
    void setCalibrationDate(const QString &address, const QDate &date); // default 15.03.2024
    void setMaxConnections(int reported);  // what get connections answers (default 8)
    void setConnectionLimit(int accepted); // connect direct refused beyond this many connected (default 8)
    // The instrument goes away: disconnected event (reason 0x0208); it can be connected again at once.
    void dropConnection(const QString &address);
    // No response and no event at all until cleared; commands are still logged.
    void setSilent(bool silent);
    // The next GATT procedure (find information, attribute write, read by handle) has its effect, but its
    // last event (procedure completed, or the value of a read) is never sent. Later ones work again.
    void setStallNextProcedure(bool stall);
    // 5 (default): the application must confirm each indication, and the next one waits for that;
    // 2: the dongle's stack has confirmed it already.
    void setIndicationType(int type);
    // Bytes straight to the program, e.g. the tail of a packet from before it opened the port.
    void sendRaw(const QByteArray &bytes);
    // Every packet on stderr through qInfo().
    void setVerbose(bool verbose);

    // Command packets heard while plugged in (header included), in order; the latest ones only.
    QList<QByteArray> commands() const;
    void clearLog();
    bool isScanning() const;
    int connectionCount() const;
    QStringList connectedAddresses() const;
    bool
    isSubscribed(const QString &address) const; // its data CCCD was written (non-zero) on this connection
    // Bytes written to the instrument's command characteristic, in order, one entry per write.
    QList<QByteArray> instrumentWrites(const QString &address) const;

signals:
    void packetReceived(const QByteArray &packet);
    void packetSent(const QByteArray &packet);
    // Something a person watching wants to know: connected, disconnected, zero set, ...
    void changed(const QString &address, const QString &what);

private:
    struct Private;
    std::unique_ptr<Private> d;
};
