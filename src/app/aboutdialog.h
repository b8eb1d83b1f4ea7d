#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

// Help → About: the version, where the settings and the log live, and a button that opens the settings folder
// in the desktop's file manager.
class AboutDialog : public QDialog
{
    Q_OBJECT

public:
    explicit AboutDialog(QWidget *parent = nullptr);

private:
    void openSettingsFolder();
};
