#include "xlsxcells.h"

#include <QList>
#include <QProcess>
#include <QStringList>
#include <QXmlStreamReader>

#include <utility>

namespace {

QByteArray unzipped(const QString &path, const QString &part)
{
    QProcess unzip;
    unzip.start(QStringLiteral("unzip"), {QStringLiteral("-p"), path, part});
    return unzip.waitForFinished(10000) ? unzip.readAllStandardOutput() : QByteArray();
}

} // namespace

QHash<QString, XlsxCell> xlsxCells(const QString &path, int sheet)
{
    // Each cell style (an xf of cellXfs) as its number format and fill.
    QHash<QString, QString> formats;
    QStringList fills;
    QList<std::pair<QString, QString>> styles;
    bool cellStyles = false;
    for (QXmlStreamReader xml(unzipped(path, QStringLiteral("xl/styles.xml"))); !xml.atEnd();) {
        if (xml.readNext() == QXmlStreamReader::EndElement && xml.name() == u"cellXfs")
            cellStyles = false;
        if (!xml.isStartElement())
            continue;
        const QXmlStreamAttributes a = xml.attributes();
        if (xml.name() == u"numFmt")
            formats[a.value(QLatin1String("numFmtId")).toString()] =
                a.value(QLatin1String("formatCode")).toString();
        else if (xml.name() == u"fill")
            fills.append(QString());
        else if (xml.name() == u"fgColor" && !fills.isEmpty())
            fills.last() = a.value(QLatin1String("rgb")).toString();
        cellStyles = cellStyles || xml.name() == u"cellXfs";
        if (cellStyles && xml.name() == u"xf")
            styles.append({formats.value(a.value(QLatin1String("numFmtId")).toString()),
                           fills.value(a.value(QLatin1String("fillId")).toInt())});
    }

    QHash<QString, XlsxCell> cells;
    QString current;
    const QString part = QStringLiteral("xl/worksheets/sheet%1.xml").arg(sheet);
    for (QXmlStreamReader xml(unzipped(path, part)); !xml.atEnd();) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        const QXmlStreamAttributes a = xml.attributes();
        if (xml.name() == u"c") {
            current = a.value(QLatin1String("r")).toString();
            const auto [format, fill] = styles.value(a.value(QLatin1String("s")).toInt());
            cells.insert(current, {a.value(QLatin1String("t")).toString(), QString(), format, fill});
        } else if (!current.isEmpty() && (xml.name() == u"v" || xml.name() == u"t")) {
            cells[current].value = xml.readElementText();
        }
    }
    return cells;
}
