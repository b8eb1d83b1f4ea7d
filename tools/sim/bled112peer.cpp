#include "bled112peer.h"

#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QRandomGenerator>
#include <QSocketNotifier>
#include <QTimer>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <functional>
#include <list>
#include <pty.h>
#include <termios.h>
#include <unistd.h>
#include <utility>
#include <vector>

namespace {

constexpr int LogLimit = 10000;
constexpr int WriteLogLimit = 1000;
constexpr int ReceiveLimit = 8192;
constexpr int MaxQueuedIndications = 16;

using Role = BleInstrument::Role;

enum Class : quint8 { System = 0, ConnectionClass = 3, AttClient = 4, Gap = 6 };

enum Code : int {
    Hello = System << 8 | 1,
    GetConnections = System << 8 | 6,
    Disconnect = ConnectionClass << 8 | 0,
    FindInformation = AttClient << 8 | 3,
    ReadByHandle = AttClient << 8 | 4,
    AttributeWrite = AttClient << 8 | 5,
    WriteCommand = AttClient << 8 | 6,
    IndicateConfirm = AttClient << 8 | 7,
    Discover = Gap << 8 | 2,
    ConnectDirect = Gap << 8 | 3,
    EndProcedure = Gap << 8 | 4,
    SetScanParameters = Gap << 8 | 7,
};

// Event ids.
constexpr quint8 ProtocolErrorEvent = 6; // system
constexpr quint8 StatusEvent = 0;        // connection
constexpr quint8 DisconnectedEvent = 4;  // connection
constexpr quint8 ProcedureCompleted = 1; // attclient
constexpr quint8 InformationFound = 4;   // attclient
constexpr quint8 AttributeValue = 5;     // attclient
constexpr quint8 ScanResponseEvent = 0;  // gap

constexpr quint8 NotificationType = 1;
constexpr quint8 ReadType = 0;

class Payload
{
public:
    Payload &u8(int value)
    {
        m_bytes += char(value);
        return *this;
    }
    Payload &u16(int value)
    {
        m_bytes += char(value & 0xFF);
        m_bytes += char((value >> 8) & 0xFF);
        return *this;
    }
    Payload &bytes(const QByteArray &value)
    {
        m_bytes += value;
        return *this;
    }
    Payload &array(const QByteArray &value) { return u8(int(value.size())).bytes(value); }
    const QByteArray &data() const { return m_bytes; }

private:
    QByteArray m_bytes;
};

// Reads a command's payload; complete() tells whether it had exactly the fields read.
class Reader
{
public:
    explicit Reader(const QByteArray &bytes)
        : m_bytes(bytes)
    {}
    quint8 u8()
    {
        const QByteArray one = take(1);
        return one.isEmpty() ? 0 : quint8(one.at(0));
    }
    quint16 u16()
    {
        const QByteArray two = take(2);
        return two.size() == 2 ? quint16(quint8(two[0]) | quint8(two[1]) << 8) : 0;
    }
    QByteArray take(int count)
    {
        if (m_pos + count > m_bytes.size()) {
            m_ok = false;
            return {};
        }
        const QByteArray part = m_bytes.mid(m_pos, count);
        m_pos += count;
        return part;
    }
    QByteArray array() { return take(u8()); }
    bool complete() const { return m_ok && m_pos == m_bytes.size(); }

private:
    QByteArray m_bytes;
    qsizetype m_pos = 0;
    bool m_ok = true;
};

QByteArray packet(bool event, quint8 cls, quint8 id, const QByteArray &payload)
{
    const qsizetype length = payload.size();
    QByteArray bytes;
    bytes += char((event ? 0x80 : 0x00) | ((length >> 8) & 0x07));
    bytes += char(length & 0xFF);
    bytes += char(cls);
    bytes += char(id);
    return bytes + payload;
}

bool isCccd(Role role)
{
    return role == Role::DataCccd || role == Role::UnitCccd || role == Role::StreamCccd || role == Role::Cccd;
}

template<class T> void appendCapped(QList<T> &log, const T &entry, int limit)
{
    if (log.size() >= limit)
        log.removeFirst();
    log.append(entry);
}

QString hex16(quint16 value)
{
    return QStringLiteral("0x%1").arg(value, 4, 16, QLatin1Char('0'));
}

struct Connection
{
    quint8 handle = 0;
    quint64 serial = 0;
    QByteArray address; // as on air
    quint8 addressType = 0;
    BleInstrument *instrument = nullptr; // null while nobody answers to the address
    bool established = false;
    bool closing = false; // a disconnect was asked for; the event is on its way
    bool procedureBusy = false;
    bool awaitingConfirm = false;
    QList<QByteArray> indications; // waiting for the confirmation of the one before
    QHash<quint16, quint16> cccd;
    quint16 interval = 0;
    quint16 timeout = 0;
    quint16 latency = 0;

