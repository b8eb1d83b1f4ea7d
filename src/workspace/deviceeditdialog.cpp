#include "deviceeditdialog.h"

#include "links/hid/keyboarddevicedialog.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QSpinBox>

namespace {

constexpr int kMaxDecimals = 6;
constexpr double kLimitRange = 100000.0;
constexpr int kLimitDecimals = 4;

// Values that come from files or instruments are shown as plain, selectable text, never as rich text.
QLabel *valueLabel(const QString &text, const QString &objectName, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(objectName);
    label->setTextFormat(Qt::PlainText);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    return label;
}

} // namespace

DeviceEditDialog::DeviceEditDialog(const DeviceRecord &record, QWidget *parent)
    : QDialog(parent)
    , m_storedHidDecimals(record.hidDecimals)
{
    setWindowTitle(tr("Редагування параметрів приладу"));
    setMinimumWidth(350);

    auto *form = new QFormLayout(this);

    m_nameEdit = new QLineEdit(record.name, this);
    m_nameEdit->setObjectName(QStringLiteral("nameEdit"));
    form->addRow(tr("Назва:"), m_nameEdit);

    form->addRow(tr("Тип (з приладу):"),
                 valueLabel(sensorKindText(record.sensorKind), QStringLiteral("sensorKindLabel"), this));

    QString identityCaption;
    QString identity = tr("—");
    if (isBleKind(record.type)) {
        identityCaption = tr("MAC-адреса:");
        if (!record.mac.isEmpty())
            identity = record.mac;
    } else {
        identityCaption = tr("Серійний номер:");
        if (record.infoValid)
            identity = QString::number(record.serialNumber);
    }
    auto *caption = new QLabel(identityCaption, this);
    caption->setObjectName(QStringLiteral("identityCaption"));
    form->addRow(caption, valueLabel(identity, QStringLiteral("identityLabel"), this));

    form->addRow(tr("Дата калібрування:"),
                 valueLabel(calibrationDateText(record), QStringLiteral("calibrationDateLabel"), this));

    if (record.type == ConnectionKind::HidKeyboard) {
        m_hidUnitCombo = new QComboBox(this);
        m_hidUnitCombo->setObjectName(QStringLiteral("hidUnitCombo"));
        for (int code = 0; code < KeyboardDeviceDialog::kUnitCount; ++code)
            m_hidUnitCombo->addItem(unitText(code), code);
        // An unknown stored unit leaves the box empty: no unit chosen, and the workspace keeps the old one.
        m_hidUnitCombo->setCurrentIndex(m_hidUnitCombo->findData(record.hidUnit));
        form->addRow(tr("Одиниці, задані в приладі:"), m_hidUnitCombo);

        m_hidDecimalsSpin = new QSpinBox(this);
        m_hidDecimalsSpin->setObjectName(QStringLiteral("hidDecimalsSpin"));
        m_hidDecimalsSpin->setRange(0, kMaxDecimals);
        m_hidDecimalsSpin->setValue(record.hidDecimals);
        m_hidDecimalsSpin->setToolTip(
            tr("Використовується, якщо прилад передає цифри без десяткового роздільника"));
        form->addRow(tr("Знаків після коми в приладі:"), m_hidDecimalsSpin);
    }

    m_precisionCombo = precisionCombo(this);
    // A precision outside 0-6 is shown with 2 decimals on the card, so offer that entry.
    selectData(m_precisionCombo, record.precision, precisionDigits(record.precision));
    form->addRow(tr("Точність:"), m_precisionCombo);

    m_modeCombo = modeCombo(this);
    selectData(m_modeCombo, record.measuringType, MeasuringMode::Disable);
    form->addRow(tr("Режим вимірювання:"), m_modeCombo);

    m_limitMinSpin = limitSpin(QStringLiteral("limitMinSpin"), this);
    m_limitMinSpin->setValue(record.limitMin);
    form->addRow(tr("Мін. ліміт:"), m_limitMinSpin);
    m_limitMaxSpin = limitSpin(QStringLiteral("limitMaxSpin"), this);
    m_limitMaxSpin->setValue(record.limitMax);
    form->addRow(tr("Макс. ліміт:"), m_limitMaxSpin);

    auto *buttons = new QDialogButtonBox(this);
    QPushButton *ok = buttons->addButton(tr("ОК"), QDialogButtonBox::AcceptRole);
    ok->setObjectName(QStringLiteral("okButton"));
    ok->setDefault(true);
    QPushButton *cancel = buttons->addButton(tr("Скасувати"), QDialogButtonBox::RejectRole);
    cancel->setObjectName(QStringLiteral("cancelButton"));
    connect(buttons, &QDialogButtonBox::accepted, this, &DeviceEditDialog::onOkClicked);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    form->addRow(buttons);
}

