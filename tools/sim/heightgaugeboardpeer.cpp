#include "heightgaugeboardpeer.h"

#include "boardline.h"

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
constexpr double ContactJump = 1.0; // the laser reading the moment the tip meets a face
constexpr int StandardSpeedCode = 4;
constexpr quint8 Yes = 0x55; // the argument of the commands that take none
constexpr quint8 LaserOn = 0xFF;
constexpr int StatusPayload = 29;
constexpr int StatusStateOffset = 21;

double roundTo(double value, int decimals)
{
    const double scale = std::pow(10.0, decimals);
    const double rounded = std::round(value * scale) / scale;
    return rounded == 0.0 ? 0.0 : rounded; // never -0.0
}

QString mm(double value)
{
    return QLocale::c().toString(value, 'f', 3);
}

QString hex(const QByteArray &bytes)
{
    return QString::fromLatin1(bytes.toHex(' '));
}

void putDouble(QByteArray &frame, int offset, double value)
{
    quint64 bits = 0;
    std::memcpy(&bits, &value, sizeof bits);
    qToLittleEndian(bits, frame.data() + offset);
}

} // namespace

struct HeightGaugeBoardPeer::Private
{
    HeightGaugeBoardPeer *q = nullptr;
    BoardLine *line = nullptr;
    QTimer statusTimer;
    QElapsedTimer clock;
    qint64 movedUntilNs = 0;
    QList<QByteArray> log;

    double position = DefaultPosition;
    MotorState state = Idle;
    QList<QPair<double, double>> solids{{0.0, 25.0}, {40.0, Travel}};
    double base = 0.0;
    double timeScale = 1.0;
    bool contact = false;   // the probe tip touches a solid
    double entryFace = 0.0; // the face it came in through
    double zero = 0.0;      // carriage position of height 0 before the base value
    double laserZero = 0.0;
    int corruptEvery = 0;
    quint64 framesSent = 0;

    int speedCode = StandardSpeedCode;
    int precision = 0;
    int slowStep = 0;
    double baseValue = 0.0;
    bool inch = false;
    bool pinEnabled = true;
    bool laserOn = false;
    bool displayOn = true;

    bool moving() const { return state == MovingUp || state == MovingDown; }
    double heightMm() const { return roundTo(position - zero + baseValue, 3); }
    double boardHeight() const
    {
        return inch ? roundTo((position - zero + baseValue) / MmPerInch, 5) : heightMm();
    }
    double rawLaser() const { return contact ? ContactJump + std::fabs(position - entryFace) : 0.0; }
    double laser() const { return laserOn ? roundTo(rawLaser() - laserZero, 3) : NoLaser; }
    double speed() const;
    QList<double> faces() const;
    bool inside(double x, bool closed) const;
    void placeTip();
    void setContact(bool touching);

    void catchUp();
    void advance(double distance);
    void halt(MotorState stoppedState, const QString &what);
    void move(MotorState direction);

    void send(const QByteArray &frame);
    void sendStatus();
    void sendHeight(quint8 header);
    void handle(const QByteArray &frame);
    void zeroHeight();
};

double HeightGaugeBoardPeer::Private::speed() const
{
    switch (speedCode) {
    case 6:
        return 25.0;
    case 3:
        return 4.0;
    case 5:
        return 2.0;
    default:
        return 10.0;
    }
}

QList<double> HeightGaugeBoardPeer::Private::faces() const
{
    QList<double> list;
    for (const auto &solid : solids)
        list << solid.first << solid.second;
    return list;
}

bool HeightGaugeBoardPeer::Private::inside(double x, bool closed) const
{
    return std::any_of(solids.cbegin(), solids.cend(), [x, closed](const QPair<double, double> &solid) {
        return closed ? solid.first <= x && x <= solid.second : solid.first < x && x < solid.second;
    });
}

// After the carriage or the part was put somewhere by hand: the tip touches what it is in, from the nearest
// face.
void HeightGaugeBoardPeer::Private::placeTip()
{
    contact = false;
    for (const auto &solid : solids) {
        if (solid.first <= position && position <= solid.second) {
            contact = true;
            entryFace = position - solid.first <= solid.second - position ? solid.first : solid.second;
        }
    }
}

