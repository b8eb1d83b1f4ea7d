#include "modalanswerer.h"
#include "modbuspeer.h"
#include "virtualports.h"
#include "links/modbus/modbuspoller.h"
#include "links/ble/blereading.h"
#include "recording/chartwidget.h"
#include "recording/statisticsdialog.h"
#include "settingssandbox.h"
#include "workspace/device_visual.h"
#include "workspace/deviceeditdialog.h"
#include "workspace/measuringsystem.h"
#include "workspace/usermanager.h"

#include <QAbstractButton>
#include <QApplication>
#include <QBluetoothAddress>
#include <QBluetoothDeviceInfo>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QSettings>
#include <QTemporaryDir>
#include <QStackedWidget>
#include <QTableView>
#include <QComboBox>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QDoubleSpinBox>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>
#include <functional>
#include <memory>

namespace {

// Six instruments, one of every kind, the way the registry stores them.
const QByteArray kSixDevices = "[Devices]\n"
                               "size=6\n"
                               "1\\name=Indicator\n1\\portName=COM3\n1\\address=5\n1\\type=0\n1\\precision=3\n"
                               "2\\name=Caliper\n2\\portName=BLE\n2\\address=1\n2\\type=1\n2\\mac=AA:BB:CC:DD:EE:01\n"
                               "3\\name=Keyboard gauge\n3\\portName=HID\n3\\address=1\n3\\type=2\n"
                               "3\\hidPath=usb-1#VID_0C45&PID_7403#event5\n3\\hidUnit=0\n"
                               "4\\name=Sylvac probe\n4\\portName=BLE\n4\\address=2\n4\\type=3\n4\\mac=AA:BB:CC:DD:EE:02\n"
                               "4\\bleProtocol=1\n4\\donglePort=/dev/ttyACM0\n"
                               "5\\name=Bled caliper\n5\\portName=DONGLE\n5\\address=3\n5\\type=4\n5\\mac=AA:BB:CC:DD:EE:03\n"
                               "6\\name=Cable\n6\\portName=/dev/ttyUSB1\n6\\address=1\n6\\type=5\n6\\serialUnit=1\n";

QStringList cardNames(const MeasuringSystem &window)
{
    QStringList names;
    for (const Device_visual *card : window.cards())
        names.append(card->name());
    return names;
}

QStringList deviceNames(MeasuringSystem &window)
{
    QStringList names;
    for (const DeviceRecord &record : window.devices())
        names.append(record.name);
    return names;
}

QStringList storedNames(const SettingsSandbox &sandbox)
{
    QSettings file(sandbox.filePath(QStringLiteral("devices_config.ini")), QSettings::IniFormat);
    QStringList names;
    const int size = file.beginReadArray(QStringLiteral("Devices"));
    for (int i = 0; i < size; ++i) {
        file.setArrayIndex(i);
        names.append(file.value(QStringLiteral("name")).toString());
    }
    return names;
}

template<typename T>
T *child(const QWidget &window, const char *name)
{
    T *found = window.findChild<T *>(QString::fromLatin1(name));
    if (!found)
        qWarning("no child %s", name);
    return found;
}

// Fills in the next edit dialog that opens and presses its OK button, as a user would.
void editNextDialog(QObject *context, std::function<void(DeviceEditDialog *)> fill)
{
    auto *timer = new QTimer(context);
    QObject::connect(timer, &QTimer::timeout, timer, [timer, fill] {
        auto *dialog = qobject_cast<DeviceEditDialog *>(QApplication::activeModalWidget());
        if (!dialog)
            return;
        timer->stop();
        timer->deleteLater();
        fill(dialog);
        QTest::mouseClick(dialog->findChild<QPushButton *>(QStringLiteral("okButton")), Qt::LeftButton);
    });
    timer->start(10);
}

void selectData(QComboBox *combo, int data)
{
    combo->setCurrentIndex(combo->findData(data));
}

} // namespace

class TestWorkspace : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        m_sandbox = std::make_unique<SettingsSandbox>();
        // The window's own language; the texts below are checked in it.
        QVERIFY(m_sandbox->writeFile(QStringLiteral("settings.ini"), "[General]\nLanguage=uk_UA\n"));
        UserManager::instance()->reload();
    }
    void cleanup() { m_sandbox.reset(); }

    void screenScale_data();
    void screenScale();
    void toolbarFontFitsTheNarrowestButton();
    void formHasEveryActionAndButton();
    void loadsOneCardPerDeviceOffLine();
    void dragReorderMovesRecordsCardsAndSelection();
    void dropOnACardReordersThroughTheWindow();
    void foreignCardsNeverReorder();
    void editWritesBackAndHidUnitChangeMakesADynamometer();
    void deleteAsksAndKeepsFileInStep();
    void deletingTheSelectedDeviceResetsMonoValue();
    void uiRefreshShowsOnlyDevicesWithValues();
    void modeButtonsSwitchPages();
    void syncAllTogglesEveryCard();
    void languageSwitchWritesSettingsAndRetranslates_data();
    void languageSwitchWritesSettingsAndRetranslates();
    void resetActionForgetsTheStartModule();
    void ownersFollowTheUserStore();
    void modbusInstrumentsGoLiveAndZero();
    void globalUnitsConvertAtOnceAndAskModbus();
    void linkReadingsReachTheirDevice();
    void addingBluetoothInstruments();
    void statisticsAndChartFollowTheTables();
    void addingAModbusInstrument();

private:
    std::unique_ptr<SettingsSandbox> m_sandbox;
};

