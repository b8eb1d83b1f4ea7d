#pragma once

#include <QByteArray>
#include <QObject>
#include <QTimer>

#include <cstdint>

// The protocol of the controller board shared by the height gauge and the measuring stand. It owns no
// port: commands leave as bytes through SendByteToComport/SendBufferToComport, and the window that owns
// the port feeds every received byte to AddByteToBuffer and calls RxData after each batch.
//
// Host to board: the command letter, an argument byte and a CRC-8/MAXIM check byte (the base value frame:
// 'v', a little-endian float and the check byte). Board to host: a header byte, a little-endian payload
// and the check byte over both; 0xCA a height, 0x01 a height and the unit, 0x0B the combined status.
class MotherBoard : public QObject
{
    Q_OBJECT

public:
    enum speed_t : uint8_t {
        SpeedPrecision = 3,
        SpeedStandard = 4,
        SpeedSlowApproach = 5,
        SpeedQuick = 6,
    };
    Q_ENUM(speed_t)
    // The board's own precision codes, passed through as numbers.
    enum precission_t : uint8_t {};
    enum uint_t : uint8_t {
        UnitMillimetres = 0,
        UnitInches = 1,
    };
    Q_ENUM(uint_t)

    static constexpr int kRingSize = 256;
    static constexpr uint8_t kFiller = 0x55;
    static constexpr uint8_t kHeaderValue = 0xCA;
    static constexpr uint8_t kHeaderValueAndUnit = 0x01;
    static constexpr uint8_t kHeaderCombined = 0x0B;
    static constexpr double kNoLaser = 100000.0; // the laser value when the laser sees nothing

    explicit MotherBoard(QObject *parent = nullptr);

    // CRC-8/MAXIM (reflected polynomial 0x8C, initial 0, no final xor).
    static uint8_t calc_crc_(const uint8_t *data, int length);
    static uint8_t calc_crc_(const QByteArray &bytes);

    // Received bytes. A full ring drops its oldest bytes (logged once until it drains) and the frame being
    // assembled with them; parsing then resumes at the next header.
    void AddByteToBuffer(uint8_t value);
    uint8_t GetCharBuffer();
    void ReadFromBuff(uint8_t *destination, int n);
    int bufferedBytes() const { return m_count; }
    // Parses at most one frame.
    void RxData();

    uint_t GetCurrentBoardUint() const { return m_boardUnit; }
    bool GetBoardDisplayState() const { return m_displayDisabled; }
    bool GetBoardTochPinInterupt() const { return m_touchPinDisabled; }
    quint32 step() const { return m_step; }

public slots:
    void Ping();
    void GetValue() {}
    void GetFullFalue() {}
    void GetPrecision() {}
    void GetUint() {}
    void SetZero();
    void DevozorMoveUp();
    void DevozorMoveDn();
    void DevozorStopMove();
    void DevozorSendParametrs();
    void DevozorSendSetZeroLaser();
    void DevozorSendEnableLaser();
    void ChangeSpeed(MotherBoard::speed_t speeds);
    void SetZeroLaser();
    void SetZeroAll();
    void SetZeroDevozor();
    void SetPrecision(MotherBoard::precission_t precission);
    void SetUint(MotherBoard::uint_t) {}
    void ChacngeUint();
    void SendBaseSet(float NewValBase);
    void DisableDisplay();
    void EnableDisplay();
    void DisableTouchPinInterupt();
    void EnableisableTouchPinInterupt();
    void SetSlowStepType(uint8_t type);

signals:
    void SendByteToComport(uint8_t byte);
    // `buff` is valid only during the call.
    void SendBufferToComport(const uint8_t *buff, uint8_t count);
    void UpdateValue(double value);
    void UpdateUint(MotherBoard::uint_t new_uint);
    void UpdateDevozorValue(double devozor_value, double laser_val, uint8_t motor_state, bool laser_state,
                            quint32 step);

private:
    void sendCommand(uint8_t command, uint8_t argument);
    void handleFrame(const uint8_t *frame);

    uint8_t m_ring[kRingSize] = {};
    int m_count = 0;
    int m_write = 0;
    int m_read = 0;
    bool m_overflowLogged = false;
    uint8_t m_pendingHeader = 0;
    uint8_t m_pendingLength = 0;
    uint8_t m_transmit[6] = {};
    uint_t m_boardUnit = UnitMillimetres;
    quint32 m_step = 0;
    double m_laser = 0.0;
    double m_height = 0.0;
    quint32 m_motorState = 0;
    bool m_displayDisabled = false;
    bool m_touchPinDisabled = false;
    QTimer m_parseTimer;
};
