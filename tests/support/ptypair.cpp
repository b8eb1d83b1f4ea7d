#include "ptypair.h"

#include <QFile>
#include <QSocketNotifier>
#include <QTest>

#include <cerrno>
#include <fcntl.h>
#include <pty.h>
#include <termios.h>
#include <unistd.h>

PtyPair::PtyPair(QObject *parent)
    : QObject(parent)
{
    char name[256] = {};
    termios raw{};
    cfmakeraw(&raw);
    if (openpty(&m_master, &m_slave, name, &raw, nullptr) != 0) {
        qWarning("openpty failed: %s", strerror(errno));
        m_master = m_slave = -1;
        return;
    }
    m_slavePath = QString::fromLocal8Bit(name);
    tcsetattr(m_master, TCSANOW, &raw);
    fcntl(m_master, F_SETFL, fcntl(m_master, F_GETFL) | O_NONBLOCK);
    m_notifier = new QSocketNotifier(m_master, QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &PtyPair::readMaster);
}

PtyPair::~PtyPair()
{
    unlink();
    delete m_notifier;
    if (m_slave >= 0)
        ::close(m_slave);
    if (m_master >= 0)
        ::close(m_master);
}

QString PtyPair::link(const QString &linkPath)
{
    unlink();
    QFile::remove(linkPath);
    if (!QFile::link(m_slavePath, linkPath))
        return QString();
    m_linkPath = linkPath;
    return m_linkPath;
}

void PtyPair::unlink()
{
    if (!m_linkPath.isEmpty())
        QFile::remove(m_linkPath);
    m_linkPath.clear();
}

bool PtyPair::write(const QByteArray &bytes)
{
    qsizetype done = 0;
    while (m_master >= 0 && done < bytes.size()) {
        const ssize_t n = ::write(m_master, bytes.constData() + done, size_t(bytes.size() - done));
        if (n < 0) {
            if (errno == EAGAIN || errno == EINTR)
                continue;
            return false;
        }
        done += n;
    }
    return done == bytes.size();
}

QByteArray PtyPair::takeReceived()
{
    QByteArray bytes;
    bytes.swap(m_received);
    return bytes;
}

bool PtyPair::waitForReceived(int count, int timeoutMs)
{
    return QTest::qWaitFor([this, count] { return m_received.size() >= count; }, timeoutMs);
}

void PtyPair::readMaster()
{
    char buffer[4096];
    for (;;) {
        const ssize_t n = ::read(m_master, buffer, sizeof buffer);
        if (n <= 0)
            break;
        const QByteArray chunk(buffer, int(n));
        m_received += chunk;
        emit bytesReceived(chunk);
    }
}
