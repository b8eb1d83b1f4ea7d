#include "app/settingsfolder.h"
#include "devices/deviceregistry.h"
#include "modalanswerer.h"
#include "settingssandbox.h"
#include "workspace/usereditdialog.h"
#include "workspace/usermanager.h"
#include "workspace/usersdialog.h"

#include <QApplication>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSettings>
#include <QSignalSpy>
#include <QTest>

#include <memory>

namespace {

const QString kStore = QStringLiteral("devices_config.ini");

UserManager *users()
{
    return UserManager::instance();
}

QVariant storedValue(const QString &key)
{
    return QSettings(settingsFilePath(kStore), QSettings::IniFormat).value(key);
}

void storeValue(const QString &key, const QVariant &value)
{
    QSettings(settingsFilePath(kStore), QSettings::IniFormat).setValue(key, value);
}

// Every user as "id:role", or "id:role:name".
QStringList snapshot(bool withNames = false)
{
    QStringList out;
    for (const User &user : users()->users())
        out.append(user.id + ':' + QString::number(user.role) + (withNames ? ':' + user.name : QString()));
    return out;
}

// A hand-edited Users group. Each entry is "id:role"; without ":role" the entry has no role key.
QByteArray usersIni(const QStringList &entries, int nextId, const QString &current, qint64 size = -1)
{
    QByteArray text = "[Users]\n";
    for (int i = 0; i < entries.size(); ++i) {
        const QStringList parts = entries.at(i).split(QLatin1Char(':'));
        text += QByteArray::number(i + 1) + "\\id=" + parts.first().toUtf8() + '\n';
        if (parts.size() > 1)
            text += QByteArray::number(i + 1) + "\\role=" + parts.at(1).toUtf8() + '\n';
    }
    return text + "size=" + QByteArray::number(size < 0 ? entries.size() : size) +
           "\nnextId=" + QByteArray::number(nextId) + "\ncurrent=" + current.toUtf8() + '\n';
}

// u1 (the administrator of a fresh store) owns device 0, operator u2 device 1, device 2 belongs to a deleted
// user and device 3 to nobody.
QList<UserDeviceEntry> standardEntries()
{
    users()->addUser(QStringLiteral("Олена"), UserManager::Operator);
    return {{0, QStringLiteral("Штангенциркуль"), QStringLiteral("u1")},
            {1, QStringLiteral("Індикатор"), QStringLiteral("u2")},
            {2, QStringLiteral("Мікрометр"), QStringLiteral("u9")},
            {3, QStringLiteral("Динамометр"), QString()}};
}

template<typename T> T *child(const QObject *parent, const char *name)
{
    return parent->findChild<T *>(QLatin1String(name));
}

void selectUser(const UsersDialog &dialog, const QString &id)
{
    auto *list = child<QListWidget>(&dialog, "userList");
    for (int row = 0; row < list->count(); ++row) {
        if (list->item(row)->data(Qt::UserRole).toString() == id)
            list->setCurrentRow(row);
    }
}

// The device list's check marks, one character a row: 'x' checked, '.' not; setMarks() sets them alike.
QString marks(const UsersDialog &dialog)
{
    QString text;
    auto *list = child<QListWidget>(&dialog, "deviceList");
    for (int row = 0; row < list->count(); ++row)
        text += QLatin1Char(list->item(row)->checkState() == Qt::Checked ? 'x' : '.');
    return text;
}

void setMarks(const UsersDialog &dialog, const QString &text)
{
    auto *list = child<QListWidget>(&dialog, "deviceList");
    for (int row = 0; row < text.size(); ++row)
        list->item(row)->setCheckState(text.at(row) == QLatin1Char('x') ? Qt::Checked : Qt::Unchecked);
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

    void freshStoreAndIdsNeverReused();
    void loadingAndCurrent_data();
    void loadingAndCurrent();
    void changes_data();
    void changes();
    void registryAndUsersShareTheFile();

    void checkingTakesDeviceFromPreviousOwner();
    void cancelOrSaveWithoutUserKeepsAssignments();
    void deleteFromTheDialog_data();
    void deleteFromTheDialog();
    void editDialog();

private:
    std::unique_ptr<SettingsSandbox> m_sandbox;
};

void TestUsers::freshStoreAndIdsNeverReused()
{
    QCOMPARE(snapshot(), QStringList{"u1:0"});
    QCOMPARE(users()->current(), QStringLiteral("u1"));
    QCOMPARE(storedValue(QStringLiteral("Users/nextId")).toInt(), 2);
    users()->reload(); // loading the file it just wrote creates nobody else
    QCOMPARE(snapshot(), QStringList{"u1:0"});

    QCOMPARE(users()->addUser(QStringLiteral("Олена"), UserManager::Operator), QStringLiteral("u2"));
    QVERIFY(users()->removeUser(QStringLiteral("u2")));
    QCOMPARE(users()->addUser(QStringLiteral("Петро"), UserManager::Operator), QStringLiteral("u3"));
    QVERIFY(users()->removeUser(QStringLiteral("u3")));
    users()->reload();
    QCOMPARE(users()->addUser(QStringLiteral("Ірина"), UserManager::Operator), QStringLiteral("u4"));
}

void TestUsers::loadingAndCurrent_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QString>("removed"); // removed after loading, if set
    QTest::addColumn<QStringList>("left");
    QTest::addColumn<QString>("current");
    QTest::addColumn<int>("nextNumber");

