#include "lasernuromer.h"

#include "common/uitranslator.h"

#include "app/settingsfolder.h"
#include "common/serialportcatalogue.h"
#include "lasersettings.h"
#include "links/modbus/modbusframe.h"
#include "modules/cameracatalogue.h"
#include "recording/tableexporter.h"

#include <QCamera>
#include <QCameraDevice>
#include <QCoreApplication>
#include <QDateTime>
#include <QDebug>
#include <QElapsedTimer>
#include <QEvent>
#include <QFileDialog>
#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMediaCaptureSession>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QSaveFile>
#include <QSettings>
#include <QStandardItemModel>
#include <QTableWidget>
#include <QTimer>
#include <QVideoWidget>

#include <algorithm>
#include <limits>

using namespace LaserProtocol;

namespace {

QString laserSettingsFile()
{
    return settingsFilePath(QStringLiteral("setting_laser.ini"));
}

const QString kPortKey = QStringLiteral("Hardware/ComPort");
const QString kBaudKey = QStringLiteral("Hardware/BaudRate");
const QString kLeftCameraKey = QStringLiteral("Hardware/LeftCamera");
const QString kRightCameraKey = QStringLiteral("Hardware/RightCamera");
constexpr int kDefaultBaud = 115200;

// Accepts a comma as well as a point; anything unreadable counts as 0.
double parsedNumber(const QString &text)
{
    return QLocale::c().toDouble(QString(text).trimmed().replace(QLatin1Char(','), QLatin1Char('.')));
}

void configureSerial(QSerialPort &port, const QString &name, int baud)
{
    port.setPortName(name);
    port.setBaudRate(baud, QSerialPort::AllDirections);
    port.setDataBits(QSerialPort::Data8);
    port.setParity(QSerialPort::NoParity);
    port.setStopBits(QSerialPort::OneStop);
}

QString hexByte(int value)
{
    return QString::number(value & 0xFF, 16).rightJustified(2, QLatin1Char('0')).toUpper();
}

} // namespace

LaserNuromer::LaserNuromer(QWidget *parent)
    : QMainWindow(parent)
    , m_port(new QSerialPort(this))
    , m_startTimer(new QTimer(this))
    , m_reconnectTimer(new QTimer(this))
    , m_pollTimer(new QTimer(this))
    , m_parseTimer(new QTimer(this))
{
    m_translator = new UiTranslator(this);
    auto elapsed = std::make_shared<QElapsedTimer>();
    elapsed->start();
    m_clock = [elapsed] { return elapsed->elapsed(); };

    buildUi();
    retranslate();
    const QSettings settings(laserSettingsFile(), QSettings::IniFormat);
    m_portName = settings.value(kPortKey, QStringLiteral("COM1")).toString();

    m_settings = new LaserSettings(this);
    connect(m_settings, &LaserSettings::settingsSaved, this, &LaserNuromer::applyNewSettings);
    connect(CameraCatalogue::instance(), &CameraCatalogue::camerasChanged, this, &LaserNuromer::setUpCameras);
    setUpCameras();

    connect(m_pollTimer, &QTimer::timeout, this, &LaserNuromer::pollTick);
    connect(m_parseTimer, &QTimer::timeout, this, &LaserNuromer::parseTick);
    m_startTimer->setSingleShot(true);
    connect(m_startTimer, &QTimer::timeout, this, &LaserNuromer::startMeasuring);
    m_startTimer->start(kStartDelayMs);
    connect(m_reconnectTimer, &QTimer::timeout, this, &LaserNuromer::checkAndReconnectSerial);
    m_reconnectTimer->start(kReconnectMs);
}

LaserNuromer::~LaserNuromer() {}

