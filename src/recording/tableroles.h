#pragma once

#include <QString>
#include <QTime>
#include <QVariant>

// What the measurement tables answer beside their display texts, for an export that keeps the types of
// the cells (a spreadsheet's numbers and times) instead of their texts.
namespace TableRole {
enum : int {
    // The cell as a typed value: the row number (int), the recording time (QTime) or a measured value
    // (double). Invalid where the cell is text only: a verdict, a missing value.
    Value = Qt::UserRole + 1,
    // The measured values' decimals (int), asked of the horizontal header of a value column.
    Decimals,
    // A verdict cell's ToleranceVerdict (int); NotJudged for the other status texts (MIN, MAX, ...).
    Verdict,
};

// The recording time kept as "hh:mm:ss"; invalid when the text is no such time.
inline QVariant timeValue(const QString &text)
{
    const QTime time = QTime::fromString(text, QStringLiteral("hh:mm:ss"));
    return time.isValid() ? QVariant(time) : QVariant();
}
} // namespace TableRole
