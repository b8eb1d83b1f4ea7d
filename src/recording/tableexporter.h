#pragma once

#include <QByteArray>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>

#include <functional>

class QAbstractItemModel;
class QWidget;
struct DeviceStats;

// Exports what a measurement table shows (header texts and cell display texts) to a CSV file or a PDF
// report, or the table with typed cells and the statistics of its instruments to an Excel workbook
// (XlsxExport), with the workspace's file dialogs and message boxes. Texts belong to the MeasuringSystem
// translation context, since the workspace window is where the user meets them.
class TableExporter : public QObject
{
    Q_OBJECT

public:
    using FileNameProvider = std::function<QString(const QString &caption, const QString &filter)>;

    // The exporter is owned by `dialogParent`, which also parents its message boxes and file dialogs.
    explicit TableExporter(QWidget *dialogParent);

    // A missing model or a table without rows gives the "no data" warning and false.
    bool checkSource(const QAbstractItemModel *model);

    // Each entry checks the source first, so an empty table never reaches a file dialog.
    void exportCsv(const QAbstractItemModel &model);
    void exportPdf(const QAbstractItemModel &model);
    // `statistics`: the instruments of the table, for the workbook's statistics sheet.
    void exportXlsx(const QAbstractItemModel &model, const QList<DeviceStats> &statistics);
    // Asks for the format (PDF, CSV, XLSX or cancel) and runs the chosen export. XLSX is offered for a table
    // of measurements, which comes with its instruments' statistics; other tables get PDF and CSV.
    void askAndExport(const QAbstractItemModel &model, const QList<DeviceStats> &statistics);
    void askAndExport(const QAbstractItemModel &model);

    // Whether the column has a header item. QStandardItemModel numbers columns without one, and that
    // number is not a header text; other models answer an invalid value.
    static bool hasHeader(const QAbstractItemModel &model, int column);

    // Every field quoted (inner quotes doubled), "," between fields, UTF-8 without BOM, every line ended
    // with the platform's text line end.
    static QByteArray csvContent(const QAbstractItemModel &model);
    static bool writeCsv(const QAbstractItemModel &model, const QString &path);
    // The report's HTML; header and cell texts are escaped.
    static QString reportHtml(const QAbstractItemModel &model, const QString &title);
    // True only when a non-empty file was written.
    static bool writePdf(const QAbstractItemModel &model, const QString &path, const QString &title);
    // The translated report heading.
    static QString reportTitle();

    // The PDF report's heading; reportTitle() when none is set.
    void setReportTitle(const QString &title) { m_title = title; }
    // Replaces the save-file dialog (tests, scripted exports). An empty answer means cancel.
    void setFileNameProvider(FileNameProvider provider);

private:
    QString askFileName(const QString &caption, const QString &filter);
    void warnWriteFailed();
    void reportSuccess(const QString &text);

    QPointer<QWidget> m_dialogParent;
    FileNameProvider m_fileNameProvider;
    QString m_title;
};