    bool isLive() const { return established && !closing; }
    quint16 cccdOf(Role role) const { return instrument ? cccd.value(instrument->handleOf(role)) : 0; }
};

} // namespace

struct Bled112Peer::Private
{
    Bled112Peer *q = nullptr;
    int master = -1;
    int slave = -1; // kept open so the master never sees a hang-up while the program reopens
    QString slavePath;
    QString linkPath;
    QSocketNotifier *notifier = nullptr;
    QTimer readingTimer;
    QTimer scanTimer;
    QTimer partialTimer;
    QRandomGenerator random{0xB1ED112u};

    bool plugged = true;
    bool silent = false;
    bool verbose = false;
    bool stallNext = false;
    int indicationType = 5;
    int maxConnections = 8;
    int connectionLimit = 8;
    bool scanning = false;
    bool activeScan = true;
    quint64 epoch = 0; // a new one at every plug: what was scheduled before is void
    quint64 nextSerial = 1;
    QByteArray received;
    std::vector<std::unique_ptr<BleInstrument>> instruments;
    std::list<Connection> connections;
    QList<QByteArray> log;
    QHash<QString, QList<QByteArray>> writes;

    BleInstrument *instrument(const QString &address) const
    {
        for (const auto &instrument : instruments) {
            if (instrument->address() == address.toUpper())
                return instrument.get();
        }
        return nullptr;
    }

    Connection *byHandle(quint8 handle)
    {
        for (Connection &c : connections) {
            if (c.handle == handle && c.isLive())
                return &c;
        }
        return nullptr;
    }

    Connection *bySerial(quint64 serial)
    {
        for (Connection &c : connections) {
            if (c.serial == serial)
                return &c;
        }
        return nullptr;
    }

    Connection *of(const BleInstrument *instrument)
    {
        if (!instrument)
            return nullptr;
        for (Connection &c : connections) {
            if (c.instrument == instrument)
                return &c;
        }
        return nullptr;
    }

    bool connecting() const
    {
        return std::any_of(connections.cbegin(), connections.cend(),
                           [](const Connection &c) { return !c.established; });
    }

    void erase(const Connection *connection)
    {
        connections.remove_if([connection](const Connection &c) { return &c == connection; });
    }

    void later(int ms, std::function<void()> action)
    {
        QTimer::singleShot(ms, q, [this, plug = epoch, action = std::move(action)] {
            if (plug == epoch)
                action();
        });
    }

    void writeMaster(const QByteArray &bytes)
    {
        const char *data = bytes.constData();
        qsizetype size = bytes.size();
        while (size > 0) {
            const ssize_t n = ::write(master, data, size_t(size));
            if (n < 0 && errno == EINTR)
                continue;
            if (n <= 0)
                return; // a full pty nobody reads loses bytes, like the real one's buffer
            data += n;
            size -= n;
        }
    }

