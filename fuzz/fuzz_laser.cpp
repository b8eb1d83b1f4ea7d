// The laser bore gauge's two distance sensors on their shared Modbus line: the receive ring the replies
// collect in and the decoding of a 9-byte reply.
#include "fuzzsupport.h"

#include "links/modbus/modbusframe.h"
#include "modules/laser/laserprotocol.h"

#include <cmath>
#include <deque>

using FuzzSupport::Reader;
using namespace LaserProtocol;

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    FuzzSupport::silenceQt();
    return 0;
}

// Input: steps as [action][length][bytes]. Action bit 0 fixes the CRC of the bytes (as a 9-byte reply);
// bit 1 takes replies out of the ring afterwards, bit 2 clears it first.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    Reader in(data, size);
    ReceiveRing ring;
    std::deque<char> model; // the last 256 bytes received, oldest first
    while (!in.atEnd()) {
        const uint8_t action = in.byte();
        const quint8 expected = (action & 0x08) ? kSecondAddress : kFirstAddress;
        QByteArray bytes = in.bytes(in.byte());
        if (action & 1) {
            bytes = bytes.left(kReplySize - 2).leftJustified(kReplySize - 2, '\0');
            const quint16 crc = modbusCrc16(bytes);
            bytes.append(char(crc & 0xFF));
            bytes.append(char(crc >> 8));
        }
        // Frames of any other size are never accepted.
        if (bytes.size() != kReplySize)
            FUZZ_ASSERT(decodeReply(bytes, expected).status == ReplyStatus::BadCrc);
        if (action & 4) {
            ring.clear();
            model.clear();
        }
        ring.append(bytes);
        for (const char b : bytes) {
            model.push_back(b);
            if (model.size() > 256)
                model.pop_front();
        }
        FUZZ_ASSERT(ring.count() == int(model.size()));

        if (!(action & 2))
            continue;
        while (ring.count() >= kReplySize) {
            const QByteArray frame = ring.take(kReplySize);
            // A full ring drops the oldest bytes; what comes out is what arrived, in order.
            FUZZ_ASSERT(frame.size() == kReplySize);
            for (int i = 0; i < kReplySize; ++i) {
                FUZZ_ASSERT(frame.at(i) == model.front());
                model.pop_front();
            }
            const Reply reply = decodeReply(frame, expected);
            if (reply.status == ReplyStatus::Accepted) {
                FUZZ_ASSERT(hasValidCrc(frame));
                FUZZ_ASSERT(reply.address == expected);
                FUZZ_ASSERT(quint8(frame.at(1)) == ModbusFunction::ReadHoldingRegisters);
                FUZZ_ASSERT(quint8(frame.at(2)) == 4);
                FUZZ_ASSERT(std::isfinite(reply.distanceMm) && reply.distanceMm >= 0.0f);
            } else if (reply.status != ReplyStatus::BadCrc) {
                FUZZ_ASSERT(reply.computedCrc == reply.receivedCrc);
            } else {
                FUZZ_ASSERT(!hasValidCrc(frame));
            }
        }
        FUZZ_ASSERT(ring.count() == int(model.size()));
    }
    return 0;
}
