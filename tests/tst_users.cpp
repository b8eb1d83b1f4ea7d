#include "app/settingsfolder.h"
#include "modalanswerer.h"
#include "settingssandbox.h"
#include "workspace/deviceregistry.h"
#include "workspace/usereditdialog.h"
#include "workspace/usermanager.h"
#include "workspace/usersdialog.h"

#include <QApplication>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSettings>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include <memory>

namespace {

const QString kStore = QStringLiteral("devices_config.ini");
const QString kProbe = QStringLiteral("Users/probe");

UserManager *users()
{
    return UserManager::instance();
}

QVariant storedValue(const QString &key)
{
    const QSettings settings(settingsFilePath(kStore), QSettings::IniFormat);
    return settings.value(key);
}

void storeValue(const QString &key, const QVariant &value)
{
    QSettings settings(settingsFilePath(kStore), QSettings::IniFormat);
    settings.setValue(key, value);
}

QStringList userIds()
{
    QStringList ids;
    for (const User &user : users()->users())
        ids.append(user.id);
    return ids;
}

QList<int> userRoles()
{
    QList<int> roles;
    for (const User &user : users()->users())
        roles.append(user.role);
    return roles;
}

QStringList userNames()
{
    QStringList names;
    for (const User &user : users()->users())
        names.append(user.name);
    return names;
}

// A Users group as a hand-edited file might hold it. Each entry is "id:role"; without ":role" the entry has
// no role key, and an empty id is written as an empty value.
QByteArray usersIni(const QStringList &entries, int nextId, const QString &current, int size = -1)
{
    QByteArray text = "[Users]\n";
    for (int i = 0; i < entries.size(); ++i) {
        const QStringList parts = entries.at(i).split(QLatin1Char(':'));
        const QByteArray prefix = QByteArray::number(i + 1) + '\\';
        text += prefix + "id=" + parts.first().toUtf8() + '\n';
        text += prefix + "name=N" + QByteArray::number(i + 1) + '\n';
        if (parts.size() > 1)
            text += prefix + "role=" + parts.at(1).toUtf8() + '\n';
    }
    text += "size=" + QByteArray::number(size < 0 ? entries.size() : size) + '\n';
    text += "nextId=" + QByteArray::number(nextId) + "\ncurrent=" + current.toUtf8() + '\n';
    return text;
}

// The administrator of a fresh store (u1) and the operator "Олена" (u2) with four instruments: one each,
// one left behind by a deleted user and one nobody's.
QList<UserDeviceEntry> standardEntries()
{
    users()->addUser(QStringLiteral("Олена"), UserManager::Operator);
    return {
        {0, QStringLiteral("Штангенциркуль"), QStringLiteral("u1")},
        {1, QStringLiteral("Індикатор"), QStringLiteral("u2")},
        {2, QStringLiteral("Мікрометр"), QStringLiteral("u9")},
        {3, QStringLiteral("Динамометр"), QString()},
    };
}

template<typename T> T *child(const QWidget *parent, const char *name)
{
    T *widget = parent->findChild<T *>(QLatin1String(name));
    if (!widget)
        qWarning("no child %s", name);
    return widget;
}

void selectUser(const UsersDialog &dialog, const QString &id)
{
    auto *list = child<QListWidget>(&dialog, "userList");
    for (int row = 0; row < list->count(); ++row) {
        if (list->item(row)->data(Qt::UserRole).toString() == id) {
            list->setCurrentRow(row);
            return;
        }
    }
    QFAIL(qPrintable(QStringLiteral("user %1 is not in the list").arg(id)));
}

QStringList deviceTexts(const UsersDialog &dialog)
{
    QStringList texts;
    auto *list = child<QListWidget>(&dialog, "deviceList");
    for (int row = 0; row < list->count(); ++row)
        texts.append(list->item(row)->text());
    return texts;
}

QList<int> checkedDevices(const UsersDialog &dialog)
{
    QList<int> rows;
    auto *list = child<QListWidget>(&dialog, "deviceList");
    for (int row = 0; row < list->count(); ++row) {
        if (list->item(row)->checkState() == Qt::Checked)
            rows.append(row);
    }
    return rows;
}

void setChecked(const UsersDialog &dialog, int row, bool checked)
{
    child<QListWidget>(&dialog, "deviceList")
        ->item(row)
        ->setCheckState(checked ? Qt::Checked : Qt::Unchecked);
}

QStringList userLines(const UsersDialog &dialog)
{
    QStringList lines;
    auto *list = child<QListWidget>(&dialog, "userList");
    for (int row = 0; row < list->count(); ++row)
        lines.append(list->item(row)->text());
    return lines;
}

} // namespace