    void send(const QByteArray &bytes)
    {
        if (!plugged || silent)
            return;
        writeMaster(bytes);
        if (verbose)
            qInfo("BLED112 -> %s", bytes.toHex(' ').constData());
        emit q->packetSent(bytes);
    }
    void respond(int code, const Payload &payload)
    {
        send(packet(false, quint8(code >> 8), quint8(code), payload.data()));
    }
    void event(quint8 cls, quint8 id, const Payload &payload) { send(packet(true, cls, id, payload.data())); }

    void reset();
    void readMaster();
    void frame();
    void handle(const QByteArray &bytes);
    bool dispatch(int code, Reader &in);
    void connectDirect(Reader &in);
    void startConnecting(Connection &c);
    Connection *gattConnection(int code, quint8 handle);
    void runProcedure(Connection &c, std::function<void(Connection &, bool stalled)> finish);
    quint16 applyWrite(Connection &c, quint16 handle, const QByteArray &value);
    void finishDisconnect(Connection &c, quint16 reason);
    void scanRound();
    void readingTick();
    void queueIndication(Connection &c, const QByteArray &line);
    void sendIndication(Connection &c, const QByteArray &line);
};

void Bled112Peer::Private::reset()
{
    ++epoch;
    connections.clear();
    scanning = false;
    activeScan = true;
    scanTimer.stop();
    received.clear();
    partialTimer.stop();
}

void Bled112Peer::Private::readMaster()
{
    char buffer[512];
    ssize_t n;
    while ((n = ::read(master, buffer, sizeof buffer)) > 0) {
        if (!plugged)
            continue;
        received.append(buffer, n);
        if (received.size() > ReceiveLimit)
            received.clear();
    }
    if (plugged)
        frame();
}

void Bled112Peer::Private::frame()
{
    while (!received.isEmpty()) {
        // A command header: not an event, message type 0 (Bluetooth LE). Anything else is skipped.
        if (quint8(received.at(0)) & 0xF8) {
            received.remove(0, 1);
            continue;
        }
        if (received.size() < 4)
            break;
        const int length = (quint8(received.at(0)) & 0x07) << 8 | quint8(received.at(1));
        if (received.size() < 4 + length)
            break;
        const QByteArray bytes = received.left(4 + length);
        received.remove(0, 4 + length);
        handle(bytes);
    }
    if (received.isEmpty())
        partialTimer.stop();
    else
        partialTimer.start();
}

void Bled112Peer::Private::handle(const QByteArray &bytes)
{
    appendCapped(log, bytes, LogLimit);
    if (verbose)
        qInfo("BLED112 <- %s", bytes.toHex(' ').constData());
    emit q->packetReceived(bytes);
    if (silent)
        return;
    const int code = quint8(bytes.at(2)) << 8 | quint8(bytes.at(3));
    Reader in(bytes.mid(4));
    if (!dispatch(code, in))
        event(System, ProtocolErrorEvent, Payload().u16(CommandNotRecognized));
}

