#pragma once

#include "platform/keystrokesink.h"

#include <QString>
#include <QStringList>

#include <memory>

// Typing every recorded value into the program that has the keyboard focus (a spreadsheet, a form).
struct KeyboardEmulationSettings
{
    bool enabled = false;
    int separator = 1;  // key code between the values of one multi record
    int terminator = 3; // key code after the last value
    bool commaDecimal = false;

    bool operator==(const KeyboardEmulationSettings &other) const
    {
        return enabled == other.enabled && separator == other.separator && terminator == other.terminator &&
               commaDecimal == other.commaDecimal;
    }
};

// Key codes of separator and terminator; any other code types nothing.
namespace EmulationKey {
constexpr int Nothing = 0;
constexpr int Tab = 1;
constexpr int Space = 2;
constexpr int Enter = 3;
} // namespace EmulationKey

// The process-wide settings, read from group KeyboardEmulation of devices_config.ini on first use.
const KeyboardEmulationSettings &keyboardEmulationSettings();
// Replaces the process-wide settings and writes all four keys; the rest of the file stays as it is.
void saveKeyboardEmulationSettings(const KeyboardEmulationSettings &settings);
// Reads the file again (a test with a fresh settings folder).
void reloadKeyboardEmulationSettings();

// Fixed notation with `digits` decimals; a comma instead of the point when commaDecimal is set.
QString formatTypedValue(double value, int digits);
// One value and the terminator (a mono record). Nothing while disabled.
void typeValue(const QString &text);
// Values with the separator between them, then the terminator (a multi record). Nothing while disabled.
void typeFields(const QStringList &texts);

// The process-wide sink, the platform's own unless a test installed another.
KeystrokeSink &keystrokeSink();
// Installs a sink (tests record with one); nullptr drops the current one, the next use makes a fresh one.
void setKeystrokeSink(std::unique_ptr<KeystrokeSink> sink);