    const QStringList four{"u1:0", "u2:1", "u3:0", "u4:0"};
    QTest::newRow("missing or unknown role, empty or repeated id")
        << usersIni({"u1:0", "u2", ":0", "u1:1", "u3:7"}, 4, "u2") << QString()
        << QStringList{"u1:0", "u2:1", "u3:1"} << "u2" << 4;
    QTest::newRow("unknown current, counter below the ids")
        << usersIni({"u3:1", "u5:0"}, 2, "u4") << QString() << QStringList{"u3:1", "u5:0"} << "u3" << 6;
    QTest::newRow("huge declared size")
        << usersIni({"u1:0"}, 2, "u1", 2147483647) << QString() << QStringList{"u1:0"} << "u1" << 2;
    QTest::newRow("no usable entry creates the administrator")
        << usersIni({":1"}, 8, "u7") << QString() << QStringList{"u1:0"} << "u1" << 2;
    QTest::newRow("current removed: first remaining administrator")
        << usersIni(four, 5, "u1") << "u1" << QStringList{"u2:1", "u3:0", "u4:0"} << "u3" << 5;
    QTest::newRow("someone else removed: current stays")
        << usersIni(four, 5, "u2") << "u3" << QStringList{"u1:0", "u2:1", "u4:0"} << "u2" << 5;
    QTest::newRow("current removed, no administrator left")
        << usersIni({"u1:1", "u2:1"}, 3, "u1") << "u1" << QStringList{"u2:1"} << QString() << 3;
}

void TestUsers::loadingAndCurrent()
{
    QFETCH(QByteArray, file);
    QFETCH(QString, removed);
    QFETCH(QStringList, left);
    QFETCH(QString, current);
    QFETCH(int, nextNumber);

    QVERIFY(m_sandbox->writeFile(kStore, file));
    users()->reload();
    if (!removed.isEmpty())
        QVERIFY(users()->removeUser(removed));
    QCOMPARE(snapshot(), left);
    QCOMPARE(users()->current(), current);
    QCOMPARE(storedValue(QStringLiteral("Users/current")).toString(), current);
    QCOMPARE(users()->addUser(QStringLiteral("новий"), UserManager::Operator),
             QStringLiteral("u%1").arg(nextNumber));
}

void TestUsers::changes_data()
{
    QTest::addColumn<int>("secondRole");
    QTest::addColumn<QString>("action");
    QTest::addColumn<QString>("target");
    QTest::addColumn<bool>("applied");

    QTest::newRow("one of two administrators may be demoted") << 0 << "demote"
                                                              << "u1" << true;
    QTest::newRow("one of two administrators may be removed") << 0 << "remove"
                                                              << "u2" << true;
    QTest::newRow("only administrator cannot be demoted") << 1 << "demote"
                                                          << "u1" << false;
    QTest::newRow("only administrator cannot be removed") << 1 << "remove"
                                                          << "u1" << false;
    QTest::newRow("operator may be promoted") << 1 << "promote"
                                              << "u2" << true;
    QTest::newRow("rename") << 1 << "rename"
                            << "u2" << true;
    QTest::newRow("rename to the same name") << 1 << "rename same"
                                             << "u2" << false;
    QTest::newRow("unknown user removed") << 1 << "remove"
                                          << "u7" << false;
}

