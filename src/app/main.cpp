#include "logfile.h"
#include "mainwindow.h"
#include "settingsfolder.h"
#include "startupsplash.h"

#include <QApplication>
#include <QDebug>
#include <QIcon>
#include <QPointer>
#include <QScreen>
#include <QSplashScreen>
#include <QTimer>
#include <QTranslator>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    qInstallMessageHandler(logMessageHandler);
    qDebug().noquote() << "=== KOVRAN запущено ===" << QCoreApplication::applicationFilePath();

    QApplication::setWindowIcon(QIcon(QStringLiteral(":/images/images/kovran_mark.ico")));
    migrateLegacySettings();

    // Source texts are Ukrainian; this translation sits underneath whatever language a window adds on top.
    QTranslator baseTranslator;
    if (baseTranslator.load(QStringLiteral(":/i18n/KOVRAN_uk_UA.qm")))
        QCoreApplication::installTranslator(&baseTranslator);

    const QScreen *screen = QGuiApplication::primaryScreen();
    const QRect screenGeometry = screen ? screen->geometry() : QRect(0, 0, 1280, 800);
    QPointer<QSplashScreen> splash = showStartupSplash(screenGeometry).screen;

    QPointer<MainWindow> mainWindow = new MainWindow;

    QTimer::singleShot(StartupSplash::kDurationMs, &app, [splash, mainWindow] {
        if (mainWindow)
            mainWindow->openModule(mainWindow->module(), false);
        if (splash)
            splash->close();
    });

    return app.exec();
}
