#include "common/serialportcatalogue.h"
#include "modbuspeer.h"
#include "virtualports.h"

#include <QTemporaryDir>
#include <QTest>

namespace {

// The virtual ports listed, as "path", or "path VVVV:PPPP" with USB ids.
QStringList listed(const QList<SerialPortEntry> &ports)
{
    QStringList names;
    for (const SerialPortEntry &port : ports) {
        if (port.isVirtual)
            names << port.systemLocation +
                         (port.hasVendorId && port.hasProductId
                              ? QString::asprintf(" %04X:%04X", port.vendorId, port.productId)
                              : QString());
    }
    return names;
}

} // namespace

class TestSerialPortCatalogue : public QObject
{
    Q_OBJECT

private slots:
    void parsesEntries()
    {
        const QString a = m_dir.filePath(QStringLiteral("ttyA"));
        const QString b = m_dir.filePath(QStringLiteral("ttyB"));
        const QString bad = m_dir.filePath(QStringLiteral("ttyBad"));
        for (const QString &path : {a, b, bad})
            QVERIFY(QFile(path).open(QIODevice::WriteOnly));

        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("unreadable USB ids")));
        const QList<SerialPortEntry> ports =
            SerialPortCatalogue::virtualPorts(a + QStringLiteral(";") + b + QStringLiteral("@2458:0001; ;") +
                                              m_dir.filePath(QStringLiteral("ttyGone")) +
                                              QStringLiteral("@1A86:7523;") + bad + QStringLiteral("@XYZ:1"));
        QCOMPARE(listed(ports), (QStringList{a, b + QStringLiteral(" 2458:0001")}));
        QCOMPARE(ports.at(0).portName, a);
    }

    // Two lines under stable names, one of them unplugged and plugged in again.
    void unplugAndReplugFollowThePath()
    {
        ModbusPeer first;
        ModbusPeer second;
        const QString stable = m_dir.filePath(QStringLiteral("ttyKOVRAN0"));
        const QString other = second.link(m_dir.filePath(QStringLiteral("ttyKOVRAN1")));
        VirtualPorts ports;
        ports.add(stable + QStringLiteral("@1A86:7523"));
        ports.add(other);
        const QStringList both{stable + QStringLiteral(" 1A86:7523"), other};

        QCOMPARE(listed(SerialPortCatalogue::availablePorts()), QStringList{other}); // not plugged in yet
        QCOMPARE(first.link(stable), stable);
        QCOMPARE(listed(SerialPortCatalogue::availablePorts()), both);
        first.unlink();
        QCOMPARE(listed(SerialPortCatalogue::availablePorts()), QStringList{other});
        first.link(stable);
        QCOMPARE(listed(SerialPortCatalogue::availablePorts()), both);
    }

private:
    QTemporaryDir m_dir;
};

QTEST_GUILESS_MAIN(TestSerialPortCatalogue)
#include "tst_serialportcatalogue.moc"
