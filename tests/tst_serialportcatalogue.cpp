#include "common/serialportcatalogue.h"
#include "ptypair.h"
#include "virtualports.h"

#include <QSerialPort>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <optional>

namespace {

std::optional<SerialPortEntry> findPort(const QList<SerialPortEntry> &ports, const QString &name)
{
    const auto it = std::find_if(ports.cbegin(), ports.cend(),
                                 [&name](const SerialPortEntry &entry) { return entry.portName == name; });
    return it == ports.cend() ? std::nullopt : std::optional<SerialPortEntry>(*it);
}

} // namespace

class TestSerialPortCatalogue : public QObject
{
    Q_OBJECT

private slots:
    void parsesEntries();
    void unplugAndReplugFollowThePath();
    void virtualPortCarriesBytesBothWays();
};

void TestSerialPortCatalogue::parsesEntries()
{
    QTemporaryDir dir;
    const QString a = dir.filePath(QStringLiteral("ttyA"));
    const QString b = dir.filePath(QStringLiteral("ttyB"));
    const QString missing = dir.filePath(QStringLiteral("ttyGone"));
    const QString bad = dir.filePath(QStringLiteral("ttyBad"));
    for (const QString &path : {a, b, bad}) {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
    }

    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("unreadable USB ids")));
    const QList<SerialPortEntry> ports = SerialPortCatalogue::virtualPorts(
        a + QStringLiteral(";") + b + QStringLiteral("@2458:0001; ;") + missing + QStringLiteral("@1A86:7523;") + bad +
        QStringLiteral("@XYZ:1"));
    QCOMPARE(ports.size(), 2);
    QCOMPARE(ports.at(0).portName, a);
    QCOMPARE(ports.at(0).systemLocation, a);
    QVERIFY(!ports.at(0).hasVendorId && !ports.at(0).hasProductId);
    QVERIFY(ports.at(0).isVirtual);
    QCOMPARE(ports.at(1).portName, b);
    QVERIFY(ports.at(1).hasVendorId && ports.at(1).hasProductId);
    QCOMPARE(ports.at(1).vendorId, quint16(0x2458));
    QCOMPARE(ports.at(1).productId, quint16(0x0001));

    QVERIFY(SerialPortCatalogue::virtualPorts(QString()).isEmpty());
}

void TestSerialPortCatalogue::unplugAndReplugFollowThePath()
{
    QTemporaryDir dir;
    PtyPair pty;
    QVERIFY(pty.isOpen());
    const QString stable = dir.filePath(QStringLiteral("ttyKOVRAN0"));
    VirtualPorts virtualPorts;
    virtualPorts.add(stable, 0x1A86, 0x7523);

    QVERIFY(!findPort(SerialPortCatalogue::availablePorts(), stable)); // not plugged in yet
    QCOMPARE(pty.link(stable), stable);
    const auto entry = findPort(SerialPortCatalogue::availablePorts(), stable);
    QVERIFY(entry);
    QCOMPARE(entry->vendorId, quint16(0x1A86));
    QCOMPARE(entry->productId, quint16(0x7523));

    pty.unlink();
    QVERIFY(!findPort(SerialPortCatalogue::availablePorts(), stable));
    pty.link(stable);
    QVERIFY(findPort(SerialPortCatalogue::availablePorts(), stable));
}

void TestSerialPortCatalogue::virtualPortCarriesBytesBothWays()
{
    QTemporaryDir dir;
    PtyPair pty;
    const QString stable = pty.link(dir.filePath(QStringLiteral("ttyKOVRAN1")));
    VirtualPorts virtualPorts;
    virtualPorts.add(stable);
    const auto entry = findPort(SerialPortCatalogue::availablePorts(), stable);
    QVERIFY(entry);

    QSerialPort port;
    port.setPortName(entry->portName);
    QVERIFY2(port.open(QIODevice::ReadWrite), qPrintable(port.errorString()));
    QVERIFY(port.setBaudRate(115200)); // accepted and ignored by a pty
    port.setParity(QSerialPort::EvenParity);

    // Every byte value, including the ones a terminal would otherwise interpret.
    QByteArray all;
    for (int i = 0; i < 256; ++i)
        all.append(char(i));
    QCOMPARE(port.write(all), qint64(all.size()));
    QVERIFY(pty.waitForReceived(all.size()));
    QCOMPARE(pty.takeReceived(), all);

    QSignalSpy readyRead(&port, &QSerialPort::readyRead);
    QVERIFY(pty.write(all));
    QByteArray got;
    QVERIFY(QTest::qWaitFor([&] {
        got += port.readAll();
        return got.size() >= all.size();
    }, 2000));
    QCOMPARE(got, all);
    QVERIFY(readyRead.count() >= 1);
}

QTEST_GUILESS_MAIN(TestSerialPortCatalogue)
#include "tst_serialportcatalogue.moc"
