#include "modbuspeer.h"

#include <QFile>
#include <QHash>
#include <QTest>

#include <modbus.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cmath>
#include <cstring>
#include <deque>
#include <fcntl.h>
#include <map>
#include <mutex>
#include <poll.h>
#include <pty.h>
#include <sys/socket.h>
#include <termios.h>
#include <thread>
#include <unistd.h>

// How the line is wired:
//
//   code under test -- pty slave | pty master <-relay-> lineSide | serverSide <- serve (libmodbus)
//
// libmodbus owns one end of a socketpair (modbus_set_socket on an RTU context: receiving and replying only
// read(), write() and select() the descriptor, so a socket serves as well as a tty). The relay thread copies
// what the code under test sends from the pty master into the socketpair. The serve thread runs
// modbus_receive() / modbus_reply(), then takes the reply back out of the other end of the socketpair as one
// piece and queues it for the relay, which writes it to the pty master when it is due. The faults (delay,
// split, corrupt CRC) are applied to that queued copy, so libmodbus always builds and checks correct frames.

namespace {

using Clock = std::chrono::steady_clock;

constexpr int LowStart = 0x0000;
constexpr int LowCount = 2;
constexpr int HighStart = 0x2000;
constexpr int HighCount = 0x20;
constexpr int RegAddress = 0x0000;
constexpr int RegSpeed = 0x0001;
constexpr int RegUnit = 0x2002;
constexpr int RegSensorKind = 0x2007;
constexpr int RegZero = 0x200A;
constexpr int RegValueInt = 0x200D;
constexpr int RegValueFloat = 0x200F;
constexpr int RegCalibDate = 0x201B;
constexpr int RegCalibYear = 0x201C;
constexpr int RegSerial = 0x201D;
constexpr int MaxSlave = 247;
constexpr int SplitGapMs = 30;
// A frame that stops half-way is dropped once no byte came for this long.
constexpr int ByteTimeoutMs = 100;
// After a broken frame the instrument waits for the line to fall quiet before it listens again.
constexpr int QuietGapMs = 20;

struct MappingDeleter
{
    void operator()(modbus_mapping_t *mapping) const { modbus_mapping_free(mapping); }
};
using Mapping = std::unique_ptr<modbus_mapping_t, MappingDeleter>;

struct Instrument
{
    // Two blocks, so that libmodbus itself rejects everything between 0x0002 and 0x1FFF.
    Mapping low{modbus_mapping_new_start_address(0, 0, 0, 0, LowStart, LowCount, 0, 0)};
    Mapping high{modbus_mapping_new_start_address(0, 0, 0, 0, HighStart, HighCount, 0, 0)};
    bool silent = false;
    bool ignoreUnitWrites = false;
    QHash<int, int> exceptions; // register -> exception code
    double zeroOffset = 0.0;

    uint16_t *reg(int r)
    {
        if (r >= LowStart && r < LowStart + LowCount)
            return &low->tab_registers[r - LowStart];
        if (r >= HighStart && r < HighStart + HighCount)
            return &high->tab_registers[r - HighStart];
        return nullptr;
    }

    void setPair(int r, quint32 bits)
    {
        *reg(r) = quint16(bits >> 16);
        *reg(r + 1) = quint16(bits & 0xFFFF);
    }

    double shownValue()
    {
        const auto raw = qint32((quint32(*reg(RegValueInt)) << 16) | *reg(RegValueInt + 1));
        return raw / 10000.0;
    }

    void show(double value)
    {
        const double scaled = std::clamp(std::round(value * 10000.0), double(INT32_MIN), double(INT32_MAX));
        setPair(RegValueInt, quint32(qint32(scaled)));
        const float single = float(value);
        quint32 bits = 0;
        std::memcpy(&bits, &single, sizeof bits);
        setPair(RegValueFloat, bits);
    }

    // The exception a request touching an armed register gets, 0 for none.
    int injectedException(int function, int start, int countOrValue) const
    {
        for (auto it = exceptions.cbegin(); it != exceptions.cend(); ++it) {
            const bool touched = function == MODBUS_FC_READ_HOLDING_REGISTERS
                                     ? it.key() >= start && it.key() < start + countOrValue
                                     : it.key() == start;
            if (touched)
                return it.value();
        }
        return 0;
    }
};

struct Chunk
{
    Clock::time_point due;
    QByteArray bytes;
};

bool writeAll(int fd, const char *data, qsizetype size, bool socket)
{
    while (size > 0) {
        // A socket whose reader is gone must not raise SIGPIPE in a test process.
        const ssize_t n =
            socket ? ::send(fd, data, size_t(size), MSG_NOSIGNAL) : ::write(fd, data, size_t(size));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false; // a full pty nobody reads loses bytes, like an open line
        data += n;
        size -= n;
    }
    return true;
}

} // namespace

