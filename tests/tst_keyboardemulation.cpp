#include "recording/keyboardemulation.h"
#include "recording/keyboardemulatordialog.h"
#include "recordingkeystrokesink.h"
#include "settingssandbox.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QSettings>
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

    void typeValue_data()
    {
        QTest::addColumn<Settings>("settings");
        QTest::addColumn<double>("value");
        QTest::addColumn<int>("digits");
        QTest::addColumn<QStringList>("keys");
        QTest::newRow("comma, 12.5 at 3 decimals")
            << Settings{true, 1, 3, true} << 12.5 << 3 << (keysOf("12,500") << "<Enter>");
        QTest::newRow("0 decimals: no decimal sign")
            << Settings{true, 1, 2, true} << 7.0 << 0 << keysOf("7 ");
        QTest::newRow("negative, Tab after")
            << Settings{true, 2, 1, false} << -6.78 << 3 << (keysOf("-6.780") << "<Tab>");
        QTest::newRow("terminator 0: nothing after")
            << Settings{true, 1, 0, false} << 1.25 << 2 << keysOf("1.25");
        QTest::newRow("disabled") << Settings{false, 1, 3, false} << 1.0 << 1 << QStringList();
    }
    void typeValue()
    {
        QFETCH(Settings, settings);
        QFETCH(double, value);
        QFETCH(int, digits);
        QFETCH(QStringList, keys);
        saveKeyboardEmulationSettings(settings);
        ::typeValue(formatTypedValue(value, digits));
        QCOMPARE(m_sink->keys(), keys);
    }

    void typeFields_data()
    {
        QTest::addColumn<Settings>("settings");
        QTest::addColumn<QStringList>("texts");
        QTest::addColumn<QStringList>("keys");
        QTest::newRow("Tab between, Enter after") << Settings{true, 1, 3, false} << QStringList{"1.5", "2"}
                                                  << (keysOf("1.5") << "<Tab>"
                                                                    << "2"
                                                                    << "<Enter>");
        QTest::newRow("order kept, space")
            << Settings{true, 2, 0, false} << QStringList{"3", "1", "2"} << keysOf("3 1 2");
        QTest::newRow("separator 0, unknown terminator")
            << Settings{true, 0, 9, false} << QStringList{"1", "2"} << keysOf("12");
        QTest::newRow("one call per code unit")
            << Settings{true, 1, 0, false} << QStringList{QString::fromUtf8("−😀")}
            << QStringList{QString(QChar(0x2212)), QString(QChar(0xD83D)), QString(QChar(0xDE00))};
        QTest::newRow("empty list") << Settings{true, 1, 3, false} << QStringList() << QStringList();
        QTest::newRow("disabled") << Settings{false, 1, 3, false} << QStringList{"1"} << QStringList();
    }
    void typeFields()
    {
        QFETCH(Settings, settings);
        QFETCH(QStringList, texts);
        QFETCH(QStringList, keys);
        saveKeyboardEmulationSettings(settings);
        ::typeFields(texts);
        QCOMPARE(m_sink->keys(), keys);
    }

    void unavailableSinkGetsNothing()
    {
        m_sink = RecordingKeystrokeSink::install(false, QStringLiteral("no display"));
        saveKeyboardEmulationSettings({true, 1, 3, false});
        ::typeValue(QStringLiteral("1.0"));
        ::typeFields({QStringLiteral("1"), QStringLiteral("2")});
        QVERIFY(m_sink->keys().isEmpty());
    }

    void settingsFromFile_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<Settings>("expected");
        QTest::newRow("no group") << QByteArray("[Devices]\nsize=0\n") << Settings{false, 1, 3, false};
        QTest::newRow("some keys") << QByteArray("[KeyboardEmulation]\nenabled=true\nterminator=0\n")
                                   << Settings{true, 1, 0, false};
    }
    void settingsFromFile()
    {
        QFETCH(QByteArray, content);
        QFETCH(Settings, expected);
        QVERIFY(m_sandbox->writeFile("devices_config.ini", content));
        QVERIFY(fileSettings() == expected);
    }

    void saveKeepsTheRestOfTheFile()
    {
        QVERIFY(m_sandbox->writeFile("devices_config.ini", "[Devices]\n1\\name=Caliper\nsize=1\n"));
        saveKeyboardEmulationSettings({}); // the defaults are written too
        QSettings file(m_sandbox->filePath("devices_config.ini"), QSettings::IniFormat);
        QCOMPARE(file.allKeys().size(), 6);
        QCOMPARE(file.value("Devices/1/name").toString(), QStringLiteral("Caliper"));
        saveKeyboardEmulationSettings({true, 2, 0, true});
        QVERIFY(fileSettings() == (Settings{true, 2, 0, true}));
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
        dialog.show();
        auto *label = dialog.findChild<QLabel *>("unavailableLabel");
        QVERIFY(label && label->isVisible());
        QCOMPARE(label->text(), QStringLiteral("No X display"));
        QVERIFY(dialog.findChild<QCheckBox *>("enabledCheck")->isEnabled()); // settings stay editable
    }
};

QTEST_MAIN(TestKeyboardEmulation)
#include "tst_keyboardemulation.moc"
