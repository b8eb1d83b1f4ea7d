#include "timersettingsdialog.h"

#include <QComboBox>
#include <QEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

constexpr int kIntervalColumnWidth = 130;
constexpr int kMinimumWidth = 400;

QSpinBox *intervalSpin(QWidget *parent, int value)
{
    auto *spin = new QSpinBox(parent);
    spin->setRange(0, TimerSettingsDialog::kMaxIntervalMs);
    spin->setSingleStep(TimerSettingsDialog::kIntervalStepMs);
    spin->setValue(value);
    return spin;
}

} // namespace

TimerSettingsDialog::TimerSettingsDialog(bool synchronousMode, int syncIntervalMs,
                                         const QList<DeviceRecord> &devices, QWidget *parent)
    : QDialog(parent)
    , m_modeLabel(new QLabel(this))
    , m_modeCombo(new QComboBox(this))
    , m_intervalLabel(new QLabel(this))
    , m_intervalSpin(intervalSpin(this, syncIntervalMs))
    , m_table(new QTableWidget(int(devices.size()), 2, this))
    , m_resetButton(new QPushButton(this))
    , m_okButton(new QPushButton(this))
    , m_cancelButton(new QPushButton(this))
{
    setMinimumWidth(kMinimumWidth);
    m_modeCombo->setObjectName(QStringLiteral("modeCombo"));
    m_intervalSpin->setObjectName(QStringLiteral("intervalSpin"));
    m_table->setObjectName(QStringLiteral("deviceTable"));
    m_resetButton->setObjectName(QStringLiteral("resetButton"));
    m_okButton->setObjectName(QStringLiteral("okButton"));
    m_cancelButton->setObjectName(QStringLiteral("cancelButton"));

    m_modeCombo->addItems({QString(), QString()});
    m_modeCombo->setCurrentIndex(synchronousMode ? 0 : 1);

    for (int row = 0; row < devices.size(); ++row) {
        auto *name = new QTableWidgetItem(devices.at(row).name);
        name->setFlags(name->flags() & ~Qt::ItemIsEditable);
        m_table->setItem(row, 0, name);
        m_table->setCellWidget(row, 1, intervalSpin(m_table, devices.at(row).timerIntervalMs));
    }
    m_table->verticalHeader()->hide();
    m_table->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    m_table->horizontalHeader()->setSectionResizeMode(1, QHeaderView::Fixed);
    m_table->horizontalHeader()->resizeSection(1, kIntervalColumnWidth);

    auto *layout = new QVBoxLayout(this);
    auto *modeRow = new QHBoxLayout;
    modeRow->addWidget(m_modeLabel);
    modeRow->addWidget(m_modeCombo, 1);
    layout->addLayout(modeRow);
    auto *intervalRow = new QHBoxLayout;
    intervalRow->addWidget(m_intervalLabel);
    intervalRow->addWidget(m_intervalSpin, 1);
    layout->addLayout(intervalRow);
    layout->addWidget(m_table);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(m_resetButton);
    buttons->addStretch();
    buttons->addWidget(m_okButton);
    buttons->addWidget(m_cancelButton);
    layout->addLayout(buttons);

    m_okButton->setDefault(true);
    connect(m_modeCombo, &QComboBox::currentIndexChanged, this, &TimerSettingsDialog::onModeChanged);
    connect(m_resetButton, &QPushButton::clicked, this, &TimerSettingsDialog::onResetClicked);
    connect(m_okButton, &QPushButton::clicked, this, &TimerSettingsDialog::accept);
    connect(m_cancelButton, &QPushButton::clicked, this, &TimerSettingsDialog::reject);

    retranslate();
    onModeChanged(m_modeCombo->currentIndex());
}

bool TimerSettingsDialog::isSynchronous() const
{
    return m_modeCombo->currentIndex() == 0;
}

int TimerSettingsDialog::interval() const
{
    return m_intervalSpin->value();
}

QMap<int, int> TimerSettingsDialog::rowIntervals() const
{
    QMap<int, int> intervals;
    for (int row = 0; row < m_table->rowCount(); ++row) {
        if (QSpinBox *spin = rowSpin(row))
            intervals.insert(row, spin->value());
    }
    return intervals;
}

void TimerSettingsDialog::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QDialog::changeEvent(event);
}

void TimerSettingsDialog::onModeChanged(int index)
{
    m_intervalSpin->setEnabled(index == 0);
    m_table->setEnabled(index == 1);
}

void TimerSettingsDialog::onResetClicked()
{
    // Only the fields: the caller applies the zeros when the user confirms with OK.
    m_intervalSpin->setValue(0);
    for (int row = 0; row < m_table->rowCount(); ++row) {
        if (QSpinBox *spin = rowSpin(row))
            spin->setValue(0);
    }
}

void TimerSettingsDialog::retranslate()
{
    setWindowTitle(tr("Налаштування таймера запису"));
    m_modeLabel->setText(tr("Режим таймера:"));
    m_modeCombo->setItemText(0, tr("Синхронний (один таймер для всіх)"));
    m_modeCombo->setItemText(1, tr("Індивідуальний для кожного приладу"));
    m_intervalLabel->setText(tr("Інтервал запису:"));
    m_intervalSpin->setSuffix(tr(" мс (0 = вимкнено)"));
    m_table->setHorizontalHeaderLabels({tr("Прилад"), tr("Інтервал (мс)")});
    m_resetButton->setText(tr("Скинути таймер"));
    m_okButton->setText(tr("ОК"));
    m_cancelButton->setText(tr("Скасувати"));
}

QSpinBox *TimerSettingsDialog::rowSpin(int row) const
{
    return qobject_cast<QSpinBox *>(m_table->cellWidget(row, 1));
}
