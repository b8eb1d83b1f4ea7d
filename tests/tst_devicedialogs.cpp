#include "modalanswerer.h"
#include "workspace/deviceeditdialog.h"
#include "workspace/devicetypedialog.h"

#include <QComboBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>

namespace {

template<typename T> T *child(const QWidget &parent, const char *objectName)
{
    return parent.findChild<T *>(QLatin1String(objectName));
}

QStringList comboTexts(const QComboBox *combo)
{
    QStringList texts;
    for (int i = 0; i < combo->count(); ++i)
        texts << combo->itemText(i);
    return texts;
}

QList<int> comboCodes(const QComboBox *combo)
{
    QList<int> codes;
    for (int i = 0; i < combo->count(); ++i)
        codes << combo->itemData(i).toInt();
    return codes;
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

void showAndWait(QWidget &widget)
{
    widget.show();
    QVERIFY(QTest::qWaitForWindowExposed(&widget));
}

} // namespace

class TestDeviceDialogs : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { QLocale::setDefault(m_startLocale); }

    void typeDialogLayout();
    void typeDialogSelectedType_data();
    void typeDialogSelectedType();
    void typeDialogCancel();

    void editPresetsPrecision_data();
    void editPresetsPrecision();
    void editPresetsMeasuringMode_data();
    void editPresetsMeasuringMode();
    void editPresetsLimits_data();
    void editPresetsLimits();
    void editKeepsUnusualNames_data();
    void editKeepsUnusualNames();
    void editRowsByKind_data();
    void editRowsByKind();
    void editHidPresets_data();
    void editHidPresets();
    void sensorKindText_data();
    void sensorKindText();
    void calibrationDateText_data();
    void calibrationDateText();
    void unitText_data();
    void unitText();
    void editReturnsWhatTheUserEntered();
    void editHidUnitChangedToNewton();
    void editLimitOrderOnOk_data();
    void editLimitOrderOnOk();
    void editCancelRejects();

private:
    QLocale m_startLocale;
};

void TestDeviceDialogs::typeDialogLayout()
{
    DeviceTypeDialog dialog;
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Вибір типу підключення"));
    QCOMPARE(dialog.minimumWidth(), 300);
    QCOMPARE(dialog.layout()->spacing(), 10);
    QCOMPARE(child<QLabel>(dialog, "promptLabel")->text(),
             QStringLiteral("Виберіть тип підключення нового приладу:"));

    const QComboBox *combo = child<QComboBox>(dialog, "typeCombo");
    QVERIFY(combo);
    QCOMPARE(
        comboTexts(combo),
        QStringList({QStringLiteral("Modbus (RS-485)"), QStringLiteral("Бездротовий (Bluetooth)"),
                     QStringLiteral("USB (HID-клавіатура)"), QStringLiteral("Бездротовий через nRF-донгл"),
                     QStringLiteral("Бездротовий через донгл BLED112"), QStringLiteral("Sylvac провід")}));
    QCOMPARE(comboCodes(combo), QList<int>({0, 1, 2, 3, 4, 5}));
    QCOMPARE(combo->currentIndex(), 0);
    QCOMPARE(dialog.selectedType(), 0);

    QCOMPARE(child<QPushButton>(dialog, "nextButton")->text(), QStringLiteral("Далі"));
    QCOMPARE(child<QPushButton>(dialog, "cancelButton")->text(), QStringLiteral("Скасувати"));
}

void TestDeviceDialogs::typeDialogSelectedType_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("kind");
    QTest::newRow("Modbus") << 0 << 0;
    QTest::newRow("direct Bluetooth") << 1 << 1;
    QTest::newRow("keyboard instrument") << 2 << 2;
    QTest::newRow("nRF dongle") << 3 << 3;
    QTest::newRow("BLED112 dongle") << 4 << 4;
    QTest::newRow("Sylvac cable") << 5 << 5;
}

