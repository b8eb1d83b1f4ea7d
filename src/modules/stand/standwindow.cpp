#include "standwindow.h"

#include "common/uitranslator.h"

#include "app/settingsfolder.h"
#include "common/serialportcatalogue.h"
#include "modules/cameracatalogue.h"
#include "pressetsetting.h"
#include "standpreset.h"
#include "standtableexport.h"

#include <QActionGroup>
#include <QCamera>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QDebug>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMediaCaptureSession>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPainter>
#include <QPushButton>
#include <QSettings>
#include <QStatusBar>
#include <QTableWidget>
#include <QTime>
#include <QTimer>
#include <QToolButton>
#include <QVideoSink>

#include <cmath>

namespace {

constexpr int kStatusMessageMs = 8000;
const QString kEmptyMark = QStringLiteral("-");

QString appSettingsFile()
{
    return settingsFilePath(QStringLiteral("app_settings.ini"));
}

QString configFile()
{
    return settingsFilePath(QStringLiteral("config.ini"));
}

// Three decimals, and never "-0.000" for a deviation that rounds to nothing.
QString fixed3(double value)
{
    if (std::abs(value) < 0.0005)
        value = 0.0;
    return QString::number(value, 'f', 3);
}

bool isOpen(const QTableWidgetItem *item)
{
    return !item || item->text().isEmpty() || item->text() == kEmptyMark;
}

} // namespace

StandWindow::StandWindow(QWidget *parent)
    : QMainWindow(parent)
    , m_board(new MotherBoard(this))
    , m_port(new QSerialPort(this))
    , m_reconnectTimer(new QTimer(this))
    , m_windowTimer(new QTimer(this))
{
    m_translator = new UiTranslator(this);
    buildUi();
    m_editor = new PressetSetting(this);
    m_editor->hide();

    setupCameraMenu();
    connect(CameraCatalogue::instance(), &CameraCatalogue::camerasChanged, this,
            &StandWindow::setupCameraMenu);

    connect(m_board, &MotherBoard::UpdateValue, this, &StandWindow::UpdateLCD);
    connect(m_board, &MotherBoard::UpdateUint, this, &StandWindow::UpdateUint);
    connect(m_board, &MotherBoard::SendBufferToComport, this, &StandWindow::writeBufferComport,
            Qt::UniqueConnection);
    connect(m_board, &MotherBoard::SendByteToComport, this,
            [this](uint8_t byte) { writeBufferComport(&byte, 1); });
    connect(m_port, &QSerialPort::errorOccurred, this, &StandWindow::handleSerialError);

    m_reconnectTimer->setInterval(kReconnectMs);
    connect(m_reconnectTimer, &QTimer::timeout, this, &StandWindow::tryToConnect);
    m_reconnectTimer->start();

    const QString folder = QSettings(appSettingsFile(), QSettings::IniFormat)
                               .value(QStringLiteral("LastPresetFolder"))
                               .toString();
    if (folder.isEmpty())
        loadPresetsFromFolder(QString());
    else
        loadPresetsFromFolder(folder);

    m_windowTimer->setInterval(kWindowTickMs);
    connect(m_windowTimer, &QTimer::timeout, this, &StandWindow::UpdateWondow);
    m_windowTimer->start();

    const QString code = QSettings(configFile(), QSettings::IniFormat)
                             .value(QStringLiteral("interface/language"), QStringLiteral("uk_UA"))
                             .toString();
    Language lang = uk_UA;
    for (int i = uk_UA; i <= pl_PL; ++i) {
        if (languageCode(Language(i)) == code)
            lang = Language(i);
    }
    switchLanguage(lang);
}

StandWindow::~StandWindow() = default;

QString StandWindow::languageCode(Language lang)
{
    static const char *const codes[] = {"uk_UA", "en_150", "fr_FR", "de_DE", "it_IT", "pl_PL"};
    return QLatin1String(codes[lang]);
}

