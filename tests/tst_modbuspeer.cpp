// The Modbus instrument fixture, checked against frames worked out by hand (CRC-16/MODBUS, low byte first),
// so that the tests built on it stand on known ground.
#include "modbuspeer.h"

#include <QDeadlineTimer>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QSerialPort>
#include <QTemporaryDir>
#include <QTest>

#include <functional>
#include <memory>

namespace {

using Setup = std::function<void(ModbusPeer &)>;

QByteArray hex(const char *text)
{
    return QByteArray::fromHex(text);
}

// Sends `request` (if any) and reads until `replySize` bytes are in or the time is up; blocks without the
// event loop, as the dialogs do.
QByteArray ask(QSerialPort &port, const QByteArray &request, int replySize, int timeoutMs = 2000)
{
    if (port.write(request) > 0)
        port.waitForBytesWritten(1000);
    QByteArray got = port.readAll();
    const QDeadlineTimer deadline(timeoutMs);
    while (got.size() < replySize && port.waitForReadyRead(int(deadline.remainingTime())))
        got += port.readAll();
    return got;
}

const char *const ReadIdent1 = "01032000000ACE0D";
const char *const ReadIdent7 = "07032000000ACE6B";
const char *const ReadInt1 = "0103200D00025E08";
const char *const Ident1 = "01031400000000000100000000000000000002000000001BA7"; // unit 1, sensor kind 2
const char *const Ident7 = "0703140000000000000000000000000000000400000000F92D"; // unit 0, sensor kind 4

} // namespace

Q_DECLARE_METATYPE(Setup)

class TestModbusPeer : public QObject
{
    Q_OBJECT

private slots:
    void init();

    void replies_data();
    void replies();
    void instrumentsShareOneLine();
    void writesAreEchoed();
    void splitReply();
    void unplugAndReplug();
    void stopsPromptly_data();
    void stopsPromptly();

private:
    std::unique_ptr<ModbusPeer> m_peer;
    std::unique_ptr<QSerialPort> m_port;
};

void TestModbusPeer::init()
{
    m_port.reset();
    m_peer = std::make_unique<ModbusPeer>();
    QVERIFY(m_peer->isOpen());
    m_peer->addInstrument(1, 1, 2);
    m_peer->addInstrument(7, 0, 4);
    m_port = std::make_unique<QSerialPort>(m_peer->slavePath());
    QVERIFY2(m_port->open(QIODevice::ReadWrite), qPrintable(m_port->errorString()));
}

// An empty reply means no answer at all: the next request's reply must then be the first bytes on the line.
void TestModbusPeer::replies_data()
{
    QTest::addColumn<Setup>("setup");
    QTest::addColumn<QByteArray>("request");
    QTest::addColumn<QByteArray>("reply");

    const Setup none = [](ModbusPeer &) {};
    QTest::newRow("identification block") << none << hex(ReadIdent1) << hex(Ident1);
    QTest::newRow("value -0.001 as int32")
        << Setup([](ModbusPeer &p) { p.setValue(1, -0.001); }) << hex(ReadInt1) << hex("010304FFFFFFF63BA1");
    QTest::newRow("value 1.5 as float") << Setup([](ModbusPeer &p) { p.setValue(1, 1.5); })
                                        << hex("0103200F0002FFC8") << hex("0103043FC00000F61B");
    QTest::newRow("past the block") << none << hex("0103202000018E00") << hex("018302C0F1");
    QTest::newRow("foreign address") << none << hex("09032000000ACF45") << QByteArray();
    QTest::newRow("silent instrument")
        << Setup([](ModbusPeer &p) { p.setSilent(7, true); }) << hex(ReadIdent7) << QByteArray();
    QTest::newRow("injected exception")
        << Setup([](ModbusPeer &p) { p.setException(1, 0x200D, 4); }) << hex(ReadInt1) << hex("01830440F3");
    QTest::newRow("address 0 refused") << none << hex("01060000000089CA") << hex("0186030261");
    QTest::newRow("corrupted CRC") << Setup([](ModbusPeer &p) { p.setCorruptCrc(true); }) << hex(ReadIdent1)
                                   << hex("01031400000000000100000000000000000002000000001BA6");
}

