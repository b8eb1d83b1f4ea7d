#include "bled112peer.h"
#include "links/dongle/nrfdonglemanager.h"
#include "links/dongle/nrfsimulation/nrfsimulateddriver.h"
#include "links/hid/keyboarddevicedialog.h"
#include "links/modbus/modbuspoller.h"
#include "links/sylvac/sylvacserialdialog.h"
#include "links/sylvac/sylvacserialmanager.h"
#include "modalanswerer.h"
#include "modbuspeer.h"
#include "recording/chartwidget.h"
#include "recording/monotablemodel.h"
#include "recording/multitablemodel.h"
#include "recording/statisticsdialog.h"
#include "recording/tableexporter.h"
#include "settingssandbox.h"
#include "sylvaccablepeer.h"
#include "virtualports.h"
#include "workspace/device_visual.h"
#include "workspace/deviceeditdialog.h"
#include "workspace/devicetypedialog.h"
#include "workspace/measuringsystem.h"
#include "workspace/toolbarfitter.h"
#include "workspace/usermanager.h"
#include "xlsxcells.h"

#include <QAction>
#include <QApplication>
#include <QBluetoothAddress>
#include <QBluetoothDeviceInfo>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QDropEvent>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QPushButton>
#include <QSettings>
#include <QStackedWidget>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QVBoxLayout>

#include <functional>
#include <memory>

#include <fcntl.h>
#include <linux/input.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Six instruments, one of every kind, the way the registry stores them.
const QByteArray kSixDevices =
    "[Devices]\n"
    "size=6\n"
    "1\\name=Indicator\n1\\portName=COM3\n1\\address=5\n1\\type=0\n1\\precision=3\n"
    "2\\name=Caliper\n2\\portName=BLE\n2\\address=1\n2\\type=1\n2\\mac=AA:BB:CC:DD:EE:01\n"
    "3\\name=Keyboard gauge\n3\\portName=HID\n3\\address=1\n3\\type=2\n"
    "3\\hidPath=usb-1#VID_0C45&PID_7403#event5\n3\\hidUnit=0\n"
    "4\\name=Sylvac probe\n4\\portName=BLE\n4\\address=2\n4\\type=3\n4\\mac=AA:BB:CC:DD:EE:02\n"
    "4\\bleProtocol=1\n4\\donglePort=/dev/ttyACM0\n"
    "5\\name=Bled caliper\n5\\portName=DONGLE\n5\\address=3\n5\\type=4\n5\\mac=AA:BB:CC:DD:EE:03\n"
    "6\\name=Cable\n6\\portName=/dev/ttyUSB1\n6\\address=1\n6\\type=5\n6\\serialUnit=1\n";

QStringList names(const MeasuringSystem &window)
{
    QStringList result;
    for (const DeviceRecord &record : window.devices())
        result.append(record.name);
    return result;
}

QStringList cardNames(const MeasuringSystem &window)
{
    QStringList result;
    for (const Device_visual *card : window.cards())
        result.append(card->name());
    return result;
}

QStringList storedNames()
{
    DeviceRegistry stored;
    stored.loadDevices();
    QStringList result;
    for (const DeviceRecord &record : stored.devices())
        result.append(record.name);
    return result;
}

template<typename T> T *child(const QWidget &window, const char *name)
{
    T *found = window.findChild<T *>(QString::fromLatin1(name));
    if (!found)
        qWarning("no child %s", name);
    return found;
}

QString cell(const QAbstractItemModel *model, int row, int column)
{
    return model->index(row, column).data().toString();
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

void choose(QComboBox *combo, int data)
{
    combo->setCurrentIndex(combo->findData(data));
}

// An instrument on line whose link has delivered a value.
void giveValue(DeviceRecord &record, double value)
{
    record.connected = true;
    (isBleKind(record.type) ? record.bleHasValue : record.modbusHasValue) = true;
    record.value = record.heldValue = value;
}

// One adapter port with the given instruments on it, as the devices and adapters files describe it.
struct Bus
{
    explicit Bus(const SettingsSandbox &sandbox, const QByteArray &devices)
    {
        port = peer.link(dir.filePath(QStringLiteral("ttyBus")));
        ports.add(port);
        sandbox.writeFile(QStringLiteral("com_adapters.ini"),
                          "[Adapters]\nsize=1\n1\\portName=" + port.toUtf8() + "\n1\\baudRate=9600\n");
        sandbox.writeFile(QStringLiteral("devices_config.ini"),
                          QByteArray(devices).replace("$PORT", port.toUtf8()));
    }

    QTemporaryDir dir;
    ModbusPeer peer;
    QString port;
    VirtualPorts ports;
};

// Plays the user through the add flow: `step` is called with whatever modal dialog is open, until it
// returns true; the connection-type dialog is answered with `kind` first.
void runAddFlow(MeasuringSystem &window, int kind, std::function<bool(QDialog *)> step)
{
    QTimer timer;
    QElapsedTimer elapsed;
    elapsed.start();
    bool done = false;
    QObject::connect(&timer, &QTimer::timeout, &timer, [&] {
        auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget());
        if (dialog && elapsed.elapsed() > 10000) {
            dialog->reject(); // stuck: fail here, not at the test's watchdog
        } else if (auto *type = qobject_cast<DeviceTypeDialog *>(dialog)) {
            choose(type->findChild<QComboBox *>(QStringLiteral("typeCombo")), kind);
            QTest::mouseClick(type->findChild<QPushButton *>(QStringLiteral("nextButton")), Qt::LeftButton);
        } else if (dialog && !done) {
            done = step(dialog);
        }
    });
    timer.start(20);
    QTest::mouseClick(window.findChild<QPushButton *>(QStringLiteral("AddButton")), Qt::LeftButton);
    QVERIFY(done);
}