void TestWorkspace::screenScale_data()
{
    QTest::addColumn<QSize>("screen");
    QTest::addColumn<double>("scale");
    QTest::newRow("full HD") << QSize(1920, 1080) << 1.0;
    QTest::newRow("4K is limited to 1.8") << QSize(3840, 2160) << 1.8;
    QTest::newRow("1280x1024 takes the width") << QSize(1280, 1024) << 1280.0 / 1920.0;
    QTest::newRow("tiny screens stop at 0.6") << QSize(800, 480) << 0.6;
    QTest::newRow("wide screen takes the height") << QSize(3440, 1440) << 1440.0 / 1080.0;
}

void TestWorkspace::screenScale()
{
    QFETCH(QSize, screen);
    QFETCH(double, scale);
    QVERIFY(qFuzzyCompare(MeasuringSystem::screenScale(screen), scale));
}

void TestWorkspace::toolbarFontFitsTheNarrowestButton()
{
    QWidget bar;
    QList<QPushButton *> buttons;
    for (int i = 0; i < 9; ++i) {
        auto *button = new QPushButton(QStringLiteral("Синхронізувати все"), &bar);
        button->resize(i == 4 ? 60 : 400, 40);
        buttons.append(button);
    }
    QCOMPARE(MeasuringSystem::fitToolbarFontPx(buttons), 8);

    buttons.at(4)->resize(220, 40);
    const int fitted = MeasuringSystem::fitToolbarFontPx(buttons);
    QVERIFY(fitted > 8 && fitted <= 28); // 0.7 of the height at most
    QFont font = buttons.at(4)->font();
    font.setPixelSize(fitted);
    QVERIFY(QFontMetrics(font).horizontalAdvance(buttons.at(4)->text()) <= 220 - 16);
    QCOMPARE(MeasuringSystem::fitToolbarFontPx({}), 1000);
}

void TestWorkspace::formHasEveryActionAndButton()
{
    MeasuringSystem window;
    for (const char *name : {"actionModbus_setting", "actionExportPdf", "actionExportCsv", "actionResetSettings",
                             "actionUsers", "actionKeyboardEmulation", "action_uk", "action_en", "action_de",
                             "action_it", "action_fr", "action_pl"})
        QVERIFY2(window.findChild<QAction *>(QString::fromLatin1(name)), name);
    for (const char *name : {"menuFile", "menuExport", "menuSetting", "menuLanguage", "menuExtensions"})
        QVERIFY2(window.findChild<QMenu *>(QString::fromLatin1(name)), name);
    for (const char *name : {"AddButton", "sync_all_Button", "zero_all_Button", "units_button", "timer_Button",
                             "Study_Button", "Mono_Button", "Multi_Button", "_2D_3D_Button", "FormulsButton",
                             "GraphicButton", "ExportButton"})
        QVERIFY2(window.findChild<QPushButton *>(QString::fromLatin1(name)), name);
    QVERIFY(!child<QAction>(window, "actionResetSettings")->isVisible());

    // All toolbar buttons share one fitted font size.
    window.resize(1280, 800);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    const int px = child<QPushButton>(window, "AddButton")->font().pixelSize();
    QVERIFY(px >= 8);
    for (const char *name : {"sync_all_Button", "Multi_Button", "ExportButton"})
        QCOMPARE(child<QPushButton>(window, name)->font().pixelSize(), px);
}

void TestWorkspace::loadsOneCardPerDeviceOffLine()
{
    QVERIFY(m_sandbox->writeFile(QStringLiteral("devices_config.ini"), kSixDevices));
    MeasuringSystem window;
    QCOMPARE(window.cards().size(), 6);
    const QStringList expected = {QStringLiteral("Indicator"),    QStringLiteral("Caliper"),
                                  QStringLiteral("Keyboard gauge"), QStringLiteral("Sylvac probe"),
                                  QStringLiteral("Bled caliper"), QStringLiteral("Cable")};
    QCOMPARE(cardNames(window), expected);
    for (const Device_visual *card : window.cards()) {
        QVERIFY(!card->isConnectedShown());
        QCOMPARE(card->valueText(), QStringLiteral("---"));
    }
    QCOMPARE(window.cards().at(0)->statusText(), QStringLiteral("ADDR: 5 | COM3"));
    QCOMPARE(window.cards().at(1)->statusText(), QStringLiteral("AA:BB:CC:DD:EE:01 | BLE"));
    QCOMPARE(window.cards().at(2)->statusText(), QStringLiteral("HID | VID_0C45 PID_7403"));
    QCOMPARE(window.cards().at(3)->statusText(), QStringLiteral("AA:BB:CC:DD:EE:02 | /dev/ttyACM0 | Sylvac"));
    QCOMPARE(window.cards().at(4)->statusText(), QStringLiteral("AA:BB:CC:DD:EE:03 | донгл ?"));
    QCOMPARE(window.cards().at(5)->statusText(), QStringLiteral("Sylvac | /dev/ttyUSB1 | дюйми"));
    QVERIFY(!window.cards().at(2)->isZeroEnabled());
    QVERIFY(window.cards().at(0)->isZeroEnabled());
    QCOMPARE(window.cards().at(0)->precision(), 3);
}

