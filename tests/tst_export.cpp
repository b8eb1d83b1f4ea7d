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

private slots:
    void csvBytes();
    void pdfReadsBack();
    void noDataToExport();
    void formatQuestion_data();
    void formatQuestion();
    void fileDialogOutcome_data();
    void fileDialogOutcome();
    void timerDialog();

private:
    QTemporaryDir m_dir;
};

void TestExport::csvBytes()
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

void TestExport::pdfReadsBack()
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

void TestExport::noDataToExport()
{
    TableExporter exporter(nullptr);
    bool asked = false;
    exporter.setFileNameProvider([&](const QString &, const QString &) {
        asked = true;
        return QString();
    });
    ModalAnswerer answerer(QMessageBox::Ok);
    exporter.askAndExport(*table({"№"}, {})); // warns before the format question
    QCOMPARE(answerer.icon(), QMessageBox::Warning);
    QCOMPARE(answerer.title(), QStringLiteral("Помилка"));
    QCOMPARE(answerer.text(), QStringLiteral("Немає даних для експорту."));
    QVERIFY(!asked);
}

void TestExport::formatQuestion_data()
{
    QTest::addColumn<QString>("choice");
    QTest::addColumn<QStringList>("dialog");
    QTest::addColumn<QString>("success");
    QTest::newRow("PDF") << "PDF" << QStringList{"Експорт в PDF", "PDF Files (*.pdf)"}
                         << "Дані успішно експортовано в PDF.";
    QTest::newRow("CSV") << "CSV" << QStringList{"Експорт в CSV", "CSV Files (*.csv)"}
                         << "Дані успішно експортовано в CSV.";
    QTest::newRow("cancel") << "Відміна" << QStringList() << QString();
}

void TestExport::formatQuestion()
{
    QFETCH(QString, choice);
    QFETCH(QStringList, dialog);
    QFETCH(QString, success);
    const QString path = m_dir.filePath(QStringLiteral("chosen"));
    QFile::remove(path);
    TableExporter exporter(nullptr);
    QStringList asked;
    std::unique_ptr<ModalAnswerer> successBox;
    exporter.setFileNameProvider([&](const QString &caption, const QString &filter) {
        asked << caption << filter;
        successBox = std::make_unique<ModalAnswerer>(QMessageBox::Ok);
        return path;
    });
    clickOnNextBox(choice);
    exporter.askAndExport(*table({"№"}, {{"1"}}));

    QCOMPARE(asked, dialog);
    QCOMPARE(QFileInfo(path).size() > 0, !success.isEmpty());
    QCOMPARE(successBox ? successBox->text() : QString(), success);
}

void TestExport::fileDialogOutcome_data()
{
    QTest::addColumn<bool>("pdf");
    QTest::addColumn<QString>("answer");
    QTest::addColumn<QString>("warning");
    const QString missingFolder = m_dir.filePath(QStringLiteral("missing/out"));
    const QString failed = QStringLiteral("Не вдалося відкрити файл для запису.");
    QTest::newRow("CSV dialog cancelled") << false << QString() << QString();
    QTest::newRow("PDF dialog cancelled") << true << QString() << QString();
    QTest::newRow("CSV into a missing folder") << false << missingFolder << failed;
    QTest::newRow("PDF into a missing folder") << true << missingFolder << failed;
}

void TestExport::fileDialogOutcome()
{
    QFETCH(bool, pdf);
    QFETCH(QString, answer);
    QFETCH(QString, warning);
    TableExporter exporter(nullptr);
    exporter.setFileNameProvider([&](const QString &, const QString &) { return answer; });
    const QStringList before = QDir(m_dir.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries);

    ModalAnswerer answerer(QMessageBox::Ok);
    const auto model = table({"№"}, {{"1"}});
    pdf ? exporter.exportPdf(*model) : exporter.exportCsv(*model);
    QCOMPARE(answerer.text(), warning); // empty: no box at all
    QCOMPARE(answerer.icon(), warning.isEmpty() ? QMessageBox::NoIcon : QMessageBox::Warning);
    QCOMPARE(QDir(m_dir.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries), before);
}

void TestExport::timerDialog()
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

QTEST_MAIN(TestExport)
#include "tst_export.moc"
