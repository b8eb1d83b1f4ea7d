#include "recording/plotcanvas.h"

#include <QContextMenuEvent>
#include <QInputDialog>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>

#include <algorithm>
#include <cmath>

namespace {

const QColor kPanel(0xff, 0xff, 0xff);
const QColor kPanelBorder(0xc0, 0xc0, 0xc0);
const QColor kAxis(0xc8, 0xc8, 0xc8);
const QColor kGrid(0xec, 0xec, 0xec);
const QColor kLabel(0x88, 0x88, 0x88);
const QColor kLegendText(0x33, 0x33, 0x33);
const QColor kLegendBorder(0xe0, 0xe0, 0xe0);

// Lines after the eighth reuse the palette dashed.
constexpr int kPaletteSize = 8;
constexpr double kAllOnYRadius = 3.5;
constexpr double kXyRadius = 4.0;

QString number(double value, int decimals)
{
    return QString::number(value, 'f', std::clamp(decimals, 0, 12));
}

QPen seriesPen(int index)
{
    QPen pen(PlotCanvas::seriesColor(index), 2.0);
    pen.setStyle(index < kPaletteSize ? Qt::SolidLine : Qt::DashLine);
    return pen;
}

void drawPoints(QPainter &painter, const QPolygonF &points, const QColor &color, double radius)
{
    painter.setPen(QPen(Qt::white, 2.0));
    painter.setBrush(color);
    for (const QPointF &point : points)
        painter.drawEllipse(point, radius, radius);
    painter.setBrush(Qt::NoBrush);
}

// A long series as one bar per pixel column, as thick as the series pen and, for a dashed pen, with
// the same 8-pixel dashes and 4-pixel gaps. Whole-pixel rectangles fill without the stroker and the
// anti-aliasing that a polyline of thousands of vertices would go through.
void drawColumnBars(QPainter &painter, const QList<ColumnBar> &bars, const QColor &color, bool dashed)
{
    for (const ColumnBar &bar : bars) {
        if (dashed && bar.column % 12 >= 8)
            continue;
        const int top = int(std::lround(bar.top - 1.0));
        const int bottom = int(std::lround(bar.bottom + 1.0));
        painter.fillRect(QRect(bar.column - 1, top, 2, bottom - top), color);
    }
}

} // namespace

PlotCanvas::PlotCanvas(QWidget *parent)
    : QWidget(parent)
{
    setMouseTracking(true);
    setMinimumHeight(260);
}

QColor PlotCanvas::seriesColor(int index)
{
    static const QRgb palette[kPaletteSize] = {0x0072B2, 0xD55E00, 0x009E73, 0xCC79A7,
                                               0xE69F00, 0x56B4E9, 0x000000, 0x8C6D1F};
    return QColor(palette[((index % kPaletteSize) + kPaletteSize) % kPaletteSize]);
}

void PlotCanvas::setSeriesList(const QList<ChartSeries> &series)
{
    m_series = series;
    invalidateIndex();
}

void PlotCanvas::setXySeries(const ChartSeries &x, const ChartSeries &y)
{
    m_xSeries = x;
    m_ySeries = y;
    invalidateIndex();
}

void PlotCanvas::setXyMode(bool on)
{
    m_xyMode = on;
    invalidateIndex();
}

void PlotCanvas::setAutoScale(bool x, bool y)
{
    m_ranges.autoX = x;
    m_ranges.autoY = y;
}

void PlotCanvas::setGridVisible(bool visible)
{
    if (visible == m_gridVisible)
        return;
    m_gridVisible = visible;
    update();
    emit gridVisibleChanged(visible);
}

void PlotCanvas::recomputeRanges()
{
    m_ranges = recomputedRanges(m_ranges, m_xyMode, m_series, m_xSeries, m_ySeries);
    invalidateIndex();
}

bool PlotCanvas::setAxisLimits(Qt::Orientation axis, double min, double max)
{
    if (!acceptableAxisLimits(min, max))
        return false;
    if (axis == Qt::Horizontal) {
        m_ranges.xMin = min;
        m_ranges.xMax = max;
        m_ranges.autoX = false;
    } else {
        m_ranges.yMin = min;
        m_ranges.yMax = max;
        m_ranges.autoY = false;
    }
    invalidateIndex();
    update();
    return true;
}

