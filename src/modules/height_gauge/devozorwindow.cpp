#include "devozorwindow.h"

#include "app/settingsfolder.h"
#include "common/serialportcatalogue.h"
#include "common/uitranslator.h"
#include "devozor_scan_setting_window.h"
#include "devozor_setting_wimdow.h"
#include "heightgaugecycles.h"
#include "messedge_devozor.h"
#include "recording/tableexporter.h"

#include <QDateTime>
#include <QDebug>
#include <QDir>
#include <QEvent>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QMetaMethod>
#include <QProgressBar>
#include <QPushButton>
#include <QSaveFile>
#include <QScrollBar>
#include <QSettings>
#include <QStatusBar>
#include <QTableWidget>
#include <QTextStream>
#include <QTimer>

#include <cmath>

namespace {

constexpr double kMmPerInch = 25.4;
constexpr double kDirectionDeadband = 0.005;
constexpr int kQuietCallsToClear = 10;
constexpr int kLongMessageMs = 3000;
constexpr int kShortMessageMs = 1500;
constexpr int kStatusMessageMs = 8000;

const char *const kUpPlain = ":/images/images/Up Arrow.png";
const char *const kUpSelected = ":/images/images/Up Arrow selected.png";
const char *const kDnPlain = ":/images/images/Dn Arrow.png";
const char *const kDnSelected = ":/images/images/Dn Arrow Selevted.png";

QString arrowStyle(const char *image)
{
    return QStringLiteral("QPushButton {    border-image: url(%1);}").arg(QLatin1String(image));
}

QString settingsFile()
{
    return settingsFilePath(QStringLiteral("devozor_settings.ini"));
}

QString number6(double value)
{
    return QString::number(value, 'g', 6);
}

QByteArray csvQuoted(const QString &text)
{
    QString escaped = text;
    escaped.replace(QLatin1Char('"'), QLatin1String("\"\""));
    return '"' + escaped.toUtf8() + '"';
}

} // namespace

DevozorWindow::DevozorWindow(QWidget *parent)
    : QMainWindow(parent)
    , m_board(new MotherBoard(this))
    , m_port(new QSerialPort(this))
    , m_reconnectTimer(new QTimer(this))
    , m_cycles(new HeightGaugeCycles(this))
{
    setWindowTitle(QStringLiteral("Devozor Controll"));
    // The language chosen in the workspace, before any text is made.
    const QString language = QSettings(settingsFilePath(QStringLiteral("settings.ini")), QSettings::IniFormat)
                                 .value(QStringLiteral("Language"))
                                 .toString();
    if (!language.isEmpty())
        (new UiTranslator(this))->setLanguage(language);
    buildUi();

    m_settingsWindow = new Devozor_setting_wimdow(this);
    m_scanWindow = new devozor_scan_setting_window(this);
    connect(this, &DevozorWindow::sendDevozor_Setting_parametrs, m_settingsWindow,
            &Devozor_setting_wimdow::GetParametrs);
    connect(m_settingsWindow, &Devozor_setting_wimdow::sendDevozor_Setting_parametrs, this,
            &DevozorWindow::GetDevozor_Setting_parametrs);
    connect(m_settingsWindow, &Devozor_setting_wimdow::sendChange_uints, this, &DevozorWindow::Uint_change);
    connect(m_scanWindow, &devozor_scan_setting_window::SendScanParametrs, this,
            &DevozorWindow::GetScanParametrs);

    loadSettings();
    emit sendDevozor_Setting_parametrs(double(m_baseValue), m_speed, m_inch, m_threshold);

    connect(m_board, &MotherBoard::UpdateValue, this, &DevozorWindow::onValueUpdated);
    connect(m_board, &MotherBoard::UpdateUint, this, &DevozorWindow::onUnitUpdated);
    connect(m_board, &MotherBoard::SendBufferToComport, this, &DevozorWindow::writeBufferComport);
    connect(m_board, &MotherBoard::SendByteToComport, this,
            [this](uint8_t byte) { writeBufferComport(&byte, 1); });
    connect(m_board, &MotherBoard::UpdateDevozorValue, this, &DevozorWindow::UpdateDevozorValue);
    connect(m_port, &QSerialPort::errorOccurred, this, &DevozorWindow::handleSerialError);

    // The cycles drive the board and fill the table through the window.
    connect(m_cycles, &HeightGaugeCycles::changeSpeed, m_board,
            [this](int code) { m_board->ChangeSpeed(MotherBoard::speed_t(code)); });
    connect(m_cycles, &HeightGaugeCycles::setSlowStepType, m_board,
            [this](int type) { m_board->SetSlowStepType(uint8_t(type)); });
    connect(m_cycles, &HeightGaugeCycles::moveUp, m_board, &MotherBoard::DevozorMoveUp);
    connect(m_cycles, &HeightGaugeCycles::moveDown, m_board, &MotherBoard::DevozorMoveDn);
    connect(m_cycles, &HeightGaugeCycles::stopMove, m_board, &MotherBoard::DevozorStopMove);
    connect(m_cycles, &HeightGaugeCycles::disableTouchPin, m_board, &MotherBoard::DisableTouchPinInterupt);
    connect(m_cycles, &HeightGaugeCycles::enableTouchPin, m_board,
            &MotherBoard::EnableisableTouchPinInterupt);
    connect(m_cycles, &HeightGaugeCycles::zeroHeight, m_board, &MotherBoard::SetZeroDevozor);
    connect(m_cycles, &HeightGaugeCycles::sendBaseSet, m_board, &MotherBoard::SendBaseSet);
    connect(m_cycles, &HeightGaugeCycles::resultRow, this, &DevozorWindow::addRow);
    connect(m_cycles, &HeightGaugeCycles::macroHook, this, &DevozorWindow::macroHook);
    connect(m_cycles, &HeightGaugeCycles::secondHalfNeeded, this,
            [this](const QString &message, int milliseconds) {
                showMessage(message, milliseconds);
                m_automatic = false;
                m_cycles->setAutomatic(false);
                m_autoButton->setChecked(false);
            });

    m_reconnectTimer->setInterval(kReconnectMs);
    connect(m_reconnectTimer, &QTimer::timeout, this, &DevozorWindow::tryToConnect);
    m_reconnectTimer->start();
    tryToConnect();
}

