#pragma once

#include <QList>
#include <QString>

class QAbstractItemModel;
struct DeviceStats;

// An Excel workbook of a measurement table and the statistics of its instruments.
namespace XlsxExport {

// Rows of an Excel sheet, the header row included.
constexpr int kSheetRows = 1048576;

// The table sheet takes the header texts and, cell by cell, the model's TableRole::Value: numbers with
// their column's decimals (TableRole::Decimals), times with a time format, row numbers; any other cell its
// display text, a verdict (TableRole::Verdict) filled green or red. A table longer than `sheetRows` goes
// on over further sheets, each with the header. The statistics sheet has one row per entry of
// `statistics` (all its values): count, mean, min, max, range, standard deviation, within and outside the
// tolerance, the limits and Cp, Cpk, Cpu, Cpl, Pp, Ppk; a figure that is undefined is a dash.
// The file at `path` is replaced only by a complete workbook. False, with the reason in `error`, when
// anything failed.
bool write(const QAbstractItemModel &model, const QList<DeviceStats> &statistics, const QString &path,
           QString *error = nullptr, int sheetRows = kSheetRows);

} // namespace XlsxExport
