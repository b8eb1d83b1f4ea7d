#include "nrfdonglemanager.h"

#include "common/serialportcatalogue.h"
#include "links/ble/bleprotocol.h"
#include "links/dongle/bgapi.h"

#include <QDebug>
#include <QMutexLocker>

#include <algorithm>

namespace {

constexpr quint32 kBaudRate = 1000000;
constexpr quint32 kRetransmissionMs = 250;
constexpr quint32 kResponseTimeoutMs = 1500;
constexpr int kLogWarnings = 3;
constexpr quint8 kRemoteUserTerminated = 0x13;
constexpr quint16 kMtu = 23;
constexpr quint16 kConnectScanTimeoutSeconds = 10;

void log(const QString &text)
{
    qDebug().noquote() << "[донгл]" << text;
}

QString hex(quint32 code)
{
    return QString::number(code, 16).toUpper();
}

QString addressText(const Nrf::Address &address)
{
    return Bgapi::addressText(QByteArray(reinterpret_cast<const char *>(address.bytes.data()), 6));
}

} // namespace

NrfDongleManager *NrfDongleManager::instance()
{
    static NrfDongleManager *manager = new NrfDongleManager(NrfDriver::create());
    return manager;
}

NrfDongleManager::NrfDongleManager(std::unique_ptr<NrfDriver> driver, QObject *parent)
    : DongleLink(parent)
    , m_driver(std::move(driver))
{
    registerBleReadingMetaType();
    connect(&m_watch, &QTimer::timeout, this, &NrfDongleManager::watchTick);
    m_watch.start(kWatchMs);
}

NrfDongleManager::~NrfDongleManager()
{
    const QStringList ports = [this] {
        QMutexLocker lock(&m_mutex);
        return m_adapters.keys();
    }();
    for (const QString &port : ports)
        closeDongle(port);
}

QStringList NrfDongleManager::availableDonglePorts() const
{
    QStringList ports;
    for (const SerialPortEntry &entry : SerialPortCatalogue::availablePorts()) {
        if (entry.hasVendorId && entry.vendorId == kVendorId)
            ports.append(entry.portName);
    }
    return ports;
}

bool NrfDongleManager::openDongle(const QString &port)
{
    if (isOpen(port))
        return true;
    if (!m_driver->isAvailable()) {
        if (!m_unavailableLogged)
            log(QStringLiteral("донгл на %1 не можна використати: %2")
                    .arg(port, m_driver->unavailableReason()));
        m_unavailableLogged = true;
        return false;
    }
    NrfDriver::Adapter adapter =
        m_driver->createAdapter(port, kBaudRate, kRetransmissionMs, kResponseTimeoutMs);
    if (!adapter) {
        log(QStringLiteral("не вдалося створити адаптер на %1").arg(port));
        return false;
    }
    m_driver->setLogSeverityFilter(adapter, kLogWarnings);
    const quint32 opened = m_driver->open(
        adapter,
        [](NrfDriver::Adapter, int code, const QString &message) {
            log(QStringLiteral("статус %1 %2").arg(code).arg(message));
        },
        [this](NrfDriver::Adapter from, const Nrf::Event &event) { onEvent(from, event); },
        [](NrfDriver::Adapter, int, const QString &message) { log(message); });
    if (opened != Nrf::Success) {
        log(QStringLiteral("sd_rpc_open помилка 0x%1").arg(hex(opened)));
        m_driver->deleteAdapter(adapter);
        return false;
    }

    // As many connections as the firmware gives, from the most down.
    quint8 roles = kMostConnections;
    quint32 enabled = 1;
    for (; roles >= kFewestConnections; --roles) {
        if (m_driver->configureCentralRoles(adapter, roles) != Nrf::Success)
            continue;
        enabled = m_driver->enable(adapter);
        if (enabled == Nrf::Success || enabled == Nrf::InvalidState)
            break;
    }
    if (enabled != Nrf::Success && enabled != Nrf::InvalidState) {
        log(QStringLiteral("sd_ble_enable помилка 0x%1").arg(hex(enabled)));
        m_driver->close(adapter);
        m_driver->deleteAdapter(adapter);
        return false;
    }
    if (enabled == Nrf::InvalidState) {
        log(QStringLiteral(
                "%1: стек уже був піднятий - межу з'єднань змінити не вдалося, перевстромляння донгла в "
                "USB поверне її до %2")
                .arg(port)
                .arg(kMostConnections));
        roles = kFewestConnections;
    } else if (roles < kMostConnections) {
        log(QStringLiteral("%1: прошивка дала лише %2 одночасних з'єднань замість %3")
                .arg(port)
                .arg(roles)
                .arg(kMostConnections));
    }

    AdapterRecord record;
    record.handle = adapter;
    record.maxConnections = roles;
    for (int protocol : {int(BleProtocol::Velkor), int(BleProtocol::Sylvac)}) {
        quint8 type = 0;
        const quint32 added = m_driver->addVendorUuid(adapter, bleProfile(protocol).baseUuid128, type);
        if (added != Nrf::Success) {
            log(QStringLiteral("не вдалося зареєструвати UUID %1: 0x%2")
                    .arg(bleProtocolName(protocol), hex(added)));
            m_driver->close(adapter);
            m_driver->deleteAdapter(adapter);
            return false;
        }
        (protocol == BleProtocol::Sylvac ? record.sylvacType : record.velkorType) = type;
    }
    {
        QMutexLocker lock(&m_mutex);
        m_adapters.insert(port, record);
        m_closed.remove(adapter);
    }
    log(QStringLiteral("відкрито %1 - до %2 приладів одночасно").arg(port).arg(roles));
    return true;
}

