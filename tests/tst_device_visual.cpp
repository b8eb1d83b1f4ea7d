#include "devices/devicerecord.h"
#include "workspace/device_visual.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDataStream>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QPushButton>
#include <QSignalSpy>
#include <QStyleOptionButton>
#include <QTest>
#include <QVBoxLayout>

#include <algorithm>
#include <memory>

Q_DECLARE_METATYPE(DeviceRecord)

namespace {

QMimeData *payloadMime(const QByteArray &payload)
{
    auto *mime = new QMimeData;
    mime->setData(Device_visual::mimeType(), payload);
    return mime;
}

QByteArray addressPayload(const void *address)
{
    QByteArray payload;
    QDataStream(&payload, QIODevice::WriteOnly) << reinterpret_cast<quintptr>(address);
    return payload;
}

// What the windowing system delivers while a card is dragged over `target` (drag enter) or dropped on it.
bool deliver(Device_visual *target, const QMimeData *mime, bool drop)
{
    QDragEnterEvent enter(QPoint(10, 10), Qt::MoveAction, mime, Qt::LeftButton, Qt::NoModifier);
    QDropEvent dropped(QPointF(10, 10), Qt::MoveAction, mime, Qt::LeftButton, Qt::NoModifier);
    QDropEvent *event = drop ? &dropped : &enter;
    QApplication::sendEvent(target, event);
    return event->isAccepted();
}

DeviceRecord record(int type, const QString &port, int protocol = 0, int battery = -1, int rssi = 0,
                    int unit = 0)
{
    DeviceRecord r;
    r.type = type;
    r.address = 247;
    r.mac = "C4:7F:51:0A:12:9E";
    r.portName = r.hidPath = r.donglePort = port;
    r.bleProtocol = protocol;
    r.batteryPercent = battery;
    r.rssiDbm = rssi;
    r.serialUnit = unit;
    return r;
}

// The drag itself needs a real windowing system; this card only records that it would have started one.
class DragRecordingCard : public Device_visual
{
public:
    using Device_visual::Device_visual;
    int dragsStarted = 0;

protected:
    void startDrag() override { ++dragsStarted; }
};

} // namespace

class TestDeviceVisual : public QObject
{
    Q_OBJECT

    std::unique_ptr<QWidget> m_window;

    template<typename Card = Device_visual> Card *addCard(int kind = ConnectionKind::Modbus)
    {
        auto *card = new Card(QStringLiteral("Прилад"), kind, m_window.get());
        m_window->layout()->addWidget(card);
        return card;
    }

private slots:
    void init()
    {
        m_window = std::make_unique<QWidget>();
        new QVBoxLayout(m_window.get());
        m_window->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
    }

    void cleanup()
    {
        m_window.reset();
        Device_visual::setScale(1.0);
    }

    void displayMode_data()
    {
        QTest::addColumn<int>("measuringType");
        QTest::addColumn<double>("value");
        QTest::addColumn<int>("mode");
        // Limits 1.0 .. 2.0; the limit rule itself has its own table with the device record.
        QTest::newRow("0 disabled") << 0 << 5.0 << int(Device_visual::Normal);
        QTest::newRow("1 min peak") << 1 << 5.0 << int(Device_visual::Min);
        QTest::newRow("2 max peak") << 2 << 5.0 << int(Device_visual::Max);
        QTest::newRow("3 range peak shows min") << 3 << 5.0 << int(Device_visual::Min);
        QTest::newRow("4 module peak shows min") << 4 << 5.0 << int(Device_visual::Min);
        QTest::newRow("7 inside") << 7 << 1.5 << int(Device_visual::Go);
        QTest::newRow("7 outside") << 7 << 2.5 << int(Device_visual::NoGo);
        QTest::newRow("8 always go") << 8 << 100.0 << int(Device_visual::Go);
    }

