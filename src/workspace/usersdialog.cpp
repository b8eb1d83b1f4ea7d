#include "usersdialog.h"

#include "usereditdialog.h"
#include "usermanager.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include <algorithm>

namespace {
const char *const kNoteStyle = "color: #888; font-size: 12px;";
// User items carry the user id, device items the index into the working list.
const int kDataRole = Qt::UserRole;
} // namespace

UsersDialog::UsersDialog(const QList<UserDeviceEntry> &entries, QWidget *parent)
    : QDialog(parent)
    , m_original(entries)
    , m_entries(entries)
{
    setWindowTitle(tr("Користувачі"));

    auto *layout = new QVBoxLayout(this);
    auto *columns = new QHBoxLayout;
    layout->addLayout(columns, 1);

    auto *left = new QVBoxLayout;
    columns->addLayout(left, 2);
    m_userList = new QListWidget(this);
    m_userList->setObjectName(QStringLiteral("userList"));
    m_userList->setSelectionMode(QAbstractItemView::SingleSelection);
    left->addWidget(m_userList, 1);
    auto *userButtons = new QHBoxLayout;
    left->addLayout(userButtons);
    m_addButton = new QPushButton(tr("Додати"), this);
    m_addButton->setObjectName(QStringLiteral("addButton"));
    m_editButton = new QPushButton(tr("Змінити"), this);
    m_editButton->setObjectName(QStringLiteral("editButton"));
    m_deleteButton = new QPushButton(tr("Видалити"), this);
    m_deleteButton->setObjectName(QStringLiteral("deleteButton"));
    for (QPushButton *button : {m_addButton, m_editButton, m_deleteButton}) {
        button->setAutoDefault(false);
        userButtons->addWidget(button);
    }

    auto *right = new QVBoxLayout;
    columns->addLayout(right, 3);
    m_devicesHeading = new QLabel(this);
    m_devicesHeading->setObjectName(QStringLiteral("devicesHeading"));
    right->addWidget(m_devicesHeading);
    m_deviceList = new QListWidget(this);
    m_deviceList->setObjectName(QStringLiteral("deviceList"));
    right->addWidget(m_deviceList, 1);
    auto *note = new QLabel(tr("Прилад належить одному користувачеві: якщо позначити його тут, він "
                               "автоматично зніметься з попереднього власника."),
                            this);
    note->setObjectName(QStringLiteral("ownershipNote"));
    note->setStyleSheet(QLatin1String(kNoteStyle));
    note->setWordWrap(true);
    right->addWidget(note);

    auto *buttons = new QDialogButtonBox(this);
    QPushButton *save = buttons->addButton(tr("Зберегти"), QDialogButtonBox::AcceptRole);
    save->setObjectName(QStringLiteral("saveButton"));
    QPushButton *cancel = buttons->addButton(tr("Скасувати"), QDialogButtonBox::RejectRole);
    cancel->setObjectName(QStringLiteral("cancelButton"));
    layout->addWidget(buttons);

    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(m_userList, &QListWidget::itemSelectionChanged, this, &UsersDialog::onSelectionChanged);
    connect(m_userList, &QListWidget::itemDoubleClicked, this, &UsersDialog::editUser);
    connect(m_addButton, &QPushButton::clicked, this, &UsersDialog::addUser);
    connect(m_editButton, &QPushButton::clicked, this, &UsersDialog::editUser);
    connect(m_deleteButton, &QPushButton::clicked, this, &UsersDialog::deleteUser);
    // Keeps the names and roles current whoever changes them.
    connect(UserManager::instance(), &UserManager::usersChanged, this,
            [this] { rebuildUsers(selectedUserId()); });

    rebuildUsers(QString());
    resize(760, 440);
}

void UsersDialog::done(int result)
{
    if (result == QDialog::Accepted)
        commitChecks();
    else
        m_entries = m_original;
    QDialog::done(result);
}

QString UsersDialog::selectedUserId() const
{
    const QList<QListWidgetItem *> selected = m_userList->selectedItems();
    return selected.isEmpty() ? QString() : selected.first()->data(kDataRole).toString();
}

