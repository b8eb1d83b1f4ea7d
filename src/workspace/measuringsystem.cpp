#include "measuringsystem.h"
#include "ui_measuringsystem.h"

#include "app/settingsfolder.h"
#include "common/indexrekey.h"
#include "links/ble/bledevicescandialog.h"
#include "links/ble/bleprotocol.h"
#include "links/ble/blevelkormanager.h"
#include "links/hid/instrumentline.h"
#include "links/modbus/adddevicedialog.h"
#include "links/modbus/modbusframe.h"
#include "links/modbus/modbuspoller.h"
#include "links/modbus/modbussettingsdialog.h"
#include "recording/chartwidget.h"
#include "recording/keyboardemulation.h"
#include "recording/keyboardemulatordialog.h"
#include "recording/monotablemodel.h"
#include "recording/multitablemodel.h"
#include "recording/statisticsdialog.h"
#include "recording/tableexporter.h"
#include "recording/timersettingsdialog.h"
#include "device_visual.h"
#include "deviceeditdialog.h"
#include "devicetypedialog.h"
#include "globalunitsdialog.h"
#include "usermanager.h"
#include "usersdialog.h"

#include <QActionGroup>
#include <QBluetoothAddress>
#include <QBluetoothDeviceInfo>
#include <QCloseEvent>
#include <QMenu>
#include <QTime>
#include <QDebug>
#include <QFontMetrics>
#include <QHeaderView>
#include <QMessageBox>
#include <QPixmap>
#include <QResizeEvent>
#include <QScreen>
#include <QSettings>
#include <QTimer>
#include <QTranslator>

#include <algorithm>
#include <cmath>

namespace {

const QString kNeutralButtonStyle = QStringLiteral(
    "QPushButton { background-color: #cecece; border: 1px solid #a3a3a3; border-radius: 6px; color: #2b2b2b; } "
    "QPushButton:hover { background-color: #bababa; border: 1px solid #909090; }");
const QString kHighlightButtonStyle =
    QStringLiteral("QPushButton { background-color: #ffe600; border: 1px solid #ffe600; border-radius: 6px; "
                   "color: #111111; font-weight: bold; }");

enum Page { MonoPage = 0, MultiPage = 1, ChartPage = 2 };

int scaledPx(double scale, int base)
{
    return std::max(int(std::lround(base * scale)), 1);
}

QString fixed(double value, int digits)
{
    return QString::number(value, 'f', digits);
}

// Records of one second share one time text (implicitly shared), which keeps long tables small.
QString currentTimeText()
{
    static QString last;
    const QString now = QTime::currentTime().toString(QStringLiteral("hh:mm:ss"));
    if (now != last)
        last = now;
    return last;
}

} // namespace

MeasuringSystem::MeasuringSystem(QWidget *parent)
    : QMainWindow(parent)
    , ui(new Ui::MeasuringSystem)
{
    ui->setupUi(this);
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        m_scale = screenScale(screen->size());
    Device_visual::setScale(m_scale);

    setUpToolbar();
    ui->actionResetSettings->setVisible(false);
    setUpLanguageActions();

    m_store = new RecordingStore(this);
    m_monoModel = new MonoTableModel(*m_store, this);
    m_multiModel = new MultiTableModel(*m_store, this);
    m_exporter = new TableExporter(this);
    registerBleReadingMetaType();
    BleVelkorManager *ble = BleVelkorManager::instance();
    connect(ble, &BleVelkorManager::readingReceived, this, &MeasuringSystem::onBleReadingReceived);
    connect(ble, &BleVelkorManager::connectionStateChanged, this, &MeasuringSystem::onBleConnectionStateChanged);
    connect(ble, &BleVelkorManager::calibDateReceived, this, &MeasuringSystem::onBleCalibDateReceived);
    connect(ble, &BleVelkorManager::batteryLevelChanged, this, &MeasuringSystem::onBleBatteryLevelChanged);
    connect(ble, &BleVelkorManager::signalLevelChanged, this, &MeasuringSystem::onBleSignalLevelChanged);
    m_poller = new ModbusPoller(m_registry, this);
    connect(m_poller, &ModbusPoller::deviceValueChanged, this, &MeasuringSystem::onModbusValueChanged);
    loadAdapters();
    m_poller->openAdapterPorts();

    m_logo.load(QStringLiteral(":/images/images/LOGO.png"));
    ui->logoLabel->setContentsMargins(0, 8, 0, 4);
    ui->logoLabel->installEventFilter(this);
    // Cards take two fifths of the width, the tables the rest; the user may drag the divider.
    ui->cardScrollArea->setMinimumWidth(scaledPx(m_scale, 420));
    ui->bodySplitter->setStretchFactor(0, 2);
    ui->bodySplitter->setStretchFactor(1, 3);
    ui->bodySplitter->setSizes({2000, 3000});

    m_uiRefreshTimer = new QTimer(this);
    connect(m_uiRefreshTimer, &QTimer::timeout, this, &MeasuringSystem::onUiRefreshTimerTimeout);
    m_uiRefreshTimer->start(kUiRefreshIntervalMs);
    m_portWatchdogTimer = new QTimer(this);
    connect(m_portWatchdogTimer, &QTimer::timeout, this, &MeasuringSystem::onPortWatchdogTick);
    m_portWatchdogTimer->start(kPortWatchdogIntervalMs);

    loadDevices();
    setUpModeArea();
    connectPendingFeatures();
    connect(UserManager::instance(), &UserManager::usersChanged, this, &MeasuringSystem::refreshDeviceOwners);
    m_poller->sendNextCommandOnAllPorts();

    m_syncRecordTimer = new QTimer(this);
    connect(m_syncRecordTimer, &QTimer::timeout, this, &MeasuringSystem::onSyncRecordTimerTimeout);
    updateTimerButton();

    const QSettings settings(settingsFilePath(QStringLiteral("settings.ini")), QSettings::IniFormat);
    const QString code = settings.value(QStringLiteral("Language"), QStringLiteral("en_150")).toString();
    for (QAction *action : m_languageGroup->actions()) {
        if (action->data().toString() == code)
            action->setChecked(true);
    }
    setLanguage(code);
    for (QAction *action : m_languageGroup->actions())
        connect(action, &QAction::triggered, this, [this, action] { setLanguage(action->data().toString()); });

    checkRecoveryJournal();
}

MeasuringSystem::~MeasuringSystem()
{
    if (m_translator)
        QCoreApplication::removeTranslator(m_translator);
    delete ui;
}

double MeasuringSystem::screenScale(const QSize &screenSize)
{
    const double scale = std::min(screenSize.width() / 1920.0, screenSize.height() / 1080.0);
    return std::clamp(scale, 0.6, 1.8);
}

int MeasuringSystem::fitToolbarFontPx(const QList<QPushButton *> &buttons)
{
    int smallest = 1000;
    for (const QPushButton *button : buttons) {
        int size = std::max(std::min(int(std::lround(button->height() * 0.7)), 200), 8);
        QFont font = button->font();
        while (size > 8) {
            font.setPixelSize(size);
            if (QFontMetrics(font).horizontalAdvance(button->text()) <= button->width() - 16)
                break;
            --size;
        }
        smallest = std::min(smallest, size);
    }
    return smallest < 9 ? 8 : smallest;
}

