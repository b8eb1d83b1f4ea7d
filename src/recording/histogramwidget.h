#pragma once

#include "recording/statistics.h"

#include <QList>
#include <QRectF>
#include <QString>
#include <QWidget>

// Distribution of one device's values as bars over equal-width bins.
class HistogramWidget : public QWidget
{
    Q_OBJECT

public:
    explicit HistogramWidget(QWidget *parent = nullptr);

    void setData(const QList<double> &values, int precision, const QString &unit);

    const Statistics::Histogram &bins() const { return m_bins; }
    QRectF plotArea() const;
    // The tooltip shown for a pointer at `pos`; empty where none is shown.
    QString toolTipAt(const QPointF &pos) const;

protected:
    void paintEvent(QPaintEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void leaveEvent(QEvent *event) override;

private:
    Statistics::Histogram m_bins;
    int m_precision = 3;
    QString m_unit;
};
