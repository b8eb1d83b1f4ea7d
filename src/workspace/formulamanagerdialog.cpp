#include "formulamanagerdialog.h"

#include "deviceeditdialog.h"
#include "devices/formula.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

constexpr int kMaxNumber = 255;

// The instrument fields share their texts (and translations) with the instrument edit dialog.
QString editText(const char *text)
{
    return QCoreApplication::translate("DeviceEditDialog", text);
}

} // namespace

FormulaManagerDialog::FormulaManagerDialog(const QList<DeviceRecord> &formulas, const QStringList &instrumentNames,
                                           int defaultUnit, QWidget *parent)
    : QDialog(parent)
    , m_formulas(formulas)
    , m_instrumentCount(int(instrumentNames.size()))
    , m_defaultUnit(defaultUnit)
{
    setWindowTitle(tr("Формули"));
    for (const DeviceRecord &formula : formulas) {
        m_storedExpressions.insert(formula.address, formula.expression);
        m_usedNumbers.insert(formula.address);
    }

    m_list = new QListWidget(this);
    m_list->setObjectName(QStringLiteral("formulaList"));
    m_addButton = new QPushButton(tr("Нова формула"), this);
    m_addButton->setObjectName(QStringLiteral("addButton"));
    m_removeButton = new QPushButton(tr("Видалити формулу"), this);
    m_removeButton->setObjectName(QStringLiteral("removeButton"));
    auto *listColumn = new QVBoxLayout;
    listColumn->addWidget(m_list);
    listColumn->addWidget(m_addButton);
    listColumn->addWidget(m_removeButton);

    m_form = new QWidget(this);
    auto *form = new QFormLayout(m_form);
    form->setContentsMargins(0, 0, 0, 0);
    m_nameEdit = new QLineEdit(m_form);
    m_nameEdit->setObjectName(QStringLiteral("nameEdit"));
    form->addRow(editText("Назва:"), m_nameEdit);
    m_expressionEdit = new QLineEdit(m_form);
    m_expressionEdit->setObjectName(QStringLiteral("expressionEdit"));
    m_expressionEdit->setPlaceholderText(tr("наприклад (A - B) / 2 або max(A, B, C) - min(A, B, C)"));
    form->addRow(tr("Вираз:"), m_expressionEdit);
    m_checkLabel = new QLabel(m_form);
    m_checkLabel->setObjectName(QStringLiteral("checkLabel"));
    m_checkLabel->setTextFormat(Qt::PlainText);
    m_checkLabel->setWordWrap(true);
    form->addRow(QString(), m_checkLabel);

    m_unitCombo = new QComboBox(m_form);
    m_unitCombo->setObjectName(QStringLiteral("unitCombo"));
    for (int code = UnitCode::Millimetre; code <= UnitCode::Radian; ++code)
        m_unitCombo->addItem(DeviceEditDialog::unitText(code), code);
    m_unitCombo->setToolTip(tr("Прилади, що вимірюють ту саму величину, беруться в цих одиницях"));
    form->addRow(tr("Одиниці:"), m_unitCombo);

    m_precisionCombo = DeviceEditDialog::precisionCombo(m_form);
    form->addRow(editText("Точність:"), m_precisionCombo);
    m_modeCombo = DeviceEditDialog::modeCombo(m_form);
    form->addRow(editText("Режим вимірювання:"), m_modeCombo);
    m_limitMinSpin = DeviceEditDialog::limitSpin(QStringLiteral("limitMinSpin"), m_form);
    form->addRow(editText("Мін. ліміт:"), m_limitMinSpin);
    m_limitMaxSpin = DeviceEditDialog::limitSpin(QStringLiteral("limitMaxSpin"), m_form);
    form->addRow(editText("Макс. ліміт:"), m_limitMaxSpin);

    auto *columns = new QHBoxLayout;
    columns->addLayout(listColumn, 2);
    columns->addWidget(m_form, 3);

    auto *instrumentsHeading = new QLabel(tr("Прилади (подвійний клік або Enter додає літеру у вираз):"), this);
    instrumentsHeading->setObjectName(QStringLiteral("instrumentsHeading"));
    instrumentsHeading->setWordWrap(true);
    m_instrumentList = new QListWidget(this);
    m_instrumentList->setObjectName(QStringLiteral("instrumentList"));
    for (int i = 0; i < m_instrumentCount; ++i)
        m_instrumentList->addItem(tr("%1  —  %2").arg(FormulaLetters::letterFor(i), instrumentNames.at(i)));
    if (m_instrumentCount == 0)
        m_instrumentList->addItem(tr("Приладів ще немає: формула рахує з приладів робочої області."));
    m_instrumentList->setMaximumHeight(m_instrumentList->sizeHintForRow(0) * 5 + 8);

    auto *buttons = new QDialogButtonBox(this);
    QPushButton *ok = buttons->addButton(editText("ОК"), QDialogButtonBox::AcceptRole);
    ok->setObjectName(QStringLiteral("okButton"));
    ok->setDefault(true);
    QPushButton *cancel = buttons->addButton(editText("Скасувати"), QDialogButtonBox::RejectRole);
    cancel->setObjectName(QStringLiteral("cancelButton"));

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(columns);
    layout->addWidget(instrumentsHeading);
    layout->addWidget(m_instrumentList);
    layout->addWidget(buttons);
    setMinimumWidth(640);

    for (const DeviceRecord &formula : std::as_const(m_formulas))
        m_list->addItem(formula.name);
    connect(m_list, &QListWidget::currentRowChanged, this, &FormulaManagerDialog::showFormula);
    connect(m_addButton, &QPushButton::clicked, this, &FormulaManagerDialog::addFormula);
    connect(m_removeButton, &QPushButton::clicked, this, &FormulaManagerDialog::removeFormula);
    connect(m_instrumentList, &QListWidget::itemDoubleClicked, this,
            [this](QListWidgetItem *item) { insertLetter(m_instrumentList->row(item)); });
    m_instrumentList->installEventFilter(this);
    connect(m_expressionEdit, &QLineEdit::textChanged, this, &FormulaManagerDialog::checkExpression);
    for (QLineEdit *edit : {m_nameEdit, m_expressionEdit})
        connect(edit, &QLineEdit::textEdited, this, &FormulaManagerDialog::takeEdits);
    for (QComboBox *combo : {m_unitCombo, m_precisionCombo, m_modeCombo})
        connect(combo, &QComboBox::currentIndexChanged, this, &FormulaManagerDialog::takeEdits);
    for (QDoubleSpinBox *spin : {m_limitMinSpin, m_limitMaxSpin})
        connect(spin, &QDoubleSpinBox::valueChanged, this, &FormulaManagerDialog::takeEdits);
    connect(buttons, &QDialogButtonBox::accepted, this, &FormulaManagerDialog::onOkClicked);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    select(0);
}