void PlotCanvas::autoScaleAxis(Qt::Orientation axis)
{
    (axis == Qt::Horizontal ? m_ranges.autoX : m_ranges.autoY) = true;
    recomputeRanges();
    update();
}

void PlotCanvas::autoScaleBoth()
{
    setAutoScale(true, true);
    recomputeRanges();
    update();
}

void PlotCanvas::askAxisLimits(Qt::Orientation axis)
{
    const bool horizontal = axis == Qt::Horizontal;
    bool ok = false;
    const double min = QInputDialog::getDouble(this, tr("Межі осі"), tr("Мінімум:"),
                                               horizontal ? m_ranges.xMin : m_ranges.yMin, -1e9, 1e9, 6, &ok,
                                               Qt::WindowFlags(), 1.0);
    if (!ok)
        return;
    const double max = QInputDialog::getDouble(this, tr("Межі осі"), tr("Максимум:"),
                                               horizontal ? m_ranges.xMax : m_ranges.yMax, -1e9, 1e9, 6, &ok,
                                               Qt::WindowFlags(), 1.0);
    if (!ok)
        return;
    setAxisLimits(axis, min, max);
}

QRectF PlotCanvas::plotArea() const
{
    return QRectF(76, 16, width() - 94, height() - 58);
}

PlotMapping PlotCanvas::mapping() const
{
    return PlotMapping{plotArea(), m_ranges};
}

void PlotCanvas::invalidateIndex()
{
    m_xyIndexValid = false;
    m_xyIndex.clear();
}

bool PlotCanvas::hasData() const
{
    if (m_xyMode)
        return !m_xSeries.values.isEmpty() && !m_ySeries.values.isEmpty();
    return std::any_of(m_series.cbegin(), m_series.cend(),
                       [](const ChartSeries &one) { return !one.values.isEmpty(); });
}

QString PlotCanvas::toolTipAt(QPointF pos) const
{
    const QRectF area = plotArea();
    if (area.width() <= 10 || area.height() <= 10 || !area.contains(pos) || !hasData())
        return {};
    const PlotMapping map = mapping();
    if (!m_xyMode) {
        const NearestPoint hit = nearestOnY(m_series, map, pos);
        if (hit.index < 0)
            return {};
        const ChartSeries &series = m_series.at(hit.series);
        return tr("%1\nвимір №%2: %3 %4")
            .arg(series.name, QString::number(hit.index + 1),
                 number(series.values.at(hit.index), series.precision), series.unit);
    }
    if (!m_xyIndexValid) {
        const int pairs = int(std::min(m_xSeries.values.size(), m_ySeries.values.size()));
        m_xyIndex.build(m_xSeries.values, m_ySeries.values, pairs, map);
        m_xyIndexValid = true;
    }
    const NearestPoint hit = m_xyIndex.nearest(m_xSeries.values, m_ySeries.values, pos);
    if (hit.index < 0)
        return {};
    return tr("вимір №%1\n%2: %3 %4\n%5: %6 %7")
        .arg(QString::number(hit.index + 1), m_xSeries.name,
             number(m_xSeries.values.at(hit.index), m_xSeries.precision), m_xSeries.unit, m_ySeries.name,
             number(m_ySeries.values.at(hit.index), m_ySeries.precision), m_ySeries.unit);
}

void PlotCanvas::mouseMoveEvent(QMouseEvent *event)
{
    const QString text = toolTipAt(event->position());
    if (text.isEmpty())
        QToolTip::hideText();
    else
        QToolTip::showText(event->globalPosition().toPoint(), text, this);
    QWidget::mouseMoveEvent(event);
}

void PlotCanvas::resizeEvent(QResizeEvent *event)
{
    invalidateIndex();
    QWidget::resizeEvent(event);
}

