// Every window and dialog in every language: every text is translated and none is cut off by its widget.
// A translation longer than the widget made for the Ukrainian text shows up here as a label, button, group
// title, table header or combo text narrower than what it has to show.
//
// KOVRAN_TEXTFIT_SHOTS=<folder> also saves a picture of each window per language (<folder>/<lang>/<name>.png)
// for reading the texts in their places.

#include "app/aboutdialog.h"
#include "app/modulechooser.h"
#include "common/uitranslator.h"
#include "devices/devicerecord.h"
#include "devices/deviceregistry.h"
#include "links/hid/keyboarddevicedialog.h"
#include "links/modbus/adddevicedialog.h"
#include "links/modbus/modbussettingsdialog.h"
#include "links/sylvac/sylvacserialdialog.h"
#include "modules/height_gauge/devozor_scan_setting_window.h"
#include "modules/height_gauge/devozor_setting_wimdow.h"
#include "modules/height_gauge/devozorwindow.h"
#include "modules/laser/lasernuromer.h"
#include "modules/laser/lasersettings.h"
#include "modules/stand/pressetsetting.h"
#include "modules/stand/standwindow.h"
#include "recording/keyboardemulatordialog.h"
#include "recording/statistics.h"
#include "recording/statisticsdialog.h"
#include "recording/timersettingsdialog.h"
#include "settingssandbox.h"
#include "workspace/deviceeditdialog.h"
#include "workspace/devicetypedialog.h"
#include "workspace/formulamanagerdialog.h"
#include "workspace/globalunitsdialog.h"
#include "workspace/measuringsystem.h"
#include "workspace/usereditdialog.h"
#include "workspace/usersdialog.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QDir>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMainWindow>
#include <QStyleOptionComboBox>
#include <QTest>

#include <algorithm>
#include <functional>
#include <memory>

namespace {

const QStringList kLanguages = {QStringLiteral("uk_UA"), QStringLiteral("en_150"), QStringLiteral("de_DE"),
                                QStringLiteral("it_IT"), QStringLiteral("fr_FR"), QStringLiteral("pl_PL")};

// Names that stay as they are in every language: the language's own name in the language menu, and the
// administrator the program creates.
bool isCyrillic(QString text)
{
    text.remove(QStringLiteral("Українська")).remove(QStringLiteral("Адміністратор"));
    return std::any_of(text.begin(), text.end(), [](QChar c) { return c.script() == QChar::Script_Cyrillic; });
}

struct ShownText
{
    QString where;
    QString text;
    int needed = 0; // pixels the text needs in its widget, and what it has (0: not measured)
    int has = 0;
};

// Every text of `root` a user reads — labels, buttons, titles, combo items, table headers, menus, tool tips —
// with the room the one on show needs and has.
QList<ShownText> shownTexts(QWidget *root)
{
    QList<ShownText> texts = {{QStringLiteral("title"), root->windowTitle()}};
    for (QWidget *widget : root->findChildren<QWidget *>()) {
        if (!widget->isVisibleTo(root) && !qobject_cast<QMenu *>(widget))
            continue;
        const QString where = widget->objectName().isEmpty() ? QLatin1String(widget->metaObject()->className())
                                                              : widget->objectName();
        const auto add = [&](const QString &text, int needed = 0, int has = 0) {
            texts.append({where, text, text.isEmpty() ? 0 : needed, has});
        };
        add(widget->toolTip());
        if (auto *label = qobject_cast<QLabel *>(widget)) {
            if (label->wordWrap())
                add(label->text(), label->heightForWidth(label->width()), label->height());
            else
                add(label->text(), label->sizeHint().width(), label->width());
        } else if (auto *button = qobject_cast<QAbstractButton *>(widget)) {
            add(button->text(), button->sizeHint().width(), button->width());
        } else if (auto *group = qobject_cast<QGroupBox *>(widget)) {
            add(group->title(), group->fontMetrics().horizontalAdvance(group->title()) + 16, group->width());
        } else if (auto *line = qobject_cast<QLineEdit *>(widget)) {
            add(line->placeholderText());
        } else if (auto *menu = qobject_cast<QMenu *>(widget)) {
            add(menu->title());
            for (const QAction *action : menu->actions())
                add(action->text());
        } else if (auto *combo = qobject_cast<QComboBox *>(widget)) {
            QStyleOptionComboBox option;
            option.initFrom(combo);
            option.editable = combo->isEditable();
            const QRect field =
                combo->style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, combo);
            for (int i = 0; i < combo->count(); ++i)
                add(combo->itemText(i));
            add(combo->currentText(), combo->fontMetrics().horizontalAdvance(combo->currentText()), field.width());
        } else if (auto *header = qobject_cast<QHeaderView *>(widget); header && header->model()) {
            const int margins = 2 * header->style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, header);
            for (int section = 0; section < header->count(); ++section) {
                const QString text = header->model()->headerData(section, header->orientation()).toString();
                if (header->orientation() == Qt::Horizontal && !header->isSectionHidden(section))
                    add(text, header->fontMetrics().horizontalAdvance(text) + margins, header->sectionSize(section));
                else
                    add(text);
            }
        }
    }
    return texts;
}