// A keyboard instrument typing into the file KOVRAN reads as its keyboard: press, release, report.
void typeOnKeyboard(const QString &file, const QList<quint16> &keys)
{
    QByteArray bytes;
    for (const quint16 code : keys) {
        for (const int value : {1, 0}) {
            input_event events[2] = {};
            events[0].type = EV_KEY;
            events[0].code = code;
            events[0].value = value;
            events[1].type = EV_SYN;
            bytes.append(reinterpret_cast<const char *>(events), sizeof events);
        }
    }
    const int fd = ::open(QFile::encodeName(file).constData(), O_WRONLY | O_NONBLOCK);
    QVERIFY2(fd >= 0, "nobody reads the keyboard");
    QCOMPARE(::write(fd, bytes.constData(), bytes.size()), bytes.size());
    ::close(fd);
}

} // namespace

// The window with the six instruments of every kind, fresh for every test; tests that need another
// bench build their own.
class TestWorkspace : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void screenScale();
    void toolbarFontFitsTheNarrowestButton();
    void opensWithCardsOffLineAndTheFirstShown();
    void dropOnACardReorders();
    void editWritesBackAndTheTablesFollowAtOnce();
    void deleteAsksAndKeepsEverythingInStep();
    void liveValuesOnlyFromInstrumentsWithOne();
    void modeButtonsSwitchPagesAndTables();
    void syncAllTogglesEveryCard();
    void languageSwitchIsStoredAndRetranslates();
    void ownersFollowTheUserStore();
    void exportAndStatisticsUseTheTableOnScreen();
    void normalCloseLeavesNoJournal();
    void addingBluetoothInstruments();
    void addingAModbusInstrument();
    void modbusInstrumentsGoLiveAndZero();
    void globalUnitsAreEnforcedOnModbusAgain();
    void dongleCaliperButtonBecomesARecord();
    void nrfCaliperButtonBecomesARecord();
    void sylvacCableAddedAndItsButtonRecorded();
    void keyboardInstrumentAddedAndItsLineRecorded();

private:
    MeasuringSystem &window() { return *m_window; }

    std::unique_ptr<SettingsSandbox> m_sandbox;
    std::unique_ptr<MeasuringSystem> m_window;
    QTemporaryDir m_keyboardDir;
    QString m_keyboard; // a FIFO that types like a USB keyboard
};

void TestWorkspace::initTestCase()
{
    qputenv("KOVRAN_NRF_DRIVER", "simulated");
    // Listed from the start: the keyboard manager is built with the first window.
    m_keyboard = m_keyboardDir.filePath(QStringLiteral("VELKOR-KBD"));
    QCOMPARE(::mkfifo(QFile::encodeName(m_keyboard).constData(), 0600), 0);
    qputenv("KOVRAN_VIRTUAL_KEYBOARDS", (m_keyboard + QStringLiteral("@1209:4B56")).toLocal8Bit());
}

void TestWorkspace::init()
{
    m_sandbox = std::make_unique<SettingsSandbox>();
    // The window's own language; the texts below are checked in it.
    QVERIFY(m_sandbox->writeFile(QStringLiteral("settings.ini"), "[General]\nLanguage=uk_UA\n"));
    QVERIFY(m_sandbox->writeFile(QStringLiteral("devices_config.ini"), kSixDevices));
    UserManager::instance()->reload();
    m_window = std::make_unique<MeasuringSystem>();
}

void TestWorkspace::cleanup()
{
    m_window.reset();
    m_sandbox.reset();
}

void TestWorkspace::screenScale()
{
    QCOMPARE(MeasuringSystem::screenScale(QSize(1920, 1080)), 1.0);
    QCOMPARE(MeasuringSystem::screenScale(QSize(3840, 2160)), 1.8);                           // limited
    QVERIFY(qFuzzyCompare(MeasuringSystem::screenScale(QSize(1280, 1024)), 1280.0 / 1920.0)); // the width
    QVERIFY(qFuzzyCompare(MeasuringSystem::screenScale(QSize(3440, 1440)), 1440.0 / 1080.0)); // the height
    QCOMPARE(MeasuringSystem::screenScale(QSize(800, 480)), 0.6);
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
    QCOMPARE(ToolbarFitter::fitFontPx(buttons), 8);

    buttons.at(4)->resize(220, 40);
    const int fitted = ToolbarFitter::fitFontPx(buttons);
    QVERIFY(fitted > 8 && fitted <= 28); // 0.7 of the height at most
    QFont font = buttons.at(4)->font();
    font.setPixelSize(fitted);
    QVERIFY(QFontMetrics(font).horizontalAdvance(buttons.at(4)->text()) <= 220 - 16);

    // Fitting while the highlight style makes a button bold must not leave it bold afterwards.
    ToolbarFitter fitter(buttons, new QLabel(&bar), &bar);
    buttons.at(0)->setStyleSheet(QStringLiteral("QPushButton { font-weight: bold; }"));
    buttons.at(0)->ensurePolished();
    fitter.refit();
    buttons.at(0)->setStyleSheet(QString());
    buttons.at(0)->ensurePolished();
    QVERIFY(!buttons.at(0)->font().bold());

    // The window's toolbar shares one size.
    window().resize(1280, 800);
    window().show();
    QVERIFY(QTest::qWaitForWindowExposed(&window()));
    const int px = child<QPushButton>(window(), "AddButton")->font().pixelSize();
    for (const char *name : {"sync_all_Button", "Multi_Button", "ExportButton"})
        QCOMPARE(child<QPushButton>(window(), name)->font().pixelSize(), px);
}