void HeightGaugeBoardPeer::Private::setContact(bool touching)
{
    contact = touching;
    if (touching)
        entryFace = position;
    emit q->changed(touching ? QStringLiteral("touch at %1").arg(mm(position))
                             : QStringLiteral("probe free at %1").arg(mm(position)));
    sendStatus();
}

void HeightGaugeBoardPeer::Private::catchUp()
{
    const qint64 now = clock.nsecsElapsed();
    const double seconds = double(now - movedUntilNs) / 1e9;
    movedUntilNs = now;
    if (moving())
        advance(speed() * timeScale * seconds);
}

// Moves the carriage `distance` mm on, stopping at every face crossed and at the stops on the way: a face
// changes what the tip touches there and then, and the status of that moment goes out with the carriage
// exactly at the face.
void HeightGaugeBoardPeer::Private::advance(double distance)
{
    while (moving()) {
        const bool up = state == MovingUp;
        if (!up && pinEnabled && position <= base) {
            halt(PinStop, QStringLiteral("touch pin stop at %1").arg(mm(position)));
            return;
        }
        const double stop = up ? Travel : (pinEnabled ? base : 0.0);
        double next = stop;
        for (double face : faces()) {
            if (up ? face > position && face < next : face < position && face > next)
                next = face;
        }
        // Leaving a face the tip touches: it stays in contact only if it goes on into the solid.
        const bool ahead = inside((position + next) / 2.0, false);
        if (ahead != contact)
            setContact(ahead);
        const double gap = std::fabs(next - position);
        if (gap > distance) {
            position += up ? distance : -distance;
            return;
        }
        distance -= gap;
        position = next;
        if (!contact && inside(position, true))
            setContact(true);
        if (position == stop) {
            if (!up && pinEnabled)
                halt(PinStop, QStringLiteral("touch pin stop at %1").arg(mm(position)));
            else
                halt(Idle, QStringLiteral("end stop at %1").arg(mm(position)));
            return;
        }
    }
}

void HeightGaugeBoardPeer::Private::halt(MotorState stoppedState, const QString &what)
{
    state = stoppedState;
    emit q->changed(what);
    sendStatus();
}

void HeightGaugeBoardPeer::Private::move(MotorState direction)
{
    catchUp();
    const bool up = direction == MovingUp;
    if (!up && pinEnabled && position <= base) {
        halt(PinStop, QStringLiteral("touch pin stop at %1").arg(mm(position)));
        return;
    }
    if (up ? position >= Travel : position <= 0.0) {
        halt(Idle, QStringLiteral("end stop at %1").arg(mm(position)));
        return;
    }
    state = direction;
    emit q->changed(QStringLiteral("moving %1 at %2 mm/s")
                        .arg(up ? QStringLiteral("up") : QStringLiteral("down"))
                        .arg(speed() * timeScale));
}

void HeightGaugeBoardPeer::Private::send(const QByteArray &frame)
{
    if (!line->isPlugged())
        return;
    ++framesSent;
    const bool spoil = corruptEvery > 0 && framesSent % quint64(corruptEvery) == 0;
    emit q->frameSent(line->send(frame, spoil));
}

void HeightGaugeBoardPeer::Private::sendStatus()
{
    QByteArray frame(1 + StatusPayload, '\0');
    frame[0] = char(StatusHeader);
    qToLittleEndian(quint32(std::lround(position * 1000.0)), frame.data() + 1);
    putDouble(frame, 1 + 4, laser());
    putDouble(frame, 1 + 12, heightMm());
    frame[1 + StatusStateOffset] = char(state);
    send(frame);
}

void HeightGaugeBoardPeer::Private::sendHeight(quint8 header)
{
    QByteArray frame(1 + 8, '\0');
    frame[0] = char(header);
    putDouble(frame, 1, boardHeight());
    if (header == ParametersHeader)
        frame += char(inch ? 1 : 0);
    send(frame);
}

void HeightGaugeBoardPeer::Private::zeroHeight()
{
    zero = position;
    emit q->changed(QStringLiteral("height zeroed at %1").arg(mm(position)));
}

