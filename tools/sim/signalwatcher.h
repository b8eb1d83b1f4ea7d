#pragma once

#include <QList>
#include <QObject>

class QSocketNotifier;

// Turns SIGINT, SIGTERM and SIGHUP (and SIGUSR1 and SIGUSR2 on request) into Qt signals on the event loop.
// The handler only writes one byte into a pipe (the self-pipe trick); everything else happens in the slot,
// where it is safe.
class SignalWatcher : public QObject
{
    Q_OBJECT

public:
    explicit SignalWatcher(QObject *parent = nullptr);
    ~SignalWatcher() override;

    bool isWatching() const { return m_notifier != nullptr; }
    // SIGUSR1 as well, reported by userSignal() instead of stopping.
    void watchUserSignal();
    // SIGUSR2, reported by secondUserSignal().
    void watchSecondUserSignal();

signals:
    void stopRequested(int signalNumber);
    void userSignal();
    void secondUserSignal();

private:
    void readPipe();
    void watch(int signalNumber);

    QSocketNotifier *m_notifier = nullptr;
    QList<int> m_userSignals;
};
