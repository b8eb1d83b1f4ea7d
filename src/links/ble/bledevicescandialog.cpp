#include "bledevicescandialog.h"

#include "bleprotocol.h"

#include <QBluetoothDeviceDiscoveryAgent>
#include <QBrush>
#include <QColor>
#include <QDebug>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

// The row's picked state lives in the item itself.
constexpr int kSelectedRole = Qt::UserRole;

} // namespace

BleDeviceScanDialog::BleDeviceScanDialog(QWidget *parent)
    : BleDeviceScanDialog(new QBluetoothDeviceDiscoveryAgent, parent)
{}

BleDeviceScanDialog::BleDeviceScanDialog(QBluetoothDeviceDiscoveryAgent *agent, QWidget *parent)
    : QDialog(parent)
    , m_agent(agent)
{
    setWindowTitle(tr("Додавання Bluetooth-приладу"));
    setModal(true);
    setMinimumSize(440, 440);

    m_status = new QLabel(tr("Пошук приладів..."), this);
    m_status->setObjectName(QStringLiteral("statusLabel"));

    m_list = new QListWidget(this);
    m_list->setObjectName(QStringLiteral("deviceList"));
    // Picking is a toggle kept per row; the view's own selection would hide the row colours.
    m_list->setSelectionMode(QAbstractItemView::NoSelection);

    auto *hint = new QLabel(tr("Клікніть на прилад, щоб обрати (підсвітиться). Сірим позначені пристрої "
                               "невідомого типу — їх не можна додати."),
                            this);
    hint->setObjectName(QStringLiteral("hintLabel"));
    hint->setWordWrap(true);
    hint->setStyleSheet(QStringLiteral("color: #666;"));

    m_refresh = new QPushButton(tr("Оновити"), this);
    m_refresh->setObjectName(QStringLiteral("refreshButton"));
    m_add = new QPushButton(tr("Додати"), this);
    m_add->setObjectName(QStringLiteral("addButton"));
    m_add->setEnabled(false);
    m_add->setDefault(true);
    m_cancel = new QPushButton(tr("Скасувати"), this);
    m_cancel->setObjectName(QStringLiteral("cancelButton"));

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(m_refresh);
    buttons->addStretch();
    buttons->addWidget(m_add);
    buttons->addWidget(m_cancel);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_status);
    layout->addWidget(m_list, 1);
    layout->addWidget(hint);
    layout->addLayout(buttons);

    connect(m_refresh, &QPushButton::clicked, this, &BleDeviceScanDialog::startScan);
    connect(m_add, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_list, &QListWidget::itemClicked, this, &BleDeviceScanDialog::onItemClicked);

    m_agent->setParent(this);
    m_agent->setLowEnergyDiscoveryTimeout(kDiscoveryTimeoutMs);
    connect(m_agent, &QBluetoothDeviceDiscoveryAgent::deviceDiscovered, this,
            &BleDeviceScanDialog::onDeviceDiscovered);
    connect(m_agent, &QBluetoothDeviceDiscoveryAgent::finished, this, &BleDeviceScanDialog::onScanFinished);
    connect(m_agent, &QBluetoothDeviceDiscoveryAgent::errorOccurred, this, &BleDeviceScanDialog::onScanError);

    startScan();
}

BleDeviceScanDialog::~BleDeviceScanDialog()
{
    // A scan still running may report while the children are torn down; the dialog is gone by then.
    disconnect(m_agent, nullptr, this, nullptr);
}

QList<QBluetoothDeviceInfo> BleDeviceScanDialog::selectedDevices() const
{
    QList<QBluetoothDeviceInfo> result;
    for (int row = 0; row < m_list->count() && row < m_devices.size(); ++row) {
        if (m_list->item(row)->data(kSelectedRole).toBool())
            result.append(m_devices.at(row));
    }
    return result;
}

