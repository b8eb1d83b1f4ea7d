#include "recording/keyboardemulation.h"
#include "recording/keyboardemulatordialog.h"
#include "recordingkeystrokesink.h"
#include "settingssandbox.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QTest>

#include <memory>

using Settings = KeyboardEmulationSettings;
Q_DECLARE_METATYPE(Settings)

namespace {

QStringList keysOf(const QString &text)
{
    QStringList keys;
    for (const QChar ch : text)
        keys.append(QString(ch));
    return keys;
}

Settings fileSettings()
{
    reloadKeyboardEmulationSettings();
    return keyboardEmulationSettings();
}

} // namespace

class TestKeyboardEmulation : public QObject
{
    Q_OBJECT

    std::unique_ptr<SettingsSandbox> m_sandbox;
    RecordingKeystrokeSink *m_sink = nullptr;

private slots:
    void init()
    {
        m_sandbox = std::make_unique<SettingsSandbox>();
        reloadKeyboardEmulationSettings();
        m_sink = RecordingKeystrokeSink::install();
    }
    void cleanup() { m_sandbox.reset(); }

    // A single field is typed as a value, several as the fields of one record.
    void typing_data()
    {
        QTest::addColumn<Settings>("settings");
        QTest::addColumn<QStringList>("fields");
        QTest::addColumn<QStringList>("keys");
        QTest::newRow("value, Enter after")
            << Settings{true, 1, 3, false} << QStringList{"12.5"} << (keysOf("12.5") << "<Enter>");
        QTest::newRow("value, space after")
            << Settings{true, 1, 2, false} << QStringList{"7"} << keysOf("7 ");
        QTest::newRow("value, Tab after")
            << Settings{true, 2, 1, false} << QStringList{"-6.780"} << (keysOf("-6.780") << "<Tab>");
        QTest::newRow("fields, Tab between, Enter after")
            << Settings{true, 1, 3, false} << QStringList{"1.5", "2"}
            << (keysOf("1.5") << "<Tab>"
                              << "2"
                              << "<Enter>");
        QTest::newRow("fields in order, space between, nothing after")
            << Settings{true, 2, 0, false} << QStringList{"3", "1", "2"} << keysOf("3 1 2");
        QTest::newRow("fields, separator 0, unknown terminator")
            << Settings{true, 0, 9, false} << QStringList{"1", "2"} << keysOf("12");
        QTest::newRow("one call per code unit")
            << Settings{true, 1, 0, false} << QStringList{QString::fromUtf8("−😀")}
            << QStringList{QString(QChar(0x2212)), QString(QChar(0xD83D)), QString(QChar(0xDE00))};
        QTest::newRow("no fields, no terminator")
            << Settings{true, 1, 3, false} << QStringList() << QStringList();
        QTest::newRow("value, disabled") << Settings{false, 1, 3, false} << QStringList{"1"} << QStringList();
        QTest::newRow("fields, disabled")
            << Settings{false, 1, 3, false} << QStringList{"1", "2"} << QStringList();
    }
    void typing()
    {
        QFETCH(Settings, settings);
        QFETCH(QStringList, fields);
        saveKeyboardEmulationSettings(settings);
        fields.size() == 1 ? ::typeValue(fields.first()) : ::typeFields(fields);
        QTEST(m_sink->keys(), "keys");
    }

    void typedNumbers()
    {
        saveKeyboardEmulationSettings({true, 1, 3, true});
        QCOMPARE(formatTypedValue(12.5, 3), QStringLiteral("12,500"));
        QCOMPARE(formatTypedValue(7.0, 0), QStringLiteral("7")); // no decimal sign
    }

    void unavailableSinkGetsNothing()
    {
        m_sink = RecordingKeystrokeSink::install(false, QStringLiteral("no display"));
        saveKeyboardEmulationSettings({true, 1, 3, false});
        ::typeValue(QStringLiteral("1.0"));
        ::typeFields({QStringLiteral("1"), QStringLiteral("2")});
        QVERIFY(m_sink->keys().isEmpty());
    }

    // The settings share their file with the device list.
    void saveKeepsTheDevices()
    {
        QVERIFY(m_sandbox->writeFile("devices_config.ini", "[Devices]\n1\\name=Caliper\nsize=1\n"));
        saveKeyboardEmulationSettings({true, 2, 0, true});
        QVERIFY(m_sandbox->readFile("devices_config.ini").contains("name=Caliper"));
    }

    void dialogButtons_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<int>("result");
        QTest::addColumn<Settings>("saved");
        QTest::newRow("save") << "saveButton" << int(QDialog::Accepted) << Settings{true, 2, 0, true};
        QTest::newRow("cancel") << "cancelButton" << int(QDialog::Rejected) << Settings{};
    }
    void dialogButtons()
    {
        QFETCH(QString, button);
        QFETCH(int, result);
        QFETCH(Settings, saved);
        KeyboardEmulatorDialog dialog;
        dialog.findChild<QCheckBox *>("enabledCheck")->setChecked(true);
        dialog.findChild<QComboBox *>("separatorCombo")->setCurrentIndex(1);  // space
        dialog.findChild<QComboBox *>("terminatorCombo")->setCurrentIndex(3); // nothing
        dialog.findChild<QComboBox *>("decimalCombo")->setCurrentIndex(1);    // comma
        dialog.findChild<QPushButton *>(button)->click();
        QCOMPARE(dialog.result(), result);
        QVERIFY(keyboardEmulationSettings() == saved && fileSettings() == saved);
        QVERIFY(m_sink->keys().isEmpty());
    }

    void dialogTestTypesTwoValuesLater()
    {
        KeyboardEmulatorDialog dialog;
        dialog.findChild<QCheckBox *>("enabledCheck")->setChecked(true);
        dialog.findChild<QComboBox *>("decimalCombo")->setCurrentIndex(1); // the test values keep their point
        dialog.findChild<QPushButton *>("testButton")->click();
        QVERIFY(m_sink->keys().isEmpty()); // not while the click's own key release may be under way
        QVERIFY(fileSettings() == (Settings{true, 1, 3, true}));
        QTRY_COMPARE(m_sink->keys(), keysOf("12.345") << "<Tab>" << keysOf("-6.780") << "<Enter>");
        QCOMPARE(dialog.result(), int(QDialog::Rejected)); // still open
    }

    void dialogSaysWhyTypingIsImpossible()
    {
        QVERIFY(!KeyboardEmulatorDialog().findChild<QLabel *>("unavailableLabel"));
        RecordingKeystrokeSink::install(false, QStringLiteral("No X display"));
        KeyboardEmulatorDialog dialog;
        auto *label = dialog.findChild<QLabel *>("unavailableLabel");
        QCOMPARE(label ? label->text() : QString(), QStringLiteral("No X display"));
        QVERIFY(dialog.findChild<QCheckBox *>("enabledCheck")->isEnabled()); // settings stay editable
    }
};

QTEST_MAIN(TestKeyboardEmulation)
#include "tst_keyboardemulation.moc"