    void displayMode()
    {
        QFETCH(int, measuringType);
        QFETCH(double, value);
        QFETCH(int, mode);
        // Start from the opposite colouring so a missed restyle shows.
        Device_visual *card = addCard();
        auto *button = card->findChild<QPushButton *>("valueButton");
        card->setTolerance(mode == Device_visual::NoGo ? 1.5 : 0.0, 7, 1.0, 2.0);
        const QString before = button->styleSheet();
        card->setTolerance(value, measuringType, 1.0, 2.0);
        QCOMPARE(int(card->displayMode()), mode);
        QVERIFY(button->styleSheet() != before);
    }

    void tickedSyncBoxShowsItsTick()
    {
        auto *box = addCard()->findChild<QCheckBox *>("syncCheckBox");
        box->setChecked(true);
        QStyleOptionButton option;
        option.initFrom(box);
        const QRect indicator = box->style()->subElementRect(QStyle::SE_CheckBoxIndicator, &option, box);
        const QImage image = box->grab().toImage();
        // The ticked box is dark: only a drawn tick puts light pixels inside it.
        int light = 0;
        for (int y = indicator.top() + 3; y <= indicator.bottom() - 3; ++y) {
            for (int x = indicator.left() + 3; x <= indicator.right() - 3; ++x)
                light += qGray(image.pixel(x, y)) > 192 ? 1 : 0;
        }
        QVERIFY2(light >= 10, qPrintable(QString::number(light)));
    }

    void valueText_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<int>("precision");
        QTest::addColumn<QString>("text");

