#include "measuringsystem.h"

#include "common/uitranslator.h"
#include "ui_measuringsystem.h"

#include "app/aboutdialog.h"
#include "app/settingsfolder.h"
#include "blelinkadapter.h"
#include "cardcolumn.h"
#include "common/indexrekey.h"
#include "device_visual.h"
#include "deviceeditdialog.h"
#include "devices/formula.h"
#include "devicetypedialog.h"
#include "donglelinkadapter.h"
#include "formulalinkadapter.h"
#include "formulamanagerdialog.h"
#include "globalunitsdialog.h"
#include "links/ble/bleprotocol.h"
#include "links/ble/blevelkormanager.h"
#include "links/dongle/bled112manager.h"
#include "links/dongle/nrfdonglemanager.h"
#include "links/hid/hidkeyboardmanager.h"
#include "links/modbus/modbuspoller.h"
#include "links/modbus/modbussettingsdialog.h"
#include "links/sylvac/sylvacserialmanager.h"
#include "modbuslinkadapter.h"
#include "modearea.h"
#include "readingdispatcher.h"
#include "recording/keyboardemulatordialog.h"
#include "recording/timersettingsdialog.h"
#include "recordingcontroller.h"
#include "toolbarfitter.h"
#include "usermanager.h"
#include "usersdialog.h"
#include "wiredlinkadapters.h"

#include <QActionGroup>
#include <QBluetoothDeviceInfo>
#include <QCloseEvent>
#include <QDebug>
#include <QHash>
#include <QMessageBox>
#include <QScreen>
#include <QSet>
#include <QSettings>
#include <QTimer>

#include <algorithm>
#include <cmath>

namespace {

const QString kNeutralButtonStyle =
    QStringLiteral("QPushButton { background-color: #cecece; border: 1px solid #a3a3a3; border-radius: 6px; "
                   "color: #2b2b2b; } "
                   "QPushButton:hover { background-color: #bababa; border: 1px solid #909090; }");
const QString kHighlightButtonStyle =
    QStringLiteral("QPushButton { background-color: #ffe600; border: 1px solid #ffe600; border-radius: 6px; "
                   "color: #111111; font-weight: bold; }");

int scaledPx(double scale, int base)
{
    return std::max(int(std::lround(base * scale)), 1);
}

} // namespace

MeasuringSystem::MeasuringSystem(QWidget *parent)
    : QMainWindow(parent)
    , ui(new Ui::MeasuringSystem)
{
    m_translator = new UiTranslator(this);
    ui->setupUi(this);
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        m_scale = screenScale(screen->size());
    Device_visual::setScale(m_scale);

    setUpToolbar();
    ui->actionResetSettings->setVisible(false);
    setUpLanguageActions();
    setUpCards();

    m_recording = new RecordingController(
        m_registry, [this](int index) { return m_cards->isSyncChecked(index); }, this);
    connect(m_recording, &RecordingController::timersChanged, this, &MeasuringSystem::updateTimerButton);
    connect(m_recording, &RecordingController::saveRequested, this, &MeasuringSystem::saveDevices);
    m_uiRefreshTimer = new QTimer(this);
    connect(m_uiRefreshTimer, &QTimer::timeout, this, &MeasuringSystem::onUiRefreshTimerTimeout);
    m_uiRefreshTimer->start(kUiRefreshIntervalMs);
    m_portWatchdogTimer = new QTimer(this);
    connect(m_portWatchdogTimer, &QTimer::timeout, this, &MeasuringSystem::onPortWatchdogTick);
    m_portWatchdogTimer->start(kPortWatchdogIntervalMs);

    m_poller = new ModbusPoller(m_registry, this);
    setUpLinks();
    m_recording->setBeforeCapture([this] { m_formulaLink->refresh(); });
    loadAdapters();
    m_poller->openAdapterPorts();

    // Cards take two fifths of the width, the tables the rest; the user may drag the divider.
    ui->cardScrollArea->setMinimumWidth(scaledPx(m_scale, 420));
    ui->bodySplitter->setStretchFactor(0, 2);
    ui->bodySplitter->setStretchFactor(1, 3);
    ui->bodySplitter->setSizes({2000, 3000});

    loadDevices();
    setUpModeArea();
    m_poller->sendNextCommandOnAllPorts();
    updateTimerButton();
    // The mono page shows the first instrument from the start, as the Mono button would.
    selectDevice(0);

    const QSettings settings(settingsFilePath(QStringLiteral("settings.ini")), QSettings::IniFormat);
    const QString code = settings.value(QStringLiteral("Language"), QStringLiteral("en_150")).toString();
    for (QAction *action : m_languageGroup->actions()) {
        if (action->data().toString() == code)
            action->setChecked(true);
    }
    setLanguage(code);
    for (QAction *action : m_languageGroup->actions())
        connect(action, &QAction::triggered, this,
                [this, action] { setLanguage(action->data().toString()); });

    checkRecoveryJournal();
}