void LaserNuromer::buildUi()
{
    auto *central = new QWidget(this);
    auto *columns = new QHBoxLayout(central);
    auto *controls = new QGridLayout;
    const auto button = [central](const char *name) {
        auto *b = new QPushButton(central);
        b->setObjectName(QLatin1String(name));
        b->setMinimumHeight(40);
        return b;
    };
    const auto edit = [central](const char *name) {
        auto *e = new QLineEdit(central);
        e->setObjectName(QLatin1String(name));
        return e;
    };
    const auto label = [central](const char *name) {
        auto *l = new QLabel(central);
        l->setObjectName(QLatin1String(name));
        return l;
    };

    // The value display is the add button: the operator reads it and presses it.
    m_value = button("addNewButton");
    QFont big = font();
    big.setPointSize(36);
    big.setBold(true);
    m_value->setFont(big);
    m_value->setMinimumHeight(100);
    m_zero = button("SetZeroBaseButton");
    m_base = edit("Calibrate_date_lineEdit");
    m_base->setText(QStringLiteral("0.001"));
    m_unit = button("change_uint_Button");
    m_settingButton = button("Setting");
    controls->addWidget(m_value, 0, 0, 1, 3);
    controls->addWidget(m_base, 1, 0);
    controls->addWidget(m_zero, 1, 1);
    controls->addWidget(m_unit, 1, 2);

    m_nominalLabel = new QLabel(central);
    m_upperLabel = new QLabel(central);
    m_lowerLabel = new QLabel(central);
    m_nominal = edit("Dopusk");
    m_upper = edit("up_dopusk");
    m_lower = edit("dn_dopusk");
    m_apply = button("aply_Dopusk");
    connect(m_apply, &QPushButton::clicked, this, &LaserNuromer::updateStatistics);
    controls->addWidget(m_nominalLabel, 2, 0);
    controls->addWidget(m_upperLabel, 2, 1);
    controls->addWidget(m_lowerLabel, 2, 2);
    controls->addWidget(m_nominal, 3, 0);
    controls->addWidget(m_upper, 3, 1);
    controls->addWidget(m_lower, 3, 2);
    controls->addWidget(m_apply, 4, 0, 1, 3);

    m_min = label("MinValue");
    m_max = label("MaxValue");
    m_deltaMin = label("deltamin");
    m_deltaMax = label("deltamax");
    m_range = label("RangeValue");
    controls->addWidget(m_min, 5, 0);
    controls->addWidget(m_max, 5, 1);
    controls->addWidget(m_range, 5, 2);
    controls->addWidget(m_deltaMin, 6, 0);
    controls->addWidget(m_deltaMax, 6, 1);

    m_exportPdf = button("ExportPDFButton");
    m_exportCsv = button("ExportCSVButton");
    controls->addWidget(m_exportPdf, 7, 0);
    controls->addWidget(m_exportCsv, 7, 1);
    controls->addWidget(m_settingButton, 7, 2);
    controls->setRowStretch(8, 1);

    m_table = new QTableWidget(0, 4, central);
    m_table->setObjectName(QStringLiteral("tableWidget"));
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    m_table->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(m_table, &QWidget::customContextMenuRequested, this, &LaserNuromer::showTableContextMenu);
    controls->addWidget(m_table, 9, 0, 1, 3);
    controls->setRowStretch(9, 3);
    columns->addLayout(controls, 2);

    auto *cameras = new QVBoxLayout;
    for (auto [panel, name] : {std::pair{&m_left, "LeftCamera"}, std::pair{&m_right, "RightCamera"}}) {
        panel->frame = new QWidget(central);
        panel->frame->setObjectName(QLatin1String(name));
        panel->frame->setMinimumSize(320, 240);
        auto *layout = new QVBoxLayout(panel->frame);
        layout->setContentsMargins(0, 0, 0, 0);
        panel->note = new QLabel(panel->frame);
        panel->note->setAlignment(Qt::AlignCenter);
        layout->addWidget(panel->note);
        cameras->addWidget(panel->frame, 1);
    }
    columns->addLayout(cameras, 3);
    setCentralWidget(central);

    m_exitAction = new QAction(this);
    m_exitAction->setObjectName(QStringLiteral("action_exit"));
    m_settingAction = new QAction(this);
    m_settingAction->setObjectName(QStringLiteral("action_setting"));
    m_resetAction = new QAction(this);
    m_resetAction->setObjectName(QStringLiteral("action_3"));
    m_ukAction = new QAction(this);
    m_ukAction->setObjectName(QStringLiteral("action_change_lang_uk"));
    m_enAction = new QAction(this);
    m_enAction->setObjectName(QStringLiteral("action_change_lang_en"));
    connect(m_ukAction, &QAction::triggered, this, [this] { setLanguage(QStringLiteral("uk_UA")); });
    connect(m_enAction, &QAction::triggered, this, [this] { setLanguage(QStringLiteral("en_150")); });
    m_fileMenu = menuBar()->addMenu(QString());
    m_fileMenu->addActions({m_exitAction, m_settingAction, m_resetAction});
    m_languageMenu = menuBar()->addMenu(QString());
    m_languageMenu->addActions({m_ukAction, m_enAction});

    QMetaObject::connectSlotsByName(this);
}

