#include "deviceregistry.h"

#include "app/settingsfolder.h"
#include "formulafile.h"
#include "settingsfile.h"

#include <QDebug>
#include <QFile>
#include <QSet>
#include <QSettings>

#include <algorithm>

namespace {

QString devicesFile()
{
    return settingsFilePath(QStringLiteral("devices_config.ini"));
}

QString adaptersFile()
{
    return settingsFilePath(QStringLiteral("com_adapters.ini"));
}

QString formulasFile()
{
    return settingsFilePath(QStringLiteral("formulas.ini"));
}

} // namespace

int DeviceRegistry::loadDevices()
{
    m_devices.clear();

    QSettings settings(devicesFile(), QSettings::IniFormat);
    const int size = readableArraySize(settings, settings.beginReadArray(QStringLiteral("Devices")));
    QSet<QString> seen;
    int dropped = 0;
    for (int i = 0; i < size; ++i) {
        settings.setArrayIndex(i);
        DeviceRecord record;
        record.portName = settings.value(QStringLiteral("portName")).toString();
        record.address = static_cast<quint8>(settings.value(QStringLiteral("address"), 0).toInt());
        const QString key = record.portName + QLatin1Char(':') + QString::number(record.address);
        if (seen.contains(key)) {
            ++dropped;
            continue;
        }
        seen.insert(key);

        record.name = settings.value(QStringLiteral("name")).toString();
        record.type = settings.value(QStringLiteral("type"), 0).toInt();
        if (record.type == ConnectionKind::Formula) {
            // Never written here; formulas live in formulas.ini.
            qWarning().noquote() << "[налаштування] запис формули у файлі приладів пропущено:" << record.name;
            continue;
        }
        record.precision = settings.value(QStringLiteral("precision"), 2).toInt();
        record.measuringType = settings.value(QStringLiteral("measuringType"), 0).toInt();
        record.limitMin = settings.value(QStringLiteral("limitMin"), 0.0).toDouble();
        record.limitMax = settings.value(QStringLiteral("limitMax"), 0.0).toDouble();
        record.unit = settings.value(QStringLiteral("unit"), 0).toInt();
        record.hidPath = settings.value(QStringLiteral("hidPath")).toString();
        record.hidUnit = settings.value(QStringLiteral("hidUnit"), 0).toInt();
        record.hidDecimals = settings.value(QStringLiteral("hidDecimals"), 2).toInt();
        record.mac = settings.value(QStringLiteral("mac")).toString();
        record.donglePort = settings.value(QStringLiteral("donglePort")).toString();
        record.bleProtocol = settings.value(QStringLiteral("bleProtocol"), 0).toInt();
        record.serialUnit = settings.value(QStringLiteral("serialUnit"), 0).toInt();
        record.userId = settings.value(QStringLiteral("userId")).toString();

        if (record.type == ConnectionKind::HidKeyboard || record.type == ConnectionKind::SylvacCable ||
            isBleKind(record.type)) {
            record.sensorKind = record.type == ConnectionKind::HidKeyboard
                                    ? sensorKindForHidUnit(record.hidUnit)
                                    : quint16(SensorKind::Linear);
            record.unit = globalUnitFor(record.sensorKind);
            record.unitResolved = true;
        } else {
            // Modbus: the instrument tells its unit with its first answer.
            record.unitResolved = false;
        }
        record.connected = false;
        m_devices.append(record);
    }
    settings.endArray();

    if (dropped > 0) {
        qDebug().noquote() << "[налаштування] пропущено повторених приладів:" << dropped;
        saveDevices();
    }
    return dropped;
}

bool DeviceRegistry::saveDevices() const
{
    QSettings settings(devicesFile(), QSettings::IniFormat);
    settings.remove(QStringLiteral("Devices"));
    settings.beginWriteArray(QStringLiteral("Devices"), instrumentCount());
    int entry = 0;
    for (const DeviceRecord &record : m_devices) {
        if (record.type == ConnectionKind::Formula)
            continue;
        settings.setArrayIndex(entry++);
        settings.setValue(QStringLiteral("name"), record.name);
        settings.setValue(QStringLiteral("portName"), record.portName);
        settings.setValue(QStringLiteral("address"), int(record.address));
        settings.setValue(QStringLiteral("type"), record.type);
        settings.setValue(QStringLiteral("precision"), record.precision);
        settings.setValue(QStringLiteral("measuringType"), record.measuringType);
        settings.setValue(QStringLiteral("limitMin"), record.limitMin);
        settings.setValue(QStringLiteral("limitMax"), record.limitMax);
        settings.setValue(QStringLiteral("unit"), record.unit);
        settings.setValue(QStringLiteral("hidPath"), record.hidPath);
        settings.setValue(QStringLiteral("hidUnit"), record.hidUnit);
        settings.setValue(QStringLiteral("hidDecimals"), record.hidDecimals);
        settings.setValue(QStringLiteral("mac"), record.mac);
        settings.setValue(QStringLiteral("donglePort"), record.donglePort);
        settings.setValue(QStringLiteral("bleProtocol"), record.bleProtocol);
        settings.setValue(QStringLiteral("serialUnit"), record.serialUnit);
        settings.setValue(QStringLiteral("userId"), record.userId);
    }
    settings.endArray();
    return finishSettingsWrite(settings, "devices");
}