MeasuringSystem::~MeasuringSystem()
{
    delete ui;
}

double MeasuringSystem::screenScale(const QSize &screenSize)
{
    const double scale = std::min(screenSize.width() / 1920.0, screenSize.height() / 1080.0);
    return std::clamp(scale, 0.6, 1.8);
}

QList<QPushButton *> MeasuringSystem::toolbarButtons() const
{
    return {ui->AddButton,     ui->sync_all_Button, ui->zero_all_Button, ui->units_button,
            ui->timer_Button,  ui->Study_Button,    ui->Mono_Button,     ui->Multi_Button,
            ui->_2D_3D_Button, ui->FormulsButton,   ui->GraphicButton,   ui->ExportButton};
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
    }
    m_fitter = new ToolbarFitter(toolbarButtons(), ui->logoLabel, this);
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

void MeasuringSystem::setUpLinks()
{
    m_dispatch = new ReadingDispatcher(m_registry, this);
    m_modbusLink = new ModbusLinkAdapter(m_poller, m_portWatchdogTimer, m_dispatch);
    m_dispatch->addAdapter(m_modbusLink);
    m_bleLink = new BleLinkAdapter(BleVelkorManager::instance(), m_dispatch);
    m_dispatch->addAdapter(m_bleLink);
    m_dispatch->addAdapter(
        new DongleLinkAdapter(ConnectionKind::Bled112Dongle, Bled112Manager::instance(), m_dispatch));
    m_dispatch->addAdapter(
        new DongleLinkAdapter(ConnectionKind::NrfDongle, NrfDongleManager::instance(), m_dispatch));
    m_dispatch->addAdapter(new SylvacLinkAdapter(SylvacSerialManager::instance(), m_dispatch));
    m_hidLink = new HidLinkAdapter(HidKeyboardManager::instance(), m_dispatch);
    m_dispatch->addAdapter(m_hidLink);
    m_formulaLink = new FormulaLinkAdapter(m_dispatch);
    m_dispatch->addAdapter(m_formulaLink);
    connect(HidKeyboardManager::instance(), &HidKeyboardManager::keyboardsChanged, this,
            &MeasuringSystem::refreshHidDevices);
    connect(m_dispatch, &ReadingDispatcher::addRequested, this, &MeasuringSystem::addDevice);
    connect(m_dispatch, &ReadingDispatcher::statusChanged, m_cards, &CardColumn::refreshStatus);
    connect(m_dispatch, &ReadingDispatcher::recordRequested, this, &MeasuringSystem::onDeviceDataClicked);
    connect(m_dispatch, &ReadingDispatcher::saveRequested, this, &MeasuringSystem::saveDevices);
}

