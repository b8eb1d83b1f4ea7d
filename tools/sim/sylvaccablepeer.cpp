#include "sylvaccablepeer.h"

#include "driftingvalue.h"
#include "simterminal.h"

#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QSocketNotifier>
#include <QTimer>

#include <cerrno>
#include <cmath>
#include <cstring>
#include <fcntl.h>
#include <optional>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

namespace {

constexpr int LogLimit = 10000;
constexpr double DefaultNominal = 12.5;
constexpr double DriftAmplitude = 0.03;
constexpr double DriftNoise = 0.001;
constexpr double DriftPeriodSeconds = 20.0;
constexpr double MmPerInch = 25.4;

quint32 s_instances = 0; // each instrument drifts its own way

} // namespace

struct SylvacCablePeer::Private
{
    SylvacCablePeer *q = nullptr;
    int master = -1;
    int slave = -1; // kept open so the master never sees a hang-up while the program reopens
    QString slavePath;
    QString linkPath;
    QSocketNotifier *notifier = nullptr;
    QTimer continuousTimer;
    QElapsedTimer unreadSince; // the oldest line the program may not have read yet went out then
    quint32 seed = 0;
    bool plugged = true;
    bool inch = false;
    quint64 epoch = 0; // a new one at every plug: answers scheduled before are void
    std::optional<DriftingValue> drift;
    double steady = 0.0;
    double zero = 0.0; // mm
    QByteArray received;
    QList<QByteArray> log;

    double reading() { return drift ? drift->sample() : steady; }
    QByteArray valueLine(double mm) const;
    void writeMaster(const QByteArray &bytes);
    void send(const QByteArray &line);
    void readMaster();
    void handle(const QByteArray &line);
    void answer(const QByteArray &command);
};

QByteArray SylvacCablePeer::Private::valueLine(double mm) const
{
    const int decimals = inch ? 4 : 3;
    const double shown = inch ? mm / MmPerInch : mm;
    const QString digits = QLocale::c().toString(std::fabs(shown), 'f', decimals);
    // A reading that rounds to zero is "+0.000", never "-0.000".
    const bool negative = shown < 0 && std::round(-shown * std::pow(10.0, decimals)) > 0;
    return (negative ? "-" : "+") + digits.toLatin1();
}

void SylvacCablePeer::Private::writeMaster(const QByteArray &bytes)
{
    const char *data = bytes.constData();
    qsizetype size = bytes.size();
    while (size > 0) {
        const ssize_t n = ::write(master, data, size_t(size));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return; // a full pty nobody reads loses bytes, like a cable nobody listens to
        data += n;
        size -= n;
    }
}

void SylvacCablePeer::Private::send(const QByteArray &line)
{
    if (!plugged)
        return;
    int unread = 0;
    if (::ioctl(slave, FIONREAD, &unread) != 0)
        unread = 0;
    if (unread > 0 && unreadSince.isValid() && unreadSince.elapsed() > StaleMs) {
        ::tcflush(slave, TCIFLUSH);
        unread = 0;
    }
    if (unread == 0)
        unreadSince.start();
    writeMaster(line + '\r');
    emit q->lineSent(line);
}

void SylvacCablePeer::Private::readMaster()
{
    char buffer[256];
    ssize_t n;
    while ((n = ::read(master, buffer, sizeof buffer)) > 0) {
        if (!plugged)
            continue;
        for (ssize_t i = 0; i < n; ++i) {
            if (buffer[i] == '\r') {
                const QByteArray line = received.trimmed();
                received.clear();
                if (!line.isEmpty())
                    handle(line);
            } else if (received.size() >= LineLimit) {
                received.clear(); // noise, or a computer that never ends its lines
            } else {
                received += buffer[i];
            }
        }
    }
}

void SylvacCablePeer::Private::handle(const QByteArray &line)
{
    if (log.size() >= LogLimit)
        log.removeFirst();
    log.append(line);
    emit q->commandReceived(line);
    if (line != "UNI??" && line != "SET")
        return;
    QTimer::singleShot(AnswerDelayMs, q, [this, line, plug = epoch] {
        if (plug == epoch && plugged)
            answer(line);
    });
}

