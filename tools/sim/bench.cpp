#include "bench.h"

#include "bled112peer.h"
#include "heightgaugeboardpeer.h"
#include "lasersensorpeer.h"
#include "measuringinstrument.h"
#include "modbuspeer.h"
#include "simlog.h"
#include "standboardpeer.h"
#include "sylvaccablepeer.h"
#include "virtualkeyboard.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>
#include <pty.h>
#include <unistd.h>

namespace {
constexpr int AdapterBaudRate = 9600;
constexpr int DongleDeviceType = 4;
const char *const DongleUsbIds = "@2458:0001";
const char *const DongleName = "ttyBLED0";
constexpr int NrfDeviceType = 3;
const char *const NrfUsbIds = "@1915:521F";
const char *const NrfName = "ttyNRF0";
constexpr int SylvacDeviceType = 5;
const char *const SylvacLine = "4800 baud 7E1";
const double SylvacNominals[] = {12.5, 24.0, 48.5, 6.35};
const char *const KeyboardFifoName = "VELKOR-KBD-Caliper";
const char *const HeightGaugeName = "ttyHEIGHT0";
const char *const HeightGaugeUsbIds = "@ABCD:1234";
constexpr int HeightGaugeBaudRate = 115200;
const char *const LaserName = "ttyLASER0";
constexpr int LaserBaudRate = 115200;
constexpr double LaserOffCentre = 0.25; // mm, where the "o" key puts the part
const char *const StandName = "ttySTAND0";
const char *const StandUsbIds = "@ABCD:1234";
// Button presses on the dongle's instruments and the Sylvac ones come every 8 to 20 s, the keyboard
// instrument types every 10 to 20 s.
constexpr int ButtonPressMinMs = 8000;
constexpr int ButtonPressSpreadMs = 12000;
constexpr int TypingMinMs = 10000;
constexpr int TypingSpreadMs = 10000;

int randomBelow(int bound)
{
    return QRandomGenerator::global()->bounded(bound);
}

QString hex(const QByteArray &bytes)
{
    return QString::fromLatin1(bytes.toHex(' ').toUpper());
}

struct BleSpec
{
    QString address;
    QString name;
    BleKind kind;
    int rssi;
};

// VELKOR calipers and indicators in turn, the third a Sylvac, then a device of no known kind, which a scan
// shows greyed out. VELKOR instruments have random static addresses, the others public ones.
QList<BleSpec> dongleInstruments(int count)
{
    static const int calipers[] = {150, 200, 300, 500};
    static const int indicators[] = {10, 25, 50, 100};
    const auto address = [](const char *prefix, int last) {
        return QStringLiteral("%1:%2")
            .arg(QLatin1String(prefix))
            .arg(last, 2, 16, QLatin1Char('0'))
            .toUpper();
    };
    QList<BleSpec> list;
    int velkor = 0;
    for (int i = 0; i < count; ++i) {
        if (i == 2) {
            list.append({address("54:6C:0E:00:00", i + 1), QStringLiteral("SY289"), BleKind::Sylvac, -58});
            continue;
        }
        const int k = velkor++;
        QString name = k % 2 == 0 ? QStringLiteral("VELKOR CAL-%1").arg(calipers[k / 2 % 4])
                                  : QStringLiteral("VELKOR IND-%1").arg(indicators[k / 2 % 4]);
        if (k >= 8)
            name += QStringLiteral(" #%1").arg(k / 8 + 1);
        list.append({address("F0:5A:11:00:00", i + 1), name, BleKind::Velkor, -52 - 3 * (k % 8)});
    }
    list.append({QStringLiteral("A4:C1:38:00:00:FF"), QStringLiteral("Heart Rate"),
                 BleKind::NoDataCharacteristic, -74});
    return list;
}
} // namespace

Bench::Bench(QObject *parent)
    : QObject(parent)
{}

