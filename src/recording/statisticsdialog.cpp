#include "recording/statisticsdialog.h"

#include "recording/capability.h"
#include "recording/controlchartwidget.h"
#include "recording/histogramwidget.h"
#include "recording/tableexporter.h"
#include "recording/trendwidget.h"

#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QStandardItem>
#include <QStandardItemModel>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>
#include <utility>

namespace {

const char *const kValueStyle =
    "color: %1; font-size: 20px; font-family: 'Consolas'; background: transparent;";
const char *const kDash = "—";

QString valueStyle(const char *colour)
{
    return QString::fromLatin1(kValueStyle).arg(QLatin1String(colour));
}

} // namespace

StatisticsDialog::StatisticsDialog(const QList<DeviceStats> &devices, int initialIndex,
                                   const QString &sourceText, QWidget *parent)
    : QDialog(parent)
    , m_devices(devices)
{
    setWindowTitle(tr("Статистика"));
    setMinimumSize(1100, 700);

    m_list = new QListWidget(this);
    m_list->setFixedWidth(200);
    m_list->setStyleSheet(
        QStringLiteral("QListWidget { background: #f5f5f5; border: 1px solid #ddd; "
                       "border-radius: 6px; padding: 4px; }QListWidget::item { padding: 6px; }"));
    for (const DeviceStats &device : std::as_const(m_devices))
        m_list->addItem(QStringLiteral("%1  (%2)").arg(device.name).arg(device.allValues.size()));

    auto *source = new QLabel(sourceText, this);
    source->setStyleSheet(QStringLiteral("color: #888; font-size: 12px;"));
    m_heading = new QLabel(this);
    m_heading->setStyleSheet(QStringLiteral("font-size: 18px; font-weight: bold; color: #222;"));

    auto *chooser = new QHBoxLayout;
    chooser->addWidget(new QLabel(tr("Рахувати за:"), this));
    m_valueSet = new QComboBox(this);
    chooser->addWidget(m_valueSet);
    chooser->addStretch();

    auto *panel = new QFrame(this);
    panel->setStyleSheet(QStringLiteral("QFrame { background: #f5f5f5; border-radius: 8px; }"));
    auto *grid = new QGridLayout(panel);
    grid->setSpacing(10);
    const QString captions[TileCount] = {tr("Кількість"), tr("Середнє"),       tr("Мінімум"),
                                         tr("Максимум"),  tr("Розмах"),        tr("Ст. відхилення"),
                                         tr("У допуску"), tr("Поза допуском"), tr("Придатних, %")};
    const auto addTile = [&](const QString &text, int row, int column, QList<QLabel *> &captionList,
                             QList<QLabel *> &valueList) {
        auto *tile = new QVBoxLayout;
        auto *caption = new QLabel(text, panel);
        caption->setStyleSheet(QStringLiteral("color: #777; font-size: 12px; background: transparent;"));
        auto *value = new QLabel(QString::fromUtf8(kDash), panel);
        value->setStyleSheet(valueStyle("#222"));
        tile->addWidget(caption);
        tile->addWidget(value);
        grid->addLayout(tile, row, column);
        captionList.append(caption);
        valueList.append(value);
    };
    for (int i = 0; i < TileCount; ++i)
        addTile(captions[i], i / 3, i % 3, m_captions, m_tiles);
    // Capability: the short-term figures from the moving range, the overall ones from the standard deviation.
    const QString capabilityCaptions[CapabilityTileCount] = {QStringLiteral("Cp"),  QStringLiteral("Cpk"),
                                                             QStringLiteral("Cpu"), QStringLiteral("Cpl"),
                                                             QStringLiteral("Pp"),  QStringLiteral("Ppk")};
    for (int i = 0; i < CapabilityTileCount; ++i)
        addTile(capabilityCaptions[i], i / 2, 3 + i % 2, m_capabilityCaptions, m_capabilityTiles);
    for (int i = Cp; i <= Cpl; ++i)
        m_capabilityCaptions[i]->setToolTip(tr("Придатність за короткочасним σ = MR̄ / 1,128 (ковзний розмах)"));
    for (int i = Pp; i <= Ppk; ++i)
        m_capabilityCaptions[i]->setToolTip(tr("Продуктивність за загальним σ (стандартне відхилення)"));
    for (QLabel *caption : std::as_const(m_capabilityCaptions))
        m_capabilityTiles[m_capabilityCaptions.indexOf(caption)]->setToolTip(caption->toolTip());

    m_info = new QLabel(this);
    m_info->setStyleSheet(QStringLiteral("color: #888; font-size: 12px;"));
    m_info->setWordWrap(true);

    m_histogram = new HistogramWidget(this);
    m_trend = new TrendWidget(this);
    m_controlChart = new ControlChartWidget(this);
    m_exporter = new TableExporter(this);
    auto *exportButton = new QPushButton(tr("Експорт"), this);
    exportButton->setObjectName(QStringLiteral("exportButton"));
    connect(exportButton, &QPushButton::clicked, this, &StatisticsDialog::exportFigures);
    auto *close = new QPushButton(tr("Закрити"), this);
    connect(close, &QPushButton::clicked, this, &QDialog::close);

    auto *right = new QVBoxLayout;
    right->addWidget(source);
    right->addWidget(m_heading);
    right->addLayout(chooser);
    right->addWidget(panel);
    right->addWidget(m_info);
    // Histogram and run chart on the left, the control chart beside them.
    auto *charts = new QGridLayout;
    charts->addWidget(new QLabel(tr("Розподіл значень"), this), 0, 0);
    charts->addWidget(m_histogram, 1, 0);
    charts->addWidget(new QLabel(tr("Тренд за порядком вимірювання"), this), 2, 0);
    charts->addWidget(m_trend, 3, 0);
    charts->addWidget(new QLabel(tr("Контрольна карта (I-MR)"), this), 0, 1);
    charts->addWidget(m_controlChart, 1, 1, 3, 1);
    charts->setRowStretch(1, 1);
    charts->setRowStretch(3, 1);
    right->addLayout(charts, 1);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(exportButton);
    buttons->addWidget(close);
    right->addLayout(buttons);

    auto *layout = new QHBoxLayout(this);
    layout->addWidget(m_list);
    layout->addLayout(right, 1);
    // The fixed minimum overrides the layout's own; open tall enough that nothing overlaps.
    resize(minimumSizeHint().expandedTo(minimumSize()));

    connect(m_list, &QListWidget::currentRowChanged, this, &StatisticsDialog::showDevice);
    connect(m_valueSet, &QComboBox::currentIndexChanged, this, &StatisticsDialog::recompute);

    // The list may or may not announce its first current row; show the device either way, once.
    const int row = m_devices.isEmpty() ? -1 : std::max(0, std::min(initialIndex, int(m_devices.size()) - 1));
    {
        const QSignalBlocker blocker(m_list);
        m_list->setCurrentRow(row);
    }
    showDevice(row);
}

