#include "devices/deviceregistry.h"
#include "recording/keyboardemulation.h"
#include "recordingkeystrokesink.h"
#include "settingssandbox.h"
#include "workspace/recordingcontroller.h"

#include <QFile>
#include <QSet>
#include <QSignalSpy>
#include <QTest>

#include <memory>

namespace {

DeviceRecord modbus(const char *name, int address, double value, int precision = 3)
{
    DeviceRecord record;
    record.name = QString::fromLatin1(name);
    record.portName = QStringLiteral("COM1");
    record.address = quint8(address);
    record.precision = precision;
    record.connected = record.modbusHasValue = true;
    record.value = record.heldValue = value;
    return record;
}

} // namespace

// The recording rules without a window: which device is recorded when, into which table, what is typed
// and what reaches the journal. The cards' sync boxes are a set here.
class TestRecording : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void monoRecordsAreJudgedTypedAndJournaled();
    void newPeakAfterEveryRecording_data();
    void newPeakAfterEveryRecording();
    void offLineOrSilentInstrumentsAreNeverRecorded();
    void multiSnapshotHoldsOnlyCheckedDevicesWithValues();
    void syncTimerFillsMonoTablesAndTypesNothing();
    void deviceTimersFollowTheirDevice();
    void journalFollowsDeletesAndRestores();

private:
    RecordingStore &store() { return m_recording->store(); }

    std::unique_ptr<SettingsSandbox> m_sandbox;
    std::unique_ptr<DeviceRegistry> m_registry;
    std::unique_ptr<RecordingController> m_recording;
    QSet<int> m_sync;
    RecordingKeystrokeSink *m_keys = nullptr;
};

void TestRecording::init()
{
    m_sandbox = std::make_unique<SettingsSandbox>();
    QVERIFY(m_sandbox->writeFile(QStringLiteral("devices_config.ini"),
                                 "[KeyboardEmulation]\nenabled=true\nseparator=1\nterminator=3\n"));
    reloadKeyboardEmulationSettings();
    m_keys = RecordingKeystrokeSink::install();
    m_registry = std::make_unique<DeviceRegistry>();
    // A judged indicator, a peak-hold one, a plain one, a caliper that has sent nothing, and one with
    // no decimals.
    DeviceRecord judged = modbus("A", 1, 1.5);
    judged.measuringType = MeasuringMode::RangeLimits;
    judged.limitMin = 1.0;
    judged.limitMax = 2.0;
    DeviceRecord caliper;
    caliper.type = ConnectionKind::Bluetooth;
    caliper.portName = QStringLiteral("BLE");
    caliper.address = 1;
    caliper.connected = true;
    m_registry->devices() = {judged, modbus("B", 2, 3.5, 2), modbus("C", 3, 4.5, 2), caliper,
                             modbus("D", 4, 6.0, 0)};
    m_registry->devices()[1].measuringType = MeasuringMode::MaxPeek;
    m_sync.clear();
    m_recording = std::make_unique<RecordingController>(*m_registry,
                                                        [this](int index) { return m_sync.contains(index); });
    m_recording->startJournal();
}

void TestRecording::cleanup()
{
    m_recording.reset();
    m_sandbox.reset();
}

void TestRecording::monoRecordsAreJudgedTypedAndJournaled()
{
    m_recording->record(0);
    m_registry->devices()[0].value = 2.5;
    m_recording->record(0);
    m_recording->record(17); // outside the list
    QCOMPARE(store().records(0).values, (QList<double>{1.5, 2.5}));
    QCOMPARE(store().records(0).statuses, (QStringList{QStringLiteral("Go"), QStringLiteral("No Go")}));
    QCOMPARE(m_keys->keys().join(QString()), QStringLiteral("1.500<Enter>2.500<Enter>"));
    const QByteArray journal = m_sandbox->readFile(QStringLiteral("recovery_journal.log"));
    QVERIFY(journal.contains("M\tCOM1:1\t"));
    QVERIFY(journal.endsWith("\t2.5\tNo Go\n"));
}

void TestRecording::newPeakAfterEveryRecording_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<bool>("multi");
    QTest::addColumn<QString>("status");
    const char *names[] = {"MIN", "MAX", "RANGE", "MODULE"};
    for (int mode = MeasuringMode::MinPeek; mode <= MeasuringMode::ModulePeek; ++mode) {
        QTest::addRow("%s, mono", names[mode - 1]) << mode << false << QString::fromLatin1(names[mode - 1]);
        // In multi mode the device is not sync-checked: the capture still takes its peak.
        QTest::addRow("%s, multi capture", names[mode - 1])
            << mode << true << QString::fromLatin1(names[mode - 1]);
    }
}

void TestRecording::newPeakAfterEveryRecording()
{
    QFETCH(int, mode);
    QFETCH(bool, multi);
    QFETCH(QString, status);
    DeviceRecord &peak = m_registry->devices()[2];
    peak.measuringType = mode;
    peak.value = 0.5;
    peak.heldValue = 9.25;
    peak.heldValid = true;
    m_recording->setMultiMode(multi);
    m_sync = {0};
    m_recording->record(multi ? 0 : 2);
    QCOMPARE(store().records(2).values, QList<double>{9.25}); // the held peak, not the live value
    QCOMPARE(store().records(2).statuses, QStringList{status});
    QVERIFY(!peak.heldValid);
}

