#include "workspace/device_visual.h"
#include "workspace/devicerecord.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDataStream>
#include <QDragEnterEvent>
#include <QDragLeaveEvent>
#include <QDropEvent>
#include <QLabel>
#include <QMimeData>
#include <QPointer>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTranslator>
#include <QVBoxLayout>

#include <memory>

Q_DECLARE_METATYPE(DeviceRecord)

namespace {

QString valueStyle(const QString &background, const QString &text, int fontPx)
{
    return QStringLiteral(
               "QPushButton {   background-color: %1;   border: none;   border-radius: 6px;   "
               "color: %2;   font-size: %3px;   font-family: 'Consolas', 'Courier New', "
               "monospace;}QPushButton:hover { opacity: 0.9; }QPushButton:pressed { opacity: 0.7; }")
        .arg(background, text)
        .arg(fontPx);
}

QString dotStyle(const QString &colour)
{
    return QStringLiteral("background-color: %1; border-radius: 4px;").arg(colour);
}

const QString kDropHighlight =
    QStringLiteral("Device_visual { border: 2px dashed #007500; border-radius: 6px; }");

template<typename T> T *child(Device_visual *card, const char *name)
{
    T *found = card->findChild<T *>(QLatin1String(name));
    if (!found)
        qFatal("card has no child %s", name);
    return found;
}

QMimeData *payloadMime(const QByteArray &payload)
{
    auto *mime = new QMimeData;
    mime->setData(Device_visual::mimeType(), payload);
    return mime;
}

QByteArray addressPayload(quintptr address)
{
    QByteArray payload;
    QDataStream stream(&payload, QIODevice::WriteOnly);
    stream << address;
    return payload;
}

// Delivers what the windowing system would deliver while a card is dragged over `target` and dropped.
bool sendDragEnter(Device_visual *target, const QMimeData *mime)
{
    QDragEnterEvent enter(QPoint(10, 10), Qt::MoveAction, mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &enter);
    return enter.isAccepted();
}

bool sendDrop(Device_visual *target, const QMimeData *mime)
{
    QDropEvent drop(QPointF(10, 10), Qt::MoveAction, mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &drop);
    return drop.isAccepted();
}

void sendDragLeave(Device_visual *target)
{
    QDragLeaveEvent leave;
    QApplication::sendEvent(target, &leave);
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

// Translates every text of the card into a recognisable marked form.
class MarkingTranslator : public QTranslator
{
public:
    bool isEmpty() const override { return false; }
    QString translate(const char *context, const char *sourceText, const char *, int) const override
    {
        if (qstrcmp(context, "Device_visual") != 0)
            return QString();
        return QStringLiteral("EN:") + QString::fromUtf8(sourceText);
    }
};

} // namespace

class TestDeviceVisual : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void displayMode_data();
    void displayMode();
    void valueText_data();
    void valueText();
    void statusLine_data();
    void statusLine();
    void newCardPerKind_data();
    void newCardPerKind();
    void connectionDotChangesOnlyOnChange();
    void ownerLabel();
    void buttonsEmit_data();
    void buttonsEmit();
    void disabledZeroButtonStaysSilent();
    void infoAreaPressAndRelease_data();
    void infoAreaPressAndRelease();
    void scaledFonts_data();
    void scaledFonts();
    void contextMenu_data();
    void contextMenu();
    void siblingDropReorders();
    void dragStartCarriesOwnAddress();
    void foreignDropIgnored_data();
    void foreignDropIgnored();
    void sourceDeletedDuringDrag();
    void retranslatesOnLanguageChange();

private:
    Device_visual *addCard(const QString &name, int kind = ConnectionKind::Modbus);

    std::unique_ptr<QWidget> m_window;
};

void TestDeviceVisual::init()
{
    Device_visual::setScale(1.0);
    m_window = std::make_unique<QWidget>();
    new QVBoxLayout(m_window.get());
    m_window->resize(900, 300);
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
}

void TestDeviceVisual::cleanup()
{
    m_window.reset();
    Device_visual::setScale(1.0);
}

Device_visual *TestDeviceVisual::addCard(const QString &name, int kind)
{
    auto *card = new Device_visual(name, kind, m_window.get());
    m_window->layout()->addWidget(card);
    return card;
}

