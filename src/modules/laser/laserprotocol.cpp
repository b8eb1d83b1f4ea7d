#include "laserprotocol.h"

#include "links/modbus/modbusframe.h"

namespace LaserProtocol {

QByteArray request(quint8 address)
{
    return buildReadCommand(address, kDistanceRegister, 2).frame;
}

Reply decodeReply(const QByteArray &frame, quint8 expectedAddress)
{
    Reply reply;
    if (frame.size() != kReplySize)
        return reply;
    const auto byte = [&frame](int i) { return quint8(frame.at(i)); };
    reply.address = byte(0);
    reply.computedCrc = modbusCrc16(frame.constData(), kReplySize - 2);
    reply.receivedCrc = quint16(byte(7) | (byte(8) << 8));
    if (reply.computedCrc != reply.receivedCrc)
        return reply;
    if (reply.address != expectedAddress)
        reply.status = ReplyStatus::WrongAddress;
    else if (byte(1) != ModbusFunction::ReadHoldingRegisters)
        reply.status = ReplyStatus::WrongFunction;
    else if (byte(2) != 4)
        reply.status = ReplyStatus::WrongByteCount;
    else
        reply.status = ReplyStatus::Accepted;
    // The register at 0x3B holds the low word, so the second word is the high one.
    const quint32 micrometres =
        (quint32(byte(5)) << 24) | (quint32(byte(6)) << 16) | (quint32(byte(3)) << 8) | quint32(byte(4));
    reply.distanceMm = float(double(micrometres) * 0.001);
    return reply;
}

bool inTolerance(double value, double nominal, double upper, double lower)
{
    // The value comes from its 3- or 4-decimal text; a limit computed in binary may miss it by a hair.
    constexpr double kSlack = 1e-9;
    return value >= nominal - lower - kSlack && value <= nominal + upper + kSlack;
}

void ReceiveRing::append(const QByteArray &bytes)
{
    for (const char b : bytes) {
        m_bytes[m_write++] = b;
        if (m_count == int(sizeof m_bytes))
            ++m_read;
        else
            ++m_count;
    }
}

QByteArray ReceiveRing::take(int count)
{
    QByteArray bytes;
    for (; count > 0 && m_count > 0; --count, --m_count)
        bytes.append(m_bytes[m_read++]);
    return bytes;
}

void ReceiveRing::clear()
{
    m_read = m_write;
    m_count = 0;
}

void BoreGauge::setDistance(quint8 address, float mm, qint64 nowMs)
{
    m_raw[index(address)] = mm;
    m_readAt[index(address)] = nowMs;
}

bool BoreGauge::isFresh(qint64 nowMs) const
{
    for (int i = 0; i < 2; ++i) {
        if (m_raw[i] == kNoDistance || nowMs - m_readAt[i] > kMaxAgeMs)
            return false;
    }
    return true;
}

float BoreGauge::update()
{
    for (int i = 0; i < 2; ++i)
        m_compensated[i] = m_raw[i] - m_zero[i];
    m_result = m_base - m_compensated[0] - m_compensated[1];
    return m_result;
}

void BoreGauge::zero(float newBase)
{
    for (int i = 0; i < 2; ++i) {
        m_zero[i] = m_raw[i];
        m_compensated[i] = 0.0f;
    }
    m_result = m_base;
    m_base = newBase;
}

} // namespace LaserProtocol
