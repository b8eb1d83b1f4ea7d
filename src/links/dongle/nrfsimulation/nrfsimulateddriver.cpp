#include "nrfsimulateddriver.h"

#include <QHash>
#include <QRandomGenerator>
#include <QUuid>
#include <QtEndian>

#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <deque>
#include <functional>
#include <map>
#include <mutex>
#include <thread>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;
using Instrument = NrfSimInstrument;
using InstrumentPtr = std::shared_ptr<NrfSimInstrument>;
using Role = NrfSimInstrument::Role;

// Results of the library and the SoftDevice.
constexpr quint32 NoMemory = 0x04;
constexpr quint32 InvalidParameter = 0x07;
constexpr quint32 DataSize = 0x0C;
constexpr quint32 Busy = 0x11;
constexpr quint32 ConnectionCount = 0x12;
constexpr quint32 NotEnabled = 0x3001;
constexpr quint32 InvalidConnection = 0x3002;
constexpr quint32 InvalidAttribute = 0x3003;
constexpr quint32 InvalidAddress = 0x3202;
constexpr quint32 UnknownAdapter = 0x8004;
constexpr quint32 NotOpen = 0x8006;
constexpr quint32 AlreadyOpen = 0x8017;

// ATT statuses the peers answer with.
constexpr quint16 AttInvalidHandle = 0x0101;
constexpr quint16 AttWriteNotPermitted = 0x0103;
constexpr quint16 AttNotFound = 0x010A;
constexpr quint16 AttInvalidLength = 0x010D;
constexpr quint16 AttCccdImproperlyConfigured = 0x01FD;

// HCI reasons.
constexpr quint8 SupervisionTimeout = 0x08;
constexpr quint8 RemoteUserTerminated = 0x13;
constexpr quint8 LocalHostTerminated = 0x16;
constexpr quint8 UnacceptableInterval = 0x3B;

// The library's status codes and log severities.
constexpr int ResetPerformed = 6;
constexpr int ConnectionActive = 7;
constexpr int LogInfo = 2;

constexpr quint8 FirmwareCentralRoles = 12;
constexpr quint8 SoftDeviceCentralRoles = 20;
constexpr quint8 DefaultCentralRoles = 3; // the SoftDevice's own when none is configured
constexpr int VendorUuidSlots = 10;
constexpr quint16 DefaultMtu = 23;
constexpr quint16 PeerMtu = 247;
// A peer waits this long for the confirmation of an indication, then gives the link up.
constexpr int IndicationTimeoutMs = 30000;

int between(int low, int high)
{
    return QRandomGenerator::global()->bounded(low, high + 1);
}

bool validScan(const Nrf::ScanParameters &scan)
{
    return scan.interval >= 4 && scan.interval <= 0x4000 && scan.window >= 4 && scan.window <= scan.interval;
}

bool validConnection(const Nrf::ConnectionParameters &p)
{
    return p.minInterval >= 6 && p.minInterval <= p.maxInterval && p.maxInterval <= 3200 &&
           p.latency <= 499 && p.supervisionTimeout >= 10 && p.supervisionTimeout <= 3200 &&
           p.supervisionTimeout * 4 > (1 + p.latency) * p.maxInterval;
}

Nrf::Event event(quint16 id, quint16 connHandle = Nrf::NoConnection)
{
    Nrf::Event e;
    e.id = id;
    e.connHandle = connHandle;
    return e;
}

} // namespace

class NrfSimulatedDriver::Private
{
public:
    struct AdapterState;

    struct Connection
    {
        AdapterState *adapter = nullptr;
        quint16 handle = 0;
        quint64 serial = 0;
        InstrumentPtr instrument;
        QHash<quint16, quint16> cccds; // by descriptor handle
        quint16 mtu = DefaultMtu;
        quint16 mtuRequest = 0;          // the peer's, not yet answered
        bool requestOutstanding = false; // ATT allows one request at a time
        bool disconnecting = false;
        bool rssiReports = false;
        qint8 lastRssi = 0;
        quint16 indicationHandle = 0; // sent and not yet confirmed
        quint64 indicationSerial = 0;
        QList<QByteArray> waitingLines;
    };

    // Scheduled work names a connection this way and finds it gone when it has ended.
    struct Ref
    {
        AdapterState *adapter;
        quint16 handle;
        quint64 serial;
    };

    struct AdapterState
    {
        QString port;
        bool open = false;
        StatusHandler status;
        EventHandler events;
        LogHandler log;
        int logFilter = 0;
        quint8 configuredRoles = DefaultCentralRoles;
        bool enabled = false;
        quint8 roles = 0;
        QList<std::array<quint8, 16>> vendorBases;
        bool scanning = false;
        bool activeScan = true;
        quint64 scanSerial = 0;
        bool connecting = false;
        Nrf::Address target;
        quint64 connectSerial = 0;
        std::map<quint16, Connection> connections;
    };

    struct Delivery
    {
        enum { Event, Status, Log } kind;
        AdapterState *adapter;
        Nrf::Event event;
        int code = 0;
        QString message;
    };

    void stop();
    void run();
    std::function<void()> handOver(Delivery &delivery);
    void schedule(int ms, std::function<void()> task);
    void later(const Ref &ref, int ms, std::function<void(Connection &)> task);
    void post(AdapterState *a, const Nrf::Event &e);
    void postStatus(AdapterState *a, int code, const QString &message);
    void postLog(AdapterState *a, int severity, const QString &message);
    quint32 record(Adapter adapter, const QString &call, quint32 result);

    AdapterState *find(Adapter adapter) const;
    AdapterState *ready(Adapter adapter, quint32 *result, bool needEnabled = true) const;
    Connection *connection(Adapter adapter, quint16 handle, quint32 *result) const;
    Connection *alive(const Ref &ref) const;
    static Ref refOf(const Connection &c) { return {c.adapter, c.handle, c.serial}; }
    Connection *connectionOf(const Instrument &instrument) const;
    InstrumentPtr instrumentAt(const QString &address) const;
    bool inReach(const InstrumentPtr &instrument) const;
    void shutDown(AdapterState *a);