void TestWorkspace::dragReorderMovesRecordsCardsAndSelection()
{
    QVERIFY(m_sandbox->writeFile(QStringLiteral("devices_config.ini"),
                                 "[Devices]\nsize=4\n"
                                 "1\\name=d0\n1\\portName=COM1\n1\\address=1\n"
                                 "2\\name=d1\n2\\portName=COM1\n2\\address=2\n"
                                 "3\\name=d2\n3\\portName=COM1\n3\\address=3\n"
                                 "4\\name=d3\n4\\portName=COM1\n4\\address=4\n"));
    MeasuringSystem window;
    window.selectDevice(2);
    Device_visual *source = window.cards().at(0);
    window.onDeviceReorder(source, window.cards().at(2));

    const QStringList expected = {QStringLiteral("d1"), QStringLiteral("d2"), QStringLiteral("d0"),
                                  QStringLiteral("d3")};
    QCOMPARE(deviceNames(window), expected);
    QCOMPARE(cardNames(window), expected);
    QCOMPARE(window.selectedDevice(), 1);
    QCOMPARE(storedNames(*m_sandbox), expected);
    // The card sits at its new place in the column too.
    const auto *layout = window.cards().at(2)->parentWidget()->findChild<QVBoxLayout *>(QStringLiteral("cardsLayout"));
    QVERIFY(layout);
    QCOMPARE(layout->indexOf(source), 2);

    // The dragged device itself follows when it was the selected one.
    window.selectDevice(2);
    window.onDeviceReorder(window.cards().at(2), window.cards().at(0));
    QCOMPARE(window.selectedDevice(), 0);
    QCOMPARE(deviceNames(window).first(), QStringLiteral("d0"));
}

void TestWorkspace::dropOnACardReordersThroughTheWindow()
{
    QVERIFY(m_sandbox->writeFile(QStringLiteral("devices_config.ini"), kSixDevices));
    MeasuringSystem window;
    Device_visual *source = window.cards().at(5);
    Device_visual *target = window.cards().at(1);
    std::unique_ptr<QMimeData> mime(source->createDragMimeData());
    QDragEnterEvent enter(QPoint(10, 10), Qt::MoveAction, mime.get(), Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &enter);
    QVERIFY(enter.isAccepted());
    QDropEvent drop(QPointF(10, 10), Qt::MoveAction, mime.get(), Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &drop);
    QCOMPARE(window.cards().at(1), source);
    QCOMPARE(window.devices().at(1).name, QStringLiteral("Cable"));
    QCOMPARE(storedNames(*m_sandbox).at(1), QStringLiteral("Cable"));
}

void TestWorkspace::foreignCardsNeverReorder()
{
    QVERIFY(m_sandbox->writeFile(QStringLiteral("devices_config.ini"), kSixDevices));
    MeasuringSystem window;
    Device_visual stranger(QStringLiteral("not ours"), 0);
    const QStringList before = deviceNames(window);
    window.onDeviceReorder(&stranger, window.cards().at(1));
    window.onDeviceReorder(window.cards().at(1), &stranger);
    window.onDeviceReorder(window.cards().at(1), window.cards().at(1));
    QCOMPARE(deviceNames(window), before);
}

void TestWorkspace::editWritesBackAndHidUnitChangeMakesADynamometer()
{
    QVERIFY(m_sandbox->writeFile(QStringLiteral("devices_config.ini"),
                                 kSixDevices + "[GlobalUnits]\nForce=1\n"));
    MeasuringSystem window;
    DeviceRecord &hid = window.devices()[2];
    hid.connected = true;
    hid.hidHasValue = true;
    hid.hidRawValue = 4.4482216152605; // typed in newton after the change below
    hid.value = hid.heldValue = 4.4482216152605;

    editNextDialog(this, [](DeviceEditDialog *dialog) {
        dialog->findChild<QLineEdit *>(QStringLiteral("nameEdit"))->setText(QStringLiteral("Force \"gauge\", <1>"));
        selectData(dialog->findChild<QComboBox *>(QStringLiteral("hidUnitCombo")), 2);
        selectData(dialog->findChild<QComboBox *>(QStringLiteral("precisionCombo")), 4);
        selectData(dialog->findChild<QComboBox *>(QStringLiteral("measuringTypeCombo")), 7);
        dialog->findChild<QDoubleSpinBox *>(QStringLiteral("limitMinSpin"))->setValue(0.5);
        dialog->findChild<QDoubleSpinBox *>(QStringLiteral("limitMaxSpin"))->setValue(1.5);
    });
    window.onEditDevice(window.cards().at(2));

    QCOMPARE(hid.name, QStringLiteral("Force \"gauge\", <1>"));
    QCOMPARE(hid.hidUnit, 2);
    QCOMPARE(hid.sensorKind, quint16(10));
    QCOMPARE(hid.unit, 3); // the global force unit is pound-force
    QVERIFY(qAbs(hid.value - 1.0) < 1e-12);
    QVERIFY(!hid.heldValid);
    QCOMPARE(hid.precision, 4);
    Device_visual *card = window.cards().at(2);
    QCOMPARE(card->name(), hid.name);
    QCOMPARE(card->precision(), 4);
    QCOMPARE(card->displayMode(), Device_visual::Go); // 1.0 lies within 0.5 .. 1.5

    DeviceRegistry stored;
    stored.loadDevices();
    QCOMPARE(stored.devices().at(2).name, hid.name);
    QCOMPARE(stored.devices().at(2).hidUnit, 2);
    QCOMPARE(stored.devices().at(2).limitMax, 1.5);

    // Cancelling changes nothing.
    auto *cancel = new ModalAnswerer(QMessageBox::Cancel, this);
    window.onEditDevice(window.cards().at(0));
    QVERIFY(cancel->answered());
    QCOMPARE(window.devices().at(0).name, QStringLiteral("Indicator"));
}

