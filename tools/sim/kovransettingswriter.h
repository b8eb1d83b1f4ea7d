#pragma once

#include <QList>
#include <QString>

// Writes the settings files KOVRAN needs to poll the simulated bench: com_adapters.ini (the adapters),
// devices_config.ini (one card per instrument) and the ports of the height gauge and the laser bore gauge.
// Other keys already in those files, such as the global units or the users, are kept; only the lists and the
// port are replaced.
class KovranSettingsWriter
{
public:
    struct Instrument
    {
        QString portName;
        int address = 0;
        int type = 0; // connection kind: 0 Modbus, 3 nRF dongle, 4 BLED112 dongle, 5 Sylvac data cable
        QString name; // empty: "Indicator <n>"
        QString mac;
        QString donglePort;
        int bleProtocol = 0; // 0 VELKOR, 1 Sylvac
    };
    struct Adapter
    {
        QString portName;
        int baudRate = 9600;
    };

    static bool write(const QString &folder, const QList<Adapter> &adapters,
                      const QList<Instrument> &instruments, QString *error);
    // A module's own settings file naming its port ([Hardware] ComPort, BaudRate), other keys kept:
    // setting_devozor.ini for the height gauge, setting_laser.ini for the laser bore gauge.
    static bool writeHardwarePort(const QString &folder, const QString &fileName, const QString &portName,
                                  int baudRate, QString *error);
};
