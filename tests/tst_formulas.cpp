#include "devices/formulafile.h"
#include "modalanswerer.h"
#include "modbuspeer.h"
#include "settingssandbox.h"
#include "virtualports.h"
#include "workspace/device_visual.h"
#include "workspace/formulamanagerdialog.h"
#include "workspace/measuringsystem.h"

#include <QApplication>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <functional>
#include <memory>

namespace {

template<typename T> T *child(const QObject &parent, const char *name)
{
    return parent.findChild<T *>(QString::fromLatin1(name));
}

void typeInto(QLineEdit *edit, const QString &text)
{
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Backspace);
    QTest::keyClicks(edit, text);
}

// Plays the user through the formula manager the Formulas button opens.
void useManager(MeasuringSystem &window, std::function<void(FormulaManagerDialog *)> steps)
{
    bool done = false;
    QTimer::singleShot(0, &window, [&] {
        auto *dialog = qobject_cast<FormulaManagerDialog *>(QApplication::activeModalWidget());
        QVERIFY(dialog);
        steps(dialog);
        done = true;
    });
    QTest::mouseClick(child<QPushButton>(window, "FormulsButton"), Qt::LeftButton);
    QVERIFY(done);
}

QByteArray formulasIni(const QString &port)
{
    return ("[Formulas]\nsize=2\n"
            "1\\id=4\n1\\name=Taper\n1\\expression=(A - C) / 2\n1\\inputs=A=" + port + ":1, C=" + port + ":3\n"
            "2\\id=9\n2\\name=Mid\n2\\expression=B * 2\n2\\inputs=B=" + port + ":2\n").toUtf8();
}

QStringList storedExpressions()
{
    DeviceRegistry stored;
    stored.loadDevices();
    stored.loadFormulas();
    QStringList expressions;
    for (const DeviceRecord &record : stored.devices())
        expressions.append(record.type == ConnectionKind::Formula ? record.expression : record.name);
    return expressions;
}

} // namespace

// Formula instruments in the workspace window: made in the manager, computed from simulated Modbus
// instruments, recorded, restored, and kept in step when their instruments move or go.
class TestFormulas : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void formulaOverTwoModbusInstruments();
    void movingAndDeletingInstrumentsKeepsFormulasInStep();

private:
    std::unique_ptr<SettingsSandbox> m_sandbox;
};

void TestFormulas::init()
{
    m_sandbox = std::make_unique<SettingsSandbox>();
    QVERIFY(m_sandbox->writeFile(QStringLiteral("settings.ini"), "[General]\nLanguage=uk_UA\n"));
}

void TestFormulas::cleanup()
{
    m_sandbox.reset();
}

