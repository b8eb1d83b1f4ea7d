#include "usereditdialog.h"

#include "usermanager.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
const char *const kNoteStyle = "color: #888; font-size: 12px;";
}

UserEditDialog::UserEditDialog(QWidget *parent)
    : QDialog(parent)
{
    build();
    setWindowTitle(tr("Новий користувач"));
    m_roleBox->setCurrentIndex(m_roleBox->findData(int(UserManager::Operator)));
    updateOkButton();
}

UserEditDialog::UserEditDialog(const QString &userId, QWidget *parent)
    : QDialog(parent)
    , m_userId(userId)
{
    build();
    setWindowTitle(tr("Користувач"));
    const UserManager *users = UserManager::instance();
    m_nameEdit->setText(users->userName(userId));
    m_roleBox->setCurrentIndex(m_roleBox->findData(users->roleOf(userId)));
    const bool onlyAdmin = users->isOnlyAdministrator(userId);
    m_roleBox->setEnabled(!onlyAdmin);
    m_onlyAdminNote->setVisible(onlyAdmin);
    updateOkButton();
}

void UserEditDialog::build()
{
    auto *layout = new QVBoxLayout(this);
    auto *form = new QFormLayout;
    layout->addLayout(form);

    m_nameEdit = new QLineEdit(this);
    m_nameEdit->setObjectName(QStringLiteral("nameEdit"));
    m_nameEdit->setPlaceholderText(tr("ім'я або посада"));
    form->addRow(tr("Ім'я:"), m_nameEdit);

    m_roleBox = new QComboBox(this);
    m_roleBox->setObjectName(QStringLiteral("roleBox"));
    for (int role : {int(UserManager::Administrator), int(UserManager::Operator)})
        m_roleBox->addItem(UserManager::roleName(role), role);
    form->addRow(tr("Роль:"), m_roleBox);

    m_onlyAdminNote = new QLabel(
        tr("Це єдиний адміністратор — роль змінити не можна, інакше керувати користувачами стане нікому."),
        this);
    m_onlyAdminNote->setObjectName(QStringLiteral("onlyAdminNote"));
    m_onlyAdminNote->setStyleSheet(QLatin1String(kNoteStyle));
    m_onlyAdminNote->setWordWrap(true);
    m_onlyAdminNote->setVisible(false);
    layout->addWidget(m_onlyAdminNote);

    m_buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    m_buttons->setObjectName(QStringLiteral("buttonBox"));
    layout->addWidget(m_buttons);
    connect(m_buttons, &QDialogButtonBox::accepted, this, &UserEditDialog::accept);
    connect(m_buttons, &QDialogButtonBox::rejected, this, &UserEditDialog::reject);
    connect(m_nameEdit, &QLineEdit::textChanged, this, &UserEditDialog::updateOkButton);

    setMinimumWidth(360);
}

QString UserEditDialog::name() const
{
    return m_nameEdit->text().trimmed();
}

int UserEditDialog::role() const
{
    return m_roleBox->currentData().toInt();
}

void UserEditDialog::updateOkButton()
{
    // A user without a name could not be told apart in the list or on a card.
    m_buttons->button(QDialogButtonBox::Ok)->setEnabled(!name().isEmpty());
}

void UserEditDialog::accept()
{
    if (name().isEmpty())
        return;
    UserManager *users = UserManager::instance();
    if (m_userId.isEmpty()) {
        m_userId = users->addUser(name(), role());
    } else {
        users->renameUser(m_userId, name());
        users->setRole(m_userId, role());
    }
    QDialog::accept();
}