struct ModbusPeer::Private
{
    // Set up once and never changed while the threads run.
    int master = -1;
    int slave = -1; // kept open so the master never sees a hang-up while the code under test reopens
    int lineSide = -1;
    int serverSide = -1;
    int wakeRead = -1;
    int wakeWrite = -1;
    QString slavePath;
    modbus_t *ctx = nullptr; // used by the serve thread only
    std::thread relayThread;
    std::thread serveThread;

    mutable std::mutex mutex; // guards everything below
    bool stopping = false;
    bool plugged = true;
    QString linkPath;
    std::map<int, std::unique_ptr<Instrument>> instruments;
    std::deque<Chunk> outgoing; // ordered by due time
    bool splitReplies = false;
    bool corruptCrc = false;
    int replyDelayMs = 0;
    QList<QByteArray> requests;
    QList<Write> writes;

    Instrument *find(int address) const
    {
        const auto it = instruments.find(address);
        return it == instruments.end() ? nullptr : it->second.get();
    }

    bool isPlugged() const
    {
        std::lock_guard lock(mutex);
        return plugged;
    }

    void wake() const
    {
        const char byte = 0;
        [[maybe_unused]] const ssize_t n = ::write(wakeWrite, &byte, 1);
    }

    void enqueue(Clock::time_point due, const QByteArray &bytes)
    {
        const auto at = std::upper_bound(outgoing.begin(), outgoing.end(), due,
                                         [](Clock::time_point t, const Chunk &c) { return t < c.due; });
        outgoing.insert(at, Chunk{due, bytes});
        wake();
    }

    void relayLoop();
    void serveLoop();
    void discardUntilQuiet();
    QByteArray takeReply();
    void handle(const uint8_t *request, int length);
    void queueReply(QByteArray reply);
    void applyWrite(int address, int reg, int value, quint16 unitBefore);
};

void ModbusPeer::Private::relayLoop()
{
    char buffer[512];
    for (;;) {
        int timeoutMs = -1;
        {
            std::lock_guard lock(mutex);
            if (stopping)
                return;
            if (!outgoing.empty()) {
                const auto wait =
                    std::chrono::ceil<std::chrono::milliseconds>(outgoing.front().due - Clock::now());
                timeoutMs = int(std::clamp<qint64>(wait.count(), 0, 60000));
            }
        }
        pollfd fds[2] = {{master, POLLIN, 0}, {wakeRead, POLLIN, 0}};
        if (::poll(fds, 2, timeoutMs) < 0 && errno != EINTR) {
            qWarning("ModbusPeer: poll failed: %s", strerror(errno));
            return;
        }
        if (fds[1].revents & POLLIN) {
            while (::read(wakeRead, buffer, sizeof buffer) > 0) {
            }
        }
        if (fds[0].revents & POLLIN) {
            ssize_t n;
            while ((n = ::read(master, buffer, sizeof buffer)) > 0) {
                if (isPlugged())
                    writeAll(lineSide, buffer, n, true);
            }
        } else if (fds[0].revents & (POLLERR | POLLHUP | POLLNVAL)) {
            qWarning("ModbusPeer: the pty master failed");
            return;
        }

        std::deque<Chunk> due;
        bool live = false;
        {
            std::lock_guard lock(mutex);
            const auto now = Clock::now();
            while (!outgoing.empty() && outgoing.front().due <= now) {
                due.push_back(std::move(outgoing.front()));
                outgoing.pop_front();
            }
            live = plugged;
        }
        for (const Chunk &chunk : due) {
            if (live)
                writeAll(master, chunk.bytes.constData(), chunk.bytes.size(), false);
        }
    }
}

