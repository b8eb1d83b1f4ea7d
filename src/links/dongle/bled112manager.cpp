#include "bled112manager.h"

#include "common/serialportcatalogue.h"
#include "links/ble/bleprotocol.h"

#include <QDateTime>
#include <QDebug>
#include <QSerialPort>

#include <algorithm>

namespace {

void log(const QString &text)
{
    qDebug().noquote() << "[BLED112]" << text;
}

QString hex(const QByteArray &bytes)
{
    return QString::fromLatin1(bytes.toHex(' ').toUpper());
}

QString hexWord(quint16 value)
{
    return QStringLiteral("0x") + QString::number(value, 16).toUpper().rightJustified(4, QLatin1Char('0'));
}

// The characteristic's CCCD: the first 0x2902 after it, before the next 128-bit identifier.
quint16 cccdAfter(const QList<QPair<quint16, QByteArray>> &attributes, int index)
{
    for (int i = index + 1; i < attributes.size(); ++i) {
        if (attributes.at(i).second.size() == 16)
            break;
        if (Bgapi::isCccd(attributes.at(i).second))
            return attributes.at(i).first;
    }
    return 0;
}

constexpr quint16 kWrongState = 0x0181;
// The most connections a BLED112 firmware offers.
constexpr quint8 kMostConnections = 8;

QByteArray littleEndian16(quint16 value)
{
    return QByteArray(1, char(value & 0xFF)) + char(value >> 8);
}

} // namespace

Bled112Manager *Bled112Manager::instance()
{
    static Bled112Manager *manager = new Bled112Manager;
    return manager;
}

Bled112Manager::Bled112Manager(const Bled112Intervals &intervals, QObject *parent)
    : DongleLink(parent)
    , m_intervals(intervals)
{
    registerBleReadingMetaType();
    connect(&m_watch, &QTimer::timeout, this, &Bled112Manager::watchTick);
    m_watch.start(m_intervals.watchMs);
}

Bled112Manager::~Bled112Manager()
{
    for (Dongle &dongle : m_dongles)
        dongle.port->close();
}

QStringList Bled112Manager::availableDonglePorts() const
{
    QStringList ports;
    for (const SerialPortEntry &entry : SerialPortCatalogue::availablePorts()) {
        if (entry.hasVendorId && entry.vendorId == kVendorId)
            ports.append(entry.portName);
    }
    return ports;
}

bool Bled112Manager::openDongle(const QString &portName)
{
    if (m_dongles.contains(portName))
        return true;
    auto *port = new QSerialPort(this);
    port->setPortName(portName);
    port->setBaudRate(kBaudRate);
    port->setDataBits(QSerialPort::Data8);
    port->setParity(QSerialPort::NoParity);
    port->setStopBits(QSerialPort::OneStop);
    port->setFlowControl(QSerialPort::NoFlowControl);
    if (!port->open(QIODevice::ReadWrite)) {
        log(QStringLiteral("не вдалося відкрити %1: %2").arg(portName, port->errorString()));
        delete port;
        return false;
    }
    Dongle dongle;
    dongle.port = port;
    dongle.responseTimer = new QTimer(port);
    dongle.responseTimer->setSingleShot(true);
    connect(dongle.responseTimer, &QTimer::timeout, this, [this, portName] { onResponseTimeout(portName); });
    connect(port, &QSerialPort::readyRead, this, &Bled112Manager::onReadyRead);
    m_dongles.insert(portName, dongle);
    queueOpeningCommands(portName, false);
    log(QStringLiteral("відкрито %1").arg(portName));
    return true;
}

void Bled112Manager::queueOpeningCommands(const QString &port, bool helloFirst)
{
    // A scan or connection attempt the dongle may still run from before is ended; its answer to the end of
    // nothing is an error and harmless.
    if (helloFirst) {
        send(port, Bgapi::hello());
        send(port, Bgapi::endProcedure());
    } else {
        send(port, Bgapi::endProcedure());
        send(port, Bgapi::hello());
    }
    send(port, Bgapi::getConnections());
    // The dongle keeps its connections while the program is away (a crash, a hang): they would refuse the
    // same instruments as "already connected", and nobody here knows their handles. So they are dropped.
    for (quint8 connection = 0; connection < kMostConnections; ++connection)
        send(port, Bgapi::disconnect(connection));
}

