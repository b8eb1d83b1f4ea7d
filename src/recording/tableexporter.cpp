#include "tableexporter.h"

#include "recording/statistics.h"

#include "recording/xlsxexport.h"

#include <QAbstractItemModel>
#include <QCoreApplication>
#include <QDebug>
#include <QFile>
#include <QFileDialog>
#include <QMessageBox>
#include <QPdfWriter>
#include <QPushButton>
#include <QRegularExpression>
#include <QStandardItemModel>
#include <QTextDocument>
#include <QWidget>

namespace {

const char *const kContext = "MeasuringSystem";

#ifdef Q_OS_WIN
const char *const kLineEnd = "\r\n";
#else
const char *const kLineEnd = "\n";
#endif

QString translated(const char *text)
{
    return QCoreApplication::translate(kContext, text);
}

const char *const kErrorTitle = QT_TRANSLATE_NOOP("MeasuringSystem", "Помилка");
const char *const kSuccessTitle = QT_TRANSLATE_NOOP("MeasuringSystem", "Успіх");

QString headerText(const QAbstractItemModel &model, int column)
{
    return model.headerData(column, Qt::Horizontal, Qt::DisplayRole).toString();
}

QString cellText(const QAbstractItemModel &model, int row, int column)
{
    return model.data(model.index(row, column), Qt::DisplayRole).toString();
}

QByteArray quoted(const QString &text)
{
    QString field = text;
    field.replace(QLatin1Char('"'), QLatin1String("\"\""));
    return '"' + field.toUtf8() + '"';
}

} // namespace

TableExporter::TableExporter(QWidget *dialogParent)
    : QObject(dialogParent)
    , m_dialogParent(dialogParent)
{}

bool TableExporter::checkSource(const QAbstractItemModel *model)
{
    if (model && model->rowCount() > 0)
        return true;
    QMessageBox::warning(m_dialogParent, translated(kErrorTitle),
                         QCoreApplication::translate("MeasuringSystem", "Немає даних для експорту."));
    return false;
}

void TableExporter::exportCsv(const QAbstractItemModel &model)
{
    if (!checkSource(&model))
        return;
    const QString path = askFileName(QCoreApplication::translate("MeasuringSystem", "Експорт в CSV"),
                                     QCoreApplication::translate("MeasuringSystem", "CSV Files (*.csv)"));
    if (path.isEmpty())
        return;
    if (!writeCsv(model, path)) {
        warnWriteFailed();
        return;
    }
    reportSuccess(QCoreApplication::translate("MeasuringSystem", "Дані успішно експортовано в CSV."));
}

void TableExporter::exportPdf(const QAbstractItemModel &model)
{
    if (!checkSource(&model))
        return;
    const QString path = askFileName(QCoreApplication::translate("MeasuringSystem", "Експорт в PDF"),
                                     QCoreApplication::translate("MeasuringSystem", "PDF Files (*.pdf)"));
    if (path.isEmpty())
        return;
    if (!writePdf(model, path, m_title.isEmpty() ? reportTitle() : m_title)) {
        warnWriteFailed();
        return;
    }
    reportSuccess(QCoreApplication::translate("MeasuringSystem", "Дані успішно експортовано в PDF."));
}

void TableExporter::exportXlsx(const QAbstractItemModel &model, const QList<DeviceStats> &statistics)
{
    if (!checkSource(&model))
        return;
    const QString path = askFileName(QCoreApplication::translate("MeasuringSystem", "Експорт в XLSX"),
                                     QCoreApplication::translate("MeasuringSystem", "Книги Excel (*.xlsx)"));
    if (path.isEmpty())
        return;
    QString reason;
    if (!XlsxExport::write(model, statistics, path, &reason)) {
        qWarning().noquote() << "XLSX export: writing" << path << "failed:" << reason;
        QMessageBox::warning(
            m_dialogParent, translated(kErrorTitle),
            QCoreApplication::translate("MeasuringSystem", "Не вдалося записати файл %1:\n%2")
                .arg(path, reason));
        return;
    }
    reportSuccess(QCoreApplication::translate("MeasuringSystem", "Дані успішно експортовано в XLSX."));
}

void TableExporter::askAndExport(const QAbstractItemModel &model)
{
    askAndExport(model, {});
}

void TableExporter::askAndExport(const QAbstractItemModel &model, const QList<DeviceStats> &statistics)
{
    if (!checkSource(&model))
        return;
    QMessageBox box(m_dialogParent);
    box.setWindowTitle(QCoreApplication::translate("MeasuringSystem", "Експорт даних"));
    box.setText(QCoreApplication::translate("MeasuringSystem", "Оберіть формат для експорту даних:"));
    QPushButton *pdf =
        box.addButton(QCoreApplication::translate("MeasuringSystem", "PDF"), QMessageBox::ActionRole);
    QPushButton *csv =
        box.addButton(QCoreApplication::translate("MeasuringSystem", "CSV"), QMessageBox::ActionRole);
    QPushButton *xlsx = statistics.isEmpty() ? nullptr
                                             : box.addButton(QCoreApplication::translate("MeasuringSystem", "XLSX"),
                                                             QMessageBox::ActionRole);
    box.addButton(QCoreApplication::translate("MeasuringSystem", "Відміна"), QMessageBox::RejectRole);
    box.exec();

    // Closing the box or cancelling leaves clickedButton() at something else.
    if (box.clickedButton() == pdf)
        exportPdf(model);
    else if (box.clickedButton() == csv)
        exportCsv(model);
    else if (xlsx && box.clickedButton() == xlsx)
        exportXlsx(model, statistics);
}

