#include "app/logfile.h"
#include "settingssandbox.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

#include <memory>

class TestLogFile : public QObject
{
    Q_OBJECT

private slots:
    void lineFormat_data();
    void lineFormat();
    void startSizeBoundary_data();
    void startSizeBoundary();
    void trimmedOnlyOnceAndAppended();
    void unopenableFileLosesLinesQuietly();
    void handlerWritesIntoSettingsFolderFromManyThreads();
};

void TestLogFile::lineFormat_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<QByteArray>("expected");
    QTest::newRow("debug has no suffix") << int(QtDebugMsg) << QByteArray("2026-03-07 08:05:09.042 привіт\n");
    QTest::newRow("info has no suffix") << int(QtInfoMsg) << QByteArray("2026-03-07 08:05:09.042 привіт\n");
    QTest::newRow("warning") << int(QtWarningMsg) << QByteArray("2026-03-07 08:05:09.042 [увага] привіт\n");
    QTest::newRow("critical") << int(QtCriticalMsg)
                              << QByteArray("2026-03-07 08:05:09.042 [помилка] привіт\n");
    QTest::newRow("fatal") << int(QtFatalMsg) << QByteArray("2026-03-07 08:05:09.042 [збій] привіт\n");
}

void TestLogFile::lineFormat()
{
    QFETCH(int, type);
    QFETCH(QByteArray, expected);
    const QDateTime time(QDate(2026, 3, 7), QTime(8, 5, 9, 42));
    QCOMPARE(LogFile::formatLine(QtMsgType(type), time, QStringLiteral("привіт")), expected);
}

void TestLogFile::startSizeBoundary_data()
{
    QTest::addColumn<qint64>("startSize");
    QTest::addColumn<bool>("kept");
    QTest::newRow("exactly 2 MiB survives") << qint64(2097152) << true;
    QTest::newRow("one byte more is deleted") << qint64(2097153) << false;
    QTest::newRow("small log survives") << qint64(10) << true;
}

void TestLogFile::startSizeBoundary()
{
    QFETCH(qint64, startSize);
    QFETCH(bool, kept);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("kovran.log"));
    {
        QFile old(path);
        QVERIFY(old.open(QIODevice::WriteOnly));
        QVERIFY(old.resize(startSize));
    }
    LogFile log(path);
    QVERIFY(log.write(QtDebugMsg, QStringLiteral("start")));

    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray content = file.readAll();
    QVERIFY(content.endsWith(" start\n"));
    QCOMPARE(content.size() > startSize, kept);
    if (!kept)
        QCOMPARE(content.count('\n'), 1);
}

void TestLogFile::trimmedOnlyOnceAndAppended()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("kovran.log"));
    LogFile log(path);
    QVERIFY(log.write(QtDebugMsg, QStringLiteral("first")));
    // Growing past the limit during a run must not trim the log until the next run.
    const QString big(3 * 1024 * 1024, QLatin1Char('x'));
    QVERIFY(log.write(QtWarningMsg, big));
    QVERIFY(log.write(QtDebugMsg, QStringLiteral("last")));

    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QList<QByteArray> lines = file.readAll().split('\n');
    QCOMPARE(lines.size(), 4); // three lines and the empty rest after the final line feed
    QVERIFY(lines.at(0).endsWith(" first"));
    QVERIFY(lines.at(1).contains(" [увага] xxx"));
    QVERIFY(lines.at(2).endsWith(" last"));
    const QRegularExpression stamp(QStringLiteral("^\\d{4}-\\d\\d-\\d\\d \\d\\d:\\d\\d:\\d\\d\\.\\d{3} "));
    QVERIFY(stamp.match(QString::fromUtf8(lines.at(2))).hasMatch());

    // The next run starts by deleting the oversized log.
    LogFile nextRun(path);
    QVERIFY(nextRun.write(QtDebugMsg, QStringLiteral("again")));
    QVERIFY(QFileInfo(path).size() < 100);
}

void TestLogFile::unopenableFileLosesLinesQuietly()
{
    QTemporaryDir dir;
    // A directory where the log should be: it can never be opened as a file.
    const QString path = dir.filePath(QStringLiteral("kovran.log"));
    QVERIFY(QDir().mkpath(path));
    LogFile log(path);
    QVERIFY(!log.write(QtWarningMsg, QStringLiteral("lost")));
    QVERIFY(!log.write(QtDebugMsg, QStringLiteral("lost too")));
}

void TestLogFile::handlerWritesIntoSettingsFolderFromManyThreads()
{
    SettingsSandbox sandbox;
    const QtMessageHandler previous = qInstallMessageHandler(logMessageHandler);

    constexpr int kThreads = 4;
    constexpr int kLines = 500;
    std::vector<std::unique_ptr<QThread>> threads;
    for (int t = 0; t < kThreads; ++t) {
        threads.emplace_back(QThread::create([t] {
            for (int i = 0; i < kLines; ++i)
                qWarning("thread %d line %d", t, i);
        }));
        threads.back()->start();
    }
    for (auto &thread : threads)
        QVERIFY(thread->wait(30000));
    qInstallMessageHandler(previous);

    const QList<QByteArray> lines = sandbox.readFile(QStringLiteral("kovran.log")).split('\n');
    QCOMPARE(lines.size(), kThreads * kLines + 1);
    const QRegularExpression shape(QStringLiteral(
        "^\\d{4}-\\d\\d-\\d\\d \\d\\d:\\d\\d:\\d\\d\\.\\d{3} \\[увага\\] thread \\d line \\d+$"));
    for (int i = 0; i < kThreads * kLines; ++i)
        QVERIFY2(shape.match(QString::fromUtf8(lines.at(i))).hasMatch(), lines.at(i).constData());
}

QTEST_GUILESS_MAIN(TestLogFile)
#include "tst_logfile.moc"