bool Bled112Manager::isOpen(const QString &port) const
{
    return m_dongles.contains(port);
}

int Bled112Manager::maxConnections(const QString &port) const
{
    const auto it = m_dongles.constFind(port);
    return it == m_dongles.constEnd() ? 0 : it->maxConnections;
}

int Bled112Manager::devicesOnPort(const QString &port) const
{
    int count = 0;
    for (const Device &device : m_devices)
        count += device.wanted && device.port == port ? 1 : 0;
    return count;
}

bool Bled112Manager::isConnected(const QString &address) const
{
    const auto it = m_devices.constFind(address.toUpper());
    return it != m_devices.constEnd() && it->setupPhase == 3;
}

QString Bled112Manager::devicePort(const QString &address) const
{
    return m_devices.value(address.toUpper()).port;
}

bool Bled112Manager::startScan(const QString &port)
{
    if (!openDongle(port))
        return false;
    send(port, Bgapi::setScanParameters());
    send(port, Bgapi::discover());
    m_scanningPort = port;
    log(QStringLiteral("%1: сканування почалося").arg(port));
    return true;
}

void Bled112Manager::stopScan()
{
    if (m_scanningPort.isEmpty())
        return;
    send(m_scanningPort, Bgapi::endProcedure());
    m_scanningPort.clear();
}

void Bled112Manager::connectDevice(const QString &address, const QString &name, int protocol,
                                   const QString &port)
{
    const QString key = address.toUpper();
    Device &device = m_devices[key];
    if (!name.isEmpty())
        device.name = name;
    if (!port.isEmpty())
        device.port = port;
    device.protocol = protocol;
    device.wanted = true;
    attemptConnection(key);
}

void Bled112Manager::disconnectDevice(const QString &address)
{
    const Device device = m_devices.take(address.toUpper());
    if (device.connection != 0xFF && m_dongles.contains(device.port))
        send(device.port, Bgapi::disconnect(device.connection));
}

bool Bled112Manager::zero(const QString &address)
{
    const auto it = m_devices.constFind(address.toUpper());
    return it != m_devices.constEnd() && writeToInstrument(it.key(), zeroCommand(it->protocol));
}

bool Bled112Manager::downloadMemory(const QString &address)
{
    const auto it = m_devices.constFind(address.toUpper());
    if (it == m_devices.constEnd() || it->protocol == BleProtocol::Sylvac)
        return false;
    return writeToInstrument(it.key(), memoryDownloadCommand(it->protocol));
}

// ---------------------------------------------------------------------------------------------------------
// Packets to and from the dongles

void Bled112Manager::send(const QString &port, const QByteArray &packet)
{
    const auto it = m_dongles.find(port);
    if (it == m_dongles.end())
        return;
    it->txQueue.append(packet);
    sendNext(port);
}

void Bled112Manager::sendNext(const QString &port)
{
    const auto it = m_dongles.find(port);
    if (it == m_dongles.end() || it->awaitingResponse || it->txQueue.isEmpty() || !it->port->isOpen())
        return;
    it->awaitingResponse = true;
    it->port->write(it->txQueue.takeFirst());
    it->responseTimer->start(m_intervals.responseTimeoutMs);
}

void Bled112Manager::onResponseTimeout(const QString &port)
{
    const auto it = m_dongles.find(port);
    if (it == m_dongles.end())
        return;
    // A lost packet boundary or a hung dongle would otherwise leave it dead until it is unplugged: start
    // afresh from a clean stream, and let its instruments connect again.
    if (!it->unresponsive)
        log(QStringLiteral("%1 не відповідає %2 мс - починаю спочатку")
                .arg(port)
                .arg(m_intervals.responseTimeoutMs));
    it->unresponsive = true;
    it->rx.clear();
    it->txQueue.clear();
    it->awaitingResponse = false;
    it->port->close();
    if (!it->port->open(QIODevice::ReadWrite)) {
        closeDongle(port, "закрито");
        return;
    }
    if (m_scanningPort == port)
        m_scanningPort.clear();
    QStringList lost;
    for (auto device = m_devices.begin(); device != m_devices.end(); ++device) {
        if (device->port == port && resetConnection(*device))
            lost.append(device.key());
    }
    queueOpeningCommands(port, true);
    for (const QString &address : lost)
        emit connectionStateChanged(address, false);
}

