#include "heightgaugeboardpeer.h"
#include "modalanswerer.h"
#include "modules/height_gauge/devozorwindow.h"
#include "modules/height_gauge/heightgaugecycles.h"
#include "settingssandbox.h"
#include "virtualports.h"

#include <QLineEdit>
#include <QProcess>
#include <QProgressBar>
#include <QPushButton>
#include <QRegularExpression>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

// The height gauge window against the simulated board over a pseudo-terminal: every cycle as the operator
// starts it, with the carriage really moving and the rows that come out of it.
class TestHeightGauge : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void surfacesAndGap();
    void centreDistanceAcrossAManualMove();
    void scanAndBaseSetting();
    void macroRepeatsAndStopHeight();
    void unpluggedBoardIsFoundAgain();
    void exportsKeepEveryText();

private:
    void click(const char *name);
    // Puts the carriage somewhere, as the operator would by hand, and waits until the window shows it.
    void moveTo(double height);
    QString cell(int row, int column) const { return m_window->table()->item(row, column)->text(); }
    int rows() const { return m_window->table()->rowCount(); }
    // Frames the board heard since the last clear, as hex.
    QStringList heard() const;

    std::unique_ptr<SettingsSandbox> m_settings;
    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<VirtualPorts> m_ports;
    std::unique_ptr<HeightGaugeBoardPeer> m_board;
    std::unique_ptr<DevozorWindow> m_window;
};

void TestHeightGauge::init()
{
    m_settings = std::make_unique<SettingsSandbox>();
    QVERIFY(m_settings->writeFile(QStringLiteral("devozor_settings.ini"), "[MainSettings]\nunits=0\n"));
    m_dir = std::make_unique<QTemporaryDir>();
    m_board = std::make_unique<HeightGaugeBoardPeer>();
    m_board->setTimeScale(4.0);
    const QString port = m_board->link(m_dir->filePath(QStringLiteral("ttyHEIGHT0")));
    QVERIFY(!port.isEmpty());
    m_ports = std::make_unique<VirtualPorts>();
    m_ports->add(port + QStringLiteral("@ABCD:1234"));
    m_window = std::make_unique<DevozorWindow>();
    QTRY_VERIFY(m_window->isConnected());
    QTRY_COMPARE(m_window->height(), 30.0);
    QTRY_COMPARE(m_window->laser(), 0.0); // the laser is on: the cycles take their baseline from it
}

void TestHeightGauge::cleanup()
{
    m_window.reset();
    m_board.reset();
    m_ports.reset();
    m_dir.reset();
    m_settings.reset();
}

void TestHeightGauge::click(const char *name)
{
    auto *button = m_window->findChild<QPushButton *>(QLatin1String(name));
    QVERIFY2(button, name);
    QTest::mouseClick(button, Qt::LeftButton);
}

void TestHeightGauge::moveTo(double height)
{
    m_board->setPosition(height);
    QTRY_COMPARE(m_window->height(), height);
    QTRY_COMPARE(m_window->laser(), m_board->laserValue());
}

QStringList TestHeightGauge::heard() const
{
    QStringList frames;
    for (const QByteArray &frame : m_board->commands())
        frames.append(QString::fromLatin1(frame.toHex(' ')));
    return frames;
}

void TestHeightGauge::surfacesAndGap()
{
    click("Point_megering");
    click("Auto_or_Manual_button");
    m_board->clearLog();
    click("Dn_move"); // the lower face from above
    QTRY_COMPARE_WITH_TIMEOUT(rows(), 1, 15000);
    QCOMPARE(cell(0, 1), QStringLiteral("25.000"));
    QCOMPARE(cell(0, 2), QStringLiteral("---"));
    QCOMPARE(cell(0, 3), QStringLiteral("mm"));
    // The second approach is the slow one: speed 5, slow-step type 2, down.
    const QString sequence = heard().join(QLatin1Char('|'));
    QVERIFY2(sequence.contains(QRegularExpression(QStringLiteral("72 05 ..\\|78 02 ..\\|6c 55 .."))),
             qPrintable(sequence));

    click("StopButton");
    moveTo(30.0);
    click("Up_move"); // the upper face from below
    QTRY_COMPARE_WITH_TIMEOUT(rows(), 2, 15000);
    QCOMPARE(cell(1, 1), QStringLiteral("40.000"));

    click("TwoPoint_megering");
    click("StopButton");
    moveTo(30.0);
    click("Dn_move"); // the gap between them
    QTRY_COMPARE_WITH_TIMEOUT(rows(), 3, 30000);
    QCOMPARE(cell(2, 1), QStringLiteral("15.000"));
}

