#include "adddevicedialog.h"

#include "modbusframe.h"

#include <QComboBox>
#include <QDebug>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QHBoxLayout>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QSerialPort>
#include <QSpinBox>
#include <QTimer>
#include <QVBoxLayout>

#include <cmath>

namespace ModbusProbe {

void resynchronise(QByteArray &buffer, quint8 address)
{
    while (buffer.size() >= kAnswerLength &&
           !(quint8(buffer.at(0)) == address && quint8(buffer.at(1)) == ModbusFunction::ReadHoldingRegisters))
        buffer.remove(0, 1);
}

Verdict judgeAnswer(const QByteArray &buffer, quint8 address)
{
    if (buffer.size() < kAnswerLength || quint8(buffer.at(0)) != address)
        return Verdict::NoAnswer;
    const quint16 crc = modbusCrc16(buffer.constData(), kAnswerLength - 2);
    const quint16 sent = quint16(quint8(buffer.at(5)) | (quint8(buffer.at(6)) << 8));
    if (crc == sent && quint8(buffer.at(1)) == ModbusFunction::ReadHoldingRegisters)
        return Verdict::Answered;
    return Verdict::BadCrc;
}

} // namespace ModbusProbe

namespace {

constexpr int kMinAddress = 1;
constexpr int kMaxAddress = 247;

QComboBox *speedCombo(QWidget *parent, const char *objectName)
{
    auto *combo = new QComboBox(parent);
    combo->setObjectName(QLatin1String(objectName));
    for (int rate : modbusBaudRates())
        combo->addItem(QString::number(rate), rate);
    combo->setCurrentIndex(combo->findData(AddDeviceDialog::kDefaultBaudRate));
    return combo;
}

QSpinBox *addressSpin(QWidget *parent, const char *objectName)
{
    auto *spin = new QSpinBox(parent);
    spin->setObjectName(QLatin1String(objectName));
    spin->setRange(kMinAddress, kMaxAddress);
    spin->setValue(kMinAddress);
    return spin;
}

void selectRate(QComboBox *combo, int rate)
{
    const int index = combo->findData(rate);
    if (index >= 0)
        combo->setCurrentIndex(index);
}

} // namespace

AddDeviceDialog::AddDeviceDialog(const QList<ModbusAdapter> &adapters, const QList<DeviceRecord> &devices,
                                 QWidget *parent)
    : QDialog(parent)
    , m_adapters(adapters)
    , m_devices(devices)
    , m_adapterCombo(new QComboBox(this))
    , m_currentSpeedCombo(speedCombo(this, "currentSpeedCombo"))
    , m_currentAddressSpin(addressSpin(this, "currentAddressSpin"))
    , m_testButton(new QPushButton(tr("Проверить связь"), this))
    , m_statusLabel(new QLabel(tr("Статус: не проверено"), this))
    , m_newAddressSpin(addressSpin(this, "newAddressSpin"))
    , m_newSpeedCombo(speedCombo(this, "newSpeedCombo"))
    , m_connectButton(new QPushButton(tr("Подключить"), this))
    , m_cancelButton(new QPushButton(tr("Отмена"), this))
{
    setWindowTitle(tr("Подключение Modbus прибора"));
    setMinimumWidth(380);

    m_adapterCombo->setObjectName(QStringLiteral("adapterCombo"));
    for (const ModbusAdapter &adapter : std::as_const(m_adapters))
        m_adapterCombo->addItem(adapter.portName);
    m_testButton->setObjectName(QStringLiteral("testButton"));
    m_statusLabel->setObjectName(QStringLiteral("statusLabel"));
    m_connectButton->setObjectName(QStringLiteral("connectButton"));
    m_cancelButton->setObjectName(QStringLiteral("cancelButton"));

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(tr("Сохраненный адаптер (Порт):"), this));
    layout->addWidget(m_adapterCombo);
    layout->addWidget(new QLabel(tr("Текущая скорость порта:"), this));
    layout->addWidget(m_currentSpeedCombo);
    layout->addWidget(new QLabel(tr("Текущий адрес прибора (Modbus ID [1-247]):"), this));
    layout->addWidget(m_currentAddressSpin);
    layout->addWidget(m_testButton);
    layout->addWidget(m_statusLabel);
    auto *heading = new QLabel(tr("--- Новые параметры прибора ---"), this);
    heading->setAlignment(Qt::AlignCenter);
    layout->addWidget(heading);
    layout->addWidget(new QLabel(tr("Новый адрес (Modbus ID):"), this));
    layout->addWidget(m_newAddressSpin);
    layout->addWidget(new QLabel(tr("Новая скорость:"), this));
    layout->addWidget(m_newSpeedCombo);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(m_connectButton);
    buttons->addWidget(m_cancelButton);
    layout->addLayout(buttons);

    connect(m_adapterCombo, &QComboBox::currentIndexChanged, this, &AddDeviceDialog::onAdapterChosen);
    connect(m_testButton, &QPushButton::clicked, this, &AddDeviceDialog::testConnection);
    connect(m_connectButton, &QPushButton::clicked, this, &AddDeviceDialog::connectDevice);
    connect(m_cancelButton, &QPushButton::clicked, this, &AddDeviceDialog::reject);

    if (!m_adapters.isEmpty())
        onAdapterChosen(m_adapterCombo->currentIndex());
}