    Nrf::Uuid resolve(const AdapterState &a, const QByteArray &uuid) const;
    QByteArray compose(const AdapterState &a, const Nrf::Uuid &uuid) const;
    Nrf::Event services(const Connection &c, quint16 start, const QByteArray &wanted) const;
    Nrf::Event characteristics(const Connection &c, quint16 start, quint16 end) const;
    Nrf::Event descriptors(const Connection &c, quint16 start, quint16 end) const;
    void respond(Connection &c, const Nrf::Event &response);
    void request(Connection *c, quint32 *result, bool valid, const std::function<Nrf::Event()> &answer);
    void peerWrite(Connection &c, bool withResponse, quint16 handle, const QByteArray &value);

    void advertise(AdapterState *a, quint64 scan, const InstrumentPtr &instrument);
    void tryConnect(AdapterState *a, quint64 attempt);
    void establish(AdapterState *a, const InstrumentPtr &instrument);
    void endConnection(Connection &c, quint8 reason);
    void sendReadings(Connection &c);
    void reportRssi(Connection &c);
    void askForParameters(Connection &c);
    quint16 cccd(const Connection &c, Role role) const;
    void notify(Connection &c, quint16 handle, const QByteArray &value);
    void indicate(Connection &c, const QByteArray &line);
    void sendIndication(Connection &c);
    void press(Instrument &instrument);
    void pressButtonsNowAndThen();

    mutable std::mutex mutex;
    std::condition_variable wake;
    std::thread worker;
    bool stopping = false;
    std::multimap<Clock::time_point, std::function<void()>> tasks;
    std::deque<Delivery> outbox;
    std::vector<std::unique_ptr<AdapterState>> adapters;
    std::vector<InstrumentPtr> instruments;
    QStringList calls;
    quint64 serial = 0; // one counter for everything, so that no stale task matches a newer object
    quint8 maxCentralRoles = FirmwareCentralRoles;
    bool alreadyEnabled = false;
    quint8 previousRoles = DefaultCentralRoles;
    bool pressingButtons = true;
};

// --- the worker --------------------------------------------------------------------------------------------

void NrfSimulatedDriver::Private::stop()
{
    {
        std::lock_guard lock(mutex);
        stopping = true;
    }
    wake.notify_all();
    if (worker.joinable())
        worker.join();
}

// Events first, in the order they were posted, each handed over without our lock; then whatever is due.
void NrfSimulatedDriver::Private::run()
{
    std::unique_lock lock(mutex);
    while (!stopping) {
        if (!outbox.empty()) {
            Delivery delivery = std::move(outbox.front());
            outbox.pop_front();
            if (std::function<void()> call = handOver(delivery)) {
                lock.unlock();
                call();
                lock.lock();
            }
            continue;
        }
        if (tasks.empty()) {
            wake.wait(lock);
            continue;
        }
        const auto first = tasks.begin();
        if (first->first > Clock::now()) {
            wake.wait_until(lock, first->first);
            continue;
        }
        std::function<void()> task = std::move(first->second);
        tasks.erase(first);
        task();
    }
}

std::function<void()> NrfSimulatedDriver::Private::handOver(Delivery &delivery)
{
    AdapterState *a = delivery.adapter;
    if (!find(a) || !a->open)
        return {};
    switch (delivery.kind) {
    case Delivery::Event:
        if (a->events)
            return [handler = a->events, a, e = std::move(delivery.event)] { handler(a, e); };
        break;
    case Delivery::Status:
        if (a->status)
            return [handler = a->status, a, code = delivery.code, text = delivery.message] {
                handler(a, code, text);
            };
        break;
    case Delivery::Log:
        if (a->log)
            return [handler = a->log, a, code = delivery.code, text = delivery.message] {
                handler(a, code, text);
            };
        break;
    }
    return {};
}

void NrfSimulatedDriver::Private::schedule(int ms, std::function<void()> task)
{
    tasks.emplace(Clock::now() + std::chrono::milliseconds(ms), std::move(task));
    wake.notify_one();
}

void NrfSimulatedDriver::Private::later(const Ref &ref, int ms, std::function<void(Connection &)> task)
{
    schedule(ms, [this, ref, task = std::move(task)] {
        Connection *c = alive(ref);
        if (c && !c->disconnecting)
            task(*c);
    });
}

void NrfSimulatedDriver::Private::post(AdapterState *a, const Nrf::Event &e)
{
    outbox.push_back({Delivery::Event, a, e, 0, QString()});
    wake.notify_one();
}

void NrfSimulatedDriver::Private::postStatus(AdapterState *a, int code, const QString &message)
{
    outbox.push_back({Delivery::Status, a, {}, code, message});
    wake.notify_one();
}

void NrfSimulatedDriver::Private::postLog(AdapterState *a, int severity, const QString &message)
{
    if (severity < a->logFilter)
        return;
    outbox.push_back({Delivery::Log, a, {}, severity, message});
    wake.notify_one();
}

quint32 NrfSimulatedDriver::Private::record(Adapter adapter, const QString &call, quint32 result)
{
    const AdapterState *a = find(adapter);
    QString line = (a ? a->port : QStringLiteral("?")) + QStringLiteral(": ") + call;
    if (result != Nrf::Success)
        line += QStringLiteral(" -> 0x%1").arg(result, 0, 16);
    calls.append(line);
    return result;
}

// --- lookups -----------------------------------------------------------------------------------------------

NrfSimulatedDriver::Private::AdapterState *NrfSimulatedDriver::Private::find(Adapter adapter) const
{
    for (const auto &a : adapters) {
        if (a.get() == adapter)
            return a.get();
    }
    return nullptr;
}

NrfSimulatedDriver::Private::AdapterState *
NrfSimulatedDriver::Private::ready(Adapter adapter, quint32 *result, bool needEnabled) const
{
    AdapterState *a = find(adapter);
    *result = !a                           ? UnknownAdapter
              : !a->open                   ? NotOpen
              : needEnabled && !a->enabled ? NotEnabled
                                           : Nrf::Success;
    return *result == Nrf::Success ? a : nullptr;
}

NrfSimulatedDriver::Private::Connection *
NrfSimulatedDriver::Private::connection(Adapter adapter, quint16 handle, quint32 *result) const
{
    AdapterState *a = ready(adapter, result);
    if (!a)
        return nullptr;
    const auto it = a->connections.find(handle);
    if (it == a->connections.end()) {
        *result = InvalidConnection;
        return nullptr;
    }
    return &it->second;
}

