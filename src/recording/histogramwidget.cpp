#include "recording/histogramwidget.h"

#include "devices/tolerance.h"
#include "recording/seriespainter.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <QToolTip>

#include <algorithm>
#include <cmath>

namespace {

// A bar with its two top corners rounded.
QPainterPath barPath(const QRectF &bar, double radius)
{
    QPainterPath path;
    path.moveTo(bar.left(), bar.bottom());
    path.lineTo(bar.left(), bar.top() + radius);
    path.quadTo(bar.left(), bar.top(), bar.left() + radius, bar.top());
    path.lineTo(bar.right() - radius, bar.top());
    path.quadTo(bar.right(), bar.top(), bar.right(), bar.top() + radius);
    path.lineTo(bar.right(), bar.bottom());
    path.closeSubpath();
    return path;
}

} // namespace

HistogramWidget::HistogramWidget(QWidget *parent)
    : QWidget(parent)
{
    setMouseTracking(true);
    setMinimumHeight(150);
}

void HistogramWidget::setData(const QList<double> &values, int precision, const QString &unit, int measuringType,
                              double limitMin, double limitMax)
{
    m_bins = Statistics::histogram(values);
    m_precision = precision;
    m_unit = unit;
    m_measuringType = measuringType;
    m_limitMin = limitMin;
    m_limitMax = limitMax;
    const Statistics::Summary summary = Statistics::summarize(values);
    m_mean = summary.mean;
    m_sigma = summary.stdDev;
    m_count = summary.count;
    m_axisLow = m_bins.min;
    m_axisHigh = m_bins.max;
    if (!m_bins.counts.isEmpty()) {
        if (measuringType == MeasuringMode::MinLimits || measuringType == MeasuringMode::RangeLimits)
            m_axisLow = std::min(m_axisLow, limitMin);
        if (measuringType == MeasuringMode::MaxLimits || measuringType == MeasuringMode::RangeLimits)
            m_axisHigh = std::max(m_axisHigh, limitMax);
        // A little room, so a limit at the edge of the data is not hidden by the frame.
        if (m_axisLow < m_bins.min || m_axisHigh > m_bins.max) {
            const double margin = (m_axisHigh - m_axisLow) * 0.03;
            m_axisLow -= margin;
            m_axisHigh += margin;
        }
    }
    update();
}

double HistogramWidget::xOf(double value, const QRectF &area) const
{
    return area.left() + (value - m_axisLow) / (m_axisHigh - m_axisLow) * area.width();
}

QRectF HistogramWidget::plotArea() const
{
    return QRectF(46, 10, width() - 60, height() - 40);
}

QString HistogramWidget::toolTipAt(const QPointF &pos) const
{
    const QRectF area = plotArea();
    const int k = int(m_bins.counts.size());
    if (k == 0 || area.width() <= 0 || !area.contains(pos))
        return QString();
    // The bars cover [min, max] of the values; the scale may reach further, out to the limits.
    const double left = xOf(m_bins.min, area);
    const double right = xOf(m_bins.max, area);
    if (pos.x() < left || pos.x() > right)
        return QString();
    const int i = Statistics::binAt(pos.x() - left, right - left, k);
    return tr("%1 … %2 %3\nвимірів: %4")
        .arg(Statistics::fixed(m_bins.lowerBound(i), m_precision),
             Statistics::fixed(m_bins.upperBound(i), m_precision), m_unit)
        .arg(m_bins.counts.at(i));
}