// libmodbus' RTU server serves one slave id per context, and modbus_receive() handles a request for any
// other id in a way that does not fit a line where we play every instrument: it returns 0 without checking
// the CRC, and then treats the NEXT frame on the line as the foreign slave's reply and swallows it
// ("confirmation to ignore"). Nobody here answers foreign requests, so that next frame would be a real
// request. Instead the address byte is peeked before each frame and the context's slave id set to it: every
// frame then goes through libmodbus' full CRC check and comes back whole, and whether anyone answers is
// decided afterwards from the instruments we have.
void ModbusPeer::Private::serveLoop()
{
    uint8_t request[MODBUS_RTU_MAX_ADU_LENGTH];
    for (;;) {
        uint8_t first = 0;
        const ssize_t n = ::recv(serverSide, &first, 1, MSG_PEEK);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return; // stop() shut the line down
        if (first > MaxSlave) {
            // Cannot start a frame (and libmodbus would refuse it as a slave id): skip it.
            ::recv(serverSide, &first, 1, 0);
            continue;
        }
        modbus_set_slave(ctx, first);
        const int length = modbus_receive(ctx, request);
        if (length < 0) {
            if (errno == ECONNRESET)
                return;
            discardUntilQuiet(); // bad CRC, truncated or oversized frame
            continue;
        }
        if (length == 0)
            continue;
        std::lock_guard lock(mutex);
        if (stopping)
            return;
        handle(request, length);
    }
}

void ModbusPeer::Private::discardUntilQuiet()
{
    char junk[256];
    for (;;) {
        pollfd fd{serverSide, POLLIN, 0};
        const int ready = ::poll(&fd, 1, QuietGapMs);
        if (ready < 0 && errno == EINTR)
            continue;
        if (ready <= 0 || ::recv(serverSide, junk, sizeof junk, 0) <= 0)
            return;
    }
}

// modbus_reply() has written the whole reply into the socketpair before it returns.
QByteArray ModbusPeer::Private::takeReply()
{
    QByteArray reply;
    char buffer[MODBUS_RTU_MAX_ADU_LENGTH];
    ssize_t n;
    while ((n = ::recv(lineSide, buffer, sizeof buffer, MSG_DONTWAIT)) > 0)
        reply.append(buffer, n);
    return reply;
}

void ModbusPeer::Private::handle(const uint8_t *request, int length)
{
    if (!plugged)
        return;
    requests.append(QByteArray(reinterpret_cast<const char *>(request), length));
    const int address = request[0];
    Instrument *instrument = find(address);
    if (!instrument || instrument->silent)
        return;

    const int function = request[1];
    // Both supported functions have fixed 8-byte requests: register, then count or value.
    const int reg = (request[2] << 8) | request[3];
    const int word = (request[4] << 8) | request[5];
    int exception = 0;
    if (function != MODBUS_FC_READ_HOLDING_REGISTERS && function != MODBUS_FC_WRITE_SINGLE_REGISTER)
        exception = MODBUS_EXCEPTION_ILLEGAL_FUNCTION;
    else
        exception = instrument->injectedException(function, reg, word);
    if (!exception && function == MODBUS_FC_WRITE_SINGLE_REGISTER && reg == RegAddress &&
        (word < 1 || word > MaxSlave))
        exception = MODBUS_EXCEPTION_ILLEGAL_DATA_VALUE;

    const quint16 unitBefore = *instrument->reg(RegUnit);
    if (exception)
        modbus_reply_exception(ctx, request, unsigned(exception));
    else
        modbus_reply(ctx, request, length, reg < HighStart ? instrument->low.get() : instrument->high.get());
    const QByteArray reply = takeReply();
    if (function == MODBUS_FC_WRITE_SINGLE_REGISTER && reply.size() == 8 && uint8_t(reply[1]) == function)
        applyWrite(address, reg, word, unitBefore);
    queueReply(reply);
}

void ModbusPeer::Private::queueReply(QByteArray reply)
{
    if (reply.isEmpty())
        return;
    if (corruptCrc)
        reply[reply.size() - 1] = char(reply.back() ^ 0x01);
    const auto due = Clock::now() + std::chrono::milliseconds(replyDelayMs);
    if (splitReplies && reply.size() > 1) {
        const qsizetype half = reply.size() / 2;
        enqueue(due, reply.left(half));
        enqueue(due + std::chrono::milliseconds(SplitGapMs), reply.mid(half));
    } else {
        enqueue(due, reply);
    }
}