void TestWorkspace::deleteAsksAndKeepsFileInStep()
{
    QVERIFY(m_sandbox->writeFile(QStringLiteral("devices_config.ini"), kSixDevices));
    MeasuringSystem window;
    window.devices()[1].name = QStringLiteral("<i>Caliper</i> & co");
    window.selectDevice(4);
    {
        ModalAnswerer answerer(QMessageBox::No);
        window.onDeleteDevice(window.cards().at(1));
        QVERIFY(answerer.answered());
        QCOMPARE(answerer.title(), QStringLiteral("Видалити"));
        QCOMPARE(answerer.text(), QStringLiteral("Ви впевнені що хочете видалити пристрій "
                                                 "<b>&lt;i&gt;Caliper&lt;/i&gt; &amp; co</b>?"));
    }
    QCOMPARE(window.cards().size(), 6);

    QPointer<Device_visual> doomed = window.cards().at(1);
    {
        ModalAnswerer answerer(QMessageBox::Yes);
        window.onDeleteDevice(doomed);
        QVERIFY(answerer.answered());
    }
    QCOMPARE(window.devices().size(), 5);
    QCOMPARE(window.cards().size(), 5);
    QCOMPARE(window.selectedDevice(), 3); // the selected device moved down with the list
    QCOMPARE(storedNames(*m_sandbox), deviceNames(window));
    QCOMPARE(cardNames(window), deviceNames(window));
    QTRY_VERIFY(doomed.isNull());
}

void TestWorkspace::deletingTheSelectedDeviceResetsMonoValue()
{
    QVERIFY(m_sandbox->writeFile(QStringLiteral("devices_config.ini"),
                                 "[Devices]\nsize=1\n1\\name=only\n1\\portName=COM1\n1\\address=1\n"));
    MeasuringSystem window;
    window.devices()[0].connected = true;
    window.devices()[0].value = 4.2;
    window.onDeviceCardClicked(0);
    window.onUiRefreshTimerTimeout();
    auto *monoValue = child<QPushButton>(window, "monoValueButton");
    QCOMPARE(monoValue->text(), QStringLiteral("4.20"));

    ModalAnswerer answerer(QMessageBox::Yes);
    window.onDeleteDevice(window.cards().at(0));
    QCOMPARE(window.selectedDevice(), -1);
    QCOMPARE(monoValue->text(), QStringLiteral("0.000"));
    QVERIFY(window.devices().isEmpty());
    window.onUiRefreshTimerTimeout(); // nothing left to refresh
    QTest::mouseClick(child<QPushButton>(window, "Mono_Button"), Qt::LeftButton); // no device to select
    QCOMPARE(window.selectedDevice(), -1);
    QCOMPARE(storedNames(*m_sandbox), QStringList());
}

void TestWorkspace::uiRefreshShowsOnlyDevicesWithValues()
{
    QVERIFY(m_sandbox->writeFile(QStringLiteral("devices_config.ini"), kSixDevices));
    MeasuringSystem window;
    DeviceRecord &modbus = window.devices()[0];
    modbus.connected = true;
    modbus.value = -1.23456; // Modbus needs no has-value flag
    DeviceRecord &ble = window.devices()[1];
    ble.connected = true; // on line, but nothing received yet
    DeviceRecord &hid = window.devices()[2];
    hid.connected = true;
    hid.hidHasValue = true;
    hid.value = 2.0;
    hid.heldValue = 9.0;
    hid.measuringType = 2; // peak hold shows the held value
    QSignalSpy dot(window.cards().at(0), &Device_visual::connectionStatusChanged);

    window.onUiRefreshTimerTimeout();
    QCOMPARE(window.cards().at(0)->valueText(), QStringLiteral("-1.235"));
    QVERIFY(window.cards().at(0)->isConnectedShown());
    QCOMPARE(window.cards().at(1)->valueText(), QStringLiteral("---"));
    QVERIFY(window.cards().at(1)->isConnectedShown());
    QCOMPARE(window.cards().at(2)->valueText(), QStringLiteral("9.00"));
    QVERIFY(!window.cards().at(3)->isConnectedShown());
    window.onUiRefreshTimerTimeout();
    QCOMPARE(dot.count(), 1); // only a change is signalled

    auto *monoValue = child<QPushButton>(window, "monoValueButton");
    auto *unitLabel = child<QLabel>(window, "monoUnitLabel");
    window.onDeviceCardClicked(1);
    window.onUiRefreshTimerTimeout();
    QCOMPARE(monoValue->text(), QStringLiteral("---"));
    window.onDeviceCardClicked(0);
    window.onUiRefreshTimerTimeout();
    QCOMPARE(monoValue->text(), QStringLiteral("-1.235"));

    // A unit the instrument reports later shows on the label and in the table header.
    modbus.unit = 1;
    QTest::ignoreMessage(QtDebugMsg, "[UNITS] Mono label updated: mm -> inch");
    window.onUiRefreshTimerTimeout();
    QCOMPARE(unitLabel->text(), QStringLiteral("inch"));
    QCOMPARE(child<QTableView>(window, "monoTable")->model()->headerData(2, Qt::Horizontal).toString(),
             QStringLiteral("Значення (inch)"));
}