void LaserNuromer::retranslate()
{
    setWindowTitle(tr("MainWindow"));
    m_fileMenu->setTitle(tr("File"));
    m_languageMenu->setTitle(tr("Language"));
    m_exitAction->setText(tr("Exit"));
    m_settingAction->setText(tr("Setting"));
    m_resetAction->setText(tr("Resets Setting"));
    // Each language names itself.
    m_ukAction->setText(QStringLiteral("Українська"));
    m_enAction->setText(QStringLiteral("English"));
    m_nominalLabel->setText(tr("Value"));
    m_upperLabel->setText(tr("Upper range"));
    m_lowerLabel->setText(tr("Lower range"));
    m_apply->setText(tr("Apply"));
    m_zero->setText(tr("SET"));
    m_exportPdf->setText(tr("ExportPDF"));
    m_exportCsv->setText(tr("ExportCSV"));
    m_settingButton->setText(tr("Setting"));
    m_unit->setText(m_parseTimer->isActive() ? (m_inch ? tr("INCH") : tr("MM")) : tr("ММ"));
    if (!m_dataValid)
        m_value->setText(tr("No Valid Data"));
    m_table->setHorizontalHeaderLabels({tr("Time"), tr("Date"), tr("Units"), tr("Difference")});
    for (CameraPanel *panel : {&m_left, &m_right})
        panel->note->setText(tr("Камеру не знайдено"));
    if (m_table->rowCount() > 0) {
        updateStatistics();
    } else {
        m_min->setText(tr("Min : 0"));
        m_max->setText(tr("Max: 0"));
        m_deltaMin->setText(tr("delta: 0"));
        m_deltaMax->setText(tr("delta: 0"));
        m_range->setText(tr("Range: 0"));
    }
}

void LaserNuromer::changeEvent(QEvent *event)
{
    // Another window may switch the language too; the texts follow whichever translator is installed.
    if (event->type() == QEvent::LanguageChange && m_table)
        retranslate();
    QMainWindow::changeEvent(event);
}

void LaserNuromer::setLanguage(const QString &code)
{
    m_translator->setLanguage(code);
    QSettings settings(settingsFilePath(QStringLiteral("settings.ini")), QSettings::IniFormat);
    settings.setValue(QStringLiteral("Language"), code);
    retranslate();
}

QString LaserNuromer::valueText() const
{
    return m_value->text();
}

QString LaserNuromer::number(double value) const
{
    return QString::number(value, 'f', m_inch ? 4 : 3);
}

// ---- The measuring link
// -------------------------------------------------------------------------------------------

void LaserNuromer::startMeasuring()
{
    m_startTimer->stop();
    openPort();
    if (!m_readyReadConnected) {
        connect(m_port, &QSerialPort::readyRead, this, [this] { receiveBytes(m_port->readAll()); });
        m_readyReadConnected = true;
    }
    m_pollTimer->start(kPollTickMs);
    m_parseTimer->start(kParseMs);
    m_pollInterval = kFirstPollIntervalMs;
}