void TestWorkspace::opensWithCardsOffLineAndTheFirstShown()
{
    QCOMPARE(cardNames(window()), names(window()));
    QCOMPARE(window().cards().size(), 6);
    for (const Device_visual *card : window().cards()) {
        QVERIFY(!card->isConnectedShown());
        QCOMPARE(card->valueText(), QStringLiteral("---"));
    }
    QCOMPARE(window().cards().at(3)->statusText(),
             QStringLiteral("AA:BB:CC:DD:EE:02 | /dev/ttyACM0 | Sylvac"));
    QVERIFY(!window().cards().at(2)->isZeroEnabled());
    QCOMPARE(window().cards().at(0)->precision(), 3);

    // The mono page shows the first instrument from the start, and its card says so.
    QCOMPARE(window().selectedDevice(), 0);
    QVERIFY(window().cards().at(0)->isSelected());
    giveValue(window().devices()[0], 1.25);
    QTest::mouseClick(child<QPushButton>(window(), "monoValueButton"), Qt::LeftButton);
    QCOMPARE(window().recordings().records(0).values, QList<double>{1.25});
    QCOMPARE(window().monoModel()->rowCount(), 1);

    window().onDeviceCardClicked(2);
    QVERIFY(!window().cards().at(0)->isSelected() && window().cards().at(2)->isSelected());
}

