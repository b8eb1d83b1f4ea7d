#include "simlog.h"

#include <QTime>

#include <cstdio>

namespace {
bool s_verbose = false;

void emitLine(const QString &line)
{
    const QString stamped = QTime::currentTime().toString(QStringLiteral("HH:mm:ss.zzz ")) + line + u'\n';
    std::fputs(stamped.toLocal8Bit().constData(), stderr);
}
} // namespace

namespace SimLog {

void setVerbose(bool verbose)
{
    s_verbose = verbose;
}

bool verbose()
{
    return s_verbose;
}

void note(const QString &line)
{
    emitLine(line);
}

void trace(const QString &line)
{
    if (s_verbose)
        emitLine(line);
}

} // namespace SimLog
