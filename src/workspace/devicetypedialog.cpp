#include "devicetypedialog.h"

#include "devices/devicerecord.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

DeviceTypeDialog::DeviceTypeDialog(QWidget *parent)
    : QDialog(parent)
    , m_typeCombo(new QComboBox(this))
{
    setWindowTitle(tr("Вибір типу підключення"));
    setMinimumWidth(300);

    auto *layout = new QVBoxLayout(this);
    layout->setSpacing(10);

    auto *prompt = new QLabel(tr("Виберіть тип підключення нового приладу:"), this);
    prompt->setObjectName(QStringLiteral("promptLabel"));
    layout->addWidget(prompt);

    m_typeCombo->setObjectName(QStringLiteral("typeCombo"));
    m_typeCombo->addItem(tr("Modbus (RS-485)"), ConnectionKind::Modbus);
    m_typeCombo->addItem(tr("Бездротовий (Bluetooth)"), ConnectionKind::Bluetooth);
    m_typeCombo->addItem(tr("USB (HID-клавіатура)"), ConnectionKind::HidKeyboard);
    m_typeCombo->addItem(tr("Бездротовий через nRF-донгл"), ConnectionKind::NrfDongle);
    m_typeCombo->addItem(tr("Бездротовий через донгл BLED112"), ConnectionKind::Bled112Dongle);
    m_typeCombo->addItem(tr("Sylvac провід"), ConnectionKind::SylvacCable);
    layout->addWidget(m_typeCombo);

    auto *buttons = new QDialogButtonBox(this);
    QPushButton *next = buttons->addButton(tr("Далі"), QDialogButtonBox::AcceptRole);
    next->setObjectName(QStringLiteral("nextButton"));
    next->setDefault(true);
    QPushButton *cancel = buttons->addButton(tr("Скасувати"), QDialogButtonBox::RejectRole);
    cancel->setObjectName(QStringLiteral("cancelButton"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
}

int DeviceTypeDialog::selectedType() const
{
    return m_typeCombo->currentData().toInt();
}
