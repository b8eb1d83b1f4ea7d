#include "links/ble/blevelkormanager.h"

#include "links/ble/bleprotocol.h"
#include "links/ble/qtgattbackend.h"

#include <QDebug>

namespace {

void bleLog(const QString &address, const QString &text)
{
    qDebug().noquote() << "[BLE]" << address << text;
}

QString hex(const QByteArray &bytes)
{
    return QString::fromLatin1(bytes.toHex(' '));
}

const QBluetoothUuid &cccId()
{
    static const QBluetoothUuid id(quint16(BleStandardId::ClientCharacteristicConfiguration));
    return id;
}

const QByteArray &enableNotifications()
{
    static const QByteArray value = QByteArray::fromHex("0100");
    return value;
}

const QByteArray &enableIndications()
{
    static const QByteArray value = QByteArray::fromHex("0200");
    return value;
}

} // namespace

BleVelkorManager *BleVelkorManager::instance()
{
    static BleVelkorManager *manager = [] {
        registerBleReadingMetaType();
        return new BleVelkorManager(std::make_unique<QtGattBackend>());
    }();
    return manager;
}

BleVelkorManager::BleVelkorManager(std::unique_ptr<BleGattBackend> backend,
                                   const BleVelkorIntervals &intervals, QObject *parent)
    : QObject(parent)
    , m_backend(std::move(backend))
    , m_intervals(intervals)
{
    m_pollTimer.setParent(this);
    connect(&m_pollTimer, &QTimer::timeout, this, &BleVelkorManager::pollTick);
    m_pollTimer.start(m_intervals.pollMs);
}

BleVelkorManager::~BleVelkorManager()
{
    // The links are children and go with the manager; the backend that made them outlives them.
    qDeleteAll(findChildren<BleGattLink *>(QString(), Qt::FindDirectChildrenOnly));
}

void BleVelkorManager::connectDevice(const QBluetoothDeviceInfo &info, int protocol)
{
    const QString address = info.address().toString();
    if (m_devices.contains(address))
        return;
    Device device = m_closing.take(address);
    device.info = info;
    device.protocol = protocol;
    m_devices.insert(address, device);
    m_order.append(address);
    startConnection(address);
}

void BleVelkorManager::disconnectDevice(const QString &address)
{
    auto it = m_devices.find(address);
    if (it == m_devices.end())
        return;
    Device device = *it;
    m_devices.erase(it);
    m_order.removeAll(address);
    m_pendingReconnects.remove(address);
    if (device.controller) {
        m_closing.insert(address, device);
        device.controller->disconnectFromDevice();
    }
}

bool BleVelkorManager::zero(const QString &address)
{
    const auto it = m_devices.constFind(address);
    if (it == m_devices.constEnd() || !writeCommand(address, zeroCommand(it->protocol)))
        return false;
    bleLog(address, QStringLiteral("надіслано команду обнулення"));
    return true;
}

bool BleVelkorManager::downloadMemory(const QString &address)
{
    const auto it = m_devices.constFind(address);
    if (it == m_devices.constEnd() || it->protocol == BleProtocol::Sylvac)
        return false;
    if (!writeCommand(address, memoryDownloadCommand(it->protocol)))
        return false;
    bleLog(address, QStringLiteral("надіслано команду вивантаження пам'яті"));
    return true;
}

void BleVelkorManager::startConnection(const QString &address)
{
    auto it = m_devices.find(address);
    if (it == m_devices.end())
        return;
    if (!it->controller) {
        BleGattLink *link = m_backend->createLink(it->info, this);
        it->controller = link;
        connect(link, &BleGattLink::connected, this, [this, address, link] {
            bleLog(address, QStringLiteral("з'єднано, шукаємо сервіси"));
            link->discoverServices();
        });
        connect(link, &BleGattLink::discoveryFinished, this,
                [this, address, link] { onServicesDiscovered(address, link); });
        connect(link, &BleGattLink::errorOccurred, this,
                [this, address, link](const QString &errorName, const QString &errorString) {
                    onControllerError(address, link, errorName, errorString);
                });
        connect(link, &BleGattLink::disconnected, this, [this, address] { onDisconnected(address); });
    }
    BleGattLink *link = it->controller;
    bleLog(address, QStringLiteral("спроба з'єднання, поточний стан: %1").arg(link->stateName()));
    link->connectToDevice();
}

void BleVelkorManager::releaseServices(Device &device)
{
    for (QPointer<BleGattService> *service :
         {&device.mainService, &device.batteryService, &device.streamService}) {
        if (*service) {
            (*service)->disconnect(this);
            (*service)->deleteLater();
        }
        *service = nullptr;
    }
}