void StandWindow::buildUi()
{
    auto *central = new QWidget(this);
    auto *columns = new QHBoxLayout(central);

    auto *left = new QVBoxLayout;
    m_cameraLabel = new QLabel(central);
    m_cameraLabel->setObjectName(QStringLiteral("cameraContainer"));
    m_cameraLabel->setAlignment(Qt::AlignCenter);
    m_cameraLabel->setMinimumSize(320, 240);
    m_cameraLabel->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Ignored);
    m_cameraLabel->setStyleSheet(QStringLiteral("background-color: black;"));
    left->addWidget(m_cameraLabel, 3);

    const auto button = [central](const char *name) {
        auto *b = new QPushButton(central);
        b->setObjectName(QLatin1String(name));
        b->setMinimumHeight(40);
        return b;
    };
    m_valueButton = button("addNewButton");
    QFont big = font();
    big.setPointSize(36);
    big.setBold(true);
    m_valueButton->setFont(big);
    m_valueButton->setMinimumHeight(90);
    m_valueButton->setText(QStringLiteral("0.00"));
    m_zeroButton = button("SetZeroBaseButton");
    m_unitButton = button("change_uint_Button");
    auto *valueRow = new QHBoxLayout;
    valueRow->addWidget(m_zeroButton);
    valueRow->addWidget(m_valueButton, 1);
    valueRow->addWidget(m_unitButton);
    left->addLayout(valueRow);

    m_tapeMode = new QCheckBox(central);
    m_tapeMode->setObjectName(QStringLiteral("EnableTapeMode"));
    m_tapeButton = button("Tape_button");
    m_tapeButton->setEnabled(false);
    auto *tapeRow = new QHBoxLayout;
    tapeRow->addWidget(m_tapeMode);
    tapeRow->addWidget(m_tapeButton, 1);
    left->addLayout(tapeRow);
    columns->addLayout(left, 3);

    auto *right = new QVBoxLayout;
    auto *head = new QGridLayout;
    m_logo = new QLabel(central);
    m_logo->setObjectName(QStringLiteral("LogoLAbel"));
    m_logo->setPixmap(
        QPixmap(QStringLiteral(":/images/images/LOGO.png")).scaledToHeight(48, Qt::SmoothTransformation));
    m_serialLabel = new QLabel(central);
    m_serialNumber = new QLineEdit(central);
    m_serialNumber->setObjectName(QStringLiteral("SerialNumberLineEdit"));
    head->addWidget(m_logo, 0, 0, 2, 1);
    head->addWidget(m_serialLabel, 0, 1);
    head->addWidget(m_serialNumber, 1, 1);
    right->addLayout(head);

    auto *presetRow = new QHBoxLayout;
    m_presetLabel = new QLabel(central);
    m_presets = new QComboBox(central);
    m_presets->setObjectName(QStringLiteral("Preset_comboBox"));
    m_folderButton = new QToolButton(central);
    m_folderButton->setObjectName(QStringLiteral("toolButton"));
    m_refreshButton = button("Refresh");
    m_newPresetButton = button("NewPresetButton");
    presetRow->addWidget(m_presetLabel);
    presetRow->addWidget(m_presets, 1);
    presetRow->addWidget(m_folderButton);
    presetRow->addWidget(m_refreshButton);
    presetRow->addWidget(m_newPresetButton);
    right->addLayout(presetRow);

    m_table = new QTableWidget(0, 4, central);
    m_table->setObjectName(QStringLiteral("tableWidget"));
    m_table->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(m_table, &QWidget::customContextMenuRequested, this, &StandWindow::showContextMenu);
    right->addWidget(m_table, 1);

    auto *bottom = new QHBoxLayout;
    m_clearButton = button("ClearButton");
    m_pdfButton = button("ExportPDFButton");
    m_csvButton = button("ExportCSVButton");
    bottom->addWidget(m_clearButton);
    bottom->addStretch(1);
    bottom->addWidget(m_pdfButton);
    bottom->addWidget(m_csvButton);
    right->addLayout(bottom);
    columns->addLayout(right, 2);
    setCentralWidget(central);

    m_fileMenu = menuBar()->addMenu(QString());
    m_fileMenu->setObjectName(QStringLiteral("FileMenu"));
    m_exitAction = m_fileMenu->addAction(QString());
    m_exitAction->setObjectName(QStringLiteral("action"));
    m_resetAction = m_fileMenu->addAction(QString());
    m_resetAction->setObjectName(QStringLiteral("action_2"));
    m_cameraMenu = menuBar()->addMenu(QString());
    m_cameraMenu->setObjectName(QStringLiteral("Camera_menu"));
    m_languageMenu = menuBar()->addMenu(QString());
    m_languageMenu->setObjectName(QStringLiteral("LanguageMenu"));
    static const char *const languageActions[] = {
        "uk_change_languege_action",      "en_change_languege_action",    "france_change_languege_action",
        "germany_change_languege_action", "itali_change_languege_action", "pl_change_languege_action"};
    for (int i = 0; i < 6; ++i) {
        m_languageActions[i] = m_languageMenu->addAction(QString());
        m_languageActions[i]->setObjectName(QLatin1String(languageActions[i]));
        m_languageActions[i]->setCheckable(true);
    }

    // Buttons and actions call their on_<name>_clicked / on_<name>_triggered slots.
    const auto slotIndex = [this](const QString &name, const char *signal) {
        const QByteArray slot = "on_" + name.toLatin1() + '_' + signal + "()";
        return metaObject()->indexOfSlot(slot.constData());
    };
    for (QAbstractButton *control : central->findChildren<QAbstractButton *>()) {
        const int index = slotIndex(control->objectName(), "clicked");
        if (index >= 0)
            connect(control, &QAbstractButton::clicked, this,
                    [this, index] { metaObject()->method(index).invoke(this); });
    }
    for (QAction *action : menuBar()->findChildren<QAction *>()) {
        const int index = slotIndex(action->objectName(), "triggered");
        if (index >= 0)
            connect(action, &QAction::triggered, this,
                    [this, index] { metaObject()->method(index).invoke(this); });
    }
    connect(m_presets, &QComboBox::currentIndexChanged, this,
            &StandWindow::on_Preset_comboBox_currentIndexChanged);
    connect(m_tapeMode, &QCheckBox::stateChanged, this, &StandWindow::on_EnableTapeMode_stateChanged);

    retranslate();
}