bool LaserNuromer::openPort()
{
    const QSettings settings(laserSettingsFile(), QSettings::IniFormat);
    const QString name = settings.value(kPortKey, QStringLiteral("COM1")).toString();
    const int baud = settings.value(kBaudKey, kDefaultBaud).toInt();
    closePort();
    configureSerial(*m_port, name, baud);
    if (!m_port->open(QIODevice::ReadWrite)) {
        qWarning().noquote() << "[Laser] cannot open" << name << m_port->errorString();
        return false;
    }
    connect(m_port, &QSerialPort::errorOccurred, this, &LaserNuromer::handleSerialError,
            Qt::UniqueConnection);
    return true;
}

void LaserNuromer::closePort()
{
    if (m_port->isOpen())
        m_port->close();
    m_awaiting = false;
}

void LaserNuromer::pollTick()
{
    if (!m_port->isOpen())
        return;
    // A pending request gets its time-out; a reply asks the next sensor by itself.
    if (m_awaiting && m_clock() - m_sentAt < kReplyTimeoutMs)
        return;
    sendNextRequest();
}

void LaserNuromer::sendNextRequest()
{
    m_nextAddress = m_currentAddress == kFirstAddress ? kSecondAddress : kFirstAddress;
    ++m_unanswered;
    if (m_unanswered < kMaxUnansweredPolls) {
        m_ring.clear();
        m_port->write(request(m_nextAddress));
        m_awaiting = true;
        m_sentAt = m_clock();
    } else {
        qWarning().noquote() << "Связь потеряна! Закрываем мертвый порт.";
        closePort();
        m_unanswered = 0;
    }
    m_currentAddress = m_nextAddress;
}

void LaserNuromer::receiveBytes(const QByteArray &bytes)
{
    m_unanswered = 0;
    m_ring.append(bytes);
    // Parsed at once, so the next sensor is asked without waiting for the parse timer.
    parseReplies();
}

void LaserNuromer::parseTick()
{
    m_unit->setText(m_inch ? tr("INCH") : tr("MM"));
    parseReplies();
    if (m_dataValid && !m_gauge.isFresh(m_clock())) {
        m_dataValid = false;
        m_value->setText(tr("No Valid Data"));
    }
}

void LaserNuromer::parseReplies()
{
    while (m_ring.count() >= kReplySize) {
        const Reply reply = decodeReply(m_ring.take(kReplySize), m_currentAddress);
        switch (reply.status) {
        case ReplyStatus::Accepted:
            m_gauge.setDistance(reply.address, reply.distanceMm, m_clock());
            qDebug().noquote() << "Дистанция лазера :" << reply.distanceMm << "лазер " << reply.address;
            m_awaiting = false;
            showValue();
            if (m_port->isOpen())
                sendNextRequest();
            return;
        case ReplyStatus::BadCrc:
            qWarning().noquote() << "Ошибка CRC. Ожидалось:" << hexByte(reply.computedCrc)
                                 << hexByte(reply.computedCrc >> 8)
                                 << "Получено:" << hexByte(reply.receivedCrc)
                                 << hexByte(reply.receivedCrc >> 8);
            m_value->setText(tr("wait..."));
            closePort();
            m_pollInterval += kPollSlowdownMs;
            m_pollTimer->start(m_pollInterval);
            checkAndReconnectSerial();
            return;
        case ReplyStatus::WrongAddress:
        case ReplyStatus::WrongFunction:
        case ReplyStatus::WrongByteCount:
            // Never credited to the sensor that was asked: it would show the other sensor's distance.
            qDebug().noquote() << "[Laser] frame from address" << reply.address << "dropped while asking"
                               << m_currentAddress;
            break;
        }
    }
}

