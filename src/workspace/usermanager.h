#pragma once

#include <QList>
#include <QObject>
#include <QString>

// One named user. There is no log-in: a user only says whose instrument a card is.
struct User
{
    QString id; // "u<number>", never reused within one settings file
    QString name;
    int role = 1; // UserManager::Role
};

// The users of the workspace, kept in the `Users` group of devices_config.ini (the device registry owns the
// `Devices` group of the same file, so a save here touches nothing outside `Users`). One object per process.
// Every applied change saves the whole store and emits usersChanged(); a refused change does neither.
class UserManager : public QObject
{
    Q_OBJECT

public:
    enum Role { Administrator = 0, Operator = 1 };

    // Created and loaded on first use, never destroyed.
    static UserManager *instance();

    QList<User> users() const { return m_users; }
    QString current() const { return m_current; }
    bool contains(const QString &id) const { return indexOf(id) >= 0; }

    // Returns the new user's id.
    QString addUser(const QString &name, int role);
    // Unknown ids and unchanged names are ignored.
    void renameUser(const QString &id, const QString &name);
    // An administrator becomes an operator only while another administrator remains.
    void setRole(const QString &id, int role);
    // False (and nothing changes) for an unknown id or the only administrator.
    bool removeUser(const QString &id);

    int adminCount() const;
    // True when the user is the one administrator left: it can be neither demoted nor removed.
    bool isOnlyAdministrator(const QString &id) const;
    int roleOf(const QString &id) const;       // Operator when the id is unknown
    QString userName(const QString &id) const; // empty when the id is unknown
    static QString roleName(int role);

    // Reads the store again from devices_config.ini (the settings folder may have changed).
    void reload();

signals:
    void usersChanged();

private:
    UserManager();

    int indexOf(const QString &id) const;
    void load();
    bool save() const;
    void changed();

    QList<User> m_users;
    int m_nextId = 1;
    QString m_current;
};
