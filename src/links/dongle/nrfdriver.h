#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QtGlobal>

#include <array>
#include <functional>
#include <memory>

// The seam between the nRF dongle link and Nordic's nrf-ble-driver library (SoftDevice API v5): one method
// per library call the link makes, with the arguments and results it relies on, and the events as plain
// structs of ours. Implementations deliver events, status and log lines on their own thread, as the library
// calls its handlers. Results are the library's error codes: 0 success, 8 invalid state, others failures.
namespace Nrf {

constexpr quint32 Success = 0;
constexpr quint32 InvalidState = 8;
constexpr quint16 NoConnection = 0xFFFF;

namespace UuidType {
enum : quint8 { Unknown = 0, Sig = 1, VendorBegin = 2 };
}

struct Uuid
{
    quint16 uuid = 0;
    quint8 type = UuidType::Unknown;
    bool operator==(const Uuid &other) const { return uuid == other.uuid && type == other.type; }
};

struct Address
{
    std::array<quint8, 6> bytes{}; // least significant first
    bool randomStatic = false;
    bool operator==(const Address &other) const
    {
        return bytes == other.bytes && randomStatic == other.randomStatic;
    }
};

// Times in 0.625 ms units for scans, 1.25 ms for intervals, 10 ms for supervision.
struct ScanParameters
{
    bool active = true;
    quint16 interval = 0xA0;
    quint16 window = 0x50;
    quint16 timeoutSeconds = 0; // 0: no time-out
};

struct ConnectionParameters
{
    quint16 minInterval = 0x0C;
    quint16 maxInterval = 0x30;
    quint16 latency = 0;
    quint16 supervisionTimeout = 0x1F4;
};

struct Service
{
    Uuid uuid;
    quint16 startHandle = 0;
    quint16 endHandle = 0;
};

struct Characteristic
{
    Uuid uuid;
    quint16 declarationHandle = 0;
    quint16 valueHandle = 0;
};

struct Descriptor
{
    Uuid uuid;
    quint16 handle = 0;
};

namespace EventId {
enum : quint16 {
    Connected = 0x10,
    Disconnected = 0x11,
    GapTimeout = 0x1B,
    RssiChanged = 0x1C,
    AdvertisingReport = 0x1D,
    ConnectionParameterUpdateRequest = 0x1F,
    DataLengthUpdateRequest = 0x23,
    PrimaryServiceDiscoveryResponse = 0x30,
    CharacteristicDiscoveryResponse = 0x32,
    DescriptorDiscoveryResponse = 0x33,
    WriteResponse = 0x38,
    HandleValue = 0x39,
    GattClientTimeout = 0x3B,
    ExchangeMtuRequest = 0x55,
    GattServerTimeout = 0x56,
};
}

namespace TimeoutSource {
enum : quint8 { Scan = 1, Connection = 2 };
}

namespace HandleValueType {
enum : quint8 { Notification = 1, Indication = 2 };
}

// One SoftDevice event. Only the fields of its kind are meaningful.
struct Event
{
    quint16 id = 0;
    quint16 connHandle = NoConnection;
    Address peer;              // Connected, AdvertisingReport
    quint8 reason = 0;         // Disconnected: the HCI reason
    quint8 timeoutSource = 0;  // GapTimeout
    qint8 rssi = 0;            // RssiChanged, AdvertisingReport
    bool scanResponse = false; // AdvertisingReport
    QByteArray data;           // AdvertisingReport: advertising data; HandleValue: the value
    quint16 gattStatus = 0;    // discovery and write responses: 0 success
    quint16 errorHandle = 0;
    QList<Service> services;                   // PrimaryServiceDiscoveryResponse
    QList<Characteristic> characteristics;     // CharacteristicDiscoveryResponse
    QList<Descriptor> descriptors;             // DescriptorDiscoveryResponse
    quint16 handle = 0;                        // WriteResponse, HandleValue
    quint8 handleValueType = 0;                // HandleValue
    ConnectionParameters connectionParameters; // ConnectionParameterUpdateRequest
    quint16 clientMtu = 0;                     // ExchangeMtuRequest
};

} // namespace Nrf

