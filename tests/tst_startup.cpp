#include "app/mainwindow.h"
#include "app/modulechooser.h"
#include "app/startupsplash.h"
#include "modalanswerer.h"
#include "settingssandbox.h"
#include "workspace/measuringsystem.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QPointer>
#include <QPropertyAnimation>
#include <QSettings>
#include <QSplashScreen>
#include <QTest>
#include <QToolButton>
#include <QTranslator>

#include <memory>

namespace {

QList<MeasuringSystem *> workspaces()
{
    QList<MeasuringSystem *> found;
    for (QWidget *widget : QApplication::topLevelWidgets()) {
        if (auto *workspace = qobject_cast<MeasuringSystem *>(widget))
            found.append(workspace);
    }
    return found;
}

void closeAllWorkspaces()
{
    for (MeasuringSystem *workspace : workspaces())
        delete workspace;
}

} // namespace

class TestStartup : public QObject
{
    Q_OBJECT

private slots:
    void init() { m_sandbox = std::make_unique<SettingsSandbox>(); }
    void cleanup()
    {
        closeAllWorkspaces();
        m_sandbox.reset();
    }

    void splashStartGeometry_data();
    void splashStartGeometry();
    void splashGrowsToFullScreen();
    void storedModuleChoice_data();
    void storedModuleChoice();
    void openModuleRemembersAndClosesStartWindow();
    void everyModuleOpensItsWindow();
    void chooserRemembersAndResetAsksAgain();
    void unknownModuleOpensNothing();
    void escapeClosesStartWindow();
    void everyLanguageLoads_data();
    void everyLanguageLoads();

private:
    std::unique_ptr<SettingsSandbox> m_sandbox;
};

void TestStartup::splashStartGeometry_data()
{
    QTest::addColumn<QSize>("screen");
    QTest::addColumn<QRect>("expected");
    QTest::newRow("full HD") << QSize(1920, 1080) << QRect(864, 486, 192, 108);
    QTest::newRow("fractions are cut") << QSize(1366, 768) << QRect(615, 346, 136, 76);
    QTest::newRow("odd remainder") << QSize(1001, 99) << QRect(450, 45, 100, 9);
}

void TestStartup::splashStartGeometry()
{
    QFETCH(QSize, screen);
    QFETCH(QRect, expected);
    QCOMPARE(splashPictureStartGeometry(screen), expected);
}