void NrfDongleManager::closeDongle(const QString &port)
{
    QStringList lost;
    NrfDriver::Adapter adapter = nullptr;
    {
        QMutexLocker lock(&m_mutex);
        const AdapterRecord record = m_adapters.take(port);
        adapter = record.handle;
        if (!adapter)
            return;
        m_closed.insert(adapter);
        for (auto it = m_devices.begin(); it != m_devices.end(); ++it) {
            if (it->port == port) {
                resetConnection(*it);
                lost.append(it.key());
            }
        }
        if (m_scanningPort == port)
            m_scanningPort.clear();
    }
    for (const QString &address : lost)
        emit connectionStateChanged(address, false);
    m_driver->close(adapter);
    m_driver->deleteAdapter(adapter);
    log(QStringLiteral("закрито %1").arg(port));
}

QString NrfDongleManager::missingLibrary() const
{
    return m_driver->isAvailable() ? QString() : m_driver->libraryName();
}

bool NrfDongleManager::isOpen(const QString &port) const
{
    QMutexLocker lock(&m_mutex);
    return m_adapters.contains(port);
}

int NrfDongleManager::maxConnections(const QString &port) const
{
    QMutexLocker lock(&m_mutex);
    return m_adapters.value(port).maxConnections;
}

int NrfDongleManager::devicesOnPort(const QString &port) const
{
    QMutexLocker lock(&m_mutex);
    int count = 0;
    for (const Device &device : m_devices)
        count += device.wanted && device.port == port ? 1 : 0;
    return count;
}

int NrfDongleManager::protocolOf(const QString &address) const
{
    QMutexLocker lock(&m_mutex);
    return m_devices.value(address.toUpper()).protocol;
}

bool NrfDongleManager::isConnected(const QString &address) const
{
    QMutexLocker lock(&m_mutex);
    return m_devices.value(address.toUpper()).subscribed;
}

QString NrfDongleManager::devicePort(const QString &address) const
{
    QMutexLocker lock(&m_mutex);
    return m_devices.value(address.toUpper()).port;
}