void BleVelkorManager::onServicesDiscovered(const QString &address, BleGattLink *link)
{
    auto it = m_devices.find(address);
    if (it == m_devices.end() || it->controller != link)
        return;
    releaseServices(*it);

    const BleProtocolProfile &profile = bleProfile(it->protocol);
    BleGattService *service = link->createService(profile.serviceUuid);
    if (!service) {
        bleLog(address, QStringLiteral("немає сервісу %1 - можливо прилад зараз не в GATT-режимі")
                            .arg(bleProtocolName(it->protocol)));
        QStringList offered;
        for (const QBluetoothUuid &uuid : link->services())
            offered << uuid.toString();
        bleLog(address, QStringLiteral("очікували %1, прилад має: %2")
                            .arg(profile.serviceUuid.toString(), offered.join(QStringLiteral(", "))));
        emit connectionStateChanged(address, false);
        return;
    }

    it->mainService = service;
    connect(service, &BleGattService::detailsDiscovered, this,
            [this, address] { onMainServiceReady(address); });
    connect(service, &BleGattService::characteristicChanged, this,
            [this, address](const QBluetoothUuid &c, const QByteArray &value) {
                onCharacteristicValue(address, c, value);
            });
    connect(service, &BleGattService::characteristicRead, this,
            [this, address](const QBluetoothUuid &c, const QByteArray &value) {
                onCharacteristicValue(address, c, value);
            });
    connect(service, &BleGattService::errorOccurred, this, [address](const QString &errorName) {
        bleLog(address, QStringLiteral("помилка GATT-сервісу: %1").arg(errorName));
    });
    service->discoverDetails();

    // The calls above may have run handlers that changed the hash; look the record up again.
    it = m_devices.find(address);
    if (it == m_devices.end())
        return;
    setUpBatteryService(address, *it);
    it = m_devices.find(address);
    if (it == m_devices.end())
        return;
    setUpStreamService(address, *it);
}

void BleVelkorManager::setUpBatteryService(const QString &address, Device &device)
{
    const QBluetoothUuid batteryId(quint16(BleStandardId::BatteryService));
    const QBluetoothUuid levelId(quint16(BleStandardId::BatteryLevel));
    BleGattService *battery = device.controller->createService(batteryId);
    if (!battery)
        return;
    device.batteryService = battery;
    connect(battery, &BleGattService::characteristicRead, this,
            [this, address, levelId](const QBluetoothUuid &c, const QByteArray &value) {
                if (c == levelId && !value.isEmpty())
                    emit batteryLevelChanged(address, quint8(value.at(0)));
            });
    connect(battery, &BleGattService::detailsDiscovered, this,
            [battery, levelId] { battery->readCharacteristic(levelId); });
    battery->discoverDetails();
}

void BleVelkorManager::setUpStreamService(const QString &address, Device &device)
{
    const BleProtocolProfile &profile = bleProfile(device.protocol);
    if (profile.streamServiceUuid.isNull())
        return;
    BleGattService *stream = device.controller->createService(profile.streamServiceUuid);
    if (!stream) {
        bleLog(address, QStringLiteral("прилад не оголосив службу потоку %1 - живе значення буде лише після "
                                       "натискання кнопки на приладі")
                            .arg(profile.streamServiceUuid.toString()));
        return;
    }
    device.streamService = stream;
    const QBluetoothUuid streamChar = profile.streamCharUuid;
    connect(stream, &BleGattService::characteristicChanged, this,
            [this, address, streamChar](const QBluetoothUuid &c, const QByteArray &value) {
                const auto it = m_devices.constFind(address);
                if (c != streamChar || it == m_devices.constEnd())
                    return;
                BleReading reading;
                if (!parseStreamValue(value, reading))
                    return;
                reading.isInch = it->isInch;
                emit readingReceived(address, reading);
            });
    connect(stream, &BleGattService::detailsDiscovered, this,
            [this, address] { onStreamServiceReady(address); });
    stream->discoverDetails();
}

void BleVelkorManager::onStreamServiceReady(const QString &address)
{
    const auto it = m_devices.constFind(address);
    if (it == m_devices.constEnd() || !it->streamService)
        return;
    const QBluetoothUuid streamChar = bleProfile(it->protocol).streamCharUuid;
    BleGattService *stream = it->streamService;
    if (stream->hasCharacteristic(streamChar)) {
        stream->writeDescriptor(streamChar, cccId(), enableNotifications());
        bleLog(address, QStringLiteral("підписано на неперервні показання"));
    } else {
        bleLog(address, QStringLiteral("у службі потоку немає характеристики %1").arg(streamChar.toString()));
    }
}