void MeasuringSystem::setUpModeArea()
{
    m_area = new ModeArea(
        ui, *m_recording, m_registry, [this](int index) { return m_cards->isSyncChecked(index); }, m_scale,
        this);
    updateModeButtons();
    // The dedicated modules open as windows of their own beside the workspace.
    const std::pair<const char *, int> modules[] = {
        {"actionHeightGauge", 1}, {"actionMeasuringStand", 3}, {"actionLaserBoreGauge", 4}};
    for (const auto &[name, module] : modules) {
        QAction *action = ui->menuExtensions->addAction(QString());
        action->setObjectName(QLatin1String(name));
        connect(action, &QAction::triggered, this, [this, module = module] { emit moduleRequested(module); });
    }
    ui->menuExtensions->addSeparator();
    QAction *chooser = ui->menuExtensions->addAction(QString());
    chooser->setObjectName(QStringLiteral("actionModuleChooser"));
    connect(chooser, &QAction::triggered, this, &MeasuringSystem::moduleChooserRequested);
}

RecordingStore &MeasuringSystem::recordings()
{
    return m_recording->store();
}

int MeasuringSystem::selectedDevice() const
{
    return m_area->shownDevice();
}

int MeasuringSystem::mode() const
{
    return m_recording->isMultiMode() ? MultiMode : MonoMode;
}

MonoTableModel *MeasuringSystem::monoModel() const
{
    return m_area->monoModel();
}

MultiTableModel *MeasuringSystem::multiModel() const
{
    return m_area->multiModel();
}

// ---------------------------------------------------------------------------------------------------------
// Devices and cards

void MeasuringSystem::loadDevices()
{
    m_registry.loadDevices();
    m_registry.loadFormulas();
    for (const DeviceRecord &record : m_registry.devices())
        m_cards->append(record);
    m_dispatch->startDevices();
}

void MeasuringSystem::saveDevices()
{
    m_registry.saveDevices();
}

void MeasuringSystem::saveFormulas()
{
    m_registry.saveFormulas();
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
    int index = int(devices().size()) - 1;
    m_cards->append(record);
    m_cards->cards().last()->setConnected(record.connected);
    m_dispatch->startDevice(index);
    const bool formula = record.type == ConnectionKind::Formula;
    // An instrument goes in before the formulas: it takes the next letter, and no formula's letters change.
    if (const int place = m_registry.instrumentCount() - 1; !formula && place != index) {
        relocateDevice(index, place);
        index = place;
    }
    m_dispatch->devicesChanged();
    formula ? saveFormulas() : saveDevices();
    if (selectedDevice() < 0)
        selectDevice(index);
    return index;
}

void MeasuringSystem::removeDeviceAt(int index)
{
    const DeviceRecord removed = devices().takeAt(index);
    m_cards->remove(index);
    m_dispatch->forgetDevice(removed);
    if (removed.type != ConnectionKind::Formula) {
        // The letters after it move up; its own becomes the mark of a deleted input, which disables the formula.
        for (DeviceRecord &record : devices()) {
            if (record.type == ConnectionKind::Formula)
                record.expression = FormulaLetters::rename(record.expression, [index](int letter) {
                    const int now = IndexRekey::afterRemove(letter, index);
                    return now >= 0 ? FormulaLetters::letterFor(now) : QString(FormulaLetters::kDeletedInput);
                });
        }
    }
    m_dispatch->devicesChanged();
    m_recording->removeDevice(index);
    m_area->deviceRemoved(index);
}

void MeasuringSystem::relocateDevice(int from, int to)
{
    devices().move(from, to);
    m_cards->move(from, to);
    m_recording->moveDevice(from, to);
    m_area->deviceMoved(from, to);
}

void MeasuringSystem::editFormulas(int formulaRow)
{
    QList<DeviceRecord> formulas;
    QStringList instruments;
    for (const DeviceRecord &record : devices()) {
        if (record.type == ConnectionKind::Formula)
            formulas.append(record);
        else
            instruments.append(record.name);
    }
    FormulaManagerDialog dialog(formulas, instruments, DeviceRegistry::globalUnitFor(SensorKind::Linear), this);
    dialog.select(formulaRow);
    if (dialog.exec() == QDialog::Accepted)
        applyFormulas(dialog.formulas());
}