QList<QPushButton *> MeasuringSystem::toolbarButtons() const
{
    return {ui->AddButton,    ui->sync_all_Button, ui->zero_all_Button, ui->units_button,
            ui->timer_Button, ui->Study_Button,    ui->Mono_Button,     ui->Multi_Button,
            ui->_2D_3D_Button, ui->FormulsButton,  ui->GraphicButton,   ui->ExportButton};
}

QList<QPushButton *> MeasuringSystem::modeButtons() const
{
    return {ui->Mono_Button, ui->Multi_Button, ui->GraphicButton};
}

void MeasuringSystem::setUpToolbar()
{
    const int height = scaledPx(m_scale, 48);
    for (QPushButton *button : toolbarButtons()) {
        button->setFixedHeight(height);
        button->setStyleSheet(kNeutralButtonStyle);
        button->installEventFilter(this);
    }
    fitToolbarFont();
}

void MeasuringSystem::setUpLanguageActions()
{
    m_languageGroup = new QActionGroup(this);
    m_languageGroup->setExclusive(true);
    const QList<QPair<QAction *, QString>> languages = {
        {ui->action_uk, QStringLiteral("uk_UA")}, {ui->action_en, QStringLiteral("en_150")},
        {ui->action_de, QStringLiteral("de_DE")}, {ui->action_it, QStringLiteral("it_IT")},
        {ui->action_fr, QStringLiteral("fr_FR")}, {ui->action_pl, QStringLiteral("pl_PL")}};
    for (const auto &language : languages) {
        language.first->setData(language.second);
        language.first->setCheckable(true);
        m_languageGroup->addAction(language.first);
    }
}

void MeasuringSystem::setUpModeArea()
{
    ui->monoTable->setModel(m_monoModel);
    ui->multiTable->setModel(m_multiModel);
    connect(m_monoModel, &QAbstractItemModel::rowsInserted, this, &MeasuringSystem::onMonoRowsInserted);
    connect(m_multiModel, &QAbstractItemModel::rowsInserted, ui->multiTable, &QTableView::scrollToBottom);
    connect(ui->monoTable, &QWidget::customContextMenuRequested, this, &MeasuringSystem::onMonoTableContextMenu);
    connect(ui->multiTable, &QWidget::customContextMenuRequested, this, &MeasuringSystem::onMultiTableContextMenu);
    connect(ui->monoSummaryLabel, &QWidget::customContextMenuRequested, this,
            &MeasuringSystem::onMonoStatsContextMenu);
    for (QTableView *table : {ui->monoTable, ui->multiTable}) {
        QFont cellFont = table->font();
        cellFont.setPixelSize(scaledPx(m_scale, 16));
        table->setFont(cellFont);
        QFont headerFont = table->horizontalHeader()->font();
        headerFont.setPixelSize(scaledPx(m_scale, 18));
        table->horizontalHeader()->setFont(headerFont);
        table->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
        // Every row has the same height; the view need not measure a million of them.
        table->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
        table->verticalHeader()->setDefaultSectionSize(QFontMetrics(cellFont).height() + 8);
    }

    ui->monoValueButton->setMinimumHeight(scaledPx(m_scale, 110));
    ui->monoValueButton->setStyleSheet(
        QStringLiteral("QPushButton { background-color: #cccccc; border: none; border-radius: 8px; color: #111111; "
                       "font-size: %1px; font-family: 'Consolas', 'Courier New', monospace; }"
                       "QPushButton:hover { background-color: #bbbbbb; }")
            .arg(scaledPx(m_scale, 64)));
    ui->monoUnitLabel->setStyleSheet(
        QStringLiteral("QLabel { color: #111111; font-size: %1px; font-weight: bold; }").arg(scaledPx(m_scale, 36)));
    ui->monoSummaryLabel->setStyleSheet(
        QStringLiteral("QLabel { color: #333333; font-size: %1px; }").arg(scaledPx(m_scale, 16)));
    // The chart follows the tables while it is shown: one redraw per turn of the event loop, however many
    // records arrived in it.
    m_chart = new ChartWidget(ui->chartPage);
    ui->chartLayout->addWidget(m_chart);
    connect(m_store, &RecordingStore::monoAppended, this, &MeasuringSystem::scheduleChartRefresh);
    connect(m_store, &RecordingStore::monoChanged, this, &MeasuringSystem::scheduleChartRefresh);
    connect(m_store, &RecordingStore::snapshotAppended, this, &MeasuringSystem::scheduleChartRefresh);
    connect(m_store, &RecordingStore::snapshotsChanged, this, &MeasuringSystem::scheduleChartRefresh);
    connect(m_store, &RecordingStore::devicesRekeyed, this, &MeasuringSystem::scheduleChartRefresh);

    ui->modeStack->setCurrentIndex(MonoPage);
    refreshMonoTable();
    updateModeButtons();

    // Added modules list themselves here as they become part of the program.
    QAction *none = ui->menuExtensions->addAction(QString());
    none->setObjectName(QStringLiteral("actionNoExtensions"));
    none->setEnabled(false);
}

void MeasuringSystem::connectPendingFeatures()
{
    // Features whose dialogs and links are not part of this build yet say so instead of doing nothing.
    connect(ui->monoValueButton, &QPushButton::clicked, this, [this] {
        if (m_selectedDevice >= 0)
            onDeviceDataClicked(m_selectedDevice);
    });
}

void MeasuringSystem::showNotInThisBuild()
{
    QMessageBox::information(this, tr("KOVRAN"), tr("Ця функція з'явиться в наступній версії програми."));
}

// ---------------------------------------------------------------------------------------------------------
// Devices and cards

void MeasuringSystem::loadDevices()
{
    m_registry.loadDevices();
    for (const DeviceRecord &record : m_registry.devices()) {
        Device_visual *card = createCard(record);
        m_cards.append(card);
        ui->cardsLayout->addWidget(card);
        if (record.type == ConnectionKind::Bluetooth && !record.mac.isEmpty())
            connectBleDevice(record);
    }
    m_poller->rebuildPollLists();
}

void MeasuringSystem::saveDevices()
{
    m_registry.saveDevices();
}

void MeasuringSystem::loadAdapters()
{
    m_registry.loadAdapters();
}

void MeasuringSystem::saveAdapters()
{
    m_registry.saveAdapters();
}

int MeasuringSystem::addDevice(const DeviceRecord &record)
{
    devices().append(record);
    Device_visual *card = createCard(record);
    card->setConnected(record.connected);
    m_cards.append(card);
    ui->cardsLayout->addWidget(card);
    m_poller->rebuildPollLists();
    saveDevices();
    return int(devices().size()) - 1;
}

void MeasuringSystem::addModbusDevice(const QString &portName, int baudRate, int address)
{
    auto adapter = std::find_if(m_registry.adapters().begin(), m_registry.adapters().end(),
                                [&portName](const ModbusAdapter &a) { return a.portName == portName; });
    if (adapter != m_registry.adapters().end())
        adapter->baudRate = baudRate;
    else
        m_registry.adapters().append({portName, baudRate});
    saveAdapters();

    DeviceRecord record;
    record.name = tr("DEVICE %1").arg(devices().size() + 1);
    record.portName = portName;
    record.address = quint8(address);
    record.type = ConnectionKind::Modbus;
    record.connected = true;
    addDevice(record);
}

