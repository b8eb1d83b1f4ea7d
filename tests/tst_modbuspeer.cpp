// The Modbus instrument fixture, checked against frames worked out by hand (CRC-16/MODBUS, low byte first),
// so that the tests built on it stand on known ground.
#include "modbuspeer.h"

#include <QElapsedTimer>
#include <QFileInfo>
#include <QSerialPort>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

namespace {

QByteArray hex(const char *text)
{
    return QByteArray::fromHex(text);
}

// Reads until `size` bytes are in or the time is up; blocks without the event loop, as the dialogs do.
QByteArray readBytes(QSerialPort &port, int size, int timeoutMs = 2000)
{
    QByteArray got;
    QElapsedTimer clock;
    clock.start();
    while (got.size() < size && clock.elapsed() < timeoutMs) {
        if (port.bytesAvailable() == 0 && !port.waitForReadyRead(int(timeoutMs - clock.elapsed())))
            break;
        got += port.readAll();
    }
    return got;
}

void send(QSerialPort &port, const QByteArray &bytes)
{
    port.write(bytes);
    port.waitForBytesWritten(1000);
}

QByteArray ask(QSerialPort &port, const QByteArray &request, int replySize, int timeoutMs = 2000)
{
    send(port, request);
    return readBytes(port, replySize, timeoutMs);
}

// Requests
const char *const ReadIdent1 = "01032000000ACE0D";
const char *const ReadIdent7 = "07032000000ACE6B";
const char *const ReadIdent9 = "09032000000ACF45";
const char *const ReadInt1 = "0103200D00025E08";
const char *const ReadFloat1 = "0103200F0002FFC8";
const char *const ReadCalib1 = "0103201B00043FCE";
const char *const ReadCalib5 = "0503201B00043E4A";
// Replies
const char *const Ident1 = "01031400000000000100000000000000000002000000001BA7"; // unit 1, sensor kind 2
const char *const Ident7 = "0703140000000000000000000000000000000400000000F92D"; // unit 0, sensor kind 4
const char *const Calib1 = "010308050307E8000186A1F550";                         // 05.03.2024, serial 100001
const char *const Calib5 = "050308050307E8000186A1E060";
const char *const TwoZeroWords1 = "01030400000000FA33";

} // namespace

class TestModbusPeer : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void readsRegisters_data();
    void readsRegisters();
    void instrumentsShareOneLine();
    void writesAreEchoed_data();
    void writesAreEchoed();
    void addressChangesAfterTheEcho();
    void zeroTakesAnOffset();
    void silentInstrument();
    void injectedExceptions_data();
    void injectedExceptions();
    void corruptedCrc();
    void splitReply();
    void lateReply();
    void rawBytesPassUnchanged();
    void brokenRequestsAreDropped_data();
    void brokenRequestsAreDropped();
    void unplugAndReplug();
    void stopsPromptly_data();
    void stopsPromptly();

private:
    std::unique_ptr<ModbusPeer> m_peer;
    std::unique_ptr<QSerialPort> m_port;
};

void TestModbusPeer::init()
{
    m_peer = std::make_unique<ModbusPeer>();
    QVERIFY(m_peer->isOpen());
    m_peer->addInstrument(1, 1, 2);
    m_peer->addInstrument(7, 0, 4);
    m_port = std::make_unique<QSerialPort>(m_peer->slavePath());
    m_port->setBaudRate(QSerialPort::Baud9600); // ignored by a pty
    QVERIFY2(m_port->open(QIODevice::ReadWrite), qPrintable(m_port->errorString()));
}

void TestModbusPeer::cleanup()
{
    m_port.reset();
    m_peer.reset();
}

