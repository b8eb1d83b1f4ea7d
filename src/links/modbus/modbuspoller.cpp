#include "modbuspoller.h"

#include "common/serialportcatalogue.h"
#include "devices/deviceregistry.h"
#include "modbusdecode.h"

#include <QDebug>
#include <QTimer>

namespace {

QString hex(int value, int digits)
{
    return QStringLiteral("0x") +
           QString::number(value, 16).toUpper().rightJustified(digits, QLatin1Char('0'));
}

} // namespace

ModbusPoller::ModbusPoller(DeviceRegistry &registry, QObject *parent)
    : QObject(parent)
    , m_registry(registry)
{}

ModbusPoller::~ModbusPoller()
{
    for (QSerialPort *port : std::as_const(m_ports))
        port->close();
}

ModbusPoller::PollState &ModbusPoller::stateFor(const QString &portName)
{
    PollState &state = m_states[portName];
    if (!state.timeout) {
        state.timeout = new QTimer(this);
        state.timeout->setSingleShot(true);
        connect(state.timeout, &QTimer::timeout, this, [this, portName] { onAnswerTimeout(portName); });
        // The pause sets the poll rate, so it must not run long.
        state.pause = new QTimer(this);
        state.pause->setSingleShot(true);
        state.pause->setTimerType(Qt::PreciseTimer);
        state.pause->setInterval(kPauseAfterAnswerMs);
        connect(state.pause, &QTimer::timeout, this, [this, portName] { sendNextCommand(portName); });
    }
    return state;
}

void ModbusPoller::resetState(PollState &state)
{
    if (state.timeout)
        state.timeout->stop();
    if (state.pause)
        state.pause->stop();
    state.busy = false;
    state.buffer.clear();
    state.queue.clear();
}

void ModbusPoller::openAdapterPorts()
{
    for (const ModbusAdapter &adapter : m_registry.adapters()) {
        if (m_ports.contains(adapter.portName))
            continue;
        auto *port = new QSerialPort(this);
        port->setPortName(adapter.portName);
        port->setBaudRate(adapter.baudRate);
        port->setDataBits(QSerialPort::Data8);
        port->setParity(QSerialPort::NoParity);
        port->setStopBits(QSerialPort::OneStop);
        port->setFlowControl(QSerialPort::NoFlowControl);
        if (!port->open(QIODevice::ReadWrite)) {
            qDebug().noquote() << "Failed to open port" << adapter.portName << port->errorString();
            delete port;
            continue;
        }
        m_ports.insert(adapter.portName, port);
        m_reportedGone.remove(adapter.portName);
        connect(port, &QSerialPort::readyRead, this, &ModbusPoller::onReadReady);
        connect(port, &QSerialPort::errorOccurred, this, &ModbusPoller::onPortError);
        qDebug().noquote() << "Port opened successfully:" << adapter.portName;
        stateFor(adapter.portName);
    }
}

void ModbusPoller::closePort(const QString &portName)
{
    if (QSerialPort *port = m_ports.value(portName))
        port->close();
    if (m_states.contains(portName))
        resetState(m_states[portName]);
    markPortDevicesOffline(portName);
}

void ModbusPoller::releaseAllPorts()
{
    const QStringList names = m_ports.keys();
    for (const QString &name : names) {
        closePort(name);
        m_ports.take(name)->deleteLater();
    }
}

void ModbusPoller::markPortDevicesOffline(const QString &portName)
{
    for (DeviceRecord &record : m_registry.devices()) {
        if (record.type == ConnectionKind::Modbus && record.portName == portName) {
            record.connected = false;
            record.unitResolved = false;
            record.unitRetries = 0;
        }
    }
}

void ModbusPoller::rebuildPollLists()
{
    for (PollState &state : m_states)
        state.devices.clear();
    const QList<DeviceRecord> &devices = m_registry.devices();
    for (int i = 0; i < devices.size(); ++i) {
        if (devices.at(i).type == ConnectionKind::Modbus)
            stateFor(devices.at(i).portName).devices.append(i);
    }
}

void ModbusPoller::sendNextCommand(const QString &portName)
{
    QSerialPort *port = m_ports.value(portName);
    if (!port || !port->isOpen() || !m_states.contains(portName))
        return;
    PollState &state = m_states[portName];
    if (!state.timeout || state.busy)
        return;

    if (state.queue.isEmpty() && !state.devices.isEmpty()) {
        const int index = state.devices.takeFirst();
        state.devices.append(index);
        if (index >= 0 && index < m_registry.devices().size())
            state.queue.append(ModbusDecode::nextPollRequest(m_registry.devices()[index]));
    }
    if (state.queue.isEmpty())
        return;

    state.current = state.queue.takeFirst();
    port->clear();
    state.buffer.clear();
    port->write(state.current.frame);
    port->flush(); // now, not on the next turn of the event loop
    state.busy = true;
    state.timeout->start(kAnswerTimeoutMs);
}