void TestDeviceDialogs::typeDialogSelectedType()
{
    QFETCH(int, row);
    QFETCH(int, kind);
    DeviceTypeDialog dialog;
    showAndWait(dialog);
    child<QComboBox>(dialog, "typeCombo")->setCurrentIndex(row);
    QCOMPARE(dialog.selectedType(), kind);

    QTest::mouseClick(child<QPushButton>(dialog, "nextButton"), Qt::LeftButton);
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QVERIFY(!dialog.isVisible());
    QCOMPARE(dialog.selectedType(), kind);
}

void TestDeviceDialogs::typeDialogCancel()
{
    DeviceTypeDialog dialog;
    showAndWait(dialog);
    QTest::mouseClick(child<QPushButton>(dialog, "cancelButton"), Qt::LeftButton);
    QCOMPARE(dialog.result(), int(QDialog::Rejected));
    QVERIFY(!dialog.isVisible());
}

void TestDeviceDialogs::editPresetsPrecision_data()
{
    QTest::addColumn<int>("stored");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<int>("returned");
    QTest::newRow("0") << 0 << "0 (x)" << 0;
    QTest::newRow("1") << 1 << "0.0 (x.x)" << 1;
    QTest::newRow("2") << 2 << "0.00 (x.xx)" << 2;
    QTest::newRow("3") << 3 << "0.000 (x.xxx)" << 3;
    QTest::newRow("4") << 4 << "0.0000 (x.xxxx)" << 4;
    QTest::newRow("5") << 5 << "0.00000 (x.xxxxx)" << 5;
    QTest::newRow("6") << 6 << "0.000000 (x.xxxxxx)" << 6;
    // Out of range: the card shows 2 decimals, so the dialog offers that entry.
    QTest::newRow("9 shows 2") << 9 << "0.00 (x.xx)" << 2;
    QTest::newRow("-1 shows 2") << -1 << "0.00 (x.xx)" << 2;
}

void TestDeviceDialogs::editPresetsPrecision()
{
    QFETCH(int, stored);
    QFETCH(QString, shown);
    QFETCH(int, returned);
    DeviceRecord record = recordOfKind(0);
    record.precision = stored;
    DeviceEditDialog dialog(record);
    const QComboBox *combo = child<QComboBox>(dialog, "precisionCombo");
    QCOMPARE(comboCodes(combo), QList<int>({0, 1, 2, 3, 4, 5, 6}));
    QCOMPARE(combo->currentText(), shown);
    QCOMPARE(dialog.precision(), returned);
}

void TestDeviceDialogs::editPresetsMeasuringMode_data()
{
    QTest::addColumn<int>("stored");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<int>("returned");
    const char *const names[] = {"Disable",     "Min Peek",   "Max Peek",   "Range Peek",
                                 "Module Peek", "Min Limits", "Max Limits", "Range Limits"};
    for (int mode = 0; mode < 8; ++mode)
        QTest::addRow("%d %s", mode, names[mode]) << mode << QString::fromLatin1(names[mode]) << mode;
    QTest::newRow("unknown 8 shows Disable") << 8 << "Disable" << 0;
}

void TestDeviceDialogs::editPresetsMeasuringMode()
{
    QFETCH(int, stored);
    QFETCH(QString, shown);
    QFETCH(int, returned);
    DeviceRecord record = recordOfKind(0);
    record.measuringType = stored;
    DeviceEditDialog dialog(record);
    const QComboBox *combo = child<QComboBox>(dialog, "measuringTypeCombo");
    QCOMPARE(comboCodes(combo), QList<int>({0, 1, 2, 3, 4, 5, 6, 7}));
    QCOMPARE(combo->currentText(), shown);
    QCOMPARE(dialog.measuringType(), returned);
}