void MeasuringSystem::applyFormulas(const QList<DeviceRecord> &edited)
{
    QSet<int> kept;
    for (const DeviceRecord &formula : edited)
        kept.insert(formula.address);
    // From the end, so the indexes still to visit stay right.
    for (int i = int(devices().size()) - 1; i >= 0; --i) {
        if (devices().at(i).type == ConnectionKind::Formula && !kept.contains(devices().at(i).address))
            removeDeviceAt(i);
    }
    for (const DeviceRecord &formula : edited) {
        const auto found = std::find_if(devices().begin(), devices().end(), [&formula](const DeviceRecord &record) {
            return record.type == ConnectionKind::Formula && record.address == formula.address;
        });
        if (found == devices().end()) {
            addDevice(formula);
            continue;
        }
        if (found->measuringType != formula.measuringType || found->expression != formula.expression)
            found->heldValid = false; // a new peak for a new mode or a new quantity
        found->name = formula.name;
        found->expression = formula.expression;
        found->unit = formula.unit;
        found->precision = formula.precision;
        found->measuringType = formula.measuringType;
        found->limitMin = formula.limitMin;
        found->limitMax = formula.limitMax;
        const int index = int(found - devices().begin());
        Device_visual *card = m_cards->cards().at(index);
        card->setName(found->name);
        card->setPrecision(found->precision);
        card->setTolerance(found->value, found->measuringType, found->limitMin, found->limitMax);
    }
    m_dispatch->devicesChanged();
    m_cards->refreshLive();
    m_area->devicesEdited();
    saveFormulas();
}

void MeasuringSystem::addModbusDevice(const QString &portName, int baudRate, int address)
{
    m_modbusLink->addDevice(portName, baudRate, address);
}

void MeasuringSystem::addBluetoothDevices(const QList<QBluetoothDeviceInfo> &found)
{
    m_bleLink->addDevices(found);
}

void MeasuringSystem::setUpCards()
{
    m_cards = new CardColumn(m_registry, ui->cardContainer, ui->cardsLayout, this);
    connect(m_cards, &CardColumn::zeroClicked, this, &MeasuringSystem::resetDeviceToZero);
    connect(m_cards, &CardColumn::statisticsRequested, this, &MeasuringSystem::openStatisticsFor);
    connect(m_cards, &CardColumn::dataClicked, this, &MeasuringSystem::onDeviceDataClicked);
    connect(m_cards, &CardColumn::cardClicked, this, &MeasuringSystem::onDeviceCardClicked);
    connect(m_cards, &CardColumn::memoryDumpRequested, this, &MeasuringSystem::downloadDeviceMemory);
    connect(m_cards, &CardColumn::syncToggled, this, &MeasuringSystem::onDeviceSyncToggled);
    connect(m_cards, &CardColumn::editRequested, this, &MeasuringSystem::onEditDevice);
    connect(m_cards, &CardColumn::deleteRequested, this, &MeasuringSystem::onDeleteDevice);
    connect(m_cards, &CardColumn::reorderRequested, this, &MeasuringSystem::onDeviceReorder);
    connect(UserManager::instance(), &UserManager::usersChanged, this, &MeasuringSystem::refreshDeviceOwners);
}

const QList<Device_visual *> &MeasuringSystem::cards() const
{
    return m_cards->cards();
}

void MeasuringSystem::selectDevice(int index)
{
    if (index < 0 || index >= devices().size())
        return;
    m_cards->setSelected(index);
    m_area->showDevice(index);
}

void MeasuringSystem::onDeviceCardClicked(int index)
{
    selectDevice(index);
    on_Mono_Button_clicked();
}

void MeasuringSystem::onEditDevice(Device_visual *visual)
{
    const int index = m_cards->indexOf(visual);
    if (index < 0 || index >= devices().size())
        return;
    if (devices().at(index).type == ConnectionKind::Formula) {
        editFormulas(index - m_registry.instrumentCount());
        return;
    }
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
    m_cards->refreshStatus(index);
    m_area->devicesEdited();
    saveDevices();
}