NrfSimulatedDriver::Private::Connection *NrfSimulatedDriver::Private::alive(const Ref &ref) const
{
    if (!find(ref.adapter))
        return nullptr;
    const auto it = ref.adapter->connections.find(ref.handle);
    return it != ref.adapter->connections.end() && it->second.serial == ref.serial ? &it->second : nullptr;
}

NrfSimulatedDriver::Private::Connection *
NrfSimulatedDriver::Private::connectionOf(const Instrument &instrument) const
{
    for (const auto &a : adapters) {
        for (auto &[handle, c] : a->connections) {
            if (c.instrument.get() == &instrument)
                return &c;
        }
    }
    return nullptr;
}

InstrumentPtr NrfSimulatedDriver::Private::instrumentAt(const QString &address) const
{
    Instrument::Address bytes;
    if (!Instrument::parseAddress(address, &bytes))
        return {};
    for (const InstrumentPtr &instrument : instruments) {
        if (instrument->address() == bytes)
            return instrument;
    }
    return {};
}

bool NrfSimulatedDriver::Private::inReach(const InstrumentPtr &instrument) const
{
    return std::find(instruments.cbegin(), instruments.cend(), instrument) != instruments.cend();
}

// Nothing more reaches the handlers; the instruments connected through it are free again.
void NrfSimulatedDriver::Private::shutDown(AdapterState *a)
{
    a->open = false;
    a->status = nullptr;
    a->events = nullptr;
    a->log = nullptr;
    a->enabled = false;
    a->configuredRoles = DefaultCentralRoles;
    a->vendorBases.clear();
    a->scanning = false;
    a->connecting = false;
    a->connections.clear();
    outbox.erase(std::remove_if(outbox.begin(), outbox.end(),
                                [a](const Delivery &delivery) { return delivery.adapter == a; }),
                 outbox.end());
}

// --- the attribute protocol, as the peer answers it
// ---------------------------------------------------------

// A 128-bit UUID is of a vendor type when its base was registered: every byte but 12 and 13 the same.
Nrf::Uuid NrfSimulatedDriver::Private::resolve(const AdapterState &a, const QByteArray &uuid) const
{
    if (uuid.size() == 2)
        return {qFromLittleEndian<quint16>(uuid.constData()), Nrf::UuidType::Sig};
    for (int i = 0; i < a.vendorBases.size(); ++i) {
        bool same = true;
        for (int k = 0; k < 16 && same; ++k)
            same = k == 12 || k == 13 || quint8(uuid.at(k)) == a.vendorBases[i][k];
        if (same)
            return {qFromLittleEndian<quint16>(uuid.constData() + 12),
                    quint8(Nrf::UuidType::VendorBegin + i)};
    }
    return {0, Nrf::UuidType::Unknown};
}

QByteArray NrfSimulatedDriver::Private::compose(const AdapterState &a, const Nrf::Uuid &uuid) const
{
    if (uuid.type == Nrf::UuidType::Sig)
        return Instrument::uuid16(uuid.uuid);
    const int index = int(uuid.type) - Nrf::UuidType::VendorBegin;
    if (uuid.type < Nrf::UuidType::VendorBegin || index >= a.vendorBases.size())
        return {};
    QByteArray bytes(reinterpret_cast<const char *>(a.vendorBases[index].data()), 16);
    qToLittleEndian(uuid.uuid, bytes.data() + 12);
    return bytes;
}

// Find by type value when a UUID is wanted (4 bytes an entry), read by group type otherwise (4 bytes and the
// UUID, entries of one length only), as many as one ATT_MTU holds.
Nrf::Event NrfSimulatedDriver::Private::services(const Connection &c, quint16 start,
                                                 const QByteArray &wanted) const
{
    Nrf::Event e = event(Nrf::EventId::PrimaryServiceDiscoveryResponse, c.handle);
    int entry = wanted.isEmpty() ? 0 : 4;
    for (const Instrument::Attribute &a : c.instrument->attributes()) {
        if (a.handle < start || a.type != Instrument::uuid16(0x2800) ||
            (!wanted.isEmpty() && a.value != wanted))
            continue;
        if (entry == 0)
            entry = 4 + int(a.value.size());
        if (wanted.isEmpty() && 4 + a.value.size() != entry)
            break;
        if (e.services.size() == (c.mtu - 2) / entry)
            break;
        e.services.append({resolve(*c.adapter, a.value), a.handle, a.groupEnd});
    }
    if (e.services.isEmpty()) {
        e.gattStatus = AttNotFound;
        e.errorHandle = start;
    }
    return e;
}

// Read by type of 0x2803: handle, properties, value handle and UUID an entry, of one length only.
Nrf::Event NrfSimulatedDriver::Private::characteristics(const Connection &c, quint16 start, quint16 end) const
{
    Nrf::Event e = event(Nrf::EventId::CharacteristicDiscoveryResponse, c.handle);
    int entry = 0;
    for (const Instrument::Attribute &a : c.instrument->attributes()) {
        if (a.handle < start || a.handle > end || a.type != Instrument::uuid16(0x2803))
            continue;
        const QByteArray uuid = a.value.mid(3);
        if (entry == 0)
            entry = 5 + int(uuid.size());
        if (5 + uuid.size() != entry || e.characteristics.size() == (c.mtu - 2) / entry)
            break;
        e.characteristics.append(
            {resolve(*c.adapter, uuid), a.handle, qFromLittleEndian<quint16>(a.value.constData() + 1)});
    }
    if (e.characteristics.isEmpty()) {
        e.gattStatus = AttNotFound;
        e.errorHandle = start;
    }
    return e;
}

// Find information: every attribute in the range, declarations included, in entries of one format.
Nrf::Event NrfSimulatedDriver::Private::descriptors(const Connection &c, quint16 start, quint16 end) const
{
    Nrf::Event e = event(Nrf::EventId::DescriptorDiscoveryResponse, c.handle);
    int entry = 0;
    for (const Instrument::Attribute &a : c.instrument->attributes()) {
        if (a.handle < start || a.handle > end)
            continue;
        if (entry == 0)
            entry = 2 + int(a.type.size());
        if (2 + a.type.size() != entry || e.descriptors.size() == (c.mtu - 2) / entry)
            break;
        e.descriptors.append({resolve(*c.adapter, a.type), a.handle});
    }
    if (e.descriptors.isEmpty()) {
        e.gattStatus = AttNotFound;
        e.errorHandle = start;
    }
    return e;
}

