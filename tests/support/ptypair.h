#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>

class QSocketNotifier;

// A pseudo-terminal pair standing in for a serial cable. The code under test opens the slave path (or a
// symlink to it, when a stable name is wanted); the test plays the instrument on the master side.
// Both ends are raw, so bytes pass unchanged. Baud rate and parity are accepted and ignored; the
// modem-control lines (DTR/RTS) do not exist on a pty.
class PtyPair : public QObject
{
    Q_OBJECT

public:
    explicit PtyPair(QObject *parent = nullptr);
    ~PtyPair() override;

    bool isOpen() const { return m_master >= 0; }
    QString slavePath() const { return m_slavePath; }

    // Creates (or replaces) a symlink to the slave and returns its path. Removing it is an unplug.
    QString link(const QString &linkPath);
    void unlink();
    QString linkPath() const { return m_linkPath; }

    // Writes on the master side: the bytes the instrument sends.
    bool write(const QByteArray &bytes);

    // Bytes the code under test sent that nobody took yet.
    QByteArray received() const { return m_received; }
    QByteArray takeReceived();
    // Waits (running the event loop) until at least `count` bytes arrived.
    bool waitForReceived(int count, int timeoutMs = 2000);

signals:
    void bytesReceived(const QByteArray &bytes);

private:
    void readMaster();

    int m_master = -1;
    int m_slave = -1; // kept open so the master never sees a hang-up while the code under test reopens
    QString m_slavePath;
    QString m_linkPath;
    QByteArray m_received;
    QSocketNotifier *m_notifier = nullptr;
};