void MeasuringSystem::onDeleteDevice(Device_visual *visual)
{
    const int index = m_cards->indexOf(visual);
    if (index < 0 || index >= devices().size())
        return;
    const DeviceRecord &doomed = devices().at(index);
    const bool formula = doomed.type == ConnectionKind::Formula;
    // Names are the user's own text: shown literally, never as markup.
    QStringList readers; // the formulas that read this instrument
    for (const DeviceRecord &record : devices()) {
        if (!formula && record.type == ConnectionKind::Formula &&
            FormulaLetters::used(record.expression).contains(index))
            readers.append(QStringLiteral("<b>%1</b>").arg(record.name.toHtmlEscaped()));
    }
    QString question;
    if (formula)
        question = FormulaManagerDialog::removalQuestion(doomed.name);
    else if (!readers.isEmpty())
        question = tr("Прилад <b>%1</b> використовують формули: %2.<br>Якщо його видалити, ці формули буде "
                      "вимкнено, доки ви не зміните їхні вирази у «Формулах». Видалити прилад?")
                       .arg(doomed.name.toHtmlEscaped(), readers.join(QStringLiteral(", ")));
    else
        question = tr("Ви впевнені що хочете видалити пристрій <b>%1</b>?").arg(doomed.name.toHtmlEscaped());
    if (QMessageBox::question(this, tr("Видалити"), question, QMessageBox::Yes | QMessageBox::No) !=
        QMessageBox::Yes)
        return;

    const bool anyFormula = devices().size() > m_registry.instrumentCount();
    removeDeviceAt(index);
    if (!formula)
        saveDevices();
    if (anyFormula)
        saveFormulas();
}

void MeasuringSystem::onDeviceReorder(Device_visual *source, Device_visual *target)
{
    const int from = m_cards->indexOf(source);
    const int to = m_cards->indexOf(target);
    if (from < 0 || to < 0 || from == to || from >= devices().size() || to >= devices().size())
        return;
    const bool formula = devices().at(from).type == ConnectionKind::Formula;
    // Formulas stay after the instruments.
    if (formula != (devices().at(to).type == ConnectionKind::Formula))
        return;

    // The letters in the expressions follow their instruments to their new places.
    QHash<int, QString> renamed;
    QStringList changes;
    for (int i = m_registry.instrumentCount(); !formula && i < devices().size(); ++i) {
        const QString &expression = devices().at(i).expression;
        const QString moved = FormulaLetters::rename(expression, [from, to](int letter) {
            return FormulaLetters::letterFor(IndexRekey::afterMove(letter, from, to));
        });
        if (moved == expression)
            continue;
        renamed.insert(i, moved);
        changes.append(tr("<b>%1</b>: %2 → %3")
                           .arg(devices().at(i).name.toHtmlEscaped(), expression.toHtmlEscaped(),
                                moved.toHtmlEscaped()));
    }
    if (!changes.isEmpty() &&
        QMessageBox::question(this, tr("Перемістити прилад"),
                              tr("Літери приладів у формулах зміняться разом із порядком карток:<br>%1<br><br>"
                                 "Перемістити прилад?")
                                  .arg(changes.join(QStringLiteral("<br>"))),
                              QMessageBox::Yes | QMessageBox::No) != QMessageBox::Yes)
        return;
    for (auto it = renamed.cbegin(); it != renamed.cend(); ++it)
        devices()[it.key()].expression = it.value();

    relocateDevice(from, to);
    m_dispatch->devicesChanged();
    if (!formula)
        saveDevices();
    if (formula || !renamed.isEmpty())
        saveFormulas();
}

void MeasuringSystem::onDeviceSyncToggled(bool checked)
{
    Q_UNUSED(checked)
    if (m_recording->isMultiMode())
        m_area->devicesEdited();
}

void MeasuringSystem::refreshDeviceOwners()
{
    m_cards->refreshOwners();
}

