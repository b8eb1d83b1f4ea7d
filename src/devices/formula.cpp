#include "formula.h"

#include <muParser.h>

#include <QSet>

#include <algorithm>
#include <cmath>
#include <exception>
#include <map>
#include <vector>

namespace {

constexpr int kLetters = 26;
// Three letters name 18 278 instruments; a longer run of capitals is an unknown name, not an overflow.
constexpr int kMaxLetterNameLength = 3;
// Far more than any bench formula; keeps a pasted page of text from reaching the parser.
constexpr int kMaxExpressionLength = 1000;

bool isAsciiLetter(QChar c)
{
    return (c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z');
}

bool isAsciiDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

// muparser's default name characters.
bool isNameChar(QChar c)
{
    return isAsciiLetter(c) || isAsciiDigit(c) || c == u'_';
}

// Where the token starting at `begin` ends. A name runs over name characters; a number also takes its points and
// any name characters glued to it, so the E of "1.5E+3" is no instrument (the sign starts a token of its own,
// which changes nothing for renaming letters).
qsizetype tokenEnd(const QString &text, qsizetype begin)
{
    const bool number = isAsciiDigit(text.at(begin)) || text.at(begin) == u'.';
    qsizetype end = begin + 1;
    while (end < text.size() && (isNameChar(text.at(end)) || (number && text.at(end) == u'.')))
        ++end;
    return end;
}

// "=" alone assigns a value to a variable in muparser; only the comparisons ==, <=, >= and != may have one.
qsizetype assignmentAt(const QString &text)
{
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text.at(i) != u'=')
            continue;
        const QChar before = i > 0 ? text.at(i - 1) : QChar();
        const QChar after = i + 1 < text.size() ? text.at(i + 1) : QChar();
        if (after == u'=' || before == u'=' || before == u'<' || before == u'>' || before == u'!')
            continue;
        return i;
    }
    return -1;
}

// muparser counts positions in the bytes of the UTF-8 text; the user counts characters, from 1.
int characterPosition(const std::string &utf8, int bytePosition)
{
    const int bytes = std::clamp(bytePosition, 0, int(utf8.size()));
    return int(QString::fromUtf8(utf8.data(), bytes).size()) + 1;
}

QString lastLetter(int instrumentCount)
{
    return FormulaLetters::letterFor(instrumentCount - 1);
}

} // namespace

QString FormulaLetters::letterFor(int index)
{
    QString name;
    // Bijective base 26: A..Z, AA..AZ, BA.., as spreadsheet columns are named.
    for (int rest = index; rest >= 0; rest = rest / kLetters - 1)
        name.prepend(QChar(u'A' + rest % kLetters));
    return name;
}

int FormulaLetters::indexOf(const QString &name)
{
    if (name.isEmpty() || name.size() > kMaxLetterNameLength)
        return -1;
    int index = 0;
    for (const QChar c : name) {
        if (c < u'A' || c > u'Z')
            return -1;
        index = index * kLetters + (c.unicode() - u'A' + 1);
    }
    return index - 1;
}

QString FormulaLetters::rename(const QString &expression, const std::function<QString(int index)> &rename)
{
    QString result;
    result.reserve(expression.size());
    qsizetype i = 0;
    while (i < expression.size()) {
        const QChar c = expression.at(i);
        if (!isNameChar(c) && c != u'.') {
            result += c;
            ++i;
            continue;
        }
        const qsizetype end = tokenEnd(expression, i);
        const QString token = expression.mid(i, end - i);
        const int index = isAsciiLetter(c) ? indexOf(token) : -1;
        result += index >= 0 ? rename(index) : token;
        i = end;
    }
    return result;
}

QList<int> FormulaLetters::used(const QString &expression)
{
    QSet<int> found;
    rename(expression, [&found](int index) {
        found.insert(index);
        return QString();
    });
    QList<int> indexes(found.cbegin(), found.cend());
    std::sort(indexes.begin(), indexes.end());
    return indexes;
}

struct FormulaExpression::Compiled
{
    mu::Parser parser;
    // One slot per input, its address handed to the parser: sized once, never moved.
    std::vector<double> inputValues;
};