void TestFormulas::formulaOverTwoModbusInstruments()
{
    QTemporaryDir dir;
    ModbusPeer peer;
    const QByteArray port = peer.link(dir.filePath(QStringLiteral("ttyBus"))).toUtf8();
    VirtualPorts ports;
    ports.add(QString::fromUtf8(port));
    peer.addInstrument(1);
    peer.addInstrument(2);
    peer.setValue(1, 12.5);
    peer.setValue(2, 2.25);
    QVERIFY(m_sandbox->writeFile(QStringLiteral("com_adapters.ini"),
                                 "[Adapters]\nsize=1\n1\\portName=" + port + "\n1\\baudRate=9600\n"));
    QVERIFY(m_sandbox->writeFile(QStringLiteral("devices_config.ini"),
                                 "[Devices]\nsize=2\n1\\name=outer\n1\\portName=" + port +
                                     "\n1\\address=1\n2\\name=inner\n2\\portName=" + port + "\n2\\address=2\n"));
    auto window = std::make_unique<MeasuringSystem>();
    QTRY_VERIFY(window->devices().at(1).modbusHasValue);
    const QByteArray devicesFile = m_sandbox->readFile(QStringLiteral("devices_config.ini"));

    QString refusal;
    useManager(*window, [&refusal](FormulaManagerDialog *dialog) {
        QTest::mouseClick(child<QPushButton>(*dialog, "addButton"), Qt::LeftButton);
        typeInto(child<QLineEdit>(*dialog, "nameEdit"), QStringLiteral("Wall"));
        typeInto(child<QLineEdit>(*dialog, "expressionEdit"), QStringLiteral("A - C"));
        QVERIFY(child<QLabel>(*dialog, "checkLabel")->text().contains(QStringLiteral("Приладу C немає")));
        {
            ModalAnswerer ok(QMessageBox::Ok);
            QTest::mouseClick(child<QPushButton>(*dialog, "okButton"), Qt::LeftButton);
            refusal = ok.text();
        }
        QVERIFY(dialog->isVisible()); // refused, still open
        typeInto(child<QLineEdit>(*dialog, "expressionEdit"), QStringLiteral("A - B"));
        auto *mode = child<QComboBox>(*dialog, "measuringTypeCombo");
        mode->setCurrentIndex(mode->findData(MeasuringMode::RangeLimits));
        child<QDoubleSpinBox>(*dialog, "limitMinSpin")->setValue(10.0);
        child<QDoubleSpinBox>(*dialog, "limitMaxSpin")->setValue(10.5);
        QTest::mouseClick(child<QPushButton>(*dialog, "okButton"), Qt::LeftButton);
    });
    QVERIFY2(refusal.contains(QStringLiteral("Приладу C немає")), qPrintable(refusal));

    QCOMPARE(window->devices().size(), 3);
    Device_visual *card = window->cards().at(2);
    QCOMPARE(card->kind(), int(ConnectionKind::Formula));
    QCOMPARE(card->statusText(), QStringLiteral("ƒ = A - B"));
    QVERIFY(!card->isZeroEnabled());
    QTRY_COMPARE(card->valueText(), QStringLiteral("10.250"));
    QCOMPARE(card->displayMode(), Device_visual::Go);
    // The devices file is not touched by formulas; they have a file of their own.
    QCOMPARE(m_sandbox->readFile(QStringLiteral("devices_config.ini")), devicesFile);
    const QByteArray formulas = m_sandbox->readFile(QStringLiteral("formulas.ini"));
    QVERIFY(formulas.contains("expression=A - B"));
    QVERIFY2(formulas.contains(QByteArray("inputs=\"A=" + port + ":1\", \"B=" + port + ":2\"")), formulas.constData());

    // Recorded like any instrument: its own table, and its column of a multi record.
    QTest::mouseClick(card->findChild<QPushButton *>(QStringLiteral("valueButton")), Qt::LeftButton);
    QCOMPARE(window->recordings().records(2).values, QList<double>{10.25});
    QCOMPARE(window->recordings().records(2).statuses, QStringList{QStringLiteral("Go")});
    card->setSyncChecked(true);
    QTest::mouseClick(child<QPushButton>(*window, "Multi_Button"), Qt::LeftButton);
    window->onDeviceDataClicked(2);
    QCOMPARE(window->recordings().snapshots().size(), 1);
    QCOMPARE(window->recordings().snapshots().at(0).values.value(2), 10.25);

    // An abnormal end: the next start reads the formula from its file and brings its records back.
    window.reset();
    {
        ModalAnswerer restore(QMessageBox::Yes);
        window = std::make_unique<MeasuringSystem>();
        QVERIFY(restore.waitAnswered());
    }
    QCOMPARE(window->devices().size(), 3);
    QCOMPARE(window->devices().at(2).name, QStringLiteral("Wall"));
    QCOMPARE(window->recordings().records(2).values, (QList<double>{10.25, 10.25}));
    QCOMPARE(window->recordings().snapshots().value(0).values.value(2), 10.25);
    QCOMPARE(m_sandbox->readFile(QStringLiteral("devices_config.ini")), devicesFile);

    // Off line while an input is; nothing is recorded meanwhile.
    card = window->cards().at(2);
    QTRY_COMPARE(card->valueText(), QStringLiteral("10.250"));
    QVERIFY(card->isConnectedShown());
    peer.setValue(2, 2.5);
    QTRY_COMPARE(card->valueText(), QStringLiteral("10.000"));
    peer.setSilent(2, true);
    QTRY_VERIFY_WITH_TIMEOUT(!card->isConnectedShown(), 15000);
    window->onDeviceDataClicked(2);
    QCOMPARE(window->recordings().recordCount(2), 2);
    peer.setSilent(2, false);
    QTRY_VERIFY_WITH_TIMEOUT(card->isConnectedShown(), 15000);
}