void TestDeviceVisual::displayMode_data()
{
    QTest::addColumn<int>("measuringType");
    QTest::addColumn<double>("value");
    QTest::addColumn<double>("limitMin");
    QTest::addColumn<double>("limitMax");
    QTest::addColumn<int>("mode");
    QTest::addColumn<QString>("background");
    QTest::addColumn<QString>("text");

    const int normal = Device_visual::Normal, min = Device_visual::Min, max = Device_visual::Max;
    const int go = Device_visual::Go, noGo = Device_visual::NoGo;
    const QString grey = "#cccccc", blue = "#87cefa", mint = "#a8e6cf", green = "#006400", red = "#cc0000";
    const QString dark = "#111111", black = "#000000", white = "#ffffff";

    QTest::newRow("0 disabled") << 0 << 5.0 << 1.0 << 2.0 << normal << grey << dark;
    QTest::newRow("1 min peak") << 1 << 5.0 << 1.0 << 2.0 << min << blue << black;
    QTest::newRow("2 max peak") << 2 << 5.0 << 1.0 << 2.0 << max << mint << dark;
    QTest::newRow("3 range peak looks like min") << 3 << 5.0 << 1.0 << 2.0 << min << blue << black;
    QTest::newRow("4 module peak") << 4 << 5.0 << 1.0 << 2.0 << min << blue << black;
    QTest::newRow("5 above min") << 5 << 1.5 << 1.0 << 0.0 << go << green << white;
    QTest::newRow("5 equal to min") << 5 << 1.0 << 1.0 << 0.0 << go << green << white;
    QTest::newRow("5 below min") << 5 << 0.999 << 1.0 << 0.0 << noGo << red << white;
    QTest::newRow("6 below max") << 6 << 1.5 << 0.0 << 2.0 << go << green << white;
    QTest::newRow("6 equal to max") << 6 << 2.0 << 0.0 << 2.0 << go << green << white;
    QTest::newRow("6 above max") << 6 << 2.001 << 0.0 << 2.0 << noGo << red << white;
    QTest::newRow("7 inside") << 7 << 1.5 << 1.0 << 2.0 << go << green << white;
    QTest::newRow("7 equal to min") << 7 << 1.0 << 1.0 << 2.0 << go << green << white;
    QTest::newRow("7 equal to max") << 7 << 2.0 << 1.0 << 2.0 << go << green << white;
    QTest::newRow("7 below") << 7 << 0.999 << 1.0 << 2.0 << noGo << red << white;
    QTest::newRow("7 above") << 7 << 2.001 << 1.0 << 2.0 << noGo << red << white;
    QTest::newRow("7 negative limits") << 7 << -1.5 << -2.0 << -1.0 << go << green << white;
    QTest::newRow("8 always go") << 8 << 100.0 << 1.0 << 2.0 << go << green << white;
    QTest::newRow("9 always go") << 9 << -100.0 << 1.0 << 2.0 << go << green << white;
}

void TestDeviceVisual::displayMode()
{
    QFETCH(int, measuringType);
    QFETCH(double, value);
    QFETCH(double, limitMin);
    QFETCH(double, limitMax);
    QFETCH(int, mode);
    QFETCH(QString, background);
    QFETCH(QString, text);

    QCOMPARE(int(Device_visual::displayModeFor(value, measuringType, limitMin, limitMax)), mode);

    Device_visual *card = addCard("Штангенциркуль");
    // Start from the opposite colouring so a missed restyle shows.
    card->setTolerance(0.0, mode == Device_visual::NoGo ? 8 : 7, 1.0, 2.0);
    card->setTolerance(value, measuringType, limitMin, limitMax);
    QCOMPARE(int(card->displayMode()), mode);
    QCOMPARE(child<QPushButton>(card, "valueButton")->styleSheet(), valueStyle(background, text, 30));
}

void TestDeviceVisual::valueText_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<int>("precision");
    QTest::addColumn<QString>("text");

    QTest::newRow("no value yet") << Device_visual::kNoValue << 3 << "---";
    QTest::newRow("no value, precision 0") << Device_visual::kNoValue << 0 << "---";
    QTest::newRow("precision 0 rounds") << 12.5678 << 0 << "13";
    QTest::newRow("precision 1") << 12.5678 << 1 << "12.6";
    QTest::newRow("precision 2") << 12.5678 << 2 << "12.57";
    QTest::newRow("precision 3") << 12.5678 << 3 << "12.568";
    QTest::newRow("precision 4 pads") << 12.5 << 4 << "12.5000";
    QTest::newRow("precision 5") << 0.000123 << 5 << "0.00012";
    QTest::newRow("precision 6") << 1.0 / 3.0 << 6 << "0.333333";
    QTest::newRow("precision 9 falls back to 2") << 1.0 / 3.0 << 9 << "0.33";
    QTest::newRow("negative precision falls back to 2") << 2.0 << -1 << "2.00";
    QTest::newRow("negative value") << -0.125 << 3 << "-0.125";
    QTest::newRow("large negative value") << -1234.5 << 1 << "-1234.5";
    QTest::newRow("zero") << 0.0 << 2 << "0.00";
}

