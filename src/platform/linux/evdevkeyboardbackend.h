#pragma once

#include "evdevkeyboards.h"
#include "platform/keyboardinputbackend.h"

#include <QHash>
#include <QSet>

class EvdevReader;
class QSocketNotifier;
class QTimer;
struct udev;
struct udev_monitor;

// Linux: keyboards are the input devices with digit keys that udev lists; each is read from its
// /dev/input/event* node through a QSocketNotifier, only while it is watched or while every keyboard is
// listened to. A watched keyboard is grabbed (EVIOCGRAB) so that no other program, the X server included,
// sees its keys. Reading the nodes needs membership of the `input` group.
class EvdevKeyboardBackend : public KeyboardInputBackend
{
    Q_OBJECT

public:
    explicit EvdevKeyboardBackend(QObject *parent = nullptr);
    ~EvdevKeyboardBackend() override;

    QList<KeyboardDevice> keyboards() override;
    void setWatched(const QStringList &paths) override;
    void setListeningToAll(bool on) override;
    bool keyboardsUnreadable() const override { return m_unreadable; }

private:
    void enumerate();
    void onUdevEvent();
    void onVirtualPoll();
    void updateReaders();
    bool openReader(const EvdevKeyboard &keyboard);
    void closeReader(const QString &path);

    udev *m_udev = nullptr;
    udev_monitor *m_monitor = nullptr;
    QSocketNotifier *m_monitorNotifier = nullptr;
    QTimer *m_rescan = nullptr;      // coalesces the burst of events one plug makes
    QTimer *m_virtualPoll = nullptr; // virtual keyboards come and go with their files
    QString m_virtualList;
    QStringList m_virtualPresent;
    QList<EvdevKeyboard> m_keyboards;
    QSet<QString> m_watched;
    bool m_listeningToAll = false;
    bool m_unreadable = false;
    QHash<QString, EvdevReader *> m_readers; // by path
    QSet<QString> m_reportedFailures;        // paths whose failed open was logged
};

// One keyboard node being read: input_event records in, keystrokes out.
class EvdevReader : public QObject
{
    Q_OBJECT

public:
    // Takes the descriptor (non-blocking) and closes it when destroyed.
    EvdevReader(int fd, const QString &path, QObject *parent = nullptr);
    ~EvdevReader() override;

    // Keeps the keyboard's keys from everybody else. A grab waits until no key is held: the X server would
    // otherwise never see that key's release and repeat it.
    void setGrabbed(bool grabbed);
    bool isGrabbed() const { return m_grabbed; }

    // No more reading; what is being read now is dropped.
    void stop();

    // Reads what is there now (the notifier calls it).
    void readEvents();

signals:
    void keystroke(const QString &path, quint32 scanCode, bool extended, bool keyUp);
    // The device is gone (unplugged) or cannot be read any more.
    void gone(const QString &path);

private:
    bool keysHeld() const;
    void applyGrab();

    int m_fd;
    QString m_path;
    QSocketNotifier *m_notifier;
    QByteArray m_partial;
    bool m_wantGrab = false;
    bool m_grabbed = false;
    bool m_grabFailureLogged = false;
};
