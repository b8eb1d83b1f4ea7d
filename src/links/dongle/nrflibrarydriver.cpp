#include "nrflibrarydriver.h"

#include "nrfdriverapi.h"

#include <QCoreApplication>
#include <QHash>
#include <QMutex>
#include <QStringList>

#include <algorithm>
#include <cstring>

using namespace NrfApi;

// Our event ids are the SoftDevice's, so an event keeps its id on the way in.
static_assert(Nrf::EventId::Connected == BLE_GAP_EVT_CONNECTED &&
                  Nrf::EventId::Disconnected == BLE_GAP_EVT_DISCONNECTED &&
                  Nrf::EventId::GapTimeout == BLE_GAP_EVT_TIMEOUT &&
                  Nrf::EventId::RssiChanged == BLE_GAP_EVT_RSSI_CHANGED &&
                  Nrf::EventId::AdvertisingReport == BLE_GAP_EVT_ADV_REPORT &&
                  Nrf::EventId::ConnectionParameterUpdateRequest == BLE_GAP_EVT_CONN_PARAM_UPDATE_REQUEST &&
                  Nrf::EventId::DataLengthUpdateRequest == BLE_GAP_EVT_DATA_LENGTH_UPDATE_REQUEST &&
                  Nrf::EventId::PrimaryServiceDiscoveryResponse == BLE_GATTC_EVT_PRIM_SRVC_DISC_RSP &&
                  Nrf::EventId::CharacteristicDiscoveryResponse == BLE_GATTC_EVT_CHAR_DISC_RSP &&
                  Nrf::EventId::DescriptorDiscoveryResponse == BLE_GATTC_EVT_DESC_DISC_RSP &&
                  Nrf::EventId::WriteResponse == BLE_GATTC_EVT_WRITE_RSP &&
                  Nrf::EventId::HandleValue == BLE_GATTC_EVT_HVX &&
                  Nrf::EventId::GattClientTimeout == BLE_GATTC_EVT_TIMEOUT &&
                  Nrf::EventId::ExchangeMtuRequest == BLE_GATTS_EVT_EXCHANGE_MTU_REQUEST &&
                  Nrf::EventId::GattServerTimeout == BLE_GATTS_EVT_TIMEOUT,
              "event ids");
static_assert(Nrf::HandleValueType::Notification == BLE_GATT_HVX_NOTIFICATION &&
                  Nrf::HandleValueType::Indication == BLE_GATT_HVX_INDICATION,
              "handle value types");

struct NrfLibraryDriver::EntryPoints
{
    Fn::sd_rpc_physical_layer_create_uart *sd_rpc_physical_layer_create_uart = nullptr;
    Fn::sd_rpc_data_link_layer_create_bt_three_wire *sd_rpc_data_link_layer_create_bt_three_wire = nullptr;
    Fn::sd_rpc_transport_layer_create *sd_rpc_transport_layer_create = nullptr;
    Fn::sd_rpc_adapter_create *sd_rpc_adapter_create = nullptr;
    Fn::sd_rpc_adapter_delete *sd_rpc_adapter_delete = nullptr;
    Fn::sd_rpc_log_handler_severity_filter_set *sd_rpc_log_handler_severity_filter_set = nullptr;
    Fn::sd_rpc_open *sd_rpc_open = nullptr;
    Fn::sd_rpc_close *sd_rpc_close = nullptr;
    Fn::sd_ble_cfg_set *sd_ble_cfg_set = nullptr;
    Fn::sd_ble_enable *sd_ble_enable = nullptr;
    Fn::sd_ble_uuid_vs_add *sd_ble_uuid_vs_add = nullptr;
    Fn::sd_ble_gap_scan_start *sd_ble_gap_scan_start = nullptr;
    Fn::sd_ble_gap_scan_stop *sd_ble_gap_scan_stop = nullptr;
    Fn::sd_ble_gap_connect *sd_ble_gap_connect = nullptr;
    Fn::sd_ble_gap_connect_cancel *sd_ble_gap_connect_cancel = nullptr;
    Fn::sd_ble_gap_disconnect *sd_ble_gap_disconnect = nullptr;
    Fn::sd_ble_gap_rssi_start *sd_ble_gap_rssi_start = nullptr;
    Fn::sd_ble_gap_conn_param_update *sd_ble_gap_conn_param_update = nullptr;
    Fn::sd_ble_gap_data_length_update *sd_ble_gap_data_length_update = nullptr;
    Fn::sd_ble_gatts_exchange_mtu_reply *sd_ble_gatts_exchange_mtu_reply = nullptr;
    Fn::sd_ble_gattc_primary_services_discover *sd_ble_gattc_primary_services_discover = nullptr;
    Fn::sd_ble_gattc_characteristics_discover *sd_ble_gattc_characteristics_discover = nullptr;
    Fn::sd_ble_gattc_descriptors_discover *sd_ble_gattc_descriptors_discover = nullptr;
    Fn::sd_ble_gattc_write *sd_ble_gattc_write = nullptr;
    Fn::sd_ble_gattc_hv_confirm *sd_ble_gattc_hv_confirm = nullptr;
};

