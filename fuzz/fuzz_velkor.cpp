// Notifications of the VELKOR Bluetooth instruments and the Sylvac continuous stream values, as every
// Bluetooth link (direct, BLED112, nRF) hands them to the same parsers.
#include "fuzzsupport.h"

#include "links/ble/bleprotocol.h"

#include <cmath>

using FuzzSupport::Reader;

namespace {

BleReading sentinel()
{
    BleReading reading;
    reading.value = -777.5;
    reading.isInch = true;
    reading.sentByButton = true;
    reading.flagBit3 = true;
    reading.buttonFlag = true;
    reading.packetByte3 = 0xA5;
    reading.packetByte4 = 0x5A;
    return reading;
}

bool same(const BleReading &a, const BleReading &b)
{
    return a.value == b.value && a.isInch == b.isInch && a.sentByButton == b.sentByButton &&
           a.flagBit3 == b.flagBit3 && a.buttonFlag == b.buttonFlag && a.packetByte3 == b.packetByte3 &&
           a.packetByte4 == b.packetByte4;
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    FuzzSupport::silenceQt();
    return 0;
}

// Input: notifications as [flags][length][bytes]; flag bit 0 fixes the packet's XOR check byte so the
// fuzzer reaches the number text behind it.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    Reader in(data, size);
    bool lastButton = false;
    while (!in.atEnd()) {
        const uint8_t flags = in.byte();
        QByteArray packet = in.bytes(in.byte());
        if ((flags & 1) && packet.size() >= 8) {
            quint8 sum = 0;
            const int covered = qMin<int>(int(packet.size()), 8 + quint8(packet.at(7)));
            for (int i = 0; i < covered; ++i) {
                if (i != 6)
                    sum ^= quint8(packet.at(i));
            }
            packet[6] = char(sum);
        }

        BleReading reading = sentinel();
        if (parseVelkorPacket(packet, reading)) {
            FUZZ_ASSERT(packet.size() >= 8 + quint8(packet.at(7)));
            // A reading is a finite number, never shown as "-0", and nobody pressed a button yet.
            FUZZ_ASSERT(std::isfinite(reading.value));
            FUZZ_ASSERT(!(reading.value == 0.0 && std::signbit(reading.value)));
            FUZZ_ASSERT(!reading.sentByButton);
            if (quint8(packet.at(2)) & 0x04)
                FUZZ_ASSERT(reading.value <= 0.0);
            FUZZ_ASSERT(reading.isInch == bool(quint8(packet.at(2)) & 0x01));
            const bool wasPressed = lastButton;
            applyButtonEdge(reading, lastButton);
            // Holding the button records once: only the press itself sends.
            FUZZ_ASSERT(reading.sentByButton == (reading.buttonFlag && !wasPressed));
            FUZZ_ASSERT(lastButton == reading.buttonFlag);
        } else {
            FUZZ_ASSERT(same(reading, sentinel()));
        }

        BleReading stream = sentinel();
        if (parseStreamValue(packet, stream)) {
            FUZZ_ASSERT(std::isfinite(stream.value));
            FUZZ_ASSERT(std::abs(stream.value) < 21475.0); // 2^31 hundred-thousandths
            FUZZ_ASSERT(!stream.sentByButton && !stream.isInch);
        } else {
            FUZZ_ASSERT(same(stream, sentinel()));
        }

        // Query answers: a calibration date is either a real date or none.
        const QDate date = parseCalibDate(packet);
        if (date.isValid())
            FUZZ_ASSERT(packet.size() >= 4);
        firstSignedByte(packet);
    }
    return 0;
}