void TestDeviceVisual::valueText()
{
    QFETCH(double, value);
    QFETCH(int, precision);
    QFETCH(QString, text);

    Device_visual *card = addCard("Індикатор");
    QCOMPARE(card->value(), Device_visual::kNoValue);
    QCOMPARE(card->valueText(), QStringLiteral("---"));

    // Value first, then precision: the precision change has to re-render what is shown.
    card->setValue(value);
    card->setPrecision(precision);
    QCOMPARE(card->precision(), precision);
    QCOMPARE(card->value(), value);
    QCOMPARE(card->valueText(), text);
    QCOMPARE(child<QPushButton>(card, "valueButton")->text(), text);

    // And the other way round.
    Device_visual *other = addCard("Індикатор 2");
    other->setPrecision(precision);
    other->setValue(value);
    QCOMPARE(child<QPushButton>(other, "valueButton")->text(), text);
}

void TestDeviceVisual::statusLine_data()
{
    QTest::addColumn<DeviceRecord>("record");
    QTest::addColumn<QString>("text");

    DeviceRecord modbus;
    modbus.type = ConnectionKind::Modbus;
    modbus.address = 5;
    modbus.portName = "COM3";
    QTest::newRow("modbus") << modbus << "ADDR: 5 | COM3";
    modbus.address = 247;
    modbus.portName = "/dev/ttyUSB0";
    QTest::newRow("modbus, highest address") << modbus << "ADDR: 247 | /dev/ttyUSB0";

    DeviceRecord hid;
    hid.type = ConnectionKind::HidKeyboard;
    hid.hidPath =
        R"(\\?\HID#VID_0C45&PID_7403&MI_00#7&2a0b1c3&0&0000#{884b96c3-56ef-11d1-bc8c-00a0c91405dd})";
    QTest::newRow("hid with usb ids") << hid << "HID | VID_0C45 PID_7403";
    hid.hidPath = "usb-0000:00:14.0-2#VID_1A2B&PID_00FF#event5";
    QTest::newRow("hid, linux shaped path") << hid << "HID | VID_1A2B PID_00FF";
    hid.hidPath = "platform-i8042-serio-0#event3";
    QTest::newRow("hid without usb ids") << hid << "HID-клавіатура";
    hid.hidPath.clear();
    QTest::newRow("hid without path") << hid << "HID-клавіатура";

    DeviceRecord ble;
    ble.mac = "C4:7F:51:0A:12:9E";
    ble.type = ConnectionKind::Bluetooth;
    QTest::newRow("ble, nothing known") << ble << "C4:7F:51:0A:12:9E | BLE";
    ble.donglePort = "COM7"; // only the dongle kinds show it
    QTest::newRow("ble ignores dongle port") << ble << "C4:7F:51:0A:12:9E | BLE";
    ble.bleProtocol = 1;
    ble.batteryPercent = 87;
    ble.rssiDbm = -61;
    QTest::newRow("ble, everything known") << ble << "C4:7F:51:0A:12:9E | BLE | Sylvac | 87% | -61 dBm";
    ble.bleProtocol = 0;
    ble.batteryPercent = 0;
    ble.rssiDbm = 0;
    QTest::newRow("ble, empty battery, no rssi") << ble << "C4:7F:51:0A:12:9E | BLE | 0%";
    ble.batteryPercent = -1;
    ble.rssiDbm = -1;
    QTest::newRow("ble, rssi only") << ble << "C4:7F:51:0A:12:9E | BLE | -1 dBm";
    ble.rssiDbm = 5;
    QTest::newRow("ble, positive rssi is unknown") << ble << "C4:7F:51:0A:12:9E | BLE";

    DeviceRecord nrf = ble;
    nrf.type = ConnectionKind::NrfDongle;
    nrf.donglePort.clear();
    nrf.rssiDbm = 0;
    QTest::newRow("nrf, dongle unknown") << nrf << "C4:7F:51:0A:12:9E | донгл ?";
    nrf.donglePort = "COM9";
    nrf.bleProtocol = 1;
    QTest::newRow("nrf, dongle and protocol") << nrf << "C4:7F:51:0A:12:9E | COM9 | Sylvac";
    nrf.bleProtocol = 7;
    nrf.batteryPercent = 100;
    QTest::newRow("nrf, unknown protocol reads VELKOR") << nrf << "C4:7F:51:0A:12:9E | COM9 | VELKOR | 100%";

    DeviceRecord bled = nrf;
    bled.type = ConnectionKind::Bled112Dongle;
    bled.donglePort = "/dev/ttyACM0";
    bled.bleProtocol = 0;
    bled.batteryPercent = 42;
    bled.rssiDbm = -90;
    QTest::newRow("bled112, battery and rssi") << bled << "C4:7F:51:0A:12:9E | /dev/ttyACM0 | 42% | -90 dBm";
    bled.donglePort.clear();
    QTest::newRow("bled112, dongle unknown") << bled << "C4:7F:51:0A:12:9E | донгл ? | 42% | -90 dBm";

    DeviceRecord sylvac;
    sylvac.type = ConnectionKind::SylvacCable;
    sylvac.portName = "COM4";
    sylvac.serialUnit = 0;
    QTest::newRow("sylvac mm") << sylvac << "Sylvac | COM4 | мм";
    sylvac.serialUnit = 1;
    QTest::newRow("sylvac inch") << sylvac << "Sylvac | COM4 | дюйми";
    sylvac.serialUnit = 2;
    QTest::newRow("sylvac, any other unit reads mm") << sylvac << "Sylvac | COM4 | мм";
}

