#include "recording/seriespainter.h"

#include "recording/statistics.h"

#include <QColor>
#include <QPainter>
#include <QPolygonF>
#include <QToolTip>
#include <QWidget>

#include <cmath>
#include <utility>

void paintSeries(QPainter &p, const QRectF &area, const QList<double> &values,
                 const std::function<double(double)> &yOf, const QColor &colour, const SeriesStyle &style,
                 const QList<int> &marked, const QColor &markColour)
{
    using namespace Statistics;
    const int n = int(values.size());
    if (n < 2)
        return;
    const auto xOf = [&](double i) { return area.left() + i * area.width() / (n - 1); };
    const int columns = int(area.width());
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    if (n <= columns) {
        QPolygonF line;
        line.reserve(n);
        for (int i = 0; i < n; ++i)
            line.append(QPointF(xOf(i), yOf(values.at(i))));
        p.setPen(QPen(colour, style.lineWidth));
        p.drawPolyline(line);
        p.setPen(QPen(Qt::white, style.lineWidth));
        p.setBrush(colour);
        for (const QPointF &point : std::as_const(line))
            p.drawEllipse(point, style.dotRadius, style.dotRadius);
        p.setBrush(markColour);
        for (int i : marked)
            p.drawEllipse(line.at(i), style.dotRadius, style.dotRadius);
        p.restore();
        return;
    }

    // One 2-pixel bar per column from the lowest to the highest point that falls into it, stretched to
    // meet the previous column so the band stays connected like the line it stands for.
    const QList<Envelope> envelope = columnEnvelope(values, columns + 1);
    QList<bool> markedColumns;
    if (!marked.isEmpty()) {
        markedColumns.fill(false, envelope.size());
        const double step = double(envelope.size() - 1) / double(n - 1);
        for (int i : marked)
            markedColumns[int(std::lround(i * step))] = true;
    }
    p.setRenderHint(QPainter::Antialiasing, false);
    double previousMin = kNaN;
    double previousMax = kNaN;
    for (int c = 0; c < envelope.size(); ++c) {
        const Envelope &e = envelope.at(c);
        if (std::isnan(e.min))
            continue;
        double top = yOf(e.max);
        double bottom = yOf(e.min);
        if (!std::isnan(previousMin)) {
            top = std::min(top, yOf(previousMin));
            bottom = std::max(bottom, yOf(previousMax));
        }
        previousMin = e.min;
        previousMax = e.max;
        const int x = int(std::lround(area.left() + c * area.width() / columns)) - 1;
        const int y0 = int(std::floor(top - 1.0));
        const int y1 = int(std::ceil(bottom + 1.0));
        p.fillRect(QRect(x, y0, 2, y1 - y0), colour);
        if (!markedColumns.isEmpty() && markedColumns.at(c))
            p.fillRect(QRect(x - 1, int(std::floor(yOf(e.max))) - 2, 4, 4), markColour);
    }
    p.restore();
}

QFont smallerFont(QFont font)
{
    if (font.pointSizeF() > 1.0)
        font.setPointSizeF(font.pointSizeF() - 1.0);
    else if (font.pixelSize() > 1)
        font.setPixelSize(font.pixelSize() - 1);
    return font;
}

void showChartToolTip(QWidget *chart, const QPointF &globalPosition, const QString &text)
{
    if (text.isEmpty())
        QToolTip::hideText();
    else
        QToolTip::showText(globalPosition.toPoint(), text, chart);
}
