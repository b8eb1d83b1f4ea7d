#pragma once

#include <QElapsedTimer>
#include <QHash>
#include <QList>
#include <QObject>
#include <QPair>
#include <QSet>
#include <QStringList>

class KeyboardInputBackend;
class QTimer;

// What a key of a keyboard instrument means, by its set-1 scan code.
struct HidKey
{
    enum Kind { Character, Termination, Ignored };
    Kind kind = Ignored;
    QChar character;
};
HidKey classifyHidKey(quint32 scanCode, bool extended);

// The hardware and instance sections of a keyboard path, for log lines.
QString hidShortPath(const QString &path);

// Keyboard instruments: instruments that present themselves as a USB keyboard and type their reading when
// their data button is pressed. The manager tells the keyboards apart by their device path, assembles the
// keystrokes of the watched ones into lines and emits them; those keystrokes reach no other receiver. In
// learning mode the next key press of any keyboard says which keyboard is the instrument.
class HidKeyboardManager : public QObject
{
    Q_OBJECT

public:
    static constexpr int kMaxLineLength = 64;
    static constexpr int kFlushIntervalMs = 60;
    // An instrument that ends its reading with neither Enter nor Tab is done after this much silence.
    static constexpr int kIdleFlushMs = 200;

    // The manager on the operating system's keyboards, created on first use.
    static HidKeyboardManager *instance();

    // A manager on the given backend (tests give their own); takes ownership.
    explicit HidKeyboardManager(KeyboardInputBackend *backend, QObject *parent = nullptr);

    // (path, display name) of every keyboard attached now.
    QList<QPair<QString, QString>> keyboards() const;
    // True when keyboards are attached but none may be read by this user.
    bool keyboardsUnreadable() const;

    // The keyboards whose keys are instrument data. A keyboard leaving the set loses its half-typed line.
    void setWatchedDevices(const QStringList &paths);
    QStringList watchedDevices() const;

    void startLearning();
    void stopLearning();
    bool isLearning() const { return m_learning; }

signals:
    void lineReceived(const QString &devicePath, const QString &line);
    // A key of that keyboard was pressed while learning.
    void keyboardActivity(const QString &devicePath);
    void keyboardsChanged();

private:
    struct PendingLine
    {
        QString text;
        QElapsedTimer lastKey;
    };

    void onKeystroke(const QString &path, quint32 scanCode, bool extended, bool keyUp);
    void onKeyboardsChanged();
    void flushIdleLines();
    void handleKey(const QString &path, quint32 scanCode, bool extended);

    KeyboardInputBackend *m_backend;
    QSet<QString> m_watched;
    QHash<QString, PendingLine> m_buffers;
    bool m_learning = false;
    QTimer *m_flushTimer;
};
