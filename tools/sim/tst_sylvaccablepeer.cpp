// Plays the program's side of a Sylvac data cable against SylvacCablePeer: command lines through its
// pseudo-terminal, what comes back checked byte by byte.

#include "sylvaccablepeer.h"

#include <QSerialPort>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

class TestSylvacCablePeer : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        m_port.setPortName(m_peer.slavePath());
        QVERIFY(m_port.open(QIODevice::ReadWrite));
        connect(&m_port, &QSerialPort::readyRead, this, [this] { m_received += m_port.readAll(); });
    }

    void init() { m_received.clear(); }

    // Everything accumulates, so a line too many shows in the next comparison.
    void answers()
    {
        m_peer.setValue(12.345);
        m_port.write("XYZ\r\n UNI??\r\n");
        QTRY_COMPARE(m_received, QByteArray("MM\r+12.345\r"));
        m_peer.setInch(true);
        m_port.write("SET\r");
        QTRY_COMPARE(m_received, QByteArray("MM\r+12.345\r+0.0000\r"));
        m_peer.setValue(0.0);
        m_peer.pressButton();
        QTRY_COMPARE(m_received, QByteArray("MM\r+12.345\r+0.0000\r-0.4860\r"));
        QCOMPARE(m_peer.commands(), (QList<QByteArray>{"XYZ", "UNI??", "SET"}));
        m_peer.setInch(false);
    }

    void continuous()
    {
        m_peer.setContinuous(true);
        QTRY_VERIFY_WITH_TIMEOUT(m_received.count('\r') >= 3, 600);
        m_peer.setContinuous(false);
        QVERIFY(m_received.startsWith("-12.345\r-12.345\r-12.345\r"));
    }

    // Unplugged, it neither sends nor hears, and plugged in again it answers what comes after.
    void unplugged()
    {
        QTemporaryDir dir;
        const QString link = dir.filePath(QStringLiteral("ttySYLVAC0"));
        QCOMPARE(m_peer.link(link), link);
        m_peer.unlink();
        QVERIFY(!QFileInfo::exists(link));
        m_peer.clearLog();
        m_peer.setContinuous(true);
        m_peer.pressButton();
        m_port.write("UNI??\r");
        QSignalSpy spy(&m_port, &QSerialPort::readyRead);
        QVERIFY(!spy.wait(300));
        m_peer.setContinuous(false);
        QVERIFY(m_peer.commands().isEmpty());

        QCOMPARE(m_peer.link(link), link);
        m_port.write("SET\r");
        QTRY_COMPARE(m_received, QByteArray("+0.000\r"));
    }

private:
    SylvacCablePeer m_peer;
    QSerialPort m_port;
    QByteArray m_received;
};

QTEST_GUILESS_MAIN(TestSylvacCablePeer)
#include "tst_sylvaccablepeer.moc"
