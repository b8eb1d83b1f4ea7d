#pragma once

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QObject>
#include <QPair>
#include <QSet>
#include <QStringList>

#include <functional>

class QSerialPort;
class QTimer;

// Sylvac instruments on their data cables. Every wanted port is kept open; every 300 ms each port gets one
// command (a queued zero, else the unit query) and the lines of the cycle that ends are judged: the
// replies the commands asked for update the unit and the live value, and one line beyond them is a value
// the user sent with the instrument's data button.
class SylvacSerialManager : public QObject
{
    Q_OBJECT

public:
    static constexpr int kCycleTickMs = 25;
    static constexpr int kCycleMs = 300;
    static constexpr int kWatchMs = 3000;
    // After opening, the line settles: nothing counts as a button press before then.
    static constexpr int kQuietMs = 1500;
    static constexpr int kBaudRate = 4800;

    static SylvacSerialManager *instance();

    // Every serial port the system lists.
    static QStringList availablePorts();
    // The settings of the cable (4800 7E1, no flow control), RTS and DTR raised. False when it cannot open.
    static bool openCablePort(QSerialPort &serial, bool readOnly);

    bool addPort(const QString &port);
    void removePort(const QString &port);
    bool isOpen(const QString &port) const;
    // Queues "SET" ahead of the next unit query. False when the port is not open.
    bool zero(const QString &port);

    // Milliseconds on a steady clock; tests move time on without waiting.
    void setClock(std::function<qint64()> clock);

    // The timers' work, public for tests.
    void runCycles();
    void watch();

signals:
    void valueReceived(const QString &portName, double value, bool sentByButton);
    void unitChanged(const QString &portName, bool isInch);
    void lineReceived(const QString &portName, const QString &line);
    void portStateChanged(const QString &portName, bool open);

private:
    struct Port
    {
        QSerialPort *serial = nullptr;
        QByteArray lineBuffer;
        qint64 quietUntil = 0;
        QStringList cycleLines;
        qint64 lastCycle = 0;
        int expectedLines = 0;
        QList<QPair<QByteArray, int>> commandQueue;
    };

    explicit SylvacSerialManager(QObject *parent = nullptr);
    bool openPort(const QString &port);
    void closePort(const QString &port);
    void receive(const QString &port);
    bool send(const QString &port, Port &record, const QByteArray &command, int expectedLines);
    void evaluateCycle(const QString &port, Port &record);

    QHash<QString, Port> m_ports;
    QSet<QString> m_wantedPorts;
    QTimer *m_cycleTimer;
    QTimer *m_watchTimer;
    std::function<qint64()> m_clock;
};
