#include "modulechooser.h"

#include "mainwindow.h"

#include <QCheckBox>
#include <QFont>
#include <QEvent>
#include <QGridLayout>
#include <QLabel>
#include <QToolButton>

namespace {

struct ModuleEntry
{
    int module;
    const char *name;
    const char *picture;
};

const ModuleEntry kModules[] = {
    {MainWindow::Workspace, "workspaceButton", ":/images/images/module_workspace.png"},
    {MainWindow::HeightGauge, "heightGaugeButton", ":/images/images/module_height_gauge.png"},
    {MainWindow::MeasuringStand, "measuringStandButton", ":/images/images/module_stand.png"},
    {MainWindow::LaserBoreGauge, "laserBoreGaugeButton", ":/images/images/module_laser.png"},
};

} // namespace

ModuleChooser::ModuleChooser(QWidget *parent)
    : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("ModuleChooser"));
    setAttribute(Qt::WA_DeleteOnClose);
    auto *layout = new QGridLayout(this);
    layout->setSpacing(16);
    layout->setContentsMargins(24, 24, 24, 24);
    auto *title = new QLabel(this);
    title->setObjectName(QStringLiteral("titleLabel"));
    title->setStyleSheet(QStringLiteral("font-size: 20px; font-weight: bold;"));
    layout->addWidget(title, 0, 0, 1, 4);
    for (int i = 0; i < 4; ++i) {
        auto *button = new QToolButton(this);
        button->setObjectName(QLatin1String(kModules[i].name));
        button->setIcon(QIcon(QLatin1String(kModules[i].picture)));
        button->setIconSize(QSize(160, 120));
        button->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
        button->setMinimumSize(190, 170);
        // A font of its own rather than a style sheet: the size hint then knows it before the window is laid out.
        QFont font = button->font();
        font.setPixelSize(14);
        font.setBold(true);
        button->setFont(font);
        const int module = kModules[i].module;
        connect(button, &QToolButton::clicked, this, [this, module] {
            emit moduleChosen(module, rememberChoice());
            close();
        });
        layout->addWidget(button, 1, i);
    }
    m_remember = new QCheckBox(this);
    m_remember->setObjectName(QStringLiteral("rememberCheckBox"));
    layout->addWidget(m_remember, 2, 0, 1, 4);
    retranslate();
}

bool ModuleChooser::rememberChoice() const
{
    return m_remember->isChecked();
}

void ModuleChooser::retranslate()
{
    setWindowTitle(tr("KOVRAN — вибір модуля"));
    findChild<QLabel *>(QStringLiteral("titleLabel"))->setText(tr("Оберіть модуль"));
    const QString texts[] = {tr("Робоча область"), tr("Висотомір"), tr("Вимірювальна стійка"),
                             tr("Лазерний нутромір")};
    for (int i = 0; i < 4; ++i)
        findChild<QToolButton *>(QLatin1String(kModules[i].name))->setText(texts[i]);
    m_remember->setText(tr("Запам'ятати мій вибір і відкривати цей модуль при запуску"));
}

void ModuleChooser::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QWidget::changeEvent(event);
}