void BleDeviceScanDialog::startScan()
{
    m_list->clear();
    m_devices.clear();
    m_rowByKey.clear();
    m_add->setEnabled(false);
    m_refresh->setEnabled(false);
    m_status->setText(tr("Пошук приладів..."));

    if (m_agent->isActive())
        m_agent->stop();
    // Without an adapter the agent reports its error from inside start(); the status is set by then.
    m_agent->start(QBluetoothDeviceDiscoveryAgent::LowEnergyMethod);
}

void BleDeviceScanDialog::onDeviceDiscovered(const QBluetoothDeviceInfo &info)
{
    if (!(info.coreConfigurations() & QBluetoothDeviceInfo::LowEnergyCoreConfiguration))
        return;

    const QString key = deviceKey(info);
    const auto known = m_rowByKey.constFind(key);
    if (known != m_rowByKey.constEnd()) {
        // Seen again (often with its name this time): keep the row text, take the newer info.
        const int row = known.value();
        m_devices[row] = info;
        styleItem(m_list->item(row), info);
        updateAddButtonState();
        return;
    }

    const QString name = info.name().isEmpty() ? tr("(без назви)") : info.name();
    auto *item = new QListWidgetItem(QStringLiteral("%1   [%2]").arg(name, info.address().toString()));
    item->setData(kSelectedRole, false);
    styleItem(item, info);
    m_list->addItem(item);
    m_rowByKey.insert(key, m_devices.size());
    m_devices.append(info);
}

void BleDeviceScanDialog::onScanFinished()
{
    m_refresh->setEnabled(true);
    int usable = 0;
    for (const QBluetoothDeviceInfo &info : qAsConst(m_devices)) {
        if (isSupportedBleName(info.name()))
            ++usable;
    }
    m_status->setText(tr("Знайдено приладів: %1 (придатних: %2)").arg(m_devices.size()).arg(usable));
}

void BleDeviceScanDialog::onScanError()
{
    m_refresh->setEnabled(true);
    const QString reason = m_agent->errorString();
    m_status->setText(tr("Помилка сканування: %1").arg(reason));
    qDebug().noquote() << "[BLE] сканування не вдалося:" << reason;
}

void BleDeviceScanDialog::updateAddButtonState()
{
    bool any = false;
    for (int row = 0; row < m_list->count() && !any; ++row)
        any = m_list->item(row)->data(kSelectedRole).toBool();
    m_add->setEnabled(any);
}

void BleDeviceScanDialog::onItemClicked(QListWidgetItem *item)
{
    if (!item || !(item->flags() & Qt::ItemIsEnabled))
        return;
    const int row = m_list->row(item);
    if (row < 0 || row >= m_devices.size())
        return;
    item->setData(kSelectedRole, !item->data(kSelectedRole).toBool());
    styleItem(item, m_devices.at(row));
    updateAddButtonState();
}

void BleDeviceScanDialog::styleItem(QListWidgetItem *item, const QBluetoothDeviceInfo &info)
{
    const QString name = info.name();
    if (!isSupportedBleName(name)) {
        item->setData(kSelectedRole, false);
        item->setFlags(Qt::NoItemFlags);
        item->setBackground(QBrush());
        item->setForeground(QColor(Qt::gray));
        item->setToolTip(tr("Прилад невідомого типу — додати не можна"));
        return;
    }

    const bool selected = item->data(kSelectedRole).toBool();
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    item->setBackground(selected ? QBrush(QColor(kSelectedRed, kSelectedGreen, kSelectedBlue)) : QBrush());
    item->setForeground(m_list->palette().color(QPalette::Text));
    // The protocol stays in the tooltip after a deselect too, so the user can still tell the rows apart.
    item->setToolTip(selected ? tr("Обрано — клікніть ще раз, щоб зняти вибір")
                              : tr("Протокол: %1. Клікніть, щоб обрати цей прилад")
                                    .arg(bleProtocolDisplayName(bleProtocolFromName(name))));
}

QString BleDeviceScanDialog::deviceKey(const QBluetoothDeviceInfo &info)
{
    // Some systems hide the address of LE devices and give a stable identifier instead.
    if (!info.address().isNull())
        return info.address().toString();
    return info.deviceUuid().toString();
}
