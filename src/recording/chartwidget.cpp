#include "recording/chartwidget.h"

#include "devices/devicerecord.h"
#include "recording/plotcanvas.h"
#include "recording/recordingstore.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

QList<ChartSeries> buildChartSeries(const RecordingStore &store, const QList<DeviceRecord> &devices,
                                    bool multiMode)
{
    QList<ChartSeries> series;
    series.reserve(devices.size());
    for (const DeviceRecord &device : devices)
        series.append({device.name, {}, precisionDigits(device.precision), unitShortText(device.unit)});
    if (!multiMode) {
        for (int i = 0; i < series.size(); ++i)
            series[i].values = store.records(i).values; // shared, not copied
        return series;
    }
    // One pass over the shared table instead of one look-up per device and snapshot.
    for (const MultiSnapshot &snapshot : store.snapshots()) {
        for (auto it = snapshot.values.cbegin(); it != snapshot.values.cend(); ++it) {
            if (it.key() >= 0 && it.key() < series.size())
                series[it.key()].values.append(it.value());
        }
    }
    return series;
}

void ChartWidget::retranslate()
{
    m_typeBox->setItemText(0, tr("Усі прилади по Y"));
    m_typeBox->setItemText(1, tr("X–Y (два прилади)"));
    m_typeLabel->setText(tr("Тип:"));
    m_gridBox->setText(tr("Сітка"));
}

void ChartWidget::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QWidget::changeEvent(event);
}

ChartWidget::ChartWidget(QWidget *parent)
    : QWidget(parent)
{
    m_typeBox = new QComboBox(this);
    m_typeBox->setObjectName(QStringLiteral("chartTypeBox"));
    m_typeBox->addItem(QString(), int(AllOnY));
    m_typeBox->addItem(QString(), int(XyPair));
    m_xLabel = new QLabel(tr("X:"), this);
    m_xBox = new QComboBox(this);
    m_xBox->setObjectName(QStringLiteral("chartXBox"));
    m_yLabel = new QLabel(tr("Y:"), this);
    m_yBox = new QComboBox(this);
    m_yBox->setObjectName(QStringLiteral("chartYBox"));
    m_gridBox = new QCheckBox(this);
    m_gridBox->setObjectName(QStringLiteral("chartGridBox"));
    m_gridBox->setChecked(true);
    m_infoLabel = new QLabel(this);
    m_infoLabel->setObjectName(QStringLiteral("chartInfoLabel"));
    m_infoLabel->setStyleSheet(QStringLiteral("QLabel { color: #888888; }"));
    m_sourceLabel = new QLabel(this);
    m_sourceLabel->setObjectName(QStringLiteral("chartSourceLabel"));
    m_sourceLabel->setStyleSheet(QStringLiteral("QLabel { color: #888888; margin-left: 12px; }"));
    m_canvas = new PlotCanvas(this);
    m_canvas->setObjectName(QStringLiteral("chartCanvas"));
    m_canvas->setMinimumHeight(260);

    auto *controls = new QHBoxLayout;
    m_typeLabel = new QLabel(this);
    controls->addWidget(m_typeLabel);
    controls->addWidget(m_typeBox);
    controls->addWidget(m_xLabel);
    controls->addWidget(m_xBox);
    controls->addWidget(m_yLabel);
    controls->addWidget(m_yBox);
    controls->addWidget(m_gridBox);
    controls->addWidget(m_infoLabel);
    controls->addWidget(m_sourceLabel);
    controls->addStretch(1);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(controls);
    layout->addWidget(m_canvas, 1);
    retranslate();

    connect(m_typeBox, &QComboBox::currentIndexChanged, this, [this] {
        updateDeviceBoxesVisible();
        rebuild();
    });
    connect(m_xBox, &QComboBox::currentIndexChanged, this, &ChartWidget::rebuild);
    connect(m_yBox, &QComboBox::currentIndexChanged, this, &ChartWidget::rebuild);
    connect(m_gridBox, &QCheckBox::toggled, m_canvas, &PlotCanvas::setGridVisible);
    connect(m_canvas, &PlotCanvas::gridVisibleChanged, m_gridBox, &QCheckBox::setChecked);
    updateDeviceBoxesVisible();
    rebuild();
}

QString ChartWidget::sourceTextFor(bool multiMode)
{
    return multiMode ? tr("дані зі спільної таблиці") : tr("дані з таблиць приладів");
}

void ChartWidget::setSourceText(const QString &text)
{
    m_sourceLabel->setText(text);
}

QString ChartWidget::infoText() const
{
    return m_infoLabel->text();
}

void ChartWidget::setSeries(const QList<ChartSeries> &series)
{
    m_series = series;
    refillDeviceBoxes();
    rebuild();
}

void ChartWidget::refillDeviceBoxes()
{
    const QSignalBlocker blockX(m_xBox);
    const QSignalBlocker blockY(m_yBox);
    const QString xText = m_xBox->currentText();
    const QString yText = m_yBox->currentText();
    m_xBox->clear();
    m_yBox->clear();
    for (int i = 0; i < m_series.size(); ++i) {
        m_xBox->addItem(m_series.at(i).name, i);
        m_yBox->addItem(m_series.at(i).name, i);
    }
    const int x = m_xBox->findText(xText);
    if (x >= 0)
        m_xBox->setCurrentIndex(x);
    const int y = m_yBox->findText(yText);
    if (y >= 0)
        m_yBox->setCurrentIndex(y);
    else if (m_yBox->count() >= 2)
        m_yBox->setCurrentIndex(1); // X and Y start as the first two devices
}

void ChartWidget::updateDeviceBoxesVisible()
{
    const bool xy = m_typeBox->currentData().toInt() == XyPair;
    m_xLabel->setVisible(xy);
    m_xBox->setVisible(xy);
    m_yLabel->setVisible(xy);
    m_yBox->setVisible(xy);
}

void ChartWidget::rebuild()
{
    m_canvas->setAutoScale(true, true);
    if (m_series.isEmpty()) {
        m_infoLabel->setText(tr("Немає приладів"));
        m_canvas->setSeriesList({});
        m_canvas->setXyMode(false);
        m_canvas->recomputeRanges();
        m_canvas->update();
        return;
    }

    const int xIndex = m_xBox->currentData().isValid() ? m_xBox->currentData().toInt() : -1;
    const int yIndex = m_yBox->currentData().isValid() ? m_yBox->currentData().toInt() : -1;
    const bool validPair = xIndex >= 0 && xIndex < m_series.size() && yIndex >= 0 && yIndex < m_series.size();
    if (m_typeBox->currentData().toInt() == XyPair && validPair) {
        ChartSeries x = m_series.at(xIndex);
        ChartSeries y = m_series.at(yIndex);
        const XyPairing pairing = pairByOrder(int(x.values.size()), int(y.values.size()));
        if (x.values.size() > pairing.pairs)
            x.values.resize(pairing.pairs);
        if (y.values.size() > pairing.pairs)
            y.values.resize(pairing.pairs);
        m_infoLabel->setText(
            pairing.extra >= 1
                ? tr("Порівнюється %1 пар; зайвих вимірів: %2").arg(pairing.pairs).arg(pairing.extra)
                : QString());
        m_canvas->setSeriesList({});
        m_canvas->setXySeries(x, y);
        m_canvas->setXyMode(true);
    } else {
        m_infoLabel->clear();
        m_canvas->setXySeries({}, {});
        m_canvas->setSeriesList(m_series);
        m_canvas->setXyMode(false);
    }
    m_canvas->recomputeRanges();
    m_canvas->update();
}
