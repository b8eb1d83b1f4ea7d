#include "logfile.h"
#include "mainwindow.h"
#include "settingsfolder.h"
#include "startupsplash.h"
#include "version.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDebug>
#include <QIcon>
#include <QPointer>
#include <QScreen>
#include <QSplashScreen>
#include <QTimer>
#include <QTranslator>

#include <cstdio>
#include <cstdlib>

namespace {

// --help and --version are answered before QApplication exists, so they work without a display. Parse
// errors are ignored here: QApplication takes its own options (-platform, -style, ...) afterwards.
void answerCommandLine(int argc, char *argv[])
{
    const QCoreApplication core(argc, argv);
    QCommandLineParser parser;
    // No translation is loaded yet: the description stays in the source language.
    parser.setApplicationDescription(
        QStringLiteral("KOVRAN — програма вимірювального стенда контролю якості."));
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    parser.parse(QCoreApplication::arguments());
    if (parser.isSet(version)) {
        std::printf("KOVRAN %s\n", qUtf8Printable(kovranVersion()));
        std::exit(EXIT_SUCCESS);
    }
    // --help-all (Qt's options as well) would need the GUI application; plain help has to do.
    if (parser.isSet(help) || parser.isSet(QStringLiteral("help-all")))
        parser.showHelp(EXIT_SUCCESS);
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication::setApplicationVersion(kovranVersion());
    answerCommandLine(argc, argv);

    QApplication app(argc, argv);
    QGuiApplication::setDesktopFileName(QStringLiteral("com.kovran.KOVRAN"));
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