void TestHeightGauge::centreDistanceAcrossAManualMove()
{
    m_board->setSolids({{0.0, 25.0}, {40.0, 60.0}, {70.0, 300.0}});
    click("centrPoint_megering");
    click("Auto_or_Manual_button");
    click("Dn_move");
    QTRY_COMPARE_WITH_TIMEOUT(m_window->cycles()->step(), 33, 30000);
    QVERIFY(!m_window->isAutomatic()); // the operator moves to the second bore by hand
    QCOMPARE(rows(), 0);

    click("Up_move"); // still marked as moving: this stops
    click("Up_move"); // jogs up
    QTRY_VERIFY_WITH_TIMEOUT(m_board->position() > 45.0, 10000);
    click("StopButton");
    QCOMPARE(m_window->cycles()->step(), 33);
    QTRY_VERIFY(!m_board->isMoving());
    moveTo(65.0);

    click("Auto_or_Manual_button");
    click("Up_move");
    QTRY_COMPARE_WITH_TIMEOUT(rows(), 1, 30000);
    QCOMPARE(cell(0, 1), QStringLiteral("32.500")); // centres 32.5 and 65
    QCOMPARE(m_window->cycles()->cycle(), 0);
}

void TestHeightGauge::scanAndBaseSetting()
{
    click("ScanMegering");
    auto *step = m_window->findChild<QLineEdit *>(QStringLiteral("StepScanMode"));
    QVERIFY(step && step->isVisible());
    step->setText(QStringLiteral("0.5"));
    m_window->findChild<QLineEdit *>(QStringLiteral("min_scan_lineEdit"))->setText(QStringLiteral("10"));
    m_window->findChild<QLineEdit *>(QStringLiteral("max_scan_lineEdit"))->setText(QStringLiteral("12"));
    QTest::mouseClick(step->parentWidget()->findChild<QPushButton *>(QStringLiteral("pushButton")),
                      Qt::LeftButton);
    moveTo(16.0);
    m_board->setTimeScale(2.0); // rows land within a status interval of travel past their points
    click("Auto_or_Manual_button");
    click("Up_move");
    QTRY_COMPARE_WITH_TIMEOUT(m_window->cycles()->cycle(), 0, 20000);
    // 10, 10.5, 11, 11.5, and 12 when a status lands on it exactly.
    QVERIFY2(rows() == 4 || rows() == 5, QByteArray::number(rows()).constData());
    for (int row = 0; row < rows(); ++row) {
        const double height = cell(row, 1).toDouble();
        QVERIFY2(height >= 10.0 + 0.5 * row && height < 10.0 + 0.5 * row + 0.3, qPrintable(cell(row, 1)));
        QVERIFY(cell(row, 2) != QStringLiteral("---"));
    }

    m_board->clearLog();
    moveTo(30.0);
    click("BaseSet");
    QTRY_COMPARE_WITH_TIMEOUT(m_window->cycles()->cycle(), 0, 20000);
    // The base value 20.0 as a little-endian float after the zero.
    const QString sequence = heard().join(QLatin1Char('|'));
    QVERIFY2(sequence.contains(QRegularExpression(QStringLiteral("74 55 ..\\|76 00 00 a0 41 .."))),
             qPrintable(sequence));
    QTRY_COMPARE(m_window->height(), 20.0); // resting on the base, which is now 20
}