void TestWorkspace::dropOnACardReorders()
{
    window().selectDevice(2);
    Device_visual *source = window().cards().at(5);
    std::unique_ptr<QMimeData> mime(source->createDragMimeData());
    QDragEnterEvent enter(QPoint(10, 10), Qt::MoveAction, mime.get(), Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(window().cards().at(1), &enter);
    QDropEvent drop(QPointF(10, 10), Qt::MoveAction, mime.get(), Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(window().cards().at(1), &drop);

    const QStringList expected = {QStringLiteral("Indicator"),    QStringLiteral("Cable"),
                                  QStringLiteral("Caliper"),      QStringLiteral("Keyboard gauge"),
                                  QStringLiteral("Sylvac probe"), QStringLiteral("Bled caliper")};
    QCOMPARE(names(window()), expected);
    QCOMPARE(cardNames(window()), expected);
    QCOMPARE(storedNames(), expected);
    QCOMPARE(window().selectedDevice(), 3); // the shown device moved with its card
    QVERIFY(window().cards().at(3)->isSelected());
    const auto *layout = source->parentWidget()->findChild<QVBoxLayout *>(QStringLiteral("cardsLayout"));
    QCOMPARE(layout->indexOf(source), 1);

    // Cards that are not the window's own, and a card onto itself, move nothing.
    Device_visual stranger(QStringLiteral("not ours"), 0);
    window().onDeviceReorder(&stranger, window().cards().at(1));
    window().onDeviceReorder(window().cards().at(1), window().cards().at(1));
    QCOMPARE(names(window()), expected);
}

void TestWorkspace::editWritesBackAndTheTablesFollowAtOnce()
{
    QVERIFY(
        m_sandbox->writeFile(QStringLiteral("devices_config.ini"), kSixDevices + "[GlobalUnits]\nForce=1\n"));
    m_window = std::make_unique<MeasuringSystem>();
    DeviceRecord &hid = window().devices()[2];
    hid.connected = hid.hidHasValue = true;
    hid.hidRawValue = hid.value = hid.heldValue = 4.4482216152605; // newton once the unit below is chosen
    window().cards().at(2)->setSyncChecked(true);
    QTest::mouseClick(child<QPushButton>(window(), "Multi_Button"), Qt::LeftButton);
    window().onDeviceDataClicked(2);
    QCOMPARE(cell(window().multiModel(), 0, 2), QStringLiteral("4.45"));

    editNextDialog(this, [](DeviceEditDialog *dialog) {
        dialog->findChild<QLineEdit *>(QStringLiteral("nameEdit"))
            ->setText(QStringLiteral("Force \"gauge\", <1>"));
        choose(dialog->findChild<QComboBox *>(QStringLiteral("hidUnitCombo")), 2);
        choose(dialog->findChild<QComboBox *>(QStringLiteral("precisionCombo")), 4);
        choose(dialog->findChild<QComboBox *>(QStringLiteral("measuringTypeCombo")), 7);
        dialog->findChild<QDoubleSpinBox *>(QStringLiteral("limitMinSpin"))->setValue(0.5);
        dialog->findChild<QDoubleSpinBox *>(QStringLiteral("limitMaxSpin"))->setValue(1.5);
    });
    window().onEditDevice(window().cards().at(2));

    QCOMPARE(hid.sensorKind, quint16(SensorKind::Dynamometer));
    QCOMPARE(hid.unit, int(UnitCode::PoundForce)); // the global force unit
    QVERIFY(qAbs(hid.value - 1.0) < 1e-12);
    QCOMPARE(window().cards().at(2)->precision(), 4);
    QCOMPARE(window().cards().at(2)->displayMode(), Device_visual::Go); // 1.0 lies within 0.5 .. 1.5
    // The multi table shows the new name and precision without waiting for another record.
    QCOMPARE(window().multiModel()->headerData(2, Qt::Horizontal).toString(),
             QStringLiteral("Force \"gauge\", <1> (lbf)"));
    QCOMPARE(cell(window().multiModel(), 0, 2), QStringLiteral("4.4482"));
    DeviceRegistry stored;
    stored.loadDevices();
    QCOMPARE(stored.devices().at(2).name, hid.name);
    QCOMPARE(stored.devices().at(2).limitMax, 1.5);

    ModalAnswerer cancel(QMessageBox::Cancel);
    window().onEditDevice(window().cards().at(0));
    QVERIFY(cancel.answered());
    QCOMPARE(window().devices().at(0).name, QStringLiteral("Indicator"));
}

void TestWorkspace::deleteAsksAndKeepsEverythingInStep()
{
    window().devices()[1].name = QStringLiteral("<i>Caliper</i> & co");
    giveValue(window().devices()[4], 2.0);
    window().selectDevice(4);
    window().onDeviceDataClicked(4);
    {
        ModalAnswerer no(QMessageBox::No);
        window().onDeleteDevice(window().cards().at(1));
        QCOMPARE(no.title(), QStringLiteral("Видалити"));
        // The name is the user's own text, never markup.
        QCOMPARE(no.text(), QStringLiteral("Ви впевнені що хочете видалити пристрій "
                                           "<b>&lt;i&gt;Caliper&lt;/i&gt; &amp; co</b>?"));
    }
    QCOMPARE(window().cards().size(), 6);

    QPointer<Device_visual> doomed = window().cards().at(1);
    ModalAnswerer yes(QMessageBox::Yes);
    window().onDeleteDevice(doomed);
    QCOMPARE(window().devices().size(), 5);
    QCOMPARE(cardNames(window()), names(window()));
    QCOMPARE(storedNames(), names(window()));
    // The shown device and its records moved down with the list.
    QCOMPARE(window().selectedDevice(), 3);
    QCOMPARE(window().recordings().recordCount(3), 1);
    QCOMPARE(window().monoModel()->rowCount(), 1);
    QTRY_VERIFY(doomed.isNull());

    // Deleting the shown device leaves the mono page empty.
    ModalAnswerer again(QMessageBox::Yes);
    window().onDeleteDevice(window().cards().at(3));
    QCOMPARE(window().selectedDevice(), -1);
    QCOMPARE(child<QPushButton>(window(), "monoValueButton")->text(), QStringLiteral("0.000"));
    QCOMPARE(window().monoModel()->rowCount(), 0);
}

void TestWorkspace::liveValuesOnlyFromInstrumentsWithOne()
{
    DeviceRecord &modbus = window().devices()[0];
    modbus.connected = true;                // on line, no value answered yet
    window().devices()[1].connected = true; // a caliper on line that has sent nothing
    DeviceRecord &hid = window().devices()[2];
    hid.connected = hid.hidHasValue = true;
    hid.value = 2.0;
    hid.heldValue = 9.0;
    hid.measuringType = MeasuringMode::MaxPeek; // peak hold shows the held value
    window().onUiRefreshTimerTimeout();
    QCOMPARE(window().cards().at(0)->valueText(), QStringLiteral("---"));
    QVERIFY(window().cards().at(0)->isConnectedShown());
    QCOMPARE(window().cards().at(1)->valueText(), QStringLiteral("---"));
    QCOMPARE(window().cards().at(2)->valueText(), QStringLiteral("9.00"));
    QVERIFY(!window().cards().at(3)->isConnectedShown());
    auto *monoValue = child<QPushButton>(window(), "monoValueButton");
    QCOMPARE(monoValue->text(), QStringLiteral("---"));

    giveValue(modbus, -1.23456);
    window().onUiRefreshTimerTimeout();
    QCOMPARE(window().cards().at(0)->valueText(), QStringLiteral("-1.235"));
    QCOMPARE(monoValue->text(), QStringLiteral("-1.235"));

    // A unit the instrument reports later shows on the label and in the table header.
    modbus.unit = UnitCode::Inch;
    QTest::ignoreMessage(QtDebugMsg, "[UNITS] Mono label updated: mm -> inch");
    window().onUiRefreshTimerTimeout();
    QCOMPARE(child<QLabel>(window(), "monoUnitLabel")->text(), QStringLiteral("inch"));
    QCOMPARE(window().monoModel()->headerData(2, Qt::Horizontal).toString(),
             QStringLiteral("Значення (inch)"));
}

void TestWorkspace::modeButtonsSwitchPagesAndTables()
{
    auto *stack = child<QStackedWidget>(window(), "modeStack");
    auto *mono = child<QPushButton>(window(), "Mono_Button");
    auto *multi = child<QPushButton>(window(), "Multi_Button");
    auto *chart = child<QPushButton>(window(), "GraphicButton");
    const auto highlighted = [](const QPushButton *button) {
        return button->styleSheet().contains(QStringLiteral("#ffe600"));
    };
    QVERIFY(highlighted(mono) && !highlighted(multi) && !highlighted(chart));

    giveValue(window().devices()[0], 1.0);
    window().cards().at(0)->setSyncChecked(true);
    window().cards().at(5)->setSyncChecked(true); // the cable has no value
    QTest::mouseClick(multi, Qt::LeftButton);
    QCOMPARE(window().mode(), int(MeasuringSystem::MultiMode));
    QCOMPARE(stack->currentWidget()->objectName(), QStringLiteral("multiPage"));
    QVERIFY(!highlighted(mono) && highlighted(multi));
    window().onDeviceDataClicked(0);
    const QAbstractItemModel *table = window().multiModel();
    QCOMPARE(table->headerData(3, Qt::Horizontal).toString(), QStringLiteral("Cable (mm)"));
    QCOMPARE(cell(table, 0, 2), QStringLiteral("1.000"));
    QCOMPARE(cell(table, 0, 3), QStringLiteral("—"));
    QCOMPARE(table->index(0, 3).data(Qt::ForegroundRole).value<QColor>(), QColor(0xbb, 0xbb, 0xbb));
    window().cards().at(5)->setSyncChecked(false); // the column goes with the box
    QCOMPARE(table->columnCount(), 3);
    QCOMPARE(window().multiColumnToDeviceIndex(2), 0);

    QTest::mouseClick(chart, Qt::LeftButton);
    QCOMPARE(stack->currentWidget()->objectName(), QStringLiteral("chartPage"));
    QCOMPARE(window().mode(), int(MeasuringSystem::MultiMode)); // the chart keeps the recording mode
    QVERIFY(highlighted(multi) && highlighted(chart));

    QTest::mouseClick(mono, Qt::LeftButton);
    QCOMPARE(window().mode(), int(MeasuringSystem::MonoMode));
    QCOMPARE(stack->currentWidget()->objectName(), QStringLiteral("monoPage"));
    QVERIFY(!highlighted(chart));
}

void TestWorkspace::syncAllTogglesEveryCard()
{
    auto *syncAll = child<QPushButton>(window(), "sync_all_Button");
    window().cards().at(2)->setSyncChecked(true);
    for (bool expected : {true, false}) {
        QTest::mouseClick(syncAll, Qt::LeftButton);
        for (const Device_visual *card : window().cards())
            QCOMPARE(card->isSyncChecked(), expected);
    }
}

void TestWorkspace::languageSwitchIsStoredAndRetranslates()
{
    window().onDeviceCardClicked(0);
    window().setLanguage(QStringLiteral("de_DE"));
    QCOMPARE(window().windowTitle(), QStringLiteral("KOVRAN — Messsystem"));
    QVERIFY(window().monoModel()->headerData(1, Qt::Horizontal).toString() != QStringLiteral("Час"));
    QCOMPARE(QSettings(m_sandbox->filePath(QStringLiteral("settings.ini")), QSettings::IniFormat)
                 .value(QStringLiteral("Language"))
                 .toString(),
             QStringLiteral("de_DE"));
    // The stored language comes back with the next window, its action checked.
    m_window.reset();
    m_window = std::make_unique<MeasuringSystem>();
    QCOMPARE(window().windowTitle(), QStringLiteral("KOVRAN — Messsystem"));
    QVERIFY(child<QAction>(window(), "action_de")->isChecked());
}

void TestWorkspace::ownersFollowTheUserStore()
{
    UserManager *users = UserManager::instance();
    const QString anna = users->addUser(QStringLiteral("Anna"), UserManager::Operator);
    window().devices()[2].userId = anna;
    window().devices()[3].userId = QStringLiteral("u99"); // a user that no longer exists
    window().refreshDeviceOwners();
    QCOMPARE(window().cards().at(2)->owner(), QStringLiteral("Anna"));
    QCOMPARE(window().cards().at(3)->owner(), QString());
    users->renameUser(anna, QStringLiteral("Anna K."));
    QCOMPARE(window().cards().at(2)->owner(), QStringLiteral("Anna K."));
    QVERIFY(users->removeUser(anna));
    QCOMPARE(window().cards().at(2)->owner(), QString());
}

void TestWorkspace::exportAndStatisticsUseTheTableOnScreen()
{
    giveValue(window().devices()[0], 1.5);
    window().onDeviceDataClicked(0);

    // The dialog is modeless, works on its own copy and goes away when closed.
    window().openStatisticsFor(0);
    auto *stats = window().findChild<StatisticsDialog *>();
    QVERIFY(stats && !stats->isModal());
    stats->close();
    QTRY_VERIFY(!window().findChild<StatisticsDialog *>());

    // While the chart page is shown, every recording reaches it.
    QTest::mouseClick(child<QPushButton>(window(), "GraphicButton"), Qt::LeftButton);
    const auto *chart = window().findChild<ChartWidget *>();
    QCOMPARE(chart->series().value(0).values, QList<double>{1.5});
    window().devices()[0].value = 2.5;
    window().onDeviceDataClicked(0);
    QTRY_COMPARE(chart->series().value(0).values, (QList<double>{1.5, 2.5}));

    // Multi mode exports the shared table, which is empty.
    QTest::mouseClick(child<QPushButton>(window(), "Multi_Button"), Qt::LeftButton);
    ModalAnswerer warning(QMessageBox::Ok);
    child<QAction>(window(), "actionExportCsv")->trigger();
    QCOMPARE(warning.text(), QStringLiteral("Немає даних для експорту."));

    // A workbook's statistics are the columns' instruments over the shared table, not their own tables.
    window().cards().at(0)->setSyncChecked(true);
    window().cards().at(5)->setSyncChecked(true); // the cable has no value
    window().onDeviceDataClicked(0);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("table.xlsx"));
    window().findChild<TableExporter *>()->setFileNameProvider([&](auto &, auto &) { return path; });
    ModalAnswerer done(QMessageBox::Ok);
    child<QAction>(window(), "actionExportXlsx")->trigger();
    QCOMPARE(done.text(), QStringLiteral("Дані успішно експортовано в XLSX."));
    QHash<QString, XlsxCell> figures = xlsxCells(path, 2);
    QCOMPARE(figures["A2"].value + figures["C2"].value + figures["A3"].value + figures["C3"].value +
                 figures.value("A4").value,
             QStringLiteral("Indicator1Cable0"));
}

void TestWorkspace::normalCloseLeavesNoJournal()
{
    const QString journal = m_sandbox->filePath(QStringLiteral("recovery_journal.log"));
    giveValue(window().devices()[0], 1.5);
    window().onDeviceDataClicked(0);
    QVERIFY(QFile::exists(journal));
    window().close();
    QVERIFY(!QFile::exists(journal));
}

void TestWorkspace::addingBluetoothInstruments()
{
    const auto le = [](const char *address, const QString &name) {
        QBluetoothDeviceInfo info(QBluetoothAddress(QString::fromLatin1(address)), name, 0);
        info.setCoreConfigurations(QBluetoothDeviceInfo::LowEnergyCoreConfiguration);
        return info;
    };
    // Several in one pass; the Bluetooth kinds share one numbering (1, 2, 3 are taken), the others do not.
    window().addBluetoothDevices(
        {le("11:22:33:44:55:66", QStringLiteral("SY289 caliper")), le("11:22:33:44:55:77", QString())});
    QCOMPARE(window().cards().size(), 8);
    const DeviceRecord &sylvac = window().devices().at(6);
    QCOMPARE(sylvac.name, QStringLiteral("SY289 caliper"));
    QCOMPARE(sylvac.address, quint8(4));
    QCOMPARE(sylvac.bleProtocol, 1);
    const DeviceRecord &nameless = window().devices().at(7);
    QCOMPARE(nameless.name, QStringLiteral("DEVICE 8"));
    QCOMPARE(nameless.address, quint8(5));

    DeviceRegistry reloaded;
    reloaded.loadDevices();
    QCOMPARE(reloaded.devices().size(), 8);
    QCOMPARE(reloaded.devices().at(6).mac, sylvac.mac);
}

void TestWorkspace::addingAModbusInstrument()
{
    QVERIFY(m_sandbox->writeFile(QStringLiteral("devices_config.ini"), "[GlobalUnits]\nLinear=1\n"));
    m_window = std::make_unique<MeasuringSystem>();
    QCOMPARE(window().selectedDevice(), -1);
    window().addModbusDevice(QStringLiteral("COM7"), 19200, 12);
    const DeviceRecord &record = window().devices().last();
    QCOMPARE(record.name, QStringLiteral("DEVICE 1"));
    QCOMPARE(record.unit, int(UnitCode::Inch)); // the bench's unit from the start
    QCOMPARE(window().selectedDevice(), 0);
    // It answered the dialog, so it is on line; it shows no value until the first poll brings one.
    window().onUiRefreshTimerTimeout();
    QVERIFY(window().cards().last()->isConnectedShown());
    QCOMPARE(window().cards().last()->valueText(), QStringLiteral("---"));
    QCOMPARE(child<QPushButton>(window(), "monoValueButton")->text(), QStringLiteral("---"));
    window().onDeviceDataClicked(0);
    QCOMPARE(window().recordings().recordCount(0), 0);

    QCOMPARE(window().registry().adapters().size(), 1);
    QCOMPARE(window().registry().adapters().first().baudRate, 19200);
    // The same port again only changes its speed; both are stored.
    window().addModbusDevice(QStringLiteral("COM7"), 9600, 13);
    DeviceRegistry stored;
    stored.loadDevices();
    stored.loadAdapters();
    QCOMPARE(stored.devices().size(), 2);
    QCOMPARE(stored.adapters(), (QList<ModbusAdapter>{{QStringLiteral("COM7"), 9600}}));
}

void TestWorkspace::modbusInstrumentsGoLiveAndZero()
{
    Bus bus(*m_sandbox,
            "[Devices]\nsize=3\n"
            "1\\name=first\n1\\portName=$PORT\n1\\address=1\n"
            "2\\name=caliper\n2\\portName=BLE\n2\\address=1\n2\\type=1\n"
            "3\\name=second\n3\\portName=$PORT\n3\\address=2\n3\\measuringType=5\n3\\limitMin=0\n");
    ModbusPeer &peer = bus.peer;
    const QString &port = bus.port;
    peer.addInstrument(1);
    peer.addInstrument(2);
    peer.setValue(1, 12.5);
    peer.setValue(2, -0.25);
    m_window = std::make_unique<MeasuringSystem>();
    const auto polled = [this, &port] {
        QList<int> indexes = window().modbusPoller()->pollList(port); // in round-robin order
        std::sort(indexes.begin(), indexes.end());
        return indexes;
    };
    QCOMPARE(polled(), (QList<int>{0, 2}));
    QTRY_COMPARE(window().cards().at(0)->valueText(), QStringLiteral("12.50"));
    QTRY_COMPARE(window().cards().at(2)->valueText(), QStringLiteral("-0.25"));
    QCOMPARE(window().cards().at(2)->displayMode(), Device_visual::NoGo); // below the lower limit

    // The card's zero button reaches the instrument ahead of the polls.
    QTest::mouseClick(window().cards().at(2)->findChild<QPushButton *>(QStringLiteral("zeroButton")),
                      Qt::LeftButton);
    QTRY_VERIFY(!peer.writes().isEmpty());
    QCOMPARE(peer.writes().first(), (ModbusPeer::Write{2, 0x200A, 1}));
    QTRY_COMPARE(window().cards().at(2)->valueText(), QStringLiteral("0.00"));

    // Reordering keeps every instrument polled under its new index.
    window().onDeviceReorder(window().cards().at(2), window().cards().at(0));
    QCOMPARE(polled(), (QList<int>{0, 1}));
    QTRY_COMPARE(window().cards().at(1)->valueText(), QStringLiteral("12.50"));
}

void TestWorkspace::globalUnitsAreEnforcedOnModbusAgain()
{
    Bus bus(*m_sandbox, "[Devices]\nsize=1\n1\\name=bus\n1\\portName=$PORT\n1\\address=1\n");
    ModbusPeer &peer = bus.peer;
    peer.addInstrument(1);
    m_window = std::make_unique<MeasuringSystem>();
    QTRY_VERIFY(window().devices().at(0).unitResolved);
    // An instrument that gave up following the last choice gets fresh attempts with the next one.
    window().devices()[0].unitRetries = 3;
    peer.clearLog();

    QTimer::singleShot(0, this, [] {
        auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget());
        QVERIFY(dialog);
        dialog->findChild<QComboBox *>(QStringLiteral("linearCombo"))->setCurrentIndex(1);
        dialog->accept();
    });
    QTest::mouseClick(child<QPushButton>(window(), "units_button"), Qt::LeftButton);
    QCOMPARE(QSettings(m_sandbox->filePath(QStringLiteral("devices_config.ini")), QSettings::IniFormat)
                 .value(QStringLiteral("GlobalUnits/Linear"))
                 .toInt(),
             1);
    QCOMPARE(window().devices().at(0).unitRetries, 0);
    QTRY_VERIFY(!peer.writes().isEmpty());
    QCOMPARE(peer.writes().first(), (ModbusPeer::Write{1, 0x2002, 1}));
    QTRY_COMPARE(window().devices().at(0).unit, int(UnitCode::Inch));
}