void StandWindow::retranslate()
{
    setWindowTitle(tr("Вимірювальний стенд"));
    m_zeroButton->setText(tr("Нуль"));
    UpdateUint(m_inches ? MotherBoard::UnitInches : MotherBoard::UnitMillimetres);
    m_serialLabel->setText(tr("Серійний номер"));
    m_pdfButton->setText(tr("Зберегти в PDF"));
    m_csvButton->setText(tr("Зберегти в CSV"));
    m_tapeMode->setText(tr("Режим рулетки"));
    m_tapeButton->setText(tr("Рулетку протянуто"));
    m_presetLabel->setText(tr("Пресет"));
    m_folderButton->setText(QStringLiteral("..."));
    m_folderButton->setToolTip(tr("Оберіть папку з пресетами"));
    m_refreshButton->setText(tr("Оновити"));
    m_newPresetButton->setText(tr(" Стрворити пресет"));
    m_clearButton->setText(tr("Очистити"));
    if (m_presets->count() > 0)
        m_presets->setItemText(0, tr("Без пресета"));
    setTableHeaders();
    m_fileMenu->setTitle(tr("Файл"));
    m_exitAction->setText(tr("Вихід"));
    m_resetAction->setText(tr("Скинути параметри"));
    m_cameraMenu->setTitle(tr("Камера"));
    if (m_cameraIds.isEmpty() && !m_cameraMenu->actions().isEmpty())
        m_cameraMenu->actions().constFirst()->setText(tr("Камеры не найдены"));
    m_languageMenu->setTitle(tr("Мова"));
    const QString languages[] = {tr("Українська"), tr("Англійська"), tr("Французька"),
                                 tr("Німецька"),   tr("Італійська"), tr("Польська")};
    for (int i = 0; i < 6; ++i)
        m_languageActions[i]->setText(languages[i]);
}

void StandWindow::setTableHeaders()
{
    m_table->setColumnCount(4);
    m_table->setHorizontalHeaderLabels(
        {tr("Час"), tr("Задані значення"), tr("Виміряні значення"), tr("Відхилення")});
}

void StandWindow::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange && m_table)
        retranslate();
    QMainWindow::changeEvent(event);
}

bool StandWindow::presetSelected() const
{
    return m_presets->currentIndex() > 0;
}

QString StandWindow::displayText() const
{
    return m_valueButton->text();
}

// ---- Camera -----------------------------------------------------------------------------------------------

