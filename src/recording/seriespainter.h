#pragma once

#include <QColor>
#include <QFont>
#include <QList>
#include <QRectF>

#include <functional>

class QPainter;
class QPointF;
class QString;
class QWidget;

// Draws a series in measurement order across `area`, point i at x = left + i · width / (n - 1): a line
// with dots while there are no more points than pixel columns, else one bar per pixel column from the
// lowest to the highest point in it, joined to its neighbour, which is what the line would paint there at
// a fraction of the cost. The points listed in `marked` (indices, ascending) are drawn in `markColour` (a dot,
// or a mark on their column).
struct SeriesStyle
{
    double lineWidth = 2.0;
    double dotRadius = 4.0;
};

void paintSeries(QPainter &painter, const QRectF &area, const QList<double> &values,
                 const std::function<double(double)> &yOf, const QColor &colour, const SeriesStyle &style,
                 const QList<int> &marked = {}, const QColor &markColour = {});

// The statistics charts' small print: one step below the widget's font.
QFont smallerFont(QFont font);

// Shows `text` as the tooltip at the pointer's `globalPosition` over `chart`, or hides it when empty.
void showChartToolTip(QWidget *chart, const QPointF &globalPosition, const QString &text);