void TestWorkspace::dongleCaliperButtonBecomesARecord()
{
    QTemporaryDir dir;
    Bled112Peer dongle;
    const QString port = dongle.link(dir.filePath(QStringLiteral("ttyBLED0")));
    VirtualPorts ports;
    ports.add(port + QStringLiteral("@2458:0001"));
    const QString mac = QStringLiteral("F0:5A:11:00:00:01");
    dongle.addInstrument(mac, QStringLiteral("VELKOR CAL-150"), BleKind::Velkor);
    dongle.setValue(mac, 3.5);
    QVERIFY(m_sandbox->writeFile(QStringLiteral("devices_config.ini"),
                                 "[Devices]\nsize=1\n1\\name=Caliper\n1\\portName=DONGLE\n1\\address=1\n"
                                 "1\\type=4\n1\\mac=" +
                                     mac.toUtf8() + "\n1\\donglePort=" + port.toUtf8() + "\n"));
    m_window = std::make_unique<MeasuringSystem>();
    QTRY_COMPARE(window().cards().at(0)->valueText(), QStringLiteral("3.50"));
    QVERIFY(window().cards().at(0)->isConnectedShown());
    QTRY_VERIFY(window().devices().at(0).infoValid); // the calibration date reached the record
    dongle.pressButton(mac);
    QTRY_COMPARE(window().recordings().records(0).values, QList<double>{3.5});
}

