// A stand-in for Nordic's nrf-ble-driver, loaded by the tests in its place: the same C entry points, declared
// from the driver's own header. Every call is written to a text log, read through fake_nrf_calls(). Opening
// an adapter starts a thread that, like the library's own, reports a status, a log line and a fixed series of
// events, malformed ones among them; each event lies in a buffer exactly as long as its header says.

#include "links/dongle/nrfdriverapi.h"

#include <cstdarg>
#include <cstdio>
#include <cstring>
#include <mutex>
#include <string>
#include <thread>
#include <type_traits>
#include <vector>

#if defined(_WIN32)
#define FAKE_EXPORT extern "C" __declspec(dllexport)
#else
#define FAKE_EXPORT extern "C" __attribute__((visibility("default")))
#endif

using namespace NrfApi;

namespace {

struct Fake
{
    std::mutex mutex;
    std::string calls;
    std::string snapshot;
    // The newest object of each kind, to tell whether the caller hands back the one it was given.
    physical_layer_t *physical = nullptr;
    data_link_layer_t *link = nullptr;
    transport_layer_t *transport = nullptr;
    adapter_t *adapter = nullptr;
    std::thread playback;

    ~Fake()
    {
        if (playback.joinable())
            playback.join();
    }
};

Fake &fake()
{
    static Fake instance;
    return instance;
}

void record(const char *format, ...)
{
    char line[256];
    va_list arguments;
    va_start(arguments, format);
    std::vsnprintf(line, sizeof line, format, arguments);
    va_end(arguments);
    std::lock_guard<std::mutex> lock(fake().mutex);
    fake().calls += line;
    fake().calls += '\n';
}

const char *known(const void *object, const void *newest, const char *name)
{
    return object && object == newest ? name : "unknown";
}

const char *adapterName(const adapter_t *adapter)
{
    return known(adapter, fake().adapter, "adapter");
}

std::string hex(const uint8_t *bytes, std::size_t length)
{
    std::string text;
    char pair[3];
    for (std::size_t i = 0; i < length; ++i) {
        std::snprintf(pair, sizeof pair, "%02x", bytes[i]);
        text += pair;
    }
    return text;
}

union EventBuffer {
    ble_evt_t event;
    unsigned char bytes[128];
};

constexpr std::size_t GapParams = offsetof(ble_evt_t, evt.gap_evt.params);
constexpr std::size_t GattcParams = offsetof(ble_evt_t, evt.gattc_evt.params);

template<typename Entry> void put(EventBuffer &buffer, std::size_t offset, const Entry &entry)
{
    std::memcpy(buffer.bytes + offset, &entry, sizeof entry);
}

std::vector<std::vector<unsigned char>> script()
{
    std::vector<std::vector<unsigned char>> events;
    EventBuffer b;
    const auto start = [&](uint16_t id) {
        std::memset(&b, 0, sizeof b);
        b.event.header.evt_id = id;
    };
    const auto finish = [&](std::size_t length) {
        b.event.header.evt_len = uint16_t(length);
        events.emplace_back(b.bytes, b.bytes + length);
    };
    ble_gap_evt_t &gap = b.event.evt.gap_evt;
    ble_gattc_evt_t &gattc = b.event.evt.gattc_evt;

    start(BLE_GAP_EVT_CONNECTED);
    gap.conn_handle = 1;
    gap.params.connected.peer_addr.addr_type = BLE_GAP_ADDR_TYPE_RANDOM_STATIC;
    const uint8_t peer[6] = {0x55, 0x44, 0x33, 0x22, 0x11, 0xC0};
    std::memcpy(gap.params.connected.peer_addr.addr, peer, 6);
    gap.params.connected.conn_params = {12, 48, 0, 500};
    finish(GapParams + sizeof(ble_gap_evt_connected_t));

    // A kind the link does not use.
    start(BLE_GAP_EVT_CONN_PARAM_UPDATE);
    gap.conn_handle = 1;
    finish(GapParams + sizeof(ble_gap_conn_params_t));

    start(BLE_GAP_EVT_ADV_REPORT);
    gap.conn_handle = BLE_CONN_HANDLE_INVALID;
    const uint8_t advertiser[6] = {1, 2, 3, 4, 5, 6};
    std::memcpy(gap.params.adv_report.peer_addr.addr, advertiser, 6);
    gap.params.adv_report.rssi = -60;
    gap.params.adv_report.scan_rsp = 1;
    gap.params.adv_report.dlen = 7;
    std::memcpy(gap.params.adv_report.data,
                "\x06\x09"
                "CAL-1",
                7);
    finish(GapParams + offsetof(ble_gap_evt_adv_report_t, data) + 7);

    start(BLE_GATTC_EVT_PRIM_SRVC_DISC_RSP);
    gattc.conn_handle = 1;
    gattc.params.prim_srvc_disc_rsp.count = 2;
    const std::size_t services = GattcParams + offsetof(ble_gattc_evt_prim_srvc_disc_rsp_t, services);
    put(b, services, ble_gattc_service_t{{0xAA10, 2}, {10, 20}});
    put(b, services + sizeof(ble_gattc_service_t), ble_gattc_service_t{{0x180F, 1}, {21, 0xFFFF}});
    finish(services + 2 * sizeof(ble_gattc_service_t));

    start(BLE_GATTC_EVT_CHAR_DISC_RSP);
    gattc.conn_handle = 1;
    gattc.params.char_disc_rsp.count = 2;
    const std::size_t chars = GattcParams + offsetof(ble_gattc_evt_char_disc_rsp_t, chars);
    ble_gattc_char_t characteristic{};
    characteristic.uuid = {0xAA11, 2};
    characteristic.char_props.indicate = 1;
    characteristic.handle_decl = 11;
    characteristic.handle_value = 12;
    put(b, chars, characteristic);
    characteristic.uuid = {0xAA12, 2};
    characteristic.char_props = {};
    characteristic.char_props.write = 1;
    characteristic.handle_decl = 14;
    characteristic.handle_value = 15;
    put(b, chars + sizeof(ble_gattc_char_t), characteristic);
    finish(chars + 2 * sizeof(ble_gattc_char_t));

    start(BLE_GATTC_EVT_DESC_DISC_RSP);
    gattc.conn_handle = 1;
    gattc.params.desc_disc_rsp.count = 1;
    const std::size_t descs = GattcParams + offsetof(ble_gattc_evt_desc_disc_rsp_t, descs);
    put(b, descs, ble_gattc_desc_t{13, {0x2902, 1}});
    finish(descs + sizeof(ble_gattc_desc_t));

    // Malformed: a connection event cut after its header, advertising data and a list that claim more than
    // their lengths hold.
    start(BLE_GAP_EVT_CONNECTED);
    gap.conn_handle = 2;
    finish(GapParams);
    start(BLE_GAP_EVT_ADV_REPORT);
    gap.conn_handle = BLE_CONN_HANDLE_INVALID;
    gap.params.adv_report.dlen = 31;
    finish(GapParams + offsetof(ble_gap_evt_adv_report_t, data) + 7);
    start(BLE_GATTC_EVT_DESC_DISC_RSP);
    gattc.conn_handle = 2;
    gattc.params.desc_disc_rsp.count = 40;
    finish(descs + sizeof(ble_gattc_desc_t));

    // A failed discovery: only the status counts, whatever the count says.
    start(BLE_GATTC_EVT_CHAR_DISC_RSP);
    gattc.conn_handle = 1;
    gattc.gatt_status = 0x010A;
    gattc.error_handle = 16;
    gattc.params.char_disc_rsp.count = 0xFFFF;
    finish(chars);

    start(BLE_GATTC_EVT_HVX);
    gattc.conn_handle = 1;
    gattc.params.hvx.handle = 12;
    gattc.params.hvx.type = BLE_GATT_HVX_INDICATION;
    gattc.params.hvx.len = 5;
    const std::size_t value = GattcParams + offsetof(ble_gattc_evt_hvx_t, data);
    std::memcpy(b.bytes + value, "\x01\x02\x03\x04\x05", 5);
    finish(value + 5);

    start(BLE_GAP_EVT_RSSI_CHANGED);
    gap.conn_handle = 1;
    gap.params.rssi_changed.rssi = -70;
    finish(GapParams + sizeof(ble_gap_evt_rssi_changed_t));

    start(BLE_GAP_EVT_DISCONNECTED);
    gap.conn_handle = 1;
    gap.params.disconnected.reason = 0x13;
    finish(GapParams + sizeof(ble_gap_evt_disconnected_t));
    return events;
}

// The library names the adapter in its calls by a copy that shares the internal pointer.
void play(adapter_t copy, sd_rpc_status_handler_t status, sd_rpc_evt_handler_t events,
          sd_rpc_log_handler_t log)
{
    status(&copy, RESET_PERFORMED, "Target Reset performed");
    log(&copy, SD_RPC_LOG_INFO, "Successfully opened");
    for (const std::vector<unsigned char> &bytes : script()) {
        void *event = ::operator new(bytes.size());
        std::memcpy(event, bytes.data(), bytes.size());
        events(&copy, static_cast<ble_evt_t *>(event));
        ::operator delete(event);
    }
}

} // namespace

