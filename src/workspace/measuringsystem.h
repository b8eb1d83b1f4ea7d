#pragma once

#include "deviceregistry.h"

#include <QMainWindow>

class QLabel;

// The multi-instrument workspace window.
class MeasuringSystem : public QMainWindow
{
    Q_OBJECT

public:
    explicit MeasuringSystem(QWidget *parent = nullptr);

    DeviceRegistry &registry() { return m_registry; }
    QList<DeviceRecord> &devices() { return m_registry.devices(); }

    void loadDevices();
    void saveDevices();
    void loadAdapters();
    void saveAdapters();

private:
    void retranslate();

    DeviceRegistry m_registry;
    QLabel *m_summary = nullptr;
};