void TestWorkspace::nrfCaliperButtonBecomesARecord()
{
    QTemporaryDir dir;
    const QString port = dir.filePath(QStringLiteral("ttyNRF0"));
    QVERIFY(QFile(port).open(QIODevice::WriteOnly));
    VirtualPorts ports;
    ports.add(port + QStringLiteral("@1915:521F"));
    const QString mac = QStringLiteral("C7:2A:10:00:00:01"); // one of the simulated dongle's instruments
    QVERIFY(m_sandbox->writeFile(QStringLiteral("devices_config.ini"),
                                 "[Devices]\nsize=1\n1\\name=Caliper\n1\\portName=DONGLE\n1\\address=1\n"
                                 "1\\type=3\n1\\mac=" +
                                     mac.toUtf8() + "\n"));
    m_window = std::make_unique<MeasuringSystem>();
    auto *dongle = static_cast<NrfSimulatedDriver *>(NrfDongleManager::instance()->driver());
    dongle->setValue(mac, 4.25);
    QTRY_COMPARE(window().cards().at(0)->valueText(), QStringLiteral("4.25"));
    QTRY_COMPARE(window().devices().at(0).donglePort, port); // the dongle it was given, stored
    dongle->pressButton(mac);
    QTRY_VERIFY(window().recordings().recordCount(0) >= 1);
    QCOMPARE(window().recordings().records(0).values.first(), 4.25);
}