void TestDeviceVisual::statusLine()
{
    QFETCH(DeviceRecord, record);
    QFETCH(QString, text);

    QCOMPARE(Device_visual::statusTextFor(record), text);

    Device_visual *card = addCard(record.name, record.type);
    card->setStatusText(Device_visual::statusTextFor(record));
    QCOMPARE(card->statusText(), text);
    QCOMPARE(child<QLabel>(card, "statusLabel")->text(), text);
}

void TestDeviceVisual::newCardPerKind_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("placeholder");
    QTest::addColumn<bool>("zeroEnabled");

    QTest::newRow("modbus") << int(ConnectionKind::Modbus) << "КОМ: 141414" << true;
    QTest::newRow("ble") << int(ConnectionKind::Bluetooth) << "МАС: 9f:51:55:55" << true;
    QTest::newRow("hid") << int(ConnectionKind::HidKeyboard) << "HID-клавіатура" << false;
    QTest::newRow("nrf") << int(ConnectionKind::NrfDongle) << "МАС: 9f:51:55:55" << true;
    QTest::newRow("bled112") << int(ConnectionKind::Bled112Dongle) << "МАС: 9f:51:55:55" << true;
    QTest::newRow("sylvac") << int(ConnectionKind::SylvacCable) << "Sylvac (провід)" << true;
}

void TestDeviceVisual::newCardPerKind()
{
    QFETCH(int, kind);
    QFETCH(QString, placeholder);
    QFETCH(bool, zeroEnabled);

    Device_visual *card = addCard("Прилад №1", kind);
    QCOMPARE(card->kind(), kind);
    QCOMPARE(card->name(), QStringLiteral("Прилад №1"));
    QCOMPARE(child<QLabel>(card, "nameLabel")->text(), QStringLiteral("Прилад №1"));
    QCOMPARE(card->statusText(), placeholder);
    QCOMPARE(card->isZeroEnabled(), zeroEnabled);
    QCOMPARE(child<QPushButton>(card, "zeroButton")->isEnabled(), zeroEnabled);
    QVERIFY(card->isConnectedShown());
    QCOMPARE(child<QLabel>(card, "statusDot")->styleSheet(), dotStyle("#006400"));
    QCOMPARE(card->valueText(), QStringLiteral("---"));
    QCOMPARE(card->precision(), 2);
    QCOMPARE(card->displayMode(), Device_visual::Normal);
    QVERIFY(!card->isSyncChecked());
    QVERIFY(card->acceptDrops());
    QCOMPARE(card->height(), 65);
    QVERIFY(card->owner().isEmpty());
    QVERIFY(child<QLabel>(card, "ownerLabel")->isHidden());

    card->setName("Перейменований");
    QCOMPARE(child<QLabel>(card, "nameLabel")->text(), QStringLiteral("Перейменований"));
    card->setZeroEnabled(!zeroEnabled);
    QCOMPARE(card->isZeroEnabled(), !zeroEnabled);
}

