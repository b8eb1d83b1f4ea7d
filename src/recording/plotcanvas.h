#pragma once

#include "recording/chartgeometry.h"

#include <QColor>
#include <QWidget>

// Draws the recorded values: every series against its measurement number (all-on-Y), or one device's
// values against another's, paired by measurement order (X-Y). A series with more values than the
// area has pixel columns is drawn as one bar per pixel column (all-on-Y) or one stroke per column
// (X-Y), so a shift of a million records repaints in a few milliseconds.
class PlotCanvas : public QWidget
{
    Q_OBJECT

public:
    explicit PlotCanvas(QWidget *parent = nullptr);

    static QColor seriesColor(int index);

    void setSeriesList(const QList<ChartSeries> &series);
    const QList<ChartSeries> &seriesList() const { return m_series; }
    // The pairs to compare; both lists are expected to be cut to the same length.
    void setXySeries(const ChartSeries &x, const ChartSeries &y);
    void setXyMode(bool on);
    bool xyMode() const { return m_xyMode; }
    void setAutoScale(bool x, bool y);

    bool gridVisible() const { return m_gridVisible; }
    void setGridVisible(bool visible);

    const PlotRanges &ranges() const { return m_ranges; }
    void recomputeRanges();

    // Fixes one axis; refused (false, nothing changed) unless min < max.
    bool setAxisLimits(Qt::Orientation axis, double min, double max);
    void autoScaleAxis(Qt::Orientation axis);
    void autoScaleBoth();
    // Asks for both limits of an axis; a cancel at either step keeps the axis as it was.
    void askAxisLimits(Qt::Orientation axis);

    QRectF plotArea() const;
    // The tooltip for the pointer at `pos`, empty when no drawn point lies within reach.
    QString toolTipAt(QPointF pos) const;

signals:
    // From the chart menu too, so the page's grid switch can follow.
    void gridVisibleChanged(bool visible);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    bool hasData() const;
    PlotMapping mapping() const;
    void invalidateIndex();
    void paintAxes(QPainter &painter, const PlotMapping &map);
    void paintAllOnY(QPainter &painter, const PlotMapping &map);
    void paintXy(QPainter &painter, const PlotMapping &map);
    void paintLegend(QPainter &painter, const QRectF &area);

    QList<ChartSeries> m_series;
    ChartSeries m_xSeries;
    ChartSeries m_ySeries;
    bool m_xyMode = false;
    bool m_gridVisible = true;
    PlotRanges m_ranges;

    // Built on the first pointer move after the data, the ranges or the size changed.
    mutable XyColumnIndex m_xyIndex;
    mutable bool m_xyIndexValid = false;
};
