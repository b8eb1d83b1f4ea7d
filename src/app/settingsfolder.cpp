#include "settingsfolder.h"

#include <QCoreApplication>
#include <QDebug>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMutex>
#include <QMutexLocker>
#include <QStandardPaths>

namespace {

const char *const kOverrideVariable = "KOVRAN_SETTINGS_DIR";

struct FolderCache
{
    QMutex mutex;
    bool resolved = false;
    QString override; // value of the override variable the folder was resolved for
    QString folder;
};

FolderCache &folderCache()
{
    static FolderCache cache;
    return cache;
}

} // namespace

QString settingsFolder()
{
    // The log handler asks for the folder from any thread, so the cache is guarded. Nothing in here logs:
    // a message from inside would re-enter the log handler while it holds its own lock.
    FolderCache &cache = folderCache();
    const QString override = qEnvironmentVariable(kOverrideVariable);
    QMutexLocker lock(&cache.mutex);
    if (cache.resolved && cache.override == override)
        return cache.folder;

    QString folder = override;
    if (folder.isEmpty())
        folder = QDir(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation))
                     .filePath(QStringLiteral("KOVRAN"));
    folder = QDir::cleanPath(QDir(folder).absolutePath());
    // A folder that cannot be created is not fatal: files opened in it simply fail, and the program runs on
    // with its defaults.
    QDir().mkpath(folder);

    cache.resolved = true;
    cache.override = override;
    cache.folder = folder;
    return folder;
}

QString settingsFilePath(const QString &name)
{
    return QDir(settingsFolder()).filePath(name);
}

QStringList legacySettingsFileNames()
{
    return {QStringLiteral("devices_config.ini"),   QStringLiteral("settings.ini"),
            QStringLiteral("config.ini"),           QStringLiteral("com_adapters.ini"),
            QStringLiteral("recovery_journal.log"), QStringLiteral("app_settings.ini"),
            QStringLiteral("setting_laser.ini"),    QStringLiteral("setting_devozor.ini"),
            QStringLiteral("devozor_settings.ini")};
}

int copyLegacySettingsFrom(const QStringList &locations)
{
    int copied = 0;
    for (const QString &name : legacySettingsFileNames()) {
        const QString target = settingsFilePath(name);
        if (QFileInfo::exists(target))
            continue;
        for (const QString &location : locations) {
            const QString source = QDir(location).filePath(name);
            if (!QFileInfo(source).isFile())
                continue;
            if (QFile::copy(source, target))
                ++copied;
            break; // the first location that has the file decides, copied or not
        }
    }
    return copied;
}

void migrateLegacySettings()
{
    const int copied = copyLegacySettingsFrom({QCoreApplication::applicationDirPath(), QDir::currentPath()});
    if (copied > 0)
        qDebug().noquote() << "[налаштування] перенесено файлів зі старого розташування:" << copied;
}