// The peer answers a connection interval or two later.
void NrfSimulatedDriver::Private::respond(Connection &c, const Nrf::Event &response)
{
    c.requestOutstanding = true;
    later(refOf(c), between(15, 40), [this, response](Connection &c) {
        c.requestOutstanding = false;
        post(c.adapter, response);
    });
}

// A discovery: refused as the SoftDevice refuses it, or answered by the peer.
void NrfSimulatedDriver::Private::request(Connection *c, quint32 *result, bool valid,
                                          const std::function<Nrf::Event()> &answer)
{
    if (!c)
        return;
    if (c->disconnecting)
        *result = Nrf::InvalidState;
    else if (!valid)
        *result = InvalidParameter;
    else if (c->requestOutstanding)
        *result = Busy;
    else
        respond(*c, answer());
}

void NrfSimulatedDriver::Private::peerWrite(Connection &c, bool withResponse, quint16 handle,
                                            const QByteArray &value)
{
    Instrument &instrument = *c.instrument;
    const Instrument::Attribute *attribute = instrument.attribute(handle);
    quint16 status = 0;
    QList<Instrument::Answer> answers;
    if (!attribute) {
        status = AttInvalidHandle;
    } else if (attribute->type == Instrument::uuid16(0x2902)) {
        const quint8 properties = instrument.attribute(handle - 1)->properties;
        const quint16 allowed =
            (properties & Instrument::Notify ? 1 : 0) | (properties & Instrument::Indicate ? 2 : 0);
        if (value.size() != 2)
            status = AttInvalidLength;
        else if (qFromLittleEndian<quint16>(value.constData()) & ~allowed)
            status = AttCccdImproperlyConfigured;
        else
            c.cccds[handle] = qFromLittleEndian<quint16>(value.constData());
    } else if (attribute->role == Role::Command &&
               (attribute->properties &
                (withResponse ? Instrument::Write : Instrument::WriteWithoutResponse))) {
        answers = instrument.command(value);
    } else {
        status = AttWriteNotPermitted;
    }

    if (withResponse) {
        Nrf::Event response = event(Nrf::EventId::WriteResponse, c.handle);
        response.handle = handle;
        response.gattStatus = status;
        response.errorHandle = status ? handle : 0;
        respond(c, response);
    }
    // Answers come by notification, after the write's own response.
    for (const Instrument::Answer &answer : answers) {
        later(refOf(c), between(45, 70), [this, answer](Connection &c) {
            if (cccd(c, answer.role) & 1)
                notify(c, c.instrument->handleOf(answer.role), answer.value);
        });
    }
}

// --- the radio ---------------------------------------------------------------------------------------------

// Every 100 to 300 ms while the scan lasts and the instrument is neither gone nor connected; an active scan
// also hears the scan response.
void NrfSimulatedDriver::Private::advertise(AdapterState *a, quint64 scan, const InstrumentPtr &instrument)
{
    if (!find(a) || !a->scanning || a->scanSerial != scan || !inReach(instrument))
        return;
    if (!connectionOf(*instrument)) {
        Nrf::Event report = event(Nrf::EventId::AdvertisingReport);
        report.peer = {instrument->address(), instrument->isRandomStatic()};
        report.rssi = qint8(instrument->rssi() + between(-3, 3));
        report.data = instrument->advertisingData();
        post(a, report);
        if (a->activeScan) {
            report.scanResponse = true;
            report.data = instrument->scanResponseData();
            post(a, report);
        }
    }
    schedule(between(100, 300), [this, a, scan, instrument] { advertise(a, scan, instrument); });
}

// The initiator listens for the peer's advertising until it hears it, or until the time-out ends it.
void NrfSimulatedDriver::Private::tryConnect(AdapterState *a, quint64 attempt)
{
    if (!find(a) || !a->connecting || a->connectSerial != attempt)
        return;
    for (const InstrumentPtr &instrument : instruments) {
        if (instrument->address() == a->target.bytes &&
            instrument->isRandomStatic() == a->target.randomStatic && !connectionOf(*instrument)) {
            a->connecting = false;
            establish(a, instrument);
            return;
        }
    }
    schedule(100, [this, a, attempt] { tryConnect(a, attempt); });
}

void NrfSimulatedDriver::Private::establish(AdapterState *a, const InstrumentPtr &instrument)
{
    quint16 handle = 0;
    while (a->connections.count(handle))
        ++handle;
    Connection &c = a->connections[handle];
    c.adapter = a;
    c.handle = handle;
    c.serial = ++serial;
    c.instrument = instrument;
    c.lastRssi = qint8(instrument->rssi());
    Nrf::Event connected = event(Nrf::EventId::Connected, handle);
    connected.peer = {instrument->address(), instrument->isRandomStatic()};
    post(a, connected);

    // What peripherals do on their own soon after connecting.
    const Ref ref = refOf(c);
    later(ref, between(100, 300), [this](Connection &c) {
        c.mtuRequest = PeerMtu;
        Nrf::Event request = event(Nrf::EventId::ExchangeMtuRequest, c.handle);
        request.clientMtu = PeerMtu;
        post(c.adapter, request);
    });
    if (instrument->isSylvac()) {
        later(ref, between(50, 150), [this](Connection &c) {
            post(c.adapter, event(Nrf::EventId::DataLengthUpdateRequest, c.handle));
        });
    }
    later(ref, between(1000, 2000), [this](Connection &c) { askForParameters(c); });
    later(ref, between(180, 220), [this](Connection &c) { sendReadings(c); });
}

void NrfSimulatedDriver::Private::endConnection(Connection &c, quint8 reason)
{
    AdapterState *a = c.adapter;
    Nrf::Event disconnected = event(Nrf::EventId::Disconnected, c.handle);
    disconnected.reason = reason;
    post(a, disconnected);
    a->connections.erase(c.handle);
}

void NrfSimulatedDriver::Private::sendReadings(Connection &c)
{
    Instrument &instrument = *c.instrument;
    if (instrument.kind() == Kind::Velkor && (cccd(c, Role::Data) & 1))
        notify(c, instrument.handleOf(Role::Data), instrument.velkorPacket());
    if (instrument.kind() == Kind::Sylvac && (cccd(c, Role::Stream) & 1))
        notify(c, instrument.handleOf(Role::Stream), instrument.streamValue());
    later(refOf(c), between(180, 220), [this](Connection &c) { sendReadings(c); });
}

