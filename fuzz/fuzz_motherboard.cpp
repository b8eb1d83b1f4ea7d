// The controller board of the height gauge and the measuring stand: its receive ring and frame parser, fed
// the way the windows feed it (every received byte, then RxData after each batch).
#include "fuzzsupport.h"

#include "modules/motherboard.h"

#include <cmath>

using FuzzSupport::Reader;

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    FuzzSupport::silenceQt();
    FuzzSupport::ensureApplication();
    return 0;
}

// Input: batches as [RxData calls][length][bytes]. A length byte with the top bit set builds a frame from
// the bytes with a correct check byte, so parsing gets past the CRC.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    Reader in(data, size);
    MotherBoard board;
    int frames = 0;
    QObject::connect(&board, &MotherBoard::UpdateValue, [&frames](double) { ++frames; });
    QObject::connect(&board, &MotherBoard::UpdateDevozorValue,
                     [&frames](double, double, uint8_t, bool, quint32) { ++frames; });
    qint64 fed = 0;
    while (!in.atEnd()) {
        const int calls = in.byte() % 8;
        const uint8_t length = in.byte();
        QByteArray batch;
        if (length & 0x80) {
            static const uint8_t headers[] = {MotherBoard::kHeaderValue, MotherBoard::kHeaderValueAndUnit,
                                              MotherBoard::kHeaderCombined};
            static const int payloads[] = {8, 9, 29};
            const int kind = length % 3;
            batch.append(char(headers[kind]));
            batch += in.bytes(payloads[kind]).leftJustified(1 + payloads[kind], '\0');
            batch.append(char(MotherBoard::calc_crc_(batch)));
        } else {
            batch = in.bytes(length);
        }
        for (const char byte : batch) {
            board.AddByteToBuffer(uint8_t(byte));
            // However long nobody parses, the ring never holds more than it has room for.
            FUZZ_ASSERT(board.bufferedBytes() >= 0 && board.bufferedBytes() <= MotherBoard::kRingSize);
        }
        fed += batch.size();
        for (int i = 0; i < calls; ++i) {
            const int before = board.bufferedBytes();
            board.RxData();
            FUZZ_ASSERT(board.bufferedBytes() <= before);
            FUZZ_ASSERT(board.bufferedBytes() >= 0);
        }
        // Every frame takes at least ten bytes of what arrived.
        FUZZ_ASSERT(qint64(frames) * 10 <= fed);
        FUZZ_ASSERT(board.GetCurrentBoardUint() == MotherBoard::UnitMillimetres ||
                    board.GetCurrentBoardUint() == MotherBoard::UnitInches);
    }
    // Draining: repeated parsing ends with the ring empty or one unfinished frame waiting.
    for (int i = 0; i < MotherBoard::kRingSize + 1 && board.bufferedBytes() > 0; ++i)
        board.RxData();
    FUZZ_ASSERT(board.bufferedBytes() < 31);
    return 0;
}
