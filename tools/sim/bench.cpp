#include "bench.h"

#include "kovransettingswriter.h"
#include "measuringinstrument.h"
#include "modbuspeer.h"
#include "simlog.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>

#include <algorithm>

namespace {
constexpr int AdapterBaudRate = 9600;

QString hex(const QByteArray &bytes)
{
    return QString::fromLatin1(bytes.toHex(' ').toUpper());
}
} // namespace

Bench::Bench(QObject *parent)
    : QObject(parent)
{}

Bench::~Bench()
{
    // The links must be gone before the temporary folder is removed.
    qDeleteAll(m_lines);
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
        ModbusPeer *line = openLine(options.verbose, error);
        if (!line)
            return false;
        for (int i = 0; i < perAdapter && position < options.modbusInstruments; ++i, ++position) {
            auto instrument = std::make_unique<MeasuringInstrument>(
                position + 1, MeasuringInstrument::kindForPosition(position));
            instrument->drift();
            line->addSlave(std::move(instrument));
        }
    }
    return true;
}

ModbusPeer *Bench::openLine(bool verbose, QString *error)
{
    auto *line = new ModbusPeer;
    m_lines.append(line);
    if (!line->isOpen()) {
        *error = QStringLiteral("cannot open a pseudo-terminal");
        return nullptr;
    }
    const QString link = QDir(m_linkDir).filePath(QStringLiteral("ttyKOVRAN%1").arg(m_lines.size() - 1));
    if (line->link(link).isEmpty()) {
        *error =
            QStringLiteral("cannot create %1 (a file that is not a symlink is never replaced)").arg(link);
        return nullptr;
    }
    const QString name = QFileInfo(link).fileName();
    // Queued to this thread: the line reports from threads of its own.
    connect(line, &ModbusPeer::changed, this, [this, name, line](int address, const QString &what) {
        SimLog::note(QStringLiteral("%1 [%2] %3").arg(name).arg(address).arg(what));
        QList<int> addresses = line->addresses();
        std::sort(addresses.begin(), addresses.end());
        if (std::adjacent_find(addresses.cbegin(), addresses.cend()) != addresses.cend())
            SimLog::note(QStringLiteral("%1 warning: two instruments share an address now; only the first "
                                        "answers")
                             .arg(name));
    });
    if (verbose) {
        connect(line, &ModbusPeer::exchanged, this,
                [name](const QByteArray &request, const QByteArray &reply) {
                    SimLog::trace(QStringLiteral("%1 <- %2").arg(name, hex(request)));
                    if (!reply.isEmpty())
                        SimLog::trace(QStringLiteral("%1 -> %2").arg(name, hex(reply)));
                });
    }
    return line;
}

QStringList Bench::portPaths() const
{
    QStringList paths;
    for (const ModbusPeer *line : m_lines)
        paths.append(line->linkPath());
    return paths;
}

QString Bench::virtualPortsLine() const
{
    return QStringLiteral("KOVRAN_VIRTUAL_PORTS=") + portPaths().join(u';');
}

QString Bench::summary() const
{
    QString text;
    for (const ModbusPeer *line : m_lines) {
        text += QStringLiteral("Modbus RTU adapter %1 (%2), %3 baud\n")
                    .arg(line->linkPath(), line->slavePath())
                    .arg(AdapterBaudRate);
        const QStringList descriptions = line->descriptions();
        if (descriptions.isEmpty())
            text += QStringLiteral("  no instruments\n");
        for (const QString &description : descriptions)
            text += QStringLiteral("  ") + description + u'\n';
    }
    return text;
}

bool Bench::writeKovranSettings(const QString &folder, QString *error) const
{
    QList<KovranSettingsWriter::Adapter> adapters;
    QList<KovranSettingsWriter::Instrument> instruments;
    for (const ModbusPeer *line : m_lines) {
        adapters.append({line->linkPath(), AdapterBaudRate});
        for (int address : line->addresses())
            instruments.append({line->linkPath(), address});
    }
    return KovranSettingsWriter::write(folder, adapters, instruments, error);
}
