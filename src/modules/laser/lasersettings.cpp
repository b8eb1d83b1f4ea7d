#include "lasersettings.h"

#include "app/settingsfolder.h"
#include "common/serialportcatalogue.h"
#include "modules/cameracatalogue.h"

#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QSettings>

namespace {

QString laserSettingsFile()
{
    return settingsFilePath(QStringLiteral("setting_laser.ini"));
}

void selectByData(QComboBox *box, const QString &id)
{
    const int index = box->findData(id);
    if (index >= 0)
        box->setCurrentIndex(index);
}

void selectByText(QComboBox *box, const QString &text)
{
    const int index = box->findText(text);
    if (index >= 0)
        box->setCurrentIndex(index);
}

} // namespace

const QStringList &LaserSettings::baudRates()
{
    static const QStringList rates = {QStringLiteral("9600"), QStringLiteral("19200"),
                                      QStringLiteral("38400"), QStringLiteral("57600"),
                                      QStringLiteral("115200")};
    return rates;
}

LaserSettings::LaserSettings(QWidget *parent)
    : QWidget(parent, Qt::Window)
{
    auto *layout = new QGridLayout(this);
    const auto combo = [this](const char *name) {
        auto *box = new QComboBox(this);
        box->setObjectName(QLatin1String(name));
        box->setMinimumWidth(260);
        return box;
    };
    m_leftCamera = combo("Left_Camera");
    m_rightCamera = combo("Right_Camera");
    m_port = combo("ComPort");
    m_speed = combo("SpeedPort");
    m_leftLabel = new QLabel(this);
    m_rightLabel = new QLabel(this);
    m_portLabel = new QLabel(this);
    m_speedLabel = new QLabel(this);
    m_save = new QPushButton(this);
    m_save->setObjectName(QStringLiteral("SaveButton"));
    m_exit = new QPushButton(this);
    m_exit->setObjectName(QStringLiteral("ExitButton"));
    layout->addWidget(m_leftLabel, 0, 0);
    layout->addWidget(m_leftCamera, 0, 1);
    layout->addWidget(m_rightLabel, 1, 0);
    layout->addWidget(m_rightCamera, 1, 1);
    layout->addWidget(m_portLabel, 2, 0);
    layout->addWidget(m_port, 2, 1);
    layout->addWidget(m_speedLabel, 3, 0);
    layout->addWidget(m_speed, 3, 1);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(m_save);
    buttons->addWidget(m_exit);
    layout->addLayout(buttons, 4, 0, 1, 2);
    retranslate();

    connect(CameraCatalogue::instance(), &CameraCatalogue::camerasChanged, this,
            &LaserSettings::updateCameraLists);
    QMetaObject::connectSlotsByName(this);
}

void LaserSettings::retranslate()
{
    setWindowTitle(tr("Налаштування"));
    m_leftLabel->setText(tr("Ліва камера"));
    m_rightLabel->setText(tr("Права камера"));
    m_portLabel->setText(tr("COM-порт"));
    m_speedLabel->setText(tr("Швидкість"));
    m_save->setText(tr("Save"));
    m_exit->setText(tr("Cancel"));
}

void LaserSettings::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange && m_save)
        retranslate();
    QWidget::changeEvent(event);
}

void LaserSettings::updateCameraLists()
{
    for (QComboBox *box : {m_leftCamera, m_rightCamera}) {
        const QString chosen = box->currentData().toString();
        box->clear();
        for (const CameraEntry &camera : CameraCatalogue::instance()->cameras())
            box->addItem(camera.description, QString::fromUtf8(camera.id));
        selectByData(box, chosen);
    }
}

void LaserSettings::loadSettings()
{
    updateCameraLists();
    m_port->clear();
    for (const SerialPortEntry &port : SerialPortCatalogue::availablePorts())
        m_port->addItem(port.portName);
    m_speed->clear();
    m_speed->addItems(baudRates());

    const QSettings settings(laserSettingsFile(), QSettings::IniFormat);
    selectByData(m_leftCamera, settings.value(QStringLiteral("Hardware/LeftCamera")).toString());
    selectByData(m_rightCamera, settings.value(QStringLiteral("Hardware/RightCamera")).toString());
    selectByText(m_port, settings.value(QStringLiteral("Hardware/ComPort")).toString());
    selectByText(m_speed,
                 settings.value(QStringLiteral("Hardware/BaudRate"), QStringLiteral("115200")).toString());
}

void LaserSettings::on_SaveButton_clicked()
{
    {
        QSettings settings(laserSettingsFile(), QSettings::IniFormat);
        settings.setValue(QStringLiteral("Hardware/ComPort"), m_port->currentText());
        settings.setValue(QStringLiteral("Hardware/BaudRate"), m_speed->currentText().toInt());
        settings.setValue(QStringLiteral("Hardware/LeftCamera"), m_leftCamera->currentData().toString());
        settings.setValue(QStringLiteral("Hardware/RightCamera"), m_rightCamera->currentData().toString());
    }
    QMessageBox::information(this, tr("Успіх"), tr("Налаштування збережено!"));
    emit settingsSaved();
    close();
}

void LaserSettings::on_ExitButton_clicked()
{
    close();
}