void TestDeviceVisual::connectionDotChangesOnlyOnChange()
{
    Device_visual *card = addCard("Датчик");
    auto *dot = child<QLabel>(card, "statusDot");
    QSignalSpy changed(card, &Device_visual::connectionStatusChanged);

    card->setConnected(true); // already shown on line
    QCOMPARE(changed.count(), 0);

    card->setConnected(false);
    QCOMPARE(changed.count(), 1);
    QCOMPARE(changed.takeFirst().at(0).toBool(), false);
    QCOMPARE(dot->styleSheet(), dotStyle("#cc0000"));
    QVERIFY(!card->isConnectedShown());

    // The refresh timer repeats the same state ten times a second: no signal storm.
    for (int i = 0; i < 5; ++i)
        card->setConnected(false);
    QCOMPARE(changed.count(), 0);

    card->setConnected(true);
    QCOMPARE(changed.count(), 1);
    QCOMPARE(changed.takeFirst().at(0).toBool(), true);
    QCOMPARE(dot->styleSheet(), dotStyle("#006400"));
}

void TestDeviceVisual::ownerLabel()
{
    Device_visual *card = addCard("Мікрометр");
    auto *label = child<QLabel>(card, "ownerLabel");
    QVERIFY(label->isHidden());

    card->setOwner("Петренко І.");
    QCOMPARE(card->owner(), QStringLiteral("Петренко І."));
    QCOMPARE(label->text(), QStringLiteral("Петренко І."));
    QVERIFY(label->isVisibleTo(card));
    QCOMPARE(label->toolTip(), QStringLiteral("Прилад закріплено за користувачем"));

    card->setOwner(QString());
    QVERIFY(label->isHidden());
    QVERIFY(card->owner().isEmpty());
}

void TestDeviceVisual::buttonsEmit_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QByteArray>("signal");

    QTest::newRow("value") << "valueButton" << QByteArray(SIGNAL(dataClicked()));
    QTest::newRow("statistics") << "statisticsButton" << QByteArray(SIGNAL(statisticsRequested()));
    QTest::newRow("zero") << "zeroButton" << QByteArray(SIGNAL(zeroClicked()));
}

void TestDeviceVisual::buttonsEmit()
{
    QFETCH(QString, button);
    QFETCH(QByteArray, signal);

    Device_visual *card = addCard("Індикатор");
    QSignalSpy emitted(card, signal.constData());
    QSignalSpy clicked(card, &Device_visual::cardClicked);
    QTest::mouseClick(card->findChild<QPushButton *>(button), Qt::LeftButton);
    QCOMPARE(emitted.count(), 1);
    QCOMPARE(clicked.count(), 0);
}

void TestDeviceVisual::disabledZeroButtonStaysSilent()
{
    Device_visual *card = addCard("Клавіатурний", ConnectionKind::HidKeyboard);
    QSignalSpy zero(card, &Device_visual::zeroClicked);
    QTest::mouseClick(child<QPushButton>(card, "zeroButton"), Qt::LeftButton);
    QCOMPARE(zero.count(), 0);

    QSignalSpy sync(card, &Device_visual::syncToggled);
    QTest::mouseClick(child<QCheckBox>(card, "syncCheckBox"), Qt::LeftButton, {}, QPoint(5, 5));
    QCOMPARE(sync.count(), 1);
    QCOMPARE(sync.takeFirst().at(0).toBool(), true);
    QVERIFY(card->isSyncChecked());
    card->setSyncChecked(false);
    QCOMPARE(sync.count(), 1);
    QVERIFY(!child<QCheckBox>(card, "syncCheckBox")->isChecked());
}

void TestDeviceVisual::infoAreaPressAndRelease_data()
{
    QTest::addColumn<Qt::MouseButton>("button");
    QTest::addColumn<int>("moveBy"); // in multiples of the drag distance, 0 = no move
    QTest::addColumn<int>("clicks");
    QTest::addColumn<int>("drags");

    QTest::newRow("press and release") << Qt::LeftButton << 0 << 1 << 0;
    QTest::newRow("small wobble is still a click") << Qt::LeftButton << -1 << 1 << 0;
    QTest::newRow("moving far starts a drag") << Qt::LeftButton << 1 << 0 << 1;
    QTest::newRow("right button opens nothing") << Qt::RightButton << 0 << 0 << 0;
}