QString StatisticsDialog::sourceText(bool multiMode)
{
    return multiMode ? tr("дані зі спільної таблиці") : tr("дані з таблиці приладу");
}

QString StatisticsDialog::heading() const
{
    return m_heading->text();
}

QString StatisticsDialog::information() const
{
    return m_info->text();
}

void StatisticsDialog::showDevice(int index)
{
    m_current = index >= 0 && index < m_devices.size() ? m_devices.at(index) : DeviceStats();
    m_heading->setText(m_current.name.isEmpty() ? tr("Немає приладів") : m_current.name);

    {
        const QSignalBlocker blocker(m_valueSet);
        m_valueSet->clear();
        m_valueSet->addItem(tr("усією таблицею (%1)").arg(m_current.allValues.size()), 0);
        m_valueSet->addItem(tr("виділеними рядками (%1)").arg(m_current.selectedValues.size()), 1);
        if (m_current.selectedValues.isEmpty()) {
            if (auto *model = qobject_cast<QStandardItemModel *>(m_valueSet->model()))
                model->item(1)->setEnabled(false);
        } else {
            m_valueSet->setCurrentIndex(1);
        }
    }
    recompute();
}

void StatisticsDialog::recompute()
{
    const bool selected = m_valueSet->currentData().toInt() == 1 && !m_current.selectedValues.isEmpty();
    const QList<double> &values = selected ? m_current.selectedValues : m_current.allValues;
    const int n = int(values.size());
    const int d = m_current.precision;
    const QString dash = QString::fromUtf8(kDash);
    const auto fixed = [d](double v) { return Statistics::fixed(v, d); };

    m_tiles[Count]->setText(QString::number(n));
    m_tiles[Within]->setStyleSheet(valueStyle("#222"));
    m_tiles[Outside]->setStyleSheet(valueStyle("#222"));
    if (n == 0) {
        for (int i = Mean; i < TileCount; ++i)
            m_tiles[i]->setText(dash);
        m_info->clear();
        for (QLabel *tile : std::as_const(m_capabilityTiles)) {
            tile->setText(dash);
            tile->setStyleSheet(valueStyle("#222"));
        }
        m_histogram->setData({}, d, m_current.unit);
        m_trend->setData({}, d, m_current.unit, m_current.measuringType, m_current.limitMin,
                         m_current.limitMax);
        m_controlChart->setData({}, d, m_current.unit);
        return;
    }

    const Statistics::Summary s = Statistics::summarize(values);
    m_tiles[Mean]->setText(fixed(s.mean));
    m_tiles[Minimum]->setText(fixed(s.min));
    m_tiles[Maximum]->setText(fixed(s.max));
    m_tiles[Range]->setText(fixed(s.range));
    m_tiles[StdDev]->setText(n >= 2 ? fixed(s.stdDev) : dash);

    QString info;
    const int type = m_current.measuringType;
    if (!Statistics::hasTolerance(type)) {
        m_tiles[Within]->setText(dash);
        m_tiles[Outside]->setText(dash);
        m_tiles[PassRate]->setText(dash);
        info = tr("Для цього приладу допуски не задані, тож придатність не оцінюється. "
                  "Задайте режим вимірювання з допусками в налаштуваннях приладу.");
    } else {
        const int within =
            Statistics::countWithinTolerance(values, type, m_current.limitMin, m_current.limitMax);
        m_tiles[Within]->setText(QString::number(within));
        m_tiles[Within]->setStyleSheet(valueStyle(Statistics::Colour::Within));
        m_tiles[Outside]->setText(QString::number(n - within));
        m_tiles[Outside]->setStyleSheet(valueStyle(n - within > 0 ? Statistics::Colour::Limit : "#222"));
        m_tiles[PassRate]->setText(QString::number(within * 100.0 / n, 'f', 1));
        if (type == 7)
            info = tr("Допуск: від %1 до %2 %3")
                       .arg(fixed(m_current.limitMin), fixed(m_current.limitMax), m_current.unit);
        else if (type == 6)
            info = tr("Допуск: не більше %1 %2").arg(fixed(m_current.limitMax), m_current.unit);
        else
            info = tr("Допуск: не менше %1 %2").arg(fixed(m_current.limitMin), m_current.unit);
    }

    const Capability::Indices capability =
        Capability::compute(values, type, m_current.limitMin, m_current.limitMax);
    const double figures[CapabilityTileCount] = {capability.cp,  capability.cpk, capability.cpu,
                                                 capability.cpl, capability.pp,  capability.ppk};
    for (int i = 0; i < CapabilityTileCount; ++i) {
        const Capability::Grade grade = Capability::grade(figures[i]);
        m_capabilityTiles[i]->setText(grade == Capability::Grade::Undefined ? dash
                                                                            : QString::number(figures[i], 'f', 2));
        const QString colour = Capability::gradeColour(grade);
        m_capabilityTiles[i]->setStyleSheet(
            valueStyle(colour.isEmpty() ? "#222" : qPrintable(colour)));
    }

    m_histogram->setData(values, d, m_current.unit, type, m_current.limitMin, m_current.limitMax);
    m_trend->setData(values, d, m_current.unit, type, m_current.limitMin, m_current.limitMax);
    m_controlChart->setData(values, d, m_current.unit);
    if (m_controlChart->outOfControlCount() > 0) {
        const QString control = tr("Поза статистичним контролем: %n точок", nullptr,
                                   m_controlChart->outOfControlCount());
        info = info.isEmpty() ? control : info + QStringLiteral("   •   ") + control;
    }

    const double slope = m_trend->slope();
    if (n >= 2 && !std::isnan(slope)) {
        // The sign follows the shown figure: a slope that rounds to zero reads "+0.0000", not "-0.0000".
        const QString figure = Statistics::fixed(slope, std::max(d, 4));
        const QString trend = tr("Тренд: %1%2 %3 за вимір")
                                  .arg(figure.startsWith(QLatin1Char('-')) ? QString() : QStringLiteral("+"),
                                       figure, m_current.unit);
        info = info.isEmpty() ? trend : info + QStringLiteral("   •   ") + trend;
    }
    m_info->setText(info);
}

QAbstractItemModel *StatisticsDialog::figures()
{
    if (!m_figures)
        m_figures = new QStandardItemModel(this);
    m_figures->clear();
    m_figures->setHorizontalHeaderLabels({tr("Показник"), tr("Значення")});
    const auto add = [this](const QString &figure, const QString &value) {
        m_figures->appendRow({new QStandardItem(figure), new QStandardItem(value)});
    };
    add(tr("Прилад"), m_current.name);
    add(tr("Рахувати за:").remove(u':'), m_valueSet->currentText());
    if (!m_current.unit.isEmpty())
        add(tr("Одиниця"), m_current.unit);
    for (int i = 0; i < TileCount; ++i)
        add(m_captions.at(i)->text(), m_tiles.at(i)->text());
    for (int i = 0; i < CapabilityTileCount; ++i)
        add(m_capabilityCaptions.at(i)->text(), m_capabilityTiles.at(i)->text());
    if (!m_info->text().isEmpty())
        add(tr("Примітка"), m_info->text());
    return m_figures;
}

void StatisticsDialog::exportFigures()
{
    m_exporter->setReportTitle(tr("Статистика: %1").arg(m_current.name));
    m_exporter->askAndExport(*figures());
}
