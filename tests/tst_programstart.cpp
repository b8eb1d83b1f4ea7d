#include "settingssandbox.h"

#include <QElapsedTimer>
#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

// Starts the real program headless, from a working directory that still holds an old settings file,
// and follows its log until the workspace is open.
class TestProgramStart : public QObject
{
    Q_OBJECT

private slots:
    void startsMigratesAndOpensTheWorkspace();
};

void TestProgramStart::startsMigratesAndOpensTheWorkspace()
{
    SettingsSandbox sandbox;
    QVERIFY(sandbox.writeFile(QStringLiteral("kovran.log"), QByteArray(2 * 1024 * 1024 + 1, 'x')));
    QTemporaryDir workDir;
    {
        QFile legacy(workDir.filePath(QStringLiteral("devices_config.ini")));
        QVERIFY(legacy.open(QIODevice::WriteOnly));
        legacy.write("[Devices]\nsize=2\n1\\name=a\n1\\portName=COM1\n1\\address=3\n"
                     "2\\name=a again\n2\\portName=COM1\n2\\address=3\n");
    }

    QProcess program;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    environment.insert(QStringLiteral("KOVRAN_SETTINGS_DIR"), sandbox.path());
    program.setProcessEnvironment(environment);
    program.setWorkingDirectory(workDir.path());
    program.start(QStringLiteral(KOVRAN_EXECUTABLE), {});
    QVERIFY2(program.waitForStarted(10000), qPrintable(program.errorString()));

    QElapsedTimer clock;
    clock.start();
    QByteArray log;
    const bool opened = QTest::qWaitFor([&] {
        log = sandbox.readFile(QStringLiteral("kovran.log"));
        return log.contains("[INFO] відкрито робочу область");
    }, 20000);
    const qint64 elapsed = clock.elapsed();
    program.kill();
    program.waitForFinished(5000);
    QVERIFY2(opened, log.right(2000).constData());

    // The oversized log of the last run was dropped; this run's lines follow in order.
    const QList<QByteArray> lines = log.trimmed().split('\n');
    QVERIFY(lines.first().contains(" === KOVRAN запущено === "));
    QVERIFY(lines.first().endsWith("/kovran"));
    QVERIFY(log.contains("[налаштування] перенесено файлів зі старого розташування: 1"));
    QVERIFY(log.indexOf("перенесено") < log.indexOf("відкрито робочу область"));
    QVERIFY2(elapsed >= 2500, "the workspace opens when the splash is over");

    // The migrated registry was loaded and its duplicate dropped.
    const QSettings devices(sandbox.filePath(QStringLiteral("devices_config.ini")), QSettings::IniFormat);
    QCOMPARE(devices.value(QStringLiteral("Devices/size")).toInt(), 1);
}

QTEST_GUILESS_MAIN(TestProgramStart)
#include "tst_programstart.moc"
