#include "sylvaccycle.h"

#include "links/ble/bleprotocol.h"
#include "links/ble/blereading.h"

#include <QByteArray>

#include <algorithm>

SylvacCycle evaluateSylvacCycle(const QStringList &lines, int expectedLines)
{
    SylvacCycle cycle;
    cycle.lineCount = int(lines.size());
    for (const QString &line : lines) {
        bool isInch = false;
        BleReading reading;
        // Unit lines first: "0" and "1" are unit answers, never values.
        if (parseSylvacUnitLine(line, isInch))
            cycle.unitLines.append(isInch);
        else if (parseSylvacValueLine(line, reading))
            cycle.values.append(reading.value);
        else
            cycle.unrecognised.append(line);
    }
    // Only lines the instrument could have meant count: a burst of noise on the cable must not turn the
    // answer to our own query into a button press.
    const int unasked = cycle.lineCount - int(cycle.unrecognised.size()) - expectedLines;
    cycle.presses = std::max(0, std::min(int(cycle.values.size()), unasked));
    if (cycle.presses > 1) {
        cycle.flood = true;
        cycle.presses = 0;
    }
    return cycle;
}

QString sylvacPrintable(const QByteArray &bytes)
{
    QString text;
    text.reserve(bytes.size());
    for (const char c : bytes) {
        const auto byte = quint8(c);
        if (byte == '\r')
            text += QLatin1String("<CR>");
        else if (byte == '\n')
            text += QLatin1String("<LF>");
        else if (byte >= 0x20 && byte <= 0x7E)
            text += QLatin1Char(c);
        else
            text += QStringLiteral("<%1>").arg(byte, 2, 16, QLatin1Char('0')).toUpper();
    }
    return text;
}

int sylvacDecimals(const QString &line)
{
    const QString text = stripSylvacLine(line);
    bool number = false;
    QString(text).replace(QLatin1Char(','), QLatin1Char('.')).toDouble(&number);
    if (!number)
        return -1;
    qsizetype separator = text.lastIndexOf(QLatin1Char('.'));
    if (separator < 0)
        separator = text.lastIndexOf(QLatin1Char(','));
    if (separator < 0)
        return 0;
    int digits = 0;
    for (qsizetype i = separator + 1; i < text.size() && text.at(i).isDigit(); ++i)
        ++digits;
    return digits;
}