void TestDeviceDialogs::editPresetsLimits_data()
{
    QTest::addColumn<double>("stored");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<double>("returned");
    QTest::newRow("4 decimals kept") << -0.1234 << "-0.1234" << -0.1234;
    QTest::newRow("fifth decimal rounds") << 12.34567 << "12.3457" << 12.3457;
    QTest::newRow("upper end") << 100000.0 << "100000.0000" << 100000.0;
    QTest::newRow("above range clamps") << 250000.0 << "100000.0000" << 100000.0;
    QTest::newRow("below range clamps") << -250000.0 << "-100000.0000" << -100000.0;
}

void TestDeviceDialogs::editPresetsLimits()
{
    QFETCH(double, stored);
    QFETCH(QString, shown);
    QFETCH(double, returned);
    // The system locale must not turn the decimal point into a comma.
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    DeviceRecord record = recordOfKind(0);
    record.limitMin = stored;
    record.limitMax = stored;
    DeviceEditDialog dialog(record);
    for (const char *name : {"limitMinSpin", "limitMaxSpin"}) {
        const QDoubleSpinBox *spin = child<QDoubleSpinBox>(dialog, name);
        QCOMPARE(spin->decimals(), 4);
        QCOMPARE(spin->minimum(), -100000.0);
        QCOMPARE(spin->maximum(), 100000.0);
        QCOMPARE(spin->text(), shown);
    }
    QCOMPARE(dialog.limitMin(), returned);
    QCOMPARE(dialog.limitMax(), returned);
}

void TestDeviceDialogs::editKeepsUnusualNames_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("quotes") << QStringLiteral("Штангенциркуль \"А\" 'б'");
    QTest::newRow("angle brackets") << QStringLiteral("<b>bold</b> & <i>x</i>");
    QTest::newRow("commas") << QStringLiteral("a,b,,c;d");
    QTest::newRow("200 characters") << QString(200, QLatin1Char('W'));
    QTest::newRow("empty") << QString();
}

void TestDeviceDialogs::editKeepsUnusualNames()
{
    QFETCH(QString, name);
    DeviceRecord record = recordOfKind(0);
    record.name = name;
    DeviceEditDialog dialog(record);
    showAndWait(dialog);
    QCOMPARE(child<QLineEdit>(dialog, "nameEdit")->text(), name);
    QTest::mouseClick(child<QPushButton>(dialog, "okButton"), Qt::LeftButton);
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(dialog.name(), name);
}

void TestDeviceDialogs::editRowsByKind_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<QString>("mac");
    QTest::addColumn<bool>("infoValid");
    QTest::addColumn<bool>("hidRows");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("identity");

    const QString mac = QStringLiteral("C8:FD:19:<b>0A</b>");
    const QString macCaption = QStringLiteral("MAC-адреса:");
    const QString serialCaption = QStringLiteral("Серійний номер:");
    const QString none = QStringLiteral("—");
    QTest::newRow("direct Bluetooth") << 1 << mac << false << false << macCaption << mac;
    QTest::newRow("direct Bluetooth, no mac") << 1 << QString() << true << false << macCaption << none;
    QTest::newRow("nRF dongle") << 3 << mac << true << false << macCaption << mac;
    QTest::newRow("BLED112 dongle") << 4 << mac << false << false << macCaption << mac;
    QTest::newRow("BLED112 dongle, no mac") << 4 << QString() << false << false << macCaption << none;
    QTest::newRow("Modbus with info") << 0 << QString() << true << false << serialCaption << "240517";
    QTest::newRow("Modbus without info") << 0 << QString() << false << false << serialCaption << none;
    QTest::newRow("Sylvac with info") << 5 << QString() << true << false << serialCaption << "240517";
    QTest::newRow("keyboard without info") << 2 << QString() << false << true << serialCaption << none;
    QTest::newRow("keyboard with info") << 2 << QString() << true << true << serialCaption << "240517";
}

