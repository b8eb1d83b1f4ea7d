#pragma once

#include "recording/statistics.h"

#include <QList>
#include <QRectF>
#include <QString>
#include <QWidget>

// Distribution of one device's values as bars over equal-width bins, with the normal curve fitted to them
// (mean and sample standard deviation) and, in the tolerance modes, the limits as lines. The scale opens
// to take in the limits, so the bars show where the values lie within the tolerance.
class HistogramWidget : public QWidget
{
    Q_OBJECT

public:
    explicit HistogramWidget(QWidget *parent = nullptr);

    void setData(const QList<double> &values, int precision, const QString &unit, int measuringType = 0,
                 double limitMin = 0.0, double limitMax = 0.0);

    const Statistics::Histogram &bins() const { return m_bins; }
    QRectF plotArea() const;
    // The values at the left and right edge of the plot.
    double axisLow() const { return m_axisLow; }
    double axisHigh() const { return m_axisHigh; }
    // The tooltip shown for a pointer at `pos`; empty where none is shown.
    QString toolTipAt(const QPointF &pos) const;

protected:
    void paintEvent(QPaintEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void leaveEvent(QEvent *event) override;

private:
    double xOf(double value, const QRectF &area) const;

    Statistics::Histogram m_bins;
    double m_axisLow = 0.0;
    double m_axisHigh = 0.0;
    double m_mean = Statistics::kNaN;
    double m_sigma = Statistics::kNaN;
    int m_count = 0;
    int m_measuringType = 0;
    double m_limitMin = 0.0;
    double m_limitMax = 0.0;
    int m_precision = 3;
    QString m_unit;
};
