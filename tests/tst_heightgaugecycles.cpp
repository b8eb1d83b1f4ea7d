#include "modules/height_gauge/heightgaugecycles.h"

#include <QTest>

// Every emitted command and result as a short text, in order.
class Recorder
{
public:
    explicit Recorder(HeightGaugeCycles &c)
    {
        QObject::connect(&c, &HeightGaugeCycles::changeSpeed, [this](int s) { add("speed " + num(s)); });
        QObject::connect(&c, &HeightGaugeCycles::setSlowStepType, [this](int t) { add("slow " + num(t)); });
        QObject::connect(&c, &HeightGaugeCycles::moveUp, [this] { add("up"); });
        QObject::connect(&c, &HeightGaugeCycles::moveDown, [this] { add("dn"); });
        QObject::connect(&c, &HeightGaugeCycles::stopMove, [this] { add("stop"); });
        QObject::connect(&c, &HeightGaugeCycles::disableTouchPin, [this] { add("pin off"); });
        QObject::connect(&c, &HeightGaugeCycles::enableTouchPin, [this] { add("pin on"); });
        QObject::connect(&c, &HeightGaugeCycles::zeroHeight, [this] { add("zero"); });
        QObject::connect(&c, &HeightGaugeCycles::sendBaseSet, [this](float v) { add("base " + num(v)); });
        QObject::connect(&c, &HeightGaugeCycles::resultRow, [this](double h, double l) {
            add("row " + cell(h, HeightGaugeCycles::kNoHeight) + ' ' + cell(l, HeightGaugeCycles::kNoLaser));
        });
        QObject::connect(&c, &HeightGaugeCycles::macroHook, [this] { add("hook"); });
        QObject::connect(&c, &HeightGaugeCycles::secondHalfNeeded,
                         [this](const QString &, int ms) { add("popup " + num(ms)); });
    }

    // The events whose first word is in `kinds` (all of them when `kinds` is empty).
    QString joined(const QString &kinds) const
    {
        const QStringList keep = kinds.split(' ', Qt::SkipEmptyParts);
        QStringList shown;
        for (const QString &event : events)
            if (keep.isEmpty() || keep.contains(event.section(' ', 0, 0)))
                shown << event;
        return shown.join(QStringLiteral(", "));
    }

private:
    static QString num(double v) { return QString::number(v); }
    static QString cell(double v, double none)
    {
        return v == none ? QStringLiteral("---") : QString::number(v, 'f', 3);
    }
    void add(const QString &event) { events << event; }

    QStringList events;
};