DevozorWindow::~DevozorWindow() = default;

void DevozorWindow::buildUi()
{
    auto *central = new QWidget(this);
    auto *columns = new QHBoxLayout(central);
    auto *controls = new QVBoxLayout;
    auto *grid = new QGridLayout;
    controls->addLayout(grid);
    controls->addStretch(1);
    columns->addLayout(controls, 2);
    // Texts come from retranslate(), except for values and the names of the macro controls.
    const auto button = [central](const char *name, const QString &text = QString(), bool checkable = false) {
        auto *b = new QPushButton(text, central);
        b->setObjectName(QLatin1String(name));
        b->setCheckable(checkable);
        b->setMinimumHeight(40);
        return b;
    };

    QFont big = font();
    big.setPointSize(30);
    big.setBold(true);
    m_heightButton = button("Devozor_Value", QStringLiteral("0.000 mm"));
    m_laserButton = button("Laser_value", QStringLiteral("-----"));
    for (QPushButton *value : {m_heightButton, m_laserButton}) {
        value->setFont(big);
        value->setMinimumHeight(80);
    }
    const auto label = [central](const char *name) {
        auto *l = new QLabel(central);
        l->setObjectName(QLatin1String(name));
        return l;
    };
    grid->addWidget(label("HeightLabel"), 0, 0);
    grid->addWidget(m_heightButton, 1, 0, 1, 3);
    grid->addWidget(button("ZeroDevozor"), 1, 3);
    grid->addWidget(label("LaserLabel"), 2, 0);
    grid->addWidget(m_laserButton, 3, 0, 1, 3);
    grid->addWidget(button("ZeroLaser"), 3, 3);
    grid->addWidget(button("ZeroAll"), 4, 3);

    const char *modes[] = {"Point_megering", "TwoPoint_megering", "centrPoint_megering",
                           "TwoPointsEnable", "ScanMegering",     "Depth_megering"};
    for (int i = 0; i < 6; ++i) {
        QPushButton *mode = button(modes[i], QString(), true);
        m_modeButtons.append(mode);
        grid->addWidget(mode, 5 + i / 3, i % 3);
    }
    m_autoButton = button("Auto_or_Manual_button", QString(), true);
    grid->addWidget(m_autoButton, 5, 3);
    grid->addWidget(button("BaseSet"), 6, 3);

    m_upMove = button("Up_move");
    m_dnMove = button("Dn_move");
    for (QPushButton *arrow : {m_upMove, m_dnMove})
        arrow->setFixedSize(90, 90);
    m_upMove->setStyleSheet(arrowStyle(kUpPlain));
    m_dnMove->setStyleSheet(arrowStyle(kDnPlain));
    auto *stop = button("StopButton");
    stop->setMinimumHeight(90);
    stop->setStyleSheet(QStringLiteral("font-weight: bold; color: #b00000;"));
    grid->addWidget(m_upMove, 7, 0, Qt::AlignCenter);
    grid->addWidget(stop, 7, 1);
    grid->addWidget(m_dnMove, 7, 2, Qt::AlignCenter);
    grid->addWidget(button("Setting"), 7, 3);

    m_studyButton = button("Study_button", QStringLiteral("STUDY"));
    m_loadButton = button("Progman_macros_load");
    m_repeatCounter = new QLineEdit(QStringLiteral("1"), central);
    m_repeatCounter->setObjectName(QStringLiteral("RepeatCounter"));
    m_repeatCounter->setMaximumWidth(60);
    m_startMacros = button("StartMacros", QStringLiteral("START"));
    m_progress = new QProgressBar(central);
    m_progress->setObjectName(QStringLiteral("progressBar"));
    m_progress->setRange(0, 1);
    m_progress->setValue(0);
    auto *macroRow = new QHBoxLayout;
    macroRow->addWidget(m_studyButton);
    macroRow->addWidget(m_loadButton);
    macroRow->addWidget(m_repeatCounter);
    macroRow->addWidget(m_startMacros);
    grid->addLayout(macroRow, 8, 0, 1, 4);
    grid->addWidget(m_progress, 9, 0, 1, 4);

    m_table = new QTableWidget(0, 4, central);
    m_table->setObjectName(QStringLiteral("tableWidget"));
    m_table->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(m_table, &QWidget::customContextMenuRequested, this, &DevozorWindow::showTableContextMenu);
    auto *results = new QVBoxLayout;
    results->addWidget(m_table, 1);
    auto *exports = new QHBoxLayout;
    exports->addWidget(button("exportPDF"));
    exports->addWidget(button("exporCSV"));
    results->addLayout(exports);
    columns->addLayout(results, 3);

    setCentralWidget(central);
    retranslate();
    // Each button calls its on_<name>_clicked slot. Not connectSlotsByName: the cycle starts share the
    // naming without a button of their own, which it would warn about.
    for (QPushButton *control : central->findChildren<QPushButton *>()) {
        const QByteArray slot = "on_" + control->objectName().toLatin1() + "_clicked()";
        const int index = metaObject()->indexOfSlot(slot.constData());
        if (index >= 0)
            connect(control, &QPushButton::clicked, this,
                    [this, index] { metaObject()->method(index).invoke(this); });
    }
}