void ModbusPoller::sendNextCommandOnAllPorts()
{
    const QStringList names = m_ports.keys();
    for (const QString &name : names)
        sendNextCommand(name);
}

void ModbusPoller::sendFirst(const QString &portName, const ComCommand &command)
{
    stateFor(portName).queue.prepend(command);
}

QString ModbusPoller::portNameOf(const QObject *port) const
{
    for (auto it = m_ports.cbegin(); it != m_ports.cend(); ++it) {
        if (it.value() == port)
            return it.key();
    }
    return QString();
}

void ModbusPoller::onReadReady()
{
    auto *port = qobject_cast<QSerialPort *>(sender());
    const QString portName = portNameOf(port);
    if (!port || portName.isEmpty() || !m_states.contains(portName))
        return;
    PollState &state = m_states[portName];
    state.buffer += port->readAll();
    if (!state.busy) {
        state.buffer.clear(); // late or unasked-for bytes
        return;
    }

    const ComCommand &current = state.current;
    if (isExceptionResponse(state.buffer, current)) {
        qDebug().noquote() << "[MODBUS EXCEPTION] Device" << current.deviceAddress << "rejected function"
                           << hex(current.function, 2) << "reg" << hex(current.startReg, 4) << "code"
                           << quint8(state.buffer.at(2));
        state.timeout->stop();
        state.busy = false;
        state.buffer.clear();
        state.pause->start();
        return;
    }

    const int expected = expectedResponseLength(current);
    if (expected == 0 || state.buffer.size() < expected)
        return; // wait for the rest; the timeout ends a wait that never completes
    finishExchange(portName, state);
}

void ModbusPoller::finishExchange(const QString &portName, PollState &state)
{
    state.timeout->stop();
    state.busy = false;
    const QByteArray answer = state.buffer;
    state.buffer.clear();
    // An answer that cannot be used counts like no answer, or an instrument that only ever sends damaged
    // frames would look on line with a stale value forever.
    if (!processResponse(portName, answer))
        countMiss(portName, state.current.deviceAddress);
    state.pause->start();
}

void ModbusPoller::onAnswerTimeout(const QString &portName)
{
    if (!m_states.contains(portName))
        return;
    PollState &state = m_states[portName];
    state.timeout->stop();
    state.busy = false;
    state.buffer.clear();
    const ComCommand &current = state.current;
    qDebug().noquote() << "[TIMEOUT] No response from device" << current.deviceAddress << "func"
                       << hex(current.function, 2) << "reg" << hex(current.startReg, 4);

    countMiss(portName, current.deviceAddress);
    sendNextCommand(portName);
}

void ModbusPoller::countMiss(const QString &portName, quint8 address)
{
    const int index = findDevice(portName, address);
    if (index < 0)
        return;
    DeviceRecord &record = m_registry.devices()[index];
    ++record.missedReplies;
    if (record.missedReplies >= ModbusDecode::kOfflineAfterMisses) {
        if (record.connected)
            qDebug().noquote() << "Device went OFFLINE:" << record.address;
        record.connected = false;
        record.unitResolved = false;
        // Back on line it is a new contact, whose unit is enforced afresh.
        record.unitRetries = 0;
    }
}

int ModbusPoller::findDevice(const QString &portName, quint8 address) const
{
    const QList<DeviceRecord> &devices = m_registry.devices();
    for (int i = 0; i < devices.size(); ++i) {
        const DeviceRecord &record = devices.at(i);
        if (record.type == ConnectionKind::Modbus && record.portName == portName && record.address == address)
            return i;
    }
    return -1;
}

