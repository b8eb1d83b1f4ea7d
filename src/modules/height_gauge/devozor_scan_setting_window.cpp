#include "devozor_scan_setting_window.h"

#include <QFormLayout>
#include <QLineEdit>
#include <QPushButton>

namespace {

double parsed(const QLineEdit *edit)
{
    return edit->text().trimmed().replace(QLatin1Char(','), QLatin1Char('.')).toDouble();
}

} // namespace

devozor_scan_setting_window::devozor_scan_setting_window(QWidget *parent)
    : QWidget(parent, Qt::Window)
{
    setWindowTitle(tr("Сканування"));
    setMinimumWidth(360);
    auto *layout = new QFormLayout(this);
    const auto edit = [this](const char *name) {
        auto *line = new QLineEdit(this);
        line->setObjectName(QLatin1String(name));
        return line;
    };
    m_step = edit("StepScanMode");
    m_max = edit("max_scan_lineEdit");
    m_min = edit("min_scan_lineEdit");
    layout->addRow(tr("Step Scan"), m_step);
    layout->addRow(tr("Max Scan"), m_max);
    layout->addRow(tr("Min Scan"), m_min);
    auto *apply = new QPushButton(tr("Aplly"), this);
    apply->setObjectName(QStringLiteral("pushButton"));
    layout->addRow(apply);
    QMetaObject::connectSlotsByName(this);
}

void devozor_scan_setting_window::on_pushButton_clicked()
{
    emit SendScanParametrs(parsed(m_step), parsed(m_min), parsed(m_max));
    close();
}