class TestUsers : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        m_sandbox = std::make_unique<SettingsSandbox>();
        users()->reload();
    }
    void cleanup() { m_sandbox.reset(); }

    void freshStoreHasOneAdministrator();
    void idsAreNeverReused();
    void loading_data();
    void loading();
    void changes_data();
    void changes();
    void lastAdministratorIsProtected();
    void currentFollowsRemoval_data();
    void currentFollowsRemoval();
    void registryAndUsersShareTheFile_data();
    void registryAndUsersShareTheFile();
    void namesRoundTrip_data();
    void namesRoundTrip();

    void deviceListShowsOwners_data();
    void deviceListShowsOwners();
    void withoutSelectionNothingCanBeAssigned();
    void checkingTakesDeviceFromPreviousOwner();
    void cancelChangesNothing();
    void onlyAdministratorCannotBeDeleted();
    void deleteAsks_data();
    void deleteAsks();
    void addFromTheDialogSelectsTheNewUser();
    void editDialogRoleLock_data();
    void editDialogRoleLock();
    void editDialogApplies();

private:
    std::unique_ptr<SettingsSandbox> m_sandbox;
};

void TestUsers::freshStoreHasOneAdministrator()
{
    QCOMPARE(userIds(), QStringList{QStringLiteral("u1")});
    QCOMPARE(users()->userName(QStringLiteral("u1")), QStringLiteral("Адміністратор"));
    QCOMPARE(users()->roleOf(QStringLiteral("u1")), int(UserManager::Administrator));
    QCOMPARE(users()->current(), QStringLiteral("u1"));

    QCOMPARE(storedValue(QStringLiteral("Users/size")).toInt(), 1);
    QCOMPARE(storedValue(QStringLiteral("Users/1/id")).toString(), QStringLiteral("u1"));
    QCOMPARE(storedValue(QStringLiteral("Users/1/role")).toInt(), 0);
    QCOMPARE(storedValue(QStringLiteral("Users/nextId")).toInt(), 2);
    QCOMPARE(storedValue(QStringLiteral("Users/current")).toString(), QStringLiteral("u1"));

    // Loading the file it just wrote creates nobody else.
    users()->reload();
    QCOMPARE(userIds(), QStringList{QStringLiteral("u1")});
}

void TestUsers::idsAreNeverReused()
{
    QCOMPARE(users()->addUser(QStringLiteral("Олена"), UserManager::Operator), QStringLiteral("u2"));
    QVERIFY(users()->removeUser(QStringLiteral("u2")));
    QCOMPARE(users()->addUser(QStringLiteral("Петро"), UserManager::Operator), QStringLiteral("u3"));

    QVERIFY(users()->removeUser(QStringLiteral("u3")));
    users()->reload();
    QCOMPARE(userIds(), QStringList{QStringLiteral("u1")});
    QCOMPARE(users()->addUser(QStringLiteral("Ірина"), UserManager::Operator), QStringLiteral("u4"));
}