Device_visual *MeasuringSystem::createCard(const DeviceRecord &record)
{
    auto *card = new Device_visual(record.name, record.type, ui->cardContainer);
    card->setStatusText(Device_visual::statusTextFor(record));
    card->setZeroEnabled(record.type != ConnectionKind::HidKeyboard);
    card->setConnected(false);
    card->setPrecision(record.precision);
    card->setTolerance(0.0, record.measuringType, record.limitMin, record.limitMax);
    card->setOwner(UserManager::instance()->userName(record.userId));

    connect(card, &Device_visual::zeroClicked, this, [this, card] { resetDeviceToZero(cardIndex(card)); });
    connect(card, &Device_visual::statisticsRequested, this, [this, card] { openStatisticsFor(cardIndex(card)); });
    connect(card, &Device_visual::dataClicked, this, [this, card] { onDeviceDataClicked(cardIndex(card)); });
    connect(card, &Device_visual::memoryDumpRequested, this, [this, card] { downloadDeviceMemory(cardIndex(card)); });
    connect(card, &Device_visual::cardClicked, this, [this, card] {
        const int index = cardIndex(card);
        if (index >= 0)
            onDeviceCardClicked(index);
    });
    connect(card, &Device_visual::syncToggled, this, &MeasuringSystem::onDeviceSyncToggled);
    connect(card, &Device_visual::editRequested, this, &MeasuringSystem::onEditDevice);
    connect(card, &Device_visual::deleteRequested, this, &MeasuringSystem::onDeleteDevice);
    connect(card, &Device_visual::reorderRequested, this, &MeasuringSystem::onDeviceReorder);
    return card;
}

int MeasuringSystem::cardIndex(const Device_visual *card) const
{
    for (int i = 0; i < m_cards.size(); ++i) {
        if (m_cards.at(i) == card)
            return i;
    }
    return -1;
}

void MeasuringSystem::refreshCardStatus(int index)
{
    if (index >= 0 && index < m_cards.size() && index < devices().size())
        m_cards.at(index)->setStatusText(Device_visual::statusTextFor(devices().at(index)));
}

void MeasuringSystem::selectDevice(int index)
{
    if (index < 0 || index >= devices().size())
        return;
    m_selectedDevice = index;
    ui->monoUnitLabel->setText(unitShortText(devices().at(index).unit));
    refreshMonoTable();
}

void MeasuringSystem::onDeviceCardClicked(int index)
{
    selectDevice(index);
    on_Mono_Button_clicked();
}

void MeasuringSystem::onEditDevice(Device_visual *visual)
{
    const int index = cardIndex(visual);
    if (index < 0 || index >= devices().size())
        return;
    DeviceEditDialog dialog(devices().at(index), this);
    if (dialog.exec() != QDialog::Accepted)
        return;

    DeviceRecord &record = devices()[index];
    record.name = dialog.name();
    record.precision = dialog.precision();
    record.measuringType = dialog.measuringType();
    record.limitMin = dialog.limitMin();
    record.limitMax = dialog.limitMax();
    if (record.type == ConnectionKind::HidKeyboard && dialog.hidUnit() >= 0) {
        record.hidUnit = dialog.hidUnit();
        record.hidDecimals = dialog.hidDecimals();
        record.sensorKind = sensorKindForHidUnit(record.hidUnit);
        record.unit = DeviceRegistry::globalUnitFor(record.sensorKind);
        if (record.hidHasValue) {
            record.value = record.heldValue = convertUnit(record.hidRawValue, record.hidUnit, record.unit);
            record.heldValid = false;
        }
    }

    visual->setName(record.name);
    visual->setPrecision(record.precision);
    visual->setTolerance(record.value, record.measuringType, record.limitMin, record.limitMax);
    refreshCardStatus(index);
    if (index == m_selectedDevice)
        selectDevice(index);
    saveDevices();
}

void MeasuringSystem::onDeleteDevice(Device_visual *visual)
{
    const int index = cardIndex(visual);
    if (index < 0 || index >= devices().size())
        return;
    // The name is the user's own text: shown literally, never as markup.
    const QString question = tr("Ви впевнені що хочете видалити пристрій <b>%1</b>?")
                                 .arg(devices().at(index).name.toHtmlEscaped());
    if (QMessageBox::question(this, tr("Видалити"), question, QMessageBox::Yes | QMessageBox::No) !=
        QMessageBox::Yes)
        return;

    const DeviceRecord removed = devices().takeAt(index);
    m_cards.removeAt(index);
    m_store->removeDevice(index);
    // A deleted Bluetooth instrument is let go, unless another entry still uses it.
    if (removed.type == ConnectionKind::Bluetooth && findBleDevice(removed.mac) < 0)
        BleVelkorManager::instance()->disconnectDevice(removed.mac);
    if (QTimer *timer = m_deviceTimers.take(index))
        timer->deleteLater();
    IndexRekey::removeKey(m_deviceTimers, index);
    ui->cardsLayout->removeWidget(visual);
    visual->hide();
    visual->deleteLater();

    const int selected = IndexRekey::afterRemove(m_selectedDevice, index);
    if (m_selectedDevice == index)
        showMonoValueText(QStringLiteral("0.000"));
    m_selectedDevice = selected;
    m_poller->rebuildPollLists();

    refreshMonoTable();
    rebuildMultiColumns();
    refreshMultiTable();
    saveDevices();
    rewriteJournal();
    updateTimerButton();
}

void MeasuringSystem::onDeviceReorder(Device_visual *source, Device_visual *target)
{
    const int from = cardIndex(source);
    const int to = cardIndex(target);
    if (from < 0 || to < 0 || from == to || from >= devices().size() || to >= devices().size())
        return;

    devices().move(from, to);
    m_cards.move(from, to);
    m_store->moveDevice(from, to);
    IndexRekey::moveKey(m_deviceTimers, from, to);
    m_selectedDevice = m_selectedDevice < 0 ? -1 : IndexRekey::afterMove(m_selectedDevice, from, to);
    ui->cardsLayout->removeWidget(source);
    ui->cardsLayout->insertWidget(to, source);
    m_poller->rebuildPollLists();

    refreshMonoTable();
    if (m_mode == MultiMode) {
        rebuildMultiColumns();
        refreshMultiTable();
    }
    saveDevices();
    rewriteJournal();
}

void MeasuringSystem::onDeviceSyncToggled(bool checked)
{
    Q_UNUSED(checked)
    if (m_mode != MultiMode)
        return;
    rebuildMultiColumns();
    refreshMultiTable();
}

void MeasuringSystem::refreshDeviceOwners()
{
    const UserManager *users = UserManager::instance();
    for (int i = 0; i < m_cards.size() && i < devices().size(); ++i)
        m_cards.at(i)->setOwner(users->userName(devices().at(i).userId));
}

void MeasuringSystem::onUiRefreshTimerTimeout()
{
    for (int i = 0; i < m_cards.size() && i < devices().size(); ++i) {
        const DeviceRecord &record = devices().at(i);
        m_cards.at(i)->setConnected(record.connected);
        if (record.connected && hasReading(record))
            m_cards.at(i)->setValue(displayValue(record));
    }

    if (m_selectedDevice < 0 || m_selectedDevice >= devices().size())
        return;
    const DeviceRecord &selected = devices().at(m_selectedDevice);
    if (selected.connected && hasReading(selected))
        showMonoValueText(fixed(displayValue(selected), precisionDigits(selected.precision)));
    else
        showMonoValueText(QStringLiteral("---"));
    const QString unit = unitShortText(selected.unit);
    if (unit != ui->monoUnitLabel->text()) {
        qDebug().noquote() << "[UNITS] Mono label updated:" << ui->monoUnitLabel->text() << "->" << unit;
        ui->monoUnitLabel->setText(unit);
        refreshMonoTable();
    }
}

