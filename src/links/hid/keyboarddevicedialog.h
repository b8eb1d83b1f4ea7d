#pragma once

#include <QDialog>
#include <QStringList>

struct DeviceRecord;
class QComboBox;
class QLabel;
class QPushButton;
class QSpinBox;

// Connects a keyboard instrument: the user picks the keyboard the instrument types through (or lets the
// next press of the instrument's data button pick it), sets the unit and decimals the instrument types
// in, and sees each line it sends as a live check.
class KeyboardDeviceDialog : public QDialog
{
    Q_OBJECT

public:
    static constexpr int kUnitCount = 6;

    // `devices`: the workspace's instruments; those connected as keyboards are already taken.
    KeyboardDeviceDialog(const QList<DeviceRecord> &devices, QWidget *parent = nullptr);
    ~KeyboardDeviceDialog() override;

    QString devicePath() const;
    int unitCode() const;
    int decimals() const;

    // "Міліметри (mm)" ... "Радіани (rad)" for unit codes 0-5; any other code reads as millimetres.
    static QString unitText(int code);

public slots:
    void refreshKeyboards();
    void onLearnClicked();
    void onKeyboardActivity(const QString &path);
    void onLineReceived(const QString &path, const QString &line);
    void updateWatchedDevices();
    void onAcceptClicked();

private:
    void showAccessProblem();

    QStringList m_registered;
    QComboBox *m_keyboards = nullptr;
    QPushButton *m_learn = nullptr;
    QLabel *m_status = nullptr;
    QComboBox *m_unit = nullptr;
    QSpinBox *m_decimals = nullptr;
    QLabel *m_test = nullptr;
};
