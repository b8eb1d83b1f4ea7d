#include "formulafile.h"

#include "formula.h"
#include "settingsfile.h"

#include <QHash>
#include <QSet>
#include <QSettings>

namespace {

constexpr int kMaxFormulas = 255;

const QString kArray = QStringLiteral("Formulas");

} // namespace

QList<DeviceRecord> FormulaFile::load(const QString &path, const QStringList &instrumentKeys)
{
    QList<DeviceRecord> formulas;
    QSettings settings(path, QSettings::IniFormat);
    const int size = readableArraySize(settings, settings.beginReadArray(kArray));
    QSet<int> taken;
    for (int i = 0; i < size && formulas.size() < kMaxFormulas; ++i) {
        settings.setArrayIndex(i);
        DeviceRecord record;
        record.type = ConnectionKind::Formula;
        record.portName = formulaPortName();
        const int id = settings.value(QStringLiteral("id"), 0).toInt();
        // Zero marks a number still to be given, once every stored one is known.
        record.address = id >= 1 && id <= kMaxFormulas && !taken.contains(id) ? quint8(id) : 0;
        taken.insert(record.address);
        record.name = settings.value(QStringLiteral("name")).toString();
        record.precision = settings.value(QStringLiteral("precision"), 3).toInt();
        record.measuringType = settings.value(QStringLiteral("measuringType"), 0).toInt();
        record.limitMin = settings.value(QStringLiteral("limitMin"), 0.0).toDouble();
        record.limitMax = settings.value(QStringLiteral("limitMax"), 0.0).toDouble();
        record.unit = settings.value(QStringLiteral("unit"), 0).toInt();
        record.userId = settings.value(QStringLiteral("userId")).toString();

        // Each stored letter goes to wherever its instrument is now; letters stored without an instrument
        // (a file written by hand) stay as they are.
        QHash<int, QString> renamed;
        const QStringList inputs = settings.value(QStringLiteral("inputs")).toStringList();
        for (const QString &input : inputs) {
            const qsizetype separator = input.indexOf(u'=');
            const int letter = FormulaLetters::indexOf(input.left(separator).trimmed());
            if (separator <= 0 || letter < 0 || renamed.contains(letter))
                continue;
            const int now = int(instrumentKeys.indexOf(input.mid(separator + 1).trimmed()));
            renamed.insert(letter, now >= 0 ? FormulaLetters::letterFor(now) : QString(FormulaLetters::kDeletedInput));
        }
        record.expression = FormulaLetters::rename(
            settings.value(QStringLiteral("expression")).toString(),
            [&renamed](int index) { return renamed.value(index, FormulaLetters::letterFor(index)); });
        formulas.append(record);
    }
    settings.endArray();

    int next = 1;
    for (DeviceRecord &record : formulas) {
        if (record.address != 0)
            continue;
        while (taken.contains(next))
            ++next;
        record.address = quint8(next);
        taken.insert(next);
    }
    return formulas;
}

bool FormulaFile::save(const QString &path, const QList<DeviceRecord> &formulas, const QStringList &instrumentKeys)
{
    QSettings settings(path, QSettings::IniFormat);
    settings.remove(kArray);
    settings.beginWriteArray(kArray, int(formulas.size()));
    for (int i = 0; i < formulas.size(); ++i) {
        const DeviceRecord &record = formulas.at(i);
        QStringList inputs;
        for (const int index : FormulaLetters::used(record.expression)) {
            if (index < instrumentKeys.size())
                inputs.append(FormulaLetters::letterFor(index) + u'=' + instrumentKeys.at(index));
        }
        settings.setArrayIndex(i);
        settings.setValue(QStringLiteral("id"), int(record.address));
        settings.setValue(QStringLiteral("name"), record.name);
        settings.setValue(QStringLiteral("expression"), record.expression);
        settings.setValue(QStringLiteral("inputs"), inputs);
        settings.setValue(QStringLiteral("unit"), record.unit);
        settings.setValue(QStringLiteral("precision"), record.precision);
        settings.setValue(QStringLiteral("measuringType"), record.measuringType);
        settings.setValue(QStringLiteral("limitMin"), record.limitMin);
        settings.setValue(QStringLiteral("limitMax"), record.limitMax);
        settings.setValue(QStringLiteral("userId"), record.userId);
    }
    settings.endArray();
    return finishSettingsWrite(settings, "formulas");
}