void HistogramWidget::paintEvent(QPaintEvent *)
{
    using namespace Statistics;
    QPainter p(this);
    p.fillRect(rect(), QColor(Colour::Background));
    const QRectF area = plotArea();
    const int k = int(m_bins.counts.size());
    const int m = m_bins.largest();
    if (k == 0 || m == 0 || area.width() <= 0) {
        p.setPen(QColor(Colour::Secondary));
        p.drawText(rect(), Qt::AlignCenter, tr("Замало даних для гістограми"));
        return;
    }

    const int ticks = m <= 5 ? m : 5;
    for (int i = 0; i <= ticks; ++i) {
        const double y = std::round(area.bottom() - area.height() * i / ticks) + 0.5;
        p.setPen(QColor(Colour::Grid));
        p.drawLine(QPointF(area.left(), y), QPointF(area.right(), y));
        p.setPen(QColor(Colour::Secondary));
        p.drawText(QRectF(0, y - 9, 40, 18), Qt::AlignRight | Qt::AlignVCenter,
                   QString::number(std::lround(double(m) * i / ticks)));
    }
    p.setPen(QColor(Colour::Axis));
    p.drawLine(QPointF(area.left(), area.bottom() + 0.5), QPointF(area.right(), area.bottom() + 0.5));

    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(Colour::Series));
    const double barsLeft = xOf(m_bins.min, area);
    const double slot = (xOf(m_bins.max, area) - barsLeft) / k;
    for (int i = 0; i < k; ++i) {
        const int count = m_bins.counts.at(i);
        const double h = area.height() * count / m;
        if (count == 0 || h <= 0.5)
            continue;
        const double w = std::max(1.0, slot - 2.0);
        const QRectF bar(barsLeft + i * slot + 1.0, area.bottom() - h, w, h);
        p.drawPath(barPath(bar, std::min({4.0, h, w / 2.0})));
    }

    // The normal curve of the values' mean and spread, scaled to counts per bin: n · bin width · density.
    if (m_sigma > 0.0) {
        const double binWidth = (m_bins.max - m_bins.min) / k;
        const double sqrtTwoPi = 2.5066282746310002; // √(2π)
        const double scale = m_count * binWidth / (m_sigma * sqrtTwoPi);
        QPolygonF curve;
        const int steps = std::max(2, int(area.width() / 3));
        for (int i = 0; i <= steps; ++i) {
            const double v = m_axisLow + (m_axisHigh - m_axisLow) * i / steps;
            const double z = (v - m_mean) / m_sigma;
            const double count = scale * std::exp(-0.5 * z * z);
            curve.append(QPointF(xOf(v, area), area.bottom() - std::min(count / m, 1.2) * area.height()));
        }
        p.setPen(QPen(QColor(Colour::Trend), 2));
        p.setBrush(Qt::NoBrush);
        p.drawPolyline(curve);
    }
    p.setRenderHint(QPainter::Antialiasing, false);

    p.setFont(smallerFont(font()));
    const auto limitLine = [&](double value, const QString &label, Qt::Alignment side) {
        const double x = std::round(xOf(value, area)) + 0.5;
        p.setPen(QPen(QColor(Colour::Limit), 1, Qt::DashLine));
        p.drawLine(QPointF(x, area.top()), QPointF(x, area.bottom()));
        p.setPen(QColor(Colour::Limit));
        const QRectF box = side == Qt::AlignRight ? QRectF(x - 204, area.top(), 200, 16)
                                                  : QRectF(x + 4, area.top(), 200, 16);
        p.drawText(box, side | Qt::AlignTop, label);
    };
    if (m_measuringType == MeasuringMode::MinLimits || m_measuringType == MeasuringMode::RangeLimits)
        limitLine(m_limitMin, tr("НМ %1").arg(Statistics::fixed(m_limitMin, m_precision)), Qt::AlignLeft);
    if (m_measuringType == MeasuringMode::MaxLimits || m_measuringType == MeasuringMode::RangeLimits)
        limitLine(m_limitMax, tr("ВМ %1").arg(Statistics::fixed(m_limitMax, m_precision)), Qt::AlignRight);

    p.setPen(QColor(Colour::Secondary));
    const QRectF under(area.left(), area.bottom() + 4, area.width(), 20);
    p.drawText(under, Qt::AlignLeft | Qt::AlignTop, Statistics::fixed(m_axisLow, m_precision));
    p.drawText(under, Qt::AlignRight | Qt::AlignTop, Statistics::fixed(m_axisHigh, m_precision));
}

void HistogramWidget::mouseMoveEvent(QMouseEvent *event)
{
    showChartToolTip(this, event->globalPosition(), toolTipAt(event->position()));
}

void HistogramWidget::leaveEvent(QEvent *)
{
    QToolTip::hideText();
}