void BleVelkorManager::onMainServiceReady(const QString &address)
{
    auto it = m_devices.find(address);
    if (it == m_devices.end() || !it->mainService)
        return;
    const BleProtocolProfile &profile = bleProfile(it->protocol);
    BleGattService *service = it->mainService;
    if (!service->hasCharacteristic(profile.dataCharUuid)) {
        bleLog(address, QStringLiteral("немає characteristic Data у сервісі"));
        return;
    }
    if (service->hasDescriptor(profile.dataCharUuid, cccId()))
        service->writeDescriptor(profile.dataCharUuid, cccId(),
                                 profile.useIndications ? enableIndications() : enableNotifications());
    if (!profile.unitCharUuid.isNull() && service->hasDescriptor(profile.unitCharUuid, cccId()))
        service->writeDescriptor(profile.unitCharUuid, cccId(), enableNotifications());
    if (service->canRead(profile.dataCharUuid))
        service->readCharacteristic(profile.dataCharUuid);

    it = m_devices.find(address);
    if (it == m_devices.end())
        return;
    it->lastButtonFlag = false;
    it->dataLineBuffer.clear();
    it->unitLineBuffer.clear();
    const int protocol = it->protocol;
    emit connectionStateChanged(address, true);

    if (protocol == BleProtocol::Sylvac)
        writeCommand(address, unitQueryCommand(protocol));
    else
        sendQuery(address, CalibDateQuery);
}

void BleVelkorManager::onCharacteristicValue(const QString &address, const QBluetoothUuid &characteristic,
                                             const QByteArray &value)
{
    auto it = m_devices.find(address);
    if (it == m_devices.end())
        return;
    const BleProtocolProfile &profile = bleProfile(it->protocol);

    if (characteristic == profile.commandCharUuid) {
        handleQueryAnswer(address, *it, value);
        return;
    }
    if (!profile.unitCharUuid.isNull() && characteristic == profile.unitCharUuid) {
        for (const QString &line : splitSylvacLines(it->unitLineBuffer, value)) {
            bool isInch = false;
            if (!parseSylvacUnitLine(line, isInch))
                continue;
            it->isInch = isInch;
            bleLog(
                address,
                QStringLiteral("одиниці: %1").arg(isInch ? QStringLiteral("дюйми") : QStringLiteral("мм")));
        }
        return;
    }
    if (characteristic != profile.dataCharUuid)
        return;

    if (it->protocol != BleProtocol::Sylvac) {
        if (!isVelkorPacket(value))
            return;
        BleReading reading;
        if (!parseVelkorPacket(value, reading)) {
            bleLog(address, QStringLiteral("невалідний пакет (CRC/довжина): %1").arg(hex(value)));
            return;
        }
        applyButtonEdge(reading, it->lastButtonFlag);
        emit readingReceived(address, reading);
        return;
    }

    const QStringList lines = splitSylvacLines(it->dataLineBuffer, value);
    const bool isInch = it->isInch;
    for (const QString &line : lines) {
        BleReading reading;
        if (!parseSylvacValueLine(line, reading))
            continue;
        reading.isInch = isInch;
        bleLog(address, QStringLiteral("показання Sylvac: %1 %2")
                            .arg(QString::number(reading.value),
                                 isInch ? QStringLiteral("inch") : QStringLiteral("mm")));
        emit readingReceived(address, reading);
    }
}

void BleVelkorManager::handleQueryAnswer(const QString &address, Device &device, const QByteArray &value)
{
    const auto pending = m_pendingQueries.constFind(address);
    if (pending == m_pendingQueries.constEnd())
        return;
    const quint8 code = pending->code;
    m_pendingQueries.erase(pending);
    device.unansweredQueries = 0;

    if (code == CalibDateQuery) {
        const QDate date = parseCalibDate(value);
        if (!date.isValid()) {
            bleLog(address, QStringLiteral("некоректна дата калібрування: %1").arg(hex(value)));
            return;
        }
        bleLog(address,
               QStringLiteral("дата калібрування: %1").arg(date.toString(QStringLiteral("dd.MM.yyyy"))));
        emit calibDateReceived(address, date);
    } else if (code == SignalLevelQuery) {
        const int rssi = firstSignedByte(value);
        if (rssi != 0)
            emit signalLevelChanged(address, rssi);
    }
    writeCommand(address, acknowledgeCommand());
}