FAKE_EXPORT const char *fake_nrf_calls()
{
    std::lock_guard<std::mutex> lock(fake().mutex);
    fake().snapshot = fake().calls;
    return fake().snapshot.c_str();
}

FAKE_EXPORT physical_layer_t *sd_rpc_physical_layer_create_uart(const char *port_name, uint32_t baud_rate,
                                                                sd_rpc_flow_control_t flow_control,
                                                                sd_rpc_parity_t parity)
{
    record("sd_rpc_physical_layer_create_uart %s baud=%u flow=%d parity=%d", port_name, unsigned(baud_rate),
           int(flow_control), int(parity));
    return fake().physical = new physical_layer_t{nullptr};
}

FAKE_EXPORT data_link_layer_t *sd_rpc_data_link_layer_create_bt_three_wire(physical_layer_t *physical_layer,
                                                                           uint32_t retransmission_interval)
{
    record("sd_rpc_data_link_layer_create_bt_three_wire %s retransmission=%u",
           known(physical_layer, fake().physical, "physical"), unsigned(retransmission_interval));
    return fake().link = new data_link_layer_t{physical_layer};
}

FAKE_EXPORT transport_layer_t *sd_rpc_transport_layer_create(data_link_layer_t *data_link_layer,
                                                             uint32_t response_timeout)
{
    record("sd_rpc_transport_layer_create %s timeout=%u", known(data_link_layer, fake().link, "link"),
           unsigned(response_timeout));
    return fake().transport = new transport_layer_t{data_link_layer};
}