void TestUsers::loading_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QStringList>("ids");
    QTest::addColumn<QList<int>>("roles");
    QTest::addColumn<QString>("current");
    QTest::addColumn<QString>("nextAdded");

    QTest::newRow("missing role reads as operator")
        << usersIni({"u1:0", "u2", "u3:0"}, 4, "u2") << QStringList{"u1", "u2", "u3"} << QList<int>{0, 1, 0}
        << "u2"
        << "u4";
    QTest::newRow("unknown role code reads as operator")
        << usersIni({"u1:0", "u2:7", "u3:-1"}, 4, "u2") << QStringList{"u1", "u2", "u3"}
        << QList<int>{0, 1, 1} << "u2"
        << "u4";
    QTest::newRow("entries with an empty id are skipped")
        << usersIni({"u1:0", ":0", "u2:1"}, 4, "u2") << QStringList{"u1", "u2"} << QList<int>{0, 1} << "u2"
        << "u4";
    QTest::newRow("repeated id keeps the first entry")
        << usersIni({"u1:0", "u1:1", "u2:1"}, 4, "u2") << QStringList{"u1", "u2"} << QList<int>{0, 1} << "u2"
        << "u4";
    QTest::newRow("unknown current becomes the first user")
        << usersIni({"u3:1", "u5:0"}, 6, "u4") << QStringList{"u3", "u5"} << QList<int>{1, 0} << "u3"
        << "u6";
    QTest::newRow("counter below the stored ids is raised")
        << usersIni({"u1:0", "u5:1"}, 2, "u1") << QStringList{"u1", "u5"} << QList<int>{0, 1} << "u1"
        << "u6";
    QTest::newRow("declared size beyond the entries")
        << usersIni({"u1:0"}, 2, "u1", 5000) << QStringList{"u1"} << QList<int>{0} << "u1"
        << "u2";
    QTest::newRow("no usable entry creates the administrator")
        << usersIni({":1"}, 8, "u7") << QStringList{"u1"} << QList<int>{0} << "u1"
        << "u2";
    QTest::newRow("devices only") << QByteArray("[Devices]\n1\\name=X\nsize=1\n") << QStringList{"u1"}
                                  << QList<int>{0} << "u1"
                                  << "u2";
}

void TestUsers::loading()
{
    QFETCH(QByteArray, file);
    QFETCH(QStringList, ids);
    QFETCH(QList<int>, roles);
    QFETCH(QString, current);
    QFETCH(QString, nextAdded);

    QVERIFY(m_sandbox->writeFile(kStore, file));
    QSignalSpy spy(users(), &UserManager::usersChanged);
    users()->reload();
    QCOMPARE(spy.count(), 1);
    QCOMPARE(userIds(), ids);
    QCOMPARE(userRoles(), roles);
    QCOMPARE(users()->current(), current);
    QCOMPARE(storedValue(QStringLiteral("Users/current")).toString(), current);
    QCOMPARE(users()->addUser(QStringLiteral("новий"), UserManager::Operator), nextAdded);
}

void TestUsers::changes_data()
{
    QTest::addColumn<int>("secondRole");
    QTest::addColumn<QString>("action");
    QTest::addColumn<QString>("target");
    QTest::addColumn<bool>("applied");
    QTest::addColumn<int>("adminsAfter");

    const QString u1 = QStringLiteral("u1");
    const QString u2 = QStringLiteral("u2");
    const QString u7 = QStringLiteral("u7");
    QTest::newRow("one of two administrators may be demoted") << 0 << "demote" << u1 << true << 1;
    QTest::newRow("one of two administrators may be removed") << 0 << "remove" << u2 << true << 1;
    QTest::newRow("only administrator cannot be demoted") << 1 << "demote" << u1 << false << 1;
    QTest::newRow("only administrator cannot be removed") << 1 << "remove" << u1 << false << 1;
    QTest::newRow("operator may be promoted") << 1 << "promote" << u2 << true << 2;
    QTest::newRow("operator may be removed") << 1 << "remove" << u2 << true << 1;
    QTest::newRow("unchanged role") << 1 << "demote" << u2 << false << 1;
    QTest::newRow("rename") << 1 << "rename" << u2 << true << 1;
    QTest::newRow("rename to the same name") << 1 << "rename same" << u2 << false << 1;
    QTest::newRow("unknown user promoted") << 1 << "promote" << u7 << false << 1;
    QTest::newRow("unknown user removed") << 1 << "remove" << u7 << false << 1;
    QTest::newRow("unknown user renamed") << 1 << "rename" << u7 << false << 1;
    QTest::newRow("empty id removed") << 1 << "remove" << QString() << false << 1;
}

