// The BLED112 dongle's serial stream: the framer that cuts it into packets and the parsers of the events and
// responses the dongle link reads.
#include "fuzzsupport.h"

#include "links/dongle/bgapi.h"

#include <QBluetoothUuid>

using FuzzSupport::Reader;

namespace {

// Runs one parser on a payload and checks that a refusal leaves the output exactly as it was.
template<typename Event, typename Same>
bool parseChecked(const QByteArray &payload, const Event &sentinel, Same same, Event &out)
{
    out = sentinel;
    const bool ok = Bgapi::parse(payload, out);
    if (!ok)
        FUZZ_ASSERT(same(out, sentinel));
    return ok;
}

void checkPayload(const Bgapi::Packet &packet)
{
    const QByteArray &payload = packet.payload;
    FUZZ_ASSERT(payload.size() <= Bgapi::kMaxPayload);

    Bgapi::ConnectionStatus status;
    const Bgapi::ConnectionStatus statusSentinel{7, 9, QByteArrayLiteral("sentry"), 3};
    if (parseChecked(
            payload, statusSentinel,
            [](const auto &a, const auto &b) {
                return a.connection == b.connection && a.flags == b.flags && a.address == b.address &&
                       a.addressType == b.addressType;
            },
            status)) {
        FUZZ_ASSERT(status.address.size() == 6);
        // Text and back: the address the link shows is the address it connects to.
        QByteArray address;
        quint8 type = 0;
        FUZZ_ASSERT(Bgapi::parseAddress(Bgapi::addressText(status.address), address, type));
        FUZZ_ASSERT(address == status.address);
    }

    Bgapi::Disconnected disconnected;
    parseChecked(
        payload, Bgapi::Disconnected{5, 0xBEEF},
        [](const auto &a, const auto &b) { return a.connection == b.connection && a.reason == b.reason; },
        disconnected);

    Bgapi::ProcedureCompleted completed;
    parseChecked(
        payload, Bgapi::ProcedureCompleted{5, 0xBEEF, 0xCAFE},
        [](const auto &a, const auto &b) {
            return a.connection == b.connection && a.result == b.result && a.handle == b.handle;
        },
        completed);

    Bgapi::InformationFound found;
    if (parseChecked(
            payload, Bgapi::InformationFound{5, 0xBEEF, QByteArrayLiteral("uuid")},
            [](const auto &a, const auto &b) {
                return a.connection == b.connection && a.handle == b.handle && a.uuid == b.uuid;
            },
            found)) {
        FUZZ_ASSERT(found.uuid.size() == quint8(payload.at(3)));
        FUZZ_ASSERT(found.uuid.size() <= payload.size() - 4);
        const bool cccd = Bgapi::isCccd(found.uuid);
        FUZZ_ASSERT(cccd == Bgapi::uuidMatches(found.uuid, QBluetoothUuid(quint16(0x2902))));
        Bgapi::uuidMatches(found.uuid,
                           QBluetoothUuid(QStringLiteral("f000aa11-0451-4000-b000-000000000000")));
    }

    Bgapi::AttributeValue value;
    if (parseChecked(
            payload, Bgapi::AttributeValue{5, 0xBEEF, 9, QByteArrayLiteral("value")},
            [](const auto &a, const auto &b) {
                return a.connection == b.connection && a.handle == b.handle && a.type == b.type &&
                       a.value == b.value;
            },
            value)) {
        FUZZ_ASSERT(value.value.size() == quint8(payload.at(4)));
        FUZZ_ASSERT(value.value == payload.mid(5, value.value.size()));
    }

    Bgapi::ScanResponse scan;
    const Bgapi::ScanResponse scanSentinel{-3, 9, QByteArrayLiteral("sentry"), 4, QByteArrayLiteral("adv")};
    if (parseChecked(
            payload, scanSentinel,
            [](const auto &a, const auto &b) {
                return a.rssi == b.rssi && a.packetType == b.packetType && a.address == b.address &&
                       a.addressType == b.addressType && a.data == b.data;
            },
            scan)) {
        FUZZ_ASSERT(scan.address.size() == 6);
        FUZZ_ASSERT(scan.data.size() == quint8(payload.at(10)));
        // The name is cut from the advertising data, so it can never be longer.
        FUZZ_ASSERT(Bgapi::advertisedName(scan.data).size() < qMax<qsizetype>(scan.data.size(), 1));
    }

    quint16 result = 0x1234;
    if (!Bgapi::parseResult(payload, result))
        FUZZ_ASSERT(result == 0x1234);
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    FuzzSupport::silenceQt();
    return 0;
}

// Input: the stream as [chunk length][chunk bytes] pieces, the way serial reads split it.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    Reader in(data, size);
    Bgapi::Framer framer;
    qsizetype appended = 0;
    qsizetype consumed = 0;
    QByteArray stream;
    while (!in.atEnd()) {
        const QByteArray chunk = in.bytes(1 + in.byte() % 64);
        framer.append(chunk);
        stream += chunk;
        appended += chunk.size();
        Bgapi::Packet packet;
        while (framer.next(packet)) {
            // The packet is the stream's next bytes, nothing skipped, nothing invented.
            const QByteArray raw = stream.mid(consumed, Bgapi::kHeaderSize + packet.payload.size());
            FUZZ_ASSERT(quint8(raw.at(2)) == packet.cls && quint8(raw.at(3)) == packet.id);
            FUZZ_ASSERT(raw.mid(Bgapi::kHeaderSize) == packet.payload);
            FUZZ_ASSERT(packet.event == bool(quint8(raw.at(0)) & 0x80));
            consumed += raw.size();
            checkPayload(packet);
        }
        // What stays is one unfinished packet at most.
        FUZZ_ASSERT(framer.pending() == appended - consumed);
        FUZZ_ASSERT(framer.pending() < Bgapi::kHeaderSize + Bgapi::kMaxPayload);
    }

    // Addresses typed or stored as text.
    QByteArray address;
    quint8 type = 0;
    const QString text = QString::fromLatin1(stream.left(64));
    if (Bgapi::parseAddress(text, address, type)) {
        FUZZ_ASSERT(address.size() == 6 && type <= 1);
        QByteArray again;
        quint8 againType = 0;
        FUZZ_ASSERT(Bgapi::parseAddress(Bgapi::addressText(address), again, againType));
        FUZZ_ASSERT(again == address && againType == type);
    }
    return 0;
}