void TestWorkspace::modeButtonsSwitchPages()
{
    QVERIFY(m_sandbox->writeFile(QStringLiteral("devices_config.ini"), kSixDevices));
    MeasuringSystem window;
    auto *stack = child<QStackedWidget>(window, "modeStack");
    auto *mono = child<QPushButton>(window, "Mono_Button");
    auto *multi = child<QPushButton>(window, "Multi_Button");
    auto *chart = child<QPushButton>(window, "GraphicButton");
    const auto highlighted = [](const QPushButton *button) {
        return button->styleSheet().contains(QStringLiteral("#ffe600"));
    };
    QVERIFY(highlighted(mono) && !highlighted(multi) && !highlighted(chart));
    QCOMPARE(window.selectedDevice(), -1);

    window.cards().at(3)->setSyncChecked(true);
    window.cards().at(5)->setSyncChecked(true);
    QTest::mouseClick(multi, Qt::LeftButton);
    QCOMPARE(window.mode(), 1);
    QCOMPARE(stack->currentWidget()->objectName(), QStringLiteral("multiPage"));
    QVERIFY(!highlighted(mono) && highlighted(multi));
    const QAbstractItemModel *table = child<QTableView>(window, "multiTable")->model();
    QCOMPARE(table->columnCount(), 4);
    QCOMPARE(table->headerData(3, Qt::Horizontal).toString(), QStringLiteral("Cable (mm)"));
    window.cards().at(3)->setSyncChecked(false); // the column goes with the box
    QCOMPARE(table->columnCount(), 3);

    QTest::mouseClick(chart, Qt::LeftButton);
    QCOMPARE(stack->currentWidget()->objectName(), QStringLiteral("chartPage"));
    QCOMPARE(window.mode(), 1); // the chart keeps the recording mode
    QVERIFY(highlighted(multi) && highlighted(chart));

    QTest::mouseClick(mono, Qt::LeftButton);
    QCOMPARE(window.mode(), 0);
    QCOMPARE(window.selectedDevice(), 0); // the first device is shown when none was
    QCOMPARE(stack->currentWidget()->objectName(), QStringLiteral("monoPage"));
    QVERIFY(!highlighted(chart));
}

void TestWorkspace::syncAllTogglesEveryCard()
{
    QVERIFY(m_sandbox->writeFile(QStringLiteral("devices_config.ini"), kSixDevices));
    MeasuringSystem window;
    auto *syncAll = child<QPushButton>(window, "sync_all_Button");
    window.cards().at(2)->setSyncChecked(true);
    QTest::mouseClick(syncAll, Qt::LeftButton);
    for (const Device_visual *card : window.cards())
        QVERIFY(card->isSyncChecked());
    QTest::mouseClick(syncAll, Qt::LeftButton);
    for (const Device_visual *card : window.cards())
        QVERIFY(!card->isSyncChecked());
}

void TestWorkspace::languageSwitchWritesSettingsAndRetranslates_data()
{
    QTest::addColumn<QString>("code");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("addButton");
    QTest::newRow("uk_UA") << QStringLiteral("uk_UA") << QStringLiteral("KOVRAN — Вимірювальна система")
                           << QStringLiteral("Додати");
    QTest::newRow("en_150") << QStringLiteral("en_150") << QStringLiteral("KOVRAN — Measuring system")
                            << QStringLiteral("Add");
    QTest::newRow("de_DE") << QStringLiteral("de_DE") << QStringLiteral("KOVRAN — Messsystem")
                           << QStringLiteral("Hinzufügen");
    QTest::newRow("it_IT") << QStringLiteral("it_IT") << QStringLiteral("KOVRAN — Sistema di misura")
                           << QStringLiteral("Aggiungi");
    QTest::newRow("fr_FR") << QStringLiteral("fr_FR") << QStringLiteral("KOVRAN — Système de mesure")
                           << QStringLiteral("Ajouter");
    QTest::newRow("pl_PL") << QStringLiteral("pl_PL") << QStringLiteral("KOVRAN — System pomiarowy")
                           << QStringLiteral("Dodaj");
}

void TestWorkspace::languageSwitchWritesSettingsAndRetranslates()
{
    QFETCH(QString, code);
    QFETCH(QString, title);
    QFETCH(QString, addButton);
    MeasuringSystem window;
    QSignalSpy changed(&window, &MeasuringSystem::languageChanged);
    window.setLanguage(code);
    QCOMPARE(changed.count(), 1);
    QCOMPARE(window.windowTitle(), title);
    QCOMPARE(child<QPushButton>(window, "AddButton")->text(), addButton);
    const QSettings settings(m_sandbox->filePath(QStringLiteral("settings.ini")), QSettings::IniFormat);
    QCOMPARE(settings.value(QStringLiteral("Language")).toString(), code);

    // The stored language comes back with the next window, its action checked.
    MeasuringSystem next;
    QCOMPARE(next.windowTitle(), title);
    QVERIFY(next.findChild<QAction *>(QStringLiteral("action_") + code.left(2))->isChecked());
}

void TestWorkspace::resetActionForgetsTheStartModule()
{
    {
        QSettings config(m_sandbox->filePath(QStringLiteral("config.ini")), QSettings::IniFormat);
        config.setValue(QStringLiteral("default_module"), 3);
    }
    MeasuringSystem window;
    QAction *reset = child<QAction>(window, "actionResetSettings");
    {
        ModalAnswerer no(QMessageBox::No);
        reset->trigger();
        QVERIFY(no.answered());
    }
    QCOMPARE(QSettings(m_sandbox->filePath(QStringLiteral("config.ini")), QSettings::IniFormat)
                 .value(QStringLiteral("default_module")).toInt(), 3);
    {
        ModalAnswerer yes(QMessageBox::Yes);
        ModalAnswerer done(QMessageBox::Ok);
        reset->trigger();
        QVERIFY(yes.answered());
    }
    QVERIFY(!QSettings(m_sandbox->filePath(QStringLiteral("config.ini")), QSettings::IniFormat)
                 .contains(QStringLiteral("default_module")));
}