Bench::~Bench()
{
    // The links must be gone before the temporary folder is removed.
    qDeleteAll(m_lines);
    delete m_dongle;
    qDeleteAll(m_sylvac);
    delete m_keyboard;
    delete m_heightGauge;
    delete m_laser;
    delete m_stand;
    if (!m_nrfLink.isEmpty())
        QFile::remove(m_nrfLink);
    for (int fd : {m_nrfMaster, m_nrfSlave}) {
        if (fd >= 0)
            ::close(fd);
    }
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
    if (options.bled112Instruments >= 0 && !openDongle(options, error))
        return false;
    if (options.nrf && !openNrfPort(error))
        return false;
    if (options.sylvacInstruments > 0 && !openSylvacCables(options, error))
        return false;
    if (options.heightGauge && !openHeightGauge(options, error))
        return false;
    if (options.laser && !openLaser(options, error))
        return false;
    if (options.stand && !openStand(error))
        return false;
    return !options.keyboard || openKeyboard(options, error);
}

bool Bench::openSylvacCables(const Options &options, QString *error)
{
    for (int i = 0; i < options.sylvacInstruments; ++i) {
        auto *cable = new SylvacCablePeer;
        m_sylvac.append(cable);
        if (!cable->isOpen()) {
            *error = QStringLiteral("cannot open a pseudo-terminal");
            return false;
        }
        const QString link = QDir(m_linkDir).filePath(QStringLiteral("ttySYLVAC%1").arg(i));
        if (cable->link(link).isEmpty()) {
            *error =
                QStringLiteral("cannot create %1 (a file that is not a symlink is never replaced)").arg(link);
            return false;
        }
        cable->drift(SylvacNominals[i % 4]);
        const QString name = QFileInfo(link).fileName();
        connect(cable, &SylvacCablePeer::changed, this,
                [name](const QString &what) { SimLog::note(QStringLiteral("%1 %2").arg(name, what)); });
        if (options.verbose) {
            connect(cable, &SylvacCablePeer::commandReceived, this, [name](const QByteArray &line) {
                SimLog::trace(QStringLiteral("%1 <- %2").arg(name, QString::fromLatin1(line)));
            });
            connect(cable, &SylvacCablePeer::lineSent, this, [name](const QByteArray &line) {
                SimLog::trace(QStringLiteral("%1 -> %2").arg(name, QString::fromLatin1(line)));
            });
        }
    }
    auto *buttons = new QTimer(this);
    connect(buttons, &QTimer::timeout, this, [this, buttons] {
        m_sylvac.at(randomBelow(int(m_sylvac.size())))->pressButton();
        buttons->start(ButtonPressMinMs + randomBelow(ButtonPressSpreadMs));
    });
    buttons->start(ButtonPressMinMs + randomBelow(ButtonPressSpreadMs));
    return true;
}

bool Bench::openKeyboard(const Options &options, QString *error)
{
    m_keyboard = new VirtualKeyboard;
    QString fallback;
    if (!m_keyboard->start(QDir(m_linkDir).filePath(QLatin1String(KeyboardFifoName)), options.keyboardFifo,
                           &fallback, error))
        return false;
    if (!fallback.isEmpty())
        m_warnings.append(fallback);
    auto *typing = new QTimer(this);
    connect(typing, &QTimer::timeout, this, [this, typing] {
        m_keyboard->typeReading();
        typing->start(TypingMinMs + randomBelow(TypingSpreadMs));
    });
    typing->start(TypingMinMs + randomBelow(TypingSpreadMs));
    return true;
}