void Bled112Manager::onReadyRead()
{
    auto *port = qobject_cast<QSerialPort *>(sender());
    if (!port)
        return;
    const QString name = port->portName();
    auto it = m_dongles.find(name);
    if (it == m_dongles.end() || it->port != port)
        return;
    it->rx.append(port->readAll());
    Bgapi::Packet packet;
    // The dongle may be closed by what a packet sets off; look it up again each time.
    while ((it = m_dongles.find(name)) != m_dongles.end() && it->rx.next(packet))
        handlePacket(name, packet);
}

void Bled112Manager::handlePacket(const QString &port, const Bgapi::Packet &packet)
{
    using namespace Bgapi;
    if (!packet.event) {
        handleResponse(port, packet);
        return;
    }
    if (packet.is(true, Connection, Id::ConnectionStatus))
        onConnectionStatus(port, packet.payload);
    else if (packet.is(true, Connection, Id::Disconnected))
        onDisconnected(port, packet.payload);
    else if (packet.is(true, AttClient, Id::ProcedureCompleted))
        onProcedureCompleted(port, packet.payload);
    else if (packet.is(true, AttClient, Id::InformationFound))
        onInformationFound(port, packet.payload);
    else if (packet.is(true, AttClient, Id::AttributeValue))
        onAttributeValue(port, packet.payload);
    else if (packet.is(true, Gap, Id::ScanResponse))
        onScanResponse(port, packet.payload);
}

void Bled112Manager::handleResponse(const QString &port, const Bgapi::Packet &packet)
{
    using namespace Bgapi;
    const auto it = m_dongles.find(port);
    if (it == m_dongles.end())
        return;
    it->awaitingResponse = false;
    it->responseTimer->stop();
    if (it->unresponsive) {
        it->unresponsive = false;
        log(QStringLiteral("%1 знову відповідає").arg(port));
    }
    if (packet.is(false, System, Id::GetConnections) && !packet.payload.isEmpty() &&
        packet.payload.at(0) != 0) {
        it->maxConnections = quint8(packet.payload.at(0));
        log(QStringLiteral("%1 - до %2 приладів одночасно").arg(port).arg(it->maxConnections));
    } else if (packet.is(false, Gap, Id::ConnectDirect)) {
        quint16 result = 0;
        if (parseResult(packet.payload, result) && result != 0) {
            log(QStringLiteral("%1: запит на з'єднання відхилено, код %2").arg(port, hexWord(result)));
            for (Device &device : m_devices) {
                if (device.port == port)
                    device.connecting = false;
            }
            // "Wrong state" says the dongle was busy (scanning, another attempt), not that it is full.
            const int connected = result == kWrongState ? 0 : connectedOn(port);
            if (connected >= 1 && connected < it->maxConnections) {
                it->maxConnections = quint8(connected);
                log(QStringLiteral("%1: фактична межа прошивки: %2 приладів").arg(port).arg(connected));
            }
            // The others try again with the watch tick: right away they would be refused alike.
        }
    }
    QTimer::singleShot(0, this, [this, port] { sendNext(port); });
}

void Bled112Manager::onConnectionStatus(const QString &port, const QByteArray &payload)
{
    Bgapi::ConnectionStatus status;
    if (!Bgapi::parse(payload, status) || !status.isUp())
        return;
    const QString address = Bgapi::addressText(status.address);
    const auto it = m_devices.find(address);
    if (it == m_devices.end() || !it->wanted)
        return;
    Device &device = *it;
    // Later status events of a connection (new parameters) start nothing again.
    if (device.connection == status.connection && device.port == port && device.setupPhase != 0)
        return;
    resetConnection(device);
    device.connection = status.connection;
    device.port = port;
    log(QStringLiteral("%1: підключено, протокол %2").arg(address, bleProtocolName(device.protocol)));
    device.setupPhase = 1;
    gattEnqueue(address, device, Bgapi::findInformation(status.connection), true);
    // The dongle is free for the next one.
    connectWaiting();
}

