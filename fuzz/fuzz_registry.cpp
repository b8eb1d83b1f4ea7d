// The two settings files of the workspace: devices_config.ini (the instruments) and com_adapters.ini (the
// Modbus adapters), as a previous version, a hand edit or a damaged disk may have left them.
#include "fuzzsupport.h"

#include "app/settingsfolder.h"
#include "devices/deviceregistry.h"

#include <QDir>
#include <QFile>
#include <QSet>

#include <cstdlib>
#include <unistd.h>

namespace {

void writeFile(const QString &name, const QByteArray &bytes)
{
    QFile file(settingsFilePath(name));
    FUZZ_ASSERT(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    FUZZ_ASSERT(file.write(bytes) == bytes.size());
}

QStringList keysOf(const DeviceRegistry &registry)
{
    QStringList keys;
    for (const DeviceRecord &record : registry.devices())
        keys.append(record.portName + QLatin1Char(':') + QString::number(record.address));
    return keys;
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    FuzzSupport::silenceQt();
    const QString base =
        QDir(QStringLiteral("/dev/shm")).exists() ? QStringLiteral("/dev/shm") : QDir::tempPath();
    const QString folder = QDir(base).filePath(QStringLiteral("kovran-fuzz-registry-%1").arg(getpid()));
    QDir().mkpath(folder);
    qputenv("KOVRAN_SETTINGS_DIR", folder.toLocal8Bit());
    std::atexit([] { QDir(qEnvironmentVariable("KOVRAN_SETTINGS_DIR")).removeRecursively(); });
    return 0;
}

// Input: the devices file, a NUL byte, the adapters file.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray input(reinterpret_cast<const char *>(data), qsizetype(size));
    const qsizetype split = input.indexOf('\0');
    writeFile(QStringLiteral("devices_config.ini"), split < 0 ? input : input.left(split));
    writeFile(QStringLiteral("com_adapters.ini"), split < 0 ? QByteArray() : input.mid(split + 1));

    DeviceRegistry registry;
    const int dropped = registry.loadDevices();
    FUZZ_ASSERT(dropped >= 0);
    // Port and address tell devices apart; the load never keeps two with the same pair.
    const QStringList keys = keysOf(registry);
    FUZZ_ASSERT(QSet<QString>(keys.cbegin(), keys.cend()).size() == keys.size());
    // Nothing read from a file claims to be on line.
    for (const DeviceRecord &record : registry.devices())
        FUZZ_ASSERT(!record.connected);

    // A load that dropped repeats rewrote the file; the rewritten file (and any later save) loads the same
    // devices and has nothing left to drop.
    FUZZ_ASSERT(registry.saveDevices());
    DeviceRegistry reloaded;
    FUZZ_ASSERT(reloaded.loadDevices() == 0);
    FUZZ_ASSERT(keysOf(reloaded) == keys);

    DeviceRegistry adapters;
    adapters.loadAdapters();
    FUZZ_ASSERT(adapters.saveAdapters());
    DeviceRegistry adaptersAgain;
    adaptersAgain.loadAdapters();
    FUZZ_ASSERT(adaptersAgain.adapters() == adapters.adapters());
    return 0;
}