void StandWindow::processFrame(const QVideoFrame &frame)
{
    if (!frame.isValid())
        return;
    QImage image = frame.toImage();
    if (image.isNull())
        return;
    image = image.scaled(m_cameraLabel->size(), Qt::KeepAspectRatio, Qt::SmoothTransformation)
                .convertToFormat(QImage::Format_RGB32);
    QPainter painter(&image);
    painter.setPen(QPen(Qt::red, 1));
    painter.drawLine(image.width() / 2, 0, image.width() / 2, image.height());
    painter.drawLine(0, image.height() / 2, image.width(), image.height() / 2);
    painter.end();
    m_cameraLabel->setPixmap(QPixmap::fromImage(image));
}

void StandWindow::changeCamera(const QCameraDevice &cameraDevice)
{
    if (m_camera && m_camera->cameraDevice() == cameraDevice)
        return;
    if (!m_camera) {
        m_camera = new QCamera(cameraDevice, this);
        m_session = new QMediaCaptureSession(this);
        m_videoSink = new QVideoSink(this);
        m_session->setCamera(m_camera);
        m_session->setVideoSink(m_videoSink);
        connect(m_videoSink, &QVideoSink::videoFrameChanged, this, &StandWindow::processFrame);
    } else {
        m_camera->stop();
        m_camera->setCameraDevice(cameraDevice);
    }
    m_camera->start();
    qDebug().noquote() << "Камера переключена на:" << cameraDevice.description();
}

void StandWindow::setupCameraMenu()
{
    const QList<CameraEntry> cameras = CameraCatalogue::instance()->cameras();
    QList<QByteArray> ids;
    for (const CameraEntry &camera : cameras)
        ids.append(camera.id);
    // Called every second while unconnected: rebuilding an unchanged menu would close it under the user.
    if (m_cameraMenuBuilt && ids == m_cameraIds)
        return;
    const bool firstTime = !m_cameraMenuBuilt;
    m_cameraMenuBuilt = true;
    m_cameraIds = ids;
    m_cameraMenu->clear();
    if (cameras.isEmpty()) {
        QAction *none = m_cameraMenu->addAction(tr("Камеры не найдены"));
        none->setEnabled(false);
        return;
    }
    auto *group = new QActionGroup(m_cameraMenu);
    group->setExclusive(true);
    for (const CameraEntry &camera : cameras) {
        QAction *action = m_cameraMenu->addAction(camera.description);
        action->setCheckable(true);
        action->setChecked(camera.isDefault);
        group->addAction(action);
        const QByteArray id = camera.id;
        connect(action, &QAction::triggered, this, [this, id] {
            const QCameraDevice device = CameraCatalogue::device(id);
            if (device.isNull())
                qWarning().noquote() << "[Stand] camera" << id << "is gone";
            else
                changeCamera(device);
        });
        if (firstTime && camera.isDefault) {
            const QCameraDevice device = CameraCatalogue::device(id);
            if (!device.isNull())
                changeCamera(device);
        }
    }
}

// ---- The board link ---------------------------------------------------------------------------------------

QString StandWindow::findDevicePortName()
{
    for (const SerialPortEntry &port : SerialPortCatalogue::availablePorts()) {
        if (port.hasVendorId && port.hasProductId && port.vendorId == m_vendorId &&
            port.productId == m_productId)
            return port.portName;
    }
    return QString();
}

void StandWindow::tryToConnect()
{
    setupCameraMenu();
    if (m_port->isOpen())
        return;
    const QString name = findDevicePortName();
    if (name.isEmpty())
        return;
    m_port->setPortName(name);
    m_port->setBaudRate(kBaudRate, QSerialPort::AllDirections);
    m_port->setDataBits(QSerialPort::Data8);
    m_port->setParity(QSerialPort::NoParity);
    m_port->setStopBits(QSerialPort::OneStop);
    m_port->setFlowControl(QSerialPort::NoFlowControl);
    if (!m_port->open(QIODevice::ReadWrite))
        return; // the timer tries again
    qDebug().noquote() << "Успешно подключились к" << name;
    m_reconnectTimer->stop();
    m_port->setDataTerminalReady(true);
    m_port->setRequestToSend(true);
    m_port->setReadBufferSize(3);
    if (!m_readyReadConnected) {
        connect(m_port, &QSerialPort::readyRead, this, &StandWindow::readData);
        m_readyReadConnected = true;
    }
    connect(m_board, &MotherBoard::SendBufferToComport, this, &StandWindow::writeBufferComport,
            Qt::UniqueConnection);
}

