#include "links/sylvac/sylvaccycle.h"
#include "links/sylvac/sylvacserialdialog.h"
#include "links/sylvac/sylvacserialmanager.h"
#include "sylvaccablepeer.h"
#include "virtualports.h"

#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

// The cable link against the simulated instrument on a pseudo-terminal: a pty ignores 7E1 and the modem
// lines, so what is checked is the bytes and the judgement of each cycle.
class TestSylvacCable : public QObject
{
    Q_OBJECT

private slots:
    void cycle_data();
    void cycle();
    void decimals_data();
    void decimals();
    void buttonPressesOnALiveCable();
    void portFinder();

private:
    // Runs one cycle once the instrument has answered the last one; returns the values it emitted.
    QList<QVariantList> nextCycle(SylvacSerialManager &manager, QSignalSpy &lines, int linesAwaited);

    qint64 m_now = 1000000;
};

void TestSylvacCable::cycle_data()
{
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<int>("expected");
    QTest::addColumn<int>("presses");
    QTest::addColumn<bool>("flood");
    QTest::addColumn<int>("values");
    QTest::addColumn<int>("units");
    QTest::newRow("answers only") << QStringList{"MM", "+12.345"} << 2 << 0 << false << 1 << 1;
    QTest::newRow("one press") << QStringList{"MM", "+12.345", "+12.350"} << 2 << 1 << false << 2 << 1;
    QTest::newRow("two presses are a flood")
        << QStringList{"+1.0", "MM", "+1.1", "+1.2"} << 2 << 0 << true << 3 << 1;
    QTest::newRow("zero answer") << QStringList{"+0.000"} << 1 << 0 << false << 1 << 0;
    QTest::newRow("press after a zero") << QStringList{"+0.000", "+0.010"} << 1 << 1 << false << 2 << 0;
    QTest::newRow("1 is a unit, not a value") << QStringList{"1", "+2.5"} << 2 << 0 << false << 1 << 1;
    QTest::newRow("UNI IN is inch") << QStringList{"UNI IN", "+0.4860"} << 2 << 0 << false << 1 << 1;
    QTest::newRow("noise is no press")
        << QStringList{"MM", "+12.345", "\x01#?x"} << 2 << 0 << false << 1 << 1;
    QTest::newRow("silence after a command") << QStringList{} << 2 << 0 << false << 0 << 0;
}

void TestSylvacCable::cycle()
{
    QFETCH(QStringList, lines);
    QFETCH(int, expected);
    QFETCH(int, presses);
    QFETCH(bool, flood);
    QFETCH(int, values);
    QFETCH(int, units);
    const SylvacCycle cycle = evaluateSylvacCycle(lines, expected);
    QCOMPARE(cycle.presses, presses);
    QCOMPARE(cycle.flood, flood);
    QCOMPARE(cycle.values.size(), values);
    QCOMPARE(cycle.unitLines.size(), units);
    // The press is the last value of the cycle.
    for (int i = 0; i < cycle.values.size(); ++i)
        QCOMPARE(cycle.isPressCandidate(i), presses > 0 && i == cycle.values.size() - 1);
}

void TestSylvacCable::decimals_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<int>("decimals");
    QTest::newRow("plus, three decimals") << "+12.340" << 3;
    QTest::newRow("comma, one digit") << "12,3" << 1;
    QTest::newRow("no separator") << "1234" << 0;
    QTest::newRow("nothing after the point") << "12." << 0;
    QTest::newRow("tolerance mark") << "-0.0125 >" << 4;
    QTest::newRow("not a number") << "MM" << -1;
}

void TestSylvacCable::decimals()
{
    QFETCH(QString, line);
    QFETCH(int, decimals);
    QCOMPARE(sylvacDecimals(line), decimals);
}

QList<QVariantList> TestSylvacCable::nextCycle(SylvacSerialManager &manager, QSignalSpy &lines,
                                               int linesAwaited)
{
    QSignalSpy values(&manager, &SylvacSerialManager::valueReceived);
    [&] { QTRY_VERIFY(lines.size() >= linesAwaited); }();
    lines.clear();
    m_now += SylvacSerialManager::kCycleMs;
    manager.runCycles();
    return QList<QVariantList>(values.cbegin(), values.cend());
}

