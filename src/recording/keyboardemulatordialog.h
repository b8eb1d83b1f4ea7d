#pragma once

#include <QDialog>

class QCheckBox;
class QComboBox;
class QLineEdit;

// Edits the keyboard emulation settings and types a test record (two values) into its own test field.
class KeyboardEmulatorDialog : public QDialog
{
    Q_OBJECT

public:
    // How long the test button waits before typing, so the key release of the click is over.
    static constexpr int kTestTypingDelayMs = 150;

    explicit KeyboardEmulatorDialog(QWidget *parent = nullptr);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void applySettings();
    void typeTestRecord();

    QCheckBox *m_enabledCheck = nullptr;
    QComboBox *m_separatorCombo = nullptr;
    QComboBox *m_terminatorCombo = nullptr;
    QComboBox *m_decimalCombo = nullptr;
    QLineEdit *m_testEdit = nullptr;
};