void TestDeviceDialogs::editRowsByKind()
{
    QFETCH(int, type);
    QFETCH(QString, mac);
    QFETCH(bool, infoValid);
    QFETCH(bool, hidRows);
    QFETCH(QString, caption);
    QFETCH(QString, identity);

    DeviceRecord record = recordOfKind(type);
    record.mac = mac;
    record.infoValid = infoValid;
    record.serialNumber = 240517;
    DeviceEditDialog dialog(record);
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Редагування параметрів приладу"));
    QCOMPARE(dialog.minimumWidth(), 350);

    QCOMPARE(child<QLabel>(dialog, "identityCaption")->text(), caption);
    const QLabel *value = child<QLabel>(dialog, "identityLabel");
    QCOMPARE(value->text(), identity);
    // Text from instruments and files must never be read as markup.
    QCOMPARE(value->textFormat(), Qt::PlainText);
    QVERIFY(value->textInteractionFlags().testFlag(Qt::TextSelectableByMouse));

    QCOMPARE(child<QComboBox>(dialog, "hidUnitCombo") != nullptr, hidRows);
    QCOMPARE(child<QSpinBox>(dialog, "hidDecimalsSpin") != nullptr, hidRows);
    if (!hidRows)
        QCOMPARE(dialog.hidUnit(), -1);
}

void TestDeviceDialogs::editHidPresets_data()
{
    QTest::addColumn<int>("storedUnit");
    QTest::addColumn<int>("storedDecimals");
    QTest::addColumn<QString>("unitShown");
    QTest::addColumn<int>("unit");
    QTest::addColumn<int>("decimals");
    QTest::newRow("mm, 2 decimals") << 0 << 2 << "Міліметри (mm)" << 0 << 2;
    QTest::newRow("lbf, 0 decimals") << 3 << 0 << "Фунт-сила (lbf)" << 3 << 0;
    QTest::newRow("rad, 6 decimals") << 5 << 6 << "Радіани (rad)" << 5 << 6;
    // An unknown stored unit is not silently replaced: nothing is chosen.
    QTest::newRow("unknown unit") << 9 << 3 << QString() << -1 << 3;
    QTest::newRow("decimals above 6 clamp") << 1 << 9 << "Дюйми (inch)" << 1 << 6;
}

void TestDeviceDialogs::editHidPresets()
{
    QFETCH(int, storedUnit);
    QFETCH(int, storedDecimals);
    QFETCH(QString, unitShown);
    QFETCH(int, unit);
    QFETCH(int, decimals);

    DeviceRecord record = recordOfKind(2);
    record.hidUnit = storedUnit;
    record.hidDecimals = storedDecimals;
    DeviceEditDialog dialog(record);
    const QComboBox *combo = child<QComboBox>(dialog, "hidUnitCombo");
    QCOMPARE(comboCodes(combo), QList<int>({0, 1, 2, 3, 4, 5}));
    QCOMPARE(combo->currentText(), unitShown);
    const QSpinBox *spin = child<QSpinBox>(dialog, "hidDecimalsSpin");
    QCOMPARE(spin->minimum(), 0);
    QCOMPARE(spin->maximum(), 6);
    QCOMPARE(spin->toolTip(),
             QStringLiteral("Використовується, якщо прилад передає цифри без десяткового роздільника"));
    QCOMPARE(dialog.hidUnit(), unit);
    QCOMPARE(dialog.hidDecimals(), decimals);
}

void TestDeviceDialogs::sensorKindText_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("text");
    QTest::newRow("linear") << 0 << "Лінійний датчик (0)";
    QTest::newRow("indicator") << 1 << "Індикатор";
    QTest::newRow("dynamometer") << 10 << "Динамометр";
    QTest::newRow("angle meter is not named") << 9 << "Unknown (9)";
    QTest::newRow("largest code") << 65535 << "Unknown (65535)";
}

void TestDeviceDialogs::sensorKindText()
{
    QFETCH(int, kind);
    QFETCH(QString, text);
    QCOMPARE(DeviceEditDialog::sensorKindText(quint16(kind)), text);

    DeviceRecord record = recordOfKind(1);
    record.sensorKind = quint16(kind);
    DeviceEditDialog dialog(record);
    QCOMPARE(child<QLabel>(dialog, "sensorKindLabel")->text(), text);
}

