#pragma once

#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>

#include <memory>

class ModbusBus;
class PseudoTerminal;
class QTemporaryDir;

// The whole simulated bench: the pseudo-terminals with their stable names and the devices on them.
// Destroying it removes the names again.
class Bench : public QObject
{
    Q_OBJECT

public:
    struct Options
    {
        int modbusInstruments = 3;
        int modbusAdapters = 1;
        QString linkDir; // empty: a fresh folder under the temporary folder
    };

    explicit Bench(QObject *parent = nullptr);
    ~Bench() override;

    bool start(const Options &options, QString *error);

    // The names the program is given, in the order the ports were created.
    QStringList portPaths() const;
    // KOVRAN_VIRTUAL_PORTS=<path>[;<path>...]
    QString virtualPortsLine() const;
    // A few lines for a person: each port and what hangs on it.
    QString summary() const;
    bool writeKovranSettings(const QString &folder, QString *error) const;

private:
    PseudoTerminal *openPort(QString *error);

    QString m_linkDir;
    std::unique_ptr<QTemporaryDir> m_ownLinkDir;
    QList<PseudoTerminal *> m_ports;
    QList<ModbusBus *> m_buses;
};
