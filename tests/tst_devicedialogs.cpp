#include "modalanswerer.h"
#include "workspace/deviceeditdialog.h"

#include <QComboBox>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>

namespace {

template<typename T> T *child(const QWidget &parent, const char *objectName)
{
    return parent.findChild<T *>(QLatin1String(objectName));
}

DeviceRecord recordOfKind(int type)
{
    DeviceRecord record;
    record.type = type;
    record.name = QStringLiteral("DEVICE 1");
    return record;
}

// Replaces a spin box's text the way a user does: select everything, type.
void typeInto(QAbstractSpinBox *spin, const QString &text)
{
    spin->setFocus();
    QTest::keyClick(spin, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(spin, text);
}

void click(QDialog &dialog, const char *button)
{
    QTest::mouseClick(child<QPushButton>(dialog, button), Qt::LeftButton);
}

} // namespace

class TestDeviceDialogs : public QObject
{
    Q_OBJECT

private slots:
    void init() { QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany)); }
    void cleanup() { QLocale::setDefault(m_startLocale); }

    void editPresetsStoredValues_data();
    void editPresetsStoredValues();
    void editRowsByKind_data();
    void editRowsByKind();
    void calibrationDateText_data();
    void calibrationDateText();
    void editReturnsWhatTheUserEntered_data();
    void editReturnsWhatTheUserEntered();
    void editLimitOrderOnLeaving_data();
    void editLimitOrderOnLeaving();

private:
    QLocale m_startLocale;
};

void TestDeviceDialogs::editPresetsStoredValues_data()
{
    QTest::addColumn<QList<int>>("stored");   // precision, mode, keyboard unit, keyboard decimals
    QTest::addColumn<QList<int>>("returned"); // the same, as the untouched dialog gives them back
    QTest::addColumn<double>("limit");        // stored as both limits
    QTest::addColumn<QString>("limitShown");
    QTest::addColumn<double>("limitReturned");
    QTest::newRow("in range") << QList<int>{3, 7, 5, 6} << QList<int>{3, 7, 5, 6} << 12.34567 << "12.3457"
                              << 12.3457;
    // The card shows an out-of-range precision with 2 decimals; an unknown unit is not replaced by another.
    QTest::newRow("above range") << QList<int>{9, 8, 9, 9} << QList<int>{2, 0, -1, 6} << 250000.0
                                 << "100000.0000" << 100000.0;
    QTest::newRow("below range") << QList<int>{-1, -1, -1, -1} << QList<int>{2, 0, -1, 0} << -250000.0
                                 << "-100000.0000" << -100000.0;
}

void TestDeviceDialogs::editPresetsStoredValues()
{
    QFETCH(QList<int>, stored);
    QFETCH(QList<int>, returned);
    QFETCH(double, limit);
    QFETCH(QString, limitShown);
    QFETCH(double, limitReturned);
    DeviceRecord record = recordOfKind(2);
    record.precision = stored[0];
    record.measuringType = stored[1];
    record.hidUnit = stored[2];
    record.hidDecimals = stored[3];
    record.limitMin = limit;
    record.limitMax = limit;
    DeviceEditDialog dialog(record);
    QCOMPARE((QList<int>{dialog.precision(), dialog.measuringType(), dialog.hidUnit(), dialog.hidDecimals()}),
             returned);
    // init() set a German locale: the decimal point must not turn into a comma.
    QCOMPARE(child<QDoubleSpinBox>(dialog, "limitMinSpin")->text(), limitShown);
    QCOMPARE(child<QDoubleSpinBox>(dialog, "limitMaxSpin")->text(), limitShown);
    QCOMPARE(dialog.limitMin(), limitReturned);
    QCOMPARE(dialog.limitMax(), limitReturned);
    // Codes outside the unit list read as millimetres wherever a unit is named.
    if (returned[2] < 0)
        QCOMPARE(DeviceEditDialog::unitText(stored[2]), DeviceEditDialog::unitText(0));
}

void TestDeviceDialogs::editRowsByKind_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<QString>("mac");
    QTest::addColumn<bool>("infoValid");
    QTest::addColumn<QString>("identity");
    QTest::addColumn<bool>("hidRows");

    const QString mac = QStringLiteral("C8:FD:19:<b>0A</b>");
    QTest::newRow("direct Bluetooth shows the MAC") << 1 << mac << false << mac << false;
    QTest::newRow("nRF dongle prefers the MAC") << 3 << mac << true << mac << false;
    QTest::newRow("BLED112 dongle without MAC") << 4 << QString() << true << "—" << false;
    QTest::newRow("Sylvac shows the serial") << 5 << mac << true << "240517" << false;
    QTest::newRow("Modbus, info not read") << 0 << QString() << false << "—" << false;
    QTest::newRow("keyboard has unit rows") << 2 << QString() << true << "240517" << true;
}

void TestDeviceDialogs::editRowsByKind()
{
    QFETCH(int, type);
    QFETCH(QString, mac);
    QFETCH(bool, infoValid);
    QFETCH(QString, identity);
    QFETCH(bool, hidRows);

    DeviceRecord record = recordOfKind(type);
    record.mac = mac;
    record.infoValid = infoValid;
    record.serialNumber = 240517;
    DeviceEditDialog dialog(record);
    const QLabel *value = child<QLabel>(dialog, "identityLabel");
    QCOMPARE(value->text(), identity);
    // Text from instruments and files must never be read as markup.
    QCOMPARE(value->textFormat(), Qt::PlainText);
    QCOMPARE(child<QComboBox>(dialog, "hidUnitCombo") != nullptr, hidRows);
    QCOMPARE(child<QSpinBox>(dialog, "hidDecimalsSpin") != nullptr, hidRows);
}

