#include "motherboard.h"

#include <QDebug>

#include <cstring>

namespace {

constexpr int kMaxFrame = 31; // the combined status: header and 30 bytes

// Bytes that follow a header, payload and check byte; 0 for a byte that starts no frame.
int frameLength(uint8_t header)
{
    switch (header) {
    case MotherBoard::kHeaderValue:
        return 9;
    case MotherBoard::kHeaderValueAndUnit:
        return 10;
    case MotherBoard::kHeaderCombined:
        return 30;
    default:
        return 0;
    }
}

double doubleAt(const uint8_t *bytes)
{
    // The board sends little-endian IEEE-754, as every machine this runs on stores doubles.
    quint64 bits = 0;
    for (int i = 7; i >= 0; --i)
        bits = (bits << 8) | bytes[i];
    double value;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

quint32 uint32At(const uint8_t *bytes)
{
    return quint32(bytes[0]) | quint32(bytes[1]) << 8 | quint32(bytes[2]) << 16 | quint32(bytes[3]) << 24;
}

} // namespace

MotherBoard::MotherBoard(QObject *parent)
    : QObject(parent)
{
    qRegisterMetaType<MotherBoard::speed_t>();
    qRegisterMetaType<MotherBoard::precission_t>("MotherBoard::precission_t");
    qRegisterMetaType<MotherBoard::uint_t>();
    m_parseTimer.setInterval(1);
    m_parseTimer.setTimerType(Qt::PreciseTimer);
    connect(&m_parseTimer, &QTimer::timeout, this, &MotherBoard::RxData);
    m_parseTimer.start();
}

uint8_t MotherBoard::calc_crc_(const uint8_t *data, int length)
{
    uint8_t crc = 0;
    for (int i = 0; i < length; ++i) {
        uint8_t byte = data[i];
        for (int bit = 0; bit < 8; ++bit) {
            const bool mix = (crc ^ byte) & 1;
            crc >>= 1;
            if (mix)
                crc ^= 0x8C;
            byte >>= 1;
        }
    }
    return crc;
}

uint8_t MotherBoard::calc_crc_(const QByteArray &bytes)
{
    return calc_crc_(reinterpret_cast<const uint8_t *>(bytes.constData()), int(bytes.size()));
}

void MotherBoard::AddByteToBuffer(uint8_t value)
{
    if (m_count == kRingSize) {
        // Nobody parsed for a while. The oldest byte goes, and with it any frame begun before it: a frame
        // must never be completed with bytes from another.
        if (!m_overflowLogged) {
            qWarning().noquote() << "[Devozor] приймальний буфер переповнено, найстаріші байти відкинуто";
            m_overflowLogged = true;
        }
        m_read = (m_read + 1) % kRingSize;
        --m_count;
        m_pendingHeader = 0;
        m_pendingLength = 0;
    }
    m_ring[m_write] = value;
    m_write = (m_write + 1) % kRingSize;
    ++m_count;
}

uint8_t MotherBoard::GetCharBuffer()
{
    if (m_count == 0) {
        m_overflowLogged = false;
        return 0;
    }
    const uint8_t value = m_ring[m_read];
    m_read = (m_read + 1) % kRingSize;
    if (--m_count == 0)
        m_overflowLogged = false;
    return value;
}

void MotherBoard::ReadFromBuff(uint8_t *destination, int n)
{
    for (int i = 0; i < n; ++i)
        destination[i] = GetCharBuffer();
}

void MotherBoard::RxData()
{
    // Bytes that start no frame are skipped all at once: skipping one per call would let a full ring, which
    // drops as many old bytes as arrive, hold the parser on the same junk for ever.
    while (m_pendingHeader == 0) {
        if (m_count == 0)
            return;
        const uint8_t byte = GetCharBuffer();
        const int length = frameLength(byte);
        if (length == 0)
            continue;
        m_pendingHeader = byte;
        m_pendingLength = uint8_t(length);
    }
    if (m_count < m_pendingLength)
        return;
    uint8_t frame[kMaxFrame];
    frame[0] = m_pendingHeader;
    const int length = 1 + m_pendingLength;
    ReadFromBuff(frame + 1, m_pendingLength);
    m_pendingHeader = 0;
    m_pendingLength = 0;
    if (calc_crc_(frame, length - 1) != frame[length - 1]) {
        if (frame[0] == kHeaderCombined)
            qDebug() << "CRC Error in Comb Valu";
        return;
    }
    handleFrame(frame);
}

void MotherBoard::handleFrame(const uint8_t *frame)
{
    const uint8_t *payload = frame + 1;
    switch (frame[0]) {
    case kHeaderValue:
        emit UpdateValue(doubleAt(payload));
        break;
    case kHeaderValueAndUnit:
        m_boardUnit = payload[8] ? UnitInches : UnitMillimetres;
        emit UpdateValue(doubleAt(payload));
        emit UpdateUint(uint_t(payload[8]));
        break;
    case kHeaderCombined:
        m_step = uint32At(payload);
        m_laser = doubleAt(payload + 4);
        m_height = doubleAt(payload + 12);
        m_motorState = payload[21];
        emit UpdateDevozorValue(m_height, m_laser, uint8_t(m_motorState), true, m_step);
        break;
    default:
        break;
    }
}

void MotherBoard::sendCommand(uint8_t command, uint8_t argument)
{
    m_transmit[0] = command;
    m_transmit[1] = argument;
    m_transmit[2] = calc_crc_(m_transmit, 2);
    emit SendBufferToComport(m_transmit, 3);
}

void MotherBoard::Ping()
{
    emit SendByteToComport(kFiller);
}

void MotherBoard::SetZero()
{
    sendCommand('i', kFiller);
}

void MotherBoard::SetPrecision(MotherBoard::precission_t precission)
{
    sendCommand('i', uint8_t(precission));
}

void MotherBoard::ChacngeUint()
{
    sendCommand('j', kFiller);
}

void MotherBoard::DevozorMoveUp()
{
    sendCommand('k', kFiller);
}

void MotherBoard::DevozorMoveDn()
{
    sendCommand('l', kFiller);
}

void MotherBoard::DevozorStopMove()
{
    sendCommand('m', kFiller);
}

void MotherBoard::DevozorSendParametrs()
{
    sendCommand('n', kFiller);
}

void MotherBoard::DevozorSendSetZeroLaser()
{
    sendCommand('o', kFiller);
}

void MotherBoard::SetZeroLaser()
{
    sendCommand('o', kFiller);
}

void MotherBoard::DevozorSendEnableLaser()
{
    sendCommand('p', 0xFF);
}

void MotherBoard::ChangeSpeed(MotherBoard::speed_t speeds)
{
    sendCommand('r', uint8_t(speeds));
}

void MotherBoard::SetZeroAll()
{
    sendCommand('s', kFiller);
}

void MotherBoard::SetZeroDevozor()
{
    sendCommand('t', kFiller);
}

void MotherBoard::DisableDisplay()
{
    m_displayDisabled = true;
    sendCommand('u', 0x01);
}

void MotherBoard::EnableDisplay()
{
    m_displayDisabled = false;
    sendCommand('u', 0x00);
}

void MotherBoard::DisableTouchPinInterupt()
{
    m_touchPinDisabled = true;
    sendCommand('w', 0x01);
}

void MotherBoard::EnableisableTouchPinInterupt()
{
    m_touchPinDisabled = false;
    sendCommand('w', 0x00);
}

void MotherBoard::SetSlowStepType(uint8_t type)
{
    sendCommand('x', type);
}

void MotherBoard::SendBaseSet(float NewValBase)
{
    quint32 bits;
    std::memcpy(&bits, &NewValBase, sizeof bits);
    m_transmit[0] = 'v';
    for (int i = 0; i < 4; ++i)
        m_transmit[1 + i] = uint8_t(bits >> (8 * i));
    m_transmit[5] = calc_crc_(m_transmit, 5);
    emit SendBufferToComport(m_transmit, 6);
}
