#include "mainwindow.h"

#include "modules/height_gauge/devozorwindow.h"
#include "settingsfolder.h"
#include "workspace/measuringsystem.h"

#include <QDebug>
#include <QKeyEvent>
#include <QScreen>
#include <QSettings>

namespace {

QString configFile()
{
    return settingsFilePath(QStringLiteral("config.ini"));
}

} // namespace

MainWindow::MainWindow(QWidget *parent)
    : QMainWindow(parent)
{
    const QSettings config(configFile(), QSettings::IniFormat);
    m_module = startupModule(config.value(QStringLiteral("default_module"), 0).toInt());
}

int MainWindow::startupModule(int storedChoice)
{
    return storedChoice >= HeightGauge && storedChoice <= LaserBoreGauge ? storedChoice : int(Workspace);
}

void MainWindow::openModule(int module, bool remember)
{
    if (remember) {
        QSettings config(configFile(), QSettings::IniFormat);
        config.setValue(QStringLiteral("default_module"), module);
    }

    QMainWindow *window = nullptr;
    switch (module) {
    case HeightGauge:
        window = new DevozorWindow;
        window->setAttribute(Qt::WA_DeleteOnClose);
        if (const QScreen *screen = window->screen())
            window->setGeometry(screen->availableGeometry());
        window->showMaximized();
        qDebug().noquote() << "[INFO] відкрито модуль висотоміра";
        break;
    case MeasuringStand:
    case LaserBoreGauge:
        // These module windows are not part of this build yet; the workspace stands in for them.
        qDebug().noquote() << "[INFO] модуль" << module
                           << "не входить до цієї збірки програми, відкривається робоча область";
        Q_FALLTHROUGH();
    case Workspace:
        window = new MeasuringSystem;
        window->setAttribute(Qt::WA_DeleteOnClose);
        // Without a window manager (kiosk sessions) maximising does nothing; start at full size anyway.
        if (const QScreen *screen = window->screen())
            window->setGeometry(screen->availableGeometry());
        window->showMaximized();
        qDebug().noquote() << "[INFO] відкрито робочу область";
        break;
    default:
        qDebug().noquote() << "[INFO] невідомий модуль" << module;
        break;
    }

    setAttribute(Qt::WA_DeleteOnClose);
    close();
}

void MainWindow::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape) {
        close();
        return;
    }
    QMainWindow::keyPressEvent(event);
}