void StandWindow::readData()
{
    const QByteArray bytes = m_port->readAll();
    if (bytes.isEmpty())
        return;
    qDebug().noquote() << "Отримано:" << bytes.toHex(' ');
    for (const char byte : bytes)
        m_board->AddByteToBuffer(uint8_t(byte));
    m_board->RxData();
}

void StandWindow::writeData(const QByteArray &data)
{
    if (m_port->isOpen() && m_port->isWritable())
        m_port->write(data);
}

void StandWindow::writeBufferComport(const uint8_t *buff, uint8_t count)
{
    writeData(QByteArray(reinterpret_cast<const char *>(buff), count));
}

void StandWindow::handleSerialError(QSerialPort::SerialPortError error)
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

void StandWindow::on_SetZeroBaseButton_clicked()
{
    m_board->SetZero();
}

void StandWindow::on_change_uint_Button_clicked()
{
    m_board->ChacngeUint();
}

void StandWindow::UpdateLCD(double value)
{
    const double shown = StandPreset::displayValue(value, m_inches, m_tapeMode->isChecked(), m_tapeBase);
    m_valueButton->setText(QString::number(shown, 'f', StandPreset::decimals(m_inches)));
}

void StandWindow::UpdateUint(MotherBoard::uint_t new_uint)
{
    m_inches = new_uint != MotherBoard::UnitMillimetres;
    m_unitButton->setText(m_inches ? tr("INCH") : tr("MM"));
}

void StandWindow::UpdateWondow()
{
    QCoreApplication::processEvents();
}

// ---- Measuring --------------------------------------------------------------------------------------------

int StandWindow::firstOpenRow() const
{
    for (int row = 0; row < m_table->rowCount(); ++row) {
        if (isOpen(m_table->item(row, ColumnMeasured)))
            return row;
    }
    return -1;
}

void StandWindow::setCell(int row, int column, const QString &text)
{
    if (QTableWidgetItem *item = m_table->item(row, column))
        item->setText(text);
    else
        m_table->setItem(row, column, new QTableWidgetItem(text));
}

void StandWindow::on_addNewButton_clicked()
{
    int row = firstOpenRow();
    if (row < 0) {
        row = m_table->rowCount();
        m_table->insertRow(row);
        for (int column = 0; column < 4; ++column)
            setCell(row, column, kEmptyMark);
    }
    const double measured = m_valueButton->text().toDouble();
    setCell(row, ColumnTime, QTime::currentTime().toString(QStringLiteral("hh:mm:ss")));
    setCell(row, ColumnMeasured, fixed3(measured));
    QTableWidgetItem *deviation = nullptr;
    const bool preset = presetSelected();
    if (preset) {
        const QTableWidgetItem *target = m_table->item(row, ColumnSetValue);
        const double difference = measured - (target ? target->text().toDouble() : 0.0);
        setCell(row, ColumnDeviation, fixed3(difference));
        deviation = m_table->item(row, ColumnDeviation);
        deviation->setForeground(StandPreset::withinTolerance(difference, m_tolerance) ? Qt::black : Qt::red);
    } else {
        setCell(row, ColumnSetValue, kEmptyMark);
        setCell(row, ColumnDeviation, kEmptyMark);
        m_table->item(row, ColumnDeviation)->setForeground(Qt::black);
    }
    m_table->scrollToItem(m_table->item(row, ColumnMeasured));
    if (preset && firstOpenRow() < 0)
        showCompletionDialog();
}

void StandWindow::addMeasurementRow(const QString &time, double measured)
{
    const QTableWidgetItem *first = m_table->rowCount() > 0 ? m_table->item(0, ColumnSetValue) : nullptr;
    const double target = first ? first->text().toDouble() : 0.0;
    const double difference = measured - target;
    const int row = m_table->rowCount();
    m_table->insertRow(row);
    setCell(row, ColumnTime, time);
    setCell(row, ColumnSetValue, fixed3(target));
    setCell(row, ColumnMeasured, fixed3(measured));
    setCell(row, ColumnDeviation, fixed3(difference));
    m_table->item(row, ColumnDeviation)
        ->setForeground(StandPreset::withinTolerance(difference, StandPreset::kDefaultTolerance) ? Qt::black
                                                                                                 : Qt::red);
}

