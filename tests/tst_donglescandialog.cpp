#include "links/dongle/donglelink.h"
#include "links/dongle/donglescandialog.h"

#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

namespace {

// Dongles as the dialog sees them: present, openable, their room, and scans started.
class FakeDongles : public DongleLink
{
public:
    struct Dongle
    {
        QString port;
        bool opens = true;
        int limit = 8;
        int used = 0;
    };

    QStringList availableDonglePorts() const override
    {
        QStringList ports;
        for (const Dongle &dongle : dongles)
            ports.append(dongle.port);
        return ports;
    }
    bool openDongle(const QString &port) override { return find(port) && find(port)->opens; }
    bool isOpen(const QString &port) const override { return find(port) && find(port)->opens; }
    int maxConnections(const QString &port) const override { return isOpen(port) ? find(port)->limit : 0; }
    int devicesOnPort(const QString &port) const override { return find(port) ? find(port)->used : 0; }
    bool startScan(const QString &port) override
    {
        scans.append(port);
        return true;
    }
    void stopScan() override { ++stops; }
    void connectDevice(const QString &, const QString &, int, const QString &) override {}
    void disconnectDevice(const QString &) override {}
    bool zero(const QString &) override { return false; }
    bool downloadMemory(const QString &) override { return false; }

    QList<Dongle> dongles;
    QStringList scans;
    int stops = 0;

private:
    const Dongle *find(const QString &port) const
    {
        for (const Dongle &dongle : dongles) {
            if (dongle.port == port)
                return &dongle;
        }
        return nullptr;
    }
};

template<typename T> T *child(const QWidget &dialog, const char *name)
{
    return dialog.findChild<T *>(QLatin1String(name));
}

} // namespace

Q_DECLARE_METATYPE(FakeDongles::Dongle)

class TestDongleScanDialog : public QObject
{
    Q_OBJECT

private slots:
    void donglesWithRoomAreOffered_data()
    {
        QTest::addColumn<QList<FakeDongles::Dongle>>("dongles");
        QTest::addColumn<QStringList>("offered");
        QTest::addColumn<QString>("status");
        using D = FakeDongles::Dongle;
        QTest::newRow("room on one, the other full")
            << QList<D>{{"/dev/ttyACM0", true, 8, 2}, {"/dev/ttyACM1", true, 3, 3}}
            << QStringList{"/dev/ttyACM0 — 2 з 8"} << "Пошук приладів...";
        QTest::newRow("one that cannot be opened is listed bare")
            << QList<D>{{"/dev/ttyACM0", false, 8, 0}} << QStringList{"/dev/ttyACM0"}
            << "Не вдалося відкрити донгл на /dev/ttyACM0.";
        QTest::newRow("all full") << QList<D>{{"/dev/ttyACM1", true, 3, 3}} << QStringList{}
                                  << "Усі донгли заповнені. Звільніть місце або під'єднайте ще один донгл.";
        QTest::newRow("none") << QList<D>{} << QStringList{}
                              << "Донгл не знайдено. Під'єднайте його й натисніть «Оновити».";
    }

    void donglesWithRoomAreOffered()
    {
        QFETCH(QList<FakeDongles::Dongle>, dongles);
        QFETCH(QStringList, offered);
        QFETCH(QString, status);
        FakeDongles link;
        link.dongles = dongles;
        DongleDeviceScanDialog dialog(4, &link);
        QStringList texts;
        auto *combo = child<QComboBox>(dialog, "dongleCombo");
        for (int i = 0; i < combo->count(); ++i)
            texts.append(combo->itemText(i));
        QCOMPARE(texts, offered);
        QCOMPARE(child<QLabel>(dialog, "statusLabel")->text(), status);
        QCOMPARE(link.scans.size(), status == QStringLiteral("Пошук приладів...") ? 1 : 0);
        QCOMPARE(child<QPushButton>(dialog, "refreshButton")->text() == QStringLiteral("Оновити список"),
                 offered.isEmpty());
    }

    void heardDevicesArePickedAndReturned()
    {
        FakeDongles link;
        link.dongles = {{"/dev/ttyACM0", true, 8, 0}};
        DongleDeviceScanDialog dialog(4, &link);
        auto *refresh = child<QPushButton>(dialog, "refreshButton");
        auto *add = child<QPushButton>(dialog, "addButton");
        QVERIFY(!refresh->isEnabled()); // not during a scan
        emit link.deviceDiscovered("AA:00:00:00:00:01", "VELKOR CAL-150", -58);
        emit link.deviceDiscovered("AA:00:00:00:00:02", "Heart Rate", -70);
        emit link.deviceDiscovered("AA:00:00:00:00:01", "VELKOR CAL-150", -40); // heard again: no new row
        emit link.deviceDiscovered("AA:00:00:00:00:03", "SY289", -66);
        auto *list = child<QListWidget>(dialog, "deviceList");
        QCOMPARE(list->count(), 3);
        QCOMPARE(list->item(0)->text(),
                 QStringLiteral("VELKOR CAL-150   [AA:00:00:00:00:01]   -58 dBm   VELKOR"));
        QCOMPARE(list->item(1)->text(), QStringLiteral("Heart Rate   [AA:00:00:00:00:02]   -70 dBm"));
        QVERIFY(!(list->item(1)->flags() & Qt::ItemIsEnabled));

        dialog.onItemClicked(list->item(1)); // grey: cannot be picked
        QVERIFY(!add->isEnabled());
        dialog.onItemClicked(list->item(2));
        dialog.onItemClicked(list->item(0));
        dialog.onItemClicked(list->item(0));
        QVERIFY(add->isEnabled());
        dialog.onScanFinished();
        QVERIFY(refresh->isEnabled());
        QCOMPARE(link.stops, 1);
        QCOMPARE(child<QLabel>(dialog, "statusLabel")->text(),
                 QStringLiteral("Знайдено придатних приладів: 2"));
        QCOMPARE(dialog.selectedPort(), QStringLiteral("/dev/ttyACM0"));
        QCOMPARE(dialog.selectedDevices(), (QList<QPair<QString, QString>>{{"AA:00:00:00:00:03", "SY289"}}));
    }
};

QTEST_MAIN(TestDongleScanDialog)
#include "tst_donglescandialog.moc"
