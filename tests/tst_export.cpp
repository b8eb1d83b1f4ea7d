#include "devices/devicerecord.h"
#include "modalanswerer.h"
#include "recording/monotablemodel.h"
#include "recording/recordingstore.h"
#include "recording/statistics.h"
#include "recording/tableexporter.h"
#include "recording/xlsxexport.h"
#include "xlsxcells.h"

#include <QAbstractButton>
#include <QApplication>
#include <QProcess>
#include <QStandardItemModel>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <memory>

using Rows = QList<QStringList>;

namespace {

// Stands in for a workspace table; a null header leaves its column without a header item.
std::unique_ptr<QStandardItemModel> table(const QStringList &headers, const Rows &rows)
{
    auto model = std::make_unique<QStandardItemModel>(int(rows.size()), int(headers.size()));
    for (int column = 0; column < headers.size(); ++column) {
        if (!headers.at(column).isNull())
            model->setHorizontalHeaderItem(column, new QStandardItem(headers.at(column)));
        for (int row = 0; row < rows.size(); ++row)
            model->setItem(row, column, new QStandardItem(rows.at(row).at(column)));
    }
    return model;
}

// Exports through the format question, answered with the button labelled `text` (the format buttons have no
// standard role).
void exportChoosing(TableExporter &exporter, const QAbstractItemModel &model, const QString &text)
{
    QTimer::singleShot(0, [text] {
        for (QAbstractButton *button :
             qobject_cast<QMessageBox *>(QApplication::activeModalWidget())->buttons()) {
            if (button->text() == text)
                button->click();
        }
    });
    exporter.askAndExport(model, {DeviceStats{}}); // a measurement table: XLSX is offered
}

} // namespace

class TestExport : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;