void TestUsers::changes()
{
    QFETCH(int, secondRole);
    QFETCH(QString, action);
    QFETCH(QString, target);
    QFETCH(bool, applied);
    QFETCH(int, adminsAfter);

    users()->addUser(QStringLiteral("Олена"), secondRole);
    const QList<User> before = users()->users();
    // A save rewrites the whole Users group and so drops this key.
    storeValue(kProbe, 1);
    QSignalSpy spy(users(), &UserManager::usersChanged);

    if (action == QLatin1String("demote"))
        users()->setRole(target, UserManager::Operator);
    else if (action == QLatin1String("promote"))
        users()->setRole(target, UserManager::Administrator);
    else if (action == QLatin1String("remove"))
        QCOMPARE(users()->removeUser(target), applied);
    else if (action == QLatin1String("rename"))
        users()->renameUser(target, QStringLiteral("Олена Коваль"));
    else if (action == QLatin1String("rename same"))
        users()->renameUser(target, QStringLiteral("Олена"));

    QCOMPARE(spy.count(), applied ? 1 : 0);
    QCOMPARE(storedValue(kProbe).isValid(), !applied);
    QCOMPARE(users()->adminCount(), adminsAfter);
    if (!applied) {
        QCOMPARE(users()->users().size(), before.size());
        QCOMPARE(userRoles().first(), before.first().role);
        QCOMPARE(userNames().last(), before.last().name);
    }

    // What is in memory is what the file holds.
    const QStringList ids = userIds();
    const QList<int> roles = userRoles();
    const QStringList names = userNames();
    users()->reload();
    QCOMPARE(userIds(), ids);
    QCOMPARE(userRoles(), roles);
    QCOMPARE(userNames(), names);
}

void TestUsers::lastAdministratorIsProtected()
{
    const QString second = users()->addUser(QStringLiteral("Майстер"), UserManager::Administrator);
    QCOMPARE(users()->adminCount(), 2);

    users()->setRole(second, UserManager::Operator);
    QCOMPARE(users()->roleOf(second), int(UserManager::Operator));

    QSignalSpy spy(users(), &UserManager::usersChanged);
    users()->setRole(QStringLiteral("u1"), UserManager::Operator);
    QVERIFY(!users()->removeUser(QStringLiteral("u1")));
    QCOMPARE(spy.count(), 0);
    QCOMPARE(users()->roleOf(QStringLiteral("u1")), int(UserManager::Administrator));
    QCOMPARE(users()->adminCount(), 1);

    // Promoting the operator again lifts the protection.
    users()->setRole(second, UserManager::Administrator);
    QVERIFY(users()->removeUser(QStringLiteral("u1")));
    QCOMPARE(userIds(), QStringList{second});
}

void TestUsers::currentFollowsRemoval_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QString>("removed");
    QTest::addColumn<QString>("current");

    const QStringList four{"u1:0", "u2:1", "u3:0", "u4:0"};
    QTest::newRow("to the first remaining administrator") << usersIni(four, 5, "u1") << "u1"
                                                          << "u3";
    QTest::newRow("removing someone else keeps it") << usersIni(four, 5, "u2") << "u3"
                                                    << "u2";
    QTest::newRow("current operator removed") << usersIni(four, 5, "u2") << "u2"
                                              << "u1";
    QTest::newRow("no administrator left") << usersIni({"u1:1", "u2:1"}, 3, "u1") << "u1" << QString();
}

void TestUsers::currentFollowsRemoval()
{
    QFETCH(QByteArray, file);
    QFETCH(QString, removed);
    QFETCH(QString, current);

    QVERIFY(m_sandbox->writeFile(kStore, file));
    users()->reload();
    QVERIFY(users()->removeUser(removed));
    QCOMPARE(users()->current(), current);
    QCOMPARE(storedValue(QStringLiteral("Users/current")).toString(), current);
}

void TestUsers::registryAndUsersShareTheFile_data()
{
    QTest::addColumn<bool>("devicesFirst");
    QTest::newRow("devices saved, then users") << true;
    QTest::newRow("users saved, then devices") << false;
}

