#include "modules/cameracatalogue.h"
#include "modules/stand/pressetsetting.h"
#include "modules/stand/standwindow.h"
#include "settingssandbox.h"
#include "standboardpeer.h"
#include "virtualports.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QSettings>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <memory>

namespace {

// Clicks the button labelled `button` in the next message box (any other answer rejects it) and keeps
// what the box said. The stand's boxes have their own buttons, which a standard-button answer misses.
class BoxAnswer : public QObject
{
public:
    explicit BoxAnswer(const QString &button)
        : m_button(button)
    {
        auto *timer = new QTimer(this);
        connect(timer, &QTimer::timeout, this, [this, timer] {
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            if (!box)
                return;
            title = box->windowTitle();
            text = box->text();
            timer->stop();
            for (QAbstractButton *candidate : box->buttons()) {
                if (candidate->text() == m_button) {
                    candidate->click();
                    return;
                }
            }
            box->reject();
        });
        timer->start(10);
    }
    QString title;
    QString text;

private:
    QString m_button;
};

QByteArray presetJson(const QJsonArray &targets, double deviation)
{
    return QJsonDocument(
               QJsonObject{{"deviation", deviation}, {"points_count", targets.size()}, {"targets", targets}})
        .toJson();
}

QByteArray manyTargets(int count)
{
    QJsonArray targets;
    for (int i = 0; i < count; ++i)
        targets.append(i);
    return presetJson(targets, 0.1);
}

} // namespace

class TestStand : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void presetWalk();
    void freeRowsExportsAndMenus();
    void tapeModeCarriesTheBase();
    void deleteModes_data();
    void deleteModes();
    void generator_data();
    void generator();
    void editorCellsSaveAndLoad();
    void refusesBadPresetFiles_data();
    void refusesBadPresetFiles();
    void simulatedBoardShowsItsScale();

private:
    void click(const char *name) { m_window->findChild<QAbstractButton *>(QLatin1String(name))->click(); }
    void measure(double value)
    {
        m_window->UpdateLCD(value);
        click("addNewButton");
    }
    QString cell(int row, int column) const { return m_window->table()->item(row, column)->text(); }
    // Loads `presets` (base name -> content) as the preset folder and selects `chosen`.
    void usePresets(const QMap<QString, QByteArray> &presets, const QString &chosen);

    std::unique_ptr<SettingsSandbox> m_settings;
    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<StandWindow> m_window;
};

void TestStand::init()
{
    m_settings = std::make_unique<SettingsSandbox>();
    m_dir = std::make_unique<QTemporaryDir>();
    CameraCatalogue::instance()->setCamerasOverride(QList<CameraEntry>());
    m_window = std::make_unique<StandWindow>();
    m_window->UpdateUint(MotherBoard::UnitMillimetres);
}

void TestStand::cleanup()
{
    m_window.reset();
    m_dir.reset();
    m_settings.reset();
}

void TestStand::usePresets(const QMap<QString, QByteArray> &presets, const QString &chosen)
{
    for (auto it = presets.cbegin(); it != presets.cend(); ++it) {
        QFile file(m_dir->filePath(it.key() + QStringLiteral(".json")));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(it.value());
    }
    m_window->loadPresetsFromFolder(m_dir->path());
    QComboBox *box = m_window->presetComboBox();
    QCOMPARE(box->count(), presets.size() + 1);
    box->setCurrentIndex(box->findText(chosen));
}

void TestStand::presetWalk()
{
    usePresets({{"walk", presetJson({10, 20, 30}, 0.05)}}, "walk");
    QCOMPARE(m_window->table()->rowCount(), 3);
    QCOMPARE(m_window->tolerance(), 0.05);

    // The last point sits exactly on the tolerance: printed as 0.050 it must not turn red.
    const struct
    {
        double reading;
        const char *deviation;
        QColor colour;
    } points[] = {{10.03, "0.030", Qt::black}, {20.06, "0.060", Qt::red}, {30.05, "0.050", Qt::black}};
    BoxAnswer completion(QStringLiteral("Скасувати"));
    for (int row = 0; row < 3; ++row) {
        QVERIFY(completion.title.isEmpty());
        measure(points[row].reading);
        QCOMPARE(cell(row, StandWindow::ColumnMeasured), QString::number(points[row].reading, 'f', 3));
        QCOMPARE(cell(row, StandWindow::ColumnDeviation), QLatin1String(points[row].deviation));
        QCOMPARE(m_window->table()->item(row, StandWindow::ColumnDeviation)->foreground().color(),
                 points[row].colour);
    }
    QCOMPARE(completion.title, QStringLiteral("Вимірювання завершено"));
}

