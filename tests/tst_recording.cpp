#include "modalanswerer.h"
#include "recordingkeystrokesink.h"
#include "settingssandbox.h"
#include "recording/keyboardemulation.h"
#include "recording/monotablemodel.h"
#include "recording/multitablemodel.h"
#include "workspace/device_visual.h"
#include "workspace/measuringsystem.h"
#include "workspace/usermanager.h"

#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTest>

#include <memory>

namespace {

// Four Modbus instruments (never refused) and one Bluetooth caliper that has sent nothing yet.
const QByteArray kDevices = "[Devices]\nsize=5\n"
                            "1\\name=A\n1\\portName=COM1\n1\\address=1\n1\\precision=3\n"
                            "1\\measuringType=7\n1\\limitMin=1\n1\\limitMax=2\n"
                            "2\\name=B\n2\\portName=COM1\n2\\address=2\n2\\measuringType=2\n"
                            "3\\name=C\n3\\portName=COM1\n3\\address=3\n"
                            "4\\name=Caliper\n4\\portName=BLE\n4\\address=1\n4\\type=1\n4\\mac=AA:BB:CC:DD:EE:01\n"
                            "5\\name=D\n5\\portName=COM1\n5\\address=4\n5\\precision=0\n";

QString cell(const QAbstractItemModel *model, int row, int column)
{
    return model->index(row, column).data().toString();
}

} // namespace

class TestRecording : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void toleranceVerdicts_data();
    void toleranceVerdicts();
    void monoRecordingRefusalAndPeakHold();
    void multiSnapshotsWithMissingValues();
    void syncTimerFillsMonoTablesAndTypesNothing();
    void deviceTimersFollowTheirDevice();
    void deletingADeviceDropsItsRecords();
    void journalMirrorsTheTablesAndIsRestored();
    void normalCloseLeavesNoJournal();
    void exportNeedsRowsInTheActiveMode();

private:
    std::unique_ptr<MeasuringSystem> openWindow();

    std::unique_ptr<SettingsSandbox> m_sandbox;
    RecordingKeystrokeSink *m_keys = nullptr;
};

void TestRecording::init()
{
    m_sandbox = std::make_unique<SettingsSandbox>();
    QVERIFY(m_sandbox->writeFile(QStringLiteral("settings.ini"), "[General]\nLanguage=uk_UA\n"));
    QVERIFY(m_sandbox->writeFile(QStringLiteral("devices_config.ini"),
                                 kDevices + "[KeyboardEmulation]\nenabled=true\nseparator=1\nterminator=3\n"));
    UserManager::instance()->reload();
    reloadKeyboardEmulationSettings();
    auto sink = std::make_unique<RecordingKeystrokeSink>();
    m_keys = sink.get();
    setKeystrokeSink(std::move(sink));
}

void TestRecording::cleanup()
{
    m_sandbox.reset();
}

std::unique_ptr<MeasuringSystem> TestRecording::openWindow()
{
    auto window = std::make_unique<MeasuringSystem>();
    for (int i : {0, 1, 2, 4}) {
        window->devices()[i].connected = true;
        window->devices()[i].value = window->devices()[i].heldValue = 1.5 + i;
    }
    return window;
}

void TestRecording::toleranceVerdicts_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("verdict");
    QTest::newRow("0 nothing") << 0 << 5.0 << QString();
    QTest::newRow("3 range peak") << 3 << 5.0 << QStringLiteral("RANGE");
    QTest::newRow("5 at the lower limit") << 5 << 1.0 << QStringLiteral("Go");
    QTest::newRow("5 below") << 5 << 0.9999 << QStringLiteral("No Go");
    QTest::newRow("6 just above the upper limit") << 6 << 1.0005 << QStringLiteral("No Go");
    QTest::newRow("6 at the upper limit") << 6 << 1.0 << QStringLiteral("Go");
    QTest::newRow("7 inside") << 7 << 1.0 << QStringLiteral("Go");
    QTest::newRow("7 above") << 7 << 1.0001 << QStringLiteral("No Go");
    QTest::newRow("9 unknown") << 9 << 1.0 << QString();
}

void TestRecording::toleranceVerdicts()
{
    QFETCH(int, mode);
    QFETCH(double, value);
    QFETCH(QString, verdict);
    const auto window = openWindow();
    DeviceRecord record;
    record.measuringType = mode;
    record.limitMin = mode == 7 ? 0.5 : 1.0;
    record.limitMax = 1.0;
    QCOMPARE(window->evaluateTolerance(record, value), verdict);
}