void TestUsers::registryAndUsersShareTheFile()
{
    QFETCH(bool, devicesFirst);

    storeValue(QStringLiteral("GlobalUnits/Force"), 1);
    storeValue(QStringLiteral("KeyboardEmulation/enabled"), true);

    DeviceRegistry registry;
    DeviceRecord record;
    record.name = QStringLiteral("Динамометр");
    record.portName = QStringLiteral("COM3");
    record.address = 4;
    record.userId = QStringLiteral("u2");
    registry.devices().append(record);

    if (devicesFirst) {
        QVERIFY(registry.saveDevices());
        users()->addUser(QStringLiteral("Олена"), UserManager::Operator);
    } else {
        users()->addUser(QStringLiteral("Олена"), UserManager::Operator);
        QVERIFY(registry.saveDevices());
    }
    // A second round of both must not pile anything up either.
    registry.devices().append(record);
    registry.devices().last().portName = QStringLiteral("COM4");
    QVERIFY(registry.saveDevices());
    users()->renameUser(QStringLiteral("u2"), QStringLiteral("Олена Коваль"));

    DeviceRegistry reloaded;
    QCOMPARE(reloaded.loadDevices(), 0);
    QCOMPARE(reloaded.devices().size(), 2);
    QCOMPARE(reloaded.devices().first().userId, QStringLiteral("u2"));
    users()->reload();
    QCOMPARE(userIds(), (QStringList{"u1", "u2"}));
    QCOMPARE(users()->userName(QStringLiteral("u2")), QStringLiteral("Олена Коваль"));
    QCOMPARE(storedValue(QStringLiteral("Users/nextId")).toInt(), 3);
    QCOMPARE(storedValue(QStringLiteral("GlobalUnits/Force")).toInt(), 1);
    QCOMPARE(storedValue(QStringLiteral("KeyboardEmulation/enabled")).toBool(), true);
}

void TestUsers::namesRoundTrip_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("quotes") << QStringLiteral("Олена \"Старша\" 'зміна'");
    QTest::newRow("angle brackets") << QStringLiteral("<b>Петро</b> & Co");
    QTest::newRow("commas") << QStringLiteral("Коваль, Олена, ВТК");
    QTest::newRow("ini syntax") << QStringLiteral("a=b; c#d [Users] \\ size=9");
    QTest::newRow("placeholders") << QStringLiteral("%1 %2 відділ");
    QTest::newRow("edge blanks") << QStringLiteral("  Ірина  ");
    QTest::newRow("200 characters") << QString(200, QChar(0x0416));
}

void TestUsers::namesRoundTrip()
{
    QFETCH(QString, name);
    const QString id = users()->addUser(name, UserManager::Operator);
    const QString other = users()->addUser(QStringLiteral("Сусід"), UserManager::Administrator);
    users()->reload();
    QCOMPARE(users()->userName(id), name);
    QCOMPARE(users()->userName(other), QStringLiteral("Сусід"));
    QCOMPARE(users()->roleOf(other), int(UserManager::Administrator));
    QCOMPARE(users()->users().size(), 3);
}

void TestUsers::deviceListShowsOwners_data()
{
    QTest::addColumn<QString>("selected");
    QTest::addColumn<QString>("heading");
    QTest::addColumn<QStringList>("texts");
    QTest::addColumn<QList<int>>("checked");

    QTest::newRow("administrator") << "u1" << QStringLiteral("Прилади користувача «Адміністратор»")
                                   << QStringList{QStringLiteral("Штангенциркуль"),
                                                  QStringLiteral("Індикатор  (зараз у «Олена»)"),
                                                  QStringLiteral("Мікрометр  (закріплений за видаленим "
                                                                 "користувачем)"),
                                                  QStringLiteral("Динамометр")}
                                   << QList<int>{0};
    QTest::newRow("operator") << "u2" << QStringLiteral("Прилади користувача «Олена»")
                              << QStringList{QStringLiteral("Штангенциркуль  (зараз у «Адміністратор»)"),
                                             QStringLiteral("Індикатор"),
                                             QStringLiteral("Мікрометр  (закріплений за видаленим "
                                                            "користувачем)"),
                                             QStringLiteral("Динамометр")}
                              << QList<int>{1};
}

