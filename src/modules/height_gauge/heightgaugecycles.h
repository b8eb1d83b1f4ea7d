#pragma once

#include <QObject>
#include <QString>

// The automatic measuring cycles of the height gauge: one state machine, advanced by every combined status
// of the controller board (update()). It knows nothing of the window or the port: it emits the board
// commands to send and the result rows to add, and the window wires those to the board and the table.
//
// Cycles: 1 surface from above, 2 surface from below, 3 gap, 4 scan, 5 base setting, 6 centre distance.
// Heights and laser values are in the display unit; the back-off distance and the laser threshold are used
// as they are in either unit.
class HeightGaugeCycles : public QObject
{
    Q_OBJECT

public:
    static constexpr int kTouches = 2;             // touches per surface
    static constexpr double kRollback = 3.0;       // back-off after a touch
    static constexpr double kNoHeight = 1000000.0; // height column marker: "---"
    static constexpr double kNoLaser = 100000.0;   // laser column marker, and the raw "no laser" value
    static constexpr int kSlowSpeed = 5;

    explicit HeightGaugeCycles(QObject *parent = nullptr);

    // Settings the cycles use.
    void setUserSpeed(int speedCode) { m_speed = speedCode; } // 3, 4 or 6
    void setThreshold(double threshold) { m_threshold = threshold; }
    void setBaseValue(float value) { m_baseValue = value; }
    void setScanParameters(double step, double min, double max);
    // Cycles other than the base setting advance only in automatic mode.
    void setAutomatic(bool automatic) { m_automatic = automatic; }

    int cycle() const { return int(m_cycle); }
    int step() const { return int(m_step); }
    bool baseFlag() const { return m_baseFlag; }

    // Cycle starts; `height` and `laser` are the newest values (display unit).
    void startSurfaceFromAbove(double laser); // cycle 1
    void startSurfaceFromBelow(double laser); // cycle 2
    void startGap(double laser);              // cycle 3
    void startScan(double height);            // cycle 4; refused (logged) when the step is not > 0
    void startBaseSetting(double laser);      // cycle 5
    void startCentreDistance(double laser);   // cycle 6: first press, or the second half while in it

    // Stop and manual moves end a running cycle, except a centre-distance cycle waiting for its second half.
    void clearForManualMove();

    // One combined status: H and L in the display unit, `laserValid` false when the raw laser value was the
    // "no laser" marker, M the motor state byte. At most one transition per call.
    void update(double height, double laser, bool laserValid, int motorState);

signals:
    // Board commands, in the order they are to be sent.
    void changeSpeed(int speedCode);
    void setSlowStepType(int type);
    void moveUp();
    void moveDown();
    void stopMove();
    void disableTouchPin();
    void enableTouchPin();
    void zeroHeight();
    void sendBaseSet(float value);

    // A result row for the table (kNoHeight / kNoLaser print as "---").
    void resultRow(double height, double laser);
    // A row or the end of a cycle: the window's macro hook runs.
    void macroHook();
    // The first half of a centre distance is done: show `message` for `milliseconds` and switch to manual.
    // The cycles have already left automatic mode themselves when this is emitted.
    void secondHalfNeeded(const QString &message, int milliseconds);

private:
    // Heights recorded on one surface.
    struct Touches
    {
        int count = 0;
        double heights[kTouches] = {};

        void add(double height);
        double largest(double from = -99999999.0) const;
        double smallest(double from = 99999999.0) const;
    };

    void log(const QString &text) const;
    QString featureText(const char *text) const; // the text, tagged while in a centre distance
    void upAt(int speedCode);
    void downAt(int speedCode);
    void slowUp();
    void slowDown();
    void addRow(double height, double laser);
    void calibrate();
    void finish();

    void stepSurfaceFromAbove(double height, bool triggered);
    void stepSurfaceFromBelow(double height, bool triggered);
    // The lower face from above, then the upper face from below: steps first .. first + 9 of a gap (first
    // 11) or of one centre-distance feature (22 and 34); the step after them comes once the upper face has
    // been touched kTouches times.
    void stepFeature(quint32 first, int feature, double height, bool triggered);
    void stepGapResult();
    void stepCentreDistance(double height, bool triggered);
    void stepScan(double height, double laser);
    void stepBaseSetting(double height, int motorState);

    // State lives here; the implementation adds what it needs.
    quint32 m_cycle = 0;
    quint32 m_step = 0;
    int m_speed = 4;
    double m_threshold = 0.5;
    float m_baseValue = 20.0f;
    bool m_automatic = false;
    bool m_baseFlag = false;
    double m_scanStep = 0.0;
    double m_scanMin = 0.0;
    double m_scanMax = 0.0;

    double m_laserBase = 0.0; // laser value when the cycle (or the second half) started
    double m_target = 0.0;    // height at which the current back-off or approach ends
    Touches m_lower[2];       // cycle 1 and 5 use [0]; the gap [0]; a centre distance one per feature
    Touches m_upper[2];       // cycle 2 uses [0]
    double m_featureLower[2] = {};
    double m_featureUpper[2] = {};
    double m_nextScanPoint = 0.0;
    double m_lastScanHeight = 0.0;
};
