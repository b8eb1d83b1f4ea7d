#pragma once

#include "devices/deviceregistry.h"

#include <QDialog>
#include <QList>

class QComboBox;
class QListWidget;
class QPushButton;

// Edits the workspace's list of RS-485 adapters (serial port + baud rate) in place. The caller saves the
// list once the dialog is closed.
class ModbusSettingsDialog : public QDialog
{
    Q_OBJECT

public:
    explicit ModbusSettingsDialog(QList<ModbusAdapter> &adapters, QWidget *parent = nullptr);

private:
    void addAdapter();
    void removeSelected();
    void refreshList();

    QList<ModbusAdapter> &m_adapters;
    QComboBox *m_portCombo = nullptr;
    QComboBox *m_speedCombo = nullptr;
    QListWidget *m_adapterList = nullptr;
};