void StandWindow::showCompletionDialog()
{
    QMessageBox box(QMessageBox::Information, tr("Вимірювання завершено"),
                    tr("Всі точки пресету успішно виміряні.\nЩо бажаєте зробити далі?"),
                    QMessageBox::NoButton, this);
    QPushButton *pdf = box.addButton(tr("Зберегти PDF"), QMessageBox::AcceptRole);
    QPushButton *csv = box.addButton(tr("Зберегти CSV"), QMessageBox::AcceptRole);
    QPushButton *clear = box.addButton(tr("Очистити таблицю"), QMessageBox::DestructiveRole);
    QPushButton *cancel = box.addButton(tr("Скасувати"), QMessageBox::RejectRole);
    box.setEscapeButton(cancel);
    box.exec();
    if (box.clickedButton() == pdf)
        on_ExportPDFButton_clicked();
    else if (box.clickedButton() == csv)
        on_ExportCSVButton_clicked();
    else if (box.clickedButton() == clear)
        clearMeasuredData();
}

void StandWindow::clearMeasuredData()
{
    for (int row = 0; row < m_table->rowCount(); ++row) {
        for (const int column : {int(ColumnTime), int(ColumnMeasured), int(ColumnDeviation)}) {
            setCell(row, column, kEmptyMark);
            m_table->item(row, column)->setForeground(QBrush());
        }
    }
    m_table->scrollToTop();
    m_tapeBase = 0.0;
}

void StandWindow::on_ClearButton_clicked()
{
    if (presetSelected()) {
        for (int row = 0; row < m_table->rowCount(); ++row) {
            for (const int column : {int(ColumnTime), int(ColumnMeasured), int(ColumnDeviation)}) {
                setCell(row, column, QString());
                m_table->item(row, column)->setForeground(QBrush());
            }
        }
    } else {
        m_table->setRowCount(0);
    }
    m_table->clearSelection();
}

void StandWindow::emptyMeasurement(int row)
{
    setCell(row, ColumnTime, QString());
    setCell(row, ColumnMeasured, QString());
    setCell(row, ColumnDeviation, kEmptyMark);
    m_table->item(row, ColumnDeviation)->setForeground(QBrush());
}

void StandWindow::showContextMenu(const QPoint &pos)
{
    const QTableWidgetItem *item = m_table->itemAt(pos);
    if (!item)
        return;
    const int row = item->row();
    QMenu menu(this);
    QAction *remove = menu.addAction(tr("Видалити вимірювання"));
    if (menu.exec(m_table->viewport()->mapToGlobal(pos)) == remove)
        deleteMeasurement(row);
}

void StandWindow::deleteMeasurement(int row)
{
    if (row < 0 || row >= m_table->rowCount())
        return;
    if (m_presets->currentIndex() < 0) {
        m_table->removeRow(row);
        return;
    }
    QMessageBox box(QMessageBox::Question, tr("Видалення вимірювання"),
                    tr("Як саме ви хочете видалити дані?"), QMessageBox::NoButton, this);
    QPushButton *single = box.addButton(tr("Тільки цей рядок"), QMessageBox::AcceptRole);
    QPushButton *shift = box.addButton(tr("Зі зміщенням (очистити все після)"), QMessageBox::DestructiveRole);
    QPushButton *cancel = box.addButton(tr("Скасувати"), QMessageBox::RejectRole);
    box.setEscapeButton(cancel);
    box.exec();
    if (box.clickedButton() == single) {
        emptyMeasurement(row);
    } else if (box.clickedButton() == shift) {
        for (int r = row; r < m_table->rowCount(); ++r)
            emptyMeasurement(r);
    }
}

// ---- Tape mode --------------------------------------------------------------------------------------------

void StandWindow::on_EnableTapeMode_stateChanged(int arg1)
{
    m_tapeButton->setEnabled(arg1 == Qt::Checked);
}