void LaserNuromer::showValue()
{
    if (!m_gauge.isFresh(m_clock())) {
        m_dataValid = false;
        m_value->setText(tr("No Valid Data"));
        return;
    }
    m_dataValid = true;
    const float size = m_gauge.update();
    m_value->setText(number(m_inch ? size / kMmPerInch : size));
}

void LaserNuromer::checkAndReconnectSerial()
{
    if (m_port->isOpen())
        return;
    const QList<SerialPortEntry> ports = SerialPortCatalogue::availablePorts();
    const bool present = std::any_of(ports.begin(), ports.end(), [this](const SerialPortEntry &entry) {
        return entry.portName == m_portName || entry.systemLocation == m_portName;
    });
    if (present) {
        if (openPort()) {
            m_ring.clear();
            qDebug().noquote() << "З'єднання зі збереженим портом відновлено!";
        }
        return;
    }
    qDebug().noquote() << "Збережений порт" << m_portName << "не знайдено. Запускаємо АВТОПОШУК...";
    const QString found = searchLaserPort();
    if (found.isEmpty()) {
        qDebug().noquote() << "Лазер не знайдено на жодному порту. Чекаємо...";
        return;
    }
    qDebug().noquote() << "Перезаписуємо налаштування: новий порт" << found;
    {
        QSettings settings(laserSettingsFile(), QSettings::IniFormat);
        settings.setValue(kPortKey, found);
    }
    m_portName = found;
    openPort();
}

QString LaserNuromer::searchLaserPort()
{
    for (const SerialPortEntry &entry : SerialPortCatalogue::availablePorts()) {
        qDebug().noquote() << "Тестуємо порт:" << entry.portName;
        QSerialPort port;
        configureSerial(port, entry.portName, kDefaultBaud);
        if (!port.open(QIODevice::ReadWrite))
            continue;
        port.clear();
        port.write(request(kFirstAddress));
        if (!port.waitForBytesWritten(kSearchWriteMs)) {
            port.close();
            continue;
        }
        QByteArray bytes;
        QElapsedTimer waited;
        waited.start();
        while (bytes.size() < kReplySize && waited.elapsed() < kSearchReadMs) {
            if (port.waitForReadyRead(kSearchReadStepMs))
                bytes += port.readAll();
        }
        port.close();
        for (int i = 0; i + kReplySize <= bytes.size(); ++i) {
            if (quint8(bytes.at(i)) != kFirstAddress || quint8(bytes.at(i + 1)) != 0x03)
                continue;
            if (hasValidCrc(bytes.mid(i, kReplySize))) {
                qDebug().noquote() << "Лазер знайдено на порту:" << entry.portName;
                return entry.portName;
            }
            break;
        }
    }
    return QString();
}

void LaserNuromer::handleSerialError(QSerialPort::SerialPortError error)
{
    if (error != QSerialPort::ResourceError)
        return;
    qWarning().noquote() << "Критична помилка COM-порту (кабель витягнуто):" << m_port->errorString();
    closePort();
}

// ---- Measuring
// ---------------------------------------------------------------------------------------------------

void LaserNuromer::on_SetZeroBaseButton_clicked()
{
    if (!m_dataValid)
        return;
    m_gauge.zero(float(parsedNumber(m_base->text())));
}

void LaserNuromer::on_change_uint_Button_clicked()
{
    m_inch = !m_inch;
}

void LaserNuromer::on_addNewButton_clicked()
{
    if (!m_dataValid)
        return;
    const double nominal = parsedNumber(m_nominal->text());
    const double upper = parsedNumber(m_upper->text());
    const double lower = parsedNumber(m_lower->text());
    const QString valueText = m_value->text();
    const double value = parsedNumber(valueText);

    const int row = m_table->rowCount();
    m_table->insertRow(row);
    const auto cell = [](const QString &text) {
        auto *item = new QTableWidgetItem(text);
        item->setTextAlignment(Qt::AlignCenter);
        return item;
    };
    m_table->setItem(row, 0, cell(QTime::currentTime().toString(QStringLiteral("hh:mm:ss"))));
    m_table->setItem(row, 1, cell(valueText));
    m_table->setItem(row, 2, cell(m_inch ? tr("inch") : tr("мм")));
    QTableWidgetItem *deviation = cell(number(value - nominal));
    if (inTolerance(value, nominal, upper, lower)) {
        deviation->setForeground(QColor(0, 128, 0));
        QFont bold = deviation->font();
        bold.setBold(true);
        deviation->setFont(bold);
    } else {
        deviation->setForeground(Qt::red);
    }
    m_table->setItem(row, 3, deviation);
    m_table->scrollToBottom();
    updateStatistics();
}

