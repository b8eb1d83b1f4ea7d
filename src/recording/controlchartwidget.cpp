#include "recording/controlchartwidget.h"

#include "recording/seriespainter.h"
#include "recording/statistics.h"

#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>

#include <algorithm>
#include <cmath>
#include <utility>

namespace {

constexpr int kListedPoints = 12; // out-of-control points named in the tooltip

} // namespace

ControlChartWidget::ControlChartWidget(QWidget *parent)
    : QWidget(parent)
{
    setMouseTracking(true);
    setMinimumHeight(200);
}

void ControlChartWidget::setData(const QList<double> &values, int precision, const QString &unit)
{
    m_values = values;
    m_precision = precision;
    m_unit = unit;
    m_limits = Capability::controlLimits(values);
    m_flags = Capability::westernElectricFlags(values, m_limits);
    m_flagged.clear();
    for (int i = 0; i < m_flags.size(); ++i) {
        if (m_flags.at(i) != 0)
            m_flagged.append(i);
    }
    m_movingRanges.clear();
    m_rangesOverLimit.clear();
    m_min = m_max = m_mrMax = 0.0;
    const qsizetype n = values.size();
    if (n >= 2) {
        const double *x = values.constData();
        m_movingRanges.resize(n - 1);
        double *ranges = m_movingRanges.data();
        double lo = x[0];
        double hi = x[0];
        for (qsizetype i = 1; i < n; ++i) {
            lo = std::min(lo, x[i]);
            hi = std::max(hi, x[i]);
            ranges[i - 1] = std::abs(x[i] - x[i - 1]);
            m_mrMax = std::max(m_mrMax, ranges[i - 1]);
            if (ranges[i - 1] > m_limits.mrUpper)
                m_rangesOverLimit.append(int(i - 1));
        }
        m_min = lo;
        m_max = hi;
    }
    update();
}

QRectF ControlChartWidget::individualsArea() const
{
    const double top = 12;
    return QRectF(68, top, width() - 82, (height() - top - 30) * 0.62);
}

QRectF ControlChartWidget::movingRangeArea() const
{
    const QRectF individuals = individualsArea();
    const double top = individuals.bottom() + 18;
    return QRectF(individuals.left(), top, individuals.width(), height() - 12 - top);
}

QString ControlChartWidget::ruleNumbers(unsigned flags)
{
    QStringList rules;
    for (int rule = 0; rule < Capability::kRuleCount; ++rule) {
        if (flags & (1u << rule))
            rules << QString::number(rule + 1);
    }
    return rules.join(QStringLiteral(", "));
}

QString ControlChartWidget::toolTipAt(const QPointF &pos) const
{
    const QRectF individuals = individualsArea();
    const QRectF ranges = movingRangeArea();
    const int n = int(m_values.size());
    if (n < 2 || individuals.width() <= 0 || pos.x() < individuals.left() || pos.x() > individuals.right()
        || !(individuals.contains(pos) || ranges.contains(pos)))
        return QString();
    const int i = Statistics::nearestPoint(pos.x() - individuals.left(), individuals.width(), n);
    QString text = tr("вимір №%1\n%2 %3").arg(i + 1).arg(Statistics::fixed(m_values.at(i), m_precision), m_unit);
    if (i > 0)
        text += u'\n' + tr("ковзний розмах %1").arg(Statistics::fixed(m_movingRanges.at(i - 1), m_precision));
    if (!m_flags.isEmpty() && m_flags.at(i) != 0)
        text += u'\n' + tr("порушує правила: %1").arg(ruleNumbers(m_flags.at(i)));
    if (m_flagged.isEmpty())
        return text;
    text += QStringLiteral("\n\n") + tr("Поза статистичним контролем: %n точок", nullptr, outOfControlCount());
    for (int j : m_flagged.mid(0, kListedPoints))
        text += u'\n' + tr("№%1 — правила %2").arg(j + 1).arg(ruleNumbers(m_flags.at(j)));
    if (m_flagged.size() > kListedPoints)
        text += u'\n' + tr("… і ще %1").arg(m_flagged.size() - kListedPoints);
    text += QStringLiteral("\n\n") + tr("Правила: 1 — точка за межею 3σ; 2 — дві з трьох за 2σ; "
                                       "3 — чотири з п'яти за 1σ; 4 — вісім поспіль з одного боку.");
    return text;
}