void NrfSimulatedDriver::Private::reportRssi(Connection &c)
{
    const qint8 rssi = qint8(c.instrument->rssi() + between(-4, 4));
    if (rssi != c.lastRssi) {
        c.lastRssi = rssi;
        Nrf::Event changed = event(Nrf::EventId::RssiChanged, c.handle);
        changed.rssi = rssi;
        post(c.adapter, changed);
    }
    later(refOf(c), between(500, 1500), [this](Connection &c) { reportRssi(c); });
}

// Each kind asks for the intervals it prefers, again every 30 to 60 s.
void NrfSimulatedDriver::Private::askForParameters(Connection &c)
{
    Nrf::Event request = event(Nrf::EventId::ConnectionParameterUpdateRequest, c.handle);
    switch (c.instrument->kind()) {
    case Kind::Velkor:
        request.connectionParameters = {0x18, 0x28, 0, 0x190};
        break;
    case Kind::Sylvac:
    case Kind::SylvacWithoutStream:
        request.connectionParameters = {0x10, 0x20, 4, 0x258};
        break;
    case Kind::Other:
        request.connectionParameters = {0x50, 0xA0, 0, 0x258};
        break;
    }
    post(c.adapter, request);
    later(refOf(c), between(30000, 60000), [this](Connection &c) { askForParameters(c); });
}

quint16 NrfSimulatedDriver::Private::cccd(const Connection &c, Role role) const
{
    const quint16 value = c.instrument->handleOf(role);
    return value ? c.cccds.value(value + 1) : 0;
}

void NrfSimulatedDriver::Private::notify(Connection &c, quint16 handle, const QByteArray &value)
{
    Nrf::Event e = event(Nrf::EventId::HandleValue, c.handle);
    e.handle = handle;
    e.handleValueType = Nrf::HandleValueType::Notification;
    e.data = value.left(c.mtu - 3);
    post(c.adapter, e);
}

// One indication at a time: the next waits for the confirmation of the last.
void NrfSimulatedDriver::Private::indicate(Connection &c, const QByteArray &line)
{
    c.waitingLines.append(line);
    if (c.waitingLines.size() == 1)
        sendIndication(c);
}

void NrfSimulatedDriver::Private::sendIndication(Connection &c)
{
    if (c.indicationHandle || c.waitingLines.isEmpty())
        return;
    if (!(cccd(c, Role::Data) & 2)) {
        c.waitingLines.clear();
        return;
    }
    Nrf::Event e = event(Nrf::EventId::HandleValue, c.handle);
    e.handle = c.instrument->handleOf(Role::Data);
    e.handleValueType = Nrf::HandleValueType::Indication;
    e.data = c.waitingLines.takeFirst().left(c.mtu - 3);
    c.indicationHandle = e.handle;
    const quint64 indication = c.indicationSerial = ++serial;
    post(c.adapter, e);
    later(refOf(c), IndicationTimeoutMs, [this, indication](Connection &c) {
        if (c.indicationHandle && c.indicationSerial == indication)
            endConnection(c, RemoteUserTerminated);
    });
}

void NrfSimulatedDriver::Private::press(Instrument &instrument)
{
    if (instrument.kind() == Kind::Velkor) {
        instrument.pressButton();
        return;
    }
    Connection *c = connectionOf(instrument);
    if (instrument.isSylvac() && c && !c->disconnecting && (cccd(*c, Role::Data) & 2))
        indicate(*c, instrument.sylvacLine());
}

void NrfSimulatedDriver::Private::pressButtonsNowAndThen()
{
    if (!pressingButtons)
        return;
    std::vector<Instrument *> connected;
    for (const auto &a : adapters) {
        for (const auto &[handle, c] : a->connections)
            connected.push_back(c.instrument.get());
    }
    if (!connected.empty())
        press(*connected[QRandomGenerator::global()->bounded(int(connected.size()))]);
    schedule(between(8000, 20000), [this] { pressButtonsNowAndThen(); });
}

// --- the driver --------------------------------------------------------------------------------------------

NrfSimulatedDriver::NrfSimulatedDriver()
    : d(std::make_unique<Private>())
{
    addInstrument(QStringLiteral("C7:2A:10:00:00:01"), QStringLiteral("VELKOR CAL-150"), Kind::Velkor, false,
                  -52);
    addInstrument(QStringLiteral("C7:2A:10:00:00:02"), QStringLiteral("VELKOR IND-10"), Kind::Velkor, false,
                  -58);
    addInstrument(QStringLiteral("54:6C:0E:00:00:11"), QStringLiteral("SY289"), Kind::Sylvac, false, -61);
    addInstrument(QStringLiteral("54:6C:0E:00:00:12"), QStringLiteral("S_Cal EVO"), Kind::SylvacWithoutStream,
                  true, -66);
    addInstrument(QStringLiteral("C7:2A:10:00:00:0A"), QString(), Kind::Velkor, false, -80);
    addInstrument(QStringLiteral("A4:C1:38:00:00:EE"), QStringLiteral("Heart Rate"), Kind::Other, false, -74);
    std::lock_guard lock(d->mutex);
    d->schedule(between(8000, 20000), [this] { d->pressButtonsNowAndThen(); });
}

// The worker goes first: its tasks reach the state through d.
NrfSimulatedDriver::~NrfSimulatedDriver()
{
    d->stop();
}

NrfDriver::Adapter NrfSimulatedDriver::createAdapter(const QString &port, quint32, quint32, quint32)
{
    std::lock_guard lock(d->mutex);
    d->adapters.push_back(std::make_unique<Private::AdapterState>());
    d->adapters.back()->port = port;
    Adapter adapter = d->adapters.back().get();
    d->record(adapter, QStringLiteral("createAdapter"), Nrf::Success);
    return adapter;
}

void NrfSimulatedDriver::setLogSeverityFilter(Adapter adapter, int severity)
{
    std::lock_guard lock(d->mutex);
    if (Private::AdapterState *a = d->find(adapter))
        a->logFilter = severity;
    d->record(adapter, QStringLiteral("setLogSeverityFilter %1").arg(severity), Nrf::Success);
}

