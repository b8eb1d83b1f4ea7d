#pragma once

#include "devices/devicerecord.h"

#include <QDialog>
#include <QHash>
#include <QList>
#include <QSet>
#include <QStringList>

class QComboBox;
class QDoubleSpinBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

// The formula instruments, edited together: the list of formulas on the left, the chosen one's name,
// expression, unit, precision, measuring mode and limits on the right, and the instruments with their
// letters below (double-click or Enter puts a letter into the expression). The expression is checked as it
// is typed; OK refuses a formula without a name, with an expression that does not parse or that names an
// instrument that is not there, and reversed range limits. Works on copies: the workspace takes
// formulas() after the dialog was accepted.
class FormulaManagerDialog : public QDialog
{
    Q_OBJECT

public:
    // `instrumentNames`: the instruments in card order (A, B, C, ...); `defaultUnit`: the unit a new
    // formula starts with.
    FormulaManagerDialog(const QList<DeviceRecord> &formulas, const QStringList &instrumentNames, int defaultUnit,
                         QWidget *parent = nullptr);

    // The question before a formula is deleted, here or from its card (rich text, the name escaped).
    static QString removalQuestion(const QString &name);

    // Shows the formula at `row` of the list.
    void select(int row);
    // The edited formulas in list order; a new one has a number (`address`) no formula had before.
    QList<DeviceRecord> formulas() const { return m_formulas; }

protected:
    // Enter on the instrument list puts the letter in; it does not press OK.
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void addFormula();
    void removeFormula();
    void showFormula(int row);
    void takeEdits();
    void checkExpression();
    void insertLetter(int instrument);
    void onOkClicked();
    // Why the formula at `row` cannot be kept; empty when it can.
    QString problemOf(int row) const;

    QList<DeviceRecord> m_formulas;
    // Expressions as they came in, by formula number: one left unchanged may stay unusable (disabled).
    QHash<int, QString> m_storedExpressions;
    QSet<int> m_usedNumbers;
    const int m_instrumentCount;
    const int m_defaultUnit;
    int m_shown = -1;
    bool m_showing = false;

    QListWidget *m_list = nullptr;
    QPushButton *m_addButton = nullptr;
    QPushButton *m_removeButton = nullptr;
    QWidget *m_form = nullptr;
    QLineEdit *m_nameEdit = nullptr;
    QLineEdit *m_expressionEdit = nullptr;
    QLabel *m_checkLabel = nullptr;
    QComboBox *m_unitCombo = nullptr;
    QComboBox *m_precisionCombo = nullptr;
    QComboBox *m_modeCombo = nullptr;
    QDoubleSpinBox *m_limitMinSpin = nullptr;
    QDoubleSpinBox *m_limitMaxSpin = nullptr;
    QListWidget *m_instrumentList = nullptr;
};
