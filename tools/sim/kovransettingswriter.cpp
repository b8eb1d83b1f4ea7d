#include "kovransettingswriter.h"

#include <QDir>
#include <QSettings>

namespace {

bool finish(QSettings &settings, QString *error)
{
    settings.sync();
    if (settings.status() == QSettings::NoError)
        return true;
    *error = QStringLiteral("cannot write %1").arg(settings.fileName());
    return false;
}

} // namespace

bool KovranSettingsWriter::write(const QString &folder, const QList<Adapter> &adapters,
                                 const QList<Instrument> &instruments, QString *error)
{
    if (!QDir().mkpath(folder)) {
        *error = QStringLiteral("cannot create %1").arg(folder);
        return false;
    }
    const QDir dir(folder);

    QSettings adapterFile(dir.filePath(QStringLiteral("com_adapters.ini")), QSettings::IniFormat);
    adapterFile.remove(QStringLiteral("Adapters"));
    adapterFile.beginWriteArray(QStringLiteral("Adapters"), int(adapters.size()));
    for (int i = 0; i < adapters.size(); ++i) {
        adapterFile.setArrayIndex(i);
        adapterFile.setValue(QStringLiteral("portName"), adapters[i].portName);
        adapterFile.setValue(QStringLiteral("baudRate"), adapters[i].baudRate);
    }
    adapterFile.endArray();
    if (!finish(adapterFile, error))
        return false;

    QSettings deviceFile(dir.filePath(QStringLiteral("devices_config.ini")), QSettings::IniFormat);
    deviceFile.remove(QStringLiteral("Devices"));
    deviceFile.beginWriteArray(QStringLiteral("Devices"), int(instruments.size()));
    for (int i = 0; i < instruments.size(); ++i) {
        deviceFile.setArrayIndex(i);
        const Instrument &instrument = instruments[i];
        deviceFile.setValue(QStringLiteral("name"), instrument.name.isEmpty()
                                                        ? QStringLiteral("Indicator %1").arg(i + 1)
                                                        : instrument.name);
        deviceFile.setValue(QStringLiteral("portName"), instrument.portName);
        deviceFile.setValue(QStringLiteral("address"), instrument.address);
        deviceFile.setValue(QStringLiteral("type"), instrument.type);
        deviceFile.setValue(QStringLiteral("precision"), 3);
        deviceFile.setValue(QStringLiteral("measuringType"), 0);
        deviceFile.setValue(QStringLiteral("limitMin"), 0.0);
        deviceFile.setValue(QStringLiteral("limitMax"), 0.0);
        deviceFile.setValue(QStringLiteral("unit"), 0);
        deviceFile.setValue(QStringLiteral("hidPath"), QString());
        deviceFile.setValue(QStringLiteral("hidUnit"), 0);
        deviceFile.setValue(QStringLiteral("hidDecimals"), 2);
        deviceFile.setValue(QStringLiteral("mac"), instrument.mac);
        deviceFile.setValue(QStringLiteral("donglePort"), instrument.donglePort);
        deviceFile.setValue(QStringLiteral("bleProtocol"), instrument.bleProtocol);
        deviceFile.setValue(QStringLiteral("serialUnit"), 0);
        deviceFile.setValue(QStringLiteral("userId"), QString());
    }
    deviceFile.endArray();
    return finish(deviceFile, error);
}

bool KovranSettingsWriter::writeHardwarePort(const QString &folder, const QString &fileName,
                                             const QString &portName, int baudRate, QString *error)
{
    if (!QDir().mkpath(folder)) {
        *error = QStringLiteral("cannot create %1").arg(folder);
        return false;
    }
    QSettings file(QDir(folder).filePath(fileName), QSettings::IniFormat);
    file.beginGroup(QStringLiteral("Hardware"));
    file.setValue(QStringLiteral("ComPort"), portName);
    file.setValue(QStringLiteral("BaudRate"), baudRate);
    file.endGroup();
    return finish(file, error);
}
