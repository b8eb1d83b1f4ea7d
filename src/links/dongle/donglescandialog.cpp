#include "donglescandialog.h"

#include "devices/devicerecord.h"
#include "links/ble/bledevicescandialog.h"
#include "links/ble/bleprotocol.h"
#include "links/dongle/donglelink.h"

#include <QBrush>
#include <QColor>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

namespace {

// Per row: the picked flag, and the address one role up.
constexpr int kSelectedRole = Qt::UserRole;
constexpr int kAddressRole = Qt::UserRole + 1;

} // namespace

DongleDeviceScanDialog::DongleDeviceScanDialog(int kind, DongleLink *link, QWidget *parent)
    : QDialog(parent)
    , m_link(link)
{
    setWindowTitle(kind == ConnectionKind::NrfDongle ? tr("Додавання приладу через nRF-донгл")
                                                     : tr("Додавання приладу через донгл BLED112"));
    setModal(true);
    setMinimumSize(460, 460);

    m_dongles = new QComboBox(this);
    m_dongles->setObjectName(QStringLiteral("dongleCombo"));
    auto *dongleRow = new QHBoxLayout;
    dongleRow->addWidget(new QLabel(tr("Донгл:"), this));
    dongleRow->addWidget(m_dongles, 1);

    m_status = new QLabel(this);
    m_status->setObjectName(QStringLiteral("statusLabel"));
    m_status->setWordWrap(true);
    m_list = new QListWidget(this);
    m_list->setObjectName(QStringLiteral("deviceList"));
    // Picking is a toggle kept per row; the view's own selection would hide the row colours.
    m_list->setSelectionMode(QAbstractItemView::NoSelection);
    auto *hint = new QLabel(tr("Клікніть на прилад, щоб обрати (підсвітиться). Сірим позначені пристрої "
                               "невідомого типу — їх не можна додати."),
                            this);
    hint->setWordWrap(true);
    hint->setStyleSheet(QStringLiteral("color: #666;"));

    m_refresh = new QPushButton(tr("Оновити"), this);
    m_refresh->setObjectName(QStringLiteral("refreshButton"));
    m_add = new QPushButton(tr("Додати"), this);
    m_add->setObjectName(QStringLiteral("addButton"));
    m_add->setEnabled(false);
    m_add->setDefault(true);
    auto *cancel = new QPushButton(tr("Скасувати"), this);
    cancel->setObjectName(QStringLiteral("cancelButton"));
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(m_refresh);
    buttons->addStretch();
    buttons->addWidget(m_add);
    buttons->addWidget(cancel);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(dongleRow);
    layout->addWidget(m_status);
    layout->addWidget(m_list, 1);
    layout->addWidget(hint);
    layout->addLayout(buttons);

    m_scanTimer = new QTimer(this);
    m_scanTimer->setSingleShot(true);
    connect(m_scanTimer, &QTimer::timeout, this, &DongleDeviceScanDialog::onScanFinished);
    connect(m_refresh, &QPushButton::clicked, this, &DongleDeviceScanDialog::onRefreshClicked);
    connect(m_add, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_list, &QListWidget::itemClicked, this, &DongleDeviceScanDialog::onItemClicked);
    connect(m_link, &DongleLink::deviceDiscovered, this, &DongleDeviceScanDialog::onDeviceDiscovered);

    fillDongleList();
    if (m_dongles->count() > 0) {
        startScan();
        return;
    }
    m_status->setText(m_link->availableDonglePorts().isEmpty()
                          ? tr("Донгл не знайдено. Під'єднайте його й натисніть «Оновити».")
                          : tr("Усі донгли заповнені. Звільніть місце або під'єднайте ще один донгл."));
    m_refresh->setText(tr("Оновити список"));
}

DongleDeviceScanDialog::~DongleDeviceScanDialog()
{
    // The dongle is busy scanning only for as long as someone looks at the results.
    if (m_scanning)
        m_link->stopScan();
}

QString DongleDeviceScanDialog::selectedPort() const
{
    return m_dongles->currentData().toString();
}