namespace {

// The file the vendor's release ships for this system, for the reason given when it is missing.
QString releaseFileName()
{
#if defined(Q_OS_WIN)
    return QStringLiteral("nrf-ble-driver-sd_api_v5-mt-4_1_4.dll");
#elif defined(Q_OS_MACOS)
    return QStringLiteral("libnrf-ble-driver-sd_api_v5.4.1.4.dylib");
#else
    return QStringLiteral("libnrf-ble-driver-sd_api_v5.so.4.1.4");
#endif
}

struct Candidate
{
    QString name;
    QString version;
};

QList<Candidate> usualCandidates()
{
    QList<Candidate> candidates;
#if defined(Q_OS_WIN)
    // Windows looks in the program's folder first by itself.
    candidates.append({QStringLiteral("nrf-ble-driver-sd_api_v5-mt-4_1_4"), QString()});
#elif defined(Q_OS_MACOS)
    candidates.append({QStringLiteral("nrf-ble-driver-sd_api_v5"), QStringLiteral("4.1.4")});
#else
    // The loader never looks beside the program, where a user without root rights can put the library.
    if (QCoreApplication::instance()) {
        const QString folder = QCoreApplication::applicationDirPath() + QLatin1Char('/');
        candidates.append({folder + releaseFileName(), QString()});
        candidates.append({folder + QStringLiteral("libnrf-ble-driver-sd_api_v5.so"), QString()});
    }
    const QString base = QStringLiteral("nrf-ble-driver-sd_api_v5");
    candidates.append({base, QStringLiteral("4.1.4")});
    candidates.append({base, QStringLiteral("4")});
    candidates.append({base, QString()});
#endif
    return candidates;
}

template<typename Function>
void resolve(QLibrary &library, const char *symbol, Function *&entry, QStringList &missing)
{
    entry = reinterpret_cast<Function *>(library.resolve(symbol));
    if (!entry)
        missing.append(QString::fromLatin1(symbol));
}

struct Handlers
{
    NrfDriver::Adapter adapter = nullptr;
    void *internal = nullptr;
    NrfDriver::StatusHandler status;
    NrfDriver::EventHandler events;
    NrfDriver::LogHandler log;
};

// The library calls back through plain C functions, so the handlers of every open adapter are kept here.
// It names the adapter by a copy of the handle that shares its internal pointer, hence the second way to
// match.
class HandlerRegistry
{
public:
    void add(adapter_t *adapter, Handlers handlers)
    {
        QMutexLocker locker(&m_mutex);
        m_handlers.insert(adapter, std::make_shared<const Handlers>(std::move(handlers)));
    }

    void remove(adapter_t *adapter)
    {
        QMutexLocker locker(&m_mutex);
        m_handlers.remove(adapter);
    }

