#pragma once

#include "platform/keyboardinputbackend.h"

#include <QAbstractNativeEventFilter>
#include <QElapsedTimer>
#include <QHash>
#include <QList>
#include <QSet>

#include <optional>

class QWidget;

// Windows: raw input from every keyboard, delivered to a hidden window even while another program has the
// focus. The device name from raw input is the keyboard's path. A watched keyboard's keys are also kept
// from the focused widget: the WM_KEYDOWN/WM_KEYUP that follows its WM_INPUT is swallowed.
class RawInputKeyboardBackend : public KeyboardInputBackend, public QAbstractNativeEventFilter
{
    Q_OBJECT

public:
    explicit RawInputKeyboardBackend(QObject *parent = nullptr);
    ~RawInputKeyboardBackend() override;

    QList<KeyboardDevice> keyboards() override;
    void setWatched(const QStringList &paths) override;
    void setListeningToAll(bool on) override;

    bool nativeEventFilter(const QByteArray &eventType, void *message, qintptr *result) override;

private:
    // A watched keyboard's key seen through raw input, waiting for its keyboard message.
    struct RecentKey
    {
        quint32 scanCode;
        bool extended;
        bool keyUp;
        QElapsedTimer age;
    };

    struct Keystroke
    {
        QString path;
        quint32 scanCode;
        bool extended;
        bool keyUp;
    };

    std::optional<Keystroke> readKeystroke(void *rawInput);
    void handleRawInput(void *rawInput);
    bool swallowKeyMessage(unsigned int message, qintptr lParam);
    QString cachedDeviceName(void *device);

    QWidget *m_sink = nullptr;
    QHash<void *, QString> m_deviceNames;
    QSet<QString> m_watched;
    QList<RecentKey> m_recentKeys;
    bool m_listeningToAll = false;
};