void StandWindow::on_Tape_button_clicked()
{
    if (!m_tapeMode->isChecked()) {
        QMessageBox::information(this, tr("Режим Tape"),
                                 tr("Спочатку увімкніть 'Tape mode' (поставте галочку)."));
        return;
    }
    for (int row = m_table->rowCount() - 1; row >= 0; --row) {
        const QTableWidgetItem *measured = m_table->item(row, ColumnMeasured);
        if (isOpen(measured))
            continue;
        m_tapeBase = measured->text().toDouble();
        QMessageBox::information(
            this, tr("Tape"), tr("Рулетку перетягнуто.\nНова база вимірювання: %1").arg(fixed3(m_tapeBase)));
        return;
    }
    QMessageBox::warning(this, tr("Помилка Tape"),
                         tr("У таблиці ще немає жодного вимірювання для збереження бази."));
}

// ---- Presets ----------------------------------------------------------------------------------------------

void StandWindow::on_toolButton_clicked()
{
    const QString caption = tr("Оберіть папку з пресетами");
    const QString folder =
        m_fileNames ? m_fileNames(caption, QString()) : QFileDialog::getExistingDirectory(this, caption);
    if (folder.isEmpty())
        return;
    QSettings(appSettingsFile(), QSettings::IniFormat).setValue(QStringLiteral("LastPresetFolder"), folder);
    loadPresetsFromFolder(folder);
}

void StandWindow::on_Refresh_clicked()
{
    loadPresetsFromFolder(QSettings(appSettingsFile(), QSettings::IniFormat)
                              .value(QStringLiteral("LastPresetFolder"))
                              .toString());
}

void StandWindow::loadPresetsFromFolder(const QString &dirPath)
{
    {
        const QSignalBlocker blocker(m_presets);
        m_presets->clear();
        m_presets->addItem(tr("Без пресета"));
        const QDir dir(dirPath);
        if (!dirPath.isEmpty() && dir.exists()) {
            const QFileInfoList files =
                dir.entryInfoList({QStringLiteral("*.json")}, QDir::Files | QDir::Readable, QDir::Name);
            for (const QFileInfo &file : files)
                m_presets->addItem(file.completeBaseName(), file.absoluteFilePath());
        }
    }
    m_presets->setCurrentIndex(0);
    // The list was rebuilt with signals blocked; the table must not keep showing a preset no longer chosen.
    if (m_activePreset != 0)
        on_Preset_comboBox_currentIndexChanged(0);
}

void StandWindow::on_Preset_comboBox_currentIndexChanged(int index)
{
    if (index <= 0) {
        m_table->setRowCount(0);
        m_activePreset = 0;
        return;
    }
    if (loadPresetsFromFile(m_presets->itemData(index).toString())) {
        m_activePreset = index;
        return;
    }
    // A refused file leaves the previous preset both in the table and in the box.
    const QSignalBlocker blocker(m_presets);
    m_presets->setCurrentIndex(m_activePreset < m_presets->count() ? m_activePreset : 0);
}

void StandWindow::refusePreset(const QString &fileName, const QString &reason)
{
    qWarning().noquote() << "[Stand] preset" << fileName << "refused:" << reason;
    QMessageBox::warning(this, tr("Помилка"),
                         tr("Пресет %1 не завантажено.\n%2").arg(QDir::toNativeSeparators(fileName), reason));
}

bool StandWindow::loadPresetsFromFile(const QString &fileName)
{
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly)) {
        refusePreset(fileName, tr("Файл не вдалося відкрити: %1").arg(file.errorString()));
        return false;
    }
    const StandPreset::Parsed preset = StandPreset::parse(file.readAll());
    switch (preset.error) {
    case StandPreset::ParseError::NotJson:
        refusePreset(fileName, tr("Файл не є коректним JSON: %1").arg(preset.detail));
        return false;
    case StandPreset::ParseError::NotObject:
        refusePreset(fileName, tr("У файлі немає об'єкта пресета."));
        return false;
    case StandPreset::ParseError::WrongType:
        refusePreset(fileName, tr("Поле \"%1\" має неправильний тип.").arg(preset.detail));
        return false;
    case StandPreset::ParseError::TooManyTargets:
        refusePreset(fileName, tr("Забагато точок: %1 (не більше %2).")
                                   .arg(preset.detail, QString::number(StandPreset::kMaxTargets)));
        return false;
    case StandPreset::ParseError::None:
        break;
    }

    m_tolerance = preset.deviation.value_or(StandPreset::kDefaultTolerance);
    m_table->setUpdatesEnabled(false);
    m_table->setRowCount(0);
    setTableHeaders();
    m_table->setRowCount(int(preset.targets.size()));
    for (int row = 0; row < preset.targets.size(); ++row) {
        m_table->setItem(row, ColumnTime, new QTableWidgetItem(kEmptyMark));
        m_table->setItem(row, ColumnSetValue, new QTableWidgetItem(fixed3(preset.targets.at(row))));
        m_table->setItem(row, ColumnMeasured, new QTableWidgetItem(kEmptyMark));
        m_table->setItem(row, ColumnDeviation, new QTableWidgetItem(kEmptyMark));
    }
    m_table->setUpdatesEnabled(true);
    m_table->scrollToTop();
    return true;
}

