// Types through the real X11 backend into an X server of the test's own (Xvfb) and reads back what Qt
// widgets received.
#include "platform/linux/xdokeystrokesink.h"
#include "recording/keyboardemulation.h"
#include "recording/keyboardemulatordialog.h"
#include "settingssandbox.h"

#include <QApplication>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include <csignal>
#include <sys/prctl.h>

class TestKeystrokesX11 : public QObject
{
    Q_OBJECT

    SettingsSandbox m_sandbox;

private slots:
    void initTestCase()
    {
        saveKeyboardEmulationSettings({true, 1, 3, false}); // Tab between, Enter after
        QVERIFY2(keystrokeSink().isAvailable(), qPrintable(keystrokeSink().unavailableReason()));
    }

    void typesIntoTheFocusedProgram()
    {
        QWidget window;
        auto *first = new QLineEdit(&window);
        auto *second = new QLineEdit(&window);
        window.show();
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        first->setFocus();
        QTRY_VERIFY(first->hasFocus());
        QSignalSpy entered(second, &QLineEdit::returnPressed);

        // Not on the US map, so typed over spare keycodes: a surrogate pair, a repeat, more than one.
        const QString exotic = QString::fromUtf8("−6,780 üµ😀ü");
        typeFields({QStringLiteral("12.345"), exotic});
        QTRY_COMPARE(second->text(), exotic);
        QCOMPARE(first->text(), QStringLiteral("12.345"));
        QTRY_COMPARE(entered.count(), 1);
    }

    void dialogTestShowsTheRecord()
    {
        KeyboardEmulatorDialog dialog;
        dialog.show();
        dialog.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        dialog.findChild<QPushButton *>("testButton")->click();
        QTRY_COMPARE(dialog.findChild<QLineEdit *>("testEdit")->text(), QString::fromUtf8("12.345⇥-6.780↵"));
        QVERIFY(dialog.isVisible()); // the typed Enter pressed no button
    }

    void unavailable_data()
    {
        QTest::addColumn<QByteArray>("display");
        QTest::addColumn<QByteArray>("wayland");
        QTest::addColumn<QString>("mentions");
        QTest::newRow("no DISPLAY") << QByteArray() << QByteArray() << "DISPLAY";
        QTest::newRow("Wayland without XWayland") << QByteArray() << QByteArray("wayland-0") << "Wayland";
        QTest::newRow("display cannot be opened") << QByteArray(":4711") << QByteArray() << ":4711";
    }
    void unavailable()
    {
        QFETCH(QByteArray, display);
        QFETCH(QByteArray, wayland);
        QFETCH(QString, mentions);
        const QByteArray ownDisplay = qgetenv("DISPLAY");
        qputenv("DISPLAY", display);
        qputenv("WAYLAND_DISPLAY", wayland);
        XdoKeystrokeSink sink;
        qputenv("DISPLAY", ownDisplay);
        qunsetenv("WAYLAND_DISPLAY");

        QVERIFY(!sink.isAvailable());
        QVERIFY2(sink.unavailableReason().contains(mentions), qPrintable(sink.unavailableReason()));
        sink.sendUnicodeChar(u'1'); // nothing happens, nothing crashes
        sink.sendVirtualKey(VirtualKey::Return);
    }
};

int main(int argc, char **argv)
{
    // Xvfb picks its display number and writes it (-displayfd) once it accepts connections.
    QProcess xvfb;
    xvfb.setChildProcessModifier([] { prctl(PR_SET_PDEATHSIG, SIGTERM); }); // dies with a killed test
    xvfb.start(QStringLiteral("Xvfb"), {"-displayfd", "1", "-nolisten", "tcp", "-screen", "0", "800x600x24"});
    while (xvfb.waitForStarted(10000) && !xvfb.canReadLine() && xvfb.waitForReadyRead(20000)) {
    }
    const QByteArray display = xvfb.canReadLine() ? ':' + xvfb.readLine().trimmed() : QByteArray();
    if (display.isEmpty()) {
        qCritical("FAIL: no X server (package xvfb) for the keystroke round trip: %s %s",
                  qPrintable(xvfb.errorString()), xvfb.readAllStandardError().constData());
        return 1;
    }
    qputenv("DISPLAY", display);
    qputenv("QT_QPA_PLATFORM", "xcb");
    int result = 0;
    {
        QApplication app(argc, argv);
        TestKeystrokesX11 test;
        result = QTest::qExec(&test, argc, argv);
        setKeystrokeSink(nullptr); // gives the spare keys back while the server still runs
    }
    xvfb.terminate();
    xvfb.waitForFinished(5000);
    return result;
}

#include "tst_keystrokes_x11.moc"
