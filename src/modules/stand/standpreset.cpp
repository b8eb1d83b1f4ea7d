#include "standpreset.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonParseError>

#include <cmath>

namespace {

const QString kDeviationKey = QStringLiteral("deviation");
const QString kCountKey = QStringLiteral("points_count");
const QString kTargetsKey = QStringLiteral("targets");

StandPreset::Parsed failure(StandPreset::ParseError error, const QString &detail)
{
    StandPreset::Parsed parsed;
    parsed.error = error;
    parsed.detail = detail;
    return parsed;
}

} // namespace

StandPreset::Parsed StandPreset::parse(const QByteArray &json)
{
    QJsonParseError jsonError;
    const QJsonDocument document = QJsonDocument::fromJson(json, &jsonError);
    if (jsonError.error != QJsonParseError::NoError)
        return failure(ParseError::NotJson, jsonError.errorString());
    if (!document.isObject())
        return failure(ParseError::NotObject, QString());
    const QJsonObject root = document.object();

    Parsed parsed;
    if (root.contains(kDeviationKey)) {
        const QJsonValue deviation = root.value(kDeviationKey);
        if (!deviation.isDouble() || !std::isfinite(deviation.toDouble()) || deviation.toDouble() < 0)
            return failure(ParseError::WrongType, kDeviationKey);
        parsed.deviation = deviation.toDouble();
    }
    if (root.contains(kCountKey) && !root.value(kCountKey).isDouble())
        return failure(ParseError::WrongType, kCountKey);
    const QJsonValue targets = root.value(kTargetsKey);
    if (!targets.isArray())
        return failure(ParseError::WrongType, kTargetsKey);
    const QJsonArray array = targets.toArray();
    if (array.size() > kMaxTargets)
        return failure(ParseError::TooManyTargets, QString::number(array.size()));
    parsed.targets.reserve(array.size());
    for (const QJsonValue &target : array) {
        if (!target.isDouble())
            return failure(ParseError::WrongType, kTargetsKey);
        parsed.targets.append(target.toDouble());
    }
    return parsed;
}

QByteArray StandPreset::write(const PresetData_t &data)
{
    QJsonArray targets;
    for (const double target : data.targets)
        targets.append(target);
    QJsonObject root;
    root.insert(kDeviationKey, data.deviation);
    root.insert(kCountKey, data.count);
    root.insert(kTargetsKey, targets);
    return QJsonDocument(root).toJson(QJsonDocument::Indented);
}

StandPreset::Generated StandPreset::generate(double from, double to, double step)
{
    Generated generated;
    if (!(step > 0)) {
        generated.error = GenerateError::StepNotPositive;
        return generated;
    }
    if (from > to) {
        generated.error = GenerateError::FromAboveTo;
        return generated;
    }
    const double steps = std::round((to - from) / step); // std::round: half away from zero
    if (!(steps <= double(kMaxGeneratedSteps))) {
        generated.error = GenerateError::TooManyPoints;
        return generated;
    }
    const qint64 n = qint64(steps);
    const double limit = to + step / 10;
    generated.values.reserve(int(n) + 1);
    for (qint64 i = 0; i <= n; ++i) {
        const double value = from + double(i) * step;
        if (value > limit)
            break;
        generated.values.append(value);
    }
    return generated;
}

std::optional<double> StandPreset::parseNumber(QString text)
{
    text.replace(QLatin1Char(','), QLatin1Char('.'));
    bool ok = false;
    const double value = text.trimmed().toDouble(&ok);
    if (!ok || !std::isfinite(value))
        return std::nullopt;
    return value;
}

bool StandPreset::withinTolerance(double deviation, double tolerance)
{
    const double shown = std::round(std::abs(deviation) * 1000.0);
    return shown <= tolerance * 1000.0 + 1e-6;
}

int StandPreset::decimals(bool inches)
{
    return inches ? 3 : 2;
}

double StandPreset::displayValue(double reading, bool inches, bool tapeMode, double tapeBase)
{
    const double scale = inches ? 1000.0 : 100.0;
    // The board sends a float: 12.33 arrives as 12.3299999. Round that noise off two digits below the
    // shown ones before cutting, or the cut would drop a whole last digit.
    const double scaled = std::round(reading * scale * 100.0) / 100.0;
    double value = std::trunc(scaled) / scale;
    if (tapeMode)
        value += tapeBase;
    return value;
}