void Bled112Manager::onDisconnected(const QString &port, const QByteArray &payload)
{
    Bgapi::Disconnected event;
    if (!Bgapi::parse(payload, event))
        return;
    const QString address = findDevice(port, event.connection);
    if (address.isEmpty())
        return;
    Device &device = m_devices[address];
    log(QStringLiteral("%1: розрив, причина %2").arg(address, hexWord(event.reason)));
    resetConnection(device);
    const bool wanted = device.wanted;
    emit connectionStateChanged(address, false);
    if (wanted)
        attemptConnection(address);
}

void Bled112Manager::onProcedureCompleted(const QString &port, const QByteArray &payload)
{
    Bgapi::ProcedureCompleted event;
    if (!Bgapi::parse(payload, event))
        return;
    const QString address = findDevice(port, event.connection);
    if (address.isEmpty())
        return;
    Device &device = m_devices[address];
    device.gattBusy = false;
    device.busyReadHandle = 0;
    if (device.setupPhase == 1) {
        subscribe(address, device);
        return;
    }
    if (event.result != 0)
        log(QStringLiteral("%1: процедура GATT завершилась кодом %2").arg(address, hexWord(event.result)));
    pump(device);
    if (device.setupPhase == 2 && !device.gattBusy && device.gattQueue.isEmpty()) {
        device.setupPhase = 3;
        const int protocol = device.protocol;
        log(QStringLiteral("%1: підписано, показання пішли").arg(address));
        emit connectionStateChanged(address, true);
        if (protocol == BleProtocol::Sylvac)
            writeToInstrument(address, unitQueryCommand(protocol));
        else
            sendCalibDateQuery(address);
    }
}

void Bled112Manager::subscribe(const QString &address, Device &device)
{
    const BleProtocolProfile &profile = bleProfile(device.protocol);
    for (int i = 0; i < device.attributes.size(); ++i) {
        const quint16 handle = device.attributes.at(i).first;
        const QByteArray &uuid = device.attributes.at(i).second;
        if (Bgapi::uuidMatches(uuid, profile.dataCharUuid)) {
            device.dataHandle = handle;
            device.dataCccdHandle = cccdAfter(device.attributes, i);
        } else if (Bgapi::uuidMatches(uuid, profile.commandCharUuid)) {
            device.commandHandle = handle;
        } else if (Bgapi::uuidMatches(uuid, profile.unitCharUuid)) {
            device.unitHandle = handle;
            device.unitCccdHandle = cccdAfter(device.attributes, i);
        } else if (Bgapi::uuidMatches(uuid, profile.streamCharUuid)) {
            device.streamHandle = handle;
            device.streamCccdHandle = cccdAfter(device.attributes, i);
        }
    }
    if (device.dataHandle == 0) {
        log(QStringLiteral("%1: характеристику даних не знайдено серед %2 атрибутів")
                .arg(address)
                .arg(device.attributes.size()));
        return;
    }
    device.setupPhase = 2;
    const quint8 connection = device.connection;
    const QList<QPair<quint16, quint16>> writes = {{device.dataCccdHandle, profile.useIndications ? 2 : 1},
                                                   {device.unitCccdHandle, 1},
                                                   {device.streamCccdHandle, 1}};
    bool any = false;
    for (const auto &write : writes) {
        if (write.first == 0)
            continue;
        any = true;
        gattEnqueue(address, device,
                    Bgapi::attributeWrite(connection, write.first, littleEndian16(write.second)), true);
    }
    if (!any) {
        // Nothing to subscribe to: a completion will not come, so the set-up ends here.
        device.setupPhase = 3;
        emit connectionStateChanged(address, true);
    }
}