void StandWindow::on_NewPresetButton_clicked()
{
    m_editor->reset();
    if (m_editor->isVisible()) {
        m_editor->raise();
        m_editor->activateWindow();
    } else {
        m_editor->show();
    }
}

// ---- Export -----------------------------------------------------------------------------------------------

QString StandWindow::askSaveFile(const QString &caption, const QString &filter)
{
    if (m_fileNames)
        return m_fileNames(caption, filter);
    return QFileDialog::getSaveFileName(this, caption, QString(), filter);
}

void StandWindow::reportExport(const QString &path, bool written)
{
    if (written) {
        statusBar()->showMessage(tr("Збережено: %1").arg(QDir::toNativeSeparators(path)), kStatusMessageMs);
        return;
    }
    qWarning().noquote() << "[Stand] export to" << path << "failed";
    QMessageBox::warning(this, tr("Помилка"),
                         tr("Не вдалося записати файл %1.").arg(QDir::toNativeSeparators(path)));
}

bool StandWindow::exportCsv(const QString &path)
{
    const bool written = StandTableExport::writeCsv(*m_table, path);
    reportExport(path, written);
    return written;
}

bool StandWindow::exportPdf(const QString &path)
{
    const bool written = StandTableExport::writePdf(*m_table, path);
    reportExport(path, written);
    return written;
}

void StandWindow::on_ExportCSVButton_clicked()
{
    const QString path = askSaveFile(tr("Експорт в CSV"), tr("CSV Files (*.csv)"));
    if (!path.isEmpty())
        exportCsv(path);
}

void StandWindow::on_ExportPDFButton_clicked()
{
    const QString path = askSaveFile(tr("Зберегти PDF"), tr("PDF Files (*.pdf)"));
    if (!path.isEmpty())
        exportPdf(path);
}

// ---- Menus and language -----------------------------------------------------------------------------------

void StandWindow::on_action_triggered()
{
    close();
}

void StandWindow::on_action_2_triggered()
{
    QSettings(configFile(), QSettings::IniFormat).setValue(QStringLiteral("default_module"), 0);
}

void StandWindow::switchLanguage(StandWindow::Language lang)
{
    const QString code = languageCode(lang);
    if (!m_translator->setLanguage(code))
        qWarning().noquote() << "[Stand] no translation for" << code;
    m_language = lang;
    // The language-change event arrives later; the window should read right at once.
    retranslate();
    QSettings(configFile(), QSettings::IniFormat).setValue(QStringLiteral("interface/language"), code);
    clearAllacion();
    m_languageActions[lang]->setChecked(true);
}

void StandWindow::clearAllacion()
{
    for (QAction *action : m_languageActions)
        action->setChecked(false);
}

void StandWindow::chooseLanguage(Language lang)
{
    switchLanguage(lang);
    clearAllacion();
    m_languageActions[lang]->setChecked(true);
}

void StandWindow::on_uk_change_languege_action_triggered()
{
    chooseLanguage(uk_UA);
}

void StandWindow::on_en_change_languege_action_triggered()
{
    chooseLanguage(en_150);
}

void StandWindow::on_france_change_languege_action_triggered()
{
    chooseLanguage(fr_FR);
}

void StandWindow::on_germany_change_languege_action_triggered()
{
    chooseLanguage(de_DE);
}

void StandWindow::on_itali_change_languege_action_triggered()
{
    chooseLanguage(it_IT);
}

void StandWindow::on_pl_change_languege_action_triggered()
{
    chooseLanguage(pl_PL);
}