void TestStand::freeRowsExportsAndMenus()
{
    // No camera on the bench: the menu says so and nothing waits for one.
    QCOMPARE(m_window->cameraMenu()->actions().size(), 1);
    QVERIFY(!m_window->cameraMenu()->actions().constFirst()->isEnabled());

    measure(5.5);
    measure(5.25);
    QCOMPARE(m_window->table()->rowCount(), 2);
    for (int row = 0; row < 2; ++row) {
        QCOMPARE(cell(row, StandWindow::ColumnSetValue), QStringLiteral("-"));
        QCOMPARE(cell(row, StandWindow::ColumnDeviation), QStringLiteral("-"));
    }
    QCOMPARE(cell(1, StandWindow::ColumnMeasured), QStringLiteral("5.250"));

    const QString csv = m_dir->filePath(QStringLiteral("out.csv"));
    m_window->setFileNameProvider([csv](const QString &, const QString &) { return csv; });
    click("ExportCSVButton");
    QFile file(csv);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QList<QByteArray> lines = file.readAll().split('\n');
    QCOMPARE(lines.value(0),
             QByteArray("\xEF\xBB\xBF") + QStringLiteral("Час;Задані значення;Виміряні значення;"
                                                         "Відхилення")
                                              .toUtf8());
    QVERIFY(lines.value(2).endsWith(";-;5.250;-"));

    const QString pdf = m_dir->filePath(QStringLiteral("out.pdf"));
    QVERIFY(m_window->exportPdf(pdf));
    QProcess pdftotext;
    pdftotext.start(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")});
    QVERIFY(pdftotext.waitForFinished(10000));
    const QString text = QString::fromUtf8(pdftotext.readAllStandardOutput());
    QVERIFY2(text.contains(QStringLiteral("5.250")) && text.contains(QStringLiteral("Відхилення")),
             qPrintable(text));

    for (const QString &bad : {m_dir->filePath("missing/out.csv"), m_dir->filePath("missing/out.pdf")}) {
        BoxAnswer failure(QStringLiteral("OK"));
        QVERIFY(bad.endsWith("csv") ? !m_window->exportCsv(bad) : !m_window->exportPdf(bad));
        QVERIFY2(failure.text.contains(QStringLiteral("missing")), qPrintable(failure.text));
    }

    m_window->findChild<QAction *>(QStringLiteral("en_change_languege_action"))->trigger();
    QCOMPARE(m_window->findChild<QPushButton *>(QStringLiteral("ClearButton"))->text(),
             QStringLiteral("Clear"));
    m_window->findChild<QAction *>(QStringLiteral("action_2"))->trigger();
    const QSettings config(m_settings->filePath(QStringLiteral("config.ini")), QSettings::IniFormat);
    QCOMPARE(config.value(QStringLiteral("interface/language")).toString(), QStringLiteral("en_150"));
    QCOMPARE(config.value(QStringLiteral("default_module")).toInt(), 0);
    QVERIFY(config.contains(QStringLiteral("default_module")));
}

void TestStand::tapeModeCarriesTheBase()
{
    {
        BoxAnswer refused(QStringLiteral("OK"));
        click("Tape_button"); // disabled until tape mode is on
        m_window->on_Tape_button_clicked();
        QCOMPARE(refused.title, QStringLiteral("Режим Tape"));
    }
    m_window->findChild<QCheckBox *>(QStringLiteral("EnableTapeMode"))->setChecked(true);
    measure(100.0);
    {
        BoxAnswer moved(QStringLiteral("OK"));
        click("Tape_button");
        QCOMPARE(moved.title, QStringLiteral("Tape"));
    }
    QCOMPARE(m_window->tapeBase(), 100.0);
    m_window->UpdateLCD(12.345); // cut, not rounded, before the base is added
    QCOMPARE(m_window->displayText(), QStringLiteral("112.34"));
    click("addNewButton");
    QCOMPARE(cell(1, StandWindow::ColumnMeasured), QStringLiteral("112.340"));
    // A float from the board just under a hundredth must not lose it.
    m_window->UpdateLCD(double(12.33f));
    QCOMPARE(m_window->displayText(), QStringLiteral("112.33"));
}

void TestStand::deleteModes_data()
{
    QTest::addColumn<QString>("answer");
    QTest::addColumn<QList<int>>("emptied");
    QTest::newRow("only this row") << QStringLiteral("Тільки цей рядок") << QList<int>{1};
    QTest::newRow("with shift") << QStringLiteral("Зі зміщенням (очистити все після)")
                                << QList<int>{1, 2, 3, 4};
    QTest::newRow("cancel") << QStringLiteral("Скасувати") << QList<int>{};
}

void TestStand::deleteModes()
{
    QFETCH(QString, answer);
    QFETCH(QList<int>, emptied);
    usePresets({{"five", presetJson({1, 2, 3, 4, 5}, 0.1)}}, "five");
    {
        BoxAnswer completion(QStringLiteral("Скасувати"));
        for (int i = 1; i <= 5; ++i)
            measure(i);
    }
    BoxAnswer question(answer);
    m_window->deleteMeasurement(1);
    QCOMPARE(question.title, QStringLiteral("Видалення вимірювання"));
    for (int row = 0; row < 5; ++row) {
        const bool empty = emptied.contains(row);
        QCOMPARE(cell(row, StandWindow::ColumnSetValue), QString::number(row + 1.0, 'f', 3));
        QCOMPARE(cell(row, StandWindow::ColumnMeasured).isEmpty(), empty);
        QCOMPARE(cell(row, StandWindow::ColumnTime).isEmpty(), empty);
    }
    // The next point fills the first emptied row again.
    if (!emptied.isEmpty()) {
        BoxAnswer completion(QStringLiteral("Скасувати"));
        measure(2.5);
        QCOMPARE(cell(1, StandWindow::ColumnDeviation), QStringLiteral("0.500"));
    }
}

void TestStand::generator_data()
{
    QTest::addColumn<QString>("from");
    QTest::addColumn<QString>("to");
    QTest::addColumn<QString>("step");
    QTest::addColumn<int>("rows");
    QTest::addColumn<QString>("last");
    QTest::addColumn<QString>("warning");
    // A refused input keeps the three rows set up before.
    QTest::newRow("single value") << "5"
                                  << "5"
                                  << "1" << 1 << "5.000"
                                  << "";
    QTest::newRow("ten thousand steps") << "0"
                                        << "10"
                                        << "0.001" << 10001 << "10.000"
                                        << "";
    QTest::newRow("too many points") << "0"
                                     << "10"
                                     << "0.0009" << 3 << ""
                                     << "Увага";
    QTest::newRow("rounded up, never past the end") << "0"
                                                    << "1"
                                                    << "0.4" << 3 << "0.800"
                                                    << "";
    QTest::newRow("comma decimals") << "0"
                                    << "1"
                                    << "0,25" << 5 << "1.000"
                                    << "";
    QTest::newRow("zero step") << "0"
                               << "1"
                               << "0" << 3 << ""
                               << "Помилка";
    QTest::newRow("start above end") << "2"
                                     << "1"
                                     << "0.5" << 3 << ""
                                     << "Помилка";
    QTest::newRow("not a number") << "abc"
                                  << "1"
                                  << "0.5" << 3 << ""
                                  << "Помилка";
}

void TestStand::generator()
{
    QFETCH(QString, from);
    QFETCH(QString, to);
    QFETCH(QString, step);
    QFETCH(int, rows);
    QFETCH(QString, last);
    QFETCH(QString, warning);
    PressetSetting editor;
    editor.findChild<QLineEdit *>(QStringLiteral("CountPointsLineEdit"))->setText(QStringLiteral("3"));
    editor.on_AddPrecisioPointButton_clicked();
    editor.findChild<QLineEdit *>(QStringLiteral("From_lineEdit"))->setText(from);
    editor.findChild<QLineEdit *>(QStringLiteral("To_lineEdit"))->setText(to);
    editor.findChild<QLineEdit *>(QStringLiteral("Step_lineEdit"))->setText(step);
    BoxAnswer box(QStringLiteral("OK"));
    editor.findChild<QPushButton *>(QStringLiteral("AutoGenerate"))->click();
    QCOMPARE(box.title, warning);
    QCOMPARE(editor.table()->rowCount(), rows);
    if (!last.isEmpty()) {
        QCOMPARE(editor.table()->item(0, 0)->text(), QString::number(from.toDouble(), 'f', 3));
        QCOMPARE(editor.table()->item(rows - 1, 0)->text(), last);
    }
}

void TestStand::editorCellsSaveAndLoad()
{
    PressetSetting *editor = m_window->presetEditor();
    m_window->on_NewPresetButton_clicked();
    QVERIFY(editor->isVisible());
    editor->findChild<QLineEdit *>(QStringLiteral("CountPointsLineEdit"))->setText(QStringLiteral("3"));
    editor->on_AddPrecisioPointButton_clicked();
    const char *typed[] = {"1,5", "abc", "7"};
    for (int row = 0; row < 3; ++row) {
        editor->table()->setItem(row, 0, new QTableWidgetItem);
        editor->table()->item(row, 0)->setText(QLatin1String(typed[row]));
    }
    QCOMPARE(editor->table()->item(0, 0)->text(), QStringLiteral("1,5"));
    QCOMPARE(editor->table()->item(1, 0)->text(), QString());
    editor->findChild<QLineEdit *>(QStringLiteral("delta_megering"))->setText(QStringLiteral("0,02"));

    const QString chosen = m_dir->filePath(QStringLiteral("name"));
    editor->setFileNameProvider([chosen](const QString &, const QString &) { return chosen; });
    BoxAnswer saved(QStringLiteral("OK"));
    editor->findChild<QPushButton *>(QStringLiteral("SaveButton"))->click();
    QCOMPARE(saved.title, QStringLiteral("Успіх"));
    QVERIFY(!editor->isVisible());

    // The stand reads back what the editor wrote.
    m_window->loadPresetsFromFolder(m_dir->path());
    QComboBox *box = m_window->presetComboBox();
    QCOMPARE(box->itemText(1), QStringLiteral("name"));
    box->setCurrentIndex(1);
    QCOMPARE(m_window->tolerance(), 0.02);
    QCOMPARE(m_window->table()->rowCount(), 3);
    QCOMPARE(cell(0, StandWindow::ColumnSetValue), QStringLiteral("1.500"));
    QCOMPARE(cell(1, StandWindow::ColumnSetValue), QStringLiteral("0.000"));
    QCOMPARE(cell(2, StandWindow::ColumnSetValue), QStringLiteral("7.000"));
}

void TestStand::refusesBadPresetFiles_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<bool>("accepted");
    QTest::newRow("not JSON") << QByteArray("{\"targets\": [1, 2") << false;
    QTest::newRow("an array, not an object") << QByteArray("[1, 2]") << false;
    QTest::newRow("deviation as text") << QByteArray("{\"deviation\": \"0.1\", \"targets\": [1]}") << false;
    QTest::newRow("a target as text") << QByteArray("{\"targets\": [1, \"2\"]}") << false;
    QTest::newRow("no targets") << QByteArray("{\"deviation\": 0.1}") << false;
    QTest::newRow("10 002 targets") << manyTargets(10002) << false;
    QTest::newRow("10 001 targets, as the generator makes") << manyTargets(10001) << true;
}