void AddDeviceDialog::setPauseScale(double scale)
{
    m_pauseScale = qMax(0.0, scale);
}

void AddDeviceDialog::reject()
{
    if (m_busy)
        return;
    QDialog::reject();
}

void AddDeviceDialog::onAdapterChosen(int index)
{
    if (index < 0 || index >= m_adapters.size())
        return;
    // The adapter's rate is where the instrument should end up; a new instrument comes at its factory
    // speed.
    selectRate(m_newSpeedCombo, m_adapters.at(index).baudRate);
    selectRate(m_currentSpeedCombo, kDefaultBaudRate);
}

void AddDeviceDialog::testConnection()
{
    if (m_busy)
        return;
    if (!hasAdapter()) {
        warnNoAdapter();
        return;
    }
    setBusy(true);
    QSerialPort port;
    if (!openPort(port)) {
        setStatus(tr("Статус: Ошибка открытия порта"), QStringLiteral("color: red;"));
        setBusy(false);
        return;
    }

    // Blocking waits without the event loop: the whole exchange is bounded to well under a second.
    const auto address = quint8(m_currentAddressSpin->value());
    port.write(buildReadCommand(address, ModbusRegister::SlaveAddress, 1).frame);
    port.waitForBytesWritten(kWriteTimeoutMs);

    QByteArray buffer;
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < kTestAnswerWindowMs) {
        port.waitForReadyRead(kWaitStepMs);
        buffer += port.readAll();
        ModbusProbe::resynchronise(buffer, address);
        if (buffer.size() >= ModbusProbe::kAnswerLength)
            break;
    }
    qDebug().noquote() << "synchronized resp:" << toHexLine(buffer);

    switch (ModbusProbe::judgeAnswer(buffer, address)) {
    case ModbusProbe::Verdict::NoAnswer:
        setStatus(tr("Статус: Таймаут (нет ответа от прибора)"), QStringLiteral("color: red;"));
        break;
    case ModbusProbe::Verdict::Answered:
        setStatus(tr("Статус: Прибор ответил! Связь есть."),
                  QStringLiteral("color: green; font-weight: bold;"));
        break;
    case ModbusProbe::Verdict::BadCrc:
        setStatus(tr("Статус: Ошибка CRC (неверная контрольная сумма)"), QStringLiteral("color: orange;"));
        break;
    }
    port.close();
    setBusy(false);
}

