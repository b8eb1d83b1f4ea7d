#pragma once

#include "devices/devicerecord.h"
#include "devices/deviceregistry.h"

#include <QByteArray>
#include <QDialog>
#include <QList>

class QComboBox;
class QLabel;
class QPushButton;
class QSerialPort;
class QSpinBox;

// Reading the answer to a one-register test read from a bus that may carry stray bytes first.
namespace ModbusProbe {

// Address, 0x03, byte count, one register, CRC.
constexpr int kAnswerLength = 7;

// Drops leading bytes until the buffer starts with `address` and 0x03, or is shorter than an answer.
void resynchronise(QByteArray &buffer, quint8 address);

enum class Verdict {
    NoAnswer, // too short, or not from the asked address
    Answered,
    BadCrc, // an answer whose checksum or function is wrong
};
Verdict judgeAnswer(const QByteArray &buffer, quint8 address);

} // namespace ModbusProbe

// Prepares a Modbus instrument on one of the saved adapters: checks that it answers at its present
// address and speed, then writes its new slave address (register 0x0000) and speed code (0x0001) and
// hands port, speed and address to the workspace. The dialog owns the port only while a procedure runs;
// the workspace must have released it before.
class AddDeviceDialog : public QDialog
{
    Q_OBJECT

public:
    // What the instruments need after a new address or speed before they listen again.
    static constexpr int kAddressSettleMs = 300;
    static constexpr int kSpeedSettleMs = 2000;
    static constexpr int kPortSwitchSettleMs = 100;
    // Bounded waits for the bus.
    static constexpr int kWriteTimeoutMs = 100;
    static constexpr int kTestAnswerWindowMs = 600;
    static constexpr int kWriteEchoWindowMs = 500;
    static constexpr int kWaitStepMs = 50;
    static constexpr int kDefaultBaudRate = 9600;

    AddDeviceDialog(const QList<ModbusAdapter> &adapters, const QList<DeviceRecord> &devices,
                    QWidget *parent = nullptr);

    // Scales the settle pauses; 1.0 (the default) is what the instruments need. Tests shorten them.
    void setPauseScale(double scale);

    // A test or connect procedure is running.
    bool isBusy() const { return m_busy; }

public slots:
    // Ignored while the instrument is being reprogrammed: stopping half way would leave it at an address
    // or speed nobody knows.
    void reject() override;

signals:
    void deviceReadyToAdd(const QString &portName, int baudRate, int address);

private:
    void onAdapterChosen(int index);
    void testConnection();
    void connectDevice();

    bool hasAdapter() const;
    void warnNoAdapter();
    bool addressTaken(const QString &portName, int address) const;
    bool openPort(QSerialPort &port) const;
    QByteArray collectResponsive(QSerialPort &port, int count, int windowMs);
    void pauseResponsive(int ms);
    int scaled(int ms) const;
    void setBusy(bool busy);
    void setStatus(const QString &text, const QString &style);

    QList<ModbusAdapter> m_adapters;
    QList<DeviceRecord> m_devices;
    double m_pauseScale = 1.0;
    bool m_busy = false;

    QComboBox *m_adapterCombo = nullptr;
    QComboBox *m_currentSpeedCombo = nullptr;
    QSpinBox *m_currentAddressSpin = nullptr;
    QPushButton *m_testButton = nullptr;
    QLabel *m_statusLabel = nullptr;
    QSpinBox *m_newAddressSpin = nullptr;
    QComboBox *m_newSpeedCombo = nullptr;
    QPushButton *m_connectButton = nullptr;
    QPushButton *m_cancelButton = nullptr;
};
