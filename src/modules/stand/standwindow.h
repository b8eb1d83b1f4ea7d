#pragma once

#include "modules/motherboard.h"

#include <QCameraDevice>
#include <QMainWindow>
#include <QSerialPort>
#include <QVideoFrame>

#include <functional>

class PressetSetting;
class QAction;
class QCamera;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QMediaCaptureSession;
class QMenu;
class QPushButton;
class QTableWidget;
class QTableWidgetItem;
class QTimer;
class QToolButton;
class UiTranslator;
class QVideoSink;

// The measuring stand module: the live value of the stand's scale, a camera picture with a crosshair,
// and a results table measured freely or against a preset of set values with a tolerance. Tape mode
// carries the last measured value over as a base, so a short scale measures long distances.
class StandWindow : public QMainWindow
{
    Q_OBJECT

public:
    enum Language {
        uk_UA = 0,
        en_150 = 1,
        fr_FR = 2,
        de_DE = 3,
        it_IT = 4,
        pl_PL = 5,
    };
    Q_ENUM(Language)

    enum Column {
        ColumnTime = 0,
        ColumnSetValue = 1,
        ColumnMeasured = 2,
        ColumnDeviation = 3,
    };

    static constexpr int kReconnectMs = 1000;
    static constexpr int kWindowTickMs = 100;
    static constexpr qint32 kBaudRate = 115200;
    static constexpr quint16 kBoardVendorId = 0xABCD;
    static constexpr quint16 kBoardProductId = 0x1234;

    using FileNameProvider = std::function<QString(const QString &caption, const QString &filter)>;

    explicit StandWindow(QWidget *parent = nullptr);
    ~StandWindow() override;

    static QString languageCode(Language lang);

    // Seams: the save and folder dialogs (the folder dialog is asked with an empty filter); the preset
    // editor has its own provider.
    void setFileNameProvider(FileNameProvider provider) { m_fileNames = std::move(provider); }

    QTableWidget *table() const { return m_table; }
    QComboBox *presetComboBox() const { return m_presets; }
    PressetSetting *presetEditor() const { return m_editor; }
    QMenu *cameraMenu() const { return m_cameraMenu; }
    bool isConnected() const { return m_port->isOpen(); }
    bool presetSelected() const;
    double tolerance() const { return m_tolerance; }
    double tapeBase() const { return m_tapeBase; }
    QString displayText() const;
    Language language() const { return m_language; }

    // What the table's "delete measurement" entry does for `row`, the question box included.
    void deleteMeasurement(int row);
    // The exports without their dialogs; false (and a warning box) when the file was not written.
    bool exportCsv(const QString &path);
    bool exportPdf(const QString &path);

public slots:
    void processFrame(const QVideoFrame &frame);
    void changeCamera(const QCameraDevice &cameraDevice);
    void on_NewPresetButton_clicked();
    void on_addNewButton_clicked();
    void on_ExportPDFButton_clicked();
    void on_ExportCSVButton_clicked();
    void tryToConnect();
    QString findDevicePortName();
    void readData();
    void writeData(const QByteArray &data);
    void writeBufferComport(const uint8_t *buff, uint8_t count);
    void handleSerialError(QSerialPort::SerialPortError error);
    void on_SetZeroBaseButton_clicked();
    void UpdateLCD(double value);
    void UpdateUint(MotherBoard::uint_t new_uint);
    void setupCameraMenu();
    void loadPresetsFromFolder(const QString &dirPath);
    void on_change_uint_Button_clicked();
    void addMeasurementRow(const QString &time, double measured);
    void on_Refresh_clicked();
    void on_Preset_comboBox_currentIndexChanged(int index);
    // False, with a message, when the file is unreadable or not a valid preset; nothing changes then.
    bool loadPresetsFromFile(const QString &fileName);
    void showCompletionDialog();
    void clearMeasuredData();
    void on_EnableTapeMode_stateChanged(int arg1);
    void on_toolButton_clicked();
    void on_Tape_button_clicked();
    void UpdateWondow();
    void on_action_triggered();
    void on_action_2_triggered();
    void showContextMenu(const QPoint &pos);
    void on_ClearButton_clicked();
    void on_uk_change_languege_action_triggered();
    void on_en_change_languege_action_triggered();
    void on_france_change_languege_action_triggered();
    void on_germany_change_languege_action_triggered();
    void on_itali_change_languege_action_triggered();
    void on_pl_change_languege_action_triggered();
    void switchLanguage(StandWindow::Language lang);
    void clearAllacion();

protected:
    void changeEvent(QEvent *event) override;

private:
    void buildUi();
    void retranslate();
    void setTableHeaders();
    void chooseLanguage(Language lang);
    int firstOpenRow() const;
    void setCell(int row, int column, const QString &text);
    void emptyMeasurement(int row);
    QString askSaveFile(const QString &caption, const QString &filter);
    void reportExport(const QString &path, bool written);
    void refusePreset(const QString &fileName, const QString &reason);

    MotherBoard *m_board = nullptr;
    QSerialPort *m_port = nullptr;
    QTimer *m_reconnectTimer = nullptr;
    QTimer *m_windowTimer = nullptr;
    bool m_readyReadConnected = false;
    quint16 m_vendorId = kBoardVendorId;
    quint16 m_productId = kBoardProductId;

    double m_tolerance = 0.01;
    double m_tapeBase = 0.0;
    bool m_inches = false;
    int m_activePreset = 0; // the combo box entry the table shows
    Language m_language = uk_UA;
    UiTranslator *m_translator = nullptr;
    FileNameProvider m_fileNames;

    QCamera *m_camera = nullptr;
    QMediaCaptureSession *m_session = nullptr;
    QVideoSink *m_videoSink = nullptr;
    QList<QByteArray> m_cameraIds; // what the camera menu shows, to rebuild it only on change
    bool m_cameraMenuBuilt = false;

    PressetSetting *m_editor = nullptr;
    QLabel *m_cameraLabel = nullptr;
    QLabel *m_logo = nullptr;
    QLabel *m_serialLabel = nullptr;
    QLineEdit *m_serialNumber = nullptr;
    QLabel *m_presetLabel = nullptr;
    QPushButton *m_zeroButton = nullptr;
    QPushButton *m_valueButton = nullptr;
    QPushButton *m_unitButton = nullptr;
    QPushButton *m_pdfButton = nullptr;
    QPushButton *m_csvButton = nullptr;
    QCheckBox *m_tapeMode = nullptr;
    QPushButton *m_tapeButton = nullptr;
    QComboBox *m_presets = nullptr;
    QToolButton *m_folderButton = nullptr;
    QPushButton *m_refreshButton = nullptr;
    QPushButton *m_newPresetButton = nullptr;
    QPushButton *m_clearButton = nullptr;
    QTableWidget *m_table = nullptr;
    QMenu *m_fileMenu = nullptr;
    QMenu *m_cameraMenu = nullptr;
    QMenu *m_languageMenu = nullptr;
    QAction *m_exitAction = nullptr;
    QAction *m_resetAction = nullptr;
    QAction *m_languageActions[6] = {};
};