void TestUsers::deviceListShowsOwners()
{
    QFETCH(QString, selected);
    QFETCH(QString, heading);
    QFETCH(QStringList, texts);
    QFETCH(QList<int>, checked);

    UsersDialog dialog(standardEntries());
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Користувачі"));
    QCOMPARE(userLines(dialog), (QStringList{QStringLiteral("Адміністратор  —  адміністратор"),
                                             QStringLiteral("Олена  —  оператор")}));
    // The first user is selected from the start.
    QCOMPARE(child<QListWidget>(&dialog, "userList")->currentRow(), 0);

    selectUser(dialog, selected);
    QCOMPARE(child<QLabel>(&dialog, "devicesHeading")->text(), heading);
    QCOMPARE(deviceTexts(dialog), texts);
    QCOMPARE(checkedDevices(dialog), checked);
    QVERIFY(child<QPushButton>(&dialog, "editButton")->isEnabled());
    QVERIFY(child<QPushButton>(&dialog, "deleteButton")->isEnabled());
    QVERIFY(child<QListWidget>(&dialog, "deviceList")->isEnabled());
}

void TestUsers::withoutSelectionNothingCanBeAssigned()
{
    const QList<UserDeviceEntry> entries = standardEntries();
    UsersDialog dialog(entries);
    child<QListWidget>(&dialog, "userList")->clearSelection();

    QCOMPARE(child<QLabel>(&dialog, "devicesHeading")->text(), QStringLiteral("Прилади"));
    QVERIFY(!child<QPushButton>(&dialog, "editButton")->isEnabled());
    QVERIFY(!child<QPushButton>(&dialog, "deleteButton")->isEnabled());
    QVERIFY(child<QPushButton>(&dialog, "addButton")->isEnabled());
    QVERIFY(!child<QListWidget>(&dialog, "deviceList")->isEnabled());
    QCOMPARE(checkedDevices(dialog), QList<int>{});

    // Saving without a selected user keeps every assignment.
    child<QPushButton>(&dialog, "saveButton")->click();
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(dialog.entries(), entries);
}

void TestUsers::checkingTakesDeviceFromPreviousOwner()
{
    const QList<UserDeviceEntry> entries = standardEntries();
    UsersDialog dialog(entries);

    selectUser(dialog, QStringLiteral("u2"));
    setChecked(dialog, 0, true);
    selectUser(dialog, QStringLiteral("u1"));
    QCOMPARE(checkedDevices(dialog), QList<int>{});
    QCOMPARE(deviceTexts(dialog).first(), QStringLiteral("Штангенциркуль  (зараз у «Олена»)"));

    selectUser(dialog, QStringLiteral("u2"));
    QCOMPARE(checkedDevices(dialog), (QList<int>{0, 1}));
    // Unchecking frees the instrument; checking one from a deleted user takes it over. Both are saved
    // without switching users first.
    setChecked(dialog, 1, false);
    setChecked(dialog, 2, true);
    child<QPushButton>(&dialog, "saveButton")->click();

    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QList<UserDeviceEntry> expected = entries;
    expected[0].userId = QStringLiteral("u2");
    expected[1].userId.clear();
    expected[2].userId = QStringLiteral("u2");
    QCOMPARE(dialog.entries(), expected);
}

void TestUsers::cancelChangesNothing()
{
    const QList<UserDeviceEntry> entries = standardEntries();
    const QByteArray file = m_sandbox->readFile(kStore);
    UsersDialog dialog(entries);

    selectUser(dialog, QStringLiteral("u2"));
    setChecked(dialog, 3, true);
    setChecked(dialog, 1, false);
    selectUser(dialog, QStringLiteral("u1"));
    setChecked(dialog, 0, false);
    child<QPushButton>(&dialog, "cancelButton")->click();

    QCOMPARE(dialog.result(), int(QDialog::Rejected));
    QCOMPARE(dialog.entries(), entries);
    QCOMPARE(m_sandbox->readFile(kStore), file);
    QCOMPARE(userIds(), (QStringList{"u1", "u2"}));
}

void TestUsers::onlyAdministratorCannotBeDeleted()
{
    UsersDialog dialog(standardEntries());
    selectUser(dialog, QStringLiteral("u1"));
    QSignalSpy spy(users(), &UserManager::usersChanged);

    ModalAnswerer answerer(QMessageBox::Ok);
    child<QPushButton>(&dialog, "deleteButton")->click();
    QVERIFY(answerer.answered());
    QCOMPARE(answerer.icon(), QMessageBox::Warning);
    QCOMPARE(answerer.text(), QStringLiteral("Це єдиний адміністратор — його видалити не можна. Спершу "
                                             "призначте адміністратором когось іншого."));
    QCOMPARE(spy.count(), 0);
    QCOMPARE(userIds(), (QStringList{"u1", "u2"}));
}

