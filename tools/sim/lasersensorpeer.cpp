#include "lasersensorpeer.h"

#include "driftingvalue.h"
#include "modbuspeer.h"
#include "modbusslave.h"

#include <QHash>
#include <QLocale>

#include <algorithm>
#include <cmath>
#include <mutex>

namespace {

constexpr int IllegalDataAddress = 2;
constexpr int DistanceWords = 2;
constexpr double DriftPeriodSeconds = 120.0;
constexpr double MaxDistance = 4294967.295; // what 32 bits of micrometres hold

QString millimetres(double value)
{
    return QLocale::c().toString(value, 'f', 3);
}

// The part in its fixture, shared by both sensors and by the peer. Sensors read it on the line's thread, the
// peer changes it on its own.
struct Fixture
{
    mutable std::mutex mutex;
    double base = LaserSensorPeer::DefaultBaseLength;
    double bore = LaserSensorPeer::DefaultBore;
    double offset = 0.0;
    bool steady = false;
    DriftingValue drift[2] = {
        {0.0, LaserSensorPeer::DriftAmplitude, LaserSensorPeer::Noise, DriftPeriodSeconds, 1},
        {0.0, LaserSensorPeer::DriftAmplitude, LaserSensorPeer::Noise, DriftPeriodSeconds, 2},
    };

    // Callers hold the mutex.
    double geometric(int address) const
    {
        const double half = (base - bore) / 2.0;
        return std::max(0.0, address == LaserSensorPeer::FirstAddress ? half + offset : half - offset);
    }

    double reading(int address)
    {
        std::lock_guard lock(mutex);
        const double ideal = geometric(address);
        return steady ? ideal : std::max(0.0, ideal + drift[address - 1].sample());
    }
};

class LaserSensor : public ModbusSlave
{
public:
    LaserSensor(int address, std::shared_ptr<Fixture> fixture)
        : m_address(address)
        , m_fixture(std::move(fixture))
    {}

    int address() const override { return m_address; }

    int read(int start, int count, quint16 *words) override
    {
        if (start < LaserSensorPeer::DistanceRegister ||
            start + count > LaserSensorPeer::DistanceRegister + DistanceWords)
            return IllegalDataAddress;
        const double distance = std::min(m_fixture->reading(m_address), MaxDistance);
        const auto micrometres = quint32(std::llround(distance * 1000.0));
        const quint16 registers[DistanceWords] = {quint16(micrometres & 0xFFFF), quint16(micrometres >> 16)};
        std::copy_n(registers + (start - LaserSensorPeer::DistanceRegister), count, words);
        return 0;
    }

    int write(int, quint16, QString *) override { return IllegalDataAddress; }

    QString description() const override
    {
        std::lock_guard lock(m_fixture->mutex);
        return QStringLiteral("laser distance sensor, %1 mm")
            .arg(millimetres(m_fixture->geometric(m_address)));
    }

private:
    int m_address;
    std::shared_ptr<Fixture> m_fixture;
};

bool isSensor(int address)
{
    return address == LaserSensorPeer::FirstAddress || address == LaserSensorPeer::SecondAddress;
}

} // namespace

struct LaserSensorPeer::Private
{
    std::shared_ptr<Fixture> fixture = std::make_shared<Fixture>();
    std::unique_ptr<ModbusPeer> line = std::make_unique<ModbusPeer>();
    mutable std::mutex logMutex; // guards the two below
    QHash<int, int> requestCounts;
    bool silent[2] = {false, false};
};

LaserSensorPeer::LaserSensorPeer(QObject *parent)
    : QObject(parent)
    , d(std::make_unique<Private>())
{
    d->line->addSlave(std::make_unique<LaserSensor>(FirstAddress, d->fixture));
    d->line->addSlave(std::make_unique<LaserSensor>(SecondAddress, d->fixture));
    d->line->setReplyDelayMs(ReplyDelayMs);
    // Counted on the line's thread as the requests come: a queued count would lag behind the answers.
    connect(
        d->line.get(), &ModbusPeer::exchanged, this,
        [this](const QByteArray &request, const QByteArray &reply) {
            {
                std::lock_guard lock(d->logMutex);
                ++d->requestCounts[quint8(request.at(0))];
            }
            emit exchanged(request, reply);
        },
        Qt::DirectConnection);
}