void Bled112Manager::onInformationFound(const QString &port, const QByteArray &payload)
{
    Bgapi::InformationFound event;
    if (!Bgapi::parse(payload, event))
        return;
    const QString address = findDevice(port, event.connection);
    if (address.isEmpty())
        return;
    Device &device = m_devices[address];
    if (device.setupPhase == 1)
        device.attributes.append({event.handle, event.uuid});
}

void Bled112Manager::onAttributeValue(const QString &port, const QByteArray &payload)
{
    Bgapi::AttributeValue event;
    if (!Bgapi::parse(payload, event))
        return;
    const QString address = findDevice(port, event.connection);
    if (address.isEmpty())
        return;
    Device &device = m_devices[address];
    // An indication is confirmed before anything else: the instrument sends nothing more until it is.
    if (event.type == Bgapi::ValueType::Indication || event.type == Bgapi::ValueType::IndicationToConfirm)
        send(port, Bgapi::indicateConfirm(event.connection));
    // A read that succeeds ends with its value; only a failed read has a completion.
    const bool endsRead =
        event.type == Bgapi::ValueType::Read && device.gattBusy && device.busyReadHandle == event.handle;
    if (endsRead) {
        device.gattBusy = false;
        device.busyReadHandle = 0;
    }

    QList<BleReading> readings;
    if (event.handle == 0) {
        // Handle 0 is no attribute; a device without some characteristic has 0 in its place.
    } else if (event.handle == device.streamHandle) {
        BleReading reading;
        if (parseStreamValue(event.value, reading)) {
            reading.isInch = device.isInch;
            readings.append(reading);
        }
    } else if (event.handle == device.unitHandle) {
        for (const QString &line : splitSylvacLines(device.unitLineBuffer, event.value)) {
            if (parseSylvacUnitLine(line, device.isInch))
                log(QStringLiteral("%1: одиниці: %2")
                        .arg(address, device.isInch ? QStringLiteral("дюйми") : QStringLiteral("мм")));
        }
    } else if (event.handle == device.commandHandle && event.type == Bgapi::ValueType::Read) {
        const quint8 query = device.pendingQuery;
        device.pendingQuery = 0;
        if (query == 0x30) {
            const QDate date = parseCalibDate(event.value);
            if (date.isValid()) {
                log(QStringLiteral("%1: дата калібрування: %2")
                        .arg(address, date.toString(QStringLiteral("dd.MM.yyyy"))));
                emit calibDateReceived(address, date);
            }
        }
        writeToInstrument(address, acknowledgeCommand());
    } else if (event.handle == device.dataHandle) {
        if (device.protocol == BleProtocol::Sylvac) {
            for (const QString &line : splitSylvacLines(device.dataLineBuffer, event.value)) {
                BleReading reading;
                if (parseSylvacValueLine(line, reading)) {
                    reading.isInch = device.isInch;
                    readings.append(reading);
                }
            }
        } else if (isVelkorPacket(event.value)) {
            BleReading reading;
            if (parseVelkorPacket(event.value, reading)) {
                applyButtonEdge(reading, device.lastButtonFlag);
                readings.append(reading);
            }
        }
    }
    const auto it = m_devices.find(address);
    if (endsRead && it != m_devices.end())
        pump(*it);
    for (const BleReading &reading : readings)
        emit readingReceived(address, reading);
}

void Bled112Manager::onScanResponse(const QString &port, const QByteArray &payload)
{
    Bgapi::ScanResponse event;
    if (port != m_scanningPort || !Bgapi::parse(payload, event))
        return;
    const QString name = Bgapi::advertisedName(event.data);
    if (!name.isEmpty())
        emit deviceDiscovered(Bgapi::addressText(event.address), name, event.rssi);
}

// ---------------------------------------------------------------------------------------------------------
// Dongles and connections