// Answers one command; false when the dongle does not know it.
bool Bled112Peer::Private::dispatch(int code, Reader &in)
{
    // Every command's fields are read first: a payload of another size is a protocol error.
    const auto fits = [this, &in] {
        if (in.complete())
            return true;
        event(System, ProtocolErrorEvent, Payload().u16(InvalidParameter));
        return false;
    };

    switch (code) {
    case Hello:
        if (fits())
            respond(code, Payload());
        return true;
    case GetConnections:
        if (fits())
            respond(code, Payload().u8(maxConnections));
        return true;
    case Disconnect: {
        const quint8 handle = in.u8();
        if (!fits())
            return true;
        Connection *c = byHandle(handle);
        respond(code, Payload().u8(handle).u16(c ? Success : NotConnected));
        if (!c)
            return true;
        c->closing = true;
        later(DisconnectDelayMs, [this, serial = c->serial] {
            if (Connection *c = bySerial(serial))
                finishDisconnect(*c, LocalHostTerminated);
        });
        return true;
    }
    case FindInformation: {
        const quint8 handle = in.u8();
        const quint16 start = in.u16();
        const quint16 end = in.u16();
        if (!fits())
            return true;
        Connection *c = gattConnection(code, handle);
        if (!c)
            return true;
        if (start == 0 || start > end) {
            respond(code, Payload().u8(handle).u16(InvalidParameter));
            return true;
        }
        respond(code, Payload().u8(handle).u16(Success));
        runProcedure(*c, [this, start, end](Connection &c, bool stalled) {
            quint16 last = start;
            for (const BleInstrument::Attribute &attribute : c.instrument->attributes()) {
                if (attribute.handle < start || attribute.handle > end)
                    continue;
                event(AttClient, InformationFound,
                      Payload().u8(c.handle).u16(attribute.handle).array(attribute.uuid));
                last = attribute.handle;
            }
            const quint16 result = c.instrument->attribute(start) ? Success : AttributeNotFound;
            if (!stalled)
                event(AttClient, ProcedureCompleted, Payload().u8(c.handle).u16(result).u16(last));
        });
        return true;
    }
    case ReadByHandle: {
        const quint8 handle = in.u8();
        const quint16 attributeHandle = in.u16();
        if (!fits())
            return true;
        Connection *c = gattConnection(code, handle);
        if (!c)
            return true;
        respond(code, Payload().u8(handle).u16(Success));
        runProcedure(*c, [this, attributeHandle](Connection &c, bool stalled) {
            if (stalled)
                return;
            const BleInstrument::Attribute *attribute = c.instrument->attribute(attributeHandle);
            if (!attribute) {
                event(AttClient, ProcedureCompleted,
                      Payload().u8(c.handle).u16(InvalidHandle).u16(attributeHandle));
                return;
            }
            QByteArray value = c.instrument->readValue(*attribute);
            if (isCccd(attribute->role))
                value = Payload().u16(c.cccd.value(attributeHandle)).data();
            // Success ends with the value alone: no procedure completed follows.
            event(AttClient, AttributeValue,
                  Payload().u8(c.handle).u16(attributeHandle).u8(ReadType).array(value));
        });
        return true;
    }
    case AttributeWrite:
    case WriteCommand: {
        const quint8 handle = in.u8();
        const quint16 attributeHandle = in.u16();
        const QByteArray value = in.array();
        if (!fits())
            return true;
        Connection *c = gattConnection(code, handle);
        if (!c)
            return true;
        respond(code, Payload().u8(handle).u16(Success));
        const quint16 result = applyWrite(*c, attributeHandle, value);
        if (code == AttributeWrite) {
            runProcedure(*c, [this, result, attributeHandle](Connection &c, bool stalled) {
                if (!stalled)
                    event(AttClient, ProcedureCompleted,
                          Payload().u8(c.handle).u16(result).u16(attributeHandle));
            });
        }
        return true;
    }
    case IndicateConfirm: {
        const quint8 handle = in.u8();
        if (!fits())
            return true;
        Connection *c = byHandle(handle);
        if (!c || !c->awaitingConfirm) {
            respond(code, Payload().u16(c ? WrongState : NotConnected));
            return true;
        }
        respond(code, Payload().u16(Success));
        c->awaitingConfirm = false;
        if (!c->indications.isEmpty()) {
            later(ProcedureDelayMs, [this, serial = c->serial] {
                Connection *c = bySerial(serial);
                if (c && c->isLive() && !c->awaitingConfirm && !c->indications.isEmpty())
                    sendIndication(*c, c->indications.takeFirst());
            });
        }
        return true;
    }
    case Discover: {
        const quint8 mode = in.u8();
        if (!fits())
            return true;
        quint16 result = Success;
        if (scanning || connecting())
            result = WrongState;
        else if (mode > 2)
            result = InvalidParameter;
        respond(code, Payload().u16(result));
        if (result == Success) {
            scanning = true;
            scanTimer.start(int(random.bounded(ScanRoundMinMs, ScanRoundMaxMs + 1)));
        }
        return true;
    }
    case ConnectDirect:
        connectDirect(in);
        return true;
    case EndProcedure: {
        if (!fits())
            return true;
        const bool running = scanning || connecting();
        scanning = false;
        scanTimer.stop();
        connections.remove_if([](const Connection &c) { return !c.established; });
        respond(code, Payload().u16(running ? Success : WrongState));
        return true;
    }
    case SetScanParameters: {
        const quint16 interval = in.u16();
        const quint16 window = in.u16();
        const quint8 active = in.u8();
        if (!fits())
            return true;
        const bool valid = window >= 4 && window <= interval && interval <= 0x4000;
        if (valid)
            activeScan = active != 0;
        respond(code, Payload().u16(valid ? Success : InvalidParameter));
        return true;
    }
    default:
        return false;
    }
}