void TestWorkspace::sylvacCableAddedAndItsButtonRecorded()
{
    QTemporaryDir dir;
    SylvacCablePeer instrument;
    const QString port = instrument.link(dir.filePath(QStringLiteral("ttySYLVAC0")));
    VirtualPorts ports;
    ports.add(port);
    instrument.setValue(7.125);
    QVERIFY(m_sandbox->writeFile(QStringLiteral("devices_config.ini"), QByteArray()));
    m_window = std::make_unique<MeasuringSystem>();
    // Moves the cable's clock past the quiet time after opening; shared, as the manager outlives the test.
    auto later = std::make_shared<qint64>(0);
    SylvacSerialManager::instance()->setClock(
        [later] { return QDateTime::currentMSecsSinceEpoch() + *later; });

    bool pressed = false;
    runAddFlow(window(), ConnectionKind::SylvacCable, [&](QDialog *dialog) {
        auto *add = dialog->findChild<QPushButton *>(QStringLiteral("addButton"));
        if (!qobject_cast<SylvacSerialDialog *>(dialog) || !add)
            return false;
        if (!pressed)
            instrument.pressButton();
        pressed = true;
        if (add->isEnabled())
            QTest::mouseClick(add, Qt::LeftButton);
        return add->isEnabled();
    });
    QCOMPARE(window().devices().size(), 1);
    const DeviceRecord &record = window().devices().first();
    QCOMPARE(record.type, int(ConnectionKind::SylvacCable));
    QCOMPARE(record.portName, port);
    QCOMPARE(record.precision, 3); // as the instrument writes its values
    QTRY_VERIFY(SylvacSerialManager::instance()->isOpen(port));
    QTRY_COMPARE(window().cards().first()->valueText(), QStringLiteral("7.125"));
    QCOMPARE(window().recordings().recordCount(0), 0);

    *later = SylvacSerialManager::kQuietMs;
    instrument.setValue(7.5);
    instrument.pressButton();
    QTRY_COMPARE(window().recordings().records(0).values, QList<double>{7.5});
    SylvacSerialManager::instance()->removePort(port);
}

