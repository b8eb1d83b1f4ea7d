#pragma once

#include <QDialog>
#include <QList>
#include <QString>

class QLabel;
class QListWidget;
class QPushButton;

// One instrument as the users dialog sees it: its index in the workspace's device list, its name and the
// id of the user it is assigned to (empty: nobody).
struct UserDeviceEntry
{
    int deviceIndex = -1;
    QString deviceName;
    QString userId;

    bool operator==(const UserDeviceEntry &other) const
    {
        return deviceIndex == other.deviceIndex && deviceName == other.deviceName && userId == other.userId;
    }
};

// Edits the users (through UserManager, at once) and which instruments each one owns (in a working list the
// workspace reads back after "Зберегти"). An instrument belongs to at most one user: checking it for the
// selected user takes it from its previous owner.
class UsersDialog : public QDialog
{
    Q_OBJECT

public:
    explicit UsersDialog(const QList<UserDeviceEntry> &entries, QWidget *parent = nullptr);

    // The edited working list once the dialog was accepted; the list it was given when it was cancelled.
    QList<UserDeviceEntry> entries() const { return m_entries; }

    void done(int result) override;

private:
    QString selectedUserId() const;
    // Writes the check marks of the user shown on the right into the working list.
    void commitChecks();
    void rebuildUsers(const QString &selectId);
    void showDevices();
    void onSelectionChanged();
    void addUser();
    void editUser();
    void deleteUser();

    QList<UserDeviceEntry> m_original;
    QList<UserDeviceEntry> m_entries;
    QString m_shownUserId; // whose check marks the device list holds

    QListWidget *m_userList = nullptr;
    QPushButton *m_addButton = nullptr;
    QPushButton *m_editButton = nullptr;
    QPushButton *m_deleteButton = nullptr;
    QLabel *m_devicesHeading = nullptr;
    QListWidget *m_deviceList = nullptr;
};