void Bled112Peer::Private::connectDirect(Reader &in)
{
    const QByteArray address = in.take(6);
    const quint8 addressType = in.u8();
    const quint16 minInterval = in.u16();
    const quint16 maxInterval = in.u16();
    const quint16 timeout = in.u16();
    const quint16 latency = in.u16();
    if (!in.complete()) {
        event(System, ProtocolErrorEvent, Payload().u16(InvalidParameter));
        return;
    }
    BleInstrument *target = nullptr;
    for (const auto &instrument : instruments) {
        if (instrument->addressBytes() == address)
            target = instrument.get();
    }
    const int connected = int(std::count_if(connections.cbegin(), connections.cend(),
                                            [](const Connection &c) { return c.established; }));
    quint16 result = Success;
    if (scanning || connecting())
        result = WrongState;
    else if (addressType > 1 || minInterval < 6 || minInterval > maxInterval || maxInterval > 3200 ||
             timeout < 10 || timeout > 3200)
        result = InvalidParameter;
    else if (target && of(target))
        result = ConnectionExists;
    else if (connected >= connectionLimit)
        result = ConnectionLimitExceeded;
    quint8 handle = 0;
    while (std::any_of(connections.cbegin(), connections.cend(),
                       [handle](const Connection &c) { return c.handle == handle; }))
        ++handle;
    respond(ConnectDirect, Payload().u16(result).u8(result == Success ? handle : 0));
    if (result != Success) {
        if (result == ConnectionLimitExceeded && target)
            emit q->changed(target->address(),
                            QStringLiteral("connection refused: %1 connected").arg(connected));
        return;
    }
    Connection &c = connections.emplace_back();
    c.handle = handle;
    c.serial = nextSerial++;
    c.address = address;
    c.addressType = addressType;
    c.interval = maxInterval;
    c.timeout = timeout;
    c.latency = latency;
    // The radio finds the instrument only at its own address type.
    if (target && target->addressType() == addressType) {
        c.instrument = target;
        startConnecting(c);
    }
}

void Bled112Peer::Private::startConnecting(Connection &c)
{
    later(ConnectDelayMs, [this, serial = c.serial] {
        Connection *c = bySerial(serial);
        if (!c || c->established || !c->instrument)
            return;
        c->established = true;
        event(ConnectionClass, StatusEvent,
              Payload()
                  .u8(c->handle)
                  .u8(0x05) // connected, completed
                  .bytes(c->address)
                  .u8(c->addressType)
                  .u16(c->interval)
                  .u16(c->timeout)
                  .u16(c->latency)
                  .u8(0xFF)); // no bonding
        emit q->changed(c->instrument->address(), QStringLiteral("connected as %1").arg(c->handle));
    });
}

// The connection a GATT command names, or null after answering that it has none.
Connection *Bled112Peer::Private::gattConnection(int code, quint8 handle)
{
    Connection *c = byHandle(handle);
    const bool free = code == WriteCommand || (c && !c->procedureBusy);
    if (c && free)
        return c;
    respond(code, Payload().u8(handle).u16(c ? WrongState : NotConnected));
    return nullptr;
}

void Bled112Peer::Private::runProcedure(Connection &c, std::function<void(Connection &, bool)> finish)
{
    c.procedureBusy = true;
    const bool stalled = std::exchange(stallNext, false);
    later(ProcedureDelayMs, [this, serial = c.serial, stalled, finish = std::move(finish)] {
        Connection *c = bySerial(serial);
        if (!c || !c->isLive())
            return;
        c->procedureBusy = false;
        finish(*c, stalled);
    });
}