void TestDeviceVisual::infoAreaPressAndRelease()
{
    QFETCH(Qt::MouseButton, button);
    QFETCH(int, moveBy);
    QFETCH(int, clicks);
    QFETCH(int, drags);

    auto *card = new DragRecordingCard("Штангенциркуль", ConnectionKind::Modbus, m_window.get());
    m_window->layout()->addWidget(card);
    auto *info = child<QPushButton>(card, "infoButton");
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
    QSignalSpy clicked(card, &Device_visual::cardClicked);

    const QPoint start(20, 20);
    const int distance = QApplication::startDragDistance();
    QTest::mousePress(info, button, {}, start);
    if (moveBy < 0) {
        // Manhattan distance one short of the threshold, split over both axes.
        QTest::mouseMove(info, start + QPoint((distance - 1) / 2, distance - 1 - (distance - 1) / 2));
    } else if (moveBy > 0) {
        // Exactly the threshold, split over both axes: a Manhattan distance, not a Euclidean one.
        QTest::mouseMove(info, start + QPoint(distance / 2, distance - distance / 2));
    }
    QTest::mouseRelease(info, button, {}, start);

    QCOMPARE(clicked.count(), clicks);
    QCOMPARE(card->dragsStarted, drags);
    QVERIFY(!info->isDown());
}

void TestDeviceVisual::scaledFonts_data()
{
    QTest::addColumn<double>("scale");
    QTest::addColumn<int>("namePx");
    QTest::addColumn<int>("ownerPx");
    QTest::addColumn<int>("statusPx");
    QTest::addColumn<int>("valuePx");
    QTest::addColumn<int>("statisticsPx");
    QTest::addColumn<int>("zeroPx");

    QTest::newRow("full HD") << 1.0 << 18 << 12 << 11 << 30 << 18 << 16;
    QTest::newRow("4K, limited to 1.8") << 1.8 << 32 << 22 << 20 << 54 << 32 << 29;
    QTest::newRow("small screen, 0.6") << 0.6 << 11 << 7 << 7 << 18 << 11 << 10;
    QTest::newRow("never below 1 px") << 0.01 << 1 << 1 << 1 << 1 << 1 << 1;
}

void TestDeviceVisual::scaledFonts()
{
    QFETCH(double, scale);
    QFETCH(int, namePx);
    QFETCH(int, ownerPx);
    QFETCH(int, statusPx);
    QFETCH(int, valuePx);
    QFETCH(int, statisticsPx);
    QFETCH(int, zeroPx);

    Device_visual *before = addCard("Створено раніше");
    Device_visual::setScale(scale);
    QCOMPARE(Device_visual::scale(), scale);
    QCOMPARE(Device_visual::scaledFontPx(18), namePx);
    Device_visual *after = addCard("Створено після");

    const auto sizeIn = [](const QString &style, int px) {
        return style.contains(QStringLiteral("font-size: %1px;").arg(px));
    };
    // A card built before the scale changed follows it as well as a new one.
    for (Device_visual *card : {before, after}) {
        QVERIFY(sizeIn(child<QLabel>(card, "nameLabel")->styleSheet(), namePx));
        QVERIFY(sizeIn(child<QLabel>(card, "ownerLabel")->styleSheet(), ownerPx));
        QVERIFY(sizeIn(child<QLabel>(card, "statusLabel")->styleSheet(), statusPx));
        QCOMPARE(child<QPushButton>(card, "valueButton")->styleSheet(),
                 valueStyle("#cccccc", "#111111", valuePx));
        QVERIFY(sizeIn(child<QPushButton>(card, "statisticsButton")->styleSheet(), statisticsPx));
        QVERIFY(sizeIn(child<QPushButton>(card, "zeroButton")->styleSheet(), zeroPx));
    }
    // A tolerance restyle keeps the scaled size.
    after->setTolerance(1.0, 7, 0.0, 2.0);
    QCOMPARE(child<QPushButton>(after, "valueButton")->styleSheet(),
             valueStyle("#006400", "#ffffff", valuePx));
}

void TestDeviceVisual::contextMenu_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<QStringList>("entries");

    const QStringList ble{"Редагувати", "Вивантажити пам'ять приладу", "Видалити"};
    const QStringList plain{"Редагувати", "Видалити"};
    QTest::newRow("modbus") << int(ConnectionKind::Modbus) << plain;
    QTest::newRow("ble") << int(ConnectionKind::Bluetooth) << ble;
    QTest::newRow("hid") << int(ConnectionKind::HidKeyboard) << plain;
    QTest::newRow("nrf") << int(ConnectionKind::NrfDongle) << ble;
    QTest::newRow("bled112") << int(ConnectionKind::Bled112Dongle) << ble;
    QTest::newRow("sylvac") << int(ConnectionKind::SylvacCable) << plain;
}