void DevozorWindow::retranslate()
{
    const std::pair<const char *, QString> texts[] = {
        {"HeightLabel", tr("Висота")},
        {"LaserLabel", tr("Лазер")},
        {"ZeroDevozor", tr("Нуль висоти")},
        {"ZeroLaser", tr("Нуль лазера")},
        {"ZeroAll", tr("Обнулити все")},
        {"Point_megering", tr("Точка")},
        {"TwoPoint_megering", tr("Дві точки")},
        {"centrPoint_megering", tr("Центр")},
        {"TwoPointsEnable", tr("Висота і лазер")},
        {"ScanMegering", tr("Сканування")},
        {"Depth_megering", tr("Глибина")},
        {"Auto_or_Manual_button", tr("Автоматично")},
        {"BaseSet", tr("Встановити базу")},
        {"StopButton", tr("СТОП")},
        {"Setting", tr("Налаштування")},
        {"Progman_macros_load", tr("Завантажити макрос")},
        {"exportPDF", tr("Експорт PDF")},
        {"exporCSV", tr("Експорт CSV")},
    };
    for (const auto &[name, text] : texts) {
        if (auto *label = findChild<QLabel *>(QLatin1String(name)))
            label->setText(text);
        else
            findChild<QPushButton *>(QLatin1String(name))->setText(text);
    }
    m_upMove->setToolTip(tr("Вгору"));
    m_dnMove->setToolTip(tr("Вниз"));
    m_repeatCounter->setToolTip(tr("Кількість повторів"));
    m_table->setHorizontalHeaderLabels({tr("DATE"), tr("Z"), tr("X"), tr("unit")});
}

void DevozorWindow::changeEvent(QEvent *event)
{
    // The workspace may switch the language while this window is open.
    if (event->type() == QEvent::LanguageChange && m_table)
        retranslate();
    QMainWindow::changeEvent(event);
}

void DevozorWindow::loadSettings()
{
    const QString path = settingsFile();
    QSettings settings(path, QSettings::IniFormat);
    m_inch = settings.value(QStringLiteral("MainSettings/units"), 1u).toUInt() != 0;
    m_speed = quint8(settings.value(QStringLiteral("MainSettings/speed"), 4u).toUInt());
    m_threshold = settings.value(QStringLiteral("MainSettings/threshold_laser_val"), 0.5).toDouble();
    m_baseValue = float(settings.value(QStringLiteral("MainSettings/Base_calibration_val"), 20.0).toDouble());
    qDebug().noquote() << "Настройки загружены из:" << path;
    m_cycles->setUserSpeed(m_speed);
    m_cycles->setThreshold(m_threshold);
    m_cycles->setBaseValue(m_baseValue);
}

void DevozorWindow::saveSettings() const
{
    const QString path = settingsFile();
    QSettings settings(path, QSettings::IniFormat);
    settings.setValue(QStringLiteral("MainSettings/units"), m_inch ? 1u : 0u);
    settings.setValue(QStringLiteral("MainSettings/speed"), uint(m_speed));
    settings.setValue(QStringLiteral("MainSettings/threshold_laser_val"), m_threshold);
    settings.setValue(QStringLiteral("MainSettings/Base_calibration_val"), double(m_baseValue));
    settings.sync();
    qDebug().noquote() << "Настройки сохранены в:" << path;
}

// ---- The board link -------------------------------------------------------------------------------------

QString DevozorWindow::discoverPortName()
{
    for (const SerialPortEntry &port : SerialPortCatalogue::availablePorts()) {
        if (port.hasVendorId && port.hasProductId && port.vendorId == kBoardVendorId &&
            port.productId == kBoardProductId) {
            qDebug().noquote() << "Знайдено пристрій за VID/PID на порту:" << port.portName;
            return port.portName;
        }
    }
    const QSettings hardware(settingsFilePath(QStringLiteral("setting_devozor.ini")), QSettings::IniFormat);
    const QString fallback =
        hardware.value(QStringLiteral("Hardware/ComPort"), QStringLiteral("COM1")).toString();
    qDebug().noquote() << "Пристрій із VID:" << QString::number(kBoardVendorId, 16)
                       << "PID:" << QString::number(kBoardProductId, 16)
                       << "не знайдено. Використовуємо порт за замовчуванням:" << fallback;
    return fallback;
}

void DevozorWindow::tryToConnect()
{
    if (m_port->isOpen())
        return;
    const QString name = discoverPortName();
    if (!name.isEmpty())
        openPort(name);
}

