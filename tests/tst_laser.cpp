#include "app/settingsfolder.h"
#include "lasersensorpeer.h"
#include "links/modbus/modbusframe.h"
#include "modalanswerer.h"
#include "modules/cameracatalogue.h"
#include "modules/laser/lasernuromer.h"
#include "modules/laser/laserprotocol.h"
#include "modules/laser/lasersettings.h"
#include "settingssandbox.h"
#include "virtualports.h"

#include <QComboBox>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QSettings>
#include <QTableWidget>
#include <QtTest>

#include <fcntl.h>
#include <pty.h>
#include <unistd.h>

using namespace LaserProtocol;

namespace {

QByteArray withCrc(QByteArray bytes)
{
    const quint16 crc = modbusCrc16(bytes);
    bytes.append(char(crc & 0xFF));
    bytes.append(char(crc >> 8));
    return bytes;
}

// The sensor sends the low word of the micrometres first.
QByteArray reply(quint8 address, quint32 micrometres, quint8 function = 0x03, quint8 count = 4)
{
    const char data[] = {char(address),          char(function),    char(count),
                         char(micrometres >> 8), char(micrometres), char(micrometres >> 24),
                         char(micrometres >> 16)};
    return withCrc(QByteArray(data, sizeof data));
}

// One end of a pseudo-terminal played by the test; the window opens the other.
struct Pty
{
    Pty()
    {
        char name[128] = {};
        if (openpty(&master, &slave, name, nullptr, nullptr) == 0) {
            path = QString::fromLocal8Bit(name);
            fcntl(master, F_SETFL, fcntl(master, F_GETFL) | O_NONBLOCK);
        }
    }
    ~Pty()
    {
        ::close(master);
        ::close(slave);
    }
    QByteArray read(int size)
    {
        QByteArray got;
        QElapsedTimer waited;
        waited.start();
        while (got.size() < size && waited.elapsed() < 2000) {
            char buffer[64];
            const ssize_t n =
                ::read(master, buffer, std::min<size_t>(sizeof buffer, size_t(size - got.size())));
            if (n > 0)
                got.append(buffer, int(n));
            else
                QTest::qWait(5);
        }
        return got;
    }
    void write(const QByteArray &bytes)
    {
        QVERIFY(::write(master, bytes.constData(), bytes.size()) == bytes.size());
    }

    int master = -1;
    int slave = -1;
    QString path;
};

} // namespace

class TestLaser : public QObject
{
    Q_OBJECT

private slots:
    void requestFrames_data();
    void requestFrames();
    void replies_data();
    void replies();
    void tolerance_data();
    void tolerance();
    void zeroingFollowsTheDistances();
    void linkOverPseudoTerminal();
    void simulatedSensorsFoundAndRead();
    void cameraListsFollowTheDevices();
    void exports_data();
    void exports();
};

void TestLaser::requestFrames_data()
{
    QTest::addColumn<int>("address");
    QTest::addColumn<QByteArray>("frame");
    QTest::newRow("sensor 1") << 1 << QByteArray::fromHex("0103003B0002B5C6");
    QTest::newRow("sensor 2") << 2 << QByteArray::fromHex("0203003B0002B5F5");
}

void TestLaser::requestFrames()
{
    QFETCH(int, address);
    QFETCH(QByteArray, frame);
    QCOMPARE(request(quint8(address)).toHex(' '), frame.toHex(' '));
}

void TestLaser::replies_data()
{
    QTest::addColumn<QByteArray>("frame");
    QTest::addColumn<int>("status");
    QTest::addColumn<double>("distance");
    const int accepted = int(ReplyStatus::Accepted);
    QTest::newRow("12.345 mm") << withCrc(QByteArray::fromHex("01030430390000")) << accepted << 12.345;
    QTest::newRow("high word second") << reply(1, 0x00020001) << accepted << 131.073;
    QTest::newRow("other sensor") << reply(2, 5000) << int(ReplyStatus::WrongAddress) << 0.0;
    QTest::newRow("exception") << reply(1, 5000, 0x83) << int(ReplyStatus::WrongFunction) << 0.0;
    QTest::newRow("byte count") << reply(1, 5000, 0x03, 2) << int(ReplyStatus::WrongByteCount) << 0.0;
    QByteArray broken = reply(1, 5000);
    broken[8] = char(broken[8] ^ 0x01);
    QTest::newRow("bad crc") << broken << int(ReplyStatus::BadCrc) << 0.0;
}

void TestLaser::replies()
{
    QFETCH(QByteArray, frame);
    QFETCH(int, status);
    QFETCH(double, distance);
    const Reply decoded = decodeReply(frame, 1);
    QCOMPARE(int(decoded.status), status);
    if (decoded.status == ReplyStatus::Accepted)
        QCOMPARE(QString::number(decoded.distanceMm, 'f', 3), QString::number(distance, 'f', 3));
}

