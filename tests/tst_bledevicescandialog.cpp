#include "links/ble/bledevicescandialog.h"

#include <QBluetoothAddress>
#include <QBluetoothDeviceDiscoveryAgent>
#include <QElapsedTimer>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include <memory>

namespace {

const QString kUnknownTooltip = QStringLiteral("Прилад невідомого типу — додати не можна");
const QString kSelectedTooltip = QStringLiteral("Обрано — клікніть ще раз, щоб зняти вибір");
const QColor kSelectedColour(198, 235, 205);

QBluetoothDeviceInfo
device(const QString &address, const QString &name,
       QBluetoothDeviceInfo::CoreConfigurations core = QBluetoothDeviceInfo::LowEnergyCoreConfiguration)
{
    QBluetoothDeviceInfo info(QBluetoothAddress(address), name, 0);
    info.setCoreConfigurations(core);
    return info;
}

QString status(BleDeviceScanDialog &dialog)
{
    return dialog.findChild<QLabel *>(QStringLiteral("statusLabel"))->text();
}

QListWidget *list(BleDeviceScanDialog &dialog)
{
    return dialog.findChild<QListWidget *>(QStringLiteral("deviceList"));
}

QPushButton *button(BleDeviceScanDialog &dialog, const char *name)
{
    return dialog.findChild<QPushButton *>(QLatin1String(name));
}

// A dialog whose scan has already failed on an adapter that does not exist, so only what the test feeds
// it is listed, with or without a radio on the machine.
std::unique_ptr<BleDeviceScanDialog> idleDialog()
{
    auto dialog = std::make_unique<BleDeviceScanDialog>(
        new QBluetoothDeviceDiscoveryAgent(QBluetoothAddress(QStringLiteral("00:11:22:33:44:55"))));
    if (!QTest::qWaitFor([&] { return button(*dialog, "refreshButton")->isEnabled(); }, 5000))
        QTest::qFail("the failed scan did not settle", __FILE__, __LINE__);
    return dialog;
}

// A click where the user would click: on the row in the list.
void clickRow(BleDeviceScanDialog &dialog, int row)
{
    QListWidget *view = list(dialog);
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->visualItemRect(view->item(row)).center());
}

} // namespace

class TestBleDeviceScanDialog : public QObject
{
    Q_OBJECT

private slots:
    void withoutAdapterShowsTheErrorAndAllowsRetry()
    {
        QElapsedTimer clock;
        clock.start();
        BleDeviceScanDialog dialog;
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Додавання Bluetooth-приладу"));
        QTRY_VERIFY_WITH_TIMEOUT(status(dialog).startsWith(QStringLiteral("Помилка сканування: ")), 5000);
        QVERIFY(status(dialog).size() > QStringLiteral("Помилка сканування: ").size());
        QVERIFY(button(dialog, "refreshButton")->isEnabled());
        QVERIFY(!button(dialog, "addButton")->isEnabled());

        // Refreshing again fails the same way instead of hanging with the button disabled.
        QTest::mouseClick(button(dialog, "refreshButton"), Qt::LeftButton);
        QTRY_VERIFY_WITH_TIMEOUT(button(dialog, "refreshButton")->isEnabled(), 5000);
        QVERIFY(status(dialog).startsWith(QStringLiteral("Помилка сканування: ")));
        QVERIFY(clock.elapsed() < 5000);
    }

    void rowsAndDuplicates()
    {
        auto dialog = idleDialog();
        QListWidget *view = list(*dialog);

        dialog->onDeviceDiscovered(device(QStringLiteral("AA:BB:CC:00:00:01"), QString()));
        dialog->onDeviceDiscovered(device(QStringLiteral("AA:BB:CC:00:00:02"), QStringLiteral("SY289"),
                                          QBluetoothDeviceInfo::BaseRateAndLowEnergyCoreConfiguration));
        // Classic-only devices are not instruments of this link.
        dialog->onDeviceDiscovered(device(QStringLiteral("AA:BB:CC:00:00:03"), QStringLiteral("VELKOR-X"),
                                          QBluetoothDeviceInfo::BaseRateCoreConfiguration));
        QCOMPARE(view->count(), 2);

        QListWidgetItem *nameless = view->item(0);
        QCOMPARE(nameless->text(), QStringLiteral("(без назви)   [AA:BB:CC:00:00:01]"));
        QCOMPARE(nameless->flags(), Qt::NoItemFlags);
        QCOMPARE(nameless->foreground().color(), QColor(Qt::gray));
        QCOMPARE(nameless->toolTip(), kUnknownTooltip);
        QCOMPARE(view->item(1)->text(), QStringLiteral("SY289   [AA:BB:CC:00:00:02]"));
        QCOMPARE(view->item(1)->toolTip(),
                 QStringLiteral("Протокол: Sylvac. Клікніть, щоб обрати цей прилад"));

        // The nameless device announces its name later: one row, same text, now pickable with the new info.
        dialog->onDeviceDiscovered(
            device(QStringLiteral("AA:BB:CC:00:00:01"), QStringLiteral("VELKOR-C150")));
        QCOMPARE(view->count(), 2);
        QCOMPARE(nameless->text(), QStringLiteral("(без назви)   [AA:BB:CC:00:00:01]"));
        QVERIFY(nameless->flags() & Qt::ItemIsEnabled);
        QCOMPARE(nameless->toolTip(), QStringLiteral("Протокол: VELKOR. Клікніть, щоб обрати цей прилад"));
        dialog->onItemClicked(nameless);
        QCOMPARE(dialog->selectedDevices().size(), 1);
        QCOMPARE(dialog->selectedDevices().first().name(), QStringLiteral("VELKOR-C150"));

        // Seen again under a name nobody knows: the pick is dropped and adding is no longer possible.
        dialog->onDeviceDiscovered(device(QStringLiteral("AA:BB:CC:00:00:01"), QStringLiteral("Phone")));
        QCOMPARE(nameless->flags(), Qt::NoItemFlags);
        QVERIFY(dialog->selectedDevices().isEmpty());
        QVERIFY(!button(*dialog, "addButton")->isEnabled());
    }

