#pragma once

#include <QHash>
#include <QString>

// One cell of an .xlsx sheet as the file holds it.
struct XlsxCell
{
    QString type; // the cell's t attribute: empty for a number
    QString value;
    QString format; // number format code
    QString fill;   // fill colour, "FFRRGGBB"
};

// The cells of sheet `sheet` (1, 2, ...) by reference ("C2"), read back with unzip; empty when the file
// cannot be read.
QHash<QString, XlsxCell> xlsxCells(const QString &path, int sheet);
