#include "pressetsetting.h"

#include <QDebug>
#include <QEvent>
#include <QFileDialog>
#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QSaveFile>
#include <QTableWidget>

PressetSetting::PressetSetting(QWidget *parent)
    : QWidget(parent, Qt::Window)
{
    qRegisterMetaType<PresetData_t>("PresetData_t");

    auto *grid = new QGridLayout(this);
    const auto edit = [this](const char *name) {
        auto *line = new QLineEdit(this);
        line->setObjectName(QLatin1String(name));
        return line;
    };
    const auto button = [this](const char *name) {
        auto *b = new QPushButton(this);
        b->setObjectName(QLatin1String(name));
        return b;
    };
    m_table = new QTableWidget(0, 1, this);
    m_table->setObjectName(QStringLiteral("tableWidget"));
    m_table->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    m_count = edit("CountPointsLineEdit");
    m_from = edit("From_lineEdit");
    m_to = edit("To_lineEdit");
    m_step = edit("Step_lineEdit");
    m_deviation = edit("delta_megering");
    m_countLabel = new QLabel(this);
    m_fromLabel = new QLabel(this);
    m_toLabel = new QLabel(this);
    m_stepLabel = new QLabel(this);
    m_deviationLabel = new QLabel(this);
    m_setPoints = button("AddPrecisioPointButton");
    m_generate = button("AutoGenerate");
    m_save = button("SaveButton");

    grid->addWidget(m_table, 0, 0, 8, 1);
    grid->addWidget(m_countLabel, 0, 1);
    grid->addWidget(m_count, 0, 2);
    grid->addWidget(m_setPoints, 1, 1, 1, 2);
    grid->addWidget(m_fromLabel, 2, 1);
    grid->addWidget(m_from, 2, 2);
    grid->addWidget(m_toLabel, 3, 1);
    grid->addWidget(m_to, 3, 2);
    grid->addWidget(m_stepLabel, 4, 1);
    grid->addWidget(m_step, 4, 2);
    grid->addWidget(m_generate, 5, 1, 1, 2);
    grid->addWidget(m_deviationLabel, 6, 1);
    grid->addWidget(m_deviation, 6, 2);
    grid->addWidget(m_save, 7, 1, 1, 2);
    grid->setColumnStretch(0, 1);

    connect(m_setPoints, &QPushButton::clicked, this, &PressetSetting::on_AddPrecisioPointButton_clicked);
    connect(m_generate, &QPushButton::clicked, this, &PressetSetting::on_AutoGenerate_clicked);
    connect(m_save, &QPushButton::clicked, this, &PressetSetting::on_SaveButton_clicked);
    connect(m_table, &QTableWidget::cellChanged, this, &PressetSetting::on_tableWidget_cellChanged);
    connect(m_table, &QTableWidget::entered, this, &PressetSetting::on_tableWidget_entered);

    retranslate();
    resize(520, 420);
}

void PressetSetting::retranslate()
{
    setWindowTitle(tr("Form"));
    setHeader();
    m_countLabel->setText(tr("Кількість точек"));
    m_setPoints->setText(tr("Задать точки"));
    m_fromLabel->setText(tr("Від"));
    m_toLabel->setText(tr("До"));
    m_stepLabel->setText(tr("Крок"));
    m_generate->setText(tr("Автогенерація"));
    m_deviationLabel->setText(tr("Відхилення "));
    m_save->setText(tr("Save"));
}

void PressetSetting::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QWidget::changeEvent(event);
}

void PressetSetting::setHeader()
{
    m_table->setColumnCount(1);
    m_table->setHorizontalHeaderLabels({tr("Задані значення")});
}

void PressetSetting::reset()
{
    m_table->clearContents();
    m_table->setRowCount(0);
    setHeader();
}

void PressetSetting::on_AddPrecisioPointButton_clicked()
{
    const int rows = qMax(0, m_count->text().trimmed().toInt());
    setHeader();
    m_table->setRowCount(rows);
}

void PressetSetting::on_tableWidget_entered(QModelIndex index)
{
    Q_UNUSED(index)
}

void PressetSetting::on_tableWidget_cellChanged(int row, int column)
{
    QTableWidgetItem *item = m_table->item(row, column);
    if (!item || item->text().isEmpty())
        return;
    if (!StandPreset::parseNumber(item->text()))
        item->setText(QString());
}

PresetData_t PressetSetting::collectPresetData() const
{
    PresetData_t data;
    data.deviation = StandPreset::parseNumber(m_deviation->text()).value_or(0.0);
    data.count = m_table->rowCount();
    data.targets.reserve(data.count);
    for (int row = 0; row < data.count; ++row) {
        const QTableWidgetItem *item = m_table->item(row, 0);
        data.targets.append(item ? StandPreset::parseNumber(item->text()).value_or(0.0) : 0.0);
    }
    return data;
}

void PressetSetting::on_SaveButton_clicked()
{
    const QString caption = tr("Зберегти налаштування");
    const QString filter = tr("JSON %1 (*.json);;%2 (*.*)").arg(tr("Файли"), tr("Всі файли"));
    QString fileName = m_fileNames ? m_fileNames(caption, filter)
                                   : QFileDialog::getSaveFileName(this, caption, QString(), filter);
    if (fileName.isEmpty())
        return;
    if (!fileName.endsWith(QLatin1String(".json"), Qt::CaseInsensitive))
        fileName += QLatin1String(".json");
    // A failed save keeps the editor open so the points are not lost.
    if (savePresetsToFile(fileName))
        close();
}

bool PressetSetting::savePresetsToFile(const QString &fileName)
{
    const QByteArray content = StandPreset::write(collectPresetData());
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly) || file.write(content) != content.size() || !file.commit()) {
        qWarning().noquote() << "[Stand] preset" << fileName << "not saved:" << file.errorString();
        QMessageBox::critical(this, tr("Помилка"), tr("Не вдалося зберегти файл!"));
        return false;
    }
    QMessageBox::information(this, tr("Успіх"), tr("Налаштування успішно збережено"));
    return true;
}

void PressetSetting::on_AutoGenerate_clicked()
{
    const std::optional<double> from = StandPreset::parseNumber(m_from->text());
    const std::optional<double> to = StandPreset::parseNumber(m_to->text());
    const std::optional<double> step = StandPreset::parseNumber(m_step->text());
    if (!from || !to || !step) {
        QMessageBox::warning(this, tr("Помилка"), tr("Перевірте правильність введених чисел."));
        return;
    }
    const StandPreset::Generated generated = StandPreset::generate(*from, *to, *step);
    switch (generated.error) {
    case StandPreset::GenerateError::StepNotPositive:
        QMessageBox::warning(this, tr("Помилка"), tr("Крок повинен бути більшим за нуль."));
        return;
    case StandPreset::GenerateError::FromAboveTo:
        QMessageBox::warning(this, tr("Помилка"), tr("Початкове значення більше за кінцеве."));
        return;
    case StandPreset::GenerateError::TooManyPoints:
        setHeader();
        QMessageBox::warning(this, tr("Увага"), tr("Занадто багато точок (>10 000). Збільште крок."));
        return;
    case StandPreset::GenerateError::None:
        break;
    }
    setHeader();
    m_table->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    const QSignalBlocker blocker(m_table); // generated values need no cell check
    m_table->clearContents();
    m_table->setRowCount(int(generated.values.size()));
    for (int row = 0; row < generated.values.size(); ++row)
        m_table->setItem(row, 0, new QTableWidgetItem(QString::number(generated.values.at(row), 'f', 3)));
    m_table->scrollToTop();
}