FAKE_EXPORT adapter_t *sd_rpc_adapter_create(transport_layer_t *transport_layer)
{
    record("sd_rpc_adapter_create %s", known(transport_layer, fake().transport, "transport"));
    return fake().adapter = new adapter_t{transport_layer};
}

FAKE_EXPORT void sd_rpc_adapter_delete(adapter_t *adapter)
{
    record("sd_rpc_adapter_delete %s", adapterName(adapter));
    auto *transport = static_cast<transport_layer_t *>(adapter->internal);
    auto *link = static_cast<data_link_layer_t *>(transport->internal);
    delete static_cast<physical_layer_t *>(link->internal);
    delete link;
    delete transport;
    delete adapter;
}

FAKE_EXPORT uint32_t sd_rpc_log_handler_severity_filter_set(adapter_t *adapter,
                                                            sd_rpc_log_severity_t severity)
{
    record("sd_rpc_log_handler_severity_filter_set %s severity=%d", adapterName(adapter), int(severity));
    return NRF_SUCCESS;
}

FAKE_EXPORT uint32_t sd_rpc_open(adapter_t *adapter, sd_rpc_status_handler_t status_handler,
                                 sd_rpc_evt_handler_t event_handler, sd_rpc_log_handler_t log_handler)
{
    record("sd_rpc_open %s", adapterName(adapter));
    if (fake().playback.joinable())
        fake().playback.join();
    fake().playback = std::thread(play, *adapter, status_handler, event_handler, log_handler);
    return NRF_SUCCESS;
}

FAKE_EXPORT uint32_t sd_rpc_close(adapter_t *adapter)
{
    record("sd_rpc_close %s", adapterName(adapter));
    if (fake().playback.joinable())
        fake().playback.join();
    return NRF_SUCCESS;
}

FAKE_EXPORT uint32_t sd_ble_cfg_set(adapter_t *adapter, uint32_t cfg_id, const ble_cfg_t *p_cfg,
                                    uint32_t app_ram_base)
{
    const ble_gap_cfg_role_count_t &roles = p_cfg->gap_cfg.role_count_cfg;
    record("sd_ble_cfg_set %s id=0x%x periph=%u central=%u sec=%u ram=%u", adapterName(adapter),
           unsigned(cfg_id), unsigned(roles.periph_role_count), unsigned(roles.central_role_count),
           unsigned(roles.central_sec_count), unsigned(app_ram_base));
    return NRF_SUCCESS;
}

// As when the stack was left running by an earlier run.
FAKE_EXPORT uint32_t sd_ble_enable(adapter_t *adapter, const uint32_t *p_app_ram_base)
{
    record("sd_ble_enable %s ram=%u", adapterName(adapter), unsigned(*p_app_ram_base));
    return 8;
}

