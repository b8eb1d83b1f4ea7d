#include "links/ble/bledevicescandialog.h"

#include <QBluetoothAddress>
#include <QBluetoothDeviceDiscoveryAgent>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include <memory>

using namespace Qt::StringLiterals;

namespace {

const QString kAddress = u"AA:BB:CC:00:00:0%1"_s;

QBluetoothDeviceInfo device(int n, const QString &name,
                            int core = QBluetoothDeviceInfo::LowEnergyCoreConfiguration)
{
    QBluetoothDeviceInfo info(QBluetoothAddress(kAddress.arg(n)), name, 0);
    info.setCoreConfigurations(QBluetoothDeviceInfo::CoreConfigurations(core));
    return info;
}

} // namespace

class TestBleDeviceScanDialog : public QObject
{
    Q_OBJECT

private slots:
    // Every test starts with a dialog whose scan has failed on an adapter that does not exist, so only
    // what the test feeds it is listed, with or without a radio on the machine.
    void init()
    {
        dialog = std::make_unique<BleDeviceScanDialog>(
            new QBluetoothDeviceDiscoveryAgent(QBluetoothAddress(u"00:11:22:33:44:55"_s)));
        list = dialog->findChild<QListWidget *>();
        status = dialog->findChild<QLabel *>(u"statusLabel"_s);
        add = dialog->findChild<QPushButton *>(u"addButton"_s);
        refresh = dialog->findChild<QPushButton *>(u"refreshButton"_s);
        QTRY_VERIFY(refresh->isEnabled());
    }
    void cleanup() { dialog.reset(); }

    void failedScanShowsTheReasonAndCanBeRepeated()
    {
        const QString reason = dialog->findChild<QBluetoothDeviceDiscoveryAgent *>()->errorString();
        QVERIFY(!reason.isEmpty());
        QCOMPARE(status->text(), u"Помилка сканування: %1"_s.arg(reason));
        // A new scan starts from an empty list and fails the same way instead of hanging.
        dialog->onDeviceDiscovered(device(1, u"VELKOR-A"_s));
        dialog->onItemClicked(list->item(0));
        QTest::mouseClick(refresh, Qt::LeftButton);
        QTRY_VERIFY(refresh->isEnabled());
        QCOMPARE(list->count(), 0);
        QVERIFY(dialog->selectedDevices().isEmpty());
        QVERIFY(!add->isEnabled());
        QCOMPARE(status->text(), u"Помилка сканування: %1"_s.arg(reason));
    }

    // Rows are named by the advertised name; only recognised names can be picked.
    void rows_data()
    {
        QTest::addColumn<int>("core");
        QTest::addColumn<QString>("protocol"); // null: listed grey
        const int le = QBluetoothDeviceInfo::LowEnergyCoreConfiguration;
        for (const char *name : {"VELKOR-C150", "velkor dial"})
            QTest::newRow(name) << le << u"VELKOR"_s;
        for (const char *name : {"s_dial work", "S_Cal EVO", "S_MIKE pro"})
            QTest::newRow(name) << le << u"Sylvac"_s;
        QTest::newRow("SY289") << (le | QBluetoothDeviceInfo::BaseRateCoreConfiguration) << u"Sylvac"_s;
        for (const char *name : {"S_Other", "My VELKOR", "VELKO", ""})
            QTest::newRow(name) << le << QString();
        // Classic Bluetooth only: not an instrument of this link, not listed.
        QTest::newRow("VELKOR-X") << int(QBluetoothDeviceInfo::BaseRateCoreConfiguration) << QString();
    }
    void rows()
    {
        QFETCH(int, core);
        QFETCH(QString, protocol);
        const QString name = QString::fromLatin1(QTest::currentDataTag());
        const bool listed = core & QBluetoothDeviceInfo::LowEnergyCoreConfiguration;
        dialog->onDeviceDiscovered(device(1, name, core));
        dialog->onScanFinished();
        QCOMPARE(status->text(),
                 u"Знайдено приладів: %1 (придатних: %2)"_s.arg(int(listed)).arg(int(!protocol.isNull())));
        if (!listed)
            return;
        QListWidgetItem *row = list->item(0);
        QCOMPARE(row->text(), (name.isEmpty() ? u"(без назви)"_s : name) + u"   [AA:BB:CC:00:00:01]"_s);
        QCOMPARE(bool(row->flags() & Qt::ItemIsEnabled), !protocol.isNull());
        QCOMPARE(row->foreground().color() == Qt::gray, protocol.isNull());
        QCOMPARE(row->toolTip().startsWith(u"Протокол: %1."_s.arg(protocol)), !protocol.isNull());
    }

    void pickingByClicks()
    {
        dialog->show();
        QVERIFY(QTest::qWaitForWindowExposed(dialog.get()));
        const auto click = [this](int row) {
            QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                              list->visualItemRect(list->item(row)).center());
        };
        const auto picked = [this] {
            QStringList names;
            for (const QBluetoothDeviceInfo &info : dialog->selectedDevices())
                names << info.name() + u' ' + info.address().toString();
            return names;
        };
        // The first one announces its name only later: one row, its text kept, the newer info taken.
        dialog->onDeviceDiscovered(device(1, QString()));
        dialog->onDeviceDiscovered(device(1, u"VELKOR-A"_s));
        dialog->onDeviceDiscovered(device(2, u"Headset"_s));
        dialog->onDeviceDiscovered(device(3, u"sylvac-B"_s));
        QCOMPARE(list->count(), 3);
        QCOMPARE(list->item(0)->text(), u"(без назви)   [AA:BB:CC:00:00:01]"_s);
        QVERIFY(!add->isEnabled());

        // A click picks and highlights a row, a second click lets it go.
        click(0);
        QVERIFY(add->isEnabled());
        QCOMPARE(list->item(0)->background().style(), Qt::SolidPattern);
        click(0);
        QVERIFY(!add->isEnabled());
        QCOMPARE(list->item(0)->background().style(), Qt::NoBrush);
        QVERIFY(list->item(0)->toolTip().contains(QLatin1String("VELKOR")));
        // The grey row cannot be picked.
        click(1);
        QVERIFY(!add->isEnabled());

        // Picked last row first: the result still follows the list.
        click(2);
        click(0);
        QCOMPARE(picked(), (QStringList{u"VELKOR-A AA:BB:CC:00:00:01"_s, u"sylvac-B AA:BB:CC:00:00:03"_s}));
        // Seen again under a name nobody knows: its pick is dropped.
        dialog->onDeviceDiscovered(device(3, u"Phone"_s));
        QCOMPARE(picked(), QStringList{u"VELKOR-A AA:BB:CC:00:00:01"_s});
        QTest::mouseClick(add, Qt::LeftButton);
        QCOMPARE(dialog->result(), int(QDialog::Accepted));
        dialog->onDeviceDiscovered(device(1, u"Phone"_s));
        QVERIFY(!add->isEnabled());
    }

private:
    std::unique_ptr<BleDeviceScanDialog> dialog;
    QListWidget *list = nullptr;
    QLabel *status = nullptr;
    QPushButton *add = nullptr;
    QPushButton *refresh = nullptr;
};

QTEST_MAIN(TestBleDeviceScanDialog)
#include "tst_bledevicescandialog.moc"