void TestDeviceDialogs::calibrationDateText_data()
{
    QTest::addColumn<bool>("infoValid");
    QTest::addColumn<int>("day");
    QTest::addColumn<int>("month");
    QTest::addColumn<int>("year");
    QTest::addColumn<QString>("text");
    QTest::newRow("5 March 2024") << true << 5 << 3 << 2024 << "05.03.2024";
    QTest::newRow("two-digit day and month") << true << 31 << 12 << 1999 << "31.12.1999";
    QTest::newRow("all zero") << true << 0 << 0 << 0 << "—";
    QTest::newRow("year only") << true << 0 << 0 << 2024 << "00.00.2024";
    QTest::newRow("info not read") << false << 5 << 3 << 2024 << "—";
}

void TestDeviceDialogs::calibrationDateText()
{
    QFETCH(bool, infoValid);
    QFETCH(int, day);
    QFETCH(int, month);
    QFETCH(int, year);
    QFETCH(QString, text);
    DeviceRecord record = recordOfKind(0);
    record.infoValid = infoValid;
    record.calibDay = quint16(day);
    record.calibMonth = quint16(month);
    record.calibYear = quint16(year);
    QCOMPARE(DeviceEditDialog::calibrationDateText(record), text);
    DeviceEditDialog dialog(record);
    QCOMPARE(child<QLabel>(dialog, "calibrationDateLabel")->text(), text);
}

void TestDeviceDialogs::unitText_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("text");
    QTest::newRow("mm") << 0 << "Міліметри (mm)";
    QTest::newRow("inch") << 1 << "Дюйми (inch)";
    QTest::newRow("N") << 2 << "Ньютони (N)";
    QTest::newRow("lbf") << 3 << "Фунт-сила (lbf)";
    QTest::newRow("degree") << 4 << "Градуси (°)";
    QTest::newRow("rad") << 5 << "Радіани (rad)";
    QTest::newRow("6 reads mm") << 6 << "Міліметри (mm)";
    QTest::newRow("-1 reads mm") << -1 << "Міліметри (mm)";
}

void TestDeviceDialogs::unitText()
{
    QFETCH(int, code);
    QFETCH(QString, text);
    QCOMPARE(DeviceEditDialog::unitText(code), text);
}

void TestDeviceDialogs::editReturnsWhatTheUserEntered()
{
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    DeviceRecord record = recordOfKind(0);
    record.precision = 2;
    record.measuringType = 0;
    record.limitMin = 1.0;
    record.limitMax = 2.0;
    record.hidDecimals = 4;
    DeviceEditDialog dialog(record);
    showAndWait(dialog);

    QLineEdit *name = child<QLineEdit>(dialog, "nameEdit");
    name->setFocus();
    name->selectAll();
    QTest::keyClicks(name, QStringLiteral("Gauge <2>, \"A\""));
    child<QComboBox>(dialog, "precisionCombo")->setCurrentIndex(4);
    child<QComboBox>(dialog, "measuringTypeCombo")->setCurrentIndex(7);
    typeInto(child<QDoubleSpinBox>(dialog, "limitMinSpin"), QStringLiteral("-12.5"));
    typeInto(child<QDoubleSpinBox>(dialog, "limitMaxSpin"), QStringLiteral("0.0125"));

    QTest::mouseClick(child<QPushButton>(dialog, "okButton"), Qt::LeftButton);
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(dialog.name(), QStringLiteral("Gauge <2>, \"A\""));
    QCOMPARE(dialog.precision(), 4);
    QCOMPARE(dialog.measuringType(), 7);
    QCOMPARE(dialog.limitMin(), -12.5);
    QCOMPARE(dialog.limitMax(), 0.0125);
    QCOMPARE(dialog.hidUnit(), -1);
    QCOMPARE(dialog.hidDecimals(), 4); // not a keyboard instrument: left as stored
}

