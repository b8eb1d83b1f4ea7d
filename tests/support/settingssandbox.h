#pragma once

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

// A fresh, empty settings folder for as long as the object lives: KOVRAN_SETTINGS_DIR points at a new
// temporary directory and is put back afterwards. Create one per test function (init()), so no test sees
// files another one left behind.
class SettingsSandbox
{
public:
    SettingsSandbox();
    ~SettingsSandbox();
    SettingsSandbox(const SettingsSandbox &) = delete;
    SettingsSandbox &operator=(const SettingsSandbox &) = delete;

    QString path() const { return m_dir.path(); }
    QString filePath(const QString &name) const { return m_dir.filePath(name); }

    bool writeFile(const QString &name, const QByteArray &content) const;
    QByteArray readFile(const QString &name) const;

private:
    QTemporaryDir m_dir;
    bool m_hadPrevious = false;
    QByteArray m_previous;
};