void PlotCanvas::contextMenuEvent(QContextMenuEvent *event)
{
    const QRectF area = plotArea();
    // Left of the area is the Y axis, below it the X axis; the corner between them counts as Y.
    int axis = 0;
    if (event->pos().x() < area.left())
        axis = Qt::Vertical;
    else if (event->pos().y() > area.bottom())
        axis = Qt::Horizontal;

    QMenu menu(this);
    QAction *autoAxis = nullptr;
    QAction *limits = nullptr;
    if (axis != 0) {
        const QString name = axis == Qt::Vertical ? QStringLiteral("Y") : QStringLiteral("X");
        autoAxis = menu.addAction(tr("Автомасштаб %1").arg(name));
        limits = menu.addAction(tr("Задати межі %1…").arg(name));
    }
    QAction *autoBoth = menu.addAction(tr("Автомасштаб обох осей"));
    QAction *grid = menu.addAction(tr("Сітка"));
    grid->setCheckable(true);
    grid->setChecked(m_gridVisible);

    QAction *chosen = menu.exec(event->globalPos());
    if (!chosen)
        return;
    if (chosen == grid)
        setGridVisible(grid->isChecked());
    else if (chosen == autoBoth)
        autoScaleBoth();
    else if (chosen == autoAxis)
        autoScaleAxis(Qt::Orientation(axis));
    else if (chosen == limits)
        askAxisLimits(Qt::Orientation(axis));
    update();
}

void PlotCanvas::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(kPanelBorder, 1.0));
    painter.setBrush(kPanel);
    painter.drawRoundedRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5), 6, 6);
    painter.setBrush(Qt::NoBrush);

    const QRectF area = plotArea();
    if (area.width() <= 10 || area.height() <= 10)
        return;
    if (!hasData()) {
        painter.setPen(kLabel);
        painter.drawText(rect(), Qt::AlignCenter, tr("Немає даних для побудови"));
        return;
    }
    // Manually set limits must not be zero-width; automatic ones never are.
    if (!(m_ranges.xMax > m_ranges.xMin) || !(m_ranges.yMax > m_ranges.yMin))
        return;

    const PlotMapping map = mapping();
    paintAxes(painter, map);
    painter.save();
    painter.setClipRect(area.adjusted(-kXyRadius - 2, -kXyRadius - 2, kXyRadius + 2, kXyRadius + 2));
    if (m_xyMode)
        paintXy(painter, map);
    else
        paintAllOnY(painter, map);
    painter.restore();
    paintLegend(painter, area);
}

void PlotCanvas::paintAxes(QPainter &painter, const PlotMapping &map)
{
    const QRectF area = map.area;
    painter.save();
    QFont small = font();
    if (small.pointSizeF() > 1)
        small.setPointSizeF(small.pointSizeF() - 1);
    painter.setFont(small);
    const qreal lineHeight = QFontMetricsF(small).height();

    const int yDecimals =
        m_xyMode ? m_ySeries.precision : (m_series.isEmpty() ? 3 : m_series.first().precision);
    const int xDecimals = m_xyMode ? m_xSeries.precision : 0;
    const QList<double> yTicks =
        axisTicks(m_ranges.yMin, m_ranges.yMax, niceStep(m_ranges.yMax - m_ranges.yMin, 6));
    const QList<double> xTicks = xAxisTicks(m_ranges, m_xyMode);

    for (double tick : yTicks) {
        const double y = map.toY(tick);
        if (m_gridVisible) {
            painter.setPen(QPen(kGrid, 1.0));
            painter.drawLine(QPointF(area.left(), y), QPointF(area.right(), y));
        }
        painter.setPen(kLabel);
        painter.drawText(QRectF(0, y - lineHeight / 2, 68, lineHeight), Qt::AlignRight | Qt::AlignVCenter,
                         number(tick, yDecimals));
    }
    for (double tick : xTicks) {
        const double x = map.toX(tick);
        if (m_gridVisible) {
            painter.setPen(QPen(kGrid, 1.0));
            painter.drawLine(QPointF(x, area.top()), QPointF(x, area.bottom()));
        }
        painter.setPen(kLabel);
        painter.drawText(QRectF(x - 45, area.bottom() + 6, 90, lineHeight), Qt::AlignHCenter | Qt::AlignTop,
                         number(tick, xDecimals));
    }

    painter.setPen(QPen(kAxis, 1.0));
    painter.drawLine(area.bottomLeft(), area.bottomRight());
    painter.drawLine(area.bottomLeft(), area.topLeft());

    painter.setPen(kLabel);
    const QString title = m_xyMode ? m_xSeries.name : tr("№ виміру");
    painter.drawText(QRectF(area.left(), area.bottom() + 22, area.width(), lineHeight),
                     Qt::AlignHCenter | Qt::AlignTop, title);
    painter.restore();
}

