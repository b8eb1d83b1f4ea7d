// Plays the laser module's side of the two laser sensors: literal Modbus RTU requests through the pty, the
// answers compared byte by byte with frames whose CRC-16/MODBUS is computed here.

#include "lasersensorpeer.h"

#include <QElapsedTimer>
#include <QSerialPort>
#include <QtTest>

namespace {

QByteArray withCrc(const QByteArray &bytes)
{
    quint16 crc = 0xFFFF;
    for (char c : bytes) {
        crc ^= quint8(c);
        for (int bit = 0; bit < 8; ++bit)
            crc = (crc & 1) ? quint16((crc >> 1) ^ 0xA001) : quint16(crc >> 1);
    }
    return bytes + char(crc & 0xFF) + char(crc >> 8);
}

QByteArray request(int address)
{
    return withCrc(QByteArray(1, char(address)) + QByteArray::fromHex("03003B0002"));
}

} // namespace

class TestLaserSensorPeer : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QCOMPARE(request(1).toHex(), QByteArray("0103003b0002b5c6"));
        QCOMPARE(request(2).toHex(), QByteArray("0203003b0002b5f5"));
        m_peer.setSteady(true);
        m_port.setPortName(m_peer.slavePath());
        QVERIFY(m_port.open(QIODevice::ReadWrite));
    }

    // Base 50, bore 30, the workpiece 2.345 mm towards sensor 2: 12.345 and 7.655 mm. A distance
    // beyond 65.535 mm shows the high word in the last two data bytes.
    void distance_data()
    {
        QTest::addColumn<double>("base");
        QTest::addColumn<int>("address");
        QTest::addColumn<QByteArray>("data");
        QTest::newRow("sensor 1") << 50.0 << 1 << QByteArray::fromHex("30390000");
        QTest::newRow("sensor 2") << 50.0 << 2 << QByteArray::fromHex("1de70000");
        QTest::newRow("high word") << 200.0 << 1 << QByteArray::fromHex("55310001"); // 87.345 mm
    }

    void distance()
    {
        QFETCH(double, base);
        QFETCH(int, address);
        QFETCH(QByteArray, data);
        m_peer.setBaseLength(base);
        m_peer.setOffset(2.345);
        m_peer.clearLog();
        const QByteArray reply = withCrc(QByteArray(1, char(address)) + "\x03\x04" + data);
        QCOMPARE(exchange(request(address)).toHex(' '), reply.toHex(' '));
        QCOMPARE(m_peer.requestCount(address), 1);
        QCOMPARE(m_peer.requestCount(3 - address), 0);
    }

    // A silent sensor hears its request and answers nothing, nor does the other one for it; the other still
    // answers its own.
    void silent()
    {
        m_peer.setBaseLength(50.0);
        m_peer.setOffset(0.0);
        m_peer.clearLog();
        m_peer.setSilent(2, true);
        QCOMPARE(exchange(request(2)), QByteArray());
        QCOMPARE(m_peer.requestCount(2), 1);
        QCOMPARE(exchange(request(1)).toHex(' '), withCrc(QByteArray::fromHex("01030427100000")).toHex(' '));
        m_peer.setSilent(2, false);
        QCOMPARE(exchange(request(2)).size(), 9);
    }

private:
    // Everything that comes within 300 ms of the request.
    QByteArray exchange(const QByteArray &bytes)
    {
        m_port.readAll();
        m_port.write(bytes);
        m_port.waitForBytesWritten(1000);
        QByteArray answer;
        QElapsedTimer clock;
        clock.start();
        while (clock.elapsed() < 300) {
            if (m_port.waitForReadyRead(50))
                answer += m_port.readAll();
        }
        return answer;
    }

    LaserSensorPeer m_peer;
    QSerialPort m_port;
};

QTEST_GUILESS_MAIN(TestLaserSensorPeer)
#include "tst_lasersensorpeer.moc"
