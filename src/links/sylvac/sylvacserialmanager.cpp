#include "sylvacserialmanager.h"

#include "common/serialportcatalogue.h"
#include "links/ble/bleprotocol.h"
#include "sylvaccycle.h"

#include <QDateTime>
#include <QDebug>
#include <QSerialPort>
#include <QTimer>

#include <utility>

namespace {

const QByteArray UnitQuery = QByteArrayLiteral("UNI??\r");
constexpr int UnitQueryReplies = 2;
const QByteArray ZeroCommand = QByteArrayLiteral("SET\r");
constexpr int ZeroReplies = 1;

QString timeStamp(qint64 msecs)
{
    return QDateTime::fromMSecsSinceEpoch(msecs).toString(QStringLiteral("mm:ss.zzz"));
}

} // namespace

SylvacSerialManager *SylvacSerialManager::instance()
{
    static SylvacSerialManager *manager = new SylvacSerialManager;
    return manager;
}

SylvacSerialManager::SylvacSerialManager(QObject *parent)
    : QObject(parent)
    , m_cycleTimer(new QTimer(this))
    , m_watchTimer(new QTimer(this))
    , m_clock([] { return QDateTime::currentMSecsSinceEpoch(); })
{
    connect(m_cycleTimer, &QTimer::timeout, this, &SylvacSerialManager::runCycles);
    connect(m_watchTimer, &QTimer::timeout, this, &SylvacSerialManager::watch);
    m_cycleTimer->start(kCycleTickMs);
    m_watchTimer->start(kWatchMs);
}

void SylvacSerialManager::setClock(std::function<qint64()> clock)
{
    m_clock = std::move(clock);
}

QStringList SylvacSerialManager::availablePorts()
{
    QStringList names;
    for (const SerialPortEntry &entry : SerialPortCatalogue::availablePorts())
        names.append(entry.portName);
    return names;
}

bool SylvacSerialManager::openCablePort(QSerialPort &serial, bool readOnly)
{
    serial.setBaudRate(kBaudRate);
    serial.setDataBits(QSerialPort::Data7);
    serial.setParity(QSerialPort::EvenParity);
    serial.setStopBits(QSerialPort::OneStop);
    serial.setFlowControl(QSerialPort::NoFlowControl);
    if (!serial.open(readOnly ? QIODevice::ReadOnly : QIODevice::ReadWrite))
        return false;
    // The cable takes its power from these lines. A pseudo-terminal refuses them, which does no harm.
    serial.setRequestToSend(true);
    serial.setDataTerminalReady(true);
    return true;
}

bool SylvacSerialManager::addPort(const QString &port)
{
    if (port.isEmpty())
        return false;
    m_wantedPorts.insert(port);
    return openPort(port);
}

void SylvacSerialManager::removePort(const QString &port)
{
    m_wantedPorts.remove(port);
    closePort(port);
}

bool SylvacSerialManager::isOpen(const QString &port) const
{
    const auto it = m_ports.constFind(port);
    return it != m_ports.constEnd() && it->serial && it->serial->isOpen();
}

bool SylvacSerialManager::zero(const QString &port)
{
    if (!isOpen(port))
        return false;
    m_ports[port].commandQueue.append({ZeroCommand, ZeroReplies});
    qDebug().noquote() << "[Sylvac-провід]" << port << "обнулення (SET) поставлено в чергу";
    return true;
}

bool SylvacSerialManager::openPort(const QString &port)
{
    if (isOpen(port))
        return true;
    if (m_ports.contains(port))
        closePort(port);

    auto *serial = new QSerialPort(this);
    serial->setPortName(port);
    if (!openCablePort(*serial, false)) {
        qDebug().noquote() << "[Sylvac-провід] не вдалося відкрити" << port << ":" << serial->errorString();
        serial->deleteLater();
        return false;
    }
    Port record;
    record.serial = serial;
    record.quietUntil = m_clock() + kQuietMs;
    m_ports.insert(port, record);
    connect(serial, &QSerialPort::readyRead, this, [this, port] { receive(port); });
    // A pulled cable: close at once rather than spin on a dead descriptor; the watch reopens it.
    connect(serial, &QSerialPort::errorOccurred, this,
            [this, port, serial](QSerialPort::SerialPortError error) {
                if (error != QSerialPort::ResourceError && error != QSerialPort::DeviceNotFoundError &&
                    error != QSerialPort::PermissionError)
                    return;
                qDebug().noquote() << "[Sylvac-провід]" << port << "помилка порту:" << serial->errorString();
                QTimer::singleShot(0, serial, [this, port, serial] {
                    if (m_ports.value(port).serial == serial)
                        closePort(port);
                });
            });
    qDebug().noquote() << "[Sylvac-провід] слухаю" << port << "- 4800 7E1";
    emit portStateChanged(port, true);
    return true;
}