void DevozorWindow::openPort(const QString &name)
{
    const QSettings hardware(settingsFilePath(QStringLiteral("setting_devozor.ini")), QSettings::IniFormat);
    m_port->setPortName(name);
    m_port->setBaudRate(hardware.value(QStringLiteral("Hardware/BaudRate"), 115200).toInt());
    m_port->setDataBits(QSerialPort::Data8);
    m_port->setParity(QSerialPort::NoParity);
    m_port->setStopBits(QSerialPort::OneStop);
    m_port->setFlowControl(QSerialPort::NoFlowControl);
    if (!m_port->open(QIODevice::ReadWrite))
        return; // the reconnect timer tries again
    qDebug().noquote() << "Devozor: Port" << name << "opened successfully.";
    m_reconnectTimer->stop();
    m_port->setDataTerminalReady(true);
    m_port->setRequestToSend(true);
    m_board->DevozorSendEnableLaser();
    m_board->DisableDisplay();
    if (!m_readyReadConnected) {
        connect(m_port, &QSerialPort::readyRead, this, &DevozorWindow::readData);
        m_readyReadConnected = true;
    }
}

void DevozorWindow::readData()
{
    if (m_port->bytesAvailable() <= 0)
        return;
    const QByteArray bytes = m_port->readAll();
    for (const char byte : bytes)
        m_board->AddByteToBuffer(uint8_t(byte));
    m_board->RxData();
}

void DevozorWindow::handleSerialError(QSerialPort::SerialPortError error)
{
    if (error == QSerialPort::NoError)
        return;
    if (error == QSerialPort::DeviceNotFoundError || error == QSerialPort::ResourceError) {
        qDebug().noquote() << "Критическая ошибка порта:" << m_port->errorString();
        if (m_port->isOpen())
            m_port->close();
        if (!m_reconnectTimer->isActive()) {
            qDebug().noquote() << "Запуск поиска устройства...";
            m_reconnectTimer->start();
        }
        return;
    }
    qDebug().noquote() << "Некритичная ошибка порта:" << m_port->errorString();
}

void DevozorWindow::writeBufferComport(const uint8_t *buff, uint8_t count)
{
    if (m_port->isOpen() && m_port->isWritable())
        m_port->write(reinterpret_cast<const char *>(buff), count);
}

// Plain value and unit frames carry nothing the window shows: the combined status is its source.
void DevozorWindow::onValueUpdated(double value)
{
    Q_UNUSED(value)
}

void DevozorWindow::onUnitUpdated(MotherBoard::uint_t unit)
{
    Q_UNUSED(unit)
}

// ---- Live values and cycles -------------------------------------------------------------------------------

QString DevozorWindow::unitText() const
{
    return m_inch ? QStringLiteral("inch") : QStringLiteral("mm");
}

void DevozorWindow::showDirection(int direction)
{
    // Restyling is not free: only a change of direction touches the buttons, not every status.
    if (direction == m_direction)
        return;
    m_direction = direction;
    m_upMove->setStyleSheet(arrowStyle(direction > 0 ? kUpSelected : kUpPlain));
    m_dnMove->setStyleSheet(arrowStyle(direction < 0 ? kDnSelected : kDnPlain));
}

void DevozorWindow::UpdateDevozorValue(double devozor_value, double laser_val, uint8_t motor_state,
                                       bool laser_state, quint32 step)
{
    Q_UNUSED(laser_state)
    Q_UNUSED(step)
    if (devozor_value - m_lastRawHeight > kDirectionDeadband) {
        showDirection(1);
        m_quietCalls = 0;
    } else if (m_lastRawHeight - devozor_value > kDirectionDeadband) {
        showDirection(-1);
        m_quietCalls = 0;
    } else if (++m_quietCalls >= kQuietCallsToClear) {
        m_quietCalls = 0;
        showDirection(0);
    }
    m_lastRawHeight = devozor_value;

    m_laserValid = laser_val != MotherBoard::kNoLaser;
    const double factor = m_inch ? kMmPerInch : 1.0;
    m_height = devozor_value / factor;
    m_laser = laser_val / factor;
    m_heightButton->setText(QString::number(m_height, 'f', 3) +
                            (m_inch ? QStringLiteral(" inch") : QStringLiteral(" mm")));
    m_laserButton->setText(m_laserValid ? QString::number(m_laser, 'f', 3) +
                                              (m_inch ? QStringLiteral(" inch") : QStringLiteral(" mm"))
                                        : QStringLiteral("-----"));

    if (m_targetStop &&
        ((!m_lastMoveUp && m_targetHeight >= m_height) || (m_lastMoveUp && m_height >= m_targetHeight))) {
        m_targetStop = false;
        on_StopButton_clicked();
    }
    m_cycles->update(m_height, m_laser, m_laserValid, motor_state);
}

void DevozorWindow::addRow(double height, double laser)
{
    const auto cell = [](double value, double marker) {
        return value == marker ? QStringLiteral("---") : QString::number(value, 'f', 3);
    };
    const int row = m_table->rowCount();
    m_table->insertRow(row);
    const QStringList texts{QDateTime::currentDateTime().toString(QStringLiteral("dd.MM.yyyy HH:mm:ss")),
                            cell(height, HeightGaugeCycles::kNoHeight),
                            cell(laser, HeightGaugeCycles::kNoLaser), unitText()};
    for (int column = 0; column < texts.size(); ++column)
        m_table->setItem(row, column, new QTableWidgetItem(texts.at(column)));
    m_table->scrollToBottom();
}