    // A copy, so a handler runs without the lock and survives a deleteAdapter() meanwhile.
    std::shared_ptr<const Handlers> find(adapter_t *adapter) const
    {
        if (!adapter)
            return {};
        QMutexLocker locker(&m_mutex);
        if (const auto exact = m_handlers.constFind(adapter); exact != m_handlers.constEnd())
            return *exact;
        for (const auto &handlers : m_handlers) {
            if (handlers->internal && handlers->internal == adapter->internal)
                return handlers;
        }
        return {};
    }

private:
    mutable QMutex m_mutex;
    QHash<adapter_t *, std::shared_ptr<const Handlers>> m_handlers;
};

HandlerRegistry &handlerRegistry()
{
    static HandlerRegistry registry;
    return registry;
}

QString text(const char *message)
{
    return message ? QString::fromUtf8(message) : QString();
}

Nrf::Address addressOf(const ble_gap_addr_t &address)
{
    Nrf::Address out;
    std::copy(std::begin(address.addr), std::end(address.addr), out.bytes.begin());
    out.randomStatic = address.addr_type == BLE_GAP_ADDR_TYPE_RANDOM_STATIC;
    return out;
}

Nrf::Uuid uuidOf(const ble_uuid_t &uuid)
{
    return {uuid.uuid, uuid.type};
}

// List entries and values past the one element the declarations show are copied out by offset.
template<typename Entry> Entry entryAt(const ble_evt_t &event, std::size_t offset)
{
    Entry entry;
    std::memcpy(&entry, reinterpret_cast<const char *>(&event) + offset, sizeof entry);
    return entry;
}

constexpr std::size_t GapParams = offsetof(ble_evt_t, evt.gap_evt.params);
constexpr std::size_t GattcParams = offsetof(ble_evt_t, evt.gattc_evt.params);
constexpr std::size_t GattsParams = offsetof(ble_evt_t, evt.gatts_evt.params);

// One library event as ours. False for kinds the link does not use and for events whose length cannot hold
// what their kind and counts promise: nothing past evt_len is read.
bool decode(const ble_evt_t &event, Nrf::Event &out)
{
    const std::size_t length = event.header.evt_len;
    const auto holds = [length](std::size_t end) { return end <= length; };
    const ble_gap_evt_t &gap = event.evt.gap_evt;
    const ble_gattc_evt_t &gattc = event.evt.gattc_evt;
    const ble_gatts_evt_t &gatts = event.evt.gatts_evt;
    out.id = event.header.evt_id;

    // Connection, status and the handle an error names: common to every GATT client event.
    const auto gattcHeader = [&] {
        if (!holds(GattcParams))
            return false;
        out.connHandle = gattc.conn_handle;
        out.gattStatus = gattc.gatt_status;
        out.errorHandle = gattc.error_handle;
        return true;
    };
    // The count sits just before the list, so it is read only once the length covers it.
    const auto listFits = [&](std::size_t list, const uint16_t &count, std::size_t entrySize) {
        return holds(list) && holds(list + std::size_t(count) * entrySize);
    };

    switch (event.header.evt_id) {
    case BLE_GAP_EVT_CONNECTED:
        if (!holds(GapParams + sizeof(ble_gap_evt_connected_t)))
            return false;
        out.connHandle = gap.conn_handle;
        out.peer = addressOf(gap.params.connected.peer_addr);
        return true;
    case BLE_GAP_EVT_DISCONNECTED:
        if (!holds(GapParams + sizeof(ble_gap_evt_disconnected_t)))
            return false;
        out.connHandle = gap.conn_handle;
        out.reason = gap.params.disconnected.reason;
        return true;
    case BLE_GAP_EVT_TIMEOUT:
        if (!holds(GapParams + sizeof(ble_gap_evt_timeout_t)))
            return false;
        out.connHandle = gap.conn_handle;
        out.timeoutSource = gap.params.timeout.src;
        return true;
    case BLE_GAP_EVT_RSSI_CHANGED:
        if (!holds(GapParams + sizeof(ble_gap_evt_rssi_changed_t)))
            return false;
        out.connHandle = gap.conn_handle;
        out.rssi = gap.params.rssi_changed.rssi;
        return true;
    case BLE_GAP_EVT_ADV_REPORT: {
        constexpr std::size_t data = GapParams + offsetof(ble_gap_evt_adv_report_t, data);
        const ble_gap_evt_adv_report_t &report = gap.params.adv_report;
        if (!holds(data) || !holds(data + report.dlen))
            return false;
        out.connHandle = gap.conn_handle;
        out.peer = addressOf(report.peer_addr);
        out.rssi = report.rssi;
        out.scanResponse = report.scan_rsp;
        out.data = QByteArray(reinterpret_cast<const char *>(&event) + data, report.dlen);
        return true;
    }
    case BLE_GAP_EVT_CONN_PARAM_UPDATE_REQUEST: {
        if (!holds(GapParams + sizeof(ble_gap_evt_conn_param_update_request_t)))
            return false;
        const ble_gap_conn_params_t &requested = gap.params.conn_param_update_request.conn_params;
        out.connHandle = gap.conn_handle;
        out.connectionParameters = {requested.min_conn_interval, requested.max_conn_interval,
                                    requested.slave_latency, requested.conn_sup_timeout};
        return true;
    }
    case BLE_GAP_EVT_DATA_LENGTH_UPDATE_REQUEST:
        if (!holds(GapParams + sizeof(ble_gap_evt_data_length_update_request_t)))
            return false;
        out.connHandle = gap.conn_handle;
        return true;
    case BLE_GATTC_EVT_PRIM_SRVC_DISC_RSP: {
        constexpr std::size_t list = GattcParams + offsetof(ble_gattc_evt_prim_srvc_disc_rsp_t, services);
        if (!gattcHeader())
            return false;
        // A failed response (how a discovery ends) counts for its status; its list is not to be trusted.
        if (out.gattStatus != BLE_GATT_STATUS_SUCCESS)
            return true;
        if (!listFits(list, gattc.params.prim_srvc_disc_rsp.count, sizeof(ble_gattc_service_t)))
            return false;
        for (std::size_t i = 0; i < gattc.params.prim_srvc_disc_rsp.count; ++i) {
            const auto service = entryAt<ble_gattc_service_t>(event, list + i * sizeof(ble_gattc_service_t));
            out.services.append(
                {uuidOf(service.uuid), service.handle_range.start_handle, service.handle_range.end_handle});
        }
        return true;
    }
    case BLE_GATTC_EVT_CHAR_DISC_RSP: {
        constexpr std::size_t list = GattcParams + offsetof(ble_gattc_evt_char_disc_rsp_t, chars);
        if (!gattcHeader())
            return false;
        if (out.gattStatus != BLE_GATT_STATUS_SUCCESS)
            return true;
        if (!listFits(list, gattc.params.char_disc_rsp.count, sizeof(ble_gattc_char_t)))
            return false;
        for (std::size_t i = 0; i < gattc.params.char_disc_rsp.count; ++i) {
            const auto characteristic = entryAt<ble_gattc_char_t>(event, list + i * sizeof(ble_gattc_char_t));
            out.characteristics.append(
                {uuidOf(characteristic.uuid), characteristic.handle_decl, characteristic.handle_value});
        }
        return true;
    }
    case BLE_GATTC_EVT_DESC_DISC_RSP: {
        constexpr std::size_t list = GattcParams + offsetof(ble_gattc_evt_desc_disc_rsp_t, descs);
        if (!gattcHeader())
            return false;
        if (out.gattStatus != BLE_GATT_STATUS_SUCCESS)
            return true;
        if (!listFits(list, gattc.params.desc_disc_rsp.count, sizeof(ble_gattc_desc_t)))
            return false;
        for (std::size_t i = 0; i < gattc.params.desc_disc_rsp.count; ++i) {
            const auto descriptor = entryAt<ble_gattc_desc_t>(event, list + i * sizeof(ble_gattc_desc_t));
            out.descriptors.append({uuidOf(descriptor.uuid), descriptor.handle});
        }
        return true;
    }
    case BLE_GATTC_EVT_WRITE_RSP:
        if (!gattcHeader() || !holds(GattcParams + offsetof(ble_gattc_evt_write_rsp_t, data)))
            return false;
        out.handle = gattc.params.write_rsp.handle;
        return true;
    case BLE_GATTC_EVT_HVX: {
        constexpr std::size_t data = GattcParams + offsetof(ble_gattc_evt_hvx_t, data);
        if (!gattcHeader() || !holds(data) || !holds(data + gattc.params.hvx.len))
            return false;
        out.handle = gattc.params.hvx.handle;
        out.handleValueType = gattc.params.hvx.type;
        out.data = QByteArray(reinterpret_cast<const char *>(&event) + data, gattc.params.hvx.len);
        return true;
    }
    case BLE_GATTC_EVT_TIMEOUT:
        return gattcHeader() && holds(GattcParams + sizeof(ble_gattc_evt_timeout_t));
    case BLE_GATTS_EVT_EXCHANGE_MTU_REQUEST:
        if (!holds(GattsParams + sizeof(ble_gatts_evt_exchange_mtu_request_t)))
            return false;
        out.connHandle = gatts.conn_handle;
        out.clientMtu = gatts.params.exchange_mtu_request.client_rx_mtu;
        return true;
    case BLE_GATTS_EVT_TIMEOUT:
        if (!holds(GattsParams + sizeof(ble_gatts_evt_timeout_t)))
            return false;
        out.connHandle = gatts.conn_handle;
        return true;
    default:
        return false;
    }
}

void onStatus(adapter_t *adapter, sd_rpc_app_status_t code, const char *message)
{
    const auto handlers = handlerRegistry().find(adapter);
    if (handlers && handlers->status)
        handlers->status(handlers->adapter, int(code), text(message));
}

void onEvent(adapter_t *adapter, ble_evt_t *event)
{
    const auto handlers = handlerRegistry().find(adapter);
    if (!event || !handlers || !handlers->events)
        return;
    Nrf::Event out;
    if (decode(*event, out))
        handlers->events(handlers->adapter, out);
}

void onLog(adapter_t *adapter, sd_rpc_log_severity_t severity, const char *message)
{
    const auto handlers = handlerRegistry().find(adapter);
    if (handlers && handlers->log)
        handlers->log(handlers->adapter, int(severity), text(message));
}

ble_gap_scan_params_t scanParameters(const Nrf::ScanParameters &scan)
{
    ble_gap_scan_params_t parameters{};
    parameters.active = scan.active ? 1 : 0;
    parameters.interval = scan.interval;
    parameters.window = scan.window;
    parameters.timeout = scan.timeoutSeconds;
    return parameters;
}

ble_gap_conn_params_t connectionParameters(const Nrf::ConnectionParameters &connection)
{
    return {connection.minInterval, connection.maxInterval, connection.latency,
            connection.supervisionTimeout};
}

adapter_t *raw(NrfDriver::Adapter adapter)
{
    return static_cast<adapter_t *>(adapter);
}

} // namespace

