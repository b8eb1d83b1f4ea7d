#include "standtableexport.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>
#include <QTableWidget>

QByteArray StandTableExport::csvContent(const QTableWidget &table)
{
    QByteArray content("\xEF\xBB\xBF");
    QStringList fields;
    for (int column = 0; column < table.columnCount(); ++column) {
        const QTableWidgetItem *header = table.horizontalHeaderItem(column);
        fields.append(header ? header->text()
                             : QCoreApplication::translate("StandWindow", "Column %1").arg(column + 1));
    }
    content += fields.join(QLatin1Char(';')).toUtf8() + '\n';
    for (int row = 0; row < table.rowCount(); ++row) {
        fields.clear();
        for (int column = 0; column < table.columnCount(); ++column) {
            const QTableWidgetItem *item = table.item(row, column);
            QString text = item ? item->text() : QString();
            fields.append(text.replace(QLatin1Char(';'), QLatin1Char(',')));
        }
        content += fields.join(QLatin1Char(';')).toUtf8() + '\n';
    }
    return content;
}

bool StandTableExport::writeCsv(const QTableWidget &table, const QString &path)
{
    const QByteArray content = csvContent(table);
    QSaveFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(content) == content.size() && file.commit();
}

bool StandTableExport::writePdf(const QTableWidget &table, const QString &path)
{
    {
        QPdfWriter writer(path);
        writer.setPageSize(QPageSize(QPageSize::A2));
        QPainter painter;
        if (!painter.begin(&writer))
            return false;
        painter.setFont(QFont(QStringLiteral("Arial"), 10));
        const auto cell = [&painter](int column, int y, const QString &text) {
            const QRect rect(column * kPdfCellWidth, y, kPdfCellWidth, kPdfCellHeight);
            painter.drawRect(rect);
            painter.drawText(rect, Qt::AlignCenter, text);
        };
        for (int column = 0; column < table.columnCount(); ++column) {
            const QTableWidgetItem *header = table.horizontalHeaderItem(column);
            cell(column, 0,
                 header ? header->text()
                        : QCoreApplication::translate("StandWindow", "Стовпець %1").arg(column + 1));
        }
        int y = kPdfCellHeight;
        for (int row = 0; row < table.rowCount(); ++row) {
            if (y > kPdfPageBottom) {
                writer.newPage();
                y = 0;
            }
            for (int column = 0; column < table.columnCount(); ++column) {
                const QTableWidgetItem *item = table.item(row, column);
                cell(column, y, item ? item->text() : QStringLiteral("-"));
            }
            y += kPdfCellHeight;
        }
        if (!painter.end())
            return false;
    }
    // The writer flushes the file when it goes out of scope.
    const QFileInfo written(path);
    return written.exists() && written.size() > 0;
}
