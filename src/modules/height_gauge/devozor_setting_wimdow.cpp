#include "devozor_setting_wimdow.h"

#include <QComboBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QPushButton>

namespace {

QString number(double value)
{
    return QString::number(value, 'g', 6);
}

// A number typed with a comma is taken as well.
double parsed(const QLineEdit *edit, double fallback)
{
    bool ok = false;
    const double value = edit->text().trimmed().replace(QLatin1Char(','), QLatin1Char('.')).toDouble(&ok);
    return ok ? value : fallback;
}

} // namespace

Devozor_setting_wimdow::Devozor_setting_wimdow(QWidget *parent)
    : QWidget(parent, Qt::Window)
{
    setWindowTitle(QStringLiteral("Form"));
    setMinimumWidth(360);
    auto *layout = new QFormLayout(this);
    m_speed = new QComboBox(this);
    m_speed->setObjectName(QStringLiteral("Speed_ComboBox"));
    m_speed->addItem(tr("quick"), 6);
    m_speed->addItem(tr("standard"), 4);
    m_speed->addItem(tr("precision"), 3);
    m_unit = new QPushButton(this);
    m_unit->setObjectName(QStringLiteral("Uint_Button"));
    m_base = new QLineEdit(this);
    m_base->setObjectName(QStringLiteral("Calibration_Value"));
    m_threshold = new QLineEdit(this);
    m_threshold->setObjectName(QStringLiteral("laser_value"));
    auto *apply = new QPushButton(tr("Aplly"), this);
    apply->setObjectName(QStringLiteral("pushButton"));
    layout->addRow(tr("Швидкість"), m_speed);
    layout->addRow(tr("Одиниці"), m_unit);
    layout->addRow(tr("Значення бази"), m_base);
    layout->addRow(tr("Поріг лазера"), m_threshold);
    layout->addRow(apply);
    showUnit();
    QMetaObject::connectSlotsByName(this);
}

void Devozor_setting_wimdow::GetParametrs(double base_val, quint8 speed, bool isInch, double threshold_laser)
{
    m_speed->setCurrentIndex(speed == 3 ? 2 : speed == 4 ? 1 : 0);
    m_inch = isInch;
    showUnit();
    m_base->setText(number(base_val));
    m_threshold->setText(number(threshold_laser));
}

void Devozor_setting_wimdow::on_pushButton_clicked()
{
    emit sendDevozor_Setting_parametrs(parsed(m_base, 20.0), quint8(m_speed->currentData().toInt()), m_inch,
                                       parsed(m_threshold, 0.5));
    close();
}

void Devozor_setting_wimdow::on_Uint_Button_clicked()
{
    m_inch = !m_inch;
    showUnit();
    emit sendChange_uints(m_inch);
}

void Devozor_setting_wimdow::showUnit()
{
    m_unit->setText(m_inch ? QStringLiteral("INCH") : QStringLiteral("MM"));
}
