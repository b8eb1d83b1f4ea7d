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

// What the sink records for this text: one entry per UTF-16 code unit, "<Tab>" for \t, "<Enter>" for \n.
QStringList keysOf(const QString &text)
{
    QStringList keys;
    for (const QChar ch : text)
        keys.append(ch == u'\t'   ? QStringLiteral("<Tab>")
                    : ch == u'\n' ? QStringLiteral("<Enter>")
                                  : QString(ch));
    return keys;
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

    // A single field is typed as a value, several (split at "|") as the fields of one record.
    void typing_data()
    {
        QTest::addColumn<Settings>("settings");
        QTest::addColumn<QString>("fields");
        QTest::addColumn<QStringList>("keys");
        QTest::newRow("value, space after") << Settings{true, 1, 2, false} << "7" << keysOf("7 ");
        QTest::newRow("value, Tab after") << Settings{true, 2, 1, false} << "-6.780" << keysOf("-6.780\t");
        QTest::newRow("fields in order, space between")
            << Settings{true, 2, 0, false} << "3|1|2" << keysOf("3 1 2");
        QTest::newRow("fields, separator 0, unknown terminator")
            << Settings{true, 0, 9, false} << "1|2" << keysOf("12");
        // The surrogate pair goes as its two halves.
        QTest::newRow("one call per code unit") << Settings{true, 1, 0, false} << "−😀" << keysOf("−😀");
        QTest::newRow("no fields, no terminator") << Settings{true, 1, 3, false} << "" << QStringList();
        QTest::newRow("value, disabled") << Settings{false, 1, 3, false} << "1" << QStringList();
        QTest::newRow("fields, disabled") << Settings{false, 1, 3, false} << "1|2" << QStringList();
    }
    void typing()
    {
        QFETCH(Settings, settings);
        QFETCH(QString, fields);
        saveKeyboardEmulationSettings(settings);
        const QStringList list = fields.split(u'|', Qt::SkipEmptyParts);
        list.size() == 1 ? ::typeValue(list.first()) : ::typeFields(list);
        QTEST(m_sink->keys(), "keys");
    }

    // Typed numbers follow the saved decimal sign; the settings share their file with the device list,
    // which a save keeps.
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
        QFETCH(Settings, saved);
        QVERIFY(m_sandbox->writeFile("devices_config.ini", "[Devices]\n1\\name=Caliper\nsize=1\n"));
        KeyboardEmulatorDialog dialog;
        dialog.findChild<QCheckBox *>("enabledCheck")->setChecked(true);
        dialog.findChild<QComboBox *>("separatorCombo")->setCurrentIndex(1);  // space
        dialog.findChild<QComboBox *>("terminatorCombo")->setCurrentIndex(3); // nothing
        dialog.findChild<QComboBox *>("decimalCombo")->setCurrentIndex(1);    // comma
        dialog.findChild<QPushButton *>(button)->click();
        QTEST(dialog.result(), "result");
        QVERIFY(keyboardEmulationSettings() == saved);
        reloadKeyboardEmulationSettings(); // what the file holds
        QVERIFY(keyboardEmulationSettings() == saved);
        QCOMPARE(formatTypedValue(12.5, 3), saved.commaDecimal ? "12,500" : "12.500");
        QVERIFY(m_sink->keys().isEmpty());
        QVERIFY(m_sandbox->readFile("devices_config.ini").contains("name=Caliper"));
    }

    void dialogTestTypesTwoValuesLater()
    {
        KeyboardEmulatorDialog dialog;
        dialog.findChild<QCheckBox *>("enabledCheck")->setChecked(true);
        dialog.findChild<QComboBox *>("decimalCombo")->setCurrentIndex(1); // the test values keep their point
        dialog.findChild<QPushButton *>("testButton")->click();
        QVERIFY(m_sink->keys().isEmpty()); // not while the click's own key release may be under way
        reloadKeyboardEmulationSettings(); // saved before typing
        QVERIFY(keyboardEmulationSettings() == (Settings{true, 1, 3, true}));
        QTRY_COMPARE(m_sink->keys(), keysOf("12.345\t-6.780\n"));
        QCOMPARE(dialog.result(), int(QDialog::Rejected)); // still open
    }

    // The dialog says why; the settings stay editable, and typing types nothing.
    void typingImpossible()
    {
        QVERIFY(!KeyboardEmulatorDialog().findChild<QLabel *>("unavailableLabel"));
        m_sink = RecordingKeystrokeSink::install(false, QStringLiteral("No X display"));
        KeyboardEmulatorDialog dialog;
        auto *label = dialog.findChild<QLabel *>("unavailableLabel");
        QCOMPARE(label ? label->text() : QString(), QStringLiteral("No X display"));
        QVERIFY(dialog.findChild<QCheckBox *>("enabledCheck")->isEnabled());
        saveKeyboardEmulationSettings({true, 1, 3, false});
        ::typeValue(QStringLiteral("1.0"));
        ::typeFields({QStringLiteral("1"), QStringLiteral("2")});
        QVERIFY(m_sink->keys().isEmpty());
    }
};

QTEST_MAIN(TestKeyboardEmulation)
#include "tst_keyboardemulation.moc"
