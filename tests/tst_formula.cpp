#include "devices/formula.h"
#include "devices/formulafile.h"

#include <QTemporaryDir>
#include <QTest>

#include <cmath>

// Expressions of formula instruments as the user types them, and formulas.ini as it is read back.
class TestFormula : public QObject
{
    Q_OBJECT

private slots:
    void expressions_data();
    void expressions();
    void lettersAndRenames();
    void fileFollowsItsInstruments();
};

void TestFormula::expressions_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("expected"); // NaN: checked, but no finite result
    QTest::addColumn<QString>("error");   // a part of the refusal, empty for a valid expression
    // Three instruments A, B, C read 10, 4 and -2.
    QTest::newRow("thickness") << "A + B" << 14.0 << "";
    QTest::newRow("taper") << " (A - B) / 2 " << 3.0 << "";
    QTest::newRow("run-out, several arguments") << "max(A, B, C) - min(A, B, C)" << 12.0 << "";
    QTest::newRow("exponent is no letter") << "1.5E-1 * C + 2e+1" << 19.7 << "";
    QTest::newRow("comparison") << "A >= B ? A : B" << 10.0 << "";
    QTest::newRow("division by zero") << "A / (B - B)" << qQNaN() << "";
    QTest::newRow("square root of a negative") << "sqrt(C)" << qQNaN() << "";
    QTest::newRow("open parenthesis") << "(A + B" << qQNaN() << "Не закрито дужку";
    QTest::newRow("cut short") << "A +" << qQNaN() << "обривається";
    QTest::newRow("stray token") << "A + B)" << qQNaN() << "на позиції 6";
    QTest::newRow("missing instrument") << "A + D" << qQNaN() << "Приладу D немає";
    QTest::newRow("small letters") << "a + b" << qQNaN() << "Невідома назва «a»";
    QTest::newRow("assignment") << "A = 3" << qQNaN() << "«=»";
    QTest::newRow("two results") << "A, B" << qQNaN() << "одне значення";
    QTest::newRow("no instrument") << "2 * _pi" << qQNaN() << "жодного приладу";
    QTest::newRow("deleted instrument") << "A + #" << qQNaN() << "видалено";
    QTest::newRow("empty") << "  " << qQNaN() << "Введіть вираз";
    QTest::newRow("arguments") << "sum()" << qQNaN() << "аргументів функції «sum»";
}

void TestFormula::expressions()
{
    QFETCH(QString, text);
    QFETCH(double, expected);
    QFETCH(QString, error);
    const FormulaExpression expression(text, 3);
    QCOMPARE(expression.isValid(), error.isEmpty());
    QVERIFY2(expression.error().contains(error), qPrintable(expression.error()));
    QList<double> values;
    for (const int input : expression.inputs())
        values.append(QList<double>{10.0, 4.0, -2.0}.at(input));
    const std::optional<double> result = expression.evaluate(values);
    QCOMPARE(result.has_value(), !std::isnan(expected));
    if (result)
        QVERIFY(qFuzzyCompare(*result, expected));
    // A refused expression never evaluates, whatever it is given.
    if (!expression.isValid())
        QVERIFY(!expression.evaluate({1.0, 2.0, 3.0}).has_value());
}

void TestFormula::lettersAndRenames()
{
    QCOMPARE(FormulaLetters::letterFor(25), QStringLiteral("Z"));
    QCOMPARE(FormulaLetters::letterFor(26), QStringLiteral("AA"));
    QCOMPARE(FormulaLetters::indexOf(QStringLiteral("AB")), 27);
    QCOMPARE(FormulaLetters::indexOf(QStringLiteral("Ab")), -1);
    // Instruments 0 and 1 swap places, the others move down one: numbers, functions and spacing stay.
    const auto swap = [](int index) { return FormulaLetters::letterFor(index < 2 ? 1 - index : index + 1); };
    QCOMPARE(FormulaLetters::rename(QStringLiteral("max(A,B) - 1E+5*B + AA_1 + C"), swap),
             QStringLiteral("max(B,A) - 1E+5*A + AA_1 + D"));
    QCOMPARE(FormulaLetters::used(QStringLiteral("C - A + 2E3 + C")), (QList<int>{0, 2}));
}

void TestFormula::fileFollowsItsInstruments()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("formulas.ini"));
    DeviceRecord taper;
    taper.address = 7;
    taper.name = QStringLiteral("Taper, \"outer\"");
    taper.expression = QStringLiteral("(A - C) / 2");
    taper.measuringType = MeasuringMode::RangeLimits;
    taper.limitMin = -0.01;
    taper.limitMax = 0.015;
    taper.unit = UnitCode::Inch;
    DeviceRecord repeat = taper;
    repeat.name = QStringLiteral("same number");
    QVERIFY(FormulaFile::save(path, {taper, repeat}, {QStringLiteral("p:1"), QStringLiteral("p:2"), QStringLiteral("p:3")}));

    // After a restart the first instrument is gone and the third comes first.
    const QList<DeviceRecord> loaded = FormulaFile::load(path, {QStringLiteral("p:3"), QStringLiteral("p:2")});
    QCOMPARE(loaded.size(), 2);
    QCOMPARE(loaded.at(0).expression, QStringLiteral("(# - A) / 2"));
    QCOMPARE(loaded.at(0).name, taper.name);
    QCOMPARE(loaded.at(0).address, quint8(7));
    QCOMPARE(loaded.at(0).limitMax, 0.015);
    QCOMPARE(loaded.at(0).unit, int(UnitCode::Inch));
    QCOMPARE(loaded.at(0).type, int(ConnectionKind::Formula));
    QVERIFY(!loaded.at(0).connected);
    QCOMPARE(loaded.at(1).address, quint8(1)); // a repeated number gets a free one
}

QTEST_MAIN(TestFormula)
#include "tst_formula.moc"