quint32 NrfSimulatedDriver::open(Adapter adapter, StatusHandler status, EventHandler events, LogHandler log)
{
    std::lock_guard lock(d->mutex);
    Private::AdapterState *a = d->find(adapter);
    quint32 result = !a ? UnknownAdapter : a->open ? AlreadyOpen : Nrf::Success;
    if (result == Nrf::Success) {
        d->shutDown(a); // a fresh start, whatever an earlier session left
        a->open = true;
        a->status = std::move(status);
        a->events = std::move(events);
        a->log = std::move(log);
        if (!d->worker.joinable())
            d->worker = std::thread([this] { d->run(); });
        d->postStatus(a, ResetPerformed, QStringLiteral("Target Reset performed"));
        d->postStatus(a, ConnectionActive, QStringLiteral("Connection active"));
        d->postLog(a, LogInfo,
                   QStringLiteral("simulated nRF52840 connectivity firmware, SoftDevice API v5, up to %1 "
                                  "central roles")
                       .arg(int(d->maxCentralRoles)));
    }
    return d->record(adapter, QStringLiteral("open"), result);
}

quint32 NrfSimulatedDriver::configureCentralRoles(Adapter adapter, quint8 centralRoles)
{
    std::lock_guard lock(d->mutex);
    quint32 result;
    if (Private::AdapterState *a = d->ready(adapter, &result, false)) {
        if (a->enabled)
            result = Nrf::InvalidState;
        else if (centralRoles > SoftDeviceCentralRoles)
            result = InvalidParameter;
        else if (centralRoles > d->maxCentralRoles)
            result = NoMemory; // the firmware's RAM holds no more links
        else
            a->configuredRoles = centralRoles;
    }
    return d->record(adapter, QStringLiteral("configureCentralRoles %1").arg(int(centralRoles)), result);
}

quint32 NrfSimulatedDriver::enable(Adapter adapter)
{
    std::lock_guard lock(d->mutex);
    quint32 result;
    if (Private::AdapterState *a = d->ready(adapter, &result, false)) {
        if (a->enabled) {
            result = Nrf::InvalidState;
        } else if (d->alreadyEnabled) {
            // Still running from an earlier session: the configuration given now never took effect.
            a->enabled = true;
            a->roles = d->previousRoles;
            result = Nrf::InvalidState;
        } else {
            a->enabled = true;
            a->roles = a->configuredRoles;
        }
    }
    return d->record(adapter, QStringLiteral("enable"), result);
}

quint32 NrfSimulatedDriver::addVendorUuid(Adapter adapter, const std::array<quint8, 16> &base, quint8 &type)
{
    std::lock_guard lock(d->mutex);
    QByteArray bigEndian(reinterpret_cast<const char *>(base.data()), 16);
    std::reverse(bigEndian.begin(), bigEndian.end());
    const QString text = QUuid::fromRfc4122(bigEndian).toString(QUuid::WithoutBraces).toUpper();
    quint32 result;
    if (Private::AdapterState *a = d->ready(adapter, &result)) {
        auto masked = [](std::array<quint8, 16> uuid) {
            uuid[12] = uuid[13] = 0;
            return uuid;
        };
        int index = 0;
        while (index < a->vendorBases.size() && masked(a->vendorBases[index]) != masked(base))
            ++index;
        if (index == a->vendorBases.size() && index == VendorUuidSlots) {
            result = NoMemory;
        } else {
            if (index == a->vendorBases.size())
                a->vendorBases.append(base);
            type = quint8(Nrf::UuidType::VendorBegin + index);
        }
    }
    return d->record(adapter, QStringLiteral("addVendorUuid %1").arg(text), result);
}

quint32 NrfSimulatedDriver::startScan(Adapter adapter, const Nrf::ScanParameters &scan)
{
    std::lock_guard lock(d->mutex);
    quint32 result;
    if (Private::AdapterState *a = d->ready(adapter, &result)) {
        if (a->scanning || a->connecting) {
            result = Nrf::InvalidState;
        } else if (!validScan(scan)) {
            result = InvalidParameter;
        } else {
            a->scanning = true;
            a->activeScan = scan.active;
            const quint64 serial = a->scanSerial = ++d->serial;
            for (const InstrumentPtr &instrument : d->instruments)
                d->schedule(between(0, 100),
                            [this, a, serial, instrument] { d->advertise(a, serial, instrument); });
            if (scan.timeoutSeconds) {
                d->schedule(scan.timeoutSeconds * 1000, [this, a, serial] {
                    if (!d->find(a) || !a->scanning || a->scanSerial != serial)
                        return;
                    a->scanning = false;
                    Nrf::Event timeout = event(Nrf::EventId::GapTimeout);
                    timeout.timeoutSource = Nrf::TimeoutSource::Scan;
                    d->post(a, timeout);
                });
            }
        }
    }
    return d->record(
        adapter,
        QStringLiteral("startScan %1").arg(scan.active ? QLatin1String("active") : QLatin1String("passive")),
        result);
}

quint32 NrfSimulatedDriver::stopScan(Adapter adapter)
{
    std::lock_guard lock(d->mutex);
    quint32 result;
    if (Private::AdapterState *a = d->ready(adapter, &result)) {
        if (a->scanning)
            a->scanning = false;
        else
            result = Nrf::InvalidState;
    }
    return d->record(adapter, QStringLiteral("stopScan"), result);
}

quint32 NrfSimulatedDriver::connect(Adapter adapter, const Nrf::Address &peer,
                                    const Nrf::ScanParameters &scan,
                                    const Nrf::ConnectionParameters &connection)
{
    std::lock_guard lock(d->mutex);
    quint32 result;
    if (Private::AdapterState *a = d->ready(adapter, &result)) {
        a->scanning = false; // the initiator takes the radio, whatever the outcome
        if (peer.randomStatic && (peer.bytes[5] & 0xC0) != 0xC0) {
            result = InvalidAddress;
        } else if (!validScan(scan) || !validConnection(connection)) {
            result = InvalidParameter;
        } else if (a->connecting) {
            result = Nrf::InvalidState;
        } else if (int(a->connections.size()) >= a->roles) {
            result = ConnectionCount;
        } else {
            a->connecting = true;
            a->target = peer;
            const quint64 attempt = a->connectSerial = ++d->serial;
            d->schedule(between(50, 100), [this, a, attempt] { d->tryConnect(a, attempt); });
            if (scan.timeoutSeconds) {
                d->schedule(scan.timeoutSeconds * 1000, [this, a, attempt] {
                    if (!d->find(a) || !a->connecting || a->connectSerial != attempt)
                        return;
                    a->connecting = false;
                    Nrf::Event timeout = event(Nrf::EventId::GapTimeout);
                    timeout.timeoutSource = Nrf::TimeoutSource::Connection;
                    d->post(a, timeout);
                });
            }
        }
    }
    return d->record(adapter,
                     QStringLiteral("connect %1 %2")
                         .arg(NrfSimInstrument::addressText(peer.bytes),
                              peer.randomStatic ? QLatin1String("random") : QLatin1String("public")),
                     result);
}

