#pragma once

#include <QDebug>
#include <QSettings>
#include <QStringList>

#include <algorithm>

// Number of entries worth reading from an array that beginReadArray() has just opened. The size key is
// only trusted as far as numbered entries exist, so a damaged size cannot make the load run away.
inline int readableArraySize(QSettings &settings, int declaredSize)
{
    int highest = 0;
    const QStringList groups = settings.childGroups();
    for (const QString &group : groups) {
        bool ok = false;
        const int number = group.toInt(&ok);
        if (ok && number > highest)
            highest = number;
    }
    return std::clamp(declaredSize, 0, highest);
}

// Writes the settings out. A FormatError is left over from reading a damaged file; QSettings writes the file
// out whole regardless, and only an AccessError means the write itself failed.
inline bool finishSettingsWrite(QSettings &settings, const char *what)
{
    settings.sync();
    if (settings.status() != QSettings::AccessError)
        return true;
    qWarning().noquote() << "[налаштування] не вдалося записати" << what << settings.fileName();
    return false;
}