bool NrfDongleManager::startScan(const QString &port)
{
    if (!openDongle(port))
        return false;
    NrfDriver::Adapter adapter = nullptr;
    {
        QMutexLocker lock(&m_mutex);
        adapter = m_adapters.value(port).handle;
        for (Device &device : m_devices) {
            if (device.port == port)
                device.connecting = false;
        }
    }
    m_driver->cancelConnect(adapter);
    const quint32 started = m_driver->startScan(adapter, Nrf::ScanParameters());
    if (started != Nrf::Success) {
        log(QStringLiteral("%1: сканування не почалося, помилка 0x%2").arg(port, hex(started)));
        return false;
    }
    {
        QMutexLocker lock(&m_mutex);
        m_scanningPort = port;
    }
    log(QStringLiteral("%1: сканування почалося").arg(port));
    return true;
}

void NrfDongleManager::stopScan()
{
    NrfDriver::Adapter adapter = nullptr;
    {
        QMutexLocker lock(&m_mutex);
        adapter = m_adapters.value(m_scanningPort).handle;
        m_scanningPort.clear();
    }
    if (adapter)
        m_driver->stopScan(adapter);
}

void NrfDongleManager::connectDevice(const QString &address, const QString &name, int protocol,
                                     const QString &port)
{
    const QString key = address.toUpper();
    {
        QMutexLocker lock(&m_mutex);
        Device &device = m_devices[key];
        if (!name.isEmpty())
            device.name = name;
        if (!port.isEmpty())
            device.port = port;
        device.protocol = protocol;
        device.wanted = true;
    }
    attemptConnection(key);
}

void NrfDongleManager::disconnectDevice(const QString &address)
{
    NrfDriver::Adapter adapter = nullptr;
    quint16 connection = Nrf::NoConnection;
    {
        QMutexLocker lock(&m_mutex);
        const Device device = m_devices.take(address.toUpper());
        connection = device.connHandle;
        adapter = m_adapters.value(device.port).handle;
    }
    if (adapter && connection != Nrf::NoConnection)
        m_driver->disconnect(adapter, connection, kRemoteUserTerminated);
}

bool NrfDongleManager::zero(const QString &address)
{
    return writeToInstrument(address.toUpper(), zeroCommand(protocolOf(address)));
}

bool NrfDongleManager::downloadMemory(const QString &address)
{
    const int protocol = protocolOf(address);
    return protocol != BleProtocol::Sylvac &&
           writeToInstrument(address.toUpper(), memoryDownloadCommand(protocol));
}

bool NrfDongleManager::writeToInstrument(const QString &address, const QByteArray &bytes)
{
    NrfDriver::Adapter adapter = nullptr;
    quint16 connection = Nrf::NoConnection;
    quint16 handle = 0;
    bool withResponse = true;
    {
        QMutexLocker lock(&m_mutex);
        const auto it = m_devices.constFind(address);
        if (bytes.isEmpty() || it == m_devices.constEnd() || it->connHandle == Nrf::NoConnection ||
            it->commandHandle == 0)
            return false;
        adapter = m_adapters.value(it->port).handle;
        connection = it->connHandle;
        handle = it->commandHandle;
        withResponse = commandWriteWithResponse(it->protocol);
    }
    return adapter && m_driver->write(adapter, connection, withResponse, handle, bytes) == Nrf::Success;
}

// ---------------------------------------------------------------------------------------------------------
// Dongles and connections

void NrfDongleManager::watchTick()
{
    const QStringList present = availableDonglePorts();
    const QStringList open = [this] {
        QMutexLocker lock(&m_mutex);
        return m_adapters.keys();
    }();
    for (const QString &port : open) {
        if (!present.contains(port)) {
            log(QStringLiteral("%1 зник із системи").arg(port));
            closeDongle(port);
        }
    }
    for (const QString &port : present)
        openDongle(port);

    QStringList waiting;
    {
        QMutexLocker lock(&m_mutex);
        if (!m_scanningPort.isEmpty() || m_adapters.isEmpty())
            return;
        for (auto it = m_devices.constBegin(); it != m_devices.constEnd(); ++it) {
            if (it->wanted && it->connHandle == Nrf::NoConnection)
                waiting.append(it.key());
        }
    }
    for (const QString &address : waiting)
        attemptConnection(address);
}