bool ModbusPoller::processResponse(const QString &portName, const QByteArray &bytes)
{
    if (!hasValidCrc(bytes)) {
        qDebug().noquote() << "CRC Error!";
        return false;
    }
    const ComCommand current = m_states.value(portName).current;
    if (quint8(bytes.at(0)) != current.deviceAddress || quint8(bytes.at(1)) != current.function)
        return false;
    const int index = findDevice(portName, current.deviceAddress);
    if (index < 0)
        return false;
    const QList<quint16> words = responseWords(bytes);
    if (current.function == ModbusFunction::ReadHoldingRegisters && words.size() != current.countOrValue)
        return false;
    DeviceRecord &record = m_registry.devices()[index];
    record.connected = true;
    record.missedReplies = 0;

    if (current.function == ModbusFunction::ReadHoldingRegisters) {
        const ModbusDecode::ReadResult result =
            ModbusDecode::applyReadResponse(record, current.startReg, words);
        if (result.unitSeen)
            qDebug().noquote() << "[UNITS] Device" << record.address
                               << "reported unit register 0x2002 =" << record.unit;
        if (result.infoCompleted)
            qDebug().noquote() << "[INFO] Device" << record.address << "serial" << record.serialNumber
                               << "calibrated"
                               << QStringLiteral("%1/%2/%3")
                                      .arg(record.calibDay)
                                      .arg(record.calibMonth)
                                      .arg(record.calibYear);
        if (result.unitSeen) {
            const int wanted = DeviceRegistry::globalUnitFor(record.sensorKind);
            switch (ModbusDecode::unitSync(record, wanted)) {
            case ModbusDecode::UnitAction::InStep:
                break;
            case ModbusDecode::UnitAction::GiveUp:
                qDebug().noquote() << "[UNITS] Device" << record.address << "gave up after"
                                   << ModbusDecode::kMaxUnitRetries
                                   << "attempts, still device=" << record.unit << "expected=" << wanted;
                break;
            case ModbusDecode::UnitAction::Retry:
                qDebug().noquote()
                    << "[UNITS] Device" << record.address << "differs: device=" << record.unit
                    << "expected=" << wanted << "-> retry"
                    << QStringLiteral("%1/%2").arg(record.unitRetries).arg(ModbusDecode::kMaxUnitRetries)
                    << "sending SetUnits(0x2002)";
                sendFirst(portName, buildWriteCommand(record.address, ModbusRegister::Unit, quint16(wanted)));
                break;
            }
        }
        if (result.valueUpdated)
            emit deviceValueChanged(index);
    } else if (current.function == ModbusFunction::WriteSingleRegister) {
        const quint16 reg = quint16(quint8(bytes.at(2)) << 8 | quint8(bytes.at(3)));
        const quint16 value = quint16(quint8(bytes.at(4)) << 8 | quint8(bytes.at(5)));
        qDebug().noquote() << "Success Write! Device:" << record.address << "Reg:" << hex(reg, 4)
                           << "Val:" << value;
        if (reg == ModbusRegister::Unit) {
            record.unit = value;
            qDebug().noquote() << "[UNITS] Device" << record.address
                               << "confirmed unit change, dev.uint now =" << record.unit;
        }
    }
    return true;
}

void ModbusPoller::onPortError(QSerialPort::SerialPortError error)
{
    if (error == QSerialPort::NoError)
        return;
    auto *port = qobject_cast<QSerialPort *>(sender());
    const QString portName = portNameOf(port);
    if (!port || portName.isEmpty())
        return;
    qDebug().noquote() << "Serial port error on" << portName << ":" << port->errorString();
    switch (error) {
    case QSerialPort::DeviceNotFoundError:
    case QSerialPort::PermissionError:
    case QSerialPort::WriteError:
    case QSerialPort::ReadError:
    case QSerialPort::ResourceError:
    case QSerialPort::UnknownError:
        if (port->isOpen())
            closePort(portName);
        break;
    default:
        break;
    }
}

void ModbusPoller::onPortWatchdogTick()
{
    QStringList present;
    for (const SerialPortEntry &entry : SerialPortCatalogue::availablePorts())
        present.append(entry.portName);

    // A port may have been closed already by its own error as it went.
    for (auto it = m_ports.cbegin(); it != m_ports.cend(); ++it) {
        if (present.contains(it.key())) {
            m_reportedGone.remove(it.key());
        } else if (!m_reportedGone.contains(it.key())) {
            qDebug().noquote() << "Port disappeared:" << it.key();
            m_reportedGone.insert(it.key());
            if (it.value()->isOpen())
                closePort(it.key());
        }
    }

    bool reopen = false;
    for (const ModbusAdapter &adapter : m_registry.adapters()) {
        if (!present.contains(adapter.portName))
            continue;
        QSerialPort *port = m_ports.value(adapter.portName);
        if (!port) {
            reopen = true;
        } else if (!port->isOpen()) {
            m_ports.remove(adapter.portName);
            port->deleteLater();
            reopen = true;
        }
    }
    if (!reopen)
        return;

    const QStringList openBefore = openPorts();
    openAdapterPorts();
    for (const QString &portName : openPorts()) {
        if (openBefore.contains(portName))
            continue;
        qDebug().noquote() << "Port recovered:" << portName;
        resetState(stateFor(portName));
        for (DeviceRecord &record : m_registry.devices()) {
            if (record.type == ConnectionKind::Modbus && record.portName == portName) {
                record.unitResolved = false;
                record.unitRetries = 0;
                record.missedReplies = 0;
                record.infoValid = false;
                record.infoAttempts = 0;
            }
        }
        sendNextCommand(portName);
    }
}

bool ModbusPoller::isOpen(const QString &portName) const
{
    const QSerialPort *port = m_ports.value(portName);
    return port && port->isOpen();
}

QStringList ModbusPoller::openPorts() const
{
    QStringList names;
    for (auto it = m_ports.cbegin(); it != m_ports.cend(); ++it) {
        if (it.value()->isOpen())
            names.append(it.key());
    }
    return names;
}

QList<int> ModbusPoller::pollList(const QString &portName) const
{
    return m_states.value(portName).devices;
}

bool ModbusPoller::isBusy(const QString &portName) const
{
    return m_states.value(portName).busy;
}