void HeightGaugeBoardPeer::Private::handle(const QByteArray &frame)
{
    if (log.size() >= LogLimit)
        log.removeFirst();
    log.append(frame);
    emit q->commandReceived(frame);
    catchUp(); // everything below happens now, not at the last tick

    if (frame.size() == 1) {
        sendHeight(HeightHeader);
        return;
    }
    const quint8 argument = quint8(frame.at(1));
    const bool yes = argument == Yes;
    switch (frame.at(0)) {
    case 'i':
        if (yes) {
            zeroHeight();
        } else {
            precision = argument;
            emit q->changed(QStringLiteral("precision code %1").arg(precision));
        }
        return;
    case 'j':
        if (!yes)
            break;
        inch = !inch;
        emit q->changed(inch ? QStringLiteral("unit inch") : QStringLiteral("unit mm"));
        sendHeight(ParametersHeader);
        return;
    case 'k':
    case 'l':
        if (!yes)
            break;
        move(frame.at(0) == 'k' ? MovingUp : MovingDown);
        return;
    case 'm':
        if (!yes)
            break;
        if (moving())
            halt(Idle, QStringLiteral("stopped at %1").arg(mm(position)));
        return;
    case 'n':
        if (!yes)
            break;
        sendHeight(ParametersHeader);
        return;
    case 'o':
    case 's':
        if (!yes)
            break;
        laserZero = rawLaser();
        emit q->changed(QStringLiteral("laser zeroed at %1").arg(mm(laserZero)));
        if (frame.at(0) == 's')
            zeroHeight();
        return;
    case 'p':
        if (argument != LaserOn)
            break;
        laserOn = true;
        emit q->changed(QStringLiteral("laser on"));
        return;
    case 'r':
        speedCode = argument;
        emit q->changed(QStringLiteral("speed code %1: %2 mm/s").arg(speedCode).arg(speed()));
        return;
    case 't':
        if (!yes)
            break;
        zeroHeight();
        return;
    case 'u':
        if (argument > 1)
            break;
        displayOn = argument == 0;
        emit q->changed(displayOn ? QStringLiteral("display on") : QStringLiteral("display off"));
        return;
    case 'w':
        if (argument > 1)
            break;
        pinEnabled = argument == 0;
        emit q->changed(pinEnabled ? QStringLiteral("touch pin interrupt on")
                                   : QStringLiteral("touch pin interrupt off"));
        return;
    case 'x':
        slowStep = argument;
        emit q->changed(QStringLiteral("slow-step type %1").arg(slowStep));
        return;
    case 'v': {
        baseValue = double(qFromLittleEndian<float>(frame.constData() + 1));
        emit q->changed(QStringLiteral("base value %1").arg(mm(baseValue)));
        return;
    }
    default:
        break;
    }
    emit q->changed(QStringLiteral("command %1 not understood, ignored").arg(hex(frame)));
}

HeightGaugeBoardPeer::HeightGaugeBoardPeer(QObject *parent)
    : QObject(parent)
    , d(std::make_unique<Private>())
{
    d->q = this;
    d->clock.start();
    d->placeTip();
    d->line = new BoardLine("HeightGaugeBoardPeer", this);
    connect(d->line, &BoardLine::commandReceived, this, [this](const QByteArray &frame) { d->handle(frame); });
    connect(d->line, &BoardLine::changed, this, &HeightGaugeBoardPeer::changed);
    d->line->open();
    d->statusTimer.setTimerType(Qt::PreciseTimer);
    d->statusTimer.setInterval(StatusIntervalMs);
    connect(&d->statusTimer, &QTimer::timeout, this, [this] {
        d->catchUp();
        d->sendStatus();
    });
    d->statusTimer.start();
}

HeightGaugeBoardPeer::~HeightGaugeBoardPeer() = default;

quint8 HeightGaugeBoardPeer::checkByte(const QByteArray &bytes)
{
    return BoardLine::checkByte(bytes);
}

bool HeightGaugeBoardPeer::isOpen() const
{
    return d->line->isOpen();
}

QString HeightGaugeBoardPeer::slavePath() const
{
    return d->line->slavePath();
}

QString HeightGaugeBoardPeer::link(const QString &linkPath)
{
    return d->line->link(linkPath);
}

void HeightGaugeBoardPeer::unlink()
{
    d->line->unlink();
}

