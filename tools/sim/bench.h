#pragma once

#include "kovransettingswriter.h"

#include <QList>
#include <QObject>
#include <QPair>
#include <QString>
#include <QStringList>

#include <memory>

class Bled112Peer;
class HeightGaugeBoardPeer;
class LaserSensorPeer;
class ModbusPeer;
class QTemporaryDir;
class StandBoardPeer;
class SylvacCablePeer;
class VirtualKeyboard;

// The whole simulated bench: the Modbus lines, the BLED112 dongle, the Sylvac data cables, the height gauge
// board, the laser bore gauge's sensors and the measuring stand's board with their stable names and the
// instruments on them, the name of an nRF dongle and a keyboard instrument. Destroying it removes the names
// again.
class Bench : public QObject
{
    Q_OBJECT

public:
    struct Options
    {
        int modbusInstruments = 3;
        int modbusAdapters = 1;
        int bled112Instruments = -1; // -1: no dongle
        int bled112Limit = 8;        // connections the dongle accepts
        int bled112SilentAfterSeconds = -1;
        bool nrf = false; // a port named as an nRF dongle
        int sylvacInstruments = 0;
        bool keyboard = false;
        bool keyboardFifo = false; // even where uinput works
        bool heightGauge = false;
        int heightGaugeCorruptEvery = 0;                // 0: every frame intact
        QList<QPair<double, double>> heightGaugeSolids; // empty: the board's own part
        bool laser = false;
        double laserBore = -1.0; // below 0: the sensors' own part
        bool stand = false;
        QString linkDir; // empty: a fresh folder under the temporary folder
        bool verbose = false;
    };

    explicit Bench(QObject *parent = nullptr);
    ~Bench() override;

    bool start(const Options &options, QString *error);

    // The names the program is given, in the order the ports were created.
    QStringList portPaths() const;
    // KOVRAN_VIRTUAL_PORTS=<path>[;<path>...], the dongles' as <path>@2458:0001 (a BLED112's USB ids) and
    // <path>@1915:521F (an nRF dongle's), the height gauge and stand boards' as <path>@ABCD:1234
    QString virtualPortsLine() const;
    // KOVRAN_VIRTUAL_KEYBOARDS=<fifo>@1209:4B56 when the keyboard instrument types into a FIFO, else empty.
    QString virtualKeyboardsLine() const;
    // Why something runs in a poorer way than asked, one line each.
    QStringList warnings() const { return m_warnings; }
    // A few lines for a person: each port and what hangs on it.
    QString summary() const;
    bool writeKovranSettings(const QString &folder, QString *error) const;
    // The first instrument connected through the dongle goes away for a moment.
    void dropBled112Connection();
    bool hasSylvac() const { return !m_sylvac.isEmpty(); }
    bool hasKeyboard() const { return m_keyboard != nullptr; }
    bool hasHeightGauge() const { return m_heightGauge != nullptr; }
    bool hasLaser() const { return m_laser != nullptr; }
    bool hasStand() const { return m_stand != nullptr; }
    // The data button of a Sylvac instrument, counted from 0.
    void pressSylvacButton(int index);
    void toggleSylvacContinuous();
    void toggleSylvacUnit();
    void typeReading();
    // The laser bore gauge's part: a bore `delta` mm larger, the part off centre or back.
    void growLaserBore(double delta);
    void toggleLaserOffset();
    // The stand's scale `delta` mm on, its sweep on or off.
    void moveStand(double delta);
    void toggleStandSweep();

private:
    ModbusPeer *openLine(bool verbose, QString *error);
    bool openDongle(const Options &options, QString *error);
    bool openNrfPort(QString *error);
    bool openSylvacCables(const Options &options, QString *error);
    bool openKeyboard(const Options &options, QString *error);
    bool openHeightGauge(const Options &options, QString *error);
    bool openLaser(const Options &options, QString *error);
    bool openStand(QString *error);
    SylvacCablePeer *firstSylvac();

    QString m_linkDir;
    std::unique_ptr<QTemporaryDir> m_ownLinkDir;
    QList<ModbusPeer *> m_lines;
    Bled112Peer *m_dongle = nullptr;
    int m_dongleLimit = 0;
    QString m_nrfLink;
    int m_nrfMaster = -1;
    int m_nrfSlave = -1;
    QList<KovranSettingsWriter::Instrument> m_storedBle; // the dongle's instruments the program is given
    QList<SylvacCablePeer *> m_sylvac;
    VirtualKeyboard *m_keyboard = nullptr;
    HeightGaugeBoardPeer *m_heightGauge = nullptr;
    LaserSensorPeer *m_laser = nullptr;
    StandBoardPeer *m_stand = nullptr;
    QStringList m_warnings;
};
