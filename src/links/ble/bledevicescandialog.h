#pragma once

#include <QBluetoothDeviceInfo>
#include <QDialog>
#include <QHash>
#include <QList>
#include <QString>

class QBluetoothDeviceDiscoveryAgent;
class QLabel;
class QListWidget;
class QListWidgetItem;
class QPushButton;

// Finds Bluetooth LE instruments nearby and lets the user pick one or more of them. Only instruments
// recognised by their advertised name can be picked; the others are listed greyed out so the user sees
// the scan did reach them.
class BleDeviceScanDialog : public QDialog
{
    Q_OBJECT

public:
    // How long one low-energy scan runs.
    static constexpr int kDiscoveryTimeoutMs = 8000;
    // Background of a picked row.
    static constexpr int kSelectedRed = 198;
    static constexpr int kSelectedGreen = 235;
    static constexpr int kSelectedBlue = 205;

    // Scans with the system's default adapter.
    explicit BleDeviceScanDialog(QWidget *parent = nullptr);
    // Scans with the given agent (for another adapter); the dialog takes ownership of it.
    explicit BleDeviceScanDialog(QBluetoothDeviceDiscoveryAgent *agent, QWidget *parent = nullptr);
    ~BleDeviceScanDialog() override;

    // The picked instruments in list order. The caller derives each protocol from the name.
    QList<QBluetoothDeviceInfo> selectedDevices() const;

public slots:
    void onDeviceDiscovered(const QBluetoothDeviceInfo &info);
    void onScanFinished();
    void onScanError();
    void startScan();
    void updateAddButtonState();
    void onItemClicked(QListWidgetItem *item);

private:
    void styleItem(QListWidgetItem *item, const QBluetoothDeviceInfo &info);
    static QString deviceKey(const QBluetoothDeviceInfo &info);

    QBluetoothDeviceDiscoveryAgent *m_agent = nullptr;
    QLabel *m_status = nullptr;
    QListWidget *m_list = nullptr;
    QPushButton *m_refresh = nullptr;
    QPushButton *m_add = nullptr;
    QPushButton *m_cancel = nullptr;
    // One entry per row, same index.
    QList<QBluetoothDeviceInfo> m_devices;
    QHash<QString, int> m_rowByKey;
};