void MeasuringSystem::onPortWatchdogTick()
{
    m_poller->onPortWatchdogTick();
}

void MeasuringSystem::onModbusValueChanged(int index)
{
    if (index < 0 || index >= m_cards.size() || index >= devices().size())
        return;
    const DeviceRecord &record = devices().at(index);
    m_cards.at(index)->setValue(displayValue(record));
    m_cards.at(index)->setTolerance(record.value, record.measuringType, record.limitMin, record.limitMax);
}

void MeasuringSystem::resetDeviceToZero(int deviceIndex)
{
    if (deviceIndex < 0 || deviceIndex >= devices().size())
        return;
    const DeviceRecord &record = devices().at(deviceIndex);
    if (record.type == ConnectionKind::Modbus) {
        m_poller->sendFirst(record.portName, buildWriteCommand(record.address, ModbusRegister::Zero, 1));
    } else if (isBleKind(record.type)) {
        // The dongle links are not part of this build: their instruments are never on line.
        const bool sent = record.type == ConnectionKind::Bluetooth && BleVelkorManager::instance()->zero(record.mac);
        if (!sent)
            qDebug().noquote() << "[BLE]" << record.mac << "обнулення не надіслано - прилад не на зв'язку";
    } else if (record.type == ConnectionKind::SylvacCable) {
        qDebug().noquote() << "[Sylvac-провід]" << record.portName << "обнулення не надіслано - порт не відкритий";
    }
}

int MeasuringSystem::freeAddressFor(int type) const
{
    // Bluetooth kinds share one numbering; keyboard and cable instruments have their own.
    const auto sameGroup = [type](int other) { return isBleKind(type) ? isBleKind(other) : other == type; };
    for (int address = 1; address <= 255; ++address) {
        const bool used = std::any_of(devices().cbegin(), devices().cend(), [&](const DeviceRecord &record) {
            return sameGroup(record.type) && record.address == address;
        });
        if (!used)
            return address;
    }
    return 0;
}

void MeasuringSystem::addBluetoothDevices(const QList<QBluetoothDeviceInfo> &found)
{
    if (found.isEmpty())
        return;
    for (const QBluetoothDeviceInfo &info : found) {
        DeviceRecord record;
        record.name = info.name().isEmpty() ? tr("DEVICE %1").arg(devices().size() + 1) : info.name();
        record.type = ConnectionKind::Bluetooth;
        record.portName = QStringLiteral("BLE");
        record.address = quint8(freeAddressFor(ConnectionKind::Bluetooth));
        record.mac = info.address().toString();
        record.bleProtocol = bleProtocolFromName(info.name());
        record.sensorKind = SensorKind::Linear;
        record.unit = DeviceRegistry::globalUnitFor(record.sensorKind);
        record.unitResolved = true;
        devices().append(record);
        Device_visual *card = createCard(record);
        m_cards.append(card);
        ui->cardsLayout->addWidget(card);
        BleVelkorManager::instance()->connectDevice(info, record.bleProtocol);
    }
    saveDevices();
}

void MeasuringSystem::connectBleDevice(const DeviceRecord &record)
{
    QBluetoothDeviceInfo info(QBluetoothAddress(record.mac), record.name, 0);
    info.setCoreConfigurations(QBluetoothDeviceInfo::LowEnergyCoreConfiguration);
    BleVelkorManager::instance()->connectDevice(info, record.bleProtocol);
}

int MeasuringSystem::findBleDevice(const QString &address) const
{
    for (int i = 0; i < devices().size(); ++i) {
        if (isBleKind(devices().at(i).type) && devices().at(i).mac == address)
            return i;
    }
    return -1;
}

namespace {

int findDevice(const QList<DeviceRecord> &devices, int type, const QString DeviceRecord::*field, const QString &value)
{
    for (int i = 0; i < devices.size(); ++i) {
        if (devices.at(i).type == type && devices.at(i).*field == value)
            return i;
    }
    return -1;
}

} // namespace

void MeasuringSystem::applyRawValue(int index, double raw, int sourceUnit, bool showHeld)
{
    DeviceRecord &record = devices()[index];
    record.unit = DeviceRegistry::globalUnitFor(record.sensorKind);
    record.value = record.heldValue = convertUnit(raw, sourceUnit, record.unit);
    record.heldValid = false;
    if (index >= m_cards.size())
        return;
    Device_visual *card = m_cards.at(index);
    card->setValue(showHeld && holdsPeak(record.measuringType) ? record.heldValue : record.value);
    card->setTolerance(record.value, record.measuringType, record.limitMin, record.limitMax);
}

void MeasuringSystem::onBleReadingReceived(const QString &address, const BleReading &reading)
{
    const int index = findBleDevice(address);
    if (index < 0)
        return;
    DeviceRecord &record = devices()[index];
    record.bleRawValue = reading.value;
    record.bleRawIsInch = reading.isInch;
    record.bleHasValue = true;
    record.connected = true;
    applyRawValue(index, reading.value, reading.isInch ? UnitCode::Inch : UnitCode::Millimetre, true);
    if (reading.sentByButton)
        onDeviceDataClicked(index);
}

void MeasuringSystem::onBleConnectionStateChanged(const QString &address, bool connected)
{
    const int index = findBleDevice(address);
    if (index >= 0)
        devices()[index].connected = connected;
}

void MeasuringSystem::onBleCalibDateReceived(const QString &address, QDate date)
{
    const int index = findBleDevice(address);
    if (index < 0)
        return;
    DeviceRecord &record = devices()[index];
    record.calibDay = quint16(date.day());
    record.calibMonth = quint16(date.month());
    record.calibYear = quint16(date.year());
    record.infoValid = true;
}

void MeasuringSystem::onBleBatteryLevelChanged(const QString &address, int percent)
{
    const int index = findBleDevice(address);
    if (index < 0 || devices().at(index).batteryPercent == percent)
        return;
    qDebug().noquote() << "[BLE]" << address << "заряд батареї:" << percent << "%";
    devices()[index].batteryPercent = percent;
    refreshCardStatus(index);
}

void MeasuringSystem::onBleSignalLevelChanged(const QString &address, int rssiDbm)
{
    const int index = findBleDevice(address);
    if (index < 0 || devices().at(index).rssiDbm == rssiDbm)
        return;
    devices()[index].rssiDbm = rssiDbm;
    refreshCardStatus(index);
}

void MeasuringSystem::onDonglePortChanged(const QString &address, const QString &port)
{
    const int index = findBleDevice(address);
    if (index < 0 || devices().at(index).donglePort == port)
        return;
    qDebug().noquote() << "[донгл]" << address << "працює через" << port;
    devices()[index].donglePort = port;
    refreshCardStatus(index);
    saveDevices();
}

void MeasuringSystem::onHidLineReceived(const QString &devicePath, const QString &line)
{
    const int index = findDevice(devices(), ConnectionKind::HidKeyboard, &DeviceRecord::hidPath, devicePath);
    if (index < 0)
        return;
    DeviceRecord &record = devices()[index];
    double raw = 0.0;
    if (!parseInstrumentLine(line, record.hidDecimals, raw)) {
        qDebug().noquote() << "[HID] Device" << record.name << "sent unparsable text:" << line;
        return;
    }
    record.hidRawValue = raw;
    record.hidHasValue = true;
    record.connected = true;
    applyRawValue(index, raw, record.hidUnit, false);
    // A keyboard instrument types only when its button is pressed: every line is a measurement.
    onDeviceDataClicked(index);
}

