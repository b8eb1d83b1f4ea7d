#include "app/settingsfolder.h"
#include "settingssandbox.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>

namespace {

bool writeFile(const QString &path, const QByteArray &content)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(content) == content.size();
}

QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QStringList g_messages;

void captureMessages(QtMsgType, const QMessageLogContext &, const QString &message)
{
    g_messages.append(message);
}

} // namespace

class TestSettingsFolder : public QObject
{
    Q_OBJECT

private slots:
    void overrideFolderIsUsedAndCreated();
    void unusableFolderIsNotFatal();
    void migrationPrefersFirstLocationAndNeverOverwrites();
    void migrationFromWorkingDirectoryIsLogged();
    void executableFolderGoesBeforeWorkingFolder();
};

void TestSettingsFolder::overrideFolderIsUsedAndCreated()
{
    QTemporaryDir root;
    const QString nested = root.filePath(QStringLiteral("a/b/KOVRAN"));
    qputenv("KOVRAN_SETTINGS_DIR", nested.toLocal8Bit());
    QCOMPARE(settingsFilePath(QStringLiteral("devices_config.ini")),
             nested + QStringLiteral("/devices_config.ini"));
    QVERIFY(QFileInfo(nested).isDir());

    // Each sandbox is a folder of its own.
    SettingsSandbox first;
    QCOMPARE(settingsFolder(), QDir(first.path()).absolutePath());
    {
        SettingsSandbox second;
        QCOMPARE(settingsFolder(), QDir(second.path()).absolutePath());
    }
    QCOMPARE(settingsFolder(), QDir(first.path()).absolutePath());
}

void TestSettingsFolder::unusableFolderIsNotFatal()
{
    QTemporaryDir root;
    const QString blocker = root.filePath(QStringLiteral("plain-file"));
    QVERIFY(writeFile(blocker, "x"));
    qputenv("KOVRAN_SETTINGS_DIR", (blocker + QStringLiteral("/KOVRAN")).toLocal8Bit());
    const QString path = settingsFilePath(QStringLiteral("config.ini"));
    QVERIFY(path.endsWith(QStringLiteral("plain-file/KOVRAN/config.ini")));
    QVERIFY(!QFileInfo::exists(path));

    QTemporaryDir legacy;
    QVERIFY(writeFile(legacy.filePath(QStringLiteral("config.ini")), "[General]\n"));
    QCOMPARE(copyLegacySettingsFrom({legacy.path()}), 0);
}

void TestSettingsFolder::migrationPrefersFirstLocationAndNeverOverwrites()
{
    SettingsSandbox sandbox;
    QTemporaryDir exeDir;
    QTemporaryDir workDir;
    QVERIFY(writeFile(exeDir.filePath(QStringLiteral("config.ini")), "next to the executable"));
    QVERIFY(writeFile(workDir.filePath(QStringLiteral("config.ini")), "working directory"));
    QVERIFY(writeFile(workDir.filePath(QStringLiteral("com_adapters.ini")), "adapters"));
    QVERIFY(writeFile(exeDir.filePath(QStringLiteral("devices_config.ini")), "old devices"));
    QVERIFY(writeFile(exeDir.filePath(QStringLiteral("unrelated.ini")), "not ours"));
    // A folder with a settings file's name is not a file to copy; the next location is looked at.
    QVERIFY(QDir(exeDir.path()).mkdir(QStringLiteral("settings.ini")));
    QVERIFY(writeFile(workDir.filePath(QStringLiteral("settings.ini")), "language"));
    QVERIFY(sandbox.writeFile(QStringLiteral("devices_config.ini"), "current devices"));

    QCOMPARE(copyLegacySettingsFrom({exeDir.path(), workDir.path()}), 3);
    QCOMPARE(sandbox.readFile(QStringLiteral("config.ini")), QByteArray("next to the executable"));
    QCOMPARE(sandbox.readFile(QStringLiteral("com_adapters.ini")), QByteArray("adapters"));
    QCOMPARE(sandbox.readFile(QStringLiteral("settings.ini")), QByteArray("language"));
    QCOMPARE(sandbox.readFile(QStringLiteral("devices_config.ini")), QByteArray("current devices"));
    QVERIFY(!QFileInfo::exists(sandbox.filePath(QStringLiteral("unrelated.ini"))));
    // Sources stay where they were.
    QCOMPARE(readFile(exeDir.filePath(QStringLiteral("config.ini"))), QByteArray("next to the executable"));

    // A second run finds everything in place and copies nothing.
    QCOMPARE(copyLegacySettingsFrom({exeDir.path(), workDir.path()}), 0);
}

void TestSettingsFolder::migrationFromWorkingDirectoryIsLogged()
{
    SettingsSandbox sandbox;
    QTemporaryDir workDir;
    QVERIFY(writeFile(workDir.filePath(QStringLiteral("setting_laser.ini")), "[Hardware]\n"));
    QVERIFY(writeFile(workDir.filePath(QStringLiteral("recovery_journal.log")), "journal"));
    const QString previousDir = QDir::currentPath();
    QVERIFY(QDir::setCurrent(workDir.path()));

    g_messages.clear();
    const QtMessageHandler previous = qInstallMessageHandler(captureMessages);
    migrateLegacySettings();
    migrateLegacySettings(); // nothing left to move: no second line
    qInstallMessageHandler(previous);
    QDir::setCurrent(previousDir);

    QCOMPARE(g_messages,
             QStringList{QStringLiteral("[налаштування] перенесено файлів зі старого розташування: 2")});
    QCOMPARE(sandbox.readFile(QStringLiteral("recovery_journal.log")), QByteArray("journal"));
}

void TestSettingsFolder::executableFolderGoesBeforeWorkingFolder()
{
    // The real locations, not ones handed in: a copy next to the test executable and one in the working
    // directory. The one beside the executable is the one an older version wrote last.
    SettingsSandbox sandbox;
    const QString besideExecutable =
        QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("config.ini"));
    QVERIFY(!QFileInfo::exists(besideExecutable));
    QVERIFY(writeFile(besideExecutable, "next to the executable"));
    const auto removeIt = qScopeGuard([&] { QFile::remove(besideExecutable); });
    QTemporaryDir workDir;
    QVERIFY(writeFile(workDir.filePath(QStringLiteral("config.ini")), "working directory"));
    const QString previousDir = QDir::currentPath();
    QVERIFY(QDir::setCurrent(workDir.path()));
    const auto restoreDir = qScopeGuard([&] { QDir::setCurrent(previousDir); });

    migrateLegacySettings();
    QCOMPARE(sandbox.readFile(QStringLiteral("config.ini")), QByteArray("next to the executable"));
}

QTEST_GUILESS_MAIN(TestSettingsFolder)
#include "tst_settingsfolder.moc"
