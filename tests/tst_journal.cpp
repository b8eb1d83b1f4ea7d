#include "recording/measurementjournal.h"
#include "settingssandbox.h"

#include <QDir>
#include <QSignalSpy>
#include <QTest>

#include <csignal>
#include <memory>

#include <sys/resource.h>

namespace {

const QStringList kKeys{"A:1", "B:2", "odd=port:1"};
const MeasurementJournal::KeyOf keyOf = [](int index) { return kKeys.value(index); };
const MeasurementJournal::IndexOf indexOf = [](const QString &key) { return int(kKeys.indexOf(key)); };
const QString kJournal = "recovery_journal.log";

const QString kFilled = "M\tB:2\t10:00:00\t0.10000000000000001\tGo\nM\tB:2\t10:00:01\t-2.5\t\n"
                        "S\t10:00:03\tA:1=9.9999999999999995e-21|odd=port:1=7\n";

} // namespace

class TestJournal : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        m_sandbox = std::make_unique<SettingsSandbox>();
        m_journal = std::make_unique<MeasurementJournal>();
        m_journal->setEnabled(true);
    }
    // The journal goes before its folder, and that before the next one, which would otherwise inherit it.
    void cleanup()
    {
        m_journal.reset();
        m_sandbox.reset();
    }

    void appendRewriteAndRestore()
    {
        m_journal->setEnabled(false);
        m_journal->append("ignored");
        QVERIFY(!QFile::exists(MeasurementJournal::filePath()));
        m_journal->setEnabled(true);
        m_journal->append("old");
        m_journal->append("");
        m_journal->appendMonoRecord(keyOf, 9, "t", 1, "Go"); // unknown device
        QCOMPARE(m_sandbox->readFile(kJournal), "old\n");    // on disk while the file is still open

        RecordingStore store;
        store.appendMono(1, 0.1, "10:00:00", "Go");
        store.appendMono(1, -2.5, "10:00:01", QString());
        store.appendMono(5, 9, "10:00:02", "Go");                         // no key: left out
        store.appendSnapshot({"10:00:03", {{2, 7}, {0, 1e-20}, {5, 1}}}); // 5 has no key
        store.appendSnapshot({"10:00:04", {}});                           // no value: left out
        m_journal->rewrite(store, keyOf);
        m_journal->append("after"); // reopens the replaced file
        QCOMPARE(m_sandbox->readFile(kJournal), kFilled.toUtf8() + "after\n");
        QCOMPARE(QDir(m_sandbox->path()).entryList(QDir::Files | QDir::Hidden), QStringList{kJournal});

        // Restored records come after what is already recorded.
        RecordingStore restored;
        restored.appendMono(1, 3, "09:00:00", "No Go");
        // Announced as one change per table, not row by row: views would spend minutes on a long shift.
        QSignalSpy rows(&restored, &RecordingStore::monoAppended);
        QSignalSpy snapshotRows(&restored, &RecordingStore::snapshotAppended);
        QSignalSpy changed(&restored, &RecordingStore::monoChanged);
        QSignalSpy snapshotsChanged(&restored, &RecordingStore::snapshotsChanged);
        MeasurementJournal::restore(m_journal->readRecoveryLines(), restored, indexOf);
        QCOMPARE(MeasurementJournal::content(restored, keyOf), "M\tB:2\t09:00:00\t3\tNo Go\n" + kFilled);
        QCOMPARE(rows.count() + snapshotRows.count(), 0);
        QVERIFY(snapshotsChanged.count() == 1 && changed.count() >= 1);
        QCOMPARE(restored.summary(1).count, restored.recordCount(1));

        m_journal->rewrite(RecordingStore(), keyOf);
        QVERIFY(!QFile::exists(MeasurementJournal::filePath()) && m_journal->readRecoveryLines().isEmpty());
    }

    // What a left-behind journal gives back: the lines kept (the count the user is asked about) and the
    // records restored from them, compared as the journal they would give again.
    void failedRewriteKeepsPreviousJournal()
    {
        // A file size limit makes the write fail even for root, for whom read-only folders do not count.
        QVERIFY(m_sandbox->writeFile(kJournal, "old\n"));
        RecordingStore store;
        for (int i = 0; i < 200; ++i)
            store.appendMono(0, i, "10:00:00", "Go");
        rlimit saved{};
        getrlimit(RLIMIT_FSIZE, &saved);
        rlimit small = saved;
        small.rlim_cur = 256;
        const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
        setrlimit(RLIMIT_FSIZE, &small);
        m_journal->rewrite(store, keyOf);
        setrlimit(RLIMIT_FSIZE, &saved);
        std::signal(SIGXFSZ, previousHandler);
        QCOMPARE(m_sandbox->readFile(kJournal), "old\n");
        QCOMPARE(QDir(m_sandbox->path()).entryList(QDir::Files | QDir::Hidden), QStringList{kJournal});
    }

    void recovery_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<int>("kept");
        QTest::addColumn<QString>("restored");
        QTest::newRow("blank and foreign lines")
            << QByteArray("\n \nX\ta\nm\tA:1\tt\t1\tG\nM A:1\nS\n") << 0 << "";
        QTest::newRow("CRLF, spaces, empty verdict")
            << QByteArray(" M\tA:1\tt\t1\t\r\nS\tt\tA:1=2 \r\n") << 2 << "M\tA:1\tt\t1\t\nS\tt\tA:1=2\n";
        QTest::newRow("too few fields, unknown devices")
            << QByteArray("M\tA:1\tt\t1.5\nM\tZ:9\tt\t1\tGo\nS\tt\nS\tt\tZ:9=1|Y:8=2\n") << 4 << "";
        QTest::newRow("value not a number, extra field")
            << QByteArray("M\tB:2\tt\tabc\t\tx") << 1 << "M\tB:2\tt\t0\t\n";
        QTest::newRow("key before the last =") << QByteArray("S\tt\todd=port:1=7|B:2=-1|A:1=0.25") << 1
                                               << "S\tt\tA:1=0.25|B:2=-1|odd=port:1=7\n";
        QTest::newRow("bad items skipped, later one wins")
            << QByteArray("S\tt\t=5|A:1||B:2=1|B:2=3") << 1 << "S\tt\tB:2=3\n";
    }
    void recovery()
    {
        QFETCH(QByteArray, file);
        QVERIFY(m_sandbox->writeFile(kJournal, file));
        const QStringList lines = m_journal->readRecoveryLines();
        QTEST(int(lines.size()), "kept");
        RecordingStore store;
        MeasurementJournal::restore(lines, store, indexOf);
        QTEST(MeasurementJournal::content(store, keyOf), "restored");
    }

private:
    std::unique_ptr<SettingsSandbox> m_sandbox;
    std::unique_ptr<MeasurementJournal> m_journal;
};

QTEST_MAIN(TestJournal)
#include "tst_journal.moc"