void TestUsers::changes()
{
    QFETCH(int, secondRole);
    QFETCH(QString, action);
    QFETCH(QString, target);
    QFETCH(bool, applied);

    users()->addUser(QStringLiteral("Олена"), secondRole);
    const QStringList before = snapshot(true);
    storeValue(QStringLiteral("Users/probe"), 1); // a save rewrites the whole Users group, dropping this key
    QSignalSpy spy(users(), &UserManager::usersChanged);

    if (action == QLatin1String("demote") || action == QLatin1String("promote"))
        users()->setRole(target, action == QLatin1String("demote") ? UserManager::Operator
                                                                   : UserManager::Administrator);
    else if (action == QLatin1String("remove"))
        QCOMPARE(users()->removeUser(target), applied);
    else
        users()->renameUser(target, action == QLatin1String("rename") ? QStringLiteral("Олена Коваль")
                                                                      : QStringLiteral("Олена"));

    QCOMPARE(spy.count(), applied ? 1 : 0);
    QCOMPARE(storedValue(QStringLiteral("Users/probe")).isValid(), !applied);
    QCOMPARE(snapshot(true) != before, applied);
    const QStringList inMemory = snapshot(true);
    users()->reload();
    QCOMPARE(snapshot(true), inMemory);
}

void TestUsers::registryAndUsersShareTheFile()
{
    storeValue(QStringLiteral("GlobalUnits/Force"), 1);
    DeviceRegistry registry, reloaded;
    DeviceRecord record;
    record.name = QStringLiteral("Динамометр");
    record.userId = QStringLiteral("u2");
    registry.devices().append(record);

    // Two rounds in which each store saves right after the other; every save keeps what the other wrote.
    QVERIFY(registry.saveDevices());
    users()->addUser(QStringLiteral("Олена"), UserManager::Operator);
    QCOMPARE(reloaded.loadDevices(), 0);
    QCOMPARE(reloaded.devices().size(), 1);

    record.portName = QStringLiteral("COM4");
    registry.devices().append(record);
    QVERIFY(registry.saveDevices());
    users()->reload();
    QCOMPARE(snapshot(), (QStringList{"u1:0", "u2:1"}));
    QCOMPARE(storedValue(QStringLiteral("Users/nextId")).toInt(), 3);

    users()->renameUser(QStringLiteral("u2"), QStringLiteral("Олена Коваль"));
    QCOMPARE(reloaded.loadDevices(), 0);
    QCOMPARE(reloaded.devices().size(), 2);
    QCOMPARE(reloaded.devices().first().userId, QStringLiteral("u2"));
    QCOMPARE(storedValue(QStringLiteral("GlobalUnits/Force")).toInt(), 1);
}

void TestUsers::checkingTakesDeviceFromPreviousOwner()
{
    const QList<UserDeviceEntry> entries = standardEntries();
    UsersDialog dialog(entries);
    selectUser(dialog, QStringLiteral("u2"));
    QCOMPARE(marks(dialog), QStringLiteral(".x.."));
    setMarks(dialog, QStringLiteral("xx.."));
    selectUser(dialog, QStringLiteral("u1"));
    QCOMPARE(marks(dialog), QStringLiteral("...."));
    selectUser(dialog, QStringLiteral("u2"));
    QCOMPARE(marks(dialog), QStringLiteral("xx.."));
    // Unchecking frees an instrument, checking a deleted user's one takes it over; saved without switching.
    setMarks(dialog, QStringLiteral("x.x."));
    child<QPushButton>(&dialog, "saveButton")->click();

    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QList<UserDeviceEntry> expected = entries;
    expected[0].userId = expected[2].userId = QStringLiteral("u2");
    expected[1].userId.clear();
    QCOMPARE(dialog.entries(), expected);
}