void TestModbusPeer::readsRegisters_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<QByteArray>("request");
    QTest::addColumn<QByteArray>("reply");

    QTest::newRow("identification block") << 0.0 << hex(ReadIdent1) << hex(Ident1);
    QTest::newRow("value -0.001 as int32") << -0.001 << hex(ReadInt1) << hex("010304FFFFFFF63BA1");
    QTest::newRow("value 1.5 as float") << 1.5 << hex(ReadFloat1) << hex("0103043FC00000F61B");
    QTest::newRow("calibration date and serial") << 0.0 << hex(ReadCalib1) << hex(Calib1);
    QTest::newRow("address and speed code") << 0.0 << hex("010300000002C40B") << hex("01030400010003EBF2");
    QTest::newRow("past the block") << 0.0 << hex("0103202000018E00") << hex("018302C0F1");
    QTest::newRow("between the blocks") << 0.0 << hex("01030002000125CA") << hex("018302C0F1");
    QTest::newRow("across the block's end") << 0.0 << hex("0103201F0002FE0D") << hex("018302C0F1");
    QTest::newRow("input registers") << 0.0 << hex("0104200000013A0A") << hex("01840182C0");
}

void TestModbusPeer::readsRegisters()
{
    QFETCH(double, value);
    QFETCH(QByteArray, request);
    QFETCH(QByteArray, reply);

    m_peer->setValue(1, value);
    QCOMPARE(ask(*m_port, request, int(reply.size())).toHex(' '), reply.toHex(' '));
    QCOMPARE(m_peer->requests(), QList<QByteArray>{request});
}

// One pty is one RS-485 bus: each instrument answers its own address and nobody answers the rest. A
// silent address is proven by the next request: its reply must be the first bytes on the line.
void TestModbusPeer::instrumentsShareOneLine()
{
    QCOMPARE(ask(*m_port, hex(ReadIdent1), 25), hex(Ident1));
    QCOMPARE(ask(*m_port, hex(ReadIdent7), 25), hex(Ident7));
    send(*m_port, hex(ReadIdent9));
    QVERIFY(m_peer->waitForRequests(3, 2000));
    QCOMPARE(ask(*m_port, hex(ReadIdent1), 25), hex(Ident1));
    QCOMPARE(m_peer->requests(),
             (QList<QByteArray>{hex(ReadIdent1), hex(ReadIdent7), hex(ReadIdent9), hex(ReadIdent1)}));
    QCOMPARE(m_peer->requestCount(), 4);
    m_peer->clearLog();
    QCOMPARE(m_peer->requestCount(), 0);
}

void TestModbusPeer::writesAreEchoed_data()
{
    QTest::addColumn<bool>("ignoreUnits");
    QTest::addColumn<QByteArray>("request");
    QTest::addColumn<QByteArray>("reply");
    QTest::addColumn<int>("reg");
    QTest::addColumn<int>("after");
    QTest::addColumn<bool>("accepted");

    QTest::newRow("speed code is recorded")
        << false << hex("010600010009180C") << hex("010600010009180C") << 0x0001 << 9 << true;
    QTest::newRow("unit changes") << false << hex("01062002000363CB") << hex("01062002000363CB") << 0x2002
                                  << 3 << true;
    QTest::newRow("unit write echoed but ignored")
        << true << hex("01062002000363CB") << hex("01062002000363CB") << 0x2002 << 1 << true;
    QTest::newRow("address 0 refused")
        << false << hex("01060000000089CA") << hex("0186030261") << 0x0000 << 1 << false;
    QTest::newRow("no such register")
        << false << hex("010600020001E9CA") << hex("018602C3A1") << 0x0001 << 3 << false;
}

void TestModbusPeer::writesAreEchoed()
{
    QFETCH(bool, ignoreUnits);
    QFETCH(QByteArray, request);
    QFETCH(QByteArray, reply);
    QFETCH(int, reg);
    QFETCH(int, after);
    QFETCH(bool, accepted);

    m_peer->setIgnoreUnitWrites(1, ignoreUnits);
    QCOMPARE(ask(*m_port, request, int(reply.size())).toHex(' '), reply.toHex(' '));
    QCOMPARE(int(m_peer->registerValue(1, reg)), after);
    const int value = (uchar(request[4]) << 8) | uchar(request[5]);
    const int written = (uchar(request[2]) << 8) | uchar(request[3]);
    const QList<ModbusPeer::Write> expected{{1, written, value}};
    QCOMPARE(m_peer->writes(), accepted ? expected : QList<ModbusPeer::Write>());
}