void NrfDongleManager::resetConnection(Device &device)
{
    device.connHandle = Nrf::NoConnection;
    device.connecting = false;
    device.subscribed = false;
    device.dataCccdHandle = device.unitCccdHandle = device.streamCccdHandle = 0;
    device.dataHandle = device.commandHandle = device.unitHandle = device.streamHandle = 0;
    device.mainEndHandle = device.streamEndHandle = 0;
    device.discoveryPhase = 0;
    device.cccdSearchHandle = 0;
    device.lastButtonFlag = false;
    device.dataLineBuffer.clear();
    device.unitLineBuffer.clear();
}

QString NrfDongleManager::choosePort() const
{
    QString roomy;
    QString fewest;
    int roomyCount = 0;
    int fewestCount = 0;
    // Sorted, so a tie goes the same way every time.
    QStringList ports = m_adapters.keys();
    ports.sort();
    for (const QString &port : ports) {
        int assigned = 0;
        for (const Device &device : m_devices)
            assigned += device.wanted && device.port == port ? 1 : 0;
        if (assigned < m_adapters.value(port).maxConnections && (roomy.isEmpty() || assigned < roomyCount)) {
            roomy = port;
            roomyCount = assigned;
        }
        if (fewest.isEmpty() || assigned < fewestCount) {
            fewest = port;
            fewestCount = assigned;
        }
    }
    return roomy.isEmpty() ? fewest : roomy;
}

void NrfDongleManager::attemptConnection(const QString &address)
{
    NrfDriver::Adapter scanning = nullptr;
    NrfDriver::Adapter adapter = nullptr;
    QString port;
    bool moved = false;
    {
        QMutexLocker lock(&m_mutex);
        if (!m_scanningPort.isEmpty()) {
            scanning = m_adapters.value(m_scanningPort).handle;
            m_scanningPort.clear();
        }
        const auto it = m_devices.find(address);
        if (it != m_devices.end() && it->wanted && it->connHandle == Nrf::NoConnection && !it->connecting) {
            port = it->port;
            if (port.isEmpty() || !m_adapters.contains(port)) {
                port = choosePort();
                moved = !port.isEmpty() && port != it->port;
                if (moved)
                    it->port = port;
            }
            adapter = m_adapters.value(port).handle;
        }
    }
    if (scanning)
        m_driver->stopScan(scanning);
    if (!adapter)
        return;
    if (moved)
        QMetaObject::invokeMethod(
            this, [this, address, port] { emit devicePortChanged(address, port); }, Qt::QueuedConnection);

    QByteArray bytes;
    quint8 type = 0;
    if (!Bgapi::parseAddress(address, bytes, type)) {
        log(QStringLiteral("некоректна адреса %1").arg(address));
        return;
    }
    Nrf::Address peer;
    std::copy(bytes.cbegin(), bytes.cend(), peer.bytes.begin());
    peer.randomStatic = type == 1;
    Nrf::ScanParameters scan;
    scan.timeoutSeconds = kConnectScanTimeoutSeconds;
    const quint32 result = m_driver->connect(adapter, peer, scan, Nrf::ConnectionParameters());
    if (result == Nrf::Success) {
        QMutexLocker lock(&m_mutex);
        const auto it = m_devices.find(address);
        if (it != m_devices.end() && it->connHandle == Nrf::NoConnection)
            it->connecting = true;
    } else if (result != Nrf::InvalidState) {
        log(QStringLiteral("%1: підключення до %2 не почалося 0x%3").arg(port, address, hex(result)));
    }
}

quint8 NrfDongleManager::vendorType(const AdapterRecord &adapter, int protocol) const
{
    return protocol == BleProtocol::Sylvac ? adapter.sylvacType : adapter.velkorType;
}

// ---------------------------------------------------------------------------------------------------------
// Events, on the driver's thread