void TestModbusPeer::replies()
{
    QFETCH(Setup, setup);
    QFETCH(QByteArray, request);
    QFETCH(QByteArray, reply);

    setup(*m_peer);
    if (reply.isEmpty()) {
        ask(*m_port, request, 0);
        QVERIFY(m_peer->waitForRequests(1, 2000));
        QCOMPARE(ask(*m_port, hex(ReadIdent1), 25), hex(Ident1));
    } else {
        QCOMPARE(ask(*m_port, request, int(reply.size())).toHex(' '), reply.toHex(' '));
    }
    QCOMPARE(m_peer->requests().first(), request);
    QVERIFY(m_peer->writes().isEmpty());
}

void TestModbusPeer::instrumentsShareOneLine()
{
    QCOMPARE(ask(*m_port, hex(ReadIdent1), 25), hex(Ident1));
    QCOMPARE(ask(*m_port, hex(ReadIdent7), 25), hex(Ident7));
    QCOMPARE(ask(*m_port, hex(ReadIdent1), 25), hex(Ident1));
    QCOMPARE(m_peer->requests(), (QList<QByteArray>{hex(ReadIdent1), hex(ReadIdent7), hex(ReadIdent1)}));
    m_peer->clearLog();
    QCOMPARE(m_peer->requestCount(), 0);
}

// Every accepted write is echoed; a new address takes effect after the echo.
void TestModbusPeer::writesAreEchoed()
{
    const QByteArray toPoundForce = hex("01062002000363CB");
    QCOMPARE(ask(*m_port, toPoundForce, 8), toPoundForce);
    QCOMPARE(m_peer->registerValue(1, 0x2002), quint16(3));
    m_peer->setIgnoreUnitWrites(1, true);
    const QByteArray toMillimetre = hex("01062002000023CA");
    QCOMPARE(ask(*m_port, toMillimetre, 8), toMillimetre);
    QCOMPARE(m_peer->registerValue(1, 0x2002), quint16(3));

    const QByteArray toFive = hex("01060000000549C9");
    QCOMPARE(ask(*m_port, toFive, 8), toFive);
    QCOMPARE(m_peer->writes(), (QList<ModbusPeer::Write>{{1, 0x2002, 3}, {1, 0x2002, 0}, {1, 0x0000, 5}}));
    QCOMPARE(ask(*m_port, hex("0503201B00043E4A"), 13), hex("050308050307E8000186A1E060")); // same serial

    // After a zero command the reading is shown relative to the one the instrument had then.
    m_peer->setValue(5, 2.5);
    const QByteArray zero = hex("0506200A0001624C");
    QCOMPARE(ask(*m_port, zero, 8), zero);
    m_peer->setValue(5, 3.0);
    QCOMPARE(ask(*m_port, hex("0503200D00025F8C"), 9), hex("05030400001388B2A5")); // 0.5
}

void TestModbusPeer::splitReply()
{
    m_peer->setSplitReplies(true);
    const QByteArray first = ask(*m_port, hex(ReadIdent1), 1);
    QVERIFY2(!first.isEmpty() && first.size() < 25, "the reply came in one piece, or not at all");
    QCOMPARE(first + ask(*m_port, QByteArray(), int(25 - first.size())), hex(Ident1));
}

void TestModbusPeer::unplugAndReplug()
{
    QTemporaryDir dir;
    const QString path = dir.filePath("ttyMODBUS0");
    QCOMPARE(m_peer->link(path), path);
    m_port.reset();
    QSerialPort port(path);
    QVERIFY(port.open(QIODevice::ReadWrite));
    QCOMPARE(ask(port, hex(ReadIdent1), 25), hex(Ident1));

    m_peer->unlink();
    QVERIFY(!QFileInfo::exists(path));
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
    ask(*m_port, lastSent, 0);
    if (delayMs > 0)
        QVERIFY(m_peer->waitForRequests(1, 2000));
    QElapsedTimer clock;
    clock.start();
    m_peer.reset();
    QVERIFY2(clock.elapsed() < 1000, qPrintable(QString::number(clock.elapsed())));
}

QTEST_GUILESS_MAIN(TestModbusPeer)
#include "tst_modbuspeer.moc"