void PlotCanvas::paintAllOnY(QPainter &painter, const PlotMapping &map)
{
    const double columns = map.area.width();
    for (int i = 0; i < m_series.size(); ++i) {
        const QList<double> &values = m_series.at(i).values;
        const IndexSpan span = measurementSpan(map, int(values.size()), map.area.left(), map.area.right());
        if (span.size() == 0)
            continue;
        if (span.size() > columns) {
            // More values than pixel columns: circles would merge into a band, so the line alone.
            drawColumnBars(painter, columnBars(values, map), seriesColor(i), i >= kPaletteSize);
            continue;
        }
        painter.setPen(seriesPen(i));
        QPolygonF points;
        points.reserve(span.size());
        for (int j = span.first; j <= span.last; ++j)
            points << QPointF(map.toX(j + 1), map.toY(values.at(j)));
        painter.drawPolyline(points);
        drawPoints(painter, points, seriesColor(i), kAllOnYRadius);
    }
}

void PlotCanvas::paintXy(QPainter &painter, const PlotMapping &map)
{
    const QList<double> &xs = m_xSeries.values;
    const QList<double> &ys = m_ySeries.values;
    const qsizetype pairs = std::min(xs.size(), ys.size());
    const QColor color = seriesColor(0);
    if (pairs > map.area.width()) {
        // A column whose points share one height still shows as a dot.
        QList<QLineF> strokes = xyColumnEnvelope(xs, ys, map);
        for (QLineF &stroke : strokes)
            stroke.setLine(stroke.x1(), stroke.y1() - 1.5, stroke.x2(), stroke.y2() + 1.5);
        painter.setPen(QPen(color, 2.0, Qt::SolidLine, Qt::FlatCap));
        painter.drawLines(strokes);
        return;
    }
    painter.setPen(QPen(color, 2.0));
    QPolygonF points;
    points.reserve(pairs);
    for (qsizetype k = 0; k < pairs; ++k)
        points << QPointF(map.toX(xs.at(k)), map.toY(ys.at(k)));
    painter.drawPolyline(points);
    drawPoints(painter, points, color, kXyRadius);
}

void PlotCanvas::paintLegend(QPainter &painter, const QRectF &area)
{
    struct Row
    {
        QString text;
        QPen pen;
    };
    QList<Row> rows;
    if (m_xyMode) {
        rows.append({tr("%1 (X) — %2 (Y)").arg(m_xSeries.name, m_ySeries.name), seriesPen(0)});
    } else {
        for (int i = 0; i < m_series.size(); ++i) {
            if (!m_series.at(i).values.isEmpty())
                rows.append({m_series.at(i).name, seriesPen(i)});
        }
    }
    if (rows.isEmpty())
        return;

    const QFontMetricsF metrics(font());
    const qreal rowHeight = metrics.height() + 4;
    qreal widest = 0;
    for (const Row &row : rows)
        widest = std::max(widest, metrics.horizontalAdvance(row.text));
    const QSizeF size(widest + 34, rows.size() * rowHeight + 10);
    const QRectF box(QPointF(area.right() - 6 - size.width(), area.top() + 6), size);

    painter.save();
    QColor fill(Qt::white);
    fill.setAlpha(225);
    painter.setPen(QPen(kLegendBorder, 1.0));
    painter.setBrush(fill);
    painter.drawRoundedRect(box, 6, 6);
    painter.setBrush(Qt::NoBrush);
    for (int r = 0; r < rows.size(); ++r) {
        const qreal top = box.top() + 5 + r * rowHeight;
        const qreal middle = top + rowHeight / 2;
        painter.setPen(rows.at(r).pen);
        painter.drawLine(QPointF(box.left() + 6, middle), QPointF(box.left() + 28, middle));
        painter.setPen(kLegendText);
        painter.drawText(QRectF(box.left() + 32, top, widest + 2, rowHeight),
                         Qt::AlignLeft | Qt::AlignVCenter, rows.at(r).text);
    }
    painter.restore();
}