void SylvacCablePeer::Private::answer(const QByteArray &command)
{
    if (command == "SET") {
        zero = reading();
        emit q->changed(QStringLiteral("zero set at %1 mm").arg(QLocale::c().toString(zero, 'f', 3)));
        send(valueLine(0.0));
        return;
    }
    send(inch ? "IN" : "MM");
    send(valueLine(reading() - zero));
}

SylvacCablePeer::SylvacCablePeer(QObject *parent)
    : QObject(parent)
    , d(std::make_unique<Private>())
{
    d->q = this;
    d->seed = s_instances++;
    drift(DefaultNominal);
    const SimTerminal::Pair terminal = SimTerminal::open("SylvacCablePeer");
    if (terminal.master < 0)
        return;
    d->master = terminal.master;
    d->slave = terminal.slave;
    d->slavePath = terminal.slavePath;

    d->notifier = new QSocketNotifier(d->master, QSocketNotifier::Read, this);
    connect(d->notifier, &QSocketNotifier::activated, this, [this] { d->readMaster(); });
    d->continuousTimer.setInterval(ContinuousIntervalMs);
    connect(&d->continuousTimer, &QTimer::timeout, this,
            [this] { d->send(d->valueLine(d->reading() - d->zero)); });
}

SylvacCablePeer::~SylvacCablePeer()
{
    unlink();
    delete d->notifier;
    for (int fd : {d->master, d->slave}) {
        if (fd >= 0)
            ::close(fd);
    }
}

bool SylvacCablePeer::isOpen() const
{
    return d->master >= 0;
}

QString SylvacCablePeer::slavePath() const
{
    return d->slavePath;
}

QString SylvacCablePeer::link(const QString &linkPath)
{
    unlink();
    if (!SimTerminal::link(d->slavePath, linkPath))
        return QString();
    d->linkPath = linkPath;
    d->plugged = true;
    ++d->epoch;
    return linkPath;
}

void SylvacCablePeer::unlink()
{
    if (d->linkPath.isEmpty())
        return;
    SimTerminal::unlink(d->linkPath, d->slavePath);
    d->linkPath.clear();
    d->plugged = false;
    ++d->epoch;
    d->received.clear();
}

QString SylvacCablePeer::linkPath() const
{
    return d->linkPath;
}

void SylvacCablePeer::setValue(double mm)
{
    d->drift.reset();
    d->steady = mm;
}

void SylvacCablePeer::drift(double nominal)
{
    d->drift.emplace(nominal, DriftAmplitude, DriftNoise, DriftPeriodSeconds, 0x5C0A1u + d->seed);
}

void SylvacCablePeer::setInch(bool inch)
{
    if (d->inch == inch)
        return;
    d->inch = inch;
    emit changed(inch ? QStringLiteral("unit inch") : QStringLiteral("unit mm"));
}

bool SylvacCablePeer::isInch() const
{
    return d->inch;
}

void SylvacCablePeer::pressButton()
{
    if (!d->plugged)
        return;
    emit changed(QStringLiteral("button"));
    d->send(d->valueLine(d->reading() - d->zero));
}

void SylvacCablePeer::setContinuous(bool on)
{
    if (on == d->continuousTimer.isActive())
        return;
    if (on)
        d->continuousTimer.start();
    else
        d->continuousTimer.stop();
    emit changed(on ? QStringLiteral("continuous sending on") : QStringLiteral("continuous sending off"));
}

bool SylvacCablePeer::isContinuous() const
{
    return d->continuousTimer.isActive();
}

void SylvacCablePeer::sendRaw(const QByteArray &bytes)
{
    if (d->plugged)
        d->writeMaster(bytes);
}

QList<QByteArray> SylvacCablePeer::commands() const
{
    return d->log;
}

void SylvacCablePeer::clearLog()
{
    d->log.clear();
}

QString SylvacCablePeer::description() const
{
    const QByteArray line = d->valueLine(d->reading() - d->zero);
    QString text = QStringLiteral("Sylvac S_Cal cable, reading %1 %2")
                       .arg(QString::fromLatin1(line.mid(line.startsWith('+') ? 1 : 0)),
                            d->inch ? QStringLiteral("in") : QStringLiteral("mm"));
    if (isContinuous())
        text += QStringLiteral(", sending continuously");
    return text;
}
