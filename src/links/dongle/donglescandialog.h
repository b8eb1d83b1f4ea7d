#pragma once

#include <QDialog>
#include <QHash>
#include <QList>
#include <QPair>
#include <QString>

class DongleLink;
class QComboBox;
class QLabel;
class QListWidget;
class QListWidgetItem;
class QPushButton;
class QTimer;

// Adds instruments reached through a USB dongle: offers the dongles of one kind that still have room,
// scans through the chosen one for a while, lists what it hears (unrecognised names greyed out) and returns
// the picked instruments with the dongle's port.
class DongleDeviceScanDialog : public QDialog
{
    Q_OBJECT

public:
    static constexpr int kScanMs = 10000;

    // `kind` is the connection kind of the instruments (3 nRF, 4 BLED112); `link` the dongles' manager.
    DongleDeviceScanDialog(int kind, DongleLink *link, QWidget *parent = nullptr);
    ~DongleDeviceScanDialog() override;

    QString selectedPort() const;
    // Address and name of every picked row, in list order.
    QList<QPair<QString, QString>> selectedDevices() const;

public slots:
    void fillDongleList();
    void startScan();
    void onScanFinished();
    void onDeviceDiscovered(const QString &address, const QString &name, int rssi);
    void onItemClicked(QListWidgetItem *item);

private:
    void onRefreshClicked();
    void updateAddButton();

    DongleLink *m_link;
    QComboBox *m_dongles = nullptr;
    QLabel *m_status = nullptr;
    QListWidget *m_list = nullptr;
    QPushButton *m_refresh = nullptr;
    QPushButton *m_add = nullptr;
    QTimer *m_scanTimer = nullptr;
    bool m_scanning = false;
    QHash<QString, QString> m_found; // recognised instruments heard in this scan: address -> name
};
