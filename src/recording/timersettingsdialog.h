#pragma once

#include "devices/devicerecord.h"

#include <QDialog>
#include <QList>
#include <QMap>

class QComboBox;
class QLabel;
class QPushButton;
class QSpinBox;
class QTableWidget;

// Chooses how recording timers run: one synchronous interval for all devices, or an interval per device
// (row r is device index r). Nothing changes until the caller reads the accessors after OK.
class TimerSettingsDialog : public QDialog
{
    Q_OBJECT

public:
    static constexpr int kMaxIntervalMs = 3600000;
    static constexpr int kIntervalStepMs = 100;

    TimerSettingsDialog(bool synchronousMode, int syncIntervalMs, const QList<DeviceRecord> &devices,
                        QWidget *parent = nullptr);

    bool isSynchronous() const; // mode index 0
    int interval() const;
    QMap<int, int> rowIntervals() const; // row (= device index) -> interval in ms

protected:
    void changeEvent(QEvent *event) override;

private:
    void onModeChanged(int index);
    void onResetClicked();
    void retranslate();
    QSpinBox *rowSpin(int row) const;

    QLabel *m_modeLabel = nullptr;
    QComboBox *m_modeCombo = nullptr;
    QLabel *m_intervalLabel = nullptr;
    QSpinBox *m_intervalSpin = nullptr;
    QTableWidget *m_table = nullptr;
    QPushButton *m_resetButton = nullptr;
    QPushButton *m_okButton = nullptr;
    QPushButton *m_cancelButton = nullptr;
};