NrfLibraryDriver::NrfLibraryDriver(const QString &libraryPath)
{
    if (!load(libraryPath))
        m_api.reset();
}

// The library stays loaded: its threads may still be winding down.
NrfLibraryDriver::~NrfLibraryDriver() = default;

bool NrfLibraryDriver::load(const QString &libraryPath)
{
    const QList<Candidate> candidates =
        libraryPath.isEmpty() ? usualCandidates() : QList<Candidate>{{libraryPath, QString()}};
    const auto loaded = std::any_of(candidates.begin(), candidates.end(), [this](const Candidate &candidate) {
        m_library.setFileNameAndVersion(candidate.name, candidate.version);
        return m_library.load();
    });
    if (!loaded) {
        const QString wanted = libraryPath.isEmpty() ? releaseFileName() : libraryPath;
        m_reason =
            QStringLiteral("the nRF driver library %1 was not found; install pc-ble-driver 4.1.4 or put "
                           "the library next to the kovran program")
                .arg(wanted);
        return false;
    }

    m_api = std::make_unique<EntryPoints>();
    QStringList missing;
#define KOVRAN_NRF_RESOLVE(symbol) resolve(m_library, #symbol, m_api->symbol, missing)
    KOVRAN_NRF_RESOLVE(sd_rpc_physical_layer_create_uart);
    KOVRAN_NRF_RESOLVE(sd_rpc_data_link_layer_create_bt_three_wire);
    KOVRAN_NRF_RESOLVE(sd_rpc_transport_layer_create);
    KOVRAN_NRF_RESOLVE(sd_rpc_adapter_create);
    KOVRAN_NRF_RESOLVE(sd_rpc_adapter_delete);
    KOVRAN_NRF_RESOLVE(sd_rpc_log_handler_severity_filter_set);
    KOVRAN_NRF_RESOLVE(sd_rpc_open);
    KOVRAN_NRF_RESOLVE(sd_rpc_close);
    KOVRAN_NRF_RESOLVE(sd_ble_cfg_set);
    KOVRAN_NRF_RESOLVE(sd_ble_enable);
    KOVRAN_NRF_RESOLVE(sd_ble_uuid_vs_add);
    KOVRAN_NRF_RESOLVE(sd_ble_gap_scan_start);
    KOVRAN_NRF_RESOLVE(sd_ble_gap_scan_stop);
    KOVRAN_NRF_RESOLVE(sd_ble_gap_connect);
    KOVRAN_NRF_RESOLVE(sd_ble_gap_connect_cancel);
    KOVRAN_NRF_RESOLVE(sd_ble_gap_disconnect);
    KOVRAN_NRF_RESOLVE(sd_ble_gap_rssi_start);
    KOVRAN_NRF_RESOLVE(sd_ble_gap_conn_param_update);
    KOVRAN_NRF_RESOLVE(sd_ble_gap_data_length_update);
    KOVRAN_NRF_RESOLVE(sd_ble_gatts_exchange_mtu_reply);
    KOVRAN_NRF_RESOLVE(sd_ble_gattc_primary_services_discover);
    KOVRAN_NRF_RESOLVE(sd_ble_gattc_characteristics_discover);
    KOVRAN_NRF_RESOLVE(sd_ble_gattc_descriptors_discover);
    KOVRAN_NRF_RESOLVE(sd_ble_gattc_write);
    KOVRAN_NRF_RESOLVE(sd_ble_gattc_hv_confirm);
#undef KOVRAN_NRF_RESOLVE
    if (!missing.isEmpty()) {
        QString lacking = missing.mid(0, 3).join(QStringLiteral(", "));
        if (missing.size() > 3)
            lacking += QStringLiteral(" and %1 more").arg(missing.size() - 3);
        m_reason =
            QStringLiteral("the nRF driver library %1 lacks %2, so it is not pc-ble-driver 4.1.4 for "
                           "SoftDevice API v5; install that release or put its %3 next to the kovran program")
                .arg(m_library.fileName(), lacking, releaseFileName());
        m_library.unload();
        return false;
    }
    return true;
}

