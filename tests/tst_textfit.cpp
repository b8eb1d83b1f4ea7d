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

QString describe(const QWidget *widget, const QString &text, int needed, int has)
{
    const QString name = widget->objectName().isEmpty() ? QString::fromLatin1(widget->metaObject()->className())
                                                          : widget->objectName();
    return QStringLiteral("%1 \"%2\" needs %3 px, has %4").arg(name, text).arg(needed).arg(has);
}

// Names that stay as they are in every language: the language's own name in the language menu, and the
// administrator the program creates.
bool isCyrillic(QString text)
{
    text.remove(QStringLiteral("Українська")).remove(QStringLiteral("Адміністратор"));
    return std::any_of(text.begin(), text.end(), [](QChar c) { return c.script() == QChar::Script_Cyrillic; });
}

// Every text of `root` a user reads, with where it is: labels, buttons, titles, list and combo items,
// table headers, menus, tool tips.
QStringList shownTexts(QWidget *root)
{
    QStringList texts = {root->windowTitle()};
    const QList<QWidget *> widgets = root->findChildren<QWidget *>();
    for (QWidget *widget : widgets) {
        if (!widget->isVisibleTo(root) && !qobject_cast<QMenu *>(widget))
            continue;
        texts << widget->toolTip();
        if (auto *label = qobject_cast<QLabel *>(widget))
            texts << label->text();
        else if (auto *button = qobject_cast<QAbstractButton *>(widget))
            texts << button->text();
        else if (auto *group = qobject_cast<QGroupBox *>(widget))
            texts << group->title();
        else if (auto *line = qobject_cast<QLineEdit *>(widget))
            texts << line->placeholderText();
        else if (auto *menu = qobject_cast<QMenu *>(widget)) {
            texts << menu->title();
            for (const QAction *action : menu->actions())
                texts << action->text() << action->toolTip();
        } else if (auto *combo = qobject_cast<QComboBox *>(widget)) {
            for (int i = 0; i < combo->count(); ++i)
                texts << combo->itemText(i);
        } else if (auto *header = qobject_cast<QHeaderView *>(widget); header && header->model()) {
            for (int section = 0; section < header->count(); ++section)
                texts << header->model()->headerData(section, header->orientation()).toString();
        }
    }
    return texts;
}

// The texts of `root` that do not fit their widgets, one line each.
QStringList cutTexts(QWidget *root)
{
    QStringList found;
    const QList<QWidget *> widgets = root->findChildren<QWidget *>();
    for (QWidget *widget : widgets) {
        if (!widget->isVisibleTo(root) || widget->width() <= 0)
            continue;
        if (auto *label = qobject_cast<QLabel *>(widget)) {
            if (label->text().isEmpty())
                continue;
            if (label->wordWrap()) {
                const int needed = label->heightForWidth(label->width());
                if (label->height() < needed)
                    found << describe(label, label->text(), needed, label->height()) + QStringLiteral(" (height)");
            } else if (label->width() < label->sizeHint().width()) {
                found << describe(label, label->text(), label->sizeHint().width(), label->width());
            }
        } else if (auto *button = qobject_cast<QAbstractButton *>(widget)) {
            if (!button->text().isEmpty() && button->width() < button->sizeHint().width())
                found << describe(button, button->text(), button->sizeHint().width(), button->width());
        } else if (auto *group = qobject_cast<QGroupBox *>(widget)) {
            const int needed = group->fontMetrics().horizontalAdvance(group->title()) + 16;
            if (!group->title().isEmpty() && group->width() < needed)
                found << describe(group, group->title(), needed, group->width());
        } else if (auto *combo = qobject_cast<QComboBox *>(widget)) {
            QStyleOptionComboBox option;
            option.initFrom(combo);
            option.editable = combo->isEditable();
            const QRect field =
                combo->style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, combo);
            const int needed = combo->fontMetrics().horizontalAdvance(combo->currentText());
            if (needed > field.width())
                found << describe(combo, combo->currentText(), needed, field.width());
        } else if (auto *header = qobject_cast<QHeaderView *>(widget)) {
            if (header->orientation() != Qt::Horizontal || !header->model())
                continue;
            for (int section = 0; section < header->count(); ++section) {
                if (header->isSectionHidden(section))
                    continue;
                const QString text =
                    header->model()->headerData(section, Qt::Horizontal, Qt::DisplayRole).toString();
                const int needed = header->fontMetrics().horizontalAdvance(text)
                                   + 2 * header->style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, header);
                const int has = header->sectionSize(section);
                if (!text.isEmpty() && has < needed)
                    found << describe(header, text, needed, has);
            }
        }
    }
    return found;
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
        if (window->isMaximized() || window->width() > screen.width())
            problems << QStringLiteral("%1: needs %2 px").arg(QLatin1String(name)).arg(window->width());
        if (language != QLatin1String("uk_UA")) {
            for (const QString &text : shownTexts(window)) {
                if (isCyrillic(text))
                    problems << QStringLiteral("%1: untranslated \"%2\"").arg(QLatin1String(name), text);
            }
        }
        for (const QString &problem : cutTexts(window))
            problems << QStringLiteral("%1: %2").arg(QLatin1String(name), problem);
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