QString NrfDongleManager::portOf(NrfDriver::Adapter adapter)
{
    bool fallback = false;
    QString port;
    {
        QMutexLocker lock(&m_mutex);
        if (m_closed.contains(adapter))
            return QString();
        for (auto it = m_adapters.constBegin(); it != m_adapters.constEnd(); ++it) {
            if (it->handle == adapter)
                return it.key();
        }
        // The library may name its adapter by another pointer than the one it handed out.
        if (m_adapters.size() != 1)
            return QString();
        port = m_adapters.constBegin().key();
        fallback = !m_fallbackLogged;
        m_fallbackLogged = true;
    }
    if (fallback)
        log(QStringLiteral("вказівник адаптера не збігається з відкритим - працюємо через єдиний"));
    return port;
}

QString NrfDongleManager::findByConnection(const QString &port, quint16 connHandle) const
{
    for (auto it = m_devices.constBegin(); it != m_devices.constEnd(); ++it) {
        if (it->port == port && it->connHandle == connHandle)
            return it.key();
    }
    return QString();
}

void NrfDongleManager::onEvent(NrfDriver::Adapter adapter, const Nrf::Event &event)
{
    const QString port = portOf(adapter);
    if (port.isEmpty())
        return;
    NrfDriver::Adapter handle = nullptr;
    {
        QMutexLocker lock(&m_mutex);
        handle = m_adapters.value(port).handle;
    }
    switch (event.id) {
    case Nrf::EventId::Connected:
        onConnected(port, event);
        break;
    case Nrf::EventId::Disconnected:
        onDisconnected(port, event);
        break;
    case Nrf::EventId::GapTimeout:
        if (event.timeoutSource == Nrf::TimeoutSource::Connection) {
            QMutexLocker lock(&m_mutex);
            for (Device &device : m_devices) {
                if (device.port == port)
                    device.connecting = false;
            }
        }
        break;
    case Nrf::EventId::RssiChanged: {
        QString address;
        {
            QMutexLocker lock(&m_mutex);
            address = findByConnection(port, event.connHandle);
        }
        if (!address.isEmpty())
            emit signalLevelChanged(address, event.rssi);
        break;
    }
    case Nrf::EventId::AdvertisingReport:
        onAdvertisingReport(port, event);
        break;
    case Nrf::EventId::ConnectionParameterUpdateRequest:
        m_driver->updateConnectionParameters(handle, event.connHandle, event.connectionParameters);
        break;
    case Nrf::EventId::DataLengthUpdateRequest:
        m_driver->updateDataLength(handle, event.connHandle);
        break;
    case Nrf::EventId::PrimaryServiceDiscoveryResponse:
        onServices(port, event);
        break;
    case Nrf::EventId::CharacteristicDiscoveryResponse:
        onCharacteristics(port, event);
        break;
    case Nrf::EventId::DescriptorDiscoveryResponse:
        onDescriptors(port, event);
        break;
    case Nrf::EventId::WriteResponse:
        onWriteResponse(port, event);
        break;
    case Nrf::EventId::HandleValue:
        onHandleValue(handle, port, event);
        break;
    case Nrf::EventId::GattClientTimeout:
    case Nrf::EventId::GattServerTimeout:
        log(QStringLiteral("%1: ATT-тайм-аут").arg(port));
        break;
    case Nrf::EventId::ExchangeMtuRequest:
        m_driver->replyMtu(handle, event.connHandle, kMtu);
        break;
    default:
        break;
    }
}

void NrfDongleManager::onConnected(const QString &port, const Nrf::Event &event)
{
    const QString address = addressText(event.peer);
    NrfDriver::Adapter adapter = nullptr;
    Nrf::Uuid service;
    int protocol = 0;
    bool wanted = false;
    {
        QMutexLocker lock(&m_mutex);
        adapter = m_adapters.value(port).handle;
        const auto it = m_devices.find(address);
        wanted = it != m_devices.end() && it->wanted;
        if (wanted) {
            resetConnection(*it);
            it->connHandle = event.connHandle;
            it->port = port;
            protocol = it->protocol;
            service = {bleProfile(protocol).shortIds[0], vendorType(m_adapters.value(port), protocol)};
        }
    }
    if (!wanted) {
        // Nobody wants it any more (deleted while connecting): the place goes back to the others.
        m_driver->disconnect(adapter, event.connHandle, kRemoteUserTerminated);
        return;
    }
    log(QStringLiteral("%1: підключено %2 протокол %3").arg(port, address, bleProtocolName(protocol)));
    m_driver->startRssi(adapter, event.connHandle);
    m_driver->discoverPrimaryServices(adapter, event.connHandle, 1, service);
}