void Bled112Manager::watchTick()
{
    const QStringList present = availableDonglePorts();
    const QStringList open = m_dongles.keys();
    for (const QString &port : open) {
        if (!present.contains(port)) {
            log(QStringLiteral("%1 зник із системи").arg(port));
            closeDongle(port, "закрито");
        }
    }
    for (const QString &port : present) {
        if (!m_dongles.contains(port))
            openDongle(port);
    }

    const qint64 now = QDateTime::currentMSecsSinceEpoch();
    for (auto it = m_devices.begin(); it != m_devices.end(); ++it) {
        if (!it->gattBusy || now - it->gattBusySince < m_intervals.stuckProcedureMs)
            continue;
        log(QStringLiteral("%1: канал GATT завис на %2 мс - звільняю, у черзі %3")
                .arg(it.key())
                .arg(now - it->gattBusySince)
                .arg(it->gattQueue.size()));
        it->gattBusy = false;
        it->busyReadHandle = 0;
        pump(*it);
    }

    // A connection attempt holds its dongle until the instrument answers; one that is out of reach would
    // hold it for ever, so the attempt is ended and the others get their turn.
    for (auto it = m_devices.begin(); it != m_devices.end(); ++it) {
        if (it->connecting && now - it->lastAttempt >= m_intervals.connectTimeoutMs) {
            log(QStringLiteral("%1: не відповідає на з'єднання").arg(it.key()));
            it->connecting = false;
            send(it->port, Bgapi::endProcedure());
        }
    }

    connectWaiting();
}

void Bled112Manager::connectWaiting()
{
    if (!m_scanningPort.isEmpty() || m_dongles.isEmpty())
        return;
    QList<QPair<qint64, QString>> waiting;
    for (auto it = m_devices.constBegin(); it != m_devices.constEnd(); ++it) {
        if (it->wanted && it->connection == 0xFF && !it->connecting)
            waiting.append({it->lastAttempt, it.key()});
    }
    // The longest waiting first, so an instrument out of reach does not keep the others out.
    std::sort(waiting.begin(), waiting.end());
    for (const auto &device : waiting)
        attemptConnection(device.second);
}

void Bled112Manager::closeDongle(const QString &port, const char *what)
{
    Dongle dongle = m_dongles.take(port);
    if (!dongle.port)
        return;
    dongle.port->close();
    dongle.port->deleteLater();
    if (m_scanningPort == port)
        m_scanningPort.clear();
    QStringList lost;
    for (auto it = m_devices.begin(); it != m_devices.end(); ++it) {
        if (it->port == port) {
            resetConnection(*it);
            lost.append(it.key());
        }
    }
    log(QStringLiteral("%1 %2").arg(QLatin1String(what), port));
    for (const QString &address : lost)
        emit connectionStateChanged(address, false);
}

bool Bled112Manager::resetConnection(Device &device)
{
    const bool wasConnected = device.connection != 0xFF;
    device.connection = 0xFF;
    device.connecting = false;
    device.setupPhase = 0;
    device.dataHandle = device.dataCccdHandle = device.commandHandle = 0;
    device.unitHandle = device.unitCccdHandle = device.streamHandle = device.streamCccdHandle = 0;
    device.attributes.clear();
    device.gattQueue.clear();
    device.gattBusy = false;
    device.busyReadHandle = 0;
    device.pendingQuery = 0;
    device.lastButtonFlag = false;
    device.dataLineBuffer.clear();
    device.unitLineBuffer.clear();
    return wasConnected;
}

int Bled112Manager::connectedOn(const QString &port) const
{
    int count = 0;
    for (const Device &device : m_devices)
        count += device.port == port && device.connection != 0xFF ? 1 : 0;
    return count;
}

QString Bled112Manager::choosePort() const
{
    QString best;
    int fewest = 0;
    for (auto it = m_dongles.constBegin(); it != m_dongles.constEnd(); ++it) {
        const int used = connectedOn(it.key());
        if (used < it->maxConnections && (best.isEmpty() || used < fewest)) {
            best = it.key();
            fewest = used;
        }
    }
    return best;
}

bool Bled112Manager::isConnecting(const QString &port) const
{
    for (const Device &device : m_devices) {
        if (device.port == port && device.connecting)
            return true;
    }
    return false;
}

QString Bled112Manager::findDevice(const QString &port, quint8 connection) const
{
    for (auto it = m_devices.constBegin(); it != m_devices.constEnd(); ++it) {
        if (it->port == port && it->connection == connection)
            return it.key();
    }
    return QString();
}

