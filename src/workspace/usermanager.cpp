#include "usermanager.h"

#include "app/settingsfolder.h"
#include "devices/settingsfile.h"

#include <QDebug>
#include <QSet>
#include <QSettings>

#include <algorithm>

namespace {

const QString kGroup = QStringLiteral("Users");
const QString kNextIdKey = QStringLiteral("Users/nextId");
const QString kCurrentKey = QStringLiteral("Users/current");

QString storeFile()
{
    return settingsFilePath(QStringLiteral("devices_config.ini"));
}

// Anything but the administrator code is an operator, so a damaged role can never add an administrator.
int normalRole(int role)
{
    return role == UserManager::Administrator ? UserManager::Administrator : UserManager::Operator;
}

// The number in "u<number>", or 0 for an id of another shape.
int idNumber(const QString &id)
{
    if (!id.startsWith(QLatin1Char('u')))
        return 0;
    bool ok = false;
    const int number = id.mid(1).toInt(&ok);
    return ok && number > 0 ? number : 0;
}

} // namespace

UserManager::UserManager()
{
    load();
}

UserManager *UserManager::instance()
{
    static UserManager *const manager = new UserManager;
    return manager;
}

void UserManager::reload()
{
    load();
    emit usersChanged();
}

void UserManager::load()
{
    m_users.clear();
    m_current.clear();

    QSettings settings(storeFile(), QSettings::IniFormat);
    const int size = readableArraySize(settings, settings.beginReadArray(kGroup));
    QSet<QString> seen;
    int highestNumber = 0;
    for (int i = 0; i < size; ++i) {
        settings.setArrayIndex(i);
        User user;
        user.id = settings.value(QStringLiteral("id")).toString();
        if (user.id.isEmpty() || seen.contains(user.id))
            continue;
        seen.insert(user.id);
        user.name = settings.value(QStringLiteral("name")).toString();
        user.role = normalRole(settings.value(QStringLiteral("role"), int(Operator)).toInt());
        highestNumber = std::max(highestNumber, idNumber(user.id));
        m_users.append(user);
    }
    settings.endArray();
    m_nextId = std::max(1, settings.value(kNextIdKey, 1).toInt());
    m_current = settings.value(kCurrentKey).toString();

    // A hand-edited counter must not hand out an id that is still in the file.
    if (m_nextId <= highestNumber) {
        qDebug().noquote() << "[налаштування] лічильник користувачів" << m_nextId << "піднято до"
                           << highestNumber + 1;
        m_nextId = highestNumber + 1;
    }

    bool dirty = false;
    if (m_users.isEmpty()) {
        // Somebody has to be able to manage users.
        m_nextId = 1;
        m_users.append(User{QStringLiteral("u%1").arg(m_nextId++), tr("Адміністратор"), Administrator});
        dirty = true;
    }
    if (!contains(m_current)) {
        m_current = m_users.first().id;
        dirty = true;
    }
    if (dirty)
        save();
}

bool UserManager::save() const
{
    QSettings settings(storeFile(), QSettings::IniFormat);
    settings.remove(kGroup);
    settings.beginWriteArray(kGroup, int(m_users.size()));
    for (int i = 0; i < m_users.size(); ++i) {
        const User &user = m_users.at(i);
        settings.setArrayIndex(i);
        settings.setValue(QStringLiteral("name"), user.name);
        settings.setValue(QStringLiteral("role"), user.role);
        settings.setValue(QStringLiteral("id"), user.id);
    }
    settings.endArray();
    settings.setValue(kNextIdKey, m_nextId);
    settings.setValue(kCurrentKey, m_current);
    settings.sync();
    if (settings.status() == QSettings::NoError)
        return true;
    qWarning().noquote() << "[налаштування] не вдалося записати користувачів" << settings.fileName();
    return false;
}

void UserManager::changed()
{
    save();
    emit usersChanged();
}

int UserManager::indexOf(const QString &id) const
{
    if (id.isEmpty())
        return -1;
    for (int i = 0; i < m_users.size(); ++i) {
        if (m_users.at(i).id == id)
            return i;
    }
    return -1;
}

QString UserManager::addUser(const QString &name, int role)
{
    const QString id = QStringLiteral("u%1").arg(m_nextId++);
    m_users.append(User{id, name, normalRole(role)});
    changed();
    return id;
}

void UserManager::renameUser(const QString &id, const QString &name)
{
    const int index = indexOf(id);
    if (index < 0 || m_users.at(index).name == name)
        return;
    m_users[index].name = name;
    changed();
}

void UserManager::setRole(const QString &id, int role)
{
    const int index = indexOf(id);
    role = normalRole(role);
    if (index < 0 || m_users.at(index).role == role)
        return;
    if (role == Operator && adminCount() < 2)
        return;
    m_users[index].role = role;
    changed();
}

bool UserManager::removeUser(const QString &id)
{
    const int index = indexOf(id);
    if (index < 0 || isOnlyAdministrator(id))
        return false;
    m_users.removeAt(index);
    if (m_current == id) {
        m_current.clear();
        for (const User &user : qAsConst(m_users)) {
            if (user.role == Administrator) {
                m_current = user.id;
                break;
            }
        }
    }
    changed();
    return true;
}

int UserManager::adminCount() const
{
    return int(std::count_if(m_users.cbegin(), m_users.cend(),
                             [](const User &user) { return user.role == Administrator; }));
}

bool UserManager::isOnlyAdministrator(const QString &id) const
{
    return roleOf(id) == Administrator && adminCount() < 2;
}

int UserManager::roleOf(const QString &id) const
{
    const int index = indexOf(id);
    return index < 0 ? int(Operator) : m_users.at(index).role;
}

QString UserManager::userName(const QString &id) const
{
    const int index = indexOf(id);
    return index < 0 ? QString() : m_users.at(index).name;
}

QString UserManager::roleName(int role)
{
    return role == Administrator ? tr("адміністратор") : tr("оператор");
}
