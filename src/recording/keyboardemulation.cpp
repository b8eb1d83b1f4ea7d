#include "keyboardemulation.h"

#include "app/settingsfolder.h"

#include <QDebug>
#include <QSettings>

namespace {

const char *const kFileName = "devices_config.ini";
const char *const kGroup = "KeyboardEmulation";

struct State
{
    KeyboardEmulationSettings settings;
    bool loaded = false;
    std::unique_ptr<KeystrokeSink> sink;
    bool unavailableLogged = false;
};

State &state()
{
    static State instance;
    return instance;
}

KeyboardEmulationSettings readSettings()
{
    const KeyboardEmulationSettings defaults;
    QSettings file(settingsFilePath(QString::fromLatin1(kFileName)), QSettings::IniFormat);
    file.beginGroup(QString::fromLatin1(kGroup));
    KeyboardEmulationSettings settings;
    settings.enabled = file.value(QStringLiteral("enabled"), defaults.enabled).toBool();
    settings.separator = file.value(QStringLiteral("separator"), defaults.separator).toInt();
    settings.terminator = file.value(QStringLiteral("terminator"), defaults.terminator).toInt();
    settings.commaDecimal = file.value(QStringLiteral("commaDecimal"), defaults.commaDecimal).toBool();
    return settings;
}

void sendKeyCode(KeystrokeSink &sink, int code)
{
    switch (code) {
    case EmulationKey::Tab:
        sink.sendVirtualKey(VirtualKey::Tab);
        break;
    case EmulationKey::Space:
        sink.sendUnicodeChar(u' ');
        break;
    case EmulationKey::Enter:
        sink.sendVirtualKey(VirtualKey::Return);
        break;
    default:
        break;
    }
}

void sendText(KeystrokeSink &sink, const QString &text)
{
    for (const QChar ch : text)
        sink.sendUnicodeChar(ch.unicode());
}

// The sink to type into, or nullptr when typing is off or impossible.
KeystrokeSink *typingSink()
{
    if (!keyboardEmulationSettings().enabled)
        return nullptr;
    KeystrokeSink &sink = keystrokeSink();
    if (sink.isAvailable())
        return &sink;
    if (!state().unavailableLogged) {
        state().unavailableLogged = true;
        qDebug() << "[INFO] keyboard emulation is on but cannot type:" << sink.unavailableReason();
    }
    return nullptr;
}

} // namespace

const KeyboardEmulationSettings &keyboardEmulationSettings()
{
    State &s = state();
    if (!s.loaded) {
        s.settings = readSettings();
        s.loaded = true;
    }
    return s.settings;
}

void saveKeyboardEmulationSettings(const KeyboardEmulationSettings &settings)
{
    State &s = state();
    s.settings = settings;
    s.loaded = true;

    QSettings file(settingsFilePath(QString::fromLatin1(kFileName)), QSettings::IniFormat);
    file.beginGroup(QString::fromLatin1(kGroup));
    file.setValue(QStringLiteral("enabled"), settings.enabled);
    file.setValue(QStringLiteral("separator"), settings.separator);
    file.setValue(QStringLiteral("terminator"), settings.terminator);
    file.setValue(QStringLiteral("commaDecimal"), settings.commaDecimal);
    file.endGroup();
    file.sync();
    if (file.status() != QSettings::NoError)
        qDebug() << "[налаштування] cannot write keyboard emulation settings to" << file.fileName();
}

void reloadKeyboardEmulationSettings()
{
    state().settings = readSettings();
    state().loaded = true;
}

QString formatTypedValue(double value, int digits)
{
    QString text = QString::number(value, 'f', qMax(0, digits));
    if (keyboardEmulationSettings().commaDecimal)
        text.replace(QLatin1Char('.'), QLatin1Char(','));
    return text;
}

void typeValue(const QString &text)
{
    KeystrokeSink *sink = typingSink();
    if (!sink)
        return;
    sendText(*sink, text);
    sendKeyCode(*sink, keyboardEmulationSettings().terminator);
}

void typeFields(const QStringList &texts)
{
    if (texts.isEmpty())
        return;
    KeystrokeSink *sink = typingSink();
    if (!sink)
        return;
    const KeyboardEmulationSettings &settings = keyboardEmulationSettings();
    for (int i = 0; i < texts.size(); ++i) {
        if (i > 0)
            sendKeyCode(*sink, settings.separator);
        sendText(*sink, texts.at(i));
    }
    sendKeyCode(*sink, settings.terminator);
}

KeystrokeSink &keystrokeSink()
{
    State &s = state();
    if (!s.sink)
        s.sink = createPlatformKeystrokeSink();
    return *s.sink;
}

void setKeystrokeSink(std::unique_ptr<KeystrokeSink> sink)
{
    state().sink = std::move(sink);
    state().unavailableLogged = false;
}