        QTest::newRow("no value yet") << Device_visual::kNoValue << 3 << "---";
        QTest::newRow("precision 0 rounds") << 12.5678 << 0 << "13";
        QTest::newRow("precision 6 pads") << -0.125 << 6 << "-0.125000";
        QTest::newRow("precision 9 falls back to 2") << 1.0 / 3.0 << 9 << "0.33";
        QTest::newRow("negative precision falls back to 2") << 2.0 << -1 << "2.00";
    }

    void valueText()
    {
        QFETCH(double, value);
        QFETCH(int, precision);
        QFETCH(QString, text);

        // Value first: a later precision change has to re-render what the button shows.
        Device_visual *card = addCard();
        card->setValue(value);
        card->setPrecision(precision);
        QCOMPARE(card->findChild<QPushButton *>("valueButton")->text(), text);
    }

    void statusLine_data()
    {
        QTest::addColumn<DeviceRecord>("record");
        QTest::addColumn<QString>("text");

        using namespace ConnectionKind;
        const QString mac = "C4:7F:51:0A:12:9E | ";
        const QString hidPath = R"(\\?\HID#VID_0C45&PID_7403&MI_00#7&2a0b1c3&0&0000#{884b96c3-56ef-11d1})";
        QTest::newRow("modbus") << record(Modbus, "/dev/ttyUSB0") << "ADDR: 247 | /dev/ttyUSB0";
        QTest::newRow("hid with usb ids") << record(HidKeyboard, hidPath) << "HID | VID_0C45 PID_7403";
        QTest::newRow("hid without usb ids") << record(HidKeyboard, "serio-0#event3") << "HID-клавіатура";
        // Direct Bluetooth never shows a dongle port; battery 0% is known, an RSSI of zero or above is not.
        QTest::newRow("ble, all known")
            << record(Bluetooth, "COM7", 1, 87, -61) << mac + "BLE | Sylvac | 87% | -61 dBm";
        QTest::newRow("ble, 0%, rssi 0") << record(Bluetooth, "COM7", 0, 0, 0) << mac + "BLE | 0%";
        QTest::newRow("nrf, no dongle, rssi 5") << record(NrfDongle, "", 0, -1, 5) << mac + "донгл ?";
        QTest::newRow("bled112, rssi -1")
            << record(Bled112Dongle, "/dev/ttyACM0", 0, -1, -1) << mac + "/dev/ttyACM0 | -1 dBm";
        QTest::newRow("sylvac inch") << record(SylvacCable, "COM4", 0, -1, 0, 1) << "Sylvac | COM4 | дюйми";
        QTest::newRow("sylvac, other unit is mm")
            << record(SylvacCable, "COM4", 0, -1, 0, 2) << "Sylvac | COM4 | мм";
    }

    void statusLine()
    {
        QFETCH(DeviceRecord, record);
        QFETCH(QString, text);
        QCOMPARE(Device_visual::statusTextFor(record), text);
    }

    void connectionSignalOnlyOnChange()
    {
        Device_visual *card = addCard();
        QSignalSpy changed(card, &Device_visual::connectionStatusChanged);
        // A new card already shows itself on line; the refresh repeats states ten times a second.
        for (bool connected : {true, false, false, false, true})
            card->setConnected(connected);
        QCOMPARE(changed.count(), 2);
        QCOMPARE(changed.at(0).at(0).toBool(), false);
    }

    void buttonsEmit_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("button");
        QTest::addColumn<QByteArray>("signal");
        QTest::addColumn<int>("count");

        const int modbus = ConnectionKind::Modbus;
        QTest::newRow("value") << modbus << "valueButton" << QByteArray(SIGNAL(dataClicked())) << 1;
        QTest::newRow("statistics") << modbus << "statisticsButton"
                                    << QByteArray(SIGNAL(statisticsRequested())) << 1;
        QTest::newRow("zero") << modbus << "zeroButton" << QByteArray(SIGNAL(zeroClicked())) << 1;
        QTest::newRow("zero of a keyboard instrument is off")
            << int(ConnectionKind::HidKeyboard) << "zeroButton" << QByteArray(SIGNAL(zeroClicked())) << 0;
        QTest::newRow("sync box") << modbus << "syncCheckBox" << QByteArray(SIGNAL(syncToggled(bool))) << 1;
    }

    void buttonsEmit()
    {
        QFETCH(int, kind);
        QFETCH(QString, button);
        QFETCH(QByteArray, signal);
        QFETCH(int, count);

        Device_visual *card = addCard(kind);
        QSignalSpy emitted(card, signal.constData());
        QTest::mouseClick(card->findChild<QWidget *>(button), Qt::LeftButton, {}, QPoint(5, 5));
        QCOMPARE(emitted.count(), count);
    }

    void infoAreaPressAndRelease_data()
    {
        QTest::addColumn<Qt::MouseButton>("button");
        QTest::addColumn<int>("moveBy"); // -1: one short of the drag distance, 1: exactly it, 0: no move
        QTest::addColumn<int>("clicks");
        QTest::addColumn<int>("drags");

        QTest::newRow("press and release") << Qt::LeftButton << 0 << 1 << 0;
        QTest::newRow("small wobble is still a click") << Qt::LeftButton << -1 << 1 << 0;
        QTest::newRow("moving far starts a drag") << Qt::LeftButton << 1 << 0 << 1;
        QTest::newRow("right button opens nothing") << Qt::RightButton << 0 << 0 << 0;
    }

    void infoAreaPressAndRelease()
    {
        QFETCH(Qt::MouseButton, button);
        QFETCH(int, moveBy);
        QFETCH(int, clicks);
        QFETCH(int, drags);

        auto *card = addCard<DragRecordingCard>();
        auto *info = card->findChild<QPushButton *>("infoButton");
        QSignalSpy clicked(card, &Device_visual::cardClicked);

        const QPoint start(20, 20);
        // Split over both axes: the threshold is a Manhattan distance, not a Euclidean one.
        const int distance = QApplication::startDragDistance() + std::min(moveBy, 0);
        QTest::mousePress(info, button, {}, start);
        if (moveBy != 0)
            QTest::mouseMove(info, start + QPoint(distance / 2, distance - distance / 2));
        QTest::mouseRelease(info, button, {}, start);

        QCOMPARE(clicked.count(), clicks);
        QCOMPARE(card->dragsStarted, drags);
    }

    void contextMenu_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<bool>("memoryDump");

        QTest::newRow("modbus") << int(ConnectionKind::Modbus) << false;
        QTest::newRow("ble") << int(ConnectionKind::Bluetooth) << true;
        QTest::newRow("nrf dongle") << int(ConnectionKind::NrfDongle) << true;
    }

    void contextMenu()
    {
        QFETCH(int, kind);
        QFETCH(bool, memoryDump);

        Device_visual *card = addCard(kind);
        QSignalSpy edit(card, &Device_visual::editRequested);
        QSignalSpy dump(card, &Device_visual::memoryDumpRequested);
        QSignalSpy remove(card, &Device_visual::deleteRequested);
        QList<QSignalSpy *> expected{&edit, &remove};
        if (memoryDump)
            expected.insert(1, &dump);

        // Each entry, in order, asks for its own thing about this card and nothing else.
        const QList<QAction *> actions = card->contextMenuActions();
        QCOMPARE(actions.size(), expected.size());
        for (int i = 0; i < actions.size(); ++i) {
            actions.at(i)->trigger();
            QCOMPARE(edit.count() + dump.count() + remove.count(), 1);
            QCOMPARE(expected.at(i)->takeFirst().at(0).value<Device_visual *>(), card);
        }
    }

    void drop_data()
    {
        QTest::addColumn<QString>("payload");
        QTest::newRow("sibling card") << "sibling";
        QTest::newRow("random address") << "random";
        QTest::newRow("truncated payload") << "truncated";
        QTest::newRow("trailing bytes") << "trailing";
        QTest::newRow("address of a deleted card") << "deleted";
        QTest::newRow("card in another window") << "other window";
        QTest::newRow("the card itself") << "self";
    }

    void drop()
    {
        QFETCH(QString, payload);

        Device_visual *target = addCard();
        Device_visual *sibling = addCard();
        const QByteArray siblingPayload = addressPayload(sibling);
        QWidget otherWindow;
        auto *stranger = new Device_visual("Чужий", ConnectionKind::Modbus, &otherWindow);
        QSignalSpy reorder(target, &Device_visual::reorderRequested);

        std::unique_ptr<QMimeData> mime;
        if (payload == "sibling") // what a real drag of a card carries
            mime.reset(sibling->createDragMimeData());
        else if (payload ==
                 "random") // looks like a heap address but names nothing of ours: never dereferenced
            mime.reset(payloadMime(addressPayload(reinterpret_cast<void *>(0x5555deadbee0))));
        else if (payload == "truncated")
            mime.reset(payloadMime(siblingPayload.chopped(1)));
        else if (payload == "trailing")
            mime.reset(payloadMime(siblingPayload + QByteArray("\x00\x01", 2)));
        else if (payload == "deleted")
            mime.reset(std::unique_ptr<Device_visual>(addCard())->createDragMimeData());
        else if (payload == "other window")
            mime.reset(stranger->createDragMimeData());
        else
            mime.reset(target->createDragMimeData());

        const bool accepted = payload == "sibling";
        QCOMPARE(deliver(target, mime.get(), false), accepted);
        QCOMPARE(target->styleSheet().isEmpty(), !accepted); // only an acceptable drag highlights the target
        QDragLeaveEvent leave;
        QApplication::sendEvent(target, &leave);
        QVERIFY(target->styleSheet().isEmpty());

        // Qt hands a drop only to the widget that took the drag enter; even then the drop checks its payload
        // (the source may have gone in between) and drops the highlight.
        std::unique_ptr<QMimeData> genuine(payloadMime(siblingPayload));
        QVERIFY(deliver(target, genuine.get(), false));
        QCOMPARE(deliver(target, mime.get(), true), accepted);
        QVERIFY(target->styleSheet().isEmpty());
        QCOMPARE(reorder.count(), int(accepted));
        if (accepted) {
            QCOMPARE(reorder.at(0).at(0).value<Device_visual *>(), sibling);
            QCOMPARE(reorder.at(0).at(1).value<Device_visual *>(), target);
        }
    }
};

QTEST_MAIN(TestDeviceVisual)
#include "tst_device_visual.moc"