FormulaExpression::FormulaExpression(const QString &text, int instrumentCount)
{
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty()) {
        m_error = tr("Введіть вираз, наприклад (A - B) / 2.");
        return;
    }
    if (trimmed.size() > kMaxExpressionLength) {
        m_error = tr("Вираз задовгий: не більше %1 символів.").arg(kMaxExpressionLength);
        return;
    }
    if (trimmed.contains(FormulaLetters::kDeletedInput)) {
        m_error = tr("Прилад, з яким рахувала формула, видалено: замініть «#» літерою приладу.");
        return;
    }
    if (const qsizetype at = assignmentAt(trimmed); at >= 0) {
        m_error = tr("Знак «=» на позиції %1 не дозволено: формула — це лише вираз, порівнюють через «==».")
                      .arg(at + 1);
        return;
    }

    const std::string utf8 = trimmed.toStdString();
    auto compiled = std::make_shared<Compiled>();
    try {
        compiled->parser.SetExpr(utf8);
        // Names the parser does not know yet: our letters, or typing errors.
        const mu::varmap_type names = compiled->parser.GetUsedVar();
        std::map<int, std::string> letters;
        for (const auto &entry : names) {
            const QString name = QString::fromStdString(entry.first);
            const int index = FormulaLetters::indexOf(name);
            if (index < 0 && !name.isEmpty() && (isAsciiDigit(name.at(0)) || name.at(0) == u'.')) {
                m_error = tr("Число «%1» записане неправильно або завелике.").arg(name);
                return;
            }
            if (index < 0) {
                m_error = tr("Невідома назва «%1»: прилади позначають великими літерами (A, B, C…), "
                             "функції — малими (min, max, abs, sqrt).")
                              .arg(name);
                return;
            }
            if (index >= instrumentCount) {
                m_error = instrumentCount > 0
                              ? tr("Приладу %1 немає: у робочій області прилади від A до %2.")
                                    .arg(name, lastLetter(instrumentCount))
                              : tr("Приладу %1 немає: у робочій області ще немає приладів.").arg(name);
                return;
            }
            letters.emplace(index, entry.first);
        }
        if (letters.empty()) {
            m_error = tr("Вираз не використовує жодного приладу: додайте літеру приладу (A, B, C…).");
            return;
        }
        compiled->inputValues.assign(letters.size(), 1.0);
        std::size_t slot = 0;
        for (const auto &[index, name] : letters) {
            compiled->parser.DefineVar(name, &compiled->inputValues[slot++]);
            m_inputs.append(index);
        }
        // The parser builds its program on the first evaluation; that is where the syntax is checked.
        compiled->parser.Eval();
        if (compiled->parser.GetNumResults() != 1) {
            m_inputs.clear();
            m_error = tr("Вираз має дати одне значення: кома розділяє лише аргументи функції.");
            return;
        }
    } catch (const mu::Parser::exception_type &error) {
        m_inputs.clear();
        const int position = characterPosition(utf8, error.GetPos());
        const QString token = QString::fromStdString(error.GetToken());
        switch (error.GetCode()) {
        case mu::ecUNEXPECTED_EOF:
            m_error = tr("Вираз обривається: бракує числа, літери приладу або дужки в кінці.");
            break;
        case mu::ecMISSING_PARENS:
            m_error = tr("Не закрито дужку.");
            break;
        case mu::ecTOO_MANY_PARAMS:
        case mu::ecTOO_FEW_PARAMS:
            m_error = tr("Неправильна кількість аргументів функції «%1».").arg(token);
            break;
        case mu::ecEXPRESSION_TOO_LONG:
        case mu::ecIDENTIFIER_TOO_LONG:
            m_error = tr("Вираз задовгий: не більше %1 символів.").arg(kMaxExpressionLength);
            break;
        default:
            m_error = token.trimmed().isEmpty()
                          ? tr("Помилка у виразі на позиції %1.").arg(position)
                          : tr("Помилка у виразі на позиції %1, біля «%2».").arg(position).arg(token.left(20));
            break;
        }
        return;
    } catch (const std::exception &) {
        m_inputs.clear();
        m_error = tr("Вираз не вдалося розібрати.");
        return;
    }
    m_compiled = std::move(compiled);
}

std::optional<double> FormulaExpression::evaluate(const QList<double> &values) const
{
    if (!m_compiled || values.size() != qsizetype(m_compiled->inputValues.size()))
        return std::nullopt;
    for (qsizetype i = 0; i < values.size(); ++i)
        m_compiled->inputValues[std::size_t(i)] = values.at(i);
    double result = 0.0;
    try {
        result = m_compiled->parser.Eval();
    } catch (const mu::Parser::exception_type &) {
        return std::nullopt;
    } catch (const std::exception &) {
        return std::nullopt;
    }
    if (!std::isfinite(result))
        return std::nullopt;
    return result;
}
