#pragma once

#include "devices/deviceregistry.h"
#include "links/ble/blereading.h"
#include "recording/recordingstore.h"

#include <QDate>
#include <QList>
#include <QMainWindow>

namespace Ui {
class MeasuringSystem;
}

class BleLinkAdapter;
class CardColumn;
class FormulaLinkAdapter;
class Device_visual;
class ModeArea;
class HidLinkAdapter;
class ModbusLinkAdapter;
class ModbusPoller;
class MonoTableModel;
class MultiTableModel;
class QActionGroup;
class QBluetoothDeviceInfo;
class QPushButton;
class QTimer;
class UiTranslator;
class ReadingDispatcher;
class ToolbarFitter;
class RecordingController;

// The multi-instrument workspace: a row of toolbar buttons, a column of instrument cards in device-list
// order and the mode area (mono table, multi table, chart). Devices are addressed by their index in the
// list; cards are looked up by pointer at the time of each signal, so indexes stay right after moves.
// What the links report reaches the records through the ReadingDispatcher; what gets recorded, and when,
// is the RecordingController's business. The window wires them to the cards and the tables.
class MeasuringSystem : public QMainWindow
{
    Q_OBJECT

public:
    enum Mode { MonoMode = 0, MultiMode = 1 };

    static constexpr int kUiRefreshIntervalMs = 100;
    static constexpr int kPortWatchdogIntervalMs = 1000;
    static constexpr int kRecoveryQuestionDelayMs = 300;

    explicit MeasuringSystem(QWidget *parent = nullptr);
    ~MeasuringSystem() override;

    DeviceRegistry &registry() { return m_registry; }
    QList<DeviceRecord> &devices() { return m_registry.devices(); }
    const QList<DeviceRecord> &devices() const { return m_registry.devices(); }
    const QList<Device_visual *> &cards() const;
    int selectedDevice() const;
    int mode() const;
    double uiScale() const { return m_scale; }

    void loadDevices();
    void saveDevices();
    void loadAdapters();
    void saveAdapters();
    void saveFormulas();

    // Adds a new instrument (after the other instruments, before the formulas) or formula (at the end) with
    // its card, starts its link and stores the list. Returns its index.
    int addDevice(const DeviceRecord &record);
    // The formula manager, showing the formula at `formulaRow` (0: the first formula).
    void editFormulas(int formulaRow = 0);
    // The formulas as the manager left them: removed ones go with their records, changed ones are parsed
    // again, new ones get their cards.
    void applyFormulas(const QList<DeviceRecord> &edited);
    // A Modbus instrument that the connect dialog has just set up; also remembers the adapter's speed.
    void addModbusDevice(const QString &portName, int baudRate, int address);
    // Instruments picked in the Bluetooth scan: one record and card each, connected at once.
    void addBluetoothDevices(const QList<QBluetoothDeviceInfo> &found);

    ModbusPoller *modbusPoller() const { return m_poller; }
    ReadingDispatcher &dispatcher() { return *m_dispatch; }
    RecordingController &recording() { return *m_recording; }
    RecordingStore &recordings();
    MonoTableModel *monoModel() const;
    MultiTableModel *multiModel() const;

    // Brings every instrument to the global units stored in the devices file: keyboard and cable
    // instruments at once, Modbus instruments by asking them to switch, Bluetooth ones with their next
    // reading.
    void applyGlobalUnits();
    QString evaluateTolerance(const DeviceRecord &record, double value) const;
    MultiSnapshot captureAllDevices(const QString &timeStr, bool *hasSyncData);
    int multiColumnToDeviceIndex(int column) const;
    void applyTimerSettings(bool synchronous, int intervalMs, const QMap<int, int> &rowIntervals);
    bool isSyncTimerActive() const;
    int deviceTimerCount() const;
    void rewriteJournal();
    void checkRecoveryJournal();