QList<QPair<QString, QString>> DongleDeviceScanDialog::selectedDevices() const
{
    QList<QPair<QString, QString>> result;
    for (int row = 0; row < m_list->count(); ++row) {
        const QListWidgetItem *item = m_list->item(row);
        if (item->data(kSelectedRole).toBool()) {
            const QString address = item->data(kAddressRole).toString();
            result.append({address, m_found.value(address)});
        }
    }
    return result;
}

void DongleDeviceScanDialog::fillDongleList()
{
    const QString previous = m_dongles->currentData().toString();
    m_dongles->clear();
    for (const QString &port : m_link->availableDonglePorts()) {
        if (!m_link->isOpen(port))
            m_link->openDongle(port);
        const int used = m_link->devicesOnPort(port);
        const int limit = m_link->maxConnections(port);
        if (limit < 1)
            m_dongles->addItem(port, port);
        else if (used < limit)
            m_dongles->addItem(tr("%1 — %2 з %3").arg(port).arg(used).arg(limit), port);
    }
    const int index = m_dongles->findData(previous);
    if (index >= 0)
        m_dongles->setCurrentIndex(index);
}

void DongleDeviceScanDialog::onRefreshClicked()
{
    if (m_dongles->count() > 0) {
        startScan();
        return;
    }
    fillDongleList();
    if (m_dongles->count() > 0) {
        m_refresh->setText(tr("Оновити"));
        startScan();
    }
}

void DongleDeviceScanDialog::startScan()
{
    const QString port = selectedPort();
    if (port.isEmpty())
        return;
    m_list->clear();
    m_found.clear();
    m_add->setEnabled(false);
    if (!m_link->openDongle(port)) {
        QString text = tr("Не вдалося відкрити донгл на %1.").arg(port);
        const QString library = m_link->missingLibrary();
        if (!library.isEmpty())
            text += QLatin1Char(' ') +
                    tr("Не знайдено бібліотеку драйвера %1: встановіть її або покладіть поруч із програмою.")
                        .arg(library);
        m_status->setText(text);
        return;
    }
    if (!m_link->startScan(port)) {
        m_status->setText(tr("Донгл не почав сканування."));
        return;
    }
    m_scanning = true;
    m_refresh->setEnabled(false);
    m_status->setText(tr("Пошук приладів..."));
    m_scanTimer->start(kScanMs);
}

void DongleDeviceScanDialog::onScanFinished()
{
    m_scanTimer->stop();
    if (m_scanning)
        m_link->stopScan();
    m_scanning = false;
    m_refresh->setEnabled(true);
    m_status->setText(tr("Знайдено придатних приладів: %1").arg(m_found.size()));
}

void DongleDeviceScanDialog::onDeviceDiscovered(const QString &address, const QString &name, int rssi)
{
    for (int row = 0; row < m_list->count(); ++row) {
        if (m_list->item(row)->data(kAddressRole).toString() == address)
            return; // rows are never updated
    }
    auto *item = new QListWidgetItem;
    item->setData(kAddressRole, address);
    item->setData(kSelectedRole, false);
    if (isSupportedBleName(name)) {
        item->setText(QStringLiteral("%1   [%2]   %3 dBm   %4")
                          .arg(name, address)
                          .arg(rssi)
                          .arg(bleProtocolDisplayName(bleProtocolFromName(name))));
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
        m_found.insert(address, name);
    } else {
        item->setText(QStringLiteral("%1   [%2]   %3 dBm").arg(name, address).arg(rssi));
        item->setFlags(Qt::NoItemFlags);
        item->setForeground(QColor(Qt::gray));
    }
    m_list->addItem(item);
}

void DongleDeviceScanDialog::onItemClicked(QListWidgetItem *item)
{
    if (!item || !(item->flags() & Qt::ItemIsEnabled))
        return;
    const bool selected = !item->data(kSelectedRole).toBool();
    item->setData(kSelectedRole, selected);
    item->setBackground(
        selected ? QBrush(QColor(BleDeviceScanDialog::kSelectedRed, BleDeviceScanDialog::kSelectedGreen,
                                 BleDeviceScanDialog::kSelectedBlue))
                 : QBrush());
    updateAddButton();
}

void DongleDeviceScanDialog::updateAddButton()
{
    bool any = false;
    for (int row = 0; row < m_list->count() && !any; ++row)
        any = m_list->item(row)->data(kSelectedRole).toBool();
    m_add->setEnabled(any);
}