void TestModbusPeer::addressChangesAfterTheEcho()
{
    const QByteArray write = hex("01060000000549C9");
    QCOMPARE(ask(*m_port, write, 8), write);
    QVERIFY(!m_peer->hasInstrument(1));
    QVERIFY(m_peer->hasInstrument(5));
    QCOMPARE(m_peer->registerValue(5, 0x0000), quint16(5));
    QCOMPARE(m_peer->writes(), (QList<ModbusPeer::Write>{{1, 0x0000, 5}}));

    send(*m_port, hex(ReadCalib1));
    QVERIFY(m_peer->waitForRequests(2, 2000));
    // Same instrument, same serial number, new address.
    QCOMPARE(ask(*m_port, hex(ReadCalib5), 13), hex(Calib5));
}

void TestModbusPeer::zeroTakesAnOffset()
{
    m_peer->setValue(1, 2.5);
    const QByteArray zero = hex("0106200A000163C8");
    QCOMPARE(ask(*m_port, zero, 8), zero);
    QCOMPARE(ask(*m_port, hex(ReadInt1), 9), hex(TwoZeroWords1));
    QCOMPARE(ask(*m_port, hex(ReadFloat1), 9), hex(TwoZeroWords1));
    m_peer->setValue(1, 3.0);
    QCOMPARE(ask(*m_port, hex(ReadInt1), 9), hex("01030400001388F765")); // 0.5
}

void TestModbusPeer::silentInstrument()
{
    m_peer->setSilent(7, true);
    send(*m_port, hex(ReadIdent7));
    QVERIFY(m_peer->waitForRequests(1, 2000));
    QCOMPARE(ask(*m_port, hex(ReadIdent1), 25), hex(Ident1));
    m_peer->setSilent(7, false);
    QCOMPARE(ask(*m_port, hex(ReadIdent7), 25), hex(Ident7));
}

void TestModbusPeer::injectedExceptions_data()
{
    QTest::addColumn<bool>("cleared");
    QTest::addColumn<QByteArray>("request");
    QTest::addColumn<QByteArray>("reply");

    QTest::newRow("read of the register") << false << hex(ReadInt1) << hex("01830440F3");
    QTest::newRow("read across it") << false << hex("0103200C00048FCA") << hex("01830440F3");
    QTest::newRow("read beside it") << false << hex(ReadFloat1) << hex(TwoZeroWords1);
    QTest::newRow("write of the register") << false << hex("0106200D0007520B") << hex("01860443A3");
    QTest::newRow("cleared") << true << hex(ReadInt1) << hex(TwoZeroWords1);
}

void TestModbusPeer::injectedExceptions()
{
    QFETCH(bool, cleared);
    QFETCH(QByteArray, request);
    QFETCH(QByteArray, reply);

    m_peer->setException(1, 0x200D, 4);
    if (cleared)
        m_peer->setException(1, 0x200D, 0);
    QCOMPARE(ask(*m_port, request, int(reply.size())).toHex(' '), reply.toHex(' '));
    QVERIFY(m_peer->writes().isEmpty());
}

void TestModbusPeer::corruptedCrc()
{
    m_peer->setCorruptCrc(true);
    const QByteArray good = hex(Ident1);
    const QByteArray got = ask(*m_port, hex(ReadIdent1), int(good.size()));
    QCOMPARE(got.size(), good.size());
    QCOMPARE(got.chopped(1), good.chopped(1));
    QCOMPARE(uchar(got.back() ^ good.back()), uchar(0x01));
}