bool Bench::openHeightGauge(const Options &options, QString *error)
{
    m_heightGauge = new HeightGaugeBoardPeer;
    if (!m_heightGauge->isOpen()) {
        *error = QStringLiteral("cannot open a pseudo-terminal");
        return false;
    }
    const QString link = QDir(m_linkDir).filePath(QLatin1String(HeightGaugeName));
    if (m_heightGauge->link(link).isEmpty()) {
        *error =
            QStringLiteral("cannot create %1 (a file that is not a symlink is never replaced)").arg(link);
        return false;
    }
    if (!options.heightGaugeSolids.isEmpty())
        m_heightGauge->setSolids(options.heightGaugeSolids);
    m_heightGauge->setCorruptEvery(options.heightGaugeCorruptEvery);
    const QString name = QLatin1String(HeightGaugeName);
    connect(m_heightGauge, &HeightGaugeBoardPeer::changed, this,
            [name](const QString &what) { SimLog::note(QStringLiteral("%1 %2").arg(name, what)); });
    if (options.verbose) {
        // The status frames, 50 a second, would drown everything else.
        connect(m_heightGauge, &HeightGaugeBoardPeer::commandReceived, this, [name](const QByteArray &frame) {
            SimLog::trace(QStringLiteral("%1 <- %2").arg(name, hex(frame)));
        });
        connect(m_heightGauge, &HeightGaugeBoardPeer::frameSent, this, [name](const QByteArray &frame) {
            if (quint8(frame.at(0)) != HeightGaugeBoardPeer::StatusHeader)
                SimLog::trace(QStringLiteral("%1 -> %2").arg(name, hex(frame)));
        });
    }
    return true;
}

bool Bench::openLaser(const Options &options, QString *error)
{
    m_laser = new LaserSensorPeer;
    if (!m_laser->isOpen()) {
        *error = QStringLiteral("cannot open a pseudo-terminal");
        return false;
    }
    const QString link = QDir(m_linkDir).filePath(QLatin1String(LaserName));
    if (m_laser->link(link).isEmpty()) {
        *error =
            QStringLiteral("cannot create %1 (a file that is not a symlink is never replaced)").arg(link);
        return false;
    }
    if (options.laserBore >= 0.0)
        m_laser->setBore(options.laserBore);
    const QString name = QLatin1String(LaserName);
    connect(m_laser, &LaserSensorPeer::changed, this,
            [name](const QString &what) { SimLog::note(QStringLiteral("%1 %2").arg(name, what)); });
    if (options.verbose) {
        // Queued to this thread: the line reports from threads of its own.
        connect(m_laser, &LaserSensorPeer::exchanged, this,
                [name](const QByteArray &request, const QByteArray &reply) {
                    SimLog::trace(QStringLiteral("%1 <- %2").arg(name, hex(request)));
                    if (!reply.isEmpty())
                        SimLog::trace(QStringLiteral("%1 -> %2").arg(name, hex(reply)));
                });
    }
    return true;
}

bool Bench::openStand(QString *error)
{
    m_stand = new StandBoardPeer;
    if (!m_stand->isOpen()) {
        *error = QStringLiteral("cannot open a pseudo-terminal");
        return false;
    }
    const QString link = QDir(m_linkDir).filePath(QLatin1String(StandName));
    if (m_stand->link(link).isEmpty()) {
        *error =
            QStringLiteral("cannot create %1 (a file that is not a symlink is never replaced)").arg(link);
        return false;
    }
    const QString name = QLatin1String(StandName);
    connect(m_stand, &StandBoardPeer::changed, this,
            [name](const QString &what) { SimLog::note(QStringLiteral("%1 %2").arg(name, what)); });
    // Its value frames, 20 a second, would drown everything else.
    connect(m_stand, &StandBoardPeer::commandReceived, this, [name](const QByteArray &frame) {
        SimLog::trace(QStringLiteral("%1 <- %2").arg(name, hex(frame)));
    });
    return true;
}

SylvacCablePeer *Bench::firstSylvac()
{
    if (m_sylvac.isEmpty())
        SimLog::note(QStringLiteral("no Sylvac instrument (--sylvac N)"));
    return m_sylvac.value(0);
}

void Bench::pressSylvacButton(int index)
{
    if (index >= 0 && index < m_sylvac.size())
        m_sylvac.at(index)->pressButton();
    else
        SimLog::note(QStringLiteral("no Sylvac instrument %1").arg(index + 1));
}

void Bench::toggleSylvacContinuous()
{
    if (SylvacCablePeer *cable = firstSylvac())
        cable->setContinuous(!cable->isContinuous());
}

void Bench::toggleSylvacUnit()
{
    if (SylvacCablePeer *cable = firstSylvac())
        cable->setInch(!cable->isInch());
}

