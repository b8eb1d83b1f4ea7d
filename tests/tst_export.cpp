#include "modalanswerer.h"
#include "recording/tableexporter.h"
#include "recording/timersettingsdialog.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QProcess>
#include <QPushButton>
#include <QSpinBox>
#include <QStandardItemModel>
#include <QTableWidget>
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

// Clicks the button labelled `text` on the next message box (the format buttons have no standard role).
void clickOnNextBox(const QString &text)
{
    auto *timer = new QTimer(qApp);
    QObject::connect(timer, &QTimer::timeout, timer, [timer, text] {
        if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
            for (QAbstractButton *button : box->buttons()) {
                if (button->text() == text) {
                    timer->stop();
                    timer->deleteLater();
                    button->click();
                }
            }
        }
    });
    timer->start(10);
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

    void formatQuestion_data()
    {
        QTest::addColumn<QString>("choice");
        QTest::addColumn<QByteArray>("start"); // of the written file; empty: none written
        QTest::newRow("PDF") << "PDF" << QByteArray("%PDF");
        QTest::newRow("CSV") << "CSV" << QByteArray("\"№\"\n\"1\"");
        QTest::newRow("cancel") << "Відміна" << QByteArray();
    }

    void formatQuestion()
    {
        QFETCH(QString, choice);
        QFETCH(QByteArray, start);
        const QString path = m_dir.filePath(QStringLiteral("chosen"));
        QFile::remove(path);
        TableExporter exporter(nullptr);
        std::unique_ptr<ModalAnswerer> successBox;
        exporter.setFileNameProvider([&](const QString &, const QString &) {
            successBox = std::make_unique<ModalAnswerer>(QMessageBox::Ok);
            return path;
        });
        clickOnNextBox(choice);
        exporter.askAndExport(*table({"№"}, {{"1"}}));

        QFile file(path);
        QCOMPARE(file.open(QIODevice::ReadOnly) ? file.read(start.size()) : QByteArray(), start);
        QCOMPARE(successBox && successBox->answered(), !start.isEmpty());
    }

    // Nothing is written and, but for a failed write or an empty table, no box is shown.
    void exportFailsOrIsCancelled_data()
    {
        QTest::addColumn<bool>("pdf");
        QTest::addColumn<int>("rows");
        QTest::addColumn<QString>("answer");
        QTest::addColumn<QString>("warning");
        const QString missingFolder = m_dir.filePath(QStringLiteral("missing/out"));
        const QString failed = QStringLiteral("Не вдалося відкрити файл для запису.");
        const QString empty = QStringLiteral("Немає даних для експорту.");
        QTest::newRow("CSV dialog cancelled") << false << 1 << QString() << QString();
        QTest::newRow("PDF dialog cancelled") << true << 1 << QString() << QString();
        QTest::newRow("CSV into a missing folder") << false << 1 << missingFolder << failed;
        QTest::newRow("PDF into a missing folder") << true << 1 << missingFolder << failed;
        QTest::newRow("CSV of an empty table, no file dialog") << false << 0 << missingFolder << empty;
        QTest::newRow("PDF of an empty table, no file dialog") << true << 0 << missingFolder << empty;
    }

    void exportFailsOrIsCancelled()
    {
        QFETCH(bool, pdf);
        QFETCH(int, rows);
        QFETCH(QString, answer);
        QFETCH(QString, warning);
        TableExporter exporter(nullptr);
        exporter.setFileNameProvider([&](const QString &, const QString &) { return answer; });
        const QStringList before = QDir(m_dir.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries);

        ModalAnswerer answerer(QMessageBox::Ok);
        const auto model = table({"№"}, Rows(rows, {"1"}));
        pdf ? exporter.exportPdf(*model) : exporter.exportCsv(*model);
        QCOMPARE(answerer.text(), warning); // empty: no box at all
        QCOMPARE(answerer.icon(), warning.isEmpty() ? QMessageBox::NoIcon : QMessageBox::Warning);
        QCOMPARE(QDir(m_dir.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries), before);
    }

    void timerDialog()
    {
        DeviceRecord first;
        first.timerIntervalMs = 100;
        DeviceRecord second = first;
        second.timerIntervalMs = 2500;
        TimerSettingsDialog dialog(false, 700, {first, second});
        auto *mode = dialog.findChild<QComboBox *>(QStringLiteral("modeCombo"));
        auto *interval = dialog.findChild<QSpinBox *>(QStringLiteral("intervalSpin"));
        auto *devices = dialog.findChild<QTableWidget *>(QStringLiteral("deviceTable"));
        QCOMPARE(mode->currentIndex(), 1);
        QVERIFY(!interval->isEnabled() && devices->isEnabled());
        QCOMPARE(dialog.rowIntervals(), (QMap<int, int>{{0, 100}, {1, 2500}}));
        mode->setCurrentIndex(0);
        QVERIFY(interval->isEnabled() && !devices->isEnabled());

        dialog.show();
        dialog.findChild<QPushButton *>(QStringLiteral("resetButton"))->click();
        QVERIFY(dialog.isVisible());
        QCOMPARE(dialog.interval(), 0);
        QCOMPARE(dialog.rowIntervals(), (QMap<int, int>{{0, 0}, {1, 0}}));

        qobject_cast<QSpinBox *>(devices->cellWidget(1, 1))->setValue(800);
        dialog.findChild<QPushButton *>(QStringLiteral("okButton"))->click();
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QVERIFY(dialog.isSynchronous());
        QCOMPARE(dialog.rowIntervals(), (QMap<int, int>{{0, 0}, {1, 800}}));
    }
};

QTEST_MAIN(TestExport)
#include "tst_export.moc"
