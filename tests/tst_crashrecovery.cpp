#include "modbuspeer.h"
#include "settingssandbox.h"
#include "virtualports.h"

#include <QProcess>
#include <QMap>
#include <QTemporaryDir>
#include <QTest>

// Records with the real window in a child process, kills it with SIGKILL, and checks that a new
// process brings back every record whose journal line had reached the disk.
class TestCrashRecovery : public QObject
{
    Q_OBJECT

private slots:
    void everyFlushedRecordComesBack();
};

namespace {

QProcess *startChild(const QString &mode, const QString &settings, QObject *parent)
{
    auto *child = new QProcess(parent);
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    environment.insert(QStringLiteral("KOVRAN_SETTINGS_DIR"), settings);
    child->setProcessEnvironment(environment);
    child->start(QStringLiteral(KOVRAN_CRASH_CHILD), {mode});
    return child;
}

} // namespace

void TestCrashRecovery::everyFlushedRecordComesBack()
{
    SettingsSandbox sandbox;
    QTemporaryDir dir;
    ModbusPeer peer;
    const QString port = peer.link(dir.filePath(QStringLiteral("ttyCrash")));
    VirtualPorts ports; // the children inherit the list, so their watchdog sees the adapter
    ports.add(port);
    peer.addInstrument(1);
    peer.addInstrument(2);
    peer.setValue(1, 12.3456);
    peer.setValue(2, -0.1);
    QVERIFY(sandbox.writeFile(QStringLiteral("com_adapters.ini"),
                              "[Adapters]\nsize=1\n1\\portName=" + port.toUtf8() + "\n1\\baudRate=9600\n"));
    QVERIFY(sandbox.writeFile(QStringLiteral("devices_config.ini"),
                              "[Devices]\nsize=2\n1\\name=a\n1\\portName=" + port.toUtf8() +
                                  "\n1\\address=1\n2\\name=b\n2\\portName=" + port.toUtf8() + "\n2\\address=2\n"));

    QProcess *recorder = startChild(QStringLiteral("record"), sandbox.path(), this);
    QVERIFY(recorder->waitForStarted());
    QVERIFY2(QTest::qWaitFor([&] { return sandbox.readFile(QStringLiteral("recovery_journal.log")).count('\n') >= 40; },
                             20000),
             "the child records nothing");
    recorder->kill(); // SIGKILL: no close event, no clean-up
    QVERIFY(recorder->waitForFinished());
    QCOMPARE(recorder->exitStatus(), QProcess::CrashExit);

    // Only complete lines reached the disk as records.
    QByteArray journal = sandbox.readFile(QStringLiteral("recovery_journal.log"));
    journal.truncate(journal.lastIndexOf('\n') + 1);
    // Records of one second carry the same time and value, so they are counted, not just collected.
    QMap<QString, int> flushed;
    int flushedCount = 0;
    for (const QByteArray &line : journal.split('\n')) {
        if (line.startsWith("M\t")) {
            ++flushed[QString::fromUtf8(line.left(line.lastIndexOf('\t')))]; // without the verdict
            ++flushedCount;
        }
    }
    QVERIFY(flushedCount >= 40);

    QProcess *restorer = startChild(QStringLiteral("dump"), sandbox.path(), this);
    QVERIFY(restorer->waitForFinished(20000));
    QCOMPARE(restorer->exitCode(), 0);
    QMap<QString, int> restored;
    for (const QByteArray &line : restorer->readAllStandardOutput().split('\n')) {
        if (line.startsWith("M\t"))
            ++restored[QString::fromUtf8(line)];
    }
    QStringList lost;
    for (auto it = flushed.cbegin(); it != flushed.cend(); ++it) {
        if (restored.value(it.key()) < it.value())
            lost.append(QStringLiteral("%1 (%2 flushed, %3 back)").arg(it.key()).arg(it.value()).arg(restored.value(it.key())));
    }
    QVERIFY2(lost.isEmpty(), qPrintable(lost.join(QLatin1Char('\n'))));
}

QTEST_GUILESS_MAIN(TestCrashRecovery)
#include "tst_crashrecovery.moc"