quint16 Bled112Peer::Private::applyWrite(Connection &c, quint16 handle, const QByteArray &value)
{
    BleInstrument *instrument = c.instrument;
    const BleInstrument::Attribute *attribute = instrument->attribute(handle);
    if (!attribute)
        return InvalidHandle;
    if (isCccd(attribute->role)) {
        if (value.size() != 2)
            return InvalidValueLength;
        const quint16 bits = quint16(quint8(value[0]) | quint8(value[1]) << 8);
        c.cccd.insert(handle, bits);
        if (attribute->role == Role::DataCccd)
            emit q->changed(instrument->address(), bits ? QStringLiteral("subscribed (%1)").arg(bits)
                                                        : QStringLiteral("unsubscribed"));
        return Success;
    }
    if (attribute->role != Role::Command)
        return WriteNotPermitted;
    appendCapped(writes[instrument->address()], value, WriteLogLimit);
    const BleInstrument::CommandEffect effect = instrument->command(value);
    if (!effect.change.isEmpty())
        emit q->changed(instrument->address(), effect.change);
    if (!effect.unitLine.isEmpty()) {
        later(ProcedureDelayMs, [this, serial = c.serial, line = effect.unitLine] {
            Connection *c = bySerial(serial);
            if (c && c->isLive() && (c->cccdOf(Role::UnitCccd) & 1))
                event(AttClient, AttributeValue,
                      Payload()
                          .u8(c->handle)
                          .u16(c->instrument->handleOf(Role::Unit))
                          .u8(NotificationType)
                          .array(line));
        });
    }
    return Success;
}

void Bled112Peer::Private::finishDisconnect(Connection &c, quint16 reason)
{
    event(ConnectionClass, DisconnectedEvent, Payload().u8(c.handle).u16(reason));
    if (c.instrument)
        emit q->changed(c.instrument->address(),
                        QStringLiteral("disconnected, reason %1").arg(hex16(reason)));
    erase(&c);
}

void Bled112Peer::Private::scanRound()
{
    if (!scanning)
        return;
    for (const auto &instrument : instruments) {
        if (of(instrument.get()))
            continue; // a connected instrument no longer advertises
        const int rssi = instrument->rssi() + int(random.bounded(5)) - 2;
        const auto report = [&](quint8 packetType, const QByteArray &data) {
            event(Gap, ScanResponseEvent,
                  Payload()
                      .u8(rssi)
                      .u8(packetType)
                      .bytes(instrument->addressBytes())
                      .u8(instrument->addressType())
                      .u8(0xFF)
                      .array(data));
        };
        report(0, instrument->advertisingData()); // connectable undirected advertising
        if (activeScan)
            report(4, instrument->scanResponseData());
    }
    scanTimer.start(int(random.bounded(ScanRoundMinMs, ScanRoundMaxMs + 1)));
}

void Bled112Peer::Private::readingTick()
{
    if (!plugged || silent)
        return;
    for (Connection &c : connections) {
        if (!c.isLive())
            continue;
        BleInstrument *instrument = c.instrument;
        const quint16 data = c.cccdOf(Role::DataCccd);
        if (!instrument->isSylvac()) {
            if (data & 1)
                event(AttClient, AttributeValue,
                      Payload()
                          .u8(c.handle)
                          .u16(instrument->handleOf(Role::Data))
                          .u8(NotificationType)
                          .array(instrument->velkorPacket()));
            continue;
        }
        if (c.cccdOf(Role::StreamCccd) & 1)
            event(AttClient, AttributeValue,
                  Payload()
                      .u8(c.handle)
                      .u16(instrument->handleOf(Role::Stream))
                      .u8(NotificationType)
                      .array(instrument->streamValue()));
        if (!(data & 3) || !instrument->buttonPending())
            continue;
        const QByteArray line = instrument->takeButtonLine();
        if (data & 2)
            queueIndication(c, line);
        else
            event(AttClient, AttributeValue,
                  Payload()
                      .u8(c.handle)
                      .u16(instrument->handleOf(Role::Data))
                      .u8(NotificationType)
                      .array(line));
    }
}

