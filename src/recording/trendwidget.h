#pragma once

#include <QList>
#include <QRectF>
#include <QString>
#include <QWidget>

// Run chart: the values in measurement order with the tolerance limits and the least-squares trend.
class TrendWidget : public QWidget
{
    Q_OBJECT

public:
    explicit TrendWidget(QWidget *parent = nullptr);

    void setData(const QList<double> &values, int precision, const QString &unit, int measuringType,
                 double limitMin, double limitMax);
    // Trend per measurement, NaN below two values.
    double slope() const { return m_slope; }

    QRectF plotArea() const;
    QString toolTipAt(const QPointF &pos) const;

protected:
    void paintEvent(QPaintEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void leaveEvent(QEvent *event) override;

private:
    QList<double> m_values;
    int m_precision = 3;
    QString m_unit;
    int m_measuringType = 0;
    double m_limitMin = 0.0;
    double m_limitMax = 0.0;
    double m_min = 0.0;
    double m_max = 0.0;
    double m_mean = 0.0;
    double m_slope = 0.0;
};
