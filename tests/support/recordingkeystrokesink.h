#pragma once

#include "platform/keystrokesink.h"

#include <QStringList>

// Records keystrokes as readable entries: one per character ("1", ",", " "), "<Tab>" and "<Enter>" for
// the virtual keys 9 and 13, "<VK n>" for any other.
class RecordingKeystrokeSink : public KeystrokeSink
{
public:
    explicit RecordingKeystrokeSink(bool available = true, const QString &reason = QString());

    // Creates a sink, makes it the process-wide one and returns it (owned by the process-wide slot).
    static RecordingKeystrokeSink *install(bool available = true, const QString &reason = QString());

    bool isAvailable() const override { return m_available; }
    QString unavailableReason() const override { return m_reason; }
    void sendUnicodeChar(char16_t ch) override;
    void sendVirtualKey(int vk) override;

    const QStringList &keys() const { return m_keys; }

private:
    bool m_available;
    QString m_reason;
    QStringList m_keys;
};
