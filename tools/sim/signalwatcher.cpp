#include "signalwatcher.h"

#include <QSocketNotifier>

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <unistd.h>

namespace {

int s_pipe[2] = {-1, -1};
const int WatchedSignals[] = {SIGINT, SIGTERM, SIGHUP};

void onSignal(int signalNumber)
{
    const int savedErrno = errno;
    const char byte = char(signalNumber);
    [[maybe_unused]] const ssize_t ignored = ::write(s_pipe[1], &byte, 1);
    errno = savedErrno;
}

} // namespace

SignalWatcher::SignalWatcher(QObject *parent)
    : QObject(parent)
{
    if (s_pipe[0] >= 0 || ::pipe2(s_pipe, O_CLOEXEC | O_NONBLOCK) != 0)
        return;
    struct sigaction action = {};
    action.sa_handler = onSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (int signalNumber : WatchedSignals)
        ::sigaction(signalNumber, &action, nullptr);

    m_notifier = new QSocketNotifier(s_pipe[0], QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &SignalWatcher::readPipe);
}

void SignalWatcher::watchUserSignal()
{
    watch(SIGUSR1);
}

void SignalWatcher::watchSecondUserSignal()
{
    watch(SIGUSR2);
}

void SignalWatcher::watch(int signalNumber)
{
    if (!m_notifier || m_userSignals.contains(signalNumber))
        return;
    struct sigaction action = {};
    action.sa_handler = onSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    ::sigaction(signalNumber, &action, nullptr);
    m_userSignals.append(signalNumber);
}

SignalWatcher::~SignalWatcher()
{
    if (!m_notifier)
        return;
    for (int signalNumber : WatchedSignals)
        ::signal(signalNumber, SIG_DFL);
    for (int signalNumber : m_userSignals)
        ::signal(signalNumber, SIG_DFL);
    delete m_notifier;
    ::close(s_pipe[0]);
    ::close(s_pipe[1]);
    s_pipe[0] = s_pipe[1] = -1;
}

void SignalWatcher::readPipe()
{
    char byte = 0;
    while (::read(s_pipe[0], &byte, 1) == 1) {
        if (byte == SIGUSR1)
            emit userSignal();
        else if (byte == SIGUSR2)
            emit secondUserSignal();
        else
            emit stopRequested(int(quint8(byte)));
    }
}
