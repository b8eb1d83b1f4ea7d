#pragma once

#include <QList>
#include <QString>

// Writes the two settings files KOVRAN needs to poll the simulated bench: com_adapters.ini (the adapters)
// and devices_config.ini (one card per instrument). Other keys already in those files, such as the global
// units or the users, are kept; only the two lists are replaced.
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
};