void TestSylvacCable::buttonPressesOnALiveCable()
{
    QTemporaryDir dir;
    SylvacCablePeer instrument;
    const QString port = instrument.link(dir.filePath(QStringLiteral("ttySYLVAC0")));
    VirtualPorts ports;
    ports.add(port);
    instrument.setValue(12.345);
    SylvacSerialManager &manager = *SylvacSerialManager::instance();
    manager.setClock([this] { return m_now; }); // the manager's own timers then wait for the test
    QSignalSpy lines(&manager, &SylvacSerialManager::lineReceived);
    QSignalSpy units(&manager, &SylvacSerialManager::unitChanged);
    QSignalSpy states(&manager, &SylvacSerialManager::portStateChanged);

    QVERIFY(manager.addPort(port));
    QCOMPARE(states.takeFirst(), (QVariantList{port, true}));
    manager.runCycles();
    QTRY_COMPARE(instrument.commands(), QList<QByteArray>{"UNI??"});

    // Pressed while the line settles: not taken as a press.
    instrument.pressButton();
    QList<QVariantList> values = nextCycle(manager, lines, 3);
    QCOMPARE(values.size(), 2);
    QVERIFY(!values.at(0).at(2).toBool() && !values.at(1).at(2).toBool());
    QCOMPARE(units.size(), 1);

    // Settled: the answers are live values, one press is one recorded value.
    m_now += SylvacSerialManager::kQuietMs;
    values = nextCycle(manager, lines, 2);
    QVERIFY(!values.isEmpty() && !values.last().at(2).toBool());
    instrument.setValue(20.5);
    instrument.pressButton();
    values = nextCycle(manager, lines, 3);
    QCOMPARE(values.size(), 2);
    QCOMPARE(values.last(), (QVariantList{port, 20.5, true}));
    QVERIFY(!values.first().at(2).toBool());

    // Noise on the cable records nothing.
    instrument.sendRaw(QByteArray("\x01\xfe\r\r\rbad line\r", 14) + QByteArray(100, 'x'));
    values = nextCycle(manager, lines, 4);
    for (const QVariantList &value : values)
        QVERIFY(!value.at(2).toBool());

    // Continuous sending floods the cycle: nothing counts as a press.
    instrument.setContinuous(true);
    QTRY_VERIFY(lines.size() >= 6);
    instrument.setContinuous(false);
    QTest::qWait(50); // the last lines in flight
    values = nextCycle(manager, lines, 0);
    QVERIFY(values.size() >= 3);
    for (const QVariantList &value : values)
        QVERIFY(!value.at(2).toBool());

    // The zero goes out in place of the next unit query, and its one answer is no press.
    QVERIFY(manager.zero(port));
    nextCycle(manager, lines, 2);
    instrument.clearLog(); // the unit query answered above; the zero is on its way
    QTRY_COMPARE(instrument.commands(), QList<QByteArray>{"SET"});
    values = nextCycle(manager, lines, 1);
    QCOMPARE(values.size(), 1);
    QCOMPARE(values.first(), (QVariantList{port, 0.0, false}));
    QTRY_COMPARE(instrument.commands(), (QList<QByteArray>{"SET", "UNI??"}));

    // Unplugged, then back: the watch closes the port and opens it again.
    instrument.unlink();
    manager.watch();
    QCOMPARE(states.takeFirst(), (QVariantList{port, false}));
    QVERIFY(!manager.zero(port));
    instrument.link(port);
    manager.watch();
    QCOMPARE(states.takeFirst(), (QVariantList{port, true}));
    manager.removePort(port);
    manager.watch();
    QCOMPARE(states.size(), 1);
    QVERIFY(!manager.isOpen(port));
}

void TestSylvacCable::portFinder()
{
    QTemporaryDir dir;
    SylvacCablePeer quiet;
    SylvacCablePeer pressed;
    const QString quietPort = quiet.link(dir.filePath(QStringLiteral("ttyA")));
    const QString pressedPort = pressed.link(dir.filePath(QStringLiteral("ttyB")));
    const QString missing = dir.filePath(QStringLiteral("ttyGone"));

    SylvacSerialDialog dialog({quietPort, missing, pressedPort});
    auto *detail = dialog.findChild<QLabel *>(QStringLiteral("detailLabel"));
    auto *add = dialog.findChild<QPushButton *>(QStringLiteral("addButton"));
    QCOMPARE(detail->text(), QStringLiteral("Слухаю порти: %1, %2").arg(quietPort, pressedPort));
    QVERIFY(!add->isEnabled());

    pressed.sendRaw("+12.340\r");
    QTRY_VERIFY(add->isEnabled());
    QCOMPARE(dialog.portName(), pressedPort);
    QCOMPARE(dialog.decimals(), 3);
    QVERIFY(detail->text().contains(QStringLiteral("12.340")));
    // A later line elsewhere changes nothing.
    quiet.sendRaw("+1\r");
    QTest::qWait(50);
    QCOMPARE(dialog.portName(), pressedPort);

    SylvacSerialDialog none({});
    QCOMPARE(none.findChild<QLabel *>(QStringLiteral("statusLabel"))->text(),
             QStringLiteral("Немає вільних COM-портів"));
    QVERIFY(!none.findChild<QPushButton *>(QStringLiteral("searchAgainButton"))->isEnabled());
}

QTEST_MAIN(TestSylvacCable)
#include "tst_sylvaccable.moc"