void LaserNuromer::updateStatistics()
{
    if (m_table->rowCount() == 0)
        return;
    double min = std::numeric_limits<double>::max();
    double max = std::numeric_limits<double>::lowest();
    for (int row = 0; row < m_table->rowCount(); ++row) {
        const QTableWidgetItem *item = m_table->item(row, 1);
        const double value = item ? parsedNumber(item->text()) : 0.0;
        min = std::min(min, value);
        max = std::max(max, value);
    }
    const double nominal = parsedNumber(m_nominal->text());
    const double upper = parsedNumber(m_upper->text());
    const double lower = parsedNumber(m_lower->text());
    m_min->setText(tr("Min:") + number(min));
    m_max->setText(tr("Max: ") + number(max));
    m_deltaMin->setText(tr("D min: ") + number(min - (nominal - lower)));
    m_deltaMax->setText(tr("D max: ") + number(max - (upper + nominal)));
    m_range->setText(tr("Range: ") + number(max - min));
}

// ---- Table and export
// -------------------------------------------------------------------------------------------

void LaserNuromer::showTableContextMenu(const QPoint &pos)
{
    QMenu menu(this);
    menu.addAction(tr("Delete row"), this, &LaserNuromer::deleteSelectedRow);
    menu.addSeparator();
    menu.addAction(tr("Clear table"), this, &LaserNuromer::clearTable);
    menu.exec(m_table->viewport()->mapToGlobal(pos));
}

void LaserNuromer::deleteSelectedRow()
{
    if (m_table->currentRow() >= 0)
        m_table->removeRow(m_table->currentRow());
    updateStatistics();
}

void LaserNuromer::clearTable()
{
    if (m_table->rowCount() > 0 &&
        QMessageBox::question(this, tr("Confirmation"),
                              tr("Are you sure you want to delete all measurements from the table?"),
                              QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes)
        m_table->setRowCount(0);
    updateStatistics();
}

QString LaserNuromer::askSaveFile(const QString &caption, const QString &filter)
{
    if (m_fileNames)
        return m_fileNames(caption, filter);
    return QFileDialog::getSaveFileName(this, caption, QString(), filter);
}

void LaserNuromer::on_ExportCSVButton_clicked()
{
    if (m_table->rowCount() == 0) {
        QMessageBox::warning(this, tr("Error"), tr("No data to export!"));
        return;
    }
    const QString path = askSaveFile(tr("Save CSV"), QStringLiteral("*.csv"));
    if (path.isEmpty())
        return;
    QString content =
        tr("Time") + QLatin1Char(';') + tr("Data") + QLatin1Char(';') + tr("Unit") + QLatin1Char('\n');
    for (int row = 0; row < m_table->rowCount(); ++row) {
        QStringList fields;
        for (int column = 0; column < 3; ++column) {
            const QTableWidgetItem *item = m_table->item(row, column);
            fields << (item ? item->text() : QString());
        }
        content += fields.join(QLatin1Char(';')) + QLatin1Char('\n');
    }
    // Written in full or not at all: a half-written file is reported as the failure it is.
    QSaveFile file(path);
    const QByteArray bytes = content.toUtf8();
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        qWarning().noquote() << "[Laser] CSV export to" << path << "failed:" << file.errorString();
        QMessageBox::warning(this, tr("Помилка"), tr("Не вдалося відкрити файл для запису"));
        return;
    }
    QMessageBox::information(this, tr("Success"), tr("CSV file saved successfully!"));
}