// The reply to the write has been built from the old state already: the echo of an address change still
// comes from the old address.
void ModbusPeer::Private::applyWrite(int address, int reg, int value, quint16 unitBefore)
{
    writes.append(Write{address, reg, value});
    Instrument *instrument = find(address);
    if (reg == RegAddress && value != address) {
        auto node = instruments.extract(address);
        node.key() = value;
        instruments.erase(value);
        instruments.insert(std::move(node));
    } else if (reg == RegUnit && instrument->ignoreUnitWrites) {
        *instrument->reg(RegUnit) = unitBefore;
    } else if (reg == RegZero && value == 1) {
        instrument->zeroOffset += instrument->shownValue();
        instrument->show(0.0);
    }
}

ModbusPeer::ModbusPeer(QObject *parent)
    : QObject(parent)
    , d(std::make_unique<Private>())
{
    char name[256] = {};
    termios raw{};
    cfmakeraw(&raw);
    if (openpty(&d->master, &d->slave, name, &raw, nullptr) != 0) {
        qWarning("ModbusPeer: openpty failed: %s", strerror(errno));
        d->master = d->slave = -1;
        return;
    }
    d->slavePath = QString::fromLocal8Bit(name);
    tcsetattr(d->master, TCSANOW, &raw);
    fcntl(d->master, F_SETFL, fcntl(d->master, F_GETFL) | O_NONBLOCK);
    fcntl(d->master, F_SETFD, FD_CLOEXEC);
    fcntl(d->slave, F_SETFD, FD_CLOEXEC);

    int pair[2];
    int wake[2];
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, pair) != 0 ||
        ::pipe2(wake, O_NONBLOCK | O_CLOEXEC) != 0) {
        qWarning("ModbusPeer: socketpair/pipe failed: %s", strerror(errno));
        return;
    }
    d->serverSide = pair[0];
    d->lineSide = pair[1];
    d->wakeRead = wake[0];
    d->wakeWrite = wake[1];

    // The device name is never opened: the context gets the socket instead of modbus_connect().
    d->ctx = modbus_new_rtu("/dev/null", 9600, 'N', 8, 1);
    if (!d->ctx || modbus_set_socket(d->ctx, d->serverSide) != 0) {
        qWarning("ModbusPeer: libmodbus context failed");
        return;
    }
    modbus_set_byte_timeout(d->ctx, 0, ByteTimeoutMs * 1000);
    d->relayThread = std::thread([p = d.get()] { p->relayLoop(); });
    d->serveThread = std::thread([p = d.get()] { p->serveLoop(); });
}

ModbusPeer::~ModbusPeer()
{
    stop();
    unlink();
    for (int fd : {d->master, d->slave, d->lineSide, d->serverSide, d->wakeRead, d->wakeWrite}) {
        if (fd >= 0)
            ::close(fd);
    }
    if (d->ctx)
        modbus_free(d->ctx); // does not close the socket
    d->instruments.clear();
}

void ModbusPeer::stop()
{
    {
        std::lock_guard lock(d->mutex);
        d->stopping = true;
        if (d->wakeWrite >= 0)
            d->wake();
    }
    // End of file on libmodbus' side wakes the serve thread wherever it waits.
    if (d->lineSide >= 0)
        ::shutdown(d->lineSide, SHUT_WR);
    if (d->relayThread.joinable())
        d->relayThread.join();
    if (d->serveThread.joinable())
        d->serveThread.join();
}

bool ModbusPeer::isOpen() const
{
    return d->master >= 0 && d->relayThread.joinable() && d->serveThread.joinable();
}

QString ModbusPeer::slavePath() const
{
    return d->slavePath;
}

QString ModbusPeer::link(const QString &linkPath)
{
    unlink();
    QFile::remove(linkPath);
    if (d->slavePath.isEmpty() || !QFile::link(d->slavePath, linkPath))
        return QString();
    std::lock_guard lock(d->mutex);
    d->linkPath = linkPath;
    d->plugged = true;
    return linkPath;
}

void ModbusPeer::unlink()
{
    std::lock_guard lock(d->mutex);
    if (d->linkPath.isEmpty())
        return;
    QFile::remove(d->linkPath);
    d->linkPath.clear();
    d->plugged = false;
}