QString HeightGaugeBoardPeer::linkPath() const
{
    return d->line->linkPath();
}

double HeightGaugeBoardPeer::position() const
{
    return d->position;
}

void HeightGaugeBoardPeer::setPosition(double mm)
{
    d->catchUp();
    d->position = std::clamp(mm, 0.0, Travel);
    if (d->state == PinStop && d->position > d->base)
        d->state = Idle;
    d->placeTip();
}

bool HeightGaugeBoardPeer::isMoving() const
{
    return d->moving();
}

HeightGaugeBoardPeer::MotorState HeightGaugeBoardPeer::motorState() const
{
    return d->state;
}

double HeightGaugeBoardPeer::height() const
{
    return d->heightMm();
}

double HeightGaugeBoardPeer::laserValue() const
{
    return d->laser();
}

bool HeightGaugeBoardPeer::isInch() const
{
    return d->inch;
}

void HeightGaugeBoardPeer::setSolids(const QList<QPair<double, double>> &solids)
{
    d->catchUp();
    QList<QPair<double, double>> sorted;
    for (const auto &solid : solids) {
        const double from = std::clamp(std::min(solid.first, solid.second), 0.0, Travel);
        const double to = std::clamp(std::max(solid.first, solid.second), 0.0, Travel);
        if (from < to)
            sorted.append({from, to});
    }
    std::sort(sorted.begin(), sorted.end());
    d->solids.clear();
    for (const auto &solid : sorted) {
        if (!d->solids.isEmpty() && solid.first <= d->solids.last().second)
            d->solids.last().second = std::max(d->solids.last().second, solid.second);
        else
            d->solids.append(solid);
    }
    d->placeTip();
}

QList<QPair<double, double>> HeightGaugeBoardPeer::solids() const
{
    return d->solids;
}

void HeightGaugeBoardPeer::setBasePosition(double mm)
{
    d->catchUp();
    d->base = std::clamp(mm, 0.0, Travel);
}

double HeightGaugeBoardPeer::basePosition() const
{
    return d->base;
}

void HeightGaugeBoardPeer::setTimeScale(double scale)
{
    d->catchUp();
    d->timeScale = std::max(0.0, scale);
}

void HeightGaugeBoardPeer::setCorruptEvery(int n)
{
    d->corruptEvery = std::max(0, n);
    d->framesSent = 0;
}

int HeightGaugeBoardPeer::corruptEvery() const
{
    return d->corruptEvery;
}

int HeightGaugeBoardPeer::speedCode() const
{
    return d->speedCode;
}

double HeightGaugeBoardPeer::speed() const
{
    return d->speed();
}

int HeightGaugeBoardPeer::precisionCode() const
{
    return d->precision;
}

int HeightGaugeBoardPeer::slowStepType() const
{
    return d->slowStep;
}

double HeightGaugeBoardPeer::baseValue() const
{
    return d->baseValue;
}

bool HeightGaugeBoardPeer::isTouchPinEnabled() const
{
    return d->pinEnabled;
}

bool HeightGaugeBoardPeer::isLaserEnabled() const
{
    return d->laserOn;
}

bool HeightGaugeBoardPeer::isDisplayOn() const
{
    return d->displayOn;
}

QList<QByteArray> HeightGaugeBoardPeer::commands() const
{
    return d->log;
}

void HeightGaugeBoardPeer::clearLog()
{
    d->log.clear();
}

QString HeightGaugeBoardPeer::description() const
{
    static const char *const states[] = {"idle", "moving up", "moving down", "resting on the touch pin"};
    QString text = QStringLiteral("Height gauge board, carriage at %1 mm, %2, laser %3")
                       .arg(mm(d->position), QLatin1String(states[d->state]),
                            d->laserOn ? QStringLiteral("on") : QStringLiteral("off"));
    QStringList faces;
    for (const auto &solid : d->solids) {
        for (double face : {solid.first, solid.second}) {
            if (face > 0.0 && face < Travel)
                faces.append(mm(face));
        }
    }
    if (!faces.isEmpty())
        text += QStringLiteral(", part faces at ") + faces.join(QLatin1String(", "));
    if (d->corruptEvery > 0)
        text += QStringLiteral(", one frame in %1 corrupted").arg(d->corruptEvery);
    return text;
}