void Bled112Manager::attemptConnection(const QString &address)
{
    if (!m_scanningPort.isEmpty()) {
        send(m_scanningPort, Bgapi::endProcedure());
        m_scanningPort.clear();
    }
    const auto it = m_devices.find(address);
    if (it == m_devices.end() || !it->wanted || it->connection != 0xFF || it->connecting)
        return;
    QString port = it->port;
    if (!m_dongles.contains(port)) {
        port = choosePort();
        if (port.isEmpty())
            return;
    }
    // A dongle makes one connection at a time; a second attempt meanwhile would only be refused.
    if (isConnecting(port))
        return;
    QByteArray bytes;
    quint8 type = 0;
    if (!Bgapi::parseAddress(address, bytes, type)) {
        log(QStringLiteral("некоректна адреса %1").arg(address));
        return;
    }
    const bool moved = port != it->port;
    it->port = port;
    it->connecting = true;
    it->lastAttempt = QDateTime::currentMSecsSinceEpoch();
    send(port, Bgapi::connectDirect(bytes, type));
    if (moved)
        emit devicePortChanged(address, port);
}

// ---------------------------------------------------------------------------------------------------------
// GATT operations

void Bled112Manager::gattEnqueue(const QString &address, Device &device, const QByteArray &packet,
                                 bool isProcedure)
{
    Q_UNUSED(address)
    device.gattQueue.append({packet, isProcedure});
    pump(device);
}

void Bled112Manager::pump(Device &device)
{
    while (!device.gattBusy && !device.gattQueue.isEmpty()) {
        const GattOperation operation = device.gattQueue.takeFirst();
        send(device.port, operation.packet);
        if (operation.isProcedure) {
            device.gattBusy = true;
            device.gattBusySince = QDateTime::currentMSecsSinceEpoch();
            const bool isRead = operation.packet.size() >= 7 &&
                                quint8(operation.packet.at(2)) == Bgapi::AttClient &&
                                quint8(operation.packet.at(3)) == Bgapi::Id::ReadByHandle;
            device.busyReadHandle =
                isRead ? quint16(quint8(operation.packet.at(5)) | quint8(operation.packet.at(6)) << 8) : 0;
        }
    }
}

bool Bled112Manager::writeToInstrument(const QString &address, const QByteArray &bytes)
{
    const auto it = m_devices.find(address);
    if (bytes.isEmpty() || it == m_devices.end() || it->connection == 0xFF || it->commandHandle == 0)
        return false;
    Device &device = *it;
    const bool withResponse = commandWriteWithResponse(device.protocol);
    log(QStringLiteral("%1: команда %2 -> handle %3 %4")
            .arg(address, hex(bytes))
            .arg(device.commandHandle)
            .arg(device.gattBusy ? QStringLiteral("(у чергу, канал зайнятий)") : QStringLiteral("(в ефір)")));
    const QByteArray packet = withResponse
                                  ? Bgapi::attributeWrite(device.connection, device.commandHandle, bytes)
                                  : Bgapi::writeCommand(device.connection, device.commandHandle, bytes);
    gattEnqueue(address, device, packet, withResponse);
    return true;
}

void Bled112Manager::sendCalibDateQuery(const QString &address)
{
    const auto it = m_devices.find(address);
    if (it == m_devices.end() || it->protocol == BleProtocol::Sylvac || it->pendingQuery != 0)
        return;
    if (!writeToInstrument(address, calibDateQueryCommand()))
        return;
    const quint64 serial = ++it->querySerial;
    it->pendingQuery = 0x30;
    QTimer::singleShot(m_intervals.queryReadMs, this, [this, address, serial] {
        const auto device = m_devices.find(address);
        if (device == m_devices.end() || device->querySerial != serial || device->pendingQuery == 0 ||
            device->connection == 0xFF)
            return;
        gattEnqueue(address, *device, Bgapi::readByHandle(device->connection, device->commandHandle), true);
    });
    QTimer::singleShot(m_intervals.queryClearMs, this, [this, address, serial] {
        const auto device = m_devices.find(address);
        if (device != m_devices.end() && device->querySerial == serial)
            device->pendingQuery = 0;
    });
}
