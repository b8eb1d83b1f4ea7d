#include "keyboarddevicedialog.h"

#include "devices/devicerecord.h"
#include "hidkeyboardmanager.h"
#include "instrumentline.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QVBoxLayout>

namespace {

const char *const kUnitTexts[KeyboardDeviceDialog::kUnitCount] = {
    QT_TRANSLATE_NOOP("KeyboardDeviceDialog", "Міліметри (mm)"),
    QT_TRANSLATE_NOOP("KeyboardDeviceDialog", "Дюйми (inch)"),
    QT_TRANSLATE_NOOP("KeyboardDeviceDialog", "Ньютони (N)"),
    QT_TRANSLATE_NOOP("KeyboardDeviceDialog", "Фунт-сила (lbf)"),
    QT_TRANSLATE_NOOP("KeyboardDeviceDialog", "Градуси (°)"),
    QT_TRANSLATE_NOOP("KeyboardDeviceDialog", "Радіани (rad)"),
};
constexpr int kMaxDecimals = 6;
constexpr int kDefaultDecimals = 2;

} // namespace

KeyboardDeviceDialog::KeyboardDeviceDialog(const QList<DeviceRecord> &devices, QWidget *parent)
    : QDialog(parent)
{
    for (const DeviceRecord &record : devices) {
        if (record.type == ConnectionKind::HidKeyboard && !record.hidPath.isEmpty())
            m_registered.append(record.hidPath);
    }
    setWindowTitle(tr("Підключення приладу-клавіатури"));
    setMinimumWidth(460);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(tr("Клавіатура, якою прилад передає дані:"), this));
    auto *keyboardRow = new QHBoxLayout;
    m_keyboards = new QComboBox(this);
    m_keyboards->setObjectName(QStringLiteral("keyboardCombo"));
    m_keyboards->setMinimumContentsLength(30);
    auto *refresh = new QPushButton(tr("Оновити"), this);
    refresh->setObjectName(QStringLiteral("refreshButton"));
    keyboardRow->addWidget(m_keyboards, 1);
    keyboardRow->addWidget(refresh);
    layout->addLayout(keyboardRow);

    m_learn = new QPushButton(tr("Визначити за натисканням кнопки на приладі"), this);
    m_learn->setObjectName(QStringLiteral("learnButton"));
    layout->addWidget(m_learn);
    m_status = new QLabel(this);
    m_status->setObjectName(QStringLiteral("statusLabel"));
    m_status->setWordWrap(true);
    m_status->setTextInteractionFlags(Qt::TextSelectableByMouse);
    layout->addWidget(m_status);

    auto *form = new QFormLayout;
    m_unit = new QComboBox(this);
    m_unit->setObjectName(QStringLiteral("unitCombo"));
    for (int code = 0; code < kUnitCount; ++code)
        m_unit->addItem(unitText(code), code);
    form->addRow(tr("Одиниці виміру, задані в приладі:"), m_unit);
    m_decimals = new QSpinBox(this);
    m_decimals->setObjectName(QStringLiteral("decimalsSpin"));
    m_decimals->setRange(0, kMaxDecimals);
    m_decimals->setValue(kDefaultDecimals);
    m_decimals->setToolTip(tr("Використовується, якщо прилад передає цифри без десяткового роздільника"));
    form->addRow(tr("Знаків після коми, заданих в приладі:"), m_decimals);
    layout->addLayout(form);

    m_test = new QLabel(tr("Перевірка: натисніть кнопку передачі даних на приладі."), this);
    m_test->setObjectName(QStringLiteral("testLabel"));
    m_test->setWordWrap(true);
    layout->addWidget(m_test);

    auto *buttons = new QHBoxLayout;
    auto *add = new QPushButton(tr("Додати"), this);
    add->setObjectName(QStringLiteral("addButton"));
    auto *cancel = new QPushButton(tr("Скасувати"), this);
    buttons->addStretch();
    buttons->addWidget(add);
    buttons->addWidget(cancel);
    layout->addLayout(buttons);

    HidKeyboardManager *manager = HidKeyboardManager::instance();
    connect(manager, &HidKeyboardManager::lineReceived, this, &KeyboardDeviceDialog::onLineReceived);
    connect(manager, &HidKeyboardManager::keyboardActivity, this, &KeyboardDeviceDialog::onKeyboardActivity);
    connect(manager, &HidKeyboardManager::keyboardsChanged, this, &KeyboardDeviceDialog::refreshKeyboards);
    connect(refresh, &QPushButton::clicked, this, &KeyboardDeviceDialog::refreshKeyboards);
    connect(m_learn, &QPushButton::clicked, this, &KeyboardDeviceDialog::onLearnClicked);
    connect(m_keyboards, &QComboBox::currentIndexChanged, this, &KeyboardDeviceDialog::updateWatchedDevices);
    connect(add, &QPushButton::clicked, this, &KeyboardDeviceDialog::onAcceptClicked);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    refreshKeyboards();
}