void TestFormulas::movingAndDeletingInstrumentsKeepsFormulasInStep()
{
    QVERIFY(m_sandbox->writeFile(QStringLiteral("devices_config.ini"),
                                 "[Devices]\nsize=3\n"
                                 "1\\name=left\n1\\portName=COM1\n1\\address=1\n"
                                 "2\\name=mid\n2\\portName=COM1\n2\\address=2\n"
                                 "3\\name=right\n3\\portName=COM1\n3\\address=3\n"));
    QVERIFY(m_sandbox->writeFile(QStringLiteral("formulas.ini"), formulasIni(QStringLiteral("COM1"))));
    MeasuringSystem window;
    QCOMPARE(window.devices().size(), 5);

    // A formula's card stays among the formulas.
    window.onDeviceReorder(window.cards().at(3), window.cards().at(0));
    QCOMPARE(window.devices().at(0).name, QStringLiteral("left"));

    // Moving an instrument asks first; the letters follow their instruments.
    {
        ModalAnswerer no(QMessageBox::No);
        window.onDeviceReorder(window.cards().at(2), window.cards().at(0));
        QVERIFY(no.text().contains(QStringLiteral("(A - C) / 2 → (B - A) / 2")));
    }
    QCOMPARE(window.devices().at(3).expression, QStringLiteral("(A - C) / 2"));
    {
        ModalAnswerer yes(QMessageBox::Yes);
        window.onDeviceReorder(window.cards().at(2), window.cards().at(0));
        QVERIFY(yes.answered());
    }
    const QStringList moved = {QStringLiteral("right"), QStringLiteral("left"), QStringLiteral("mid"),
                               QStringLiteral("(B - A) / 2"), QStringLiteral("C * 2")};
    QCOMPARE(storedExpressions(), moved);
    QCOMPARE(window.cards().at(3)->statusText(), QStringLiteral("ƒ = (B - A) / 2"));

    // Deleting an instrument a formula reads names the formula and disables it; the others follow.
    {
        ModalAnswerer yes(QMessageBox::Yes);
        window.onDeleteDevice(window.cards().at(1));
        QVERIFY(yes.text().contains(QStringLiteral("<b>Taper</b>")));
        QVERIFY(!yes.text().contains(QStringLiteral("Mid")));
    }
    const QStringList deleted = {QStringLiteral("right"), QStringLiteral("mid"), QStringLiteral("(# - A) / 2"),
                                 QStringLiteral("B * 2")};
    QCOMPARE(storedExpressions(), deleted);
    QVERIFY(window.cards().at(2)->statusText().contains(QStringLiteral("вимкнено")));
    window.devices()[0].connected = window.devices()[0].modbusHasValue = true;
    window.onUiRefreshTimerTimeout();
    QVERIFY(!window.cards().at(2)->isConnectedShown());

    // A new instrument goes in before the formulas, which keep their letters and records.
    window.devices()[1].connected = window.devices()[1].modbusHasValue = true;
    window.devices()[1].value = 1.5;
    window.onDeviceDataClicked(3);
    QCOMPARE(window.recordings().records(3).values, QList<double>{3.0});
    window.addModbusDevice(QStringLiteral("COM1"), 9600, 7);
    QCOMPARE(storedExpressions(), (QStringList{QStringLiteral("right"), QStringLiteral("mid"),
                                               QStringLiteral("DEVICE 5"), QStringLiteral("(# - A) / 2"),
                                               QStringLiteral("B * 2")}));
    QCOMPARE(window.cards().at(2)->letter(), QStringLiteral("C"));
    QCOMPARE(window.recordings().records(4).values, QList<double>{3.0});
    const QByteArray devices = m_sandbox->readFile(QStringLiteral("devices_config.ini"));
    QVERIFY(devices.contains("size=3") && !devices.contains("Taper") && !devices.contains("Mid"));
}

QTEST_MAIN(TestFormulas)
#include "tst_formulas.moc"