void MeasuringSystem::onUiRefreshTimerTimeout()
{
    m_formulaLink->refresh();
    m_cards->refreshLive();
    m_area->refreshLiveValue();
}

void MeasuringSystem::refreshHidDevices()
{
    m_hidLink->refreshWatchList();
}

void MeasuringSystem::onPortWatchdogTick()
{
    refreshHidDevices();
    m_poller->onPortWatchdogTick();
}

// ---------------------------------------------------------------------------------------------------------
// Link reports and device commands

void MeasuringSystem::onBleReadingReceived(const QString &address, const BleReading &reading)
{
    m_dispatch->bleReading(address, reading);
}

void MeasuringSystem::onBleConnectionStateChanged(const QString &address, bool connected)
{
    m_dispatch->bleConnectionState(address, connected);
}

void MeasuringSystem::onBleCalibDateReceived(const QString &address, QDate date)
{
    m_dispatch->bleCalibDate(address, date);
}

void MeasuringSystem::onBleBatteryLevelChanged(const QString &address, int percent)
{
    m_dispatch->bleBatteryLevel(address, percent);
}

void MeasuringSystem::onBleSignalLevelChanged(const QString &address, int rssiDbm)
{
    m_dispatch->bleSignalLevel(address, rssiDbm);
}

void MeasuringSystem::onDonglePortChanged(const QString &address, const QString &port)
{
    m_dispatch->donglePort(address, port);
}

void MeasuringSystem::onHidLineReceived(const QString &devicePath, const QString &line)
{
    m_dispatch->hidLine(devicePath, line);
}

void MeasuringSystem::onSylvacSerialValue(const QString &portName, double value, bool sentByButton)
{
    m_dispatch->sylvacValue(portName, value, sentByButton);
}

void MeasuringSystem::onSylvacSerialUnit(const QString &portName, bool isInch)
{
    m_dispatch->sylvacUnit(portName, isInch);
}

void MeasuringSystem::onSylvacSerialPortState(const QString &portName, bool open)
{
    m_dispatch->sylvacPortState(portName, open);
}

void MeasuringSystem::resetDeviceToZero(int deviceIndex)
{
    m_dispatch->zero(deviceIndex);
}

void MeasuringSystem::on_zero_all_Button_clicked()
{
    for (int i = 0; i < devices().size(); ++i) {
        if (m_cards->isSyncChecked(i))
            resetDeviceToZero(i);
    }
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
    if (!m_dispatch->downloadMemory(deviceIndex))
        QMessageBox::information(this, tr("Пам'ять приладу"), tr("Прилад не на зв'язку."));
}

void MeasuringSystem::on_units_button_clicked()
{
    QSettings file(settingsFilePath(QStringLiteral("devices_config.ini")), QSettings::IniFormat);
    const auto stored = [&file](const char *key) { return file.value(QLatin1String(key), 0).toInt(); };
    GlobalUnitsDialog dialog(
        {stored("GlobalUnits/Linear"), stored("GlobalUnits/Angle"), stored("GlobalUnits/Force")}, this);
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
    m_dispatch->applyGlobalUnits();
    m_cards->refreshLive();
}

// ---------------------------------------------------------------------------------------------------------
// Adding instruments and the settings menu