KeyboardDeviceDialog::~KeyboardDeviceDialog()
{
    HidKeyboardManager::instance()->stopLearning();
}

QString KeyboardDeviceDialog::devicePath() const
{
    return m_keyboards->currentData().toString();
}

int KeyboardDeviceDialog::unitCode() const
{
    return m_unit->currentData().toInt();
}

int KeyboardDeviceDialog::decimals() const
{
    return m_decimals->value();
}

QString KeyboardDeviceDialog::unitText(int code)
{
    if (code < 0 || code >= kUnitCount)
        code = UnitCode::Millimetre;
    return QCoreApplication::translate("KeyboardDeviceDialog", kUnitTexts[code]);
}

void KeyboardDeviceDialog::refreshKeyboards()
{
    const QString current = devicePath();
    {
        const QSignalBlocker blocker(m_keyboards);
        m_keyboards->clear();
        for (const auto &keyboard : HidKeyboardManager::instance()->keyboards()) {
            QString text = keyboard.second;
            if (m_registered.contains(keyboard.first))
                text += tr("  (вже додано)");
            m_keyboards->addItem(text, keyboard.first);
            m_keyboards->setItemData(m_keyboards->count() - 1, keyboard.first, Qt::ToolTipRole);
        }
        const int index = m_keyboards->findData(current);
        m_keyboards->setCurrentIndex(index >= 0 ? index : (m_keyboards->count() > 0 ? 0 : -1));
    }
    showAccessProblem();
    updateWatchedDevices();
}

void KeyboardDeviceDialog::showAccessProblem()
{
    if (!HidKeyboardManager::instance()->keyboardsUnreadable())
        return;
    m_status->setStyleSheet(QStringLiteral("color: red;"));
    m_status->setText(tr("Немає доступу до клавіатур: програма не може читати їхні натискання. Додайте "
                         "користувача до групи input командою «sudo usermod -aG input $USER» і увійдіть у "
                         "систему знову."));
}

void KeyboardDeviceDialog::updateWatchedDevices()
{
    QStringList watched = m_registered;
    const QString current = devicePath();
    if (!current.isEmpty() && !watched.contains(current))
        watched.append(current);
    HidKeyboardManager::instance()->setWatchedDevices(watched);
}

void KeyboardDeviceDialog::onLearnClicked()
{
    m_learn->setEnabled(false);
    m_status->setStyleSheet(QStringLiteral("color: #b36b00; font-weight: bold;"));
    m_status->setText(tr("Натисніть на приладі кнопку передачі даних…"));
    HidKeyboardManager::instance()->startLearning();
    showAccessProblem();
}

void KeyboardDeviceDialog::onKeyboardActivity(const QString &path)
{
    int index = m_keyboards->findData(path);
    if (index < 0) {
        refreshKeyboards();
        index = m_keyboards->findData(path);
    }
    if (index >= 0) {
        const QSignalBlocker blocker(m_keyboards);
        m_keyboards->setCurrentIndex(index);
    }
    updateWatchedDevices();
    m_learn->setEnabled(true);
    m_status->setStyleSheet(QStringLiteral("color: green; font-weight: bold;"));
    m_status->setText(tr("Клавіатуру визначено: %1").arg(m_keyboards->currentText()));
}

void KeyboardDeviceDialog::onLineReceived(const QString &path, const QString &line)
{
    if (path.isEmpty() || path != devicePath())
        return;
    double value = 0.0;
    if (parseInstrumentLine(line, m_decimals->value(), value)) {
        m_test->setStyleSheet(QStringLiteral("color: green; font-weight: bold;"));
        m_test->setText(
            tr("Отримано «%1» → %2 %3")
                .arg(line, QString::number(value, 'f', m_decimals->value()), m_unit->currentText()));
    } else {
        m_test->setStyleSheet(QStringLiteral("color: red;"));
        m_test->setText(
            tr("Отримано «%1» — це не схоже на число, перевірте налаштування приладу.").arg(line));
    }
}

void KeyboardDeviceDialog::onAcceptClicked()
{
    const QString path = devicePath();
    if (path.isEmpty()) {
        QMessageBox::warning(this, tr("Помилка"), tr("Не вибрано клавіатуру приладу."));
        return;
    }
    if (m_registered.contains(path)) {
        QMessageBox::warning(this, tr("Помилка"), tr("Цю клавіатуру вже додано як прилад."));
        return;
    }
    accept();
}