void ControlChartWidget::paintEvent(QPaintEvent *)
{
    using namespace Statistics;
    QPainter p(this);
    p.fillRect(rect(), QColor(Colour::Background));
    const int n = int(m_values.size());
    const QRectF individuals = individualsArea();
    const QRectF ranges = movingRangeArea();
    if (n < 2 || individuals.width() <= 0 || !(m_limits.sigma > 0.0)) {
        p.setPen(QColor(Colour::Secondary));
        p.drawText(rect(), Qt::AlignCenter, tr("Замало даних для контрольної карти"));
        return;
    }
    p.setFont(smallerFont(font()));

    // One pane: its limit lines with their labels, then the series.
    // `from` is where the series' first point sits.
    const auto pane = [&](const QRectF &area, double from, const QList<double> &values, double lo, double hi,
                          const QList<std::pair<double, QString>> &lines, const QList<int> &marked) {
        const double span = hi > lo ? hi - lo : 1.0;
        const auto yOf = [&](double v) { return area.bottom() - (v - lo) / span * area.height(); };
        p.setPen(QColor(Colour::Axis));
        p.drawRect(area.adjusted(0, 0, -1, -1));
        for (int line = 0; line < lines.size(); ++line) {
            const auto &[value, label] = lines.at(line);
            const double y = std::round(yOf(value)) + 0.5;
            const bool centre = line == 0; // the centre line comes first
            p.setPen(QPen(QColor(centre ? Colour::Within : Colour::Limit), 1, centre ? Qt::SolidLine : Qt::DashLine));
            p.drawLine(QPointF(area.left(), y), QPointF(area.right(), y));
            p.setPen(QColor(Colour::Secondary));
            p.drawText(QRectF(0, y - 9, area.left() - 6, 18), Qt::AlignRight | Qt::AlignVCenter,
                       Statistics::fixed(value, m_precision));
            p.drawText(QRectF(area.left() + 4, y - 17, area.width() - 8, 16), Qt::AlignRight | Qt::AlignBottom,
                       label);
        }
        paintSeries(p, area.adjusted(from - area.left(), 0, 0, 0), values, yOf, QColor(Colour::Series),
                    SeriesStyle{1.5, 3.0}, marked, QColor(Colour::Limit));
    };

    // Both panes open wide enough for their limits and data, with a margin.
    const double lo = std::min(m_min, m_limits.lower);
    const double hi = std::max(m_max, m_limits.upper);
    const double margin = (hi - lo) * 0.08;
    const QString upper = tr("ВКМ"); // upper and lower control limit
    pane(individuals, individuals.left(), m_values, lo - margin, hi + margin,
         {{m_limits.centre, QStringLiteral("X̄")}, {m_limits.upper, upper}, {m_limits.lower, tr("НКМ")}},
         m_flagged);
    // Moving range i stands between values i and i + 1: its pane starts one step in.
    const double step = individuals.width() / (n - 1);
    const double mrHi = std::max(m_mrMax, m_limits.mrUpper) * 1.08;
    pane(ranges, ranges.left() + (n > 2 ? step : 0.0), m_movingRanges, 0.0, mrHi,
         {{m_limits.mrCentre, QStringLiteral("MR̄")}, {m_limits.mrUpper, upper}},
         m_rangesOverLimit);
}

void ControlChartWidget::mouseMoveEvent(QMouseEvent *event)
{
    showChartToolTip(this, event->globalPosition(), toolTipAt(event->position()));
}

void ControlChartWidget::leaveEvent(QEvent *)
{
    QToolTip::hideText();
}
