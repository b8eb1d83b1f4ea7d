#include "instrumentline.h"

#include <QString>

#include <cmath>

bool parseInstrumentLine(const QString &line, int decimals, double &value)
{
    QString text = line.trimmed();
    text.replace(QLatin1Char(','), QLatin1Char('.'));
    if (text.isEmpty() || text.count(QLatin1Char('.')) > 1)
        return false;
    const bool negative = text.startsWith(QLatin1Char('-'));
    if (negative)
        text.remove(0, 1);
    if (text.isEmpty() || text == QLatin1String("."))
        return false;
    for (const QChar ch : text) {
        if (ch != QLatin1Char('.') && (ch < QLatin1Char('0') || ch > QLatin1Char('9')))
            return false;
    }
    bool ok = false;
    double number = text.toDouble(&ok);
    if (!ok)
        return false;
    if (!text.contains(QLatin1Char('.')) && decimals >= 1)
        number /= std::pow(10.0, decimals);
    value = negative && number != 0.0 ? -number : number; // "-0" is zero, not a negative zero
    return true;
}