QString NrfLibraryDriver::libraryName() const
{
    return releaseFileName();
}

bool NrfLibraryDriver::isAvailable() const
{
    return m_api != nullptr;
}

QString NrfLibraryDriver::unavailableReason() const
{
    return m_api ? QString() : m_reason;
}

NrfDriver::Adapter NrfLibraryDriver::createAdapter(const QString &port, quint32 baudRate,
                                                   quint32 retransmissionMs, quint32 responseTimeoutMs)
{
    if (!m_api)
        return nullptr;
    const QByteArray portName = port.toLatin1();
    physical_layer_t *physical = m_api->sd_rpc_physical_layer_create_uart(
        portName.constData(), baudRate, SD_RPC_FLOW_CONTROL_NONE, SD_RPC_PARITY_NONE);
    if (!physical)
        return nullptr;
    data_link_layer_t *link = m_api->sd_rpc_data_link_layer_create_bt_three_wire(physical, retransmissionMs);
    if (!link)
        return nullptr;
    transport_layer_t *transport = m_api->sd_rpc_transport_layer_create(link, responseTimeoutMs);
    if (!transport)
        return nullptr;
    return m_api->sd_rpc_adapter_create(transport);
}

void NrfLibraryDriver::setLogSeverityFilter(Adapter adapter, int severity)
{
    if (m_api && adapter)
        m_api->sd_rpc_log_handler_severity_filter_set(raw(adapter), sd_rpc_log_severity_t(severity));
}

