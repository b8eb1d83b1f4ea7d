// What the formula manager takes from the user and from formulas.ini: an expression over the instruments'
// letters, checked, renamed when the cards move and evaluated; and the formulas file as a previous version,
// a hand edit or a damaged disk may have left it.
#include "fuzzsupport.h"

#include "devices/formula.h"
#include "devices/formulafile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>

#include <cmath>
#include <cstdlib>
#include <cstring>
#include <unistd.h>

namespace {

constexpr int kMaxInstruments = 40;

QString filePath()
{
    static const QString path = [] {
        const QString base =
            QDir(QStringLiteral("/dev/shm")).exists() ? QStringLiteral("/dev/shm") : QDir::tempPath();
        const QString folder = QDir(base).filePath(QStringLiteral("kovran-fuzz-formula-%1").arg(getpid()));
        QDir().mkpath(folder);
        return QDir(folder).filePath(QStringLiteral("formulas.ini"));
    }();
    return path;
}

QStringList instrumentKeys(int count)
{
    QStringList keys;
    for (int i = 0; i < count; ++i)
        keys.append(QStringLiteral("/dev/ttyFUZZ:%1").arg(i + 1));
    return keys;
}

bool sameResult(const std::optional<double> &a, const std::optional<double> &b)
{
    return a.has_value() == b.has_value() && (!a || *a == *b);
}

bool sameDouble(double a, double b)
{
    return a == b || (std::isnan(a) && std::isnan(b));
}

// Input values from the fuzzer's bytes: anything a double can be, infinities and NaN included.
QList<double> valuesFrom(FuzzSupport::Reader &reader, qsizetype count)
{
    QList<double> values;
    for (qsizetype i = 0; i < count; ++i) {
        const QByteArray bytes = reader.bytes(sizeof(double));
        double value = double(i + 1);
        if (bytes.size() == sizeof(double))
            std::memcpy(&value, bytes.constData(), sizeof value);
        values.append(value);
    }
    return values;
}

void checkExpression(const QString &text, int instruments, FuzzSupport::Reader &values)
{
    const FormulaExpression expression(text, instruments);
    // Renaming every letter to itself changes nothing, whatever the text.
    FUZZ_ASSERT(FormulaLetters::rename(text, [](int index) { return FormulaLetters::letterFor(index); }) == text);

    if (!expression.isValid()) {
        // A refused expression says why, reads nothing and never evaluates.
        FUZZ_ASSERT(!expression.error().isEmpty());
        FUZZ_ASSERT(expression.inputs().isEmpty());
        FUZZ_ASSERT(!expression.evaluate({}).has_value());
        FUZZ_ASSERT(!expression.evaluate({1.0, 2.0, 3.0}).has_value());
        return;
    }
    FUZZ_ASSERT(expression.error().isEmpty());
    const QList<int> &inputs = expression.inputs();
    FUZZ_ASSERT(!inputs.isEmpty());
    FUZZ_ASSERT(inputs.first() >= 0 && inputs.last() < instruments);
    // The letters the program finds in the text are the variables the parser found: renames and the
    // inputs stored in formulas.ini rely on it.
    FUZZ_ASSERT(inputs == FormulaLetters::used(text));

    const QList<double> given = valuesFrom(values, inputs.size());
    const std::optional<double> result = expression.evaluate(given);
    FUZZ_ASSERT(!result || std::isfinite(*result));
    FUZZ_ASSERT(!expression.evaluate(given.mid(1)).has_value());

    // Cards reversed: every letter follows its instrument, and the same instruments give the same result.
    const auto reversed = [instruments](int index) { return FormulaLetters::letterFor(instruments - 1 - index); };
    const FormulaExpression moved(FormulaLetters::rename(text, reversed), instruments);
    FUZZ_ASSERT(moved.isValid());
    QList<double> movedValues;
    for (const int input : moved.inputs())
        movedValues.append(given.at(inputs.indexOf(instruments - 1 - input)));
    FUZZ_ASSERT(sameResult(moved.evaluate(movedValues), result));
}

void checkFile(const QByteArray &content, int instruments)
{
    {
        QFile file(filePath());
        FUZZ_ASSERT(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        FUZZ_ASSERT(file.write(content) == content.size());
    }
    const QStringList keys = instrumentKeys(instruments);
    const QList<DeviceRecord> formulas = FormulaFile::load(filePath(), keys);
    FUZZ_ASSERT(formulas.size() <= 255);
    QSet<int> numbers;
    for (const DeviceRecord &formula : formulas) {
        // Each formula has its own number, so the journal and the cards never mix two up.
        FUZZ_ASSERT(formula.address >= 1);
        FUZZ_ASSERT(!numbers.contains(formula.address));
        numbers.insert(formula.address);
        FUZZ_ASSERT(formula.type == ConnectionKind::Formula && formula.portName == formulaPortName());
        FUZZ_ASSERT(!formula.connected && !formula.formulaHasValue);
        const FormulaExpression expression(formula.expression, instruments);
        const std::optional<double> result = expression.evaluate(QList<double>(expression.inputs().size(), 1.0));
        FUZZ_ASSERT(!result || std::isfinite(*result));
    }

    // What is saved loads back as it was saved.
    FUZZ_ASSERT(FormulaFile::save(filePath(), formulas, keys));
    const QList<DeviceRecord> reloaded = FormulaFile::load(filePath(), keys);
    FUZZ_ASSERT(reloaded.size() == formulas.size());
    for (qsizetype i = 0; i < formulas.size(); ++i) {
        const DeviceRecord &a = formulas.at(i);
        const DeviceRecord &b = reloaded.at(i);
        FUZZ_ASSERT(a.address == b.address && a.name == b.name && a.expression == b.expression);
        FUZZ_ASSERT(a.unit == b.unit && a.precision == b.precision && a.measuringType == b.measuringType);
        FUZZ_ASSERT(sameDouble(a.limitMin, b.limitMin) && sameDouble(a.limitMax, b.limitMax));
        FUZZ_ASSERT(a.userId == b.userId);
    }
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    FuzzSupport::silenceQt();
    // Made before the clean-up is registered, so it is still there when that runs.
    filePath();
    std::atexit([] { QDir(QFileInfo(filePath()).path()).removeRecursively(); });
    return 0;
}

// Input: the number of instruments (one byte), the expression, a NUL byte, formulas.ini, a NUL byte, the
// instruments' values (eight bytes each).
extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    FuzzSupport::Reader reader(data, size);
    const int instruments = reader.byte() % (kMaxInstruments + 1);
    const QList<QByteArray> parts = reader.rest().split('\0');
    const QByteArray values = parts.size() > 2 ? parts.mid(2).join('\0') : QByteArray();
    FuzzSupport::Reader valueReader(reinterpret_cast<const uint8_t *>(values.constData()), size_t(values.size()));

    checkExpression(QString::fromUtf8(parts.value(0)), instruments, valueReader);
    if (parts.size() > 1 && !parts.at(1).isEmpty())
        checkFile(parts.at(1), instruments);
    return 0;
}