void TestHeightGauge::macroRepeatsAndStopHeight()
{
    const QString macro = m_dir->filePath(QStringLiteral("steps.mcm"));
    QFile file(macro);
    auto *start = m_window->findChild<QPushButton *>(QStringLiteral("StartMacros"));
    auto *repeats = m_window->findChild<QLineEdit *>(QStringLiteral("RepeatCounter"));
    m_window->setMacroStepDelay(20);

    // A recorded jog and its stop height: playback drives down and stops there.
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("on_Down_button_clicked\nSTOP: 12.5\n");
    file.close();
    QVERIFY(m_window->loadMacro(macro));
    m_board->setTimeScale(1.0); // a slow carriage: the stop lands within a status interval of travel
    click("StartMacros");
    QTRY_VERIFY(m_board->isMoving());
    QTRY_VERIFY_WITH_TIMEOUT(!m_board->isMoving(), 10000);
    QVERIFY2(m_board->position() <= 12.5 && m_board->position() > 11.5,
             qPrintable(QString::number(m_board->position())));
    QTRY_COMPARE(start->text(), QStringLiteral("START"));

    // Three steps recorded as the operator clicks them, then played twice: six steps, each after the one
    // before has ended.
    m_window->setFileNameProvider([&macro](const QString &, const QString &) { return macro; });
    click("Study_button");
    click("Point_megering");
    click("Devozor_Value");
    click("ZeroDevozor");
    click("Study_button");
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(),
             QByteArray("on_Point_megering_clicked\non_Devozor_Value_clicked\nZERO_DEVOZOR\n"));
    file.close();
    QCOMPARE(rows(), 1);
    QTRY_VERIFY(
        !heard().filter(QRegularExpression(QStringLiteral("^74 55 "))).isEmpty()); // the recorded zero
    QVERIFY(m_window->loadMacro(macro));
    repeats->setText(QStringLiteral("2"));
    m_board->clearLog();
    click("StartMacros");
    QCOMPARE(start->text(), QStringLiteral("STOP"));
    QTRY_COMPARE(start->text(), QStringLiteral("START"));
    QCOMPARE(m_window->findChild<QProgressBar *>(QStringLiteral("progressBar"))->value(), 6);
    QCOMPARE(rows(), 2); // the first pass leaves the point mode, the second takes it again
    QCOMPARE(heard().filter(QRegularExpression(QStringLiteral("^74 55 "))).size(), 2); // ZERO_DEVOZOR twice
}

void TestHeightGauge::unpluggedBoardIsFoundAgain()
{
    const QString port = m_board->linkPath();
    m_board->unlink();
    QTRY_VERIFY(!m_window->isConnected());
    m_board->link(port);
    QTRY_VERIFY_WITH_TIMEOUT(m_window->isConnected(), 5000);
    m_board->setPosition(31.0);
    QTRY_COMPARE(m_window->height(), 31.0);
}

// A text with quotes and markup survives both exports as it is; a file that cannot be written is said so.
void TestHeightGauge::exportsKeepEveryText()
{
    click("Point_megering");
    click("Devozor_Value");
    m_window->table()->item(0, 3)->setText(QStringLiteral("mm \"<b>\""));
    QString answer;
    m_window->setFileNameProvider([&answer](const QString &, const QString &) { return answer; });

    answer = m_dir->filePath(QStringLiteral("rows.csv"));
    click("exporCSV");
    QFile csv(answer);
    QVERIFY(csv.open(QIODevice::ReadOnly));
    const QList<QByteArray> lines = csv.readAll().split('\n');
    QCOMPARE(lines.value(0), QByteArray("\"DATE\",\"Z\",\"X\",\"unit\""));
    QVERIFY2(lines.value(1).endsWith(",\"30.000\",\"---\",\"mm \"\"<b>\"\"\""), lines.value(1).constData());

    answer = m_dir->filePath(QStringLiteral("rows.pdf"));
    click("exportPDF");
    QProcess pdftotext;
    pdftotext.start(QStringLiteral("pdftotext"), {answer, QStringLiteral("-")});
    QVERIFY(pdftotext.waitForFinished(10000));
    const QString text = QString::fromUtf8(pdftotext.readAllStandardOutput());
    QVERIFY2(text.contains(QStringLiteral("30.000")) && text.contains(QStringLiteral("mm \"<b>\"")),
             qPrintable(text));

    answer = m_dir->filePath(QStringLiteral("missing/rows.pdf"));
    ModalAnswerer warning(QMessageBox::Ok);
    click("exportPDF");
    QVERIFY(warning.waitAnswered());
    QVERIFY(warning.text().contains(QStringLiteral("rows.pdf")));
}

QTEST_MAIN(TestHeightGauge)
#include "tst_heightgauge.moc"
