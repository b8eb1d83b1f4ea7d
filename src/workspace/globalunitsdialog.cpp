#include "globalunitsdialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QVBoxLayout>

GlobalUnitsDialog::GlobalUnitsDialog(const Choice &current, QWidget *parent)
    : QDialog(parent)
{
    setWindowTitle(tr("Одиниці виміру"));
    auto *layout = new QVBoxLayout(this);
    auto *form = new QFormLayout;
    layout->addLayout(form);
    m_linear = addRow(form, tr("Лінійні прилади:"), tr("Міліметри (mm)"), tr("Дюйми (inch)"), current.linear,
                      "linearCombo");
    m_angle = addRow(form, tr("Кутоміри:"), tr("Градуси (°)"), tr("Радіани (rad)"), current.angle, "angleCombo");
    m_force = addRow(form, tr("Динамометри:"), tr("Ньютони (N)"), tr("Фунт-сила (lbf)"), current.force,
                     "forceCombo");

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
}

QComboBox *GlobalUnitsDialog::addRow(QFormLayout *form, const QString &label, const QString &first,
                                     const QString &second, int current, const char *objectName)
{
    auto *combo = new QComboBox(this);
    combo->setObjectName(QString::fromLatin1(objectName));
    combo->addItem(first, 0);
    combo->addItem(second, 1);
    combo->setCurrentIndex(current == 1 ? 1 : 0);
    form->addRow(label, combo);
    return combo;
}

GlobalUnitsDialog::Choice GlobalUnitsDialog::choice() const
{
    return {m_linear->currentData().toInt(), m_angle->currentData().toInt(), m_force->currentData().toInt()};
}
