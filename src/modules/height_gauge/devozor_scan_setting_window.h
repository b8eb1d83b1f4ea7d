#pragma once

#include <QWidget>

class QLineEdit;

// Step, upper and lower limit of the scan cycle.
class devozor_scan_setting_window : public QWidget
{
    Q_OBJECT

public:
    explicit devozor_scan_setting_window(QWidget *parent = nullptr);

signals:
    void SendScanParametrs(double step_scaning, double min_scaning, double max_scaning);

public slots:
    void on_pushButton_clicked();

private:
    QLineEdit *m_step = nullptr;
    QLineEdit *m_max = nullptr;
    QLineEdit *m_min = nullptr;
};
