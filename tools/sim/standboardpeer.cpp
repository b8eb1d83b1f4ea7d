#include "standboardpeer.h"

#include "boardline.h"
#include "heightgaugeboardpeer.h"

#include <QElapsedTimer>
#include <QLocale>
#include <QTimer>
#include <QtEndian>

#include <algorithm>
#include <cmath>
#include <cstring>

namespace {

constexpr int LogLimit = 10000;
constexpr double MmPerInch = 25.4;
constexpr quint8 Yes = 0x55; // the argument of the commands that take none

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

} // namespace

struct StandBoardPeer::Private
{
    StandBoardPeer *q = nullptr;
    BoardLine *line = nullptr;
    QTimer valueTimer;
    QElapsedTimer clock;
    qint64 sweptUntilNs = 0;
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
    void send(const QByteArray &frame);
    void sendValue(quint8 header);
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

void StandBoardPeer::Private::send(const QByteArray &frame)
{
    if (line->isPlugged())
        emit q->frameSent(line->send(frame));
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
    d->line = new BoardLine("StandBoardPeer", this);
    connect(d->line, &BoardLine::commandReceived, this, [this](const QByteArray &frame) { d->handle(frame); });
    connect(d->line, &BoardLine::changed, this, &StandBoardPeer::changed);
    d->line->open();
    d->valueTimer.setTimerType(Qt::PreciseTimer);
    d->valueTimer.setInterval(ValueIntervalMs);
    connect(&d->valueTimer, &QTimer::timeout, this, [this] {
        d->sweep();
        d->sendValue(HeightGaugeBoardPeer::HeightHeader);
    });
    d->valueTimer.start();
}

StandBoardPeer::~StandBoardPeer() = default;

bool StandBoardPeer::isOpen() const
{
    return d->line->isOpen();
}

QString StandBoardPeer::slavePath() const
{
    return d->line->slavePath();
}

QString StandBoardPeer::link(const QString &linkPath)
{
    return d->line->link(linkPath);
}

void StandBoardPeer::unlink()
{
    d->line->unlink();
}

QString StandBoardPeer::linkPath() const
{
    return d->line->linkPath();
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
