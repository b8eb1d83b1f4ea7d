// Plays the program's side of the height gauge board against HeightGaugeBoardPeer: command frames through
// its pseudo-terminal, the board's frames taken apart byte by byte with a check byte computed here.

#include "heightgaugeboardpeer.h"

#include <QSerialPort>
#include <QtEndian>
#include <QtTest>

#include <cstring>
#include <functional>

namespace {

quint8 crc8(const QByteArray &bytes)
{
    quint8 crc = 0;
    for (char c : bytes) {
        crc ^= quint8(c);
        for (int bit = 0; bit < 8; ++bit)
            crc = (crc & 1) ? quint8((crc >> 1) ^ 0x8C) : quint8(crc >> 1);
    }
    return crc;
}

QByteArray command(char letter, quint8 argument)
{
    QByteArray frame(1, letter);
    frame += char(argument);
    return frame + char(crc8(frame));
}

QByteArray valueCommand(float value)
{
    QByteArray frame(5, 'v');
    qToLittleEndian(value, frame.data() + 1);
    return frame + char(crc8(frame));
}

double readDouble(const char *bytes)
{
    const quint64 bits = qFromLittleEndian<quint64>(bytes);
    double value;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

struct Frame
{
    quint8 header = 0;
    bool intact = false;
    double height = 0.0; // the value of 0xCA and 0x01 frames
    double laser = 0.0;
    quint32 steps = 0;
    int state = -1;
    int unit = -1;
};

bool touching(const Frame &f)
{
    return f.laser >= 1.0 && f.laser < HeightGaugeBoardPeer::NoLaser;
}

} // namespace

class TestHeightGaugeBoardPeer : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        m_port.setPortName(m_peer.slavePath());
        QVERIFY(m_port.open(QIODevice::ReadWrite));
        connect(&m_port, &QSerialPort::readyRead, this, [this] { m_received += m_port.readAll(); });
        m_peer.setTimeScale(20.0); // 200 mm/s: 4 mm between two regular statuses
    }

    void init()
    {
        parse();
        m_frames.clear();
    }

    // The lower face must show at exactly 25.000 though the carriage covers 4 mm between regular statuses;
    // the bore is left at that face again and the upper face met at 40.000; the touch pin stops the
    // carriage at the base in state 3, and the laser reads nothing before it is switched on.
    void travel()
    {
        QCOMPARE(crc8("123456789"), quint8(0xA1));
        QVERIFY(wait([](const Frame &f) { return f.header == 0x0B; }));
        QCOMPARE(m_frames.first().laser, HeightGaugeBoardPeer::NoLaser);
        m_port.write(command('p', 0xFF) + command('l', 0x55));
        QVERIFY(wait([](const Frame &f) { return f.state == 3; }));
        const Frame *touch = first([](const Frame &f) { return touching(f); });
        QVERIFY(touch);
        QCOMPARE(touch->height, 25.0);
        QCOMPARE(touch->laser, 1.0);
        QCOMPARE(touch->state, 2);
        QCOMPARE(touch->steps, 25000u);
        QVERIFY(first([](const Frame &f) { return f.laser == 0.0 && f.height > 25.0; }));
        QCOMPARE(m_frames.last().height, 0.0);
        QCOMPARE(m_frames.last().laser, 26.0);

        m_frames.clear();
        m_port.write(command('k', 0x55));
        QVERIFY(wait([](const Frame &f) { return f.height > 30.0 && touching(f); }));
        m_port.write(command('m', 0x55));
        const Frame *freed = first([](const Frame &f) { return f.laser == 0.0; });
        QVERIFY(freed);
        QCOMPARE(freed->height, 25.0);
        QCOMPARE(freed->state, 1);
        QCOMPARE(first([](const Frame &f) { return f.height > 30.0 && touching(f); })->height, 40.0);
        QVERIFY(wait([](const Frame &f) { return f.state == 0; }));
        QVERIFY(m_stray.isEmpty());
    }

    // A frame with a bad check byte changes nothing; the base value moves the height; the unit byte follows
    // the toggle; a corrupted frame comes exactly every third frame.
    void framesAndCorruption()
    {
        m_peer.setPosition(30.0);
        m_peer.clearLog();
        QByteArray bad = valueCommand(99.0f);
        bad.back() = char(~bad.back());
        m_port.write(bad + valueCommand(12.5f) + QByteArray(1, char(0x55)) + command('j', 0x55));
        QVERIFY(wait([](const Frame &f) { return f.header == 0x01; }));
        const Frame *plain = first([](const Frame &f) { return f.header == 0xCA; });
        QVERIFY(plain && plain->intact);
        QCOMPARE(plain->height, 42.5);
        QCOMPARE(m_frames.last().unit, 1);
        QCOMPARE(m_frames.last().height, 1.67323);
        QCOMPARE(m_peer.commands(),
                 (QList<QByteArray>{valueCommand(12.5f), QByteArray(1, char(0x55)), command('j', 0x55)}));
        m_port.write(command('j', 0x55) + valueCommand(0.0f));
        QVERIFY(wait([](const Frame &f) { return f.unit == 0; }));

        m_peer.setCorruptEvery(3);
        m_frames.clear();
        QVERIFY(wait([this](const Frame &) { return m_frames.size() >= 12; }));
        m_peer.setCorruptEvery(0);
        qsizetype firstBad = 0;
        while (firstBad < m_frames.size() && m_frames[firstBad].intact)
            ++firstBad;
        QVERIFY(firstBad < 6); // a frame or two may have left before
        for (qsizetype i = firstBad; i < m_frames.size(); ++i)
            QCOMPARE(m_frames[i].intact, (i - firstBad) % 3 != 0);
        QVERIFY(m_stray.isEmpty());
    }

private:
    // Whole frames off the front of what came in; a byte that starts no frame goes to m_stray.
    void parse()
    {
        while (!m_received.isEmpty()) {
            const quint8 header = quint8(m_received.at(0));
            const int length = header == 0x0B ? 31 : header == 0xCA ? 10 : header == 0x01 ? 11 : 0;
            if (length == 0) {
                m_stray += m_received.at(0);
                m_received.remove(0, 1);
                continue;
            }
            if (m_received.size() < length)
                return;
            const QByteArray bytes = m_received.left(length);
            m_received.remove(0, length);
            Frame f;
            f.header = header;
            f.intact = crc8(bytes.chopped(1)) == quint8(bytes.back());
            if (header == 0x0B) {
                f.steps = qFromLittleEndian<quint32>(bytes.constData() + 1);
                f.laser = readDouble(bytes.constData() + 5);
                f.height = readDouble(bytes.constData() + 13);
                f.state = quint8(bytes.at(22));
            } else {
                f.height = readDouble(bytes.constData() + 1);
                if (header == 0x01)
                    f.unit = quint8(bytes.at(9));
            }
            m_frames.append(f);
        }
    }

    bool wait(const std::function<bool(const Frame &)> &wanted)
    {
        QElapsedTimer clock;
        clock.start();
        while (clock.elapsed() < 5000) {
            parse();
            if (first(wanted))
                return true;
            QTest::qWait(5);
        }
        return false;
    }

    const Frame *first(const std::function<bool(const Frame &)> &wanted) const
    {
        for (const Frame &f : m_frames) {
            if (wanted(f))
                return &f;
        }
        return nullptr;
    }

    HeightGaugeBoardPeer m_peer;
    QSerialPort m_port;
    QByteArray m_received;
    QByteArray m_stray;
    QList<Frame> m_frames;
};

QTEST_GUILESS_MAIN(TestHeightGaugeBoardPeer)
#include "tst_heightgaugeboardpeer.moc"
