#pragma once

#include <QByteArray>
#include <QList>
#include <QMetaType>
#include <QString>

#include <optional>

// What the preset editor collects: one set value per row of its table, in row order.
struct PresetData_t
{
    qint32 count = 0;
    QList<double> targets;
    double deviation = 0.0;
};
Q_DECLARE_METATYPE(PresetData_t)

// The measuring stand's presets and the arithmetic around them, free of widgets: reading and writing the
// preset JSON, generating set values from a range, the tolerance verdict and the scale's display value.
class StandPreset
{
public:
    // The generator's limit on (to - from) / step; n steps give n + 1 values.
    static constexpr qint64 kMaxGeneratedSteps = 10000;
    // A stand table beyond this many rows is not a preset anyone measures by hand; refusing it keeps a
    // damaged or foreign file from freezing the window. Whatever the generator makes still loads.
    static constexpr int kMaxTargets = int(kMaxGeneratedSteps) + 1;
    static constexpr double kDefaultTolerance = 0.01;

    enum class ParseError {
        None,
        NotJson,
        NotObject,
        WrongType,      // `detail` names the key
        TooManyTargets, // `detail` holds the count
    };

    struct Parsed
    {
        ParseError error = ParseError::None;
        QString detail;
        std::optional<double> deviation;
        QList<double> targets;
    };

    // Checks everything before returning targets, so a refused file yields nothing to apply.
    static Parsed parse(const QByteArray &json);
    // {"deviation", "points_count", "targets"}, indented.
    static QByteArray write(const PresetData_t &data);

    enum class GenerateError {
        None,
        StepNotPositive,
        FromAboveTo,
        TooManyPoints,
    };

    struct Generated
    {
        GenerateError error = GenerateError::None;
        QList<double> values;
    };

    // from, from + step, ... for n = (to - from) / step rounded half away from zero, stopping early once a
    // value passes to + step / 10 (so rounding n up never overshoots the range by a whole step).
    static Generated generate(double from, double to, double step);

    // A number as the user types it: ',' and '.' both mark the decimals. Empty when it is not a number.
    static std::optional<double> parseNumber(QString text);

    // Compared at the three decimals the table shows, so a deviation printed as the tolerance passes.
    static bool withinTolerance(double deviation, double tolerance);

    // Millimetres show 2 decimals, inches 3.
    static int decimals(bool inches);
    // The scale's reading cut (not rounded) to the shown decimals, plus the tape base in tape mode.
    static double displayValue(double reading, bool inches, bool tapeMode, double tapeBase);
};