quint32 NrfLibraryDriver::open(Adapter adapter, StatusHandler status, EventHandler events, LogHandler log)
{
    if (!m_api || !adapter)
        return NRF_ERROR_NOT_SUPPORTED;
    // Registered first: the library may report while it opens.
    handlerRegistry().add(raw(adapter), {adapter, raw(adapter)->internal, std::move(status),
                                         std::move(events), std::move(log)});
    return m_api->sd_rpc_open(raw(adapter), onStatus, onEvent, onLog);
}

quint32 NrfLibraryDriver::configureCentralRoles(Adapter adapter, quint8 centralRoles)
{
    if (!m_api || !adapter)
        return NRF_ERROR_NOT_SUPPORTED;
    ble_cfg_t configuration;
    std::memset(&configuration, 0, sizeof configuration);
    configuration.gap_cfg.role_count_cfg.central_role_count = centralRoles;
    return m_api->sd_ble_cfg_set(raw(adapter), BLE_GAP_CFG_ROLE_COUNT, &configuration, 0);
}

quint32 NrfLibraryDriver::enable(Adapter adapter)
{
    if (!m_api || !adapter)
        return NRF_ERROR_NOT_SUPPORTED;
    const uint32_t applicationRamBase = 0;
    return m_api->sd_ble_enable(raw(adapter), &applicationRamBase);
}

