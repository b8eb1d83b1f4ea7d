#include "mainwindow.h"

#include "modulechooser.h"
#include "modules/height_gauge/devozorwindow.h"
#include "modules/laser/lasernuromer.h"
#include "modules/stand/standwindow.h"
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
    bool stored = false;
    const int choice = config.value(QStringLiteral("default_module")).toInt(&stored);
    m_module = stored ? startupModule(choice) : int(Workspace);
}

int MainWindow::startupModule(int storedChoice)
{
    return storedChoice >= NoModule && storedChoice <= LaserBoreGauge ? storedChoice : int(Workspace);
}

void MainWindow::openModule(int module, bool remember)
{
    if (remember) {
        QSettings config(configFile(), QSettings::IniFormat);
        config.setValue(QStringLiteral("default_module"), module);
    }
    if (module == NoModule)
        showChooser();
    else
        openModuleWindow(module);
    setAttribute(Qt::WA_DeleteOnClose);
    close();
}

ModuleChooser *MainWindow::showChooser()
{
    auto *chooser = new ModuleChooser;
    connect(chooser, &ModuleChooser::moduleChosen, chooser, [](int module, bool remember) {
        // A start-up window of its own, as at the start: it remembers the choice and opens the module.
        (new MainWindow)->openModule(module, remember);
    });
    chooser->adjustSize();
    if (const QScreen *screen = chooser->screen())
        chooser->move(screen->availableGeometry().center() - chooser->rect().center());
    chooser->show();
    qDebug().noquote() << "[INFO] показано вибір модуля";
    return chooser;
}

QMainWindow *MainWindow::openModuleWindow(int module)
{
    QMainWindow *window = nullptr;
    switch (module) {
    case HeightGauge:
        window = new DevozorWindow;
        qDebug().noquote() << "[INFO] відкрито модуль висотоміра";
        break;
    case MeasuringStand:
        window = new StandWindow;
        window->setAttribute(Qt::WA_DeleteOnClose);
        if (const QScreen *screen = window->screen())
            window->setGeometry(screen->geometry());
        window->showFullScreen();
        qDebug().noquote() << "[INFO] відкрито модуль вимірювальної стійки";
        return window;
    case LaserBoreGauge:
        window = new LaserNuromer;
        qDebug().noquote() << "[INFO] відкрито модуль лазерного нутроміра";
        break;
    case Workspace: {
        auto *workspace = new MeasuringSystem;
        connect(workspace, &MeasuringSystem::moduleRequested, workspace,
                [](int chosen) { openModuleWindow(chosen); });
        connect(workspace, &MeasuringSystem::moduleChooserRequested, workspace, [] { showChooser(); });
        window = workspace;
        qDebug().noquote() << "[INFO] відкрито робочу область";
        break;
    }
    default:
        qDebug().noquote() << "[INFO] невідомий модуль" << module;
        return nullptr;
    }
    window->setAttribute(Qt::WA_DeleteOnClose);
    // Without a window manager (kiosk sessions) maximising does nothing; start at full size anyway.
    if (const QScreen *screen = window->screen())
        window->setGeometry(screen->availableGeometry());
    window->showMaximized();
    return window;
}

void MainWindow::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape) {
        close();
        return;
    }
    QMainWindow::keyPressEvent(event);
}
