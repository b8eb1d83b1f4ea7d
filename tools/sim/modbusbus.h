#pragma once

#include <QByteArray>
#include <QList>
#include <QObject>
#include <QTimer>

class ModbusSlave;
class PseudoTerminal;

// One RS-485 adapter with its slaves: cuts RTU request frames out of the byte stream of a pseudo-terminal,
// hands each to the slave it is addressed to and sends that slave's answer back. Slaves not addressed stay
// silent, as on a real bus; a broadcast write reaches all of them and nobody answers it.
class ModbusBus : public QObject
{
    Q_OBJECT

public:
    // A request not completed within this silence is dropped, like a frame cut short on the wire.
    static constexpr int FrameGapMs = 50;

    ModbusBus(PseudoTerminal *terminal, const QString &name, QObject *parent = nullptr);

    // The bus takes ownership.
    void addSlave(ModbusSlave *slave);
    QList<ModbusSlave *> slaves() const { return m_slaves; }
    QString name() const { return m_name; }
    PseudoTerminal *terminal() const { return m_terminal; }

private:
    void onBytes(const QByteArray &bytes);
    void takeFrames();
    // Length of the whole request with a valid CRC at the start of `bytes`; 0 when there is none (yet).
    static int validFrameLength(const QByteArray &bytes);
    void handleFrame(const QByteArray &frame);
    QByteArray answer(ModbusSlave *slave, const QByteArray &frame);
    void warnAboutSharedAddresses();

    PseudoTerminal *m_terminal;
    QString m_name;
    QList<ModbusSlave *> m_slaves;
    QByteArray m_buffer;
    QTimer m_gapTimer;
};
