#pragma once

// The C types and entry points of Nordic's nrf-ble-driver (SoftDevice API v5, release 4.1.4) that the nRF
// library driver uses, declared after the vendor's public headers and named as there so the two can be
// compared line by line. Only the members we read or fill are spelled out; unions keep the alignment the
// vendor's carry (events are read through their lengths, never through sizeof). The vendor headers use
// natural alignment, no packing: pointer members inside the event unions push the parameters of GAP events to
// pointer alignment, which the asserts at the end pin down. No Qt here: the test library that stands in for
// the vendor's is built from this header too.

#include <cstddef>
#include <cstdint>

namespace NrfApi {

struct adapter_t
{
    void *internal;
};
struct physical_layer_t
{
    void *internal;
};
struct data_link_layer_t
{
    void *internal;
};
struct transport_layer_t
{
    void *internal;
};

// C enums: int-sized in every ABI the library is built for.
enum sd_rpc_flow_control_t : int { SD_RPC_FLOW_CONTROL_NONE = 0, SD_RPC_FLOW_CONTROL_HARDWARE = 1 };
enum sd_rpc_parity_t : int { SD_RPC_PARITY_NONE = 0, SD_RPC_PARITY_EVEN = 1 };
enum sd_rpc_log_severity_t : int {
    SD_RPC_LOG_TRACE,
    SD_RPC_LOG_DEBUG,
    SD_RPC_LOG_INFO,
    SD_RPC_LOG_WARNING,
    SD_RPC_LOG_ERROR,
    SD_RPC_LOG_FATAL
};
enum sd_rpc_app_status_t : int {
    PKT_SEND_MAX_RETRIES_REACHED,
    PKT_UNEXPECTED,
    PKT_ENCODE_ERROR,
    PKT_DECODE_ERROR,
    PKT_SEND_ERROR,
    IO_RESOURCES_UNAVAILABLE,
    RESET_PERFORMED,
    CONNECTION_ACTIVE
};

constexpr uint32_t NRF_SUCCESS = 0;
constexpr uint32_t NRF_ERROR_NOT_SUPPORTED = 6;
constexpr uint32_t NRF_ERROR_INVALID_LENGTH = 9;

constexpr uint8_t BLE_CONN_CFG_TAG_DEFAULT = 0;
constexpr uint32_t BLE_GAP_CFG_ROLE_COUNT = 0x40;
constexpr uint16_t BLE_CONN_HANDLE_INVALID = 0xFFFF;
constexpr uint8_t BLE_GAP_ADDR_TYPE_PUBLIC = 0;
constexpr uint8_t BLE_GAP_ADDR_TYPE_RANDOM_STATIC = 1;
constexpr uint8_t BLE_GATT_OP_WRITE_REQ = 1;
constexpr uint8_t BLE_GATT_OP_WRITE_CMD = 2;
constexpr uint8_t BLE_GATT_HVX_NOTIFICATION = 1;
constexpr uint8_t BLE_GATT_HVX_INDICATION = 2;
constexpr uint16_t BLE_GATT_STATUS_SUCCESS = 0;

constexpr uint16_t BLE_GAP_EVT_CONNECTED = 0x10;
constexpr uint16_t BLE_GAP_EVT_DISCONNECTED = 0x11;
constexpr uint16_t BLE_GAP_EVT_CONN_PARAM_UPDATE = 0x12;
constexpr uint16_t BLE_GAP_EVT_TIMEOUT = 0x1B;
constexpr uint16_t BLE_GAP_EVT_RSSI_CHANGED = 0x1C;
constexpr uint16_t BLE_GAP_EVT_ADV_REPORT = 0x1D;
constexpr uint16_t BLE_GAP_EVT_CONN_PARAM_UPDATE_REQUEST = 0x1F;
constexpr uint16_t BLE_GAP_EVT_DATA_LENGTH_UPDATE_REQUEST = 0x23;
constexpr uint16_t BLE_GATTC_EVT_PRIM_SRVC_DISC_RSP = 0x30;
constexpr uint16_t BLE_GATTC_EVT_CHAR_DISC_RSP = 0x32;
constexpr uint16_t BLE_GATTC_EVT_DESC_DISC_RSP = 0x33;
constexpr uint16_t BLE_GATTC_EVT_WRITE_RSP = 0x38;
constexpr uint16_t BLE_GATTC_EVT_HVX = 0x39;
constexpr uint16_t BLE_GATTC_EVT_TIMEOUT = 0x3B;
constexpr uint16_t BLE_GATTS_EVT_EXCHANGE_MTU_REQUEST = 0x55;
constexpr uint16_t BLE_GATTS_EVT_TIMEOUT = 0x56;

struct ble_uuid_t
{
    uint16_t uuid;
    uint8_t type;
};

struct ble_uuid128_t
{
    uint8_t uuid128[16];
};

struct ble_gap_addr_t
{
    uint8_t addr_id_peer : 1;
    uint8_t addr_type : 7;
    uint8_t addr[6]; // least significant byte first
};

struct ble_gap_conn_params_t
{
    uint16_t min_conn_interval;
    uint16_t max_conn_interval;
    uint16_t slave_latency;
    uint16_t conn_sup_timeout;
};

// The API v5 layout: flags in one byte, then the times.
struct ble_gap_scan_params_t
{
    uint8_t active : 1;
    uint8_t use_whitelist : 1;
    uint8_t adv_dir_report : 1;
    uint16_t interval;
    uint16_t window;
    uint16_t timeout;
};

struct ble_gap_cfg_role_count_t
{
    uint8_t periph_role_count;
    uint8_t central_role_count;
    uint8_t central_sec_count;
};

// Only there for the size of the configuration union.
struct ble_gap_cfg_device_name_t
{
    uint8_t write_perm;
    uint8_t vloc : 2;
    uint8_t *p_value;
    uint16_t current_len;
    uint16_t max_len;
};

union ble_gap_cfg_t {
    ble_gap_cfg_role_count_t role_count_cfg;
    ble_gap_cfg_device_name_t device_name_cfg;
};

union ble_cfg_t {
    uint8_t conn_cfg[10];
    uint8_t common_cfg[1];
    ble_gap_cfg_t gap_cfg;
    uint32_t gatts_cfg;
};

struct ble_gattc_handle_range_t
{
    uint16_t start_handle;
    uint16_t end_handle;
};

struct ble_gattc_service_t
{
    ble_uuid_t uuid;
    ble_gattc_handle_range_t handle_range;
};

struct ble_gatt_char_props_t
{
    uint8_t broadcast : 1;
    uint8_t read : 1;
    uint8_t write_wo_resp : 1;
    uint8_t write : 1;
    uint8_t notify : 1;
    uint8_t indicate : 1;
    uint8_t auth_signed_wr : 1;
};

struct ble_gattc_char_t
{
    ble_uuid_t uuid;
    ble_gatt_char_props_t char_props;
    uint8_t char_ext_props : 1;
    uint16_t handle_decl;
    uint16_t handle_value;
};

struct ble_gattc_desc_t
{
    uint16_t handle;
    ble_uuid_t uuid;
};

struct ble_gattc_write_params_t
{
    uint8_t write_op;
    uint8_t flags;
    uint16_t handle;
    uint16_t offset;
    uint16_t len;
    const uint8_t *p_value;
};

struct ble_evt_hdr_t
{
    uint16_t evt_id;
    uint16_t evt_len; // octets from the start of the event, this header included
};

struct ble_gap_evt_connected_t
{
    ble_gap_addr_t peer_addr;
    uint8_t role;
    ble_gap_conn_params_t conn_params;
};

struct ble_gap_evt_disconnected_t
{
    uint8_t reason;
};

struct ble_gap_evt_timeout_t
{
    uint8_t src;
};

struct ble_gap_evt_rssi_changed_t
{
    int8_t rssi;
};

struct ble_gap_evt_adv_report_t
{
    ble_gap_addr_t peer_addr;
    ble_gap_addr_t direct_addr;
    int8_t rssi;
    uint8_t scan_rsp : 1;
    uint8_t type : 2;
    uint8_t dlen : 5;
    uint8_t data[31];
};

struct ble_gap_evt_conn_param_update_request_t
{
    ble_gap_conn_params_t conn_params;
};

struct ble_gap_evt_data_length_update_request_t
{
    uint16_t max_tx_octets;
    uint16_t max_rx_octets;
    uint16_t max_tx_time_us;
    uint16_t max_rx_time_us;
};

struct ble_gap_evt_t
{
    uint16_t conn_handle;
    union {
        ble_gap_evt_connected_t connected;
        ble_gap_evt_disconnected_t disconnected;
        ble_gap_evt_timeout_t timeout;
        ble_gap_evt_rssi_changed_t rssi_changed;
        ble_gap_evt_adv_report_t adv_report;
        ble_gap_evt_conn_param_update_request_t conn_param_update_request;
        ble_gap_evt_data_length_update_request_t data_length_update_request;
        void *lesc_dhkey_request; // a pointer in the vendor's union: sets its alignment
    } params;
};

// The lists below are variable length: the event carries `count` entries where the vendor declares one.
struct ble_gattc_evt_prim_srvc_disc_rsp_t
{
    uint16_t count;
    ble_gattc_service_t services[1];
};

struct ble_gattc_evt_char_disc_rsp_t
{
    uint16_t count;
    ble_gattc_char_t chars[1];
};

struct ble_gattc_evt_desc_disc_rsp_t
{
    uint16_t count;
    ble_gattc_desc_t descs[1];
};

struct ble_gattc_evt_write_rsp_t
{
    uint16_t handle;
    uint8_t write_op;
    uint16_t offset;
    uint16_t len;
    uint8_t data[1];
};

struct ble_gattc_evt_hvx_t
{
    uint16_t handle;
    uint8_t type;
    uint16_t len;
    uint8_t data[1];
};

struct ble_gattc_evt_timeout_t
{
    uint8_t src;
};

struct ble_gattc_evt_t
{
    uint16_t conn_handle;
    uint16_t gatt_status;
    uint16_t error_handle;
    union {
        ble_gattc_evt_prim_srvc_disc_rsp_t prim_srvc_disc_rsp;
        ble_gattc_evt_char_disc_rsp_t char_disc_rsp;
        ble_gattc_evt_desc_disc_rsp_t desc_disc_rsp;
        ble_gattc_evt_write_rsp_t write_rsp;
        ble_gattc_evt_hvx_t hvx;
        ble_gattc_evt_timeout_t timeout;
    } params;
};

struct ble_gatts_evt_exchange_mtu_request_t
{
    uint16_t client_rx_mtu;
};

struct ble_gatts_evt_timeout_t
{
    uint8_t src;
};

struct ble_gatts_evt_t
{
    uint16_t conn_handle;
    union {
        ble_gatts_evt_exchange_mtu_request_t exchange_mtu_request;
        ble_gatts_evt_timeout_t timeout;
    } params;
};

struct ble_evt_t
{
    ble_evt_hdr_t header;
    union {
        ble_gap_evt_t gap_evt;
        ble_gattc_evt_t gattc_evt;
        ble_gatts_evt_t gatts_evt;
        void *common_evt; // the user memory events hold pointers
    } evt;
};

using sd_rpc_status_handler_t = void (*)(adapter_t *adapter, sd_rpc_app_status_t code, const char *message);
using sd_rpc_evt_handler_t = void (*)(adapter_t *adapter, ble_evt_t *p_ble_evt);
using sd_rpc_log_handler_t = void (*)(adapter_t *adapter, sd_rpc_log_severity_t severity,
                                      const char *message);

// The entry points as function types named after their symbols; every sd_ble_* call takes the adapter first.
namespace Fn {
using sd_rpc_physical_layer_create_uart = physical_layer_t *(const char *port_name, uint32_t baud_rate,
                                                             sd_rpc_flow_control_t flow_control,
                                                             sd_rpc_parity_t parity);
using sd_rpc_data_link_layer_create_bt_three_wire = data_link_layer_t *(physical_layer_t *physical_layer,
                                                                        uint32_t retransmission_interval);
using sd_rpc_transport_layer_create = transport_layer_t *(data_link_layer_t *data_link_layer,
                                                          uint32_t response_timeout);
using sd_rpc_adapter_create = adapter_t *(transport_layer_t *transport_layer);
using sd_rpc_adapter_delete = void(adapter_t *adapter);
using sd_rpc_log_handler_severity_filter_set = uint32_t(adapter_t *adapter, sd_rpc_log_severity_t severity);
using sd_rpc_open = uint32_t(adapter_t *adapter, sd_rpc_status_handler_t status_handler,
                             sd_rpc_evt_handler_t event_handler, sd_rpc_log_handler_t log_handler);
using sd_rpc_close = uint32_t(adapter_t *adapter);
using sd_ble_cfg_set = uint32_t(adapter_t *adapter, uint32_t cfg_id, const ble_cfg_t *p_cfg,
                                uint32_t app_ram_base);
using sd_ble_enable = uint32_t(adapter_t *adapter, const uint32_t *p_app_ram_base);
using sd_ble_uuid_vs_add = uint32_t(adapter_t *adapter, const ble_uuid128_t *p_vs_uuid, uint8_t *p_uuid_type);
using sd_ble_gap_scan_start = uint32_t(adapter_t *adapter, const ble_gap_scan_params_t *p_scan_params);
using sd_ble_gap_scan_stop = uint32_t(adapter_t *adapter);
using sd_ble_gap_connect = uint32_t(adapter_t *adapter, const ble_gap_addr_t *p_peer_addr,
                                    const ble_gap_scan_params_t *p_scan_params,
                                    const ble_gap_conn_params_t *p_conn_params, uint8_t conn_cfg_tag);
using sd_ble_gap_connect_cancel = uint32_t(adapter_t *adapter);
using sd_ble_gap_disconnect = uint32_t(adapter_t *adapter, uint16_t conn_handle, uint8_t hci_status_code);
using sd_ble_gap_rssi_start = uint32_t(adapter_t *adapter, uint16_t conn_handle, uint8_t threshold_dbm,
                                       uint8_t skip_count);
using sd_ble_gap_conn_param_update = uint32_t(adapter_t *adapter, uint16_t conn_handle,
                                              const ble_gap_conn_params_t *p_conn_params);
// The two pointers are never used by us; the library takes null for "automatic" and "not wanted".
using sd_ble_gap_data_length_update = uint32_t(adapter_t *adapter, uint16_t conn_handle,
                                               const void *p_dl_params, void *p_dl_limitation);
using sd_ble_gatts_exchange_mtu_reply = uint32_t(adapter_t *adapter, uint16_t conn_handle,
                                                 uint16_t server_rx_mtu);
using sd_ble_gattc_primary_services_discover = uint32_t(adapter_t *adapter, uint16_t conn_handle,
                                                        uint16_t start_handle, const ble_uuid_t *p_srvc_uuid);
using sd_ble_gattc_characteristics_discover = uint32_t(adapter_t *adapter, uint16_t conn_handle,
                                                       const ble_gattc_handle_range_t *p_handle_range);
using sd_ble_gattc_descriptors_discover = uint32_t(adapter_t *adapter, uint16_t conn_handle,
                                                   const ble_gattc_handle_range_t *p_handle_range);
using sd_ble_gattc_write = uint32_t(adapter_t *adapter, uint16_t conn_handle,
                                    const ble_gattc_write_params_t *p_write_params);
using sd_ble_gattc_hv_confirm = uint32_t(adapter_t *adapter, uint16_t conn_handle, uint16_t handle);
} // namespace Fn

// Layouts as the library is compiled: the figures are x86_64's; those that hang on pointers are written in
// pointer sizes so a 32-bit build is checked too.
constexpr std::size_t PointerSize = sizeof(void *);
static_assert(sizeof(adapter_t) == PointerSize, "adapter handle");
static_assert(sizeof(sd_rpc_log_severity_t) == 4 && sizeof(sd_rpc_flow_control_t) == 4, "C enums are int");
static_assert(sizeof(ble_uuid_t) == 4 && sizeof(ble_uuid128_t) == 16, "UUIDs");
static_assert(sizeof(ble_gap_addr_t) == 7 && offsetof(ble_gap_addr_t, addr) == 1, "address");
static_assert(sizeof(ble_gap_conn_params_t) == 8, "connection parameters");
static_assert(sizeof(ble_gap_scan_params_t) == 8 && offsetof(ble_gap_scan_params_t, interval) == 2 &&
                  offsetof(ble_gap_scan_params_t, window) == 4 &&
                  offsetof(ble_gap_scan_params_t, timeout) == 6,
              "scan parameters (API v5)");
static_assert(sizeof(ble_gap_cfg_role_count_t) == 3 && offsetof(ble_cfg_t, gap_cfg.role_count_cfg) == 0,
              "role count configuration");
static_assert(sizeof(ble_cfg_t) == (PointerSize == 8 ? 24 : 12) && alignof(ble_cfg_t) == PointerSize,
              "configuration union");
static_assert(sizeof(ble_gattc_handle_range_t) == 4 && sizeof(ble_gattc_service_t) == 8, "service");
static_assert(sizeof(ble_gattc_char_t) == 10 && offsetof(ble_gattc_char_t, handle_decl) == 6 &&
                  offsetof(ble_gattc_char_t, handle_value) == 8,
              "characteristic");
static_assert(sizeof(ble_gattc_desc_t) == 6 && offsetof(ble_gattc_desc_t, uuid) == 2, "descriptor");
static_assert(offsetof(ble_gattc_write_params_t, handle) == 2 &&
                  offsetof(ble_gattc_write_params_t, len) == 6 &&
                  offsetof(ble_gattc_write_params_t, p_value) == 8 &&
                  sizeof(ble_gattc_write_params_t) == 8 + PointerSize,
              "write parameters");
// Events: the union starts at pointer alignment (8 on x86_64), GAP parameters one pointer further (16),
// GATT client parameters after three 16-bit fields (14), GATT server parameters after one (10).
static_assert(offsetof(ble_evt_t, evt) == PointerSize, "event union");
static_assert(offsetof(ble_evt_t, evt.gap_evt.params) == 2 * PointerSize, "GAP event parameters");
static_assert(offsetof(ble_evt_t, evt.gattc_evt.params) == PointerSize + 6, "GATT client event parameters");
static_assert(offsetof(ble_evt_t, evt.gatts_evt.params) == PointerSize + 2, "GATT server event parameters");
static_assert(sizeof(ble_gap_evt_connected_t) == 16 && offsetof(ble_gap_evt_connected_t, conn_params) == 8,
              "connected event");
static_assert(offsetof(ble_gap_evt_adv_report_t, rssi) == 14 &&
                  offsetof(ble_gap_evt_adv_report_t, data) == 16 && sizeof(ble_gap_evt_adv_report_t) == 47,
              "advertising report");
static_assert(offsetof(ble_gattc_evt_prim_srvc_disc_rsp_t, services) == 2 &&
                  offsetof(ble_gattc_evt_char_disc_rsp_t, chars) == 2 &&
                  offsetof(ble_gattc_evt_desc_disc_rsp_t, descs) == 2,
              "discovery lists");
static_assert(offsetof(ble_gattc_evt_write_rsp_t, offset) == 4 &&
                  offsetof(ble_gattc_evt_write_rsp_t, data) == 8,
              "write response");
static_assert(offsetof(ble_gattc_evt_hvx_t, len) == 4 && offsetof(ble_gattc_evt_hvx_t, data) == 6,
              "handle value event");

} // namespace NrfApi
