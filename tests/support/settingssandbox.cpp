#include "settingssandbox.h"

#include <QFile>

namespace {
const char *const kVariable = "KOVRAN_SETTINGS_DIR";
}

SettingsSandbox::SettingsSandbox()
    : m_hadPrevious(qEnvironmentVariableIsSet(kVariable))
    , m_previous(qgetenv(kVariable))
{
    qputenv(kVariable, m_dir.path().toLocal8Bit());
}

SettingsSandbox::~SettingsSandbox()
{
    if (m_hadPrevious)
        qputenv(kVariable, m_previous);
    else
        qunsetenv(kVariable);
}

bool SettingsSandbox::writeFile(const QString &name, const QByteArray &content) const
{
    QFile file(filePath(name));
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(content) == content.size();
}

QByteArray SettingsSandbox::readFile(const QString &name) const
{
    QFile file(filePath(name));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}