void TestRecording::offLineOrSilentInstrumentsAreNeverRecorded()
{
    // B went off line holding its last value; D was just added and has not answered yet.
    m_registry->devices()[1].connected = false;
    m_registry->devices()[4].modbusHasValue = false;
    m_sync = {0, 1, 4};

    for (int index : {1, 3, 4})
        m_recording->record(index); // clicks on the card or the big value
    m_recording->onSyncTimerTimeout();
    m_recording->setMultiMode(true);
    m_recording->record(1); // a sync-checked trigger that is off line starts no snapshot
    QCOMPARE(store().snapshots().size(), 0);
    m_recording->setMultiMode(false);
    m_recording->applyTimerSettings(false, 0, {{1, 5}, {2, 5}});
    QTRY_VERIFY(store().recordCount(2) >= 3);

    for (int index : {1, 3, 4})
        QCOMPARE(store().recordCount(index), 0);
    QCOMPARE(store().recordCount(0), 1);
}

void TestRecording::multiSnapshotHoldsOnlyCheckedDevicesWithValues()
{
    m_recording->setMultiMode(true);
    m_sync = {0, 2, 3};
    m_recording->record(1); // not sync-checked: nothing at all, not even mono rows
    QCOMPARE(store().snapshots().size(), 0);
    QCOMPARE(store().recordCount(1), 0);

    m_recording->record(2);
    QCOMPARE(store().snapshots().size(), 1);
    const MultiSnapshot &snap = store().snapshots().first();
    QCOMPARE(snap.values, (DeviceValues{{0, 1.5}, {2, 4.5}})); // the caliper has no value to give
    // Every capture records a mono row for each device with a value, checked or not.
    for (int index : {0, 1, 2, 4})
        QCOMPARE(store().recordCount(index), 1);
    QCOMPARE(m_keys->keys().join(QString()), QStringLiteral("1.500<Tab>4.50<Enter>"));
    QVERIFY(
        m_sandbox->readFile(QStringLiteral("recovery_journal.log")).contains("\tCOM1:1=1.5|COM1:3=4.5\n"));
}

void TestRecording::syncTimerFillsMonoTablesAndTypesNothing()
{
    QSignalSpy timers(m_recording.get(), &RecordingController::timersChanged);
    m_recording->applyTimerSettings(true, 100, {});
    QVERIFY(m_recording->isSyncTimerActive() && m_recording->anyTimerActive());
    QCOMPARE(timers.count(), 1);
    m_recording->onSyncTimerTimeout();
    m_recording->onSyncTimerTimeout();
    for (int index : {0, 1, 2, 4})
        QCOMPARE(store().recordCount(index), 2);
    QVERIFY(store().snapshots().isEmpty());
    QVERIFY(m_keys->keys().isEmpty());

    m_recording->setMultiMode(true);
    m_sync = {4};
    m_recording->onSyncTimerTimeout();
    QCOMPARE(store().snapshots().size(), 1);
    QCOMPARE(m_keys->keys().join(QString()), QStringLiteral("6<Enter>")); // precision 0: no decimal sign

    m_recording->applyTimerSettings(true, 0, {});
    QVERIFY(!m_recording->anyTimerActive());
}

void TestRecording::deviceTimersFollowTheirDevice()
{
    m_recording->applyTimerSettings(false, 0, {{0, 0}, {1, 5}, {2, 5}, {9, 100}});
    QCOMPARE(m_recording->deviceTimerCount(), 2); // 0 ms makes no timer, rows past the list are ignored
    QCOMPARE(m_registry->devices().at(2).timerIntervalMs, 5);

    // C moves to the front and B one down: each timer keeps recording its own device.
    m_registry->devices().move(2, 0);
    m_recording->moveDevice(2, 0);
    QTRY_VERIFY(store().recordCount(0) >= 2 && store().recordCount(2) >= 2);
    QCOMPARE(store().recordCount(1), 0);

    // C is deleted: its timer goes, B's follows B down to index 1.
    m_registry->devices().removeAt(0);
    m_recording->removeDevice(0);
    QCOMPARE(m_recording->deviceTimerCount(), 1);
    const int before = store().recordCount(1);
    QTRY_VERIFY(store().recordCount(1) > before);
    QCOMPARE(store().recordCount(0), 0);
}

void TestRecording::journalFollowsDeletesAndRestores()
{
    const QString path = m_sandbox->filePath(QStringLiteral("recovery_journal.log"));
    m_recording->record(0);
    m_recording->record(2);
    m_registry->devices().removeAt(0);
    m_recording->removeDevice(0);
    QByteArray journal = m_sandbox->readFile(QStringLiteral("recovery_journal.log"));
    QVERIFY(!journal.contains("COM1:1") && journal.contains("COM1:3"));
    const QStringList lines = m_recording->recoveryLines();
    QCOMPARE(lines.size(), 1);

    store().clearMono(1);
    m_recording->rewriteJournal();
    QVERIFY(!QFile::exists(path)); // nothing recorded: nothing to recover

    // A restart puts the lines back under the devices' present indexes.
    m_recording->startJournal(lines);
    QCOMPARE(store().records(1).values, QList<double>{4.5});
    QVERIFY(QFile::exists(path));
    m_recording->endJournal();
    QVERIFY(!QFile::exists(path));
    m_recording->record(1); // a closed journal writes nothing more
    QVERIFY(!QFile::exists(path));
}

QTEST_MAIN(TestRecording)
#include "tst_recording.moc"