void TestModbusPeer::splitReply()
{
    m_peer->setSplitReplies(true);
    send(*m_port, hex(ReadIdent1));
    const QByteArray first = readBytes(*m_port, 1);
    QVERIFY(!first.isEmpty());
    QVERIFY2(first.size() < 25, "the reply came in one piece");
    QCOMPARE(first + readBytes(*m_port, int(25 - first.size())), hex(Ident1));
}

void TestModbusPeer::lateReply()
{
    m_peer->setReplyDelayMs(300);
    QElapsedTimer clock;
    clock.start();
    QCOMPARE(ask(*m_port, hex(ReadIdent1), 25), hex(Ident1));
    QVERIFY2(clock.elapsed() >= 295, qPrintable(QString::number(clock.elapsed())));
}

void TestModbusPeer::rawBytesPassUnchanged()
{
    const QByteArray garbage = hex("00FF0A0D1103");
    m_peer->setCorruptCrc(true);
    m_peer->sendRaw(garbage);
    QCOMPARE(readBytes(*m_port, int(garbage.size())), garbage);
}

// A real instrument drops a frame it cannot use and listens again once the line is quiet; the request is
// repeated until it is answered, as a poller would.
void TestModbusPeer::brokenRequestsAreDropped_data()
{
    QTest::addColumn<QByteArray>("broken");
    QTest::addColumn<int>("attemptsAtMost");

    QTest::newRow("bad CRC") << hex("01032000000ACE0E") << 5;
    QTest::newRow("truncated") << hex("01032000") << 5;
    QTest::newRow("bytes that cannot start a frame") << hex("FFFE") << 1;
}

void TestModbusPeer::brokenRequestsAreDropped()
{
    QFETCH(QByteArray, broken);
    QFETCH(int, attemptsAtMost);

    send(*m_port, broken);
    int attempts = 0;
    QByteArray got;
    while (got.isEmpty() && attempts < attemptsAtMost) {
        ++attempts;
        got = ask(*m_port, hex(ReadIdent1), 25, 300);
    }
    QCOMPARE(got, hex(Ident1));
    QCOMPARE(m_peer->requests(), QList<QByteArray>{hex(ReadIdent1)});
}

void TestModbusPeer::unplugAndReplug()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath("ttyMODBUS0");
    QCOMPARE(m_peer->link(path), path);
    m_port.reset();
    QSerialPort port(path);
    QVERIFY(port.open(QIODevice::ReadWrite));
    QCOMPARE(ask(port, hex(ReadIdent1), 25), hex(Ident1));

    m_peer->unlink();
    QVERIFY(!QFileInfo::exists(path));
    QSerialPort again(path);
    QVERIFY(!again.open(QIODevice::ReadWrite));
    QVERIFY(ask(port, hex(ReadIdent1), 25, 300).isEmpty());
    QCOMPARE(m_peer->requestCount(), 1);

    QCOMPARE(m_peer->link(path), path);
    QCOMPARE(ask(port, hex(ReadIdent1), 25), hex(Ident1));
}

void TestModbusPeer::stopsPromptly_data()
{
    QTest::addColumn<QByteArray>("lastSent");
    QTest::addColumn<int>("delayMs");

    QTest::newRow("idle") << QByteArray() << 0;
    QTest::newRow("half a request in") << hex("01032000") << 0;
    QTest::newRow("reply still due") << hex(ReadIdent1) << 10000;
}

void TestModbusPeer::stopsPromptly()
{
    QFETCH(QByteArray, lastSent);
    QFETCH(int, delayMs);

    m_peer->setReplyDelayMs(delayMs);
    if (!lastSent.isEmpty())
        send(*m_port, lastSent);
    if (delayMs > 0)
        QVERIFY(m_peer->waitForRequests(1, 2000));
    QElapsedTimer clock;
    clock.start();
    m_peer.reset();
    QVERIFY2(clock.elapsed() < 1000, qPrintable(QString::number(clock.elapsed())));
}

QTEST_GUILESS_MAIN(TestModbusPeer)
#include "tst_modbuspeer.moc"
