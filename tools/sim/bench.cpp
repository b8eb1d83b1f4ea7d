#include "bench.h"

#include "kovransettingswriter.h"
#include "measuringinstrument.h"
#include "modbusbus.h"
#include "pseudoterminal.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>

namespace {
constexpr int AdapterBaudRate = 9600;
}

Bench::Bench(QObject *parent)
    : QObject(parent)
{}

Bench::~Bench()
{
    // Children go in QObject's destructor; the links must be gone before the temporary folder is removed.
    qDeleteAll(m_buses);
    qDeleteAll(m_ports);
}

bool Bench::start(const Options &options, QString *error)
{
    if (options.linkDir.isEmpty()) {
        m_ownLinkDir =
            std::make_unique<QTemporaryDir>(QDir::tempPath() + QStringLiteral("/kovran-sim-XXXXXX"));
        if (!m_ownLinkDir->isValid()) {
            *error = QStringLiteral("cannot create a folder for the port links: %1")
                         .arg(m_ownLinkDir->errorString());
            return false;
        }
        m_linkDir = m_ownLinkDir->path();
    } else {
        m_linkDir = QFileInfo(options.linkDir).absoluteFilePath();
        if (!QDir().mkpath(m_linkDir)) {
            *error = QStringLiteral("cannot create %1").arg(m_linkDir);
            return false;
        }
    }

    // Consecutive addresses in blocks: with 5 instruments on 2 adapters, 1-3 on the first and 4-5 on the
    // second.
    const int adapters = options.modbusAdapters;
    const int perAdapter = adapters > 0 ? (options.modbusInstruments + adapters - 1) / adapters : 0;
    int position = 0;
    for (int a = 0; a < adapters; ++a) {
        PseudoTerminal *port = openPort(error);
        if (!port)
            return false;
        auto *bus = new ModbusBus(port, QFileInfo(port->linkPath()).fileName());
        m_buses.append(bus);
        for (int i = 0; i < perAdapter && position < options.modbusInstruments; ++i, ++position) {
            const quint8 address = quint8(position + 1);
            bus->addSlave(new MeasuringInstrument(address, MeasuringInstrument::kindForPosition(position)));
        }
    }
    return true;
}

PseudoTerminal *Bench::openPort(QString *error)
{
    auto *port = new PseudoTerminal;
    m_ports.append(port);
    if (!port->open(error))
        return nullptr;
    const QString link = QDir(m_linkDir).filePath(QStringLiteral("ttyKOVRAN%1").arg(m_ports.size() - 1));
    if (!port->createLink(link, error))
        return nullptr;
    return port;
}

QStringList Bench::portPaths() const
{
    QStringList paths;
    for (const PseudoTerminal *port : m_ports)
        paths.append(port->portPath());
    return paths;
}

QString Bench::virtualPortsLine() const
{
    return QStringLiteral("KOVRAN_VIRTUAL_PORTS=") + portPaths().join(u';');
}

QString Bench::summary() const
{
    QString text;
    for (const ModbusBus *bus : m_buses) {
        text += QStringLiteral("Modbus RTU adapter %1 (%2), %3 baud\n")
                    .arg(bus->terminal()->portPath(), bus->terminal()->slavePath())
                    .arg(AdapterBaudRate);
        if (bus->slaves().isEmpty())
            text += QStringLiteral("  no instruments\n");
        for (const ModbusSlave *slave : bus->slaves())
            text += QStringLiteral("  address %1: %2\n").arg(slave->address()).arg(slave->description());
    }
    return text;
}

bool Bench::writeKovranSettings(const QString &folder, QString *error) const
{
    QList<KovranSettingsWriter::Adapter> adapters;
    QList<KovranSettingsWriter::Instrument> instruments;
    for (const ModbusBus *bus : m_buses) {
        const QString portName = bus->terminal()->portPath();
        adapters.append({portName, AdapterBaudRate});
        for (const ModbusSlave *slave : bus->slaves())
            instruments.append({portName, slave->address()});
    }
    return KovranSettingsWriter::write(folder, adapters, instruments, error);
}