void TestWorkspace::ownersFollowTheUserStore()
{
    QVERIFY(m_sandbox->writeFile(QStringLiteral("devices_config.ini"), kSixDevices));
    UserManager *users = UserManager::instance();
    users->reload();
    const QString anna = users->addUser(QStringLiteral("Anna"), UserManager::Operator);
    MeasuringSystem window;
    window.devices()[2].userId = anna;
    window.devices()[3].userId = QStringLiteral("u99"); // a user that no longer exists
    window.refreshDeviceOwners();
    QCOMPARE(window.cards().at(2)->owner(), QStringLiteral("Anna"));
    QCOMPARE(window.cards().at(3)->owner(), QString());

    users->renameUser(anna, QStringLiteral("Anna K."));
    QCOMPARE(window.cards().at(2)->owner(), QStringLiteral("Anna K."));
    QVERIFY(users->removeUser(anna));
    QCOMPARE(window.cards().at(2)->owner(), QString());
}

void TestWorkspace::modbusInstrumentsGoLiveAndZero()
{
    QTemporaryDir dir;
    ModbusPeer peer;
    const QString port = peer.link(dir.filePath(QStringLiteral("ttyBus")));
    VirtualPorts ports;
    ports.add(port);
    peer.addInstrument(1);
    peer.addInstrument(2);
    peer.setValue(1, 12.5);
    peer.setValue(2, -0.25);
    QVERIFY(m_sandbox->writeFile(QStringLiteral("com_adapters.ini"),
                                 "[Adapters]\nsize=1\n1\\portName=" + port.toUtf8() + "\n1\\baudRate=9600\n"));
    QVERIFY(m_sandbox->writeFile(QStringLiteral("devices_config.ini"),
                                 "[Devices]\nsize=3\n"
                                 "1\\name=first\n1\\portName=" + port.toUtf8() + "\n1\\address=1\n"
                                 "2\\name=caliper\n2\\portName=BLE\n2\\address=1\n2\\type=1\n"
                                 "3\\name=second\n3\\portName=" + port.toUtf8() + "\n3\\address=2\n"
                                 "3\\measuringType=5\n3\\limitMin=0\n"));
    MeasuringSystem window;
    const auto polled = [&window, &port] {
        QList<int> indexes = window.modbusPoller()->pollList(port); // in round-robin order
        std::sort(indexes.begin(), indexes.end());
        return indexes;
    };
    QCOMPARE(polled(), (QList<int>{0, 2}));
    QTRY_COMPARE(window.cards().at(0)->valueText(), QStringLiteral("12.50"));
    QTRY_COMPARE(window.cards().at(2)->valueText(), QStringLiteral("-0.25"));
    QCOMPARE(window.cards().at(2)->displayMode(), Device_visual::NoGo); // below the lower limit
    window.onUiRefreshTimerTimeout();
    QVERIFY(window.cards().at(0)->isConnectedShown());

    // The card's zero button reaches the instrument ahead of the polls.
    QTest::mouseClick(window.cards().at(2)->findChild<QPushButton *>(QStringLiteral("zeroButton")), Qt::LeftButton);
    QTRY_VERIFY(!peer.writes().isEmpty());
    QCOMPARE(peer.writes().first().address, 2);
    QCOMPARE(peer.writes().first().reg, 0x200A);
    QTRY_COMPARE(window.cards().at(2)->valueText(), QStringLiteral("0.00"));

    // Reordering keeps every instrument polled under its new index.
    window.onDeviceReorder(window.cards().at(2), window.cards().at(0));
    QCOMPARE(polled(), (QList<int>{0, 1}));
    QTRY_COMPARE(window.cards().at(1)->valueText(), QStringLiteral("12.50"));
}