void LaserNuromer::on_ExportPDFButton_clicked()
{
    if (m_table->rowCount() == 0) {
        QMessageBox::warning(this, tr("Error"), tr("No data to export"));
        return;
    }
    QString path = askSaveFile(tr("Save PDF"), QStringLiteral("*.pdf"));
    if (path.isEmpty())
        return;
    if (!path.endsWith(QLatin1String(".pdf"), Qt::CaseInsensitive))
        path += QLatin1String(".pdf");
    // The report carries the first three columns: time, value and unit.
    QStandardItemModel report(m_table->rowCount(), 3);
    report.setHorizontalHeaderLabels({tr("Time"), tr("Data"), tr("Unit")});
    for (int row = 0; row < m_table->rowCount(); ++row) {
        for (int column = 0; column < 3; ++column) {
            const QTableWidgetItem *item = m_table->item(row, column);
            report.setItem(row, column, new QStandardItem(item ? item->text() : QString()));
        }
    }
    if (!TableExporter::writePdf(report, path, tr("Звіт вимірювань"))) {
        QMessageBox::warning(this, tr("Помилка"), tr("Не вдалося відкрити файл для запису"));
        return;
    }
    QMessageBox::information(this, tr("Success"), tr("PDF file saved successfully!"));
}

// ---- Settings, cameras, menu
// -------------------------------------------------------------------------------------

void LaserNuromer::on_Setting_clicked()
{
    m_settings->loadSettings();
    m_settings->show();
    m_settings->raise();
    m_settings->activateWindow();
}

void LaserNuromer::on_action_setting_triggered()
{
    on_Setting_clicked();
}

void LaserNuromer::applyNewSettings()
{
    const QSettings settings(laserSettingsFile(), QSettings::IniFormat);
    m_portName = settings.value(kPortKey, QStringLiteral("COM1")).toString();
    setUpCameras();
    openPort();
}

void LaserNuromer::setUpCameras()
{
    const QSettings settings(laserSettingsFile(), QSettings::IniFormat);
    setUpCamera(m_left, settings.value(kLeftCameraKey).toString().toUtf8());
    setUpCamera(m_right, settings.value(kRightCameraKey).toString().toUtf8());
}

void LaserNuromer::setUpCamera(CameraPanel &panel, const QByteArray &id)
{
    const QCameraDevice device = CameraCatalogue::device(id);
    if (device.isNull()) {
        // No such camera (or none chosen): the panel says so instead of showing a dead picture.
        if (panel.camera) {
            panel.camera->stop();
            panel.camera->deleteLater();
            panel.camera = nullptr;
        }
        panel.note->show();
        return;
    }
    if (panel.camera && panel.camera->cameraDevice() == device && panel.camera->isActive())
        return;
    // The video widget and session are made only for a camera that exists.
    if (!panel.session) {
        panel.video = new QVideoWidget(panel.frame);
        panel.frame->layout()->addWidget(panel.video);
        panel.session = new QMediaCaptureSession(this);
        panel.session->setVideoOutput(panel.video);
    }
    if (panel.camera) {
        panel.camera->stop();
        panel.camera->deleteLater();
    }
    panel.camera = new QCamera(device, this);
    panel.session->setCamera(panel.camera);
    panel.camera->start();
    panel.note->hide();
}

void LaserNuromer::on_action_exit_triggered()
{
    close();
}

void LaserNuromer::on_action_3_triggered()
{
    QSettings config(settingsFilePath(QStringLiteral("config.ini")), QSettings::IniFormat);
    config.setValue(QStringLiteral("default_module"), 0);
    QSettings settings(laserSettingsFile(), QSettings::IniFormat);
    settings.setValue(kLeftCameraKey, QString());
    settings.setValue(kRightCameraKey, QString());
}
