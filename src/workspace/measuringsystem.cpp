#include "measuringsystem.h"
#include "ui_measuringsystem.h"

#include "app/settingsfolder.h"
#include "common/indexrekey.h"
#include "links/modbus/adddevicedialog.h"
#include "links/modbus/modbusframe.h"
#include "links/modbus/modbuspoller.h"
#include "links/modbus/modbussettingsdialog.h"
#include "device_visual.h"
#include "deviceeditdialog.h"
#include "devicetypedialog.h"
#include "usermanager.h"
#include "usersdialog.h"

#include <QActionGroup>
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
    for (QTableWidget *table : {ui->monoTable, ui->multiTable}) {
        QFont cellFont = table->font();
        cellFont.setPixelSize(scaledPx(m_scale, 16));
        table->setFont(cellFont);
        QFont headerFont = table->horizontalHeader()->font();
        headerFont.setPixelSize(scaledPx(m_scale, 18));
        table->horizontalHeader()->setFont(headerFont);
        table->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    }
    ui->monoTable->setColumnCount(4);

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
    ui->chartPendingLabel->setStyleSheet(QStringLiteral("QLabel { color: #666666; }"));

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
    const QList<QAction *> actions = {ui->actionExportPdf, ui->actionExportCsv, ui->actionKeyboardEmulation};
    for (QAction *action : actions)
        connect(action, &QAction::triggered, this, &MeasuringSystem::showNotInThisBuild);
    for (QPushButton *button : {ui->units_button, ui->timer_Button, ui->ExportButton})
        connect(button, &QPushButton::clicked, this, &MeasuringSystem::showNotInThisBuild);
    connect(ui->monoValueButton, &QPushButton::clicked, this, [this] {
        if (m_selectedDevice >= 0)
            showNotInThisBuild();
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
    connect(card, &Device_visual::statisticsRequested, this, &MeasuringSystem::showNotInThisBuild);
    connect(card, &Device_visual::dataClicked, this, &MeasuringSystem::showNotInThisBuild);
    connect(card, &Device_visual::memoryDumpRequested, this, &MeasuringSystem::showNotInThisBuild);
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

    devices().removeAt(index);
    m_cards.removeAt(index);
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
}

void MeasuringSystem::onDeviceReorder(Device_visual *source, Device_visual *target)
{
    const int from = cardIndex(source);
    const int to = cardIndex(target);
    if (from < 0 || to < 0 || from == to || from >= devices().size() || to >= devices().size())
        return;

    devices().move(from, to);
    m_cards.move(from, to);
    m_selectedDevice = m_selectedDevice < 0 ? -1 : IndexRekey::afterMove(m_selectedDevice, from, to);
    ui->cardsLayout->removeWidget(source);
    ui->cardsLayout->insertWidget(to, source);
    m_poller->rebuildPollLists();

    if (m_mode == MultiMode) {
        rebuildMultiColumns();
        refreshMultiTable();
    }
    saveDevices();
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
        // The Bluetooth links are not part of this build, so no instrument of theirs is on line.
        qDebug().noquote() << "[BLE]" << record.mac << "обнулення не надіслано - прилад не на зв'язку";
    } else if (record.type == ConnectionKind::SylvacCable) {
        qDebug().noquote() << "[Sylvac-провід]" << record.portName << "обнулення не надіслано - порт не відкритий";
    }
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

void MeasuringSystem::on_GraphicButton_clicked()
{
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
    ui->timer_Button->setStyleSheet(m_syncRecordTimer && m_syncRecordTimer->isActive() ? kHighlightButtonStyle
                                                                                         : kNeutralButtonStyle);
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
    ui->monoTable->setHorizontalHeaderLabels({tr("№"), tr("Час"), valueHeader, tr("Статус")});
    ui->monoTable->setRowCount(0);

    const int digits = shown ? precisionDigits(devices().at(m_selectedDevice).precision) : 3;
    const QString zero = fixed(0.0, digits);
    ui->monoSummaryLabel->setText(tr("min: %1\nmax: %2\navg: %3").arg(zero, zero, zero));
}

void MeasuringSystem::rebuildMultiColumns()
{
    QStringList labels = {tr("№"), tr("Час")};
    for (int i = 0; i < m_cards.size() && i < devices().size(); ++i) {
        if (m_cards.at(i)->isSyncChecked())
            labels.append(QStringLiteral("%1 (%2)").arg(devices().at(i).name, unitShortText(devices().at(i).unit)));
    }
    ui->multiTable->setColumnCount(0);
    ui->multiTable->setColumnCount(int(labels.size()));
    ui->multiTable->setHorizontalHeaderLabels(labels);
}

void MeasuringSystem::refreshMultiTable()
{
    ui->multiTable->setRowCount(0);
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
