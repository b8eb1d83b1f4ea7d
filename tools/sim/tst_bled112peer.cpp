// Plays the program's side of a BLED112 dongle against Bled112Peer: literal BGAPI packets through its
// pseudo-terminal, what comes back checked byte by byte.

#include "bled112peer.h"

#include <QElapsedTimer>
#include <QSerialPort>
#include <QtTest>

namespace {

const QString Caliper = QStringLiteral("F0:5A:11:00:00:01");
const QByteArray CaliperOnAir = QByteArray::fromHex("0100 00115AF0");
const QByteArray DataUuid = QByteArray::fromHex("000000000000 00B0 0040 5104 11AA 00F0");

QByteArray command(quint8 cls, quint8 id, const QByteArray &payload = {})
{
    QByteArray bytes(2, '\0');
    bytes[1] = char(payload.size());
    return bytes + char(cls) + char(id) + payload;
}

} // namespace

class TestBled112Peer : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        m_peer.addInstrument(Caliper, QStringLiteral("VELKOR CAL-150"), BleKind::Velkor);
        m_peer.addInstrument(QStringLiteral("54:6C:0E:00:00:02"), QString(), BleKind::Sylvac);
        m_peer.setValue(Caliper, 12.345);
        m_port.setPortName(m_peer.slavePath());
        QVERIFY(m_port.open(QIODevice::ReadWrite));
    }

    void helloAndScan()
    {
        m_port.write(command(0, 1));
        QCOMPARE(next(false, 0, 1), command(0, 1));
        m_port.write(command(6, 7, QByteArray::fromHex("4B00 3200 01")) + command(6, 2, "\x02"));
        QCOMPARE(next(false, 6, 7).mid(4), QByteArray(2, 0));
        QCOMPARE(next(false, 6, 2).mid(4), QByteArray(2, 0));
        // The caliper's scan response names it; the nameless instrument's carries no name structure.
        bool named = false;
        for (int i = 0; i < 20 && !named; ++i) {
            const QByteArray report = next(true, 6, 0).mid(4);
            QVERIFY(report.size() > 11);
            const QByteArray data = report.mid(11);
            if (report.mid(2, 6) == CaliperOnAir && report.at(1) == 4)
                named = data.contains(QByteArray("\x0F\x09VELKOR CAL-150", 16));
            else if (report.at(1) == 4)
                QVERIFY(!data.contains('\x09'));
        }
        QVERIFY(named);
        m_port.write(command(6, 4) + command(6, 4));
        QCOMPARE(next(false, 6, 4).mid(4), QByteArray(2, 0));
        QCOMPARE(next(false, 6, 4).mid(4).toHex(), QByteArray("8101"));
    }

    void connectSubscribeAndRead()
    {
        // Random static address, 15-60 ms interval, 5 s timeout.
        m_port.write(command(6, 3, CaliperOnAir + QByteArray::fromHex("01 0C00 3000 F401 0000")));
        QCOMPARE(next(false, 6, 3).mid(4).toHex(), QByteArray("000000"));
        const QByteArray status = next(true, 3, 0).mid(4);
        QCOMPARE(status.left(9).toHex(), QByteArray("0005") + CaliperOnAir.toHex() + "01");

        m_port.write(command(4, 3, QByteArray::fromHex("00 0100 FFFF")));
        QCOMPARE(next(false, 4, 3).mid(4).toHex(), QByteArray("000000"));
        QList<QByteArray> found;
        QByteArray completed;
        while (completed.isEmpty()) {
            const QByteArray event = next(true, 4, -1).mid(4);
            QVERIFY(!event.isEmpty());
            if (m_lastId == 4)
                found.append(event);
            else
                completed = event;
        }
        QCOMPARE(completed.left(3).toHex(), QByteArray("000000"));
        const auto data = std::find_if(found.cbegin(), found.cend(),
                                       [](const QByteArray &e) { return e.mid(3) == char(16) + DataUuid; });
        QVERIFY(data != found.cend() && data + 1 != found.cend());
        QCOMPARE((data + 1)->mid(3).toHex(), QByteArray("020229"));
        const QByteArray dataHandle = data->mid(1, 2);
        const QByteArray cccd = (data + 1)->mid(1, 2);

        QVERIFY(!m_peer.isSubscribed(Caliper));
        m_port.write(command(4, 5, '\0' + cccd + QByteArray::fromHex("02 0100")));
        QCOMPARE(next(false, 4, 5).mid(4).toHex(), QByteArray("000000"));
        QCOMPARE(next(true, 4, 1).mid(4), QByteArray(3, 0) + cccd);
        QVERIFY(m_peer.isSubscribed(Caliper));

        const QByteArray value = next(true, 4, 5).mid(4);
        QCOMPARE(value.left(4), '\0' + dataHandle + '\x01');
        const QByteArray packet = value.mid(5);
        QCOMPARE(quint8(value.at(4)), packet.size());
        QCOMPARE(packet.left(3).toHex(), QByteArray("1e2c00"));
        QCOMPARE(packet.mid(8), QByteArray("12.345"));
        quint8 checksum = 0;
        for (int i = 0; i < packet.size(); ++i)
            checksum ^= i == 6 ? 0 : quint8(packet.at(i));
        QCOMPARE(quint8(packet.at(6)), checksum);
    }

private:
    // The next packet with that kind, class and id (id -1: any), skipping others; empty after 2 s.
    QByteArray next(bool event, quint8 cls, int id)
    {
        QElapsedTimer clock;
        clock.start();
        while (clock.elapsed() < 2000) {
            m_buffer += m_port.readAll();
            while (m_buffer.size() >= 4) {
                const int length = (quint8(m_buffer.at(0)) & 0x07) << 8 | quint8(m_buffer.at(1));
                if (m_buffer.size() < 4 + length)
                    break;
                const QByteArray packet = m_buffer.left(4 + length);
                m_buffer.remove(0, 4 + length);
                m_lastId = quint8(packet.at(3));
                if (bool(packet.at(0) & 0x80) == event && quint8(packet.at(2)) == cls &&
                    (id < 0 || m_lastId == id))
                    return packet;
            }
            QTest::qWait(5);
        }
        return {};
    }

    Bled112Peer m_peer;
    QSerialPort m_port;
    QByteArray m_buffer;
    int m_lastId = -1;
};

QTEST_GUILESS_MAIN(TestBled112Peer)
#include "tst_bled112peer.moc"