class TestHeightGaugeCycles : public QObject
{
    Q_OBJECT

private slots:
    // Script tokens: "H/L" or "H/L/M" is one board status ("-" for L: no laser); "go" or "go:X" presses the
    // row's cycle start with laser X (the scan: height X); "manual", "auto", "clear" (a manual move) and
    // "scan:S" (scan step S, between 10 and 12) change the setting. Speed 4, threshold 0.5, base 20.
    void cycles_data()
    {
        QTest::addColumn<int>("cycle");
        QTest::addColumn<QString>("script");
        QTest::addColumn<QString>("kinds");
        QTest::addColumn<QString>("expected");

        QTest::newRow("from above: slow second touch, larger height")
            << 1 << "go 30/0 25/1 25/1 26/1 28.5/0 28.5/0 25.1/1 0/0"
            << ""
            << "slow 0, speed 4, speed 4, slow 0, dn, speed 4, slow 0, up, speed 4, slow 0, up, speed 4, "
               "slow 0, "
               "up, speed 5, slow 2, dn, stop, row 25.100 ---, hook";
        QTest::newRow("from below: smaller height") << 2 << "go 10/0 12/1 12/1 11/1 8.5/0 8.5/0 11.9/1 0/0"
                                                    << ""
                                                    << "speed 4, slow 0, pin off, speed 4, up, speed 4, dn, "
                                                       "speed 4, dn, speed 4, dn, speed 5, up, stop, "
                                                       "row 11.900 ---, hook";
        QTest::newRow("gap: upper below lower shows positive")
            << 3 << "go 30/0 20/1 20/1 23.5/0 23.5/0 20/1 20/1 23.5/0 23.5/0 18/1 18/1 14/0 14/0 18.5/1 0/0"
            << ""
            << "speed 4, pin off, slow 0, speed 4, dn, speed 4, slow 0, up, speed 4, slow 0, up, speed 5, "
               "slow 2, "
               "dn, speed 4, slow 0, up, speed 4, slow 0, up, speed 4, slow 0, up, speed 4, slow 0, dn, "
               "speed 4, "
               "dn, speed 5, slow 2, up, stop, row 2.000 ---, hook";
        QTest::newRow("invalid laser never triggers") << 1 << "go 30/0 25/- 20/-"
                                                      << ""
                                                      << "slow 0, speed 4, speed 4, slow 0, dn";
        QTest::newRow("manual mode holds a surface cycle") << 1 << "manual go 30/0 25/1"
                                                           << ""
                                                           << "slow 0, speed 4";
        QTest::newRow("manual move ends a surface cycle") << 1 << "go 30/0 clear 25/1"
                                                          << ""
                                                          << "slow 0, speed 4, speed 4, slow 0, dn";
        QTest::newRow("scan from above: each crossing once")
            << 4 << "go:15 14/0 9.9/0 10/0.1 11.2/0.2 11.2/0.2 11.6/0.3 12/0.4 12.1/0.4"
            << ""
            << "pin off, speed 4, dn, stop, speed 5, slow 1, up, row 10.000 0.100, row 11.200 0.200, "
               "row 11.600 0.300, row 12.000 0.400, stop, slow 0, hook";
        QTest::newRow("scan from the minimum goes up at once")
            << 4 << "scan:2 go:10 10/0"
            << ""
            << "pin off, slow 50, speed 3, up, row 10.000 0.000";
        QTest::newRow("scan step 0 refused") << 4 << "scan:0 go:15 9/0"
                                             << ""
                                             << "";
        QTest::newRow("base setting in manual mode calibrates")
            << 5 << "manual go 10/0/2 5/0/3 5/0/3 6/0/0 8.5/0/0 8.5/0/0 5.1/0/3 0/0/0"
            << ""
            << "base 0, zero, pin on, slow 0, speed 4, dn, speed 4, up, speed 4, up, speed 4, up, speed 5, "
               "dn, "
               "zero, base 20, slow 0, pin on, speed 4, hook";
        const QString feature1 =
            "30/0 20/1 20/1 23.5/0 23.5/0 20/1 20/1 23.5/0 23.5/0 30/1 30/1 26.5/0 26.5/0 30/1";
        const QString feature2 =
            "52/0 40/1 40/1 43.5/0 43.5/0 40/1 40/1 43.5/0 43.5/0 52/1 52/1 48.5/0 48.5/0 52/1";
        QTest::newRow("centre distance: only the distance, across a manual move")
            << 6 << "go " + feature1 + " 0/0 clear auto go " + feature2 + " 0/0 0/0"
            << "row hook popup"
            << "popup 3000, hook, row 21.000 ---, hook";
    }

    void cycles()
    {
        QFETCH(int, cycle);
        QFETCH(QString, script);
        QFETCH(QString, kinds);
        QFETCH(QString, expected);

        HeightGaugeCycles c;
        c.setUserSpeed(4);
        c.setThreshold(0.5);
        c.setBaseValue(20.0f);
        c.setScanParameters(0.5, 10.0, 12.0);
        c.setAutomatic(true);
        Recorder recorder(c);

        const auto start = [&](double value) {
            switch (cycle) {
            case 1:
                c.startSurfaceFromAbove(value);
                break;
            case 2:
                c.startSurfaceFromBelow(value);
                break;
            case 3:
                c.startGap(value);
                break;
            case 4:
                c.startScan(value);
                break;
            case 5:
                c.startBaseSetting(value);
                break;
            case 6:
                c.startCentreDistance(value);
                break;
            }
        };
        for (const QString &token : script.split(' ', Qt::SkipEmptyParts)) {
            if (token.startsWith("go"))
                start(token.section(':', 1).toDouble());
            else if (token.startsWith("scan:"))
                c.setScanParameters(token.section(':', 1).toDouble(), 10.0, 12.0);
            else if (token == "manual" || token == "auto")
                c.setAutomatic(token == "auto");
            else if (token == "clear")
                c.clearForManualMove();
            else {
                const QStringList v = token.split('/');
                const bool valid = v.at(1) != "-";
                c.update(v.at(0).toDouble(), valid ? v.at(1).toDouble() : HeightGaugeCycles::kNoLaser, valid,
                         v.value(2, "0").toInt());
            }
        }
        QCOMPARE(recorder.joined(kinds), expected);
    }
};

QTEST_GUILESS_MAIN(TestHeightGaugeCycles)
#include "tst_heightgaugecycles.moc"
