#include "keyboardemulatordialog.h"

#include "keyboardemulation.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

namespace {

QLabel *wrappedLabel(const QString &text, const QString &style, const QString &objectName, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(objectName);
    label->setWordWrap(true);
    label->setStyleSheet(style);
    return label;
}

void selectData(QComboBox *combo, const QVariant &data)
{
    combo->setCurrentIndex(combo->findData(data));
}

} // namespace

KeyboardEmulatorDialog::KeyboardEmulatorDialog(QWidget *parent)
    : QDialog(parent)
    , m_enabledCheck(new QCheckBox(tr("Увімкнути дублювання клавіатури"), this))
    , m_separatorCombo(new QComboBox(this))
    , m_terminatorCombo(new QComboBox(this))
    , m_decimalCombo(new QComboBox(this))
    , m_testEdit(new QLineEdit(this))
{
    setWindowTitle(tr("Дублювання клавіатури"));
    setMinimumWidth(460);
    const KeyboardEmulationSettings &settings = keyboardEmulationSettings();

    auto *layout = new QVBoxLayout(this);
    const KeystrokeSink &sink = keystrokeSink();
    if (!sink.isAvailable()) {
        layout->addWidget(wrappedLabel(sink.unavailableReason(),
                                       QStringLiteral("color: #c62828; font-weight: bold;"),
                                       QStringLiteral("unavailableLabel"), this));
    }
    layout->addWidget(wrappedLabel(tr("Кожне значення, передане приладом, система отримає так, ніби його "
                                      "набрали на клавіатурі — і воно потрапить просто в Excel чи будь-яку "
                                      "іншу активну програму."),
                                   QStringLiteral("color: #555;"), QStringLiteral("explanationLabel"), this));

    m_enabledCheck->setObjectName(QStringLiteral("enabledCheck"));
    m_enabledCheck->setChecked(settings.enabled);
    layout->addWidget(m_enabledCheck);

    // "Tab" and "Enter" are key names and stay as they are in every language.
    m_separatorCombo->setObjectName(QStringLiteral("separatorCombo"));
    m_separatorCombo->addItem(QStringLiteral("Tab"), EmulationKey::Tab);
    m_separatorCombo->addItem(tr("Пробіл"), EmulationKey::Space);
    m_separatorCombo->addItem(QStringLiteral("Enter"), EmulationKey::Enter);
    selectData(m_separatorCombo, settings.separator);

    m_terminatorCombo->setObjectName(QStringLiteral("terminatorCombo"));
    m_terminatorCombo->addItem(QStringLiteral("Tab"), EmulationKey::Tab);
    m_terminatorCombo->addItem(tr("Пробіл"), EmulationKey::Space);
    m_terminatorCombo->addItem(QStringLiteral("Enter"), EmulationKey::Enter);
    m_terminatorCombo->addItem(tr("нічого"), EmulationKey::Nothing);
    selectData(m_terminatorCombo, settings.terminator);

    m_decimalCombo->setObjectName(QStringLiteral("decimalCombo"));
    m_decimalCombo->addItem(tr("крапка  (12.345)"), false);
    m_decimalCombo->addItem(tr("кома  (12,345)"), true);
    m_decimalCombo->setCurrentIndex(settings.commaDecimal ? 1 : 0);

    auto *form = new QFormLayout;
    form->addRow(tr("Між значеннями (мультирежим):"), m_separatorCombo);
    form->addRow(tr("Після останнього:"), m_terminatorCombo);
    form->addRow(tr("Десятковий знак:"), m_decimalCombo);
    layout->addLayout(form);

    const QString noteStyle = QStringLiteral("color: #888; font-size: 12px;");
    layout->addWidget(wrappedLabel(tr("Роздільник потрібен лише тоді, коли один запис несе показання кількох "
                                      "приладів одразу — тобто в мультирежимі. Для одного приладу "
                                      "набирається саме значення й завершальна клавіша."),
                                   noteStyle, QStringLiteral("separatorNote"), this));
    layout->addWidget(wrappedLabel(tr("Десятковий знак обирають не за смаком, а за тим, що чекає "
                                      "програма-приймач: Excel з українською локаллю розпізнає число лише з "
                                      "комою, інакше воно стане текстом."),
                                   noteStyle, QStringLiteral("decimalNote"), this));

    m_testEdit->setObjectName(QStringLiteral("testEdit"));
    m_testEdit->setPlaceholderText(tr("тут буде видно, що саме набереться"));
    m_testEdit->installEventFilter(this);
    layout->addWidget(m_testEdit);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    auto *test = new QPushButton(tr("Перевірити (2 прилади)"), this);
    test->setObjectName(QStringLiteral("testButton"));
    test->setAutoDefault(false);
    auto *save = new QPushButton(tr("Зберегти"), this);
    save->setObjectName(QStringLiteral("saveButton"));
    save->setDefault(true);
    auto *cancel = new QPushButton(tr("Скасувати"), this);
    cancel->setObjectName(QStringLiteral("cancelButton"));
    cancel->setAutoDefault(false);
    for (QPushButton *button : {test, save, cancel})
        buttons->addWidget(button);
    layout->addLayout(buttons);

    connect(test, &QPushButton::clicked, this, &KeyboardEmulatorDialog::typeTestRecord);
    connect(save, &QPushButton::clicked, this, [this] {
        applySettings();
        accept();
    });
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

// The test field shows Tab and Enter as marks instead of acting on them: the test record stays in view,
// and a typed Enter cannot press a button of this dialog.
bool KeyboardEmulatorDialog::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_testEdit && event->type() == QEvent::KeyPress) {
        const auto *key = static_cast<QKeyEvent *>(event);
        if (key->modifiers() == Qt::NoModifier || key->modifiers() == Qt::KeypadModifier) {
            if (key->key() == Qt::Key_Tab) {
                m_testEdit->insert(QStringLiteral("⇥"));
                return true;
            }
            if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
                m_testEdit->insert(QStringLiteral("↵"));
                return true;
            }
        }
    }
    return QDialog::eventFilter(watched, event);
}

void KeyboardEmulatorDialog::applySettings()
{
    KeyboardEmulationSettings settings;
    settings.enabled = m_enabledCheck->isChecked();
    // A combo without a selection gives an invalid variant, which reads as 0 (or false).
    settings.separator = m_separatorCombo->currentData().toInt();
    settings.terminator = m_terminatorCombo->currentData().toInt();
    settings.commaDecimal = m_decimalCombo->currentData().toBool();
    saveKeyboardEmulationSettings(settings);
}

void KeyboardEmulatorDialog::typeTestRecord()
{
    applySettings();
    m_testEdit->clear();
    m_testEdit->setFocus();
    // Typed as they stand, point included, whatever the decimal sign: the test shows the keys, not a format.
    QTimer::singleShot(kTestTypingDelayMs, this, [] {
        typeFields({QStringLiteral("12.345"), QStringLiteral("-6.780")});
    });
}
