#pragma once

#include "modbusframe.h"

#include <QMap>
#include <QObject>
#include <QSerialPort>
#include <QSet>
#include <QStringList>

class DeviceRegistry;
class QTimer;

// Polls the Modbus instruments behind the workspace's RS-485 adapters: one request on the wire per port,
// the instruments of a port in turn, a 200 ms answer timeout, and a watchdog that reopens lost adapters.
// Everything runs on the GUI thread with asynchronous ports. Answers go straight into the device records;
// a new value is announced so the window can repaint its card at once.
class ModbusPoller : public QObject
{
    Q_OBJECT

public:
    static constexpr int kAnswerTimeoutMs = 200;
    static constexpr int kPauseAfterAnswerMs = 10;

    explicit ModbusPoller(DeviceRegistry &registry, QObject *parent = nullptr);
    ~ModbusPoller() override;

    void openAdapterPorts();
    void closePort(const QString &portName);
    // Closes and forgets every adapter port, so that a dialog can own one for a while.
    void releaseAllPorts();
    void rebuildPollLists();
    void sendNextCommand(const QString &portName);
    void sendNextCommandOnAllPorts();
    // Puts a command ahead of the polls of its port (zeroing, unit changes).
    void sendFirst(const QString &portName, const ComCommand &command);
    // Takes a complete answer to the port's current request into its device. False when the answer is
    // unusable (damaged, for someone else, wrong size).
    bool processResponse(const QString &portName, const QByteArray &bytes);

    bool isOpen(const QString &portName) const;
    QStringList openPorts() const;
    QList<int> pollList(const QString &portName) const;
    bool isBusy(const QString &portName) const;

signals:
    void deviceValueChanged(int index);

public slots:
    void onPortWatchdogTick();
    void onAnswerTimeout(const QString &portName);
    void onPollTimerTimeout() {}
    void onBackgroundPollTick() {}

private slots:
    void onReadReady();
    void onPortError(QSerialPort::SerialPortError error);

private:
    struct PollState
    {
        QList<int> devices;
        QList<ComCommand> queue;
        bool busy = false;
        ComCommand current;
        QTimer *timeout = nullptr;
        QTimer *pause = nullptr; // after an answer, before the next request
        QByteArray buffer;
    };

    PollState &stateFor(const QString &portName);
    void resetState(PollState &state);
    int findDevice(const QString &portName, quint8 address) const;
    void countMiss(const QString &portName, quint8 address);
    void markPortDevicesOffline(const QString &portName);
    void finishExchange(const QString &portName, PollState &state);
    QString portNameOf(const QObject *port) const;

    DeviceRegistry &m_registry;
    QMap<QString, QSerialPort *> m_ports;
    QMap<QString, PollState> m_states;
    QSet<QString> m_reportedGone; // ports logged as disappeared and not back yet
};