void Bled112Peer::Private::queueIndication(Connection &c, const QByteArray &line)
{
    if (!c.awaitingConfirm && c.indications.isEmpty())
        sendIndication(c, line);
    else if (c.indications.size() < MaxQueuedIndications)
        c.indications.append(line);
}

void Bled112Peer::Private::sendIndication(Connection &c, const QByteArray &line)
{
    event(AttClient, AttributeValue,
          Payload().u8(c.handle).u16(c.instrument->handleOf(Role::Data)).u8(indicationType).array(line));
    // An ATT server sends no further indication before the last one is confirmed.
    c.awaitingConfirm = indicationType == 5;
}

Bled112Peer::Bled112Peer(QObject *parent)
    : QObject(parent)
    , d(std::make_unique<Private>())
{
    d->q = this;
    char name[256] = {};
    termios raw{};
    cfmakeraw(&raw);
    if (openpty(&d->master, &d->slave, name, &raw, nullptr) != 0) {
        qWarning("Bled112Peer: openpty failed: %s", strerror(errno));
        d->master = d->slave = -1;
        return;
    }
    d->slavePath = QString::fromLocal8Bit(name);
    tcsetattr(d->master, TCSANOW, &raw);
    fcntl(d->master, F_SETFL, fcntl(d->master, F_GETFL) | O_NONBLOCK);
    fcntl(d->master, F_SETFD, FD_CLOEXEC);
    fcntl(d->slave, F_SETFD, FD_CLOEXEC);

    d->notifier = new QSocketNotifier(d->master, QSocketNotifier::Read, this);
    connect(d->notifier, &QSocketNotifier::activated, this, [this] { d->readMaster(); });
    d->scanTimer.setSingleShot(true);
    connect(&d->scanTimer, &QTimer::timeout, this, [this] { d->scanRound(); });
    d->partialTimer.setSingleShot(true);
    d->partialTimer.setInterval(PartialPacketTimeoutMs);
    connect(&d->partialTimer, &QTimer::timeout, this, [this] {
        d->received.clear();
        d->event(System, ProtocolErrorEvent, Payload().u16(CommandTimeout));
    });
    connect(&d->readingTimer, &QTimer::timeout, this, [this] { d->readingTick(); });
    d->readingTimer.start(ReadingIntervalMs);
}

Bled112Peer::~Bled112Peer()
{
    unlink();
    delete d->notifier;
    for (int fd : {d->master, d->slave}) {
        if (fd >= 0)
            ::close(fd);
    }
}

bool Bled112Peer::isOpen() const
{
    return d->master >= 0;
}

QString Bled112Peer::slavePath() const
{
    return d->slavePath;
}

QString Bled112Peer::link(const QString &linkPath)
{
    unlink();
    const QFileInfo existing(linkPath);
    if (existing.isSymLink())
        QFile::remove(linkPath); // left by an earlier run
    else if (existing.exists())
        return QString();
    if (d->slavePath.isEmpty() || !QFile::link(d->slavePath, linkPath))
        return QString();
    d->linkPath = linkPath;
    d->plugged = true;
    d->reset();
    return linkPath;
}

void Bled112Peer::unlink()
{
    if (d->linkPath.isEmpty())
        return;
    // A newer dongle may have taken the name over meanwhile; its link is not ours to remove.
    if (QFile::symLinkTarget(d->linkPath) == d->slavePath)
        QFile::remove(d->linkPath);
    d->linkPath.clear();
    d->plugged = false;
    d->reset();
}

QString Bled112Peer::linkPath() const
{
    return d->linkPath;
}

