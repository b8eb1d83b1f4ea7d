#pragma once

#include <QByteArray>
#include <QString>

class QTableWidget;

// The stand's results table as files: CSV for spreadsheets (UTF-8 with a byte-order mark so that Excel
// reads the Cyrillic headers, ';' between fields) and a framed PDF grid on A2 pages.
class StandTableExport
{
public:
    static constexpr int kPdfCellWidth = 2500;
    static constexpr int kPdfCellHeight = 500;
    static constexpr int kPdfPageBottom = 14000; // a row that would start below this goes to a new page

    static QByteArray csvContent(const QTableWidget &table);
    // True only when the whole file was written.
    static bool writeCsv(const QTableWidget &table, const QString &path);
    static bool writePdf(const QTableWidget &table, const QString &path);
};