void DevozorWindow::showMessage(const QString &text, int milliseconds)
{
    auto *message = new Messedge_devozor(text, milliseconds, this);
    message->adjustSize();
    message->move(geometry().center() - message->rect().center());
    message->show();
}

// ---- Modes
// --------------------------------------------------------------------------------------------------

void DevozorWindow::toggleMode(UserMode mode)
{
    m_mode = m_mode == mode ? ModeNone : mode;
    if (mode == ModeTwoPoints)
        m_twoPointClicks = 0;
    else if (mode == ModeCentrePoint)
        m_centreClicks = 0;
    else if (mode == ModeDepth)
        m_depthFirstTaken = false;
    showModeButtons();
}

void DevozorWindow::showModeButtons()
{
    for (int i = 0; i < m_modeButtons.size(); ++i)
        m_modeButtons.at(i)->setChecked(m_mode == i + 1);
    if (m_mode != ModeScan)
        m_scanWindow->close();
    if (m_mode == ModeHeightAndLaser || m_mode == ModeDepth) {
        m_automatic = false;
        m_cycles->setAutomatic(false);
        m_autoButton->setChecked(false);
    }
}

void DevozorWindow::on_Point_megering_clicked()
{
    record(QStringLiteral("on_Point_megering_clicked"));
    toggleMode(ModePoint);
    macroHook();
}

void DevozorWindow::on_TwoPoint_megering_clicked()
{
    record(QStringLiteral("on_TwoPoint_megering_clicked"));
    toggleMode(ModeTwoPoints);
    macroHook();
}

void DevozorWindow::on_centrPoint_megering_clicked()
{
    record(QStringLiteral("on_centrPoint_megering_clicked"));
    toggleMode(ModeCentrePoint);
    macroHook();
}

void DevozorWindow::on_TwoPointsEnable_clicked()
{
    record(QStringLiteral("on_TwoPointsEnable_clicked"));
    toggleMode(ModeHeightAndLaser);
    macroHook();
}

void DevozorWindow::on_ScanMegering_clicked()
{
    record(QStringLiteral("on_ScanMegering_clicked"));
    m_mode = m_mode == ModeScan ? ModeNone : ModeScan;
    if (m_mode == ModeScan && !m_macroRunning) {
        m_scanWindow->adjustSize();
        m_scanWindow->move(geometry().center() - m_scanWindow->rect().center());
        m_scanWindow->show();
    }
    qDebug() << "step min max" << m_scanStep << m_scanMin << m_scanMax;
    showModeButtons();
    macroHook();
}

void DevozorWindow::on_Depth_megering_clicked()
{
    record(QStringLiteral("on_Depth_megering_clicked"));
    toggleMode(ModeDepth);
    macroHook();
}

void DevozorWindow::on_Auto_or_Manual_button_clicked()
{
    record(QStringLiteral("on_Auto_or_Manual_button_clicked"));
    m_automatic = !m_automatic && m_mode != ModeHeightAndLaser && m_mode != ModeDepth;
    m_cycles->setAutomatic(m_automatic);
    m_autoButton->setChecked(m_automatic);
    macroHook();
}

// ---- Carriage ---------------------------------------------------------------------------------------------

void DevozorWindow::jog(bool up)
{
    m_lastMoveUp = up;
    m_board->DisableTouchPinInterupt();
    m_board->ChangeSpeed(MotherBoard::speed_t(m_speed));
    m_board->SetSlowStepType(0);
    if (up)
        m_board->DevozorMoveUp();
    else
        m_board->DevozorMoveDn();
    m_cycles->clearForManualMove();
}

void DevozorWindow::on_Up_button_clicked()
{
    record(QStringLiteral("on_Up_button_clicked"));
    m_moving = true;
    jog(true);
    macroHook();
}

void DevozorWindow::on_Down_button_clicked()
{
    record(QStringLiteral("on_Down_button_clicked"));
    m_moving = true;
    jog(false);
    macroHook();
}

void DevozorWindow::on_Up_move_clicked()
{
    if (m_moving) {
        on_StopButton_clicked();
        return;
    }
    m_moving = true;
    if (!m_automatic) {
        on_Up_button_clicked();
        return;
    }
    switch (m_mode) {
    case ModePoint:
        on_Megering_UP_clicked();
        break;
    case ModeTwoPoints:
        on_Megering_Dn_Up_clicked();
        break;
    case ModeCentrePoint:
        on_Megering_mezhcentr_clicked();
        break;
    case ModeScan:
        on_Scan_start();
        break;
    default:
        break;
    }
}

void DevozorWindow::on_Dn_move_clicked()
{
    if (m_moving) {
        on_StopButton_clicked();
        return;
    }
    m_moving = true;
    if (!m_automatic) {
        on_Down_button_clicked();
        return;
    }
    switch (m_mode) {
    case ModePoint:
        on_Megering_Dn_clicked();
        break;
    case ModeTwoPoints:
        on_Megering_Dn_Up_clicked();
        break;
    case ModeCentrePoint:
        on_Megering_mezhcentr_clicked();
        break;
    case ModeScan:
        on_Scan_start();
        break;
    default:
        break;
    }
}