bool FormulaManagerDialog::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_instrumentList && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            insertLetter(m_instrumentList->currentRow());
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

QString FormulaManagerDialog::removalQuestion(const QString &name)
{
    return tr("Видалити формулу <b>%1</b>? Її записані значення також буде видалено.").arg(name.toHtmlEscaped());
}

void FormulaManagerDialog::select(int row)
{
    if (m_formulas.isEmpty()) {
        showFormula(-1);
        return;
    }
    m_list->setCurrentRow(std::clamp(row, 0, int(m_formulas.size()) - 1));
}

void FormulaManagerDialog::showFormula(int row)
{
    m_shown = row >= 0 && row < m_formulas.size() ? row : -1;
    m_form->setEnabled(m_shown >= 0);
    m_removeButton->setEnabled(m_shown >= 0);
    const DeviceRecord shown = m_shown >= 0 ? m_formulas.at(m_shown) : DeviceRecord();
    // Filling the fields is no edit of the formula.
    m_showing = true;
    m_nameEdit->setText(shown.name);
    m_expressionEdit->setText(shown.expression);
    DeviceEditDialog::selectData(m_unitCombo, shown.unit, UnitCode::Millimetre);
    DeviceEditDialog::selectData(m_precisionCombo, shown.precision, precisionDigits(shown.precision));
    DeviceEditDialog::selectData(m_modeCombo, shown.measuringType, MeasuringMode::Disable);
    m_limitMinSpin->setValue(shown.limitMin);
    m_limitMaxSpin->setValue(shown.limitMax);
    m_showing = false;
    checkExpression();
}