void TestStand::refusesBadPresetFiles()
{
    QFETCH(QByteArray, content);
    QFETCH(bool, accepted);
    usePresets({{"good", presetJson({1, 2}, 0.2)}, {"other", content}}, "good");
    measure(1.0);

    BoxAnswer refusal(QStringLiteral("OK"));
    QComboBox *box = m_window->presetComboBox();
    box->setCurrentIndex(box->findText(QStringLiteral("other")));
    if (accepted) {
        QVERIFY(refusal.title.isEmpty());
        QCOMPARE(m_window->table()->rowCount(), StandPreset::kMaxTargets);
        return;
    }
    QCOMPARE(refusal.title, QStringLiteral("Помилка"));
    QVERIFY(refusal.text.contains(QStringLiteral("other.json")));
    QCOMPARE(box->currentText(), QStringLiteral("good"));
    QCOMPARE(m_window->tolerance(), 0.2);
    QCOMPARE(m_window->table()->rowCount(), 2);
    QCOMPARE(cell(0, StandWindow::ColumnMeasured), QStringLiteral("1.000"));
}

// The stand's board found by its USB ids and its scale shown, cut (not rounded) to two decimals.
void TestStand::simulatedBoardShowsItsScale()
{
    StandBoardPeer board;
    VirtualPorts ports;
    ports.add(board.link(m_dir->filePath(QStringLiteral("ttySTAND0"))) + QStringLiteral("@ABCD:1234"));
    board.setValue(12.349);
    QTRY_VERIFY_WITH_TIMEOUT(m_window->isConnected(), 3000);
    QTRY_COMPARE(m_window->displayText(), QStringLiteral("12.34"));
}

QTEST_MAIN(TestStand)
#include "tst_stand.moc"