void TestLaser::tolerance_data()
{
    QTest::addColumn<QString>("value");
    QTest::addColumn<bool>("inside");
    // Nominal 10, upper 0.02, lower 0.01, values as the display shows them.
    QTest::newRow("on the lower limit") << "9.990" << true;
    QTest::newRow("on the upper limit") << "10.020" << true;
    QTest::newRow("just under") << "9.989" << false;
    QTest::newRow("just over") << "10.021" << false;
}

void TestLaser::tolerance()
{
    QFETCH(QString, value);
    QFETCH(bool, inside);
    QCOMPARE(inTolerance(value.toDouble(), 10.0, 0.02, 0.01), inside);
}

void TestLaser::zeroingFollowsTheDistances()
{
    BoreGauge gauge;
    gauge.setDistance(1, 12.345f, 0);
    gauge.setDistance(2, 20.0f, 0);
    gauge.zero(50.0f);
    QCOMPARE(QString::number(gauge.update(), 'f', 3), QStringLiteral("50.000"));
    gauge.setDistance(1, 12.350f, 10);
    gauge.setDistance(2, 20.005f, 10);
    QCOMPARE(QString::number(gauge.update(), 'f', 3), QStringLiteral("49.990"));
}

void TestLaser::linkOverPseudoTerminal()
{
    SettingsSandbox sandbox;
    Pty pty;
    QVERIFY(!pty.path.isEmpty());
    VirtualPorts ports;
    ports.add(pty.path);
    QSettings(settingsFilePath(QStringLiteral("setting_laser.ini")), QSettings::IniFormat)
        .setValue(QStringLiteral("Hardware/ComPort"), pty.path);

    qint64 now = 0;
    LaserNuromer window;
    window.setClock([&now] { return now; });
    window.startMeasuring();
    QVERIFY(window.isPortOpen());
    window.pollTick();
    QCOMPARE(pty.read(8), request(1));

    // Whatever sensor 1 was not asked for never becomes its distance, nor sensor 2's.
    for (const QByteArray &foreign : {reply(2, 5000), reply(1, 5000, 0x83), reply(1, 5000, 0x03, 2)}) {
        window.receiveBytes(foreign);
        QCOMPARE(window.rawDistance(1), kNoDistance);
        QCOMPARE(window.rawDistance(2), kNoDistance);
    }

    // A reply is taken and the other sensor asked at once, not at the next tick; both answered give the size.
    window.receiveBytes(reply(1, 12345));
    QCOMPARE(window.askedAddress(), quint8(2));
    QCOMPARE(pty.read(8), request(2));
    QCOMPARE(window.valueText(), QStringLiteral("No Valid Data"));
    pty.write(reply(2, 20000));
    QCOMPARE(pty.read(8), request(1));
    QVERIFY(window.isDataValid());
    QCOMPARE(window.valueText(), QStringLiteral("-32.345"));

    // Sensor 1 stays silent: after the time-out sensor 2 is asked, after a second the data are stale.
    now = LaserNuromer::kReplyTimeoutMs;
    window.pollTick();
    QCOMPARE(pty.read(8), request(2));
    now = BoreGauge::kMaxAgeMs;
    window.parseTick();
    QVERIFY(window.isDataValid());
    now = BoreGauge::kMaxAgeMs + 1;
    window.parseTick();
    QVERIFY(!window.isDataValid());
    QCOMPARE(window.valueText(), QStringLiteral("No Valid Data"));

    // A garbled frame resets the line: closed, slowed down, and reopened by the reconnect check.
    QByteArray garbled = reply(2, 20000);
    garbled[4] = char(garbled[4] ^ 0x10);
    window.receiveBytes(garbled);
    QCOMPARE(window.valueText(), QStringLiteral("wait..."));
    QCOMPARE(window.pollInterval(), LaserNuromer::kFirstPollIntervalMs + LaserNuromer::kPollSlowdownMs);
    QVERIFY(window.isPortOpen());

    // Six polls without a byte in reply give the port up.
    for (int poll = 1; poll <= LaserNuromer::kMaxUnansweredPolls; ++poll) {
        QVERIFY2(window.isPortOpen(), qPrintable(QString::number(poll)));
        now += LaserNuromer::kReplyTimeoutMs;
        window.pollTick();
    }
    QVERIFY(!window.isPortOpen());
}