void TestWorkspace::globalUnitsConvertAtOnceAndAskModbus()
{
    QTemporaryDir dir;
    ModbusPeer peer;
    const QString port = peer.link(dir.filePath(QStringLiteral("ttyBus")));
    VirtualPorts ports;
    ports.add(port);
    peer.addInstrument(1);
    peer.setValue(1, 12.5);
    QVERIFY(m_sandbox->writeFile(QStringLiteral("com_adapters.ini"),
                                 "[Adapters]\nsize=1\n1\\portName=" + port.toUtf8() + "\n1\\baudRate=9600\n"));
    QVERIFY(m_sandbox->writeFile(QStringLiteral("devices_config.ini"),
                                 "[Devices]\nsize=3\n"
                                 "1\\name=bus\n1\\portName=" + port.toUtf8() + "\n1\\address=1\n"
                                 "2\\name=keys\n2\\portName=HID\n2\\type=2\n2\\hidUnit=1\n"
                                 "3\\name=cable\n3\\portName=ttyUSB0\n3\\type=5\n"));
    MeasuringSystem window;
    QTRY_COMPARE(window.cards().at(0)->valueText(), QStringLiteral("12.50"));
    QTRY_VERIFY(window.devices().at(0).unitResolved);
    DeviceRecord &hid = window.devices()[1];
    hid.hidRawValue = 12.5; // inch, shown as 317.5 mm
    hid.hidHasValue = hid.connected = true;
    DeviceRecord &cable = window.devices()[2];
    cable.sylvacRawValue = 25.4; // mm
    cable.sylvacHasValue = cable.connected = true;
    peer.clearLog();

    bool answered = false;
    QTimer::singleShot(0, this, [&answered] {
        auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget());
        QVERIFY(dialog);
        QCOMPARE(dialog->windowTitle(), QStringLiteral("Одиниці виміру"));
        auto *linear = dialog->findChild<QComboBox *>(QStringLiteral("linearCombo"));
        QCOMPARE(linear->currentIndex(), 0);
        linear->setCurrentIndex(1);
        dialog->accept();
        answered = true;
    });
    QTest::mouseClick(child<QPushButton>(window, "units_button"), Qt::LeftButton);
    QVERIFY(answered);
    QCOMPARE(QSettings(m_sandbox->path() + QStringLiteral("/devices_config.ini"), QSettings::IniFormat)
                 .value(QStringLiteral("GlobalUnits/Linear")).toInt(), 1);

    // Keyboard and cable values change at once; the Modbus instrument is asked to switch, ahead of the polls.
    QCOMPARE(hid.unit, int(UnitCode::Inch));
    QCOMPARE(hid.value, 12.5);
    QCOMPARE(cable.value, 1.0);
    QCOMPARE(window.cards().at(2)->valueText(), QStringLiteral("1.00"));
    QVERIFY(!window.devices().at(0).unitResolved);
    QTRY_VERIFY(!peer.writes().isEmpty());
    QCOMPARE(peer.writes().first(), (ModbusPeer::Write{1, 0x2002, 1}));
}

void TestWorkspace::linkReadingsReachTheirDevice()
{
    QVERIFY(m_sandbox->writeFile(QStringLiteral("devices_config.ini"),
                                 "[Devices]\nsize=4\n"
                                 "1\\name=ble\n1\\type=1\n1\\mac=11:22:33:44:55:66\n1\\portName=BLE\n"
                                 "2\\name=keys\n2\\type=2\n2\\hidPath=/dev/input/event5\n2\\hidUnit=1\n"
                                 "2\\portName=HID\n"
                                 "3\\name=cable\n3\\type=5\n3\\portName=ttyUSB0\n"
                                 "4\\name=sylvac\n4\\type=1\n4\\mac=AA:BB:CC:DD:EE:FF\n4\\bleProtocol=1\n"
                                 "4\\portName=BLE\n4\\address=2\n"));
    MeasuringSystem window;
    QCOMPARE(window.devices().size(), 4);
    const RecordingStore &store = window.recordings();

    // Bluetooth: the value in the global unit; only the instrument's button records it.
    window.onBleReadingReceived(QStringLiteral("00:00:00:00:00:01"), BleReading{1.0, false, true});
    BleReading reading{1.0, true, false};
    window.onBleReadingReceived(QStringLiteral("11:22:33:44:55:66"), reading);
    QCOMPARE(window.devices().at(0).value, 25.4);
    QVERIFY(window.devices().at(0).connected);
    QCOMPARE(window.cards().at(0)->valueText(), QStringLiteral("25.40"));
    QCOMPARE(store.recordCount(0), 0);
    reading.sentByButton = true;
    window.onBleReadingReceived(QStringLiteral("11:22:33:44:55:66"), reading);
    QCOMPARE(store.recordCount(0), 1);

    // A keyboard instrument typing 12.5 in inch shows 317.5 mm and is recorded at once; text is not.
    window.onHidLineReceived(QStringLiteral("/dev/input/event5"), QStringLiteral(" 12,5\n"));
    QCOMPARE(window.cards().at(1)->valueText(), QStringLiteral("317.50"));
    QCOMPARE(store.records(1).values, QList<double>{317.5});
    QTest::ignoreMessage(QtDebugMsg, "[HID] Device keys sent unparsable text: 12a");
    window.onHidLineReceived(QStringLiteral("/dev/input/event5"), QStringLiteral("12a"));
    QCOMPARE(store.recordCount(1), 1);

    // The cable: a repeated unit leaves the file alone, a new one is stored and waits for a new value.
    window.onSylvacSerialValue(QStringLiteral("ttyUSB0"), 2.0, false);
    QCOMPARE(window.devices().at(2).value, 2.0);
    QCOMPARE(store.recordCount(2), 0);
    QVERIFY(m_sandbox->writeFile(QStringLiteral("devices_config.ini"), "untouched"));
    window.onSylvacSerialUnit(QStringLiteral("ttyUSB0"), false);
    QCOMPARE(m_sandbox->readFile(QStringLiteral("devices_config.ini")), QByteArray("untouched"));
    window.onSylvacSerialUnit(QStringLiteral("ttyUSB0"), true);
    QVERIFY(m_sandbox->readFile(QStringLiteral("devices_config.ini")).contains("serialUnit=1"));
    QVERIFY(!window.devices().at(2).sylvacHasValue);
    window.onSylvacSerialValue(QStringLiteral("ttyUSB0"), 1.0, true);
    QCOMPARE(store.records(2).values, QList<double>{25.4});
    window.onSylvacSerialPortState(QStringLiteral("ttyUSB0"), false);
    QVERIFY(!window.devices().at(2).connected);

    // A reading for a device that has no card yet still updates it and is recorded.
    DeviceRecord late;
    late.type = ConnectionKind::NrfDongle;
    late.mac = QStringLiteral("77:77:77:77:77:77");
    window.devices().append(late);
    window.onBleReadingReceived(late.mac, BleReading{3.0, false, true});
    QCOMPARE(window.devices().at(4).value, 3.0);
    QCOMPARE(store.recordCount(4), 1);

    // Memory download: Sylvac instruments cannot, the others must be on line.
    ModalAnswerer sylvac(QMessageBox::Ok);
    window.downloadDeviceMemory(3);
    QVERIFY(sylvac.answered());
    QCOMPARE(sylvac.text(), QStringLiteral("Прилади Sylvac не підтримують вивантаження пам'яті."));
    ModalAnswerer offline(QMessageBox::Ok);
    window.downloadDeviceMemory(0);
    QCOMPARE(offline.text(), QStringLiteral("Прилад не на зв'язку."));
}