void ModbusPeer::addInstrument(int address, int unit, int sensorKind)
{
    if (address < 1 || address > MaxSlave) {
        qWarning("ModbusPeer: no instrument can have address %d", address);
        return;
    }
    auto instrument = std::make_unique<Instrument>();
    *instrument->reg(RegAddress) = quint16(address);
    *instrument->reg(RegSpeed) = 3;
    *instrument->reg(RegUnit) = quint16(unit);
    *instrument->reg(RegSensorKind) = quint16(sensorKind);
    *instrument->reg(RegCalibDate) = quint16((5 << 8) | 3);
    *instrument->reg(RegCalibYear) = 2024;
    instrument->setPair(RegSerial, quint32(100000 + address));
    std::lock_guard lock(d->mutex);
    d->instruments[address] = std::move(instrument);
}

void ModbusPeer::removeInstrument(int address)
{
    std::lock_guard lock(d->mutex);
    d->instruments.erase(address);
}

bool ModbusPeer::hasInstrument(int address) const
{
    std::lock_guard lock(d->mutex);
    return d->find(address) != nullptr;
}

QList<int> ModbusPeer::addresses() const
{
    std::lock_guard lock(d->mutex);
    QList<int> list;
    for (const auto &entry : d->instruments)
        list.append(entry.first);
    return list;
}

void ModbusPeer::setValue(int address, double value)
{
    std::lock_guard lock(d->mutex);
    if (Instrument *instrument = d->find(address))
        instrument->show(value - instrument->zeroOffset);
    else
        qWarning("ModbusPeer: no instrument at address %d", address);
}

void ModbusPeer::setRegister(int address, int reg, quint16 value)
{
    std::lock_guard lock(d->mutex);
    Instrument *instrument = d->find(address);
    uint16_t *slot = instrument ? instrument->reg(reg) : nullptr;
    if (slot)
        *slot = value;
    else
        qWarning("ModbusPeer: no register 0x%04X at address %d", reg, address);
}

quint16 ModbusPeer::registerValue(int address, int reg) const
{
    std::lock_guard lock(d->mutex);
    Instrument *instrument = d->find(address);
    const uint16_t *slot = instrument ? instrument->reg(reg) : nullptr;
    return slot ? *slot : 0;
}

void ModbusPeer::setSilent(int address, bool silent)
{
    std::lock_guard lock(d->mutex);
    if (Instrument *instrument = d->find(address))
        instrument->silent = silent;
}

void ModbusPeer::setIgnoreUnitWrites(int address, bool ignore)
{
    std::lock_guard lock(d->mutex);
    if (Instrument *instrument = d->find(address))
        instrument->ignoreUnitWrites = ignore;
}

void ModbusPeer::setException(int address, int reg, int exceptionCode)
{
    if (exceptionCode < 0 || exceptionCode >= MODBUS_EXCEPTION_MAX) {
        qWarning("ModbusPeer: exception code %d cannot be sent", exceptionCode);
        return;
    }
    std::lock_guard lock(d->mutex);
    Instrument *instrument = d->find(address);
    if (!instrument)
        return;
    if (exceptionCode == 0)
        instrument->exceptions.remove(reg);
    else
        instrument->exceptions.insert(reg, exceptionCode);
}

void ModbusPeer::setSplitReplies(bool split)
{
    std::lock_guard lock(d->mutex);
    d->splitReplies = split;
}

void ModbusPeer::setCorruptCrc(bool corrupt)
{
    std::lock_guard lock(d->mutex);
    d->corruptCrc = corrupt;
}

void ModbusPeer::setReplyDelayMs(int ms)
{
    std::lock_guard lock(d->mutex);
    d->replyDelayMs = std::max(0, ms);
}

void ModbusPeer::sendRaw(const QByteArray &bytes)
{
    std::lock_guard lock(d->mutex);
    if (!bytes.isEmpty() && d->wakeWrite >= 0)
        d->enqueue(Clock::now(), bytes);
}

QList<QByteArray> ModbusPeer::requests() const
{
    std::lock_guard lock(d->mutex);
    return d->requests;
}

QList<ModbusPeer::Write> ModbusPeer::writes() const
{
    std::lock_guard lock(d->mutex);
    return d->writes;
}

int ModbusPeer::requestCount() const
{
    std::lock_guard lock(d->mutex);
    return int(d->requests.size());
}

void ModbusPeer::clearLog()
{
    std::lock_guard lock(d->mutex);
    d->requests.clear();
    d->writes.clear();
}

bool ModbusPeer::waitForRequests(int count, int timeoutMs)
{
    return QTest::qWaitFor([this, count] { return requestCount() >= count; }, timeoutMs);
}