FAKE_EXPORT uint32_t sd_ble_uuid_vs_add(adapter_t *adapter, const ble_uuid128_t *p_vs_uuid,
                                        uint8_t *p_uuid_type)
{
    record("sd_ble_uuid_vs_add %s base=%s", adapterName(adapter), hex(p_vs_uuid->uuid128, 16).c_str());
    *p_uuid_type = 2;
    return NRF_SUCCESS;
}

FAKE_EXPORT uint32_t sd_ble_gap_scan_start(adapter_t *adapter, const ble_gap_scan_params_t *p)
{
    record("sd_ble_gap_scan_start %s active=%u whitelist=%u directed=%u interval=0x%x window=0x%x timeout=%u",
           adapterName(adapter), unsigned(p->active), unsigned(p->use_whitelist), unsigned(p->adv_dir_report),
           unsigned(p->interval), unsigned(p->window), unsigned(p->timeout));
    return NRF_SUCCESS;
}

FAKE_EXPORT uint32_t sd_ble_gap_scan_stop(adapter_t *adapter)
{
    record("sd_ble_gap_scan_stop %s", adapterName(adapter));
    return NRF_SUCCESS;
}

FAKE_EXPORT uint32_t sd_ble_gap_connect(adapter_t *adapter, const ble_gap_addr_t *p_peer_addr,
                                        const ble_gap_scan_params_t *s, const ble_gap_conn_params_t *c,
                                        uint8_t conn_cfg_tag)
{
    record(
        "sd_ble_gap_connect %s peer=%u/%u/%s active=%u interval=0x%x window=0x%x timeout=%u conn=%u,%u,%u,%u "
        "tag=%u",
        adapterName(adapter), unsigned(p_peer_addr->addr_id_peer), unsigned(p_peer_addr->addr_type),
        hex(p_peer_addr->addr, 6).c_str(), unsigned(s->active), unsigned(s->interval), unsigned(s->window),
        unsigned(s->timeout), unsigned(c->min_conn_interval), unsigned(c->max_conn_interval),
        unsigned(c->slave_latency), unsigned(c->conn_sup_timeout), unsigned(conn_cfg_tag));
    return NRF_SUCCESS;
}

FAKE_EXPORT uint32_t sd_ble_gap_connect_cancel(adapter_t *adapter)
{
    record("sd_ble_gap_connect_cancel %s", adapterName(adapter));
    return NRF_SUCCESS;
}

FAKE_EXPORT uint32_t sd_ble_gap_disconnect(adapter_t *adapter, uint16_t conn_handle, uint8_t hci_status_code)
{
    record("sd_ble_gap_disconnect %s conn=%u reason=0x%x", adapterName(adapter), unsigned(conn_handle),
           unsigned(hci_status_code));
    return NRF_SUCCESS;
}

FAKE_EXPORT uint32_t sd_ble_gap_rssi_start(adapter_t *adapter, uint16_t conn_handle, uint8_t threshold_dbm,
                                           uint8_t skip_count)
{
    record("sd_ble_gap_rssi_start %s conn=%u threshold=%u skip=%u", adapterName(adapter),
           unsigned(conn_handle), unsigned(threshold_dbm), unsigned(skip_count));
    return NRF_SUCCESS;
}

FAKE_EXPORT uint32_t sd_ble_gap_conn_param_update(adapter_t *adapter, uint16_t conn_handle,
                                                  const ble_gap_conn_params_t *c)
{
    record("sd_ble_gap_conn_param_update %s conn=%u params=%u,%u,%u,%u", adapterName(adapter),
           unsigned(conn_handle), unsigned(c->min_conn_interval), unsigned(c->max_conn_interval),
           unsigned(c->slave_latency), unsigned(c->conn_sup_timeout));
    return NRF_SUCCESS;
}

FAKE_EXPORT uint32_t sd_ble_gap_data_length_update(adapter_t *adapter, uint16_t conn_handle,
                                                   const void *p_dl_params, void *p_dl_limitation)
{
    record("sd_ble_gap_data_length_update %s conn=%u params=%s limitation=%s", adapterName(adapter),
           unsigned(conn_handle), p_dl_params ? "set" : "auto", p_dl_limitation ? "set" : "none");
    return NRF_SUCCESS;
}

FAKE_EXPORT uint32_t sd_ble_gatts_exchange_mtu_reply(adapter_t *adapter, uint16_t conn_handle,
                                                     uint16_t server_rx_mtu)
{
    record("sd_ble_gatts_exchange_mtu_reply %s conn=%u mtu=%u", adapterName(adapter), unsigned(conn_handle),
           unsigned(server_rx_mtu));
    return NRF_SUCCESS;
}