void FormulaManagerDialog::takeEdits()
{
    if (m_showing || m_shown < 0)
        return;
    DeviceRecord &formula = m_formulas[m_shown];
    formula.name = m_nameEdit->text();
    formula.expression = m_expressionEdit->text().trimmed();
    formula.unit = m_unitCombo->currentData().toInt();
    formula.precision = m_precisionCombo->currentData().toInt();
    formula.measuringType = m_modeCombo->currentData().toInt();
    formula.limitMin = m_limitMinSpin->value();
    formula.limitMax = m_limitMaxSpin->value();
    m_list->item(m_shown)->setText(formula.name);
}

void FormulaManagerDialog::checkExpression()
{
    if (m_shown < 0) {
        m_checkLabel->setText(m_formulas.isEmpty() ? tr("Формул ще немає: натисніть «Нова формула».") : QString());
        m_checkLabel->setStyleSheet(QString());
        return;
    }
    const FormulaExpression expression(m_expressionEdit->text(), m_instrumentCount);
    if (expression.isValid()) {
        QStringList letters;
        for (const int input : expression.inputs())
            letters.append(FormulaLetters::letterFor(input));
        m_checkLabel->setText(tr("✓ Вираз правильний; рахує з приладів %1.").arg(letters.join(QStringLiteral(", "))));
        m_checkLabel->setStyleSheet(QStringLiteral("color: #006400;"));
    } else {
        m_checkLabel->setText(expression.error());
        m_checkLabel->setStyleSheet(QStringLiteral("color: #cc0000;"));
    }
}

void FormulaManagerDialog::insertLetter(int instrument)
{
    if (m_shown < 0 || instrument < 0 || instrument >= m_instrumentCount)
        return;
    m_expressionEdit->insert(FormulaLetters::letterFor(instrument));
    takeEdits();
    m_expressionEdit->setFocus();
}

void FormulaManagerDialog::addFormula()
{
    int number = 1;
    while (number <= kMaxNumber && m_usedNumbers.contains(number))
        ++number;
    if (number > kMaxNumber) {
        QMessageBox::warning(this, windowTitle(), tr("Більше формул додати не можна."));
        return;
    }
    m_usedNumbers.insert(number);
    DeviceRecord formula;
    formula.type = ConnectionKind::Formula;
    formula.portName = formulaPortName();
    formula.address = quint8(number);
    formula.name = tr("Формула %1").arg(m_formulas.size() + 1);
    formula.unit = m_defaultUnit;
    formula.precision = 3;
    m_formulas.append(formula);
    m_list->addItem(formula.name);
    m_list->setCurrentRow(int(m_formulas.size()) - 1);
    // The name comes first: typing replaces the proposed one, Tab goes on to the expression.
    m_nameEdit->setFocus();
    m_nameEdit->selectAll();
}

void FormulaManagerDialog::removeFormula()
{
    if (m_shown < 0)
        return;
    if (QMessageBox::question(this, tr("Видалити формулу"), removalQuestion(m_formulas.at(m_shown).name),
                              QMessageBox::Yes | QMessageBox::No) != QMessageBox::Yes)
        return;
    const int row = m_shown;
    m_formulas.removeAt(row);
    m_shown = -1;
    delete m_list->takeItem(row);
    select(row);
}

QString FormulaManagerDialog::problemOf(int row) const
{
    const DeviceRecord &formula = m_formulas.at(row);
    if (formula.name.trimmed().isEmpty())
        return tr("Введіть назву формули.");
    // A formula disabled since an instrument went keeps its expression until the user turns to it.
    const auto stored = m_storedExpressions.constFind(formula.address);
    const bool unchanged = stored != m_storedExpressions.cend() && stored.value() == formula.expression;
    const FormulaExpression expression(formula.expression, m_instrumentCount);
    if (!expression.isValid() && !unchanged)
        return expression.error();
    if (formula.measuringType == MeasuringMode::RangeLimits && formula.limitMin > formula.limitMax)
        return editText("Нижній ліміт більший за верхній. Перевірте ліміти.");
    return QString();
}

void FormulaManagerDialog::onOkClicked()
{
    for (int row = 0; row < m_formulas.size(); ++row) {
        const QString problem = problemOf(row);
        if (problem.isEmpty())
            continue;
        select(row);
        // The name is the user's own text: never taken for markup.
        QMessageBox box(QMessageBox::Warning, windowTitle(),
                        tr("Формулу «%1» не можна зберегти:\n%2").arg(m_formulas.at(row).name, problem),
                        QMessageBox::Ok, this);
        box.setTextFormat(Qt::PlainText);
        box.exec();
        return;
    }
    accept();
}