void TestUsers::deleteAsks_data()
{
    QTest::addColumn<QString>("target");
    QTest::addColumn<bool>("checkAnother");
    QTest::addColumn<QMessageBox::StandardButton>("answer");
    QTest::addColumn<QString>("question");

    const QString owner = QStringLiteral("Видалити користувача «Олена»?");
    QTest::newRow("owner of one instrument")
        << "u2" << false << QMessageBox::Yes
        << owner + "\n\nЗакріплені за ним прилади (1) стануть нічийними.";
    QTest::newRow("check marks not switched away from count")
        << "u2" << true << QMessageBox::Yes << owner + "\n\nЗакріплені за ним прилади (2) стануть нічийними.";
    QTest::newRow("answered no") << "u2" << false << QMessageBox::No
                                 << owner + "\n\nЗакріплені за ним прилади (1) стануть нічийними.";
    QTest::newRow("owns nothing") << "u3" << false << QMessageBox::Yes
                                  << QStringLiteral("Видалити користувача «Петро %1»?");
    QTest::newRow("second administrator")
        << "u1" << false << QMessageBox::Yes
        << QStringLiteral("Видалити користувача «Адміністратор»?\n\nЗакріплені за ним прилади (1) стануть "
                          "нічийними.");
}

void TestUsers::deleteAsks()
{
    QFETCH(QString, target);
    QFETCH(bool, checkAnother);
    QFETCH(QMessageBox::StandardButton, answer);
    QFETCH(QString, question);

    const QList<UserDeviceEntry> entries = standardEntries();
    users()->addUser(QStringLiteral("Петро %1"), UserManager::Administrator);
    UsersDialog dialog(entries);
    selectUser(dialog, target);
    if (checkAnother)
        setChecked(dialog, 3, true);

    ModalAnswerer answerer(answer);
    child<QPushButton>(&dialog, "deleteButton")->click();
    QVERIFY(answerer.answered());
    QCOMPARE(answerer.icon(), QMessageBox::Question);
    QCOMPARE(answerer.title(), QStringLiteral("Видалення"));
    QCOMPARE(answerer.text(), question);

    const bool removed = answer == QMessageBox::Yes;
    QCOMPARE(users()->contains(target), !removed);
    QCOMPARE(userLines(dialog).size(), removed ? 2 : 3);
    auto *list = child<QListWidget>(&dialog, "userList");
    QCOMPARE(list->item(list->currentRow())->data(Qt::UserRole).toString(),
             removed ? users()->users().first().id : target);
    if (removed && target == QLatin1String("u2")) {
        // The instruments stay behind with the id of a user who no longer exists.
        QCOMPARE(deviceTexts(dialog).at(1),
                 QStringLiteral("Індикатор  (закріплений за видаленим користувачем)"));
    }
}

void TestUsers::addFromTheDialogSelectsTheNewUser()
{
    UsersDialog dialog(standardEntries());
    selectUser(dialog, QStringLiteral("u2"));

    bool filled = false;
    QTimer filler;
    filler.setInterval(10);
    connect(&filler, &QTimer::timeout, this, [&] {
        auto *edit = qobject_cast<UserEditDialog *>(QApplication::activeModalWidget());
        if (!edit)
            return;
        filler.stop();
        filled = true;
        QCOMPARE(edit->windowTitle(), QStringLiteral("Новий користувач"));
        child<QLineEdit>(edit, "nameEdit")->setText(QStringLiteral("Тарас"));
        auto *roles = child<QComboBox>(edit, "roleBox");
        roles->setCurrentIndex(roles->findData(int(UserManager::Administrator)));
        child<QDialogButtonBox>(edit, "buttonBox")->button(QDialogButtonBox::Ok)->click();
    });
    filler.start();
    child<QPushButton>(&dialog, "addButton")->click();

    QVERIFY(filled);
    QCOMPARE(userLines(dialog).last(), QStringLiteral("Тарас  —  адміністратор"));
    QCOMPARE(child<QListWidget>(&dialog, "userList")->currentRow(), 2);
    QCOMPARE(child<QLabel>(&dialog, "devicesHeading")->text(), QStringLiteral("Прилади користувача «Тарас»"));
    QCOMPARE(users()->roleOf(QStringLiteral("u3")), int(UserManager::Administrator));
}

