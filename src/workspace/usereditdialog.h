#pragma once

#include <QDialog>
#include <QString>

class QComboBox;
class QDialogButtonBox;
class QLabel;
class QLineEdit;

// Adds a user ("Новий користувач") or edits one ("Користувач"): name and role. Accepting applies the change
// to UserManager. The only administrator's role box is locked, so nobody can lock themselves out.
class UserEditDialog : public QDialog
{
    Q_OBJECT

public:
    // A dialog for a new user.
    explicit UserEditDialog(QWidget *parent = nullptr);
    // A dialog for the existing user `userId`.
    explicit UserEditDialog(const QString &userId, QWidget *parent = nullptr);

    // The edited user; for a new user the id it got, once the dialog was accepted.
    QString userId() const { return m_userId; }
    QString name() const;
    int role() const;

    void accept() override;

private:
    void build();
    void updateOkButton();

    QString m_userId;
    QLineEdit *m_nameEdit = nullptr;
    QComboBox *m_roleBox = nullptr;
    QLabel *m_onlyAdminNote = nullptr;
    QDialogButtonBox *m_buttons = nullptr;
};