void BleVelkorManager::onControllerError(const QString &address, BleGattLink *link, const QString &errorName,
                                         const QString &errorString)
{
    bleLog(address, QStringLiteral("помилка контролера: %1 %2 | стан: %3")
                        .arg(errorName, errorString, link->stateName()));
    emit connectionStateChanged(address, false);
    // An instrument that is switched off fails its attempt without ever disconnecting.
    scheduleReconnect(address);
}

void BleVelkorManager::onDisconnected(const QString &address)
{
    // The services of a lost connection are dead; commands must fail until the next discovery.
    auto it = m_devices.find(address);
    if (it != m_devices.end())
        releaseServices(*it);
    auto closing = m_closing.find(address);
    if (closing != m_closing.end())
        releaseServices(*closing);

    emit connectionStateChanged(address, false);
    scheduleReconnect(address);
}

void BleVelkorManager::scheduleReconnect(const QString &address)
{
    if (!m_devices.contains(address))
        return;
    // A later loss replaces the retry that is waiting: an error is often followed by a disconnection.
    const quint64 serial = ++m_reconnectSerial;
    m_pendingReconnects.insert(address, serial);
    QTimer::singleShot(m_intervals.reconnectMs, this, [this, address, serial] {
        if (m_pendingReconnects.value(address) != serial)
            return;
        m_pendingReconnects.remove(address);
        startConnection(address);
    });
}

bool BleVelkorManager::writeCommand(const QString &address, const QByteArray &bytes)
{
    if (bytes.isEmpty())
        return false;
    const auto it = m_devices.constFind(address);
    if (it == m_devices.constEnd() || !it->mainService)
        return false;
    const BleProtocolProfile &profile = bleProfile(it->protocol);
    if (!it->mainService->hasCharacteristic(profile.commandCharUuid))
        return false;
    return it->mainService->writeCharacteristic(profile.commandCharUuid, bytes,
                                                commandWriteWithResponse(it->protocol));
}

bool BleVelkorManager::sendQuery(const QString &address, quint8 code)
{
    const auto it = m_devices.constFind(address);
    if (it == m_devices.constEnd() || it->protocol == BleProtocol::Sylvac || !it->queriesSupported ||
        m_pendingQueries.contains(address))
        return false;
    if (!writeCommand(address, QByteArray(1, char(code))))
        return false;

    const quint64 serial = ++m_querySerial;
    m_pendingQueries.insert(address, PendingQuery{code, serial});
    const auto stillPending = [this, address, serial] {
        const auto pending = m_pendingQueries.constFind(address);
        return pending != m_pendingQueries.constEnd() && pending->serial == serial;
    };

    QTimer::singleShot(m_intervals.queryTimeoutMs, this, [this, address, stillPending] {
        if (!stillPending())
            return;
        m_pendingQueries.remove(address);
        auto device = m_devices.find(address);
        if (device == m_devices.end())
            return;
        if (++device->unansweredQueries >= 2 && device->queriesSupported) {
            device->queriesSupported = false;
            bleLog(address,
                   QStringLiteral("не відповідає на команди-запити - вважаємо, що прошивка їх не має, "
                                  "більше не питаємо"));
        }
    });
    QTimer::singleShot(m_intervals.queryReadMs, this, [this, address, stillPending] {
        if (!stillPending())
            return;
        const auto device = m_devices.constFind(address);
        const QBluetoothUuid command =
            device == m_devices.constEnd() ? QBluetoothUuid() : bleProfile(device->protocol).commandCharUuid;
        if (device == m_devices.constEnd() || !device->mainService ||
            !device->mainService->readCharacteristic(command))
            m_pendingQueries.remove(address);
    });
    return true;
}

void BleVelkorManager::pollTick()
{
    if (m_order.isEmpty())
        return;
    if (m_pollIndex >= m_order.size())
        m_pollIndex = 0;
    const QString address = m_order.at(m_pollIndex);
    m_pollIndex = (m_pollIndex + 1) % m_order.size();

    const auto it = m_devices.constFind(address);
    if (it == m_devices.constEnd() || !it->controller ||
        it->controller->state() != BleGattLink::State::Discovered)
        return;
    if (it->protocol != BleProtocol::Sylvac)
        sendQuery(address, SignalLevelQuery);
    const auto device = m_devices.constFind(address);
    if (device != m_devices.constEnd() && device->batteryService)
        device->batteryService->readCharacteristic(QBluetoothUuid(quint16(BleStandardId::BatteryLevel)));
}
