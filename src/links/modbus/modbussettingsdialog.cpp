#include "modbussettingsdialog.h"

#include "common/serialportcatalogue.h"
#include "modbusframe.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
constexpr int kDefaultBaudRate = 9600;
}

ModbusSettingsDialog::ModbusSettingsDialog(QList<ModbusAdapter> &adapters, QWidget *parent)
    : QDialog(parent)
    , m_adapters(adapters)
    , m_portCombo(new QComboBox(this))
    , m_speedCombo(new QComboBox(this))
    , m_adapterList(new QListWidget(this))
{
    setWindowTitle(tr("Настройка адаптеров Modbus"));

    m_portCombo->setObjectName(QStringLiteral("portCombo"));
    for (const SerialPortEntry &port : SerialPortCatalogue::availablePorts())
        m_portCombo->addItem(port.portName);

    m_speedCombo->setObjectName(QStringLiteral("speedCombo"));
    for (int rate : modbusBaudRates())
        m_speedCombo->addItem(QString::number(rate), rate);
    m_speedCombo->setCurrentIndex(m_speedCombo->findData(kDefaultBaudRate));

    auto *form = new QFormLayout;
    form->addRow(tr("Порт:"), m_portCombo);
    form->addRow(tr("Скорость:"), m_speedCombo);

    auto *addButton = new QPushButton(tr("Добавить адаптер"), this);
    addButton->setObjectName(QStringLiteral("addButton"));
    connect(addButton, &QPushButton::clicked, this, &ModbusSettingsDialog::addAdapter);

    m_adapterList->setObjectName(QStringLiteral("adapterList"));

    auto *removeButton = new QPushButton(tr("Удалить выбранный"), this);
    removeButton->setObjectName(QStringLiteral("removeButton"));
    connect(removeButton, &QPushButton::clicked, this, &ModbusSettingsDialog::removeSelected);

    auto *closeButton = new QPushButton(tr("Закрыть"), this);
    closeButton->setObjectName(QStringLiteral("closeButton"));
    connect(closeButton, &QPushButton::clicked, this, &QDialog::accept);

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(removeButton);
    buttons->addStretch();
    buttons->addWidget(closeButton);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(addButton);
    layout->addWidget(new QLabel(tr("Подключенные адаптеры:"), this));
    layout->addWidget(m_adapterList);
    layout->addLayout(buttons);

    refreshList();
}

void ModbusSettingsDialog::addAdapter()
{
    const QString portName = m_portCombo->currentText();
    if (portName.isEmpty())
        return;
    // One adapter per port: the poller keeps one open port object per name.
    for (const ModbusAdapter &adapter : std::as_const(m_adapters)) {
        if (adapter.portName == portName) {
            QMessageBox::warning(this, tr("Внимание"), tr("Этот адаптер уже добавлен в список!"));
            return;
        }
    }
    ModbusAdapter adapter;
    adapter.portName = portName;
    adapter.baudRate = m_speedCombo->currentData().toInt();
    m_adapters.append(adapter);
    refreshList();
}

void ModbusSettingsDialog::removeSelected()
{
    const QList<QListWidgetItem *> selected = m_adapterList->selectedItems();
    if (selected.isEmpty())
        return;
    const int row = m_adapterList->row(selected.first());
    if (row < 0 || row >= m_adapters.size())
        return;
    m_adapters.removeAt(row);
    refreshList();
}

void ModbusSettingsDialog::refreshList()
{
    m_adapterList->clear();
    for (const ModbusAdapter &adapter : std::as_const(m_adapters))
        m_adapterList->addItem(
            tr("Адаптер: %1 | Скорость: %2").arg(adapter.portName, QString::number(adapter.baudRate)));
}
