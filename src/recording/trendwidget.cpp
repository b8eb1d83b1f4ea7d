#include "recording/trendwidget.h"

#include "recording/seriespainter.h"
#include "recording/statistics.h"

#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>

#include <cmath>
#include <utility>

TrendWidget::TrendWidget(QWidget *parent)
    : QWidget(parent)
{
    setMouseTracking(true);
    setMinimumHeight(160);
}

void TrendWidget::setData(const QList<double> &values, int precision, const QString &unit, int measuringType,
                          double limitMin, double limitMax)
{
    m_values = values;
    m_precision = precision;
    m_unit = unit;
    m_measuringType = measuringType;
    m_limitMin = limitMin;
    m_limitMax = limitMax;
    const Statistics::Summary summary = Statistics::summarize(values);
    m_min = summary.min;
    m_max = summary.max;
    m_mean = summary.mean;
    m_slope = Statistics::trendSlope(values, summary.mean);
    update();
}

QRectF TrendWidget::plotArea() const
{
    return QRectF(68, 12, width() - 82, height() - 34);
}

QString TrendWidget::toolTipAt(const QPointF &pos) const
{
    const QRectF area = plotArea();
    const int n = int(m_values.size());
    if (n < 2 || area.width() <= 0 || !area.contains(pos))
        return QString();
    const int i = Statistics::nearestPoint(pos.x() - area.left(), area.width(), n);
    return tr("вимір №%1\n%2 %3").arg(i + 1).arg(Statistics::fixed(m_values.at(i), m_precision), m_unit);
}

void TrendWidget::paintEvent(QPaintEvent *)
{
    using namespace Statistics;
    QPainter p(this);
    p.fillRect(rect(), QColor(Colour::Background));
    const QRectF area = plotArea();
    const int n = int(m_values.size());
    if (n < 2 || area.width() <= 0) {
        p.setPen(QColor(Colour::Secondary));
        p.drawText(rect(), Qt::AlignCenter, tr("Замало даних для тренду"));
        return;
    }

    const Range range = trendRange(m_min, m_max, m_measuringType, m_limitMin, m_limitMax);
    const double span = range.hi - range.lo;
    const auto yOf = [&](double v) { return area.bottom() - (v - range.lo) / span * area.height(); };
    const auto xOf = [&](double i) { return area.left() + i * area.width() / (n - 1); };

    p.setFont(smallerFont(font()));
    for (int i = 0; i <= 4; ++i) {
        const double v = range.lo + i * span / 4.0;
        const double y = std::round(yOf(v)) + 0.5;
        p.setPen(QColor(Colour::Grid));
        p.drawLine(QPointF(area.left(), y), QPointF(area.right(), y));
        p.setPen(QColor(Colour::Secondary));
        p.drawText(QRectF(0, y - 9, 62, 18), Qt::AlignRight | Qt::AlignVCenter,
                   Statistics::fixed(v, m_precision));
    }

    if (m_measuringType >= 5) {
        QPen dashed(QColor(Colour::Limit), 1, Qt::DashLine);
        const auto limitLine = [&](double value, const QString &label) {
            const double y = std::round(yOf(value)) + 0.5;
            if (y < area.top() || y > area.bottom())
                return;
            p.setPen(dashed);
            p.drawLine(QPointF(area.left(), y), QPointF(area.right(), y));
            p.drawText(QRectF(area.left() + 4, y - 18, area.width() - 8, 16), Qt::AlignLeft | Qt::AlignBottom,
                       label);
        };
        if (m_measuringType != 6)
            limitLine(m_limitMin, tr("нижня межа"));
        if (m_measuringType != 5)
            limitLine(m_limitMax, tr("верхня межа"));
    }

    paintSeries(p, area, m_values, yOf, QColor(Colour::Series), SeriesStyle{});
    p.setRenderHint(QPainter::Antialiasing);

    if (!std::isnan(m_slope)) {
        const double half = (n - 1) / 2.0;
        const QPointF first(xOf(0), yOf(m_mean - m_slope * half));
        const QPointF last(xOf(n - 1), yOf(m_mean + m_slope * half));
        const QColor trend(Colour::Trend);
        p.setPen(QPen(trend, 2, Qt::DashLine));
        p.setBrush(Qt::NoBrush);
        p.drawLine(first, last);
        p.setPen(trend);
        p.drawText(QRectF(area.right() - 2 - 88, last.y() - 20, 88, 18), Qt::AlignRight | Qt::AlignVCenter,
                   tr("тренд"));
    }
}

void TrendWidget::mouseMoveEvent(QMouseEvent *event)
{
    showChartToolTip(this, event->globalPosition(), toolTipAt(event->position()));
}

void TrendWidget::leaveEvent(QEvent *)
{
    QToolTip::hideText();
}