void TestDeviceVisual::contextMenu()
{
    QFETCH(int, kind);
    QFETCH(QStringList, entries);

    Device_visual *card = addCard("Прилад", kind);
    QCOMPARE(child<QPushButton>(card, "infoButton")->contextMenuPolicy(), Qt::CustomContextMenu);
    const QList<QAction *> actions = card->contextMenuActions();
    QStringList texts;
    for (QAction *action : actions)
        texts << action->text();
    QCOMPARE(texts, entries);

    QSignalSpy edit(card, &Device_visual::editRequested);
    QSignalSpy dump(card, &Device_visual::memoryDumpRequested);
    QSignalSpy remove(card, &Device_visual::deleteRequested);
    QList<QSignalSpy *> spies{&edit};
    if (entries.size() == 3)
        spies << &dump;
    spies << &remove;

    for (int i = 0; i < actions.size(); ++i) {
        actions.at(i)->trigger();
        for (int j = 0; j < spies.size(); ++j)
            QCOMPARE(spies.at(j)->count(), j == i ? 1 : 0);
        QCOMPARE(spies.at(i)->takeFirst().at(0).value<Device_visual *>(), card);
    }
    QCOMPARE(dump.count(), 0);
}

void TestDeviceVisual::siblingDropReorders()
{
    Device_visual *source = addCard("Перший");
    Device_visual *target = addCard("Третій");
    QSignalSpy reorder(target, &Device_visual::reorderRequested);
    std::unique_ptr<QMimeData> mime(source->createDragMimeData());
    QVERIFY(mime->hasFormat("application/x-kovran-device-ptr"));

    QVERIFY(sendDragEnter(target, mime.get()));
    QCOMPARE(target->styleSheet(), kDropHighlight);
    sendDragLeave(target);
    QVERIFY(target->styleSheet().isEmpty());
    QCOMPARE(reorder.count(), 0);

    QVERIFY(sendDragEnter(target, mime.get()));
    QVERIFY(sendDrop(target, mime.get()));
    QVERIFY(target->styleSheet().isEmpty());
    QCOMPARE(reorder.count(), 1);
    QCOMPARE(reorder.at(0).at(0).value<Device_visual *>(), source);
    QCOMPARE(reorder.at(0).at(1).value<Device_visual *>(), target);
    QVERIFY(source->styleSheet().isEmpty());
}

void TestDeviceVisual::dragStartCarriesOwnAddress()
{
    // What a real drag carries (the same payload startDrag() hands to QDrag) lands on a sibling.
    Device_visual *source = addCard("Перший");
    Device_visual *target = addCard("Другий");
    std::unique_ptr<QMimeData> mime(source->createDragMimeData());
    QCOMPARE(mime->data(Device_visual::mimeType()), addressPayload(reinterpret_cast<quintptr>(source)));

    QSignalSpy reorder(source, &Device_visual::reorderRequested);
    std::unique_ptr<QMimeData> back(target->createDragMimeData());
    QVERIFY(sendDragEnter(source, back.get()));
    QVERIFY(sendDrop(source, back.get()));
    QCOMPARE(reorder.count(), 1);
    QCOMPARE(reorder.at(0).at(0).value<Device_visual *>(), target);
}

void TestDeviceVisual::foreignDropIgnored_data()
{
    QTest::addColumn<QString>("forgery");
    QTest::newRow("random address") << "random";
    QTest::newRow("null address") << "null";
    QTest::newRow("empty payload") << "empty";
    QTest::newRow("truncated payload") << "truncated";
    QTest::newRow("trailing bytes") << "trailing";
    QTest::newRow("address of a deleted card") << "deleted";
    QTest::newRow("card in another window") << "other window";
    QTest::newRow("the card itself") << "self";
    QTest::newRow("other mime type") << "text";
}