void SylvacSerialManager::closePort(const QString &port)
{
    const auto it = m_ports.find(port);
    if (it == m_ports.end())
        return;
    QSerialPort *serial = it->serial;
    m_ports.erase(it);
    if (serial) {
        serial->disconnect(this);
        serial->close();
        serial->deleteLater();
    }
    emit portStateChanged(port, false);
}

void SylvacSerialManager::receive(const QString &port)
{
    const auto it = m_ports.find(port);
    if (it == m_ports.end() || !it->serial)
        return;
    const QByteArray bytes = it->serial->readAll();
    if (bytes.isEmpty())
        return;
    qDebug().noquote() << "[Sylvac-провід]" << port << timeStamp(m_clock()) << "RX <<"
                       << sylvacPrintable(bytes);
    const QStringList lines = splitSylvacLines(it->lineBuffer, bytes);
    // A receiver may close the port meanwhile; the lines are kept in a copy of the list.
    it->cycleLines.append(lines);
    for (const QString &line : lines)
        emit lineReceived(port, line);
}

bool SylvacSerialManager::send(const QString &port, Port &record, const QByteArray &command,
                               int expectedLines)
{
    if (!record.serial || !record.serial->isOpen())
        return false;
    qDebug().noquote() << "[Sylvac-провід]" << port << timeStamp(m_clock()) << "TX >>"
                       << sylvacPrintable(command);
    if (record.serial->write(command) < command.size())
        return false;
    record.expectedLines += expectedLines;
    record.serial->flush();
    return true;
}

void SylvacSerialManager::runCycles()
{
    const qint64 now = m_clock();
    QStringList due;
    for (auto it = m_ports.begin(); it != m_ports.end(); ++it) {
        if (it->serial && it->serial->isOpen() && now - it->lastCycle >= kCycleMs) {
            it->lastCycle = now;
            due.append(it.key());
        }
    }
    for (const QString &port : std::as_const(due)) {
        // A receiver of the cycle's signals may close ports.
        auto it = m_ports.find(port);
        if (it == m_ports.end())
            continue;
        evaluateCycle(port, *it);
        it = m_ports.find(port);
        if (it == m_ports.end())
            continue;
        if (!it->commandQueue.isEmpty()) {
            const auto command = it->commandQueue.takeFirst();
            send(port, *it, command.first, command.second);
        } else {
            send(port, *it, UnitQuery, UnitQueryReplies);
        }
    }
}

void SylvacSerialManager::evaluateCycle(const QString &port, Port &record)
{
    const QStringList lines = std::exchange(record.cycleLines, {});
    const int expected = std::exchange(record.expectedLines, 0);
    if (lines.isEmpty())
        return;
    const bool settled = m_clock() >= record.quietUntil;
    const SylvacCycle cycle = evaluateSylvacCycle(lines, expected);

    for (const bool isInch : cycle.unitLines)
        emit unitChanged(port, isInch);
    for (const QString &line : cycle.unrecognised)
        qDebug().noquote() << "[Sylvac-провід]" << port << line << "-> нерозпізнано, пропускаю";
    if (cycle.flood)
        qDebug().noquote() << "[Sylvac-провід]" << port << "прилад видав" << cycle.lineCount
                           << "рядків замість" << expected << "- схоже на зливу, у таблицю не пишу";
    qDebug().noquote() << "[Sylvac-провід]" << port << "цикл: команд" << expected << ", рядків"
                       << cycle.lineCount << "-> натискань" << cycle.presses
                       << QStringLiteral("[%1]").arg(lines.join(QLatin1String(" | ")));

    for (int i = 0; i < cycle.values.size(); ++i) {
        const double value = cycle.values.at(i);
        const bool candidate = cycle.isPressCandidate(i);
        if (candidate)
            qDebug().noquote() << "[Sylvac-провід]" << port << value
                               << (settled ? "= КНОПКА, ПИШУ В ТАБЛИЦЮ"
                                           : "= кнопка, але канал ще не влігся - пропускаю");
        emit valueReceived(port, value, candidate && settled);
    }
}

void SylvacSerialManager::watch()
{
    const QStringList present = availablePorts();
    const QStringList known = m_ports.keys();
    for (const QString &port : known) {
        if (!present.contains(port) || !isOpen(port)) {
            qDebug().noquote() << "[Sylvac-провід]" << port << "зник";
            closePort(port);
        }
    }
    for (const QString &port : std::as_const(m_wantedPorts)) {
        if (present.contains(port) && !isOpen(port))
            openPort(port);
    }
}