void DevozorWindow::on_StopButton_clicked()
{
    m_moving = false;
    m_board->SetSlowStepType(0);
    m_board->EnableisableTouchPinInterupt();
    m_board->DevozorStopMove();
    m_cycles->clearForManualMove();
    record(QStringLiteral("STOP: ") + number6(m_height));
    macroHook();
}

void DevozorWindow::on_ZeroDevozor_clicked()
{
    record(QStringLiteral("ZERO_DEVOZOR"));
    m_board->SetZeroDevozor();
    macroHook();
}

void DevozorWindow::on_ZeroLaser_clicked()
{
    record(QStringLiteral("ZERO_LASER"));
    m_board->SetZeroLaser();
    macroHook();
}

void DevozorWindow::on_ZeroAll_clicked()
{
    m_board->SetZeroAll();
}

// ---- Cycle starts (the cycles hook the macro when they end)
// --------------------------------------------------

void DevozorWindow::on_Megering_Dn_clicked()
{
    record(QStringLiteral("on_Megering_Dn_clicked"));
    m_cycles->startSurfaceFromAbove(m_laser);
}

void DevozorWindow::on_Megering_UP_clicked()
{
    record(QStringLiteral("on_Megering_UP_clicked"));
    m_cycles->startSurfaceFromBelow(m_laser);
}

void DevozorWindow::on_Megering_Dn_Up_clicked()
{
    record(QStringLiteral("on_Megering_Dn_Up_clicked"));
    m_cycles->startGap(m_laser);
}

void DevozorWindow::on_Megering_mezhcentr_clicked()
{
    record(QStringLiteral("on_Megering_mezhcentr_clicked"));
    m_cycles->startCentreDistance(m_laser);
}

void DevozorWindow::on_Scan_start()
{
    record(QStringLiteral("on_Scan_start"));
    m_cycles->startScan(m_height);
}

void DevozorWindow::on_BaseSet_clicked()
{
    m_cycles->startBaseSetting(m_laser);
}

// ---- Manual readings
// ----------------------------------------------------------------------------------------

void DevozorWindow::on_Devozor_Value_clicked()
{
    if (m_automatic) {
        macroHook(); // a macro must not stall on a reading it cannot take
        return;
    }
    record(QStringLiteral("on_Devozor_Value_clicked"));
    switch (m_mode) {
    case ModePoint:
        addRow(m_height, HeightGaugeCycles::kNoLaser);
        break;
    case ModeTwoPoints:
        m_twoPoints[m_twoPointClicks++] = m_height;
        if (m_twoPointClicks == 1) {
            showMessage(tr("Point 1 add"), kLongMessageMs);
        } else {
            showMessage(tr("Point 2 add"), kShortMessageMs);
            addRow(std::fabs(m_twoPoints[0] - m_twoPoints[1]), HeightGaugeCycles::kNoLaser);
            m_twoPointClicks = 0;
        }
        break;
    case ModeCentrePoint:
        m_centrePoints[m_centreClicks++] = m_height;
        if (m_centreClicks < 4) {
            const QString added[] = {tr("Point 1 add"), tr("Point 2 add"), tr("Point 3 add")};
            showMessage(added[m_centreClicks - 1], kLongMessageMs);
        } else {
            showMessage(tr("Point 4 add"), kShortMessageMs);
            const double first = std::fabs((m_centrePoints[1] + m_centrePoints[0]) / 2);
            const double second = std::fabs((m_centrePoints[3] + m_centrePoints[2]) / 2);
            addRow(std::fabs(first - second), HeightGaugeCycles::kNoLaser);
            m_centreClicks = 0;
        }
        break;
    case ModeHeightAndLaser:
        addRow(m_height, m_laserValid ? m_laser : HeightGaugeCycles::kNoLaser);
        break;
    default:
        break;
    }
    macroHook();
}

void DevozorWindow::on_Laser_value_clicked()
{
    if (m_automatic) {
        macroHook();
        return;
    }
    record(QStringLiteral("on_Laser_value_clicked"));
    const double laser = m_laserValid ? m_laser : HeightGaugeCycles::kNoLaser;
    switch (m_mode) {
    case ModePoint:
        addRow(HeightGaugeCycles::kNoHeight, laser);
        break;
    case ModeHeightAndLaser:
        addRow(m_height, laser);
        break;
    case ModeDepth:
        if (!m_depthFirstTaken) {
            m_depth[0] = m_laser;
            m_depthFirstTaken = true;
            showMessage(tr("Point 1 add"), kLongMessageMs);
        } else {
            m_depth[1] = m_laser;
            m_depthFirstTaken = false;
            showMessage(tr("Point 2 add"), kShortMessageMs);
            addRow(HeightGaugeCycles::kNoHeight, std::fabs(m_depth[0] - m_depth[1]));
        }
        break;
    default:
        break;
    }
    macroHook();
}

// ---- Settings
// -------------------------------------------------------------------------------------------------

void DevozorWindow::on_Setting_clicked()
{
    m_settingsWindow->adjustSize();
    m_settingsWindow->move(geometry().center() - m_settingsWindow->rect().center());
    m_settingsWindow->show();
    m_settingsWindow->raise();
}

