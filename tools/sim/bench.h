#pragma once

#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>

#include <memory>

class ModbusPeer;
class QTemporaryDir;

// The whole simulated bench: the Modbus lines with their stable names and the instruments on them.
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
        bool verbose = false;
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
    ModbusPeer *openLine(bool verbose, QString *error);

    QString m_linkDir;
    std::unique_ptr<QTemporaryDir> m_ownLinkDir;
    QList<ModbusPeer *> m_lines;
};