FAKE_EXPORT uint32_t sd_ble_gattc_primary_services_discover(adapter_t *adapter, uint16_t conn_handle,
                                                            uint16_t start_handle,
                                                            const ble_uuid_t *p_srvc_uuid)
{
    record("sd_ble_gattc_primary_services_discover %s conn=%u start=%u uuid=0x%x type=%u",
           adapterName(adapter), unsigned(conn_handle), unsigned(start_handle), unsigned(p_srvc_uuid->uuid),
           unsigned(p_srvc_uuid->type));
    return NRF_SUCCESS;
}

FAKE_EXPORT uint32_t sd_ble_gattc_characteristics_discover(adapter_t *adapter, uint16_t conn_handle,
                                                           const ble_gattc_handle_range_t *range)
{
    record("sd_ble_gattc_characteristics_discover %s conn=%u range=%u-%u", adapterName(adapter),
           unsigned(conn_handle), unsigned(range->start_handle), unsigned(range->end_handle));
    return NRF_SUCCESS;
}

FAKE_EXPORT uint32_t sd_ble_gattc_descriptors_discover(adapter_t *adapter, uint16_t conn_handle,
                                                       const ble_gattc_handle_range_t *range)
{
    record("sd_ble_gattc_descriptors_discover %s conn=%u range=%u-%u", adapterName(adapter),
           unsigned(conn_handle), unsigned(range->start_handle), unsigned(range->end_handle));
    return NRF_SUCCESS;
}

FAKE_EXPORT uint32_t sd_ble_gattc_write(adapter_t *adapter, uint16_t conn_handle,
                                        const ble_gattc_write_params_t *p)
{
    record("sd_ble_gattc_write %s conn=%u op=%u flags=%u handle=%u offset=%u value=%s", adapterName(adapter),
           unsigned(conn_handle), unsigned(p->write_op), unsigned(p->flags), unsigned(p->handle),
           unsigned(p->offset), hex(p->p_value, p->len).c_str());
    return NRF_SUCCESS;
}

FAKE_EXPORT uint32_t sd_ble_gattc_hv_confirm(adapter_t *adapter, uint16_t conn_handle, uint16_t handle)
{
    record("sd_ble_gattc_hv_confirm %s conn=%u handle=%u", adapterName(adapter), unsigned(conn_handle),
           unsigned(handle));
    return NRF_SUCCESS;
}

// The definitions above keep the signatures the driver resolves them with.
#define FAKE_SAME_SIGNATURE(symbol) static_assert(std::is_same_v<decltype(::symbol), Fn::symbol>, #symbol)
FAKE_SAME_SIGNATURE(sd_rpc_physical_layer_create_uart);
FAKE_SAME_SIGNATURE(sd_rpc_data_link_layer_create_bt_three_wire);
FAKE_SAME_SIGNATURE(sd_rpc_transport_layer_create);
FAKE_SAME_SIGNATURE(sd_rpc_adapter_create);
FAKE_SAME_SIGNATURE(sd_rpc_adapter_delete);
FAKE_SAME_SIGNATURE(sd_rpc_log_handler_severity_filter_set);
FAKE_SAME_SIGNATURE(sd_rpc_open);
FAKE_SAME_SIGNATURE(sd_rpc_close);
FAKE_SAME_SIGNATURE(sd_ble_cfg_set);
FAKE_SAME_SIGNATURE(sd_ble_enable);
FAKE_SAME_SIGNATURE(sd_ble_uuid_vs_add);
FAKE_SAME_SIGNATURE(sd_ble_gap_scan_start);
FAKE_SAME_SIGNATURE(sd_ble_gap_scan_stop);
FAKE_SAME_SIGNATURE(sd_ble_gap_connect);
FAKE_SAME_SIGNATURE(sd_ble_gap_connect_cancel);
FAKE_SAME_SIGNATURE(sd_ble_gap_disconnect);
FAKE_SAME_SIGNATURE(sd_ble_gap_rssi_start);
FAKE_SAME_SIGNATURE(sd_ble_gap_conn_param_update);
FAKE_SAME_SIGNATURE(sd_ble_gap_data_length_update);
FAKE_SAME_SIGNATURE(sd_ble_gatts_exchange_mtu_reply);
FAKE_SAME_SIGNATURE(sd_ble_gattc_primary_services_discover);
FAKE_SAME_SIGNATURE(sd_ble_gattc_characteristics_discover);
FAKE_SAME_SIGNATURE(sd_ble_gattc_descriptors_discover);
FAKE_SAME_SIGNATURE(sd_ble_gattc_write);
FAKE_SAME_SIGNATURE(sd_ble_gattc_hv_confirm);
