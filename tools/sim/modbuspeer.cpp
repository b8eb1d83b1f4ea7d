#include "modbuspeer.h"

#include "measuringinstrument.h"

#include <QFile>
#include <QFileInfo>
#include <QHash>

#include <modbus.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstring>
#include <deque>
#include <fcntl.h>
#include <mutex>
#include <poll.h>
#include <pty.h>
#include <sys/socket.h>
#include <termios.h>
#include <thread>
#include <unistd.h>
#include <vector>

// How the line is wired:
//
//   program -- pty slave | pty master <-relay-> lineSide | serverSide <- serve (libmodbus)
//
// libmodbus owns one end of a socketpair (modbus_set_socket on an RTU context: receiving and replying only
// read(), write() and select() the descriptor, so a socket serves as well as a tty). The relay thread copies
// what the program sends from the pty master into the socketpair. The serve thread runs modbus_receive(),
// asks the addressed slave and has libmodbus build the answer, then takes that back out of the other end of
// the socketpair as one piece. The faults (delay, split, corrupt CRC) are applied to that copy, so libmodbus
// always builds and checks correct frames.

namespace {

using Clock = std::chrono::steady_clock;

constexpr int MaxSlave = 247;
constexpr int SplitGapMs = 30;
// A frame that stops half-way is dropped once no byte came for this long.
constexpr int ByteTimeoutMs = 100;
// After a broken frame the slaves wait for the line to fall quiet before they listen again.
constexpr int QuietGapMs = 20;
constexpr int LogLimit = 10000;

struct MappingDeleter
{
    void operator()(modbus_mapping_t *mapping) const { modbus_mapping_free(mapping); }
};

struct Node
{
    std::unique_ptr<ModbusSlave> slave;
    bool silent = false;
    QHash<int, int> exceptions; // register -> exception code

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

struct Outcome
{
    bool heard = false;
    QByteArray reply;
    QList<QPair<int, QString>> changes;
};

bool writeAll(int fd, const char *data, qsizetype size, bool socket)
{
    while (size > 0) {
        // A socket whose reader is gone must not raise SIGPIPE.
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

template<class T> void appendCapped(QList<T> &log, const T &entry)
{
    if (log.size() >= LogLimit)
        log.removeFirst();
    log.append(entry);
}

quint16 wordAt(const uint8_t *frame, int offset)
{
    return quint16(frame[offset] << 8 | frame[offset + 1]);
}

} // namespace

struct ModbusPeer::Private
{
    ModbusPeer *q = nullptr;
    // Set up once and never changed while the threads run.
    int master = -1;
    int slave = -1; // kept open so the master never sees a hang-up while the program reopens
    int lineSide = -1;
    int serverSide = -1;
    int wakeRead = -1;
    int wakeWrite = -1;
    QString slavePath;
    modbus_t *ctx = nullptr; // used by the serve thread only
    // The registers of the request being answered: libmodbus answers from a mapping.
    std::unique_ptr<modbus_mapping_t, MappingDeleter> scratch{
        modbus_mapping_new(0, 0, MODBUS_MAX_READ_REGISTERS, 0)};
    std::thread relayThread;
    std::thread serveThread;

    mutable std::mutex mutex; // guards everything below
    bool stopping = false;
    bool plugged = true;
    QString linkPath;
    std::vector<Node> nodes;
    std::deque<Chunk> outgoing; // ordered by due time
    bool splitReplies = false;
    bool corruptCrc = false;
    int replyDelayMs = 0;
    QList<QByteArray> requests;
    QList<Write> writes;
    int requestCount = 0;

    Node *find(int address)
    {
        const auto it = std::find_if(nodes.begin(), nodes.end(), [address](const Node &node) {
            return node.slave->address() == address;
        });
        return it == nodes.end() ? nullptr : &*it;
    }

    MeasuringInstrument *instrument(int address)
    {
        Node *node = find(address);
        return node ? dynamic_cast<MeasuringInstrument *>(node->slave.get()) : nullptr;
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
    Outcome handle(const uint8_t *request, int length);
    int answer(Node &node, int function, int reg, int word, QString *change);
    void broadcast(int function, int reg, int word, Outcome *outcome);
    void queueReply(QByteArray reply);
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

        std::lock_guard lock(mutex);
        const auto now = Clock::now();
        while (!outgoing.empty() && outgoing.front().due <= now) {
            if (plugged)
                writeAll(master, outgoing.front().bytes.constData(), outgoing.front().bytes.size(), false);
            outgoing.pop_front();
        }
    }
}

// libmodbus' RTU server serves one slave id per context, and modbus_receive() handles a request for any
// other id in a way that does not fit a line where we play every slave: it returns 0 without checking the
// CRC, and then treats the NEXT frame on the line as the foreign slave's reply and swallows it
// ("confirmation to ignore"). Nobody here answers foreign requests, so that next frame would be a real
// request. Instead the address byte is peeked before each frame and the context's slave id set to it: every
// frame then goes through libmodbus' full CRC check and comes back whole, and whether anyone answers is
// decided afterwards from the slaves we have.
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
            // A frame with a bad CRC was taken whole; after a truncated or oversized one, whatever is left
            // of it must go first.
            if (errno != EMBBADCRC)
                discardUntilQuiet();
            continue;
        }
        if (length == 0)
            continue;
        Outcome outcome;
        {
            std::lock_guard lock(mutex);
            if (stopping)
                return;
            outcome = handle(request, length);
        }
        // Outside the lock: a receiver may well ask the line something.
        if (outcome.heard)
            emit q->exchanged(QByteArray(reinterpret_cast<const char *>(request), length), outcome.reply);
        for (const auto &change : std::as_const(outcome.changes))
            emit q->changed(change.first, change.second);
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

// modbus_reply() has written the whole answer into the socketpair before it returns.
QByteArray ModbusPeer::Private::takeReply()
{
    QByteArray reply;
    char buffer[MODBUS_RTU_MAX_ADU_LENGTH];
    ssize_t n;
    while ((n = ::recv(lineSide, buffer, sizeof buffer, MSG_DONTWAIT)) > 0)
        reply.append(buffer, n);
    return reply;
}

Outcome ModbusPeer::Private::handle(const uint8_t *request, int length)
{
    Outcome outcome;
    if (!plugged)
        return outcome;
    outcome.heard = true;
    appendCapped(requests, QByteArray(reinterpret_cast<const char *>(request), length));
    ++requestCount;

    const int address = request[0];
    const int function = request[1];
    // Both functions served have fixed 8-byte requests: register, then count or value.
    const int reg = wordAt(request, 2);
    const int word = wordAt(request, 4);
    if (address == MODBUS_BROADCAST_ADDRESS) {
        broadcast(function, reg, word, &outcome);
        return outcome;
    }
    Node *node = find(address);
    if (!node || node->silent)
        return outcome;

    QString change;
    const int exception = answer(*node, function, reg, word, &change);
    if (exception)
        modbus_reply_exception(ctx, request, unsigned(exception));
    else
        modbus_reply(ctx, request, length, scratch.get());
    outcome.reply = takeReply();
    if (!exception && function == MODBUS_FC_WRITE_SINGLE_REGISTER) {
        appendCapped(writes, Write{address, reg, word});
        if (!change.isEmpty())
            outcome.changes.append({address, change});
    }
    queueReply(outcome.reply);
    return outcome;
}

// Puts the registers the slave answers with where libmodbus looks for them, or returns the exception.
int ModbusPeer::Private::answer(Node &node, int function, int reg, int word, QString *change)
{
    if (function != MODBUS_FC_READ_HOLDING_REGISTERS && function != MODBUS_FC_WRITE_SINGLE_REGISTER)
        return MODBUS_EXCEPTION_ILLEGAL_FUNCTION;
    if (const int injected = node.injectedException(function, reg, word))
        return injected;
    scratch->start_registers = reg;
    if (function == MODBUS_FC_WRITE_SINGLE_REGISTER) {
        scratch->nb_registers = 1;
        return node.slave->write(reg, quint16(word), change);
    }
    if (word < 1 || word > MODBUS_MAX_READ_REGISTERS)
        return MODBUS_EXCEPTION_ILLEGAL_DATA_VALUE;
    scratch->nb_registers = word;
    return node.slave->read(reg, word, scratch->tab_registers);
}

void ModbusPeer::Private::broadcast(int function, int reg, int word, Outcome *outcome)
{
    if (function != MODBUS_FC_WRITE_SINGLE_REGISTER)
        return;
    for (Node &node : nodes) {
        const int address = node.slave->address();
        QString change;
        if (node.slave->write(reg, quint16(word), &change) != 0)
            continue;
        appendCapped(writes, Write{address, reg, word});
        if (!change.isEmpty())
            outcome->changes.append({address, change});
    }
}

void ModbusPeer::Private::queueReply(QByteArray reply)
{
    if (reply.isEmpty())
        return;
    if (corruptCrc)
        reply[reply.size() - 1] = char(reply.back() ^ 0x01);
    if (replyDelayMs == 0 && !splitReplies && outgoing.empty()) {
        // Straight out, without waking the relay: every hop adds to the answer time the program sees.
        writeAll(master, reply.constData(), reply.size(), false);
        return;
    }
    const auto due = Clock::now() + std::chrono::milliseconds(replyDelayMs);
    if (splitReplies && reply.size() > 1) {
        const qsizetype half = reply.size() / 2;
        enqueue(due, reply.left(half));
        enqueue(due + std::chrono::milliseconds(SplitGapMs), reply.mid(half));
    } else {
        enqueue(due, reply);
    }
}

ModbusPeer::ModbusPeer(QObject *parent)
    : QObject(parent)
    , d(std::make_unique<Private>())
{
    d->q = this;
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
    if (!d->ctx || !d->scratch || modbus_set_socket(d->ctx, d->serverSide) != 0) {
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
    const QFileInfo existing(linkPath);
    if (existing.isSymLink())
        QFile::remove(linkPath); // left by an earlier run
    else if (existing.exists())
        return QString();
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
    // A newer line may have taken the name over meanwhile; its link is not ours to remove.
    if (QFile::symLinkTarget(d->linkPath) == d->slavePath)
        QFile::remove(d->linkPath);
    d->linkPath.clear();
    d->plugged = false;
}

QString ModbusPeer::linkPath() const
{
    std::lock_guard lock(d->mutex);
    return d->linkPath;
}

void ModbusPeer::addSlave(std::unique_ptr<ModbusSlave> slave)
{
    std::lock_guard lock(d->mutex);
    d->nodes.emplace_back().slave = std::move(slave);
}

QList<int> ModbusPeer::addresses() const
{
    std::lock_guard lock(d->mutex);
    QList<int> list;
    for (const Node &node : d->nodes)
        list.append(node.slave->address());
    return list;
}

QStringList ModbusPeer::descriptions() const
{
    std::lock_guard lock(d->mutex);
    QStringList lines;
    for (const Node &node : d->nodes)
        lines.append(
            QStringLiteral("address %1: %2").arg(node.slave->address()).arg(node.slave->description()));
    return lines;
}

void ModbusPeer::addInstrument(int address, int unit, int sensorKind)
{
    if (address < 1 || address > MaxSlave) {
        qWarning("ModbusPeer: no instrument can have address %d", address);
        return;
    }
    auto instrument = std::make_unique<MeasuringInstrument>(address, quint16(sensorKind));
    instrument->setUnit(unit);
    std::lock_guard lock(d->mutex);
    d->nodes.erase(std::remove_if(d->nodes.begin(), d->nodes.end(),
                                  [address](const Node &node) { return node.slave->address() == address; }),
                   d->nodes.end());
    d->nodes.emplace_back().slave = std::move(instrument);
}

void ModbusPeer::setValue(int address, double value)
{
    std::lock_guard lock(d->mutex);
    if (MeasuringInstrument *instrument = d->instrument(address))
        instrument->setReading(value);
    else
        qWarning("ModbusPeer: no instrument at address %d", address);
}

quint16 ModbusPeer::registerValue(int address, int reg) const
{
    std::lock_guard lock(d->mutex);
    Node *node = d->find(address);
    quint16 word = 0;
    return node && node->slave->read(reg, 1, &word) == 0 ? word : 0;
}

void ModbusPeer::setIgnoreUnitWrites(int address, bool ignore)
{
    std::lock_guard lock(d->mutex);
    if (MeasuringInstrument *instrument = d->instrument(address))
        instrument->setIgnoreUnitWrites(ignore);
}

void ModbusPeer::setSilent(int address, bool silent)
{
    std::lock_guard lock(d->mutex);
    if (Node *node = d->find(address))
        node->silent = silent;
}

void ModbusPeer::setException(int address, int reg, int exceptionCode)
{
    if (exceptionCode < 0 || exceptionCode >= MODBUS_EXCEPTION_MAX) {
        qWarning("ModbusPeer: exception code %d cannot be sent", exceptionCode);
        return;
    }
    std::lock_guard lock(d->mutex);
    Node *node = d->find(address);
    if (!node)
        return;
    if (exceptionCode == 0)
        node->exceptions.remove(reg);
    else
        node->exceptions.insert(reg, exceptionCode);
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
    return d->requestCount;
}

void ModbusPeer::clearLog()
{
    std::lock_guard lock(d->mutex);
    d->requests.clear();
    d->writes.clear();
    d->requestCount = 0;
}