void MeasuringSystem::onSylvacSerialValue(const QString &portName, double value, bool sentByButton)
{
    const int index = findDevice(devices(), ConnectionKind::SylvacCable, &DeviceRecord::portName, portName);
    if (index < 0)
        return;
    DeviceRecord &record = devices()[index];
    record.sylvacRawValue = value;
    record.sylvacHasValue = true;
    record.connected = true;
    applyRawValue(index, value, record.serialUnit == 1 ? UnitCode::Inch : UnitCode::Millimetre, false);
    if (sentByButton)
        onDeviceDataClicked(index);
}

void MeasuringSystem::onSylvacSerialUnit(const QString &portName, bool isInch)
{
    const int index = findDevice(devices(), ConnectionKind::SylvacCable, &DeviceRecord::portName, portName);
    if (index < 0 || devices().at(index).serialUnit == (isInch ? 1 : 0))
        return;
    DeviceRecord &record = devices()[index];
    record.serialUnit = isInch ? 1 : 0;
    record.sylvacHasValue = false;
    refreshCardStatus(index);
    saveDevices();
}

void MeasuringSystem::onSylvacSerialPortState(const QString &portName, bool open)
{
    const int index = findDevice(devices(), ConnectionKind::SylvacCable, &DeviceRecord::portName, portName);
    if (index < 0)
        return;
    devices()[index].connected = open;
    if (!open)
        devices()[index].sylvacHasValue = false;
}

void MeasuringSystem::downloadDeviceMemory(int deviceIndex)
{
    if (deviceIndex < 0 || deviceIndex >= devices().size() || !isBleKind(devices().at(deviceIndex).type))
        return;
    const DeviceRecord &record = devices().at(deviceIndex);
    if (record.bleProtocol != BleProtocol::Velkor) {
        QMessageBox::information(this, tr("Пам'ять приладу"),
                                 tr("Прилади %1 не підтримують вивантаження пам'яті.")
                                     .arg(bleProtocolDisplayName(record.bleProtocol)));
        return;
    }
    if (!sendMemoryDownload(record))
        QMessageBox::information(this, tr("Пам'ять приладу"), tr("Прилад не на зв'язку."));
}

bool MeasuringSystem::sendMemoryDownload(const DeviceRecord &record)
{
    // The dongle links are not part of this build: their instruments are never on line.
    return record.type == ConnectionKind::Bluetooth && BleVelkorManager::instance()->downloadMemory(record.mac);
}

void MeasuringSystem::on_zero_all_Button_clicked()
{
    for (int i = 0; i < m_cards.size() && i < devices().size(); ++i) {
        if (m_cards.at(i)->isSyncChecked())
            resetDeviceToZero(i);
    }
}

void MeasuringSystem::on_actionModbus_setting_triggered()
{
    ModbusSettingsDialog dialog(m_registry.adapters(), this);
    dialog.exec();
    saveAdapters();
}

void MeasuringSystem::runModbusConnectDialog()
{
    // The dialog needs the adapter's port for itself while it is open.
    m_portWatchdogTimer->stop();
    m_poller->releaseAllPorts();

    AddDeviceDialog dialog(m_registry.adapters(), devices(), this);
    connect(&dialog, &AddDeviceDialog::deviceReadyToAdd, this, &MeasuringSystem::addModbusDevice);
    if (dialog.exec() == QDialog::Accepted)
        saveDevices();

    m_poller->openAdapterPorts();
    m_poller->rebuildPollLists();
    m_portWatchdogTimer->start(kPortWatchdogIntervalMs);
    m_poller->sendNextCommandOnAllPorts();
}

// ---------------------------------------------------------------------------------------------------------
// Toolbar and mode area

