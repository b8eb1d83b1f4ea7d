#pragma once

#include "laserprotocol.h"

#include <QMainWindow>
#include <QSerialPort>

#include <functional>

class LaserSettings;
class QAction;
class QCamera;
class QLabel;
class QLineEdit;
class QMediaCaptureSession;
class QMenu;
class QPushButton;
class QTableWidget;
class QTimer;
class UiTranslator;
class QVideoWidget;

// The laser bore gauge bench: two laser distance sensors on one Modbus line give the bore size, two
// cameras show the part, and the measured values go into a table with a tolerance verdict and exports.
class LaserNuromer : public QMainWindow
{
    Q_OBJECT

public:
    static constexpr int kStartDelayMs = 5000; // lets the sensors boot after the bench is switched on
    static constexpr int kReconnectMs = 2000;
    static constexpr int kPollTickMs = 25;
    static constexpr int kParseMs = 100;
    static constexpr int kFirstPollIntervalMs = 100;
    static constexpr int kPollSlowdownMs = 25; // added to the poll interval after each bad frame
    static constexpr int kReplyTimeoutMs = 75; // then the other sensor is asked
    static constexpr int kMaxUnansweredPolls = 6;
    static constexpr int kSearchWriteMs = 100;
    static constexpr int kSearchReadStepMs = 50;
    static constexpr int kSearchReadMs = 300;

    using FileNameProvider = std::function<QString(const QString &caption, const QString &filter)>;
    using Clock = std::function<qint64()>; // milliseconds, monotonic

    explicit LaserNuromer(QWidget *parent = nullptr);
    ~LaserNuromer() override;

    // Starts the measuring link now instead of after kStartDelayMs.
    void startMeasuring();
    // One tick of the poll timer and of the parse timer.
    void pollTick();
    void parseTick();
    // Bytes as they arrive from the port.
    void receiveBytes(const QByteArray &bytes);

    // The first available port on which sensor 1 answers, or an empty name.
    static QString searchLaserPort();

    bool isDataValid() const { return m_dataValid; }
    bool isInch() const { return m_inch; }
    bool isPortOpen() const { return m_port->isOpen(); }
    float result() const { return m_gauge.result(); }
    float rawDistance(quint8 address) const { return m_gauge.rawDistance(address); }
    int pollInterval() const { return m_pollInterval; }
    quint8 askedAddress() const { return m_currentAddress; } // the sensor asked last
    QString valueText() const;
    QTableWidget *table() const { return m_table; }

    // Seams: the save dialogs and the clock the link measures time-outs and ages with.
    void setFileNameProvider(FileNameProvider provider) { m_fileNames = std::move(provider); }
    void setClock(Clock clock) { m_clock = std::move(clock); }

public slots:
    void on_addNewButton_clicked();
    void on_SetZeroBaseButton_clicked();
    void on_change_uint_Button_clicked();
    void showTableContextMenu(const QPoint &pos);
    void deleteSelectedRow();
    void clearTable();
    void on_ExportPDFButton_clicked();
    void on_ExportCSVButton_clicked();
    void on_Setting_clicked();
    void applyNewSettings();
    void on_action_setting_triggered();
    void handleSerialError(QSerialPort::SerialPortError error);
    void checkAndReconnectSerial();
    void on_action_exit_triggered();
    void on_action_3_triggered();

protected:
    void changeEvent(QEvent *event) override;

private:
    struct CameraPanel
    {
        QWidget *frame = nullptr;
        QLabel *note = nullptr;
        QVideoWidget *video = nullptr;
        QMediaCaptureSession *session = nullptr;
        QCamera *camera = nullptr;
    };

    void buildUi();
    void retranslate();
    void setLanguage(const QString &code);
    bool openPort();
    void closePort();
    void sendNextRequest();
    void parseReplies();
    void showValue();
    void updateStatistics();
    void setUpCameras();
    void setUpCamera(CameraPanel &panel, const QByteArray &id);
    QString askSaveFile(const QString &caption, const QString &filter);
    QString number(double value) const;

    QSerialPort *m_port = nullptr;
    QTimer *m_startTimer = nullptr;
    QTimer *m_reconnectTimer = nullptr;
    QTimer *m_pollTimer = nullptr;
    QTimer *m_parseTimer = nullptr;
    bool m_readyReadConnected = false;
    QString m_portName;

    // Link state
    LaserProtocol::BoreGauge m_gauge;
    LaserProtocol::ReceiveRing m_ring;
    bool m_dataValid = false;
    bool m_inch = false;
    quint8 m_currentAddress = LaserProtocol::kSecondAddress; // the sensor asked last
    quint8 m_nextAddress = LaserProtocol::kFirstAddress;
    bool m_awaiting = false; // a request is out and unanswered
    qint64 m_sentAt = 0;
    int m_unanswered = 0;
    int m_pollInterval = kFirstPollIntervalMs;

    Clock m_clock;
    FileNameProvider m_fileNames;
    UiTranslator *m_translator = nullptr;
    LaserSettings *m_settings = nullptr;
    CameraPanel m_left;
    CameraPanel m_right;

    // Widgets
    QMenu *m_fileMenu = nullptr;
    QMenu *m_languageMenu = nullptr;
    QAction *m_exitAction = nullptr;
    QAction *m_settingAction = nullptr;
    QAction *m_ukAction = nullptr;
    QAction *m_enAction = nullptr;
    QAction *m_resetAction = nullptr;
    QLabel *m_nominalLabel = nullptr;
    QLabel *m_upperLabel = nullptr;
    QLabel *m_lowerLabel = nullptr;
    QLineEdit *m_nominal = nullptr;
    QLineEdit *m_upper = nullptr;
    QLineEdit *m_lower = nullptr;
    QLineEdit *m_base = nullptr;
    QPushButton *m_apply = nullptr;
    QPushButton *m_value = nullptr;
    QPushButton *m_zero = nullptr;
    QPushButton *m_unit = nullptr;
    QPushButton *m_settingButton = nullptr;
    QPushButton *m_exportPdf = nullptr;
    QPushButton *m_exportCsv = nullptr;
    QLabel *m_min = nullptr;
    QLabel *m_max = nullptr;
    QLabel *m_deltaMin = nullptr;
    QLabel *m_deltaMax = nullptr;
    QLabel *m_range = nullptr;
    QTableWidget *m_table = nullptr;
};
