#include "simterminal.h"

#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <pty.h>
#include <termios.h>
#include <unistd.h>

namespace SimTerminal {

Pair open(const char *who)
{
    Pair pair;
    char name[256] = {};
    termios raw{};
    cfmakeraw(&raw);
    if (openpty(&pair.master, &pair.slave, name, &raw, nullptr) != 0) {
        qWarning("%s: openpty failed: %s", who, strerror(errno));
        pair.master = pair.slave = -1;
        return pair;
    }
    pair.slavePath = QString::fromLocal8Bit(name);
    tcsetattr(pair.master, TCSANOW, &raw);
    fcntl(pair.master, F_SETFL, fcntl(pair.master, F_GETFL) | O_NONBLOCK);
    fcntl(pair.master, F_SETFD, FD_CLOEXEC);
    fcntl(pair.slave, F_SETFD, FD_CLOEXEC);
    return pair;
}

void close(Pair &pair)
{
    for (int fd : {pair.master, pair.slave}) {
        if (fd >= 0)
            ::close(fd);
    }
    pair = Pair();
}

bool link(const QString &slavePath, const QString &linkPath)
{
    const QFileInfo existing(linkPath);
    if (existing.isSymLink())
        QFile::remove(linkPath); // left by an earlier run
    else if (existing.exists())
        return false;
    return !slavePath.isEmpty() && QFile::link(slavePath, linkPath);
}

void unlink(const QString &linkPath, const QString &slavePath)
{
    if (!linkPath.isEmpty() && QFile::symLinkTarget(linkPath) == slavePath)
        QFile::remove(linkPath);
}

} // namespace SimTerminal
