#pragma once

#include <QDialog>

class QComboBox;

// First step of adding an instrument: the user picks how it is connected, and the workspace then runs
// the dialog of that kind.
class DeviceTypeDialog : public QDialog
{
    Q_OBJECT

public:
    explicit DeviceTypeDialog(QWidget *parent = nullptr);

    // Connection kind code (ConnectionKind) of the current entry.
    int selectedType() const;

private:
    QComboBox *m_typeCombo = nullptr;
};
