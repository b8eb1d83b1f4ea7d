#include "recording/histogramwidget.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QToolTip>

#include <algorithm>
#include <cmath>

namespace {

QFont smallerFont(QFont font)
{
    if (font.pointSizeF() > 1.0)
        font.setPointSizeF(font.pointSizeF() - 1.0);
    else if (font.pixelSize() > 1)
        font.setPixelSize(font.pixelSize() - 1);
    return font;
}

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

void HistogramWidget::setData(const QList<double> &values, int precision, const QString &unit)
{
    m_bins = Statistics::histogram(values);
    m_precision = precision;
    m_unit = unit;
    update();
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
    const int i = Statistics::binAt(pos.x() - area.left(), area.width(), k);
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
    const double slot = area.width() / k;
    for (int i = 0; i < k; ++i) {
        const int count = m_bins.counts.at(i);
        const double h = area.height() * count / m;
        if (count == 0 || h <= 0.5)
            continue;
        const double w = std::max(1.0, slot - 2.0);
        const QRectF bar(area.left() + i * slot + 1.0, area.bottom() - h, w, h);
        p.drawPath(barPath(bar, std::min({4.0, h, w / 2.0})));
    }
    p.setRenderHint(QPainter::Antialiasing, false);

    p.setFont(smallerFont(font()));
    p.setPen(QColor(Colour::Secondary));
    const QRectF under(area.left(), area.bottom() + 4, area.width(), 20);
    p.drawText(under, Qt::AlignLeft | Qt::AlignTop, Statistics::fixed(m_bins.min, m_precision));
    p.drawText(under, Qt::AlignRight | Qt::AlignTop, Statistics::fixed(m_bins.max, m_precision));
}

void HistogramWidget::mouseMoveEvent(QMouseEvent *event)
{
    const QString text = toolTipAt(event->position());
    if (text.isEmpty())
        QToolTip::hideText();
    else
        QToolTip::showText(event->globalPosition().toPoint(), text, this);
}

void HistogramWidget::leaveEvent(QEvent *)
{
    QToolTip::hideText();
}
