#pragma once

#include <QList>
#include <QStringList>

class QByteArray;

// What one 300 ms cycle of a Sylvac cable port brought, judged against the replies its commands asked for.
// The instrument answers the program's commands with a known number of lines; any value or unit line beyond
// those was sent with the instrument's data button. More than one such line in a cycle is a flood (an
// instrument in continuous-send mode), and then nothing counts as a press. Lines that are neither are
// noise and count for nothing.
struct SylvacCycle
{
    QList<bool> unitLines;    // isInch of each unit line, in order
    QList<double> values;     // every value line, in order
    QStringList unrecognised; // lines that are neither
    int presses = 0;          // how many of the last values were sent by the button
    bool flood = false;       // more than one unasked line: presses forced to 0
    int lineCount = 0;

    // The i-th value is one of the last `presses` ones.
    bool isPressCandidate(int i) const { return i >= values.size() - presses; }
};

SylvacCycle evaluateSylvacCycle(const QStringList &lines, int expectedLines);

// Bytes as the RX/TX log shows them: <CR>, <LF>, printable ASCII as itself, anything else as <HH>.
QString sylvacPrintable(const QByteArray &bytes);

// Decimals a value line is written with: -1 when it is no number, 0 without a separator or with nothing
// after it, else the digits after the last point (or, without a point, the last comma).
int sylvacDecimals(const QString &line);