void TestDeviceDialogs::calibrationDateText_data()
{
    QTest::addColumn<bool>("infoValid");
    QTest::addColumn<QList<int>>("dayMonthYear");
    QTest::addColumn<QString>("text");
    QTest::newRow("5 March 2024") << true << QList<int>{5, 3, 2024} << "05.03.2024";
    QTest::newRow("all zero") << true << QList<int>{0, 0, 0} << "—";
    QTest::newRow("year only") << true << QList<int>{0, 0, 2024} << "00.00.2024";
    QTest::newRow("info not read") << false << QList<int>{5, 3, 2024} << "—";
}

void TestDeviceDialogs::calibrationDateText()
{
    QFETCH(bool, infoValid);
    QFETCH(QList<int>, dayMonthYear);
    QFETCH(QString, text);
    DeviceRecord record = recordOfKind(0);
    record.infoValid = infoValid;
    record.calibDay = quint16(dayMonthYear[0]);
    record.calibMonth = quint16(dayMonthYear[1]);
    record.calibYear = quint16(dayMonthYear[2]);
    DeviceEditDialog dialog(record);
    QCOMPARE(child<QLabel>(dialog, "calibrationDateLabel")->text(), text);
}

void TestDeviceDialogs::editReturnsWhatTheUserEntered_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<int>("hidUnit");
    QTest::addColumn<int>("hidDecimals");
    QTest::newRow("Modbus keeps the keyboard fields as stored") << 0 << -1 << 4;
    QTest::newRow("keyboard instrument changed to newtons") << 2 << 2 << 3;
}

void TestDeviceDialogs::editReturnsWhatTheUserEntered()
{
    QFETCH(int, type);
    QFETCH(int, hidUnit);
    QFETCH(int, hidDecimals);
    DeviceRecord record = recordOfKind(type);
    record.precision = 2;
    record.limitMin = 1.0;
    record.limitMax = 2.0;
    record.hidUnit = 0;
    record.hidDecimals = 4;
    DeviceEditDialog dialog(record);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));

    QLineEdit *name = child<QLineEdit>(dialog, "nameEdit");
    name->setFocus();
    name->selectAll();
    QTest::keyClicks(name, QStringLiteral("Gauge <2>, \"A\""));
    child<QComboBox>(dialog, "precisionCombo")->setCurrentIndex(4);
    child<QComboBox>(dialog, "measuringTypeCombo")->setCurrentIndex(7);
    typeInto(child<QDoubleSpinBox>(dialog, "limitMinSpin"), QStringLiteral("-12.5"));
    typeInto(child<QDoubleSpinBox>(dialog, "limitMaxSpin"), QStringLiteral("0.0125"));
    if (QComboBox *unit = child<QComboBox>(dialog, "hidUnitCombo")) {
        unit->setCurrentIndex(unit->findText(QStringLiteral("Ньютони (N)")));
        typeInto(child<QSpinBox>(dialog, "hidDecimalsSpin"), QStringLiteral("3"));
    }
    click(dialog, "okButton");

    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(dialog.name(), QStringLiteral("Gauge <2>, \"A\""));
    QCOMPARE(dialog.precision(), 4);
    QCOMPARE(dialog.measuringType(), 7);
    QCOMPARE(dialog.limitMin(), -12.5);
    QCOMPARE(dialog.limitMax(), 0.0125);
    QCOMPARE(dialog.hidUnit(), hidUnit);
    QCOMPARE(dialog.hidDecimals(), hidDecimals);
}

void TestDeviceDialogs::editLimitOrderOnLeaving_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<double>("lower");
    QTest::addColumn<QByteArray>("button");
    QTest::addColumn<bool>("warned");
    // The upper limit is always 1.0.
    QTest::newRow("range limits reversed") << 7 << 5.0 << QByteArray("okButton") << true;
    QTest::newRow("range limits apart by the last digit") << 7 << 1.0001 << QByteArray("okButton") << true;
    QTest::newRow("range limits equal") << 7 << 1.0 << QByteArray("okButton") << false;
    QTest::newRow("min limits reversed") << 5 << 5.0 << QByteArray("okButton") << false;
    // Leaving with reversed limits is always possible: nothing is stored.
    QTest::newRow("cancel with range limits reversed") << 7 << 5.0 << QByteArray("cancelButton") << false;
}

void TestDeviceDialogs::editLimitOrderOnLeaving()
{
    QFETCH(int, mode);
    QFETCH(double, lower);
    QFETCH(QByteArray, button);
    QFETCH(bool, warned);

    DeviceEditDialog dialog(recordOfKind(0));
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    child<QComboBox>(dialog, "measuringTypeCombo")->setCurrentIndex(mode);
    child<QDoubleSpinBox>(dialog, "limitMinSpin")->setValue(lower);
    child<QDoubleSpinBox>(dialog, "limitMaxSpin")->setValue(1.0);

    ModalAnswerer answerer(QMessageBox::Ok);
    click(dialog, button.constData());
    QCOMPARE(answerer.answered(), warned);
    QCOMPARE(dialog.isVisible(), warned);
    const bool accepted = !warned && button == "okButton";
    QCOMPARE(dialog.result(), int(accepted ? QDialog::Accepted : QDialog::Rejected));
    if (accepted)
        QCOMPARE(dialog.limitMin(), lower);
}

QTEST_MAIN(TestDeviceDialogs)
#include "tst_devicedialogs.moc"
