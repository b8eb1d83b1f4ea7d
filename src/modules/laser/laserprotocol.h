#pragma once

#include <QByteArray>
#include <QtGlobal>

// The two laser distance sensors of the bore gauge as they speak on their shared Modbus RTU line, and
// the arithmetic that turns their two distances into the bore size.
namespace LaserProtocol {

constexpr quint8 kFirstAddress = 1;
constexpr quint8 kSecondAddress = 2;
constexpr quint16 kDistanceRegister = 0x003B; // low word first, then the high word
constexpr int kRequestSize = 8;
constexpr int kReplySize = 9;
constexpr float kNoDistance = 100000.0f; // what a sensor shows until it has answered
constexpr double kMmPerInch = 25.4;

// Read holding registers 0x3B..0x3C of the sensor, CRC included.
QByteArray request(quint8 address);

enum class ReplyStatus {
    Accepted,
    BadCrc,        // the line is out of step: the caller resets it
    WrongAddress,  // a late answer of the other sensor
    WrongFunction, // an exception or foreign frame
    WrongByteCount,
};

struct Reply
{
    ReplyStatus status = ReplyStatus::BadCrc;
    quint8 address = 0;
    float distanceMm = 0.0f;
    quint16 computedCrc = 0; // what the first seven bytes give
    quint16 receivedCrc = 0;
};

// Judges one 9-byte frame as the answer to a request sent to `expectedAddress`.
Reply decodeReply(const QByteArray &frame, quint8 expectedAddress);

// Nominal - lower <= value <= nominal + upper, both limits inclusive at the display resolution.
bool inTolerance(double value, double nominal, double upper, double lower);

// Received bytes, oldest first; a full ring drops its oldest byte for each new one.
class ReceiveRing
{
public:
    void append(const QByteArray &bytes);
    QByteArray take(int count);
    int count() const { return m_count; }
    void clear();

private:
    char m_bytes[256] = {};
    quint8 m_write = 0;
    quint8 m_read = 0;
    int m_count = 0;
};

// The bore size: the base length of the reference minus how far each sensor has moved away since the
// gauge was zeroed on it. Each distance carries the time it was read, so a silent sensor ages out.
class BoreGauge
{
public:
    static constexpr qint64 kMaxAgeMs = 1000;

    void setDistance(quint8 address, float mm, qint64 nowMs);
    float rawDistance(quint8 address) const { return m_raw[index(address)]; }
    // Both sensors have answered, and each within the last second.
    bool isFresh(qint64 nowMs) const;
    // Recomputes the compensated distances and the result from the last distances.
    float update();
    // Takes the current distances as the zero and `newBase` as the size they stand for.
    void zero(float newBase);

    float compensated(quint8 address) const { return m_compensated[index(address)]; }
    float base() const { return m_base; }
    float result() const { return m_result; }

private:
    static int index(quint8 address) { return address == kSecondAddress ? 1 : 0; }

    float m_raw[2] = {kNoDistance, kNoDistance};
    qint64 m_readAt[2] = {0, 0};
    float m_zero[2] = {0.0f, 0.0f};
    float m_compensated[2] = {0.0f, 0.0f};
    float m_base = 0.0f;
    float m_result = 0.0f;
};

} // namespace LaserProtocol
