#pragma once

#include "devices/devicerecord.h"

#include <QDialog>

class QComboBox;
class QDoubleSpinBox;
class QLineEdit;
class QSpinBox;

// Edits one instrument's name, precision, measuring mode and limits, and for keyboard instruments the unit
// and decimals the instrument types in. It reads the record once when built and never writes it: the
// workspace takes the edited values from the accessors after the dialog was accepted.
class DeviceEditDialog : public QDialog
{
    Q_OBJECT

public:
    explicit DeviceEditDialog(const DeviceRecord &record, QWidget *parent = nullptr);

    QString name() const;
    int precision() const;
    int measuringType() const;
    double limitMin() const;
    double limitMax() const;
    // -1 when no unit is chosen (and for instruments that are not keyboard instruments).
    int hidUnit() const;
    int hidDecimals() const;

    // "Міліметри (mm)" ... "Радіани (rad)"; any unknown code reads as millimetres.
    static QString unitText(int code);
    // What the instrument says it is: "Лінійний датчик (0)", "Індикатор", "Динамометр" or "Unknown (n)".
    static QString sensorKindText(quint16 kind);
    // "dd.mm.yyyy", or "—" when the instrument has not reported a date.
    static QString calibrationDateText(const DeviceRecord &record);

    // The fields an instrument shares with a formula, with this dialog's texts: the precision (0-6 decimals),
    // the measuring mode (0-7) and a tolerance limit.
    static QComboBox *precisionCombo(QWidget *parent);
    static QComboBox *modeCombo(QWidget *parent);
    static QDoubleSpinBox *limitSpin(const QString &objectName, QWidget *parent);
    // Presets a combo box to the entry carrying `code`, or to `fallback` when no entry carries it.
    static void selectData(QComboBox *combo, int code, int fallback);

private:
    void onOkClicked();

    QLineEdit *m_nameEdit = nullptr;
    QComboBox *m_hidUnitCombo = nullptr;   // keyboard instruments only
    QSpinBox *m_hidDecimalsSpin = nullptr; // keyboard instruments only
    int m_storedHidDecimals = 2;
    QComboBox *m_precisionCombo = nullptr;
    QComboBox *m_modeCombo = nullptr;
    QDoubleSpinBox *m_limitMinSpin = nullptr;
    QDoubleSpinBox *m_limitMaxSpin = nullptr;
};
