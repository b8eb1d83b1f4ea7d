#pragma once

#include "modules/motherboard.h"

#include <QMainWindow>
#include <QSerialPort>
#include <QStringList>

#include <functional>

class Devozor_setting_wimdow;
class devozor_scan_setting_window;
class HeightGaugeCycles;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QTableWidget;
class QTimer;

// The height gauge module: live height and laser values of the motorised height gauge, jogging, manual
// readings in six modes, the automatic measuring cycles, a results table with CSV and PDF export, and
// macros of user actions recorded to .mcm files and played back.
class DevozorWindow : public QMainWindow
{
    Q_OBJECT

public:
    enum UserMode {
        ModeNone = 0,
        ModePoint = 1,
        ModeTwoPoints = 2,
        ModeCentrePoint = 3,
        ModeHeightAndLaser = 4,
        ModeScan = 5,
        ModeDepth = 6,
    };

    static constexpr int kReconnectMs = 1000;
    static constexpr int kMacroStepDelayMs = 1000;
    static constexpr quint16 kBoardVendorId = 0xABCD;
    static constexpr quint16 kBoardProductId = 0x1234;

    using FileNameProvider = std::function<QString(const QString &caption, const QString &filter)>;

    explicit DevozorWindow(QWidget *parent = nullptr);
    ~DevozorWindow() override;

    // The port the next connection attempt uses: the board by its USB ids, else the configured one.
    static QString discoverPortName();

    int userMode() const { return m_mode; }
    bool isAutomatic() const { return m_automatic; }
    bool isConnected() const { return m_port->isOpen(); }
    double height() const { return m_height; }
    double laser() const { return m_laser; }
    HeightGaugeCycles *cycles() const { return m_cycles; }
    QTableWidget *table() const { return m_table; }
    QStringList recordedSteps() const { return m_recorded; }
    bool isMacroRunning() const { return m_macroRunning; }

    // Seams: file dialogs and the pause between macro steps.
    void setFileNameProvider(FileNameProvider provider) { m_fileNames = std::move(provider); }
    void setMacroStepDelay(int milliseconds) { m_macroDelayMs = milliseconds; }
    // Loads a macro file as the load button does, without the dialog.
    bool loadMacro(const QString &path);

signals:
    void sendDevozor_Setting_parametrs(double base_val, quint8 speed, bool isInch, double threshold_laser);

public slots:
    void onValueUpdated(double value);
    void onUnitUpdated(MotherBoard::uint_t unit);
    void readData();
    void handleSerialError(QSerialPort::SerialPortError error);
    void tryToConnect();
    void writeBufferComport(const uint8_t *buff, uint8_t count);
    void on_Up_button_clicked();
    void on_Down_button_clicked();
    void UpdateDevozorValue(double devozor_value, double laser_val, uint8_t motor_state, bool laser_state,
                            quint32 step);
    void on_ZeroDevozor_clicked();
    void on_StopButton_clicked();
    void on_ZeroLaser_clicked();
    void on_ZeroAll_clicked();
    void Uint_change(bool isInch);
    void on_Megering_Dn_clicked();
    void on_Megering_UP_clicked();
    void on_Megering_Dn_Up_clicked();
    void on_Megering_mezhcentr_clicked();
    void on_Scan_start();
    void on_ScanMegering_clicked();
    void GetScanParametrs(double step, double min, double max);
    void on_Auto_or_Manual_button_clicked();
    void on_Setting_clicked();
    void on_Up_move_clicked();
    void on_Dn_move_clicked();
    void on_Point_megering_clicked();
    void GetDevozor_Setting_parametrs(double base, quint8 speed, bool isInch, double threshold);
    void on_TwoPoint_megering_clicked();
    void on_TwoPointsEnable_clicked();
    void on_centrPoint_megering_clicked();
    void on_Depth_megering_clicked();
    void on_Laser_value_clicked();
    void on_Devozor_Value_clicked();
    void on_BaseSet_clicked();
    void showTableContextMenu(const QPoint &pos);
    void on_exportPDF_clicked();
    void on_exporCSV_clicked();
    void on_Study_button_clicked();
    void on_Progman_macros_load_clicked();
    void on_StartMacros_clicked();

protected:
    void changeEvent(QEvent *event) override;

private:
    void buildUi();
    void retranslate();
    void loadSettings();
    void saveSettings() const;
    void openPort(const QString &name);
    void sendBytes(const QByteArray &bytes);

    void toggleMode(UserMode mode);
    void showModeButtons();
    void jog(bool up);
    void stopMoving();
    void addRow(double height, double laser);
    void showMessage(const QString &text, int milliseconds);
    void showDirection(int direction); // 1 up, -1 down, 0 none
    QString unitText() const;

    void record(const QString &step);
    void macroHook();
    void scheduleNextStep();
    void runNextStep();
    bool performStep(const QString &step);
    QString askSaveFile(const QString &caption, const QString &filter);
    QString askOpenFile(const QString &caption, const QString &filter);
    void reportExport(const QString &path, bool written);

    MotherBoard *m_board = nullptr;
    QSerialPort *m_port = nullptr;
    QTimer *m_reconnectTimer = nullptr;
    bool m_readyReadConnected = false;
    HeightGaugeCycles *m_cycles = nullptr;
    Devozor_setting_wimdow *m_settingsWindow = nullptr;
    devozor_scan_setting_window *m_scanWindow = nullptr;

    // Settings
    bool m_inch = true;
    quint8 m_speed = MotherBoard::SpeedStandard;
    double m_threshold = 0.5;
    float m_baseValue = 20.0f;
    double m_scanStep = 0.0;
    double m_scanMin = 0.0;
    double m_scanMax = 0.0;

    // Live values, display unit
    double m_height = 0.0;
    double m_laser = 0.0;
    bool m_laserValid = false;
    double m_lastRawHeight = 0.0;
    int m_quietCalls = 0;
    int m_direction = 0; // the arrows shown: 1 up, -1 down, 0 none

    int m_mode = ModeNone;
    bool m_automatic = false;
    bool m_moving = false;

    // Manual readings
    double m_twoPoints[2] = {};
    int m_twoPointClicks = 0;
    double m_centrePoints[4] = {};
    int m_centreClicks = 0;
    double m_depth[2] = {};
    bool m_depthFirstTaken = false;

    // Macros
    QStringList m_recorded;
    QStringList m_loaded;
    bool m_macroRunning = false;
    int m_repeatTotal = 0;
    int m_repeatsDone = 0;
    int m_stepIndex = -1;
    bool m_recording = false;
    bool m_targetStop = false;
    double m_targetHeight = 0.0;
    bool m_lastMoveUp = false;
    int m_macroDelayMs = kMacroStepDelayMs;
    FileNameProvider m_fileNames;

    // Widgets
    QPushButton *m_heightButton = nullptr;
    QPushButton *m_laserButton = nullptr;
    QPushButton *m_upMove = nullptr;
    QPushButton *m_dnMove = nullptr;
    QPushButton *m_autoButton = nullptr;
    QPushButton *m_studyButton = nullptr;
    QPushButton *m_loadButton = nullptr;
    QPushButton *m_startMacros = nullptr;
    QLineEdit *m_repeatCounter = nullptr;
    QProgressBar *m_progress = nullptr;
    QList<QPushButton *> m_modeButtons; // in mode order 1..6
    QTableWidget *m_table = nullptr;
};