void TestWorkspace::keyboardInstrumentAddedAndItsLineRecorded()
{
    QVERIFY(m_sandbox->writeFile(QStringLiteral("devices_config.ini"), QByteArray()));
    m_window = std::make_unique<MeasuringSystem>();
    int state = 0;
    runAddFlow(window(), ConnectionKind::HidKeyboard, [&](QDialog *dialog) {
        if (!qobject_cast<KeyboardDeviceDialog *>(dialog))
            return false;
        auto *test = dialog->findChild<QLabel *>(QStringLiteral("testLabel"));
        if (state == 0) { // found by pressing the instrument's button
            QTest::mouseClick(dialog->findChild<QPushButton *>(QStringLiteral("learnButton")),
                              Qt::LeftButton);
            typeOnKeyboard(m_keyboard, {KEY_5, KEY_DOT, KEY_5, KEY_KPENTER});
            state = 1;
        } else if (state == 1 && test->text().contains(QStringLiteral("5.50"))) {
            // Learnt: the keyboard stays watched through the window's own refresh.
            QMetaObject::invokeMethod(&window(), "refreshHidDevices");
            typeOnKeyboard(m_keyboard, {KEY_6, KEY_DOT, KEY_2, KEY_ENTER});
            state = 2;
        } else if (state == 2 && test->text().contains(QStringLiteral("6.20"))) {
            QTest::mouseClick(dialog->findChild<QPushButton *>(QStringLiteral("addButton")), Qt::LeftButton);
            return true;
        }
        return false;
    });
    QCOMPARE(window().devices().size(), 1);
    const DeviceRecord &record = window().devices().first();
    QCOMPARE(record.type, int(ConnectionKind::HidKeyboard));
    QVERIFY2(record.hidPath.contains(QStringLiteral("VID_1209&PID_4B56")), qPrintable(record.hidPath));
    QVERIFY(!window().cards().first()->isZeroEnabled());

    typeOnKeyboard(m_keyboard, {KEY_1, KEY_2, KEY_DOT, KEY_3, KEY_4, KEY_ENTER});
    QTRY_COMPARE(window().recordings().records(0).values, QList<double>{12.34});
    // Keys that mean nothing, then a half line and silence: only the line counts.
    typeOnKeyboard(m_keyboard, {KEY_A, KEY_F1, KEY_7});
    QTRY_COMPARE(window().recordings().recordCount(0), 2);
    QCOMPARE(window().recordings().records(0).values.last(), 0.07); // digits without a point: 2 decimals
}

QTEST_MAIN(TestWorkspace)
#include "tst_workspace.moc"
