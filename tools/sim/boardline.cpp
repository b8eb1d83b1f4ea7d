#include "boardline.h"

#include "simterminal.h"

#include <QElapsedTimer>
#include <QSocketNotifier>

#include <cerrno>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

namespace {

constexpr quint8 Ping = 0x55;
constexpr int CommandLength = 3;
constexpr int ValueCommandLength = 6; // 'v', a float, the check byte

bool isCommandLetter(quint8 byte)
{
    return byte >= 'i' && byte <= 'x' && byte != 'q';
}

QString hex(const QByteArray &bytes)
{
    return QString::fromLatin1(bytes.toHex(' '));
}

} // namespace

struct BoardLine::Private
{
    BoardLine *q = nullptr;
    const char *owner = "";
    int master = -1;
    int slave = -1; // kept open while plugged in, so the master never sees a hang-up while the program reopens
    QString slavePath;
    QString linkPath;
    QSocketNotifier *notifier = nullptr;
    QElapsedTimer unreadSince;  // the oldest frame the program may not have read yet went out then
    QElapsedTimer partialSince; // the first byte of the unfinished command came then
    bool plugged = true;
    QByteArray received;

    void readMaster();
    void feed(quint8 byte, int *skipped);
};

void BoardLine::Private::readMaster()
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

void BoardLine::Private::feed(quint8 byte, int *skipped)
{
    if (!received.isEmpty() && partialSince.elapsed() > FrameTimeoutMs) {
        emit q->changed(QStringLiteral("unfinished frame %1 dropped").arg(hex(received)));
        received.clear();
    }
    if (received.isEmpty()) {
        if (byte == Ping) {
            emit q->commandReceived(QByteArray(1, char(byte)));
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
    if (checkByte(frame.chopped(1)) != quint8(frame.back())) {
        emit q->changed(QStringLiteral("frame %1 with a wrong check byte ignored").arg(hex(frame)));
        return;
    }
    emit q->commandReceived(frame);
}

BoardLine::BoardLine(const char *owner, QObject *parent)
    : QObject(parent)
    , d(std::make_unique<Private>())
{
    d->q = this;
    d->owner = owner;
}

BoardLine::~BoardLine()
{
    unlink();
    close();
}

quint8 BoardLine::checkByte(const QByteArray &bytes)
{
    quint8 crc = 0;
    for (char c : bytes) {
        quint8 byte = quint8(c);
        for (int bit = 0; bit < 8; ++bit) {
            const bool mix = (crc ^ byte) & 1;
            crc >>= 1;
            if (mix)
                crc ^= 0x8C;
            byte >>= 1;
        }
    }
    return crc;
}

bool BoardLine::open()
{
    const SimTerminal::Pair terminal = SimTerminal::open(d->owner);
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
void BoardLine::close()
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

bool BoardLine::isOpen() const
{
    return d->master >= 0;
}

bool BoardLine::isPlugged() const
{
    return d->plugged;
}

QString BoardLine::slavePath() const
{
    return d->slavePath;
}

QString BoardLine::link(const QString &linkPath)
{
    unlink();
    if ((d->master < 0 && !open()) || !SimTerminal::link(d->slavePath, linkPath))
        return QString();
    d->linkPath = linkPath;
    d->plugged = true;
    return linkPath;
}

void BoardLine::unlink()
{
    if (d->linkPath.isEmpty())
        return;
    SimTerminal::unlink(d->linkPath, d->slavePath);
    d->linkPath.clear();
    d->plugged = false;
    d->received.clear();
    close();
}

QString BoardLine::linkPath() const
{
    return d->linkPath;
}

QByteArray BoardLine::send(QByteArray frame, bool spoil)
{
    if (!d->plugged)
        return QByteArray();
    const quint8 check = checkByte(frame);
    frame += char(spoil ? quint8(~check) : check);
    int unread = 0;
    if (::ioctl(d->slave, FIONREAD, &unread) != 0)
        unread = 0;
    if (unread > 0 && d->unreadSince.isValid() && d->unreadSince.elapsed() > StaleMs) {
        ::tcflush(d->slave, TCIFLUSH);
        unread = 0;
    }
    if (unread == 0)
        d->unreadSince.start();
    const char *data = frame.constData();
    qsizetype size = frame.size();
    while (size > 0) {
        const ssize_t n = ::write(d->master, data, size_t(size));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            break; // a full pty nobody reads loses bytes, like a cable nobody listens to
        data += n;
        size -= n;
    }
    return frame;
}