    void pickingByClicks()
    {
        auto dialog = idleDialog();
        dialog->show();
        QVERIFY(QTest::qWaitForWindowExposed(dialog.get()));
        QListWidget *view = list(*dialog);
        QPushButton *add = button(*dialog, "addButton");

        dialog->onDeviceDiscovered(device(QStringLiteral("AA:BB:CC:00:00:01"), QStringLiteral("VELKOR-A")));
        dialog->onDeviceDiscovered(device(QStringLiteral("AA:BB:CC:00:00:02"), QStringLiteral("Headset")));
        dialog->onDeviceDiscovered(device(QStringLiteral("AA:BB:CC:00:00:03"), QStringLiteral("sylvac-B")));
        QVERIFY(!add->isEnabled());

        clickRow(*dialog, 0);
        QCOMPARE(view->item(0)->background().color(), kSelectedColour);
        QCOMPARE(view->item(0)->toolTip(), kSelectedTooltip);
        QVERIFY(add->isEnabled());

        clickRow(*dialog, 0);
        QCOMPARE(view->item(0)->background().style(), Qt::NoBrush);
        QCOMPARE(view->item(0)->toolTip(),
                 QStringLiteral("Протокол: VELKOR. Клікніть, щоб обрати цей прилад"));
        QVERIFY(!add->isEnabled());

        // The grey row cannot be picked, by click or by the slot.
        clickRow(*dialog, 1);
        dialog->onItemClicked(view->item(1));
        dialog->onItemClicked(nullptr);
        QVERIFY(!add->isEnabled());
        QCOMPARE(view->item(1)->toolTip(), kUnknownTooltip);

        // Picked last row first: the result still follows the list.
        clickRow(*dialog, 2);
        clickRow(*dialog, 0);
        const QList<QBluetoothDeviceInfo> picked = dialog->selectedDevices();
        QCOMPARE(picked.size(), 2);
        QCOMPARE(picked.at(0).address().toString(), QStringLiteral("AA:BB:CC:00:00:01"));
        QCOMPARE(picked.at(1).address().toString(), QStringLiteral("AA:BB:CC:00:00:03"));

        QTest::mouseClick(add, Qt::LeftButton);
        QCOMPARE(dialog->result(), int(QDialog::Accepted));
    }

    void statusTexts()
    {
        auto dialog = idleDialog();
        dialog->onDeviceDiscovered(device(QStringLiteral("AA:BB:CC:00:00:01"), QStringLiteral("VELKOR-A")));
        dialog->onDeviceDiscovered(device(QStringLiteral("AA:BB:CC:00:00:02"), QString()));
        dialog->onDeviceDiscovered(device(QStringLiteral("AA:BB:CC:00:00:03"), QStringLiteral("S_Dial 1")));
        dialog->onDeviceDiscovered(device(QStringLiteral("AA:BB:CC:00:00:01"), QStringLiteral("VELKOR-A")));
        dialog->onScanFinished();
        QCOMPARE(status(*dialog), QStringLiteral("Знайдено приладів: 3 (придатних: 2)"));
        QVERIFY(button(*dialog, "refreshButton")->isEnabled());

        dialog->onScanError();
        const QString reason = dialog->findChild<QBluetoothDeviceDiscoveryAgent *>()->errorString();
        QVERIFY(!reason.isEmpty());
        QCOMPARE(status(*dialog), QStringLiteral("Помилка сканування: %1").arg(reason));

        // A new scan starts from an empty list.
        dialog->onItemClicked(list(*dialog)->item(0));
        QTest::mouseClick(button(*dialog, "refreshButton"), Qt::LeftButton);
        QCOMPARE(list(*dialog)->count(), 0);
        QVERIFY(dialog->selectedDevices().isEmpty());
        QVERIFY(!button(*dialog, "addButton")->isEnabled());
        dialog->onScanFinished();
        QCOMPARE(status(*dialog), QStringLiteral("Знайдено приладів: 0 (придатних: 0)"));
    }

    void cancelRejects()
    {
        auto dialog = idleDialog();
        dialog->onDeviceDiscovered(device(QStringLiteral("AA:BB:CC:00:00:01"), QStringLiteral("VELKOR-A")));
        dialog->onItemClicked(list(*dialog)->item(0));
        QTest::mouseClick(button(*dialog, "cancelButton"), Qt::LeftButton);
        QCOMPARE(dialog->result(), int(QDialog::Rejected));
    }
};

QTEST_MAIN(TestBleDeviceScanDialog)
#include "tst_bledevicescandialog.moc"