quint32 NrfSimulatedDriver::cancelConnect(Adapter adapter)
{
    std::lock_guard lock(d->mutex);
    quint32 result;
    if (Private::AdapterState *a = d->ready(adapter, &result)) {
        if (a->connecting)
            a->connecting = false;
        else
            result = Nrf::InvalidState;
    }
    return d->record(adapter, QStringLiteral("cancelConnect"), result);
}

quint32 NrfSimulatedDriver::disconnect(Adapter adapter, quint16 connHandle, quint8 reason)
{
    std::lock_guard lock(d->mutex);
    quint32 result;
    if (Private::Connection *c = d->connection(adapter, connHandle, &result)) {
        if (reason != RemoteUserTerminated && reason != UnacceptableInterval) {
            result = InvalidParameter;
        } else if (c->disconnecting) {
            result = Nrf::InvalidState;
        } else {
            c->disconnecting = true;
            const Private::Ref ref = Private::refOf(*c);
            d->schedule(between(20, 60), [this, ref] {
                if (Private::Connection *c = d->alive(ref))
                    d->endConnection(*c, LocalHostTerminated);
            });
        }
    }
    return d->record(
        adapter,
        QStringLiteral("disconnect %1 0x%2").arg(connHandle).arg(int(reason), 2, 16, QLatin1Char('0')),
        result);
}

quint32 NrfSimulatedDriver::startRssi(Adapter adapter, quint16 connHandle)
{
    std::lock_guard lock(d->mutex);
    quint32 result;
    if (Private::Connection *c = d->connection(adapter, connHandle, &result)) {
        if (c->disconnecting) {
            result = Nrf::InvalidState;
        } else if (!c->rssiReports) {
            c->rssiReports = true;
            d->later(Private::refOf(*c), between(500, 1500),
                     [this](Private::Connection &c) { d->reportRssi(c); });
        }
    }
    return d->record(adapter, QStringLiteral("startRssi %1").arg(connHandle), result);
}

quint32 NrfSimulatedDriver::updateConnectionParameters(Adapter adapter, quint16 connHandle,
                                                       const Nrf::ConnectionParameters &parameters)
{
    std::lock_guard lock(d->mutex);
    quint32 result;
    if (Private::Connection *c = d->connection(adapter, connHandle, &result)) {
        if (c->disconnecting)
            result = Nrf::InvalidState;
        else if (!validConnection(parameters))
            result = InvalidParameter;
    }
    return d->record(adapter,
                     QStringLiteral("updateConnectionParameters %1 %2 %3 %4 %5")
                         .arg(connHandle)
                         .arg(parameters.minInterval)
                         .arg(parameters.maxInterval)
                         .arg(parameters.latency)
                         .arg(parameters.supervisionTimeout),
                     result);
}

quint32 NrfSimulatedDriver::updateDataLength(Adapter adapter, quint16 connHandle)
{
    std::lock_guard lock(d->mutex);
    quint32 result;
    if (Private::Connection *c = d->connection(adapter, connHandle, &result); c && c->disconnecting)
        result = Nrf::InvalidState;
    return d->record(adapter, QStringLiteral("updateDataLength %1").arg(connHandle), result);
}

quint32 NrfSimulatedDriver::replyMtu(Adapter adapter, quint16 connHandle, quint16 mtu)
{
    std::lock_guard lock(d->mutex);
    quint32 result;
    if (Private::Connection *c = d->connection(adapter, connHandle, &result)) {
        if (mtu < DefaultMtu) {
            result = InvalidParameter;
        } else if (c->disconnecting || !c->mtuRequest) {
            result = Nrf::InvalidState;
        } else {
            c->mtu = std::min(c->mtuRequest, mtu);
            c->mtuRequest = 0;
        }
    }
    return d->record(adapter, QStringLiteral("replyMtu %1 %2").arg(connHandle).arg(mtu), result);
}

quint32 NrfSimulatedDriver::discoverPrimaryServices(Adapter adapter, quint16 connHandle, quint16 startHandle,
                                                    const Nrf::Uuid &uuid)
{
    std::lock_guard lock(d->mutex);
    quint32 result;
    Private::Connection *c = d->connection(adapter, connHandle, &result);
    const bool all = uuid.type == Nrf::UuidType::Unknown && uuid.uuid == 0;
    const QByteArray wanted = all || !c ? QByteArray() : d->compose(*c->adapter, uuid);
    d->request(c, &result, startHandle && (all || !wanted.isEmpty()),
               [&] { return d->services(*c, startHandle, wanted); });
    return d->record(adapter,
                     QStringLiteral("discoverPrimaryServices %1 %2 0x%3/%4")
                         .arg(connHandle)
                         .arg(startHandle)
                         .arg(uuid.uuid, 4, 16, QLatin1Char('0'))
                         .arg(int(uuid.type)),
                     result);
}

quint32 NrfSimulatedDriver::discoverCharacteristics(Adapter adapter, quint16 connHandle, quint16 startHandle,
                                                    quint16 endHandle)
{
    std::lock_guard lock(d->mutex);
    quint32 result;
    Private::Connection *c = d->connection(adapter, connHandle, &result);
    d->request(c, &result, startHandle && startHandle <= endHandle,
               [&] { return d->characteristics(*c, startHandle, endHandle); });
    return d->record(
        adapter,
        QStringLiteral("discoverCharacteristics %1 %2 %3").arg(connHandle).arg(startHandle).arg(endHandle),
        result);
}

