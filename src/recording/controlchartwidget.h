#pragma once

#include "recording/capability.h"

#include <QList>
#include <QRectF>
#include <QString>
#include <QWidget>

// Individuals and moving-range (I-MR) control chart: the values with their centre line and 3-sigma
// limits above, the moving ranges with theirs below. Points that break one of the first four Western
// Electric rules are drawn red; the tooltip names the point under the pointer and lists them.
class ControlChartWidget : public QWidget
{
    Q_OBJECT

public:
    explicit ControlChartWidget(QWidget *parent = nullptr);

    void setData(const QList<double> &values, int precision, const QString &unit);

    const Capability::ControlLimits &limits() const { return m_limits; }
    // The rules each value breaks (bits of Capability::Rule); empty when the chart has no limits.
    const QList<unsigned> &flags() const { return m_flags; }
    int outOfControlCount() const { return int(m_flagged.size()); }

    QRectF individualsArea() const;
    QRectF movingRangeArea() const;
    QString toolTipAt(const QPointF &pos) const;

    // "1, 4" for the rules a point breaks.
    static QString ruleNumbers(unsigned flags);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void leaveEvent(QEvent *event) override;

private:
    QList<double> m_values;
    QList<double> m_movingRanges; // m_movingRanges[i] = |x[i+1] - x[i]|
    QList<unsigned> m_flags;
    QList<int> m_flagged;          // indices of the values that break a rule
    QList<int> m_rangesOverLimit;  // indices of the moving ranges above their limit
    Capability::ControlLimits m_limits;
    double m_min = 0.0;
    double m_max = 0.0;
    double m_mrMax = 0.0;
    int m_precision = 3;
    QString m_unit;
};
