#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>

class QSocketNotifier;

// One pseudo-terminal standing in for a serial adapter. The program opens the slave side (usually through a
// stable symlink); the simulated device talks on the master side. The simulator keeps its own slave
// descriptor open, so when the program closes and reopens the port the master never sees a hang-up.
// Both sides are raw; baud rate and parity set by the program are accepted and have no effect.
class PseudoTerminal : public QObject
{
    Q_OBJECT

public:
    explicit PseudoTerminal(QObject *parent = nullptr);
    ~PseudoTerminal() override;

    bool open(QString *error);
    bool isOpen() const { return m_master >= 0; }
    QString slavePath() const { return m_slavePath; }

    // Points `path` at the slave, replacing a symlink left by an earlier run (never a real file).
    bool createLink(const QString &path, QString *error);
    // Removes the symlink, but only while it still points at this terminal.
    void removeLink();
    QString linkPath() const { return m_linkPath; }
    // The name the program is given: the symlink when there is one.
    QString portPath() const { return m_linkPath.isEmpty() ? m_slavePath : m_linkPath; }

    // Sends bytes to whoever has the slave open. Returns false when they could not all be queued.
    bool write(const QByteArray &bytes);

signals:
    void bytesReceived(const QByteArray &bytes);

private:
    void readMaster();
    void close();

    int m_master = -1;
    int m_slave = -1;
    QString m_slavePath;
    QString m_linkPath;
    QSocketNotifier *m_notifier = nullptr;
};