void TestUsers::editDialogRoleLock_data()
{
    QTest::addColumn<int>("secondRole");
    QTest::addColumn<QString>("edited");
    QTest::addColumn<QString>("title");
    QTest::addColumn<bool>("locked");

    QTest::newRow("only administrator") << 1 << "u1" << QStringLiteral("Користувач") << true;
    QTest::newRow("one of two administrators") << 0 << "u1" << QStringLiteral("Користувач") << false;
    QTest::newRow("operator") << 1 << "u2" << QStringLiteral("Користувач") << false;
    QTest::newRow("new user") << 1 << QString() << QStringLiteral("Новий користувач") << false;
}

void TestUsers::editDialogRoleLock()
{
    QFETCH(int, secondRole);
    QFETCH(QString, edited);
    QFETCH(QString, title);
    QFETCH(bool, locked);

    users()->addUser(QStringLiteral("Олена"), secondRole);
    std::unique_ptr<UserEditDialog> dialog =
        edited.isEmpty() ? std::make_unique<UserEditDialog>() : std::make_unique<UserEditDialog>(edited);
    QCOMPARE(dialog->windowTitle(), title);
    QCOMPARE(child<QComboBox>(dialog.get(), "roleBox")->isEnabled(), !locked);
    auto *note = child<QLabel>(dialog.get(), "onlyAdminNote");
    QCOMPARE(note->isHidden(), !locked);
    QCOMPARE(note->text(), QStringLiteral("Це єдиний адміністратор — роль змінити не можна, інакше керувати "
                                          "користувачами стане нікому."));
    QCOMPARE(child<QLineEdit>(dialog.get(), "nameEdit")->text(), users()->userName(edited));
}

void TestUsers::editDialogApplies()
{
    users()->addUser(QStringLiteral("Олена"), UserManager::Operator);

    UserEditDialog added;
    auto *ok = child<QDialogButtonBox>(&added, "buttonBox")->button(QDialogButtonBox::Ok);
    auto *name = child<QLineEdit>(&added, "nameEdit");
    QCOMPARE(name->placeholderText(), QStringLiteral("ім'я або посада"));
    QVERIFY(!ok->isEnabled());
    name->setText(QStringLiteral("   "));
    QVERIFY(!ok->isEnabled());
    name->setText(QStringLiteral("  Тарас  "));
    QVERIFY(ok->isEnabled());
    ok->click();
    QCOMPARE(added.result(), int(QDialog::Accepted));
    QCOMPARE(added.userId(), QStringLiteral("u3"));
    QCOMPARE(users()->userName(QStringLiteral("u3")), QStringLiteral("Тарас"));
    QCOMPARE(users()->roleOf(QStringLiteral("u3")), int(UserManager::Operator));

    UserEditDialog edited(QStringLiteral("u2"));
    child<QLineEdit>(&edited, "nameEdit")->setText(QStringLiteral("Олена Коваль"));
    auto *roles = child<QComboBox>(&edited, "roleBox");
    roles->setCurrentIndex(roles->findData(int(UserManager::Administrator)));
    QSignalSpy spy(users(), &UserManager::usersChanged);
    edited.accept();
    QCOMPARE(spy.count(), 2);
    QCOMPARE(users()->userName(QStringLiteral("u2")), QStringLiteral("Олена Коваль"));
    QCOMPARE(users()->roleOf(QStringLiteral("u2")), int(UserManager::Administrator));

    // Cancelling applies nothing.
    UserEditDialog cancelled(QStringLiteral("u2"));
    child<QLineEdit>(&cancelled, "nameEdit")->setText(QStringLiteral("Інше"));
    cancelled.reject();
    QCOMPARE(users()->userName(QStringLiteral("u2")), QStringLiteral("Олена Коваль"));
    QCOMPARE(users()->users().size(), 3);
}

QTEST_MAIN(TestUsers)
#include "tst_users.moc"
