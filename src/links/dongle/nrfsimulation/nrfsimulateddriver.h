#pragma once

#include "links/dongle/nrfdriver.h"
#include "links/dongle/nrfsimulation/nrfsiminstrument.h"

#include <QStringList>

#include <memory>

// A SoftDevice (API v5) on simulated nRF52840 dongles, with Bluetooth instruments nearby: what the program
// sees through NrfDriver when no dongle is plugged in.
//
// Every port name gets an adapter of its own, and all of them share one bench: the same instruments are in
// reach of every dongle, and an instrument connected through one of them neither advertises nor accepts
// a second connection, as a real one would not.
//
// Threading: one worker thread, started by the first open(), runs the radio's timing and delivers every
// event, status and log line; never on the caller's thread, and never while a lock of ours is held, so
// handlers may call the driver (and take their own locks around it). Calls may come from any thread and
// return without waiting for the worker. Once close() has returned, at most the one event already being
// handed over reaches its handler. The driver must not be destroyed from one of its own handlers.
//
// Results are the library's and the SoftDevice's codes: 0x04 no memory (more central roles than the
// firmware has), 0x07 invalid parameter, 0x08 invalid state, 0x0C data size, 0x11 busy (one GATT request at
// a time per connection), 0x12 connection count, 0x3001 not enabled, 0x3002 invalid connection handle,
// 0x3003 invalid attribute handle, 0x3202 address bits not matching its type, 0x8004 unknown adapter,
// 0x8006 adapter not open, 0x8017 already open. Peers answer with ATT statuses in the events: 0x0101
// invalid handle, 0x0103 write not permitted, 0x010A attribute not found, 0x010D invalid length, 0x01FD
// CCCD improperly configured.
class NrfSimulatedDriver : public NrfDriver
{
public:
    using Kind = NrfSimInstrument::Kind; // Velkor, Sylvac, SylvacWithoutStream, Other

    // Starts with the demo's bench: VELKOR CAL-150 C7:2A:10:00:00:01 and VELKOR IND-10 C7:2A:10:00:00:02
    // (random static), Sylvac SY289 54:6C:0E:00:00:11 with the stream service and "S_Cal EVO"
    // 54:6C:0E:00:00:12 without it, advertising "S_Cal" as a shortened name (public), a VELKOR that
    // advertises no name C7:2A:10:00:00:0A and a "Heart Rate" A4:C1:38:00:00:EE; and somebody who presses
    // the button of a connected one every 8 to 20 s. removeAll() takes both away. kovran-sim --nrf stores
    // VELKOR IND-10 as a program device by the same address, kept the same by convention alone.
    NrfSimulatedDriver();
    ~NrfSimulatedDriver() override;

    bool isAvailable() const override { return true; }
    QString unavailableReason() const override { return {}; }

    Adapter createAdapter(const QString &port, quint32 baudRate, quint32 retransmissionMs,
                          quint32 responseTimeoutMs) override;
    void setLogSeverityFilter(Adapter adapter, int severity) override;
    quint32 open(Adapter adapter, StatusHandler status, EventHandler events, LogHandler log) override;
    quint32 configureCentralRoles(Adapter adapter, quint8 centralRoles) override;
    quint32 enable(Adapter adapter) override;
    quint32 addVendorUuid(Adapter adapter, const std::array<quint8, 16> &base, quint8 &type) override;

    quint32 startScan(Adapter adapter, const Nrf::ScanParameters &scan) override;
    quint32 stopScan(Adapter adapter) override;
    quint32 connect(Adapter adapter, const Nrf::Address &peer, const Nrf::ScanParameters &scan,
                    const Nrf::ConnectionParameters &connection) override;
    quint32 cancelConnect(Adapter adapter) override;
    quint32 disconnect(Adapter adapter, quint16 connHandle, quint8 reason) override;
    quint32 startRssi(Adapter adapter, quint16 connHandle) override;
    quint32 updateConnectionParameters(Adapter adapter, quint16 connHandle,
                                       const Nrf::ConnectionParameters &parameters) override;
    quint32 updateDataLength(Adapter adapter, quint16 connHandle) override;
    quint32 replyMtu(Adapter adapter, quint16 connHandle, quint16 mtu) override;

    // A null 16-bit UUID of unknown type discovers all primary services.
    quint32 discoverPrimaryServices(Adapter adapter, quint16 connHandle, quint16 startHandle,
                                    const Nrf::Uuid &uuid) override;
    quint32 discoverCharacteristics(Adapter adapter, quint16 connHandle, quint16 startHandle,
                                    quint16 endHandle) override;
    quint32 discoverDescriptors(Adapter adapter, quint16 connHandle, quint16 startHandle,
                                quint16 endHandle) override;
    quint32 write(Adapter adapter, quint16 connHandle, bool withResponse, quint16 handle,
                  const QByteArray &value) override;
    quint32 confirmHandleValue(Adapter adapter, quint16 connHandle, quint16 handle) override;

    quint32 close(Adapter adapter) override;
    void deleteAdapter(Adapter adapter) override;

    // The bench, from any thread. Addresses as "C7:2A:10:00:00:01"; an empty name advertises none.
    // False for a malformed address or one already in reach.
    bool addInstrument(const QString &address, const QString &name, Kind kind, bool shortenedName = false,
                       int rssi = -60);
    // Every instrument goes out of reach (connections end with 0x08), and nobody presses buttons any more.
    void removeAll();
    // A steady reading from now on (before any zero), instead of a drifting one.
    void setValue(const QString &address, double mm);
    // VELKOR: the next packet carries the button flag. Sylvac: a data line by indication.
    void pressButton(const QString &address);
    // The connection ends with 0x08 (supervision timeout); the instrument advertises again.
    void dropConnection(const QString &address);
    // enable() then answers 8, and the role count of that earlier run stays in force.
    void setAlreadyEnabled(bool alreadyEnabled, quint8 previousRoles = 3);
    // Firmware that accepts fewer central roles than 12.
    void setMaxCentralRoles(quint8 roles);
    // The calls received, one line each: "<port>: <call> <arguments>", with " -> 0x<code>" when the
    // result was not 0. E.g. "COM3: connect C7:2A:10:00:00:01 random", "COM3: write 0 req 13 0100".
    QStringList calls() const;
    int connectionCount(Adapter adapter) const;
    // Connected, with the data characteristic's CCCD set.
    bool isSubscribed(const QString &address) const;

private:
    class Private;
    std::unique_ptr<Private> d;
};