void NrfDongleManager::onDisconnected(const QString &port, const Nrf::Event &event)
{
    QString address;
    bool wanted = false;
    {
        QMutexLocker lock(&m_mutex);
        address = findByConnection(port, event.connHandle);
        if (address.isEmpty())
            return;
        Device &device = m_devices[address];
        resetConnection(device);
        wanted = device.wanted;
    }
    log(QStringLiteral("%1: причина розриву 0x%2").arg(address, hex(event.reason)));
    emit connectionStateChanged(address, false);
    if (wanted)
        attemptConnection(address);
}

void NrfDongleManager::onServices(const QString &port, const Nrf::Event &event)
{
    QString address;
    NrfDriver::Adapter adapter = nullptr;
    quint16 start = 0;
    quint16 end = 0;
    QString missing;
    {
        QMutexLocker lock(&m_mutex);
        address = findByConnection(port, event.connHandle);
        if (address.isEmpty())
            return;
        Device &device = m_devices[address];
        const AdapterRecord &record = m_adapters[port];
        adapter = record.handle;
        const BleProtocolProfile &profile = bleProfile(device.protocol);
        const Nrf::Uuid wanted = device.discoveryPhase == 0
                                     ? Nrf::Uuid{profile.shortIds[0], vendorType(record, device.protocol)}
                                     : Nrf::Uuid{profile.shortIds[4], Nrf::UuidType::Sig};
        for (const Nrf::Service &service : event.services) {
            if (event.gattStatus == 0 && service.uuid == wanted && service.endHandle >= service.startHandle) {
                start = service.startHandle;
                end = service.endHandle;
                break;
            }
        }
        if (end == 0) {
            missing = device.discoveryPhase == 0
                          ? QStringLiteral("%1: сервіс %2 не знайдено, статус 0x%3")
                                .arg(address, bleProtocolName(device.protocol), hex(event.gattStatus))
                          : QStringLiteral("%1: служби неперервних показань немає").arg(address);
        } else if (device.discoveryPhase == 0) {
            device.mainEndHandle = end;
        } else {
            device.streamEndHandle = end;
        }
    }
    if (!missing.isEmpty()) {
        log(missing);
        return;
    }
    m_driver->discoverCharacteristics(adapter, event.connHandle, start, end);
}

