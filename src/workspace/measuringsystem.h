#pragma once

#include "devices/deviceregistry.h"
#include "links/ble/blereading.h"
#include "recording/measurementjournal.h"
#include "recording/recordingstore.h"

#include <QDate>
#include <QList>
#include <QMainWindow>
#include <QPixmap>

namespace Ui {
class MeasuringSystem;
}

class ChartWidget;
class Device_visual;
class QBluetoothDeviceInfo;
class ModbusPoller;
class MonoTableModel;
class MultiTableModel;
class TableExporter;
class QAbstractItemModel;
class QActionGroup;
class QPushButton;
class QTimer;
class QTranslator;

// The multi-instrument workspace: a row of toolbar buttons, a column of instrument cards in device-list
// order and the mode area (mono table, multi table, chart). Devices are addressed by their index in the
// list; cards are looked up by pointer at the time of each signal, so indexes stay right after moves.
class MeasuringSystem : public QMainWindow
{
    Q_OBJECT

public:
    enum Mode { MonoMode = 0, MultiMode = 1 };

    static constexpr int kUiRefreshIntervalMs = 100;
    static constexpr int kPortWatchdogIntervalMs = 1000;

    explicit MeasuringSystem(QWidget *parent = nullptr);
    ~MeasuringSystem() override;

    DeviceRegistry &registry() { return m_registry; }
    QList<DeviceRecord> &devices() { return m_registry.devices(); }
    const QList<DeviceRecord> &devices() const { return m_registry.devices(); }
    const QList<Device_visual *> &cards() const { return m_cards; }
    int selectedDevice() const { return m_selectedDevice; }
    int mode() const { return m_mode; }
    double uiScale() const { return m_scale; }

    void loadDevices();
    void saveDevices();
    void loadAdapters();
    void saveAdapters();

    // Appends a new instrument with its card and stores the list. Returns its index.
    int addDevice(const DeviceRecord &record);
    // A Modbus instrument that the connect dialog has just set up; also remembers the adapter's speed.
    void addModbusDevice(const QString &portName, int baudRate, int address);

    ModbusPoller *modbusPoller() const { return m_poller; }
    // Brings every instrument to the global units stored in the devices file: keyboard and cable
    // instruments at once, Modbus instruments by asking them to switch, Bluetooth ones with their next reading.
    void applyGlobalUnits();
    RecordingStore &recordings() { return *m_store; }
    MeasurementJournal &journal() { return m_journal; }
    MonoTableModel *monoModel() const { return m_monoModel; }
    MultiTableModel *multiModel() const { return m_multiModel; }

    // The verdict text of a recorded value under the device's measuring mode.
    QString evaluateTolerance(const DeviceRecord &record, double value) const;
    MultiSnapshot captureAllDevices(const QString &timeStr, bool *hasSyncData);
    int multiColumnToDeviceIndex(int column) const;
    // What the timer dialog's OK does: the synchronous timer, or one timer per device.
    void applyTimerSettings(bool synchronous, int intervalMs, const QMap<int, int> &rowIntervals);
    bool isSyncTimerActive() const;
    int deviceTimerCount() const { return int(m_deviceTimers.size()); }

    // The smallest address from 1 up that no device of the same group (Bluetooth kinds together) uses.
    int freeAddressFor(int type) const;
    // Instruments picked in the Bluetooth scan: one record and card each, connected at once.
    void addBluetoothDevices(const QList<QBluetoothDeviceInfo> &found);
    // The first Bluetooth-kind device (direct or through a dongle) with this address; -1 when none.
    int findBleDevice(const QString &address) const;
    QString deviceKey(int index) const;
    int findDeviceByKey(const QString &key) const;
    void appendJournalLine(const QString &line);
    void journalMonoRecord(int index, const QString &time, double value, const QString &status);
    QString snapshotJournalLine(const MultiSnapshot &snap) const;
    void rewriteJournal();
    void checkRecoveryJournal();
    void restoreJournal(const QStringList &lines);

    // min(width / 1920, height / 1080), kept within 0.6 .. 1.8.
    static double screenScale(const QSize &screenSize);
    // One pixel size that lets every toolbar button show its whole text (at least 8).
    static int fitToolbarFontPx(const QList<QPushButton *> &buttons);

signals:
    void languageChanged();

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
    void resetDeviceToZero(int deviceIndex);
    void onDeviceDataClicked(int index);

    // Readings and states the instrument links report. Whatever names no known device is dropped.
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
    void on_ExportButton_clicked();
    void on_actionKeyboardEmulation_triggered();
    void on_actionModbus_setting_triggered();
    void on__2D_3D_Button_clicked();
    void on_Study_Button_clicked();
    void on_FormulsButton_clicked();
    void on_actionUsers_triggered();
    void on_actionResetSettings_triggered();
    void on_units_button_clicked();
    void showNotInThisBuild();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void changeEvent(QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    QList<QPushButton *> toolbarButtons() const;
    QList<QPushButton *> modeButtons() const;
    // The common part of every new reading: global unit, converted value, card value and tolerance colour.
    // `showHeld`: peak modes show the held value (the Bluetooth path).
    void applyRawValue(int index, double raw, int sourceUnit, bool showHeld);
    void scheduleChartRefresh();
    // Asks the device's link to start a memory download; false when the instrument is not on line.
    bool sendMemoryDownload(const DeviceRecord &record);
    void connectBleDevice(const DeviceRecord &record);
    void setUpToolbar();
    void setUpLanguageActions();
    void setUpModeArea();
    void connectPendingFeatures();
    void runModbusConnectDialog();
    void onModbusValueChanged(int index);

    Device_visual *createCard(const DeviceRecord &record);
    void refreshCardStatus(int index);
    int cardIndex(const Device_visual *card) const;

    void fitToolbarFont();
    void updateLogo();
    void updateModeButtons();
    void updateTimerButton();
    void showMonoValueText(const QString &text);
    void updateMonoSummary();
    void onMonoRowsInserted();
    const QAbstractItemModel *exportSourceTable();
    void refreshMonoTable();
    void rebuildMultiColumns();
    void refreshMultiTable();
    void retranslateTexts();

    Ui::MeasuringSystem *ui = nullptr;
    DeviceRegistry m_registry;
    QList<Device_visual *> m_cards;
    int m_selectedDevice = -1;
    int m_mode = MonoMode;
    double m_scale = 1.0;
    QPixmap m_logo;
    int m_logoWidth = -1;
    int m_toolbarFontPx = -1;
    bool m_fittingToolbar = false;
    QString m_language;
    QTranslator *m_translator = nullptr;
    QActionGroup *m_languageGroup = nullptr;
    QTimer *m_uiRefreshTimer = nullptr;
    QTimer *m_portWatchdogTimer = nullptr;
    QTimer *m_syncRecordTimer = nullptr;
    ModbusPoller *m_poller = nullptr;
    ChartWidget *m_chart = nullptr;
    bool m_chartRefreshPending = false;
    RecordingStore *m_store = nullptr;
    MonoTableModel *m_monoModel = nullptr;
    MultiTableModel *m_multiModel = nullptr;
    MeasurementJournal m_journal;
    TableExporter *m_exporter = nullptr;
    bool m_syncTimerMode = true;
    int m_syncIntervalMs = 0;
    QMap<int, QTimer *> m_deviceTimers;
};
