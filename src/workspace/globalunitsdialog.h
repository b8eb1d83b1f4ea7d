#pragma once

#include <QDialog>

class QComboBox;
class QFormLayout;

// The unit every instrument of a category shows: linear instruments, angle meters and dynamometers each
// choose between two units (0 or 1).
class GlobalUnitsDialog : public QDialog
{
    Q_OBJECT

public:
    struct Choice
    {
        int linear = 0;
        int angle = 0;
        int force = 0;
    };

    explicit GlobalUnitsDialog(const Choice &current, QWidget *parent = nullptr);

    Choice choice() const;

private:
    QComboBox *addRow(QFormLayout *form, const QString &label, const QString &first, const QString &second,
                      int current, const char *objectName);

    QComboBox *m_linear = nullptr;
    QComboBox *m_angle = nullptr;
    QComboBox *m_force = nullptr;
};