void Bench::typeReading()
{
    if (m_keyboard)
        m_keyboard->typeReading();
    else
        SimLog::note(QStringLiteral("no keyboard instrument (--keyboard)"));
}

void Bench::growLaserBore(double delta)
{
    if (m_laser)
        m_laser->setBore(m_laser->bore() + delta);
    else
        SimLog::note(QStringLiteral("no laser bore gauge (--laser)"));
}

void Bench::toggleLaserOffset()
{
    if (m_laser)
        m_laser->setOffset(m_laser->offset() == 0.0 ? LaserOffCentre : 0.0);
    else
        SimLog::note(QStringLiteral("no laser bore gauge (--laser)"));
}

void Bench::moveStand(double delta)
{
    if (!m_stand) {
        SimLog::note(QStringLiteral("no measuring stand (--stand)"));
        return;
    }
    m_stand->setValue(m_stand->value() + delta);
    SimLog::note(QStringLiteral("%1 scale at %2 mm, reading %3 mm")
                     .arg(QLatin1String(StandName), QString::number(m_stand->value(), 'f', 3),
                          QString::number(m_stand->reading(), 'f', 3)));
}

void Bench::toggleStandSweep()
{
    if (m_stand)
        m_stand->setSweep(!m_stand->isSweeping());
    else
        SimLog::note(QStringLiteral("no measuring stand (--stand)"));
}

// Only a name for the program's port catalogue: with KOVRAN_NRF_DRIVER=simulated the program drives a
// SoftDevice simulated inside itself and never opens this terminal. The device record below names that
// simulation's VELKOR IND-10 by its address, which both sides keep the same by convention alone.
bool Bench::openNrfPort(QString *error)
{
    char name[256] = {};
    if (openpty(&m_nrfMaster, &m_nrfSlave, name, nullptr, nullptr) != 0) {
        *error = QStringLiteral("cannot open a pseudo-terminal");
        return false;
    }
    const QString link = QDir(m_linkDir).filePath(QLatin1String(NrfName));
    if (QFileInfo(link).isSymLink())
        QFile::remove(link); // left by an earlier run
    if (!QFile::link(QString::fromLocal8Bit(name), link)) {
        *error =
            QStringLiteral("cannot create %1 (a file that is not a symlink is never replaced)").arg(link);
        return false;
    }
    m_nrfLink = link;
    KovranSettingsWriter::Instrument device;
    device.portName = QStringLiteral("DONGLE");
    device.type = NrfDeviceType;
    device.name = QStringLiteral("VELKOR IND-10");
    device.mac = QStringLiteral("C7:2A:10:00:00:02");
    device.donglePort = link;
    device.bleProtocol = 0;
    m_storedBle.append(device);
    return true;
}