int DeviceRegistry::instrumentCount() const
{
    return int(std::count_if(m_devices.cbegin(), m_devices.cend(), [](const DeviceRecord &record) {
        return record.type != ConnectionKind::Formula;
    }));
}

QStringList DeviceRegistry::instrumentKeys() const
{
    QStringList keys;
    for (const DeviceRecord &record : m_devices) {
        if (record.type != ConnectionKind::Formula)
            keys.append(deviceKey(record));
    }
    return keys;
}

void DeviceRegistry::loadFormulas()
{
    m_devices.erase(std::remove_if(m_devices.begin(), m_devices.end(),
                                   [](const DeviceRecord &record) { return record.type == ConnectionKind::Formula; }),
                    m_devices.end());
    m_devices.append(FormulaFile::load(formulasFile(), instrumentKeys()));
}

bool DeviceRegistry::saveFormulas() const
{
    QList<DeviceRecord> formulas;
    std::copy_if(m_devices.cbegin(), m_devices.cend(), std::back_inserter(formulas),
                 [](const DeviceRecord &record) { return record.type == ConnectionKind::Formula; });
    // A bench that never had a formula gets no file for them.
    if (formulas.isEmpty() && !QFile::exists(formulasFile()))
        return true;
    return FormulaFile::save(formulasFile(), formulas, instrumentKeys());
}

void DeviceRegistry::loadAdapters()
{
    m_adapters.clear();
    QSettings settings(adaptersFile(), QSettings::IniFormat);
    const int size = readableArraySize(settings, settings.beginReadArray(QStringLiteral("Adapters")));
    for (int i = 0; i < size; ++i) {
        settings.setArrayIndex(i);
        ModbusAdapter adapter;
        adapter.portName = settings.value(QStringLiteral("portName")).toString();
        adapter.baudRate = settings.value(QStringLiteral("baudRate"), 0).toInt();
        m_adapters.append(adapter);
    }
    settings.endArray();
}

bool DeviceRegistry::saveAdapters() const
{
    QSettings settings(adaptersFile(), QSettings::IniFormat);
    settings.remove(QStringLiteral("Adapters"));
    settings.beginWriteArray(QStringLiteral("Adapters"), int(m_adapters.size()));
    for (int i = 0; i < m_adapters.size(); ++i) {
        settings.setArrayIndex(i);
        settings.setValue(QStringLiteral("portName"), m_adapters.at(i).portName);
        settings.setValue(QStringLiteral("baudRate"), m_adapters.at(i).baudRate);
    }
    settings.endArray();
    return finishSettingsWrite(settings, "adapters");
}

int DeviceRegistry::nextFreeAddress(int kind) const
{
    const auto group = [](int type) { return isBleKind(type) ? int(ConnectionKind::Bluetooth) : type; };
    QSet<int> used;
    for (const DeviceRecord &record : m_devices) {
        if (group(record.type) == group(kind))
            used.insert(record.address);
    }
    for (int address = 1; address <= 255; ++address) {
        if (!used.contains(address))
            return address;
    }
    return 0;
}

int DeviceRegistry::findBleDevice(const QString &mac) const
{
    for (int i = 0; i < m_devices.size(); ++i) {
        if (isBleKind(m_devices.at(i).type) && m_devices.at(i).mac == mac)
            return i;
    }
    return -1;
}

int DeviceRegistry::globalUnitFor(quint16 sensorKind)
{
    const QSettings settings(devicesFile(), QSettings::IniFormat);
    // Each category offers two units; anything else in the file means the first one.
    const auto choice = [&settings](const QString &key) {
        const int stored = settings.value(key, 0).toInt();
        return stored == 1 ? 1 : 0;
    };
    switch (sensorKind) {
    case SensorKind::AngleMeter:
        return UnitCode::Degree + choice(QStringLiteral("GlobalUnits/Angle"));
    case SensorKind::Dynamometer:
        return UnitCode::Newton + choice(QStringLiteral("GlobalUnits/Force"));
    default:
        return UnitCode::Millimetre + choice(QStringLiteral("GlobalUnits/Linear"));
    }
}
