#pragma once

#include <QString>
#include <QStringList>

// The per-user folder that holds every settings file, the recovery journal and the log.
// KOVRAN_SETTINGS_DIR, when set, replaces it (the simulated bench and the tests use that).
QString settingsFolder();

// Absolute path of a bare file name inside the settings folder. This is the only way to a settings file.
QString settingsFilePath(const QString &name);

// Names that older versions kept next to the executable or in the working directory, in migration order.
QStringList legacySettingsFileNames();

// Copies every legacy file that the settings folder does not have yet from the first location holding it.
// Sources stay where they are. Returns how many copies succeeded.
int copyLegacySettingsFrom(const QStringList &locations);

// Migrates from the executable's directory, then the working directory, and logs how many files came over.
void migrateLegacySettings();