void TestUsers::cancelOrSaveWithoutUserKeepsAssignments()
{
    const QList<UserDeviceEntry> entries = standardEntries();
    const QByteArray file = m_sandbox->readFile(kStore);
    UsersDialog dialog(entries);
    selectUser(dialog, QStringLiteral("u2"));
    setMarks(dialog, QStringLiteral("...x"));
    selectUser(dialog, QStringLiteral("u1"));
    setMarks(dialog, QStringLiteral("xx.."));
    child<QPushButton>(&dialog, "cancelButton")->click();

    QCOMPARE(dialog.result(), int(QDialog::Rejected));
    QCOMPARE(dialog.entries(), entries);
    QCOMPARE(m_sandbox->readFile(kStore), file);

    // Saving while no user is selected must not touch any assignment.
    UsersDialog unselected(entries);
    child<QListWidget>(&unselected, "userList")->clearSelection();
    child<QPushButton>(&unselected, "saveButton")->click();
    QCOMPARE(unselected.entries(), entries);
}

void TestUsers::deleteFromTheDialog_data()
{
    QTest::addColumn<bool>("secondAdmin");
    QTest::addColumn<QString>("target");
    QTest::addColumn<QString>("checks"); // check marks set before deleting
    QTest::addColumn<QMessageBox::StandardButton>("answer");
    QTest::addColumn<int>("owned"); // -1: the only-administrator warning instead of the question

    QTest::newRow("only administrator: warning") << false << "u1" << QString() << QMessageBox::Ok << -1;
    QTest::newRow("second administrator") << true << "u1" << QString() << QMessageBox::Yes << 1;
    QTest::newRow("owner of one instrument") << true << "u2" << QString() << QMessageBox::Yes << 1;
    QTest::newRow("unsaved check marks count") << true << "u2"
                                               << ".x.x" << QMessageBox::Yes << 2;
    QTest::newRow("answered no") << true << "u2" << QString() << QMessageBox::No << 1;
    QTest::newRow("owns nothing") << true << "u3" << QString() << QMessageBox::Yes << 0;
}

void TestUsers::deleteFromTheDialog()
{
    QFETCH(bool, secondAdmin);
    QFETCH(QString, target);
    QFETCH(QString, checks);
    QFETCH(QMessageBox::StandardButton, answer);
    QFETCH(int, owned);

    const QList<UserDeviceEntry> entries = standardEntries();
    if (secondAdmin)
        users()->addUser(QStringLiteral("Петро %1"), UserManager::Administrator);
    UsersDialog dialog(entries);
    selectUser(dialog, target);
    setMarks(dialog, checks);

    ModalAnswerer answerer(answer);
    child<QPushButton>(&dialog, "deleteButton")->click();
    QVERIFY(answerer.answered());
    QCOMPARE(answerer.icon(), owned < 0 ? QMessageBox::Warning : QMessageBox::Question);
    // The question names the user and, only when there are any, how many instruments lose their owner.
    QVERIFY(owned < 0 || answerer.text().contains(users()->userName(target)));
    QCOMPARE(answerer.text().contains(QStringLiteral("(%1)").arg(owned)), owned > 0);

    QCOMPARE(users()->contains(target), answer != QMessageBox::Yes);
    QCOMPARE(child<QListWidget>(&dialog, "userList")->count(), int(users()->users().size()));
}

void TestUsers::editDialog()
{
    users()->addUser(QStringLiteral("Олена"), UserManager::Operator);
    {
        // The only administrator's role cannot be changed; the note saying so is shown.
        UserEditDialog only(QStringLiteral("u1"));
        QVERIFY(!child<QComboBox>(&only, "roleBox")->isEnabled());
        QVERIFY(!child<QWidget>(&only, "onlyAdminNote")->isHidden());
    }

    UserEditDialog edited(QStringLiteral("u2"));
    auto *ok = edited.findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Ok);
    child<QLineEdit>(&edited, "nameEdit")->setText(QStringLiteral("   "));
    QVERIFY(!ok->isEnabled());
    child<QLineEdit>(&edited, "nameEdit")->setText(QStringLiteral("  Олена Коваль  "));
    auto *roles = child<QComboBox>(&edited, "roleBox");
    roles->setCurrentIndex(roles->findData(int(UserManager::Administrator)));
    ok->click();
    QCOMPARE(snapshot(true).last(), QStringLiteral("u2:0:Олена Коваль"));
}

QTEST_MAIN(TestUsers)
#include "tst_users.moc"
