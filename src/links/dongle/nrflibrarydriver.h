#pragma once

#include "nrfdriver.h"

#include <QLibrary>

#include <memory>

// NrfDriver over Nordic's nrf-ble-driver library (SoftDevice API v5, release 4.1.4), loaded at run time: its
// licence keeps it out of what we ship. Without it, or with a library that lacks an entry point, the driver
// is unavailable: every call fails with a non-zero code (never 8) and createAdapter() gives null.
class NrfLibraryDriver : public NrfDriver
{
public:
    // An empty path tries the library's usual names for this system (and, on Linux, the program's folder).
    explicit NrfLibraryDriver(const QString &libraryPath = QString());
    ~NrfLibraryDriver() override;

    bool isAvailable() const override;
    QString unavailableReason() const override;
    QString libraryName() const override;

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

private:
    struct EntryPoints;

    bool load(const QString &libraryPath);

    QLibrary m_library;
    std::unique_ptr<EntryPoints> m_api; // null while unavailable
    QString m_reason;
};
