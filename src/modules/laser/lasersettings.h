#pragma once

#include <QWidget>

class QComboBox;
class QLabel;
class QPushButton;

// Chooses the two cameras, the serial port and the baud rate of the laser bore gauge.
class LaserSettings : public QWidget
{
    Q_OBJECT

public:
    static const QStringList &baudRates();

    explicit LaserSettings(QWidget *parent = nullptr);

    // Fills the lists and selects what setting_laser.ini holds; done each time the window opens.
    void loadSettings();

signals:
    void settingsSaved();

public slots:
    void on_SaveButton_clicked();
    void on_ExitButton_clicked();
    void updateCameraLists();

protected:
    void changeEvent(QEvent *event) override;

private:
    void retranslate();

    QComboBox *m_leftCamera = nullptr;
    QComboBox *m_rightCamera = nullptr;
    QComboBox *m_port = nullptr;
    QComboBox *m_speed = nullptr;
    QLabel *m_leftLabel = nullptr;
    QLabel *m_rightLabel = nullptr;
    QLabel *m_portLabel = nullptr;
    QLabel *m_speedLabel = nullptr;
    QPushButton *m_save = nullptr;
    QPushButton *m_exit = nullptr;
};