bool Bench::openDongle(const Options &options, QString *error)
{
    m_dongle = new Bled112Peer;
    if (!m_dongle->isOpen()) {
        *error = QStringLiteral("cannot open a pseudo-terminal");
        return false;
    }
    const QString link = QDir(m_linkDir).filePath(QLatin1String(DongleName));
    if (m_dongle->link(link).isEmpty()) {
        *error =
            QStringLiteral("cannot create %1 (a file that is not a symlink is never replaced)").arg(link);
        return false;
    }
    m_dongle->setConnectionLimit(options.bled112Limit);
    m_dongleLimit = options.bled112Limit;
    const QList<BleSpec> specs = dongleInstruments(options.bled112Instruments);
    for (const BleSpec &spec : specs)
        m_dongle->addInstrument(spec.address, spec.name, spec.kind, spec.rssi);
    // The program is given the first instrument and the Sylvac one; the rest are there to be found by its
    // scan.
    for (int i = 0; i < options.bled112Instruments && m_storedBle.size() < 2; ++i) {
        if (i > 0 && options.bled112Instruments > 2 && specs[i].kind != BleKind::Sylvac)
            continue;
        KovranSettingsWriter::Instrument device;
        device.portName = QStringLiteral("DONGLE");
        device.type = DongleDeviceType;
        device.name = specs[i].name;
        device.mac = specs[i].address;
        device.donglePort = link;
        device.bleProtocol = specs[i].kind == BleKind::Velkor ? 0 : 1;
        m_storedBle.append(device);
    }

    const QString name = QLatin1String(DongleName);
    connect(m_dongle, &Bled112Peer::changed, this, [name](const QString &address, const QString &what) {
        SimLog::note(QStringLiteral("%1 [%2] %3").arg(name, address, what));
    });
    if (options.verbose) {
        connect(m_dongle, &Bled112Peer::packetReceived, this, [name](const QByteArray &bytes) {
            SimLog::trace(QStringLiteral("%1 <- %2").arg(name, hex(bytes)));
        });
        connect(m_dongle, &Bled112Peer::packetSent, this, [name](const QByteArray &bytes) {
            SimLog::trace(QStringLiteral("%1 -> %2").arg(name, hex(bytes)));
        });
    }
    // Now and then somebody presses the send button of one of the instruments in use.
    auto *buttons = new QTimer(this);
    connect(buttons, &QTimer::timeout, this, [this, buttons] {
        const QStringList connected = m_dongle->connectedAddresses();
        if (!connected.isEmpty())
            m_dongle->pressButton(connected.at(QRandomGenerator::global()->bounded(int(connected.size()))));
        buttons->start(ButtonPressMinMs + QRandomGenerator::global()->bounded(ButtonPressSpreadMs));
    });
    buttons->start(ButtonPressMinMs);
    if (options.bled112SilentAfterSeconds >= 0) {
        QTimer::singleShot(options.bled112SilentAfterSeconds * 1000, this, [this, name] {
            m_dongle->setSilent(true);
            SimLog::note(QStringLiteral("%1 stops answering").arg(name));
        });
    }
    return true;
}

void Bench::dropBled112Connection()
{
    const QStringList connected = m_dongle ? m_dongle->connectedAddresses() : QStringList();
    if (connected.isEmpty()) {
        SimLog::note(QStringLiteral("%1: no connection to drop").arg(QLatin1String(DongleName)));
        return;
    }
    m_dongle->dropConnection(connected.first());
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
    if (m_dongle)
        paths.append(m_dongle->linkPath());
    if (!m_nrfLink.isEmpty())
        paths.append(m_nrfLink);
    for (const SylvacCablePeer *cable : m_sylvac)
        paths.append(cable->linkPath());
    if (m_heightGauge)
        paths.append(m_heightGauge->linkPath());
    if (m_laser)
        paths.append(m_laser->linkPath());
    if (m_stand)
        paths.append(m_stand->linkPath());
    return paths;
}

QString Bench::virtualPortsLine() const
{
    QStringList ports;
    for (const ModbusPeer *line : m_lines)
        ports.append(line->linkPath());
    if (m_dongle)
        ports.append(m_dongle->linkPath() + QLatin1String(DongleUsbIds));
    if (!m_nrfLink.isEmpty())
        ports.append(m_nrfLink + QLatin1String(NrfUsbIds));
    for (const SylvacCablePeer *cable : m_sylvac)
        ports.append(cable->linkPath());
    if (m_heightGauge)
        ports.append(m_heightGauge->linkPath() + QLatin1String(HeightGaugeUsbIds));
    if (m_laser)
        ports.append(m_laser->linkPath());
    if (m_stand)
        ports.append(m_stand->linkPath() + QLatin1String(StandUsbIds));
    return QStringLiteral("KOVRAN_VIRTUAL_PORTS=") + ports.join(u';');
}