void DevozorWindow::GetDevozor_Setting_parametrs(double base, quint8 speed, bool isInch, double threshold)
{
    m_baseValue = float(base);
    m_speed = speed;
    m_inch = isInch;
    m_threshold = threshold;
    m_cycles->setBaseValue(m_baseValue);
    m_cycles->setUserSpeed(m_speed);
    m_cycles->setThreshold(m_threshold);
    saveSettings();
}

void DevozorWindow::Uint_change(bool isInch)
{
    m_inch = isInch;
}

void DevozorWindow::GetScanParametrs(double step, double min, double max)
{
    m_scanStep = step;
    m_scanMin = min;
    m_scanMax = max;
    m_cycles->setScanParameters(step, min, max);
    record(QStringLiteral("SCAN_PARAMETRS: %1 %2 %3").arg(number6(step), number6(min), number6(max)));
}

// ---- Table and export
// ---------------------------------------------------------------------------------------

void DevozorWindow::showTableContextMenu(const QPoint &pos)
{
    QMenu menu(tr("Меню таблицы"), this);
    QAction *remove = menu.addAction(tr("Удалить выбранную строку"));
    menu.addSeparator();
    QAction *clear = menu.addAction(tr("Очистить всю таблицу"));
    QAction *chosen = menu.exec(m_table->viewport()->mapToGlobal(pos));
    if (chosen == remove && m_table->currentRow() >= 0)
        m_table->removeRow(m_table->currentRow());
    else if (chosen == clear)
        m_table->setRowCount(0);
}

QString DevozorWindow::askSaveFile(const QString &caption, const QString &filter)
{
    if (m_fileNames)
        return m_fileNames(caption, filter);
    return QFileDialog::getSaveFileName(this, caption, QString(), filter);
}

QString DevozorWindow::askOpenFile(const QString &caption, const QString &filter)
{
    if (m_fileNames)
        return m_fileNames(caption, filter);
    return QFileDialog::getOpenFileName(this, caption, QString(), filter);
}

void DevozorWindow::on_exporCSV_clicked()
{
    const QString path = askSaveFile(tr("Экспорт в CSV"), tr("CSV Files (*.csv)"));
    if (path.isEmpty())
        return;
    QByteArray content;
    for (int column = 0; column < m_table->columnCount(); ++column) {
        if (column > 0)
            content += ',';
        content += csvQuoted(m_table->horizontalHeaderItem(column)->text());
    }
    content += '\n';
    for (int row = 0; row < m_table->rowCount(); ++row) {
        for (int column = 0; column < m_table->columnCount(); ++column) {
            if (column > 0)
                content += ',';
            const QTableWidgetItem *item = m_table->item(row, column);
            content += csvQuoted(item ? item->text() : QString());
        }
        content += '\n';
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(content) != content.size() || !file.commit()) {
        qWarning().noquote() << "[Devozor] CSV export to" << path << "failed:" << file.errorString();
        reportExport(path, false);
        return;
    }
    reportExport(path, true);
}

void DevozorWindow::on_exportPDF_clicked()
{
    const QString path = askSaveFile(tr("Экспорт в PDF"), tr("PDF Files (*.pdf)"));
    if (path.isEmpty())
        return;
    reportExport(path, TableExporter::writePdf(*m_table->model(), path, tr("Отчет об измерениях (Kovran)")));
}

void DevozorWindow::reportExport(const QString &path, bool written)
{
    if (written)
        statusBar()->showMessage(tr("Збережено: %1").arg(QDir::toNativeSeparators(path)), kStatusMessageMs);
    else
        QMessageBox::warning(this, tr("Помилка"),
                             tr("Не вдалося записати файл %1.").arg(QDir::toNativeSeparators(path)));
}

// ---- Macros
// -------------------------------------------------------------------------------------------------

void DevozorWindow::record(const QString &step)
{
    if (!m_recording)
        return;
    m_recorded.append(step);
    qDebug().noquote() << "Записано:" << step;
}

void DevozorWindow::on_Study_button_clicked()
{
    if (!m_recording) {
        m_recording = true;
        m_recorded.clear();
        m_studyButton->setText(QStringLiteral("SAVE"));
        return;
    }
    m_recording = false;
    m_studyButton->setText(QStringLiteral("STUDY"));
    const QString path = askSaveFile(tr("Save"), tr("Macros Files (*.mcm)"));
    if (path.isEmpty())
        return;
    QSaveFile file(path);
    QByteArray content;
    for (const QString &step : std::as_const(m_recorded))
        content += step.toUtf8() + '\n';
    if (!file.open(QIODevice::WriteOnly) || file.write(content) != content.size() || !file.commit())
        qWarning().noquote() << "[Devozor] macro" << path << "not saved:" << file.errorString();
}

bool DevozorWindow::loadMacro(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return false;
    m_loaded.clear();
    QTextStream in(&file);
    in.setEncoding(QStringConverter::Utf8);
    while (!in.atEnd())
        m_loaded.append(in.readLine().trimmed());
    qDebug().noquote() << "Загружено макрос-шагов:" << m_loaded.size();
    m_loadButton->setText(QFileInfo(path).baseName());
    return true;
}

void DevozorWindow::on_Progman_macros_load_clicked()
{
    const QString path = askOpenFile(tr("Open"), tr("Macros (*.mcm)"));
    if (!path.isEmpty())
        loadMacro(path);
}

