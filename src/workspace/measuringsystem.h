#pragma once

#include "deviceregistry.h"

#include <QList>
#include <QMainWindow>
#include <QPixmap>

namespace Ui {
class MeasuringSystem;
}

class Device_visual;
class ModbusPoller;
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

private slots:
    void on_AddButton_clicked();
    void on_Mono_Button_clicked();
    void on_Multi_Button_clicked();
    void on_GraphicButton_clicked();
    void on_sync_all_Button_clicked();
    void on_zero_all_Button_clicked();
    void on_actionModbus_setting_triggered();
    void on__2D_3D_Button_clicked();
    void on_Study_Button_clicked();
    void on_FormulsButton_clicked();
    void on_actionUsers_triggered();
    void on_actionResetSettings_triggered();
    void showNotInThisBuild();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    QList<QPushButton *> toolbarButtons() const;
    QList<QPushButton *> modeButtons() const;
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
};