void MeasuringSystem::on_AddButton_clicked()
{
    DeviceTypeDialog dialog(this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    if (dialog.selectedType() == ConnectionKind::Modbus) {
        runModbusConnectDialog();
        return;
    }
    if (dialog.selectedType() == ConnectionKind::Bluetooth) {
        BleDeviceScanDialog scan(this);
        if (scan.exec() == QDialog::Accepted)
            addBluetoothDevices(scan.selectedDevices());
        return;
    }
    QMessageBox::information(this, tr("Додавання приладу"),
                             tr("Цей тип підключення ще недоступний у цій версії програми."));
}

void MeasuringSystem::on_Mono_Button_clicked()
{
    if (m_selectedDevice == -1 && !devices().isEmpty())
        selectDevice(0);
    m_mode = MonoMode;
    ui->modeStack->setCurrentIndex(MonoPage);
    updateModeButtons();
}

void MeasuringSystem::on_Multi_Button_clicked()
{
    m_mode = MultiMode;
    rebuildMultiColumns();
    refreshMultiTable();
    ui->modeStack->setCurrentIndex(MultiPage);
    updateModeButtons();
}

void MeasuringSystem::refreshChartSeries()
{
    m_chartRefreshPending = false;
    const bool multi = m_mode == MultiMode;
    m_chart->setSourceText(ChartWidget::sourceTextFor(multi));
    m_chart->setSeries(buildChartSeries(*m_store, devices(), multi));
}

void MeasuringSystem::scheduleChartRefresh()
{
    if (m_chartRefreshPending || ui->modeStack->currentIndex() != ChartPage)
        return;
    m_chartRefreshPending = true;
    QTimer::singleShot(0, this, [this] {
        if (m_chartRefreshPending && ui->modeStack->currentIndex() == ChartPage)
            refreshChartSeries();
        m_chartRefreshPending = false;
    });
}

void MeasuringSystem::on_GraphicButton_clicked()
{
    refreshChartSeries();
    ui->modeStack->setCurrentIndex(ChartPage);
    updateModeButtons();
}

void MeasuringSystem::on_sync_all_Button_clicked()
{
    if (m_cards.isEmpty())
        return;
    const bool anyUnchecked =
        std::any_of(m_cards.cbegin(), m_cards.cend(), [](const Device_visual *card) { return !card->isSyncChecked(); });
    for (Device_visual *card : std::as_const(m_cards))
        card->setSyncChecked(anyUnchecked);
}

void MeasuringSystem::on__2D_3D_Button_clicked() {}

void MeasuringSystem::on_Study_Button_clicked() {}

void MeasuringSystem::on_FormulsButton_clicked() {}

void MeasuringSystem::on_units_button_clicked()
{
    QSettings file(settingsFilePath(QStringLiteral("devices_config.ini")), QSettings::IniFormat);
    const auto stored = [&file](const char *key) { return file.value(QLatin1String(key), 0).toInt(); };
    GlobalUnitsDialog dialog({stored("GlobalUnits/Linear"), stored("GlobalUnits/Angle"), stored("GlobalUnits/Force")},
                             this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    const GlobalUnitsDialog::Choice choice = dialog.choice();
    file.setValue(QStringLiteral("GlobalUnits/Linear"), choice.linear);
    file.setValue(QStringLiteral("GlobalUnits/Angle"), choice.angle);
    file.setValue(QStringLiteral("GlobalUnits/Force"), choice.force);
    file.sync();
    if (file.status() != QSettings::NoError)
        qWarning().noquote() << "[UNITS] global units not saved:" << file.fileName();
    applyGlobalUnits();
}

void MeasuringSystem::applyGlobalUnits()
{
    for (DeviceRecord &record : devices()) {
        const int unit = DeviceRegistry::globalUnitFor(record.sensorKind);
        if (record.type == ConnectionKind::HidKeyboard || record.type == ConnectionKind::SylvacCable) {
            const bool hid = record.type == ConnectionKind::HidKeyboard;
            record.unit = unit;
            if (hid ? record.hidHasValue : record.sylvacHasValue) {
                const int from = hid ? record.hidUnit : (record.serialUnit == 1 ? UnitCode::Inch : UnitCode::Millimetre);
                record.value = record.heldValue =
                    convertUnit(hid ? record.hidRawValue : record.sylvacRawValue, from, unit);
                record.heldValid = false;
            }
        } else if (record.type == ConnectionKind::Modbus && record.unitResolved && record.unit != unit) {
            qDebug().noquote() << "[UNITS] Device" << record.address << "-> sending SetUnits(0x2002) =" << unit
                               << "then re-reading as first connect";
            m_poller->sendFirst(record.portName, buildWriteCommand(record.address, ModbusRegister::Unit, quint16(unit)));
            record.unitResolved = false;
        }
    }
    for (int i = 0; i < m_cards.size() && i < devices().size(); ++i) {
        const DeviceRecord &record = devices().at(i);
        m_cards.at(i)->setConnected(record.connected);
        if (record.connected)
            m_cards.at(i)->setValue(record.value);
    }
}

void MeasuringSystem::on_actionUsers_triggered()
{
    QList<UserDeviceEntry> entries;
    for (int i = 0; i < devices().size(); ++i)
        entries.append({i, devices().at(i).name, devices().at(i).userId});
    UsersDialog dialog(entries, this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    for (const UserDeviceEntry &entry : dialog.entries()) {
        if (entry.deviceIndex >= 0 && entry.deviceIndex < devices().size())
            devices()[entry.deviceIndex].userId = entry.userId;
    }
    saveDevices();
    refreshDeviceOwners();
}

void MeasuringSystem::on_actionResetSettings_triggered()
{
    if (QMessageBox::question(this, tr("Скинути налаштування"),
                              tr("Скинути збережений вибір модуля, що відкривається при старті програми?"),
                              QMessageBox::Yes | QMessageBox::No) != QMessageBox::Yes)
        return;
    QSettings config(settingsFilePath(QStringLiteral("config.ini")), QSettings::IniFormat);
    config.remove(QStringLiteral("default_module"));
    config.sync();
    QMessageBox::information(
        this, tr("Готово"),
        tr("Налаштування скинуто. При наступному запуску програми знову з'явиться вибір модуля."));
}

void MeasuringSystem::updateModeButtons()
{
    for (QPushButton *button : modeButtons())
        button->setStyleSheet(kNeutralButtonStyle);
    (m_mode == MultiMode ? ui->Multi_Button : ui->Mono_Button)->setStyleSheet(kHighlightButtonStyle);
    if (ui->modeStack->currentIndex() == ChartPage)
        ui->GraphicButton->setStyleSheet(kHighlightButtonStyle);
}

void MeasuringSystem::updateTimerButton()
{
    const bool active = isSyncTimerActive() || !m_deviceTimers.isEmpty();
    ui->timer_Button->setStyleSheet(active ? kHighlightButtonStyle : kNeutralButtonStyle);
}

void MeasuringSystem::showMonoValueText(const QString &text)
{
    if (ui->monoValueButton->text() != text)
        ui->monoValueButton->setText(text);
}

void MeasuringSystem::refreshMonoTable()
{
    const bool shown = m_selectedDevice >= 0 && m_selectedDevice < devices().size();
    const QString valueHeader =
        shown ? tr("Значення (%1)").arg(unitShortText(devices().at(m_selectedDevice).unit)) : tr("Значення");
    m_monoModel->setHeaderLabels({tr("№"), tr("Час"), valueHeader, tr("Статус")});
    m_monoModel->showDevice(shown ? m_selectedDevice : -1,
                            shown ? precisionDigits(devices().at(m_selectedDevice).precision) : 2);
    updateMonoSummary();
    ui->monoTable->scrollToBottom();
}

void MeasuringSystem::updateMonoSummary()
{
    const bool shown = m_selectedDevice >= 0 && m_selectedDevice < devices().size();
    const int digits = shown ? precisionDigits(devices().at(m_selectedDevice).precision) : 3;
    const RecordingStore::Summary summary = shown ? m_store->summary(m_selectedDevice) : RecordingStore::Summary();
    const double mean = summary.count > 0 ? summary.sum / summary.count : 0.0;
    ui->monoSummaryLabel->setText(
        tr("min: %1\nmax: %2\navg: %3").arg(fixed(summary.min, digits), fixed(summary.max, digits), fixed(mean, digits)));
}

void MeasuringSystem::onMonoRowsInserted()
{
    // One new record: the summary follows from running figures and the view shows the newest row.
    updateMonoSummary();
    ui->monoTable->scrollToBottom();
}

void MeasuringSystem::rebuildMultiColumns()
{
    QList<MultiTableModel::Column> columns;
    for (int i = 0; i < m_cards.size() && i < devices().size(); ++i) {
        if (!m_cards.at(i)->isSyncChecked())
            continue;
        const DeviceRecord &record = devices().at(i);
        columns.append({i, QStringLiteral("%1 (%2)").arg(record.name, unitShortText(record.unit)),
                        precisionDigits(record.precision)});
    }
    m_multiModel->setColumns({tr("№"), tr("Час")}, columns);
}

void MeasuringSystem::refreshMultiTable()
{
    ui->multiTable->scrollToBottom();
}

int MeasuringSystem::multiColumnToDeviceIndex(int column) const
{
    if (column < 2 || devices().isEmpty())
        return 0;
    int number = 2;
    for (int i = 0; i < devices().size() && i < m_cards.size(); ++i) {
        if (!m_cards.at(i)->isSyncChecked())
            continue;
        if (number == column)
            return i;
        ++number;
    }
    return 0;
}

// ---------------------------------------------------------------------------------------------------------
// Recording

QString MeasuringSystem::evaluateTolerance(const DeviceRecord &record, double value) const
{
    switch (record.measuringType) {
    case MeasuringMode::MinPeek:
        return tr("MIN");
    case MeasuringMode::MaxPeek:
        return tr("MAX");
    case MeasuringMode::RangePeek:
        return tr("RANGE");
    case MeasuringMode::ModulePeek:
        return tr("MODULE");
    case MeasuringMode::MinLimits:
    case MeasuringMode::MaxLimits:
    case MeasuringMode::RangeLimits:
        return judgeTolerance(value, record.measuringType, record.limitMin, record.limitMax) == ToleranceVerdict::Go
                   ? tr("Go")
                   : tr("No Go");
    default:
        return QString();
    }
}

void MeasuringSystem::onDeviceDataClicked(int index)
{
    if (index < 0 || index >= devices().size())
        return;
    const QString time = currentTimeText();
    DeviceRecord &record = devices()[index];
    if (!hasReading(record))
        return; // nothing has arrived from this instrument yet
    const double value = displayValue(record);

    if (m_mode == MonoMode) {
        const QString status = evaluateTolerance(record, value);
        m_store->appendMono(index, value, time, status);
        journalMonoRecord(index, time, value, status);
        typeValue(formatTypedValue(value, precisionDigits(record.precision)));
    } else if (index < m_cards.size() && m_cards.at(index)->isSyncChecked()) {
        bool has = false;
        const MultiSnapshot snap = captureAllDevices(time, &has);
        if (has) {
            m_store->appendSnapshot(snap);
            appendJournalLine(snapshotJournalLine(snap));
            refreshMultiTable();
            typeSnapshotOnKeyboard(snap);
        }
    }
    if (holdsPeak(devices()[index].measuringType))
        devices()[index].heldValid = false;
}

MultiSnapshot MeasuringSystem::captureAllDevices(const QString &timeStr, bool *hasSyncData)
{
    MultiSnapshot snap;
    snap.time = timeStr;
    if (hasSyncData)
        *hasSyncData = false;
    for (int i = 0; i < devices().size(); ++i) {
        DeviceRecord &record = devices()[i];
        if (!record.connected || !hasReading(record))
            continue;
        const double value = displayValue(record);
        const QString status = evaluateTolerance(record, value);
        m_store->appendMono(i, value, timeStr, status);
        journalMonoRecord(i, timeStr, value, status);
        if (i < m_cards.size() && m_cards.at(i)->isSyncChecked()) {
            snap.values.insert(i, value);
            if (hasSyncData)
                *hasSyncData = true;
        }
        if (holdsPeak(record.measuringType))
            record.heldValid = false;
    }
    return snap;
}

void MeasuringSystem::onSyncRecordTimerTimeout()
{
    bool has = false;
    const MultiSnapshot snap = captureAllDevices(currentTimeText(), &has);
    if (m_mode == MonoMode)
        return; // the mono rows arrived through the store; a timer types nothing in mono mode
    if (has) {
        m_store->appendSnapshot(snap);
        appendJournalLine(snapshotJournalLine(snap));
        refreshMultiTable();
        typeSnapshotOnKeyboard(snap);
    }
}

void MeasuringSystem::typeSnapshotOnKeyboard(MultiSnapshot snap)
{
    if (!keyboardEmulationSettings().enabled)
        return;
    QStringList texts;
    for (auto it = snap.values.cbegin(); it != snap.values.cend(); ++it) {
        const int i = it.key();
        if (i < 0 || i >= m_cards.size() || i >= devices().size() || !m_cards.at(i)->isSyncChecked())
            continue;
        texts.append(formatTypedValue(it.value(), precisionDigits(devices().at(i).precision)));
    }
    typeFields(texts);
}

void MeasuringSystem::on_timer_Button_clicked()
{
    TimerSettingsDialog dialog(m_syncTimerMode, m_syncIntervalMs, devices(), this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    applyTimerSettings(dialog.isSynchronous(), dialog.interval(), dialog.rowIntervals());
}

void MeasuringSystem::applyTimerSettings(bool synchronous, int intervalMs, const QMap<int, int> &rowIntervals)
{
    m_syncTimerMode = synchronous;
    m_syncRecordTimer->stop();
    for (QTimer *timer : std::as_const(m_deviceTimers)) {
        timer->stop();
        timer->deleteLater();
    }
    m_deviceTimers.clear();

    if (synchronous) {
        m_syncIntervalMs = intervalMs;
        if (intervalMs > 0)
            m_syncRecordTimer->start(intervalMs);
    } else {
        for (auto it = rowIntervals.cbegin(); it != rowIntervals.cend(); ++it) {
            const int row = it.key();
            if (row < 0 || row >= devices().size())
                continue;
            devices()[row].timerIntervalMs = it.value();
            if (it.value() < 1)
                continue;
            auto *timer = new QTimer(this);
            // The device's index is looked up when the timer fires: deletes and moves re-key the map.
            connect(timer, &QTimer::timeout, this, [this, timer] {
                const int index = m_deviceTimers.key(timer, -1);
                if (index >= 0)
                    onDeviceDataClicked(index);
            });
            timer->start(it.value());
            m_deviceTimers.insert(row, timer);
        }
    }
    saveDevices();
    updateTimerButton();
}

bool MeasuringSystem::isSyncTimerActive() const
{
    return m_syncRecordTimer && m_syncRecordTimer->isActive();
}

void MeasuringSystem::openStatisticsFor(int index)
{
    if (devices().isEmpty())
        return;
    const bool multi = m_mode == MultiMode;
    const QTableView *table = multi ? ui->multiTable : ui->monoTable;
    QList<int> rows;
    for (const QModelIndex &row : table->selectionModel()->selectedRows())
        rows.append(row.row());
    std::sort(rows.begin(), rows.end());
    // A copy taken now: later recordings do not reach an open dialog.
    auto *dialog = new StatisticsDialog(buildDeviceStats(*m_store, devices(), multi, m_selectedDevice, rows), index,
                                        StatisticsDialog::sourceText(multi), this);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->show();
}

void MeasuringSystem::openMonoStatistics()
{
    openStatisticsFor(m_selectedDevice);
}

void MeasuringSystem::onMonoTableContextMenu(const QPoint &pos)
{
    if (m_selectedDevice < 0 || m_selectedDevice >= devices().size())
        return;
    const int device = m_selectedDevice;
    const int row = ui->monoTable->rowAt(pos.y());
    QMenu menu(this);
    QAction *deleteRow = row >= 0 ? menu.addAction(tr("Видалити рядок")) : nullptr;
    QAction *clear = menu.addAction(tr("Очистити таблицю"));
    menu.addSeparator();
    QAction *statistics = menu.addAction(tr("Відкрити статистику"));
    QAction *chosen = menu.exec(ui->monoTable->viewport()->mapToGlobal(pos));
    if (!chosen)
        return;
    if (chosen == deleteRow) {
        if (row < m_store->recordCount(device)) {
            m_store->removeMonoRow(device, row);
            rewriteJournal();
            refreshMonoTable();
        }
    } else if (chosen == clear) {
        if (m_store->recordCount(device) == 0)
            return;
        if (QMessageBox::question(this, tr("Очистити таблицю"), tr("Очистити всі виміри цього приладу?"),
                                  QMessageBox::Yes | QMessageBox::No, QMessageBox::NoButton) == QMessageBox::Yes) {
            m_store->clearMono(device);
            rewriteJournal();
            refreshMonoTable();
        }
    } else if (chosen == statistics) {
        openStatisticsFor(device);
    }
}

void MeasuringSystem::onMultiTableContextMenu(const QPoint &pos)
{
    const int row = ui->multiTable->rowAt(pos.y());
    const int column = ui->multiTable->columnAt(pos.x());
    QMenu menu(this);
    QAction *deleteRow = row >= 0 ? menu.addAction(tr("Видалити рядок")) : nullptr;
    QAction *clear = menu.addAction(tr("Очистити таблицю"));
    menu.addSeparator();
    QAction *statistics = menu.addAction(tr("Відкрити статистику"));
    statistics->setEnabled(!devices().isEmpty());
    QAction *chosen = menu.exec(ui->multiTable->viewport()->mapToGlobal(pos));
    if (!chosen)
        return;
    if (chosen == deleteRow) {
        m_store->removeSnapshot(row);
        rewriteJournal();
        refreshMultiTable();
    } else if (chosen == clear) {
        if (m_store->snapshots().isEmpty())
            return;
        if (QMessageBox::question(this, tr("Очистити таблицю"), tr("Очистити всі записані рядки таблиці?"),
                                  QMessageBox::Yes | QMessageBox::No, QMessageBox::NoButton) == QMessageBox::Yes) {
            m_store->clearSnapshots();
            rewriteJournal();
            refreshMultiTable();
        }
    } else if (chosen == statistics) {
        openStatisticsFor(multiColumnToDeviceIndex(column));
    }
}

void MeasuringSystem::onMonoStatsContextMenu(const QPoint &pos)
{
    QMenu menu(this);
    QAction *statistics = menu.addAction(tr("Відкрити статистику"));
    statistics->setEnabled(m_selectedDevice >= 0);
    if (menu.exec(ui->monoSummaryLabel->mapToGlobal(pos)) == statistics)
        openStatisticsFor(m_selectedDevice);
}

// ---------------------------------------------------------------------------------------------------------
// Journal

QString MeasuringSystem::deviceKey(int index) const
{
    if (index < 0 || index >= m_registry.devices().size())
        return QString();
    const DeviceRecord &record = m_registry.devices().at(index);
    return MeasurementJournal::deviceKey(record.portName, record.address);
}

int MeasuringSystem::findDeviceByKey(const QString &key) const
{
    for (int i = 0; i < m_registry.devices().size(); ++i) {
        if (deviceKey(i) == key)
            return i;
    }
    return -1;
}

void MeasuringSystem::appendJournalLine(const QString &line)
{
    m_journal.append(line);
}

void MeasuringSystem::journalMonoRecord(int index, const QString &time, double value, const QString &status)
{
    m_journal.append(MeasurementJournal::monoRecordLine(deviceKey(index), time, value, status));
}

QString MeasuringSystem::snapshotJournalLine(const MultiSnapshot &snap) const
{
    return MeasurementJournal::snapshotLine(snap, [this](int index) { return deviceKey(index); });
}

void MeasuringSystem::rewriteJournal()
{
    m_journal.rewrite(*m_store, [this](int index) { return deviceKey(index); });
}

void MeasuringSystem::restoreJournal(const QStringList &lines)
{
    MeasurementJournal::restore(lines, *m_store, [this](const QString &key) { return findDeviceByKey(key); });
}

void MeasuringSystem::checkRecoveryJournal()
{
    const QStringList lines = m_journal.readRecoveryLines();
    if (lines.isEmpty()) {
        m_journal.remove();
        m_journal.setEnabled(true);
        return;
    }
    QTimer::singleShot(300, this, [this, lines] {
        const auto answer = QMessageBox::question(
            this, tr("Відновлення даних"),
            tr("Виявлено незбережені дані попереднього сеансу (записів: %1). Програму, ймовірно, було закрито "
               "аварійно.\n\nВідновити ці дані в таблицях?")
                .arg(lines.size()),
            QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes);
        if (answer == QMessageBox::Yes)
            restoreJournal(lines);
        m_journal.setEnabled(true);
        rewriteJournal();
        refreshMonoTable();
        rebuildMultiColumns();
        refreshMultiTable();
    });
}

void MeasuringSystem::closeEvent(QCloseEvent *event)
{
    // A normal end: the tables go with the window, and nothing is left to recover.
    m_journal.setEnabled(false);
    m_journal.remove();
    QMainWindow::closeEvent(event);
}

// ---------------------------------------------------------------------------------------------------------
// Export and keystrokes

const QAbstractItemModel *MeasuringSystem::exportSourceTable()
{
    const QAbstractItemModel *model = m_mode == MonoMode ? static_cast<const QAbstractItemModel *>(m_monoModel)
                                                         : static_cast<const QAbstractItemModel *>(m_multiModel);
    return m_exporter->checkSource(model) ? model : nullptr;
}

void MeasuringSystem::on_actionExportCsv_triggered()
{
    if (const QAbstractItemModel *model = exportSourceTable())
        m_exporter->exportCsv(*model);
}

void MeasuringSystem::on_actionExportPdf_triggered()
{
    if (const QAbstractItemModel *model = exportSourceTable())
        m_exporter->exportPdf(*model);
}

void MeasuringSystem::on_ExportButton_clicked()
{
    if (const QAbstractItemModel *model = exportSourceTable())
        m_exporter->askAndExport(*model);
}

void MeasuringSystem::on_actionKeyboardEmulation_triggered()
{
    KeyboardEmulatorDialog dialog(this);
    dialog.exec();
}

// ---------------------------------------------------------------------------------------------------------
// Language, fonts and the logo

void MeasuringSystem::setLanguage(const QString &code)
{
    if (m_translator) {
        QCoreApplication::removeTranslator(m_translator);
        delete m_translator;
        m_translator = nullptr;
    }
    auto *translator = new QTranslator(this);
    if (translator->load(QStringLiteral(":/i18n/KOVRAN_") + code + QStringLiteral(".qm"))) {
        QCoreApplication::installTranslator(translator);
        m_translator = translator;
    } else {
        delete translator;
    }
    m_language = code;

    QSettings settings(settingsFilePath(QStringLiteral("settings.ini")), QSettings::IniFormat);
    settings.setValue(QStringLiteral("Language"), code);

    retranslateTexts();
    emit languageChanged();
}

void MeasuringSystem::retranslateTexts()
{
    if (ui->modeStack->currentIndex() == ChartPage)
        scheduleChartRefresh(); // the source text is the window's
    ui->retranslateUi(this);
    if (QAction *none = ui->menuExtensions->findChild<QAction *>(QStringLiteral("actionNoExtensions")))
        none->setText(tr("Модулі розширення ще не встановлено"));
    for (int i = 0; i < m_cards.size(); ++i) {
        m_cards.at(i)->retranslate();
        refreshCardStatus(i);
    }
    refreshMonoTable();
    rebuildMultiColumns();
    refreshMultiTable();
    m_toolbarFontPx = -1;
    fitToolbarFont();
}

void MeasuringSystem::changeEvent(QEvent *event)
{
    // Another window may switch the language; the form follows whichever translator is installed.
    if (event->type() == QEvent::LanguageChange && ui)
        retranslateTexts();
    QMainWindow::changeEvent(event);
}

void MeasuringSystem::fitToolbarFont()
{
    if (m_fittingToolbar)
        return;
    m_fittingToolbar = true;
    const QList<QPushButton *> buttons = toolbarButtons();
    const int px = fitToolbarFontPx(buttons);
    if (px != m_toolbarFontPx) {
        m_toolbarFontPx = px;
        for (QPushButton *button : buttons) {
            QFont font = button->font();
            font.setPixelSize(px);
            button->setFont(font);
        }
    }
    m_fittingToolbar = false;
}

void MeasuringSystem::updateLogo()
{
    const QPixmap &logo = m_logo;
    if (logo.isNull())
        return;
    const int width = std::min(std::max(ui->logoLabel->width(), 1), logo.width());
    if (width == m_logoWidth)
        return;
    m_logoWidth = width;
    const qreal ratio = ui->logoLabel->devicePixelRatioF();
    QPixmap scaled = logo.scaledToWidth(int(std::lround(width * ratio)), Qt::SmoothTransformation);
    scaled.setDevicePixelRatio(ratio);
    ui->logoLabel->setPixmap(scaled);
    ui->logoLabel->setFixedHeight(int(std::lround(scaled.height() / ratio)) + 12);
}

bool MeasuringSystem::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Resize) {
        if (watched == ui->logoLabel)
            updateLogo();
        else if (qobject_cast<QPushButton *>(watched))
            fitToolbarFont();
    }
    return QMainWindow::eventFilter(watched, event);
}