quint32 NrfLibraryDriver::addVendorUuid(Adapter adapter, const std::array<quint8, 16> &base, quint8 &type)
{
    if (!m_api || !adapter)
        return NRF_ERROR_NOT_SUPPORTED;
    ble_uuid128_t uuid;
    std::copy(base.begin(), base.end(), std::begin(uuid.uuid128));
    uint8_t assigned = 0;
    const quint32 result = m_api->sd_ble_uuid_vs_add(raw(adapter), &uuid, &assigned);
    if (result == NRF_SUCCESS)
        type = assigned;
    return result;
}

quint32 NrfLibraryDriver::startScan(Adapter adapter, const Nrf::ScanParameters &scan)
{
    if (!m_api || !adapter)
        return NRF_ERROR_NOT_SUPPORTED;
    const ble_gap_scan_params_t parameters = scanParameters(scan);
    return m_api->sd_ble_gap_scan_start(raw(adapter), &parameters);
}

quint32 NrfLibraryDriver::stopScan(Adapter adapter)
{
    if (!m_api || !adapter)
        return NRF_ERROR_NOT_SUPPORTED;
    return m_api->sd_ble_gap_scan_stop(raw(adapter));
}

quint32 NrfLibraryDriver::connect(Adapter adapter, const Nrf::Address &peer, const Nrf::ScanParameters &scan,
                                  const Nrf::ConnectionParameters &connection)
{
    if (!m_api || !adapter)
        return NRF_ERROR_NOT_SUPPORTED;
    ble_gap_addr_t address{};
    address.addr_type = peer.randomStatic ? BLE_GAP_ADDR_TYPE_RANDOM_STATIC : BLE_GAP_ADDR_TYPE_PUBLIC;
    std::copy(peer.bytes.begin(), peer.bytes.end(), std::begin(address.addr));
    const ble_gap_scan_params_t scanning = scanParameters(scan);
    const ble_gap_conn_params_t parameters = connectionParameters(connection);
    return m_api->sd_ble_gap_connect(raw(adapter), &address, &scanning, &parameters,
                                     BLE_CONN_CFG_TAG_DEFAULT);
}

quint32 NrfLibraryDriver::cancelConnect(Adapter adapter)
{
    if (!m_api || !adapter)
        return NRF_ERROR_NOT_SUPPORTED;
    return m_api->sd_ble_gap_connect_cancel(raw(adapter));
}

quint32 NrfLibraryDriver::disconnect(Adapter adapter, quint16 connHandle, quint8 reason)
{
    if (!m_api || !adapter)
        return NRF_ERROR_NOT_SUPPORTED;
    return m_api->sd_ble_gap_disconnect(raw(adapter), connHandle, reason);
}

quint32 NrfLibraryDriver::startRssi(Adapter adapter, quint16 connHandle)
{
    if (!m_api || !adapter)
        return NRF_ERROR_NOT_SUPPORTED;
    return m_api->sd_ble_gap_rssi_start(raw(adapter), connHandle, 0, 0);
}