class NrfDriver
{
public:
    // The library's adapter handle; events name their adapter by it.
    using Adapter = void *;
    using EventHandler = std::function<void(Adapter adapter, const Nrf::Event &event)>;
    using StatusHandler = std::function<void(Adapter adapter, int code, const QString &message)>;
    using LogHandler = std::function<void(Adapter adapter, int severity, const QString &message)>;

    virtual ~NrfDriver() = default;

    // The driver the program uses: the simulated SoftDevice when KOVRAN_NRF_DRIVER is "simulated", the
    // vendor library otherwise.
    static std::unique_ptr<NrfDriver> create();

    // False when no dongle can be driven at all (the library is missing); the reason says why.
    virtual bool isAvailable() const = 0;
    virtual QString unavailableReason() const = 0;
    // The file the driver loads, for telling the user what to install.
    virtual QString libraryName() const { return QString(); }

    // The physical, data link and transport layers and the adapter on a port; null on failure.
    virtual Adapter createAdapter(const QString &port, quint32 baudRate, quint32 retransmissionMs,
                                  quint32 responseTimeoutMs) = 0;
    virtual void setLogSeverityFilter(Adapter adapter, int severity) = 0;
    virtual quint32 open(Adapter adapter, StatusHandler status, EventHandler events, LogHandler log) = 0;
    // The GAP role count: no peripheral roles, `centralRoles` central roles, no central security.
    virtual quint32 configureCentralRoles(Adapter adapter, quint8 centralRoles) = 0;
    virtual quint32 enable(Adapter adapter) = 0;
    // Registers a vendor base (least significant byte first); `type` receives the type assigned.
    virtual quint32 addVendorUuid(Adapter adapter, const std::array<quint8, 16> &base, quint8 &type) = 0;

    virtual quint32 startScan(Adapter adapter, const Nrf::ScanParameters &scan) = 0;
    virtual quint32 stopScan(Adapter adapter) = 0;
    virtual quint32 connect(Adapter adapter, const Nrf::Address &peer, const Nrf::ScanParameters &scan,
                            const Nrf::ConnectionParameters &connection) = 0;
    virtual quint32 cancelConnect(Adapter adapter) = 0;
    virtual quint32 disconnect(Adapter adapter, quint16 connHandle, quint8 reason) = 0;
    virtual quint32 startRssi(Adapter adapter, quint16 connHandle) = 0;
    virtual quint32 updateConnectionParameters(Adapter adapter, quint16 connHandle,
                                               const Nrf::ConnectionParameters &parameters) = 0;
    virtual quint32 updateDataLength(Adapter adapter, quint16 connHandle) = 0;
    virtual quint32 replyMtu(Adapter adapter, quint16 connHandle, quint16 mtu) = 0;

    virtual quint32 discoverPrimaryServices(Adapter adapter, quint16 connHandle, quint16 startHandle,
                                            const Nrf::Uuid &uuid) = 0;
    virtual quint32 discoverCharacteristics(Adapter adapter, quint16 connHandle, quint16 startHandle,
                                            quint16 endHandle) = 0;
    virtual quint32 discoverDescriptors(Adapter adapter, quint16 connHandle, quint16 startHandle,
                                        quint16 endHandle) = 0;
    virtual quint32 write(Adapter adapter, quint16 connHandle, bool withResponse, quint16 handle,
                          const QByteArray &value) = 0;
    virtual quint32 confirmHandleValue(Adapter adapter, quint16 connHandle, quint16 handle) = 0;

    virtual quint32 close(Adapter adapter) = 0;
    virtual void deleteAdapter(Adapter adapter) = 0;
};