void DeviceEditDialog::onOkClicked()
{
    // With the range judged on both limits, a reversed pair would fail every value.
    if (measuringType() == MeasuringMode::RangeLimits && limitMin() > limitMax()) {
        QMessageBox::warning(this, tr("Редагування параметрів приладу"),
                             tr("Нижній ліміт більший за верхній. Перевірте ліміти."));
        return;
    }
    accept();
}

QString DeviceEditDialog::name() const
{
    return m_nameEdit->text();
}

int DeviceEditDialog::precision() const
{
    return m_precisionCombo->currentData().toInt();
}

int DeviceEditDialog::measuringType() const
{
    return m_modeCombo->currentData().toInt();
}

double DeviceEditDialog::limitMin() const
{
    return m_limitMinSpin->value();
}

double DeviceEditDialog::limitMax() const
{
    return m_limitMaxSpin->value();
}

int DeviceEditDialog::hidUnit() const
{
    if (!m_hidUnitCombo || m_hidUnitCombo->currentIndex() < 0)
        return -1;
    return m_hidUnitCombo->currentData().toInt();
}

int DeviceEditDialog::hidDecimals() const
{
    return m_hidDecimalsSpin ? m_hidDecimalsSpin->value() : m_storedHidDecimals;
}

QComboBox *DeviceEditDialog::precisionCombo(QWidget *parent)
{
    auto *combo = new QComboBox(parent);
    combo->setObjectName(QStringLiteral("precisionCombo"));
    const QString texts[] = {
        tr("0 (x)"),           tr("0.0 (x.x)"),         tr("0.00 (x.xx)"),         tr("0.000 (x.xxx)"),
        tr("0.0000 (x.xxxx)"), tr("0.00000 (x.xxxxx)"), tr("0.000000 (x.xxxxxx)"),
    };
    for (int digits = 0; digits <= kMaxDecimals; ++digits)
        combo->addItem(texts[digits], digits);
    return combo;
}

QComboBox *DeviceEditDialog::modeCombo(QWidget *parent)
{
    auto *combo = new QComboBox(parent);
    combo->setObjectName(QStringLiteral("measuringTypeCombo"));
    const QString texts[] = {
        tr("Disable"),     tr("Min Peek"),   tr("Max Peek"),   tr("Range Peek"),
        tr("Module Peek"), tr("Min Limits"), tr("Max Limits"), tr("Range Limits"),
    };
    for (int mode = MeasuringMode::Disable; mode <= MeasuringMode::RangeLimits; ++mode)
        combo->addItem(texts[mode], mode);
    return combo;
}

QDoubleSpinBox *DeviceEditDialog::limitSpin(const QString &objectName, QWidget *parent)
{
    auto *spin = new QDoubleSpinBox(parent);
    spin->setObjectName(objectName);
    // Limits are typed and shown with a point whatever the system locale.
    spin->setLocale(QLocale::c());
    spin->setDecimals(kLimitDecimals);
    spin->setRange(-kLimitRange, kLimitRange);
    return spin;
}

void DeviceEditDialog::selectData(QComboBox *combo, int code, int fallback)
{
    int index = combo->findData(code);
    if (index < 0)
        index = combo->findData(fallback);
    combo->setCurrentIndex(index);
}

QString DeviceEditDialog::unitText(int code)
{
    return KeyboardDeviceDialog::unitText(code);
}

QString DeviceEditDialog::sensorKindText(quint16 kind)
{
    switch (kind) {
    case 0:
        return tr("Лінійний датчик (0)");
    case 1:
        return tr("Індикатор");
    case 10:
        return tr("Динамометр");
    default:
        return tr("Unknown (%1)").arg(kind);
    }
}

QString DeviceEditDialog::calibrationDateText(const DeviceRecord &record)
{
    if (!record.infoValid || (record.calibDay == 0 && record.calibMonth == 0 && record.calibYear == 0))
        return tr("—");
    return tr("%1.%2.%3")
        .arg(record.calibDay, 2, 10, QLatin1Char('0'))
        .arg(record.calibMonth, 2, 10, QLatin1Char('0'))
        .arg(record.calibYear);
}
