#pragma once

#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>

#include <memory>

// One keyboard attached to the computer.
struct KeyboardDevice
{
    // Stable across replugging and restarts. Sections are separated by '#': a bus prefix, the hardware
    // identifier (VID_xxxx&PID_xxxx... for USB devices), the instance identifier and a class suffix.
    QString path;
    // "<product>  [VID_xxxx PID_xxxx | <instance>]" for the keyboard chooser.
    QString displayName;
};

// Per-keyboard keystrokes from the operating system: which physical keyboard sent which key. One backend
// per operating system is compiled in (createPlatformKeyboardBackend); the keyboard instrument manager
// turns the keystrokes into lines. Everything happens on the GUI thread.
class KeyboardInputBackend : public QObject
{
    Q_OBJECT

public:
    using QObject::QObject;

    // The keyboards attached now, in the order the system lists them.
    virtual QList<KeyboardDevice> keyboards() = 0;

    // The keyboards whose keys are instrument data: their keystrokes are reported, and kept from every other
    // receiver. Called often (every second, and at each change); only a change costs anything, and a
    // watched keyboard that could not be read is tried again.
    virtual void setWatched(const QStringList &paths) = 0;

    // While on, the keystrokes of every keyboard are reported as well, without keeping them from anyone,
    // so that the instrument can be found by pressing its button.
    virtual void setListeningToAll(bool on) = 0;

    // True when keyboards are attached but this user may read none of them (on Linux: not in the `input`
    // group). The chooser explains the fix.
    virtual bool keyboardsUnreadable() const { return false; }

signals:
    // One key press or release: the PC/AT set-1 make code and the extended (E0) flag.
    void keystroke(const QString &path, quint32 scanCode, bool extended, bool keyUp);
    // Keyboards were plugged in or removed.
    void keyboardsChanged();
};

// The backend of this build, with the given parent.
KeyboardInputBackend *createPlatformKeyboardBackend(QObject *parent);
