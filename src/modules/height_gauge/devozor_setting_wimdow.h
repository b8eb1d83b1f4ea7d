#pragma once

#include <QWidget>

class QComboBox;
class QLineEdit;
class QPushButton;

// The height gauge's settings: user speed, display unit, base value and laser threshold.
class Devozor_setting_wimdow : public QWidget
{
    Q_OBJECT

public:
    explicit Devozor_setting_wimdow(QWidget *parent = nullptr);

signals:
    void sendDevozor_Setting_parametrs(double base_val, quint8 speed, bool isInch, double threshold_laser);
    void sendChange_uints(bool isInch);
    void NeedSaveParametrs();

public slots:
    void GetParametrs(double base_val, quint8 speed, bool isInch, double threshold_laser);
    void on_pushButton_clicked();
    void on_Uint_Button_clicked();

private:
    void showUnit();

    QComboBox *m_speed = nullptr;
    QPushButton *m_unit = nullptr;
    QLineEdit *m_base = nullptr;
    QLineEdit *m_threshold = nullptr;
    bool m_inch = false;
};