void NrfDongleManager::onCharacteristics(const QString &port, const Nrf::Event &event)
{
    QString address;
    NrfDriver::Adapter adapter = nullptr;
    enum class Next { Nothing, More, Descriptors, Missing } next = Next::Nothing;
    quint16 from = 0;
    quint16 end = 0;
    QString missing;
    {
        QMutexLocker lock(&m_mutex);
        address = findByConnection(port, event.connHandle);
        if (address.isEmpty())
            return;
        Device &device = m_devices[address];
        const AdapterRecord &record = m_adapters[port];
        adapter = record.handle;
        const BleProtocolProfile &profile = bleProfile(device.protocol);
        const quint8 vendor = vendorType(record, device.protocol);
        quint16 last = 0;
        for (const Nrf::Characteristic &characteristic : event.characteristics) {
            last = std::max(last, characteristic.valueHandle);
            if (device.discoveryPhase == 0 && characteristic.uuid.type == vendor) {
                if (characteristic.uuid.uuid == profile.shortIds[1])
                    device.dataHandle = characteristic.valueHandle;
                else if (characteristic.uuid.uuid == profile.shortIds[2])
                    device.commandHandle = characteristic.valueHandle;
                else if (profile.shortIds[3] != 0 && characteristic.uuid.uuid == profile.shortIds[3])
                    device.unitHandle = characteristic.valueHandle;
            } else if (device.discoveryPhase == 1 && characteristic.uuid.type == Nrf::UuidType::Sig &&
                       characteristic.uuid.uuid == profile.shortIds[5]) {
                device.streamHandle = characteristic.valueHandle;
            }
        }
        end = device.discoveryPhase == 0 ? device.mainEndHandle : device.streamEndHandle;
        const bool complete = device.discoveryPhase == 0 ? device.dataHandle && device.commandHandle &&
                                                               (profile.shortIds[3] == 0 || device.unitHandle)
                                                         : device.streamHandle != 0;
        const quint16 target = device.discoveryPhase == 0 ? device.dataHandle : device.streamHandle;
        if (!complete && event.gattStatus == 0 && last != 0 && last < end) {
            next = Next::More;
            from = last + 1;
        } else if (target != 0) {
            next = Next::Descriptors;
            device.cccdSearchHandle = target;
            from = target + 1;
        } else {
            next = Next::Missing;
            missing = device.discoveryPhase == 0
                          ? QStringLiteral("%1: характеристику даних не знайдено").arg(address)
                          : QStringLiteral("%1: характеристику потоку не знайдено").arg(address);
        }
    }
    if (next == Next::More)
        m_driver->discoverCharacteristics(adapter, event.connHandle, from, end);
    else if (next == Next::Descriptors)
        m_driver->discoverDescriptors(adapter, event.connHandle, from, std::max(from, end));
    else if (next == Next::Missing)
        log(missing);
}

void NrfDongleManager::onDescriptors(const QString &port, const Nrf::Event &event)
{
    if (event.gattStatus != 0)
        return;
    QString address;
    NrfDriver::Adapter adapter = nullptr;
    quint16 cccd = 0;
    quint16 value = 1;
    {
        QMutexLocker lock(&m_mutex);
        address = findByConnection(port, event.connHandle);
        if (address.isEmpty())
            return;
        Device &device = m_devices[address];
        adapter = m_adapters.value(port).handle;
        for (const Nrf::Descriptor &descriptor : event.descriptors) {
            if (descriptor.uuid ==
                Nrf::Uuid{BleStandardId::ClientCharacteristicConfiguration, Nrf::UuidType::Sig}) {
                cccd = descriptor.handle;
                break;
            }
        }
        if (cccd != 0) {
            if (device.cccdSearchHandle != 0 && device.cccdSearchHandle == device.streamHandle) {
                device.streamCccdHandle = cccd;
            } else if (device.cccdSearchHandle != 0 && device.cccdSearchHandle == device.unitHandle) {
                device.unitCccdHandle = cccd;
            } else {
                device.dataCccdHandle = cccd;
                value = bleProfile(device.protocol).useIndications ? 2 : 1;
            }
        }
    }
    if (cccd == 0) {
        log(QStringLiteral("%1: CCCD не знайдено - підписатися нема куди").arg(address));
        return;
    }
    const QByteArray bytes = QByteArray(1, char(value)) + '\0';
    const quint32 written = m_driver->write(adapter, event.connHandle, true, cccd, bytes);
    if (written != Nrf::Success)
        log(QStringLiteral("%1: запит на підписку не пішов 0x%2").arg(address, hex(written)));
}

