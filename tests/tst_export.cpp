#include "modalanswerer.h"
#include "recording/tableexporter.h"

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
    exporter.askAndExport(model);
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
        QTest::newRow("format question cancelled") << "ask Відміна" << 1 << "out" << QString();
        QTest::newRow("CSV dialog cancelled") << "CSV" << 1 << "" << QString();
        QTest::newRow("PDF dialog cancelled") << "PDF" << 1 << "" << QString();
        QTest::newRow("CSV into a missing folder") << "CSV" << 1 << "missing/out" << failed;
        QTest::newRow("PDF into a missing folder") << "PDF" << 1 << "missing/out" << failed;
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
            how == "PDF" ? exporter.exportPdf(*model) : exporter.exportCsv(*model);
        QTEST(box ? box->text() : QString(), "message");

        const QByteArray start = !message.startsWith(QStringLiteral("Дані")) ? QByteArray()
                                 : how.endsWith("PDF")                       ? QByteArray("%PDF")
                                                                             : QByteArray("\"№\"\n\"1\"");
        QFile file(dir.filePath(QStringLiteral("out")));
        QCOMPARE(file.open(QIODevice::ReadOnly) ? file.read(start.size()) : QByteArray(), start);
        QCOMPARE(QDir(dir.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries).size(),
                 start.isEmpty() ? 0 : 1);
    }
};

QTEST_MAIN(TestExport)
#include "tst_export.moc"