void TestRecording::monoRecordingRefusalAndPeakHold()
{
    const auto window = openWindow();
    window->onDeviceCardClicked(0);
    window->onDeviceDataClicked(0);
    window->devices()[0].value = 2.5;
    window->onDeviceDataClicked(0);
    const QAbstractItemModel *table = window->monoModel();
    QCOMPARE(table->rowCount(), 2);
    QCOMPARE(cell(table, 0, 2), QStringLiteral("1.500"));
    QCOMPARE(cell(table, 0, 3), QStringLiteral("Go"));
    QCOMPARE(cell(table, 1, 2), QStringLiteral("2.500"));
    QCOMPARE(cell(table, 1, 3), QStringLiteral("No Go"));
    QCOMPARE(table->headerData(2, Qt::Horizontal).toString(), QStringLiteral("Значення (mm)"));
    QCOMPARE(window->findChild<QLabel *>(QStringLiteral("monoSummaryLabel"))->text(),
             QStringLiteral("min: 1.500\nmax: 2.500\navg: 2.000"));
    QCOMPARE(m_keys->keys().join(QString()), QStringLiteral("1.500<Enter>2.500<Enter>"));

    // A Bluetooth caliper that has sent nothing is refused; so is an index outside the list.
    window->onDeviceDataClicked(3);
    window->onDeviceDataClicked(17);
    QCOMPARE(window->recordings().recordCount(3), 0);

    // Peak hold: the held value is recorded and invalidated afterwards.
    window->devices()[1].heldValid = true;
    window->devices()[1].heldValue = 9.25;
    window->onDeviceDataClicked(1);
    QCOMPARE(window->recordings().records(1).values, QList<double>{9.25});
    QCOMPARE(window->recordings().records(1).statuses, QStringList{QStringLiteral("MAX")});
    QVERIFY(!window->devices()[1].heldValid);
}

void TestRecording::multiSnapshotsWithMissingValues()
{
    const auto window = openWindow();
    window->cards().at(0)->setSyncChecked(true);
    window->cards().at(2)->setSyncChecked(true);
    window->cards().at(3)->setSyncChecked(true); // the caliper: no value yet
    QTest::mouseClick(window->findChild<QPushButton *>(QStringLiteral("Multi_Button")), Qt::LeftButton);
    const qsizetype typedBefore = m_keys->keys().size();

    window->onDeviceDataClicked(1); // not sync-checked: nothing at all, not even mono rows
    QCOMPARE(window->recordings().snapshots().size(), 0);
    QCOMPARE(window->recordings().recordCount(1), 0);

    window->devices()[1].heldValid = true;
    window->onDeviceDataClicked(2);
    const QAbstractItemModel *table = window->multiModel();
    QCOMPARE(table->rowCount(), 1);
    QCOMPARE(table->columnCount(), 5);
    QCOMPARE(table->headerData(4, Qt::Horizontal).toString(), QStringLiteral("Caliper (mm)"));
    QCOMPARE(cell(table, 0, 2), QStringLiteral("1.500"));
    QCOMPARE(cell(table, 0, 3), QStringLiteral("3.50"));
    QCOMPARE(cell(table, 0, 4), QStringLiteral("—"));
    QCOMPARE(table->index(0, 4).data(Qt::ForegroundRole).value<QColor>(), QColor(0xbb, 0xbb, 0xbb));
    // Every capture also records a mono row for each device with a value, checked or not.
    QCOMPARE(window->recordings().recordCount(1), 1);
    QVERIFY(!window->devices()[1].heldValid); // a captured peak hold starts afresh
    QCOMPARE(m_keys->keys().mid(typedBefore).join(QString()), QStringLiteral("1.500<Tab>3.50<Enter>"));

    QCOMPARE(window->multiColumnToDeviceIndex(3), 2);
    QCOMPARE(window->multiColumnToDeviceIndex(4), 3);
    QCOMPARE(window->multiColumnToDeviceIndex(1), 0);

    // Unchecking removes the column; the values stay in the snapshots.
    window->cards().at(2)->setSyncChecked(false);
    QCOMPARE(table->columnCount(), 4);
    window->cards().at(2)->setSyncChecked(true);
    QCOMPARE(cell(table, 0, 3), QStringLiteral("3.50"));
}

void TestRecording::syncTimerFillsMonoTablesAndTypesNothing()
{
    const auto window = openWindow();
    window->onDeviceCardClicked(4);
    const qsizetype typedBefore = m_keys->keys().size();
    window->applyTimerSettings(true, 100, {});
    QVERIFY(window->isSyncTimerActive());
    window->onSyncRecordTimerTimeout();
    window->onSyncRecordTimerTimeout();
    for (int i : {0, 1, 2, 4})
        QCOMPARE(window->recordings().recordCount(i), 2);
    QCOMPARE(window->recordings().recordCount(3), 0);
    QCOMPARE(window->monoModel()->rowCount(), 2);
    QCOMPARE(cell(window->monoModel(), 1, 2), QStringLiteral("6")); // precision 0: no decimal sign
    QCOMPARE(m_keys->keys().size(), typedBefore);

    window->applyTimerSettings(true, 0, {});
    QVERIFY(!window->isSyncTimerActive());
}