void UsersDialog::commitChecks()
{
    if (m_shownUserId.isEmpty())
        return;
    for (int row = 0; row < m_deviceList->count(); ++row) {
        const QListWidgetItem *item = m_deviceList->item(row);
        UserDeviceEntry &entry = m_entries[item->data(kDataRole).toInt()];
        if (item->checkState() == Qt::Checked)
            entry.userId = m_shownUserId;
        else if (entry.userId == m_shownUserId)
            entry.userId.clear();
    }
}

void UsersDialog::rebuildUsers(const QString &selectId)
{
    commitChecks();
    {
        const QSignalBlocker blocker(m_userList);
        m_userList->clear();
        int selectRow = 0;
        const QList<User> users = UserManager::instance()->users();
        for (const User &user : users) {
            auto *item =
                new QListWidgetItem(tr("%1  —  %2").arg(user.name, UserManager::roleName(user.role)));
            item->setData(kDataRole, user.id);
            if (user.id == selectId)
                selectRow = m_userList->count();
            m_userList->addItem(item);
        }
        if (m_userList->count() > 0) {
            m_userList->setCurrentRow(selectRow);
            m_userList->item(selectRow)->setSelected(true);
        }
    }
    m_shownUserId = selectedUserId();
    showDevices();
}

void UsersDialog::onSelectionChanged()
{
    commitChecks();
    m_shownUserId = selectedUserId();
    showDevices();
}

void UsersDialog::showDevices()
{
    const UserManager *users = UserManager::instance();
    const bool haveUser = !m_shownUserId.isEmpty();
    m_editButton->setEnabled(haveUser);
    m_deleteButton->setEnabled(haveUser);
    m_devicesHeading->setText(haveUser ? tr("Прилади користувача «%1»").arg(users->userName(m_shownUserId))
                                       : tr("Прилади"));

    m_deviceList->clear();
    for (int i = 0; i < m_entries.size(); ++i) {
        const UserDeviceEntry &entry = m_entries.at(i);
        QString text = entry.deviceName;
        const bool mine = haveUser && entry.userId == m_shownUserId;
        if (!entry.userId.isEmpty() && !mine) {
            const QString note = users->contains(entry.userId)
                                     ? tr("(зараз у «%1»)").arg(users->userName(entry.userId))
                                     : tr("(закріплений за видаленим користувачем)");
            text += QStringLiteral("  ") + note;
        }
        auto *item = new QListWidgetItem(text);
        item->setData(kDataRole, i);
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable);
        item->setCheckState(mine ? Qt::Checked : Qt::Unchecked);
        m_deviceList->addItem(item);
    }
    // Without a user there is nobody to assign to.
    m_deviceList->setEnabled(haveUser);
}

void UsersDialog::addUser()
{
    UserEditDialog dialog(this);
    if (dialog.exec() == QDialog::Accepted)
        rebuildUsers(dialog.userId());
}

void UsersDialog::editUser()
{
    const QString id = selectedUserId();
    if (id.isEmpty())
        return;
    UserEditDialog dialog(id, this);
    if (dialog.exec() == QDialog::Accepted)
        rebuildUsers(id);
}

void UsersDialog::deleteUser()
{
    const QString id = selectedUserId();
    if (id.isEmpty())
        return;
    UserManager *users = UserManager::instance();
    if (users->isOnlyAdministrator(id)) {
        QMessageBox::warning(this, windowTitle(),
                             tr("Це єдиний адміністратор — його видалити не можна. Спершу призначте "
                                "адміністратором когось іншого."));
        return;
    }

    // Count what the user owns including check marks not committed yet.
    commitChecks();
    const auto owned = std::count_if(m_entries.cbegin(), m_entries.cend(),
                                     [&id](const UserDeviceEntry &entry) { return entry.userId == id; });
    QString question = tr("Видалити користувача «%1»?").arg(users->userName(id));
    if (owned > 0)
        question += tr("\n\nЗакріплені за ним прилади (%1) стануть нічийними.").arg(owned);
    if (QMessageBox::question(this, tr("Видалення"), question) != QMessageBox::Yes)
        return;
    users->removeUser(id);
    rebuildUsers(QString());
}