LaserSensorPeer::~LaserSensorPeer()
{
    // The line's threads must be gone before anything they report to.
    d->line.reset();
}

bool LaserSensorPeer::isOpen() const
{
    return d->line->isOpen();
}

QString LaserSensorPeer::slavePath() const
{
    return d->line->slavePath();
}

QString LaserSensorPeer::link(const QString &linkPath)
{
    return d->line->link(linkPath);
}

void LaserSensorPeer::unlink()
{
    d->line->unlink();
}

QString LaserSensorPeer::linkPath() const
{
    return d->line->linkPath();
}

void LaserSensorPeer::setBaseLength(double mm)
{
    {
        std::lock_guard lock(d->fixture->mutex);
        d->fixture->base = std::max(0.0, mm);
    }
    emit changed(QStringLiteral("base length %1 mm").arg(millimetres(baseLength())));
}

double LaserSensorPeer::baseLength() const
{
    std::lock_guard lock(d->fixture->mutex);
    return d->fixture->base;
}

void LaserSensorPeer::setBore(double mm)
{
    {
        std::lock_guard lock(d->fixture->mutex);
        d->fixture->bore = std::max(0.0, mm);
    }
    emit changed(QStringLiteral("bore %1 mm: %2 and %3 mm")
                     .arg(millimetres(bore()), millimetres(distance(FirstAddress)),
                          millimetres(distance(SecondAddress))));
}

double LaserSensorPeer::bore() const
{
    std::lock_guard lock(d->fixture->mutex);
    return d->fixture->bore;
}

void LaserSensorPeer::setOffset(double mm)
{
    {
        std::lock_guard lock(d->fixture->mutex);
        d->fixture->offset = mm;
    }
    emit changed(
        QStringLiteral("part %1 mm off centre: %2 and %3 mm")
            .arg(millimetres(mm), millimetres(distance(FirstAddress)), millimetres(distance(SecondAddress))));
}

double LaserSensorPeer::offset() const
{
    std::lock_guard lock(d->fixture->mutex);
    return d->fixture->offset;
}

void LaserSensorPeer::setSteady(bool steady)
{
    std::lock_guard lock(d->fixture->mutex);
    d->fixture->steady = steady;
}

bool LaserSensorPeer::isSteady() const
{
    std::lock_guard lock(d->fixture->mutex);
    return d->fixture->steady;
}

double LaserSensorPeer::distance(int address) const
{
    std::lock_guard lock(d->fixture->mutex);
    return isSensor(address) ? d->fixture->geometric(address) : 0.0;
}

void LaserSensorPeer::setSilent(int address, bool silent)
{
    if (!isSensor(address))
        return;
    {
        std::lock_guard lock(d->logMutex);
        d->silent[address - 1] = silent;
    }
    d->line->setSilent(address, silent);
    emit changed(QStringLiteral("sensor %1 %2")
                     .arg(address)
                     .arg(silent ? QLatin1String("silent") : QLatin1String("answering")));
}

bool LaserSensorPeer::isSilent(int address) const
{
    std::lock_guard lock(d->logMutex);
    return isSensor(address) && d->silent[address - 1];
}

int LaserSensorPeer::requestCount(int address) const
{
    std::lock_guard lock(d->logMutex);
    return d->requestCounts.value(address);
}

void LaserSensorPeer::clearLog()
{
    std::lock_guard lock(d->logMutex);
    d->requestCounts.clear();
}

QString LaserSensorPeer::description() const
{
    std::lock_guard lock(d->fixture->mutex);
    const Fixture &f = *d->fixture;
    const QString placed = f.offset == 0.0 ? QStringLiteral("centred")
                                           : QStringLiteral("%1 mm off centre").arg(millimetres(f.offset));
    return QStringLiteral("Laser sensors 1 and 2, base %1 mm, bore %2 mm, %3: %4 and %5 mm%6")
        .arg(millimetres(f.base), millimetres(f.bore), placed, millimetres(f.geometric(FirstAddress)),
             millimetres(f.geometric(SecondAddress)), f.steady ? QString() : QStringLiteral(", drifting"));
}