// The two simulated sensors on their bus: the port search finds them, both distances stay fresh with the
// real timers, a wider bore reads as a larger size, and a silent sensor invalidates the data.
void TestLaser::simulatedSensorsFoundAndRead()
{
    SettingsSandbox sandbox;
    QTemporaryDir dir;
    LaserSensorPeer sensors;
    sensors.setSteady(true);
    const QString port = sensors.link(dir.filePath(QStringLiteral("ttyLASER0")));
    VirtualPorts ports;
    ports.add(port);
    QCOMPARE(LaserNuromer::searchLaserPort(), port);
    QSettings(settingsFilePath(QStringLiteral("setting_laser.ini")), QSettings::IniFormat)
        .setValue(QStringLiteral("Hardware/ComPort"), port);

    LaserNuromer window;
    window.startMeasuring();
    QTRY_VERIFY(window.isDataValid());
    QTRY_COMPARE(window.rawDistance(1), 10.0f);
    QTRY_COMPARE(window.rawDistance(2), 10.0f);
    window.findChild<QLineEdit *>(QStringLiteral("Calibrate_date_lineEdit"))->setText(QStringLiteral("50"));
    QTest::mouseClick(window.findChild<QPushButton *>(QStringLiteral("SetZeroBaseButton")), Qt::LeftButton);
    QTRY_COMPARE(window.valueText(), QStringLiteral("50.000"));
    sensors.setBore(30.01);
    QTRY_COMPARE(window.valueText(), QStringLiteral("50.010"));
    // Both sensors go on being asked, in turn (a loaded machine may have got here in fewer rounds).
    QTRY_VERIFY(sensors.requestCount(1) > 5 && sensors.requestCount(2) > 5);

    sensors.setSilent(2, true);
    QTRY_COMPARE_WITH_TIMEOUT(window.valueText(), QStringLiteral("No Valid Data"), 3000);
}

// The settings list the cameras present and select the stored ones; a camera unplugged leaves the lists
// at once, and the choice of the other panel stays.
void TestLaser::cameraListsFollowTheDevices()
{
    SettingsSandbox sandbox;
    QSettings(settingsFilePath(QStringLiteral("setting_laser.ini")), QSettings::IniFormat)
        .setValue(QStringLiteral("Hardware/RightCamera"), QStringLiteral("cam-b"));
    CameraCatalogue::instance()->setCamerasOverride(QList<CameraEntry>{
        {"cam-a", QStringLiteral("Left USB camera"), true}, {"cam-b", QStringLiteral("Right USB camera")}});
    LaserSettings settings;
    settings.loadSettings();
    auto *right = settings.findChild<QComboBox *>(QStringLiteral("Right_Camera"));
    QCOMPARE(right->count(), 2);
    QCOMPARE(right->currentText(), QStringLiteral("Right USB camera"));

    CameraCatalogue::instance()->setCamerasOverride(
        QList<CameraEntry>{{"cam-b", QStringLiteral("Right USB camera")}});
    QCOMPARE(settings.findChild<QComboBox *>(QStringLiteral("Left_Camera"))->count(), 1);
    QCOMPARE(right->currentData().toString(), QStringLiteral("cam-b"));
    CameraCatalogue::instance()->setCamerasOverride(std::nullopt);
}

void TestLaser::exports_data()
{
    QTest::addColumn<bool>("pdf");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("written"); // empty when the export must fail
    QTest::addColumn<QString>("title");
    QTest::newRow("csv") << false << "rows.csv"
                         << "rows.csv"
                         << "Success";
    QTest::newRow("csv, no folder") << false << "missing/rows.csv" << QString() << "Помилка";
    QTest::newRow("pdf, suffix added") << true << "report"
                                       << "report.pdf"
                                       << "Success";
    QTest::newRow("pdf, no folder") << true << "missing/report.pdf" << QString() << "Помилка";
}

void TestLaser::exports()
{
    QFETCH(bool, pdf);
    QFETCH(QString, name);
    QFETCH(QString, written);
    QFETCH(QString, title);
    SettingsSandbox sandbox;
    QTemporaryDir dir;
    LaserNuromer window;
    window.setFileNameProvider([&](const QString &, const QString &) { return dir.filePath(name); });
    QTableWidget *table = window.table();
    table->insertRow(0);
    const QStringList cells = {"12:00:00", "50.000", "мм", "0.000"};
    for (int column = 0; column < cells.size(); ++column)
        table->setItem(0, column, new QTableWidgetItem(cells.at(column)));

    ModalAnswerer answer(QMessageBox::Ok);
    if (pdf)
        window.on_ExportPDFButton_clicked();
    else
        window.on_ExportCSVButton_clicked();
    QVERIFY(answer.answered());
    QCOMPARE(answer.title(), title);
    if (written.isEmpty())
        return;
    QFile file(dir.filePath(written));
    QVERIFY(file.open(QIODevice::ReadOnly));
    if (pdf) {
        QProcess pdftotext;
        pdftotext.start(QStringLiteral("pdftotext"), {file.fileName(), QStringLiteral("-")});
        QVERIFY(pdftotext.waitForFinished(10000));
        QVERIFY(QString::fromUtf8(pdftotext.readAllStandardOutput()).contains(QStringLiteral("50.000")));
    } else
        QCOMPARE(QString::fromUtf8(file.readAll()), QStringLiteral("Time;Data;Unit\n12:00:00;50.000;мм\n"));
}

QTEST_MAIN(TestLaser)
#include "tst_laser.moc"