void AddDeviceDialog::connectDevice()
{
    if (m_busy)
        return;
    if (!hasAdapter()) {
        warnNoAdapter();
        return;
    }
    const QString portName = m_adapters.at(m_adapterCombo->currentIndex()).portName;
    const int newAddress = m_newAddressSpin->value();
    const int newSpeed = m_newSpeedCombo->currentData().toInt();
    if (addressTaken(portName, newAddress)) {
        QMessageBox::warning(this, tr("Ошибка"),
                             tr("Прибор с адресом %1 уже существует на порту %2!\nПожалуйста, выберите "
                                "другой 'Новый адрес'.")
                                 .arg(newAddress)
                                 .arg(portName));
        return;
    }

    setBusy(true);
    QSerialPort port;
    if (!openPort(port)) {
        setBusy(false);
        QMessageBox::warning(this, tr("Ошибка"), tr("Не удалось открыть порт."));
        return;
    }

    int address = m_currentAddressSpin->value();
    if (newAddress != address) {
        qDebug() << "--- ШАГ 1: Смена адреса ---";
        port.write(
            buildWriteCommand(quint8(address), ModbusRegister::SlaveAddress, quint16(newAddress)).frame);
        port.waitForBytesWritten(kWriteTimeoutMs);
        const QByteArray echo = collectResponsive(port, 8, kWriteEchoWindowMs);
        qDebug().noquote() << "Ответ на смену адреса (ожидаем 8 байт):" << toHexLine(echo);
        pauseResponsive(scaled(kAddressSettleMs));
        address = newAddress;
    }

    if (newSpeed != m_currentSpeedCombo->currentData().toInt()) {
        qDebug() << "--- ШАГ 2: Смена скорости ---";
        const ComCommand command =
            buildWriteCommand(quint8(address), ModbusRegister::SpeedCode, speedCodeForBaud(newSpeed));
        qDebug().noquote() << "Отправка на адрес:" << address << "Команда:" << toHexLine(command.frame);
        port.write(command.frame);
        port.waitForBytesWritten(kWriteTimeoutMs);
        pauseResponsive(scaled(kSpeedSettleMs));
        port.setBaudRate(newSpeed);
        pauseResponsive(scaled(kPortSwitchSettleMs));
        qDebug() << "Порт ПК переключен на новую скорость:" << newSpeed;
    }

    port.close();
    setBusy(false);
    emit deviceReadyToAdd(portName, newSpeed, address);
    accept();
}

bool AddDeviceDialog::hasAdapter() const
{
    const int index = m_adapterCombo->currentIndex();
    return index >= 0 && index < m_adapters.size();
}

void AddDeviceDialog::warnNoAdapter()
{
    QMessageBox::warning(this, tr("Ошибка"),
                         tr("Нет сохраненных адаптеров! Добавьте адаптер через главное меню."));
}

bool AddDeviceDialog::addressTaken(const QString &portName, int address) const
{
    // Any kind counts: the registry tells stored devices apart by port name and address alone.
    for (const DeviceRecord &device : std::as_const(m_devices)) {
        if (device.portName == portName && int(device.address) == address)
            return true;
    }
    return false;
}

bool AddDeviceDialog::openPort(QSerialPort &port) const
{
    port.setPortName(m_adapters.at(m_adapterCombo->currentIndex()).portName);
    port.setBaudRate(m_currentSpeedCombo->currentData().toInt());
    port.setDataBits(QSerialPort::Data8);
    port.setParity(QSerialPort::NoParity);
    port.setStopBits(QSerialPort::OneStop);
    port.setFlowControl(QSerialPort::NoFlowControl);
    if (!port.open(QIODevice::ReadWrite))
        return false;
    port.clear();
    return true;
}

QByteArray AddDeviceDialog::collectResponsive(QSerialPort &port, int count, int windowMs)
{
    QByteArray bytes;
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < windowMs) {
        pauseResponsive(kWaitStepMs);
        bytes += port.readAll();
        if (bytes.size() >= count)
            break;
    }
    return bytes;
}

void AddDeviceDialog::pauseResponsive(int ms)
{
    // Short slices so the window keeps repainting while the instrument takes its time.
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < ms) {
        QEventLoop loop;
        QTimer::singleShot(qMin<qint64>(kWaitStepMs, ms - clock.elapsed()), &loop, &QEventLoop::quit);
        loop.exec();
    }
}

int AddDeviceDialog::scaled(int ms) const
{
    return int(std::lround(ms * m_pauseScale));
}

void AddDeviceDialog::setBusy(bool busy)
{
    m_busy = busy;
    m_testButton->setEnabled(!busy);
    m_connectButton->setEnabled(!busy);
    m_cancelButton->setEnabled(!busy);
}

void AddDeviceDialog::setStatus(const QString &text, const QString &style)
{
    m_statusLabel->setText(text);
    m_statusLabel->setStyleSheet(style);
}