void MeasuringSystem::on_AddButton_clicked()
{
    DeviceTypeDialog dialog(this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    LinkAdapter *link = m_dispatch->adapterFor(dialog.selectedType());
    if (!link || !link->runAddDialog(this))
        QMessageBox::information(this, tr("Додавання приладу"),
                                 tr("Цей тип підключення ще недоступний у цій версії програми."));
}

void MeasuringSystem::on_actionModbus_setting_triggered()
{
    ModbusSettingsDialog dialog(m_registry.adapters(), this);
    dialog.exec();
    saveAdapters();
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
    saveFormulas();
    refreshDeviceOwners();
}

void MeasuringSystem::on_actionAbout_triggered()
{
    AboutDialog dialog(this);
    dialog.exec();
}

void MeasuringSystem::on_actionResetSettings_triggered()
{
    if (QMessageBox::question(this, tr("Скинути налаштування"),
                              tr("Скинути збережений вибір модуля, що відкривається при старті програми?"),
                              QMessageBox::Yes | QMessageBox::No) != QMessageBox::Yes)
        return;
    QSettings config(settingsFilePath(QStringLiteral("config.ini")), QSettings::IniFormat);
    config.setValue(QStringLiteral("default_module"), 0); // 0: the start asks which module to open
    config.sync();
    QMessageBox::information(
        this, tr("Готово"),
        tr("Налаштування скинуто. При наступному запуску програми знову з'явиться вибір модуля."));
}

void MeasuringSystem::on_actionKeyboardEmulation_triggered()
{
    KeyboardEmulatorDialog dialog(this);
    dialog.exec();
}

void MeasuringSystem::on__2D_3D_Button_clicked() {}

void MeasuringSystem::on_Study_Button_clicked() {}

void MeasuringSystem::on_FormulsButton_clicked()
{
    editFormulas();
}

// ---------------------------------------------------------------------------------------------------------
// Modes, pages and tables

void MeasuringSystem::on_Mono_Button_clicked()
{
    if (selectedDevice() == -1 && !devices().isEmpty())
        selectDevice(0);
    m_recording->setMultiMode(false);
    m_area->showPage(ModeArea::MonoPage);
    updateModeButtons();
}

void MeasuringSystem::on_Multi_Button_clicked()
{
    m_recording->setMultiMode(true);
    m_area->showPage(ModeArea::MultiPage);
    updateModeButtons();
}

void MeasuringSystem::on_GraphicButton_clicked()
{
    m_area->showPage(ModeArea::ChartPage);
    updateModeButtons();
}

void MeasuringSystem::on_sync_all_Button_clicked()
{
    m_cards->toggleAllSync();
}

void MeasuringSystem::updateModeButtons()
{
    for (QPushButton *button : modeButtons())
        button->setStyleSheet(kNeutralButtonStyle);
    (m_recording->isMultiMode() ? ui->Multi_Button : ui->Mono_Button)->setStyleSheet(kHighlightButtonStyle);
    if (m_area->page() == ModeArea::ChartPage)
        ui->GraphicButton->setStyleSheet(kHighlightButtonStyle);
}

void MeasuringSystem::updateTimerButton()
{
    ui->timer_Button->setStyleSheet(m_recording->anyTimerActive() ? kHighlightButtonStyle
                                                                  : kNeutralButtonStyle);
}

void MeasuringSystem::refreshChartSeries()
{
    m_area->refreshChartSeries();
}

int MeasuringSystem::multiColumnToDeviceIndex(int column) const
{
    return m_area->multiColumnToDeviceIndex(column);
}

void MeasuringSystem::openStatisticsFor(int index)
{
    m_area->openStatisticsFor(index);
}

void MeasuringSystem::openMonoStatistics()
{
    m_area->openStatisticsFor(selectedDevice());
}

void MeasuringSystem::onMonoTableContextMenu(const QPoint &pos)
{
    m_area->onMonoTableContextMenu(pos);
}

void MeasuringSystem::onMultiTableContextMenu(const QPoint &pos)
{
    m_area->onMultiTableContextMenu(pos);
}

void MeasuringSystem::onMonoStatsContextMenu(const QPoint &pos)
{
    m_area->onMonoStatsContextMenu(pos);
}

// ---------------------------------------------------------------------------------------------------------
// Recording, timers and the journal

void MeasuringSystem::onDeviceDataClicked(int index)
{
    m_recording->record(index);
}

QString MeasuringSystem::evaluateTolerance(const DeviceRecord &record, double value) const
{
    return RecordingController::evaluateTolerance(record, value);
}

MultiSnapshot MeasuringSystem::captureAllDevices(const QString &timeStr, bool *hasSyncData)
{
    return m_recording->captureAllDevices(timeStr, hasSyncData);
}

void MeasuringSystem::onSyncRecordTimerTimeout()
{
    m_recording->onSyncTimerTimeout();
}

void MeasuringSystem::typeSnapshotOnKeyboard(MultiSnapshot snap)
{
    m_recording->typeSnapshot(snap);
}

void MeasuringSystem::on_timer_Button_clicked()
{
    TimerSettingsDialog dialog(m_recording->syncTimerMode(), m_recording->syncIntervalMs(), devices(), this);
    if (dialog.exec() == QDialog::Accepted)
        applyTimerSettings(dialog.isSynchronous(), dialog.interval(), dialog.rowIntervals());
}

void MeasuringSystem::applyTimerSettings(bool synchronous, int intervalMs, const QMap<int, int> &rowIntervals)
{
    m_recording->applyTimerSettings(synchronous, intervalMs, rowIntervals);
}

bool MeasuringSystem::isSyncTimerActive() const
{
    return m_recording->isSyncTimerActive();
}

int MeasuringSystem::deviceTimerCount() const
{
    return m_recording->deviceTimerCount();
}

void MeasuringSystem::rewriteJournal()
{
    m_recording->rewriteJournal();
}

void MeasuringSystem::checkRecoveryJournal()
{
    const QStringList lines = m_recording->recoveryLines();
    if (lines.isEmpty()) {
        m_recording->startJournal();
        return;
    }
    QTimer::singleShot(kRecoveryQuestionDelayMs, this, [this, lines] {
        const auto answer = QMessageBox::question(this, tr("Відновлення даних"),
                                                  tr("Виявлено незбережені дані попереднього сеансу "
                                                     "(записів: %1). Програму, ймовірно, було закрито "
                                                     "аварійно.\n\nВідновити ці дані в таблицях?")
                                                      .arg(lines.size()),
                                                  QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes);
        m_recording->startJournal(answer == QMessageBox::Yes ? lines : QStringList());
        m_area->devicesEdited();
        m_area->refreshMonoTable();
    });
}

void MeasuringSystem::closeEvent(QCloseEvent *event)
{
    // A normal end: the tables go with the window, and nothing is left to recover.
    m_recording->endJournal();
    QMainWindow::closeEvent(event);
}

void MeasuringSystem::on_actionExportCsv_triggered()
{
    m_area->exportCsv();
}

void MeasuringSystem::on_actionExportPdf_triggered()
{
    m_area->exportPdf();
}

void MeasuringSystem::on_actionExportXlsx_triggered()
{
    m_area->exportXlsx();
}

void MeasuringSystem::on_ExportButton_clicked()
{
    m_area->askAndExport();
}

// ---------------------------------------------------------------------------------------------------------
// Language, fonts and the logo

void MeasuringSystem::setLanguage(const QString &code)
{
    m_translator->setLanguage(code);
    m_language = code;

    QSettings settings(settingsFilePath(QStringLiteral("settings.ini")), QSettings::IniFormat);
    settings.setValue(QStringLiteral("Language"), code);

    retranslateTexts();
    emit languageChanged();
}

void MeasuringSystem::retranslateTexts()
{
    ui->retranslateUi(this);
    const std::pair<const char *, QString> modules[] = {{"actionHeightGauge", tr("Висотомір")},
                                                        {"actionMeasuringStand", tr("Вимірювальна стійка")},
                                                        {"actionLaserBoreGauge", tr("Лазерний нутромір")},
                                                        {"actionModuleChooser", tr("Вибір модуля…")}};
    for (const auto &[name, text] : modules) {
        if (QAction *action = ui->menuExtensions->findChild<QAction *>(QLatin1String(name)))
            action->setText(text);
    }
    m_cards->retranslate();
    m_area->retranslate();
    m_fitter->refit();
}

void MeasuringSystem::changeEvent(QEvent *event)
{
    // Another window may switch the language; the form follows whichever translator is installed.
    if (event->type() == QEvent::LanguageChange && m_area)
        retranslateTexts();
    QMainWindow::changeEvent(event);
}