void TestDeviceDialogs::editHidUnitChangedToNewton()
{
    DeviceRecord record = recordOfKind(2);
    record.hidUnit = 0;
    record.hidDecimals = 2;
    DeviceEditDialog dialog(record);
    showAndWait(dialog);
    QCOMPARE(dialog.hidUnit(), 0);

    QComboBox *unit = child<QComboBox>(dialog, "hidUnitCombo");
    unit->setCurrentIndex(unit->findText(QStringLiteral("Ньютони (N)")));
    typeInto(child<QSpinBox>(dialog, "hidDecimalsSpin"), QStringLiteral("3"));
    QTest::mouseClick(child<QPushButton>(dialog, "okButton"), Qt::LeftButton);

    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(dialog.hidUnit(), 2);
    QCOMPARE(dialog.hidDecimals(), 3);
}

void TestDeviceDialogs::editLimitOrderOnOk_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<double>("lower");
    QTest::addColumn<double>("upper");
    QTest::addColumn<bool>("warned");
    QTest::newRow("range limits reversed") << 7 << 5.0 << 1.0 << true;
    QTest::newRow("range limits apart by the last digit") << 7 << 1.0001 << 1.0 << true;
    QTest::newRow("range limits equal") << 7 << 1.0 << 1.0 << false;
    QTest::newRow("range limits in order") << 7 << -1.0 << 1.0 << false;
    QTest::newRow("min limits reversed") << 5 << 5.0 << 1.0 << false;
    QTest::newRow("max limits reversed") << 6 << 5.0 << 1.0 << false;
    QTest::newRow("range peek reversed") << 3 << 5.0 << 1.0 << false;
}

void TestDeviceDialogs::editLimitOrderOnOk()
{
    QFETCH(int, mode);
    QFETCH(double, lower);
    QFETCH(double, upper);
    QFETCH(bool, warned);

    DeviceRecord record = recordOfKind(0);
    DeviceEditDialog dialog(record);
    showAndWait(dialog);
    child<QComboBox>(dialog, "measuringTypeCombo")->setCurrentIndex(mode);
    child<QDoubleSpinBox>(dialog, "limitMinSpin")->setValue(lower);
    child<QDoubleSpinBox>(dialog, "limitMaxSpin")->setValue(upper);

    ModalAnswerer answerer(QMessageBox::Ok);
    QTest::mouseClick(child<QPushButton>(dialog, "okButton"), Qt::LeftButton);
    QCOMPARE(answerer.answered(), warned);
    if (warned) {
        QCOMPARE(answerer.title(), QStringLiteral("Редагування параметрів приладу"));
        QCOMPARE(answerer.text(), QStringLiteral("Нижній ліміт більший за верхній. Перевірте ліміти."));
        QCOMPARE(answerer.icon(), QMessageBox::Warning);
        QVERIFY(dialog.isVisible());
        QVERIFY(dialog.result() != QDialog::Accepted);
    } else {
        QVERIFY(!dialog.isVisible());
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(dialog.limitMin(), lower);
        QCOMPARE(dialog.limitMax(), upper);
    }
}

void TestDeviceDialogs::editCancelRejects()
{
    DeviceRecord record = recordOfKind(0);
    record.measuringType = 7;
    record.limitMin = 5.0;
    record.limitMax = 1.0;
    DeviceEditDialog dialog(record);
    showAndWait(dialog);
    QCOMPARE(child<QPushButton>(dialog, "okButton")->text(), QStringLiteral("ОК"));
    QPushButton *cancel = child<QPushButton>(dialog, "cancelButton");
    QCOMPARE(cancel->text(), QStringLiteral("Скасувати"));
    // Leaving with reversed limits is always possible: nothing is stored.
    ModalAnswerer answerer(QMessageBox::Ok);
    QTest::mouseClick(cancel, Qt::LeftButton);
    QVERIFY(!answerer.answered());
    QCOMPARE(dialog.result(), int(QDialog::Rejected));
}

QTEST_MAIN(TestDeviceDialogs)
#include "tst_devicedialogs.moc"