void TestWorkspace::addingBluetoothInstruments()
{
    QVERIFY(m_sandbox->writeFile(QStringLiteral("devices_config.ini"),
                                 "[Devices]\nsize=2\n"
                                 "1\\name=dongle\n1\\type=3\n1\\portName=DONGLE\n1\\address=1\n"
                                 "2\\name=keys\n2\\type=2\n2\\portName=HID\n2\\address=2\n"));
    MeasuringSystem window;
    const auto le = [](const char *address, const QString &name) {
        QBluetoothDeviceInfo info(QBluetoothAddress(QString::fromLatin1(address)), name, 0);
        info.setCoreConfigurations(QBluetoothDeviceInfo::LowEnergyCoreConfiguration);
        return info;
    };
    // Several in one pass; the Bluetooth kinds share their numbering, the keyboard's 2 does not count.
    window.addBluetoothDevices({le("11:22:33:44:55:66", QStringLiteral("SY289 caliper")),
                                le("11:22:33:44:55:77", QString())});
    QCOMPARE(window.devices().size(), 4);
    QCOMPARE(window.cards().size(), 4);
    const DeviceRecord &sylvac = window.devices().at(2);
    QCOMPARE(sylvac.name, QStringLiteral("SY289 caliper"));
    QCOMPARE(sylvac.mac, QStringLiteral("11:22:33:44:55:66"));
    QCOMPARE(sylvac.address, quint8(2));
    QCOMPARE(sylvac.bleProtocol, 1);
    QCOMPARE(sylvac.portName, QStringLiteral("BLE"));
    const DeviceRecord &nameless = window.devices().at(3);
    QCOMPARE(nameless.name, QStringLiteral("DEVICE 4"));
    QCOMPARE(nameless.address, quint8(3));
    QCOMPARE(nameless.bleProtocol, 0);

    // Both survive a restart as they were stored.
    DeviceRegistry reloaded;
    reloaded.loadDevices();
    QCOMPARE(reloaded.devices().size(), 4);
    QCOMPARE(reloaded.devices().at(2).mac, sylvac.mac);
    QCOMPARE(reloaded.devices().at(3).type, int(ConnectionKind::Bluetooth));
}

void TestWorkspace::statisticsAndChartFollowTheTables()
{
    QVERIFY(m_sandbox->writeFile(QStringLiteral("devices_config.ini"), kSixDevices));
    MeasuringSystem window;
    DeviceRecord &record = window.devices()[0];
    record.connected = true;
    record.value = 1.5;
    window.onDeviceDataClicked(0);

    // The dialog is modeless, works on its own copy and goes away when closed.
    window.openStatisticsFor(0);
    auto *stats = window.findChild<StatisticsDialog *>();
    QVERIFY(stats && !stats->isModal());
    stats->close();
    QTRY_VERIFY(!window.findChild<StatisticsDialog *>());

    // While the chart page is shown, every recording reaches it.
    QTest::mouseClick(child<QPushButton>(window, "GraphicButton"), Qt::LeftButton);
    const auto *chart = window.findChild<ChartWidget *>();
    QVERIFY(chart);
    QCOMPARE(chart->series().value(0).values, QList<double>{1.5});
    record.value = 2.5;
    window.onDeviceDataClicked(0);
    QTRY_COMPARE(chart->series().value(0).values, (QList<double>{1.5, 2.5}));
}

void TestWorkspace::addingAModbusInstrument()
{
    QVERIFY(m_sandbox->writeFile(QStringLiteral("devices_config.ini"), kSixDevices));
    MeasuringSystem window;
    window.addModbusDevice(QStringLiteral("COM7"), 19200, 12);
    QCOMPARE(window.devices().size(), 7);
    const DeviceRecord &record = window.devices().last();
    QCOMPARE(record.name, QStringLiteral("DEVICE 7"));
    QCOMPARE(record.address, quint8(12));
    QVERIFY(record.connected);
    QCOMPARE(window.cards().last()->statusText(), QStringLiteral("ADDR: 12 | COM7"));
    QVERIFY(window.cards().last()->isConnectedShown()); // a new instrument starts green
    QCOMPARE(window.registry().adapters().size(), 1);
    QCOMPARE(window.registry().adapters().first().baudRate, 19200);

    DeviceRegistry stored;
    stored.loadDevices();
    stored.loadAdapters();
    QCOMPARE(stored.devices().size(), 7);
    QCOMPARE(stored.adapters().first().portName, QStringLiteral("COM7"));

    // The same port again only changes its speed.
    window.addModbusDevice(QStringLiteral("COM7"), 9600, 13);
    QCOMPARE(window.registry().adapters().size(), 1);
    QCOMPARE(window.registry().adapters().first().baudRate, 9600);
}

QTEST_MAIN(TestWorkspace)
#include "tst_workspace.moc"