    // min(width / 1920, height / 1080), kept within 0.6 .. 1.8.
    static double screenScale(const QSize &screenSize);

signals:
    void languageChanged();
    // The Extensions menu: a module window to open (1 height gauge, 3 stand, 4 laser bore gauge), or the
    // module chooser.
    void moduleRequested(int module);
    void moduleChooserRequested();

public slots:
    void setLanguage(const QString &code);
    void selectDevice(int index);
    void onDeviceCardClicked(int index);
    void onEditDevice(Device_visual *visual);
    void onDeleteDevice(Device_visual *visual);
    void onDeviceReorder(Device_visual *source, Device_visual *target);
    void onDeviceSyncToggled(bool checked);
    void refreshDeviceOwners();
    void onUiRefreshTimerTimeout();
    void onPortWatchdogTick();
    // The keyboards of the keyboard instruments are the ones watched.
    void refreshHidDevices();
    void resetDeviceToZero(int deviceIndex);
    void onDeviceDataClicked(int index);

    // Readings and states the instrument links report, handed to the dispatcher.
    void onBleReadingReceived(const QString &address, const BleReading &reading);
    void onBleConnectionStateChanged(const QString &address, bool connected);
    void onBleCalibDateReceived(const QString &address, QDate date);
    void onBleBatteryLevelChanged(const QString &address, int percent);
    void onBleSignalLevelChanged(const QString &address, int rssiDbm);
    void onDonglePortChanged(const QString &address, const QString &port);
    void onHidLineReceived(const QString &devicePath, const QString &line);
    void onSylvacSerialValue(const QString &portName, double value, bool sentByButton);
    void onSylvacSerialUnit(const QString &portName, bool isInch);
    void onSylvacSerialPortState(const QString &portName, bool open);
    void downloadDeviceMemory(int deviceIndex);
    void refreshChartSeries();
    void openStatisticsFor(int index);
    void openMonoStatistics();
    void onSyncRecordTimerTimeout();
    void typeSnapshotOnKeyboard(MultiSnapshot snap);
    void onMonoTableContextMenu(const QPoint &pos);
    void onMultiTableContextMenu(const QPoint &pos);
    void onMonoStatsContextMenu(const QPoint &pos);

private slots:
    void on_AddButton_clicked();
    void on_Mono_Button_clicked();
    void on_Multi_Button_clicked();
    void on_GraphicButton_clicked();
    void on_sync_all_Button_clicked();
    void on_zero_all_Button_clicked();
    void on_timer_Button_clicked();
    void on_actionExportCsv_triggered();
    void on_actionExportPdf_triggered();
    void on_actionExportXlsx_triggered();
    void on_ExportButton_clicked();
    void on_actionKeyboardEmulation_triggered();
    void on_actionModbus_setting_triggered();
    void on__2D_3D_Button_clicked();
    void on_Study_Button_clicked();
    void on_FormulsButton_clicked();
    void on_actionUsers_triggered();
    void on_actionResetSettings_triggered();
    void on_actionAbout_triggered();
    void on_units_button_clicked();

protected:
    void changeEvent(QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    QList<QPushButton *> toolbarButtons() const;
    QList<QPushButton *> modeButtons() const;
    void setUpToolbar();
    void setUpLanguageActions();
    void setUpCards();
    void setUpLinks();
    void setUpModeArea();

    // Takes the device at `index` out of the list, its card, link, records and timers with it; saves nothing.
    void removeDeviceAt(int index);
    // Moves the device from `from` to `to` with its card, records, timers and the mono page's choice.
    void relocateDevice(int from, int to);

    void updateModeButtons();
    void updateTimerButton();
    void retranslateTexts();

    Ui::MeasuringSystem *ui = nullptr;
    DeviceRegistry m_registry;
    CardColumn *m_cards = nullptr;
    double m_scale = 1.0;
    ToolbarFitter *m_fitter = nullptr;
    QString m_language;
    UiTranslator *m_translator = nullptr;
    QActionGroup *m_languageGroup = nullptr;
    QTimer *m_uiRefreshTimer = nullptr;
    QTimer *m_portWatchdogTimer = nullptr;
    ModbusPoller *m_poller = nullptr;
    ReadingDispatcher *m_dispatch = nullptr;
    ModbusLinkAdapter *m_modbusLink = nullptr;
    BleLinkAdapter *m_bleLink = nullptr;
    HidLinkAdapter *m_hidLink = nullptr;
    FormulaLinkAdapter *m_formulaLink = nullptr;
    RecordingController *m_recording = nullptr;
    ModeArea *m_area = nullptr;
};
