#include "recording/statisticsdialog.h"

#include "recording/histogramwidget.h"
#include "recording/trendwidget.h"

#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
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
    setMinimumSize(940, 700);

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
    for (int i = 0; i < TileCount; ++i) {
        auto *tile = new QVBoxLayout;
        auto *caption = new QLabel(captions[i], panel);
        caption->setStyleSheet(QStringLiteral("color: #777; font-size: 12px; background: transparent;"));
        auto *value = new QLabel(QString::fromUtf8(kDash), panel);
        value->setStyleSheet(valueStyle("#222"));
        tile->addWidget(caption);
        tile->addWidget(value);
        grid->addLayout(tile, i / 3, i % 3);
        m_tiles.append(value);
    }

    m_info = new QLabel(this);
    m_info->setStyleSheet(QStringLiteral("color: #888; font-size: 12px;"));
    m_info->setWordWrap(true);

    m_histogram = new HistogramWidget(this);
    m_trend = new TrendWidget(this);
    auto *close = new QPushButton(tr("Закрити"), this);
    connect(close, &QPushButton::clicked, this, &QDialog::close);

    auto *right = new QVBoxLayout;
    right->addWidget(source);
    right->addWidget(m_heading);
    right->addLayout(chooser);
    right->addWidget(panel);
    right->addWidget(m_info);
    right->addWidget(new QLabel(tr("Розподіл значень"), this));
    right->addWidget(m_histogram, 1);
    right->addWidget(new QLabel(tr("Тренд за порядком вимірювання"), this));
    right->addWidget(m_trend, 1);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
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
        m_histogram->setData({}, d, m_current.unit);
        m_trend->setData({}, d, m_current.unit, m_current.measuringType, m_current.limitMin,
                         m_current.limitMax);
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

    m_histogram->setData(values, d, m_current.unit);
    m_trend->setData(values, d, m_current.unit, type, m_current.limitMin, m_current.limitMax);

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