private slots:
    void csvBytes()
    {
        // Quotes doubled, commas kept inside the quotes, a column without a header item left empty.
        const auto model =
            table({"№", QString(), "Калібр \"A\", 2 (mm)"}, {{"1", "", "—"}, {"say \"hi\"", "x", "1,5"}});
        const QString path = m_dir.filePath(QStringLiteral("table.csv"));
        QVERIFY(TableExporter::writeCsv(*model, path));
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), QByteArray("\"№\",,\"Калібр \"\"A\"\", 2 (mm)\"\n"
                                            "\"1\",\"\",\"—\"\n\"say \"\"hi\"\"\",\"x\",\"1,5\"\n"));
    }

    void pdfReadsBack()
    {
        const QString path = m_dir.filePath(QStringLiteral("report.pdf"));
        QVERIFY(TableExporter::writePdf(*table({"№", "A<B> & C (mm)"}, {{"1", "—"}, {"x<y", "7.25"}}), path,
                                        TableExporter::reportTitle()));
        QProcess pdftotext;
        pdftotext.start(QStringLiteral("pdftotext"), {path, QStringLiteral("-")});
        QVERIFY(pdftotext.waitForFinished(10000));
        const QString text = QString::fromUtf8(pdftotext.readAllStandardOutput());
        for (const char *expected : {"Звіт про вимірювання (Kovran)", "A<B> & C (mm)", "—", "x<y", "7.25"})
            QVERIFY2(text.contains(QString::fromUtf8(expected)), qPrintable(text));
    }

    // One instrument's mono table (limits 9.8 to 10.4, three decimals) and a second instrument of one value
    // that judges nothing. The figures are worked out by hand (MR̄ 0.7/3, sigma within MR̄/1.128).
    void xlsxCellsAndStatistics()
    {
        RecordingStore store;
        // The No Go was recorded in Polish: the verdicts of every language are recognised.
        for (double x : {10.0, 10.2, 10.1, 10.5})
            store.appendMono(0, x, QStringLiteral("08:30:15"), QString::fromUtf8(x > 10.4 ? "Brak" : "Go"));
        MonoTableModel model(store);
        model.setHeaderLabels({"№", "Час", "Значення (mm)", "Статус"});
        model.showDevice(0, 3);
        DeviceRecord caliper;
        caliper.precision = 3;
        caliper.measuringType = MeasuringMode::RangeLimits;
        caliper.limitMin = 9.8;
        caliper.limitMax = 10.4;
        QList<DeviceStats> stats = buildDeviceStats(store, {caliper}, false, 0, {});
        stats.append(DeviceStats{"one", "mm", 3, 0, 0.0, 0.0, {5.0}, {}});
        const QString path = m_dir.filePath(QStringLiteral("table.xlsx"));
        QVERIFY(XlsxExport::write(model, stats, path));

        auto table = xlsxCells(path, 1);
        QCOMPARE(table["C3"].type + table["C3"].value + " " + table["C3"].format,
                 QStringLiteral("10.2 0.000"));
        QCOMPARE(table["B2"].type + table["B2"].format, QStringLiteral("hh:mm:ss"));
        QVERIFY(qFuzzyCompare(table["B2"].value.toDouble(), (8 * 3600 + 30 * 60 + 15) / 86400.0));
        QCOMPARE(table["D2"].value + " " + table["D2"].fill, QStringLiteral("Go FF006400"));
        QCOMPARE(table["D5"].value + " " + table["D5"].fill, QStringLiteral("Brak FFCC0000"));
        auto figures = xlsxCells(path, 2);
        const double expected[] = {4,   10.2, 10.0,     10.5,     0.5,      0.216025, 3,        1,
                                   9.8, 10.4, 0.483428, 0.322286, 0.322286, 0.644571, 0.462910, 0.308607};
        for (int i = 0; i < 16; ++i) {
            const XlsxCell cell = figures.value(QChar('C' + i) + QStringLiteral("2"));
            QVERIFY2(cell.type.isEmpty() && qAbs(cell.value.toDouble() - expected[i]) < 1e-6,
                     qPrintable(cell.value));
        }
        QCOMPARE(figures["D2"].format, QStringLiteral("0.000"));
        for (const char *undefined : {"H3", "I3", "K3", "M3", "R3"})
            QCOMPARE(figures[undefined].value, QStringLiteral("—"));

        // Sheets of two rows and the header: the table goes on over a second one.
        QVERIFY(XlsxExport::write(model, stats, path, nullptr, 3));
        table = xlsxCells(path, 2);
        QCOMPARE(table["A1"].value + table["A3"].value, QStringLiteral("№4"));
    }

    // A cell Excel cannot hold fails the write after the file was opened: the old file stays as it was.
    void xlsxFailureKeepsTheOldFile()
    {
        QTemporaryDir dir;
        QFile old(dir.filePath(QStringLiteral("old.xlsx")));
        QVERIFY(old.open(QIODevice::WriteOnly) && old.write("old") == 3);
        old.close();
        QString reason;
        QVERIFY(!XlsxExport::write(*table({"№"}, {{QString(40000, QLatin1Char('x'))}}), {}, old.fileName(),
                                   &reason));
        QVERIFY(!reason.isEmpty());
        QVERIFY(old.open(QIODevice::ReadOnly));
        QCOMPARE(old.readAll(), QByteArray("old"));
        QCOMPARE(QDir(dir.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries),
                 QStringList{"old.xlsx"});
    }

    // Through the format question (answered with the button after "ask") or straight to one format; the
    // table's rows, the file dialog's answer (empty: cancelled) and the box that follows (empty: none).
    // A file is left only after success, with the chosen format's first bytes.
    void exports_data()
    {
        QTest::addColumn<QString>("how");
        QTest::addColumn<int>("rows");
        QTest::addColumn<QString>("answer");
        QTest::addColumn<QString>("message");
        const QString done = QStringLiteral("Дані успішно експортовано в %1.");
        const QString failed = QStringLiteral("Не вдалося відкрити файл для запису.");
        const QString empty = QStringLiteral("Немає даних для експорту.");
        QTest::newRow("PDF chosen") << "ask PDF" << 1 << "out" << done.arg("PDF");
        QTest::newRow("CSV chosen") << "ask CSV" << 1 << "out" << done.arg("CSV");
        QTest::newRow("XLSX chosen") << "ask XLSX" << 1 << "out" << done.arg("XLSX");
        QTest::newRow("format question cancelled") << "ask Відміна" << 1 << "out" << QString();
        QTest::newRow("CSV dialog cancelled") << "CSV" << 1 << "" << QString();
        QTest::newRow("PDF dialog cancelled") << "PDF" << 1 << "" << QString();
        QTest::newRow("CSV into a missing folder") << "CSV" << 1 << "missing/out" << failed;
        QTest::newRow("PDF into a missing folder") << "PDF" << 1 << "missing/out" << failed;
        QTest::newRow("XLSX into a missing folder") << "XLSX" << 1 << "missing/out"
                                                    << "Не вдалося записати файл ";
        QTest::newRow("empty table, no file dialog") << "PDF" << 0 << "out" << empty;
    }
    void exports()
    {
        QFETCH(QString, how);
        QFETCH(int, rows);
        QFETCH(QString, answer);
        QFETCH(QString, message);
        QTemporaryDir dir;
        TableExporter exporter(nullptr);
        const bool ask = how.startsWith(QStringLiteral("ask "));
        // Answers the box that follows the export, not the format question before it.
        std::unique_ptr<ModalAnswerer> box(ask ? nullptr : new ModalAnswerer(QMessageBox::Ok));
        exporter.setFileNameProvider([&](const QString &, const QString &) {
            box = std::make_unique<ModalAnswerer>(QMessageBox::Ok);
            return answer.isEmpty() ? answer : dir.filePath(answer);
        });
        const auto model = table({"№"}, Rows(rows, {"1"}));
        if (ask)
            exportChoosing(exporter, *model, how.mid(4));
        else
            how == "PDF"    ? exporter.exportPdf(*model)
            : how == "XLSX" ? exporter.exportXlsx(*model, {})
                            : exporter.exportCsv(*model);
        const QString text = box ? box->text() : QString();
        QVERIFY2(message.isEmpty() ? text.isEmpty() : text.startsWith(message), qPrintable(text));

        const QByteArray start = !message.startsWith(QStringLiteral("Дані")) ? QByteArray()
                                 : how.endsWith("PDF")                       ? QByteArray("%PDF")
                                 : how.endsWith("XLSX")                      ? QByteArray("PK\x03\x04")
                                                                             : QByteArray("\"№\"\n\"1\"");
        QFile file(dir.filePath(QStringLiteral("out")));
        QCOMPARE(file.open(QIODevice::ReadOnly) ? file.read(start.size()) : QByteArray(), start);
        QCOMPARE(QDir(dir.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries).size(),
                 start.isEmpty() ? 0 : 1);
    }
};

QTEST_MAIN(TestExport)
#include "tst_export.moc"