QString Bench::virtualKeyboardsLine() const
{
    if (!m_keyboard || m_keyboard->fifoPath().isEmpty())
        return QString();
    return QStringLiteral("KOVRAN_VIRTUAL_KEYBOARDS=%1@%2")
        .arg(m_keyboard->fifoPath(), VirtualKeyboard::usbIds());
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
    if (m_dongle) {
        text += QStringLiteral("BLED112 dongle %1 (%2), accepts %3 connections; SIGUSR1 drops one\n")
                    .arg(m_dongle->linkPath(), m_dongle->slavePath())
                    .arg(m_dongleLimit);
        for (const QString &description : m_dongle->descriptions())
            text += QStringLiteral("  ") + description + u'\n';
        QStringList stored;
        for (const KovranSettingsWriter::Instrument &device : m_storedBle) {
            if (device.type != NrfDeviceType)
                stored.append(device.name);
        }
        if (!stored.isEmpty())
            text += QStringLiteral("  given to KOVRAN with --write-config: %1\n")
                        .arg(stored.join(QLatin1String(", ")));
    }
    if (!m_nrfLink.isEmpty())
        text += QStringLiteral("nRF dongle %1: a name only, run KOVRAN with KOVRAN_NRF_DRIVER=simulated\n"
                               "  given to KOVRAN with --write-config: VELKOR IND-10 C7:2A:10:00:00:02\n")
                    .arg(m_nrfLink);
    for (int i = 0; i < m_sylvac.size(); ++i) {
        text += QStringLiteral("Sylvac data cable %1 (%2), %3%4\n  %5\n")
                    .arg(m_sylvac[i]->linkPath(), m_sylvac[i]->slavePath(), QLatin1String(SylvacLine),
                         i == 0 ? QStringLiteral("; SIGUSR2 presses its data button") : QString(),
                         m_sylvac[i]->description());
    }
    if (m_heightGauge)
        text += QStringLiteral("Height gauge board %1 (%2), %3 baud; --write-config names it in "
                               "setting_devozor.ini\n  %4\n")
                    .arg(m_heightGauge->linkPath(), m_heightGauge->slavePath())
                    .arg(HeightGaugeBaudRate)
                    .arg(m_heightGauge->description());
    if (m_laser)
        text += QStringLiteral("Laser bore gauge sensors %1 (%2), %3 baud; --write-config names them in "
                               "setting_laser.ini\n  %4\n")
                    .arg(m_laser->linkPath(), m_laser->slavePath())
                    .arg(LaserBaudRate)
                    .arg(m_laser->description());
    if (m_stand)
        text += QStringLiteral("Measuring stand board %1 (%2), found by its USB ids\n  %3\n")
                    .arg(m_stand->linkPath(), m_stand->slavePath(), m_stand->description());
    if (m_keyboard)
        text += QStringLiteral("Keyboard instrument %1; types a reading every 10-20 s, not written with "
                               "--write-config\n")
                    .arg(m_keyboard->description());
    return text;
}

bool Bench::writeKovranSettings(const QString &folder, QString *error) const
{
    QList<KovranSettingsWriter::Adapter> adapters;
    QList<KovranSettingsWriter::Instrument> instruments;
    for (const ModbusPeer *line : m_lines) {
        adapters.append({line->linkPath(), AdapterBaudRate});
        for (int address : line->addresses()) {
            KovranSettingsWriter::Instrument instrument;
            instrument.portName = line->linkPath();
            instrument.address = address;
            instruments.append(instrument);
        }
    }
    // Bluetooth instruments are numbered on their own, and so are Sylvac cables.
    for (int i = 0; i < m_storedBle.size(); ++i) {
        instruments.append(m_storedBle[i]);
        instruments.last().address = i + 1;
    }
    for (int i = 0; i < m_sylvac.size(); ++i) {
        KovranSettingsWriter::Instrument instrument;
        instrument.portName = m_sylvac[i]->linkPath();
        instrument.address = i + 1;
        instrument.type = SylvacDeviceType;
        instrument.name = QStringLiteral("Sylvac S_Cal %1").arg(i + 1);
        instruments.append(instrument);
    }
    if (!KovranSettingsWriter::write(folder, adapters, instruments, error))
        return false;
    if (m_heightGauge &&
        !KovranSettingsWriter::writeHardwarePort(folder, QStringLiteral("setting_devozor.ini"),
                                                 m_heightGauge->linkPath(), HeightGaugeBaudRate, error))
        return false;
    return !m_laser || KovranSettingsWriter::writeHardwarePort(folder, QStringLiteral("setting_laser.ini"),
                                                               m_laser->linkPath(), LaserBaudRate, error);
}