void NrfDongleManager::onWriteResponse(const QString &port, const Nrf::Event &event)
{
    QString address;
    NrfDriver::Adapter adapter = nullptr;
    enum class Next { Nothing, UnitDescriptors, Subscribed } next = Next::Nothing;
    quint16 unit = 0;
    quint16 end = 0;
    int protocol = 0;
    bool streamLogged = false;
    {
        QMutexLocker lock(&m_mutex);
        address = findByConnection(port, event.connHandle);
        if (address.isEmpty())
            return;
        Device &device = m_devices[address];
        adapter = m_adapters.value(port).handle;
        protocol = device.protocol;
        const bool onCccd = event.handle != 0 &&
                            (event.handle == device.dataCccdHandle || event.handle == device.unitCccdHandle ||
                             event.handle == device.streamCccdHandle);
        if (!onCccd)
            return;
        if (event.gattStatus != 0) {
            lock.unlock();
            log(QStringLiteral("%1: прилад відхилив підписку, статус 0x%2")
                    .arg(address, hex(event.gattStatus)));
            return;
        }
        if (event.handle == device.streamCccdHandle) {
            streamLogged = true;
        } else if (event.handle == device.dataCccdHandle && device.unitHandle != 0 &&
                   device.unitCccdHandle == 0) {
            next = Next::UnitDescriptors;
            device.cccdSearchHandle = device.unitHandle;
            unit = device.unitHandle;
            end = device.mainEndHandle;
        } else {
            next = Next::Subscribed;
            device.subscribed = true;
            device.discoveryPhase = 1;
        }
    }
    if (streamLogged) {
        log(QStringLiteral("%1: підписано на неперервні показання").arg(address));
    } else if (next == Next::UnitDescriptors) {
        m_driver->discoverDescriptors(adapter, event.connHandle, unit + 1, std::max<quint16>(unit + 1, end));
    } else if (next == Next::Subscribed) {
        log(QStringLiteral("%1: підписано, показання пішли").arg(address));
        emit connectionStateChanged(address, true);
        if (protocol == BleProtocol::Sylvac)
            writeToInstrument(address, unitQueryCommand(protocol));
        const quint16 streamService = bleProfile(protocol).shortIds[4];
        if (streamService != 0)
            m_driver->discoverPrimaryServices(adapter, event.connHandle, 1,
                                              {streamService, Nrf::UuidType::Sig});
    }
}

void NrfDongleManager::onHandleValue(NrfDriver::Adapter adapter, const QString &port, const Nrf::Event &event)
{
    QString address;
    QList<BleReading> readings;
    QString unitLog;
    {
        QMutexLocker lock(&m_mutex);
        // Confirmed first, while the state is held: the instrument sends nothing more until it is.
        if (event.handleValueType == Nrf::HandleValueType::Indication)
            m_driver->confirmHandleValue(adapter, event.connHandle, event.handle);
        address = findByConnection(port, event.connHandle);
        if (address.isEmpty() || event.handle == 0)
            return;
        Device &device = m_devices[address];
        if (event.handle == device.dataHandle) {
            if (device.protocol == BleProtocol::Sylvac) {
                for (const QString &line : splitSylvacLines(device.dataLineBuffer, event.data)) {
                    BleReading reading;
                    if (parseSylvacValueLine(line, reading)) {
                        reading.isInch = device.isInch;
                        readings.append(reading);
                    }
                }
            } else if (isVelkorPacket(event.data)) {
                BleReading reading;
                if (parseVelkorPacket(event.data, reading)) {
                    applyButtonEdge(reading, device.lastButtonFlag);
                    readings.append(reading);
                }
            }
        } else if (event.handle == device.unitHandle) {
            for (const QString &line : splitSylvacLines(device.unitLineBuffer, event.data)) {
                if (parseSylvacUnitLine(line, device.isInch))
                    unitLog = device.isInch ? QStringLiteral("дюйми") : QStringLiteral("мм");
            }
        } else if (event.handle == device.streamHandle) {
            BleReading reading;
            if (parseStreamValue(event.data, reading)) {
                reading.isInch = device.isInch;
                readings.append(reading);
            }
        }
    }
    if (!unitLog.isEmpty())
        log(QStringLiteral("%1: одиниці: %2").arg(address, unitLog));
    for (const BleReading &reading : readings)
        emit readingReceived(address, reading);
}

void NrfDongleManager::onAdvertisingReport(const QString &port, const Nrf::Event &event)
{
    {
        QMutexLocker lock(&m_mutex);
        if (port != m_scanningPort)
            return;
    }
    const QString name = Bgapi::advertisedName(event.data);
    if (!name.isEmpty())
        emit deviceDiscovered(addressText(event.peer), name, event.rssi);
}
