#include "standboardpeer.h"

#include "heightgaugeboardpeer.h"

#include "simterminal.h"

#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QSocketNotifier>
#include <QTimer>
#include <QtEndian>

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstring>
#include <fcntl.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

namespace {

constexpr int LogLimit = 10000;
constexpr double MmPerInch = 25.4;
constexpr quint8 Ping = 0x55;
constexpr quint8 Yes = 0x55; // the argument of the commands that take none
constexpr int CommandLength = 3;
constexpr int ValueCommandLength = 6; // 'v', a float, the check byte

double roundTo(double value, int decimals)
{
    const double scale = std::pow(10.0, decimals);
    const double rounded = std::round(value * scale) / scale;
    return rounded == 0.0 ? 0.0 : rounded; // never -0.0
}

QString millimetres(double value)
{
    return QLocale::c().toString(value, 'f', 3);
}

QString hex(const QByteArray &bytes)
{
    return QString::fromLatin1(bytes.toHex(' '));
}

bool isCommandLetter(quint8 byte)
{
    return byte >= 'i' && byte <= 'x' && byte != 'q';
}

} // namespace

struct StandBoardPeer::Private
{
    StandBoardPeer *q = nullptr;
    int master = -1;
    int slave =
        -1; // kept open while plugged in, so the master never sees a hang-up while the program reopens
    QString slavePath;
    QString linkPath;
    QSocketNotifier *notifier = nullptr;
    QTimer valueTimer;
    QElapsedTimer clock;
    qint64 sweptUntilNs = 0;
    QElapsedTimer unreadSince;  // the oldest frame the program may not have read yet went out then
    QElapsedTimer partialSince; // the first byte of the unfinished frame came then
    bool plugged = true;
    QByteArray received;
    QList<QByteArray> log;

    double position = DefaultPosition;
    double zero = 0.0;
    double baseValue = 0.0;
    bool inch = false;
    bool sweeping = false;
    double direction = 1.0;
    int precision = 0;

    double readingMm() const { return roundTo(position - zero + baseValue, 3); }
    double boardReading() const
    {
        return inch ? roundTo((position - zero + baseValue) / MmPerInch, 5) : readingMm();
    }

    void sweep();
    void send(QByteArray frame);
    void sendValue(quint8 header);
    void readMaster();
    void feed(quint8 byte, int *skipped);
    void handle(const QByteArray &frame);
};

// Up and down the scale, turning at its ends.
void StandBoardPeer::Private::sweep()
{
    const qint64 now = clock.nsecsElapsed();
    double distance = SweepSpeed * double(now - sweptUntilNs) / 1e9;
    sweptUntilNs = now;
    if (!sweeping)
        return;
    while (distance > 0.0) {
        const double end = direction > 0 ? Range : 0.0;
        const double gap = std::fabs(end - position);
        if (gap > distance) {
            position += direction * distance;
            return;
        }
        position = end;
        distance -= gap;
        direction = -direction;
    }
}

void StandBoardPeer::Private::send(QByteArray frame)
{
    if (!plugged)
        return;
    frame += char(HeightGaugeBoardPeer::checkByte(frame));
    int unread = 0;
    if (::ioctl(slave, FIONREAD, &unread) != 0)
        unread = 0;
    if (unread > 0 && unreadSince.isValid() && unreadSince.elapsed() > StaleMs) {
        ::tcflush(slave, TCIFLUSH);
        unread = 0;
    }
    if (unread == 0)
        unreadSince.start();
    const char *data = frame.constData();
    qsizetype size = frame.size();
    while (size > 0) {
        const ssize_t n = ::write(master, data, size_t(size));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            break; // a full pty nobody reads loses bytes, like a cable nobody listens to
        data += n;
        size -= n;
    }
    emit q->frameSent(frame);
}

void StandBoardPeer::Private::sendValue(quint8 header)
{
    QByteArray frame(1 + 8, '\0');
    frame[0] = char(header);
    const double value = boardReading();
    quint64 bits = 0;
    std::memcpy(&bits, &value, sizeof bits);
    qToLittleEndian(bits, frame.data() + 1);
    if (header == HeightGaugeBoardPeer::ParametersHeader)
        frame += char(inch ? 1 : 0);
    send(frame);
}

void StandBoardPeer::Private::readMaster()
{
    char buffer[256];
    ssize_t n;
    int skipped = 0;
    while ((n = ::read(master, buffer, sizeof buffer)) > 0) {
        if (!plugged)
            continue;
        for (ssize_t i = 0; i < n; ++i)
            feed(quint8(buffer[i]), &skipped);
    }
    if (skipped > 0)
        emit q->changed(QStringLiteral("%1 stray byte(s) skipped").arg(skipped));
}

void StandBoardPeer::Private::feed(quint8 byte, int *skipped)
{
    if (!received.isEmpty() && partialSince.elapsed() > FrameTimeoutMs) {
        emit q->changed(QStringLiteral("unfinished frame %1 dropped").arg(hex(received)));
        received.clear();
    }
    if (received.isEmpty()) {
        if (byte == Ping) {
            handle(QByteArray(1, char(byte)));
            return;
        }
        if (!isCommandLetter(byte)) {
            ++*skipped;
            return;
        }
        partialSince.start();
    }
    received += char(byte);
    if (received.size() < (received.at(0) == 'v' ? ValueCommandLength : CommandLength))
        return;
    const QByteArray frame = received;
    received.clear();
    if (HeightGaugeBoardPeer::checkByte(frame.chopped(1)) != quint8(frame.back())) {
        emit q->changed(QStringLiteral("frame %1 with a wrong check byte ignored").arg(hex(frame)));
        return;
    }
    handle(frame);
}