bool TableExporter::hasHeader(const QAbstractItemModel &model, int column)
{
    if (auto *standard = qobject_cast<const QStandardItemModel *>(&model))
        return standard->horizontalHeaderItem(column) != nullptr;
    return model.headerData(column, Qt::Horizontal, Qt::DisplayRole).isValid();
}

QByteArray TableExporter::csvContent(const QAbstractItemModel &model)
{
    const int columns = model.columnCount();
    QByteArray content;
    for (int column = 0; column < columns; ++column) {
        if (column > 0)
            content += ',';
        if (hasHeader(model, column))
            content += quoted(headerText(model, column));
    }
    content += kLineEnd;
    for (int row = 0; row < model.rowCount(); ++row) {
        for (int column = 0; column < columns; ++column) {
            if (column > 0)
                content += ',';
            content += quoted(cellText(model, row, column));
        }
        content += kLineEnd;
    }
    return content;
}

bool TableExporter::writeCsv(const QAbstractItemModel &model, const QString &path)
{
    // The line ends are already the platform's, so the bytes go out unchanged.
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        qWarning().noquote() << "CSV export: cannot open" << path << file.errorString();
        return false;
    }
    const QByteArray content = csvContent(model);
    const bool written = file.write(content) == content.size() && file.flush();
    file.close();
    if (!written) {
        qWarning().noquote() << "CSV export: writing" << path << "failed:" << file.errorString();
        file.remove(); // a cut-off table is worse than none
    }
    return written;
}

QString TableExporter::reportHtml(const QAbstractItemModel &model, const QString &title)
{
    QString html = QStringLiteral(
        "<html><head><style>table, th, td { border: 1px solid black; border-collapse: collapse; padding: "
        "5px; text-align: center; }th { background-color: #d3d3d3; }</style></head><body>");
    html +=
        QStringLiteral("<h2 style='text-align:center;'>") + title.toHtmlEscaped() + QStringLiteral("</h2>");
    html += QStringLiteral("<table width='100%'><tr>");
    const int columns = model.columnCount();
    for (int column = 0; column < columns; ++column) {
        if (hasHeader(model, column))
            html +=
                QStringLiteral("<th>") + headerText(model, column).toHtmlEscaped() + QStringLiteral("</th>");
    }
    html += QStringLiteral("</tr>");
    for (int row = 0; row < model.rowCount(); ++row) {
        html += QStringLiteral("<tr>");
        for (int column = 0; column < columns; ++column)
            html += QStringLiteral("<td>") + cellText(model, row, column).toHtmlEscaped() +
                    QStringLiteral("</td>");
        html += QStringLiteral("</tr>");
    }
    html += QStringLiteral("</table></body></html>");
    return html;
}

bool TableExporter::writePdf(const QAbstractItemModel &model, const QString &path, const QString &title)
{
    // The writer reports no errors of its own, so it writes into a file we opened and checked ourselves.
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        qWarning().noquote() << "PDF export: cannot open" << path << file.errorString();
        return false;
    }
    {
        QPdfWriter writer(&file);
        writer.setTitle(title);
        QTextDocument document;
        document.setHtml(reportHtml(model, title));
        document.print(&writer);
    }
    const bool written = file.flush() && file.size() > 0;
    file.close();
    if (!written) {
        qWarning().noquote() << "PDF export: nothing written to" << path << file.errorString();
        file.remove();
    }
    return written;
}

QString TableExporter::reportTitle()
{
    return QCoreApplication::translate("MeasuringSystem", "Звіт про вимірювання (Kovran)");
}

void TableExporter::setFileNameProvider(FileNameProvider provider)
{
    m_fileNameProvider = std::move(provider);
}

QString TableExporter::askFileName(const QString &caption, const QString &filter)
{
    if (m_fileNameProvider)
        return m_fileNameProvider(caption, filter);
    QFileDialog dialog(m_dialogParent, caption, QString(), filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    // A name typed without an extension gets the format's ("shift" becomes "shift.xlsx"), so the file opens
    // in the program it is meant for; the overwrite question then asks about that name.
    const QRegularExpressionMatch suffix = QRegularExpression(QStringLiteral("\\*\\.(\\w+)")).match(filter);
    if (suffix.hasMatch())
        dialog.setDefaultSuffix(suffix.captured(1));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return QString();
    return dialog.selectedFiles().constFirst();
}

void TableExporter::warnWriteFailed()
{
    QMessageBox::warning(
        m_dialogParent, translated(kErrorTitle),
        QCoreApplication::translate("MeasuringSystem", "Не вдалося відкрити файл для запису."));
}

void TableExporter::reportSuccess(const QString &text)
{
    QMessageBox::information(m_dialogParent, translated(kSuccessTitle), text);
}