void Bled112Peer::addInstrument(const QString &address, const QString &name, BleKind kind, int rssi)
{
    if (!BleInstrument::isValidAddress(address)) {
        qWarning("Bled112Peer: \"%s\" is not a Bluetooth address", qPrintable(address));
        return;
    }
    auto instrument = std::make_unique<BleInstrument>(address, name, kind, rssi);
    BleInstrument *added = instrument.get();
    for (auto &existing : d->instruments) {
        if (existing->address() == added->address()) {
            if (Connection *c = d->of(existing.get())) {
                if (c->established)
                    d->finishDisconnect(*c, SupervisionTimeout);
                else
                    c->instrument = nullptr; // taken up again below
            }
            existing = std::move(instrument);
            break;
        }
    }
    if (instrument)
        d->instruments.push_back(std::move(instrument));
    // A connection already waiting for this address gets it, as when an instrument comes within reach.
    for (Connection &c : d->connections) {
        if (!c.established && !c.instrument && c.address == added->addressBytes() &&
            c.addressType == added->addressType()) {
            c.instrument = added;
            d->startConnecting(c);
        }
    }
}

QStringList Bled112Peer::addresses() const
{
    QStringList list;
    for (const auto &instrument : d->instruments)
        list.append(instrument->address());
    return list;
}

QStringList Bled112Peer::descriptions() const
{
    QStringList lines;
    for (const auto &instrument : d->instruments)
        lines.append(instrument->description());
    return lines;
}

void Bled112Peer::setValue(const QString &address, double mm)
{
    if (BleInstrument *instrument = d->instrument(address))
        instrument->setValue(mm);
    else
        qWarning("Bled112Peer: no instrument at %s", qPrintable(address));
}

void Bled112Peer::pressButton(const QString &address)
{
    if (BleInstrument *instrument = d->instrument(address))
        instrument->pressButton();
}

void Bled112Peer::setCalibrationDate(const QString &address, const QDate &date)
{
    if (BleInstrument *instrument = d->instrument(address))
        instrument->setCalibrationDate(date);
}

void Bled112Peer::setMaxConnections(int reported)
{
    d->maxConnections = qBound(0, reported, 255);
}

void Bled112Peer::setConnectionLimit(int accepted)
{
    d->connectionLimit = qMax(0, accepted);
}

void Bled112Peer::dropConnection(const QString &address)
{
    Connection *c = d->of(d->instrument(address));
    if (c && c->isLive())
        d->finishDisconnect(*c, SupervisionTimeout);
}

void Bled112Peer::setSilent(bool silent)
{
    d->silent = silent;
}

void Bled112Peer::setStallNextProcedure(bool stall)
{
    d->stallNext = stall;
}

void Bled112Peer::setIndicationType(int type)
{
    d->indicationType = type == 2 ? 2 : 5;
}

void Bled112Peer::sendRaw(const QByteArray &bytes)
{
    if (d->plugged)
        d->writeMaster(bytes);
}

void Bled112Peer::setVerbose(bool verbose)
{
    d->verbose = verbose;
}

QList<QByteArray> Bled112Peer::commands() const
{
    return d->log;
}

void Bled112Peer::clearLog()
{
    d->log.clear();
    d->writes.clear();
}

bool Bled112Peer::isScanning() const
{
    return d->scanning;
}

int Bled112Peer::connectionCount() const
{
    return int(std::count_if(d->connections.cbegin(), d->connections.cend(),
                             [](const Connection &c) { return c.isLive(); }));
}

QStringList Bled112Peer::connectedAddresses() const
{
    QStringList list;
    for (const Connection &c : d->connections) {
        if (c.isLive())
            list.append(c.instrument->address());
    }
    return list;
}

bool Bled112Peer::isSubscribed(const QString &address) const
{
    const Connection *c = d->of(d->instrument(address));
    return c && c->isLive() && c->cccdOf(Role::DataCccd) != 0;
}

QList<QByteArray> Bled112Peer::instrumentWrites(const QString &address) const
{
    return d->writes.value(address.toUpper());
}