void StandBoardPeer::Private::handle(const QByteArray &frame)
{
    if (log.size() >= LogLimit)
        log.removeFirst();
    log.append(frame);
    emit q->commandReceived(frame);
    sweep(); // everything below happens now, not at the last tick

    if (frame.size() == 1) {
        sendValue(HeightGaugeBoardPeer::HeightHeader);
        return;
    }
    const quint8 argument = quint8(frame.at(1));
    const bool yes = argument == Yes;
    switch (frame.at(0)) {
    case 'i':
        if (!yes) {
            precision = argument;
            emit q->changed(QStringLiteral("precision code %1").arg(precision));
            return;
        }
        [[fallthrough]];
    case 's':
    case 't':
        if (!yes)
            break;
        zero = position;
        emit q->changed(QStringLiteral("zeroed at %1").arg(millimetres(position)));
        return;
    case 'j':
        if (!yes)
            break;
        inch = !inch;
        emit q->changed(inch ? QStringLiteral("unit inch") : QStringLiteral("unit mm"));
        sendValue(HeightGaugeBoardPeer::ParametersHeader);
        return;
    case 'n':
        if (!yes)
            break;
        sendValue(HeightGaugeBoardPeer::ParametersHeader);
        return;
    case 'v':
        baseValue = double(qFromLittleEndian<float>(frame.constData() + 1));
        emit q->changed(QStringLiteral("base value %1").arg(millimetres(baseValue)));
        return;
    default:
        emit q->changed(QStringLiteral("command %1 ignored: the stand has no motor, laser or display to "
                                       "drive")
                            .arg(hex(frame)));
        return;
    }
    emit q->changed(QStringLiteral("command %1 not understood, ignored").arg(hex(frame)));
}

StandBoardPeer::StandBoardPeer(QObject *parent)
    : QObject(parent)
    , d(std::make_unique<Private>())
{
    d->q = this;
    d->clock.start();
    openTerminal();
    d->valueTimer.setTimerType(Qt::PreciseTimer);
    d->valueTimer.setInterval(ValueIntervalMs);
    connect(&d->valueTimer, &QTimer::timeout, this, [this] {
        d->sweep();
        d->sendValue(HeightGaugeBoardPeer::HeightHeader);
    });
    d->valueTimer.start();
}

StandBoardPeer::~StandBoardPeer()
{
    unlink();
    closeTerminal();
}

bool StandBoardPeer::openTerminal()
{
    const SimTerminal::Pair terminal = SimTerminal::open("StandBoardPeer");
    if (terminal.master < 0)
        return false;
    d->master = terminal.master;
    d->slave = terminal.slave;
    d->slavePath = terminal.slavePath;
    d->notifier = new QSocketNotifier(d->master, QSocketNotifier::Read, this);
    connect(d->notifier, &QSocketNotifier::activated, this, [this] { d->readMaster(); });
    return true;
}

// Pulling the USB cable: the program's open port fails at once, as with a real adapter.
void StandBoardPeer::closeTerminal()
{
    delete d->notifier;
    d->notifier = nullptr;
    for (int fd : {d->master, d->slave}) {
        if (fd >= 0)
            ::close(fd);
    }
    d->master = d->slave = -1;
    d->slavePath.clear();
}

bool StandBoardPeer::isOpen() const
{
    return d->master >= 0;
}

QString StandBoardPeer::slavePath() const
{
    return d->slavePath;
}

QString StandBoardPeer::link(const QString &linkPath)
{
    unlink();
    if ((d->master < 0 && !openTerminal()) || !SimTerminal::link(d->slavePath, linkPath))
        return QString();
    d->linkPath = linkPath;
    d->plugged = true;
    return linkPath;
}

void StandBoardPeer::unlink()
{
    if (d->linkPath.isEmpty())
        return;
    SimTerminal::unlink(d->linkPath, d->slavePath);
    d->linkPath.clear();
    d->plugged = false;
    d->received.clear();
    closeTerminal();
}

QString StandBoardPeer::linkPath() const
{
    return d->linkPath;
}

void StandBoardPeer::setValue(double mm)
{
    d->sweep();
    d->position = std::clamp(mm, 0.0, Range);
}

double StandBoardPeer::value() const
{
    d->sweep();
    return d->position;
}

double StandBoardPeer::reading() const
{
    d->sweep();
    return d->readingMm();
}

bool StandBoardPeer::isInch() const
{
    return d->inch;
}

void StandBoardPeer::setSweep(bool on)
{
    d->sweep();
    d->sweeping = on;
    emit changed(on ? QStringLiteral("sweeping from %1").arg(millimetres(d->position))
                    : QStringLiteral("sweep stopped at %1").arg(millimetres(d->position)));
}

bool StandBoardPeer::isSweeping() const
{
    return d->sweeping;
}

QList<QByteArray> StandBoardPeer::commands() const
{
    return d->log;
}

void StandBoardPeer::clearLog()
{
    d->log.clear();
}

QString StandBoardPeer::description() const
{
    d->sweep();
    return QStringLiteral("Stand board, scale at %1 mm (0 to %2), reading %3 %4, a value frame every %5 ms%6")
        .arg(millimetres(d->position))
        .arg(Range)
        .arg(d->inch ? QLocale::c().toString(d->boardReading(), 'f', 5) : millimetres(d->readingMm()),
             d->inch ? QStringLiteral("in") : QStringLiteral("mm"))
        .arg(ValueIntervalMs)
        .arg(d->sweeping ? QStringLiteral(", sweeping") : QString());
}