void TestDeviceVisual::foreignDropIgnored()
{
    QFETCH(QString, forgery);

    Device_visual *target = addCard("Ціль");
    Device_visual *sibling = addCard("Сусід");
    const QByteArray siblingPayload = addressPayload(reinterpret_cast<quintptr>(sibling));
    QWidget otherWindow;
    auto *stranger = new Device_visual("Чужий", ConnectionKind::Modbus, &otherWindow);

    std::unique_ptr<QMimeData> mime;
    if (forgery == "random") {
        // Looks like a heap address but names nothing of ours; it must never be dereferenced.
        mime.reset(payloadMime(addressPayload(quintptr(0x5555deadbee0))));
    } else if (forgery == "null") {
        mime.reset(payloadMime(addressPayload(0)));
    } else if (forgery == "empty") {
        mime.reset(payloadMime(QByteArray()));
    } else if (forgery == "truncated") {
        mime.reset(payloadMime(siblingPayload.left(siblingPayload.size() - 1)));
    } else if (forgery == "trailing") {
        mime.reset(payloadMime(siblingPayload + QByteArray("\x00\x01", 2)));
    } else if (forgery == "deleted") {
        auto *gone = addCard("Видалений");
        mime.reset(gone->createDragMimeData());
        delete gone;
    } else if (forgery == "other window") {
        mime.reset(stranger->createDragMimeData());
    } else if (forgery == "self") {
        mime.reset(target->createDragMimeData());
    } else if (forgery == "text") {
        mime.reset(new QMimeData);
        mime->setData("text/plain", siblingPayload);
    }
    QVERIFY(mime);

    QSignalSpy reorder(target, &Device_visual::reorderRequested);
    QVERIFY(!sendDragEnter(target, mime.get()));
    QVERIFY(target->styleSheet().isEmpty());
    QVERIFY(!sendDrop(target, mime.get()));
    QCOMPARE(reorder.count(), 0);

    // Qt hands a drop only to the widget that took the drag enter. Even then the drop checks its own payload.
    std::unique_ptr<QMimeData> genuine(payloadMime(siblingPayload));
    QVERIFY(sendDragEnter(target, genuine.get()));
    QCOMPARE(target->styleSheet(), kDropHighlight);
    QVERIFY(!sendDrop(target, mime.get()));
    QVERIFY(target->styleSheet().isEmpty());
    QCOMPARE(reorder.count(), 0);

    // The same target still takes a genuine drop afterwards.
    QVERIFY(sendDragEnter(target, genuine.get()));
    QVERIFY(sendDrop(target, genuine.get()));
    QCOMPARE(reorder.count(), 1);
    QCOMPARE(reorder.at(0).at(0).value<Device_visual *>(), sibling);
}

void TestDeviceVisual::sourceDeletedDuringDrag()
{
    Device_visual *target = addCard("Ціль");
    QPointer<Device_visual> source = addCard("Джерело");
    std::unique_ptr<QMimeData> mime(source->createDragMimeData());
    QSignalSpy reorder(target, &Device_visual::reorderRequested);

    QVERIFY(sendDragEnter(target, mime.get()));
    QCOMPARE(target->styleSheet(), kDropHighlight);
    delete source.data();
    QVERIFY(!sendDrop(target, mime.get()));
    QVERIFY(target->styleSheet().isEmpty()); // the highlight goes even though the drop is refused
    QCOMPARE(reorder.count(), 0);
}

void TestDeviceVisual::retranslatesOnLanguageChange()
{
    Device_visual *placeholder = addCard("BLE", ConnectionKind::Bluetooth);
    Device_visual *described = addCard("Modbus", ConnectionKind::Modbus);
    described->setStatusText("ADDR: 3 | COM1");
    described->setOwner("Оператор");

    MarkingTranslator translator;
    QVERIFY(QCoreApplication::installTranslator(&translator));
    auto removeTranslator = qScopeGuard([&] { QCoreApplication::removeTranslator(&translator); });

    QTRY_COMPARE(placeholder->statusText(), QStringLiteral("EN:МАС: 9f:51:55:55"));
    QStringList texts;
    for (QAction *action : placeholder->contextMenuActions())
        texts << action->text();
    QCOMPARE(texts, (QStringList{"EN:Редагувати", "EN:Вивантажити пам'ять приладу", "EN:Видалити"}));
    QCOMPARE(child<QPushButton>(placeholder, "statisticsButton")->toolTip(),
             QStringLiteral("EN:Статистика вимірів"));
    QCOMPARE(child<QPushButton>(placeholder, "infoButton")->toolTip(),
             QStringLiteral("EN:Клік — відкрити прилад. Затиснути та потягнути — змінити порядок"));
    QCOMPARE(child<QLabel>(described, "ownerLabel")->toolTip(),
             QStringLiteral("EN:Прилад закріплено за користувачем"));
    // A status line the window has set is the window's to re-translate; the card leaves it alone.
    QCOMPARE(described->statusText(), QStringLiteral("ADDR: 3 | COM1"));
    QCOMPARE(described->owner(), QStringLiteral("Оператор"));
}

QTEST_MAIN(TestDeviceVisual)
#include "tst_device_visual.moc"