quint32 NrfLibraryDriver::updateConnectionParameters(Adapter adapter, quint16 connHandle,
                                                     const Nrf::ConnectionParameters &parameters)
{
    if (!m_api || !adapter)
        return NRF_ERROR_NOT_SUPPORTED;
    const ble_gap_conn_params_t requested = connectionParameters(parameters);
    return m_api->sd_ble_gap_conn_param_update(raw(adapter), connHandle, &requested);
}

quint32 NrfLibraryDriver::updateDataLength(Adapter adapter, quint16 connHandle)
{
    if (!m_api || !adapter)
        return NRF_ERROR_NOT_SUPPORTED;
    return m_api->sd_ble_gap_data_length_update(raw(adapter), connHandle, nullptr, nullptr);
}

quint32 NrfLibraryDriver::replyMtu(Adapter adapter, quint16 connHandle, quint16 mtu)
{
    if (!m_api || !adapter)
        return NRF_ERROR_NOT_SUPPORTED;
    return m_api->sd_ble_gatts_exchange_mtu_reply(raw(adapter), connHandle, mtu);
}

quint32 NrfLibraryDriver::discoverPrimaryServices(Adapter adapter, quint16 connHandle, quint16 startHandle,
                                                  const Nrf::Uuid &uuid)
{
    if (!m_api || !adapter)
        return NRF_ERROR_NOT_SUPPORTED;
    const ble_uuid_t service{uuid.uuid, uuid.type};
    return m_api->sd_ble_gattc_primary_services_discover(raw(adapter), connHandle, startHandle, &service);
}

quint32 NrfLibraryDriver::discoverCharacteristics(Adapter adapter, quint16 connHandle, quint16 startHandle,
                                                  quint16 endHandle)
{
    if (!m_api || !adapter)
        return NRF_ERROR_NOT_SUPPORTED;
    const ble_gattc_handle_range_t range{startHandle, endHandle};
    return m_api->sd_ble_gattc_characteristics_discover(raw(adapter), connHandle, &range);
}

quint32 NrfLibraryDriver::discoverDescriptors(Adapter adapter, quint16 connHandle, quint16 startHandle,
                                              quint16 endHandle)
{
    if (!m_api || !adapter)
        return NRF_ERROR_NOT_SUPPORTED;
    const ble_gattc_handle_range_t range{startHandle, endHandle};
    return m_api->sd_ble_gattc_descriptors_discover(raw(adapter), connHandle, &range);
}

quint32 NrfLibraryDriver::write(Adapter adapter, quint16 connHandle, bool withResponse, quint16 handle,
                                const QByteArray &value)
{
    if (!m_api || !adapter)
        return NRF_ERROR_NOT_SUPPORTED;
    if (value.size() > 0xFFFF)
        return NRF_ERROR_INVALID_LENGTH;
    ble_gattc_write_params_t parameters{};
    parameters.write_op = withResponse ? BLE_GATT_OP_WRITE_REQ : BLE_GATT_OP_WRITE_CMD;
    parameters.handle = handle;
    parameters.len = uint16_t(value.size());
    parameters.p_value = reinterpret_cast<const uint8_t *>(value.constData());
    return m_api->sd_ble_gattc_write(raw(adapter), connHandle, &parameters);
}

quint32 NrfLibraryDriver::confirmHandleValue(Adapter adapter, quint16 connHandle, quint16 handle)
{
    if (!m_api || !adapter)
        return NRF_ERROR_NOT_SUPPORTED;
    return m_api->sd_ble_gattc_hv_confirm(raw(adapter), connHandle, handle);
}

quint32 NrfLibraryDriver::close(Adapter adapter)
{
    if (!m_api || !adapter)
        return NRF_ERROR_NOT_SUPPORTED;
    return m_api->sd_rpc_close(raw(adapter));
}

void NrfLibraryDriver::deleteAdapter(Adapter adapter)
{
    if (!m_api || !adapter)
        return;
    handlerRegistry().remove(raw(adapter));
    m_api->sd_rpc_adapter_delete(raw(adapter));
}