quint32 NrfSimulatedDriver::discoverDescriptors(Adapter adapter, quint16 connHandle, quint16 startHandle,
                                                quint16 endHandle)
{
    std::lock_guard lock(d->mutex);
    quint32 result;
    Private::Connection *c = d->connection(adapter, connHandle, &result);
    d->request(c, &result, startHandle && startHandle <= endHandle,
               [&] { return d->descriptors(*c, startHandle, endHandle); });
    return d->record(
        adapter,
        QStringLiteral("discoverDescriptors %1 %2 %3").arg(connHandle).arg(startHandle).arg(endHandle),
        result);
}

quint32 NrfSimulatedDriver::write(Adapter adapter, quint16 connHandle, bool withResponse, quint16 handle,
                                  const QByteArray &value)
{
    std::lock_guard lock(d->mutex);
    quint32 result;
    if (Private::Connection *c = d->connection(adapter, connHandle, &result)) {
        if (c->disconnecting)
            result = Nrf::InvalidState;
        else if (handle == 0)
            result = InvalidParameter;
        else if (value.size() > c->mtu - 3)
            result = DataSize;
        else if (withResponse && c->requestOutstanding)
            result = Busy;
        else
            d->peerWrite(*c, withResponse, handle, value);
    }
    return d->record(adapter,
                     QStringLiteral("write %1 %2 %3 %4")
                         .arg(connHandle)
                         .arg(withResponse ? QLatin1String("req") : QLatin1String("cmd"))
                         .arg(handle)
                         .arg(QString::fromLatin1(value.toHex())),
                     result);
}

quint32 NrfSimulatedDriver::confirmHandleValue(Adapter adapter, quint16 connHandle, quint16 handle)
{
    std::lock_guard lock(d->mutex);
    quint32 result;
    if (Private::Connection *c = d->connection(adapter, connHandle, &result)) {
        if (c->disconnecting || !c->indicationHandle) {
            result = Nrf::InvalidState;
        } else if (handle != c->indicationHandle) {
            result = InvalidAttribute;
        } else {
            c->indicationHandle = 0;
            if (!c->waitingLines.isEmpty())
                d->later(Private::refOf(*c), between(20, 40),
                         [this](Private::Connection &c) { d->sendIndication(c); });
        }
    }
    return d->record(adapter, QStringLiteral("confirmHandleValue %1 %2").arg(connHandle).arg(handle), result);
}

quint32 NrfSimulatedDriver::close(Adapter adapter)
{
    std::lock_guard lock(d->mutex);
    Private::AdapterState *a = d->find(adapter);
    const quint32 result = !a ? UnknownAdapter : !a->open ? NotOpen : Nrf::Success;
    if (result == Nrf::Success)
        d->shutDown(a);
    return d->record(adapter, QStringLiteral("close"), result);
}

void NrfSimulatedDriver::deleteAdapter(Adapter adapter)
{
    std::lock_guard lock(d->mutex);
    d->record(adapter, QStringLiteral("deleteAdapter"), Nrf::Success);
    const auto it = std::find_if(d->adapters.begin(), d->adapters.end(),
                                 [adapter](const auto &a) { return a.get() == adapter; });
    if (it == d->adapters.end())
        return;
    d->shutDown(it->get());
    d->adapters.erase(it);
}

// --- the bench ---------------------------------------------------------------------------------------------

bool NrfSimulatedDriver::addInstrument(const QString &address, const QString &name, Kind kind,
                                       bool shortenedName, int rssi)
{
    NrfSimInstrument::Address bytes;
    if (!NrfSimInstrument::parseAddress(address, &bytes))
        return false;
    std::lock_guard lock(d->mutex);
    if (d->instrumentAt(address))
        return false;
    auto instrument = std::make_shared<NrfSimInstrument>(bytes, name, kind, shortenedName, rssi);
    d->instruments.push_back(instrument);
    for (const auto &a : d->adapters) {
        if (a->scanning) {
            Private::AdapterState *state = a.get();
            const quint64 serial = state->scanSerial;
            d->schedule(between(0, 100),
                        [this, state, serial, instrument] { d->advertise(state, serial, instrument); });
        }
    }
    return true;
}

void NrfSimulatedDriver::removeAll()
{
    std::lock_guard lock(d->mutex);
    for (const InstrumentPtr &instrument : d->instruments) {
        if (Private::Connection *c = d->connectionOf(*instrument))
            d->endConnection(*c, SupervisionTimeout);
    }
    d->instruments.clear();
    d->pressingButtons = false;
}

void NrfSimulatedDriver::setValue(const QString &address, double mm)
{
    std::lock_guard lock(d->mutex);
    if (const InstrumentPtr instrument = d->instrumentAt(address))
        instrument->setValue(mm);
}

void NrfSimulatedDriver::pressButton(const QString &address)
{
    std::lock_guard lock(d->mutex);
    if (const InstrumentPtr instrument = d->instrumentAt(address))
        d->press(*instrument);
}

void NrfSimulatedDriver::dropConnection(const QString &address)
{
    std::lock_guard lock(d->mutex);
    const InstrumentPtr instrument = d->instrumentAt(address);
    if (Private::Connection *c = instrument ? d->connectionOf(*instrument) : nullptr)
        d->endConnection(*c, SupervisionTimeout);
}

void NrfSimulatedDriver::setAlreadyEnabled(bool alreadyEnabled, quint8 previousRoles)
{
    std::lock_guard lock(d->mutex);
    d->alreadyEnabled = alreadyEnabled;
    d->previousRoles = previousRoles;
}

void NrfSimulatedDriver::setMaxCentralRoles(quint8 roles)
{
    std::lock_guard lock(d->mutex);
    d->maxCentralRoles = roles;
}

QStringList NrfSimulatedDriver::calls() const
{
    std::lock_guard lock(d->mutex);
    return d->calls;
}

int NrfSimulatedDriver::connectionCount(Adapter adapter) const
{
    std::lock_guard lock(d->mutex);
    const Private::AdapterState *a = d->find(adapter);
    return a ? int(a->connections.size()) : 0;
}

bool NrfSimulatedDriver::isSubscribed(const QString &address) const
{
    std::lock_guard lock(d->mutex);
    const InstrumentPtr instrument = d->instrumentAt(address);
    const Private::Connection *c = instrument ? d->connectionOf(*instrument) : nullptr;
    return c && d->cccd(*c, Role::Data) != 0;
}