DeviceRecord instrument(const QString &name, int type, int mode)
{
    DeviceRecord record;
    record.name = name;
    record.type = type;
    record.measuringType = mode;
    record.limitMin = -0.05;
    record.limitMax = 0.05;
    record.precision = 3;
    return record;
}

struct Window
{
    const char *name;
    std::function<QWidget *()> make;
    QSize size; // main windows open maximised (here: a common bench screen); dialogs take their own size
};

} // namespace

class TestTextFit : public QObject
{
    Q_OBJECT

private slots:
    void everyTextFits_data();
    void everyTextFits();
};

void TestTextFit::everyTextFits_data()
{
    QTest::addColumn<QString>("language");
    for (const QString &language : kLanguages)
        QTest::newRow(qPrintable(language)) << language;
}

void TestTextFit::everyTextFits()
{
    QFETCH(QString, language);
    SettingsSandbox settings;
    const auto storeLanguage = [&settings](const QString &code) {
        settings.writeFile(QStringLiteral("settings.ini"), "[General]\nLanguage=" + code.toLatin1() + '\n');
        settings.writeFile(QStringLiteral("config.ini"), "[interface]\nlanguage=" + code.toLatin1() + '\n');
    };
    // Cards in the three kinds of display: plain, held peak, tolerance verdict.
    settings.writeFile(QStringLiteral("devices_config.ini"),
                       "[Devices]\nsize=3\n"
                       "1\\name=Indicator\n1\\portName=COM3\n1\\address=5\n1\\type=0\n1\\precision=3\n"
                       "2\\name=Caliper\n2\\portName=BLE\n2\\address=1\n2\\type=1\n2\\mac=AA:BB:CC:DD:EE:01\n"
                       "2\\measuringType=3\n"
                       "3\\name=Cable\n3\\portName=/dev/ttyUSB1\n3\\address=1\n3\\type=5\n"
                       "3\\measuringType=7\n3\\limitMin=-0.05\n3\\limitMax=0.05\n");
    // A formula card too, one whose instrument was deleted.
    settings.writeFile(QStringLiteral("formulas.ini"),
                       "[Formulas]\nsize=1\n1\\id=1\n1\\name=Taper\n1\\expression=(A - #) / 2\n");

    const QList<DeviceRecord> devices = {
        instrument(QStringLiteral("DEVICE 1"), ConnectionKind::Modbus, MeasuringMode::RangeLimits),
        instrument(QStringLiteral("DEVICE 2"), ConnectionKind::HidKeyboard, MeasuringMode::RangePeek)};
    const QList<ModbusAdapter> adapters = {{QStringLiteral("/dev/ttyUSB0"), 115200}};
    QList<ModbusAdapter> editableAdapters = adapters;
    DeviceRecord formula = instrument(QStringLiteral("Taper"), ConnectionKind::Formula, MeasuringMode::RangeLimits);
    formula.expression = QStringLiteral("(A - B) / 2");
    const QSize screen(1366, 768);
    const QList<DeviceStats> stats = {DeviceStats{QStringLiteral("DEVICE 1"), QStringLiteral("mm"), 3,
                                                  MeasuringMode::RangeLimits, -0.05, 0.05,
                                                  {0.01, -0.02, 0.06, 0.0, 0.03}, {}}};

    const QList<Window> windows = {
        {"workspace", [] { return new MeasuringSystem; }, screen},
        {"height-gauge", [] { return new DevozorWindow; }, screen},
        {"laser", [] { return new LaserNuromer; }, screen},
        {"stand", [] { return new StandWindow; }, screen},
        {"module-chooser", [] { return new ModuleChooser; }, {}},
        {"about", [] { return new AboutDialog; }, {}},
        {"instrument-kind", [] { return new DeviceTypeDialog; }, {}},
        {"edit-tolerance", [&] { return new DeviceEditDialog(devices.at(0)); }, {}},
        {"edit-keyboard", [&] { return new DeviceEditDialog(devices.at(1)); }, {}},
        {"units", [] { return new GlobalUnitsDialog({}); }, {}},
        {"users", [] { return new UsersDialog({{0, QStringLiteral("DEVICE 1"), {}}}); }, {}},
        {"user-edit", [] { return new UserEditDialog; }, {}},
        {"modbus-adapters", [&] { return new ModbusSettingsDialog(editableAdapters); }, {}},
        {"modbus-add", [&] { return new AddDeviceDialog(adapters, devices); }, {}},
        {"sylvac-cable", [] { return new SylvacSerialDialog({}); }, {}},
        {"keyboard-instrument", [&] { return new KeyboardDeviceDialog(devices); }, {}},
        {"keyboard-output", [] { return new KeyboardEmulatorDialog; }, {}},
        {"timer", [&] { return new TimerSettingsDialog(false, 1000, devices); }, {}},
        {"formulas", [&] { return new FormulaManagerDialog({formula}, {QStringLiteral("DEVICE 1"), QStringLiteral("DEVICE 2")}, 0); }, {}},
        {"formulas-empty", [] { return new FormulaManagerDialog({}, {}, 0); }, {}},
        {"statistics", [&] { return new StatisticsDialog(stats, 0, StatisticsDialog::sourceText(false)); }, {}},
        {"height-gauge-settings", [] { return new Devozor_setting_wimdow; }, {}},
        {"height-gauge-scan", [] { return new devozor_scan_setting_window; }, {}},
        {"laser-settings", [] { return new LaserSettings; }, {}},
        {"stand-presets", [] { return new PressetSetting; }, {}},
    };

    const QString shots = qEnvironmentVariable("KOVRAN_TEXTFIT_SHOTS");
    QStringList problems;
    const auto check = [&](const char *name, QWidget *window) {
        // A layout that needs more than the screen makes the window wider than the screen.
        if (window->width() > screen.width())
            problems << QStringLiteral("%1: needs %2 px").arg(QLatin1String(name)).arg(window->width());
        for (const ShownText &shown : shownTexts(window)) {
            if (language != QLatin1String("uk_UA") && isCyrillic(shown.text))
                problems << QStringLiteral("%1: %2 untranslated \"%3\"").arg(QLatin1String(name), shown.where, shown.text);
            if (shown.has < shown.needed)
                problems << QStringLiteral("%1: %2 \"%3\" needs %4 px, has %5")
                                .arg(QLatin1String(name), shown.where, shown.text)
                                .arg(shown.needed)
                                .arg(shown.has);
        }
    };
    const auto open = [&](const Window &entry) {
        std::unique_ptr<QWidget> window(entry.make());
        // The test screen is smaller than a bench's; a dialog gets the size it would get there.
        window->resize(entry.size.isValid() ? entry.size : window->sizeHint());
        window->show();
        if (!QTest::qWaitForWindowExposed(window.get()))
            problems << QStringLiteral("%1: not shown").arg(QLatin1String(entry.name));
        QCoreApplication::processEvents();
        return window;
    };

    // Opened in the language chosen before.
    storeLanguage(language);
    {
        UiTranslator translator;
        QVERIFY(translator.setLanguage(language));
        for (const Window &entry : windows) {
            const std::unique_ptr<QWidget> window = open(entry);
            check(entry.name, window.get());
            if (!shots.isEmpty()) {
                QDir().mkpath(shots + u'/' + language);
                window->grab().save(QStringLiteral("%1/%2/%3.png").arg(shots, language, QLatin1String(entry.name)));
            }
        }
    }
    // The main windows stay open while the language changes under them.
    storeLanguage(QStringLiteral("uk_UA"));
    for (const Window &entry : windows) {
        if (!entry.size.isValid())
            continue;
        const std::unique_ptr<QWidget> window = open(entry);
        UiTranslator translator;
        translator.setLanguage(language);
        QCoreApplication::processEvents(); // the windows take the new texts
        QCoreApplication::processEvents(); // and lay them out
        check(entry.name, window.get());
    }
    if (!problems.isEmpty())
        QFAIL(qPrintable(QStringLiteral("texts in %1:\n").arg(language) + problems.join(u'\n')));
}

QTEST_MAIN(TestTextFit)
#include "tst_textfit.moc"