void TestStartup::splashGrowsToFullScreen()
{
    const QRect screen(0, 0, 1600, 900);
    const StartupSplash splash = showStartupSplash(screen);
    QPointer<QSplashScreen> window = splash.screen;
    QPointer<QPropertyAnimation> animation = splash.animation;
    QVERIFY(window->isVisible());
    QCOMPARE(window->size(), screen.size());
    QVERIFY(window->testAttribute(Qt::WA_TranslucentBackground));
    QVERIFY(window->windowFlags().testFlag(Qt::FramelessWindowHint));
    QVERIFY(window->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    QCOMPARE(splash.picture->geometry(), QRect(720, 405, 160, 90));
    QVERIFY(splash.picture->hasScaledContents());
    QVERIFY(!splash.picture->pixmap().isNull());
    QCOMPARE(animation->duration(), 3000);
    QCOMPARE(animation->easingCurve().type(), QEasingCurve::OutExpo);

    animation->setCurrentTime(1500);
    const QRect halfway = splash.picture->geometry();
    QVERIFY(halfway.width() > 1500); // OutExpo: nearly there at half time
    animation->setCurrentTime(3000);
    QCOMPARE(splash.picture->geometry(), QRect(QPoint(0, 0), screen.size()));
    QTRY_VERIFY(animation.isNull()); // deletes itself once stopped

    window->close();
    QTRY_VERIFY(window.isNull());
}

void TestStartup::storedModuleChoice_data()
{
    QTest::addColumn<QVariant>("stored");
    QTest::addColumn<int>("module");
    QTest::newRow("nothing stored") << QVariant() << 2;
    QTest::newRow("0 asks") << QVariant(0) << 0;
    QTest::newRow("height gauge") << QVariant(1) << 1;
    QTest::newRow("workspace") << QVariant(2) << 2;
    QTest::newRow("stand") << QVariant(3) << 3;
    QTest::newRow("laser") << QVariant(4) << 4;
    QTest::newRow("out of range") << QVariant(7) << 2;
    QTest::newRow("negative") << QVariant(-1) << 2;
    QTest::newRow("text") << QVariant(QStringLiteral("laser")) << 2;
}

void TestStartup::storedModuleChoice()
{
    QFETCH(QVariant, stored);
    QFETCH(int, module);
    if (stored.isValid()) {
        QSettings config(m_sandbox->filePath(QStringLiteral("config.ini")), QSettings::IniFormat);
        config.setValue(QStringLiteral("default_module"), stored);
    }
    MainWindow window;
    QCOMPARE(window.module(), module);
}

void TestStartup::openModuleRemembersAndClosesStartWindow()
{
    QPointer<MainWindow> start = new MainWindow;
    start->openModule(MainWindow::Workspace, true);
    QTRY_VERIFY(start.isNull());

    QCOMPARE(workspaces().size(), 1);
    MeasuringSystem *workspace = workspaces().first();
    QVERIFY(workspace->isVisible());
    QVERIFY(workspace->windowState().testFlag(Qt::WindowMaximized));
    QVERIFY(workspace->testAttribute(Qt::WA_DeleteOnClose));
    QVERIFY(!workspace->parent());

    const QSettings config(m_sandbox->filePath(QStringLiteral("config.ini")), QSettings::IniFormat);
    QCOMPARE(config.value(QStringLiteral("default_module")).toInt(), 2);
}

// Each module number opens its own window and nothing else.
void TestStartup::everyModuleOpensItsWindow()
{
    const std::pair<int, const char *> modules[] = {
        {MainWindow::HeightGauge, "DevozorWindow"},
        {MainWindow::MeasuringStand, "StandWindow"},
        {MainWindow::LaserBoreGauge, "LaserNuromer"},
    };
    for (const auto &[module, className] : modules) {
        QPointer<MainWindow> start = new MainWindow;
        start->openModule(module, false);
        QTRY_VERIFY(start.isNull());
        QVERIFY(workspaces().isEmpty());
        QList<QPointer<QWidget>> opened;
        for (QWidget *window : QApplication::topLevelWidgets()) {
            if (window->isVisible() && window->inherits("QMainWindow"))
                opened.append(window);
        }
        QCOMPARE(opened.size(), 1);
        QCOMPARE(opened.first()->metaObject()->className(), className);
        opened.first()->close();
        QTRY_VERIFY(opened.first().isNull());
    }
    const QSettings config(m_sandbox->filePath(QStringLiteral("config.ini")), QSettings::IniFormat);
    QVERIFY(!config.contains(QStringLiteral("default_module"))); // not asked to remember
}

// Stored 0: the chooser; a remembered choice is what the next start opens, and the workspace's reset makes
// the start ask again.
void TestStartup::chooserRemembersAndResetAsksAgain()
{
    QSettings config(m_sandbox->filePath(QStringLiteral("config.ini")), QSettings::IniFormat);
    config.setValue(QStringLiteral("default_module"), 0);
    config.sync();
    QPointer<MainWindow> start = new MainWindow;
    QCOMPARE(start->module(), int(MainWindow::NoModule));
    start->openModule(start->module(), false);
    QTRY_VERIFY(start.isNull());
    QPointer<ModuleChooser> chooser;
    for (QWidget *window : QApplication::topLevelWidgets()) {
        if (auto *found = qobject_cast<ModuleChooser *>(window))
            chooser = found;
    }
    QVERIFY(chooser && chooser->isVisible());
    QVERIFY(workspaces().isEmpty());
    chooser->findChild<QCheckBox *>(QStringLiteral("rememberCheckBox"))->setChecked(true);
    QTest::mouseClick(chooser->findChild<QToolButton *>(QStringLiteral("workspaceButton")), Qt::LeftButton);
    QTRY_VERIFY(chooser.isNull());
    QTRY_COMPARE(workspaces().size(), 1);
    config.sync();
    QCOMPARE(config.value(QStringLiteral("default_module")).toInt(), 2);

    // The Extensions menu opens a module beside the workspace.
    workspaces().first()->findChild<QAction *>(QStringLiteral("actionLaserBoreGauge"))->trigger();
    QPointer<QWidget> laser;
    for (QWidget *window : QApplication::topLevelWidgets()) {
        if (window->inherits("LaserNuromer"))
            laser = window;
    }
    QVERIFY(laser && laser->isVisible());
    laser->close();
    QTRY_VERIFY(laser.isNull());

    ModalAnswerer question(QMessageBox::Yes);
    ModalAnswerer done(QMessageBox::Ok);
    workspaces().first()->findChild<QAction *>(QStringLiteral("actionResetSettings"))->trigger();
    QVERIFY(done.waitAnswered());
    QCOMPARE(MainWindow().module(), int(MainWindow::NoModule));
    closeAllWorkspaces();
}

void TestStartup::unknownModuleOpensNothing()
{
    QPointer<MainWindow> start = new MainWindow;
    start->openModule(9, false);
    QTRY_VERIFY(start.isNull());
    QVERIFY(workspaces().isEmpty());
}

void TestStartup::escapeClosesStartWindow()
{
    MainWindow window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QTest::keyClick(&window, Qt::Key_A);
    QVERIFY(window.isVisible());
    QTest::keyClick(&window, Qt::Key_Escape);
    QVERIFY(!window.isVisible());
}

void TestStartup::everyLanguageLoads_data()
{
    QTest::addColumn<QString>("code");
    QTest::addColumn<QString>("title");
    QTest::newRow("uk_UA") << QStringLiteral("uk_UA") << QStringLiteral("KOVRAN — Вимірювальна система");
    QTest::newRow("en_150") << QStringLiteral("en_150") << QStringLiteral("KOVRAN — Measuring system");
    QTest::newRow("de_DE") << QStringLiteral("de_DE") << QStringLiteral("KOVRAN — Messsystem");
    QTest::newRow("it_IT") << QStringLiteral("it_IT") << QStringLiteral("KOVRAN — Sistema di misura");
    QTest::newRow("fr_FR") << QStringLiteral("fr_FR") << QStringLiteral("KOVRAN — Système de mesure");
    QTest::newRow("pl_PL") << QStringLiteral("pl_PL") << QStringLiteral("KOVRAN — System pomiarowy");
}

void TestStartup::everyLanguageLoads()
{
    QFETCH(QString, code);
    QFETCH(QString, title);
    QTranslator translator;
    QVERIFY(translator.load(QStringLiteral(":/i18n/KOVRAN_") + code + QStringLiteral(".qm")));
    QCOMPARE(translator.translate("MeasuringSystem", "KOVRAN — Вимірювальна система"), title);
}

QTEST_MAIN(TestStartup)
#include "tst_startup.moc"