void DevozorWindow::on_StartMacros_clicked()
{
    if (m_startMacros->text() == QLatin1String("START")) {
        m_repeatTotal = m_repeatCounter->text().trimmed().toInt();
        m_repeatsDone = 0;
        m_progress->setRange(0, std::max(1, int(m_loaded.size()) * m_repeatTotal));
        m_progress->setValue(0);
        m_macroRunning = true;
        m_recording = false;
        m_studyButton->setText(QStringLiteral("STUDY"));
        m_stepIndex = -1;
        m_startMacros->setText(QStringLiteral("STOP"));
        runNextStep();
        return;
    }
    m_startMacros->setText(QStringLiteral("START"));
    m_macroRunning = false;
    m_stepIndex = -1;
    m_progress->setValue(0);
}

void DevozorWindow::macroHook()
{
    if (m_macroRunning && !m_recording)
        scheduleNextStep();
}

void DevozorWindow::scheduleNextStep()
{
    QTimer::singleShot(m_macroDelayMs, this, [this] {
        if (m_macroRunning)
            runNextStep();
    });
}

void DevozorWindow::runNextStep()
{
    ++m_stepIndex;
    const int steps = int(m_loaded.size());
    m_progress->setValue(m_repeatsDone * steps + m_stepIndex + 1);
    if (m_stepIndex >= steps) {
        ++m_repeatsDone;
        m_stepIndex = -1;
        if (m_repeatsDone < m_repeatTotal) {
            scheduleNextStep(); // the pass ends here; the next one starts after the usual pause
        } else {
            m_startMacros->setText(QStringLiteral("START"));
            m_macroRunning = false;
            qDebug().noquote() << "Сценарий завершен!";
        }
        return;
    }
    if (m_stepIndex + 1 < steps && m_loaded.at(m_stepIndex + 1).startsWith(QLatin1String("STOP:"))) {
        m_targetStop = true;
        m_targetHeight = m_loaded.at(m_stepIndex + 1).mid(5).trimmed().toDouble();
        qDebug().noquote() << "Обнаружен следующий шаг STOP. Значение:" << m_targetHeight;
    }
    performStep(m_loaded.at(m_stepIndex));
}

bool DevozorWindow::performStep(const QString &step)
{
    using Action = void (DevozorWindow::*)();
    static const std::pair<const char *, Action> actions[] = {
        {"on_Point_megering_clicked", &DevozorWindow::on_Point_megering_clicked},
        {"on_TwoPoint_megering_clicked", &DevozorWindow::on_TwoPoint_megering_clicked},
        {"on_centrPoint_megering_clicked", &DevozorWindow::on_centrPoint_megering_clicked},
        {"on_TwoPointsEnable_clicked", &DevozorWindow::on_TwoPointsEnable_clicked},
        {"on_ScanMegering_clicked", &DevozorWindow::on_ScanMegering_clicked},
        {"on_Depth_megering_clicked", &DevozorWindow::on_Depth_megering_clicked},
        {"on_Auto_or_Manual_button_clicked", &DevozorWindow::on_Auto_or_Manual_button_clicked},
        {"on_Devozor_Value_clicked", &DevozorWindow::on_Devozor_Value_clicked},
        {"on_Laser_value_clicked", &DevozorWindow::on_Laser_value_clicked},
        {"ZERO_DEVOZOR", &DevozorWindow::on_ZeroDevozor_clicked},
        {"ZERO_LASER", &DevozorWindow::on_ZeroLaser_clicked},
        {"on_Up_move_clicked", &DevozorWindow::on_Up_move_clicked},
        {"on_Dn_move_clicked", &DevozorWindow::on_Dn_move_clicked},
        {"on_StopButton_clicked", &DevozorWindow::on_StopButton_clicked},
        {"on_Up_button_clicked", &DevozorWindow::on_Up_button_clicked},
        {"on_Down_button_clicked", &DevozorWindow::on_Down_button_clicked},
        {"on_Megering_Dn_clicked", &DevozorWindow::on_Megering_Dn_clicked},
        {"on_Megering_UP_clicked", &DevozorWindow::on_Megering_UP_clicked},
        {"on_Megering_Dn_Up_clicked", &DevozorWindow::on_Megering_Dn_Up_clicked},
        {"on_Megering_mezhcentr_clicked", &DevozorWindow::on_Megering_mezhcentr_clicked},
        {"on_Scan_start", &DevozorWindow::on_Scan_start},
    };
    for (const auto &[name, action] : actions) {
        if (step == QLatin1String(name)) {
            qDebug().noquote() << "cmd = " << step;
            (this->*action)();
            return true;
        }
    }
    if (step.startsWith(QLatin1String("SCAN_PARAMETRS:"))) {
        const QStringList parts = step.mid(15).trimmed().split(QLatin1Char(' '), Qt::SkipEmptyParts);
        if (parts.size() == 3) {
            m_scanStep = parts.at(0).toDouble();
            m_scanMin = parts.at(1).toDouble();
            m_scanMax = parts.at(2).toDouble();
            m_cycles->setScanParameters(m_scanStep, m_scanMin, m_scanMax);
            qDebug().noquote() << "Спарсили параметры: шаг =" << m_scanStep << "min =" << m_scanMin;
        } else {
            qDebug().noquote() << "Ошибка парсинга: неверное количество параметров SCAN_PARAMETRS";
        }
        macroHook();
        return true;
    }
    return false; // a STOP: step among them: the running action's end moves on
}