void TestRecording::deviceTimersFollowTheirDevice()
{
    const auto window = openWindow();
    window->applyTimerSettings(false, 0, {{0, 0}, {1, 3600000}, {2, 250}, {9, 100}});
    QCOMPARE(window->deviceTimerCount(), 2); // 0 ms makes no timer, rows past the list are ignored
    QCOMPARE(window->devices().at(2).timerIntervalMs, 250);

    // After moving device 2 to the front its timer still records device "C".
    window->onDeviceReorder(window->cards().at(2), window->cards().at(0));
    QTRY_VERIFY(window->recordings().recordCount(0) >= 1);
    QCOMPARE(window->devices().at(0).name, QStringLiteral("C"));
    QCOMPARE(window->recordings().recordCount(1), 0);
}

void TestRecording::deletingADeviceDropsItsRecords()
{
    const auto window = openWindow();
    window->onDeviceCardClicked(0);
    window->onDeviceDataClicked(0);
    window->onDeviceDataClicked(2);
    window->onDeviceDataClicked(4);
    window->onDeviceCardClicked(2);
    ModalAnswerer yes(QMessageBox::Yes);
    window->onDeleteDevice(window->cards().at(1));
    QCOMPARE(window->selectedDevice(), 1);
    QCOMPARE(window->recordings().recordCount(0), 1);
    QCOMPARE(window->recordings().recordCount(1), 1); // C moved down
    QCOMPARE(window->recordings().recordCount(3), 1); // D moved down
    QCOMPARE(window->monoModel()->rowCount(), 1);
}

void TestRecording::journalMirrorsTheTablesAndIsRestored()
{
    {
        const auto window = openWindow();
        window->onDeviceCardClicked(0);
        window->devices()[0].value = 0.1;
        window->onDeviceDataClicked(0);
        window->cards().at(0)->setSyncChecked(true);
        QTest::mouseClick(window->findChild<QPushButton *>(QStringLiteral("Multi_Button")), Qt::LeftButton);
        window->onDeviceDataClicked(0);
        const QByteArray journal = m_sandbox->readFile(QStringLiteral("recovery_journal.log"));
        QVERIFY(journal.contains("M\tCOM1:1\t"));
        QVERIFY(journal.contains("\t0.10000000000000001\tNo Go\n"));
        QVERIFY(journal.contains("S\t"));
        QVERIFY(journal.contains("\tCOM1:1=0.10000000000000001\n"));

        // Deleting the last rows rewrites the file; nothing left deletes it.
        window->recordings().removeSnapshot(0);
        for (int i = 0; i < 5; ++i)
            window->recordings().clearMono(i);
        window->rewriteJournal();
        QVERIFY(!QFile::exists(m_sandbox->filePath(QStringLiteral("recovery_journal.log"))));
        window->onDeviceDataClicked(0);
        window->onDeviceDataClicked(1);
    } // no close: as after a crash

    ModalAnswerer yes(QMessageBox::Yes);
    const auto next = openWindow();
    QVERIFY(yes.waitAnswered());
    QCOMPARE(yes.title(), QStringLiteral("Відновлення даних"));
    QVERIFY(yes.text().contains(QStringLiteral("(записів: 5)")));
    QCOMPARE(next->recordings().snapshots().size(), 1);
    QCOMPARE(next->recordings().recordCount(0), 1);
    QCOMPARE(next->recordings().recordCount(2), 1);
    QCOMPARE(next->recordings().records(0).values.first(), 0.1);
}

void TestRecording::normalCloseLeavesNoJournal()
{
    {
        const auto window = openWindow();
        window->onDeviceDataClicked(0);
        QVERIFY(QFile::exists(m_sandbox->filePath(QStringLiteral("recovery_journal.log"))));
        window->close();
    }
    QVERIFY(!QFile::exists(m_sandbox->filePath(QStringLiteral("recovery_journal.log"))));
    ModalAnswerer never(QMessageBox::Yes);
    const auto next = openWindow();
    QTest::qWait(500);
    QVERIFY(!never.answered());
}

void TestRecording::exportNeedsRowsInTheActiveMode()
{
    const auto window = openWindow();
    window->onDeviceCardClicked(0);
    window->onDeviceDataClicked(0);
    QTest::mouseClick(window->findChild<QPushButton *>(QStringLiteral("Multi_Button")), Qt::LeftButton);
    ModalAnswerer warning(QMessageBox::Ok);
    window->findChild<QAction *>(QStringLiteral("actionExportCsv"))->trigger();
    QVERIFY(warning.answered());
    QCOMPARE(warning.text(), QStringLiteral("Немає даних для експорту."));
}

QTEST_MAIN(TestRecording)
#include "tst_recording.moc"
