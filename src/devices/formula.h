#pragma once

#include <QCoreApplication>
#include <QList>
#include <QString>

#include <functional>
#include <memory>
#include <optional>

// Formula instruments compute their value from other instruments, the way combination gauging does:
// thickness A + B, taper (A - B) / 2, run-out max(A, B, C) - min(A, B, C). The letters name the
// instruments in card order (A .. Z, then AA, AB, ...); numbers, operators and muparser's functions
// (min, max, avg, sum, abs, sqrt, sin, ...) do the rest. Nothing here knows the workspace.
namespace FormulaLetters {

// 0 -> "A", 25 -> "Z", 26 -> "AA"; empty for a negative index.
QString letterFor(int index);
// The instrument index a letter name stands for; -1 for anything that is not a letter name.
int indexOf(const QString &name);

// Stands in an expression where the letter of a deleted instrument was; no expression with it is valid.
inline constexpr char16_t kDeletedInput = u'#';

// Rewrites every instrument letter in `expression` to `rename(index)` of the instrument it names now;
// numbers, function names, operators and spacing stay exactly as typed.
QString rename(const QString &expression, const std::function<QString(int index)> &rename);
// The instrument indexes the letters of `expression` name, ascending, each once.
QList<int> used(const QString &expression);

} // namespace FormulaLetters

// One expression checked against the instruments present and ready to evaluate. A copy shares the parsed
// form with the original.
class FormulaExpression
{
    Q_DECLARE_TR_FUNCTIONS(FormulaExpression)

public:
    FormulaExpression() = default;
    // Parses `text` for a workspace of `instrumentCount` instruments. A refused expression says why.
    FormulaExpression(const QString &text, int instrumentCount);

    bool isValid() const { return m_compiled != nullptr; }
    // Why the expression was refused, in the user's language; empty when it is valid.
    QString error() const { return m_error; }
    // The instrument indexes the expression reads, ascending, each once.
    const QList<int> &inputs() const { return m_inputs; }

    // The result for the inputs' values, given in inputs() order; nothing for a refused expression, a wrong
    // number of values or a result that is not a finite number (division by zero, a square root of a
    // negative value, ...).
    std::optional<double> evaluate(const QList<double> &values) const;

private:
    struct Compiled;

    std::shared_ptr<Compiled> m_compiled;
    QString m_error;
    QList<int> m_inputs;
};
